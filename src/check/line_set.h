// A set of lines, as a finding names them ("lines 1, 2, 10 and 11"): runs
// of neighbouring lines, the first RUNS of them kept, and how many lines
// there are in all. Memory stays the same whatever the file holds.
#ifndef SYSORIENT_LINE_SET_H
#define SYSORIENT_LINE_SET_H

#include <cstdint>

namespace sysorient {

struct line_run {
    std::int64_t first;
    std::int64_t last;
};

struct line_set {
    static constexpr int RUNS = 6;
    line_run runs[RUNS];
    int run_count;      // runs kept
    std::int64_t lines; // lines in all, kept or not

    // Adds a line after every line added so far.
    void add(std::int64_t line)
    {
        ++lines;
        if (run_count != 0 && runs[run_count - 1].last + 1 == line)
            runs[run_count - 1].last = line;
        else if (run_count < RUNS)
            runs[run_count++] = {line, line};
    }

    // Whether a kept run holds the line.
    [[nodiscard]] bool holds(std::int64_t line) const
    {
        for (int r = 0; r < run_count; ++r)
            if (line >= runs[r].first && line <= runs[r].last)
                return true;
        return false;
    }

    [[nodiscard]] bool empty() const { return lines == 0; }
    [[nodiscard]] std::int64_t first_line() const { return run_count == 0 ? 0 : runs[0].first; }
};

} // namespace sysorient

#endif
