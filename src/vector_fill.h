// The reader's vector paths, as the read loop in system_reader.cpp sees
// them. vector_fill.cpp is built twice, once for SSE2 and once for AVX2;
// each build defines its own set of functions below.
#ifndef SYSORIENT_VECTOR_FILL_H
#define SYSORIENT_VECTOR_FILL_H

#include "system_reader.h"
#include "system_table.h"
#include "tip_row_stage.h"

#include <cstddef>

namespace sysorient {

// What a fill returns, besides READ_OK and the limit results, when it met
// the end mark; it has read nothing after it.
constexpr int FILL_END_MARK = 3;

// The vector fills may read up to this many bytes past the end of the bytes
// they are given, and use none of them: the buffer must extend that far.
constexpr std::size_t FILL_OVERREAD = 128;

// Fills the table from count bytes that follow what earlier calls were
// given, in chunks of 64. Tip-row-per-line input goes through the stage.
// Returns READ_OK, a limit result or FILL_END_MARK.
int fill_from_chunks_sse2(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                          std::size_t count);
int fill_from_chunks_avx2(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                          std::size_t count);

// After the last fill: moves the rows left on the stage into the table and
// clears what vector stores left past the last outcome of an unfinished line.
void finish_chunks_sse2(system_table &table, tip_row_stage &stage);
void finish_chunks_avx2(system_table &table, tip_row_stage &stage);

// Narrows units UTF-16 code units at bytes, in place, to one byte each: an
// ASCII code unit to its character, any other to a byte the reader skips.
// Like the fills, may read up to FILL_OVERREAD bytes past the code units.
void narrow_utf16_sse2(unsigned char *bytes, std::size_t units, bool big_endian);
void narrow_utf16_avx2(unsigned char *bytes, std::size_t units, bool big_endian);

} // namespace sysorient

#endif
