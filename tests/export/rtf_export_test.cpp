#include "export/rtf_export.h"
#include "export_test_util.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace exporttest;
using testsupport::runCli;
using testsupport::runProgram;

namespace
{

constexpr double kPointsPerMm = 72 / 25.4;

bool haveOffice()
{
    return testsupport::haveTool("soffice") && testsupport::haveTool("pdftotext") &&
           testsupport::haveTool("pdfimages");
}

int imageCount(const QString &pdf)
{
    const testsupport::Run r = runProgram("pdfimages", {"-list", pdf});
    return std::max(0, int(r.out.trimmed().split('\n').size()) - 2); // two header lines
}

// Text labels, a group with a label inside, a table, a barcode and a label picture.
void buildReport(VDoc &doc)
{
    doc.Font().SetFontName("Arial");
    VPage *page = addPage(doc);
    VGrfElement *title = addLabel(page->Root(), QString::fromUtf8("a{b}c\\d ğüşıöç"), 1000, 1000, 5000, 400);
    title->Font().SetFontName("Arial");
    VGrfElement *group = addElement(page->Root(), ElementKind::Group, 1000, 2000, 3000, 1500);
    group->Shape().SetBrushStyle(0);
    group->Shape().SetBrushColor(Rgb(200, 200, 255));
    addLabel(*group, "inside", 1100, 2100, 1000, 300);
    VGrfElement *table = addElement(page->Root(), ElementKind::Table, 1000, 4000, 3000, 600);
    addElement(*table, ElementKind::Cell, 1000, 4000, 1500, 600);
    VBarCode &code = addElement(page->Root(), ElementKind::BarCode, 1000, 5000, 3000, 1200)->EnsureBarCode();
    code.SetType(VBarCode::Code128);
    code.SetValue("A1");
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    addLabel(page->Root(), QString(), 1000, 7000, 450, 300)->EnsurePicture().SetImage(picture);
    VGrfElement *hidden = addLabel(page->Root(), "neverprinted", 1000, 8000, 2000, 300);
    hidden->SetPrintable(pmNever);
    // A landscape A5 page of its own size.
    VPage *wide = addPage(doc, 11, 148, 210);
    wide->Settings().Orientation = 2;
    addLabel(wide->Root(), "landscape", 1000, 1000, 3000, 300);
}

// A stand-in for soffice on PATH: a shell script with the given body.
QString fakeOffice(const QString &dir, const QByteArray &body)
{
    const QString program = dir + "/soffice";
    testsupport::writeAll(program, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner);
    return program;
}

} // namespace

// The captions of the invoice's first page stand where our own PDF puts them, and its coloured
// fills stay visible, in the PDF LibreOffice makes of the RTF; the Word file holds the captions.
TEST(RtfExport, InvoiceAsLibreOfficeReadsItsRtfAndWordFiles)
{
    if (!haveOffice()) GTEST_SKIP() << "soffice, pdftotext or pdfimages missing";
    QTemporaryDir dir;
    const QString invoice = TESSALY_SOURCE_DIR "/examples/invoice.edt";
    const QString data = TESSALY_SOURCE_DIR "/examples/invoice.edd";
    const QString pdf = dir.filePath("ours.pdf"), rtf = dir.filePath("report.rtf");
    testsupport::Run r = runCli({"export", invoice, "--data", data, "--format", "pdf", "-o", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = runCli({"export", invoice, "--data", data, "--format", "rtf", "-o", rtf, "--code-page", "1254"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(testsupport::readAll(rtf).startsWith("{\\rtf1\\ansi\\ansicpg1254"));
    const QString office = officeConvert(rtf, "pdf", dir.path());

    const std::vector<PdfWord> expected = pdfWords(pdf), got = pdfWords(office);
    EXPECT_EQ(pdfInfo(office, "Pages"), pdfInfo(pdf, "Pages"));
    int compared = 0;
    double worst = 0;
    QString worstWord;
    for (const PdfWord &want : expected) {
        if (want.page != 0) continue;
        // The nearest word of the same text on the same page (captions repeat on an invoice).
        double best = 1e9;
        for (const PdfWord &w : got) {
            if (w.page != 0 || w.text != want.text) continue;
            const QPointF d(w.box.left() - want.box.left(), w.box.center().y() - want.box.center().y());
            best = std::min(best, std::hypot(d.x(), d.y()));
        }
        ++compared;
        if (best > worst) {
            worst = best;
            worstWord = want.text;
        }
    }
    EXPECT_GE(compared, 20);
    EXPECT_LE(worst / kPointsPerMm, 1.5)
        << "worst: " << worstWord.toStdString() << " " << worst / kPointsPerMm << " mm";
    RecordProperty("worst_offset_mm", QString::number(worst / kPointsPerMm, 'f', 2).toStdString());

    // The bill-to box and the table header lie under captions; LibreOffice paints a frame white
    // unless it is shaded, which hid the fill around each caption.
    const QImage page = renderPdfPage(office, 1, 72); // a pixel a point
    ASSERT_FALSE(page.isNull());
    const struct {
        const char *name;
        QRect twips;
        QColor fill;
    } areas[] = {{"bill-to box", QRect(1133, 2324, 5385, 1700), QColor(255, 250, 215)},
                 {"table header", QRect(1133, 4535, 9637, 453), QColor(220, 220, 220)}};
    for (const auto &a : areas) {
        // Shrunk clear of the borders; no paper-white pixel inside.
        const QRect px = QRect(a.twips.topLeft() / 20, a.twips.size() / 20).adjusted(4, 4, -4, -4);
        int white = 0, filled = 0;
        for (int y = px.top(); y <= px.bottom(); ++y)
            for (int x = px.left(); x <= px.right(); ++x) {
                const QColor c = page.pixelColor(x, y);
                white += c.red() > 240 && c.green() > 240 && c.blue() > 240;
                filled += std::abs(c.red() - a.fill.red()) < 8 && std::abs(c.green() - a.fill.green()) < 8 &&
                          std::abs(c.blue() - a.fill.blue()) < 8;
            }
        EXPECT_EQ(white, 0) << a.name;
        EXPECT_GT(filled, px.width() * px.height() / 2) << a.name;
    }

    // As a Word file: no RTF left beside it; its captions sit in frames, which LibreOffice's
    // plain-text output leaves out, so its PDF is read.
    const QString word = dir.filePath("word/invoice.doc");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("word")));
    r = runCli({"export", invoice, "--data", data, "--format", "doc", "-o", word});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(testsupport::readAll(word).startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")));
    EXPECT_EQ(QDir(dir.filePath("word")).entryList(QDir::Files), QStringList{"invoice.doc"});
    const QString text = QString::fromUtf8(
        runProgram("pdftotext", {officeConvert(word, "pdf", dir.filePath("word")), "-"}).out);
    EXPECT_TRUE(text.contains(QString::fromUtf8("Müller"))) << text.toStdString();
    EXPECT_TRUE(text.contains("INVOICE", Qt::CaseInsensitive)) << text.toStdString();
}

// Pictures travel inside the RTF when asked for and not otherwise; the escaped caption and the
// non-Latin letters come through; never-printed labels stay out.
TEST(RtfExport, PicturesEscapingAndHiddenLabels)
{
    if (!haveOffice()) GTEST_SKIP() << "soffice, pdftotext or pdfimages missing";
    QTemporaryDir dir;
    VDoc doc;
    buildReport(doc);
    for (const bool pictures : {true, false}) {
        const QString sub = dir.filePath(pictures ? "with" : "without");
        QDir().mkpath(sub);
        const QString rtf = sub + "/report.rtf";
        RtfOptions options;
        options.codePage = 1254;
        options.savePictures = pictures;
        const ExportResult r = ExportRtf(doc, rtf, options);
        ASSERT_TRUE(r) << r.message.toStdString();
        EXPECT_EQ(r.written, QStringList{rtf});
        EXPECT_EQ(QDir(sub).entryList(QDir::Files), QStringList{"report.rtf"}); // nothing beside it
        const QString pdf = officeConvert(rtf, "pdf", sub);
        if (pictures)
            EXPECT_GE(imageCount(pdf), 4); // group, table, barcode, label picture
        else
            EXPECT_EQ(imageCount(pdf), 0);
        const QString text = QString::fromUtf8(runProgram("pdftotext", {pdf, "-"}).out);
        EXPECT_TRUE(text.contains(QString::fromUtf8("a{b}c\\d ğüşıöç"))) << text.toStdString();
        EXPECT_TRUE(text.contains("inside"));
        EXPECT_FALSE(text.contains("neverprinted"));
        EXPECT_TRUE(text.contains("landscape"));
        EXPECT_EQ(pdfInfo(pdf, "Pages"), "2");
        const testsupport::Run info = runProgram("pdfinfo", {"-f", "2", "-l", "2", pdf});
        EXPECT_TRUE(info.out.contains("595.") && info.out.contains("x 419.")) << info.out.toStdString();
    }
}

// Without LibreOffice the Word output says what to install; one that hangs is killed at the
// timeout, and one that writes nothing is reported. The old file stays in every case.
TEST(DocExport, MissingHangingOrFailingOfficeLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString doc = dir.filePath("old.doc");
    testsupport::writeAll(doc, "old");
    VDoc report;
    buildReport(report);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    ExportResult r = ExportDoc(report, doc, true);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message.contains("libreoffice-writer-nogui")) << r.message.toStdString();
    EXPECT_EQ(testsupport::readAll(doc), "old");
    qputenv("PATH", dir.path().toUtf8() + ":" + path);

    // It leaves a file in its temporary folder, as LibreOffice does, before it hangs.
    fakeOffice(dir.path(), "echo $$ > \"" + dir.filePath("pid").toUtf8() + "\"; echo \"$TMPDIR\" > \"" +
                               dir.filePath("tmpdir").toUtf8() + "\"; touch \"$TMPDIR/lu1.tmp\"; sleep 60");
    QElapsedTimer timer;
    timer.start();
    r = ExportDoc(report, doc, true, 1000);
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message.contains("did not convert")) << r.message.toStdString();
    const int pid = testsupport::readAll(dir.filePath("pid")).trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid))) << "the stand-in still runs";
    const QString officeTemp = QString::fromLocal8Bit(testsupport::readAll(dir.filePath("tmpdir")).trimmed());
    ASSERT_FALSE(officeTemp.isEmpty());
    EXPECT_NE(QDir(officeTemp), QDir(QDir::tempPath()));
    EXPECT_FALSE(QFileInfo::exists(officeTemp)) << officeTemp.toStdString();

    fakeOffice(dir.path(), "echo broken >&2; exit 0");
    r = ExportDoc(report, doc, true, 10000);
    qputenv("PATH", path);
    EXPECT_FALSE(r);
    EXPECT_TRUE(r.message.contains("could not convert") && r.message.contains("broken"))
        << r.message.toStdString();
    EXPECT_EQ(testsupport::readAll(doc), "old");
}
