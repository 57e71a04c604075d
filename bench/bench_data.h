#pragma once

// Data files for the benchmarks, written line by line so that making them adds nothing to the
// memory measured: invoice pages as the accounting system writes them, barcode labels, and
// convert files of either.
#include "files/data_file.h"
#include "model/code_page.h"

#include <QFile>
#include <QString>
#include <QStringList>

namespace benchdata
{

inline QString example(const char *name)
{
    return QStringLiteral(TESSALY_SOURCE_DIR "/examples/") + QLatin1String(name);
}

// One filled page of examples/invoice.edt.
inline QStringList invoicePage(int n)
{
    QStringList lines{
        QStringLiteral("    <Page ID=\"%1\" DesignName=\"Page1\">").arg(n),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label3\" Caption=\"No. %1\"/>").arg(n),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label4\" Caption=\"5 December 2026\"/>"),
        QStringLiteral("        <Data Status=\"Group\" DesignName=\"Group1\">"),
        QStringLiteral("            <f1=\"Customer %1\"/>").arg(n),
        QStringLiteral("            <f2=\"Street %1\"/>").arg(n % 200),
        QStringLiteral("            <f3=\"%1 City\"/>").arg(10000 + n % 90000),
        QStringLiteral("            <f4=\"VAT DE%1\"/>").arg(100000000 + n),
        QStringLiteral("        </Data>"),
        QStringLiteral("        <Data Status=\"Group\" DesignName=\"Group3\">")};
    for (int item = 0; item < 4; ++item)
        lines << QStringLiteral("            <f%1=\"Article %2\"/>").arg(item * 4 + 1).arg(n * 4 + item)
              << QStringLiteral("            <f%1=\"%2\"/>").arg(item * 4 + 2).arg(1 + item)
              << QStringLiteral("            <f%1=\"12.50\"/>").arg(item * 4 + 3)
              << QStringLiteral("            <f%1=\"%2.50\"/>").arg(item * 4 + 4).arg(12 * (1 + item));
    lines << QStringLiteral("        </Data>")
          << QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label6\" Caption=\"125.00\"/>")
          << QStringLiteral("    </Page>");
    return lines;
}

// One page of examples/label.ebt: name, EAN-13, QR, price and Code 128.
inline QStringList labelPage(int n)
{
    const QString ean = QStringLiteral("4006381%1").arg(n % 100000, 5, 10, QLatin1Char('0'));
    return {
        QStringLiteral("    <Page ID=\"1\" DesignName=\"Page1\">"),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label1\" Caption=\"Product %1\"/>")
            .arg(n),
        QStringLiteral("        <Data Status=\"BarCode\" DesignName=\"BarCode1\" Value=\"%1\"/>").arg(ean),
        QStringLiteral(
            "        <Data Status=\"BarCode\" DesignName=\"BarCode2\" Value=\"https://example.com/p/%1\"/>")
            .arg(ean),
        QStringLiteral("        <Data Status=\"Label\" DesignName=\"Label2\" Caption=\"%1.99 EUR\"/>")
            .arg(n % 100),
        QStringLiteral("        <Data Status=\"BarCode\" DesignName=\"BarCode3\" Value=\"ART-%1\"/>")
            .arg(n, 5, 10, QLatin1Char('0')),
        QStringLiteral("    </Page>")};
}

using PageLines = QStringList (*)(int);

inline void append(QFile &file, const QStringList &lines)
{
    file.write(EncodeDataLines(lines, InterfaceCodePage()));
}

// A data document of pages pages, or a convert file of as many one-page documents into pdfFolder.
inline void writeData(const QString &path, PageLines page, int pages, const QString &pdfFolder = QString())
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    append(file, {QStringLiteral("<?xml version=\"1.0\"?>")});
    if (pdfFolder.isEmpty()) append(file, {QStringLiteral("<Document DataType=\"1\">")});
    for (int n = 1; n <= pages; ++n) {
        if (!pdfFolder.isEmpty())
            append(file,
                   {QStringLiteral("<ConvertFile ConvertFileName=\"%1/doc%2.pdf\">").arg(pdfFolder).arg(n),
                    QStringLiteral("<Document DataType=\"1\">")});
        append(file, page(n));
        if (!pdfFolder.isEmpty())
            append(file, {QStringLiteral("</Document>"), QStringLiteral("</ConvertFile>")});
    }
    if (pdfFolder.isEmpty()) append(file, {QStringLiteral("</Document>")});
}

} // namespace benchdata
