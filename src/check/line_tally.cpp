// The tally of each line for sysorient-check. Text goes through 64 bytes at
// a time: a chunk whose bytes can only add outcomes to lines and end lines
// is counted from its masks (the chunk way); any other chunk (words beside
// outcomes, the end mark, a CR without LF, a word carried in from the chunk
// before) goes byte by byte through the check's classes (the byte way).
// Both take their classes from byte_classes.h (the chunk way through the
// reader's path), and the tests hold the two ways to each other at every
// place of a chunk.
//
// A line's start is kept as a pointer into the text while the text lasts,
// and copied only when the text ends: a quote is made of it only for a line
// that a note names.
#include "check/line_tally.h"

#include "read/byte_classes.h"

#include <algorithm>
#include <cstring>

namespace sysorient {
namespace {

#include "bits.h"

constexpr int CHUNK = MASK_BITS;

bool is_outcome(unsigned char b) { return BYTE_CLASSES[b] <= OUTCOME_MAX; }

template <class Note> Note *add_note(notes<Note> &n)
{
    return n.total++ < NOTES_KEPT ? &n.first[n.total - 1] : nullptr;
}

bool printable_or_line_end(unsigned char b)
{
    return (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\r' || b == LINE_END_BYTE;
}

void tail_byte(utf16_tail &tail, unsigned char b)
{
    if (tail.length < QUOTE_TEXT)
        tail.start.bytes[tail.length] = b;
    ++tail.length;
    tail.start.length = static_cast<int>(std::min<std::int64_t>(tail.length, QUOTE_TEXT));
    tail.printable = tail.printable && printable_or_line_end(b);
    tail.cr_lf = tail.cr_lf || (tail.last == '\r' && b == LINE_END_BYTE);
    tail.outcome = tail.outcome || is_outcome(b);
    tail.last = b;
}

void clear_tail(utf16_tail &tail)
{
    tail.length = 0;
    tail.start.length = 0;
    tail.start.encoding = text_encoding::bytes;
    tail.printable = true;
    tail.cr_lf = tail.outcome = false;
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

// A line start's places as far as they are known: text and code units.
struct start_view {
    const unsigned char *text;
    const unsigned char *units;
    int length;
};

} // namespace

// --- The histogram of counts ---

std::int64_t count_histogram::bin_of(std::int64_t outcomes) { return std::min(outcomes, BINS - 1); }

void count_histogram::clear()
{
    std::fill(bins_, bins_ + top_ + 1, 0);
    top_ = 0;
}

void count_histogram::add(std::int64_t outcomes)
{
    const std::int64_t bin = bin_of(outcomes);
    ++bins_[bin];
    top_ = std::max(top_, bin);
}

std::int64_t count_histogram::lines_with(std::int64_t outcomes) const
{
    return outcomes < 0 ? 0 : bins_[bin_of(outcomes)];
}

// --- Starting and finishing ---

void line_tally::start(classifier classify_chunks)
{
    classify_chunks_ = classify_chunks;
    counts_.clear();
    facts_ = tally_facts{};
    facts_.counts = &counts_;
    facts_.lines = 1;
    facts_.ending = watch_end::whole;
    clear_tail(facts_.tail);
    line_ = line_state{};
    token_ = token_state{};
    current_.at = last_.at = end_mark_.at = nullptr;
    current_.length = last_.length = end_mark_.length = 0;
    text_ = watched_text{nullptr, 0, nullptr, false};
    group_ = nullptr;
    pending_cr_ = pending_dot_ = ended_ = false;
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
    if (!ended_) {
        if (pending_cr_)
            lone_cr();
        static const unsigned char nothing = ' ';
        close_token(&nothing, &nothing + 1);
        end_line();
    }
    facts_.last.quote = quote_of(last_);
    if (facts_.end_mark)
        facts_.end_mark_line.quote = quote_of(end_mark_, true);
    return facts_;
}

// --- Quotes ---

// Copies what the current text holds of a line start that points into it.
void line_tally::copy_start(line_start &s) const
{
    if (s.at == nullptr)
        return;
    const auto n = static_cast<int>(
        std::min<std::ptrdiff_t>(line_start::PLACES, text_.bytes + text_.count - s.at));
    std::memcpy(s.text, s.at, static_cast<std::size_t>(n));
    if (s.units != nullptr)
        std::memcpy(s.units_copy, s.units, 2 * static_cast<std::size_t>(n));
    s.length = n;
    s.at = nullptr;
}

// A copied line start goes on into the current text, up to its size.
void line_tally::continue_start(line_start &s) const
{
    if (s.at != nullptr || s.length == line_start::PLACES)
        return;
    const auto n =
        static_cast<int>(std::min<std::size_t>(line_start::PLACES - s.length, text_.count));
    std::memcpy(s.text + s.length, text_.bytes, static_cast<std::size_t>(n));
    if (text_.units != nullptr)
        std::memcpy(s.units_copy + 2 * static_cast<std::ptrdiff_t>(s.length), text_.units,
                    2 * static_cast<std::size_t>(n));
    s.length += n;
}

// The quote of a finished line: up to its line end, without the CR of a CR
// LF, and without the end mark unless through_end_mark.
line_quote line_tally::quote_of(const line_start &s, bool through_end_mark) const
{
    start_view v{s.text, s.units_copy, s.length};
    if (s.at != nullptr)
        v = {s.at, s.units,
             static_cast<int>(
                 std::min<std::ptrdiff_t>(line_start::PLACES, text_.bytes + text_.count - s.at))};
    const auto cut_at = [&v](unsigned char c) {
        const void *found = std::memchr(v.text, c, static_cast<std::size_t>(v.length));
        if (found == nullptr)
            return false;
        v.length = static_cast<int>(static_cast<const unsigned char *>(found) - v.text);
        return true;
    };
    if (cut_at(LINE_END_BYTE) && v.length > 0 && v.text[v.length - 1] == '\r')
        --v.length;
    if (!through_end_mark)
        cut_at(END_MARK_BYTE);
    const int places = std::min(v.length, QUOTE_TEXT);
    line_quote q{};
    if (facts_.utf16) {
        q.encoding = text_.big_endian ? text_encoding::utf16be : text_encoding::utf16le;
        q.length = 2 * places;
        std::memcpy(q.bytes, v.units, static_cast<std::size_t>(q.length));
    } else {
        q.length = places;
        std::memcpy(q.bytes, v.text, static_cast<std::size_t>(q.length));
    }
    return q;
}

// --- Text ---

void line_tally::text(const watched_text &t)
{
    text_ = t;
    facts_.utf16 = facts_.utf16 || t.units != nullptr;
    facts_.bytes += static_cast<std::int64_t>(t.count);
    note_head(t);
    note_tail(t);
    const unsigned char *p = t.bytes;
    const unsigned char *const text_end = t.bytes + t.count;
    if (t.count == 0)
        return;
    if (ended_) {
        continue_start(end_mark_);
        after_end_mark(p, text_end);
        return;
    }
    continue_start(current_);
    if (token_.open && token_.at == nullptr && token_.kept < TOKEN_MAX)
        copy_token();
    carry_text_on(p);
    p = chunks(p, text_end);
    if (!ended_)
        scan(p, text_end);
    copy_start(current_);
    copy_start(last_);
    copy_start(end_mark_);
    if (token_.at != nullptr)
        copy_token();
}

// The whole chunks of the text, classified a batch at a time, each the
// chunk way or the byte way; returns where they end.
const unsigned char *line_tally::chunks(const unsigned char *p, const unsigned char *text_end)
{
    while (text_end - p >= CHUNK && !ended_) {
        const auto count = std::min<std::ptrdiff_t>(BATCH, (text_end - p) / CHUNK);
        classify_chunks_(p, static_cast<std::size_t>(count), batch_);
        for (std::ptrdiff_t c = 0; c < count && !ended_; ++c, p += CHUNK) {
            const chunk_classes &m = batch_[c];
            if (quiet(m))
                quiet_chunk(p, m);
            else if (plain(m))
                count_chunk(p, m);
            else
                scan(p, p + CHUNK);
        }
    }
    return p;
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

// What the text before left open: a '.' after a number, or a CR, at its end.
void line_tally::carry_text_on(const unsigned char *p)
{
    if (pending_dot_) {
        pending_dot_ = false;
        line_.label = line_.label || *p == ' ';
    }
    if (pending_cr_) {
        pending_cr_ = false;
        if (*p != LINE_END_BYTE)
            lone_cr();
    }
}

// --- Lines ---

void line_tally::start_line(const unsigned char *at)
{
    current_.at = at;
    current_.units = text_.units == nullptr ? nullptr : text_.units + 2 * (at - text_.bytes);
    current_.length = 0;
}

// A line ends at a line end, at the end mark, or at the end of the input.
void line_tally::end_line()
{
    if (line_.unquoted_count != 0) {
        const line_quote q = quote_of(current_);
        for (int i = 0; i < line_.unquoted_count; ++i)
            line_.unquoted[i]->quote = q;
        line_.unquoted_count = 0;
    }
    if (line_.outcomes != 0) {
        count_line();
        last_.at = current_.at;
        last_.units = current_.units;
        if (current_.at == nullptr) {
            last_.length = current_.length;
            std::memcpy(last_.text, current_.text, sizeof last_.text);
            std::memcpy(last_.units_copy, current_.units_copy, sizeof last_.units_copy);
        }
    }
    line_.outcomes = 0;
    line_.has_word = line_.lone_cr = line_.cr_inside = line_.label = false;
}

count_group *line_tally::group_of(std::int64_t outcomes)
{
    for (int g = 0; g < facts_.group_count; ++g)
        if (facts_.groups[g].outcomes == outcomes)
            return &facts_.groups[g];
    if (facts_.group_count == tally_facts::GROUPS)
        return nullptr;
    count_group *g = &facts_.groups[facts_.group_count++];
    g->outcomes = outcomes;
    g->lines.total = 0;
    return g;
}

void line_tally::count_line()
{
    tally_facts &f = facts_;
    f.before_last = f.lines_with_outcomes == 0 ? 0 : f.last.outcomes;
    ++f.lines_with_outcomes;
    f.max_outcomes = std::max(f.max_outcomes, line_.outcomes);
    f.last.line = f.lines;
    f.last.outcomes = line_.outcomes;
    counts_.add(line_.outcomes);
    if (group_ == nullptr || group_->outcomes != line_.outcomes)
        group_ = group_of(line_.outcomes);
    if (group_ != nullptr && group_->lines.total < NOTES_KEPT)
        group_->lines.first[group_->lines.total] = {f.lines, line_.outcomes, quote_of(current_)};
    if (group_ != nullptr)
        ++group_->lines.total;
    if (line_.cr_inside)
        if (line_note *n = add_note(f.cr_inside))
            *n = {f.lines, line_.outcomes, quote_of(current_)};
    if (line_.label && line_.has_word) {
        if (token_note *n = add_note(f.labels)) {
            *n = line_.label_note;
            n->quote = quote_of(current_);
        }
    }
}

void line_tally::line_end(const unsigned char *p)
{
    ++facts_.line_feeds;
    end_line();
    ++facts_.lines;
    start_line(p + 1);
}

void line_tally::end_mark(const unsigned char *p)
{
    ended_ = true;
    facts_.end_mark = true;
    facts_.end_mark_line.line = facts_.lines;
    end_mark_.at = current_.at;
    end_mark_.units = current_.units;
    end_mark_.length = current_.length;
    if (current_.at == nullptr) {
        std::memcpy(end_mark_.text, current_.text, sizeof end_mark_.text);
        std::memcpy(end_mark_.units_copy, current_.units_copy, sizeof end_mark_.units_copy);
    }
    end_line();
    after_end_mark(p + 1, text_.bytes + text_.count);
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

// --- Words and numbers ---

void line_tally::open_token(const unsigned char *at)
{
    token_.open = true;
    token_.outcome = token_.other = false;
    token_.at = at;
    token_.kept = 0;
    token_.length = token_.outcomes = 0;
}

void line_tally::add_to_token(const unsigned char *p, bool outcome)
{
    if (!token_.open)
        open_token(p);
    ++token_.length;
    token_.outcomes += outcome ? 1 : 0;
    (outcome ? token_.outcome : token_.other) = true;
}

// An open word's first bytes, copied before the text ends; at the start
// of the next text, it goes on there.
void line_tally::copy_token()
{
    if (!token_.open)
        return;
    const unsigned char *from = token_.at != nullptr ? token_.at : text_.bytes;
    const std::ptrdiff_t available = text_.bytes + text_.count - from;
    const auto n = std::min<std::ptrdiff_t>(TOKEN_MAX - token_.kept, available);
    if (n > 0) {
        std::memcpy(token_.bytes + token_.kept, from, static_cast<std::size_t>(n));
        token_.kept += static_cast<int>(n);
    }
    token_.at = nullptr;
}

// The current word or number as a note of its line (quoted at the line's
// end); after is the mark that ends a number in a label, or 0.
token_note line_tally::current_token(unsigned char after) const
{
    token_note n{};
    n.line = facts_.lines;
    n.token_length = token_.length;
    n.outcomes = token_.outcomes;
    if (token_.at == nullptr) {
        std::memcpy(n.token, token_.bytes, static_cast<std::size_t>(token_.kept));
    } else {
        const std::ptrdiff_t available = text_.bytes + text_.count - token_.at;
        std::memcpy(n.token, token_.at,
                    static_cast<std::size_t>(std::min<std::ptrdiff_t>(TOKEN_MAX, available)));
    }
    n.after = after;
    return n;
}

// A word or number that holds outcome characters beside other letters or digits.
void line_tally::note_word()
{
    if (token_note *n = add_note(facts_.words)) {
        *n = current_token(0);
        line_.unquoted[line_.unquoted_count++] = n;
    }
}

// The word or number ends before p; the byte at p (and the one after it,
// when it is in the text: end) tell whether it was a number in a label.
void line_tally::close_token(const unsigned char *p, const unsigned char *end)
{
    if (!token_.open)
        return;
    token_.open = false;
    const unsigned char c = BYTE_CLASSES[*p];
    if (token_.outcome && token_.other) {
        note_word();
    } else if (token_.outcome && !line_.label && (c == COLON || c == DOT)) {
        line_.label_note = current_token(*p);
        // After '.', a blank must follow; it may be in the next text.
        if (c == COLON || (end - p > 1 && p[1] == ' '))
            line_.label = true;
        else if (end - p == 1)
            pending_dot_ = true;
    }
}

// --- The byte way ---

// Byte by byte, through the check's classes, up to end.
void line_tally::scan(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *const text_end = text_.bytes + text_.count;
    for (; p < end; ++p) {
        const unsigned char c = BYTE_CLASSES[*p];
        if (c <= OUTCOME_MAX || c == WORD) {
            line_.has_word = line_.has_word || c == WORD;
            add_outcomes(c <= OUTCOME_MAX ? 1 : 0);
            add_to_token(p, c <= OUTCOME_MAX);
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

// --- The chunk way ---

// Whether the chunk only goes on with lines that hold no outcome: it holds
// none itself, nor an end mark, CR, ':' or '.', and the line it goes on
// with holds none so far, nor a word or number with an outcome.
bool line_tally::quiet(const chunk_classes &m) const
{
    return (m.outcomes | m.end_marks | m.crs | m.label_ends) == 0 && line_.outcomes == 0 &&
           line_.unquoted_count == 0 && !(token_.open && token_.outcome);
}

// A quiet chunk: its line ends counted, its words looked at for the line
// and the word it leaves open.
void line_tally::quiet_chunk(const unsigned char *p, const chunk_classes &m)
{
    token_.open = token_.open && (m.words & 1) != 0;
    lines_without_outcomes(p, m);
    carry_token(p, m);
}

// Whether the chunk can be counted from its masks alone: no end mark, no CR
// without LF, no outcome character right before ':' or '.' (a number in a
// label, perhaps), and no word or number that could hold an outcome beside a
// letter or digit, in the chunk or carried in from the one before.
bool line_tally::plain(const chunk_classes &m) const
{
    const std::uint64_t alnum = m.outcomes | m.words;
    if (m.end_marks != 0 || (m.crs & ~(m.line_ends >> 1)) != 0)
        return false;
    const std::uint64_t carried_outcome = token_.open && token_.outcome ? 1 : 0;
    if (((m.outcomes << 1 | carried_outcome) & m.label_ends) != 0)
        return false;
    if (m.outcomes != 0 && (m.words != 0 || line_.has_word))
        return false;
    if (token_.open && (alnum & 1) != 0)
        return m.words != 0 ? !token_.outcome : !token_.other;
    return true;
}

// A chunk without outcomes on a line without them: the lines that end in
// it hold none, and are only counted.
void line_tally::lines_without_outcomes(const unsigned char *p, const chunk_classes &m)
{
    if (m.line_ends == 0) {
        line_.has_word = line_.has_word || m.words != 0;
        return;
    }
    const int last = highest_bit(m.line_ends);
    int lines = 0;
    for (std::uint64_t ends = m.line_ends; ends != 0; ends &= ends - 1)
        ++lines; // few: no popcount
    facts_.line_feeds += lines;
    facts_.lines += lines;
    line_.has_word = last + 1 < CHUNK && (m.words >> (last + 1)) != 0;
    line_.lone_cr = line_.label = false;
    start_line(p + last + 1);
}

// The lines that end in a plain chunk, and the start of the one it leaves open.
void line_tally::chunk_lines(const unsigned char *p, const chunk_classes &m)
{
    std::uint64_t line_ends = m.line_ends;
    int from = 0;
    for (; line_ends != 0; line_ends &= line_ends - 1) {
        const int at = lowest_bit(line_ends);
        const std::uint64_t part = bit_range(from, at);
        add_outcomes(set_bits(m.outcomes & part));
        line_.has_word = line_.has_word || (m.words & part) != 0;
        line_end(p + at);
        from = at + 1;
    }
    const std::uint64_t rest = bit_range(from, CHUNK);
    if ((m.outcomes & rest) != 0)
        add_outcomes(set_bits(m.outcomes & rest));
    line_.has_word = line_.has_word || (m.words & rest) != 0;
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
    token_.other = token_.other || (m.words & run) != 0;
    token_.length += CHUNK - first;
}

// A plain chunk: outcomes and line ends counted from the masks.
void line_tally::count_chunk(const unsigned char *p, const chunk_classes &m)
{
    if (token_.open && ((m.outcomes | m.words) & 1) == 0)
        close_token(p, text_.bytes + text_.count);
    if (m.outcomes == 0 && line_.outcomes == 0 && line_.unquoted_count == 0)
        lines_without_outcomes(p, m);
    else
        chunk_lines(p, m);
    carry_token(p, m);
}

} // namespace sysorient
