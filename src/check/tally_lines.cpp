// The lines of the tally: what each line with outcomes adds to the facts.
#include "check/line_tally.h"

#include "check/tally_quotes.h"

#include <algorithm>

namespace sysorient {
namespace {

// Row numbers are looked for from one of the first lines with outcomes on.
constexpr std::int64_t NUMBERS_START_WITHIN = line_windows::LINES;

constexpr quoted_word NO_WORD{};

// A line's part in a cause: the outcomes that the cause made of it, and
// its first word of that kind.
struct cause_part {
    const line_summary &line;
    std::int64_t outcomes;
    const quoted_word &word;
};

void add_to_cause(cause_lines &c, const cause_part &part, bool past_head)
{
    if (c.lines.empty()) {
        c.quote = part.line.quote;
        c.word = part.word;
    }
    if (past_head && c.line_after_head == 0) {
        c.line_after_head = part.line.line;
        c.quote_after_head = part.line.quote;
        c.word_after_head = part.word;
    }
    c.lines.add(part.line.line);
    c.outcomes += part.outcomes;
}

} // namespace

// --- Counts of tips ---

void tip_counts::clear()
{
    std::fill(bins_, bins_ + top_ + 1, 0);
    top_ = 0;
    best_ = 0;
    group_count_ = 0;
    last_ = nullptr;
}

count_group *tip_counts::group_of(std::int64_t tips)
{
    if (last_ != nullptr && last_->tips == tips)
        return last_;
    for (int g = 0; g < group_count_; ++g)
        if (groups_[g].tips == tips)
            return last_ = &groups_[g];
    if (group_count_ == GROUPS)
        return nullptr;
    count_group &g = groups_[group_count_++];
    g.tips = tips;
    g.total = 0;
    return last_ = &g;
}

void tip_counts::add(const line_summary &line, std::int64_t tips)
{
    const std::int64_t bin = bin_of(tips);
    count_in(bin);
    top_ = std::max(top_, bin);
    if (count_group *g = group_of(tips)) {
        if (g->total < NOTES_KEPT)
            g->first[g->total] = line;
        ++g->total;
    }
}

bool tip_counts::wants_quote(std::int64_t tips)
{
    const count_group *g = group_of(tips);
    return g != nullptr && g->total < NOTES_KEPT;
}

std::int64_t tip_counts::lines_with(std::int64_t tips) const
{
    return tips < 0 ? 0 : bins_[bin_of(tips)];
}

std::int64_t tip_counts::most_common(std::int64_t preferred) const
{
    const std::int64_t p = bin_of(preferred);
    return p > 0 && bins_[p] == bins_[best_] ? p : best_;
}

// --- Lines ---

void line_tally::line_end(const unsigned char *p)
{
    ++facts_.line_feeds;
    end_line(p, text_.bytes + text_.count);
    ++facts_.lines;
    start_at(current_, text_, p + 1);
}

void line_tally::end_mark(const unsigned char *p)
{
    ended_ = true;
    facts_.end_mark = true;
    facts_.end_mark_line.line = facts_.lines;
    keep_start(end_mark_, current_);
    end_line(p, text_.bytes + text_.count);
    after_end_mark(p + 1, text_.bytes + text_.count);
}

// A line ends at p: at a line end, at the end mark, or at the end of the
// input.
void line_tally::end_line(const unsigned char *p, const unsigned char *end)
{
    if (token_.open || line_.group_open || line_.label_waits)
        close_line_words(p, end);
    if (line_.outcomes != 0)
        count_line();
    reset_line();
}

void line_tally::reset_line()
{
    line_.outcomes = line_.label_outcomes = line_.name_outcomes = line_.date_outcomes = 0;
    line_.lead_tips = 0;
    line_.lead_value = -1;
    line_.tokens = 0;
    line_.causes = 0;
    line_.letters = line_.has_word = line_.after_word = false;
    line_.lone_cr = line_.cr_inside = line_.label_waits = line_.group_open = false;
}

// The line's counts, and no quote yet.
void line_tally::summarise(line_summary &s) const
{
    s.line = facts_.lines;
    s.outcomes = line_.outcomes;
    s.tips = line_.outcomes - line_.label_outcomes - line_.name_outcomes - line_.date_outcomes;
    s.lead_tips = line_.lead_tips;
    s.letters = line_.letters;
    s.causes = line_.causes;
    s.quote.length = 0;
}

void line_tally::count_line()
{
    const std::int64_t tips =
        line_.outcomes - line_.label_outcomes - line_.name_outcomes - line_.date_outcomes;
    if (settled(tips)) {
        count_settled_line(tips);
        return;
    }
    line_summary &s = summary_;
    summarise(s);
    const quote_how how{facts_.utf16, text_.big_endian, false};
    if (tips_.wants_quote(s.tips) || tips_not_lead_.wants_quote(s.tips - s.lead_tips) ||
        line_.causes != 0 || line_.cr_inside || facts_.windows.head_count < line_windows::LINES)
        s.quote = quote_of(current_, text_, how);
    tally_facts &f = facts_;
    ++f.lines_with_outcomes;
    f.max_outcomes = std::max(f.max_outcomes, s.outcomes);
    static_cast<line_counts &>(f.last) = s; // its quote is made at the end
    keep_start(last_, current_);
    tips_.add(s, s.tips);
    tips_not_lead_.add(s, s.tips - s.lead_tips);
    note_causes(s);
    note_limits(s);
    note_window(s);
    note_row_number(s);
}

void line_tally::note_causes(const line_summary &s)
{
    const bool past_head = facts_.lines_with_outcomes > line_windows::LINES;
    if ((s.causes & LABEL_NUMBER) != 0)
        add_to_cause(facts_.labels, {s, line_.label_outcomes, line_.label}, past_head);
    if ((s.causes & NAME) != 0)
        add_to_cause(facts_.names, {s, line_.name_outcomes, line_.name}, past_head);
    if ((s.causes & DATE) != 0)
        add_to_cause(facts_.dates, {s, line_.date_outcomes, NO_WORD}, past_head);
    if (line_.cr_inside)
        add_to_cause(facts_.cr_inside, {s, 0, NO_WORD}, past_head);
}

// Whether the line only adds to what the lines before it set up: no cause
// and no row number in it, past the first lines, and of the count of the
// line before, whose first lines are kept. Most lines of a system are.
bool line_tally::settled(std::int64_t tips) const
{
    return line_.causes == 0 && !line_.cr_inside && line_.lead_tips == 0 && run_.lines == 0 &&
           facts_.lines_with_outcomes >= line_windows::LINES && tips_.repeats(tips) &&
           tips_not_lead_.repeats(tips);
}

// A settled line: no quote, no cause, no window but the tail's, no row
// number; what count_line does with it, without looking for the rest.
void line_tally::count_settled_line(std::int64_t tips)
{
    tally_facts &f = facts_;
    ++f.lines_with_outcomes;
    f.max_outcomes = std::max(f.max_outcomes, line_.outcomes);
    f.last.line = f.lines;
    f.last.outcomes = line_.outcomes;
    f.last.tips = tips;
    f.last.lead_tips = 0;
    f.last.letters = line_.letters;
    f.last.causes = 0;
    keep_start(last_, current_);
    tips_.add_again(tips);
    tips_not_lead_.add_again(tips);
    note_limits(f.last);
    note_tail(f.last);
}

void line_tally::note_limits(const line_counts &s)
{
    limit_lines &l = facts_.limits;
    if (facts_.lines_with_outcomes == MAX_GAMES + 1)
        l.line_game_16 = s.line;
    if (facts_.lines_with_outcomes == MAX_TIP_ROWS + 1)
        l.line_tip_row_20001 = s.line;
    if (s.outcomes > MAX_GAMES)
        l.over_15.add(s.line);
    if (s.outcomes > MAX_TIP_ROWS)
        l.over_20000.add(s.line);
}

// The first lines go into the head window, every line into the ring of the
// tail window; the tail's line starts are kept to quote them at the end.
void line_tally::note_window(const line_summary &s)
{
    line_windows &w = facts_.windows;
    if (w.head_count < line_windows::LINES)
        w.head[w.head_count++] = s;
    note_tail(s);
}

void line_tally::note_tail(const line_counts &s)
{
    line_windows &w = facts_.windows;
    static_cast<line_counts &>(w.tail[w.tail_next]) = s; // their quotes are made at the end
    keep_start(tail_starts_[w.tail_next], current_);
    w.tail_next = w.tail_next + 1 == line_windows::LINES ? 0 : w.tail_next + 1;
    w.tail_count = std::min(w.tail_count + 1, line_windows::LINES);
}

// The run of lines that begin with numbers counting up by one, started at
// 0 or 1 on one of the first lines; the longest is kept.
void line_tally::note_row_number(const line_summary &s)
{
    number_run &run = run_;
    const std::int64_t value = line_.lead_value;
    const bool goes_on = run.lines != 0 && value == run.next;
    if (!goes_on) {
        if (run.lines > facts_.numbers.lines)
            facts_.numbers = run;
        run = number_run{};
        if ((value != 0 && value != 1) || facts_.lines_with_outcomes > NUMBERS_START_WITHIN)
            return;
        run.first_line = s.line;
    }
    ++run.lines;
    run.last_line = s.line;
    run.next = value + 1;
    run.outcomes += s.lead_tips;
}

} // namespace sysorient
