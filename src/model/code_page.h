#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

// The process-wide interface code page (1251 Russian, 1252 English, 1254 Turkish): 8-bit texts of
// data files, templates and exports go through it.
int InterfaceCodePage();
// The interface language of a locale: 1251 Russian, 1254 Turkish, 1252 for every other.
int CodePageForLocale(const QLocale &locale);
void SetInterfaceCodePage(int codePage);
// Font character set that goes with a code page (204, 0, 162).
int CharSetForCodePage(int codePage);
// Windows' number for UTF-8: the text and HTML outputs take it for pipelines; the interface never does.
constexpr int kUtf8CodePage = 65001;

QString DecodeAnsi(const QByteArray &bytes, int codePage = InterfaceCodePage());
QByteArray EncodeAnsi(const QString &text, int codePage = InterfaceCodePage());
