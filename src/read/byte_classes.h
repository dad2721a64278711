// What every byte value is, as a class: the input rules, and beside them
// the kinds of skipped bytes that the check of sysorient-check tells apart.
// The portable path reads through this table; the vector paths are held to
// it byte value by byte value, and make their chunk masks for the check
// from it; the check takes its classes from it. The rules stand here once.
#ifndef SYSORIENT_BYTE_CLASSES_H
#define SYSORIENT_BYTE_CLASSES_H

#include <array>

namespace sysorient {

// The input rules: 0 to OUTCOME_MAX, an outcome of that value; LINE_END
// ends a line, END_MARK_CLASS the input. Every other byte is skipped, and
// the reader takes SKIP and every class after END_MARK_CLASS alike; the
// check tells them apart: a letter that is no outcome (LETTER: ASCII, and
// every byte from 0x80 on, which in UTF-8, an ANSI code page or narrowed
// UTF-16 is part of a letter such as the ö of Köln), a digit that is none
// (DIGIT), CR, and the marks that end a number in a label or join the
// numbers of a date or an amount (COLON, DOT, COMMA).
enum : unsigned char {
    OUTCOME_MAX = 2,
    SKIP = 3,
    LINE_END = 4,
    END_MARK_CLASS = 5,
    LETTER = 6,
    DIGIT = 7,
    CR = 8,
    COLON = 9,
    DOT = 10,
    COMMA = 11,
};

// The byte that ends a line, and the one that ends the input (Ctrl-Z).
constexpr unsigned char LINE_END_BYTE = '\n';
constexpr unsigned char END_MARK_BYTE = 0x1A;

// A decimal digit, an outcome ('0' to '2') or not.
constexpr bool is_digit_byte(unsigned b) { return b >= '0' && b <= '9'; }

// The kind of a byte the input rules skip.
constexpr unsigned char skipped_class(unsigned b)
{
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b >= 0x80)
        return LETTER;
    if (is_digit_byte(b))
        return DIGIT;
    if (b == '\r')
        return CR;
    if (b == ':')
        return COLON;
    if (b == '.')
        return DOT;
    if (b == ',')
        return COMMA;
    return SKIP;
}

constexpr std::array<unsigned char, 256> make_byte_classes()
{
    std::array<unsigned char, 256> classes{};
    for (unsigned b = 0; b < 256; ++b)
        classes[b] = skipped_class(b);
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
