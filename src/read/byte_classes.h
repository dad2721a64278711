// What every byte value is to the input rules, as a class. The portable
// path reads through this table; the vector paths are held to it byte value
// by byte value; the check of sysorient-check counts outcomes and lines by
// it. The rules stand here once.
#ifndef SYSORIENT_BYTE_CLASSES_H
#define SYSORIENT_BYTE_CLASSES_H

#include <array>

namespace sysorient {

// 0 to OUTCOME_MAX: an outcome of that value; LINE_END ends a line,
// END_MARK_CLASS the input. Every other byte is skipped (SKIP).
enum : unsigned char {
    OUTCOME_MAX = 2,
    SKIP = 3,
    LINE_END = 4,
    END_MARK_CLASS = 5,
};

// The byte that ends a line, and the one that ends the input (Ctrl-Z).
constexpr unsigned char LINE_END_BYTE = '\n';
constexpr unsigned char END_MARK_BYTE = 0x1A;

// A decimal digit, an outcome ('0' to '2') or not.
constexpr bool is_digit_byte(unsigned b) { return b >= '0' && b <= '9'; }

constexpr std::array<unsigned char, 256> make_byte_classes()
{
    std::array<unsigned char, 256> classes{};
    for (unsigned b = 0; b < 256; ++b)
        classes[b] = SKIP;
    classes['0'] = 0;
    classes['x'] = 0;
    classes['X'] = 0;
    classes['1'] = 1;
    classes['2'] = 2;
    classes[LINE_END_BYTE] = LINE_END;
    classes[END_MARK_BYTE] = END_MARK_CLASS;
    return classes;
}

constexpr std::array<unsigned char, 256> BYTE_CLASSES = make_byte_classes();

} // namespace sysorient

#endif
