#pragma once
// What the game's application object needs before its first window: the
// stand-in fonts, Qt's own texts (standard buttons) in the game's language,
// and the desktop's name for the game.

#include "records/catalogue.h"

class QApplication;

void SetUpApplication(QApplication& app, Language language = Language::Chinese);

// Loads Qt's translation of its standard texts for language (such as "zh_CN");
// false when the translation is not installed, and Qt's English stays.
bool InstallQtTranslation(QApplication& app, const char* language);
