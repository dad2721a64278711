// Choosing the language of a report.
#include "check/language.h"

#include <cstring>

namespace sysorient {
namespace {

bool set(const char *value) { return value != nullptr && *value != '\0'; }

bool begins(const char *text, std::size_t length, const char *with)
{
    const std::size_t n = std::strlen(with);
    return length >= n && std::strncmp(text, with, n) == 0;
}

// Whether a locale or language name (up to length) names the language of
// the code: "de", "de_DE.UTF-8", "de-AT", "de@euro" for "de", not "deu".
bool names_language(const char *name, std::size_t length, const char *code)
{
    constexpr char AFTER_CODE[] = {'_', '-', '.', '@'};
    const std::size_t n = std::strlen(code);
    return begins(name, length, code) &&
           (length == n || std::memchr(AFTER_CODE, name[n], sizeof AFTER_CODE) != nullptr);
}

} // namespace

report_language language_of(const locale_variables &v)
{
    const char *locale = set(v.lc_all) ? v.lc_all : set(v.lc_messages) ? v.lc_messages : v.lang;
    if (!set(locale) || std::strcmp(locale, "C") == 0 || std::strcmp(locale, "POSIX") == 0 ||
        begins(locale, std::strlen(locale), "C."))
        return report_language::english;
    for (const char *entry = set(v.language) ? v.language : ""; *entry != '\0';) {
        const std::size_t length = std::strcspn(entry, ":");
        if (names_language(entry, length, "de"))
            return report_language::german;
        if (names_language(entry, length, "en"))
            return report_language::english;
        entry += length + (entry[length] == ':' ? 1 : 0);
    }
    return names_language(locale, std::strlen(locale), "de") ? report_language::german
                                                             : report_language::english;
}

report_language language_of_ui(unsigned lang_id)
{
    constexpr unsigned PRIMARY_LANGUAGE_MASK = 0x3FF;
    constexpr unsigned GERMAN = 0x07;
    return (lang_id & PRIMARY_LANGUAGE_MASK) == GERMAN ? report_language::german
                                                       : report_language::english;
}

} // namespace sysorient
