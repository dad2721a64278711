// The reader's paths, as the read loop in system_reader.cpp sees them. Each
// path is a namespace with the same functions, declared below once for all:
//
//   int fill(table, stage, bytes, count)
//       Fills the table from count bytes that follow those of earlier calls.
//       Returns READ_OK, a limit result, or FILL_END_MARK when it met the
//       end mark (it has read nothing after it).
//   void finish(table, stage)
//       After the last fill: moves the tip rows left on the stage into the
//       table and clears what vector stores left past the last outcome of
//       an unfinished line.
//   void narrow_utf16(to, from, units, big_endian)
//       Narrows units UTF-16 code units at from to one byte each at to
//       (which may be from itself: in place): an ASCII code unit to its
//       character, any other to a byte from 0x80 on (which the reader
//       skips), never 0: the check tells U+0000 from other characters by
//       it. It may store up to 63 bytes past the last.
//   const char *identity()
//       The path's own name, from its own source: a test holds each entry of
//       the table of paths to the functions it names.
//
// portable reads byte by byte (portable_path.cpp); sse2 and avx2 read 64
// bytes at a time on x86-64 (x86_path.cpp, built once for each instruction
// set), and generic does with the compilers' vector types (generic_path.cpp,
// on every other processor, and on x86-64 in the developer builds).
#ifndef SYSORIENT_FILL_PATHS_H
#define SYSORIENT_FILL_PATHS_H

#include "read/system_reader.h"
#include "read/tip_row_stage.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>

namespace sysorient {

constexpr int FILL_END_MARK = 3;

// The vector paths may read up to this many bytes past the end of the bytes
// they are given, and use none of them: the buffer must extend that far.
constexpr std::size_t FILL_OVERREAD = 128;

// A path's functions, as the table of paths holds them.
struct path_functions {
    int (*fill)(system_table &, tip_row_stage &, const unsigned char *, std::size_t);
    void (*finish)(system_table &, tip_row_stage &);
    void (*narrow)(unsigned char *, const unsigned char *, std::size_t, bool);
    const char *(*identity)();
};

// One entry of the table of paths: the path, its name, whether this
// processor runs it, and its functions.
struct path_entry {
    read_path path;
    const char *name;
    bool (*runs_here)();
    path_functions functions;
};

// The table of the paths this build has, fastest first (system_reader.cpp):
// the one list that the read loop, the tests, the fuzzer and the benchmarks
// go by.
struct path_table_range {
    const path_entry *first;
    const path_entry *last;
    [[nodiscard]] const path_entry *begin() const { return first; }
    [[nodiscard]] const path_entry *end() const { return last; }
};
path_table_range path_table();

// The entry that read_system takes for path, or nullptr where it is not
// available.
const path_entry *path_entry_of(read_path path);

#define SYSORIENT_PATH_FUNCTIONS                                                                   \
    int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes,                \
             std::size_t count);                                                                   \
    void finish(system_table &table, tip_row_stage &stage);                                        \
    void narrow_utf16(unsigned char *to, const unsigned char *from, std::size_t units,             \
                      bool big_endian);                                                            \
    const char *identity();

// clang-format off
namespace portable { SYSORIENT_PATH_FUNCTIONS }
namespace sse2 { SYSORIENT_PATH_FUNCTIONS }
namespace avx2 { SYSORIENT_PATH_FUNCTIONS }
namespace generic { SYSORIENT_PATH_FUNCTIONS }
// clang-format on

#undef SYSORIENT_PATH_FUNCTIONS

} // namespace sysorient

#endif
