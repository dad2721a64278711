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

    // Adds a line before every line added so far; the last run kept may go.
    void add_first(std::int64_t line)
    {
        ++lines;
        if (run_count != 0 && runs[0].first == line + 1) {
            runs[0].first = line;
            return;
        }
        run_count = run_count < RUNS ? run_count + 1 : RUNS;
        for (int r = run_count - 1; r > 0; --r)
            runs[r] = runs[r - 1];
        runs[0] = {line, line};
    }

    // Takes the first line away.
    void drop_first()
    {
        if (run_count == 0)
            return;
        --lines;
        if (runs[0].first < runs[0].last) {
            ++runs[0].first;
            return;
        }
        --run_count;
        for (int r = 0; r < run_count; ++r)
            runs[r] = runs[r + 1];
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
