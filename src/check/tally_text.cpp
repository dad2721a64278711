// The tally's text, as the reader hands it over: held until its first
// bytes decide the file's encoding, then read through. A line without an
// outcome so far is passed over to its next outcome or its end, and only
// then read a character at a time; a run of tips between blanks is counted
// at once; everything else goes a character at a time (step). Passing over
// and the runs are no second way: each ends where a character needs more
// than counting, and leaves the same facts that steps would. Words and
// numbers are in tally_words.cpp, lines in tally_lines.cpp.
//
// A line's start is kept as a pointer into the text while the text lasts,
// and copied only when the text ends: a quote is made of it only for a line
// that a fact names.
#include "check/line_tally.h"

#include "check/tally_quotes.h"

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
    tail.start.encoding = text_encoding::windows_1252;
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

// 1 for the bytes that a line without outcomes is passed over up to.
constexpr std::array<unsigned char, 256> PASS_STOP_BYTES = [] {
    std::array<unsigned char, 256> stops{};
    for (unsigned b = 0; b < 256; ++b)
        stops[b] = TEXT_CLASSES[b] <= PASS_STOPS ? 1 : 0;
    return stops;
}();

void text_of(void *tally, const watched_text &t) { static_cast<line_tally *>(tally)->text(t); }
void end_of(void *tally, watch_end how, int odd_byte)
{
    static_cast<line_tally *>(tally)->end(how, odd_byte);
}

} // namespace

// --- Starting and finishing ---

void line_tally::start()
{
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
    decided_ = pending_cr_ = ended_ = whole_ = false;
    head_count_ = 0;
    cut_count_ = 0;
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
    whole_ = true;
    if (!decided_)
        decide_encoding();
    if (cut_count_ != 0)
        process({nullptr, 0, nullptr, text_.big_endian});
    if (!ended_) {
        if (pending_cr_)
            lone_cr();
        end_line();
    }
    if (run_.lines > facts_.numbers.lines)
        facts_.numbers = run_;
    const quote_how how{facts_.encoding, false};
    facts_.last.quote = quote_of(last_, text_, how);
    if (facts_.end_mark)
        facts_.end_mark_line.quote = quote_of(end_mark_, text_, {how.encoding, true});
    line_windows &w = facts_.windows;
    for (int i = 0; i < w.tail_count; ++i)
        w.tail[i].quote = quote_of(tail_starts_[i], text_, how);
    return facts_;
}

// --- Text ---

void line_tally::text(const watched_text &t)
{
    facts_.utf16 = facts_.utf16 || t.units != nullptr;
    facts_.bytes += static_cast<std::int64_t>(t.count);
    note_head(t);
    note_tail(t);
    if (t.count == 0)
        return;
    if (!decided_ && t.units != nullptr) {
        decided_ = true;
        facts_.encoding = t.big_endian ? text_encoding::utf16be : text_encoding::utf16le;
    }
    if (!decided_ && head_count_ == 0 && t.count >= ENCODING_HEAD) {
        // The first bytes are all here, as a file's first block brings them.
        decided_ = true;
        facts_.encoding = encoding_of(t.bytes, ENCODING_HEAD, false);
    }
    if (decided_) {
        process(t);
        return;
    }
    const std::size_t n = std::min(t.count, ENCODING_HEAD - head_count_);
    std::memcpy(head_ + head_count_, t.bytes, n);
    head_count_ += n;
    if (head_count_ < ENCODING_HEAD)
        return;
    decide_encoding();
    process({t.bytes + n, t.count - n, nullptr, false});
}

// From the first bytes, which are then read.
void line_tally::decide_encoding()
{
    decided_ = true;
    facts_.encoding = encoding_of(head_, head_count_, whole_);
    process({head_, head_count_, nullptr, false});
}

void line_tally::process(const watched_text &t)
{
    watched_text rest = t;
    if (cut_count_ != 0)
        splice(rest);
    const std::size_t cut = cut_places(rest);
    if (cut != 0) {
        cut_count_ = static_cast<int>(cut);
        rest.count -= cut;
        std::memmove(cut_, rest.bytes + rest.count, cut);
        if (rest.units != nullptr)
            std::memmove(cut_units_, rest.units + 2 * rest.count, 2 * cut);
    }
    read_text(rest);
}

void line_tally::read_text(const watched_text &t)
{
    if (t.count == 0)
        return;
    text_ = t;
    const unsigned char *const text_end = t.bytes + t.count;
    if (ended_) {
        continue_start(end_mark_, text_);
        after_end_mark(t.bytes, text_end);
        return;
    }
    continue_start(current_, text_);
    if (token_.open && token_.at == nullptr)
        copy_token();
    scan(t.bytes, text_end);
    keep_what_the_text_holds();
}

// The places at the end of a text that a character takes which goes on
// past it (UTF-8 or UTF-16 only), to be read with the next text.
std::size_t line_tally::cut_places(const watched_text &t) const
{
    const text_encoding e = facts_.encoding;
    if (whole_ || t.count == 0)
        return 0;
    if (t.units != nullptr)
        return cut_at_end(e, t.units, 2 * t.count, 2 * (t.count - 1)) ? 1 : 0;
    for (std::size_t back = 1; e == text_encoding::utf8 && back <= 3 && back <= t.count; ++back) {
        const unsigned char b = t.bytes[t.count - back];
        if (b < 0x80 || b >= 0xC0)
            return cut_at_end(e, t.bytes, t.count, t.count - back) ? back : 0;
    }
    return 0;
}

// The character that the last text's end cut, read with what this text
// (t) holds of it, as a text of its own; t moves past what it took. A
// character that the end of that cuts again goes back to t.
void line_tally::splice(watched_text &t)
{
    const bool utf16 = facts_.utf16;
    const auto old = static_cast<std::size_t>(cut_count_);
    std::size_t wanted = 1; // the second unit of a surrogate pair
    if (!utf16)
        wanted = (cut_[0] >= 0xF0 ? 4 : cut_[0] >= 0xE0 ? 3 : 2) - old;
    std::size_t taken = std::min(wanted, t.count);
    if (taken != 0) {
        std::memcpy(cut_ + old, t.bytes, taken);
        if (utf16)
            std::memcpy(cut_units_ + 2 * old, t.units, 2 * taken);
    }
    watched_text joined{cut_, old + taken, utf16 ? cut_units_ : nullptr, t.big_endian};
    const std::size_t cut = cut_places(joined);
    if (cut == joined.count) { // still cut: t has no more
        cut_count_ = static_cast<int>(joined.count);
        t.count = 0;
        return;
    }
    taken -= cut;
    joined.count -= cut;
    cut_count_ = 0;
    t.bytes += taken;
    t.count -= taken;
    if (t.units != nullptr)
        t.units += 2 * taken;
    read_text(joined);
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
    tally_facts &f = facts_;
    for (; p < end; ++p) {
        const unsigned char c = TEXT_CLASSES[*p];
        f.outcomes_after_end_mark += c == TIP ? 1 : 0;
        const bool blank = c == LINE_FEED || c == END_OF_INPUT || c == CR || c == BLANK || *p == 0;
        f.text_after_end_mark = f.text_after_end_mark || !blank;
        f.lines_after_end_mark += !blank && !f.line_has_text ? 1 : 0;
        f.line_has_text = c != LINE_FEED && (f.line_has_text || !blank);
    }
}

// --- Reading ---

void line_tally::scan(const unsigned char *p, const unsigned char *end)
{
    while (p < end && !ended_) {
        if (line_.outcomes == 0) {
            p = pass_line(p, end);
        } else if (line_.lead == lead_place::done && !token_.open && line_.mark_waits == 0 &&
                   !line_.label_waits && !pending_cr_ && !line_.counting) {
            p = tips_run(p, end);
            if (p < end)
                p = step(p, end);
        } else {
            p = step(p, end);
        }
    }
}

// A line without an outcome so far, passed over to its end, or else read
// a character at a time up to its first outcome, the end mark or the end
// of the text. A line that has none holds nothing that is counted.
const unsigned char *line_tally::pass_line(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *q = p;
    const auto stop = [](unsigned char b) { return PASS_STOP_BYTES[b]; };
    while (end - q >= 8 && (stop(q[0]) | stop(q[1]) | stop(q[2]) | stop(q[3]) | stop(q[4]) |
                            stop(q[5]) | stop(q[6]) | stop(q[7])) == 0)
        q += 8;
    while (q < end && stop(*q) == 0)
        ++q;
    if (q < end && TEXT_CLASSES[*q] == LINE_FEED) {
        pending_cr_ = false;
        line_end(q);
        return q + 1;
    }
    const unsigned char *const to = q < end ? q + 1 : end;
    while (p < to && !ended_)
        p = step(p, to);
    return p;
}

// Tips between blanks, counted at once; a word that the run does not end
// is read from its start a character at a time, as what follows it may
// make it more than tips.
const unsigned char *line_tally::tips_run(const unsigned char *p, const unsigned char *end)
{
    const unsigned char *token = p;
    std::int64_t outcomes = 0;
    for (; p < end; ++p) {
        const unsigned char c = TEXT_CLASSES[*p];
        if (c == TIP)
            ++outcomes;
        else if (c == BLANK)
            token = p + 1;
        else
            break;
    }
    add_outcomes(outcomes - (p - token));
    return token;
}

// One character, or a run of word characters of one class.
const unsigned char *line_tally::step(const unsigned char *p, const unsigned char *end)
{
    unsigned char c = TEXT_CLASSES[*p];
    const unsigned char *next = p + 1;
    if (c == HIGH)
        next = decode(p, end, c);
    if (pending_cr_) {
        pending_cr_ = false;
        if (c != LINE_FEED)
            lone_cr();
    }
    if (c == TIP || c == DIGIT || c == LETTER)
        return word_run(p, c == LETTER && *p >= 0x80 ? next : end, c);
    separator(p, c);
    return next;
}

// The character from p on, as the file's encoding gives it: its class
// (LETTER, BLANK, DASH or OTHER) into c; returns where the next begins.
const unsigned char *line_tally::decode(const unsigned char *p, const unsigned char *end,
                                        unsigned char &c) const
{
    const bool utf16 = text_.units != nullptr;
    const auto at = static_cast<std::size_t>(p - text_.bytes);
    const unsigned char *bytes = utf16 ? text_.units + 2 * at : p;
    const auto length = static_cast<std::size_t>(end - p) * (utf16 ? 2 : 1);
    std::size_t i = 0;
    const char32_t character = character_at(facts_.encoding, bytes, length, i);
    static constexpr unsigned char CLASS_OF[] = {LETTER, BLANK, DASH, OTHER};
    c = CLASS_OF[static_cast<int>(part_of_word(character))];
    return p + (utf16 ? i / 2 : i);
}

void line_tally::separator(const unsigned char *p, unsigned char c)
{
    if (token_.open)
        close_token(c, *p);
    else if (line_.mark_waits != 0)
        settle_group(line_.mark_waits, c == BLANK);
    if (c == LINE_FEED)
        line_end(p);
    else if (c == END_OF_INPUT)
        end_mark(p);
    else if (c == CR)
        pending_cr_ = true;
}

void line_tally::lone_cr()
{
    ++line_.lone_crs;
    if (line_.outcomes != 0)
        line_.lone_cr = true;
}

void line_tally::add_outcomes(std::int64_t n)
{
    if (n != 0 && line_.lone_cr)
        line_.causes |= 1U << CR_INSIDE;
    line_.outcomes += n;
}

} // namespace sysorient
