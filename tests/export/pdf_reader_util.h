#pragma once

#include "test_support.h"

#include <QDir>
#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <vector>

namespace exporttest
{

// One word as poppler's pdftotext sees it: page index from 0, box in points from the top-left.
struct PdfWord {
    QString text;
    QRectF box;
    int page = 0;
};

inline bool haveReaders()
{
    using testsupport::haveTool;
    return haveTool(QStringLiteral("pdftotext")) && haveTool(QStringLiteral("pdfinfo")) &&
           haveTool(QStringLiteral("pdftoppm")) && haveTool(QStringLiteral("qpdf")) &&
           haveTool(QStringLiteral("pdffonts"));
}

inline std::vector<PdfWord> pdfWords(const QString &pdf)
{
    const testsupport::Run r = testsupport::runProgram(QStringLiteral("pdftotext"),
                                                       {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<PdfWord> words;
    const QString html = QString::fromUtf8(r.out);
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    int page = -1;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        PdfWord w;
        w.page = page;
        w.box = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                       QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        w.text = m.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.push_back(w);
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

// One page (from 1) rasterised by poppler at dpi.
inline QImage renderPdfPage(const QString &pdf, int page, int dpi)
{
    const QString prefix = pdf + QStringLiteral(".page") + QString::number(page);
    testsupport::runProgram(QStringLiteral("pdftoppm"),
                            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                             QString::number(page), QStringLiteral("-l"), QString::number(page),
                             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace exporttest
