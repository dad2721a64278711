// sysorient-check: reads system.txt as sysorient does, writes no file, and
// prints a report of what was read on standard output. Exit status 0 with
// nothing to report, 1 with a finding, -1 when system.txt cannot be read or
// the report cannot be written.
#include "check/report_text.h"
#include "check/system_check.h"
#include "command_line.h"
#include "system_file.h"
#include "system_table.h"
#include "write_signals.h"

#include <cstdio>

namespace sysorient {
namespace {

system_table table;
check_state state;

int print_line(void * /*unused*/, const char *text, std::size_t length)
{
    if (std::fwrite(text, 1, length, stdout) != length || std::fputc('\n', stdout) == EOF)
        return -1;
    return 0;
}

// Reads system.txt, or says that it cannot be opened; returns the status.
int check_file()
{
    std::FILE *file = open_system_file();
    if (file == nullptr) {
        judge_unopened(table, state.findings);
        return CHECK_UNREADABLE;
    }
    const int status = check_system(table, file_source(file), state);
    std::fclose(file);
    return status;
}

int run_check(int argc, char **argv)
{
    ignore_write_signals();
    parse_options(table, argc, argv);
    const int status = check_file();
    const int printed = render_report(state.findings, ENGLISH, report_sink{print_line, nullptr});
    if (printed != 0 || std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        return CHECK_UNREADABLE;
    return status;
}

} // namespace
} // namespace sysorient

int main(int argc, char **argv) { return sysorient::run_check(argc, argv); }
