// The check, fed from memory: realistic files, each with the findings it
// must give (their kinds and lines). Every file is checked on every read
// path and in blocks of several sizes: the report must not depend on how
// the text comes. The first record must say what the conversion itself
// makes of the file. The words of the report are checked once, against a
// golden text.
#include "bench_inputs.h"
#include "check/language.h"
#include "check/report_text.h"
#include "check/system_check.h"
#include "memory_source.h"
#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "test_systems.h"
#include "write/oriented_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
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

check_run check_with(check_state &state, const std::string &input, bool tip_rows, std::size_t block,
                     read_path path)
{
    static system_table table;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    test_source source{
        {reinterpret_cast<const unsigned char *>(input.data()), input.size(), block, 0},
        test_source::ends};
    state.files = file_facts{oriented_state::writable, nullptr};
    const int status = check_system(table, byte_source{read_test_source, &source}, state, path);
    return {status, state.findings};
}

// One state for every check, as a caller that checks file after file keeps
// it: nothing of one check may reach the next (SystemCheck.StartsAfresh).
check_run check_in_blocks(const std::string &input, bool tip_rows, std::size_t block,
                          read_path path)
{
    static check_state state;
    return check_with(state, input, tip_rows, block, path);
}

bool same_place(const place &a, const place &b)
{
    bool same = a.lines == b.lines && a.run_count == b.run_count;
    for (int r = 0; same && r < a.run_count; ++r)
        same = a.runs[r].first == b.runs[r].first && a.runs[r].last == b.runs[r].last;
    return same;
}

bool same_finding(const finding &a, const finding &b)
{
    return a.kind == b.kind && same_place(a.where, b.where) && a.quote.length == b.quote.length &&
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

// Each record of a report in words, its lines joined by '\n'.
std::vector<std::string> in_words(const report &r, const language &words, platform where)
{
    std::vector<std::string> records;
    for (int i = 0; i < r.count; ++i) {
        std::vector<std::string> lines;
        render_record(r, i, {words, where}, {collect, &lines});
        std::string text;
        for (const std::string &line : lines)
            text += (text.empty() ? "" : "\n") + line;
        records.push_back(text);
    }
    return records;
}

std::vector<std::string> english(const report &r)
{
    return in_words(r, ENGLISH, platform::windows);
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

// What the conversion makes of the file: [0] games, [1] tip rows, or the
// kind of the limit it meets.
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

constexpr bool GAMES = false;
constexpr bool TIP_ROWS = true;

// Lines first to last, every one or every other one.
std::vector<std::int64_t> lines_from(std::int64_t first, std::int64_t last, std::int64_t step = 1)
{
    std::vector<std::int64_t> lines;
    for (std::int64_t l = first; l <= last; l += step)
        lines.push_back(l);
    return lines;
}

// The lines of a place, as far as it keeps them.
std::vector<std::int64_t> lines_of(const place &p)
{
    std::vector<std::int64_t> lines;
    for (int r = 0; r < p.run_count; ++r)
        for (std::int64_t l = p.runs[r].first; l <= p.runs[r].last; ++l)
            lines.push_back(l);
    return lines;
}

// A finding as a row expects it: its kind, all its lines (none for the
// file), and as many of its numbers as are given.
struct expected_finding {
    kind what;
    std::vector<std::int64_t> lines = {};
    std::vector<std::int64_t> numbers = {};
};

struct check_case {
    const char *name;
    std::string input;
    bool tip_rows;
    kind first;                             // the first record's kind
    std::vector<expected_finding> findings; // the rest, in order
};

// The lines of a place's first runs of neighbouring lines, which it keeps.
std::vector<std::int64_t> kept_of(const std::vector<std::int64_t> &lines)
{
    std::vector<std::int64_t> kept;
    int runs = 0;
    for (const std::int64_t line : lines) {
        runs += kept.empty() || kept.back() + 1 != line ? 1 : 0;
        if (runs > line_set::RUNS)
            break;
        kept.push_back(line);
    }
    return kept;
}

void expect_finding(const expected_finding &e, const finding &f, const std::string &said)
{
    EXPECT_EQ(f.kind, e.what) << said;
    EXPECT_EQ(f.where.lines, static_cast<std::int64_t>(e.lines.size())) << said;
    EXPECT_EQ(lines_of(f.where), kept_of(e.lines)) << said;
    for (std::size_t n = 0; n < e.numbers.size(); ++n)
        EXPECT_EQ(f.numbers[n], e.numbers[n]) << said << ", number " << n;
}

// The first record names what the conversion makes of the file, and where
// it fits, what it makes read the other way.
void expect_first(const check_case &c, const finding &first)
{
    const finding made = converted(c.input, c.tip_rows);
    EXPECT_EQ(first.kind, c.first);
    if (made.kind == kind::read_system) {
        EXPECT_TRUE(first.kind == kind::read_system || first.kind == kind::read_system_both);
    } else {
        EXPECT_EQ(first.kind, made.kind);
    }
    EXPECT_TRUE(std::equal(made.numbers, made.numbers + 2, first.numbers));
    if (first.kind == kind::read_system_both) {
        const finding other = converted(c.input, !c.tip_rows);
        EXPECT_EQ(other.kind, kind::read_system);
        EXPECT_TRUE(std::equal(other.numbers, other.numbers + 2, first.numbers + 2));
    }
}

// The outcomes of each line as sysorient reads them ([0] unused): UTF-16
// behind its mark a character a code unit, up to the end mark.
std::vector<std::int64_t> outcomes_by_line(const std::string &input)
{
    std::string text = input;
    if (input.rfind("\xFF\xFE", 0) == 0 || input.rfind("\xFE\xFF", 0) == 0) {
        text.clear();
        const std::size_t ascii = input[0] == '\xFF' ? 0 : 1;
        for (std::size_t i = 2; i + 1 < input.size(); i += 2)
            text += input[i + 1 - ascii] == 0 ? input[i + ascii] : ' ';
    }
    std::vector<std::int64_t> lines(2, 0);
    for (const char c : text.substr(0, text.find('\x1A'))) {
        if (c == '\n')
            lines.push_back(0);
        lines.back() += BYTE_CLASSES[static_cast<unsigned char>(c)] <= OUTCOME_MAX ? 1 : 0;
    }
    return lines;
}

// The check agrees with the reading: a line that it says holds N tips holds
// N outcomes as sysorient reads it, or more where a cause names it.
void expect_agreement(const std::string &input, const report &r)
{
    const std::vector<std::int64_t> outcomes = outcomes_by_line(input);
    std::vector<std::int64_t> text;
    for (int i = 1; i < r.count; ++i) {
        const finding &f = r.items[i];
        if (f.kind >= kind::heading && f.kind <= kind::cr_inside)
            for (const std::int64_t line : lines_of(f.where))
                text.push_back(line);
    }
    for (int i = 1; i < r.count; ++i) {
        const finding &f = r.items[i];
        const bool count =
            f.kind >= kind::lines_more_tips && f.kind <= kind::lines_fewer_tips_whole;
        if (!count && f.kind != kind::bankers)
            continue;
        for (const std::int64_t line : lines_of(f.where)) {
            const std::int64_t tips = count ? f.numbers[2] : 1;
            const auto read = outcomes.at(static_cast<std::size_t>(line));
            if (std::find(text.begin(), text.end(), line) == text.end())
                EXPECT_EQ(read, tips) << "line " << line;
            else
                EXPECT_GT(read, tips) << "line " << line;
        }
    }
}

void expect_findings(const check_case &c, const check_run &r, const std::string &how)
{
    SCOPED_TRACE(how);
    ASSERT_GE(r.findings.count, 1);
    expect_first(c, r.findings.items[0]);
    const std::vector<std::string> said = english(r.findings);
    const bool too_large = c.first == kind::too_many_games || c.first == kind::too_many_tip_rows;
    const bool clean = c.findings.empty() && !too_large;
    std::vector<expected_finding> findings = c.findings;
    if (clean)
        findings.push_back({kind::nothing_found});
    ASSERT_EQ(r.findings.count, static_cast<int>(findings.size() + 1))
        << ::testing::PrintToString(said);
    for (std::size_t i = 0; i < findings.size(); ++i)
        expect_finding(findings[i], r.findings.items[i + 1], said[i + 1]);
    EXPECT_EQ(r.status, clean ? CHECK_CLEAN : CHECK_FINDINGS);
    expect_agreement(c.input, r.findings);
}

const std::string LABELLED =
    "Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n";
const std::string CLEAN = "1 x 2 1 1 x\r\n2 2 1 x 0 1\r\nx 1 1 2 2 2\r\n";
const std::string GAME = "1 x 2 1 1 2\r\n";

// 27 tip rows of 13 games, one per line: too many games read without s.
std::string tip_rows_27() { return repeat("1 x 2 1 1 0 1 2 x 1 0 2 1\r\n", 27); }

// 13 games of 6 tips, varied.
std::string thirteen_games()
{
    std::string s;
    for (int g = 0; g < 13; ++g)
        for (int t = 0; t < 6; ++t)
            s += std::string(1, "1x2"[(g + 2 * t) % 3]) + (t == 5 ? "\r\n" : " ");
    return s;
}

// Games behind labels "Spiel 1:" to "Spiel 11:".
std::string eleven_labelled()
{
    std::string s;
    for (int g = 1; g <= 11; ++g)
        s += "Spiel " + std::to_string(g) + ": 1 x 2 1 1 2\r\n";
    return s;
}

// Lines numbered "1. ", "2. ", ... before the same tips.
std::string dotted_labels(int lines, const std::string &tips)
{
    std::string s;
    for (int l = 1; l <= lines; ++l)
        s += std::to_string(l) + ". " + tips + "\r\n";
    return s;
}

// An Excel export with a first column of row numbers and a heading row.
std::string numbered_rows(int rows)
{
    std::string s = "Nr;A;B;C;D\r\n";
    for (int r = 1; r <= rows; ++r)
        s += std::to_string(r) + ";" + "1x2"[r % 3] + ";1;" + "x12"[r % 3] + ";2\r\n";
    return s;
}

// An Excel sheet saved as CSV, one tip row per line: a header row of the
// games' numbers above rows numbered in column A, with Excel's separator
// and, for "CSV UTF-8", the mark in front.
// Rows numbered in column A, `games` tips each, as Excel saves them with ';'.
std::string excel_rows(int rows, int games)
{
    std::string s;
    for (int r = 1; r <= rows; ++r) {
        s += std::to_string(r);
        for (int g = 0; g < games; ++g)
            s += std::string(";") + "1x2"[(r + 2 * g) % 3];
        s += "\r\n";
    }
    return s;
}

std::string excel_sheet(int rows, const std::string &separator, bool mark)
{
    std::string s = mark ? "\xEF\xBB\xBFNr" : "Nr";
    for (int g = 1; g <= 13; ++g)
        s += separator + std::to_string(g);
    s += "\r\n";
    for (int r = 1; r <= rows; ++r) {
        s += std::to_string(r);
        for (int g = 0; g < 13; ++g)
            s += separator + "1x2"[(r + 2 * g) % 3];
        s += "\r\n";
    }
    return s;
}

// Games behind a word and a number: "Tipp 1 - ", "Nr. 1 ".
std::string labelled_games(const std::string &word, const std::string &mark, int games)
{
    std::string s;
    for (int g = 1; g <= games; ++g)
        s += word + std::to_string(g) + mark + "1 x 2 1 1 2\r\n";
    return s;
}

std::vector<check_case> realistic_files()
{
    const std::string full_games = bench::full_system_file(bench::layout{}.crlf()).bytes;
    const std::string full_tip_rows =
        bench::full_system_file(bench::layout{}.tip_rows().spaced()).bytes;
    const std::string one_odd = repeat("1 x 2\n", 9999) + "1 x\n" + repeat("1 x 2\n", 10000);
    const std::vector<check_case> rows = {
        {"clean, games", CLEAN, GAMES, kind::read_system_both, {}},
        {"clean, tip rows", CLEAN, TIP_ROWS, kind::read_system_both, {}},
        {"full system, games", full_games, GAMES, kind::read_system, {}},
        {"full system, tip rows", full_tip_rows, TIP_ROWS, kind::read_system, {}},
        {"13 game lines read with s", repeat(GAME, 13), TIP_ROWS, kind::read_system_both, {}},
        {"8 tip rows of 11 games read without s",
         repeat("1 x 2 1 1 2 0 x 1 2 1\r\n", 8),
         GAMES,
         kind::read_system_both,
         {}},
        {"Notepad, UTF-8 with its mark before the first tip",
         "\xEF\xBB\xBF" + CLEAN,
         GAMES,
         kind::read_system_both,
         {}},
        {"Excel CSV UTF-8, a header row and numbered rows, read with s",
         excel_sheet(30, ";", true),
         TIP_ROWS,
         kind::read_system,
         {{kind::heading, {1}, {9}}, {kind::row_numbers, lines_from(2, 31), {29}}}},
        {"an English Excel's CSV, a header row and numbered rows, read with s",
         excel_sheet(30, ",", false),
         TIP_ROWS,
         kind::read_system,
         {{kind::heading, {1}, {9}}, {kind::row_numbers, lines_from(2, 31), {29}}}},
        {"Excel's Unicode text, a header row and numbered rows, read with s",
         utf16(u"Nr\t1\t2\t3\r\n1\t1\tx\t2\r\n2\tx\t1\t2\r\n3\t1\t1\t1\r\n4\t2\t2\t2\r\n", false),
         TIP_ROWS,
         kind::read_system_both,
         {{kind::heading, {1}, {2}}, {kind::row_numbers, {2, 3, 4, 5}, {2}}}},
        {"a spreadsheet's header row of the games' names, read with s",
         "Spiel 1;Spiel 2;Spiel 3;Spiel 4;Spiel 5;Spiel 6;Spiel 7;Spiel 8;Spiel 9;Spiel 10;Spiel "
         "11\r\n" +
             repeat("0;2;1;1;1;2;2;1;1;1;2\r\n", 6),
         TIP_ROWS,
         kind::read_system_both,
         {{kind::heading, {1}, {6}}}},
        {"a line of the games' numbers above tip rows, read with s",
         "1 2 3 4 5 6 7 8 9 10 11\r\n---------------------\r\n" +
             repeat("0 2 1 1 1 2 2 1 1 1 2\r\n", 6),
         TIP_ROWS,
         kind::read_system_both,
         {{kind::heading, {1}, {6}}}},
        {"games behind the clubs' names, a blank line after each",
         "Bayern - BVB 1 x 2 1 1 0\r\n\r\nK\xC3\xB6ln - Mainz 2 1 1 x 0 1\r\n\r\n"
         "Hertha - Bochum x 2 1 1 2 2\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"a spreadsheet's header row of the pairings, numbered rows and a total, read with s",
         "Nr;FCB x BVB;S04 x HSV;KOE x M05;SGE x SCF;BMG x TSG;WOB x FCA;VFB x BOC\r\n" +
             excel_rows(20, 7) + "Einsatz: 20 Reihen\r\n",
         TIP_ROWS,
         kind::read_system,
         {{kind::heading, {1}, {9}},
          {kind::footer, {22}, {2}},
          {kind::row_numbers, lines_from(2, 21), {17}},
          {kind::written_cut, {}, {2, 7}}}},
        {"a date before every game, and one in the footer",
         "Sa 19.10. 1 x 2 1\r\nSo 20.10. 2 1 x 1\r\nSa 26.10. 0 0 1 2\r\nStand: 20.10.2024\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::footer, {4}, {7}},
          {kind::dates, {1, 2, 3}, {10}},
          {kind::written_filled, {}, {7, 4, 5, 3}}}},
        {"a legend above a blank line",
         "Tipps (1 = Heim, 0 oder X = Unentschieden, 2 = Gast)\r\n\r\n" + repeat(GAME, 8),
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {4}}}},
        {"tips pasted from a web page, a blank after each",
         "1\u00A0x\u00A0"
         "2\u00A0"
         "1\u00A0\r\n2\u00A0"
         "1\u00A0"
         "1\u00A0x\u00A0\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"a banker written once as the last game",
         repeat(GAME, 13) + "Bank: 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::bankers, {14}, {0, 6}}, {kind::written_cut, {}, {1, 6}}}},
        {"a banker written once in the middle, behind a label",
         repeat(GAME, 6) + "Spiel 7: 1\r\n" + repeat(GAME, 6),
         GAMES,
         kind::read_system_both,
         {{kind::bankers, {7}, {0, 6}}}},
        {"labels Tipp 1 - to Tipp 11 -",
         labelled_games("Tipp ", " - ", 11),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"labels Nr. 1 to Nr. 11",
         labelled_games("Nr. ", " ", 11),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"labels Reihe 1) to Reihe 11)",
         labelled_games("Reihe ", ") ", 11),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"labels Spiel Nr. 1: to Spiel Nr. 11:",
         labelled_games("Spiel Nr. ", ": ", 11),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"every digit of club names",
         "Bayer 04 Leverkusen - 1. FSV Mainz 05: 1 x 2\r\nHertha - Schalke: 2 1 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::names, {1}, {3}}}},
        {"a heading's name, and the same word as a label",
         "Max Becker\r\n1 2 1\r\nMax: 2 1 1\r\n2 1 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {1}}, {kind::names, {3}, {1}}}},
        {"an old DOS program's code page 850: \\xA0 is a letter",
         "13er Wette von M\x9A"
         "LLER\r\n1 x 2 1\r\n2 1 1 x\r\n1\xA0x 2 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {1}}, {kind::footer, {4}, {4}}}},
        {"Windows-1252: \\xA0 is a blank",
         "13er Wette von M\xDC"
         "LLER\r\n1 x 2 1\r\n2 1 1 x\r\n1\xA0x 2 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {1}}}},
        {"labels with numbers",
         LABELLED,
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2}, {2}}}},
        {"labels Spiel 1: to Spiel 11:",
         eleven_labelled(),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"labels 1. to 11., and tips alone",
         dotted_labels(11, "1 x 2 1 1 x 2 0"),
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2, 10, 11}, {6}}}},
        {"labels 1. to 20. before an x, read with s",
         dotted_labels(20, "x 1 x 2 1 1 2 1 x 2 1"),
         TIP_ROWS,
         kind::read_system,
         {{kind::label_numbers, {1, 2, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, {17}}}},
        {"club names with digits",
         "1. FC Koeln - Gladbach: 1 x 2 1 1 x\r\nSchalke 04 - Hannover 96: 2 2 1 x 0 1\r\n"
         "Bayern - Dortmund: x 1 1 2 2 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::names, {1, 2}, {2}}}},
        {"games numbered 1. to 5. before the clubs, typed in Notepad",
         "1. Bayern - Dortmund 1 0 2 1\n2. Leipzig - K\xC3\xB6ln 2 2 1 0\n3. Bochum - Mainz 0 1 1 "
         "2\n4. Kiel - Bremen 1 1 1 1\n5. Union - Hertha 2 0 0 2\n",
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2}, {2}}}},
        {"a club's 1. FC above games numbered 2. to 4.",
         "1. FC Koeln - Gladbach: 1 x 2 1\r\n2. Bayern - Dortmund: x 1 1 2\r\n"
         "3. Bochum - Mainz: x 1 1 2\r\n4. Kiel - Bremen: 2 2 1 x\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {1, 2}, {2}}}},
        {"a club's 09 before a colon",
         "Bochum - Wattenscheid 09: 1 x 2 1 1 x\r\nBayern - Dortmund: x 1 1 2 2 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::names, {1}, {1}}}},
        {"a footer Total 12",
         CLEAN + "Total 12\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::footer, {4}, {2}}, {kind::written_cut, {}, {2, 6}}}},
        {"a footer Stand 3.4.25",
         CLEAN + "Stand 3.4.25\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::footer, {4}, {1}}, {kind::written_cut, {}, {1, 6}}}},
        {"a footer of stakes and a greeting",
         CLEAN + "Einsatz: 12 Reihen x 0,50 EUR\r\nGr\xC3\xBC\xC3\x9F"
                 "e, Max\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::footer, {4, 5}, {6}}, {kind::written_cut, {}, {1, 6}}}},
        {"a sum in quotes below the system",
         "1 x 2 1 1\r\n2 1 1 x "
         "0\r\n\"Summe\";\"\";\"\";\"0,50\";\"0,50\";\"0,50\";\"0,50\";\"0,50\"\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::footer, {3}, {10}}, {kind::written_filled, {}, {10, 5, 6}}}},
        {"a heading and a footer, too many games",
         "13er Wette vom 12.10.2024\r\nRunde 41\r\n" + thirteen_games() +
             "Einsatz 6 Reihen x 0,50 = 3,00 EUR\r\nGr\xC3\xBC\xC3\x9F"
             "e, Max\r\n",
         GAMES,
         kind::too_many_games,
         {{kind::heading, {1, 2}, {9}},
          {kind::footer, {16, 17}, {6}},
          {kind::without_text, {}, {13, 6}}}},
        {"a heading of nine lines: the eight that the check keeps",
         repeat("Runde 1\r\n", 9) + thirteen_games(),
         GAMES,
         kind::too_many_games,
         {{kind::heading, lines_from(1, 8), {8}}, {kind::without_text, {}, {14, 6}}}},
        {"a footer of eight lines",
         thirteen_games() + repeat("Runde 2\r\n", 8),
         GAMES,
         kind::too_many_games,
         {{kind::footer, lines_from(14, 21), {8}}, {kind::without_text, {}, {13, 6}}}},
        {"row numbers on the first lines only",
         "1 1 x 2\r\n2 x 2 1\r\n3 2 1 1\r\n4 0 1 2\r\n" + repeat("1 1 x 2\r\n", 6),
         GAMES,
         kind::read_system_both,
         {{kind::lines_fewer_tips, {3, 4}, {4, 4, 3, 4}}}},
        {"row numbers of 9 digits",
         "000000001 1 x 2\r\n000000002 x 2 1\r\n000000003 2 1 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::row_numbers, {1, 2, 3}, {26}}}},
        {"numbers of 10 digits are no row numbers",
         "0000000001 1 x 2\r\n0000000002 x 2 1\r\n0000000003 2 1 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::names, {3}, {9}},
          {kind::written_cut, {}, {12, 13}},
          {kind::lines_fewer_tips_whole, {3}, {12, 13, 3}}}},
        {"a word of an x and a digit before a colon is no label",
         "x1: 1 2\r\nx2: 2 1\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"row numbers 1 to 3",
         "1 1 x 2\r\n2 x 2 1\r\n3 2 1 1\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::row_numbers, {1, 2, 3}, {2}}}},
        {"a heading with an ordinal",
         "Bundesliga \xE2\x80\x93 12. Spieltag\r\n1 x 2 1\r\n2 1 1 x\r\n0 0 1 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {2}}}},
        {"a commented heading",
         "# 13er Wette, Tipp vom 12.10.2024\r\n1 x 2 1\r\n2 1 1 x\r\n0 0 1 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}}}},
        {"a last line of 4 after 6",
         CLEAN + "1 2 1 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::written_cut, {}, {4, 6}}, {kind::lines_fewer_tips_whole, {4}, {4, 6, 4}}}},
        {"a longer last line",
         "1 x 2\n1 x 2 1 1\n",
         TIP_ROWS,
         kind::read_system_both,
         {{kind::lines_fewer_tips, {1}, {5, 5, 3, 4}}}},
        {"a last line one longer",
         "1 2\n1 2\n1 2 1\n",
         GAMES,
         kind::read_system_both,
         {{kind::written_filled, {}, {3, 2, 3, 1}}, {kind::lines_more_tips, {3}, {3, 2, 3, 1}}}},
        {"a last line two longer",
         "1 2\n1 2\n1 2 1 2\n",
         GAMES,
         kind::read_system_both,
         {{kind::written_filled, {}, {4, 2, 3, 2}}, {kind::lines_more_tips, {3}, {4, 2, 4, 2}}}},
        {"short lines last",
         repeat("1 2 1 2\n", 3) + repeat("1 2\n", 2),
         TIP_ROWS,
         kind::read_system_both,
         {{kind::written_cut, {}, {2, 4}}, {kind::lines_fewer_tips_whole, {4, 5}, {2, 4, 2}}}},
        {"row numbers, read with s",
         utf16(u"Nr\tA\tB\tC\r\n1\t1\tx\t2\r\n2\t2\t1\t1\r\n3\t0\t0\t1\r\n4\tx\t2\t2\r\n", false),
         TIP_ROWS,
         kind::read_system_both,
         {{kind::row_numbers, {2, 3, 4, 5}, {2}}}},
        {"row numbers in an Excel export",
         numbered_rows(12),
         GAMES,
         kind::read_system_both,
         {{kind::row_numbers, lines_from(2, 13), {8}}}},
        {"row numbers in an Excel export, below a heading with tips",
         "Runde 1\r\n" + numbered_rows(12),
         GAMES,
         kind::read_system_both,
         {{kind::heading, {1}, {1}}, {kind::row_numbers, lines_from(3, 14), {8}}}},
        {"row numbers to 20, read with s: 13 and on are no names",
         numbered_rows(20).substr(std::string("Nr;A;B;C;D\r\n").size()),
         TIP_ROWS,
         kind::read_system,
         {{kind::row_numbers, lines_from(1, 20), {17}}}},
        {"row numbers in quotes, and a club",
         "\"1\";\"Bayern M\xC3\xBCnchen\";\"1\";\"x\";\"2\"\r\n\"2\";\"Schalke "
         "04\";\"2\";\"1\";\"1\"\r\n"
         "\"3\";\"K\xC3\xB6ln\";\"0\";\"0\";\"1\"\r\n\"4\";\"Hertha\";\"x\";\"2\";\"2\"\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::row_numbers, {1, 2, 3, 4}, {2}}, {kind::names, {2}, {1}}}},
        {"games that begin with 0, 1, 2: no row numbers",
         "0 1 2 1\r\n1 2 1 x\r\n2 1 x 1\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"tips separated by commas and dots",
         "1,0,2,1\r\n2.1.1.x\r\n0,x,2,2\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"tips separated by dots, typed as 1.2.x",
         "1.2.x\r\n2.1.1\r\nx.0.2\r\n",
         GAMES,
         kind::read_system_both,
         {}},
        {"a date and a time in the games",
         "Sa 12.10. 15:30: 1 x 2\r\nSo 13.10. 17:30: 2 1 x\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::dates, {1, 2}, {7}}, {kind::times, {1, 2}, {4}}}},
        {"the 1st and 2nd of the month and kick-offs, pasted from a fixture list",
         "Sa 01.03.2025 15:30 Bayern - Dortmund 1 x 2\r\nSo 02.03.2025 17:30 Koeln - Mainz 2 1 "
         "x\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::dates, {1, 2}, {12}}, {kind::times, {1, 2}, {4}}}},
        {"a date before every game",
         "Sa 19.10. 1 x 2 1\r\nSo 20.10. 2 1 x 1\r\nSa 26.10. 0 0 1 2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::dates, {1, 2, 3}, {10}}}},
        {"a date after the tips, at the end of the file",
         "1 x 2 1 19.10.\r\n2 1 x 1 20.10.\r\n0 0 1 2 26.10.",
         GAMES,
         kind::read_system_both,
         {{kind::dates, {1, 2, 3}, {10}}}},
        {"two counts as common: the last line's is the system's",
         "1 2 1\n1 2 1\n1 2\n1 2\n",
         GAMES,
         kind::read_system_both,
         {{kind::lines_more_tips, {1, 2}, {2, 2, 3, 1}}}},
        {"two counts as common, the last line's is 1",
         "1 2\n1 2\n1\n1\n",
         GAMES,
         kind::read_system_both,
         {{kind::lines_more_tips, {1, 2}, {1, 1, 2, 1}}}},
        {"more counts of tips than are kept apart",
         [] {
             std::string s;
             for (int n = 1; n <= 20; ++n)
                 s += repeat("1 ", n) + "\n";
             return s;
         }(),
         GAMES,
         kind::too_many_games,
         {{kind::past_game_limit, lines_from(16, 20), {15}}}},
        {"odd lines in the middle",
         "1 2 1\n1 2\n1 2 1 2\n1 2 1\n",
         GAMES,
         kind::read_system_both,
         {{kind::lines_fewer_tips, {2}, {3, 3, 2, 3}}, {kind::lines_more_tips, {3}, {3, 3, 4, 1}}}},
        {"a banker in a system of two tip rows",
         "1 2\n1\n2 1\n",
         GAMES,
         kind::read_system_both,
         {{kind::bankers, {2}, {0, 2}}}},
        {"a game of one tip in the middle: a banker",
         "1 2 1 2\n1\n1 2 1 2\n1 2 1 2\n",
         GAMES,
         kind::read_system_both,
         {{kind::bankers, {2}, {0, 4}}}},
        {"a tip-row file read without s",
         tip_rows_27(),
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, {}, {13, 27}}}},
        {"a game file read with s",
         repeat("1", 20) + "\n" + repeat("2", 20) + "\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, {}, {2, 20}}}},
        {"too large either way",
         repeat(repeat("1", 16) + "\n", 16),
         GAMES,
         kind::too_many_games,
         {{kind::past_game_limit, {16}, {15}}}},
        {"too many games on each line, read with s",
         repeat(repeat("1", 16) + "\n", 20),
         TIP_ROWS,
         kind::too_many_games,
         {{kind::past_game_limit, lines_from(1, 20), {15}}}},
        {"too many tip rows, read with s",
         repeat("1 2\n", 20001),
         TIP_ROWS,
         kind::too_many_tip_rows,
         {{kind::past_tip_row_limit, {20001}, {20000}}}},
        {"too many games read with s, and a reading the other way",
         "1 2 1\n" + repeat("1", 16) + "\n1 2 1\n" + repeat("2", 17) + "\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, {}, {4, 17}}}},
        {"too many games read with s, and no reading the other way",
         repeat("1", 16) + "\n1 2 1\n" + repeat("2", 17) + "\n2\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::past_game_limit, {1, 3}, {15}}}},
        {"names with outcome characters",
         "Mexiko - Kanada: 1 x 2\nXanten 2024: 1 1 0\n",
         GAMES,
         kind::read_system_both,
         {{kind::label_numbers, {2}, {3}}, {kind::names, {1, 2}, {2}}}},
        {"CR line ends only", "1 2\r2 1\r", GAMES, kind::read_system_both, {{kind::cr_line_ends}}},
        {"CR line ends only, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r", 12),
         GAMES,
         kind::read_system,
         {{kind::cr_line_ends}}},
        {"a CR inside a line",
         "1 2\r2 1\n1 2 1 2\n",
         GAMES,
         kind::read_system_both,
         {{kind::cr_inside, {1}}}},
        {"a CR inside lines, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r2 1\n", 8),
         GAMES,
         kind::read_system_both,
         {{kind::cr_inside, lines_from(1, 8)}}},
        {"UTF-16 without its mark",
         utf16(u"1 x 2\r\n0 1 1\r\n", false).substr(2),
         GAMES,
         kind::read_system_both,
         {{kind::utf16_without_mark}}},
        {"UTF-16 big-endian without its mark",
         utf16(u"1 x 2\r\n0 1 1\r\n", true).substr(2),
         GAMES,
         kind::read_system_both,
         {{kind::utf16_without_mark}}},
        {"UTF-16 without its mark, 8 bytes: enough to tell",
         utf16(u"1 2\n", false).substr(2),
         GAMES,
         kind::read_system_both,
         {{kind::utf16_without_mark}}},
        {"UTF-16 without its mark, 7 bytes: too few to tell",
         utf16(u"1 2\n", false).substr(2, 7),
         GAMES,
         kind::read_system_both,
         {}},
        {"UTF-16 with its mark and Cyrillic labels",
         utf16(u"Кубань: 1 x 2\r\nСпартак: 0 1 1\r\n", false),
         GAMES,
         kind::read_system_both,
         {}},
        {"UTF-16 with Chinese labels",
         utf16(u"上海申花: 1 x 2\r\n北京国安: 0 1 1\r\n中国", true),
         GAMES,
         kind::read_system_both,
         {}},
        {"echo appended to a UTF-16 file",
         utf16(u"1 x 2\r\n0 1 1\r\n", false) + "2 2 x\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::appended_text}}},
        {"the shortest echo appended: one tip and CR LF",
         utf16(u"1 x\r\n0 1\r\n", false) + "2\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::appended_text}}},
        {"echo of an even length appended",
         utf16(u"1 x\r\n0 1\r\n", true) + "2 x\r\n",
         GAMES,
         kind::read_system_both,
         {{kind::appended_text}}},
        {"Ctrl-Z in the middle",
         "1 2\n2 1\n\x1A"
         "1 1\n",
         GAMES,
         kind::read_system_both,
         {{kind::text_after_end_mark, {3}, {1, 2}}}},
        {"Ctrl-Z in the middle, past a chunk",
         repeat("1 2 1 2 1 2 1 2\r\n", 8) + "\x1A" + repeat("2 2 2 2 2\r\n", 8),
         GAMES,
         kind::read_system_both,
         {{kind::text_after_end_mark, {9}, {8, 40}}}},
        {"Ctrl-Z at the end", "1 2\n2 1\n\x1A", GAMES, kind::read_system_both, {}},
        {"UTF-16 text after the end mark, counted in lines",
         utf16(u"1 2\r\n\x1A"
               u"2 1\r\n1 2 2 1 x 1\r\n",
               false),
         GAMES,
         kind::read_system_both,
         {{kind::text_after_end_mark, {2}, {2, 8}}}},
        {"UTF-16: an emoji after the end mark",
         utf16(u"1 2\x1A\U0001F600", false),
         GAMES,
         kind::read_system_both,
         {{kind::text_after_end_mark, {1}, {1, 0}}}},
        {"UTF-16: U+8A66, U+FFFD and a lone surrogate after the end mark",
         utf16(u"1 2\x1A\u8A66\uFFFD", true) + std::string("\xDC\x00", 2),
         GAMES,
         kind::read_system_both,
         {{kind::text_after_end_mark, {1}, {1, 0}}}},
        {"empty file", "", GAMES, kind::read_no_games, {{kind::empty_file}}},
        {"no outcomes before the end mark, nothing after it",
         "Spiele\r\n\x1A",
         GAMES,
         kind::read_no_games,
         {{kind::no_outcomes}}},
        {"no outcomes before the end mark, one after it",
         "Spiele\r\n\x1A"
         "1\r\n",
         GAMES,
         kind::read_no_games,
         {{kind::text_after_end_mark, {2}, {1, 1}}}},
        {"no outcomes",
         "Spiele\r\n3 4 5\r\n",
         TIP_ROWS,
         kind::read_no_games,
         {{kind::no_outcomes}}},
        {"20000 lines, one odd",
         one_odd,
         TIP_ROWS,
         kind::read_system,
         {{kind::lines_fewer_tips, {10000}, {3, 3, 2, 3}}}},
        {"20000 tip rows read without s: the other reading at its limit",
         repeat("1 x 2\n", 20000),
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, {}, {3, 20000}}}},
        {"16 tip rows of 15 games read without s: the other reading at 15 games",
         repeat("1 x 2 1 1 2 0 x 1 2 1 1 x 2 1\r\n", 16),
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, {}, {15, 16}}}},
        {"one tip row read with s: both readings",
         "1 x 2 1\r\n",
         TIP_ROWS,
         kind::read_system_both,
         {}},
        {"15 games of 16 tip rows read with s: the other reading at 15 games",
         repeat("1 x 2 1 1 2 0 x 1 2 1 1 x 2 1 2\r\n", 15),
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, {}, {15, 16}}}},
        {"3 games of 20000 tip rows read with s: the other reading at 20000 tip rows",
         repeat(repeat("1 ", 19999) + "x\n", 3),
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, {}, {3, 20000}}}},
        {"a heading above 15 games",
         "Runde 1\r\n" + repeat("1 x 2 1 1 x\r\n", 15),
         GAMES,
         kind::too_many_games,
         {{kind::heading, {1}, {1}}, {kind::without_text, {}, {15, 6}}}},
        {"a heading above 20000 tip rows, read with s",
         "Runde 1\r\n" + repeat("1 x 2\n", 20000),
         TIP_ROWS,
         kind::too_many_tip_rows,
         {{kind::heading, {1}, {1}}, {kind::without_text, {}, {3, 20000}}}},
        {"a date above 15 games of one tip",
         "Spieltag 12.10.2024\r\n" + repeat("1\r\n", 15),
         GAMES,
         kind::too_many_games,
         {{kind::heading, {1}, {7}}, {kind::without_text, {}, {15, 1}}}},
        {"dates above one tip row, read with s",
         "Spieltag 12.10.2024 bis 21.10.2024 und 22.10.2024\r\n1 x 2\r\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::heading, {1}, {21}}, {kind::without_text, {}, {3, 1}}}},
        {"a long line, then too many games",
         "1 x 2 1 1 x 2 1 1 x 2 1 1 x 2 1\r\n" + repeat("1 x\r\n", 16),
         GAMES,
         kind::too_many_games,
         {{kind::past_game_limit, {16, 17}, {15}}}},
        {"a long line, then a short one, read with s",
         "1 x 2 1 1 x 2 1 1 x 2 1 1 x 2 1\r\n1 2\r\n",
         TIP_ROWS,
         kind::too_many_games,
         {{kind::other_reading, {}, {2, 2}}}},
        {"dates on most lines",
         repeat("12.10.2024\r\n", 16) + "1 2\r\n1 2\r\n",
         GAMES,
         kind::too_many_games,
         {{kind::dates, lines_from(1, 16)}, {kind::past_game_limit, {16, 17, 18}, {15}}}},
        {"a dated heading, and seven odd lines",
         "Runde vom 12.10.2024\r\n" + repeat("1 2\r\n1\r\n", 7) + repeat("1 2\r\n", 8),
         TIP_ROWS,
         kind::read_system,
         {{kind::heading, {1}, {7}}, {kind::lines_fewer_tips, {3, 5, 7, 9, 11, 13, 15}}}},
        {"a dated heading, and lines of six other counts",
         "Runde vom 12.10.2024\r\n1 1\r\n1 1 1\r\n1 1 1 1\r\n1 1 1 1 1\r\n1 1 1 1 1 1\r\n"
         "1 1 1 1 1 1 1\r\n" +
             repeat("1 2 1 2 1 2 1 2\r\n", 10),
         TIP_ROWS,
         kind::read_system,
         {{kind::heading, {1}, {7}},
          {kind::lines_fewer_tips, {2}},
          {kind::lines_fewer_tips, {3}},
          {kind::lines_fewer_tips, {4}},
          {kind::lines_fewer_tips, {5}},
          {kind::lines_fewer_tips, {6}},
          {kind::more_odd_lines, {}, {8, 8, 1}}}},
        {"many odd lines",
         repeat("1 2\n1\n", 100) + "1 2\n",
         GAMES,
         kind::too_many_games,
         {{kind::other_reading, {}, {2, 201}}}},
        {"many odd lines, tip rows",
         repeat("1 2\n1\n", 100) + "1 2\n",
         TIP_ROWS,
         kind::read_system,
         {{kind::lines_fewer_tips, lines_from(2, 200, 2)}}},
        {"odd lines of two counts: a finding each count",
         repeat("1 2\n1\n1 2\n1 2 1\n", 4) + repeat("1 2\n", 4),
         TIP_ROWS,
         kind::read_system,
         {{kind::lines_fewer_tips, {2, 6, 10, 14}}, {kind::lines_more_tips, {4, 8, 12, 16}}}},
        {"many names",
         repeat("Mexiko 1\n", 20),
         TIP_ROWS,
         kind::read_system,
         {{kind::names, lines_from(1, 20), {20}}}},
        {"a word longer than is kept",
         "Xabcdefghijklmnopqrstuvw 1 2\n1 2 1\n",
         GAMES,
         kind::read_system_both,
         {{kind::names, {1}, {1}}, {kind::lines_fewer_tips_whole, {1}, {3, 3, 2}}}},
    };
    return rows;
}

TEST(SystemCheck, FindsWhatWasRead)
{
    for (const check_case &c : realistic_files()) {
        SCOPED_TRACE(c.name);
        expect_findings(c, check(c.input, c.tip_rows), "as it stands");
    }
}

// Clean systems whose tips stand between the blanks and marks that editors,
// web pages and spreadsheets write, with and without the UTF-8 mark, read
// either way: nothing to report.
TEST(SystemCheck, FindsNothingAmidBlanksAndMarks)
{
    // No-break, narrow, thin, ideographic and zero-width spaces; a cell and
    // a blank; spaced dashes, middle dots and bullets; in Windows-1252 a
    // no-break space, a bullet and a middle dot.
    const char *const between[] = {
        "\u00A0",  "\u202F",   "\u2009",   "\u3000",   "\u200B", "\t\u00A0",
        ";\u00A0", " \u2013 ", " \u00B7 ", " \u2022 ", "\u2022", "\u00B7",
        ";",       ",",        "\t",       "\xA0",     "\x95",   "\xB7",
    };
    for (const std::string sep : between) {
        for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
            if (!mark.empty() && sep.size() == 1 && static_cast<unsigned char>(sep[0]) >= 0x80)
                continue; // a single byte from 0x80 on is no UTF-8

            const std::string input = mark + "1" + sep + "x" + sep + "2" + sep + "1\r\n2" + sep +
                                      "1" + sep + "1" + sep + "x" + sep + "\r\n0" + sep + "2" +
                                      sep + "1" + sep + "1\r\n";
            for (const bool tip_rows : {GAMES, TIP_ROWS}) {
                SCOPED_TRACE(::testing::PrintToString(input));
                const check_run r = check(input, tip_rows);
                EXPECT_EQ(r.status, CHECK_CLEAN) << ::testing::PrintToString(english(r.findings));
            }
        }
    }
}

// How a line is quoted: its characters as the file's encoding gives them,
// up to 40, never cut inside one; a tab as a blank; controls, bidirectional
// controls and bytes that make no character as a middle dot; the closing
// quotation mark and '\' escaped so that a quote cannot end early.
TEST(SystemCheck, QuotesTheLine)
{
    const std::string line_39 = repeat("1 ", 19) + "x";
    const std::string dot = "\xC2\xB7";
    const std::pair<std::string, std::string> cases[] = {
        {"1 2 1\r\n", "1 2 1"},
        {line_39 + "\r\n", line_39},
        {line_39 + "1\r\n", line_39 + "1"},
        {line_39 + "\r1 2 1\n", line_39 + dot},
        {line_39 + "12\r\n", line_39 + "1"},
        {"1 \"2\": 3 outcomes, fine\" \\ 1\n", "1 '2': 3 outcomes, fine' \\ 1"},
        {"K\xC3\xB6ln\t1\t2 1\n", "K\xC3\xB6ln 1 2 1"},
        {"K\xF6ln\t1\t2 1\n", "K\xC3\xB6ln 1 2 1"},
        {"\x93"
         "1"
         "\x94 2 1\n",
         "\xE2\x80\x9C"
         "1"
         "\xE2\x80\x9D 2 1"},
        {"1 \x1B[31m2 1\n", "1 " + dot + "[31m2 1"},
        {"1 \xE2\x80\xAE"
         "2 1\n",
         "1 " + dot + "2 1"},
        {"1 \xC2\x9B"
         "2 1\n",
         "1 " + dot + "2 1"},
        {repeat("\xC3\xBC", 39) + "1 2 1\n", repeat("\xC3\xBC", 39) + "1"},
        {"\xEF\xBB\xBF"
         "1 2 1\n",
         "1 2 1"},
    };
    for (const auto &[line, quote] : cases) {
        SCOPED_TRACE(line);
        const check_run r = check(line + "1\n1\n", GAMES);
        int odd = 1;
        while (odd < r.findings.count && r.findings.items[odd].kind != kind::lines_more_tips)
            ++odd;
        ASSERT_LT(odd, r.findings.count) << ::testing::PrintToString(english(r.findings));
        const std::string said = english(r.findings)[static_cast<std::size_t>(odd)];
        const std::string start = "Line 1: \"" + quote + "\"\n";
        EXPECT_EQ(said.substr(0, start.size()), start);
    }
    // UTF-16 by its mark, surrogates whole, a lone one as a dot.
    const check_run r = check(utf16(u"M\u00FCnchen \U0001F600 \xD800 1 2\n1\n1\n", false), GAMES);
    ASSERT_GE(r.findings.count, 2);
    EXPECT_EQ(english(r.findings)[1].substr(0, 30),
              "Line 1: \"M\xC3\xBCnchen \xF0\x9F\x98\x80 " + dot + " 1 2\"");
    // Characters at the edges of UTF-8's lengths.
    const check_run edges =
        check(utf16(u"\u00A0\u07FF\u0800\u20AC\uFFFD\uFFFF\U00010000\U0010FFFD 1 2\n1\n1\n", true),
              GAMES);
    ASSERT_GE(edges.findings.count, 2);
    const std::string edge_quote = "Line 1: \"\xC2\xA0\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBD"
                                   "\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBD 1 2\"";
    EXPECT_EQ(english(edges.findings)[1].substr(0, edge_quote.size()), edge_quote);
    // A heading, by its first line.
    const check_run heading = check("13er Wette vom 12.10.2024\r\n" + CLEAN, GAMES);
    ASSERT_GE(heading.findings.count, 2);
    EXPECT_EQ(english(heading.findings)[1].substr(0, 35), "Line 1: \"13er Wette vom 12.10.2024\"");
    // Lines of another count, by the first that is no heading of that count.
    const check_run odd = check("Spieltag 12, Runde 1\r\n" + CLEAN + "2 1 x\r\n" + GAME, GAMES);
    ASSERT_GE(odd.findings.count, 3);
    EXPECT_EQ(english(odd.findings)[2].substr(0, 15), "Line 5: \"2 1 x\"");
    // A column of row numbers, by its first line.
    const check_run numbered = check(numbered_rows(12), GAMES);
    ASSERT_GE(numbered.findings.count, 2);
    EXPECT_EQ(english(numbered.findings)[1].substr(0, 26), "Lines 2 to 13: \"1;x;1;1;2\"");
    // Text behind UTF-16: its first line with text.
    const check_run echo = check(utf16(u"1 x\r\n0 1\r\n", false) + "\r\n2 x\r\n1 1\r\n", GAMES);
    ASSERT_GE(echo.findings.count, 2);
    EXPECT_NE(english(echo.findings)[1].find(" encoding: \"2 x\"."), std::string::npos)
        << english(echo.findings)[1];
}

// UTF-16 without its mark, told by the zero bytes of the first 64 bytes
// (32 code units): at 24 or more of one parity's places, and at 8 or fewer
// of the other's. The units: ASCII (a zero high byte), U+0100 (a zero low
// byte), U+0000 (both) and U+0101 (neither).
TEST(SystemCheck, TellsUtf16WithoutItsMark)
{
    struct head_case {
        int ascii, zero_low, zero_both, neither;
        bool utf16;
    };
    const head_case cases[] = {
        {24, 8, 0, 0, true},  // both at their edge
        {23, 8, 0, 1, false}, // one zero byte too few
        {23, 8, 1, 0, false}, // one zero byte too many at the other places
        {32, 0, 0, 0, true},
    };
    for (const bool big_endian : {false, true}) {
        for (const head_case &c : cases) {
            std::u16string units;
            for (int i = 0; i < c.ascii; ++i)
                units += u"1 2\n"[i % 4];
            units += std::u16string(static_cast<std::size_t>(c.zero_low), u'\u0100') +
                     std::u16string(static_cast<std::size_t>(c.zero_both), u'\0') +
                     std::u16string(static_cast<std::size_t>(c.neither), u'\u0101');
            SCOPED_TRACE(::testing::Message() << c.ascii << " " << c.zero_low << " " << c.zero_both
                                              << " " << c.neither << " " << big_endian);
            const check_run r = check(utf16(units, big_endian).substr(2), GAMES);
            const auto end = r.findings.items + r.findings.count;
            const bool told = std::any_of(r.findings.items, end, [](const finding &f) {
                return f.kind == kind::utf16_without_mark;
            });
            EXPECT_EQ(told, c.utf16);
        }
    }
}

// A state that checked other files says what a new one says.
TEST(SystemCheck, StartsAfresh)
{
    const std::string files[] = {"1 2 1\n1 2 1\n1 2\n1 2\n1\n", repeat("1 2\n1\n", 9) + "1 2\n",
                                 "Runde 1\r\n" + repeat("1 x 2 1 1 x\r\n", 15),
                                 "1\n1 2\n1\n1 2\n1 2\n"};
    for (const std::string &file : files) {
        SCOPED_TRACE(file);
        const check_run reused = check_in_blocks(file, GAMES, file.size() + 1, read_path::portable);
        const auto fresh = std::make_unique<check_state>();
        expect_same(reused, check_with(*fresh, file, GAMES, file.size() + 1, read_path::portable),
                    "a state used before");
    }
}

// The word a finding names, decoded as its line is: UTF-8, Windows-1252 or
// UTF-16 letters as they are.
TEST(SystemCheck, QuotesTheWord)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1. 1 2\n2. 2 1\n", "1."},
        {"X\xC3\xA4rtel: 1 2\n1 2 1\n", "X\xC3\xA4rtel"},
        {"X\xE4rtel: 1 2\n1 2 1\n", "X\xC3\xA4rtel"},
        {utf16(u"X\u00E4rtel: 1 2\n1 2 1\n", false), "X\xC3\xA4rtel"},
        {utf16(u"\u0416\u0443\u043A\u0438 1: 1 2\n1 2 1\n", true), "1:"},
        // The same name in a heading, and then in a label; labels without a
        // mark whose numbers count up.
        {"Max Becker\r\n1 2 1\r\nMax: 2 1 1\r\n2 1 1\r\n", "Max"},
        {labelled_games("Tipp ", " - ", 3), "1"},
    };
    for (const auto &[input, word] : cases) {
        SCOPED_TRACE(input);
        const check_run r = check(input, GAMES);
        const auto found = std::find_if(
            r.findings.items, r.findings.items + r.findings.count, [](const finding &f) {
                return f.kind == kind::names || f.kind == kind::label_numbers;
            });
        ASSERT_NE(found, r.findings.items + r.findings.count);
        const std::string said =
            english(r.findings)[static_cast<std::size_t>(found - r.findings.items)];
        EXPECT_NE(said.find("here in \"" + word + "\""), std::string::npos) << said;
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
        state.files = file_facts{oriented_state::writable, nullptr};
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

template <oriented_content Held>
oriented_content holding(const system_table & /*unused*/, bool /*unused*/)
{
    return Held;
}

// What the driver found of genordet.txt, and of system.txt when it cannot be
// opened, in the report: why sysorient cannot write, and what genordet.txt
// holds, which changes no exit status.
TEST(SystemCheck, SaysWhatBecomesOfGenordet)
{
    struct file_case {
        const char *name;
        std::string input;
        file_facts files;
        kind said; // the report's last kind
        int status;
    };
    const auto same = holding<oriented_content::same>;
    const auto other = holding<oriented_content::other>;
    const file_case cases[] = {
        {"a clean system, no genordet.txt",
         CLEAN,
         {oriented_state::writable, nullptr},
         kind::nothing_found,
         CHECK_CLEAN},
        {"a clean system written",
         CLEAN,
         {oriented_state::writable, same},
         kind::oriented_same,
         CHECK_CLEAN},
        {"a clean system, genordet.txt from another",
         CLEAN,
         {oriented_state::writable, other},
         kind::oriented_old,
         CHECK_CLEAN},
        {"a clean system, written the other way",
         CLEAN,
         {oriented_state::writable, holding<oriented_content::other_reading>},
         kind::oriented_other_reading,
         CHECK_CLEAN},
        {"findings, genordet.txt written",
         LABELLED,
         {oriented_state::writable, same},
         kind::oriented_same,
         CHECK_FINDINGS},
        {"findings, genordet.txt from another",
         LABELLED,
         {oriented_state::writable, other},
         kind::oriented_old,
         CHECK_FINDINGS},
        {"a folder",
         CLEAN,
         {oriented_state::folder, nullptr},
         kind::oriented_is_folder,
         CHECK_FINDINGS},
        {"read-only",
         CLEAN,
         {oriented_state::read_only, other},
         kind::oriented_old,
         CHECK_FINDINGS},
        {"open in Excel",
         LABELLED,
         {oriented_state::in_use, nullptr},
         kind::oriented_in_use,
         CHECK_FINDINGS},
        {"a folder without rights",
         CLEAN,
         {oriented_state::cannot_create, nullptr},
         kind::folder_read_only,
         CHECK_FINDINGS},
        {"too many games: nothing written, genordet.txt kept",
         repeat("1 2\n", 16),
         {oriented_state::writable, same},
         kind::oriented_kept,
         CHECK_FINDINGS},
    };
    for (const file_case &c : cases) {
        SCOPED_TRACE(c.name);
        static system_table table;
        static check_state state;
        clear_table(table);
        state.files = c.files;
        memory_source source{reinterpret_cast<const unsigned char *>(c.input.data()),
                             c.input.size(), c.input.size(), 0};
        EXPECT_EQ(check_system(table, byte_source{read_memory, &source}, state), c.status);
        EXPECT_EQ(state.findings.items[state.findings.count - 1].kind, c.said)
            << ::testing::PrintToString(english(state.findings));
    }
    static system_table table;
    static report r;
    for (const auto &[why, expected] :
         {std::pair<unopened, kind>{{false, nullptr, false, "/home"}, kind::cannot_open},
          {{true, nullptr, false, "/home"}, kind::system_txt_txt},
          {{true, "tipps.txt", true, nullptr}, kind::not_system_txt},
          {{false, "system.txt", false, nullptr}, kind::given_not_found}}) {
        judge_unopened(table, why, r);
        ASSERT_EQ(r.count, 1);
        EXPECT_EQ(r.items[0].kind, expected);
        EXPECT_EQ(has_findings(r), why.given != nullptr);
    }
}

// The language of a report, as the environment chooses it.
TEST(SystemCheck, ChoosesTheLanguage)
{
    const auto german = report_language::german;
    const auto english_ = report_language::english;
    // A list that goes on past its end, and one whose start lies before it:
    // each entry read from where the last ended, and nothing beyond.
    static const char past_end[] = "fr\0de_DE";
    static const char before[] = "de:fr:en";
    const std::pair<locale_variables, report_language> cases[] = {
        {{nullptr, nullptr, nullptr, nullptr}, english_},
        {{nullptr, nullptr, nullptr, "de_DE.UTF-8"}, german},
        {{nullptr, nullptr, nullptr, "de_AT"}, german},
        {{nullptr, nullptr, nullptr, "de"}, german},
        {{nullptr, nullptr, nullptr, "en_US.UTF-8"}, english_},
        {{nullptr, nullptr, nullptr, "fr_FR.UTF-8"}, english_},
        {{nullptr, nullptr, nullptr, "desk"}, english_},
        {{nullptr, nullptr, nullptr, "deu"}, english_},
        {{nullptr, nullptr, nullptr, "de@euro"}, german},
        {{nullptr, nullptr, nullptr, "de.ISO-8859-1"}, german},
        {{nullptr, nullptr, nullptr, "de-CH"}, german},
        {{nullptr, "C", nullptr, "de_DE.UTF-8"}, english_},
        {{nullptr, "POSIX", nullptr, "de_DE.UTF-8"}, english_},
        {{nullptr, "C.UTF-8", nullptr, "de_DE.UTF-8"}, english_},
        {{nullptr, "", "de_CH.UTF-8", "en_GB"}, german},
        {{nullptr, "en_GB.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8"}, english_},
        {{"de:en", nullptr, nullptr, "en_US.UTF-8"}, german},
        {{"fr:en:de", nullptr, nullptr, "de_DE.UTF-8"}, english_},
        {{"fr", nullptr, nullptr, "de_DE.UTF-8"}, german},
        {{"de_DE:de", "C", nullptr, nullptr}, english_},
        {{"de", nullptr, nullptr, "POSIX"}, english_},
        {{"de", nullptr, "C.UTF-8", nullptr}, english_},
        {{"en:de", nullptr, nullptr, "de_DE.UTF-8"}, english_},
        {{"en_GB:de", nullptr, nullptr, "de_DE.UTF-8"}, english_},
        {{"enx:de", nullptr, nullptr, "en_US.UTF-8"}, german},
        {{"eng:fr", nullptr, nullptr, "de_DE.UTF-8"}, german},
        {{past_end, nullptr, nullptr, "en_US.UTF-8"}, english_},
        {{before + 3, nullptr, nullptr, "de_DE.UTF-8"}, english_},
        {{"", nullptr, nullptr, "de_DE.UTF-8"}, german},
    };
    for (const auto &[v, expected] : cases)
        EXPECT_EQ(language_of(v), expected)
            << (v.language ? v.language : "-") << " " << (v.lc_all ? v.lc_all : "-") << " "
            << (v.lc_messages ? v.lc_messages : "-") << " " << (v.lang ? v.lang : "-");
    EXPECT_EQ(language_of_ui(0x0407), german);
    EXPECT_EQ(language_of_ui(0x0807), german);
    EXPECT_EQ(language_of_ui(0x0C07), german);
    EXPECT_EQ(language_of_ui(0x0409), english_);
    EXPECT_EQ(language_of_ui(0x040C), english_);
}

// --- The words ---

// The report of a file, in words, against a golden text: one realistic file
// with many findings, in each language.
std::string golden_report(const language &words, platform where)
{
    const std::string input = "13er Wette vom 12.10.2024\r\n" + eleven_labelled() +
                              "1 2 1 x\r\nK\xF6ln - Schalke 04: 1 2 x 1 2 1\r\nGr\xFC\xDF"
                              "e, Max\r\n";
    check_run r = check_in_blocks(input, GAMES, input.size() + 1, read_path::portable);
    finding note = make_finding(kind::oriented_same, {1});
    r.findings.items[r.findings.count++] = note;
    std::vector<std::string> lines;
    render_report(r.findings, words, where, {collect, &lines});
    std::ostringstream out;
    for (const std::string &line : lines)
        out << line << '\n';
    return out.str();
}

// One record of every kind, in each orientation and with numbers of 1 and of
// more, on each platform.
std::string every_message(const language &words)
{
    static report r;
    std::ostringstream rendered;
    for (const bool tip_rows : {false, true}) {
        for (const std::int64_t n : {1, 2}) {
            for (const platform where : {platform::windows, platform::other}) {
                for (std::size_t k = 0; k < FINDING_KINDS; ++k) {
                    // All 1 (a square system, too), or all more.
                    finding f =
                        make_finding(static_cast<kind>(k), {n, n == 1 ? 1 : 3, n == 1 ? 1 : 4, n});
                    f.where.add(7);
                    if (n != 1) {
                        f.where.add(8);
                        f.where.add(12);
                    }
                    const std::string quote = "Spiel \"3\":\t1 \\ x \xC2\xBB\xC2\xAB";
                    f.quote.length = static_cast<int>(quote.size());
                    std::copy(quote.begin(), quote.end(), f.quote.bytes);
                    f.word = {{'X', '2', '0', '2', '4'}, 5, ':'};
                    r.items[0] = f;
                    r.count = 1;
                    r.tip_rows = tip_rows;
                    for (const std::string &line : in_words(r, words, where))
                        rendered << line << '\n';
                }
            }
        }
    }
    return rendered.str();
}

void expect_golden(const std::string &rendered, const char *name)
{
    const std::string golden = std::string(SYSORIENT_TESTS) + "/golden/" + name;
    std::ifstream in(golden, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), {}};
    if (std::getenv("SYSORIENT_UPDATE_GOLDEN") != nullptr)
        std::ofstream(golden, std::ios::binary) << rendered;
    EXPECT_EQ(rendered, expected) << "SYSORIENT_UPDATE_GOLDEN=1 writes " << golden;
}

TEST(SystemCheck, GoldenTexts)
{
    expect_golden(golden_report(ENGLISH, platform::windows), "report-en.txt");
    expect_golden(golden_report(GERMAN, platform::windows), "report-de.txt");
    expect_golden(every_message(ENGLISH), "messages-en.txt");
    expect_golden(every_message(GERMAN), "messages-de.txt");
}

} // namespace
} // namespace sysorient
