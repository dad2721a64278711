// The vector path of every processor but x86-64: the chunk layer under the
// common walk of chunk_walker.h, written once with the compilers' vector
// types (GCC and Clang vector extensions). GCC lowers them to NEON on
// aarch64 and to the vector facility on s390x machines that have it.
//
// Every shuffle names bytes by their place in memory, and a vector's bytes
// are read as a number only where the byte order is handled, so that big-
// and little-endian processors build the same masks.
#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "read/tip_row_stage.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace sysorient::generic {
namespace {

#include "bits.h"
#include "read/chunk_masks.h"

// 16 bytes. A comparison gives 0 or all bits set in each byte.
using bytes16 = unsigned char __attribute__((vector_size(16)));

inline bytes16 load16(const void *p)
{
    bytes16 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void store16(void *p, bytes16 v) { std::memcpy(p, &v, sizeof v); }

// Byte i of the result is byte Pick::at(i) of a and b side by side (0 to 31).
template <class Pick, std::size_t... I>
bytes16 shuffle(bytes16 a, bytes16 b, std::index_sequence<I...> /*unused*/)
{
    return __builtin_shufflevector(a, b, Pick::at(I)...);
}
template <class Pick> bytes16 shuffle(bytes16 a, bytes16 b)
{
    return shuffle<Pick>(a, b, std::make_index_sequence<16>());
}

// The first (Second 0) or second byte of each pair.
template <int Second> struct every_other {
    static constexpr int at(std::size_t i) { return static_cast<int>(2 * i) + Second; }
};

// --- Classes and masks ---

// 0xFF for each '0', '1' and '2' (below '0' the difference wraps high), and
// for each 'x' and 'X' (setting bit 5 makes 'X' 'x' and no other byte 'x').
inline bytes16 outcome_bytes(bytes16 b)
{
    return reinterpret_cast<bytes16>((b - '0') < 3) | reinterpret_cast<bytes16>((b | 0x20) == 'x');
}
// 0xFF for each line end and end mark: setting bit 4 makes 0x0A 0x1A.
inline bytes16 special_bytes(bytes16 b)
{
    return reinterpret_cast<bytes16>((b | 0x10) == END_MARK);
}
inline bytes16 end_mark_bytes(bytes16 b) { return reinterpret_cast<bytes16>(b == END_MARK); }

// Sums of neighbouring bytes: a0 + a1, a2 + a3, ..., b14 + b15.
inline bytes16 pair_sums(bytes16 a, bytes16 b)
{
    return shuffle<every_other<0>>(a, b) + shuffle<every_other<1>>(a, b);
}

// 64 bytes of 0x00 or 0xFF gathered into 16 bytes, each byte the bits of 4:
// every byte keeps the bit of its place within a group of 8, and two rounds
// of pair sums add them up (the bits differ, so the sums are ORs).
inline bytes16 gathered(bytes16 v0, bytes16 v1, bytes16 v2, bytes16 v3)
{
    constexpr bytes16 BIT_OF_PLACE = {1, 2, 4, 8, 16, 32, 64, 128, 1, 2, 4, 8, 16, 32, 64, 128};
    return pair_sums(pair_sums(v0 & BIT_OF_PLACE, v1 & BIT_OF_PLACE),
                     pair_sums(v2 & BIT_OF_PLACE, v3 & BIT_OF_PLACE));
}

// Bytes 8h to 8h + 7 of v as a number, byte 8h + k as its bits 8k to 8k + 7.
inline std::uint64_t half_as_bits(bytes16 v, std::size_t h)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, reinterpret_cast<const unsigned char *>(&v) + 8 * h, sizeof bits);
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    bits = __builtin_bswap64(bits);
#endif
    return bits;
}

// A third round of pair sums puts the outcome mask's 8 bytes in the low
// half and the special mask's in the high half.
inline chunk_masks classify(const unsigned char *p)
{
    const bytes16 b0 = load16(p);
    const bytes16 b1 = load16(p + 16);
    const bytes16 b2 = load16(p + 32);
    const bytes16 b3 = load16(p + 48);
    const bytes16 both = pair_sums(
        gathered(outcome_bytes(b0), outcome_bytes(b1), outcome_bytes(b2), outcome_bytes(b3)),
        gathered(special_bytes(b0), special_bytes(b1), special_bytes(b2), special_bytes(b3)));
    return {half_as_bits(both, 0), half_as_bits(both, 1)};
}

inline bool holds_outcome_or_end_mark(const unsigned char *p)
{
    bytes16 any{};
    for (int i = 0; i < CHUNK; i += 16) {
        const bytes16 b = load16(p + i);
        any |= outcome_bytes(b) | end_mark_bytes(b);
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &any, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

// --- Copies ---

template <int N> void copy_side_by_side(std::int8_t *to, const unsigned char *from)
{
    for (int i = 0; i < N; i += 16)
        store16(to + i, load16(from + i) & 3);
}

// The first byte of each pair holds the outcome.
template <int N> void copy_one_apart(std::int8_t *to, const unsigned char *from)
{
    for (std::ptrdiff_t i = 0; i < N; i += 16)
        store16(to + i,
                shuffle<every_other<0>>(load16(from + 2 * i), load16(from + 2 * i + 16)) & 3);
}

// --- The stage ---

// Units of Unit bytes from a and b in turn, from their low (High 0) or high
// halves: for Unit 1 and High 0, a0 b0 a1 b1 ... a7 b7.
template <int Unit, int High> struct interleaved {
    static constexpr int at(std::size_t i)
    {
        const int unit = static_cast<int>(i) / Unit;
        const int from_b = unit % 2;
        const int unit_in_source = unit / 2 + High * (8 / Unit);
        return from_b * 16 + unit_in_source * Unit + static_cast<int>(i) % Unit;
    }
};

// Each round interleaves pairs of vectors, in units of Unit bytes.
template <int Unit> void interleave_round(const bytes16 (&from)[16], bytes16 (&to)[16])
{
    for (std::size_t i = 0; i < 8; ++i) {
        to[i] = shuffle<interleaved<Unit, 0>>(from[2 * i], from[2 * i + 1]);
        to[i + 8] = shuffle<interleaved<Unit, 1>>(from[2 * i], from[2 * i + 1]);
    }
}

// Four rounds turn 16 rows into 16 columns, in bit-reversed order: column c
// is in vector reverse(c).
constexpr int bit_reversed(int c)
{
    return (c & 1) << 3 | (c & 2) << 1 | (c & 4) >> 1 | (c & 8) >> 3;
}

// --- UTF-16 ---

// Code unit i of the 32 bytes at from as one byte: its low byte where the
// high one is 0 and the low one below 0x80 (ASCII), 0x80 otherwise.
inline bytes16 narrowed(const unsigned char *from, bool big_endian)
{
    const bytes16 a = load16(from);
    const bytes16 b = load16(from + 16);
    const bytes16 first = shuffle<every_other<0>>(a, b);
    const bytes16 second = shuffle<every_other<1>>(a, b);
    const bytes16 low = big_endian ? second : first;
    const bytes16 high = big_endian ? first : second;
    const bytes16 ascii =
        reinterpret_cast<bytes16>(high == 0) & reinterpret_cast<bytes16>(low < 0x80);
    return (low & ascii) | (~ascii & 0x80);
}

// Moves the stage's first `count` rows into the table as the tip rows from
// first_row on; first_row is a multiple of tip_row_stage::ROWS.
void move_stage_rows(system_table &table, const tip_row_stage &stage, int first_row, int count)
{
    bytes16 rows[16];
    bytes16 scratch[16];
    for (std::size_t r = 0; r < 16; ++r)
        rows[r] = load16(stage.rows[r]);
    interleave_round<1>(rows, scratch);
    interleave_round<2>(scratch, rows);
    interleave_round<4>(rows, scratch);
    interleave_round<8>(scratch, rows);
    for (int g = 0; g < MAX_GAMES; ++g) {
        std::int8_t *cells =
            table.cells + static_cast<std::ptrdiff_t>(g) * MAX_TIP_ROWS + first_row;
        const bytes16 column = rows[bit_reversed(g)];
        if (count == tip_row_stage::ROWS)
            store16(cells, column);
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

const char *identity() { return "vector-type"; }

// In place too: the bytes each step stores lie at or before those it has
// read, and before those that later steps read.
void narrow_utf16(unsigned char *to, const unsigned char *from, std::size_t units, bool big_endian)
{
    for (std::size_t i = 0; i < units; i += 16)
        store16(to + i, narrowed(from + 2 * i, big_endian));
}

} // namespace sysorient::generic
