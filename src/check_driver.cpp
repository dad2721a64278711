// sysorient-check: reads system.txt as sysorient does, writes no file, and
// prints a report of what was read on standard output, in German for a user
// whose language is German and in English otherwise. Exit status 0 with
// nothing to report, 1 with a finding, -1 when system.txt cannot be read or
// the report cannot be written.
#include "check/language.h"
#include "check/report_text.h"
#include "check/system_check.h"
#include "command_line.h"
#include "console_text.h"
#include "oriented_file.h"
#include "system_file.h"
#include "system_table.h"
#include "write_signals.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sysorient {
namespace {

system_table table;
check_state state;

#if defined(_WIN32)
constexpr platform HERE = platform::windows;

const language &user_language()
{
    return language_of_ui(GetUserDefaultUILanguage()) == report_language::german ? GERMAN : ENGLISH;
}

// The file the batch files were given instead of system.txt (ORIENT_FILE,
// its path): its name in UTF-8, and whether it opens. False if none.
bool given_file(unopened &why)
{
    static char name[1024];
    const wchar_t *path = _wgetenv(L"ORIENT_FILE");
    if (path == nullptr || *path == L'\0')
        return false;
    const wchar_t *last = path;
    for (const wchar_t *c = path; *c != L'\0'; ++c)
        if (*c == L'\\' || *c == L'/' || *c == L':')
            last = c + 1;
    if (WideCharToMultiByte(CP_UTF8, 0, last, -1, name, sizeof name, nullptr, nullptr) <= 0)
        return false;
    // Looked at, not opened: its content is not needed.
    const DWORD attributes = GetFileAttributesW(path);
    why.given = name;
    why.given_opens =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return true;
}

// The current folder in UTF-8, or nullptr.
const char *current_folder()
{
    static wchar_t wide[1024];
    static char folder[4096];
    const DWORD n = GetCurrentDirectoryW(sizeof wide / sizeof wide[0], wide);
    if (n == 0 || n >= sizeof wide / sizeof wide[0])
        return nullptr;
    return WideCharToMultiByte(CP_UTF8, 0, wide, -1, folder, sizeof folder, nullptr, nullptr) > 0
               ? folder
               : nullptr;
}

bool exists(const char *name)
{
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
#else
constexpr platform HERE = platform::other;

const language &user_language()
{
    const locale_variables v{std::getenv("LANGUAGE"), std::getenv("LC_ALL"),
                             std::getenv("LC_MESSAGES"), std::getenv("LANG")};
    return language_of(v) == report_language::german ? GERMAN : ENGLISH;
}

bool given_file(unopened &why)
{
    const char *path = std::getenv("ORIENT_FILE");
    if (path == nullptr || *path == '\0')
        return false;
    const char *slash = std::strrchr(path, '/');
    // Looked at, not opened: its content is not needed, and a pipe would wait.
    struct stat st {};
    why.given = slash != nullptr ? slash + 1 : path;
    why.given_opens = stat(path, &st) == 0 && !S_ISDIR(st.st_mode) && access(path, R_OK) == 0;
    return true;
}

const char *current_folder()
{
    static char folder[4096];
    return getcwd(folder, sizeof folder);
}

bool exists(const char *name)
{
    struct stat st {};
    return stat(name, &st) == 0 && !S_ISDIR(st.st_mode);
}
#endif

// Reads system.txt, or says why it cannot; returns the status.
int check_file()
{
    unopened why{false, nullptr, false, nullptr};
    if (given_file(why)) {
        judge_unopened(table, why, state.findings);
        return CHECK_FINDINGS;
    }
    std::FILE *file = open_system_file();
    if (file == nullptr) {
        why.txt_txt = exists("system.txt.txt");
        why.folder = current_folder();
        judge_unopened(table, why, state.findings);
        return CHECK_UNREADABLE;
    }
    state.files = {probe_oriented_file(), oriented_file_holds};
    const int status = check_system(table, file_source(file), state);
    std::fclose(file);
    return status;
}

int run_check(int argc, char **argv)
{
    ignore_write_signals();
    parse_options(table, argc, argv);
    const int status = check_file();
    const int printed = render_report(state.findings, user_language(), HERE,
                                      report_sink{print_report_line, nullptr});
    if (printed != 0 || finish_report() != 0)
        return CHECK_UNREADABLE;
    return status;
}

} // namespace
} // namespace sysorient

int main(int argc, char **argv) { return sysorient::run_check(argc, argv); }
