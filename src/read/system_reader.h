// Reading a system file into the system table. The reader takes its bytes
// from a byte_source, so the same code serves the program (a file), the tests
// and the fuzzer (memory, in blocks of any size).
#ifndef SYSORIENT_SYSTEM_READER_H
#define SYSORIENT_SYSTEM_READER_H

#include "system_table.h"

#include <cstddef>
#include <cstdint>

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
// how many it stored, 0 at the end of the input, or -1 on a read error. A
// source that meets an error after storing some bytes returns those bytes
// and reports the error on its next call: the reader may need no more.
struct byte_source {
    std::ptrdiff_t (*read)(void *context, unsigned char *buf, std::size_t cap);
    void *context;
};

// How the reader goes through the bytes. Every path fills the table alike;
// the tests and the fuzzer hold them to each other. The paths a build has
// are listed once, in the table of paths (fill_paths.h).
enum class read_path {
    fastest,  // the fastest of the others that this build and processor have
    avx2,     // 64 bytes at a time with AVX2 (x86-64 processors that have it)
    sse2,     // 64 bytes at a time with SSE2 (every x86-64 processor)
    generic,  // 64 bytes at a time with the compiler's vector types (other processors)
    portable, // byte by byte, on any processor
};

// Whether this build, on this processor, has the path.
bool read_path_available(read_path path);

// The name of the path that read_system takes for path ("AVX2", "SSE2",
// "vector-type", "portable"), or nullptr where it is not available.
const char *read_path_name(read_path path);

// Reads a whole system from source into table, which must be as the driver
// left it: all zero but for line_is_tip_row. Returns READ_OK, READ_FAILED
// (a read error while more input was needed: the table is then partly
// filled and must not be written), or one of the limit results. A path
// that is not available gives READ_FAILED.
int read_system(system_table &table, byte_source source, read_path path = read_path::fastest);

// How the watching of the input ended.
enum class watch_end {
    whole,      // at the end of the input
    read_error, // at a read error
    bounded,    // WATCH_PAST_READING bytes after the reader was done, with more to come
};

// How far a watcher is shown the input after the reader is done with it (at
// the end mark, or at a limit): a file with no end, such as a device, must
// not keep it going for ever.
constexpr std::int64_t WATCH_PAST_READING = std::int64_t{16} << 20;

// A piece of the input as a watcher sees it.
struct watched_text {
    // The text, as the reader's rules see it: UTF-16 narrowed to one byte a
    // code unit (a byte from 0x80 on for a code unit outside ASCII), every
    // other file as it stands.
    const unsigned char *bytes;
    std::size_t count;
    // UTF-16 only (else nullptr): the same count code units as they stand
    // in the file, two bytes each, in the file's byte order.
    const unsigned char *units;
    bool big_endian;
};

// Something that looks at the input as the reader takes it, beside it (the
// check of sysorient-check). Unlike the table, it sees the input to its end,
// also past the end mark and past a limit, up to WATCH_PAST_READING bytes
// further.
struct text_watcher {
    // The text in order.
    void (*text)(void *context, const watched_text &text);
    // Once, after the last text: how the watching ended, and the odd last
    // byte of a UTF-16 file (no code unit, so in no text), or -1.
    void (*end)(void *context, watch_end how, int odd_byte);
    void *context;
};

// read_system, with watcher shown the input. A read error after the reader
// was done ends the watching (and says so to the watcher), and changes
// nothing in the result.
int read_system_watched(system_table &table, byte_source source, const text_watcher &watcher,
                        read_path path = read_path::fastest);

} // namespace sysorient

#endif
