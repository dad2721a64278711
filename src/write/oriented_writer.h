// Writing the system table in its fixed orientation: one line per game, "_"
// followed by one digit per tip row, ended by CR LF. The writer hands each
// finished line to a byte_sink, so tests can collect the bytes in memory.
#ifndef SYSORIENT_ORIENTED_WRITER_H
#define SYSORIENT_ORIENTED_WRITER_H

#include "system_table.h"

#include <cstddef>

namespace sysorient {

constexpr int WRITE_OK = 0;
constexpr int WRITE_FAILED = -1;

// A receiver of output bytes. write takes count bytes and returns WRITE_OK,
// or WRITE_FAILED when it could not take all of them.
struct byte_sink {
    int (*write)(void *context, const char *bytes, std::size_t count);
    void *context;
};

// Writes game_count lines of 1 + tip_row_count characters plus CR LF, one
// sink call per line. Stops at the first failed write and returns
// WRITE_FAILED; returns WRITE_OK otherwise.
int write_oriented(const system_table &table, byte_sink sink);

} // namespace sysorient

#endif
