// The lines of the tally: what each line with outcomes adds to the facts.
#include "check/line_tally.h"

#include "check/tally_quotes.h"

#include <algorithm>

namespace sysorient {
namespace {

// The lines' first numbers are looked at from one of the first lines with
// outcomes on.
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
    g.lines = line_set{};
    return last_ = &g;
}

void tip_counts::add(const line_summary &line, std::int64_t tips)
{
    const std::int64_t bin = bin_of(tips);
    const std::int64_t lines = ++bins_[bin];
    const std::int64_t most = bins_[best_];
    if (lines > most || (lines == most && bin > best_))
        best_ = bin;
    top_ = std::max(top_, bin);
    if (count_group *g = group_of(tips)) {
        if (g->total < NOTES_KEPT)
            g->first[g->total] = line;
        ++g->total;
        g->lines.add(line.line);
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
    // A line without outcomes after one of the first lines with them.
    line_windows &w = facts_.windows;
    if (line_.outcomes == 0 && w.head_count != 0 &&
        w.head[w.head_count - 1].line == facts_.lines - 1)
        w.head[w.head_count - 1].gap_after = true;
    ++facts_.line_feeds;
    end_line();
    ++facts_.lines;
    start_at(current_, text_, p + 1);
}

void line_tally::end_mark(const unsigned char *p)
{
    ended_ = true;
    facts_.end_mark = true;
    facts_.end_mark_line.line = facts_.lines;
    keep_start(end_mark_, current_);
    end_line();
    after_end_mark(p + 1, text_.bytes + text_.count);
}

// A line ends: at a line end, at the end mark, or at the end of the input.
void line_tally::end_line()
{
    close_line_words();
    if (line_.outcomes != 0)
        count_line();
    reset_line();
}

// The words it held are read only where its causes say so, and stay.
void line_tally::reset_line()
{
    line_state &l = line_;
    l.outcomes = l.lead_tips = l.lead_named = l.lone_crs = 0;
    std::fill(l.from, l.from + TEXT_CAUSES, 0);
    l.lead_value = -1;
    l.lead = lead_place::start;
    l.lead_after_words = l.lead_dotted = l.letters = l.labelled = l.bank = l.lone_cr = false;
    l.counting = true;
    l.count_next = 1;
    l.causes = 0;
    l.group_open = l.label_waits = false;
    l.mark_waits = 0;
}

void line_tally::count_line()
{
    line_summary &s = summary_;
    s.line = facts_.lines;
    s.outcomes = line_.outcomes;
    s.tips = line_.outcomes;
    for (int k = 0; k < TEXT_CAUSES; ++k)
        s.tips -= (s.from[k] = line_.from[k]);
    s.lead_tips = line_.lead_tips;
    s.letters = line_.letters;
    s.text_like = line_.letters && !line_.labelled && !line_.bank;
    s.numbering = line_.counting && line_.count_next > 3;
    s.gap_after = false;
    s.causes = line_.causes;
    if (!s.text_like) // one tip, as a banker is written once
        s.causes |= (s.tips == 1 ? 1U << BANKER : 0) |
                    (s.tips - s.lead_tips == 1 ? 1U << BANKER_NUMBERED : 0);
    s.quote.length = 0;
    if (tips_.wants_quote(s.tips) || tips_not_lead_.wants_quote(s.tips - s.lead_tips) ||
        s.causes != 0 || facts_.windows.head_count < line_windows::LINES)
        s.quote = quote_of(current_, text_, {facts_.encoding, false});
    tally_facts &f = facts_;
    ++f.lines_with_outcomes;
    f.max_outcomes = std::max(f.max_outcomes, s.outcomes);
    f.lone_crs += line_.lone_crs;
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
    for (int k = 0; k < LINE_CAUSES; ++k)
        if ((s.causes & 1U << k) != 0)
            add_to_cause(facts_.causes[k],
                         {s, k < TEXT_CAUSES ? line_.from[k] : 0,
                          k < TEXT_CAUSES ? line_.words[k] : NO_WORD},
                         past_head);
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

// The first lines go into the head window, with their words, and every
// line into the ring of the tail window; the tail's line starts are kept to
// quote them at the end.
void line_tally::note_window(const line_summary &s)
{
    line_windows &w = facts_.windows;
    if (w.head_count < line_windows::LINES) {
        std::copy(line_.words, line_.words + TEXT_CAUSES, w.head_words[w.head_count]);
        w.head[w.head_count++] = s;
    }
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

// The run of lines whose first numbers count up by one, started at 0 or 1
// on one of the first lines, all of them at the lines' starts or all behind
// words; the longest is kept.
void line_tally::note_row_number(const line_summary &s)
{
    number_run &run = run_;
    const std::int64_t value = line_.lead_value;
    const bool after_words = line_.lead_after_words;
    const bool goes_on = run.lines != 0 && value == run.next && run.after_words == after_words;
    if (!goes_on) {
        if (run.lines > facts_.numbers.lines)
            facts_.numbers = run;
        run = number_run{};
        if ((value != 0 && value != 1) || facts_.lines_with_outcomes > NUMBERS_START_WITHIN)
            return;
        run.first_line = s.line;
        run.after_words = after_words;
        run.dotted = line_.lead_dotted;
        run.first_named = line_.lead_named;
        run.word = line_.lead_word;
    }
    ++run.lines;
    run.last_line = s.line;
    run.next = value + 1;
    run.outcomes += s.lead_tips;
    if (s.lead_tips != 0)
        run.tipped.add(s.line);
}

} // namespace sysorient
