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
    "barcode --type CODE --value TEXT [--no-check-digit] [--pattern] [-o OUT.png [--size WxH] [--dpi D]]";

// The type as its code or as the properties dialog's list entry.
int parseType(const QString &text)
{
    bool ok = false;
    const int code = text.toInt(&ok);
    if (ok) return code;
    static const char *const names[] = {"Other",  "EAN-8",   "EAN-13",  "UPCA",       "UPCE",
                                        "Code39", "Code128", "CodeBar", "InterLeave", "FullASCII",
                                        "ITF",    "Code93",  "KareKod"};
    for (int i = 0; i < int(std::size(names)); ++i)
        if (text.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return i;
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
    if (!a.ok()) {
        cliError(a.error());
        return cliUsage(kUsage);
    }
    const auto typeText = a.value(QStringLiteral("--type"));
    const auto value = a.value(QStringLiteral("--value"));
    if (!typeText || !value || !a.positional().isEmpty()) return cliUsage(kUsage);

    double widthMm = 50.0, heightMm = 25.0, dpi = 300.0;
    if (const auto size = a.value(QStringLiteral("--size"))) {
        static const QRegularExpression re(QStringLiteral("^(\\d+(?:\\.\\d+)?)[xX](\\d+(?:\\.\\d+)?)$"));
        const auto match = re.match(*size);
        if (!match.hasMatch()) return cliUsage(kUsage);
        widthMm = match.captured(1).toDouble();
        heightMm = match.captured(2).toDouble();
    }
    if (const auto d = a.value(QStringLiteral("--dpi"))) {
        bool ok = false;
        dpi = d->toDouble(&ok);
        if (!ok || dpi < 10 || dpi > 4800) return cliUsage(kUsage);
    }
    if (widthMm <= 0 || heightMm <= 0 || widthMm > 2000 || heightMm > 2000) return cliUsage(kUsage);

    VBarCode record;
    record.SetCheckDigitComputed(!a.flag(QStringLiteral("--no-check-digit")));
    const int type = parseType(*typeText);
    if (!record.SetType(type) || type == VBarCode::Invalid) {
        cliError(QStringLiteral("unknown barcode type: %1").arg(*typeText));
        return kExitFailure;
    }
    if (!record.SetValue(*value)) {
        cliError(QStringLiteral("the value cannot be held by this barcode type: %1").arg(*value));
        return kExitFailure;
    }

    VBarCodeCalc &calc = VBarCodeCalc::Shared();
    const QString pattern = type == VBarCode::Qr
                                ? qrPattern(record.Value())
                                : calc.Encode(type, record.Value(), record.CheckDigitComputed());
    const bool encoded = type == VBarCode::Qr ? !pattern.isEmpty() : !calc.Patterns().isEmpty();
    const auto out = a.value(QStringLiteral("-o"));
    if (a.flag(QStringLiteral("--pattern")) || !out) {
        cliOut(pattern);
        cliOut(calc.CheckCharacter(type, record.Value()));
    } else if (!encoded) {
        cliError(pattern.isEmpty() ? QStringLiteral("nothing to draw") : pattern);
    }
    if (out && encoded) {
        const QSize twips(MmToTwips(widthMm), MmToTwips(heightMm));
        const QImage image = RenderBarcodeImage(record, twips, TZelFont(), dpi);
        QString error;
        if (image.isNull() || !SaveImageAtomically(*out, image, "PNG", -1, &error)) {
            cliError(error.isEmpty() ? QStringLiteral("cannot write %1").arg(*out) : error);
            return kExitFailure;
        }
    }
    return encoded ? kExitOk : kExitFailure;
}

} // namespace

TESSALY_CLI_COMMAND("barcode", kUsage, runBarcode);
