// The report's lines on standard output, in the encoding the user's
// terminal reads: UTF-8 elsewhere; on Windows, Unicode in a console window
// (WriteConsoleW), and the console's code page (or the OEM code page when
// there is no console: 850 on a German system) into a pipe or a file, so
// that type, more and for /f show the umlauts right.
#ifndef SYSORIENT_CONSOLE_TEXT_H
#define SYSORIENT_CONSOLE_TEXT_H

#include <cstddef>

namespace sysorient {

// Writes one line of UTF-8 text and its line end; returns 0, or -1 if it
// could not be written.
int print_report_line(void *context, const char *text, std::size_t length);

// Whatever print_report_line holds back, written; returns 0 or -1.
int finish_report();

} // namespace sysorient

#endif
