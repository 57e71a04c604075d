#include "cli/cli_command.h"
#include "cli/cli_util.h"

#include "files/atomic_file.h"
#include "model/units.h"
#include "model/v_bar_code.h"
#include "model/zel_font.h"
#include "render/barcode_calc.h"
#include "render/barcode_painter.h"
#include "render/qr_symbol.h"

#include <QImage>
#include <QRegularExpression>

namespace
{

const char kUsage[] =
    "barcode --type CODE --value TEXT [--no-check-digit] [--pattern] [-o OUT.png [--size WxH] [--dpi D]]\n"
    "  CODE, by number or name (any case, hyphen optional): 0 Other, 1 EAN-8, 2 EAN-13, 3 UPCA, 4 UPCE,\n"
    "  5 Code39, 6 Code128, 7 CodeBar, 8 InterLeave, 9 FullASCII, 10 ITF, 11 Code93, 12 KareKod (QR)\n"
    "  without -o, or with --pattern: the pattern on the first line, the check character on the second\n"
    "  --size in millimetres (default 50x25), --dpi default 300";

// The designer's list of types, in code order.
const char *const kTypeNames[] = {"Other",   "EAN-8",      "EAN-13",    "UPCA", "UPCE",   "Code39", "Code128",
                                  "CodeBar", "InterLeave", "FullASCII", "ITF",  "Code93", "KareKod"};

// Names compare without case and hyphens, so that EAN13, ean-13 and Ean-13 are one type.
QString typeKey(const QString &name)
{
    return name.toLower().remove(QLatin1Char('-'));
}

// The type as its code or as a name of the designer's list (QR for KareKod); Invalid when neither.
int parseType(const QString &text)
{
    bool ok = false;
    const int code = text.toInt(&ok);
    if (ok) return code >= 0 && code < int(std::size(kTypeNames)) ? code : int(VBarCode::Invalid);
    const QString key = typeKey(text);
    if (key == QLatin1String("qr")) return VBarCode::Qr;
    for (int i = 0; i < int(std::size(kTypeNames)); ++i)
        if (key == typeKey(QLatin1String(kTypeNames[i]))) return i;
    return VBarCode::Invalid;
}

QString qrPattern(const QString &value)
{
    const QImage symbol = QrSymbolImage(value);
    QStringList rows;
    for (int y = 0; y < symbol.height(); ++y) {
        QString row;
        for (int x = 0; x < symbol.width(); ++x)
            row += qGray(symbol.pixel(x, y)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
        rows << row;
    }
    return rows.join(QLatin1Char(' '));
}

int runBarcode(const QStringList &args)
{
    const CliArgs a(args,
                    {QStringLiteral("--type"), QStringLiteral("--value"), QStringLiteral("-o"),
                     QStringLiteral("--size"), QStringLiteral("--dpi")},
                    {QStringLiteral("--no-check-digit"), QStringLiteral("--pattern")});
    // An empty value is the encoder's to judge; an empty type is wrong usage.
    QString problem = a.problem({}, {QStringLiteral("--type")});
    if (problem.isEmpty() && !a.value(QStringLiteral("--value")))
        problem = QStringLiteral("missing option --value");
    if (!problem.isEmpty()) return cliUsage(kUsage, problem);
    const QString typeText = *a.value(QStringLiteral("--type"));
    const QString value = *a.value(QStringLiteral("--value"));
    double widthMm = 50.0, heightMm = 25.0, dpi = 300.0;
    if (const auto size = a.value(QStringLiteral("--size"))) {
        static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d+)?)[xX](\\d+(?:\\.\\d+)?)$"));
        const auto match = re.match(*size);
        if (match.hasMatch()) {
            widthMm = match.captured(1).toDouble();
            heightMm = match.captured(2).toDouble();
        }
        if (!match.hasMatch() || widthMm <= 0 || heightMm <= 0 || widthMm > 2000 || heightMm > 2000)
            return cliUsage(kUsage,
                            QStringLiteral("--size takes WxH in millimetres up to 2000x2000, not ") + *size);
    }
    if (const auto d = a.value(QStringLiteral("--dpi"))) {
        bool ok = false;
        dpi = d->toDouble(&ok);
        if (!ok || dpi < 10 || dpi > 4800)
            return cliUsage(kUsage, QStringLiteral("--dpi takes a resolution from 10 to 4800, not ") + *d);
    }
    const int type = parseType(typeText);
    if (type == VBarCode::Invalid)
        return cliUsage(kUsage, QStringLiteral("--type: unknown barcode type ") + typeText);
    VBarCode record;
    record.SetCheckDigitComputed(!a.flag(QStringLiteral("--no-check-digit")));
    if (!record.SetType(type)) {
        cliError(QStringLiteral("--type ") + typeText + QStringLiteral(": ") +
                 QLatin1String(kTypeNames[type]) +
                 QStringLiteral(" is not a type a barcode element holds; nothing is drawn"));
        return kExitFailure;
    }
    if (!record.SetValue(value)) {
        cliError(QStringLiteral("the value cannot be held by a ") + QLatin1String(kTypeNames[type]) +
                 QStringLiteral(" barcode: ") + value);
        return kExitFailure;
    }
    VBarCodeCalc &calc = VBarCodeCalc::Shared();
    const QString pattern = type == VBarCode::Qr
                                ? qrPattern(record.Value())
                                : calc.Encode(type, record.Value(), record.CheckDigitComputed());
    const bool encoded = type == VBarCode::Qr ? !pattern.isEmpty() : !calc.Patterns().isEmpty();
    if (!encoded) {
        // Without a pattern, what the encoder returned is its message.
        cliError(pattern.isEmpty() ? QStringLiteral("nothing to draw") : pattern);
        return kExitFailure;
    }
    const auto out = a.value(QStringLiteral("-o"));
    if (a.flag(QStringLiteral("--pattern")) || !out) {
        cliOut(pattern);
        cliOut(calc.CheckCharacter(type, record.Value()));
    }
    if (out) {
        const QSize twips(MmToTwips(widthMm), MmToTwips(heightMm));
        const QImage image = RenderBarcodeImage(record, twips, TZelFont(), dpi);
        QString error;
        if (image.isNull() || !SaveImageAtomically(*out, image, "PNG", -1, &error)) {
            cliError(error.isEmpty() ? *out + QStringLiteral(": cannot draw the barcode") : error);
            return kExitFailure;
        }
    }
    return kExitOk;
}
} // namespace

TESSALY_CLI_COMMAND("barcode", kUsage, runBarcode);
