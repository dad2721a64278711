// What sysorient-check says about a reading, decided: the tally's facts and
// the reader's table and result become records, in the order of the
// report. Every threshold and every choice of what to report is here.
#include "check/findings.h"

#include "read/system_reader.h"

#include <algorithm>

namespace sysorient {
namespace {

// Lines named of each kind before the rest are only counted.
constexpr int NOTES_SHOWN = 5;
static_assert(NOTES_SHOWN <= NOTES_KEPT, "the tally keeps the lines that are named");

// A last line of at most this share of the line before it may be a footer.
constexpr std::int64_t FOOTER_SHARE_DIVISOR = 2;

// UTF-16 without its mark: of the first bytes (at least this many), zero
// bytes at three quarters or more of the places of one parity, and at a
// quarter or fewer of the other's.
constexpr int UTF16_HEAD_MIN = 8;

// Single-byte text behind UTF-16 is reported from this many bytes on.
constexpr std::int64_t APPENDED_MIN = 3;

void add(report &out, const finding &f)
{
    if (out.count < report::MAX)
        out.items[out.count++] = f;
}

finding at_line(finding_kind kind, std::int64_t line, const line_quote &quote,
                std::initializer_list<std::int64_t> numbers)
{
    finding f = make_finding(kind, numbers);
    f.where.line = line;
    f.quote = quote;
    return f;
}

// --- The first line, and the other orientation ---

bool first_line(const system_table &table, int status, report &out)
{
    switch (status) {
    case READ_OK:
        if (table.game_count == 0)
            add(out, make_finding(finding_kind::read_no_games));
        else
            add(out,
                make_finding(finding_kind::read_system, {table.game_count, table.tip_row_count}));
        return true;
    case READ_TOO_MANY_GAMES:
        add(out, make_finding(finding_kind::too_many_games, {MAX_GAMES}));
        return false;
    case READ_TOO_MANY_TIP_ROWS:
        add(out, make_finding(finding_kind::too_many_tip_rows, {MAX_TIP_ROWS}));
        return false;
    default:
        add(out, make_finding(finding_kind::read_error));
        return false;
    }
}

// A system too large read one way may fit the other, if the tally saw all
// of it.
void other_reading(const system_table &table, const tally_facts &t, report &out)
{
    const std::int64_t lines = t.lines_with_outcomes;
    if (lines == 0 || t.ending != watch_end::whole)
        return;
    if (table.line_is_tip_row == 0) {
        if (t.max_outcomes <= MAX_GAMES && lines <= MAX_TIP_ROWS)
            add(out, make_finding(finding_kind::other_reading, {t.last.outcomes, lines}));
    } else if (t.max_outcomes <= MAX_TIP_ROWS && lines <= MAX_GAMES) {
        add(out, make_finding(finding_kind::other_reading, {lines, t.last.outcomes}));
    }
}

// --- The file as a whole ---

bool looks_like_utf16(const tally_facts &t)
{
    if (t.utf16 || t.head_length < UTF16_HEAD_MIN)
        return false;
    const int half = t.head_length / 2;
    const auto mostly = [half](int n) { return 4 * n >= 3 * half; };
    const auto few = [half](int n) { return 4 * n <= half; };
    const int even = t.head_zeros[0];
    const int odd = t.head_zeros[1];
    return (mostly(odd) && few(even)) || (mostly(even) && few(odd));
}

bool appended_to_utf16(const tally_facts &t)
{
    const utf16_tail &tail = t.tail;
    return t.utf16 && tail.printable && tail.length >= APPENDED_MIN && tail.cr_lf && tail.outcome;
}

// What stands after the end mark, and how far the file could be read.
void after_the_reading(const tally_facts &t, report &out)
{
    const line_note &mark = t.end_mark_line;
    if (t.end_mark && t.ending == watch_end::read_error) {
        add(out, at_line(finding_kind::unreadable_after_end_mark, mark.line, mark.quote, {}));
    } else if (t.end_mark && t.text_after_end_mark) {
        const finding_kind kind = t.ending == watch_end::bounded
                                      ? finding_kind::more_after_end_mark
                                      : finding_kind::text_after_end_mark;
        add(out,
            at_line(kind, mark.line, mark.quote, {t.after_end_mark, t.outcomes_after_end_mark}));
    } else if (!t.end_mark && t.ending == watch_end::read_error) {
        add(out, make_finding(finding_kind::unreadable_after_limit));
    } else if (!t.end_mark && t.ending == watch_end::bounded) {
        add(out, make_finding(finding_kind::checked_in_part, {WATCH_PAST_READING}));
    }
}

void whole_file(const tally_facts &t, report &out)
{
    if (looks_like_utf16(t))
        add(out, make_finding(finding_kind::utf16_without_mark));
    if (appended_to_utf16(t)) {
        finding f = make_finding(finding_kind::appended_text);
        f.quote = t.tail.start;
        add(out, f);
    }
    if (t.lone_crs != 0 && t.line_feeds == 0 && t.lines_with_outcomes != 0)
        add(out, make_finding(finding_kind::cr_line_ends));
    after_the_reading(t, out);
    if (t.bytes == 0 && !t.utf16)
        add(out, make_finding(finding_kind::empty_file));
    else if (t.lines_with_outcomes == 0 && !(t.end_mark && t.outcomes_after_end_mark != 0))
        add(out, make_finding(finding_kind::no_outcomes));
}

// --- Lines whose count of outcomes is not the one written ---

// What happens to a line of n outcomes when `written` are written.
void odd_line(const line_note &n, std::int64_t written, report &out)
{
    if (n.outcomes > written)
        add(out, at_line(finding_kind::line_cut, n.line, n.quote,
                         {written, n.outcomes, 0, n.outcomes - written}));
    else if (n.outcomes + 1 == written)
        add(out, at_line(finding_kind::line_filled_one, n.line, n.quote, {written, n.outcomes}));
    else
        add(out, at_line(finding_kind::line_filled, n.line, n.quote,
                         {written, n.outcomes, 0, n.outcomes + 1}));
}

// The first NOTES_SHOWN lines, by number, of the counts other than `written`.
int first_odd_lines(const tally_facts &t, std::int64_t written,
                    const line_note *(&first)[NOTES_SHOWN])
{
    int found = 0;
    std::int64_t after = 0; // line numbers above this one are still to take
    for (; found < NOTES_SHOWN; ++found) {
        const line_note *next = nullptr;
        for (int g = 0; g < t.group_count; ++g) {
            const count_group &group = t.groups[g];
            if (group.outcomes == written)
                continue;
            const auto kept =
                static_cast<int>(std::min<std::int64_t>(group.lines.total, NOTES_KEPT));
            for (int i = 0; i < kept; ++i) {
                const line_note &n = group.lines.first[i];
                if (n.line > after && (next == nullptr || n.line < next->line))
                    next = &n;
            }
        }
        if (next == nullptr)
            break;
        first[found] = next;
        after = next->line;
    }
    return found;
}

// The other lines, all of one count, after a last line alone in its count.
void others_alike(std::int64_t written, std::int64_t others, std::int64_t odd, report &out)
{
    if (others > written)
        add(out, make_finding(finding_kind::others_cut, {written, others, odd, others - written}));
    else if (others + 1 == written)
        add(out, make_finding(finding_kind::others_filled_one, {written, others, odd}));
    else
        add(out, make_finding(finding_kind::others_filled, {written, others, odd, others + 1}));
}

// The last line is the only one of its count, and sets it for every line:
// it is the one to look at. Returns whether one line more said what happens
// to all the others, which are all alike.
bool last_line_alone(const tally_facts &t, std::int64_t odd, report &out)
{
    const std::int64_t written = t.last.outcomes;
    const std::int64_t others = t.before_last;
    finding_kind kind = finding_kind::last_line_fills;
    if (written < others)
        kind = FOOTER_SHARE_DIVISOR * written <= others ? finding_kind::last_line_cuts_footer
                                                        : finding_kind::last_line_cuts;
    add(out, at_line(kind, t.last.line, t.last.quote, {written, others}));
    if (t.lines_with(others) != odd)
        return false;
    others_alike(written, others, odd, out);
    return true;
}

void counts(const tally_facts &t, report &out)
{
    const std::int64_t written = t.last.outcomes;
    const std::int64_t odd = t.lines_with_outcomes - t.lines_with(written);
    if (t.lines_with_outcomes == 0 || odd == 0)
        return;
    if (t.lines_with(written) == 1 && last_line_alone(t, odd, out))
        return;
    const line_note *first[NOTES_SHOWN];
    const int listed = first_odd_lines(t, written, first);
    for (int i = 0; i < listed; ++i)
        odd_line(*first[i], written, out);
    if (odd > listed)
        add(out, make_finding(finding_kind::more_odd_lines, {written, odd - listed}));
}

// --- Words and numbers ---

finding word_finding(finding_kind kind, const token_note &n)
{
    finding f = at_line(kind, n.line, n.quote, {n.outcomes});
    f.word.length = static_cast<int>(std::min<std::int64_t>(n.token_length, TOKEN_MAX));
    std::copy(n.token, n.token + f.word.length, f.word.bytes);
    f.word.mark = n.after;
    return f;
}

// The first of some notes, one finding each, then how many more there are.
template <class Note, class Make>
void notes_of(const notes<Note> &n, finding_kind more, Make make, report &out)
{
    const auto shown = static_cast<int>(std::min<std::int64_t>(n.total, NOTES_SHOWN));
    for (int i = 0; i < shown; ++i)
        add(out, make(n.first[i]));
    if (n.total > shown)
        add(out, make_finding(more, {n.total - shown}));
}

void words(const tally_facts &t, report &out)
{
    notes_of(
        t.words, finding_kind::more_words,
        [](const token_note &n) {
            return word_finding(n.token_length > TOKEN_MAX ? finding_kind::long_word_read
                                                           : finding_kind::word_read,
                                n);
        },
        out);
    notes_of(
        t.labels, finding_kind::more_labels,
        [](const token_note &n) { return word_finding(finding_kind::label_number, n); }, out);
    // Without any LF the whole file is one line, which cr_line_ends says.
    notes<line_note> cr_inside = t.cr_inside;
    cr_inside.total = t.line_feeds == 0 ? 0 : cr_inside.total;
    notes_of(
        cr_inside, finding_kind::more_cr_inside,
        [](const line_note &n) {
            return at_line(finding_kind::cr_inside_line, n.line, n.quote, {});
        },
        out);
}

void start_report(const system_table &table, report &out)
{
    out.count = 0;
    out.tip_rows = table.line_is_tip_row != 0;
}

} // namespace

bool counts_as_finding(finding_kind kind)
{
    // Every kind is a finding but the first lines of a system that fits or
    // cannot be read: a system too large is one.
    switch (kind) {
    case finding_kind::read_system:
    case finding_kind::read_no_games:
    case finding_kind::read_error:
    case finding_kind::cannot_open:
        return false;
    default:
        return true;
    }
}

finding make_finding(finding_kind kind, std::initializer_list<std::int64_t> numbers)
{
    finding f{};
    f.kind = kind;
    std::copy(numbers.begin(), numbers.begin() + std::min<std::size_t>(numbers.size(), 4),
              f.numbers);
    return f;
}

bool has_findings(const report &r)
{
    return std::any_of(r.items, r.items + r.count,
                       [](const finding &f) { return counts_as_finding(f.kind); });
}

void judge(const system_table &table, int status, const tally_facts &facts, report &out)
{
    start_report(table, out);
    const bool fits = first_line(table, status, out);
    if (status == READ_FAILED)
        return;
    if (!fits)
        other_reading(table, facts, out);
    whole_file(facts, out);
    if (fits)
        counts(facts, out);
    words(facts, out);
}

void judge_unopened(const system_table &table, report &out)
{
    start_report(table, out);
    add(out, make_finding(finding_kind::cannot_open));
}

} // namespace sysorient
