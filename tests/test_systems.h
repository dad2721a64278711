// Systems made up for the tests, shared by the unit and end-to-end tests.
#ifndef SYSORIENT_TEST_SYSTEMS_H
#define SYSORIENT_TEST_SYSTEMS_H

#include "system_table.h"

#include <string>

namespace sysorient::test {

inline std::string repeat(const std::string &piece, int times)
{
    std::string s;
    s.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

// ASCII text as UTF-16 with a byte-order mark.
inline std::string utf16(const std::string &ascii, bool big_endian)
{
    std::string s = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii)
        s += big_endian ? std::string{'\0', c} : std::string{c, '\0'};
    return s;
}

// The outcome of game g in tip row t of the full test system.
inline char full_outcome(int g, int t)
{
    return static_cast<char>('0' + (g * 7 + t * 3 + t / 5) % 3);
}

// The full MAX_GAMES x MAX_TIP_ROWS system as a system file: outcomes written
// as given by the orientation, separated by sep, lines ended by eol.
inline std::string full_system(bool tip_rows, const std::string &sep, const std::string &eol)
{
    const int lines = tip_rows ? MAX_TIP_ROWS : MAX_GAMES;
    const int per_line = tip_rows ? MAX_GAMES : MAX_TIP_ROWS;
    std::string s;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < per_line; ++i) {
            s += tip_rows ? full_outcome(i, l) : full_outcome(l, i);
            s += sep;
        }
        s += eol;
    }
    return s;
}

// What the program writes for the full system.
inline std::string full_oriented()
{
    std::string s;
    for (int g = 0; g < MAX_GAMES; ++g) {
        s += '_';
        for (int t = 0; t < MAX_TIP_ROWS; ++t)
            s += full_outcome(g, t);
        s += "\r\n";
    }
    return s;
}

} // namespace sysorient::test

#endif
