// The command line of both programs: only the first character of the first
// argument is looked at, and 's' or 'S' selects tip-row-per-line input. No
// argument is ever rejected.
#ifndef SYSORIENT_COMMAND_LINE_H
#define SYSORIENT_COMMAND_LINE_H

#include "system_table.h"

namespace sysorient {

inline void parse_options(system_table &t, int argc, char **argv)
{
    if (argc > 1 && (argv[1][0] == 's' || argv[1][0] == 'S'))
        t.line_is_tip_row = 1;
}

} // namespace sysorient

#endif
