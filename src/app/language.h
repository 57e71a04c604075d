#pragma once

#include "model/code_page.h"

// Sets the process code page and installs the matching translation (English needs none).
void SelectLanguage(int codePage);
int CurrentLanguageCodePage();
