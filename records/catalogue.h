#pragma once
// The interface language and its message catalogue. Every text of the game is
// written in Chinese, and that text is also its msgid: Chinese needs no
// catalogue, other languages read po/LANG.po compiled into
// LANG/LC_MESSAGES/torvane.mo through glibc's gettext.

#include <optional>
#include <string>
#include <vector>

enum class Language { Chinese, English };

// "zh" or "en"; nothing for any other word.
std::optional<Language> ParseLanguage(const std::string& word);

// The locale variables gettext reads; unset ones are empty.
struct LocaleEnvironment {
    std::string language;     // LANGUAGE
    std::string lcAll;        // LC_ALL
    std::string lcMessages;   // LC_MESSAGES
    std::string lang;         // LANG

    static LocaleEnvironment FromProcess();
};

// The language the player's locale asks for, decided as gettext would: the
// first of LC_ALL, LC_MESSAGES and LANG that is set names the locale; in a C
// or POSIX locale LANGUAGE is ignored, otherwise its first entry that we have
// a catalogue for wins. English for en*, Chinese for everything else.
// Whether the named locale is installed does not matter.
Language LanguageOfLocale(const LocaleEnvironment& env);

// Folders that may hold the catalogues of an executable in executableDir:
// locale/ beside it (a portable copy, the build folder), then the install's
// share/locale.
std::vector<std::string> CatalogueFolders(const std::string& executableDir);

// Switches the interface to language. English needs its catalogue from the
// first of folders that holds it; when none does, the interface stays Chinese
// and the result is false.
bool UseLanguage(Language language, const std::vector<std::string>& folders);

Language CurrentLanguage();

// A content file of dir in the interface language: outside Chinese the
// translated file (englishName) when dir holds it, otherwise the Chinese one.
std::string ContentFilePath(const std::string& dir, const char* chineseName, const char* englishName);

// The text of msgid in the interface language. The pointer stays valid for the
// whole run.
const char* Tr(const char* msgid);
// The same for a msgid that needs a context to be told apart.
const char* TrContext(const char* context, const char* msgid);

// Marks a text of a table for the catalogue; the table keeps the Chinese text
// and the code that shows it passes it through Tr.
#define N_(text) text
