// The starts of lines kept for quotes.
#include "check/tally_quotes.h"

#include "read/byte_classes.h"

#include <algorithm>
#include <cstring>

namespace sysorient {
namespace {

// A line start's places as far as they are known: text and code units.
struct start_view {
    const unsigned char *text;
    const unsigned char *units;
    int length;
};

int places_in_text(const line_start &s, const watched_text &text)
{
    return static_cast<int>(
        std::min<std::ptrdiff_t>(line_start::PLACES, text.bytes + text.count - s.at));
}

} // namespace

void copy_start(line_start &s, const watched_text &text)
{
    if (s.at == nullptr)
        return;
    const int n = places_in_text(s, text);
    std::memcpy(s.text, s.at, static_cast<std::size_t>(n));
    if (s.units != nullptr)
        std::memcpy(s.units_copy, s.units, 2 * static_cast<std::size_t>(n));
    s.length = n;
    s.at = nullptr;
}

void continue_start(line_start &s, const watched_text &text)
{
    if (s.at != nullptr || s.length == line_start::PLACES)
        return;
    const auto n = static_cast<int>(
        std::min(static_cast<std::size_t>(line_start::PLACES - s.length), text.count));
    std::memcpy(s.text + s.length, text.bytes, static_cast<std::size_t>(n));
    if (text.units != nullptr)
        std::memcpy(s.units_copy + 2 * static_cast<std::ptrdiff_t>(s.length), text.units,
                    2 * static_cast<std::size_t>(n));
    s.length += n;
}

void keep_start(line_start &to, const line_start &from)
{
    to.at = from.at;
    to.units = from.units;
    to.length = from.length;
    if (from.at == nullptr) {
        std::memcpy(to.text, from.text, static_cast<std::size_t>(from.length));
        std::memcpy(to.units_copy, from.units_copy, 2 * static_cast<std::size_t>(from.length));
    }
}

line_quote quote_of(const line_start &s, const watched_text &text, quote_how how)
{
    start_view v{s.text, s.units_copy, s.length};
    if (s.at != nullptr)
        v = {s.at, s.units, places_in_text(s, text)};
    const auto cut_at = [&v](unsigned char c) {
        const void *found = std::memchr(v.text, c, static_cast<std::size_t>(v.length));
        if (found == nullptr)
            return false;
        v.length = static_cast<int>(static_cast<const unsigned char *>(found) - v.text);
        return true;
    };
    if (cut_at(LINE_END_BYTE) && v.length > 0 && v.text[v.length - 1] == '\r')
        --v.length;
    if (!how.through_end_mark)
        cut_at(END_MARK_BYTE);
    const int places = std::min(v.length, QUOTE_TEXT);
    const bool utf16 =
        how.encoding == text_encoding::utf16le || how.encoding == text_encoding::utf16be;
    line_quote q{};
    q.encoding = how.encoding;
    q.length = utf16 ? 2 * places : places;
    std::memcpy(q.bytes, utf16 ? v.units : v.text, static_cast<std::size_t>(q.length));
    return q;
}

} // namespace sysorient
