#pragma once

#include <QLocale>

// The interface language: 1251 Russian, 1252 English, 1254 Turkish (any other code page is English).
int CodePageForLocale(const QLocale &locale);
// Sets the process code page and installs the matching translation (English needs none).
void SelectLanguage(int codePage);
int CurrentLanguageCodePage();
