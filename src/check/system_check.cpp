// The check of sysorient-check. The reading is read_system's own: the table
// it fills gives the first line, and the tally, which watches the same text,
// gives the facts that the findings are made of.
#include "check/system_check.h"

namespace sysorient {

int check_system(system_table &table, byte_source source, check_state &state, read_path path)
{
    if (!read_path_available(path))
        return CHECK_UNREADABLE;
    state.tally.start();
    const int status = read_system_watched(table, source, state.tally.watcher(), path);
    judge({table, status, state.tally.finish(), state.files}, state.findings);
    if (status == READ_FAILED)
        return CHECK_UNREADABLE;
    return has_findings(state.findings) ? CHECK_FINDINGS : CHECK_CLEAN;
}

} // namespace sysorient
