// The export dialog: proposed names, options from and back to the stored settings, and OK.
#include "app/command_line.h"
#include "app/dialogs/convert_dialog.h"
#include "app/data/data_tab.h"
#include "app/design/design_tab.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/report/report_tab.h"
#include "export/export_names.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace
{
// The report tab's export: set works the dialog as a person would before OK, check sees it after.
void exportWith(TfrmMain &w, const std::function<void(TfrmConvert &)> &set,
                const std::function<void(TfrmConvert &)> &check = {})
{
    w.report().setDialogRunner([&](QDialog &d) {
        auto &convert = static_cast<TfrmConvert &>(d);
        set(convert);
        convert.cmdOkClick();
        if (check) check(convert);
        return convert.result();
    });
    w.report().cmdView_ConvertClick();
}

// A window holding the invoice example's report, storing its settings in ini.
std::unique_ptr<TfrmMain> invoiceReport(FakePrompts &prompts, const QString &ini)
{
    auto w = std::make_unique<TfrmMain>(prompts, [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); });
    EXPECT_TRUE(w->design().openDesign(TESSALY_SOURCE_DIR "/examples/invoice.edt"));
    QString reason;
    EXPECT_TRUE(w->report().generateReport(TESSALY_SOURCE_DIR "/examples/invoice.edd", &reason)) << reason.toStdString();
    return w;
}
} // namespace

TEST(ConvertDialog, ProposedNamesKeepTheFolder)
{
    EXPECT_EQ(ProposedExportName("/R/inv.txt", ExportTextFormat), "/R/inv(conv).txt");
    EXPECT_EQ(ProposedExportName("/R/inv.txt", ExportHtmlFormat), "/R/inv.html");
    EXPECT_EQ(ProposedExportName("/R/inv.edr", ExportPdfFormat), "/R/inv.pdf");
    EXPECT_EQ(ProposedExportName("/R/inv.DOC", ExportDocFormat), "/R/inv(conv).doc");
    EXPECT_EQ(ProposedExportName("/R/a.b.edr", ExportPictureFormat), "/R/a.b.jpeg");
    EXPECT_EQ(ProposedExportName("/R/inv", ExportSheetFormat), "/R/inv.xlsx");
}

TEST(ConvertDialog, OptionsOkAndStoredSettings)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    FakePrompts prompts;
    const auto window = invoiceReport(prompts, ini);
    TfrmMain &w = *window;
    w.report().document().SetFileName(dir.filePath("inv.edr"));

    // The dialog opens on the stored tab with the stored options; a tab change proposes a name.
    ExportSettings stored;
    stored.ID_of_Convert = ExportTextFormat;
    stored.CheckEOFChar = true;
    w.storeExportSettings(stored);
    exportWith(
        w,
        [&](TfrmConvert &convert) {
            EXPECT_EQ(convert.format(), ExportTextFormat);
            EXPECT_EQ(convert.fileName(), dir.filePath("inv.txt"));
            EXPECT_TRUE(convert.findChild<QCheckBox *>("chkUseEOFChar")->isChecked());
            convert.setFormat(ExportPdfFormat);
            EXPECT_EQ(convert.fileName(), dir.filePath("inv.pdf"));
            // The save dialog's choice becomes the name.
            prompts.files.push_back(dir.filePath("chosen.pdf"));
            convert.cmdFileSafeAsClick();
        },
        [&](TfrmConvert &convert) {
            EXPECT_EQ(convert.resultText(), dir.filePath("chosen.pdf") + " File was created!");
        });
    EXPECT_TRUE(QFileInfo(dir.filePath("chosen.pdf")).size() > 1000);
    EXPECT_EQ(prompts.shown.back().text, dir.filePath("chosen.pdf") + " File was created!");
    EXPECT_EQ(w.statusText(0), dir.filePath("chosen.pdf"));
    QSettings back(ini, QSettings::IniFormat);
    EXPECT_EQ(back.value("ID_of_Convert").toInt(), ExportPdfFormat);
    EXPECT_EQ(back.value("CheckEOFChar").toInt(), 1);

    // Pictures of the two pages in two formats: four files, named in the report's folder.
    exportWith(
        w,
        [](TfrmConvert &convert) {
            convert.setFormat(ExportPictureFormat);
            convert.findChild<QCheckBox *>("chbJPEG")->setChecked(false);
            convert.findChild<QCheckBox *>("chbBMP")->setChecked(true);
            convert.findChild<QCheckBox *>("chbPNG")->setChecked(true);
        },
        [](TfrmConvert &convert) {
            EXPECT_EQ(convert.written().size(), 4u);
            EXPECT_TRUE(convert.resultText().endsWith("(1).bmp File was created!"));
        });
    for (const char *name : {"inv(1).bmp", "inv(1).png", "inv(2).bmp", "inv(2).png"})
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(name))) << name;
    // Turkish says it in the plural for several files.
    SelectLanguage(1254);
    exportWith(w, [](TfrmConvert &) {}, [](TfrmConvert &convert) {
        EXPECT_TRUE(convert.resultText().endsWith(QString::fromUtf8(" dosyaları tamamlandı!")))
            << convert.resultText().toStdString();
    });
    SelectLanguage(1252);

    // The picture tab's name takes the ticked format, the files are named after the box, and the
    // status bar names what was written.
    exportWith(w, [&](TfrmConvert &convert) {
        convert.setFormat(ExportPictureFormat);
        EXPECT_EQ(convert.fileName(), dir.filePath("inv.bmp")); // BMP and PNG ticked
        convert.findChild<QCheckBox *>("chbBMP")->setChecked(false);
        EXPECT_EQ(convert.fileName(), dir.filePath("inv.png"));
        convert.findChild<QLineEdit *>("txtFileName")->setText(dir.filePath("typed.png"));
        convert.findChild<QCheckBox *>("chbPNG")->setChecked(false);
        convert.findChild<QCheckBox *>("chbJPEG")->setChecked(true);
        EXPECT_EQ(convert.fileName(), dir.filePath("typed.jpeg"));
    });
    EXPECT_EQ(w.statusText(0),
              dir.filePath("typed(1).jpeg") + " ... " + dir.filePath("typed(2).jpeg") + " (2 files)");
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("typed(2).jpeg")));

    // The spreadsheet tab writes a workbook.
    exportWith(w, [](TfrmConvert &convert) { convert.setFormat(ExportSheetFormat); });
    EXPECT_TRUE(testsupport::readAll(dir.filePath("inv.xlsx")).startsWith("PK"));
    EXPECT_EQ(w.statusText(0), dir.filePath("inv.xlsx"));
}

// Export (F6) and Mail (F5) are in the Report menu and act in the Design tab too: on the report
// generated from the loaded data, or else on the design's own pages, which the title says.
TEST(ConvertDialog, ReportMenuTooltipsAndKeysInTheDesignTab)
{
    QTemporaryDir dir;
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    for (const char *name : {"invoice.edt", "invoice.edd"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + name, dir.filePath(name)));
    ASSERT_TRUE(w.design().openDesign(dir.filePath("invoice.edt")));

    QAction *exportAction = w.action("cmdView_Convert"), *mailAction = w.action("cmdView_Mail");
    const QList<QAction *> reportMenu = w.tab(TfrmMain::ReportMode).menus().first()->actions();
    EXPECT_TRUE(reportMenu.contains(exportAction) && reportMenu.contains(mailAction));
    EXPECT_EQ(exportAction->toolTip(), "Export (F6)");
    EXPECT_EQ(mailAction->toolTip(), "Mail (F5)");
    EXPECT_EQ(w.action("mnuReport_Report_Open")->toolTip(), "Open report");
    w.chooseLanguage(1254);
    EXPECT_EQ(exportAction->toolTip(), QString::fromUtf8("Dosya Export (F6)"));
    w.chooseLanguage(1252);

    ExportSettings text;
    text.ID_of_Convert = ExportTextFormat;
    w.storeExportSettings(text);
    QString title;
    w.report().setDialogRunner([&](QDialog &d) {
        auto &convert = static_cast<TfrmConvert &>(d);
        title = convert.windowTitle();
        EXPECT_EQ(convert.fileName(), dir.filePath("invoice.txt"));
        convert.cmdOkClick();
        return convert.result();
    });
    const auto press = [&w](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &event);
    };
    w.showMode(TfrmMain::DesignMode);
    press(Qt::Key_F6);
    EXPECT_EQ(title, "File Export - the design without data");
    EXPECT_TRUE(testsupport::readAll(dir.filePath("invoice.txt")).contains("Invoice no."));
    EXPECT_TRUE(w.report().document().IsEmpty());

    ASSERT_TRUE(w.data().openData(dir.filePath("invoice.edd")));
    press(Qt::Key_F6);
    EXPECT_EQ(title, "File Export");
    EXPECT_EQ(w.report().document().PageCount(), 2);
    EXPECT_TRUE(testsupport::readAll(dir.filePath("invoice.txt")).contains("No. 2026-0418"));
    EXPECT_EQ(w.currentMode(), TfrmMain::DesignMode);

    // F5: the same report, mailed.
    QStringList mailed;
    w.report().startProgram = [&](const QString &, const QStringList &a) {
        mailed = a;
        return true;
    };
    prompts.files.push_back(dir.filePath("mailed.txt"));
    prompts.answers.push_back(Prompts::No); // should the generated report be saved first
    press(Qt::Key_F5);
    ASSERT_EQ(mailed.size(), 4);
    EXPECT_EQ(testsupport::readAll(mailed[2]), (dir.filePath("mailed.txt") + "\r\n").toUtf8());
    EXPECT_TRUE(testsupport::readAll(dir.filePath("mailed.txt")).contains("No. 2026-0418"));
}

TEST(ConvertDialog, MailHandsTheFilesToTheMailUtility)
{
    QTemporaryDir dir;
    FakePrompts prompts;
    const auto window = invoiceReport(prompts, dir.filePath("settings.ini"));
    TfrmMain &w = *window;
    ExportSettings jpeg;
    jpeg.ID_of_Convert = ExportPictureFormat;
    jpeg.CheckJPEG = true;
    w.storeExportSettings(jpeg);
    const int mailId = commandLineOptions().mailId;
    commandLineOptions().mailId = 17;
    QString program;
    QStringList arguments;
    w.report().startProgram = [&](const QString &p, const QStringList &a) {
        program = p;
        arguments = a;
        return true;
    };

    // Mail: the stored format, the name asked for, every page's picture in the list, in order.
    prompts.files.push_back(dir.filePath("to send.jpeg"));
    w.report().cmdView_MailClick();
    EXPECT_TRUE(program.endsWith("ZelUtlMail"));
    ASSERT_EQ(arguments.size(), 4);
    EXPECT_EQ(arguments[0], "zelsil");
    EXPECT_EQ(arguments[1], "17");
    EXPECT_EQ(arguments[3], " ");
    EXPECT_EQ(QFileInfo(arguments[2]).absolutePath(), QFileInfo(dir.path()).absoluteFilePath());
    const QByteArray list = testsupport::readAll(arguments[2]);
    EXPECT_EQ(list, (dir.filePath("to send(1).jpeg") + "\r\n" + dir.filePath("to send(2).jpeg") + "\r\n").toUtf8());
    EXPECT_EQ(w.statusText(0), dir.filePath("to send(1).jpeg") + " ... " + dir.filePath("to send(2).jpeg") + " (2 files)");

    // A failed export, or one that writes nothing, hands nothing over, not even an older file of
    // that name, and says why.
    testsupport::writeAll(dir.filePath("old.jpeg"), "older");
    QDir(dir.path()).mkdir("folder.txt");
    const struct {
        int format;
        const char *name;
    } failing[] = {{ExportPictureFormat, "old.jpeg"},
                   {ExportTextFormat, "folder.txt"}}; // no picture format ticked
    for (const auto &f : failing) {
        ExportSettings settings;
        settings.ID_of_Convert = f.format;
        w.storeExportSettings(settings);
        program.clear();
        prompts.shown.clear();
        prompts.files.push_back(dir.filePath(f.name));
        w.report().cmdView_MailClick();
        EXPECT_TRUE(program.isEmpty()) << f.name;
        ASSERT_FALSE(prompts.shown.empty());
        EXPECT_EQ(prompts.shown.back().kind, "warning");
        EXPECT_TRUE(prompts.shown.back().text.startsWith("Nothing was sent by e-mail: ")) << f.name;
    }
    EXPECT_EQ(testsupport::readAll(dir.filePath("old.jpeg")), "older");
    commandLineOptions().mailId = mailId;
}

TEST(ConvertDialog, SaveAsEdfExportsAndKeepsTheDocumentsOwnFile)
{
    QTemporaryDir dir;
    FakePrompts prompts;
    TfrmMain w(prompts, TfrmMain::SettingsFactory());
    DesignTab &design = w.design();
    ASSERT_TRUE(design.openDesign(TESSALY_SOURCE_DIR "/examples/invoice.edt"));
    design.document().PageAt(0)->Root().Child(1)->SetCaption("changed");
    prompts.files.push_back(dir.filePath("engine.edf"));
    EXPECT_FALSE(design.mnuDesign_File_SaveAsClick()) << "the design itself is not saved";
    EXPECT_TRUE(testsupport::readAll(dir.filePath("engine.edf")).startsWith("[width]"));
    EXPECT_EQ(design.document().FileName(), TESSALY_SOURCE_DIR "/examples/invoice.edt");
    EXPECT_TRUE(design.isModified());
    design.clearDocument();
}

// The dialog's convert folder is stored with the export settings, and Generate keeps a convert
// file's outputs inside it: a name leaving it is refused by number, the others are written.
TEST(ConvertDialog, ConvertFolderConfinesGenerate)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    FakePrompts prompts;
    const auto window = invoiceReport(prompts, ini);
    TfrmMain &w = *window;
    QDir(dir.path()).mkdir("pdfs");
    exportWith(w, [&](TfrmConvert &convert) {
        convert.findChild<QLineEdit *>("txtConvertFolder")->setText(dir.filePath("pdfs"));
        convert.setFormat(ExportTextFormat);
        convert.findChild<QLineEdit *>("txtFileName")->setText(dir.filePath("x.txt"));
    });
    EXPECT_EQ(w.exportSettings().ConvertFolder, dir.filePath("pdfs"));
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("ConvertFolder").toString(), dir.filePath("pdfs"));

    const QString page =
        "<Document DataType=\"1\">\r\n<Page DesignName=\"Page1\">\r\n</Page>\r\n</Document>\r\n";
    testsupport::writeAll(dir.filePath("batch.edd"),
                          ("<ConvertFile ConvertFileName=\"in/one.pdf\">\r\n" + page +
                           "<ConvertFile ConvertFileName=\"../out.pdf\">\r\n" + page)
                              .toLatin1());
    prompts.shown.clear();
    w.report().document().Clear();
    QString reason;
    w.report().generateReport(dir.filePath("batch.edd"), &reason);
    EXPECT_TRUE(testsupport::readAll(dir.filePath("pdfs/in/one.pdf")).startsWith("%PDF-"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.pdf")));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith("document 2: cannot write ../out.pdf: "))
        << prompts.shown[0].text.toStdString();
}
