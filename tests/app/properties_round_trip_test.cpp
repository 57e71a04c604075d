// Whatever the element properties dialog lets a person set comes back after saving and reopening:
// every control of every tab, for every kind of element, changed and then read again.
#include "app/dialogs/colour_button.h"
#include "app/dialogs/properties_dialog.h"
#include "fake_prompts.h"
#include "files/design_file.h"
#include "model/design_editor.h"
#include "model/v_page.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace
{
// What each named control shows, by name.
std::map<QString, QString> snapshot(TfrmProperties &dialog)
{
    std::map<QString, QString> shown;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        if (auto *p = dynamic_cast<VDropDownPalette *>(w))
            shown[name] = QString::number(p->colour());
        else if (auto *b = qobject_cast<QAbstractButton *>(w); b && b->isCheckable() && !name.startsWith("btnTick"))
            shown[name] = b->isChecked() ? "on" : "off";
        else if (auto *c = qobject_cast<QComboBox *>(w))
            shown[name] = c->currentText();
        else if (auto *s = qobject_cast<QSpinBox *>(w))
            shown[name] = QString::number(s->value());
        else if (auto *r = qobject_cast<QDoubleSpinBox *>(w))
            shown[name] = QString::number(r->value());
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            shown[name] = e->text();
    }
    for (QButtonGroup *g : dialog.findChildren<QButtonGroup *>())
        if (!g->objectName().isEmpty()) shown[g->objectName()] = QString::number(g->checkedId());
    for (const char *row : {"Picture ", "Caption ", "Repeatability", "Value Type "})
        shown[QLatin1String(row)] = dialog.summary(QLatin1String(row));
    return shown;
}

// Gives every enabled control of the shown tabs another value, as a person would.
void changeEverything(TfrmProperties &dialog, FakePrompts &prompts, const QString &picture)
{
    QTabWidget *tabs = dialog.tabs();
    for (int t = 0; t < tabs->count(); ++t) {
        QWidget *page = tabs->widget(t);
        for (QButtonGroup *g : page->findChildren<QButtonGroup *>()) {
            if (g->objectName().isEmpty()) continue;
            for (QAbstractButton *b : g->buttons())
                if (b->isEnabled() && g->id(b) != g->checkedId()) {
                    b->setChecked(true);
                    break;
                }
        }
        for (QWidget *w : page->findChildren<QWidget *>()) {
            const QString name = w->objectName();
            if (!w->isEnabled() || name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
            if (auto *p = dynamic_cast<VDropDownPalette *>(w)) {
                p->choose(p->colour() == Rgb(12, 34, 56) ? Rgb(65, 43, 21) : Rgb(12, 34, 56));
            } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
                c->setChecked(!c->isChecked());
            } else if (name.startsWith(QLatin1String("btnBorder"))) {
                qobject_cast<QAbstractButton *>(w)->click();
            } else if (name == QLatin1String("btnPictureLoad")) {
                prompts.files = {picture};
                qobject_cast<QAbstractButton *>(w)->click();
            } else if (auto *c = qobject_cast<QComboBox *>(w); c && c->count() > 1) {
                c->setCurrentIndex((c->currentIndex() + 1) % c->count());
                emit c->activated(c->currentIndex());
            } else if (auto *s = qobject_cast<QSpinBox *>(w)) {
                s->setValue(s->value() < s->maximum() ? s->value() + 1 : s->value() - 1);
            } else if (auto *r = qobject_cast<QDoubleSpinBox *>(w)) {
                const double step = std::max(r->singleStep(), 0.1);
                r->setValue(r->value() + step <= r->maximum() ? r->value() + step : r->value() - step);
            } else if (auto *e = qobject_cast<QLineEdit *>(w); e && !e->isReadOnly()) {
                e->setText(e->text() + QLatin1Char('7'));
                emit e->textEdited(e->text());
                emit e->editingFinished();
            }
        }
    }
    // The geometry typed beside the tabs.
    for (const char *name : {"edElementLeft", "edElementTop", "edElementWidth", "edElementHeight"}) {
        auto *box = dialog.findChild<QDoubleSpinBox *>(QLatin1String(name));
        ASSERT_NE(box, nullptr) << name;
        box->setValue(box->value() + 0.3);
    }
}
} // namespace

TEST(PropertiesRoundTrip, EveryControlOfEveryKindSurvivesSaveAndReopen)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("p.png");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(picture));
    std::set<ElementKind> kindsSeen;
    for (const char *example : {"invoice.edt", "label.ebt"}) {
        for (ElementKind kind : {ElementKind::Panel, ElementKind::Group, ElementKind::Table, ElementKind::Cell,
                                 ElementKind::Label, ElementKind::BarCode}) {
            VDoc doc;
            ASSERT_TRUE(ReadDesignFile(doc, QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + example));
            VGrfElement *target = testsupport::firstOfKind(doc.PageAt(0)->Root(), kind);
            if (!target) continue;
            kindsSeen.insert(kind);
            const QString name = target->Name();
            SCOPED_TRACE(std::string(example) + " " + name.toStdString());
            DesignEditor editor(doc);
            FakePrompts prompts;
            std::map<QString, QString> before;
            {
                TfrmProperties dialog(editor, *doc.PageAt(0), *target, prompts);
                const auto untouched = snapshot(dialog);
                changeEverything(dialog, prompts, picture);
                before = snapshot(dialog);
                EXPECT_NE(before, untouched) << "the walk changed nothing";
            }
            const QString saved = dir.filePath(QStringLiteral("saved") + QLatin1String(example).right(4));
            ASSERT_TRUE(WriteDesignFile(doc, saved));

            VDoc reopened;
            ASSERT_TRUE(ReadDesignFile(reopened, saved));
            VGrfElement *again = testsupport::findElement(reopened.PageAt(0)->Root(), name);
            ASSERT_NE(again, nullptr);
            DesignEditor editor2(reopened);
            TfrmProperties dialog(editor2, *reopened.PageAt(0), *again, prompts);
            const auto after = snapshot(dialog);
            for (const auto &[control, value] : before)
                EXPECT_EQ(after.at(control).toStdString(), value.toStdString()) << control.toStdString();
        }
    }
    EXPECT_EQ(kindsSeen.size(), 6u) << "the examples hold every kind";
}
