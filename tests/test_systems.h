// Inputs made up for the tests, shared by the unit and end-to-end tests. The
// full 15 x 20000 system comes from the benchmarks' generator (bench_inputs.h).
#ifndef SYSORIENT_TEST_SYSTEMS_H
#define SYSORIENT_TEST_SYSTEMS_H

#include <string>

namespace sysorient::test {

template <class String> String repeated(const String &piece, int times)
{
    String s;
    s.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}
inline std::string repeat(const std::string &piece, int times) { return repeated(piece, times); }
inline std::u16string repeat(const std::u16string &piece, int times)
{
    return repeated(piece, times);
}

// Text as UTF-16 behind its byte-order mark, as Windows programs save
// "Unicode" text.
inline std::string utf16(const std::u16string &text, bool big_endian)
{
    std::string s = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8);
        const auto low = static_cast<char>(unit & 0xFF);
        s += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return s;
}

} // namespace sysorient::test

#endif
