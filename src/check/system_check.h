// The check of sysorient-check: reads a system exactly as sysorient does and
// reports, in plain English, what it would write and what in the file may
// not be what the user meant. It writes no file.
#ifndef SYSORIENT_SYSTEM_CHECK_H
#define SYSORIENT_SYSTEM_CHECK_H

#include "read/system_reader.h"
#include "system_table.h"

#include <cstddef>

namespace sysorient {

// Results of a check, and the exit status of sysorient-check.
constexpr int CHECK_CLEAN = 0;       // nothing to report beyond the first line
constexpr int CHECK_FINDINGS = 1;    // one finding or more, or the system is too large
constexpr int CHECK_UNREADABLE = -1; // system.txt cannot be read

// A receiver of report lines, each without its line end. line returns 0, or
// -1 when it could not take the line.
struct report_sink {
    int (*line)(void *context, const char *text, std::size_t length);
    void *context;
};

// The report's first line when system.txt cannot be opened.
constexpr const char *CANNOT_OPEN =
    "system.txt: cannot be opened: there is no system.txt here, or it cannot be read";

// Reads a system from source into table (as the driver leaves it: all zero
// but for line_is_tip_row) and reports on it to sink: first what sysorient
// would write, or why it would write nothing, then one finding a line.
// Returns CHECK_CLEAN, CHECK_FINDINGS or CHECK_UNREADABLE; a sink that fails
// makes it CHECK_UNREADABLE too.
int check_system(system_table &table, byte_source source, report_sink sink,
                 read_path path = read_path::fastest);

} // namespace sysorient

#endif
