// The check's classes of a byte, and its masks of a 64-byte chunk. The
// classes are the reader's (byte_classes.h) with some skipped bytes told
// apart, which the reader does not need; the masks are made from the
// classes, so neither spells out an input rule again.
#ifndef SYSORIENT_CHECK_CLASSES_H
#define SYSORIENT_CHECK_CLASSES_H

#include "read/byte_classes.h"

#include <array>
#include <cstdint>

namespace sysorient {

// Beyond the reader's classes (outcomes 0 to OUTCOME_MAX, SKIP, LINE_END,
// END_MARK_CLASS): a letter or digit that is no outcome, CR, and the two
// marks that may end a number in a label.
enum : unsigned char { WORD = 6, CR = 7, COLON = 8, DOT = 9 };

constexpr bool is_ascii_letter_or_digit(unsigned b)
{
    return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9');
}

constexpr std::array<unsigned char, 256> make_check_classes()
{
    std::array<unsigned char, 256> classes = BYTE_CLASSES;
    for (unsigned b = 0; b < 256; ++b) {
        if (classes[b] != SKIP)
            continue;
        if (is_ascii_letter_or_digit(b))
            classes[b] = WORD;
        else if (b == '\r')
            classes[b] = CR;
        else if (b == ':')
            classes[b] = COLON;
        else if (b == '.')
            classes[b] = DOT;
    }
    return classes;
}

constexpr std::array<unsigned char, 256> CHECK_CLASSES = make_check_classes();

inline bool is_outcome(unsigned char b) { return CHECK_CLASSES[b] <= OUTCOME_MAX; }

// Bit i for byte i of a 64-byte chunk, by the check's classes.
struct check_masks {
    std::uint64_t outcomes;   // classes 0 to OUTCOME_MAX
    std::uint64_t line_ends;  // LINE_END
    std::uint64_t crs;        // CR
    std::uint64_t words;      // WORD
    std::uint64_t end_marks;  // END_MARK_CLASS
    std::uint64_t label_ends; // COLON and DOT
};

// The masks of the 64 bytes at p.
check_masks classify_chunk(const unsigned char *p);

} // namespace sysorient

#endif
