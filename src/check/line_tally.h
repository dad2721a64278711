// The tally of what each line of a system file holds, for sysorient-check:
// how many outcomes, and the traps around them (outcome characters inside
// words and numbers, numbers in labels, a CR that ends no line, the end mark
// with text behind it, single-byte text behind UTF-16). It takes the text as
// the reader hands it to a text_watcher, so it sees the file exactly as the
// reader does, through the same byte classes; memory stays the same at any
// input size.
#ifndef SYSORIENT_LINE_TALLY_H
#define SYSORIENT_LINE_TALLY_H

#include "system_table.h"

#include <cstddef>
#include <cstdint>

namespace sysorient {

constexpr int QUOTE_MAX = 40; // characters of a line that a report quotes
constexpr int NOTES_MAX = 5;  // lines a report names of each kind
constexpr int TOKEN_MAX = 20; // characters of a word that a report names

// The start of a line as it stands, up to QUOTE_MAX bytes.
struct line_quote {
    unsigned char bytes[QUOTE_MAX];
    int length;
};

// A line, by its number (from 1, every line counted), with its outcomes.
struct line_note {
    std::int64_t line;
    std::int64_t outcomes;
    line_quote quote;
};

// A word or number on a line: an outcome character beside other letters or
// digits ("Mexiko", "04"), or a number of outcome characters before ':' or
// ". " on a line with words ("Spiel 1:").
struct token_note {
    std::int64_t line;
    line_quote quote;
    unsigned char token[TOKEN_MAX];
    std::int64_t token_length; // in full; above TOKEN_MAX only the start is kept
    std::int64_t outcomes;     // outcome characters in it
    unsigned char after;       // ':' or '.' for a number in a label
};

// Notes of one kind: the first NOTES_MAX and how many there are in all.
template <class Note> struct notes {
    Note first[NOTES_MAX];
    std::int64_t total;
};

// Lines of one outcome count: how many, and the first NOTES_MAX of them.
struct count_group {
    std::int64_t outcomes;
    notes<line_note> lines;
};

struct tally_result {
    std::int64_t bytes;               // of text, UTF-16 narrowed
    std::int64_t lines;               // every line, the last one too
    std::int64_t lines_with_outcomes; // before the end mark
    std::int64_t max_outcomes;        // on one line
    line_note last;                   // the last line with outcomes
    std::int64_t before_last;         // outcomes of the line with outcomes before it
    static constexpr int GROUPS = 16;
    count_group groups[GROUPS]; // the first GROUPS counts of outcomes seen
    int group_count;
    notes<token_note> words;    // outcome characters inside words or numbers
    notes<token_note> labels;   // numbers of outcome characters in labels
    notes<line_note> cr_inside; // a CR without LF between outcomes
    std::int64_t lone_crs;      // CRs without LF
    std::int64_t line_feeds;

    bool end_mark;               // the input holds one
    line_note end_mark_line;     // the line it ends
    std::int64_t after_end_mark; // bytes after it
    std::int64_t outcomes_after_end_mark;
    bool text_after_end_mark; // anything but blanks, line ends and end marks

    bool utf16;
    bool utf16_without_mark; // zero bytes at every other place near the start
    bool single_bytes_after_utf16;
    line_quote appended; // the start of that text
};

// Takes the text and code units of a text_watcher, and after finish() holds
// its result. One tally at a time: it is static, as the table is.
void tally_start();
void tally_text(const unsigned char *bytes, std::size_t count);
void tally_code_units(const unsigned char *bytes, std::size_t count, bool big_endian);
const tally_result &tally_finish();

// How many lines (before the end mark) hold exactly this many outcomes.
std::int64_t tally_lines_with(std::int64_t outcomes);

} // namespace sysorient

#endif
