// A write into a pipe nobody reads, or past a file-size limit, would end a
// program by a signal. Ignored, they make the write fail, and each program
// ends with -1 on a failed write like on any other failure.
#ifndef SYSORIENT_WRITE_SIGNALS_H
#define SYSORIENT_WRITE_SIGNALS_H

#include <csignal>

namespace sysorient {

inline void ignore_write_signals()
{
#if defined(SIGPIPE)
    std::signal(SIGPIPE, SIG_IGN);
#endif
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace sysorient

#endif
