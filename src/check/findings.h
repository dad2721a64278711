// What sysorient-check has to say, as records: each a kind, a place, the
// quoted text and word, and a few numbers. Deciding what to say makes
// these (findings.cpp, from the tally's facts); words are made of them
// only when a report is rendered (report_text.h), from one table of
// messages a language.
#ifndef SYSORIENT_FINDINGS_H
#define SYSORIENT_FINDINGS_H

#include "check/line_tally.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace sysorient {

// One entry a kind of thing a report says, with what its numbers [0] to
// [3] hold. The first line of a report is one of the first six; every
// other line is a finding. A line is a game or a tip row as the report's
// orientation says.
enum class finding_kind : unsigned char {
    // What sysorient makes of the file.
    read_system,       // [0] games of [1] tip rows
    read_no_games,     //
    too_many_games,    // more than [0] games
    too_many_tip_rows, // more than [0] tip rows
    read_error,        //
    cannot_open,       //

    // The file as a whole.
    other_reading,             // read the other way: [0] games of [1] tip rows
    utf16_without_mark,        //
    appended_text,             // the quote is single-byte text behind UTF-16
    cr_line_ends,              //
    text_after_end_mark,       // [0] bytes after the end mark, [1] outcomes among them
    more_after_end_mark,       // as text_after_end_mark, and more bytes than were looked at
    unreadable_after_end_mark, //
    unreadable_after_limit,    //
    checked_in_part,           // [0] bytes were looked at past the limit
    empty_file,                //
    no_outcomes,               //

    // Counts of outcomes: [0] is the count that is written for every line.
    last_line_cuts,        // the last line holds [0], the one before it [1]
    last_line_cuts_footer, // as last_line_cuts, and the last line may be a footer
    last_line_fills,       // the last line holds [0], the one before it [1]
    others_cut,            // the [2] other lines hold [1]; the last [3] of each are dropped
    others_filled_one,     // the [2] other lines hold [1]
    others_filled,         // the [2] other lines hold [1]; [3] to [0] are written as 0
    line_cut,              // the line holds [1]; the last [3] are dropped
    line_filled_one,       // the line holds [1]
    line_filled,           // the line holds [1]; [3] to [0] are written as 0
    more_odd_lines,        // [1] more lines hold another count

    // Words and numbers, with the word as it stands.
    word_read,      // [0] outcome characters in it
    long_word_read, // [0] outcome characters in it; the word is its start
    more_words,     // [0] more words or numbers hold outcome characters
    label_number,   // [0] outcome characters; the word is the number, with its mark
    more_labels,    // [0] more lines hold numbers in labels
    cr_inside_line, //
    more_cr_inside, // [0] more lines hold a CR without LF
};

// How many kinds there are: the last one's number and one.
constexpr std::size_t FINDING_KINDS = static_cast<std::size_t>(finding_kind::more_cr_inside) + 1;

// Whether a record of this kind is a finding (it makes the exit status 1).
bool counts_as_finding(finding_kind kind);

// A word or number as it stands in the file, with the mark after it.
struct quoted_word {
    unsigned char bytes[TOKEN_MAX];
    int length;
    unsigned char mark; // ':' or '.' after a number in a label, or 0
};

// Where a finding is: a line of system.txt (from 1), or 0 for the file as a
// whole.
struct place {
    std::int64_t line;
};

struct finding {
    finding_kind kind;
    place where;
    line_quote quote;
    quoted_word word;
    std::int64_t numbers[4];
};

// A report: what the first line says, then the findings, in order.
struct report {
    static constexpr int MAX = 48;
    finding items[MAX];
    int count;
    bool tip_rows; // read one tip row per line
};

// A record of the kind with its numbers, for the file as a whole.
finding make_finding(finding_kind kind, std::initializer_list<std::int64_t> numbers = {});

// Whether the report holds a finding.
bool has_findings(const report &r);

// What the check makes of a reading: the table it filled and its result,
// and the tally's facts. Every threshold and every choice of what to say
// lives here.
void judge(const system_table &table, int status, const tally_facts &facts, report &out);

// The report of a system.txt that cannot be opened.
void judge_unopened(const system_table &table, report &out);

} // namespace sysorient

#endif
