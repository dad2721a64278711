// The system behind the file, as the check sees it.
#include "check/system_view.h"

#include "read/system_reader.h"

#include <algorithm>

namespace sysorient {
namespace {

// Counting numbers count past the outcomes' digits (to 3 at least: a
// number no tip could be), and number every line of the system.
constexpr std::int64_t NUMBERS_REACH = 3;

// The other reading explains a file too large if it has at least this many
// games and tip rows.
constexpr std::int64_t OTHER_READING_MIN = 2;

// The tail window's lines, oldest first.
int tail_in_order(const line_windows &w, const line_summary *(&out)[line_windows::LINES])
{
    const int start = w.tail_count < line_windows::LINES ? 0 : w.tail_next;
    for (int i = 0; i < w.tail_count; ++i)
        out[i] = &w.tail[(start + i) % line_windows::LINES];
    return w.tail_count;
}

void add_text_line(cause_lines &c, const line_summary &line)
{
    if (c.lines.empty())
        c.quote = line.quote;
    c.lines.add(line.line);
    c.outcomes += line.outcomes;
}

// A text line at the start or end: the games' numbers (1, 2, 3 ...), or
// words, no label, and at most this share of the system's tips ("Total 12"
// below games of 6 tips), or fewer tips than the system's with no outcome in
// the line below (a heading above a blank line).
constexpr std::int64_t TEXT_LINE_TIPS_DIVISOR = 2;

bool text_line(const system_view &v, const line_summary &line)
{
    const std::int64_t tips = v.tips_of(line);
    return line.numbering || (line.text_like && (TEXT_LINE_TIPS_DIVISOR * tips <= v.tips ||
                                                 (line.gap_after && tips < v.tips)));
}

// The heading: the first lines, as long as they are text lines, or, above
// numbered lines, every line. The footer: the last text lines, the
// heading's aside.
void heading_and_footer(system_view &v, std::int64_t numbered_from)
{
    const line_windows &w = v.facts->windows;
    v.heading = cause_lines{};
    v.footer = cause_lines{};
    for (int i = 0; i < w.head_count; ++i) {
        const bool above = w.head[i].line < numbered_from;
        if (!above && (numbered_from != 0 || !text_line(v, w.head[i])))
            break;
        add_text_line(v.heading, w.head[i]);
    }
    const line_summary *tail[line_windows::LINES];
    const int count = tail_in_order(w, tail);
    int first = count;
    while (first > 0 && text_line(v, *tail[first - 1]) &&
           !v.heading.lines.holds(tail[first - 1]->line))
        --first;
    for (int i = first; i < count; ++i)
        add_text_line(v.footer, *tail[i]);
    v.text_lines = line_set{};
    for (const cause_lines *c : {&v.heading, &v.footer})
        for (int r = 0; r < c->lines.run_count; ++r)
            for (std::int64_t l = c->lines.runs[r].first; l <= c->lines.runs[r].last; ++l)
                v.text_lines.add(l);
}

void count_the_lines(system_view &v, bool numbered)
{
    v.numbered = numbered;
    v.counts = numbered ? v.facts->tips_not_lead : v.facts->tips;
    v.tips = v.counts->most_common(v.tips_of(v.facts->last));
}

// Whether the lines' first numbers are text: they count up past the tips'
// digits over every line from the run's first to the footer. The lines
// above the run are a heading then, whatever they hold (a spreadsheet's
// header row).
void choose_count(system_view &v)
{
    const number_run &run = v.facts->numbers;
    count_the_lines(v, true);
    heading_and_footer(v, 0);
    const line_windows &w = v.facts->windows;
    std::int64_t above = 0;
    std::int64_t below = 0;
    for (int i = 0; i < w.head_count; ++i)
        above += w.head[i].line < run.first_line ? 1 : 0;
    for (int i = 0; i < w.tail_count; ++i)
        below += w.tail[i].line > run.last_line && v.footer.lines.holds(w.tail[i].line) ? 1 : 0;
    if (run.next > NUMBERS_REACH && run.lines + above + below == v.facts->lines_with_outcomes) {
        heading_and_footer(v, run.first_line);
        return;
    }
    count_the_lines(v, false);
    heading_and_footer(v, 0);
}

// The outcomes that a cause made text on the heading's and footer's lines,
// which are all in the windows.
std::int64_t on_text_lines(const system_view &v, int cause)
{
    const line_windows &w = v.facts->windows;
    const auto of = [cause](const cause_lines &text, const line_summary &l) {
        return text.lines.holds(l.line) ? l.from[cause] : 0;
    };
    std::int64_t n = 0;
    for (int i = 0; i < w.head_count; ++i)
        n += of(v.heading, w.head[i]);
    for (int i = 0; i < w.tail_count; ++i)
        n += of(v.footer, w.tail[i]);
    return n;
}

// A cause's quote and word, after lines before its first line past the
// head window went: its first line's.
void quote_first_line(const system_view &v, cause_lines &c, int cause)
{
    const line_windows &w = v.facts->windows;
    const std::int64_t first = c.lines.first_line();
    c.quote = c.quote_after_head;
    c.word = c.word_after_head;
    for (int i = 0; i < w.head_count; ++i)
        if (w.head[i].line == first) {
            c.quote = w.head[i].quote;
            c.word = cause < TEXT_CAUSES ? w.head_words[i][cause] : quoted_word{};
        }
}

// A cause's lines, those of the heading and footer aside; its quote and
// word are then its first other line's.
cause_lines without_text_lines(const system_view &v, const cause_lines &c, int cause)
{
    cause_lines kept = c;
    kept.lines = v.system_lines(c.lines);
    if (cause < TEXT_CAUSES)
        kept.outcomes -= on_text_lines(v, cause);
    if (kept.lines.first_line() != c.lines.first_line())
        quote_first_line(v, kept, cause);
    return kept;
}

// "1. Bayern" on the first line of counting numbers was taken for a name's
// number until the lines below went on counting; it is the count's.
void first_number_no_name(system_view &v)
{
    const number_run &run = v.facts->numbers;
    cause_lines &names = v.causes[NAME];
    if (!v.numbered || run.first_named == 0 || names.lines.first_line() != run.first_line)
        return;
    names.outcomes -= run.first_named;
    for (const line_summary &l : v.facts->windows.head)
        if (l.line == run.first_line && l.from[NAME] == run.first_named) {
            names.lines.drop_first();
            quote_first_line(v, names, NAME);
        }
}

// The counting numbers: the lines of the run, and the outcomes in them.
cause_lines numbers_of(const system_view &v)
{
    const number_run &run = v.facts->numbers;
    cause_lines c{};
    if (!v.numbered || run.outcomes + run.first_named == 0)
        return c;
    // A column of row numbers goes as a whole; of labels' numbers, those
    // that hold outcomes are named.
    c.lines = run.tipped;
    if (run.first_named != 0)
        c.lines.add_first(run.first_line);
    if (!run.after_words && !run.dotted) {
        c.lines = line_set{};
        c.lines.run_count = 1;
        c.lines.runs[0] = {run.first_line, run.last_line};
        c.lines.lines = run.lines;
    }
    c.outcomes = run.outcomes + run.first_named;
    c.word = run.word;
    for (const line_summary &l : v.facts->windows.head)
        if (l.line == c.lines.first_line())
            c.quote = l.quote;
    return c;
}

void causes_of(system_view &v, const system_table &table)
{
    const tally_facts &f = *v.facts;
    for (int k = 0; k <= TEXT_CAUSES; ++k)
        v.causes[k] = without_text_lines(v, f.causes[k], k);
    first_number_no_name(v);
    v.numbers = numbers_of(v);
    if (table.line_is_tip_row == 0 && v.tips >= 2) {
        const line_cause kind = v.numbered ? BANKER_NUMBERED : BANKER;
        v.banker_bit = 1U << kind;
        v.bankers = without_text_lines(v, f.causes[kind], kind);
    }
}

// Read the other way: within the limits, and its games and tip rows.
void other_reading(system_view &v, const system_table &table)
{
    const tally_facts &f = *v.facts;
    const std::int64_t lines = f.lines_with_outcomes;
    if (table.line_is_tip_row == 0) {
        v.other_games = f.last.outcomes;
        v.other_tip_rows = lines;
        v.other_fits = lines != 0 && f.max_outcomes <= MAX_GAMES && lines <= MAX_TIP_ROWS;
    } else {
        v.other_games = lines;
        v.other_tip_rows = f.last.outcomes;
        v.other_fits = lines != 0 && lines <= MAX_GAMES && f.max_outcomes <= MAX_TIP_ROWS;
    }
    v.other_fits = v.other_fits && f.ending == watch_end::whole;
}

// How many of the heading's and footer's lines hold this many tips.
std::int64_t text_lines_of(const system_view &v, std::int64_t tips)
{
    const line_windows &w = v.facts->windows;
    std::int64_t n = 0;
    for (int i = 0; i < w.head_count; ++i)
        n += v.heading.lines.holds(w.head[i].line) && v.tips_of(w.head[i]) == tips ? 1 : 0;
    for (int i = 0; i < w.tail_count; ++i)
        n += v.footer.lines.holds(w.tail[i].line) && v.tips_of(w.tail[i]) == tips ? 1 : 0;
    return n;
}

// The lines that make a file too large, and whether it fits without its
// text lines.
void too_large(system_view &v, const system_table &table, int status)
{
    const tally_facts &f = *v.facts;
    const std::int64_t text = v.text_lines.lines + v.counts->lines_with(0) - text_lines_of(v, 0);
    const std::int64_t system_lines = f.lines_with_outcomes - text;
    const bool games_per_line = table.line_is_tip_row == 0;
    v.games_without_text = games_per_line ? system_lines : v.tips;
    v.tip_rows_without_text = games_per_line ? v.tips : system_lines;
    v.fits_without_text = text != 0 && system_lines > 0 && v.games_without_text <= MAX_GAMES &&
                          v.tip_rows_without_text <= MAX_TIP_ROWS && v.tips > 0;
    v.other_explains = v.other_fits && text == 0 && v.other_games >= OTHER_READING_MIN &&
                       v.other_tip_rows >= OTHER_READING_MIN;
    const limit_lines &l = f.limits;
    const bool games = status == READ_TOO_MANY_GAMES;
    v.limit = games ? MAX_GAMES : MAX_TIP_ROWS;
    // Too many lines: those from the one past the limit on; too many
    // outcomes on a line: those lines.
    const bool lines_too_many = games == games_per_line;
    const std::int64_t from = games ? l.line_game_16 : l.line_tip_row_20001;
    v.past_limit = games ? l.over_15 : l.over_20000;
    if (lines_too_many && from != 0) {
        v.past_limit = line_set{};
        v.past_limit.run_count = 1;
        v.past_limit.runs[0] = {from, f.last.line};
        v.past_limit.lines = f.lines_with_outcomes - (games ? MAX_GAMES : MAX_TIP_ROWS);
    }
}

// Lines of the system (text lines and bankers aside) whose count of tips
// is neither the system's nor 0 (all text).
void odd_lines_of(system_view &v)
{
    const std::int64_t text_odd = v.text_lines.lines - text_lines_of(v, 0);
    v.odd_lines = v.facts->lines_with_outcomes - v.counts->lines_with(v.tips) -
                  v.counts->lines_with(0) - text_odd - v.bankers.lines.lines;
    v.odd_lines = std::max<std::int64_t>(v.odd_lines, 0);
}

} // namespace

line_set system_view::system_lines(const line_set &lines) const
{
    line_set kept{};
    std::int64_t text = 0;
    for (int r = 0; r < lines.run_count; ++r)
        for (std::int64_t l = lines.runs[r].first; l <= lines.runs[r].last; ++l)
            if (text_lines.holds(l))
                ++text;
            else
                kept.add(l);
    kept.lines = lines.lines - text;
    return kept;
}

const line_summary *system_view::first_system_line(const count_group &g) const
{
    const auto kept = static_cast<int>(std::min<std::int64_t>(g.total, NOTES_KEPT));
    for (int i = 0; i < kept; ++i)
        if (!text_lines.holds(g.first[i].line))
            return &g.first[i];
    return &g.first[0];
}

system_view view_of(const system_table &table, int status, const tally_facts &facts)
{
    system_view v{};
    v.facts = &facts;
    v.written = facts.last.outcomes;
    other_reading(v, table);
    choose_count(v);
    causes_of(v, table);
    v.written_from_causes =
        facts.last.outcomes != v.tips_of(facts.last) && !v.text_lines.holds(facts.last.line);
    if (status == READ_TOO_MANY_GAMES || status == READ_TOO_MANY_TIP_ROWS)
        too_large(v, table, status);
    odd_lines_of(v);
    return v;
}

} // namespace sysorient
