// The tally of each line for sysorient-check. Text goes through 64 bytes at
// a time: a chunk whose bytes can only add outcomes to lines and end lines
// is counted from its masks; any other chunk (words beside outcomes, the
// end mark, a CR without LF, a word carried in from the chunk before) goes
// byte by byte through the check's classes, which are the reader's classes
// with a few more distinctions that the reader does not need.
#include "check/line_tally.h"

#include "read/byte_classes.h"

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__GNUC__) && defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sysorient {
namespace {

#include "bits.h"

// --- Classes ---

// The reader's classes (outcomes 0 to 2, SKIP, LINE_END, END_MARK_CLASS),
// with some skipped bytes told apart: letters and digits that are no
// outcome, CR, and the two marks that may end a number in a label.
enum : unsigned char { WORD = 6, CR = 7, COLON = 8, DOT = 9 };

constexpr bool is_alnum(unsigned b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
}

constexpr std::array<unsigned char, 256> make_check_classes()
{
    std::array<unsigned char, 256> classes = BYTE_CLASSES;
    for (unsigned b = 0; b < 256; ++b) {
        if (classes[b] != SKIP)
            continue;
        if (is_alnum(b))
            classes[b] = WORD;
        else if (b == '\r')
            classes[b] = CR;
        else if (b == ':')
            classes[b] = COLON;
        else if (b == '.')
            classes[b] = DOT;
    }
    return classes;
}

constexpr std::array<unsigned char, 256> CHECK_CLASSES = make_check_classes();

bool is_outcome(unsigned char b) { return CHECK_CLASSES[b] <= OUTCOME_MAX; }

// --- Chunk masks ---

constexpr int CHUNK = MASK_BITS;

// Bit i for byte i of a chunk, by the check's classes.
struct masks {
    std::uint64_t outcomes, line_ends, crs, words, end_marks;
    std::uint64_t label_ends; // ':' and '.', which may end a number in a label
};

#if defined(__GNUC__) && defined(__SSE2__)

// With SSE2 (every x86-64 processor), 16 bytes at a time; a byte mask is
// one movemask.
using bytes16 = unsigned char __attribute__((vector_size(16)));

inline std::uint64_t bits_of(bytes16 v)
{
    return static_cast<std::uint16_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(v)));
}

// The same classes as CHECK_CLASSES, 16 bytes at a time: below '0' a
// difference wraps high, and setting bit 5 makes every capital letter small.
masks classify(const unsigned char *p)
{
    masks m{0, 0, 0, 0, 0, 0};
    for (int i = 0; i < CHUNK; i += 16) {
        bytes16 b;
        std::memcpy(&b, p + i, sizeof b);
        const bytes16 small = b | 0x20;
        const auto outcome = reinterpret_cast<bytes16>(((b - '0') < 3) | (small == 'x'));
        const auto alnum = reinterpret_cast<bytes16>(((b - '0') < 10) | ((small - 'a') < 26));
        m.outcomes |= bits_of(outcome) << i;
        m.words |= bits_of(alnum & ~outcome) << i;
        m.line_ends |= bits_of(reinterpret_cast<bytes16>(b == '\n')) << i;
        m.crs |= bits_of(reinterpret_cast<bytes16>(b == '\r')) << i;
        m.end_marks |= bits_of(reinterpret_cast<bytes16>(b == 0x1A)) << i;
        m.label_ends |= bits_of(reinterpret_cast<bytes16>((b == ':') | (b == '.'))) << i;
    }
    return m;
}

#else

// Elsewhere, through the classes a byte at a time.
masks classify(const unsigned char *p)
{
    masks m{0, 0, 0, 0, 0, 0};
    for (int i = 0; i < CHUNK; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        switch (CHECK_CLASSES[p[i]]) {
        case 0:
        case 1:
        case 2:
            m.outcomes |= bit;
            break;
        case WORD:
            m.words |= bit;
            break;
        case LINE_END:
            m.line_ends |= bit;
            break;
        case CR:
            m.crs |= bit;
            break;
        case END_MARK_CLASS:
            m.end_marks |= bit;
            break;
        case COLON:
        case DOT:
            m.label_ends |= bit;
            break;
        default:
            break;
        }
    }
    return m;
}

#endif

// --- The tally ---

constexpr int HEAD = 64; // bytes looked at for UTF-16 without its mark

struct tally_state {
    tally_result r;

    // The current line. Its quote is quotes[current]; a line with outcomes
    // leaves its quote where it is, as the last line's, and the next line
    // takes the other.
    std::int64_t outcomes;
    line_quote quotes[2];
    int current;
    int last_quote;     // the quote of the last line with outcomes
    int end_mark_quote; // the quote of the line the end mark ends
    count_group *group; // the last line's count
    bool has_word;      // a letter or digit that is no outcome
    bool lone_cr;       // a CR without LF after an outcome
    bool cr_inside;     // and an outcome after that
    bool label;         // a number of outcome characters before ':' or ". "
    token_note label_note;
    // Notes made on this line before its quote was whole.
    token_note *unquoted[NOTES_MAX]; // words only: at most NOTES_MAX are kept
    int unquoted_count;

    // The current word or number: a run of letters and digits.
    bool token_open;
    bool token_outcome; // holds an outcome character
    bool token_other;   // and a letter or digit that is not one
    unsigned char token[TOKEN_MAX];
    std::int64_t token_length;
    std::int64_t token_outcomes;

    bool pending_cr;  // a CR at the end of the text so far
    bool pending_dot; // a number of outcome characters and '.' at the end of it
    bool ended;       // past the end mark
    bool utf16_seen;
    unsigned char head[HEAD];
    int head_length;

    // Single-byte text behind the last ASCII code unit of a UTF-16 file.
    std::int64_t tail_length;
    bool tail_printable, tail_cr_lf, tail_outcome;
    int tail_last; // its last byte, or -1
};

tally_state s;

// Lines with outcomes by their count; the last bin takes all larger counts.
// Apart from the state, so that a new tally clears only the bins that the
// last one used, and memory holds only those.
constexpr std::int64_t BINS = MAX_TIP_ROWS + 2;
std::int64_t with_count[BINS];
std::int64_t bin_of(std::int64_t outcomes) { return std::min(outcomes, BINS - 1); }

line_quote &quote() { return s.quotes[s.current]; }

void quote_from(line_quote &q, const unsigned char *at, const unsigned char *end)
{
    const auto n = std::min<std::ptrdiff_t>(QUOTE_MAX - q.length, end - at);
    if (n > 0) {
        std::memcpy(q.bytes + q.length, at, static_cast<std::size_t>(n));
        q.length += static_cast<int>(n);
    }
}

// The quote takes up to QUOTE_MAX bytes, past the line's end if it is
// shorter (whole_quote cuts them off): a copy of fixed size is a few moves.
void start_line(const unsigned char *at, const unsigned char *end)
{
    line_quote &q = quote();
    if (end - at >= QUOTE_MAX) {
        std::memcpy(q.bytes, at, QUOTE_MAX);
        q.length = QUOTE_MAX;
    } else {
        q.length = 0;
        quote_from(q, at, end);
    }
}

// The quote of a finished line: up to its line end, and with the end mark
// unless through_end_mark.
line_quote whole_quote(const line_quote &from, bool through_end_mark = false)
{
    line_quote q = from;
    const auto cut_at = [&q](unsigned char c) {
        if (const void *found = std::memchr(q.bytes, c, static_cast<std::size_t>(q.length)))
            q.length = static_cast<int>(static_cast<const unsigned char *>(found) - q.bytes);
    };
    cut_at('\n');
    if (!through_end_mark)
        cut_at(0x1A);
    return q;
}

template <class Note> Note *add_note(notes<Note> &n)
{
    return n.total++ < NOTES_MAX ? &n.first[n.total - 1] : nullptr;
}

// The current word or number as a note of its line (quoted at the line's
// end); after is the mark that ends a number in a label, or 0.
token_note current_token(unsigned char after)
{
    token_note n{};
    n.line = s.r.lines;
    n.token_length = s.token_length;
    n.outcomes = s.token_outcomes;
    std::memcpy(n.token, s.token, TOKEN_MAX);
    n.after = after;
    return n;
}

// A word or number that holds outcome characters beside other letters or digits.
void note_word()
{
    if (token_note *n = add_note(s.r.words)) {
        *n = current_token(0);
        s.unquoted[s.unquoted_count++] = n;
    }
}

count_group *group_of(std::int64_t outcomes)
{
    for (int g = 0; g < s.r.group_count; ++g)
        if (s.r.groups[g].outcomes == outcomes)
            return &s.r.groups[g];
    if (s.r.group_count == tally_result::GROUPS)
        return nullptr;
    count_group *g = &s.r.groups[s.r.group_count++];
    g->outcomes = outcomes;
    g->lines.total = 0;
    return g;
}

void count_line()
{
    tally_result &r = s.r;
    r.before_last = r.lines_with_outcomes == 0 ? 0 : r.last.outcomes;
    ++r.lines_with_outcomes;
    r.max_outcomes = std::max(r.max_outcomes, s.outcomes);
    r.last.line = r.lines;
    r.last.outcomes = s.outcomes;
    ++with_count[bin_of(s.outcomes)];
    if (s.group == nullptr || s.group->outcomes != s.outcomes)
        s.group = group_of(s.outcomes);
    if (s.group != nullptr)
        if (line_note *n = add_note(s.group->lines))
            *n = {r.lines, s.outcomes, whole_quote(quote())};
    if (s.cr_inside)
        if (line_note *n = add_note(r.cr_inside))
            *n = {r.lines, s.outcomes, whole_quote(quote())};
    if (s.label && s.has_word) {
        if (token_note *n = add_note(r.labels)) {
            *n = s.label_note;
            n->quote = whole_quote(quote());
        }
    }
}

// A line ends at a line end, at the end mark, or at the end of the input.
void end_line()
{
    for (int i = 0; i < s.unquoted_count; ++i)
        s.unquoted[i]->quote = whole_quote(quote());
    s.unquoted_count = 0;
    if (s.outcomes != 0) {
        count_line();
        s.last_quote = s.current;
        s.current ^= 1;
    }
    s.outcomes = 0;
    s.has_word = s.lone_cr = s.cr_inside = s.label = false;
}

void add_to_token(const unsigned char *p, bool outcome)
{
    if (!s.token_open) {
        s.token_open = true;
        s.token_outcome = s.token_other = false;
        s.token_length = s.token_outcomes = 0;
    }
    if (s.token_length < TOKEN_MAX)
        s.token[s.token_length] = *p;
    ++s.token_length;
    s.token_outcomes += outcome ? 1 : 0;
    (outcome ? s.token_outcome : s.token_other) = true;
}

// The word or number ends before p; the byte at p (and the one after it,
// when it is in the text: end) tell whether it was a number in a label.
void close_token(const unsigned char *p, const unsigned char *end)
{
    if (!s.token_open)
        return;
    s.token_open = false;
    if (s.token_outcome && s.token_other) {
        note_word();
    } else if (s.token_outcome && !s.label && (*p == ':' || *p == '.')) {
        s.label_note = current_token(*p);
        // After '.', a blank must follow; it may be in the next text.
        if (*p == ':' || (end - p > 1 && p[1] == ' '))
            s.label = true;
        else if (end - p == 1 && *p == '.')
            s.pending_dot = true;
    }
}

void lone_cr()
{
    ++s.r.lone_crs;
    if (s.outcomes != 0)
        s.lone_cr = true;
}

void add_outcomes(std::int64_t n)
{
    if (n != 0 && s.lone_cr)
        s.cr_inside = true;
    s.outcomes += n;
}

void after_end_mark(const unsigned char *p, const unsigned char *end)
{
    s.r.after_end_mark += end - p;
    for (; p < end; ++p) {
        const unsigned char b = *p;
        if (is_outcome(b))
            ++s.r.outcomes_after_end_mark;
        if (b != 0x1A && b != '\r' && b != '\n' && b != ' ' && b != '\t' && b != 0)
            s.r.text_after_end_mark = true;
    }
}

// Byte by byte, through the check's classes, up to end; the text goes on
// to text_end.
void scan(const unsigned char *p, const unsigned char *end, const unsigned char *text_end)
{
    for (; p < end; ++p) {
        const unsigned char cls = CHECK_CLASSES[*p];
        if (cls <= OUTCOME_MAX) {
            add_outcomes(1);
            add_to_token(p, true);
            continue;
        }
        if (cls == WORD) {
            s.has_word = true;
            add_to_token(p, false);
            continue;
        }
        close_token(p, text_end);
        if (cls == LINE_END) {
            ++s.r.line_feeds;
            end_line();
            ++s.r.lines;
            start_line(p + 1, text_end);
        } else if (cls == END_MARK_CLASS) {
            s.ended = true;
            s.r.end_mark = true;
            s.r.end_mark_line.line = s.r.lines;
            s.end_mark_quote = s.current;
            end_line();
            after_end_mark(p + 1, text_end);
            return;
        } else if (cls == CR) {
            if (text_end - p > 1) {
                if (p[1] != '\n')
                    lone_cr();
            } else {
                s.pending_cr = true;
            }
        }
    }
}

// Whether the chunk can be counted from its masks alone: no end mark, no CR
// without LF, no outcome character right before ':' or '.' (a number in a
// label, perhaps), and no word or number that could hold an outcome beside a
// letter or digit, in the chunk or carried in from the one before.
bool plain(const masks &m)
{
    const std::uint64_t alnum = m.outcomes | m.words;
    if (m.end_marks != 0 || (m.crs & ~(m.line_ends >> 1)) != 0)
        return false;
    const std::uint64_t carried_outcome = s.token_open && s.token_outcome ? 1 : 0;
    if (((m.outcomes << 1 | carried_outcome) & m.label_ends) != 0)
        return false;
    if (m.outcomes != 0 && (m.words != 0 || s.has_word))
        return false;
    if (s.token_open && (alnum & 1) != 0)
        return m.words != 0 ? !s.token_outcome : !s.token_other;
    return true;
}

// A plain chunk: outcomes and line ends counted from the masks.
void count_chunk(const unsigned char *p, const unsigned char *end, const masks &m)
{
    const std::uint64_t alnum = m.outcomes | m.words;
    if (s.token_open && (alnum & 1) == 0)
        close_token(p, end);
    std::uint64_t line_ends = m.line_ends;
    int from = 0;
    if (line_ends != 0 && m.outcomes == 0 && s.outcomes == 0 && s.unquoted_count == 0) {
        // Lines without outcomes: only counted.
        const int last = highest_bit(line_ends);
        s.r.line_feeds += set_bits(line_ends);
        s.r.lines += set_bits(line_ends);
        s.has_word = s.lone_cr = s.label = false;
        start_line(p + last + 1, end);
        from = last + 1;
        line_ends = 0;
    }
    for (; line_ends != 0; line_ends &= line_ends - 1) {
        const int at = lowest_bit(line_ends);
        const std::uint64_t part = bit_range(from, at);
        add_outcomes(set_bits(m.outcomes & part));
        s.has_word = s.has_word || (m.words & part) != 0;
        ++s.r.line_feeds;
        end_line();
        ++s.r.lines;
        start_line(p + at + 1, end);
        from = at + 1;
    }
    const std::uint64_t rest = bit_range(from, CHUNK);
    add_outcomes(set_bits(m.outcomes & rest));
    s.has_word = s.has_word || (m.words & rest) != 0;

    // The word or number at the chunk's end, if it reaches there.
    if ((alnum >> 63) == 0) {
        s.token_open = false;
        return;
    }
    const int start = alnum == ~std::uint64_t{0} ? 0 : highest_bit(~alnum) + 1;
    if (start != 0 || !s.token_open) {
        s.token_open = true;
        s.token_outcome = s.token_other = false;
        s.token_length = s.token_outcomes = 0;
    }
    const std::uint64_t run = bit_range(start, CHUNK);
    s.token_outcome = s.token_outcome || (m.outcomes & run) != 0;
    s.token_other = s.token_other || (m.words & run) != 0;
    s.token_outcomes += set_bits(m.outcomes & run);
    const int length = CHUNK - start;
    if (s.token_length < TOKEN_MAX)
        std::memcpy(
            s.token + s.token_length, p + start,
            static_cast<std::size_t>(std::min<std::int64_t>(length, TOKEN_MAX - s.token_length)));
    s.token_length += length;
}

bool printable_or_line_end(unsigned char b)
{
    return (b >= 0x20 && b < 0x7F) || b == '\t' || b == '\r' || b == '\n';
}

void tail_byte(unsigned char b)
{
    if (s.tail_length < QUOTE_MAX)
        s.r.appended.bytes[s.tail_length] = b;
    ++s.tail_length;
    s.tail_printable = s.tail_printable && printable_or_line_end(b);
    s.tail_cr_lf = s.tail_cr_lf || (s.tail_last == '\r' && b == '\n');
    s.tail_outcome = s.tail_outcome || is_outcome(b);
    s.tail_last = b;
}

// Zero bytes at (nearly) every other place, and few at the others.
bool looks_like_utf16(const unsigned char *head, int length)
{
    if (length < 8)
        return false;
    int zeros[2] = {0, 0};
    for (int i = 0; i < length; ++i)
        zeros[i % 2] += head[i] == 0 ? 1 : 0;
    const int half = length / 2;
    const auto mostly = [half](int n) { return 4 * n >= 3 * half; };
    const auto few = [half](int n) { return 4 * n <= half; };
    return (mostly(zeros[1]) && few(zeros[0])) || (mostly(zeros[0]) && few(zeros[1]));
}

} // namespace

void tally_start()
{
    std::fill(with_count, with_count + bin_of(s.r.max_outcomes) + 1, 0);
    std::memset(&s, 0, sizeof s);
    s.r.lines = 1;
    s.tail_printable = true;
    s.tail_last = -1;
}

void tally_text(const unsigned char *bytes, std::size_t count)
{
    const unsigned char *p = bytes;
    const unsigned char *const end = bytes + count;
    s.r.bytes += static_cast<std::int64_t>(count);
    if (!s.utf16_seen && s.head_length < HEAD) {
        const auto n = std::min<std::size_t>(count, HEAD - static_cast<std::size_t>(s.head_length));
        std::memcpy(s.head + s.head_length, p, n);
        s.head_length += static_cast<int>(n);
    }
    if (count == 0)
        return;
    if (s.ended) {
        quote_from(s.quotes[s.end_mark_quote], p, end);
        after_end_mark(p, end);
        return;
    }
    quote_from(quote(), p, end);
    if (s.pending_dot) {
        s.pending_dot = false;
        s.label = s.label || *p == ' ';
    }
    if (s.pending_cr) {
        s.pending_cr = false;
        if (*p != '\n')
            lone_cr();
    }
    while (end - p >= CHUNK && !s.ended) {
        const masks m = classify(p);
        if (plain(m))
            count_chunk(p, end, m);
        else
            scan(p, p + CHUNK, end);
        if (s.ended)
            return;
        p += CHUNK;
    }
    scan(p, end, end);
}

void tally_code_units(const unsigned char *bytes, std::size_t count, bool big_endian)
{
    s.utf16_seen = true;
    s.r.utf16 = true;
    std::size_t i = 0;
    for (; i + 1 < count; i += 2) {
        const unsigned char high = bytes[i + (big_endian ? 0 : 1)];
        const unsigned char low = bytes[i + (big_endian ? 1 : 0)];
        if (high == 0 && low < 0x80) {
            s.tail_length = 0;
            s.tail_printable = true;
            s.tail_cr_lf = s.tail_outcome = false;
            s.tail_last = -1;
        } else {
            tail_byte(bytes[i]);
            tail_byte(bytes[i + 1]);
        }
    }
    if (i < count)
        tail_byte(bytes[i]);
}

const tally_result &tally_finish()
{
    if (!s.ended) {
        if (s.pending_cr)
            lone_cr();
        static const unsigned char nothing = ' ';
        close_token(&nothing, &nothing + 1);
        end_line();
    }
    s.r.last.quote = whole_quote(s.quotes[s.last_quote]);
    if (s.r.end_mark)
        s.r.end_mark_line.quote = whole_quote(s.quotes[s.end_mark_quote], true);
    s.r.utf16_without_mark = !s.utf16_seen && looks_like_utf16(s.head, s.head_length);
    s.r.single_bytes_after_utf16 =
        s.utf16_seen && s.tail_printable && s.tail_length >= 3 && s.tail_cr_lf && s.tail_outcome;
    s.r.appended.length = static_cast<int>(std::min<std::int64_t>(s.tail_length, QUOTE_MAX));
    return s.r;
}

std::int64_t tally_lines_with(std::int64_t outcomes)
{
    return outcomes < 0 ? 0 : with_count[bin_of(outcomes)];
}

} // namespace sysorient
