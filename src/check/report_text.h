// A report in words: each record, one line each, through the message table
// of a language, in UTF-8. This is the only place that makes text of
// findings.
//
// A message is a whole sentence with placeholders in braces:
//   {line}     the finding's (first) line  {lines}   all its lines: "1, 2, 10 and 11"
//   {quote}    the start of its first line {word}    the word or number
//   {mark}     the mark after the word     {0} - {3} the finding's numbers
// and choices of words, each branch written out whole:
//   {0|one|other}  the first branch if number 0 is 1, else the second
//   {L|one|other}  the first branch if the finding names one line
//   {o|game|tip row}  the first branch if a line is a game (one game per
//                  line), the second if it is a tip row
//   {w|Windows|elsewhere}  the first branch where the user has Windows
// Branches may hold placeholders and choices of their own.
#ifndef SYSORIENT_REPORT_TEXT_H
#define SYSORIENT_REPORT_TEXT_H

#include "check/findings.h"

#include <cstddef>

namespace sysorient {

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
// of kinds, which in_order_of_kinds holds it to, and how it lists lines.
struct language {
    const message *messages;
    list_words lists;
    char32_t closing_quote; // escaped, with '\\', inside a quote

    [[nodiscard]] const char *text_of(finding_kind kind) const
    {
        return messages[static_cast<std::size_t>(kind)].text;
    }
};

extern const language ENGLISH;
extern const language GERMAN;

// Where the report is read: what a user can do there differs.
enum class platform { windows, other };

// Hands each record of r to sink as a line of text in UTF-8. Returns 0, or
// -1 as soon as the sink refuses a line.
int render_report(const report &r, const language &words, platform where, report_sink sink);

} // namespace sysorient

#endif
