// The element properties dialog worked through its controls (offscreen), every change an undo
// step; and the page source view.
#include "app/design/design_tab.h"
#include "app/dialogs/colour_button.h"
#include "app/dialogs/properties_dialog.h"
#include "app/dialogs/view_source_dialog.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
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
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace
{
struct Design {
    QTemporaryDir dir;
    VDoc doc;
    DesignEditor editor{doc};
    FakePrompts prompts;
    explicit Design(const char *example)
    {
        EXPECT_TRUE(ReadDesignFile(doc, QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + example));
        doc.ClearModified();
        editor.markSaved();
    }
    VPage &page() { return *doc.PageAt(0); }
    VGrfElement *find(const QString &name) { return testsupport::findElement(page().Root(), name); }
    QByteArray bytes()
    {
        const QString path = dir.filePath("snapshot.edt"), name = doc.FileName();
        EXPECT_TRUE(WriteDesignFile(doc, path));
        doc.SetFileName(name);
        return testsupport::readAll(path);
    }
};

template <class W> W *control(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
// As a person picks an entry of a list: by the number it stands for.
void pick(QWidget &dialog, const char *name, int data)
{
    auto *box = control<QComboBox>(dialog, name);
    box->setCurrentIndex(box->findData(data));
    emit box->activated(box->currentIndex());
}
void press(QWidget &dialog, const char *group, int id)
{
    control<QButtonGroup>(dialog, group)->button(id)->setChecked(true);
}
// What each named control shows, by name.
std::map<QString, QString> snapshot(TfrmProperties &dialog)
{
    std::map<QString, QString> shown;
    for (QWidget *w : dialog.findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        if (auto *p = dynamic_cast<VDropDownPalette *>(w))
            shown[name] = QString::number(p->colour());
        else if (auto *b = qobject_cast<QAbstractButton *>(w);
                 b && b->isCheckable() && !name.startsWith("btnTick"))
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

TEST(PropertiesDialog, EveryTabWritesItsFieldsAsUndoableSteps)
{
    Design d("invoice.edt");
    const QByteArray original = d.bytes();
    VGrfElement &label = *d.find("Label2");
    // Three labels selected: the size and weight entries reach all of them.
    VGrfElement *others[] = {d.find("Label3"), d.find("Label4")};
    label.SetSelected(true);
    for (VGrfElement *e : others)
        e->SetSelected(true);
    const int otherCharSet = others[0]->Font().FontCharSet();
    TfrmProperties dialog(d.editor, d.page(), label, d.prompts);
    EXPECT_EQ(d.editor.undoStack().count(), 0) << "filling the controls is not an edit";

    // Font
    pick(dialog, "cbCharSet", 162);
    pick(dialog, "cbWeight", 300);
    auto *bold = control<QCheckBox>(dialog, "chkBold");
    bold->setChecked(true);
    EXPECT_EQ(label.Font().FontWeight(), 700);
    EXPECT_EQ(control<QComboBox>(dialog, "cbWeight")->currentData().toInt(), 700)
        << "the weight shows the change";
    pick(dialog, "cbWeight", 900);
    bold->setChecked(true);
    EXPECT_EQ(label.Font().FontWeight(), 900) << "a bolder weight stays";
    bold->setChecked(false);
    EXPECT_EQ(label.Font().FontWeight(), 400);
    control<QCheckBox>(dialog, "chkItalic")->setChecked(true);
    control<VDropDownPalette>(dialog, "cpFontColor")->choose(Rgb(0, 0, 255));
    auto *height = control<QDoubleSpinBox>(dialog, "edFontHeight");
    const int before = d.editor.undoStack().count();
    for (double v : {4.0, 4.5, 4.57})
        height->setValue(v);
    EXPECT_EQ(d.editor.undoStack().count(), before + 1) << "typing in one box is one step";
    for (VGrfElement *e : {&label, others[0], others[1]}) {
        EXPECT_DOUBLE_EQ(e->Font().FontHeight(), 4.5) << e->Name().toStdString();
        EXPECT_EQ(e->Font().FontWeight(), e == &label ? 400 : 900) << "Bold is the label's own";
    }
    EXPECT_EQ(label.Font().FontCharSet(), 162);
    EXPECT_TRUE(label.Font().FontItalic());
    EXPECT_EQ(label.Font().FontColor(), Rgb(0, 0, 255));
    EXPECT_EQ(others[0]->Font().FontCharSet(), otherCharSet) << "the character set is the label's own";

    // Text Align
    control<QSpinBox>(dialog, "edAngle")->setValue(-45);
    press(dialog, "rgAlign", 1);
    control<QDoubleSpinBox>(dialog, "edLeftPos")->setValue(2.3);
    press(dialog, "rgVertical", 2);
    control<QSpinBox>(dialog, "edTextLength")->setValue(4);
    EXPECT_EQ(label.Font().FontOrientation(), -45);
    EXPECT_TRUE(label.Font().mmPos());
    EXPECT_DOUBLE_EQ(label.Font().LeftPos(), 2.3);
    EXPECT_EQ(label.Font().VertPos(), 2);
    control<QAbstractButton>(dialog, "btnPartingDefault")->click();
    EXPECT_EQ(label.Font().TextLength(), -1);
    EXPECT_EQ(control<QSpinBox>(dialog, "edTextLength")->value(), -1);

    // Borders: a border line takes the pen chosen and makes the frame custom.
    pick(dialog, "cbPenStyle", 2);
    control<QSpinBox>(dialog, "edPenWidth")->setValue(3);
    control<VDropDownPalette>(dialog, "cpPenColor")->choose(Rgb(255, 0, 0));
    ASSERT_FALSE(label.Shape().BorderLine(4).visible);
    control<QAbstractButton>(dialog, "btnBorder4")->setChecked(true);
    EXPECT_EQ(label.Shape().Figure(), 3);
    EXPECT_EQ(label.Shape().BorderLine(4), (VBorder{true, Rgb(255, 0, 0), 3, 2}));
    press(dialog, "rgFigure", 1);
    control<QSpinBox>(dialog, "edRectRound")->setValue(25);
    EXPECT_EQ(label.Shape().Figure(), 1);
    EXPECT_EQ(label.Shape().RectRound(), 25);

    // Background
    press(dialog, "rgBrushStyle", 6);
    control<VDropDownPalette>(dialog, "cpBrushColor")->choose(Rgb(224, 224, 224));
    EXPECT_EQ(label.Shape().BrushStyle(), 6);
    EXPECT_EQ(label.Shape().BrushColor(), Rgb(224, 224, 224));

    // Picture: loaded from a file, placed by hand, shown in the preview; an unreadable file is refused.
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString png = d.dir.filePath("p.png"), bad = d.dir.filePath("bad.png");
    image.save(png);
    testsupport::writeAll(bad, "not a picture");
    d.prompts.files = {bad, png};
    control<QAbstractButton>(dialog, "btnPictureLoad")->click();
    EXPECT_EQ(label.Picture(), nullptr);
    EXPECT_EQ(d.prompts.shown.back().kind, "warning");
    control<QAbstractButton>(dialog, "btnPictureLoad")->click();
    ASSERT_NE(label.Picture(), nullptr);
    EXPECT_EQ(label.Picture()->Image().size(), QSize(40, 20));
    EXPECT_TRUE(control<QLabel>(dialog, "imgPreview")->text().isEmpty());
    press(dialog, "rgSizeSet", 3);
    control<QSpinBox>(dialog, "edPictureWidth")->setValue(30);
    pick(dialog, "cbPosSetX", 3);
    control<QDoubleSpinBox>(dialog, "edPictureLeft")->setValue(1.5);
    EXPECT_EQ(label.Picture()->SizeSet(), 3);
    EXPECT_EQ(label.Picture()->Width(), 30);
    EXPECT_EQ(label.Picture()->PosSetX(), 3);
    EXPECT_EQ(label.Picture()->Left(), int(1.5 * 1440 / 25.4));

    // Value Types
    press(dialog, "rgValueType", 5);
    press(dialog, "rgPrintable", 3);
    EXPECT_EQ(label.ValueType(), 5);
    EXPECT_EQ(label.Printable(), 3);
    EXPECT_EQ(dialog.summary("Value Type "), "Number of Page");

    // Enter closes; every step undone gives back the very bytes the design had.
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    while (d.editor.undoStack().canUndo())
        d.editor.undoStack().undo();
    EXPECT_EQ(d.bytes(), original);
    EXPECT_FALSE(d.editor.isModified());
}

TEST(PropertiesDialog, BarcodeSettingsTreeChoiceAndTicks)
{
    Design d("label.ebt");
    VGrfElement &code = *d.find("BarCode1");
    TfrmProperties dialog(d.editor, d.page(), code, d.prompts);
    EXPECT_FALSE(dialog.tabs()->indexOf(control<QWidget>(dialog, "tsTextAlign")) >= 0);

    pick(dialog, "cbBarCodeType", VBarCode::Code39);
    auto *value = control<QLineEdit>(dialog, "edBarCode");
    value->setText("TESSALY-1");
    emit value->editingFinished();
    EXPECT_EQ(code.BarCode()->Type(), VBarCode::Code39);
    EXPECT_EQ(code.BarCode()->Value(), "TESSALY-1");
    // Manual line width, switched off again, goes back to 15 twips; the standard size takes a factor.
    press(dialog, "rgBarSize", 1);
    control<QCheckBox>(dialog, "chkManualWidth")->setChecked(true);
    auto *lineWidth = control<QSpinBox>(dialog, "edLineWidth");
    EXPECT_TRUE(lineWidth->isEnabled());
    lineWidth->setValue(22);
    EXPECT_EQ(code.BarCode()->LineWidth(), 22);
    control<QCheckBox>(dialog, "chkManualWidth")->setChecked(false);
    EXPECT_EQ(code.BarCode()->LineWidth(), 15);
    EXPECT_EQ(lineWidth->value(), 15);
    EXPECT_FALSE(lineWidth->isEnabled());
    press(dialog, "rgBarSize", 0);
    auto *factor = control<QDoubleSpinBox>(dialog, "edFactor");
    factor->setValue(5.0);
    EXPECT_FLOAT_EQ(code.BarCode()->Factor(), 2.0f) << "the factor stops at 2.00";
    press(dialog, "rgBarOrientation", 3);
    EXPECT_EQ(code.BarCode()->Orientation(), 3);

    // Choosing another element in the tree: the same kind keeps the tabs and the page shown,
    // another kind lays them out again.
    auto choose = [&](const QString &name) {
        for (QTreeWidgetItemIterator it(dialog.tree()); *it; ++it)
            if ((*it)->text(0).startsWith(name + " (")) dialog.tree()->setCurrentItem(*it);
        return &dialog.element();
    };
    VGrfElement *label = choose("Label1");
    ASSERT_EQ(label->Kind(), ElementKind::Label);
    QWidget *valueTypes = control<QWidget>(dialog, "tsValueTypes");
    dialog.tabs()->setCurrentWidget(valueTypes);
    VGrfElement *second = nullptr;
    for (const auto &c : d.page().Root().ChildList())
        if (c->Kind() == ElementKind::Label && c.get() != label) second = c.get();
    ASSERT_NE(second, nullptr);
    choose(second->Name());
    EXPECT_EQ(&dialog.element(), second);
    EXPECT_EQ(dialog.tabs()->currentWidget(), valueTypes);
    EXPECT_GE(dialog.tabs()->indexOf(control<QWidget>(dialog, "tsTextAlign")), 0);

    // The second tick on a Bool label: character 97 in Webdings at 7.0 x 6.0 mm, put on at closing.
    const int steps = d.editor.undoStack().count();
    press(dialog, "rgValueType", vtBool);
    control<QAbstractButton>(dialog, "btnTick97")->click();
    dialog.reject();
    EXPECT_EQ(second->Caption(), QString(QChar(97)));
    EXPECT_EQ(second->Font().FontName(), "Webdings");
    EXPECT_DOUBLE_EQ(second->Font().FontHeight(), 7.0);
    EXPECT_DOUBLE_EQ(second->Font().FontWidth(), 6.0);
    EXPECT_EQ(d.editor.undoStack().count(), steps + 2);

    // A language switched while the dialog is open reaches its tabs and labels.
    SelectLanguage(1254);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.tabs()->tabText(dialog.tabs()->indexOf(valueTypes)), QString::fromUtf8("Değer türleri"));
    EXPECT_NE(control<QComboBox>(dialog, "cbWeight")->itemText(0), "0       Don't Care");
    SelectLanguage(1252);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.tabs()->tabText(dialog.tabs()->indexOf(valueTypes)), "Value Types");
    EXPECT_EQ(control<QComboBox>(dialog, "cbWeight")->itemText(0), "0       Don't Care");
}

TEST(PropertiesDialog, OpenedFromTheViewAndThePageSourceEditedSafely)
{
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    w.show();
    DesignTab &design = w.design();
    ASSERT_TRUE(design.openDesign(QStringLiteral(TESSALY_SOURCE_DIR "/examples/invoice.edt")));
    QCoreApplication::processEvents();
    VDoc &doc = design.document();
    int index = 0;
    while (doc.PageAt(0)->Root().Child(index)->Caption().size() < 5)
        ++index;
    VGrfElement *label = doc.PageAt(0)->Root().Child(index);

    // F11 on an element opens its properties; it stays selected and keeps the value chosen.
    ElementWidget *widget = w.canvas(TfrmMain::DesignMode)->view()->widgetOf(label);
    design.setDialogRunner([&](QDialog &dialog) {
        EXPECT_EQ(&static_cast<TfrmProperties &>(dialog).element(), label);
        press(dialog, "rgValueType", 5);
        return QDialog::Accepted;
    });
    widget->setFocus();
    label->SetSelected(true);
    QTest::keyClick(widget, Qt::Key_F11);
    EXPECT_EQ(label->ValueType(), 5);
    EXPECT_TRUE(label->Selected());
    EXPECT_TRUE(design.isModified());

    // The page source: an edited caption comes back as one step; text that does not read is
    // refused with the reader's place and leaves the page as it was.
    const QString caption = label->Caption();
    design.setDialogRunner([&](QDialog &dialog) {
        QPlainTextEdit *text = static_cast<TfrmViewSource &>(dialog).editor();
        EXPECT_TRUE(text->toPlainText().contains(caption));
        text->setPlainText(
            text->toPlainText().replace(caption, QStringLiteral("Edited & <sourced>").toHtmlEscaped()));
        return QDialog::Accepted;
    });
    const int steps = design.editor().undoStack().count();
    design.tbtnDesign_Page_ViewSourceClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.PageAt(0)->Root().Child(index)->Caption(), "Edited & <sourced>");
    EXPECT_EQ(design.editor().undoStack().count(), steps + 1);
    design.editor().undoStack().undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.PageAt(0)->Root().Child(index)->Caption(), caption);

    design.setDialogRunner([](QDialog &dialog) {
        static_cast<TfrmViewSource &>(dialog).editor()->appendPlainText("<Label Name=\"x\"");
        return QDialog::Accepted;
    });
    VPage *page = doc.PageAt(0);
    const int children = page->Root().ChildCount();
    design.tbtnDesign_Page_ViewSourceClick();
    QCoreApplication::processEvents();
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_TRUE(prompts.shown.back().text.contains("line")) << prompts.shown.back().text.toStdString();
    EXPECT_EQ(doc.PageAt(0), page);
    EXPECT_EQ(page->Root().ChildCount(), children);
    EXPECT_EQ(design.editor().undoStack().count(), steps + 1);
    design.clearDocument();
}

TEST(PropertiesDialog, BarcodeValueBoxFollowsTheSymbology)
{
    Design d("label.ebt");
    VGrfElement &code = *d.find("BarCode1");
    TfrmProperties dialog(d.editor, d.page(), code, d.prompts);
    auto *value = control<QLineEdit>(dialog, "edBarCode");
    auto *problem = control<QLabel>(dialog, "lblBarCodeProblem");
    auto type = [&](const QString &text) {
        value->setFocus();
        value->clear();
        QTest::keyClicks(value, text);
        emit value->editingFinished();
    };

    // Code 39 has no lower case: typing gives capitals, and the check character is shown.
    pick(dialog, "cbBarCodeType", VBarCode::Code39);
    type("ab-12");
    EXPECT_EQ(value->text(), "AB-12");
    EXPECT_EQ(code.BarCode()->Value(), "AB-12");
    EXPECT_FALSE(control<QLabel>(dialog, "lblCheckSum")->text().isEmpty());
    EXPECT_TRUE(problem->text().isEmpty());

    // EAN-13 takes digits only, at most 13; a value of the wrong length is refused with the reason
    // and the barcode keeps the value it had, instead of turning into one that prints nothing.
    pick(dialog, "cbBarCodeType", VBarCode::Ean13);
    EXPECT_FALSE(problem->text().isEmpty()) << "the Code 39 value cannot be an EAN-13";
    value->clear();
    QTest::keyClicks(value, "40123x4556789012345");
    EXPECT_EQ(value->text(), "4012345567890");
    type("590123412345");
    EXPECT_EQ(code.BarCode()->Value(), "590123412345");
    EXPECT_TRUE(problem->text().isEmpty());
    type("59012");
    EXPECT_EQ(code.BarCode()->Value(), "590123412345");
    EXPECT_EQ(value->text(), "590123412345");
    EXPECT_TRUE(problem->text().contains("12")) << problem->text().toStdString();

    // Code 128 holds what ASCII prints; a character outside it is named.
    pick(dialog, "cbBarCodeType", VBarCode::Code128);
    value->setText(QString::fromUtf8("Größe 7")); // keys beyond ASCII cannot be typed in a test
    emit value->editingFinished();
    EXPECT_TRUE(problem->text().contains(QString::fromUtf8("ö"))) << problem->text().toStdString();
    EXPECT_EQ(code.BarCode()->Value(), "590123412345");
}

// Whatever the dialog lets a person set comes back after saving and reopening: every control of
// every tab, for every kind of element, changed and then read again.
TEST(PropertiesRoundTrip, EveryControlOfEveryKindSurvivesSaveAndReopen)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("p.png");
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    ASSERT_TRUE(image.save(picture));
    std::set<ElementKind> kindsSeen;
    for (const char *example : {"invoice.edt", "label.ebt"}) {
        for (ElementKind kind : {ElementKind::Panel, ElementKind::Group, ElementKind::Table,
                                 ElementKind::Cell, ElementKind::Label, ElementKind::BarCode}) {
            Design d(example);
            VGrfElement *target = testsupport::firstOfKind(d.page().Root(), kind);
            if (!target) continue;
            kindsSeen.insert(kind);
            const QString name = target->Name();
            SCOPED_TRACE(std::string(example) + " " + name.toStdString());
            std::map<QString, QString> before;
            {
                TfrmProperties dialog(d.editor, d.page(), *target, d.prompts);
                const auto untouched = snapshot(dialog);
                changeEverything(dialog, d.prompts, picture);
                before = snapshot(dialog);
                EXPECT_NE(before, untouched) << "the walk changed nothing";
            }
            const QString saved = dir.filePath(QStringLiteral("saved") + QLatin1String(example).right(4));
            ASSERT_TRUE(WriteDesignFile(d.doc, saved));

            VDoc reopened;
            ASSERT_TRUE(ReadDesignFile(reopened, saved));
            VGrfElement *again = testsupport::findElement(reopened.PageAt(0)->Root(), name);
            ASSERT_NE(again, nullptr);
            DesignEditor editor2(reopened);
            TfrmProperties dialog(editor2, *reopened.PageAt(0), *again, d.prompts);
            const auto after = snapshot(dialog);
            for (const auto &[control, value] : before)
                EXPECT_EQ(after.at(control).toStdString(), value.toStdString()) << control.toStdString();
        }
    }
    EXPECT_EQ(kindsSeen.size(), 6u) << "the examples hold every kind";
}
