// The input rules as a class for each byte value: what the reader makes of
// every byte. The portable path reads through this table, and the check of
// sysorient-check builds its own classes from it, so the rules stand here once.
#ifndef SYSORIENT_BYTE_CLASSES_H
#define SYSORIENT_BYTE_CLASSES_H

#include <array>

namespace sysorient {

// 0 to OUTCOME_MAX: an outcome of that value. SKIP: a byte the rules pass
// over. LINE_END ends a line, END_MARK the input.
enum : unsigned char { OUTCOME_MAX = 2, SKIP = 3, LINE_END = 4, END_MARK_CLASS = 5 };

constexpr std::array<unsigned char, 256> make_byte_classes()
{
    std::array<unsigned char, 256> classes{};
    // std::array::fill is not constexpr before C++20.
    for (unsigned char &c : classes)
        c = SKIP; // cppcheck-suppress useStlAlgorithm
    classes['0'] = 0;
    classes['x'] = 0;
    classes['X'] = 0;
    classes['1'] = 1;
    classes['2'] = 2;
    classes['\n'] = LINE_END;
    classes[0x1A] = END_MARK_CLASS;
    return classes;
}

constexpr std::array<unsigned char, 256> BYTE_CLASSES = make_byte_classes();

} // namespace sysorient

#endif
