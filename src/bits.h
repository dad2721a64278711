// The bit helpers of the 64-bit masks that the reader's vector paths and the
// check's tally make of a 64-byte chunk: bit i of a mask stands for byte i.
//
// Included inside the namespace of whatever uses it (so it includes nothing
// itself, and needs <cstdint> before it): an object built for AVX2 must
// not define a helper that an object built for SSE2 might link to.
#ifndef SYSORIENT_BITS_H
#define SYSORIENT_BITS_H

constexpr int MASK_BITS = 64;

// Index of the lowest set bit; the mask must not be 0.
inline int lowest_bit(std::uint64_t mask) { return __builtin_ctzll(mask); }

// Index of the highest set bit; the mask must not be 0.
inline int highest_bit(std::uint64_t mask) { return MASK_BITS - 1 - __builtin_clzll(mask); }

// The first n bits, n from 0 to 64: 3 -> 0b0111.
inline std::uint64_t first_bits(int n)
{
    // n & (MASK_BITS - 1) is n itself below 64; it shows the static analyser
    // that no shift goes out of range.
    return n >= MASK_BITS ? ~std::uint64_t{0} : (std::uint64_t{1} << (n & (MASK_BITS - 1))) - 1;
}

// Bits from..to-1, 0 <= from <= to <= 64: (1, 3) -> 0b0110.
inline std::uint64_t bit_range(int from, int to) { return first_bits(to) & ~first_bits(from); }

// The bits below the lowest set bit, or all bits if none is set: 0b10100 -> 0b00011.
inline std::uint64_t bits_below_lowest(std::uint64_t mask) { return (mask & (0 - mask)) - 1; }

// Whether the set bits are one block from bit 0: 0b0111 is, 0b0101 is not.
inline bool is_solid(std::uint64_t shape) { return (shape & (shape + 1)) == 0; }

// How many bits a solid shape holds: 0b0111 -> 3.
inline int solid_length(std::uint64_t shape)
{
    return shape == ~std::uint64_t{0} ? MASK_BITS : lowest_bit(shape + 1);
}

// Whether no two set bits are neighbours: 0b0101 has none, 0b0110 has.
inline bool has_no_neighbours(std::uint64_t shape) { return (shape & shape >> 1) == 0; }

// The shape with each gap of one bit filled: 0b10101 -> 0b11111.
inline std::uint64_t gaps_filled(std::uint64_t shape) { return shape | shape >> 1; }

// The number of set bits. Without the popcnt instruction (not in every
// x86-64 processor) the builtin is a library call: sums of neighbouring
// bits, then of pairs, then of nibbles, and a multiply adds the bytes.
inline int set_bits(std::uint64_t v)
{
#if defined(__POPCNT__) || !defined(__x86_64__)
    return __builtin_popcountll(v);
#else
    v -= (v >> 1) & 0x5555555555555555U;
    v = (v & 0x3333333333333333U) + ((v >> 2) & 0x3333333333333333U);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0FU;
    return static_cast<int>((v * 0x0101010101010101U) >> 56);
#endif
}

#endif
