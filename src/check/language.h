// Which language a report is in: German for a user whose language is
// German, English for everyone else.
#ifndef SYSORIENT_LANGUAGE_H
#define SYSORIENT_LANGUAGE_H

namespace sysorient {

enum class report_language { english, german };

// The locale variables as the environment holds them, each nullptr where
// it is not set.
struct locale_variables {
    const char *language;    // LANGUAGE: a list such as "de:en"
    const char *lc_all;      // LC_ALL
    const char *lc_messages; // LC_MESSAGES
    const char *lang;        // LANG
};

// As GNU programs choose the language of their messages: the locale is the
// first of LC_ALL, LC_MESSAGES and LANG that is set and not empty; "C",
// "POSIX" or none means English, and LANGUAGE is then not looked at.
// Otherwise the first entry of LANGUAGE that is German or English decides,
// and without one the locale: a name beginning "de" is German.
report_language language_of(const locale_variables &v);

// On Windows: the language of a user whose UI language is lang_id (a
// LANGID, as GetUserDefaultUILanguage gives it): German if its primary
// language is German.
report_language language_of_ui(unsigned lang_id);

} // namespace sysorient

#endif
