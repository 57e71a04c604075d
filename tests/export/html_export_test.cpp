#include "export/export_pictures.h"
#include "export/html_export.h"
#include "export_test_util.h"
#include "model/code_page.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace exporttest;
using testsupport::runProgram;

namespace
{

struct Img {
    QString src;
    QSize size;
};

std::vector<Img> images(const QString &html)
{
    static const QRegularExpression img(
        QStringLiteral("<img src=\"([^\"]*)\" width=\"(\\d+)\" height=\"(\\d+)\">"));
    std::vector<Img> found;
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        found.push_back({m.captured(1), QSize(m.captured(2).toInt(), m.captured(3).toInt())});
    }
    return found;
}

// Two pages laid out alike (their pictures share names by position), each with a group, a
// table, a barcode, a label picture and text labels.
void buildReport(VDoc &doc)
{
    doc.Font().SetFontName("Arial");
    for (int i = 0; i < 2; ++i) {
        VPage *page = addPage(doc);
        VGrfElement *title =
            addLabel(page->Root(), QStringLiteral("a<b>&\"c\" %1").arg(i + 1), 100, 100, 3000, 300);
        title->Font().SetFontWeight(700);
        title->Font().SetFontColor(Rgb(255, 0, 0));
        addLabel(page->Root(), QString::fromUtf8("Привет ş"), 100, 500, 3000, 300);
        VGrfElement *group = addElement(page->Root(), ElementKind::Group, 100, 1000, 3000, 1500);
        addLabel(*group, "inside", 200, 1100, 1000, 300);
        VGrfElement *table = addElement(page->Root(), ElementKind::Table, 100, 3000, 3000, 600);
        addElement(*table, ElementKind::Cell, 100, 3000, 1500, 600);
        VBarCode &code =
            addElement(page->Root(), ElementKind::BarCode, 100, 4000, 3000, 1200)->EnsureBarCode();
        code.SetType(VBarCode::Code128);
        code.SetValue(QStringLiteral("A#1 %1").arg(i));
        QImage picture(30, 20, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        addLabel(page->Root(), QString(), 100, 6000, 450, 300)->EnsurePicture().SetImage(picture);
    }
}

} // namespace

TEST(HtmlExport, PicturesBesideThePageAndEscapedTexts)
{
    QTemporaryDir dir;
    VDoc doc;
    buildReport(doc);
    const QString path = dir.filePath("report.html");
    HtmlOptions options;
    options.codePage = 1251;
    options.version = "1.2";
    const ExportResult r = ExportHtml(doc, path, options);
    ASSERT_TRUE(r) << r.message.toStdString();
    EXPECT_EQ(r.written.last(), path);

    if (testsupport::haveTool("xmllint")) {
        const testsupport::Run lint = runProgram("xmllint", {"--html", "--noout", path});
        EXPECT_EQ(lint.exitCode, 0);
        EXPECT_TRUE(lint.err.isEmpty()) << lint.err.toStdString();
    }
    const QByteArray bytes = testsupport::readAll(path);
    const QString html = DecodeAnsi(bytes, 1251);
    EXPECT_TRUE(
        html.startsWith("<html>\r\n<head>\r\n<title>Tessaly</title>\r\n"
                        "<meta name=\"Description\" content=\"ZEL Report convertor Ver.1.2\">\r\n"
                        "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=windows-1251\">\r\n"
                        "</head>\r\n<body>\r\n<basefont face=\"Arial\">\r\n<pre>\r\n"));
    EXPECT_TRUE(html.endsWith("</pre>\r\n</body>\r\n</html>\r\n"));
    EXPECT_TRUE(html.contains("\r\n<basefont color=\"#FF0000\"><b>a&lt;b&gt;&amp;&quot;c&quot; 1</b>\r\n"));
    // Cyrillic in the code page's bytes; "ş" is not in it and stays a character reference.
    EXPECT_TRUE(bytes.contains(EncodeAnsi(QString::fromUtf8("Привет &#351;"), 1251)));
    EXPECT_TRUE(html.contains("<basefont color=\"#000000\">inside"));

    // Group, table, barcode and label picture on each page, each naming its own file.
    const std::vector<Img> imgs = images(html);
    ASSERT_EQ(imgs.size(), 8u);
    QSet<QString> names;
    for (const Img &img : imgs) {
        const QString file = dir.filePath(QUrl::fromPercentEncoding(img.src.toLatin1()));
        names.insert(file);
        const QImage picture(file);
        ASSERT_FALSE(picture.isNull()) << file.toStdString();
        EXPECT_EQ(picture.size(), img.size) << file.toStdString();
        EXPECT_TRUE(r.written.contains(file));
    }
    EXPECT_EQ(names.size(), 8);
    EXPECT_EQ(QImage(dir.filePath("report_pict_(5).bmp")).pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(imgs[0].size, QSize(200, 100)); // the group at 96 per inch

    for (int cp : {866, 1252, 1254, 437})
        EXPECT_EQ(HtmlCharset(cp), cp == 866   ? "cp866"
                                   : cp == 437 ? ""
                                               : QStringLiteral("windows-%1").arg(cp));
}

TEST(HtmlExport, WithoutPicturesAndAsMht)
{
    VDoc doc;
    buildReport(doc);
    QTemporaryDir plain;
    HtmlOptions options;
    options.savePictures = false;
    ASSERT_TRUE(ExportHtml(doc, plain.filePath("r.html"), options));
    EXPECT_EQ(QDir(plain.path()).entryList(QDir::Files), QStringList{"r.html"});
    EXPECT_FALSE(testsupport::readAll(plain.filePath("r.html")).contains("<img"));

    QTemporaryDir dir;
    const QString mht = dir.filePath("r.mht");
    options.savePictures = true;
    options.mht = true;
    options.codePage = 1254;
    ASSERT_TRUE(ExportHtml(doc, mht, options));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.mht"});

    // Python's MIME reader lists the parts: type, Content-ID, base64 of the decoded body.
    const char *script =
        "import email,sys,json,base64\n"
        "m=email.message_from_binary_file(open(sys.argv[1],'rb'))\n"
        "print(json.dumps({'type':m.get_content_type(),'parts':[{'type':p.get_content_type(),"
        "'id':p['Content-ID'],'body':base64.b64encode(p.get_payload(decode=True))"
        ".decode()} for p in m.get_payload()]}))\n";
    const testsupport::Run py = runProgram("python3", {"-c", script, mht});
    ASSERT_EQ(py.exitCode, 0) << py.err.toStdString();
    const QJsonObject message = QJsonDocument::fromJson(py.out).object();
    EXPECT_EQ(message["type"].toString(), "multipart/related");
    const QJsonArray parts = message["parts"].toArray();
    ASSERT_EQ(parts.size(), 9);
    EXPECT_EQ(parts[0]["type"].toString(), "text/html");
    const QString html = DecodeAnsi(QByteArray::fromBase64(parts[0]["body"].toString().toLatin1()), 1254);
    EXPECT_TRUE(html.contains("charset=windows-1254"));
    EXPECT_TRUE(html.contains(QString::fromUtf8("&#1055;&#1088;&#1080;&#1074;&#1077;&#1090; ş")));
    const std::vector<Img> imgs = images(html);
    ASSERT_EQ(imgs.size(), 8u);
    for (size_t i = 0; i < imgs.size(); ++i) {
        const QJsonValue part = parts[int(i) + 1];
        EXPECT_EQ("cid:" + part["id"].toString().mid(1).chopped(1), imgs[i].src);
        EXPECT_EQ(QImage::fromData(QByteArray::fromBase64(part["body"].toString().toLatin1())).size(),
                  imgs[i].size);
    }
}

// A browser opens the archive with its pictures: the barcode in Chromium's picture of the page scans.
TEST(HtmlExport, ChromiumShowsTheMhtPictures)
{
    if (!testsupport::haveTool("chromium") || !testsupport::haveTool("zbarimg"))
        GTEST_SKIP() << "chromium or zbarimg missing";
    QTemporaryDir dir;
    const QString mht = dir.filePath("label.mht"), shot = dir.filePath("shot.png");
    const auto run = testsupport::runCli(
        {"export", TESSALY_SOURCE_DIR "/examples/label.ebt", "--format", "mht", "-o", mht});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    testsupport::runProgram("chromium",
                            {"--headless", "--no-sandbox", "--disable-gpu",
                             "--user-data-dir=" + dir.filePath("profile"), "--window-size=800,600",
                             "--screenshot=" + shot, QUrl::fromLocalFile(mht).toString()},
                            120000);
    ASSERT_TRUE(QFileInfo::exists(shot));
    const QString codes = QString::fromUtf8(testsupport::runProgram("zbarimg", {"-q", shot}).out);
    EXPECT_TRUE(codes.contains("EAN-13:4006381333931")) << codes.toStdString();
}

// Output names with characters that mean something in a link (and "%1", which a chained arg()
// would take for its own) still give links to the files written; barcode values with
// bidirectional controls give names without them; a folder as the output writes nothing at all.
TEST(HtmlExport, LinksFindTheirFilesAndFoldersAreRefused)
{
    QTemporaryDir dir;
    VDoc doc;
    buildReport(doc);
    // A QR symbol takes any text, bidirectional controls too.
    VBarCode *code = doc.PageAt(1)->Root().ChildList()[4]->BarCode();
    code->SetRawType(VBarCode::Qr);
    code->SetRawValue(QString::fromUtf8("A\u202EB\u2066C\u200F"));
    const QString path = dir.filePath("a,b=c+d;e%1%2C #f?g.html");
    const ExportResult r = ExportHtml(doc, path, HtmlOptions{});
    ASSERT_TRUE(r) << r.message.toStdString();
    const std::vector<Img> imgs = images(QString::fromLatin1(testsupport::readAll(path)));
    ASSERT_EQ(imgs.size(), 8u);
    for (const Img &img : imgs) {
        // Resolved against the page as a browser does.
        const QString file =
            QUrl::fromLocalFile(path).resolved(QUrl(img.src, QUrl::StrictMode)).toLocalFile();
        EXPECT_TRUE(QFileInfo(file).isFile()) << img.src.toStdString() << " -> " << file.toStdString();
        EXPECT_EQ(QImage(file).size(), img.size) << file.toStdString();
    }
    const QStringList bidi = QDir(dir.path()).entryList({"*_barcode_ABC_*"});
    EXPECT_EQ(bidi.size(), 1) << QDir(dir.path()).entryList().join(' ').toStdString();

    QTemporaryDir empty;
    const QString parent = QFileInfo(empty.path()).absolutePath();
    const QString name = QFileInfo(empty.path()).fileName();
    for (const QString &folder : {empty.path(), empty.path() + "/", empty.path() + "/missing/r.html"}) {
        const ExportResult refused = ExportHtml(doc, folder, HtmlOptions{});
        EXPECT_FALSE(refused) << folder.toStdString();
        EXPECT_TRUE(refused.written.isEmpty());
    }
    EXPECT_TRUE(QDir(empty.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));
    EXPECT_TRUE(QDir(parent).entryList({name + "_*"}).isEmpty()) << "pictures beside the folder";
}

// However large a table, its picture stays within the bounds and is placed at its full size.
TEST(HtmlExport, LargeTablesAreDrawnWithinBounds)
{
    VDoc doc;
    VPage *page = addPage(doc);
    // 300,000 twips square: 20,000 pixels a side at 96 per inch, 1.6 GB as one picture.
    VGrfElement *table = addElement(page->Root(), ElementKind::Table, 0, 0, 300000, 300000);
    VGrfElement *fill = addElement(*table, ElementKind::Cell, 0, 0, 150000, 300000);
    fill->Shape().SetBrushStyle(0);
    fill->Shape().SetBrushColor(Rgb(0, 0, 255));
    PictureNames taken;
    const std::vector<ElementPicture> pictures = DrawElementPictures(*page, "/tmp/x.html", taken);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].pixels, QSize(20000, 20000));
    const QImage image = QImage::fromData(pictures[0].bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_LE(qint64(image.width()) * image.height(), kMaxExportPicturePixels);
    EXPECT_GT(image.width(), 1000);
    // The left half blue, the right half white: the content is drawn to scale.
    EXPECT_GT(image.pixelColor(image.width() / 4, image.height() / 2).blue(), 200);
    EXPECT_LT(image.pixelColor(image.width() / 4, image.height() / 2).red(), 60);
    EXPECT_GT(image.pixelColor(image.width() * 3 / 4, image.height() / 2).red(), 200);

    QTemporaryDir dir;
    ASSERT_TRUE(ExportHtml(doc, dir.filePath("big.html"), HtmlOptions{}));
    const std::vector<Img> imgs = images(QString::fromLatin1(testsupport::readAll(dir.filePath("big.html"))));
    ASSERT_EQ(imgs.size(), 1u);
    EXPECT_EQ(imgs[0].size, QSize(20000, 20000));
}
