// What a vector path's chunk layer and its walk share: the 64-byte chunk and
// its two masks (the bit tricks on them are in bits.h). Included inside the
// namespace of each instruction set's path, after bits.h (so it includes
// nothing itself), that every object built for an instruction set has its
// own copy.
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

constexpr int CHUNK = MASK_BITS;
constexpr unsigned char END_MARK = END_MARK_BYTE;

struct chunk_masks {
    std::uint64_t outcomes; // '0', '1', '2', 'x' and 'X'
    std::uint64_t specials; // line ends and end marks
};

// The value of an outcome character is in its low two bits: '0' 0x30,
// '1' 0x31, '2' 0x32, 'x' 0x78, 'X' 0x58.
inline std::int8_t outcome_value(unsigned char c) { return static_cast<std::int8_t>(c & 3); }

#endif
