// The check of sysorient-check: reads a system exactly as sysorient does
// and finds what it would write and what in the file may not be what the
// user meant, as records (findings.h); report_text.h puts them in words.
// It writes no file.
#ifndef SYSORIENT_SYSTEM_CHECK_H
#define SYSORIENT_SYSTEM_CHECK_H

#include "check/findings.h"
#include "check/line_tally.h"
#include "read/system_reader.h"
#include "system_table.h"

namespace sysorient {

// Results of a check, and the exit status of sysorient-check.
constexpr int CHECK_CLEAN = 0;       // nothing to report beyond the first line
constexpr int CHECK_FINDINGS = 1;    // one finding or more, or the system is too large
constexpr int CHECK_UNREADABLE = -1; // system.txt cannot be read

// What a check works with and leaves: what the caller found of the files
// (before the check), the tally of the lines and the report. Large, so the
// caller keeps it in static storage, where it starts as zeros: every member
// is initialised (to zeros), so that none needs code to run before main.
struct check_state {
    file_facts files{};
    line_tally tally;
    report findings{};
};

// Reads a system from source into table (as the driver leaves it: all zero
// but for line_is_tip_row), and leaves the report in state.findings: first
// what sysorient would write, or why it would write nothing, then the
// findings. Returns CHECK_CLEAN, CHECK_FINDINGS or CHECK_UNREADABLE.
int check_system(system_table &table, byte_source source, check_state &state,
                 read_path path = read_path::fastest);

} // namespace sysorient

#endif
