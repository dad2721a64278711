// What a vector path's chunk layer and its walk share: the 64-byte chunk,
// its two masks and the bit tricks on them. Included inside the namespace of
// each instruction set's path (so it includes nothing itself), that every
// object built for an instruction set has its own copy.
//
// Bit i of a mask stands for byte i of a chunk. A worked example, with 32
// bytes instead of 64 and bit 0 on the left:
//
//   bytes     1 _ x _ 2 \r \n M e x i k o _ 1 \n 2 1 x 0 \n _ _ _ 1 _ _ _ 2 \x1a 0 \n
//   outcomes  1 0 1 0 1 0  0  0 0 1 0 0 0 0 1 0  1 1 1 1 0  0 0 0 1 0 0 0 1 0    1 0
//   specials  0 0 0 0 0 0  1  0 0 0 0 0 0 0 0 1  0 0 0 0 1  0 0 0 0 0 0 0 0 1    0 1
//
// The bits below the lowest special (0..5) pick the first line's run: bits
// 0, 2 and 4, one byte apart, so one pack stores 1, 0, 2. The line end at 6
// ends the line. Below the next special (15) lie bits 9 and 14: not regular,
// so they are stored one by one (0 from the x of "Mexiko", then 1). Bits 16
// to 19 are side by side: one copy stores 2, 1, 0, 0. Bits 24 and 28 are
// four apart: one by one again. The special at 29 is the end mark: reading
// stops there, and the 0 after it is never stored.
#ifndef SYSORIENT_CHUNK_MASKS_H
#define SYSORIENT_CHUNK_MASKS_H

constexpr int CHUNK = 64;
constexpr unsigned char END_MARK = 0x1A;

struct chunk_masks {
    std::uint64_t outcomes; // '0', '1', '2', 'x' and 'X'
    std::uint64_t specials; // line ends and end marks
};

// Index of the lowest set bit; the mask must not be 0.
inline int lowest_bit(std::uint64_t mask) { return __builtin_ctzll(mask); }

// The bits below the lowest set bit, or all bits if none is set: 0b10100 -> 0b00011.
inline std::uint64_t bits_below_lowest(std::uint64_t mask) { return (mask & (0 - mask)) - 1; }

// Whether the set bits are one block from bit 0: 0b0111 is, 0b0101 is not.
inline bool is_solid(std::uint64_t shape) { return (shape & (shape + 1)) == 0; }

// How many bits a solid shape holds: 0b0111 -> 3.
inline int solid_length(std::uint64_t shape)
{
    return shape == ~std::uint64_t{0} ? CHUNK : lowest_bit(shape + 1);
}

// Whether no two set bits are neighbours: 0b0101 has none, 0b0110 has.
inline bool has_no_neighbours(std::uint64_t shape) { return (shape & shape >> 1) == 0; }

// The shape with each gap of one bit filled: 0b10101 -> 0b11111.
inline std::uint64_t gaps_filled(std::uint64_t shape) { return shape | shape >> 1; }

// The first n bits: 3 -> 0b0111. n is below 64.
inline std::uint64_t first_bits(std::ptrdiff_t n) { return (std::uint64_t{1} << n) - 1; }

// The value of an outcome character is in its low two bits: '0' 0x30,
// '1' 0x31, '2' 0x32, 'x' 0x78, 'X' 0x58.
inline std::int8_t outcome_value(unsigned char c) { return static_cast<std::int8_t>(c & 3); }

#endif
