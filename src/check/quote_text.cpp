// Decoding a quote as the file's encoding says, and what is shown of it.
#include "check/quote_text.h"

#include "check/text_characters.h"

#include <algorithm>
#include <iterator>

namespace sysorient {
namespace {

constexpr char32_t BYTE_ORDER_MARK = 0xFEFF;

// The characters that never reach the output, on any platform: controls
// (C0, DEL, C1), the line and paragraph separators, surrogates (no
// characters on their own), and format characters: the soft hyphen,
// zero-width characters, bidirectional controls, the word joiner and
// invisible operators, the byte-order mark inside a text, interlinear
// annotations and tags. An editor or terminal may break a line at them,
// turn text around or show nothing.
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
    return hidden(c) ? NOT_SHOWN_MARK : c;
}

} // namespace

quote_characters characters_of(const line_quote &q, int most)
{
    quote_characters out{};
    const bool utf16 = q.encoding == text_encoding::utf16le || q.encoding == text_encoding::utf16be;
    const auto length = static_cast<std::size_t>(utf16 ? q.length & ~1 : q.length);
    for (std::size_t i = 0; i < length && out.count < most;) {
        const std::size_t start = i;
        if (cut_at_end(q.encoding, q.bytes, length, i) && start != 0)
            break; // a character cut at the end of the quote
        const char32_t c = character_at(q.encoding, q.bytes, length, i);
        if (c == BYTE_ORDER_MARK && start == 0)
            continue;
        out.characters[out.count++] = c == NO_CHARACTER ? NOT_SHOWN_MARK : shown(c);
    }
    return out;
}

} // namespace sysorient
