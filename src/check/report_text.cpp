// Rendering a report: the placeholders and choices of a message filled in
// from a record. Quoted text shows printable ASCII as it is, with '"' and
// '\' escaped so that no quote can end early, and any other byte as '.'.
#include "check/report_text.h"

#include "read/byte_classes.h"

#include <cstring>

namespace sysorient {
namespace {

// One line of text being made, cut short if it would not fit.
class line_text {
  public:
    void put(char c)
    {
        if (length_ < CAPACITY)
            text_[length_++] = c;
    }
    void put(const char *s)
    {
        for (; *s != '\0'; ++s)
            put(*s);
    }
    void put_number(std::int64_t n)
    {
        char digits[24];
        char *d = digits + sizeof digits;
        std::uint64_t magnitude =
            n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
        do
            *--d = static_cast<char>('0' + magnitude % 10);
        while ((magnitude /= 10) != 0);
        if (n < 0)
            *--d = '-';
        for (; d != digits + sizeof digits; ++d)
            put(*d);
    }
    // A character of the file: printable ASCII as it is, '"' and '\'
    // escaped, any other as '.'.
    void put_shown(unsigned c)
    {
        if (c == '"' || c == '\\')
            put('\\');
        put(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.');
    }
    [[nodiscard]] const char *text() const { return text_; }
    [[nodiscard]] std::size_t length() const { return length_; }

  private:
    static constexpr std::size_t CAPACITY = 1024;
    char text_[CAPACITY] = {};
    std::size_t length_ = 0;
};

// What a message is filled in from.
struct filling {
    const finding &f;
    bool tip_rows;
};

// The end of the brace group or branch that starts at p: its '}' or its
// next '|' at the same depth, or the end of the text.
const char *end_of_part(const char *p)
{
    int depth = 0;
    for (; *p != '\0'; ++p) {
        const bool at_depth_0 = depth == 0;
        if (*p == '{')
            ++depth;
        else if (*p == '}')
            --depth;
        if (at_depth_0 && (*p == '}' || *p == '|'))
            return p;
    }
    return p;
}

void render(const char *from, const char *to, const filling &in, line_text &out);

bool named(const char *name, std::size_t length, const char *what)
{
    return std::strlen(what) == length && std::memcmp(name, what, length) == 0;
}

// The number a one-digit name stands for, or -1.
int number_index(const char *name, std::size_t length)
{
    return length == 1 && name[0] >= '0' && name[0] <= '3' ? name[0] - '0' : -1;
}

void put_values(const quoted_word &w, line_text &out)
{
    const char *separator = "";
    for (int i = 0; i < w.length; ++i) {
        const unsigned char value = BYTE_CLASSES[w.bytes[i]];
        if (value > OUTCOME_MAX)
            continue;
        out.put(separator);
        out.put(static_cast<char>('0' + value));
        separator = " ";
    }
}

// The first QUOTE_MAX characters of a quote: bytes, or UTF-16 code units.
void put_quote(const line_quote &q, line_text &out)
{
    const bool utf16 = q.encoding != text_encoding::bytes;
    const bool big_endian = q.encoding == text_encoding::utf16be;
    const int step = utf16 ? 2 : 1;
    for (int i = 0; i + step <= q.length && i < QUOTE_MAX * step; i += step) {
        unsigned c = q.bytes[i];
        if (utf16)
            c = big_endian ? c << 8 | q.bytes[i + 1]
                           : static_cast<unsigned>(q.bytes[i + 1]) << 8 | c;
        out.put_shown(c);
    }
}

void put_word(const quoted_word &w, line_text &out)
{
    for (int i = 0; i < w.length; ++i)
        out.put_shown(w.bytes[i]);
}

void put_placeholder(const char *name, std::size_t length, const filling &in, line_text &out)
{
    const finding &f = in.f;
    const int n = number_index(name, length);
    if (n >= 0)
        out.put_number(f.numbers[n]);
    else if (named(name, length, "line"))
        out.put_number(f.where.line);
    else if (named(name, length, "quote"))
        put_quote(f.quote, out);
    else if (named(name, length, "word"))
        put_word(f.word, out);
    else if (named(name, length, "mark") && f.word.mark != 0)
        out.put_shown(f.word.mark);
    else if (named(name, length, "values"))
        put_values(f.word, out);
}

// Which branch of a choice a name picks: 0 or 1.
int branch_of(const char *name, std::size_t length, const filling &in)
{
    const int n = number_index(name, length);
    if (n >= 0)
        return in.f.numbers[n] == 1 ? 0 : 1;
    return in.tip_rows ? 1 : 0;
}

// A brace group from after its '{'; returns where the text goes on.
const char *render_group(const char *p, const filling &in, line_text &out)
{
    const char *name_end = end_of_part(p);
    const auto length = static_cast<std::size_t>(name_end - p);
    if (*name_end != '|') {
        put_placeholder(p, length, in, out);
        return *name_end == '}' ? name_end + 1 : name_end;
    }
    const int chosen = branch_of(p, length, in);
    const char *branch = name_end + 1;
    for (int b = 0;; ++b) {
        const char *branch_end = end_of_part(branch);
        if (b == chosen)
            render(branch, branch_end, in, out);
        if (*branch_end != '|')
            return *branch_end == '}' ? branch_end + 1 : branch_end;
        branch = branch_end + 1;
    }
}

void render(const char *from, const char *to, const filling &in, line_text &out)
{
    for (const char *p = from; p < to;) {
        if (*p == '{')
            p = render_group(p + 1, in, out);
        else
            out.put(*p++);
    }
}

} // namespace

int render_report(const report &r, const language &words, report_sink sink)
{
    for (int i = 0; i < r.count; ++i) {
        const char *message = words.text_of(r.items[i].kind);
        line_text out;
        render(message, message + std::strlen(message), filling{r.items[i], r.tip_rows}, out);
        if (sink.line(sink.context, out.text(), out.length()) != 0)
            return -1;
    }
    return 0;
}

} // namespace sysorient
