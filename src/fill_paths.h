// The reader's paths, as the read loop in system_reader.cpp sees them. Each
// path is a namespace with the same three functions:
//
//   int fill(table, stage, bytes, count)
//       Fills the table from count bytes that follow those of earlier calls.
//       Returns READ_OK, a limit result, or FILL_END_MARK when it met the
//       end mark (it has read nothing after it).
//   void finish(table, stage)
//       After the last fill: moves the tip rows left on the stage into the
//       table and clears what vector stores left past the last outcome of
//       an unfinished line.
//   void narrow_utf16(bytes, units, big_endian)
//       Narrows units UTF-16 code units at bytes, in place, to one byte
//       each: an ASCII code unit to its character, any other to a byte the
//       reader skips.
//
// portable reads byte by byte (portable_path.cpp); sse2 and avx2 read 64
// bytes at a time on x86-64 (x86_path.cpp, built once for each instruction
// set), and generic does on every other processor (generic_path.cpp).
#ifndef SYSORIENT_FILL_PATHS_H
#define SYSORIENT_FILL_PATHS_H

#include "system_table.h"
#include "tip_row_stage.h"

#include <cstddef>

namespace sysorient {

constexpr int FILL_END_MARK = 3;

// The vector paths may read up to this many bytes past the end of the bytes
// they are given, and use none of them: the buffer must extend that far.
constexpr std::size_t FILL_OVERREAD = 128;

namespace portable {
int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes, std::size_t count);
void finish(system_table &table, tip_row_stage &stage);
void narrow_utf16(unsigned char *bytes, std::size_t units, bool big_endian);
} // namespace portable

namespace sse2 {
int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes, std::size_t count);
void finish(system_table &table, tip_row_stage &stage);
void narrow_utf16(unsigned char *bytes, std::size_t units, bool big_endian);
} // namespace sse2

namespace avx2 {
int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes, std::size_t count);
void finish(system_table &table, tip_row_stage &stage);
void narrow_utf16(unsigned char *bytes, std::size_t units, bool big_endian);
} // namespace avx2

namespace generic {
int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes, std::size_t count);
void finish(system_table &table, tip_row_stage &stage);
void narrow_utf16(unsigned char *bytes, std::size_t units, bool big_endian);
} // namespace generic

} // namespace sysorient

#endif
