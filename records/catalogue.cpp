#include "records/catalogue.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "torvane_config.h"

namespace {

constexpr const char* kDomain = "torvane";

Language current = Language::Chinese;

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// True for a locale name of language code: "en", "en_GB.UTF-8", "en@quot".
bool IsOfLanguage(const std::string& locale, const char* code)
{
    const std::size_t n = std::strlen(code);
    if (locale.compare(0, n, code) != 0)
        return false;
    return locale.size() == n || locale[n] == '_' || locale[n] == '.' || locale[n] == '@';
}

std::optional<Language> LanguageOfName(const std::string& locale)
{
    if (IsOfLanguage(locale, "en"))
        return Language::English;
    if (IsOfLanguage(locale, "zh"))
        return Language::Chinese;
    return std::nullopt;
}

// gettext's catalogue lookup needs a message locale other than C, or it ignores
// LANGUAGE; C.UTF-8 is present even where no other locale is installed.
bool MessageLocaleTakesLanguage()
{
    const char* now = std::setlocale(LC_MESSAGES, nullptr);
    if (now && std::strcmp(now, "C") != 0 && std::strcmp(now, "POSIX") != 0)
        return true;
    return std::setlocale(LC_MESSAGES, "C.UTF-8") || std::setlocale(LC_MESSAGES, "C.utf8");
}

bool HasCatalogue(const std::string& folder, const char* code)
{
    std::error_code error;
    return std::filesystem::is_regular_file(
        folder + "/" + code + "/LC_MESSAGES/" + kDomain + ".mo", error);
}

}  // namespace

std::optional<Language> ParseLanguage(const std::string& word)
{
    if (word == "zh")
        return Language::Chinese;
    if (word == "en")
        return Language::English;
    return std::nullopt;
}

LocaleEnvironment LocaleEnvironment::FromProcess()
{
    return {Variable("LANGUAGE"), Variable("LC_ALL"), Variable("LC_MESSAGES"), Variable("LANG")};
}

Language LanguageOfLocale(const LocaleEnvironment& env)
{
    const std::string& locale = !env.lcAll.empty()        ? env.lcAll
                                : !env.lcMessages.empty() ? env.lcMessages
                                                          : env.lang;
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return Language::Chinese;
    if (!env.language.empty()) {
        std::size_t start = 0;
        while (start <= env.language.size()) {
            std::size_t end = env.language.find(':', start);
            if (end == std::string::npos)
                end = env.language.size();
            const std::string entry = env.language.substr(start, end - start);
            if (entry == "C" || entry == "POSIX")
                return Language::Chinese;
            if (std::optional<Language> found = LanguageOfName(entry))
                return *found;
            start = end + 1;
        }
        return Language::Chinese;
    }
    return LanguageOfName(locale).value_or(Language::Chinese);
}

std::vector<std::string> CatalogueFolders(const std::string& executableDir)
{
    return {executableDir + "/locale", executableDir + "/" + kLocaleFromBinary, kInstalledLocaleDir};
}

bool UseLanguage(Language language, const std::vector<std::string>& folders)
{
    current = Language::Chinese;
    if (language == Language::Chinese)
        return true;
    const char* code = "en";
    for (const std::string& folder : folders) {
        if (!HasCatalogue(folder, code))
            continue;
        // The language is ours to choose, whatever the environment asked for.
        setenv("LANGUAGE", code, 1);
        if (!MessageLocaleTakesLanguage())
            return false;
        bindtextdomain(kDomain, folder.c_str());
        bind_textdomain_codeset(kDomain, "UTF-8");
        // The empty msgid answers with the catalogue's header once it is loaded.
        const char* header = "";
        if (*dgettext(kDomain, header) == '\0')
            return false;
        current = language;
        return true;
    }
    return false;
}

Language CurrentLanguage() { return current; }

std::string ContentFilePath(const std::string& dir, const char* chineseName, const char* englishName)
{
    if (current == Language::English) {
        const std::string translated = dir + "/" + englishName;
        std::error_code error;
        if (std::filesystem::is_regular_file(translated, error))
            return translated;
    }
    return dir + "/" + chineseName;
}

const char* Tr(const char* msgid)
{
    // The empty msgid is the catalogue's header, never a text.
    if (current == Language::Chinese || *msgid == '\0')
        return msgid;
    return dgettext(kDomain, msgid);
}

const char* TrContext(const char* context, const char* msgid)
{
    if (current == Language::Chinese)
        return msgid;
    // gettext keeps a context before the msgid, separated by byte 4.
    static std::string key;
    key = std::string(context) + '\4' + msgid;
    const char* text = dgettext(kDomain, key.c_str());
    return text == key.c_str() ? msgid : text;
}
