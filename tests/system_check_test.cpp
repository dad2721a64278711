// The check, fed from memory: realistic files, each with the findings it
// must give (their kinds and lines). Every file is checked on every read
// path and in blocks of several sizes, as it stands, shifted and padded:
// the tally counts whole 64-byte chunks from their masks and goes byte by
// byte elsewhere, and the report must not depend on which. The first record
// must say what the conversion itself makes of the file. The words of the
// report are checked once, against a golden text.
#include "bench_inputs.h"
#include "check/report_text.h"
#include "check/system_check.h"
#include "memory_source.h"
#include "read/fill_paths.h"
#include "test_systems.h"
#include "write/oriented_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace sysorient {
namespace {

using test::repeat;
using test::utf16;
using kind = finding_kind;

struct check_run {
    int status;
    report findings;
};

// A byte source that hands out memory in blocks, then fails, or never ends.
struct test_source {
    memory_source bytes;
    enum { ends, fails, goes_on } then;
};

std::ptrdiff_t read_test_source(void *context, unsigned char *buf, std::size_t cap)
{
    auto &source = *static_cast<test_source *>(context);
    if (source.bytes.pos < source.bytes.size || source.then == test_source::ends)
        return read_memory(&source.bytes, buf, cap);
    if (source.then == test_source::fails)
        return -1;
    std::fill(buf, buf + cap, ' ');
    return static_cast<std::ptrdiff_t>(cap);
}

check_run check_in_blocks(const std::string &input, bool tip_rows, std::size_t block,
                          read_path path)
{
    static system_table table;
    static check_state state;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    test_source source{
        {reinterpret_cast<const unsigned char *>(input.data()), input.size(), block, 0},
        test_source::ends};
    const int status = check_system(table, byte_source{read_test_source, &source}, state, path);
    return {status, state.findings};
}

bool same_finding(const finding &a, const finding &b)
{
    return a.kind == b.kind && a.where.line == b.where.line && a.quote.length == b.quote.length &&
           a.quote.encoding == b.quote.encoding &&
           std::equal(a.quote.bytes, a.quote.bytes + a.quote.length, b.quote.bytes) &&
           a.word.length == b.word.length && a.word.mark == b.word.mark &&
           std::equal(a.word.bytes, a.word.bytes + a.word.length, b.word.bytes) &&
           std::equal(a.numbers, a.numbers + 4, b.numbers);
}

int collect(void *context, const char *text, std::size_t length)
{
    static_cast<std::vector<std::string> *>(context)->emplace_back(text, length);
    return 0;
}

std::vector<std::string> english(const report &r)
{
    std::vector<std::string> lines;
    render_report(r, ENGLISH, {collect, &lines});
    return lines;
}

// The same status and the same records, shown in words if not.
void expect_same(const check_run &got, const check_run &expected, const std::string &how)
{
    EXPECT_EQ(got.status, expected.status) << how;
    bool same = got.findings.count == expected.findings.count;
    for (int i = 0; same && i < got.findings.count; ++i)
        same = same_finding(got.findings.items[i], expected.findings.items[i]);
    EXPECT_TRUE(same) << how << "\n"
                      << ::testing::PrintToString(english(got.findings)) << "\ninstead of\n"
                      << ::testing::PrintToString(english(expected.findings));
}

// The report on the portable path, read whole; every path and block size
// must give the same.
check_run check(const std::string &input, bool tip_rows)
{
    const check_run whole = check_in_blocks(input, tip_rows, input.size() + 1, read_path::portable);
    for (const path_entry &path : path_table()) {
        if (!path.runs_here())
            continue;
        for (const std::size_t block : {input.size() + 1, std::size_t{1}, std::size_t{7},
                                        std::size_t{100}, std::size_t{4096}}) {
            if (block == 1 && input.size() > 100000)
                continue; // the byte way takes them in blocks of 7
            expect_same(check_in_blocks(input, tip_rows, block, path.path), whole,
                        std::string(path.name) + " path, blocks of " + std::to_string(block));
        }
    }
    return whole;
}

// What the conversion makes of the file, as the first record gives it.
finding converted(const std::string &input, bool tip_rows)
{
    static system_table table;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    memory_source source{reinterpret_cast<const unsigned char *>(input.data()), input.size(),
                         input.size() + 1, 0};
    const int status = read_system(table, byte_source{read_memory, &source});
    if (status == READ_TOO_MANY_GAMES)
        return make_finding(kind::too_many_games, {MAX_GAMES});
    if (status == READ_TOO_MANY_TIP_ROWS)
        return make_finding(kind::too_many_tip_rows, {MAX_TIP_ROWS});
    std::string out;
    const auto append = [](void *to, const char *bytes, std::size_t count) {
        static_cast<std::string *>(to)->append(bytes, count);
        return WRITE_OK;
    };
    write_oriented(table, byte_sink{append, &out});
    const auto games = static_cast<std::int64_t>(std::count(out.begin(), out.end(), '\n'));
    if (games == 0)
        return make_finding(kind::read_no_games);
    return make_finding(kind::read_system, {games, static_cast<std::int64_t>(out.find('\r') - 1)});
}

// Text of one byte a character as UTF-16 without a mark would be, or the
// characters of a UTF-16 file.
std::u16string characters_of(const std::string &utf16_bytes)
{
    std::u16string s;
    const bool big_endian = utf16_bytes[0] == '\xFE';
    for (std::size_t i = 2; i + 1 < utf16_bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(utf16_bytes[i]);
        const auto second = static_cast<unsigned char>(utf16_bytes[i + 1]);
        s += static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
    }
    return s;
}

// Blanks at the start of each line before the end mark, or at the start of
// the file only: the same findings, but every line end and outcome at
// another place in the tally's chunks. UTF-16 gets its blanks as UTF-16.
template <class String> String spread(const String &text, std::size_t shift, bool every_line)
{
    using Char = typename String::value_type;
    const String blanks(shift, Char(' '));
    String out = blanks;
    bool ended = false;
    for (const Char c : text) {
        out += c;
        ended = ended || c == Char(0x1A);
        if (c == Char('\n') && every_line && !ended)
            out += blanks;
    }
    return out;
}

std::string moved(const std::string &input, std::size_t shift, bool every_line)
{
    const std::string mark = input.substr(0, 2);
    if (mark == "\xFF\xFE" || mark == "\xFE\xFF")
        return utf16(spread(characters_of(input), shift, every_line), mark[0] == '\xFE') +
               (input.size() % 2 != 0 ? input.substr(input.size() - 1) : "");
    return spread(input, shift, every_line);
}

constexpr bool GAMES = false;
constexpr bool TIP_ROWS = true;

// A finding as a row expects it: its kind, its line (0 for the file), and
// as many of its numbers as are given.
struct expected_finding {
    kind what;
    std::int64_t line = 0;
    std::vector<std::int64_t> numbers = {};
};

struct check_case {
    const char *name;
    std::string input;
    bool tip_rows;
    kind first;                             // the first record's kind
    std::vector<expected_finding> findings; // the rest, in order
    bool moves = true;                      // false: blanks in front would change what it is
};

void expect_findings(const check_case &c, const check_run &r, const std::string &how)
{
    SCOPED_TRACE(how);
    const finding expected_first = converted(c.input, c.tip_rows);
    ASSERT_GE(r.findings.count, 1);
    EXPECT_EQ(r.findings.items[0].kind, c.first);
    EXPECT_EQ(r.findings.items[0].kind, expected_first.kind);
    EXPECT_TRUE(std::equal(expected_first.numbers, expected_first.numbers + 2,
                           r.findings.items[0].numbers));
    ASSERT_EQ(r.findings.count, static_cast<int>(c.findings.size() + 1))
        << ::testing::PrintToString(english(r.findings));
    for (std::size_t i = 0; i < c.findings.size(); ++i) {
        const expected_finding &e = c.findings[i];
        const finding &f = r.findings.items[i + 1];
        EXPECT_EQ(f.kind, e.what) << "finding " << i + 1 << ": " << english(r.findings)[i + 1];
        EXPECT_EQ(f.where.line, e.line) << "finding " << i + 1;
        for (std::size_t n = 0; n < e.numbers.size(); ++n)
            EXPECT_EQ(f.numbers[n], e.numbers[n]) << "finding " << i + 1 << ", number " << n;
    }
    const bool too_large = c.first == kind::too_many_games || c.first == kind::too_many_tip_rows;
    EXPECT_EQ(r.status, c.findings.empty() && !too_large ? CHECK_CLEAN : CHECK_FINDINGS);
}

const std::string LABELLED =
    "Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n";
const std::string CLEAN = "1 x 2 1 1 x\r\n2 2 1 x 0 1\r\nx 1 1 2 2 2\r\n";

// 27 tip rows of 13 games, one per line: too many games read without s.
std::string tip_rows_27() { return repeat("1 x 2 1 1 0 1 2 x 1 0 2 1\r\n", 27); }

std::vector<check_case> realistic_files()
{
    const std::string full_games = bench::full_system_file(bench::layout{}.crlf()).bytes;
    const std::string full_tip_rows =
        bench::full_system_file(bench::layout{}.tip_rows().spaced()).bytes;
    const std::string one_odd = repeat("1 x 2\n", 9999) + "1 x\n" + repeat("1 x 2\n", 10000);
    const std::string end_mark = "1 2\x1A";
    return {
        {"clean, games", CLEAN, GAMES, kind::read_system, {}},
        {"clean, tip rows", CLEAN, TIP_ROWS, kind::read_system, {}},
        {"full system, games", full_games, GAMES, kind::read_system, {}},
        {"full system, tip rows", full_tip_rows, TIP_ROWS, kind::read_system, {}},
        {"labels with numbers",
         LABELLED,
         GAMES,
         kind::read_system,
         {{kind::last_line_cuts, 3, {6, 7}},
          {kind::others_cut, 0, {6, 7, 2, 1}},
          {kind::label_number, 1, {1}},
          {kind::label_number, 2, {1}}}},
        {"club names with digits",
         "1. FC Koeln - Gladbach: 1 x 2 1 1 x\r\nSchalke 04 - Hannover 96: 2 2 1 x 0 1\r\n"
         "Bayern - Dortmund: x 1 1 2 2 2\r\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_cuts, 3},
          {kind::others_cut, 0, {6, 7, 2, 1}},
          {kind::word_read, 2, {1}},
          {kind::label_number, 1}}},
        {"a footer Total 12",
         CLEAN + "Total 12\r\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_cuts_footer, 4, {2, 6}}, {kind::others_cut, 0, {2, 6, 3, 4}}}},
        {"a footer Stand 3.4.25",
         CLEAN + "Stand 3.4.25\r\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_cuts_footer, 4, {1, 6}},
          {kind::others_cut, 0, {1, 6, 3, 5}},
          {kind::word_read, 4, {1}}}},
        {"a last line of 4 after 6",
         CLEAN + "1 2 1 2\r\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_cuts, 4, {4, 6}}, {kind::others_cut, 0, {4, 6, 3, 2}}}},
        {"a longer last line",
         "1 x 2\n1 x 2 1 1\n",
         TIP_ROWS,
         kind::read_system,
         {{kind::last_line_fills, 2, {5, 3}}, {kind::others_filled, 0, {5, 3, 1, 4}}}},
        {"a last line one longer",
         "1 2\n1 2\n1 2 1\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_fills, 3}, {kind::others_filled_one, 0, {3, 2, 2}}}},
        {"row numbers, read with s",
         utf16(u"Nr\tA\tB\tC\r\n1\t1\tx\t2\r\n2\t2\t1\t1\r\n3\t0\t0\t1\r\n4\tx\t2\t2\r\n", false),
         TIP_ROWS,
         kind::read_system,
         {{kind::line_cut, 2, {3, 4, 0, 1}}, {kind::line_cut, 3, {3, 4, 0, 1}}}},
        {"odd lines in the middle",
         "1 2 1\n1 2\n1 2 1 2\n1 2 1\n",
         GAMES,
         kind::read_system,
         {{kind::line_filled_one, 2, {3, 2}}, {kind::line_cut, 3, {3, 4, 0, 1}}}},
        {"a short line in the middle",
         "1 2 1 2\n1\n1 2 1 2\n1 2 1 2\n",
         GAMES,
         kind::read_system,
         {{kind::line_filled, 2, {4, 1, 0, 2}}}},
        {"a tip-row file read without s",
         tip_rows_27(),
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, 0, {13, 27}}}},
        {"a game file read with s",
         repeat("1", 20) + "\n" + repeat("2", 20) + "\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, 0, {2, 20}}}},
        {"too large either way",
         repeat(repeat("1", 16) + "\n", 16),
         GAMES,
         kind::too_many_games,
         {}},
        {"words with outcome characters",
         "Mexiko - Kanada: 1 x 2\nXanten 2024: 1 1 0\n",
         GAMES,
         kind::read_system,
         {{kind::last_line_fills, 2},
          {kind::others_filled, 0, {7, 4, 1, 5}},
          {kind::word_read, 1, {1}},
          {kind::word_read, 2, {1}},
          {kind::word_read, 2, {3}}}},
        {"CR line ends only", "1 2\r2 1\r", GAMES, kind::read_system, {{kind::cr_line_ends}}},
        {"CR line ends only, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r", 12),
         GAMES,
         kind::read_system,
         {{kind::cr_line_ends}}},
        {"a CR inside a line",
         "1 2\r2 1\n1 2 1 2\n",
         GAMES,
         kind::read_system,
         {{kind::cr_inside_line, 1}}},
        {"a CR inside lines, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r2 1\n", 8),
         GAMES,
         kind::read_system,
         {{kind::cr_inside_line, 1},
          {kind::cr_inside_line, 2},
          {kind::cr_inside_line, 3},
          {kind::cr_inside_line, 4},
          {kind::cr_inside_line, 5},
          {kind::more_cr_inside, 0, {3}}}},
        {"UTF-16 without its mark",
         utf16(u"1 x 2\r\n0 1 1\r\n", false).substr(2),
         GAMES,
         kind::read_system,
         {{kind::utf16_without_mark}},
         false},
        {"UTF-16 big-endian without its mark",
         utf16(u"1 x 2\r\n0 1 1\r\n", true).substr(2),
         GAMES,
         kind::read_system,
         {{kind::utf16_without_mark}},
         false},
        {"UTF-16 with its mark and Cyrillic labels",
         utf16(u"Кубань: 1 x 2\r\nСпартак: 0 1 1\r\n", false),
         GAMES,
         kind::read_system,
         {}},
        {"UTF-16 with Chinese labels",
         utf16(u"上海申花: 1 x 2\r\n北京国安: 0 1 1\r\n中国", true),
         GAMES,
         kind::read_system,
         {}},
        {"echo appended to a UTF-16 file",
         utf16(u"1 x 2\r\n0 1 1\r\n", false) + "2 2 x\r\n",
         GAMES,
         kind::read_system,
         {{kind::appended_text}}},
        {"echo of an even length appended",
         utf16(u"1 x\r\n0 1\r\n", true) + "2 x\r\n",
         GAMES,
         kind::read_system,
         {{kind::appended_text}}},
        {"Ctrl-Z in the middle",
         "1 2\n2 1\n\x1A"
         "1 1\n",
         GAMES,
         kind::read_system,
         {{kind::text_after_end_mark, 3, {4, 2}}}},
        {"Ctrl-Z in the middle, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r\n", 8) + "\x1A" + repeat("2 2 2 2 2\r\n", 8),
         GAMES,
         kind::read_system,
         {{kind::text_after_end_mark, 9, {88, 40}}}},
        {"Ctrl-Z at the end", "1 2\n2 1\n\x1A", GAMES, kind::read_system, {}},
        {"UTF-16 text after the end mark, counted in bytes",
         utf16(u"1 2\r\n\x1A"
               u"2 1\r\n1 2 2 1 x 1\r\n",
               false),
         GAMES,
         kind::read_system,
         {{kind::text_after_end_mark, 2, {36, 8}}}},
        {"UTF-16: an emoji after the end mark",
         utf16(u"1 2\x1A\U0001F600", false),
         GAMES,
         kind::read_system,
         {{kind::text_after_end_mark, 1, {4, 0}}}},
        {"UTF-16: U+8A66, U+FFFD and a lone surrogate after the end mark",
         utf16(u"1 2\x1A\u8A66\uFFFD", true) + std::string("\xDC\x00", 2),
         GAMES,
         kind::read_system,
         {{kind::text_after_end_mark, 1, {6, 0}}}},
        {"empty file", "", GAMES, kind::read_no_games, {{kind::empty_file}}, false},
        {"no outcomes",
         "Spiele\r\n3 4 5\r\n",
         TIP_ROWS,
         kind::read_no_games,
         {{kind::no_outcomes}}},
        {"20000 lines, one odd",
         one_odd,
         TIP_ROWS,
         kind::read_system,
         {{kind::line_filled_one, 10000, {3, 2}}}},
        {"many odd lines",
         repeat("1 2\n1\n", 100) + "1 2\n",
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, 0, {2, 201}}}},
        {"many odd lines, tip rows",
         repeat("1 2\n1\n", 100) + "1 2\n",
         TIP_ROWS,
         kind::read_system,
         {{kind::line_filled_one, 2},
          {kind::line_filled_one, 4},
          {kind::line_filled_one, 6},
          {kind::line_filled_one, 8},
          {kind::line_filled_one, 10},
          {kind::more_odd_lines, 0, {2, 95}}}},
        {"many words",
         repeat("Mexiko 1\n", 20),
         TIP_ROWS,
         kind::read_system,
         {{kind::word_read, 1},
          {kind::word_read, 2},
          {kind::word_read, 3},
          {kind::word_read, 4},
          {kind::word_read, 5},
          {kind::more_words, 0, {15}}}},
        {"many labels",
         repeat("Spiel 1: 2 0\n", 8),
         TIP_ROWS,
         kind::read_system,
         {{kind::label_number, 1},
          {kind::label_number, 2},
          {kind::label_number, 3},
          {kind::label_number, 4},
          {kind::label_number, 5},
          {kind::more_labels, 0, {3}}}},
        {"a word longer than is kept",
         "Xabcdefghijklmnopqrstuvw 1 2\n1 2 1\n",
         GAMES,
         kind::read_system,
         {{kind::long_word_read, 1, {1}}}},
        // A word that reaches over a 64-byte chunk into an outcome.
        {"a long word over a chunk's end",
         std::string(60, ' ') + "abcdefgh1 2\n1 2\n",
         GAMES,
         kind::read_system,
         {{kind::word_read, 1, {1}}},
         false},
        {"outcomes over a chunk's end into a word",
         std::string(61, ' ') + "1x2abc 1\n1 2 1 2\n",
         GAMES,
         kind::read_system,
         {{kind::word_read, 1, {3}}},
         false},
    };
}

TEST(SystemCheck, FindsWhatWasRead)
{
    for (const check_case &c : realistic_files()) {
        SCOPED_TRACE(c.name);
        expect_findings(c, check(c.input, c.tip_rows), "as it stands");
        if (!c.moves || c.input.size() > 100000)
            continue;
        for (const std::size_t shift : {13, 45, 63})
            expect_findings(c, check(moved(c.input, shift, false), c.tip_rows),
                            "shifted by " + std::to_string(shift));
        expect_findings(c, check(moved(c.input, 64, true), c.tip_rows), "padded");
    }
}

// How a line is quoted: the line as it stands, up to 40 characters,
// without the CR of its CR LF but with a CR that ends no line, and with '"'
// and '\' escaped so that a quote cannot end early.
TEST(SystemCheck, QuotesTheLine)
{
    const std::string line_39 = repeat("1 ", 19) + "x";
    const std::pair<std::string, std::string> cases[] = {
        {"1 2 1\r\n", "1 2 1"},
        {line_39 + "\r\n", line_39},
        {line_39 + "1\r\n", line_39 + "1"},
        {line_39 + "\r1 2 1\n", line_39 + "."},
        {line_39 + "12\r\n", line_39 + "1"},
        {"1 \"2\": 3 outcomes, fine\" \\ 1\n", "1 \\\"2\\\": 3 outcomes, fine\\\" \\\\ 1"},
    };
    for (const auto &[line, quote] : cases) {
        SCOPED_TRACE(line);
        const check_run r = check(line + "1\n1\n", GAMES);
        ASSERT_GE(r.findings.count, 2);
        EXPECT_EQ(r.findings.items[1].kind, kind::line_cut);
        const std::string said = english(r.findings)[1];
        const std::string start = "line 1: \"" + quote + "\": ";
        EXPECT_EQ(said.substr(0, start.size()), start);
    }
}

// A read error, and input without end, as the reader meets them: a read
// error while the reader still needs input is no report; past the end mark
// or a limit, it is a finding, and so is more input than is looked at.
TEST(SystemCheck, ReadErrorsAndEndlessInput)
{
    struct source_case {
        const char *name;
        std::string input;
        decltype(test_source::then) then;
        int status;
        std::vector<kind> kinds;
    };
    const source_case cases[] = {
        {"an error before the end mark",
         "1 2\n2 1\n",
         test_source::fails,
         CHECK_UNREADABLE,
         {kind::read_error}},
        {"an error after the end mark",
         "1 2\n2 1\n\x1A",
         test_source::fails,
         CHECK_FINDINGS,
         {kind::read_system, kind::unreadable_after_end_mark}},
        {"an error after a limit",
         repeat("1 2\n", 16),
         test_source::fails,
         CHECK_FINDINGS,
         {kind::too_many_games, kind::unreadable_after_limit}},
        {"no end after the end mark",
         "1 2\n2 1\n\x1Ax",
         test_source::goes_on,
         CHECK_FINDINGS,
         {kind::read_system, kind::more_after_end_mark}},
        {"no end after a limit",
         repeat("1 2\n", 16),
         test_source::goes_on,
         CHECK_FINDINGS,
         {kind::too_many_games, kind::checked_in_part}},
    };
    for (const source_case &c : cases) {
        SCOPED_TRACE(c.name);
        static system_table table;
        static check_state state;
        clear_table(table);
        test_source source{
            {reinterpret_cast<const unsigned char *>(c.input.data()), c.input.size(), 4096, 0},
            c.then};
        EXPECT_EQ(check_system(table, byte_source{read_test_source, &source}, state), c.status);
        std::vector<kind> kinds;
        for (int i = 0; i < state.findings.count; ++i)
            kinds.push_back(state.findings.items[i].kind);
        EXPECT_EQ(kinds, c.kinds) << ::testing::PrintToString(english(state.findings));
    }
}

// --- The two ways of the tally ---

bool same_quote(const line_quote &a, const line_quote &b)
{
    return a.length == b.length && a.encoding == b.encoding &&
           std::equal(a.bytes, a.bytes + a.length, b.bytes);
}

bool same_line_notes(const notes<line_note> &a, const notes<line_note> &b)
{
    bool same = a.total == b.total;
    for (std::int64_t i = 0; same && i < std::min<std::int64_t>(a.total, NOTES_KEPT); ++i)
        same = a.first[i].line == b.first[i].line && a.first[i].outcomes == b.first[i].outcomes &&
               same_quote(a.first[i].quote, b.first[i].quote);
    return same;
}

bool same_token_notes(const notes<token_note> &a, const notes<token_note> &b)
{
    bool same = a.total == b.total;
    for (std::int64_t i = 0; same && i < std::min<std::int64_t>(a.total, NOTES_KEPT); ++i) {
        const token_note &x = a.first[i];
        const token_note &y = b.first[i];
        same = x.line == y.line && same_quote(x.quote, y.quote) &&
               x.token_length == y.token_length && x.outcomes == y.outcomes && x.after == y.after &&
               std::equal(x.token, x.token + std::min<std::int64_t>(x.token_length, TOKEN_MAX),
                          y.token);
    }
    return same;
}

// Every fact of two tallies, compared.
bool same_facts(const tally_facts &a, const tally_facts &b)
{
    bool same = a.bytes == b.bytes && a.lines == b.lines &&
                a.lines_with_outcomes == b.lines_with_outcomes &&
                a.max_outcomes == b.max_outcomes && a.last.line == b.last.line &&
                a.last.outcomes == b.last.outcomes && same_quote(a.last.quote, b.last.quote) &&
                a.before_last == b.before_last && a.group_count == b.group_count &&
                a.lone_crs == b.lone_crs && a.line_feeds == b.line_feeds &&
                a.end_mark == b.end_mark && a.end_mark_line.line == b.end_mark_line.line &&
                same_quote(a.end_mark_line.quote, b.end_mark_line.quote) &&
                a.after_end_mark == b.after_end_mark &&
                a.outcomes_after_end_mark == b.outcomes_after_end_mark &&
                a.text_after_end_mark == b.text_after_end_mark && a.head_length == b.head_length &&
                a.head_zeros[0] == b.head_zeros[0] && a.head_zeros[1] == b.head_zeros[1] &&
                same_token_notes(a.words, b.words) && same_token_notes(a.labels, b.labels) &&
                same_line_notes(a.cr_inside, b.cr_inside);
    for (int g = 0; same && g < a.group_count; ++g)
        same = a.groups[g].outcomes == b.groups[g].outcomes &&
               same_line_notes(a.groups[g].lines, b.groups[g].lines) &&
               a.lines_with(a.groups[g].outcomes) == b.lines_with(b.groups[g].outcomes);
    return same;
}

// The text in one piece (whole chunks go the chunk way where they can), or
// a byte at a time (the byte way only).
const tally_facts &tally_of(line_tally &tally, const std::string &text, bool whole,
                            const path_entry &path)
{
    tally.start(path.functions.classify_chunks);
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    if (whole)
        tally.text({bytes, text.size(), nullptr, false});
    else
        for (std::size_t i = 0; i < text.size(); ++i)
            tally.text({bytes + i, 1, nullptr, false});
    tally.end(watch_end::whole, -1);
    return tally.finish();
}

// Every byte value at every place of a chunk, amid tip rows, amid words and
// amid labels, on every path: the chunk way and the byte way find the same.
TEST(SystemCheck, EveryByteValueBothWays)
{
    static line_tally chunks;
    static line_tally bytes;
    const std::string contexts[] = {
        repeat("1 x 2 0 1 1 2 x\r\n", 12),
        repeat("Bayern Dortmund\n", 12),
        repeat("Spiel 1: 2 1\r\n", 14),
    };
    for (const path_entry &path : path_table()) {
        if (!path.runs_here())
            continue;
        SCOPED_TRACE(std::string(path.name) + " path");
        for (const std::string &context : contexts) {
            for (unsigned value = 0; value < 256; ++value) {
                for (std::size_t at = 64; at < 128; ++at) {
                    std::string text = context;
                    text[at] = static_cast<char>(value);
                    const tally_facts &whole = tally_of(chunks, text, true, path);
                    if (!same_facts(whole, tally_of(bytes, text, false, path)))
                        ADD_FAILURE()
                            << "byte " << value << " at " << at << " of \"" << context << "\"";
                }
            }
        }
    }
}

// --- The words ---

// One record of every kind, in each orientation and with numbers of 1 and
// of more, rendered in English, against the golden text.
TEST(SystemCheck, EnglishGoldenText)
{
    static report r;
    std::ostringstream rendered;
    for (const bool tip_rows : {false, true}) {
        for (const std::int64_t n : {1, 2}) {
            r.count = 0;
            r.tip_rows = tip_rows;
            for (std::size_t k = 0; k < FINDING_KINDS; ++k) {
                const auto what = static_cast<kind>(k);
                finding f = make_finding(what, {n, n + 1, n == 1 ? 1 : 3, n});
                f.where.line = 7;
                const std::string quote = "Spiel \"3\":\t1 \\ x";
                f.quote.length = static_cast<int>(quote.size());
                std::copy(quote.begin(), quote.end(), f.quote.bytes);
                f.word = {{'X', '2', '0', '2', '4'}, 5, ':'};
                r.items[r.count++] = f;
            }
            for (const std::string &line : english(r))
                rendered << line << '\n';
        }
    }
    const std::string golden = std::string(SYSORIENT_TESTS) + "/golden/report-en.txt";
    std::ifstream in(golden, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    if (std::getenv("SYSORIENT_UPDATE_GOLDEN") != nullptr)
        std::ofstream(golden, std::ios::binary) << rendered.str();
    EXPECT_EQ(rendered.str(), expected) << "SYSORIENT_UPDATE_GOLDEN=1 writes " << golden;
}

} // namespace
} // namespace sysorient
