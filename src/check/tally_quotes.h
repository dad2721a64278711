// The starts of lines that the tally keeps for quotes: pointers into the
// text while it lasts, copied before it ends.
#ifndef SYSORIENT_TALLY_QUOTES_H
#define SYSORIENT_TALLY_QUOTES_H

#include "check/line_tally.h"

namespace sysorient {

// A line that starts at `at` in the text.
inline void start_at(line_start &s, const watched_text &text, const unsigned char *at)
{
    s.at = at;
    s.units = text.units == nullptr ? nullptr : text.units + 2 * (at - text.bytes);
    s.length = 0;
}

// Copies what the text holds of a line start that points into it.
void copy_start(line_start &s, const watched_text &text);

// A copied line start goes on into the next text, up to its size.
void continue_start(line_start &s, const watched_text &text);

// Another line start as this one stands: its pointers, or its copy.
void keep_start(line_start &to, const line_start &from);

// How a quote is taken from a line start.
struct quote_how {
    text_encoding encoding;
    bool through_end_mark; // keep the end mark and what follows it
};

// The quote of a finished line: up to its line end, without the CR of a CR
// LF, and without the end mark unless asked.
line_quote quote_of(const line_start &s, const watched_text &text, quote_how how);

} // namespace sysorient

#endif
