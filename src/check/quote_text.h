// The characters of a quoted line as the user's editor shows them: decoded
// by the file's encoding, at most QUOTE_MAX of them, never cut inside one,
// and none that could act on a terminal.
#ifndef SYSORIENT_QUOTE_TEXT_H
#define SYSORIENT_QUOTE_TEXT_H

#include "check/line_tally.h"

namespace sysorient {

// What stands in for a character that is not shown (quote_text.cpp holds
// the one table of them: controls, format characters, the line and
// paragraph separators) or for a code unit that is no character. The middle
// dot is in every code page a console may use.
constexpr char32_t NOT_SHOWN = 0xB7;
// What characters_of gives for such a character: no character at all, so
// that the report knows a stand-in from a middle dot of the file.
constexpr char32_t NOT_SHOWN_MARK = 0x110000;

struct quote_characters {
    char32_t characters[QUOTE_BYTES];
    int count;
};

// The quote's characters in the file's encoding, up to `most` of them, a
// character cut at the quote's end left out, NOT_SHOWN_MARK for one that is
// not shown. A tab is shown as a blank, a byte-order mark at the start not
// at all.
quote_characters characters_of(const line_quote &q, int most = QUOTE_MAX);

} // namespace sysorient

#endif
