// The print settings dialog and the print commands of the window (offscreen).
#include "app/design/design_tab.h"
#include "app/main_window.h"
#include "app/dialogs/print_settings_dialog.h"
#include "app/report/report_tab.h"
#include "fake_prompts.h"
#include "print/print_job.h"
#include "print/printers.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

TEST(PrintSettings, TypingRulesButtonsAndApply)
{
    int pos = 0;
    const struct {
        const char *text;
        bool pages, copies;
    } typed[] = {{"1,3,5-12", true, false}, {"1,,2", false, false}, {"3-0", false, false}, {"2-,", false, false},
                 {"10,20", true, false},    {"a", false, false},    {"120", true, true},   {"1200", true, false}};
    PageNumbersValidator pages;
    CopiesValidator copies;
    for (const auto &t : typed) {
        QString text = QString::fromLatin1(t.text);
        EXPECT_EQ(pages.validate(text, pos) == QValidator::Acceptable, t.pages) << t.text;
        EXPECT_EQ(copies.validate(text, pos) == QValidator::Acceptable, t.copies) << t.text;
    }

    FakePrompts prompts;
    VSetPrn record;
    record.Copies = 998;
    record.PageSelection = 1;
    const QString before = SelectedPrinter();
    TfrmSets dialog(record, prompts);
    auto *numbers = dialog.findChild<QLineEdit *>("txtNumbers");
    auto *count = dialog.findChild<QLineEdit *>("txtCopies");
    EXPECT_FALSE(numbers->isEnabled()) << "numbers only with Numbers:";
    dialog.findChild<QButtonGroup *>("rgPages")->button(2)->setChecked(true);
    EXPECT_TRUE(numbers->isEnabled());
    numbers->setText("2,4-5");
    dialog.copiesUp();
    dialog.copiesUp();
    EXPECT_EQ(count->text(), "999") << "up stops at 999";
    count->setText("0");
    EXPECT_EQ(count->text(), "1");
    count->setText("07");
    EXPECT_EQ(count->text(), "7");
    dialog.copiesDown();
    EXPECT_EQ(count->text(), "6");
    count->setText("1");
    dialog.copiesDown();
    EXPECT_EQ(count->text(), "1") << "down stops at one";
    count->setText("3");
    dialog.findChild<QButtonGroup *>("rgQuality")->button(4)->setChecked(true);
    dialog.selectPrintClick(); // the Print tab's Select stores at once
    EXPECT_EQ(record.Copies, 3);
    EXPECT_EQ(record.PageSelection, 2);
    EXPECT_EQ(record.PageNumbers, "2,4-5");
    EXPECT_EQ(record.Quality, 4);
    dialog.defaultPrintClick();
    EXPECT_EQ(record.Copies, 1);
    EXPECT_EQ(record.Quality, 0);
    EXPECT_EQ(record.PageSelection, 2);

    // The printer list: the default one first chosen; with none, the dialog says so.
    auto *label = dialog.findChild<QLabel *>("lblPrinter");
    if (ListPrinters().isEmpty()) {
        EXPECT_EQ(label->text(), "no printers in system");
    } else {
        const QString last = ListPrinters().last();
        dialog.printerList()->setCurrentRow(dialog.printerList()->count() - 1);
        EXPECT_EQ(dialog.printerShown(), last);
        dialog.applyClick();
        EXPECT_EQ(SelectedPrinter(), last == DefaultPrinterName() ? QString() : last);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    SelectedPrinter() = before;

    // Escape says "Yes" and closes without storing.
    TfrmSets again(record, prompts);
    again.findChild<QLineEdit *>("txtCopies")->setText("5");
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_EQ(again.result(), QDialog::Rejected);
    EXPECT_EQ(prompts.shown.back().text, "Yes");
    EXPECT_EQ(record.Copies, 1);
}

TEST(PrintSettings, ReportPrintCommandsFollowTheChoice)
{
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    ReportTab &report = w.report();
    ASSERT_TRUE(w.design().openDesign(TESSALY_SOURCE_DIR "/examples/invoice.edt"));
    QString reason;
    ASSERT_TRUE(report.generateReport(TESSALY_SOURCE_DIR "/examples/invoice.edd", &reason)) << reason.toStdString();
    VDoc &doc = report.document();
    ASSERT_EQ(doc.PageCount(), 2);
    const QString printer = qEnvironmentVariable("TESSALY_TEST_PRINTER");
    const QString before = SelectedPrinter();
    SelectedPrinter() = printer.isEmpty() ? QStringLiteral("no such printer") : printer;

    // Report -> Print with page numbers that do not read: the reason, nothing printed.
    report.setDialogRunner([](QDialog &d) {
        auto &sets = static_cast<TfrmSets &>(d);
        sets.findChild<QButtonGroup *>("rgPages")->button(2)->setChecked(true);
        sets.findChild<QLineEdit *>("txtNumbers")->setText("2-");
        sets.findChild<QLineEdit *>("txtCopies")->setText("2");
        sets.selectPrintClick();
        return int(QDialog::Accepted);
    });
    report.printDocument();
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back().text, "'' is not a valid integer value");

    // Page -> Print of the shown page with "Current": the page's own settings, the document's kept.
    report.setDialogRunner([](QDialog &d) {
        auto &sets = static_cast<TfrmSets &>(d);
        EXPECT_EQ(sets.findChild<QButtonGroup *>("rgPages")->checkedId(), 1) << "the page opens on Current";
        sets.findChild<QLineEdit *>("txtCopies")->setText("4");
        sets.selectPrintClick();
        return int(QDialog::Accepted);
    });
    const int jobsBefore = printer.isEmpty() ? 0 : QDir(qEnvironmentVariable("TESSALY_TEST_PRINTER_OUT")).count();
    report.printShownPage();
    EXPECT_EQ(doc.PageAt(0)->Settings().Print.Copies, 4);
    EXPECT_EQ(doc.Settings().Print.Copies, 2);
    if (!printer.isEmpty()) {
        // The job reached the queue (cups-pdf writes it a moment later).
        for (int i = 0; i < 100 && QDir(qEnvironmentVariable("TESSALY_TEST_PRINTER_OUT")).count() == uint(jobsBefore); ++i)
            QTest::qWait(100);
        EXPECT_GT(QDir(qEnvironmentVariable("TESSALY_TEST_PRINTER_OUT")).count(), uint(jobsBefore));
    }
    SelectedPrinter() = before;
}

TEST(PrintSettings, PagePropertiesForAllPagesAreOneUndoStep)
{
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    DesignTab &design = w.design();
    ASSERT_TRUE(design.openDesign(TESSALY_SOURCE_DIR "/examples/invoice.edt"));
    design.mnuDesign_Page_NewClick();
    QCoreApplication::processEvents();
    VDoc &doc = design.document();
    ASSERT_EQ(doc.PageCount(), 2);
    const VSetPage first = doc.PageAt(0)->Settings(), second = doc.PageAt(1)->Settings();

    // Landscape for all pages from the first page's dialog; each page keeps its name.
    design.setDialogRunner([](QDialog &d) {
        d.findChild<QButtonGroup *>("rgOrientation")->button(2)->setChecked(true);
        d.findChild<QAbstractButton *>("chkSetForAll")->setChecked(true);
        d.findChild<QAbstractButton *>("btnOK")->click();
        return d.result();
    });
    const int steps = design.editor().undoStack().count();
    design.editPageProperties(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(design.editor().undoStack().count(), steps + 1);
    for (const VSetPage *s : {&doc.Settings(), &doc.PageAt(0)->Settings(), &doc.PageAt(1)->Settings()})
        EXPECT_EQ(s->Orientation, 2);
    EXPECT_EQ(doc.PageAt(1)->Settings().Name, second.Name);
    EXPECT_TRUE(design.isModified());

    design.editor().undoStack().undo();
    QCoreApplication::processEvents();
    EXPECT_EQ(doc.PageAt(0)->Settings(), first);
    EXPECT_EQ(doc.PageAt(1)->Settings(), second);

    // Cancel changes nothing.
    design.setDialogRunner([](QDialog &d) {
        d.findChild<QButtonGroup *>("rgOrientation")->button(2)->setChecked(true);
        return int(QDialog::Rejected);
    });
    design.editPageProperties(-1);
    EXPECT_EQ(design.editor().undoStack().index(), steps);
    design.clearDocument();
}
