// Rendering a report: the placeholders and choices of a message filled in
// from a record, in UTF-8. Quoted text shows the file's characters as its
// editor does (quote_text.h), with '"' and '\' escaped so that no quote can
// end early.
#include "check/report_text.h"

#include "check/quote_text.h"

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
    // A count or a line's number: never below 0.
    void put_number(std::int64_t n)
    {
        char digits[24];
        char *d = digits + sizeof digits;
        auto magnitude = static_cast<std::uint64_t>(n);
        do
            *--d = static_cast<char>('0' + magnitude % 10);
        while ((magnitude /= 10) != 0);
        for (; d != digits + sizeof digits; ++d)
            put(*d);
    }
    // A character in UTF-8.
    void put_character(char32_t c)
    {
        if (c < 0x80) {
            put(static_cast<char>(c));
        } else if (c < 0x800) {
            put(static_cast<char>(0xC0 | c >> 6));
            put(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            put(static_cast<char>(0xE0 | c >> 12));
            put(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            put(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            put(static_cast<char>(0xF0 | c >> 18));
            put(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
            put(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            put(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    // A character of the file, quoted: the closing quotation mark and '\'
    // escaped.
    void put_quoted(char32_t c, char32_t closing_quote)
    {
        if (c == closing_quote || c == '\\')
            put('\\');
        put_character(c);
    }
    [[nodiscard]] const char *text() const { return text_; }
    [[nodiscard]] std::size_t length() const { return length_; }

  private:
    static constexpr std::size_t CAPACITY = 1536;
    char text_[CAPACITY] = {};
    std::size_t length_ = 0;
};

// What a message is filled in from.
struct filling {
    const finding &f;
    const report &r;
    const language &words;
    platform where;
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

void put_quote(const line_quote &q, char32_t closing_quote, line_text &out)
{
    const quote_characters shown = characters_of(q);
    for (int i = 0; i < shown.count; ++i)
        out.put_quoted(shown.characters[i], closing_quote);
}

// A word of the quoted line, decoded as the line is.
void put_word(const finding &f, char32_t closing_quote, line_text &out)
{
    line_quote word{};
    std::memcpy(word.bytes, f.word.bytes, static_cast<std::size_t>(f.word.length));
    word.length = f.word.length;
    word.encoding = f.quote.encoding;
    put_quote(word, closing_quote, out);
}

// An item of a list of lines: a line, or a range of them.
struct list_item {
    std::int64_t first;
    std::int64_t last;
};

// The lines of a place: "1, 2, 10 and 11", "2 to 13"; where not all are
// kept, "1, 2, 10, 11 and 5 more".
void put_lines(const place &where, const list_words &w, line_text &out)
{
    list_item items[2 * line_set::RUNS];
    int count = 0;
    std::int64_t kept = 0;
    for (int r = 0; r < where.run_count; ++r) {
        const line_run &run = where.runs[r];
        kept += run.last - run.first + 1;
        if (run.last == run.first + 1) {
            items[count++] = {run.first, run.first};
            items[count++] = {run.last, run.last};
        } else {
            items[count++] = {run.first, run.last};
        }
    }
    const std::int64_t more = where.lines - kept;
    for (int i = 0; i < count; ++i) {
        if (i != 0)
            out.put(i + 1 == count && more <= 0 ? w.last_separator : w.separator);
        out.put_number(items[i].first);
        if (items[i].last != items[i].first) {
            out.put(w.range);
            out.put_number(items[i].last);
        }
    }
    if (more > 0) {
        out.put(w.last_separator);
        out.put_number(more);
        out.put(w.more);
    }
}

void put_placeholder(const char *name, std::size_t length, const filling &in, line_text &out)
{
    const finding &f = in.f;
    const int n = number_index(name, length);
    if (n >= 0)
        out.put_number(f.numbers[n]);
    else if (named(name, length, "line"))
        out.put_number(f.where.first_line());
    else if (named(name, length, "lines"))
        put_lines(f.where, in.words.lists, out);
    else if (named(name, length, "quote"))
        put_quote(f.quote, in.words.closing_quote, out);
    else if (named(name, length, "word"))
        put_word(f, in.words.closing_quote, out);
    else if (named(name, length, "mark") && f.word.mark != 0)
        out.put_quoted(f.word.mark, in.words.closing_quote);
}

// Which branch of a choice a name picks: 0 or 1.
int branch_of(const char *name, std::size_t length, const filling &in)
{
    const int n = number_index(name, length);
    if (n >= 0)
        return in.f.numbers[n] == 1 ? 0 : 1;
    if (named(name, length, "L"))
        return in.f.where.lines == 1 ? 0 : 1;
    if (named(name, length, "w"))
        return in.where == platform::windows ? 0 : 1;
    return in.r.tip_rows ? 1 : 0;
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

int render_report(const report &r, const language &words, platform where, report_sink sink)
{
    for (int i = 0; i < r.count; ++i) {
        const char *message = words.text_of(r.items[i].kind);
        line_text out;
        render(message, message + std::strlen(message), filling{r.items[i], r, words, where}, out);
        if (sink.line(sink.context, out.text(), out.length()) != 0)
            return -1;
    }
    return 0;
}

} // namespace sysorient
