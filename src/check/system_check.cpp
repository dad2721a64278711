// The report of sysorient-check. The reading is read_system's own: the
// table it fills gives the first line, and the tally (line_tally.h), which
// watches the same text, gives the findings.
#include "check/system_check.h"

#include "check/line_tally.h"
#include "read/byte_classes.h"

#include <algorithm>
#include <cinttypes>
#include <cstring>

namespace sysorient {
namespace {

// --- Composing lines ---

// The report's lines are composed here rather than by snprintf, whose
// formatting machinery alone would take a few hundred KiB of memory. A
// format is a printf format of %s, %c and integer conversions (%d, and
// PRId64 in any of its spellings).

// One argument of a line: text, or an integer (a character for %c).
class piece {
  public:
    explicit piece(const char *text) : text_(text) {}
    template <class Integer> explicit piece(Integer n) : number_(static_cast<std::int64_t>(n)) {}

    // Appends the piece as conversion c asks, within [at, end).
    char *put(char *at, const char *end, char c) const
    {
        if (c == 's')
            return put_text(at, end, text_);
        if (c == 'c') {
            const char one[2] = {static_cast<char>(number_), '\0'};
            return put_text(at, end, one);
        }
        char digits[24];
        char *d = digits + sizeof digits;
        *--d = '\0';
        std::uint64_t magnitude = number_ < 0 ? 0 - static_cast<std::uint64_t>(number_)
                                              : static_cast<std::uint64_t>(number_);
        do
            *--d = static_cast<char>('0' + magnitude % 10);
        while ((magnitude /= 10) != 0);
        if (number_ < 0)
            *--d = '-';
        return put_text(at, end, d);
    }

  private:
    static char *put_text(char *at, const char *end, const char *text)
    {
        while (*text != '\0' && at < end)
            *at++ = *text++;
        return at;
    }

    const char *text_ = "";
    std::int64_t number_ = 0;
};

// Composes format with pieces into out (cap bytes with its terminating zero);
// returns the length.
std::size_t compose(char *out, std::size_t cap, const char *format, const piece *pieces,
                    std::size_t count)
{
    char *at = out;
    const char *const end = out + cap - 1;
    std::size_t next = 0;
    for (const char *f = format; *f != '\0' && at < end; ++f) {
        if (*f != '%') {
            *at++ = *f;
            continue;
        }
        while (f[1] != '\0' && std::strchr("sdc", f[1]) == nullptr)
            ++f; // flags, widths and the letters of PRId64
        if (f[1] == '\0')
            break;
        ++f;
        if (next < count)
            at = pieces[next++].put(at, end, *f);
    }
    *at = '\0';
    return static_cast<std::size_t>(at - out);
}

template <std::size_t N, class... Args>
std::size_t format_into(char (&out)[N], const char *format, const Args &...args)
{
    const piece pieces[] = {piece(""), piece(args)...};
    return compose(out, N, format, pieces + 1, sizeof...(args));
}

// Report lines, each composed whole and handed to the sink.
class report {
  public:
    explicit report(report_sink sink) : sink_(sink) {}

    template <class... Args> void line(const char *format, const Args &...args)
    {
        char text[512];
        const std::size_t length = format_into(text, format, args...);
        if (sink_.line(sink_.context, text, length) != 0)
            failed_ = true;
    }

    void finding() { ++findings_; }
    [[nodiscard]] bool failed() const { return failed_; }
    [[nodiscard]] int findings() const { return findings_; }

  private:
    report_sink sink_;
    bool failed_ = false;
    int findings_ = 0;
};

// Characters as a report shows them: printable ASCII as it is, every other
// byte as '.'. A CR at the end of a quoted line is its line end.
struct shown {
    char text[QUOTE_MAX + 1];
};

shown shown_bytes(const unsigned char *bytes, int length)
{
    shown s{};
    for (int i = 0; i < length; ++i)
        s.text[i] = bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    return s;
}

shown quoted(const line_quote &q)
{
    int length = q.length;
    if (length > 0 && q.bytes[length - 1] == '\r')
        --length;
    return shown_bytes(q.bytes, length);
}

const char *plural(std::int64_t n) { return n == 1 ? "" : "s"; }

struct orientation {
    const char *line;  // "one game per line"
    const char *along; // what a line's outcomes are: "tip row"
    const char *lines; // what lines are: "game"
};

orientation of(const system_table &table)
{
    if (table.line_is_tip_row != 0)
        return {"one tip row per line", "game", "tip row"};
    return {"one game per line", "tip row", "game"};
}

// --- The first line, and the other orientation ---

bool first_line(report &out, const system_table &table, int status)
{
    const orientation o = of(table);
    switch (status) {
    case READ_OK:
        if (table.game_count == 0)
            out.line("system.txt: no games, read %s: genordet.txt is written empty", o.line);
        else
            out.line("system.txt: %d game%s of %d tip row%s, %s", table.game_count,
                     plural(table.game_count), table.tip_row_count, plural(table.tip_row_count),
                     o.line);
        return true;
    case READ_TOO_MANY_GAMES:
        out.line("system.txt: more than %d games, read %s: sysorient warns and writes nothing",
                 MAX_GAMES, o.line);
        out.finding();
        return false;
    case READ_TOO_MANY_TIP_ROWS:
        out.line("system.txt: more than %d tip rows, read %s: sysorient warns and writes nothing",
                 MAX_TIP_ROWS, o.line);
        out.finding();
        return false;
    default:
        out.line("system.txt: cannot be read (a read error): sysorient writes nothing");
        return false;
    }
}

// A system too large read one way may fit the other.
void other_orientation(report &out, const system_table &table, const tally_result &t)
{
    const std::int64_t lines = t.lines_with_outcomes;
    const std::int64_t last = t.last.outcomes;
    if (lines == 0)
        return;
    if (table.line_is_tip_row == 0) {
        if (t.max_outcomes <= MAX_GAMES && lines <= MAX_TIP_ROWS) {
            out.line("system.txt: read one tip row per line it is %" PRId64 " game%s of %" PRId64
                     " tip row%s: run `sysorient s`",
                     last, plural(last), lines, plural(lines));
            out.finding();
        }
    } else if (t.max_outcomes <= MAX_TIP_ROWS && lines <= MAX_GAMES) {
        out.line("system.txt: read one game per line it is %" PRId64 " game%s of %" PRId64
                 " tip row%s: run `sysorient` without s",
                 lines, plural(lines), last, plural(last));
        out.finding();
    }
}

// --- The file as a whole ---

void whole_file(report &out, const tally_result &t)
{
    if (t.utf16_without_mark) {
        out.line("system.txt: looks like UTF-16 without its byte-order mark (a zero byte at every "
                 "other place): letters outside ASCII may end or change the reading; save it as "
                 "UTF-8, or as Unicode with its mark");
        out.finding();
    }
    if (t.single_bytes_after_utf16) {
        out.line("system.txt: single-byte text after the UTF-16 text, as `echo ... >> system.txt` "
                 "adds it: \"%s\" is not read; save the whole file again in one encoding",
                 shown_bytes(t.appended.bytes, t.appended.length).text);
        out.finding();
    }
    if (t.lone_crs != 0 && t.line_feeds == 0 && t.lines_with_outcomes != 0) {
        out.line("system.txt: its lines end with CR alone, without LF (old Mac line ends): the "
                 "whole file is read as one line");
        out.finding();
    }
    if (t.end_mark && t.text_after_end_mark) {
        out.line("line %" PRId64 ": \"%s\": an end mark (Ctrl-Z, byte 1A) ends the reading here: "
                 "the %" PRId64 " byte%s after it %s not read, with %" PRId64 " outcome%s",
                 t.end_mark_line.line, quoted(t.end_mark_line.quote).text, t.after_end_mark,
                 plural(t.after_end_mark), t.after_end_mark == 1 ? "is" : "are",
                 t.outcomes_after_end_mark, plural(t.outcomes_after_end_mark));
        out.finding();
    }
    if (t.bytes == 0 && !t.utf16) {
        out.line("system.txt: the file is empty");
        out.finding();
    } else if (t.lines_with_outcomes == 0 && !(t.end_mark && t.outcomes_after_end_mark != 0)) {
        out.line("system.txt: holds no outcome (0, 1, 2, x or X)");
        out.finding();
    }
}

// --- Lines whose count of outcomes is not the one written ---

// What happens to a line of n outcomes when `written` are written.
void odd_line(report &out, const orientation &o, const line_note &n, std::int64_t written)
{
    const shown q = quoted(n.quote);
    if (n.outcomes > written) {
        const std::int64_t dropped = n.outcomes - written;
        out.line("line %" PRId64 ": \"%s\": %" PRId64 " outcomes, but %" PRId64
                 " are written: the last %" PRId64 " %s dropped",
                 n.line, q.text, n.outcomes, written, dropped, dropped == 1 ? "is" : "are");
    } else if (n.outcomes + 1 == written) {
        out.line("line %" PRId64 ": \"%s\": %" PRId64 " outcome%s of %" PRId64 ": %s %" PRId64
                 " is written as 0",
                 n.line, q.text, n.outcomes, plural(n.outcomes), written, o.along, written);
    } else {
        out.line("line %" PRId64 ": \"%s\": %" PRId64 " outcome%s of %" PRId64 ": %ss %" PRId64
                 " to %" PRId64 " are written as 0",
                 n.line, q.text, n.outcomes, plural(n.outcomes), written, o.along, n.outcomes + 1,
                 written);
    }
    out.finding();
}

// The first NOTES_MAX lines, by number, of the counts other than `written`.
int first_odd_lines(const tally_result &t, std::int64_t written,
                    const line_note *(&first)[NOTES_MAX])
{
    int found = 0;
    std::int64_t after = 0; // line numbers above this one are still to take
    for (; found < NOTES_MAX; ++found) {
        const line_note *next = nullptr;
        for (int g = 0; g < t.group_count; ++g) {
            const count_group &group = t.groups[g];
            if (group.outcomes == written)
                continue;
            const auto kept =
                static_cast<int>(std::min<std::int64_t>(group.lines.total, NOTES_MAX));
            for (int i = 0; i < kept; ++i) {
                const line_note &n = group.lines.first[i];
                if (n.line > after && (next == nullptr || n.line < next->line))
                    next = &n;
            }
        }
        if (next == nullptr)
            break;
        first[found] = next;
        after = next->line;
    }
    return found;
}

// The last line is the only one of its count, and sets it for every line:
// it is the one to look at. Returns whether one line more said what happens
// to all the others, which are all alike.
bool last_line_alone(report &out, const orientation &o, const tally_result &t, std::int64_t odd)
{
    const std::int64_t written = t.last.outcomes;
    const std::int64_t others = t.before_last;
    const shown q = quoted(t.last.quote);
    if (written < others)
        out.line("line %" PRId64 ": \"%s\": %" PRId64 " outcome%s, and the last line with "
                 "outcomes sets the count for every line: every %s is cut to %" PRId64 " %s%s%s",
                 t.last.line, q.text, written, plural(written), o.lines, written, o.along,
                 plural(written), 2 * written <= others ? ": is it a footer?" : "");
    else
        out.line("line %" PRId64 ": \"%s\": %" PRId64 " outcomes, more than the line before "
                 "it, and the last line with outcomes sets the count for every line: every "
                 "other %s is filled up with 0 to %" PRId64 " %ss",
                 t.last.line, q.text, written, o.lines, written, o.along);
    out.finding();
    if (tally_lines_with(others) != odd)
        return false;
    char what[128];
    const char *each = odd == 1 ? "" : " of each";
    if (others > written)
        format_into(what, "the last %" PRId64 "%s %s dropped", others - written, each,
                    others - written == 1 ? "is" : "are");
    else if (others + 1 == written)
        format_into(what, "%s %" PRId64 "%s is written as 0", o.along, written, each);
    else
        format_into(what, "%ss %" PRId64 " to %" PRId64 "%s are written as 0", o.along, others + 1,
                    written, each);
    if (odd == 1)
        out.line("system.txt: the other line with outcomes holds %" PRId64 ": %s", others, what);
    else
        out.line("system.txt: the other %" PRId64 " lines with outcomes hold %" PRId64 " each: %s",
                 odd, others, what);
    out.finding();
    return true;
}

void counts(report &out, const system_table &table, const tally_result &t)
{
    const orientation o = of(table);
    const std::int64_t written = t.last.outcomes;
    const std::int64_t odd = t.lines_with_outcomes - tally_lines_with(written);
    if (t.lines_with_outcomes == 0 || odd == 0)
        return;
    if (tally_lines_with(written) == 1 && last_line_alone(out, o, t, odd))
        return;
    const line_note *first[NOTES_MAX];
    const int listed = first_odd_lines(t, written, first);
    for (int i = 0; i < listed; ++i)
        odd_line(out, o, *first[i], written);
    if (odd > listed) {
        out.line("system.txt: %" PRId64 " more line%s hold%s another count than %" PRId64,
                 odd - listed, plural(odd - listed), odd - listed == 1 ? "s" : "", written);
        out.finding();
    }
}

// --- Words and numbers ---

// The outcomes a word adds: "the outcome 0" for "Xanten", "the outcomes
// 2 0 2" for "2024"; of a word longer than the report shows, their number.
struct outcome_list {
    char text[2 * TOKEN_MAX + 32];
};

outcome_list outcomes_of(const token_note &n)
{
    outcome_list l{};
    if (n.token_length > TOKEN_MAX) {
        format_into(l.text, "%" PRId64 " outcome%s", n.outcomes, plural(n.outcomes));
        return l;
    }
    std::size_t at = format_into(l.text, "the outcome%s", plural(n.outcomes));
    for (std::int64_t i = 0; i < n.token_length; ++i) {
        const unsigned char value = BYTE_CLASSES[n.token[i]];
        if (value <= OUTCOME_MAX) {
            l.text[at++] = ' ';
            l.text[at++] = static_cast<char>('0' + value);
        }
    }
    return l;
}

shown token_of(const token_note &n)
{
    return shown_bytes(n.token,
                       static_cast<int>(std::min<std::int64_t>(n.token_length, TOKEN_MAX)));
}

void words(report &out, const tally_result &t)
{
    const auto kept = static_cast<int>(std::min<std::int64_t>(t.words.total, NOTES_MAX));
    for (int i = 0; i < kept; ++i) {
        const token_note &n = t.words.first[i];
        out.line("line %" PRId64 ": \"%s\": \"%s%s\" is read as %s", n.line, quoted(n.quote).text,
                 token_of(n).text, n.token_length > TOKEN_MAX ? "..." : "", outcomes_of(n).text);
        out.finding();
    }
    if (t.words.total > kept) {
        out.line("system.txt: %" PRId64 " more word%s or number%s hold outcome characters",
                 t.words.total - kept, plural(t.words.total - kept), plural(t.words.total - kept));
        out.finding();
    }
    const auto labels = static_cast<int>(std::min<std::int64_t>(t.labels.total, NOTES_MAX));
    for (int i = 0; i < labels; ++i) {
        const token_note &n = t.labels.first[i];
        out.line("line %" PRId64 ": \"%s\": the %s of \"%s%c\" is read as outcome%s: is it a "
                 "number in a label?",
                 n.line, quoted(n.quote).text, token_of(n).text, token_of(n).text, n.after,
                 plural(n.outcomes));
        out.finding();
    }
    if (t.labels.total > labels) {
        out.line("system.txt: %" PRId64 " more line%s hold numbers in labels",
                 t.labels.total - labels, plural(t.labels.total - labels));
        out.finding();
    }
    // Without any LF the whole file is one line, as whole_file() says.
    const std::int64_t cr_lines = t.line_feeds == 0 ? 0 : t.cr_inside.total;
    const auto crs = static_cast<int>(std::min<std::int64_t>(cr_lines, NOTES_MAX));
    for (int i = 0; i < crs; ++i) {
        const line_note &n = t.cr_inside.first[i];
        out.line("line %" PRId64 ": \"%s\": a CR without LF does not end the line: the outcomes "
                 "after it are read on the same line",
                 n.line, quoted(n.quote).text);
        out.finding();
    }
    if (cr_lines > crs) {
        out.line("system.txt: %" PRId64 " more line%s hold a CR without LF", cr_lines - crs,
                 plural(cr_lines - crs));
        out.finding();
    }
}

void tally_watch_text(void * /*unused*/, const unsigned char *bytes, std::size_t count)
{
    tally_text(bytes, count);
}
void tally_watch_units(void * /*unused*/, const unsigned char *bytes, std::size_t count,
                       bool big_endian)
{
    tally_code_units(bytes, count, big_endian);
}

} // namespace

int check_system(system_table &table, byte_source source, report_sink sink, read_path path)
{
    tally_start();
    const int status =
        read_system_watched(table, source, {tally_watch_text, tally_watch_units, nullptr}, path);
    const tally_result &t = tally_finish();
    report out(sink);
    const bool fits = first_line(out, table, status);
    if (status == READ_FAILED)
        return CHECK_UNREADABLE;
    if (!fits)
        other_orientation(out, table, t);
    whole_file(out, t);
    if (fits)
        counts(out, table, t);
    words(out, t);
    if (out.failed())
        return CHECK_UNREADABLE;
    return out.findings() == 0 ? CHECK_CLEAN : CHECK_FINDINGS;
}

} // namespace sysorient
