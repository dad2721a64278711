// A report in words: each record through the message table of a language,
// in UTF-8, as a block of lines no longer than REPORT_WIDTH characters,
// the blocks a blank line apart. This is the only place that makes text of
// findings.
//
// A message is whole: a head (where: the lines and their quote, or the
// file) and, after "\n", one to three sentences. Placeholders in braces:
//   {line}     the finding's (first) line  {lines}   all its lines: "1, 2, 10 and 11"
//   {quote}    the start of its first line, in quotation marks
//   {word}     the word or number, with its mark, in quotation marks
//   {whole}    the quote, every character of it (a folder, a file's name)
//   {0} - {3}  the finding's numbers       {again}  the last step of every fix
// and choices of words, each branch written out whole:
//   {0|one|other}  the first branch if number 0 is 1, else the second
//   {L|one|other}  the first branch if the finding names one line
//   {o|game|tip row}  the first branch if a line is a game (one game per
//                  line), the second if it is a tip row
//   {w|Windows|elsewhere}  the first branch where the user has Windows
//   {=|same|other}  the first branch if numbers 0 and 1 are the same
// Branches may hold placeholders and choices of their own.
#ifndef SYSORIENT_REPORT_TEXT_H
#define SYSORIENT_REPORT_TEXT_H

#include "check/findings.h"

#include <cstddef>

namespace sysorient {

// The longest line of a report, in characters; what follows a head's first
// line or stands in the sentences is indented by REPORT_INDENT.
constexpr int REPORT_WIDTH = 100;
constexpr int REPORT_INDENT = 2;

// A receiver of report lines, each without its line end. line returns 0, or
// -1 when it could not take the line.
struct report_sink {
    int (*line)(void *context, const char *text, std::size_t length);
    void *context;
};

// A message of a language: the kind it says, and its text.
struct message {
    finding_kind kind;
    const char *text;
};

// Whether a table holds one message of each kind, in the order of kinds.
template <std::size_t N> constexpr bool in_order_of_kinds(const message (&table)[N])
{
    bool in_order = N == FINDING_KINDS;
    for (std::size_t k = 0; k < N; ++k)
        in_order = in_order && static_cast<std::size_t>(table[k].kind) == k;
    return in_order;
}

// How a language lists lines: "1, 2, 10 and 11", "2 to 13", "... and 5 more".
struct list_words {
    const char *separator;
    const char *last_separator;
    const char *range;
    const char *more;
};

// The words of one language: its table of messages, one a kind in the order
// of kinds, which in_order_of_kinds holds it to; how it lists lines; its
// quotation marks, with what stands in for a closing mark inside a quote;
// how it groups the digits of numbers from five digits on ("20.000"); the
// last step of every fix; and the note on characters not shown.
struct language {
    const message *messages;
    list_words lists;
    const char *open_quote;
    const char *close_quote;
    char32_t closing_mark;     // the character of close_quote
    char32_t closing_stand_in; // shown for it inside a quote
    char thousands;
    const char *again;
    const char *not_shown_note;

    [[nodiscard]] const char *text_of(finding_kind kind) const
    {
        return messages[static_cast<std::size_t>(kind)].text;
    }
};

extern const language ENGLISH;
extern const language GERMAN;

// Where the report is read: what a user can do there differs.
enum class platform { windows, other };

// Hands record i of r to sink as its lines of text in UTF-8. Returns 0, or
// -1 as soon as the sink refuses a line.
// A report's words: its language, and where it is read.
struct wording {
    const language &words;
    platform where;
};

int render_record(const report &r, int i, const wording &w, report_sink sink);

// Hands the records of r to sink, a blank line between them, and the note
// on characters not shown where a quote showed one. Returns 0 or -1.
int render_report(const report &r, const language &words, platform where, report_sink sink);

} // namespace sysorient

#endif
