// The system as the check sees it behind the file: which lines are text
// rather than games or tip rows (a heading, a footer, a column of row
// numbers), how many tips the system's lines hold, what is written for
// them, and what the file would be read the other way. Made once from the
// tally's facts; findings.cpp says it in records.
#ifndef SYSORIENT_SYSTEM_VIEW_H
#define SYSORIENT_SYSTEM_VIEW_H

#include "check/line_tally.h"
#include "system_table.h"

#include <cstdint>

namespace sysorient {

struct system_view {
    // The file read the other way (one tip row per line for a file read one
    // game per line, and the reverse).
    bool other_fits; // within the limits
    std::int64_t other_games;
    std::int64_t other_tip_rows;
    bool other_explains; // and, for a file too large, it explains it

    // The system's lines.
    bool numbered;            // their first numbers count up, and are text
    const tip_counts *counts; // their counts of tips, as numbered says
    std::int64_t tips;        // the count most of them hold
    std::int64_t written;     // the count written for every line: the last line's
    std::int64_t odd_lines;   // lines of the system of another count (text lines aside)
    line_set text_lines;      // the heading's and footer's lines
    // The count written comes from the last line's tips and from outcomes
    // that a cause named (a label, a name, a date, a row number): then it
    // says nothing of what is filled up.
    bool written_from_causes;

    // Lines whose outcomes come from text, the heading's and footer's aside.
    cause_lines heading;
    cause_lines footer;
    cause_lines numbers; // the counting numbers: row numbers, or labels' behind words
    cause_lines causes[TEXT_CAUSES + 1]; // the tally's, CR_INSIDE last
    // Lines of one tip in a system of games, as a banker written once is.
    cause_lines bankers;
    unsigned banker_bit; // the cause bit of such lines as numbered says, or 0

    // A file too large: what makes it so.
    bool fits_without_text; // without its text lines it fits
    std::int64_t games_without_text;
    std::int64_t tip_rows_without_text;
    line_set past_limit; // else the lines that go past the limit
    std::int64_t limit;

    const tally_facts *facts;

    // A line's count of tips, as the system's lines are counted.
    [[nodiscard]] std::int64_t tips_of(const line_counts &line) const
    {
        return numbered ? line.tips - line.lead_tips : line.tips;
    }
    // Lines, the heading's and footer's aside.
    [[nodiscard]] line_set system_lines(const line_set &lines) const;
    // The first line of a count's group that is no text line, as far as
    // the tally kept them (else its first).
    [[nodiscard]] const line_summary *first_system_line(const count_group &g) const;
};

system_view view_of(const system_table &table, int status, const tally_facts &facts);

} // namespace sysorient

#endif
