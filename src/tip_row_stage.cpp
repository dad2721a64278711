// Moving tip rows from the stage into the table: a 16 x 16 byte transpose.
#include "tip_row_stage.h"

#include <emmintrin.h>

#include <cstring>

namespace sysorient {
namespace {

// Four rounds of interleaving pairs of vectors (bytes, then 2, 4 and 8 byte
// units) turn 16 rows into 16 columns. They come out in bit-reversed order:
// vector v holds column reverse(v), so column c is in vector reverse(c).
constexpr int bit_reversed(int c)
{
    return (c & 1) << 3 | (c & 2) << 1 | (c & 4) >> 1 | (c & 8) >> 3;
}

template <int Round> void interleave(const __m128i (&from)[16], __m128i (&to)[16])
{
    for (std::size_t i = 0; i < 8; ++i) {
        const __m128i a = from[2 * i];
        const __m128i b = from[2 * i + 1];
        if constexpr (Round == 0) {
            to[i] = _mm_unpacklo_epi8(a, b);
            to[i + 8] = _mm_unpackhi_epi8(a, b);
        } else if constexpr (Round == 1) {
            to[i] = _mm_unpacklo_epi16(a, b);
            to[i + 8] = _mm_unpackhi_epi16(a, b);
        } else if constexpr (Round == 2) {
            to[i] = _mm_unpacklo_epi32(a, b);
            to[i + 8] = _mm_unpackhi_epi32(a, b);
        } else {
            to[i] = _mm_unpacklo_epi64(a, b);
            to[i + 8] = _mm_unpackhi_epi64(a, b);
        }
    }
}

} // namespace

void move_stage_rows(system_table &table, const tip_row_stage &stage, int first_row, int count)
{
    __m128i rows[16];
    __m128i scratch[16];
    for (int r = 0; r < 16; ++r)
        rows[r] = _mm_load_si128(reinterpret_cast<const __m128i *>(stage.rows[r]));
    interleave<0>(rows, scratch);
    interleave<1>(scratch, rows);
    interleave<2>(rows, scratch);
    interleave<3>(scratch, rows);
    for (int g = 0; g < MAX_GAMES; ++g) {
        std::int8_t *cells = table.cells + cell_index(g, first_row);
        const __m128i column = rows[bit_reversed(g)];
        if (count == tip_row_stage::ROWS)
            _mm_storeu_si128(reinterpret_cast<__m128i *>(cells), column);
        else
            std::memcpy(cells, &column, static_cast<std::size_t>(count));
    }
}

} // namespace sysorient
