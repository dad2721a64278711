// Reading a system file into the system table. The reader takes its bytes
// from a byte_source, so the same code serves the program (a file), the tests
// and the fuzzer (memory, in blocks of any size).
#ifndef SYSORIENT_SYSTEM_READER_H
#define SYSORIENT_SYSTEM_READER_H

#include "system_table.h"

#include <cstddef>

namespace sysorient {

// Results of reading. The limit results stop the reading at the outcome
// that would break the limit; the driver then prints the matching warning.
constexpr int READ_OK = 0;
constexpr int READ_FAILED = -1;           // cannot open, or a read error
constexpr int READ_TOO_MANY_GAMES = 1;    // an outcome for game MAX_GAMES + 1
constexpr int READ_TOO_MANY_TIP_ROWS = 2; // an outcome for tip row MAX_TIP_ROWS + 1

// printf formats of the two warnings; %i stands for MAX_GAMES and MAX_TIP_ROWS.
constexpr const char *GAMES_WARNING =
    "Mehr als %i Spiele im System - System oder Orientierung nicht OK\n";
constexpr const char *TIP_ROWS_WARNING =
    "Mehr als %i Tippreihen im System - System oder Orientierung nicht OK\n";

// A supplier of input bytes. read fills buf with up to cap bytes and returns
// how many it stored, 0 at the end of the input, or -1 on a read error.
struct byte_source {
    std::ptrdiff_t (*read)(void *context, unsigned char *buf, std::size_t cap);
    void *context;
};

// Bytes held in memory, handed out in blocks of at most `block` bytes: the
// source of the tests, the fuzzer and the benchmarks.
struct memory_source {
    const unsigned char *data;
    std::size_t size;
    std::size_t block;
    std::size_t pos;
};
// A byte_source read function whose context is a memory_source.
std::ptrdiff_t read_memory(void *context, unsigned char *buf, std::size_t cap);

// Scans the next bytes of the input into the table: the vector path where the
// build has one, or the plain byte-by-byte path, which the tests and the
// fuzzer hold against it.
using block_scanner = int (*)(system_table &table, const unsigned char *bytes, std::size_t count);
int scan_block(system_table &table, const unsigned char *bytes, std::size_t count);
int scan_block_portable(system_table &table, const unsigned char *bytes, std::size_t count);

// Reads a whole system from source into table, which must be as the driver
// left it: all zero but for line_is_tip_row. Returns READ_OK, READ_FAILED
// (a read error: the table is then partly filled and must not be written),
// or one of the limit results.
int read_system(system_table &table, byte_source source, block_scanner scan = scan_block);

} // namespace sysorient

#endif
