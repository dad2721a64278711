// Taking a line out of a set of lines.
#include "check/line_set.h"

namespace sysorient {

void line_set::remove_end_line(std::int64_t line)
{
    --lines;
    for (int r = 0; r < run_count; ++r) {
        line_run &run = runs[r];
        if (line < run.first || line > run.last)
            continue;
        if (line == run.first)
            ++run.first;
        else if (line == run.last)
            --run.last;
        if (run.first > run.last) {
            for (int later = r + 1; later < run_count; ++later)
                runs[later - 1] = runs[later];
            --run_count;
        }
        return;
    }
}

} // namespace sysorient
