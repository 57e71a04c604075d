#include "files/data_file.h"
#include "model/code_page.h"
#include "report/convert_output.h"
#include "report/convert_pdf_sink.h"
#include "report/data_type_state.h"
#include "report/design_builder.h"
#include "report/report_generation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace testdesign;
using testsupport::runProgram;

namespace
{
struct Written {
    QString path;
    QStringList pageNames;
    QStringList firstLabels; // Label1 of each page
};

class ConvertFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetCurrentDataType();
        for (int i = 0; i < 2; ++i) {
            VGrfElement *l = AddElement(design.AddPage()->Root(), ElementKind::Label, QRect(20, 20, 500, 40));
            l->SetValueType(vtVariable);
            l->Font().SetFontName("Arial");
        }
    }
    void TearDown() override { SetInterfaceCodePage(savedCodePage); }

    // Reads the lines as a convert file, recording each document instead of writing it.
    bool run(const QStringList &lines)
    {
        const QString path = dir.filePath("convert.edd");
        writeLines(path, lines);
        written.clear();
        DocumentRecorder recorder([this](VDoc &doc, const ConvertDocument &document) {
            Written w{document.pdfPath, {}, {}};
            for (int i = 0; i < doc.PageCount(); ++i) {
                w.pageNames << doc.PageAt(i)->Name();
                w.firstLabels << find(*doc.PageAt(i), "Label1")->Caption();
            }
            written.push_back(w);
        });
        const bool ok = ReadDataFile(path, design, report, &recorder, &reason);
        warnings = recorder.warnings;
        return ok;
    }

    QString out(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    VDoc design;
    VDoc report;
    std::vector<Written> written;
    QStringList warnings;
    QString reason;
    const int savedCodePage = InterfaceCodePage();
};

// The same, writing real PDFs that poppler reads back.
class ConvertPdf : public ConvertFile
{
protected:
    void SetUp() override
    {
        if (!testsupport::haveTool("pdfinfo") || !testsupport::haveTool("pdftotext"))
            GTEST_SKIP() << "no poppler";
        ConvertFile::SetUp();
    }
    static QString text(const QString &f) { return QString::fromUtf8(runProgram("pdftotext", {f, "-"}).out); }
    static int pages(const QString &f)
    {
        return QString::fromUtf8(runProgram("pdfinfo", {f}).out)
            .section("Pages:", 1)
            .section('\n', 0, 0)
            .toInt();
    }
};

QStringList page(const QString &name, const QString &value)
{
    return {"<Page DesignName=\"" + name + "\">",
            "<Data Status=\"Label\" DesignName=\"Label1\" Caption=\"" + value + "\"/>", "</Page>"};
}

QStringList doc(const QStringList &pages)
{
    return QStringList{"<Document DataType=\"1\">"} + pages + QStringList{"</Document>"};
}

QStringList convertTo(const QString &pdf)
{
    return {"<ConvertFile ConvertFileName=\"" + pdf + "\">"};
}
} // namespace

TEST_F(ConvertFile, eachDocumentGoesToItsOwnFile)
{
    const QString first = out("a/b/c/first.pdf");
    const QString second = out("second.pdf");
    ASSERT_TRUE(run(QStringList{"<?xml version=\"1.0\"?>"} + convertTo(first) + doc(page("Page1", "one")) +
                    doc(page("Page2", "two")) + QStringList{"</ConvertFile>"} + convertTo(second) +
                    doc(page("Page2", "three")) + QStringList{"</ConvertFile>"}))
        << reason.toStdString();
    ASSERT_EQ(written.size(), 3u);
    // the name stays in force for the following document
    EXPECT_EQ(QStringList({written[0].path, written[1].path, written[2].path}),
              QStringList({first, first, second}));
    EXPECT_EQ(written[0].pageNames, QStringList{"Page1"});
    EXPECT_EQ(written[1].pageNames, QStringList{"Page2"});
    EXPECT_EQ(written[2].firstLabels, QStringList{"three"});
    // each document starts a fresh report; nothing is left after the last
    EXPECT_EQ(report.PageCount(), 0);
}

TEST_F(ConvertFile, endsAndFailures)
{
    // a blank line ends the file
    ASSERT_TRUE(run(convertTo(out("x.pdf")) + doc(page("Page1", "before")) + QStringList{"   "} +
                    doc(page("Page1", "after"))));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].firstLabels, QStringList{"before"});
    EXPECT_EQ(report.PageCount(), 0);

    // without an output name the first </Document> ends the reading
    ASSERT_TRUE(run(convertTo(" ") + doc(page("Page1", "one")) + doc(page("Page1", "two"))));
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(report.PageCount(), 1);
    EXPECT_EQ(find(*report.PageAt(0), "Label1")->Caption(), "one");

    // the end of the file ends a convert file without error, the open document unwritten
    report.Clear();
    QStringList lines = convertTo(out("y.pdf")) + doc(page("Page1", "one"));
    lines.removeLast();
    ASSERT_TRUE(run(lines));
    EXPECT_TRUE(written.empty());
    EXPECT_EQ(report.PageCount(), 1);

    // lines ending in LF alone run into one: the document never ends, and that is said
    report.Clear();
    ASSERT_TRUE(
        run(convertTo(out("lf.pdf")) +
            QStringList{"<Document DataType=\"1\">\n<Page DesignName=\"Page1\">\n</Page>\n</Document>"}));
    EXPECT_TRUE(written.empty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("LF alone")) << warnings[0].toStdString();

    // data outside a known page still breaks it; what was written stays written
    report.Clear();
    EXPECT_FALSE(run(convertTo(out("z.pdf")) + doc(page("Page1", "ok")) + doc(page("Page9", "bad"))));
    EXPECT_EQ(written.size(), 1u);
}

TEST(ConvertFileDetection, onlyAsTheLeadingTagOfALine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("d.edd");
    const auto isConvert = [&](const QByteArray &bytes) {
        testsupport::writeAll(path, bytes);
        return IsConvertFile(path);
    };
    // deep in a file too, past the first read
    for (const QByteArray &yes :
         {QByteArray("<ConvertFile ConvertFileName=\"a.pdf\">\r\n"),
          QByteArray("<?xml?>\r\n\t<ConvertFile\r\n"), QByteArray(200000, ' ') + "<ConvertFile ",
          QByteArray("<Document>\r\n\n  <ConvertFile x\r\n")})
        EXPECT_TRUE(isConvert(yes)) << yes.right(40).toStdString();
    for (const char *no : {"<ConvertFile>\r\n", "a<ConvertFile b\r\n", "x <ConvertFile y\r\n",
                           "<ConvertFileName=\"x\"\r\n", "</ConvertFile>\r\n", "<convertfile x\r\n",
                           // a value, and a line that a bare LF does not end
                           "<Data Status=\"Label\" Caption=\"<ConvertFile ConvertFileName=a.pdf>\"/>\r\n",
                           "<f1=\"\r<ConvertFile x\"/>\r\n", "<Document>\n<ConvertFile x\r\n"})
        EXPECT_FALSE(isConvert(no)) << no;
    EXPECT_FALSE(IsConvertFile(dir.filePath("missing.edd")));
}

TEST_F(ConvertPdf, cyrillicDataInCodePage1251ReachesThePdf)
{
    SetInterfaceCodePage(1251);
    const QString value = "Счёт-фактура № 17, Москва";
    ASSERT_TRUE(WriteDataLines(convertTo(out("ru.pdf")) + doc(page("Page1", value)), out("ru.edd"), 1251));
    ASSERT_TRUE(ReadDataFile(out("ru.edd"), design, report));
    const QString pdfText = text(out("ru.pdf"));
    EXPECT_TRUE(pdfText.contains(value)) << pdfText.toStdString();
}

// The example convert file through the command line, relative names resolved against the
// working directory or an output folder.
TEST_F(ConvertPdf, commandLine)
{
    const QString examples = TESSALY_SOURCE_DIR "/examples/";
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(TESSALY_CLI, {"generate", examples + "invoice.edt", examples + "convert.edd"});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString first = out("out/pdf/invoice-2026-0417.pdf");
    const QString second = out("out/pdf/invoice-2026-0418.pdf");
    EXPECT_EQ(pages(first), 1);
    EXPECT_EQ(pages(second), 1);
    EXPECT_TRUE(text(first).contains("Müller & Söhne GmbH"));
    EXPECT_TRUE(text(second).contains("Café Lumière SARL"));
    EXPECT_FALSE(text(second).contains("Müller"));

    // --outdir: names inside it are written there, the others refused by number, and the exit code
    // says that something was refused.
    QDir(dir.path()).mkdir("pdfs");
    writeLines(out("batch.edd"), convertTo("ok/one.pdf") + doc(page("Page1", "one")) +
                                     convertTo("../two.pdf") + doc(page("Page1", "two")) +
                                     convertTo("three.txt") + doc(page("Page1", "three")) +
                                     convertTo("four.pdf") + doc(page("Page1", "four")));
    const auto r = runProgram(
        TESSALY_CLI, {"generate", examples + "invoice.edt", out("batch.edd"), "--outdir", out("pdfs")});
    EXPECT_EQ(r.exitCode, 1);
    const QString err = QString::fromUtf8(r.err);
    EXPECT_TRUE(err.contains("document 2: cannot write ../two.pdf")) << err.toStdString();
    EXPECT_TRUE(err.contains("document 3: cannot write three.txt")) << err.toStdString();
    EXPECT_EQ(pages(out("pdfs/ok/one.pdf")), 1);
    EXPECT_EQ(pages(out("pdfs/four.pdf")), 1);
    EXPECT_FALSE(QFileInfo::exists(out("two.pdf")));
    EXPECT_FALSE(QFileInfo::exists(out("pdfs/three.txt")));

    const auto missing = runProgram(
        TESSALY_CLI, {"generate", examples + "invoice.edt", out("batch.edd"), "--outdir", out("nowhere")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("is not a folder")) << missing.err.constData();
}

// Documents are written side by side, yet the files and the messages come as the data file
// orders them: each document goes to its own file, a later document into the same file wins,
// and no output replaces an input.
TEST_F(ConvertPdf, parallelDocumentsKeepTheirOrder)
{
    const QString data = out("batch.edd");
    QStringList lines{"<?xml version=\"1.0\"?>"};
    for (int i = 0; i < 12; ++i) {
        const QString value = QStringLiteral("doc%1").arg(i);
        lines += convertTo(i == 5 || i == 7 ? out("same.pdf") : i == 9 ? data : out(value + ".pdf"));
        lines += doc(page("Page1", value) + (i == 0 ? page("Page2", "second") : QStringList()));
    }
    writeLines(data, lines);
    const QByteArray bytes = testsupport::readAll(data);
    ConvertPdfSink::Options options;
    options.threads = 2;
    options.inputs = {data};
    QStringList messages;
    options.message = [&](const QString &m, bool failed) {
        messages << (failed ? "!" : "") + QFileInfo(m.section(' ', -1)).fileName();
    };
    ConvertPdfSink pdfs(design, options);
    ASSERT_TRUE(ReadDataFile(data, design, report, &pdfs));
    EXPECT_FALSE(pdfs.Finish()); // one document was refused
    EXPECT_EQ(pdfs.Written(), 11);
    ASSERT_EQ(messages.size(), 12);
    EXPECT_EQ(messages[0], "doc0.pdf");
    EXPECT_EQ(messages[7], "same.pdf");
    EXPECT_TRUE(messages[9].startsWith("!")) << messages[9].toStdString();
    EXPECT_EQ(messages[11], "doc11.pdf");
    EXPECT_EQ(pages(out("doc0.pdf")), 2);
    const QString first = text(out("doc0.pdf")), same = text(out("same.pdf"));
    EXPECT_TRUE(first.contains("doc0") && first.contains("second")) << first.toStdString();
    EXPECT_TRUE(same.contains("doc7") && !same.contains("doc5")) << same.toStdString();
    EXPECT_EQ(text(out("doc11.pdf")).trimmed(), "doc11");
    EXPECT_EQ(testsupport::readAll(data), bytes);
}

// Every page of a written PDF is its own paper, whether the document went out alone or in a
// batch cut apart, and whichever paper the document before it ended on.
TEST_F(ConvertPdf, pagesKeepTheirOwnPaper)
{
    for (int i = 0; i < 2; ++i) {
        VPage &p = *design.PageAt(i);
        p.SetFollowsDocumentSettings(false);
        p.Settings().PaperSize = i == 0 ? 9 : 11;
        p.Settings().Width = i == 0 ? 210 : 148;
        p.Settings().Height = i == 0 ? 297 : 210;
        p.Settings().Orientation = i == 0 ? 1 : 2;
    }
    for (const int threads : {0, 2}) {
        const QString data = out(QStringLiteral("papers%1.edd").arg(threads));
        QStringList lines{"<?xml version=\"1.0\"?>"};
        for (int i = 0; i < 3; ++i) {
            lines += convertTo(
                out(QStringLiteral("p%1_%2.pdf").arg(QString::number(threads), QString::number(i))));
            lines += doc(page("Page1", "a") + page("Page2", "b"));
        }
        writeLines(data, lines);
        ConvertPdfSink::Options options;
        options.threads = threads;
        ConvertPdfSink pdfs(design, options);
        ASSERT_TRUE(ReadDataFile(data, design, report, &pdfs));
        EXPECT_TRUE(pdfs.Finish());
        for (int i = 0; i < 3; ++i) {
            const QString pdf =
                out(QStringLiteral("p%1_%2.pdf").arg(QString::number(threads), QString::number(i)));
            const QString info =
                QString::fromUtf8(runProgram("pdfinfo", {"-f", "1", "-l", "2", pdf}).out).simplified();
            EXPECT_TRUE(info.contains("Page 1 size: 595 x 842 pts") &&
                        info.contains("Page 2 size: 595 x 420 pts"))
                << pdf.toStdString() << ": " << info.toStdString();
        }
    }
}

// A refused output is reported by document number and name; the other documents are still written.
TEST_F(ConvertFile, outputsOnlyWherePdfsMayGo)
{
    const QByteArray oldPdf = "%PDF-1.4\nold\n%%EOF\n";
    testsupport::writeAll(out("notes.txt"), "notes");
    testsupport::writeAll(out("text.pdf"), "not a pdf");
    testsupport::writeAll(out("old.pdf"), oldPdf);
    testsupport::writeAll(out("short.pdf"), "%PDF");
    ASSERT_TRUE(QFile::link(out("notes.txt"), out("link.pdf")));
    ASSERT_TRUE(QFile::link(out("old.pdf"), out("pdflink.pdf")));
    QDir(dir.path()).mkdir("folder.pdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(out("fifo.pdf")).constData(), 0600), 0);

    const struct {
        QString name;
        bool written;
    } cases[] = {
        {out("notes.txt"), false},       {out("fresh.PDF"), true},   {out("text.pdf"), false},
        {out("old.pdf"), true},          {out("short.pdf"), false},  {out("link.pdf"), false},
        {out("pdflink.pdf"), false},     {out("folder.pdf"), false}, {out("fifo.pdf"), false},
        {out("new/sub/made.pdf"), true},
    };
    QStringList lines;
    for (const auto &c : cases)
        lines += convertTo(c.name) + doc(page("Page1", "x"));
    writeLines(out("convert.edd"), lines);
    ConvertPdfSink::Options options;
    options.threads = 0;
    QStringList messages;
    options.message = [&](const QString &m, bool failed) {
        if (failed) messages << m;
    };
    ConvertPdfSink pdfs(design, options);
    ASSERT_TRUE(ReadDataFile(out("convert.edd"), design, report, &pdfs, &reason)) << reason.toStdString();
    EXPECT_FALSE(pdfs.Finish());
    EXPECT_EQ(pdfs.Written(), 3);
    int number = 0, refused = 0;
    for (const auto &c : cases) {
        ++number;
        if (c.written) {
            EXPECT_TRUE(testsupport::readAll(c.name).startsWith("%PDF-")) << c.name.toStdString();
            EXPECT_NE(testsupport::readAll(c.name), oldPdf);
            continue;
        }
        ASSERT_LT(refused, messages.size());
        EXPECT_EQ(messages[refused++].section(": ", 0, 1),
                  "document " + QString::number(number) + ": cannot write " + c.name);
    }
    EXPECT_EQ(messages.size(), refused);
    EXPECT_EQ(testsupport::readAll(out("notes.txt")), "notes");
    EXPECT_EQ(testsupport::readAll(out("text.pdf")), "not a pdf");
    EXPECT_EQ(testsupport::readAll(out("short.pdf")), "%PDF");
    EXPECT_TRUE(QFileInfo(out("link.pdf")).isSymLink());
    EXPECT_TRUE(QFileInfo(out("pdflink.pdf")).isSymLink());
    EXPECT_TRUE(QFileInfo(out("fifo.pdf")).exists() && !QFileInfo(out("fifo.pdf")).isFile());
}

TEST_F(ConvertFile, anOutputFolderKeepsEveryNameInside)
{
    QTemporaryDir outside;
    const QString folder = out("confined");
    QDir(dir.path()).mkpath("confined/real");
    ASSERT_TRUE(QFile::link(outside.path(), folder + "/escape"));
    ASSERT_TRUE(QFile::link(folder + "/real", folder + "/inner"));

    const QString root = QFileInfo(folder).canonicalFilePath();
    const ConvertOutput nested = PrepareConvertOutput("a/b/x.pdf", folder);
    EXPECT_TRUE(nested.refusal.isEmpty()) << nested.refusal.toStdString();
    EXPECT_EQ(nested.path, root + "/a/b/x.pdf");
    EXPECT_TRUE(QFileInfo(root + "/a/b").isDir()) << "its folder is made";
    EXPECT_EQ(PrepareConvertOutput("inner/./y.pdf", folder).path, root + "/inner/y.pdf");
    EXPECT_EQ(PrepareConvertOutput("a/../z.pdf", folder).path, root + "/z.pdf");
    for (const QString &name :
         {outside.filePath("abs.pdf"), QString("../up.pdf"), QString("a/../../up.pdf"),
          QString("escape/x.pdf"), QString("escape/deeper/x.pdf"), QString("~/x.pdf")}) {
        const ConvertOutput o = PrepareConvertOutput(name, folder);
        EXPECT_FALSE(o.refusal.isEmpty()) << name.toStdString();
    }
    EXPECT_TRUE(QDir(outside.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty())
        << "nothing made outside";
    EXPECT_FALSE(QFileInfo::exists(out("up.pdf")));
    EXPECT_FALSE(PrepareConvertOutput("x.pdf", out("missing")).refusal.isEmpty());
    // Without a folder a relative name is taken from the current folder.
    EXPECT_EQ(PrepareConvertOutput("rel.pdf", QString()).path, QDir::current().absoluteFilePath("rel.pdf"));
}
