// The chunk way of the tally: a chunk whose bytes can only add tips to lines
// and end lines is counted from its masks. Any other chunk goes the byte
// way (line_tally.cpp): words beside outcomes, a mark after an outcome (a
// label, a date, an amount), the end mark, a CR without LF, a word carried
// in from the chunk before, and while row numbers are looked for, the start
// of a line.
#include "check/line_tally.h"

#include "check/tally_quotes.h"
#include "read/byte_classes.h"

#include <algorithm>

namespace sysorient {
namespace {

#include "bits.h"

constexpr int CHUNK = MASK_BITS;

} // namespace

// The whole chunks of the text, classified a batch at a time, each the
// chunk way or the byte way; returns where they end.
const unsigned char *line_tally::chunks(const unsigned char *p, const unsigned char *text_end)
{
    while (text_end - p >= CHUNK && !ended_) {
        const auto count = std::min<std::ptrdiff_t>(BATCH, (text_end - p) / CHUNK);
        classify_chunks_(p, static_cast<std::size_t>(count), batch_);
        pair_last_crs(p, count, text_end);
        for (std::ptrdiff_t c = 0; c < count && !ended_; ++c, p += CHUNK) {
            if (quiet(batch_[c])) {
                const std::ptrdiff_t next = past_quiet_lines(c, count);
                p += (next - c) * CHUNK;
                c = next;
            }
            const chunk_classes &m = batch_[c];
            if (amid_tips(m))
                tips_chunk(p, m);
            else if (quiet(m))
                quiet_chunk(p, m);
            else if (plain(m))
                count_chunk(p, m);
            else
                scan(p, p + CHUNK);
        }
    }
    return p;
}

// A CR that ends a chunk of the batch at p, with an LF after it in the
// text, is a line end's CR as one inside the chunk is: it is taken out of
// the chunk's CRs, as CRs before an LF are never looked at. (The CR of a CR
// LF split between texts is left to the byte way.)
void line_tally::pair_last_crs(const unsigned char *p, std::ptrdiff_t count,
                               const unsigned char *text_end)
{
    constexpr std::uint64_t LAST = std::uint64_t{1} << (CHUNK - 1);
    for (std::ptrdiff_t c = 0; c < count; ++c, p += CHUNK)
        if ((batch_[c].crs & LAST) != 0 && text_end - p > CHUNK && p[CHUNK] == LINE_END_BYTE)
            batch_[c].crs &= ~LAST;
}

// Whether the numbers that lines begin with are still looked at.
bool line_tally::watching_row_numbers() const
{
    return run_.lines != 0 || facts_.lines_with_outcomes < line_windows::LINES;
}

// Whether the chunk holds no byte that needs more than counting lines and
// words: no outcome, end mark or mark, and no CR but before an LF.
bool line_tally::quiet_bytes(const chunk_classes &m)
{
    return (m.outcomes | m.end_marks | m.marks | (m.crs & ~(m.line_ends >> 1))) == 0;
}

// Whether the chunk only goes on with lines that hold no outcome: it holds
// none itself, nor an end mark, CR or mark, and the line it goes on with
// holds none so far, nor an open word or number with an outcome.
// While a run of row numbers goes on, a chunk that may hold the first
// number of a line goes the byte way, even without outcomes ("3;0;x").
bool line_tally::quiet(const chunk_classes &m) const
{
    const bool row_number = run_.lines != 0 && (line_.tokens == 0 || m.line_ends != 0);
    return quiet_bytes(m) && line_.outcomes == 0 && !line_.label_waits && !line_.group_open &&
           !(token_.open && token_.outcome) && !row_number;
}

// In a run of quiet chunks (from `from` on, up to count), the lines that
// end before the last line end in it hold no outcome: they are counted, and
// the run goes on from the chunk of that line end, which is returned. The
// word left open is no row number then (run_ is empty), and ends on a line
// without outcomes: it leaves nothing behind.
std::ptrdiff_t line_tally::past_quiet_lines(std::ptrdiff_t from, std::ptrdiff_t count)
{
    if (run_.lines != 0)
        return from;
    std::ptrdiff_t last = from;
    for (std::ptrdiff_t c = from + 1; c < count && quiet_bytes(batch_[c]); ++c)
        if (batch_[c].line_ends != 0)
            last = c;
    if (last == from)
        return from;
    std::int64_t lines = 0;
    for (std::ptrdiff_t c = from; c < last; ++c)
        lines += set_bits(batch_[c].line_ends);
    facts_.line_feeds += lines;
    facts_.lines += lines;
    token_.open = false;
    return last;
}

// Whether the chunk only goes on with a line of tips: outcomes and blanks
// (or separators), no line end, no word, no mark, on a line with no word
// and nothing pending, past its second word (or within a first word of
// outcomes too long for a row number): then only the outcomes and the word
// left open change. The long lines of a system are such chunks.
bool line_tally::amid_tips(const chunk_classes &m) const
{
    const bool past_first_words =
        line_.tokens >= 2 ||
        (m.outcomes == ~std::uint64_t{0} && token_.open && token_.length > ROW_NUMBER_DIGITS_MAX);
    return (m.line_ends | m.words | m.end_marks | m.crs | m.marks) == 0 && past_first_words &&
           !line_.has_word && !line_.lone_cr && !line_.label_waits && !line_.group_open &&
           !token_.letter && !token_.digit;
}

// A chunk amid tips: as count_chunk, with nothing else to look for. A word
// of outcomes alone that closes at its start leaves no trace (count_chunk
// says why).
void line_tally::tips_chunk(const unsigned char *p, const chunk_classes &m)
{
    if (token_.open && (m.outcomes & 1) == 0)
        token_.open = false;
    line_.outcomes += set_bits(m.outcomes);
    carry_token(p, m);
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
    // The first word of a line goes the byte way while it may be a row
    // number: until it is longer than any.
    const bool first_word =
        line_.tokens == 0 &&
        !(token_.open && token_.length > ROW_NUMBER_DIGITS_MAX && (alnum & 1) != 0);
    if (watching_row_numbers() && (m.line_ends != 0 || first_word))
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
    // Only a line's first two words are told apart (a row number, a label
    // after the first word): from then on, they need not be counted.
    const std::uint64_t closing = alnum & ~(alnum >> 1) & first_bits(CHUNK - 1);
    if (closing != 0 && line_.tokens < 2) {
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
    std::uint64_t done = 0; // the bits of the lines that ended before
    for (std::uint64_t line_ends = m.line_ends; line_ends != 0; line_ends &= line_ends - 1) {
        const int at = lowest_bit(line_ends);
        const std::uint64_t before_end = bits_below_lowest(line_ends);
        const std::uint64_t part = before_end & ~done;
        done = before_end | (before_end + 1);
        if (from != 0 && (m.words & part) == 0 &&
            settled_line(p + from, p + at, set_bits(m.outcomes & part))) {
            from = at + 1;
            continue;
        }
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

// A line of tips alone, from start to its line end at `end` in this chunk,
// after one that ended in it: if it is settled (count_line says what that
// is) and needs no more than counting, it is counted here, as count_line
// and line_end would, and true is returned. Most lines of a system are
// such lines; their line state is as reset_line left it, and stays so.
bool line_tally::settled_line(const unsigned char *start, const unsigned char *end,
                              std::int64_t outcomes)
{
    tally_facts &f = facts_;
    const bool counted =
        outcomes == 0 ||
        (outcomes <= MAX_GAMES && !watching_row_numbers() && f.lines_with_outcomes != MAX_GAMES &&
         f.lines_with_outcomes != MAX_TIP_ROWS && tips_.repeats(outcomes) &&
         tips_not_lead_.repeats(outcomes));
    if (!counted)
        return false;
    ++f.line_feeds;
    if (outcomes != 0) {
        ++f.lines_with_outcomes;
        f.last.line = f.lines;
        f.last.outcomes = f.last.tips = outcomes;
        f.last.lead_tips = 0;
        f.last.letters = false;
        f.last.causes = 0;
        start_at(last_, text_, start);
        tips_.add_again(outcomes);
        tips_not_lead_.add_again(outcomes);
        line_windows &w = f.windows;
        static_cast<line_counts &>(w.tail[w.tail_next]) = f.last;
        start_at(tail_starts_[w.tail_next], text_, start);
        w.tail_next = w.tail_next + 1 == line_windows::LINES ? 0 : w.tail_next + 1;
        w.tail_count = std::min(w.tail_count + 1, line_windows::LINES);
    }
    ++f.lines;
    start_at(current_, text_, end + 1);
    return true;
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
    if (token_.open && ((m.outcomes | m.words) & 1) == 0) {
        // Past a line's second word, a word of outcomes alone ("1", "x",
        // "1x2") that no mark follows closes without a trace.
        if (line_.tokens >= 2 && !token_.letter && !token_.digit && !line_.group_open &&
            !line_.label_waits)
            token_.open = false;
        else
            close_token(p, text_.bytes + text_.count);
    }
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
