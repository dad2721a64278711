// The chunk way of the tally: a chunk whose bytes can only add tips to lines
// and end lines is counted from its masks. Any other chunk goes the byte
// way (line_tally.cpp): words beside outcomes, a mark after an outcome (a
// label, a date, an amount), the end mark, a CR without LF, a word carried
// in from the chunk before, and while row numbers are looked for, the start
// of a line.
#include "check/line_tally.h"

#include "check/tally_quotes.h"

#include <algorithm>

namespace sysorient {
namespace {

#include "bits.h"

constexpr int CHUNK = MASK_BITS;

} // namespace

// Whether the numbers that lines begin with are still looked at.
bool line_tally::watching_row_numbers() const
{
    return run_.lines != 0 || facts_.lines_with_outcomes < line_windows::LINES;
}

// Whether the chunk only goes on with lines that hold no outcome: it holds
// none itself, nor an end mark, CR or mark, and the line it goes on with
// holds none so far, nor an open word or number with an outcome.
// While a run of row numbers goes on, a chunk that may hold the first
// number of a line goes the byte way, even without outcomes ("3;0;x").
bool line_tally::quiet(const chunk_classes &m) const
{
    const bool row_number = run_.lines != 0 && (line_.tokens == 0 || m.line_ends != 0);
    return (m.outcomes | m.end_marks | m.crs | m.marks) == 0 && line_.outcomes == 0 &&
           !line_.label_waits && !line_.group_open && !(token_.open && token_.outcome) &&
           !row_number;
}

// Whether the chunk can be counted from its masks alone.
bool line_tally::plain(const chunk_classes &m) const
{
    const std::uint64_t alnum = m.outcomes | m.words;
    if (m.end_marks != 0 || (m.crs & ~(m.line_ends >> 1)) != 0)
        return false;
    if (line_.label_waits || line_.group_open || m.marks != 0)
        return false;
    if (m.outcomes != 0 && (m.words != 0 || line_.has_word))
        return false;
    if (watching_row_numbers() && (m.line_ends != 0 || line_.tokens == 0))
        return false;
    if (token_.open && (alnum & 1) != 0)
        return m.words != 0 ? !token_.outcome : !(token_.letter || token_.digit);
    return true;
}

// What the part of a chunk from bit `from` on adds to the line it goes on
// with: words, letters, and the words and numbers that close in it.
void line_tally::chunk_words(const chunk_classes &m, int from)
{
    const std::uint64_t part = bit_range(from, CHUNK);
    const std::uint64_t alnum = (m.outcomes | m.words) & part;
    const std::uint64_t letters = m.words & ~m.digits;
    line_.has_word = line_.has_word || (m.words & part) != 0;
    line_.letters = line_.letters || (letters & part) != 0;
    const std::uint64_t closing = alnum & ~(alnum >> 1) & first_bits(CHUNK - 1);
    if (closing != 0) {
        line_.tokens += set_bits(closing);
        line_.after_word = ((letters >> highest_bit(closing)) & 1) != 0;
    }
}

// A chunk without outcomes on a line without them: the lines that end in
// it hold none, and are only counted.
void line_tally::lines_without_outcomes(const unsigned char *p, const chunk_classes &m)
{
    if (m.line_ends == 0) {
        chunk_words(m, 0);
        return;
    }
    const int last = highest_bit(m.line_ends);
    int lines = 0;
    for (std::uint64_t ends = m.line_ends; ends != 0; ends &= ends - 1)
        ++lines; // few: no popcount
    facts_.line_feeds += lines;
    facts_.lines += lines;
    reset_line();
    start_at(current_, text_, p + last + 1);
    if (last + 1 < CHUNK)
        chunk_words(m, last + 1);
}

// The lines that end in a plain chunk, and the start of the one it leaves open.
void line_tally::chunk_lines(const unsigned char *p, const chunk_classes &m)
{
    int from = 0;
    for (std::uint64_t line_ends = m.line_ends; line_ends != 0; line_ends &= line_ends - 1) {
        const int at = lowest_bit(line_ends);
        const std::uint64_t part = bit_range(from, at);
        if ((m.outcomes & part) != 0)
            add_outcomes(set_bits(m.outcomes & part));
        line_.has_word = line_.has_word || (m.words & part) != 0;
        line_.letters = line_.letters || (m.words & ~m.digits & part) != 0;
        line_end(p + at);
        from = at + 1;
    }
    const std::uint64_t rest = bit_range(from, CHUNK);
    if ((m.outcomes & rest) != 0)
        add_outcomes(set_bits(m.outcomes & rest));
    chunk_words(m, from);
}

// The word or number at the chunk's end, if it reaches there.
void line_tally::carry_token(const unsigned char *p, const chunk_classes &m)
{
    const std::uint64_t alnum = m.outcomes | m.words;
    if ((alnum >> (CHUNK - 1)) == 0) {
        token_.open = false;
        return;
    }
    const int first = alnum == ~std::uint64_t{0} ? 0 : highest_bit(~alnum) + 1;
    if (first != 0 || !token_.open)
        open_token(p + first);
    const std::uint64_t run = bit_range(first, CHUNK);
    if ((m.outcomes & run) != 0) {
        token_.outcome = true;
        token_.outcomes += set_bits(m.outcomes & run);
    }
    token_.letter = token_.letter || (m.words & ~m.digits & run) != 0;
    token_.digit = token_.digit || (m.words & m.digits & run) != 0;
    token_.outcome_letter = token_.outcome_letter || (m.outcomes & ~m.digits & run) != 0;
    token_.length += CHUNK - first;
}

// A plain chunk: outcomes and line ends counted from the masks.
void line_tally::count_chunk(const unsigned char *p, const chunk_classes &m)
{
    if (token_.open && ((m.outcomes | m.words) & 1) == 0)
        close_token(p, text_.bytes + text_.count);
    chunk_lines(p, m);
    carry_token(p, m);
}

// A quiet chunk: its line ends counted, its words looked at for the line
// and the word it leaves open.
void line_tally::quiet_chunk(const unsigned char *p, const chunk_classes &m)
{
    if (token_.open && (m.words & 1) == 0)
        close_token(p, text_.bytes + text_.count);
    lines_without_outcomes(p, m);
    carry_token(p, m);
}

} // namespace sysorient
