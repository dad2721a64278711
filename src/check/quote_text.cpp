// Decoding a quote: UTF-16, UTF-8 or Windows-1252, and what is shown of it.
#include "check/quote_text.h"

#include <algorithm>
#include <iterator>

namespace sysorient {
namespace {

// Windows-1252 from 0x80 to 0x9F; 0 where the code page has no character.
constexpr char16_t WINDOWS_1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t NO_CHARACTER = 0xFFFFFFFF;
constexpr char32_t BYTE_ORDER_MARK = 0xFEFF;

// The characters that never reach the output, on any platform: controls
// (C0, DEL, C1), the line and paragraph separators, surrogates (no
// characters on their own), and format characters: the soft hyphen,
// zero-width characters, bidirectional controls, the word joiner and
// invisible operators, the byte-order mark inside a text, interlinear
// annotations and tags. An editor or terminal may break a line at them,
// turn text around or show nothing.
struct character_range {
    char32_t first;
    char32_t last;
};
constexpr character_range HIDDEN[] = {
    {0x0000, 0x001F},   {0x007F, 0x009F},   {0x00AD, 0x00AD},   {0x0600, 0x0605},
    {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},   {0x0890, 0x0891},
    {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x2028, 0x202E},
    {0x2060, 0x2064},   {0x2066, 0x206F},   {0xD800, 0xDFFF},   {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x13430, 0x1343F},
    {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE007F},
};

bool hidden(char32_t c)
{
    return c > 0x10FFFF ||
           std::any_of(std::begin(HIDDEN), std::end(HIDDEN),
                       [c](const character_range &r) { return c >= r.first && c <= r.last; });
}

// How a character of the file is shown.
char32_t shown(char32_t c)
{
    if (c == '\t')
        return ' ';
    return hidden(c) ? NOT_SHOWN : c;
}

// A decoder reads one character at a time from position i; returns the
// character (NO_CHARACTER for bytes that make none) and moves i on.
struct bytes_view {
    const unsigned char *bytes;
    int length;
};

// The length of the UTF-8 sequence that begins with lead, 0 if none.
int utf8_length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The UTF-8 character at i, or NO_CHARACTER if the bytes there are none
// (an overlong form, a surrogate, beyond U+10FFFF). A sequence cut at the
// end gives NO_CHARACTER too, and i goes to the end.
char32_t utf8_at(const bytes_view &v, int &i)
{
    const int n = utf8_length(v.bytes[i]);
    if (n == 0 || i + n > v.length) {
        i = n == 0 ? i + 1 : v.length;
        return NO_CHARACTER;
    }
    char32_t c = n == 1 ? v.bytes[i] : v.bytes[i] & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
        if ((v.bytes[i + k] & 0xC0) != 0x80) {
            i += k;
            return NO_CHARACTER;
        }
        c = c << 6 | (v.bytes[i + k] & 0x3F);
    }
    i += n;
    constexpr char32_t SMALLEST[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < SMALLEST[n] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return NO_CHARACTER;
    return c;
}

// Whether the bytes are UTF-8, allowing a sequence cut at the end.
bool valid_utf8(const bytes_view &v)
{
    for (int i = 0; i < v.length;) {
        const int start = i;
        if (utf8_at(v, i) == NO_CHARACTER && !(i == v.length && utf8_length(v.bytes[start]) > 1 &&
                                               start + utf8_length(v.bytes[start]) > v.length))
            return false;
    }
    return true;
}

char32_t windows_1252_at(const bytes_view &v, int &i)
{
    const unsigned char b = v.bytes[i++];
    if (b < 0x80 || b >= 0xA0)
        return b;
    const char16_t c = WINDOWS_1252_HIGH[b - 0x80];
    return c == 0 ? NO_CHARACTER : c;
}

char32_t utf16_at(const bytes_view &v, int &i, bool big_endian)
{
    const auto unit = [&v, big_endian](int at) {
        const char32_t a = v.bytes[at];
        const char32_t b = v.bytes[at + 1];
        return big_endian ? a << 8 | b : b << 8 | a;
    };
    const char32_t first = unit(i);
    i += 2;
    if (first < 0xD800 || first >= 0xE000)
        return first;
    if (first >= 0xDC00 || i + 2 > v.length)
        return NO_CHARACTER;
    const char32_t second = unit(i);
    if (second < 0xDC00 || second >= 0xE000)
        return NO_CHARACTER;
    i += 2;
    return 0x10000 + ((first - 0xD800) << 10 | (second - 0xDC00));
}

} // namespace

quote_characters characters_of(const line_quote &q)
{
    quote_characters out{};
    const bytes_view v{q.bytes, q.encoding == text_encoding::bytes ? q.length : q.length & ~1};
    const bool utf8 = q.encoding == text_encoding::bytes && valid_utf8(v);
    for (int i = 0; i < v.length && out.count < QUOTE_MAX;) {
        const int start = i;
        char32_t c = 0;
        if (q.encoding == text_encoding::bytes)
            c = utf8 ? utf8_at(v, i) : windows_1252_at(v, i);
        else
            c = utf16_at(v, i, q.encoding == text_encoding::utf16be);
        if (utf8 && c == NO_CHARACTER && i == v.length && start != 0)
            break; // a sequence cut at the end of the quote
        if (c == BYTE_ORDER_MARK && start == 0)
            continue;
        out.characters[out.count++] = c == NO_CHARACTER ? NOT_SHOWN : shown(c);
    }
    return out;
}

} // namespace sysorient
