// Rendering a report: the placeholders and choices of a message filled in
// from a record, in UTF-8, then the lines wrapped at word boundaries.
// Quoted text shows the file's characters as its editor does (quote_text.h),
// with a stand-in for the closing quotation mark, so that no quote can end
// early.
#include "check/report_text.h"

#include "check/quote_text.h"

#include <cstring>

namespace sysorient {
namespace {

// One record's text being made, cut short if it would not fit; and whether
// a quote in it showed a character that is not shown.
class record_text {
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
    // A count or a line's number (never below 0), its digits grouped by
    // thousands from five digits on.
    void put_number(std::int64_t n, char thousands)
    {
        char digits[24];
        int count = 0;
        for (auto m = static_cast<std::uint64_t>(n); m != 0 || count == 0; m /= 10)
            digits[count++] = static_cast<char>('0' + m % 10);
        for (int i = count; i-- > 0;) {
            put(digits[i]);
            if (count >= 5 && i % 3 == 0 && i != 0)
                put(thousands);
        }
    }
    // A character in UTF-8.
    void put_character(char32_t c)
    {
        if (c < 0x80) {
            put(static_cast<char>(c));
            return;
        }
        constexpr unsigned LEAD[] = {0, 0xC0, 0xE0, 0xF0};
        const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        put(static_cast<char>(LEAD[extra] | c >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k)
            put(static_cast<char>(0x80 | (c >> (6 * k) & 0x3F)));
    }
    [[nodiscard]] const char *text() const { return text_; }
    [[nodiscard]] std::size_t length() const { return length_; }
    bool not_shown = false;

  private:
    static constexpr std::size_t CAPACITY = 2048;
    char text_[CAPACITY] = {};
    std::size_t length_ = 0;
};

// A blank of a quote, until the line it stands in is made.
constexpr char KEPT_BLANK = '\x01';

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

void render(const char *from, const char *to, const filling &in, record_text &out);

bool named(const char *name, std::size_t length, const char *what)
{
    return std::strlen(what) == length && std::memcmp(name, what, length) == 0;
}

// The number a one-digit name stands for, or -1.
int number_index(const char *name, std::size_t length)
{
    return length == 1 && name[0] >= '0' && name[0] <= '3' ? name[0] - '0' : -1;
}

// Characters of the file in the language's quotation marks; `whole`: all
// of them, not only a quote's first.
void put_quote(const line_quote &q, const language &words, bool whole, record_text &out)
{
    out.put(words.open_quote);
    const quote_characters shown = characters_of(q, whole ? QUOTE_BYTES : QUOTE_MAX);
    for (int i = 0; i < shown.count; ++i) {
        char32_t c = shown.characters[i];
        out.not_shown = out.not_shown || c == NOT_SHOWN_MARK;
        c = c == NOT_SHOWN_MARK ? NOT_SHOWN : c;
        c = c == words.closing_mark ? words.closing_stand_in : c;
        // A quote's blanks are kept as they are: no line breaks there.
        out.put_character(c == ' ' ? KEPT_BLANK : c);
    }
    out.put(words.close_quote);
}

// A word of the quoted line, decoded as the line is, with its mark.
void put_word(const finding &f, const language &words, record_text &out)
{
    line_quote word{};
    std::memcpy(word.bytes, f.word.bytes, static_cast<std::size_t>(f.word.length));
    word.length = f.word.length;
    word.encoding = f.quote.encoding;
    if (f.word.mark != 0 && word.encoding == text_encoding::utf16le) {
        word.bytes[word.length++] = f.word.mark;
        word.bytes[word.length++] = 0;
    } else if (f.word.mark != 0 && word.encoding == text_encoding::utf16be) {
        word.bytes[word.length++] = 0;
        word.bytes[word.length++] = f.word.mark;
    } else if (f.word.mark != 0) {
        word.bytes[word.length++] = f.word.mark;
    }
    put_quote(word, words, false, out);
}

// An item of a list of lines: a line, or a range of them.
struct list_item {
    std::int64_t first;
    std::int64_t last;
};

// The lines of a place: "1, 2, 10 and 11", "2 to 13"; where not all are
// kept, "1, 2, 10, 11 and 5 more".
void put_lines(const place &where, const language &words, record_text &out)
{
    const list_words &w = words.lists;
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
        out.put_number(items[i].first, words.thousands);
        if (items[i].last != items[i].first) {
            out.put(w.range);
            out.put_number(items[i].last, words.thousands);
        }
    }
    if (more > 0) {
        out.put(w.last_separator);
        out.put_number(more, words.thousands);
        out.put(w.more);
    }
}

void put_placeholder(const char *name, std::size_t length, const filling &in, record_text &out)
{
    const finding &f = in.f;
    const int n = number_index(name, length);
    if (n >= 0)
        out.put_number(f.numbers[n], in.words.thousands);
    else if (named(name, length, "line"))
        out.put_number(f.where.first_line(), in.words.thousands);
    else if (named(name, length, "lines"))
        put_lines(f.where, in.words, out);
    else if (named(name, length, "quote") || named(name, length, "whole"))
        put_quote(f.quote, in.words, named(name, length, "whole"), out);
    else if (named(name, length, "word"))
        put_word(f, in.words, out);
    else if (named(name, length, "again"))
        render(in.words.again, in.words.again + std::strlen(in.words.again), in, out);
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
    if (named(name, length, "="))
        return in.f.numbers[0] == in.f.numbers[1] ? 0 : 1;
    return in.r.tip_rows ? 1 : 0;
}

// A brace group from after its '{'; returns where the text goes on.
const char *render_group(const char *p, const filling &in, record_text &out)
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

void render(const char *from, const char *to, const filling &in, record_text &out)
{
    for (const char *p = from; p < to;) {
        if (*p == '{')
            p = render_group(p + 1, in, out);
        else
            out.put(*p++);
    }
}

// Characters of UTF-8 text: its bytes but those that go on a sequence.
int width_of(const char *from, const char *to)
{
    int width = 0;
    for (; from < to; ++from)
        width += (static_cast<unsigned char>(*from) & 0xC0) == 0x80 ? 0 : 1;
    return width;
}

// A line being made of words, each after a blank.
class report_line {
  public:
    explicit report_line(int indent) : length_(static_cast<std::size_t>(indent)), width_(indent)
    {
        std::memset(text_, ' ', length_);
    }
    // Adds the word from p to end, if it fits or the line has none yet.
    bool add(const char *p, const char *end)
    {
        const int word = width_of(p, end);
        const bool first = words_ == 0;
        if (!first && width_ + 1 + word > REPORT_WIDTH)
            return false;
        if (!first)
            text_[length_++] = ' ';
        for (; p < end && length_ < sizeof text_; ++p)
            text_[length_++] = *p == KEPT_BLANK ? ' ' : *p;
        width_ += (first ? 0 : 1) + word;
        ++words_;
        return true;
    }
    [[nodiscard]] int send(report_sink sink) const
    {
        return sink.line(sink.context, text_, length_);
    }

  private:
    char text_[4096] = {};
    std::size_t length_;
    int width_;
    int words_ = 0;
};

// Lines of text made to fit REPORT_WIDTH, broken at blanks: the first at
// `first`, the others at REPORT_INDENT. A word longer than the room stands
// alone on its line.
int wrap(const char *p, const char *end, int first, report_sink sink)
{
    for (int indent = first; p < end; indent = REPORT_INDENT) {
        report_line line(indent);
        for (;;) {
            const auto *word_end =
                static_cast<const char *>(std::memchr(p, ' ', static_cast<std::size_t>(end - p)));
            word_end = word_end != nullptr ? word_end : end;
            if (!line.add(p, word_end))
                break;
            for (p = word_end; p < end && *p == ' '; ++p) {
            }
            if (p == end)
                break;
        }
        if (line.send(sink) != 0)
            return -1;
    }
    return 0;
}

// A record in words, and whether it showed a character that is not shown.
struct rendered {
    int status;
    bool not_shown;
};

rendered render_to(const report &r, int i, const wording &w, report_sink sink)
{
    record_text out;
    const char *message = w.words.text_of(r.items[i].kind);
    render(message, message + std::strlen(message), filling{r.items[i], r, w.words, w.where}, out);
    // The head, then each paragraph of sentences, indented.
    const char *p = out.text();
    const char *const end = p + out.length();
    for (int indent = 0; p <= end; indent = REPORT_INDENT) {
        const void *found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
        const char *paragraph_end = found != nullptr ? static_cast<const char *>(found) : end;
        if (wrap(p, paragraph_end, indent, sink) != 0)
            return {-1, out.not_shown};
        p = paragraph_end + 1;
    }
    return {0, out.not_shown};
}

} // namespace

int render_record(const report &r, int i, const wording &w, report_sink sink)
{
    return render_to(r, i, w, sink).status;
}

int render_report(const report &r, const language &words, platform where, report_sink sink)
{
    bool not_shown = false;
    for (int i = 0; i < r.count; ++i) {
        if (i != 0 && sink.line(sink.context, "", 0) != 0)
            return -1;
        const rendered done = render_to(r, i, {words, where}, sink);
        if (done.status != 0)
            return -1;
        not_shown = not_shown || done.not_shown;
    }
    if (!not_shown)
        return 0;
    const char *note = words.not_shown_note;
    return sink.line(sink.context, "", 0) != 0 ? -1 : wrap(note, note + std::strlen(note), 0, sink);
}

} // namespace sysorient
