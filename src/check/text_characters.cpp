// A file's characters: its encoding, decoding, and what makes words.
#include "check/text_characters.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

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

// The characters from U+0080 on that separate words, written once: of
// Latin-1, Greek, Cyrillic, Armenian, Hebrew and Arabic their punctuation
// and symbols, the general punctuation (spaces, dashes, quotation marks,
// bullets, format characters), currency, number forms, arrows, mathematical
// and technical signs, box drawing, shapes, symbols and dingbats, CJK and
// fullwidth punctuation, specials, emoji and tags. Every other character
// makes words: letters of any script, combining marks, digits.
constexpr character_range SEPARATORS[] = {
    {0x0080, 0x00A9},   {0x00AB, 0x00B4},   {0x00B6, 0x00B9},   {0x00BB, 0x00BF}, {0x00D7, 0x00D7},
    {0x00F7, 0x00F7},   {0x02C2, 0x02C5},   {0x02D2, 0x02DF},   {0x02E5, 0x02EB}, {0x02EF, 0x02FF},
    {0x0375, 0x0375},   {0x037E, 0x037E},   {0x0384, 0x0385},   {0x0387, 0x0387}, {0x0482, 0x0482},
    {0x055A, 0x055F},   {0x0589, 0x058A},   {0x05BE, 0x05BE},   {0x05C0, 0x05C0}, {0x05C3, 0x05C3},
    {0x05C6, 0x05C6},   {0x05F3, 0x05F4},   {0x0600, 0x060F},   {0x061B, 0x061F}, {0x066A, 0x066D},
    {0x06D4, 0x06D4},   {0x1680, 0x1680},   {0x2000, 0x206F},   {0x20A0, 0x20CF}, {0x2150, 0x218F},
    {0x2190, 0x2BFF},   {0x2E00, 0x2FFF},   {0x3000, 0x3004},   {0x3008, 0x3020}, {0x30FB, 0x30FB},
    {0xFD3E, 0xFD3F},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFEFF, 0xFEFF}, {0xFF01, 0xFF0F},
    {0xFF1A, 0xFF20},   {0xFF3B, 0xFF40},   {0xFF5B, 0xFF65},   {0xFFE0, 0xFFEE}, {0xFFF9, 0xFFFF},
    {0x1D000, 0x1D24F}, {0x1F000, 0x1FBFF}, {0xE0000, 0xE007F},
};

// Blanks: the spaces of every width, and the zero-width space.
constexpr character_range BLANKS[] = {{0x00A0, 0x00A0}, {0x1680, 0x1680}, {0x2000, 0x200B},
                                      {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000}};

// The characters of the bytes 0x80 to 0xFF: in Windows-1252 those to 0x9F
// (0 where it has none; from 0xA0 on they are Latin-1's), in code page 850
// all of them.
constexpr char16_t WINDOWS_1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr char16_t CP850_HIGH[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

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
    if (e == text_encoding::windows_1252 && b >= 0xA0)
        return b;
    const char16_t c =
        e == text_encoding::cp850 ? CP850_HIGH[b - 0x80] : WINDOWS_1252_HIGH[b - 0x80];
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
    return in(std::begin(SEPARATORS), std::end(SEPARATORS), c) ? word_part::other : word_part::word;
}

} // namespace sysorient
