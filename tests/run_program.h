// Runs the built program as a child process, the way a user would: in a
// given working directory, with standard output and error captured.
#ifndef SYSORIENT_RUN_PROGRAM_H
#define SYSORIENT_RUN_PROGRAM_H

#include <filesystem>
#include <string>
#include <vector>

namespace sysorient::test {

struct program_run {
    int status;        // exit status as a POSIX shell shows it: -1 is 255
    std::string out;   // standard output
    std::string err;   // standard error
    long peak_rss_kib; // peak resident memory of the child, -1 where
                       // unknown (Windows: Wine's own is no measure)
};

// Runs program with args in dir; the captured streams pass through files in
// scratch, which must exist and differ from dir.
program_run run_program(const std::string &program, const std::vector<std::string> &args,
                        const std::filesystem::path &dir, const std::filesystem::path &scratch);

std::string read_bytes(const std::filesystem::path &file);
void write_bytes(const std::filesystem::path &file, const std::string &bytes);

} // namespace sysorient::test

#endif
