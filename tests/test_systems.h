// Inputs made up for the tests, shared by the unit and end-to-end tests. The
// full 15 x 20000 system comes from the benchmarks' generator (bench_inputs.h).
#ifndef SYSORIENT_TEST_SYSTEMS_H
#define SYSORIENT_TEST_SYSTEMS_H

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

} // namespace sysorient::test

#endif
