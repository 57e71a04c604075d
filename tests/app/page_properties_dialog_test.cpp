// The page properties dialog worked through its controls offscreen; the paper list dialog.
#include "app/dialogs/colour_button.h"
#include "app/dialogs/page_properties_dialog.h"
#include "app/dialogs/pages_dialog.h"
#include "app/language.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace
{
template <class W> W *control(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
void click(QWidget &dialog, const char *name, int times = 1)
{
    auto *b = control<QAbstractButton>(dialog, name);
    for (int i = 0; i < times; ++i)
        b->click();
}
QString text(QWidget &dialog, const char *name)
{
    return control<QLineEdit>(dialog, name)->text();
}
void type(QWidget &dialog, const char *name, const QString &value)
{
    auto *edit = control<QLineEdit>(dialog, name);
    edit->selectAll();
    QTest::keyClicks(edit, value);
}
VSetPage landscapeA4()
{
    VSetPage r;
    r.Num = 3;
    r.Name = QStringLiteral("Invoice");
    r.PaperSize = 9;
    r.Width = 210;
    r.Height = 297;
    r.Orientation = 2;
    return r;
}
} // namespace

TEST(PageProperties, ShowsThePageAsItLiesAndWritesBackOnlyOnOk)
{
    VSetPage record = landscapeA4();
    TZelFont font;
    {
        TfrmPageProperties dialog(record, font, QString());
        EXPECT_TRUE(control<QRadioButton>(dialog, "rbAllPages")->isChecked());
        EXPECT_EQ(control<QComboBox>(dialog, "cmbAllPages")->currentData().toInt(), 9);
        EXPECT_EQ(text(dialog, "txtWidth"), "297");
        EXPECT_EQ(text(dialog, "txtHeight"), "210");
        EXPECT_EQ(text(dialog, "txtID"), "3");
        // No printer named anywhere: the printer's papers cannot be chosen.
        EXPECT_FALSE(control<QRadioButton>(dialog, "rbPrinterPages")->isEnabled());
        EXPECT_FALSE(control<QComboBox>(dialog, "cmbPrinterPages")->isEnabled());

        // A5 from the forms; then the name, a font change and Cancel: nothing reaches the records.
        auto *forms = control<QComboBox>(dialog, "cmbAllPages");
        forms->setCurrentIndex(forms->findData(11));
        emit forms->activated(forms->currentIndex());
        EXPECT_EQ(text(dialog, "txtWidth"), "210");
        type(dialog, "txtName", "Receipt");
        click(dialog, "chkBold");
        control<QDoubleSpinBox>(dialog, "edFontHeight")->setValue(7.5);
        click(dialog, "btnCancel");
        EXPECT_EQ(record, landscapeA4());
        EXPECT_EQ(font, TZelFont());
        EXPECT_TRUE(dialog.fontCopy().FontWeight() >= 700);

        click(dialog, "btnOK");
        EXPECT_EQ(record.PaperSize, 11);
        EXPECT_DOUBLE_EQ(record.Width, 148.0);
        EXPECT_DOUBLE_EQ(record.Height, 210.0);
        EXPECT_EQ(record.Orientation, 2);
        EXPECT_EQ(record.Name, "Receipt");
        EXPECT_TRUE(record.changed);
        EXPECT_EQ(font.FontWeight(), 700);
        EXPECT_DOUBLE_EQ(font.FontHeight(), 7.5);
    }
    // OK without a change keeps the portrait terms of a landscape record.
    record = landscapeA4();
    TfrmPageProperties same(record, font, QString());
    EXPECT_FALSE(same.apply());
    EXPECT_EQ(record, landscapeA4());
}

TEST(PageProperties, ManualSizeStepsAndTyping)
{
    VSetPage record = landscapeA4();
    TZelFont font;
    TfrmPageProperties dialog(record, font, QString());
    click(dialog, "rbManualPageSize");
    EXPECT_EQ(dialog.pageCopy().PaperSize, 256);
    EXPECT_TRUE(control<QLineEdit>(dialog, "txtWidth")->isEnabled());

    type(dialog, "txtWidth", "9998");
    click(dialog, "btnWidthUp", 3);
    EXPECT_EQ(text(dialog, "txtWidth"), "9999");
    click(dialog, "btnWidthFineUp");
    EXPECT_EQ(MillimetreValue(text(dialog, "txtWidth")), 9999.01);

    const QString half = MillimetreText(0.5);
    control<QLineEdit>(dialog, "txtHeight")->setText(half);
    click(dialog, "btnHeightDown");
    EXPECT_EQ(text(dialog, "txtHeight"), half);
    click(dialog, "btnHeightFineDown");
    EXPECT_DOUBLE_EQ(MillimetreValue(text(dialog, "txtHeight")), 0.49);
    type(dialog, "txtHeight", "120");
    click(dialog, "btnHeightUp");

    // Landscape: the dialog's width is the record's height.
    click(dialog, "btnOK");
    EXPECT_EQ(record.PaperSize, 256);
    EXPECT_DOUBLE_EQ(record.Height, 9999.01);
    EXPECT_DOUBLE_EQ(record.Width, 121.0);

    // Reverse portrait shows the record as it is.
    TfrmPageProperties again(record, font, QString());
    EXPECT_TRUE(control<QRadioButton>(again, "rbManualPageSize")->isChecked());
    click(again, "rbReversePortrait");
    EXPECT_EQ(text(again, "txtWidth"), "121");
    type(again, "txtID", "12a7");
    EXPECT_EQ(text(again, "txtID"), "127");
    click(again, "chkSetForAll");
    EXPECT_TRUE(again.setForAll());
    again.apply();
    EXPECT_EQ(record.Orientation, 3);
    EXPECT_EQ(record.Num, 127);

    // A language switched while the dialog is open reaches its texts and lists.
    SelectLanguage(1254);
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QRadioButton>(again, "rbManualPageSize")->text(),
              QString::fromUtf8("Elle sayfa boyutu"));
    EXPECT_EQ(control<QLabel>(again, "lblFontName")->text(), QString::fromUtf8("Yazı tipi seçilmedi"));
    SelectLanguage(1252);
    QCoreApplication::processEvents();
    EXPECT_EQ(control<QRadioButton>(again, "rbManualPageSize")->text(), "Manual Page Size");
}

TEST(PageProperties, MillimetreTypingRule)
{
    MillimetreValidator v;
    const QString sep = QLocale::system().decimalPoint();
    const auto state = [&](QString s) {
        int pos = int(s.size());
        return v.validate(s, pos);
    };
    for (const char *bad : {"0", "01", "12345", "1.2345", ",5", "1.2.3", "1a", "-1"})
        EXPECT_EQ(state(QString::fromLatin1(bad)), QValidator::Invalid) << bad;
    for (const char *good : {"", "1234.567", "1", "9999"})
        EXPECT_EQ(state(QString::fromLatin1(good)), QValidator::Acceptable) << good;
    // Accepted after a fix-up: a comma becomes the decimal point, leading zeros one.
    const auto fixed = [&](QString s) {
        int pos = int(s.size());
        return v.validate(s, pos) == QValidator::Acceptable ? s : QStringLiteral("(refused)");
    };
    EXPECT_EQ(fixed("12,5"), "12" + sep + "5");
    EXPECT_EQ(fixed("00"), "0");
    EXPECT_EQ(MillimetreValue(QString()), 0.0);
    EXPECT_EQ(MillimetreValue("12" + sep + "5"), 12.5);
}

TEST(PageProperties, PaperListChoosesAFormAndTheDialogTakesIt)
{
    TfrmPages pages;
    QTreeWidget *tree = pages.tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *server = tree->topLevelItem(1);
    EXPECT_EQ(server->text(0), "PrintServer");
    QTreeWidgetItem *a4 = nullptr;
    for (int i = 0; i < server->childCount(); ++i)
        if (server->child(i)->text(0).endsWith("(#9)")) a4 = server->child(i);
    ASSERT_NE(a4, nullptr);
    auto *ok = control<QAbstractButton>(pages, "btnOK");
    tree->setCurrentItem(server);
    EXPECT_FALSE(ok->isEnabled());
    tree->setCurrentItem(a4);
    EXPECT_EQ(control<QLabel>(pages, "lblWidth")->text(), "210");
    EXPECT_EQ(control<QLabel>(pages, "lblBottom")->text(), "297");
    EXPECT_FALSE(control<QAbstractButton>(pages, "btnNew")->isEnabled());
    ok->click();
    ASSERT_TRUE(pages.chosen().has_value());
    EXPECT_EQ(pages.chosen()->form.number, 9);

    VSetPage record;
    record.PaperSize = 0; // a user size as older records hold it
    record.Width = 100;
    record.Height = 150;
    TZelFont font;
    TfrmPageProperties dialog(record, font, QString());
    EXPECT_TRUE(control<QRadioButton>(dialog, "rbManualPageSize")->isChecked());
    EXPECT_EQ(text(dialog, "txtWidth"), "100");
    dialog.choosePaper = [&] { return pages.chosen(); };
    click(dialog, "rbAllPages");
    EXPECT_EQ(text(dialog, "txtWidth"), "0"); // no form of that size
    click(dialog, "btnAllPages");
    EXPECT_TRUE(control<QRadioButton>(dialog, "rbAllPages")->isChecked());
    EXPECT_EQ(control<QComboBox>(dialog, "cmbAllPages")->currentData().toInt(), 9);
    EXPECT_EQ(text(dialog, "txtHeight"), "297");
    // Colour and character set reach the copy only.
    control<VDropDownPalette>(dialog, "cpFontColor")->choose(0x0000FF);
    EXPECT_EQ(font.FontColor(), 0u);
    dialog.apply();
    EXPECT_EQ(record.PaperSize, 9);
    EXPECT_EQ(font.FontColor(), 0x0000FFu);
}
