// A file's characters: its encoding, decoding, and what makes words.
#include "check/text_characters.h"

#include <algorithm>
#include <cstdint>

namespace sysorient {
namespace {

// The length of the UTF-8 sequence that begins with lead, 0 if none.
std::size_t utf8_length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

bool continuation(unsigned char b) { return (b & 0xC0) == 0x80; }

char32_t utf8_at(const unsigned char *b, std::size_t length, std::size_t &i)
{
    const std::size_t n = utf8_length(b[i]);
    if (n == 0) {
        ++i;
        return NO_CHARACTER;
    }
    char32_t c = n == 1 ? b[i] : b[i] & (0x7F >> n);
    std::size_t k = 1;
    for (; k < n && i + k < length && continuation(b[i + k]); ++k)
        c = c << 6 | (b[i + k] & 0x3F);
    i += k;
    constexpr char32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (k < n || c < SMALLEST[n] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return NO_CHARACTER;
    return c;
}

char32_t unit_at(const unsigned char *b, std::size_t i, bool big_endian)
{
    const char32_t first = b[i];
    const char32_t second = b[i + 1];
    return big_endian ? first << 8 | second : second << 8 | first;
}

char32_t utf16_at(const unsigned char *b, std::size_t length, std::size_t &i, bool big_endian)
{
    const char32_t first = unit_at(b, i, big_endian);
    i += 2;
    if (first < 0xD800 || first >= 0xE000)
        return first;
    if (first >= 0xDC00 || i + 2 > length)
        return NO_CHARACTER;
    const char32_t second = unit_at(b, i, big_endian);
    if (second < 0xDC00 || second >= 0xE000)
        return NO_CHARACTER;
    i += 2;
    return 0x10000 + ((first - 0xD800) << 10 | (second - 0xDC00));
}

bool valid_utf8(const unsigned char *b, std::size_t length, bool whole)
{
    for (std::size_t i = 0; i < length;) {
        const std::size_t start = i;
        if (utf8_at(b, length, i) == NO_CHARACTER &&
            (whole || !cut_at_end(text_encoding::utf8, b, length, start)))
            return false;
    }
    return true;
}

bool ascii_letter(unsigned char b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }

// The German letters ä ö ü Ä Ö Ü ß of each code page.
constexpr unsigned char GERMAN_850[] = {0x84, 0x94, 0x81, 0x8E, 0x99, 0x9A, 0xE1};
constexpr unsigned char GERMAN_1252[] = {0xE4, 0xF6, 0xFC, 0xC4, 0xD6, 0xDC, 0xDF};

template <std::size_t N> bool one_of(const unsigned char (&set)[N], unsigned char b)
{
    return std::find(set, set + N, b) != set + N;
}

// Code page 850 where more of the bytes from 0x80 on that stand inside
// words (between ASCII letters) are its German letters than Windows-1252's.
bool old_dos_text(const unsigned char *b, std::size_t length)
{
    long dos = 0;
    long windows = 0;
    for (std::size_t i = 1; i < length; ++i) {
        if (b[i] < 0x80 || !ascii_letter(b[i - 1]))
            continue;
        std::size_t end = i;
        while (end < length && b[end] >= 0x80)
            ++end;
        if (end == length || !ascii_letter(b[end]))
            continue;
        for (; i < end; ++i) {
            dos += one_of(GERMAN_850, b[i]) ? 1 : 0;
            windows += one_of(GERMAN_1252, b[i]) ? 1 : 0;
        }
    }
    return dos > windows;
}

// Blanks: the spaces of every width, and the zero-width space.
constexpr character_range BLANKS[] = {{0x00A0, 0x00A0}, {0x1680, 0x1680}, {0x2000, 0x200B},
                                      {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000}};

bool in(const character_range *first, const character_range *last, char32_t c)
{
    const character_range *r = std::upper_bound(
        first, last, c, [](char32_t x, const character_range &range) { return x < range.first; });
    return r != first && c <= r[-1].last;
}

} // namespace

text_encoding encoding_of(const unsigned char *head, std::size_t length, bool whole)
{
    if (valid_utf8(head, length, whole))
        return text_encoding::utf8;
    return old_dos_text(head, length) ? text_encoding::cp850 : text_encoding::windows_1252;
}

char32_t character_at(text_encoding e, const unsigned char *bytes, std::size_t length,
                      std::size_t &i)
{
    switch (e) {
    case text_encoding::utf8:
        return utf8_at(bytes, length, i);
    case text_encoding::utf16le:
    case text_encoding::utf16be:
        return utf16_at(bytes, length, i, e == text_encoding::utf16be);
    default:
        break;
    }
    const unsigned char b = bytes[i++];
    if (b < 0x80)
        return b;
    const char16_t c = (e == text_encoding::cp850 ? CP850_HIGH : WINDOWS_1252_HIGH)[b - 0x80];
    return c == 0 ? NO_CHARACTER : c;
}

bool cut_at_end(text_encoding e, const unsigned char *bytes, std::size_t length, std::size_t i)
{
    if (e == text_encoding::utf16le || e == text_encoding::utf16be) {
        const char32_t unit = unit_at(bytes, i, e == text_encoding::utf16be);
        return i + 2 == length && unit >= 0xD800 && unit < 0xDC00;
    }
    if (e != text_encoding::utf8)
        return false;
    const std::size_t n = utf8_length(bytes[i]);
    if (n < 2 || i + n <= length)
        return false;
    return std::all_of(bytes + i + 1, bytes + length, continuation);
}

word_part part_of_word(char32_t c)
{
    if (c > 0x10FFFF)
        return word_part::other;
    if (in(std::begin(BLANKS), std::end(BLANKS), c))
        return word_part::blank;
    if (c == 0x2012 || c == 0x2013 || c == 0x2014 || c == 0x2212)
        return word_part::dash;
    return in(SEPARATORS, SEPARATORS + SEPARATOR_RANGES, c) ? word_part::other : word_part::word;
}

} // namespace sysorient
