#include "app/command_line.h"
#include "app/report/export_settings.h"
#include "app/report/temporary_pictures.h"
#include "fake_prompts.h"
#include "test_support.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::writeAll;

class CommandLineTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FakePrompts prompts;
    CommandLineOptions options;
    void SetUp() override
    {
        for (const char *name : {"inv.edt", "my data.edd", "my"})
            writeAll(dir.filePath(name), "x");
    }
    bool parse(const QString &line) { return ParseCommandLine(line, dir.path(), options, prompts); }
};

TEST(OptionValue, QuotesBlanksAndMissingCloseQuote)
{
    QString v;
    EXPECT_TRUE(ParseOptionValue("-t ", "-t a.edt -d b.edd", v));
    EXPECT_EQ(v, "a.edt");
    EXPECT_TRUE(ParseOptionValue("-t ", "-t   \"/x/my design.edt\" -bw", v));
    EXPECT_EQ(v, "/x/my design.edt");
    EXPECT_TRUE(ParseOptionValue("-p ", "-bw -p Office", v));
    EXPECT_EQ(v, "Office");
    EXPECT_FALSE(ParseOptionValue("-t ", "-t \"/x/open.edt -bw", v));
    EXPECT_FALSE(ParseOptionValue("-r ", "-t a", v));
    // The argument list from the shell is joined back with quotes around blanks.
    EXPECT_EQ(JoinArguments({"-t", "/a b/c.edt", "-bw"}), "-t \"/a b/c.edt\" -bw");
}

TEST_F(CommandLineTest, FilesFlagsAndBareNames)
{
    EXPECT_FALSE(
        parse("-T inv.edt -d \"" + dir.filePath("my data.edd") + "\" -dd -PF -bw -p Laser -x -mail 42"));
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(options.designFile, dir.path() + "/inv.edt"); // bare names live in the current folder
    EXPECT_EQ(options.dataFile, dir.filePath("my data.edd"));
    EXPECT_TRUE(options.deleteDataOnExit && options.checkPrintable && options.blackWhite);
    EXPECT_EQ(options.printerName, "Laser");
    EXPECT_EQ(options.mailId, 42);
    EXPECT_TRUE(options.reportFile.isEmpty());

    CommandLineOptions other;
    EXPECT_FALSE(ParseCommandLine("-mail 7", dir.path(), other, prompts)); // needs a blank before it
    EXPECT_EQ(other.mailId, 0);
    EXPECT_THROW(ParseCommandLine("-g -mail seven", dir.path(), other, prompts), std::invalid_argument);
}

TEST_F(CommandLineTest, OptionsAreWholeWordsNeverPartsOfPaths)
{
    // A folder "report-dd-2026" and a name holding "-bw" or "-t" ask for nothing.
    QDir(dir.path()).mkpath("report-dd-2026/x -pf y");
    const QString data = dir.filePath("report-dd-2026/a-bw-DD.edd");
    const QString quoted = dir.filePath("report-dd-2026/x -pf y/b -dd -t.edd");
    writeAll(data, "x");
    writeAll(quoted, "x");
    EXPECT_FALSE(ParseArguments({"-t", "inv.edt", "-d", data}, dir.path(), options, prompts));
    EXPECT_EQ(options.dataFile, data);
    EXPECT_FALSE(options.deleteDataOnExit || options.blackWhite || options.checkPrintable);
    CommandLineOptions inQuotes;
    EXPECT_FALSE(ParseArguments({"-d", quoted, "-BW"}, dir.path(), inQuotes, prompts));
    EXPECT_EQ(inQuotes.dataFile, quoted);
    EXPECT_TRUE(inQuotes.designFile.isEmpty()) << "-t inside a quoted name";
    EXPECT_FALSE(inQuotes.deleteDataOnExit || inQuotes.checkPrintable);
    EXPECT_TRUE(inQuotes.blackWhite);
    EXPECT_TRUE(prompts.shown.empty());
    // Joined-up words are no options either.
    CommandLineOptions joined;
    EXPECT_FALSE(ParseCommandLine("-ddx -bwbw x-pf -t", dir.path(), joined, prompts));
    EXPECT_FALSE(joined.deleteDataOnExit || joined.blackWhite || joined.checkPrintable);
    EXPECT_TRUE(joined.designFile.isEmpty());
}

TEST_F(CommandLineTest, StartupEndsWithOneForABadMailNumber)
{
    EXPECT_EQ(StartupExitCode({"-g", "-mail", "seven"}, dir.path(), options, prompts), 1);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "warning");
    EXPECT_TRUE(prompts.shown[0].text.contains("'seven' is not a valid integer value"));
    EXPECT_EQ(StartupExitCode({"-h"}, dir.path(), options, prompts), 255);
    EXPECT_EQ(StartupExitCode({"-t", "gone.edt"}, dir.path(), options, prompts), 255);
    EXPECT_EQ(StartupExitCode({"-t", "inv.edt", "-mail", "12"}, dir.path(), options, prompts), std::nullopt);
    EXPECT_EQ(options.mailId, 12);
}

// Each of these shows one message and ends the start: a missing file under its own tab's caption
// (later options unread), or help, which wins over everything else but only as a word of its own.
TEST_F(CommandLineTest, MissingFilesAndHelpShowOneMessage)
{
    writeAll(dir.filePath("x-h.edt"), "x");
    const QString missing = "\n- file not exists.";
    const struct {
        QString line;     // a command line as Windows passes it, or
        QStringList args; // the arguments as the shell passes them
        const char *caption;
        QString text; // empty: the help
    } cases[] = {
        // An unquoted path with a blank ends at the blank.
        {"-t inv.edt -d " + dir.filePath("no such.edd"), {}, "Data Editor", dir.filePath("no") + missing},
        {"-r gone.edr", {}, "Report Viewer", dir.filePath("gone.edr") + missing},
        {"-t gone.edt -r gone.edr", {}, "Design Editor", dir.filePath("gone.edt") + missing},
        {"-t " + dir.filePath("x-h.edt") + " -d /home/nobody-h/none.edd",
         {},
         "Data Editor",
         "/home/nobody-h/none.edd" + missing},
        {{}, {"gone.edr"}, "Report Viewer", dir.filePath("gone.edr") + missing},
        {"-t inv.edt /? -bw", {}, "ZEL Tessaly", {}},
        {{}, {"-h"}, "ZEL Tessaly", {}},
        {{}, {"/h"}, "ZEL Tessaly", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((c.line + c.args.join(' ')).toStdString());
        prompts.shown.clear();
        CommandLineOptions got;
        EXPECT_TRUE(c.args.isEmpty() ? ParseCommandLine(c.line, dir.path(), got, prompts)
                                     : ParseArguments(c.args, dir.path(), got, prompts));
        ASSERT_EQ(prompts.shown.size(), 1u);
        const FakePrompts::Shown &shown = prompts.shown[0];
        EXPECT_EQ(shown.caption, c.caption);
        EXPECT_FALSE(got.blackWhite);
        if (c.text.isEmpty()) {
            EXPECT_EQ(shown.kind, "information");
            EXPECT_TRUE(
                shown.text.startsWith("ZEL  Tessaly -  report edit and print utility. Version 1.4\n"));
            EXPECT_TRUE(shown.text.endsWith("        /?, /h, -h - help"));
        } else {
            EXPECT_EQ(shown.kind, "warning");
            EXPECT_EQ(shown.text, c.text);
        }
    }
}

TEST_F(CommandLineTest, OneBarePathOpensByItsExtension)
{
    const struct {
        const char *name;
        QString CommandLineOptions::*field;
    } cases[] = {
        {"a.edt", &CommandLineOptions::designFile}, {"a.EBT", &CommandLineOptions::designFile},
        {"a.edd", &CommandLineOptions::dataFile},   {"a.ebd", &CommandLineOptions::dataFile},
        {"a.edr", &CommandLineOptions::reportFile}, {"a.ebr", &CommandLineOptions::reportFile},
    };
    for (const auto &c : cases) {
        writeAll(dir.filePath(c.name), "x");
        CommandLineOptions got;
        EXPECT_FALSE(ParseArguments({dir.filePath(c.name)}, "/", got, prompts)) << c.name;
        EXPECT_EQ(got.*c.field, dir.filePath(c.name)) << c.name;
        const int filled = !got.designFile.isEmpty() + !got.dataFile.isEmpty() + !got.reportFile.isEmpty();
        EXPECT_EQ(filled, 1) << c.name;
    }

    // Relative to the current folder; the whole path is the name, even with option-like parts.
    writeAll(dir.filePath("old -dd -bw -h.edd"), "x");
    EXPECT_FALSE(ParseArguments({"old -dd -bw -h.edd"}, dir.path(), options, prompts));
    EXPECT_EQ(options.dataFile, dir.filePath("old -dd -bw -h.edd"));
    EXPECT_FALSE(options.deleteDataOnExit || options.blackWhite);

    // Another extension, or a bare path beside anything else, is ignored.
    CommandLineOptions got;
    EXPECT_FALSE(ParseArguments({dir.filePath("my")}, dir.path(), got, prompts));
    EXPECT_FALSE(ParseArguments({dir.filePath("inv.edt"), "-bw"}, dir.path(), got, prompts));
    EXPECT_TRUE(got.designFile.isEmpty());
    EXPECT_TRUE(got.blackWhite);
    EXPECT_FALSE(ParseArguments({}, dir.path(), got, prompts));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST(StoredSettings, ReadFallbackAndWrite)
{
    QTemporaryDir dir;
    QSettings store(dir.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(ReadExportSettings(store), ExportSettings{}); // no key: no JPEG fallback either
    store.setValue("ID_of_Convert", 4);
    store.setValue("CheckBMP", 0);
    store.setValue("ImageSaveRtf", 1);
    ExportSettings s = ReadExportSettings(store);
    EXPECT_EQ(s.ID_of_Convert, 4);
    EXPECT_TRUE(s.ImageSaveRtf);
    EXPECT_TRUE(s.CheckJPEG);                  // no picture format chosen: JPEG
    EXPECT_FALSE(store.contains("CheckJPEG")); // only in memory

    s = ExportSettings{};
    s.ID_of_Convert = 2;
    s.CheckPNG = true;
    s.CheckNewPage = true;
    s.ConvertFolder = dir.filePath("pdfs");
    WriteExportSettings(store, s);
    EXPECT_EQ(store.allKeys().size(), 12);
    EXPECT_EQ(store.value("CheckPNG").toString(), "1"); // numbers, as the registry holds them
    EXPECT_EQ(ReadExportSettings(store), s);
}

TEST(Cleanup, RemovesOnlyTheExportPicturesOfTheDesign)
{
    QTemporaryDir dir;
    for (const char *name : {"inv_barcode_123_10_20.jpeg", "inv(conv)_table_1_2.jpeg", "inv_group_3_4.jpeg",
                             "inv_pict_(0).bmp", "inv.edt", "inv.pdf", "other_group_1_1.jpeg"})
        writeAll(dir.filePath(name), "x");
    EXPECT_EQ(RemoveTemporaryPictures(dir.filePath("inv.edt")), 4);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"inv.edt", "inv.pdf", "other_group_1_1.jpeg"}));
}
