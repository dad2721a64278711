// sysorient-check: reads system.txt as sysorient does, writes no file, and
// prints a report of what was read on standard output. Exit status 0 with
// nothing to report, 1 with a finding, -1 when system.txt cannot be read.
#include "check/system_check.h"
#include "command_line.h"
#include "system_file.h"
#include "system_table.h"

#include <csignal>
#include <cstdio>
#include <cstring>

namespace sysorient {
namespace {

system_table table;

int print_line(void * /*unused*/, const char *text, std::size_t length)
{
    if (std::fwrite(text, 1, length, stdout) != length || std::fputc('\n', stdout) == EOF)
        return -1;
    return 0;
}

int run_check(int argc, char **argv)
{
    // A report into a pipe nobody reads fails as a write, not by a signal.
#if defined(SIGPIPE)
    std::signal(SIGPIPE, SIG_IGN);
#endif
    parse_options(table, argc, argv);
    std::FILE *file = open_system_file();
    int status = CHECK_UNREADABLE;
    if (file == nullptr) {
        print_line(nullptr, CANNOT_OPEN, std::strlen(CANNOT_OPEN));
    } else {
        status = check_system(table, file_source(file), report_sink{print_line, nullptr});
        std::fclose(file);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        return CHECK_UNREADABLE;
    return status;
}

} // namespace
} // namespace sysorient

int main(int argc, char **argv) { return sysorient::run_check(argc, argv); }
