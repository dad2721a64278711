// The reader, fed from memory. Every case is read on every path that this
// build and processor have, whole and again in blocks of 1, 2, 7, 31 and 4096
// bytes, since a line end or the end mark can fall on any block boundary and
// must not change the result.
#include "bench_inputs.h"
#include "memory_source.h"
#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "test_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace sysorient {
namespace {

using test::repeat;
using test::utf16;

// Memory that fails with a read error at its end, if asked to.
struct failing_source {
    memory_source bytes;
    bool fail_at_end;
};

// At the end it leaves outcomes in the buffer, as a source may: the reader
// must not look at what a read of 0 bytes left there.
std::ptrdiff_t read_or_fail(void *context, unsigned char *buf, std::size_t cap)
{
    auto &source = *static_cast<failing_source *>(context);
    if (source.bytes.pos == source.bytes.size) {
        std::memset(buf, '1', std::min<std::size_t>(cap, 64));
        return source.fail_at_end ? -1 : 0;
    }
    return read_memory(&source.bytes, buf, cap);
}

// What a reading left: its result, the tip-row count and each game's digits.
struct reading {
    int status;
    int tip_rows;
    std::vector<std::string> games;
    bool operator==(const reading &o) const
    {
        return status == o.status && tip_rows == o.tip_rows && games == o.games;
    }
};

// What a failure shows of a reading; long games only by their start.
void PrintTo(const reading &r, std::ostream *os)
{
    *os << "status " << r.status << ", " << r.tip_rows << " tip rows, games {";
    for (const std::string &game : r.games)
        *os << ' ' << game.substr(0, 80) << (game.size() > 80 ? "..." : "");
    *os << " }";
}

reading snapshot(int status, const system_table &table)
{
    reading r{status, table.tip_row_count, {}};
    for (int g = 0; g < table.game_count; ++g) {
        std::string digits;
        for (int t = 0; t < table.tip_row_count; ++t)
            digits += static_cast<char>('0' + table.cells[cell_index(g, t)]);
        r.games.push_back(digits);
    }
    return r;
}

// As the driver leaves it, as far as this input can reach: every outcome
// takes an input byte, so no cell past tip row `size` can hold one.
system_table &fresh_table(bool tip_rows, std::size_t size)
{
    static system_table table;
    const std::size_t reach = std::min<std::size_t>(size + 64, MAX_TIP_ROWS);
    table.cur_game = table.game_count = 0;
    table.cur_tip_row = table.tip_row_count = 0;
    table.line_is_tip_row = tip_rows ? 1 : 0;
    for (int g = 0; g < MAX_GAMES; ++g)
        std::memset(table.cells + cell_index(g, 0), 0, reach);
    return table;
}

reading read_in_blocks(const std::string &input, bool tip_rows, std::size_t block, bool fail_at_end,
                       read_path path)
{
    system_table &table = fresh_table(tip_rows, input.size());
    failing_source source{
        {reinterpret_cast<const unsigned char *>(input.data()), input.size(), block, 0},
        fail_at_end};
    return snapshot(read_system(table, byte_source{read_or_fail, &source}, path), table);
}

// Skipped characters in front move every line end and outcome to another
// place in the reader's 64-byte chunks. In UTF-16 they go behind the mark.
std::string shifted(const std::string &input, int shift)
{
    const std::string mark = input.substr(0, 2);
    if (mark == "\xFF\xFE" || mark == "\xFE\xFF")
        return utf16(std::u16string(static_cast<std::size_t>(shift), u'.'), mark[0] == '\xFE') +
               input.substr(2);
    return std::string(static_cast<std::size_t>(shift), '.') + input;
}

// Reads input whole on the portable path, and checks that every path gives
// the same, whole, in blocks, and shifted.
reading read(const std::string &input, bool tip_rows, bool fail_at_end = false)
{
    const std::size_t all = input.size() + 1;
    const reading whole = read_in_blocks(input, tip_rows, all, fail_at_end, read_path::portable);
    for (const path_entry &entry : path_table()) {
        if (!entry.runs_here())
            continue;
        SCOPED_TRACE(std::string(entry.name) + " path");
        const read_path path = entry.path;
        for (std::size_t block : {all, std::size_t{1}, std::size_t{2}, std::size_t{7},
                                  std::size_t{31}, std::size_t{4096}})
            EXPECT_EQ(read_in_blocks(input, tip_rows, block, fail_at_end, path), whole)
                << "block size " << block;
        for (const int shift : {1, 13, 31, 45, 63})
            EXPECT_EQ(read_in_blocks(shifted(input, shift), tip_rows, 4096, fail_at_end, path),
                      whole)
                << "shifted by " << shift;
    }
    return whole;
}

const std::string END = "\x1A";
const std::string NUL(1, '\0');
constexpr bool GAMES = false;
constexpr bool TIP_ROWS = true;

struct table_case {
    std::string name;
    std::string input;
    bool tip_rows;
    std::vector<std::string> games;
    int status = READ_OK;
};

void expect_table(const table_case &c)
{
    SCOPED_TRACE(c.name);
    const reading r = read(c.input, c.tip_rows);
    EXPECT_EQ(r.status, c.status);
    if (c.status != READ_OK)
        return;
    EXPECT_EQ(r.games, c.games);
    EXPECT_EQ(r.tip_rows, c.games.empty() ? 0 : static_cast<int>(c.games[0].size()));
}

// `rows` tip rows of MAX_GAMES outcomes, no two alike, one per line: the
// reader gathers tip rows 16 at a time before they go into the table.
table_case tip_rows_of_all_games(int rows, const std::string &separator)
{
    table_case c{std::to_string(rows) + " tip rows, separated by '" + separator + "'", "", true,
                 std::vector<std::string>(MAX_GAMES)};
    for (int r = 0; r < rows; ++r) {
        for (int g = 0; g < MAX_GAMES; ++g) {
            const char outcome = "012x"[(g * 7 + r * 5 + g * r) % 4];
            c.input += (g > 0 ? separator : "") + std::string(1, outcome);
            c.games[static_cast<std::size_t>(g)] += outcome == 'x' ? '0' : outcome;
        }
        c.input += "\r\n";
    }
    return c;
}

// A line of three chunks: one without outcomes, so that the next is a
// candidate to pass over, which holds one outcome at its place `at`; then
// the line end. One such line for each place, one tip row each.
table_case outcome_at_every_place_of_a_passed_chunk()
{
    table_case c{
        "an outcome at every place of a chunk that could be passed over", "", TIP_ROWS, {""}};
    for (int at = 0; at < 64; ++at) {
        const char outcome = "012xX"[at % 5];
        c.input += std::string(static_cast<std::size_t>(64 + at), '.') + outcome +
                   std::string(static_cast<std::size_t>(126 - at), '.') + "\n";
        c.games[0] += "01200"[at % 5];
    }
    return c;
}

TEST(SystemReader, FillsTheTable)
{
    const table_case cases[] = {
        {"one game per line", "1 x 2\n0 1 1\n", GAMES, {"102", "011"}},
        {"one tip row per line", "1 x 2\n0 1 1\n", TIP_ROWS, {"10", "01", "21"}},
        {"empty file", "", GAMES, {}},
        {"no outcomes", "\n   \nSpiele: 3 4 5\n\r\n", GAMES, {}},
        {"no outcomes, tip rows", "\n   \nSpiele: 3 4 5\n\r\n", TIP_ROWS, {}},
        {"tip-row count from the last line", "1 1 1\n2\n", GAMES, {"1", "2"}},
        {"unfilled cells are 0", "1\n2 2 2\n", GAMES, {"100", "222"}},
        {"game count from the last line", "1 0 2\n1\n", TIP_ROWS, {"11"}},
        {"unfilled cells are 0, tip rows", "1\n1 0 2\n", TIP_ROWS, {"11", "00", "02"}},
        {"x in words, 3 to 9 skipped",
         "Mexiko 1\nSpiel 12: 1\n3 4 5 6 7 8 9\n",
         GAMES,
         {"010", "121"}},
        {"blank lines are no games", "1 2\n\n \n2 1\n\n", GAMES, {"12", "21"}},
        {"CR LF", "1 x 2\r\n0 1 1\r\n", GAMES, {"102", "011"}},
        {"lone CR is skipped", "1\r2\r\n", GAMES, {"12"}},
        {"no line end at the end", "1 2\n2 1", GAMES, {"12", "21"}},
        {"no line end at the end, tip rows", "1 2\n2 1", TIP_ROWS, {"12", "21"}},
        {"end mark ends the input", "1 1\n2 2\n" + END + "0 0\n", GAMES, {"11", "22"}},
        {"text before the end mark counts", "1 1\n2" + END + "2\n", GAMES, {"1", "2"}},
        {"only an end mark", END, GAMES, {}},
        {"zero bytes are skipped", "1" + NUL + " 2\n2 " + NUL + "1\n", GAMES, {"12", "21"}},
        {"bytes above 0x7F are skipped", "\x80\xFF 1\xE4 2\n", GAMES, {"12"}},
        {"one byte", "1", GAMES, {"1"}},
        // Runs one byte apart fill whole chunks: 32 outcomes to a chunk.
        {"a long line of varied outcomes with separators",
         repeat("1 x 2 0 2 1 1 X 0 2 2 2 0 1 x ", 10) + "\n",
         GAMES,
         {repeat("102021100222010", 10)}},
        {"a long line with separators is one game",
         repeat("1 ", 12000) + "\n",
         GAMES,
         {std::string(12000, '1')}},
        // Longer than the reader's 64-byte chunks.
        {"dense and spaced rows",
         repeat("1x2\n", 40) + repeat("2 X 1\r\n", 40),
         TIP_ROWS,
         {repeat("1", 40) + repeat("2", 40), repeat("0", 80), repeat("2", 40) + repeat("1", 40)}},
        {"ragged rows",
         repeat("12;0\n1\n2 1 0 x 1 1\n", 20),
         TIP_ROWS,
         {repeat("112", 20), repeat("201", 20), repeat("000", 20), repeat("000", 20),
          repeat("001", 20), repeat("001", 20)}},
        // Text without outcomes is passed over 64 bytes at a time; the pass
        // may end at a line end, at the end mark or at the end of a block.
        {"passed-over text up to a line end",
         repeat("Spiel A\n", 15) + "Spiel  A\n1 2\n",
         GAMES,
         {"12"}},
        {"passed-over text up to the end mark",
         "1 2\n" + repeat("Spiel A\n", 23) + "Ende" + END + "2\n",
         TIP_ROWS,
         {"1", "2"}},
        {"passed-over text across blocks", repeat("Spiel A\n", 1100) + "1 x\n", GAMES, {"10"}},
        outcome_at_every_place_of_a_passed_chunk(),
        // A chunk of end marks after one without outcomes is no chunk to
        // pass over: the input ends there.
        {"a chunk of end marks after text",
         std::string(64, 'a') + std::string(64, '\x1A') + "1 2\n",
         GAMES,
         {}},
        // A chunk without outcomes is no line of its own while its line
        // already holds some.
        {"blanks after outcomes, past a chunk",
         "1 2" + std::string(130, ' ') + "\n" + std::string(70, ' ') + "2 1",
         GAMES,
         {"12", "21"}},
        // Cells past the end of a short line stay 0, however far the vector
        // stores of its outcomes reached.
        {"a short game line before a long one",
         "1\n" + repeat("2", 70) + "\n",
         GAMES,
         {"1" + std::string(69, '0'), repeat("2", 70)}},
        // Near the end of a row, a vector store would leave it: the last
        // outcomes go one by one, and the clearing stops at the row's end.
        {"a full game line before one of 19990",
         repeat("1", MAX_TIP_ROWS) + "\n" + repeat("2", 19990),
         GAMES,
         {repeat("1", 19990), repeat("2", 19990)}},
        {"a game line of 19990 before a full one",
         repeat("1", 19990) + "\n" + repeat("2", MAX_TIP_ROWS),
         GAMES,
         {repeat("1", 19990) + std::string(10, '0'), repeat("2", MAX_TIP_ROWS)}},
        tip_rows_of_all_games(1, ""),
        tip_rows_of_all_games(15, ""),
        tip_rows_of_all_games(16, " "),
        tip_rows_of_all_games(17, ""),
        tip_rows_of_all_games(17, ";"),
    };
    for (const table_case &c : cases)
        expect_table(c);
}

// Read byte by byte, these labels would hide outcomes and end marks in the
// bytes of their code units: U+041A and U+011A hold 0x1A, U+0131 and U+0130
// hold '1' and '0', U+0158 holds 'X'.
TEST(SystemReader, ReadsUtf16BehindItsMark)
{
    constexpr bool LE = false;
    constexpr bool BE = true;
    const std::u16string games = u"1 x 2\r\n0 1 1\r\n";
    const table_case cases[] = {
        {"Cyrillic", utf16(u"Кубань: 1 x 2\nСпартак: 0 1 1\n", LE), GAMES, {"102", "011"}},
        {"Cyrillic, big-endian",
         utf16(u"Кубань: 1 x 2\nСпартак: 0 1 1\n", BE),
         TIP_ROWS,
         {"10", "01", "21"}},
        {"Turkish", utf16(u"Kasımpaşa: 1 x 2\r\nİzmir: 0 1 1\r\n", LE), GAMES, {"102", "011"}},
        {"Czech",
         utf16(u"ČESKÉ BUDĚJOVICE: 1 x 2\r\nŘÍČANY: 0 1 1\r\n", BE),
         GAMES,
         {"102", "011"}},
        {"Latin-1 letters", utf16(u"Mönchengladbach – München: 1 x 2\n", LE), GAMES, {"102"}},
        {"surrogates", utf16(u"1 \U0001F031 2\n", LE), GAMES, {"12"}},
        {"U+001A ends the input", utf16(u"1 2\n2\x1A 1\n0 0\n", BE), GAMES, {"1", "2"}},
        {"a mark alone", utf16(u"", LE), GAMES, {}},
        {"a mark alone, big-endian", utf16(u"", BE), TIP_ROWS, {}},
        {"an odd last byte", utf16(u"1 2\n2 1", LE) + "2", TIP_ROWS, {"12", "21"}},
        {"16 games", utf16(repeat(u"Кубань: 1 2\n", 16), LE), GAMES, {}, READ_TOO_MANY_GAMES},
        {"15 games under a Turkish heading", utf16(u"Kadıköy\n" + repeat(u"1 2\n", 15), BE), GAMES,
         std::vector<std::string>(15, "12")},
        // Without the mark, or behind other bytes, it is no mark.
        {"UTF-8 with its mark",
         "\xEF\xBB\xBF"
         "Кубань: 1 x 2\n",
         GAMES,
         {"102"}},
        {"a mark later in the file", "1\n" + utf16(games, LE), GAMES, {"100", "102", "011"}},
        {"FF alone",
         "\xFF"
         "1 2\n",
         GAMES,
         {"12"}},
        {"FE FE",
         "\xFE\xFE"
         "1 2\n",
         GAMES,
         {"12"}},
        {"FE and one byte",
         "\xFE"
         "1",
         GAMES,
         {"1"}},
    };
    for (const table_case &c : cases)
        expect_table(c);
}

// The input as bytes, one a character: text of ASCII and byte values.
std::string bytes_of(const std::u16string &text)
{
    std::string bytes;
    for (const char16_t c : text)
        bytes += static_cast<char>(c);
    return bytes;
}

// Every byte value, alone on a line and inside runs of outcomes side by side
// and one apart, does what the rules say on every path: the same as its
// meaning (an outcome, a line end, the end mark, or a blank) spelt plainly.
// So does each as a UTF-16 code unit, and code units with a high byte,
// which are no ASCII character whatever their low byte.
TEST(SystemReader, EveryByteValue)
{
    const auto meaning = [](char16_t c) -> char16_t {
        if (c == u'x' || c == u'X')
            return u'0';
        const bool kept = c == u'0' || c == u'1' || c == u'2' || c == u'\n' || c == 0x1A;
        return kept ? c : u' ';
    };
    // Short enough for a tip row.
    const auto lines = [](char16_t c) {
        const std::u16string s(1, c);
        return u"1" + s + u"\n1111111" + s + u"2222222\n1 1 1 1 " + s + u" 2 2 2 2\n" + s + u"\n";
    };
    for (const bool tip_rows : {GAMES, TIP_ROWS}) {
        const reading blank = read(bytes_of(lines(u' ')), tip_rows);
        for (unsigned value = 0; value < 0x100; ++value) {
            SCOPED_TRACE("byte " + std::to_string(value) + (tip_rows ? ", tip rows" : ""));
            const auto c = static_cast<char16_t>(value);
            const reading expected = read(bytes_of(lines(meaning(c))), tip_rows);
            EXPECT_EQ(read(bytes_of(lines(c)), tip_rows), expected);
            EXPECT_EQ(read(utf16(lines(c), value % 2 != 0), tip_rows), expected);
            for (const unsigned foreign : {0x100 | value, 0x8000 | value, value << 8 | value}) {
                if (foreign < 0x80)
                    continue;
                const std::u16string text = lines(static_cast<char16_t>(foreign));
                EXPECT_EQ(read(utf16(text, value % 2 == 0), tip_rows), blank)
                    << "code unit " << foreign;
            }
        }
    }
}

// Every code unit, in either byte order, narrows on every path to itself if
// it is ASCII, and to a byte from 0x80 on if not: never to 0, which the
// check takes for U+0000, nor to a character the rules would read.
TEST(SystemReader, NarrowsEveryCodeUnit)
{
    constexpr std::size_t UNITS = 0x10000;
    static unsigned char bytes[2 * UNITS + FILL_OVERREAD];
    for (const path_entry &entry : path_table()) {
        if (!entry.runs_here())
            continue;
        for (const bool big_endian : {false, true}) {
            SCOPED_TRACE(std::string(entry.name) + (big_endian ? ", big-endian" : ""));
            for (std::size_t unit = 0; unit < UNITS; ++unit) {
                bytes[2 * unit + (big_endian ? 0 : 1)] = static_cast<unsigned char>(unit >> 8);
                bytes[2 * unit + (big_endian ? 1 : 0)] = static_cast<unsigned char>(unit & 0xFF);
            }
            entry.functions.narrow(bytes, bytes, UNITS, big_endian);
            int wrong = 0;
            for (std::size_t unit = 0; unit < UNITS && wrong < 5; ++unit) {
                const unsigned got = bytes[unit];
                if (unit < 0x80 ? got != unit : got < 0x80) {
                    ADD_FAILURE() << "code unit " << unit << " narrowed to " << got;
                    ++wrong;
                }
            }
        }
    }
}

struct limit_case {
    const char *name;
    std::string input;
    bool tip_rows;
    int status;
};

TEST(SystemReader, EnforcesTheLimits)
{
    const std::string row_20000 = repeat("1", MAX_TIP_ROWS);
    const limit_case cases[] = {
        {"15 games", repeat("1 2\n", 15) + "\n\nEnde\n", GAMES, READ_OK},
        {"16 games", repeat("1 2\n", 16), GAMES, READ_TOO_MANY_GAMES},
        {"15 outcomes on a tip row", repeat("1 ", 15) + "\n", TIP_ROWS, READ_OK},
        {"16 outcomes on a tip row", repeat("1 ", 16) + "\n1\n", TIP_ROWS, READ_TOO_MANY_GAMES},
        {"16 dense outcomes", repeat("x", 15) + "\n" + repeat("1", 16), TIP_ROWS,
         READ_TOO_MANY_GAMES},
        {"16 outcomes on the 18th tip row", repeat("1 x\n", 17) + repeat("2 ", 16), TIP_ROWS,
         READ_TOO_MANY_GAMES},
        {"20000 tip rows on a game", row_20000 + "\n" + row_20000, GAMES, READ_OK},
        {"20001 tip rows on a game", row_20000 + "2\n", GAMES, READ_TOO_MANY_TIP_ROWS},
        {"20000 tip-row lines", repeat("1\n", MAX_TIP_ROWS) + "\nz\n", TIP_ROWS, READ_OK},
        {"20001 tip-row lines", repeat("1\n", MAX_TIP_ROWS + 1), TIP_ROWS, READ_TOO_MANY_TIP_ROWS},
        {"game limit first", repeat("1\n", 15) + row_20000 + "1\n", GAMES, READ_TOO_MANY_GAMES},
    };
    for (const limit_case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(read(c.input, c.tip_rows).status, c.status);
    }
}

// The table of paths: each entry runs its own path's functions (a path's
// identity() comes from its own source, and no two entries share a
// function), and the fastest is the one this processor runs best: AVX2 where
// the build has it and the processor runs it, else SSE2 on x86-64, else the
// vector-type path where the build has it. The processor is asked here.
TEST(SystemReader, TableOfPaths)
{
    std::vector<const path_entry *> entries;
    for (const path_entry &e : path_table()) {
        SCOPED_TRACE(e.name);
        EXPECT_STREQ(e.functions.identity(), e.name);
        for (const path_entry *other : entries) {
            EXPECT_NE(e.functions.fill, other->functions.fill) << other->name;
            EXPECT_NE(e.functions.finish, other->functions.finish) << other->name;
            EXPECT_NE(e.functions.narrow, other->functions.narrow) << other->name;
            EXPECT_NE(e.path, other->path) << other->name;
        }
        entries.push_back(&e);
        EXPECT_EQ(read_path_available(e.path), e.runs_here());
        if (e.runs_here()) {
            EXPECT_STREQ(read_path_name(e.path), e.name);
        }
    }
    ASSERT_FALSE(entries.empty());
    EXPECT_STREQ(entries.back()->name, "portable");

    std::string fastest = "portable";
#if defined(SYSORIENT_GENERIC_PATH)
    fastest = "vector-type";
#endif
#if defined(__x86_64__) && defined(SYSORIENT_SSE2_PATH)
    fastest = "SSE2";
#if defined(SYSORIENT_AVX2_PATH)
    if (__builtin_cpu_supports("avx2") != 0)
        fastest = "AVX2";
#endif
#endif
    const auto first_running = std::find_if(entries.begin(), entries.end(),
                                            [](const path_entry *e) { return e->runs_here(); });
    ASSERT_NE(first_running, entries.end());
    EXPECT_EQ((*first_running)->name, fastest);
    EXPECT_EQ(read_path_name(read_path::fastest), fastest);
}

TEST(SystemReader, FullTableInBothOrientations)
{
    const reading games = read(bench::full_system_file(bench::layout{}.crlf()).bytes, GAMES);
    const reading tip_rows =
        read(bench::full_system_file(bench::layout{}.tip_rows().spaced()).bytes, TIP_ROWS);
    EXPECT_EQ(games.status, READ_OK);
    EXPECT_EQ(games.games.size(), static_cast<std::size_t>(MAX_GAMES));
    EXPECT_EQ(games.tip_rows, MAX_TIP_ROWS);
    EXPECT_TRUE(games == tip_rows);
}

TEST(SystemReader, ReadErrorIsAFailure)
{
    EXPECT_EQ(read("1 2\n2 1\n", GAMES, true).status, READ_FAILED);
    EXPECT_EQ(read("", TIP_ROWS, true).status, READ_FAILED);
    // Nothing past the end mark, or past an outcome that breaks a limit, is
    // read, so a fault there goes unnoticed.
    EXPECT_EQ(read("1 2\n" + END + "2 1\n", GAMES, true).status, READ_OK);
    EXPECT_EQ(read(repeat("1 2\n", 16), GAMES, true).status, READ_TOO_MANY_GAMES);
}

} // namespace
} // namespace sysorient
