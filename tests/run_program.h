// Runs the built program as a child process, the way a user would: in a
// given working directory, with standard output and error captured.
#ifndef SYSORIENT_RUN_PROGRAM_H
#define SYSORIENT_RUN_PROGRAM_H

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace sysorient::test {

struct program_run {
    int status;        // exit status as a POSIX shell shows it: -1 is 255
    std::string out;   // standard output
    std::string err;   // standard error
    long peak_rss_kib; // peak resident memory of the child, -1 where
                       // unknown (Windows: Wine's own is no measure)
};

// How to run it, beyond the usual. wrapper, out_to_closed_pipe and
// file_size_limit are POSIX only.
struct run_options {
    std::vector<std::string> wrapper; // a command that runs the program (strace ...)
    bool out_to_closed_pipe = false;  // standard output a pipe nobody reads
    long file_size_limit = -1;        // RLIMIT_FSIZE in bytes, or -1
    // Variables set for the program. The locale's (LANGUAGE, LC_ALL,
    // LC_MESSAGES, LANG) are unset unless given here, so that a program
    // speaks English whatever the tests' own environment.
    std::vector<std::pair<std::string, std::string>> environment = {};
};

// Runs program with args in dir; the captured streams pass through files in
// scratch, which must exist and differ from dir.
program_run run_program(const std::string &program, const std::vector<std::string> &args,
                        const std::filesystem::path &dir, const std::filesystem::path &scratch,
                        const run_options &options = {});

std::string read_bytes(const std::filesystem::path &file);
void write_bytes(const std::filesystem::path &file, const std::string &bytes);

} // namespace sysorient::test

#endif
