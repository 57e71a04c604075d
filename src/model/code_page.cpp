#include "model/code_page.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace
{
int g_codePage = 1252;

QByteArray encodingName(int codePage)
{
    // The DOS code pages (866, 437, 850, 857) are known by their "cp" names only.
    if (codePage == kUtf8CodePage) return "UTF-8";
    if (codePage < 1000) return "cp" + QByteArray::number(codePage);
    return "windows-" + QByteArray::number(codePage);
}
} // namespace

int InterfaceCodePage()
{
    return g_codePage;
}
void SetInterfaceCodePage(int codePage)
{
    g_codePage = codePage;
}

int CodePageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Russian:
        return 1251;
    case QLocale::Turkish:
        return 1254;
    default:
        return 1252;
    }
}

int CharSetForCodePage(int codePage)
{
    switch (codePage) {
    case 1251:
        return 204;
    case 1254:
        return 162;
    default:
        return 0;
    }
}

QString DecodeAnsi(const QByteArray &bytes, int codePage)
{
    QStringDecoder decoder(encodingName(codePage).constData());
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray EncodeAnsi(const QString &text, int codePage)
{
    QStringEncoder encoder(encodingName(codePage).constData());
    if (!encoder.isValid()) return text.toLatin1();
    return encoder.encode(text);
}
