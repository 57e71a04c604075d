#pragma once

#include "model/v_doc.h"
#include "test_support.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace exporttest
{

// A child of parent at an absolute twip rectangle.
inline VGrfElement *addElement(VGrfElement &parent, ElementKind kind, int left, int top, int width,
                               int height)
{
    auto e = std::make_unique<VGrfElement>(kind);
    VShape &s = e->Shape();
    s.SetLeft(left);
    s.SetTop(top);
    s.SetWidth(width);
    s.SetHeight(height);
    s.SetRelLeft(left - parent.Shape().Left());
    s.SetRelTop(top - parent.Shape().Top());
    return parent.InsertChild(std::move(e));
}

inline VGrfElement *addLabel(VGrfElement &parent, const QString &caption, int left, int top, int width,
                             int height)
{
    VGrfElement *e = addElement(parent, ElementKind::Label, left, top, width, height);
    e->SetCaption(caption);
    return e;
}

// A page of the given paper whose root panel covers the page.
inline VPage *addPage(VDoc &doc, int paperSize = 9, double widthMm = 210, double heightMm = 297)
{
    VPage *page = doc.AddPage();
    page->Settings().PaperSize = paperSize;
    page->Settings().Width = widthMm;
    page->Settings().Height = heightMm;
    VShape &s = page->Root().Shape();
    s.SetLeft(0);
    s.SetTop(0);
    s.SetWidth(MmToTwips(widthMm));
    s.SetHeight(MmToTwips(heightMm));
    return page;
}

// The markup line of one text label.
inline QString textLine(const QString &caption, int l, int t, int w, int h, int horz, int vert,
                        int orientation, const QString &font = "[fn:Arial:fn][fs:3.5:fs][fc:0:fc]")
{
    return font + QString::asprintf("[fo:%d:fo][tca:%s:tca][tl:%d:tl][tt:%d:tt][tr:%d:tr][tb:%d:tb][tc:0:tc]"
                                    "[tv:%d:tv][ts:5:ts][th:%d:th]",
                                    orientation, caption.toUtf8().constData(), l, t, w, h, vert, horz);
}

// The programs that read our PDFs back.
inline bool haveReaders()
{
    for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm", "qpdf", "pdffonts"})
        if (!testsupport::haveTool(QString::fromLatin1(tool))) return false;
    return true;
}

// One word as poppler's pdftotext sees it: page index from 0, box in points from the top-left.
struct PdfWord {
    QString text;
    QRectF box;
    int page = 0;
};

inline std::vector<PdfWord> pdfWords(const QString &pdf)
{
    const testsupport::Run r = testsupport::runProgram(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = -1;
    for (auto it = token.globalMatch(QString::fromUtf8(r.out)); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        const auto number = [&](int i) { return m.captured(i).toDouble(); };
        words.push_back({m.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                         QRectF(QPointF(number(1), number(2)), QPointF(number(3), number(4))), page});
    }
    return words;
}

inline const PdfWord *findWord(const std::vector<PdfWord> &words, const QString &text)
{
    for (const PdfWord &w : words)
        if (w.text == text) return &w;
    return nullptr;
}

// pdfinfo's "Key: value" for one key.
inline QString pdfInfo(const QString &pdf, const QString &key)
{
    const testsupport::Run r = testsupport::runProgram(QStringLiteral("pdfinfo"), {pdf});
    for (const QByteArray &line : r.out.split('\n'))
        if (line.startsWith(key.toUtf8() + ':')) return QString::fromUtf8(line.mid(key.size() + 1)).trimmed();
    return QString();
}

// pdfinfo's "W x H" of each page from the first to the last.
inline QStringList pdfPageSizes(const QString &pdf)
{
    const testsupport::Run r =
        testsupport::runProgram(QStringLiteral("pdfinfo"), {"-f", "1", "-l", "1000", pdf});
    static const QRegularExpression size(QStringLiteral("^Page +\\d+ size: +(\\S+ x \\S+) pts"),
                                         QRegularExpression::MultilineOption);
    QStringList sizes;
    for (auto it = size.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
        sizes << it.next().captured(1);
    return sizes;
}

// LibreOffice's conversion of file into dir by filter ("pdf", "csv:..."), with a profile of the
// test's own so that runs never share one; the converted file's name.
inline QString officeConvert(const QString &file, const QString &filter, const QString &dir)
{
    const testsupport::Run r =
        testsupport::runProgram(QStringLiteral("soffice"),
                                {"-env:UserInstallation=" + QUrl::fromLocalFile(dir + "/profile").toString(),
                                 "--headless", "--norestore", "--convert-to", filter, "--outdir", dir, file});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QDir(dir).filePath(QFileInfo(file).completeBaseName() + "." + filter.section(':', 0, 0));
}

// One page (from 1) rasterised by poppler at dpi.
inline QImage renderPdfPage(const QString &pdf, int page, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page") + QString::number(page);
    testsupport::runProgram(QStringLiteral("pdftoppm"),
                            {"-r", QString::number(dpi), "-f", QString::number(page), "-l",
                             QString::number(page), "-png", "-singlefile", pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace exporttest
