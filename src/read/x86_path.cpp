// The SSE2 and AVX2 paths: the x86-64 chunk layer under the common walk of
// chunk_walker.h, and the stage's transpose. A 64-byte chunk is classified into its two masks, and
// a run of outcomes side by side or one byte apart is stored with a few vector instructions.
//
// This file is built twice: as it stands for SSE2, which every x86-64
// processor has, and with -mavx2 for AVX2. Each build is a namespace of its
// own (sse2 or avx2), so no function compiled for AVX2 can stand in for one
// of the other at link time; a test checks that the AVX2 object defines
// nothing outside its namespace.
#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "read/tip_row_stage.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__AVX2__)
#include <immintrin.h>
#define SYSORIENT_PATH avx2
#else
#include <emmintrin.h>
#define SYSORIENT_PATH sse2
#endif

namespace sysorient::SYSORIENT_PATH {
namespace {

#include "bits.h"
#include "read/chunk_masks.h"

// --- 16-byte vectors: SSE2, which both builds have ---

inline __m128i load16(const unsigned char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}
inline void store16(std::int8_t *p, __m128i v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), v);
}

// Stores the values of the N outcome characters side by side at from.
template <int N> void copy_side_by_side_16(std::int8_t *to, const unsigned char *from)
{
    for (int i = 0; i < N; i += 16)
        store16(to + i, _mm_and_si128(load16(from + i), _mm_set1_epi8(3)));
}

// Stores the values of N outcome characters one byte apart, read from 2N
// bytes: each 16-bit pair keeps its first byte's value, and a pack narrows
// the pairs to bytes.
template <int N> void copy_one_apart_16(std::int8_t *to, const unsigned char *from)
{
    for (std::ptrdiff_t i = 0; i < N; i += 16) {
        const __m128i a = _mm_and_si128(load16(from + 2 * i), _mm_set1_epi16(3));
        const __m128i b = _mm_and_si128(load16(from + 2 * i + 16), _mm_set1_epi16(3));
        store16(to + i, _mm_packus_epi16(a, b));
    }
}

#if defined(__AVX2__)

// --- 32-byte vectors: AVX2 ---

inline __m256i load32(const unsigned char *p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}
inline void store32(std::int8_t *p, __m256i v)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), v);
}

// A byte's class, as the AND of a table entry for its low four bits and one
// for its high four bits: 1 for '0' to '2' (0x30-0x32), 2 for 'x' and 'X'
// (0x58, 0x78), 0x80 for a line end (0x0A), 0xC0 for the end mark (0x1A),
// and 0 for every other byte. No other pair of entries shares a bit, and
// bytes from 0x80 on find 0 in the first table.
inline __m256i classes_of(__m256i b)
{
    // clang-format off
    const __m256i low_table = _mm256_setr_epi8(
        1, 1, 1, 0, 0, 0, 0, 0, 2, 0, -0x40, 0, 0, 0, 0, 0,
        1, 1, 1, 0, 0, 0, 0, 0, 2, 0, -0x40, 0, 0, 0, 0, 0);
    const __m256i high_table = _mm256_setr_epi8(
        -0x80, -0x40, 0, 1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0,
        -0x80, -0x40, 0, 1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0);
    // clang-format on
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(b, 4), _mm256_set1_epi8(0x0F));
    return _mm256_and_si256(_mm256_shuffle_epi8(low_table, b),
                            _mm256_shuffle_epi8(high_table, high));
}
inline std::uint64_t mask_of(__m256i v)
{
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(v));
}

// Outcomes are the positive classes; line ends and end marks have the sign bit.
inline chunk_masks classify(const unsigned char *p)
{
    const __m256i low = classes_of(load32(p));
    const __m256i high = classes_of(load32(p + 32));
    const __m256i zero = _mm256_setzero_si256();
    return {mask_of(_mm256_cmpgt_epi8(low, zero)) | mask_of(_mm256_cmpgt_epi8(high, zero)) << 32,
            mask_of(low) | mask_of(high) << 32};
}

// Outcomes and the end mark are the classes with a bit of 0x43.
inline bool holds_outcome_or_end_mark(const unsigned char *p)
{
    const __m256i any = _mm256_or_si256(classes_of(load32(p)), classes_of(load32(p + 32)));
    return _mm256_testz_si256(any, _mm256_set1_epi8(0x43)) == 0;
}

template <int N> void copy_side_by_side(std::int8_t *to, const unsigned char *from)
{
    if constexpr (N == 16) {
        copy_side_by_side_16<16>(to, from);
    } else {
        for (int i = 0; i < N; i += 32)
            store32(to + i, _mm256_and_si256(load32(from + i), _mm256_set1_epi8(3)));
    }
}

// As copy_one_apart_16; a 32-byte pack interleaves its two 16-byte halves
// in 8-byte pieces, which one permutation puts back in order.
template <int N> void copy_one_apart(std::int8_t *to, const unsigned char *from)
{
    if constexpr (N == 16) {
        copy_one_apart_16<16>(to, from);
    } else {
        static_assert(N == 32, "32 values from 64 bytes");
        const __m256i a = _mm256_and_si256(load32(from), _mm256_set1_epi16(3));
        const __m256i b = _mm256_and_si256(load32(from + 32), _mm256_set1_epi16(3));
        store32(to, _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8));
    }
}

// Each 16-bit code unit with its two bytes swapped: big-endian to little.
inline __m256i swap_bytes_32(__m256i v)
{
    return _mm256_or_si256(_mm256_slli_epi16(v, 8), _mm256_srli_epi16(v, 8));
}

// As narrow_16, 32 code units at a time; the permutation puts the packs'
// 8-byte pieces back in order.
inline void narrow_32(unsigned char *to, const unsigned char *from, bool big_endian)
{
    __m256i a = load32(from);
    __m256i b = load32(from + 32);
    if (big_endian) {
        a = swap_bytes_32(a);
        b = swap_bytes_32(b);
    }
    const __m256i narrowed = _mm256_or_si256(_mm256_packus_epi16(a, b), _mm256_packs_epi16(a, b));
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to), _mm256_permute4x64_epi64(narrowed, 0xD8));
}
constexpr std::size_t NARROW_UNITS = 32;

#else

// --- SSE2: four 16-byte vectors to a chunk ---

// 0xFF for each of '0', '1' and '2': b - '0' is below 3, tested as a signed
// comparison after moving '0' to the smallest signed byte.
inline __m128i digit_bytes(__m128i b)
{
    const __m128i moved = _mm_add_epi8(b, _mm_set1_epi8(static_cast<char>(0x80 - '0')));
    return _mm_cmpgt_epi8(_mm_set1_epi8(-128 + 3), moved);
}
// 0xFF for each 'x' and 'X': setting bit 5 makes 'X' 'x' and no other byte 'x'.
inline __m128i x_bytes(__m128i b)
{
    return _mm_cmpeq_epi8(_mm_or_si128(b, _mm_set1_epi8(0x20)), _mm_set1_epi8('x'));
}
inline __m128i outcome_bytes(__m128i b) { return _mm_or_si128(digit_bytes(b), x_bytes(b)); }
inline __m128i end_mark_bytes(__m128i b) { return _mm_cmpeq_epi8(b, _mm_set1_epi8(END_MARK)); }
// 0xFF for each line end and end mark: setting bit 4 makes 0x0A 0x1A, and
// no other byte.
inline __m128i special_bytes(__m128i b)
{
    return _mm_cmpeq_epi8(_mm_or_si128(b, _mm_set1_epi8(0x10)), _mm_set1_epi8(END_MARK));
}
inline std::uint64_t mask_of(__m128i v) { return static_cast<std::uint16_t>(_mm_movemask_epi8(v)); }

inline chunk_masks classify(const unsigned char *p)
{
    chunk_masks m{0, 0};
    for (int i = 0; i < CHUNK; i += 16) {
        const __m128i b = load16(p + i);
        m.outcomes |= mask_of(outcome_bytes(b)) << i;
        m.specials |= mask_of(special_bytes(b)) << i;
    }
    return m;
}

inline bool holds_outcome_or_end_mark(const unsigned char *p)
{
    __m128i any = _mm_setzero_si128();
    for (int i = 0; i < CHUNK; i += 16) {
        const __m128i b = load16(p + i);
        any = _mm_or_si128(any, _mm_or_si128(outcome_bytes(b), end_mark_bytes(b)));
    }
    return _mm_movemask_epi8(any) != 0;
}

template <int N> void copy_side_by_side(std::int8_t *to, const unsigned char *from)
{
    copy_side_by_side_16<N>(to, from);
}
template <int N> void copy_one_apart(std::int8_t *to, const unsigned char *from)
{
    copy_one_apart_16<N>(to, from);
}

// A 16-bit code unit with its two bytes swapped: big-endian to little.
inline __m128i swap_bytes_16(__m128i v)
{
    return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
}

// Narrows 16 code units at from to bytes at to: an ASCII unit to itself,
// any other to a byte from 0x80 on. Two packs saturate each unit, taken as
// a signed number, to 0 to 0xFF and to -0x80 to 0x7F; OR-ed together they
// give the unit itself below 0x80, 0xFF from 0x80 to 0x7FFF, and from
// 0x8000 on (negative) 0x80, or the low byte from 0xFF80 on.
inline void narrow_16(unsigned char *to, const unsigned char *from, bool big_endian)
{
    __m128i a = load16(from);
    __m128i b = load16(from + 16);
    if (big_endian) {
        a = swap_bytes_16(a);
        b = swap_bytes_16(b);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i *>(to),
                     _mm_or_si128(_mm_packus_epi16(a, b), _mm_packs_epi16(a, b)));
}

inline void narrow_32(unsigned char *to, const unsigned char *from, bool big_endian)
{
    narrow_16(to, from, big_endian);
    narrow_16(to + 16, from + 32, big_endian);
}
constexpr std::size_t NARROW_UNITS = 32;

#endif

// --- The stage: a 16 x 16 byte transpose with SSE2 ---

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

// Moves the stage's first `count` rows into the table as the tip rows from
// first_row on; first_row is a multiple of tip_row_stage::ROWS.
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
        // Not cell_index: an inline function of a shared header would be
        // defined in this object too, built for AVX2 (see the file's head).
        std::int8_t *cells =
            table.cells + static_cast<std::ptrdiff_t>(g) * MAX_TIP_ROWS + first_row;
        const __m128i column = rows[bit_reversed(g)];
        if (count == tip_row_stage::ROWS)
            _mm_storeu_si128(reinterpret_cast<__m128i *>(cells), column);
        else
            std::memcpy(cells, &column, static_cast<std::size_t>(count));
    }
}

#include "read/chunk_walker.h"

} // namespace

int fill(system_table &table, tip_row_stage &stage, const unsigned char *bytes, std::size_t count)
{
    return fill_chunks(table, stage, bytes, count);
}

void finish(system_table &table, tip_row_stage &stage) { finish_chunks(table, stage); }

#if defined(__AVX2__)
const char *identity() { return "AVX2"; }
#else
const char *identity() { return "SSE2"; }
#endif

// In place too: the bytes each step stores lie at or before those it has
// read, and before those that later steps read.
void narrow_utf16(unsigned char *to, const unsigned char *from, std::size_t units, bool big_endian)
{
    for (std::size_t i = 0; i < units; i += NARROW_UNITS)
        narrow_32(to + i, from + 2 * i, big_endian);
}

} // namespace sysorient::SYSORIENT_PATH
