// The tally of each line for sysorient-check: the text as the reader hands
// it over. Text goes through 64 bytes at a time: chunks classified by the
// reader's own path, a batch at a time, and counted from their masks where
// they can only add tips and end lines (tally_chunks.cpp); any other chunk
// goes byte by byte through BYTE_CLASSES (the byte way, here). Words and
// numbers are in tally_words.cpp, lines in tally_lines.cpp. The tests hold
// the two ways to each other at every place of a chunk.
//
// A line's start is kept as a pointer into the text while the text lasts,
// and copied only when the text ends: a quote is made of it only for a line
// that a fact names.
#include "check/line_tally.h"

#include "check/tally_quotes.h"
#include "read/byte_classes.h"

#include <algorithm>
#include <cstring>

namespace sysorient {
namespace {

bool printable_or_line_end(unsigned char b)
{
    return (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\r' || b == LINE_END_BYTE;
}

// The quote is the tail's first line with text, as an editor shows it.
void tail_byte(utf16_tail &tail, unsigned char b)
{
    const bool line_end = b == '\r' || b == LINE_END_BYTE;
    line_quote &q = tail.start;
    tail.quoted = tail.quoted || (line_end && q.length != 0);
    if (!tail.quoted && !line_end && q.length < QUOTE_TEXT)
        q.bytes[q.length++] = b;
    ++tail.length;
    tail.printable = tail.printable && printable_or_line_end(b);
    tail.cr_lf = tail.cr_lf || (tail.last == '\r' && b == LINE_END_BYTE);
    tail.outcome = tail.outcome || BYTE_CLASSES[b] <= OUTCOME_MAX;
    tail.last = b;
}

void clear_tail(utf16_tail &tail)
{
    tail.length = 0;
    tail.start.length = 0;
    tail.start.encoding = text_encoding::bytes;
    tail.printable = true;
    tail.cr_lf = tail.outcome = tail.quoted = false;
    tail.last = -1;
}

// Code unit i of UTF-16 text, as a number.
unsigned unit_at(const watched_text &t, std::size_t i)
{
    const unsigned first = t.units[2 * i];
    const unsigned second = t.units[2 * i + 1];
    return t.big_endian ? first << 8 | second : second << 8 | first;
}

void text_of(void *tally, const watched_text &t) { static_cast<line_tally *>(tally)->text(t); }
void end_of(void *tally, watch_end how, int odd_byte)
{
    static_cast<line_tally *>(tally)->end(how, odd_byte);
}

} // namespace

// --- Starting and finishing ---

void line_tally::start(classifier classify_chunks)
{
    classify_chunks_ = classify_chunks;
    tips_.clear();
    tips_not_lead_.clear();
    facts_ = tally_facts{};
    facts_.tips = &tips_;
    facts_.tips_not_lead = &tips_not_lead_;
    facts_.lines = 1;
    facts_.ending = watch_end::whole;
    clear_tail(facts_.tail);
    run_ = number_run{};
    reset_line();
    token_.open = false;
    current_.at = last_.at = end_mark_.at = nullptr;
    current_.length = last_.length = end_mark_.length = 0;
    text_ = watched_text{nullptr, 0, nullptr, false};
    pending_cr_ = ended_ = false;
    pending_mark_ = -1;
}

text_watcher line_tally::watcher() { return {text_of, end_of, this}; }

void line_tally::end(watch_end how, int odd_byte)
{
    facts_.ending = how;
    if (odd_byte >= 0) {
        tail_byte(facts_.tail, static_cast<unsigned char>(odd_byte));
        facts_.after_end_mark += ended_ ? 1 : 0;
    }
}

const tally_facts &line_tally::finish()
{
    static const unsigned char nothing = ' ';
    if (!ended_) {
        if (pending_cr_)
            lone_cr();
        settle_pending_mark(&nothing);
        end_line(&nothing, &nothing + 1);
    }
    if (run_.lines > facts_.numbers.lines)
        facts_.numbers = run_;
    const quote_how how{facts_.utf16, text_.big_endian, false};
    facts_.last.quote = quote_of(last_, text_, how);
    if (facts_.end_mark)
        facts_.end_mark_line.quote = quote_of(end_mark_, text_, {how.utf16, how.big_endian, true});
    line_windows &w = facts_.windows;
    for (int i = 0; i < w.tail_count; ++i)
        w.tail[i].quote = quote_of(tail_starts_[i], text_, how);
    return facts_;
}

// --- Text ---

void line_tally::text(const watched_text &t)
{
    text_ = t;
    facts_.utf16 = facts_.utf16 || t.units != nullptr;
    facts_.bytes += static_cast<std::int64_t>(t.count);
    note_head(t);
    note_tail(t);
    if (t.count == 0)
        return;
    const unsigned char *p = t.bytes;
    const unsigned char *const text_end = t.bytes + t.count;
    if (ended_) {
        continue_start(end_mark_, text_);
        after_end_mark(p, text_end);
        return;
    }
    continue_start(current_, text_);
    if (token_.open && token_.at == nullptr && token_.kept < TOKEN_MAX)
        copy_token();
    carry_text_on(p);
    p = chunks(p, text_end);
    if (!ended_)
        scan(p, text_end);
    keep_what_the_text_holds();
}

// Before the text ends: copies of what points into it.
void line_tally::keep_what_the_text_holds()
{
    copy_start(current_, text_);
    copy_start(last_, text_);
    copy_start(end_mark_, text_);
    for (line_start &s : tail_starts_)
        copy_start(s, text_);
    if (token_.at != nullptr)
        copy_token();
}

// What the text before left open: a CR, or a mark after a number, at its end.
void line_tally::carry_text_on(const unsigned char *p)
{
    settle_pending_mark(p);
    if (pending_cr_) {
        pending_cr_ = false;
        if (*p != LINE_END_BYTE)
            lone_cr();
    }
}

// The zero bytes near the start of a file without a UTF-16 mark.
void line_tally::note_head(const watched_text &t)
{
    if (facts_.utf16)
        return;
    const auto n = std::min<std::size_t>(
        t.count, static_cast<std::size_t>(tally_facts::HEAD - facts_.head_length));
    for (std::size_t i = 0; i < n; ++i)
        facts_.head_zeros[facts_.head_length++ % 2] += t.bytes[i] == 0 ? 1 : 0;
}

// The code units after the last ASCII one, as single bytes: only the text
// behind the last ASCII code unit of the file counts.
void line_tally::note_tail(const watched_text &t)
{
    if (t.units == nullptr)
        return;
    std::size_t from = t.count;
    while (from > 0 && unit_at(t, from - 1) >= 0x80)
        --from;
    if (from > 0)
        clear_tail(facts_.tail);
    for (std::size_t i = 2 * from; i < 2 * t.count; ++i)
        tail_byte(facts_.tail, t.units[i]);
}

// The bytes of the file after the end mark: in UTF-16, two a code unit.
void line_tally::after_end_mark(const unsigned char *p, const unsigned char *end)
{
    facts_.after_end_mark += (end - p) * (text_.units != nullptr ? 2 : 1);
    for (; p < end; ++p) {
        const unsigned char c = BYTE_CLASSES[*p];
        facts_.outcomes_after_end_mark += c <= OUTCOME_MAX ? 1 : 0;
        const bool blank =
            c == LINE_END || c == END_MARK_CLASS || c == CR || *p == ' ' || *p == '\t' || *p == 0;
        facts_.text_after_end_mark = facts_.text_after_end_mark || !blank;
    }
}

// --- The byte way ---

void line_tally::lone_cr()
{
    ++facts_.lone_crs;
    if (line_.outcomes != 0)
        line_.lone_cr = true;
}

void line_tally::add_outcomes(std::int64_t n)
{
    if (n != 0 && line_.lone_cr)
        line_.cr_inside = true;
    line_.outcomes += n;
}

void line_tally::carriage_return(const unsigned char *p)
{
    if (text_.bytes + text_.count - p > 1) {
        if (p[1] != LINE_END_BYTE)
            lone_cr();
    } else {
        pending_cr_ = true;
    }
}

// Byte by byte, through the classes, up to end.
void line_tally::scan(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *const text_end = text_.bytes + text_.count;
    for (; p < end; ++p) {
        const unsigned char c = BYTE_CLASSES[*p];
        if (c <= OUTCOME_MAX || c == LETTER || c == DIGIT) {
            line_.has_word = line_.has_word || c > OUTCOME_MAX;
            line_.letters = line_.letters || c == LETTER;
            add_outcomes(c <= OUTCOME_MAX ? 1 : 0);
            add_to_token(p, c);
            continue;
        }
        close_token(p, text_end);
        if (c == LINE_END) {
            line_end(p);
        } else if (c == END_MARK_CLASS) {
            end_mark(p);
            return;
        } else if (c == CR) {
            carriage_return(p);
        }
    }
}

} // namespace sysorient
