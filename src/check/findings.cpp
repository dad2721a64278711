// What sysorient-check says about a reading, decided: the tally's facts,
// the reader's table and result, and what the driver found of the files
// become records, in the order of the report: what sysorient makes of the
// file, the file as a whole, the lines whose outcomes come from text (the
// causes), then what becomes of the system (the effects), for the lines
// that no cause explains. Every threshold and every choice of what to
// report is here.
#include "check/findings.h"

#include "check/system_view.h"
#include "read/system_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace sysorient {
namespace {

// Counts of tips whose lines are named before the rest are only counted.
constexpr int COUNTS_SHOWN = 5;

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

finding at_lines(finding_kind kind, const line_set &lines, const line_quote &quote,
                 std::initializer_list<std::int64_t> numbers)
{
    finding f = make_finding(kind, numbers);
    f.where = lines;
    f.quote = quote;
    return f;
}

finding at_line(finding_kind kind, const line_summary &line,
                std::initializer_list<std::int64_t> numbers)
{
    line_set one{};
    one.add(line.line);
    return at_lines(kind, one, line.quote, numbers);
}

// --- The first line ---

bool first_line(const check_input &in, const system_view &view, report &out)
{
    const system_table &t = in.table;
    switch (in.status) {
    case READ_OK:
        if (t.game_count == 0)
            add(out, make_finding(finding_kind::read_no_games));
        else if (view.other_fits)
            add(out, make_finding(
                         finding_kind::read_system_both,
                         {t.game_count, t.tip_row_count, view.other_games, view.other_tip_rows}));
        else
            add(out, make_finding(finding_kind::read_system, {t.game_count, t.tip_row_count}));
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
    const line_summary &mark = t.end_mark_line;
    if (t.end_mark && t.ending == watch_end::read_error) {
        add(out, at_line(finding_kind::unreadable_after_end_mark, mark, {}));
    } else if (t.end_mark && t.text_after_end_mark) {
        const finding_kind kind = t.ending == watch_end::bounded
                                      ? finding_kind::more_after_end_mark
                                      : finding_kind::text_after_end_mark;
        add(out, at_line(kind, mark, {t.lines_after_end_mark, t.outcomes_after_end_mark}));
    } else if (!t.end_mark && t.ending == watch_end::read_error) {
        add(out, make_finding(finding_kind::unreadable_after_limit));
    } else if (!t.end_mark && t.ending == watch_end::bounded) {
        add(out, make_finding(finding_kind::checked_in_part, {t.lines}));
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

// --- Causes ---

void cause(finding_kind kind, const cause_lines &c, report &out)
{
    if (c.lines.empty())
        return;
    finding f = at_lines(kind, c.lines, c.quote, {c.outcomes});
    f.word = c.word;
    add(out, f);
}

void causes(const tally_facts &t, const system_view &view, report &out)
{
    cause(finding_kind::heading, view.heading, out);
    cause(finding_kind::footer, view.footer, out);
    const bool labels = t.numbers.after_words || t.numbers.dotted;
    cause(labels ? finding_kind::label_numbers : finding_kind::row_numbers, view.numbers, out);
    cause(finding_kind::label_numbers, view.causes[LABEL_NUMBER], out);
    cause(finding_kind::names, view.causes[NAME], out);
    cause(finding_kind::dates, view.causes[DATE], out);
    cause(finding_kind::times, view.causes[TIME], out);
    if (t.line_feeds != 0) // without any LF, cr_line_ends says it
        cause(finding_kind::cr_inside, view.causes[CR_INSIDE], out);
}

// --- Effects ---

// A system too large read one way: what would make it fit.
void too_large(const check_input &in, const system_view &view, report &out)
{
    if (in.facts.ending != watch_end::whole)
        return;
    if (view.fits_without_text) {
        add(out, make_finding(finding_kind::without_text,
                              {view.games_without_text, view.tip_rows_without_text}));
    } else if (view.other_explains) {
        add(out,
            make_finding(finding_kind::other_reading, {view.other_games, view.other_tip_rows}));
    } else if (!view.past_limit.empty()) {
        const finding_kind kind = view.limit == MAX_GAMES ? finding_kind::past_game_limit
                                                          : finding_kind::past_tip_row_limit;
        add(out, at_lines(kind, view.past_limit, line_quote{}, {view.limit}));
    }
}

// The system's lines of each other count of tips than the system's, one
// finding a count, in the order of their first lines, the first
// COUNTS_SHOWN of them; then how many lines hold yet other counts.
void odd_lines(const system_view &view, report &out)
{
    const std::int64_t m = view.tips;
    const count_group *odd[tip_counts::GROUPS];
    line_set lines[tip_counts::GROUPS];
    int n = 0;
    for (int g = 0; g < view.counts->group_count(); ++g) {
        const count_group &group = view.counts->group(g);
        const bool banker = group.tips == 1 && view.banker_bit != 0;
        lines[n] = view.system_lines(group.lines);
        if (group.tips != m && group.tips != 0 && !banker && !lines[n].empty())
            odd[n++] = &group;
    }
    for (int a = 1; a < n; ++a) // by first line
        for (int b = a; b > 0 && lines[b].first_line() < lines[b - 1].first_line(); --b) {
            std::swap(odd[b], odd[b - 1]);
            std::swap(lines[b], lines[b - 1]);
        }
    std::int64_t named = 0;
    for (int i = 0; i < n && i < COUNTS_SHOWN; ++i) {
        const line_summary *first = view.first_system_line(*odd[i]);
        const std::int64_t tips = odd[i]->tips;
        const std::int64_t w = view.written;
        if (tips > m)
            add(out, at_lines(finding_kind::lines_more_tips, lines[i], first->quote,
                              {w, m, tips, tips - m}));
        else if (first->outcomes < w)
            add(out, at_lines(finding_kind::lines_fewer_tips, lines[i], first->quote,
                              {w, m, tips, first->outcomes + 1}));
        else
            add(out, at_lines(finding_kind::lines_fewer_tips_whole, lines[i], first->quote,
                              {w, m, tips}));
        named += lines[i].lines;
    }
    if (view.odd_lines > named)
        add(out,
            make_finding(finding_kind::more_odd_lines, {view.written, m, view.odd_lines - named}));
}

void effects(const check_input &in, const system_view &view, report &out)
{
    if (in.status != READ_OK) {
        too_large(in, view, out);
        return;
    }
    if (view.tips == 0)
        return;
    if (!view.bankers.lines.empty())
        add(out, at_lines(finding_kind::bankers, view.bankers.lines, view.bankers.quote,
                          {0, view.tips}));
    if (view.written < view.tips)
        add(out, make_finding(finding_kind::written_cut, {view.written, view.tips}));
    else if (view.written > view.tips && !view.written_from_causes)
        add(out, make_finding(finding_kind::written_filled,
                              {view.written, view.tips, view.tips + 1, view.written - view.tips}));
    odd_lines(view, out);
}

// --- genordet.txt ---

void oriented_file(const check_input &in, report &out)
{
    switch (in.files.oriented) {
    case oriented_state::writable:
        break;
    case oriented_state::folder:
        add(out, make_finding(finding_kind::oriented_is_folder));
        return;
    case oriented_state::read_only:
        add(out, make_finding(finding_kind::oriented_read_only));
        return;
    case oriented_state::in_use:
        add(out, make_finding(finding_kind::oriented_in_use));
        return;
    case oriented_state::cannot_create:
        add(out, make_finding(finding_kind::folder_read_only));
        return;
    case oriented_state::missing_folder:
        add(out, make_finding(finding_kind::oriented_missing_folder));
        return;
    case oriented_state::link_loop:
        add(out, make_finding(finding_kind::oriented_link_loop));
        return;
    case oriented_state::through_file:
        add(out, make_finding(finding_kind::oriented_through_file));
        return;
    }
}

// What genordet.txt holds, and that nothing was found: notes that leave the
// exit status as it is.
void closing_notes(const check_input &in, const system_view &view, report &out)
{
    if (!has_findings(out))
        add(out, make_finding(finding_kind::nothing_found));
    const oriented_content held = in.files.holds != nullptr
                                      ? in.files.holds(in.table, view.other_fits)
                                      : oriented_content::none;
    if (held == oriented_content::none)
        return;
    const std::int64_t found = has_findings(out) ? 1 : 0;
    if (in.status != READ_OK)
        add(out, make_finding(finding_kind::oriented_kept));
    else if (held == oriented_content::same)
        add(out, make_finding(finding_kind::oriented_same, {found}));
    else if (held == oriented_content::other_reading)
        add(out, make_finding(finding_kind::oriented_other_reading, {found}));
    else
        add(out, make_finding(finding_kind::oriented_old, {found}));
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
    case finding_kind::read_system_both:
    case finding_kind::read_no_games:
    case finding_kind::read_error:
    case finding_kind::cannot_open:
    case finding_kind::system_txt_txt:
    case finding_kind::nothing_found:
    case finding_kind::oriented_same:
    case finding_kind::oriented_other_reading:
    case finding_kind::oriented_old:
    case finding_kind::oriented_kept:
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

void judge(const check_input &in, report &out)
{
    start_report(in.table, out);
    const system_view view = view_of(in.table, in.status, in.facts);
    first_line(in, view, out);
    if (in.status == READ_FAILED)
        return;
    whole_file(in.facts, out);
    causes(in.facts, view, out);
    effects(in, view, out);
    oriented_file(in, out);
    closing_notes(in, view, out);
}

void judge_unopened(const system_table &table, const unopened &why, report &out)
{
    start_report(table, out);
    finding f = make_finding(why.given != nullptr ? why.given_opens ? finding_kind::not_system_txt
                                                                    : finding_kind::given_not_found
                             : why.txt_txt        ? finding_kind::system_txt_txt
                                                  : finding_kind::cannot_open);
    // The name or the folder, whole, as the quote.
    const char *name = why.given != nullptr ? why.given : why.folder != nullptr ? why.folder : "";
    const std::size_t n = std::min<std::size_t>(std::strlen(name), QUOTE_BYTES);
    std::memcpy(f.quote.bytes, name, n);
    f.quote.length = static_cast<int>(n);
    add(out, f);
}

} // namespace sysorient
