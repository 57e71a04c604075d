#include "app/command_line.h"
#include "app/data/data_editor.h"
#include "app/data/data_tab.h"
#include "app/design/design_tab.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/pages/page_view.h"
#include "app/report/report_tab.h"
#include "fake_prompts.h"
#include "report/data_colouring.h"
#include "test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::readAll;
using testsupport::writeAll;

namespace
{
class MainWindowTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    QString previousCurrent = QDir::currentPath();

    void SetUp() override
    {
        commandLineOptions() = CommandLineOptions{};
        SelectLanguage(1252);
        QDir::setCurrent(dir.path());
        for (const char *name : {"invoice.edt", "invoice.edd"})
            QFile::copy(QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + name, dir.filePath(name));
    }
    void TearDown() override
    {
        commandLineOptions() = CommandLineOptions{};
        SelectLanguage(1252);
        QDir::setCurrent(previousCurrent);
    }
    std::unique_ptr<TfrmMain> window()
    {
        const QString ini = dir.filePath("settings.ini");
        return std::make_unique<TfrmMain>(
            prompts, [ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); });
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
};
} // namespace

TEST_F(MainWindowTest, StartsOnTheReportTabWithTheGeneratedReportInPreview)
{
    commandLineOptions().designFile = path("invoice.edt");
    commandLineOptions().dataFile = path("invoice.edd");
    commandLineOptions().blackWhite = true;
    auto w = window();
    w->resize(900, 700);
    w->show(); // the first show loads the files
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(w->currentMode(), TfrmMain::ReportMode);
    VDoc &report = w->reportDocument();
    ASSERT_EQ(report.PageCount(), 2); // the example data names the invoice page twice
    EXPECT_TRUE(report.Preview() && report.BlackWhite());
    EXPECT_EQ(w->windowTitle(), "Report Viewer  [invoice.edr] - preview");
    EXPECT_TRUE(w->action("mnuReport_Report_Preview")->isChecked());
    EXPECT_EQ(w->canvas(TfrmMain::ReportMode)->view()->page(), report.PageAt(0));
    EXPECT_FALSE(w->dataEditor()->document()->isModified());
    const QTabBar *pages = w->findChild<QTabBar *>("tabReport");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->count(), 2);
    EXPECT_TRUE(pages->isVisible());
    // The customer's name came from the data file.
    bool found = false;
    WalkElements(report.PageAt(0)->Root(), [&](VGrfElement &e) { found |= e.Caption().contains("Hamburg"); });
    EXPECT_TRUE(found);
}

TEST_F(MainWindowTest, ABareReportPathFromTheFileManagerOpensTheReportTab)
{
    const auto made =
        testsupport::runCli({"generate", path("invoice.edt"), path("invoice.edd"), "-o", path("inv.edr")});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    ASSERT_FALSE(ParseArguments({"inv.edr"}, dir.path(), commandLineOptions(), prompts));
    auto w = window();
    w->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(w->currentMode(), TfrmMain::ReportMode);
    EXPECT_EQ(w->reportDocument().PageCount(), 2);
    EXPECT_TRUE(w->windowTitle().contains("inv.edr"));
    w.reset();

    commandLineOptions() = CommandLineOptions{};
    ASSERT_FALSE(ParseArguments({path("invoice.edd")}, "/", commandLineOptions(), prompts));
    w = window();
    w->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->currentMode(), TfrmMain::DataMode);
    EXPECT_TRUE(w->reportDocument().IsEmpty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(MainWindowTest, GenerationFailureAtStartUpShowsTheDataStructureMessage)
{
    writeAll(path("broken.edd"),
             "<Document DataType=\"1\">\r\n<Page DesignName=\"Nope\">\r\n"
             "<Data Status=\"Label\" DesignName=\"Label3\" Caption=\"x\"/>\r\n</Page>\r\n");
    commandLineOptions().designFile = path("invoice.edt");
    commandLineOptions().dataFile = path("broken.edd");
    auto w = window();
    w->StartUpLoad();
    ASSERT_EQ(prompts.shown.size(), 1u);
    // The reason, naming the data line, follows on the next line.
    EXPECT_TRUE(
        prompts.shown[0].text.startsWith("Data structure error =>  " + path("broken.edd") + "\nline 3"))
        << prompts.shown[0].text.toStdString();
    EXPECT_TRUE(w->reportDocument().IsEmpty());
    EXPECT_EQ(w->designDocument().PageCount(), 1); // design and data stay loaded
    EXPECT_TRUE(w->dataEditor()->toPlainText().contains("Nope"));
}

TEST_F(MainWindowTest, SaveQuestionsCancelKeepsEverything)
{
    auto w = window();
    ASSERT_TRUE(w->design().openDesign(path("invoice.edt")));
    w->design().mnuDesign_Page_NewClick();
    ASSERT_TRUE(w->designDocument().IsModified());
    w->data().mnuData_File_NewClick();
    w->dataEditor()->appendPlainText("more");

    prompts.answers = {Prompts::Cancel};
    EXPECT_FALSE(w->closeQuery());
    EXPECT_EQ(prompts.shown.back().text, "Save changes in design document?");
    EXPECT_EQ(prompts.shown.back().caption, "Design Editor");
    EXPECT_EQ(w->designDocument().PageCount(), 2);

    // No for the design, then Cancel for the data: the design is gone, the data stays.
    prompts.answers = {Prompts::No, Prompts::Cancel};
    EXPECT_FALSE(w->closeQuery());
    EXPECT_TRUE(w->designDocument().IsEmpty());
    EXPECT_EQ(prompts.shown.back().text, "Save changes in data document?");
    EXPECT_TRUE(w->dataEditor()->toPlainText().contains("more"));

    // Yes saves the data through Save As; then the window may close.
    prompts.answers = {Prompts::Yes};
    prompts.files = {path("kept.edd")};
    EXPECT_TRUE(w->closeQuery());
    EXPECT_TRUE(readAll(path("kept.edd")).contains("more\r\n"));
    EXPECT_TRUE(w->dataEditor()->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, TemplatesSaveBesideTheDesignAndGenerateAReport)
{
    auto w = window();
    ASSERT_TRUE(w->design().openDesign(path("invoice.edt")));
    EXPECT_FALSE(w->report().generateEnabled()); // no data text yet
    w->data().mnuData_File_CreateTypeClick(1);
    EXPECT_EQ(w->dataFileName(), path("invoice.edd"));
    EXPECT_TRUE(w->dataEditor()->toPlainText().contains("DataType=\"1\""));
    prompts.shown.clear();
    ASSERT_TRUE(w->data().mnuData_File_SaveClick());
    EXPECT_TRUE(prompts.shown.empty()); // the name is known: no dialog
    EXPECT_TRUE(readAll(path("invoice.edd")).startsWith("<?xml version=\"1.0\"?>\r\n"));

    EXPECT_TRUE(w->report().generateEnabled());
    // A current folder nobody can write into (it is gone: even root cannot) does not matter.
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    QDir::setCurrent(path("gone"));
    ASSERT_TRUE(QDir(dir.path()).rmdir("gone"));
    w->report().mnuReport_Report_GenerateClick();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(prompts.shown.empty()) << prompts.shown.back().text.toStdString();
    ASSERT_EQ(w->reportDocument().PageCount(), 1); // the template names each design page once
    EXPECT_EQ(w->reportDocument().FileName(), path("invoice.edr"));

    // Broken text: the Generate message names the temporary file.
    w->dataEditor()->setPlainText("<Document DataType=\"1\">\n<Page DesignName=\"Missing\">\n<f1=\"x\"/>");
    prompts.answers = {Prompts::No};
    w->report().mnuReport_Report_GenerateClick();
    ASSERT_FALSE(prompts.shown.empty());
    const QString message = prompts.shown.back().text;
    const QString prefix = "Data structure error => 2 " + QDir::tempPath() + "/tessaly-";
    ASSERT_TRUE(message.startsWith(prefix)) << message.toStdString();
    // The temporary data file and its folder are gone again.
    EXPECT_FALSE(QFileInfo::exists(message.mid(26).section('\n', 0, 0)));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(message.mid(26).section('\n', 0, 0)).path()));

    // A page whose name no data line can carry is left out of the template, and that is said.
    w->design().document().PageAt(0)->Settings().Name = "Page\"1";
    prompts.shown.clear();
    prompts.answers = {Prompts::No}; // do not save the broken text
    w->data().mnuData_File_CreateTypeClick(1);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_TRUE(prompts.shown.back().text.startsWith("page \"Page\"1\" holds a double quote"))
        << prompts.shown.back().text.toStdString();
    EXPECT_FALSE(w->dataEditor()->toPlainText().contains("<Page"));
}

TEST_F(MainWindowTest, LanguagesSwitchEveryTextAndBack)
{
    auto w = window();
    const QString english = w->action("mnuDesign_File_Open")->text();
    w->chooseLanguage(1254);
    EXPECT_NE(w->tabCaption(TfrmMain::DesignMode), " Design ");
    EXPECT_TRUE(w->tabCaption(TfrmMain::DataMode).startsWith("  ")); // blanks of the tab captions kept
    EXPECT_NE(w->action("mnuDesign_File_Open")->text(), english);
    EXPECT_FALSE(w->windowTitle().startsWith("Design Editor"));
    EXPECT_TRUE(w->action("mnuLanguage_1254")->isChecked());
    EXPECT_FALSE(w->action("mnuLanguage_1252")->isChecked());
    w->chooseLanguage(1251);
    EXPECT_NE(w->tabCaption(TfrmMain::ReportMode), " Report ");
    // Whatever the language, each one is named in itself.
    EXPECT_EQ(w->action("mnuLanguage_1251")->text(), QString::fromUtf8("Русский"));
    EXPECT_EQ(w->action("mnuLanguage_1252")->text(), "English");
    EXPECT_EQ(w->action("mnuLanguage_1254")->text(), QString::fromUtf8("Türkçe"));
    w->chooseLanguage(1252);
    EXPECT_EQ(w->tabCaption(TfrmMain::DataMode), "  Data  ");
    EXPECT_EQ(w->tabCaption(TfrmMain::ReportMode), " Report ");
    EXPECT_EQ(w->action("mnuDesign_File_Open")->text(), english);
    EXPECT_EQ(w->windowTitle(), "Design Editor  [...] - edit");
}

TEST_F(MainWindowTest, ZoomRescalesAndCentresThePage)
{
    EXPECT_EQ(PagePosition(QSize(606, 404), QSize(600, 400)), QPoint(7, 5)); // 7 and 5 pixels must fit
    EXPECT_EQ(PagePosition(QSize(607, 405), QSize(600, 400)), QPoint(2, 1));

    auto w = window();
    ASSERT_TRUE(w->design().openDesign(path("invoice.edt")));
    PageView *view = w->canvas(TfrmMain::DesignMode)->view();
    EXPECT_EQ(view->width(), 793); // A4 at 96 dpi
    w->setZoom(TfrmMain::DesignMode, 50);
    EXPECT_EQ(view->width(), 396);
    EXPECT_EQ(w->designDocument().PageAt(0)->Zoom(), 50);
}

TEST_F(MainWindowTest, DataEditorFindReplaceAndStatus)
{
    auto w = window();
    EXPECT_FALSE(w->findChild<QMenu *>("mnuData_Edit")->isEnabled());
    w->data().mnuData_File_NewClick();
    EXPECT_TRUE(w->findChild<QMenu *>("mnuData_Edit")->isEnabled());
    DataEditor *e = w->dataEditor();
    e->setPlainText("Page page PAGE pages");
    EXPECT_TRUE(e->findNext("page", {true, false}));
    EXPECT_EQ(e->textCursor().selectionStart(), 5);
    EXPECT_TRUE(e->findNext("page", {false, true})); // from the end of the selection
    EXPECT_EQ(e->textCursor().selectionStart(), 10);
    EXPECT_FALSE(e->findNext("page", {false, true})); // "pages" is no whole word
    EXPECT_EQ(e->textCursor().selectionStart(), 10);
    EXPECT_EQ(e->replaceAll("page", "p", {false, true}), 3);
    EXPECT_EQ(e->toPlainText(), "p p p pages");
    e->undo();
    EXPECT_EQ(e->toPlainText(), "Page page PAGE pages");

    e->moveCursor(QTextCursor::Start);
    EXPECT_TRUE(e->replaceNext("PAGE", "X", {true, false})); // first press finds
    EXPECT_TRUE(e->replaceNext("PAGE", "X", {true, false})); // second replaces
    EXPECT_EQ(e->toPlainText(), "Page page X pages");

    w->showMode(TfrmMain::DataMode);
    EXPECT_EQ(w->statusText(0), "*");
    EXPECT_EQ(w->statusText(1), "Edit");
    EXPECT_EQ(w->windowTitle(), "Data Editor  [...] - edit");
}

TEST(DataColouring, KeywordsAndValuesGetTheirColours)
{
    const QString line = QStringLiteral("<Data Status=\"Label\" DesignName=\"Page 1\"/>");
    const QList<ColourRun> runs = ColourDataLine(line);
    auto runAt = [&](qsizetype start) {
        for (const ColourRun &r : runs)
            if (r.start == start) return r;
        return ColourRun{};
    };
    EXPECT_EQ(runAt(0), (ColourRun{0, 1, QColor(255, 0, 0)}));
    EXPECT_EQ(runAt(1), (ColourRun{1, 5, QColor(128, 128, 128)})); // "Data "
    EXPECT_EQ(runAt(12).colour, QColor(255, 0, 0));                // '='
    EXPECT_EQ(runAt(13), (ColourRun{13, 7, DataValueColour()}));   // "Label" with its quotes: a value
    for (int i = 1; i < runs.size(); ++i)
        EXPECT_GE(runs[i].start, runs[i - 1].start + runs[i - 1].length); // no overlaps
    // "Page " inside the quoted value is not a keyword.
    for (const ColourRun &r : runs)
        EXPECT_NE(r.colour, QColor(128, 0, 0));
    EXPECT_EQ(ColourDataLine("</Document>")[1], (ColourRun{1, 9, QColor(0, 0, 255)}));
}

TEST_F(MainWindowTest, KeysScrollThePageAndWrapAtTheBottom)
{
    auto w = window();
    w->resize(700, 500);
    w->show();
    ASSERT_TRUE(w->design().openDesign(path("invoice.edt")));
    w->setZoom(TfrmMain::DesignMode, 200);
    QCoreApplication::processEvents();
    QScrollBar *v = w->scrollArea(TfrmMain::DesignMode)->verticalScrollBar();
    ASSERT_TRUE(v->isVisible());
    auto press = [&](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, mods);
        QCoreApplication::sendEvent(w.get(), &event);
    };
    press(Qt::Key_Down);
    EXPECT_EQ(v->value(), v->singleStep());
    press(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(v->value(), 9 * v->singleStep());
    press(Qt::Key_End);
    EXPECT_EQ(v->value(), v->maximum());
    press(Qt::Key_Down); // at the bottom: back to the top
    EXPECT_EQ(v->value(), 0);
    press(Qt::Key_End);
    press(Qt::Key_Home);
    EXPECT_EQ(v->value(), 0);
}
