// Report lines on standard output, in the terminal's encoding.
#include "console_text.h"

#include <cstdio>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace sysorient {
namespace {

#if defined(_WIN32)

// A line, as UTF-16 and as the code page's bytes.
constexpr int LINE_MAX = 4096;
wchar_t wide[LINE_MAX];
char narrow[4 * LINE_MAX];

bool is_console(HANDLE out)
{
    DWORD mode = 0;
    return GetConsoleMode(out, &mode) != 0;
}

UINT output_code_page()
{
    const UINT cp = GetConsoleOutputCP();
    return cp != 0 ? cp : GetOEMCP();
}

int print_wide(const wchar_t *text, int count)
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (is_console(out)) {
        DWORD written = 0;
        return WriteConsoleW(out, text, static_cast<DWORD>(count), &written, nullptr) != 0 &&
                       written == static_cast<DWORD>(count)
                   ? 0
                   : -1;
    }
    // No best fit: code pages 437 and 850 would make an arrow ESC, a note CR
    // and a bullet BEL, and a wide '"' a plain one. A character the code page
    // lacks becomes '?'. UTF-8 takes no such flag, and needs none.
    const UINT cp = output_code_page();
    const DWORD flags = cp == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    int bytes =
        WideCharToMultiByte(cp, flags, text, count, narrow, sizeof narrow, nullptr, nullptr);
    if (bytes == 0 && flags != 0 && GetLastError() == ERROR_INVALID_FLAGS)
        bytes = WideCharToMultiByte(cp, 0, text, count, narrow, sizeof narrow, nullptr, nullptr);
    if (count != 0 && bytes == 0)
        return -1;
    const auto n = static_cast<std::size_t>(bytes);
    return std::fwrite(narrow, 1, n, stdout) == n ? 0 : -1;
}

#endif

} // namespace

#if defined(_WIN32)

int print_report_line(void * /*unused*/, const char *text, std::size_t length)
{
    const int count =
        MultiByteToWideChar(CP_UTF8, 0, text, static_cast<int>(length), wide, LINE_MAX - 2);
    if (length != 0 && count == 0)
        return -1;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    // A console line ends with CR LF; standard output in text mode makes
    // one of LF.
    const bool console = is_console(out);
    int n = count;
    if (console)
        wide[n++] = L'\r';
    wide[n++] = L'\n';
    return print_wide(wide, n);
}

#else

int print_report_line(void * /*unused*/, const char *text, std::size_t length)
{
    if (std::fwrite(text, 1, length, stdout) != length || std::fputc('\n', stdout) == EOF)
        return -1;
    return 0;
}

#endif

int finish_report() { return std::fflush(stdout) != 0 || std::ferror(stdout) != 0 ? -1 : 0; }

} // namespace sysorient
