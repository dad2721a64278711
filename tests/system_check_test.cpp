// The check, fed from memory: realistic files, each with the report it must
// give. Every file is checked on every read path and in blocks of several
// sizes (the tally counts whole 64-byte chunks from their masks and goes
// byte by byte elsewhere: the report must not depend on which), and the
// report's first line must say what the conversion itself makes of the file.
#include "bench_inputs.h"
#include "check/system_check.h"
#include "memory_source.h"
#include "read/fill_paths.h"
#include "test_systems.h"
#include "write/oriented_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sysorient {
namespace {

using test::repeat;
using test::utf16;

struct check_run {
    int status;
    std::vector<std::string> lines;
};

int collect(void *context, const char *text, std::size_t length)
{
    static_cast<std::vector<std::string> *>(context)->emplace_back(text, length);
    return 0;
}

check_run check_in_blocks(const std::string &input, bool tip_rows, std::size_t block,
                          read_path path)
{
    static system_table table;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    memory_source source{reinterpret_cast<const unsigned char *>(input.data()), input.size(), block,
                         0};
    check_run r{0, {}};
    r.status = check_system(table, byte_source{read_memory, &source}, {collect, &r.lines}, path);
    return r;
}

// The report on the portable path, read whole; every path and block size
// must give the same.
check_run check(const std::string &input, bool tip_rows)
{
    const check_run whole = check_in_blocks(input, tip_rows, input.size() + 1, read_path::portable);
    for (const path_entry &path : path_table()) {
        if (!path.runs_here())
            continue;
        SCOPED_TRACE(std::string(path.name) + " path");
        for (const std::size_t block : {input.size() + 1, std::size_t{1}, std::size_t{7},
                                        std::size_t{100}, std::size_t{4096}}) {
            const check_run r = check_in_blocks(input, tip_rows, block, path.path);
            EXPECT_EQ(r.status, whole.status) << "block size " << block;
            EXPECT_EQ(r.lines, whole.lines) << "block size " << block;
        }
    }
    return whole;
}

// What the conversion makes of the file, in the words of the first line.
std::string converted(const std::string &input, bool tip_rows)
{
    static system_table table;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    memory_source source{reinterpret_cast<const unsigned char *>(input.data()), input.size(),
                         input.size() + 1, 0};
    const int status = read_system(table, byte_source{read_memory, &source});
    if (status == READ_TOO_MANY_GAMES)
        return "more than 15 games";
    if (status == READ_TOO_MANY_TIP_ROWS)
        return "more than 20000 tip rows";
    std::string out;
    const auto append = [](void *to, const char *bytes, std::size_t count) {
        static_cast<std::string *>(to)->append(bytes, count);
        return WRITE_OK;
    };
    write_oriented(table, byte_sink{append, &out});
    const std::size_t games = std::count(out.begin(), out.end(), '\n');
    if (games == 0)
        return "no games";
    const std::size_t rows = out.find('\r') - 1;
    return std::to_string(games) + (games == 1 ? " game of " : " games of ") +
           std::to_string(rows) + (rows == 1 ? " tip row" : " tip rows");
}

constexpr bool GAMES = false;
constexpr bool TIP_ROWS = true;

struct check_case {
    const char *name;
    std::string input;
    bool tip_rows;
    // The report: its first line whole, then each finding's line by a part
    // of it, in order.
    std::vector<std::string> report;
};

const std::string LABELLED =
    "Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n";
const std::string CLEAN = "1 x 2 1 1 x\r\n2 2 1 x 0 1\r\nx 1 1 2 2 2\r\n";

// 27 tip rows of 13 games, one per line: too many games read without s.
std::string tip_rows_27() { return repeat("1 x 2 1 1 0 1 2 x 1 0 2 1\r\n", 27); }

TEST(SystemCheck, ReportsWhatWasRead)
{
    const std::string full_games = bench::full_system_file(bench::layout{}.crlf()).bytes;
    const std::string full_tip_rows =
        bench::full_system_file(bench::layout{}.tip_rows().spaced()).bytes;
    std::string one_odd = repeat("1 x 2\n", 9999) + "1 x\n" + repeat("1 x 2\n", 10000);
    const check_case cases[] = {
        {"clean, games", CLEAN, GAMES, {"system.txt: 3 games of 6 tip rows, one game per line"}},
        {"clean, tip rows",
         CLEAN,
         TIP_ROWS,
         {"system.txt: 6 games of 3 tip rows, one tip row per line"}},
        {"full system, games",
         full_games,
         GAMES,
         {"system.txt: 15 games of 20000 tip rows, one game per line"}},
        {"full system, tip rows",
         full_tip_rows,
         TIP_ROWS,
         {"system.txt: 15 games of 20000 tip rows, one tip row per line"}},
        {"labels with numbers",
         LABELLED,
         GAMES,
         {"system.txt: 3 games of 6 tip rows, one game per line",
          "line 3: \"Spiel 3: x 1 1 2 2 2\": 6 outcomes, and the last line with outcomes sets the "
          "count for every line: every game is cut to 6 tip rows",
          "system.txt: the other 2 lines with outcomes hold 7 each: the last 1 of each is dropped",
          "line 1: \"Spiel 1: 1 x 2 1 1 x\": the 1 of \"1:\" is read as outcome: is it a number in "
          "a label?",
          "line 2: \"Spiel 2: 2 2 1 x 0 1\": the 2 of \"2:\""}},
        {"club names with digits",
         "1. FC Koeln - Gladbach: 1 x 2 1 1 x\r\nSchalke 04 - Hannover 96: 2 2 1 x 0 1\r\n"
         "Bayern - Dortmund: x 1 1 2 2 2\r\n",
         GAMES,
         {"system.txt: 3 games of 6 tip rows, one game per line",
          "line 3: ", "the other 2 lines with outcomes hold 7 each: the last 1 of each is dropped",
          "line 2: \"Schalke 04 - Hannover 96: 2 2 1 x 0 1\": \"04\" is read as the outcome 0",
          "line 1: \"1. FC Koeln - Gladbach: 1 x 2 1 1 x\": the 1 of \"1.\""}},
        {"a footer Total 12",
         CLEAN + "Total 12\r\n",
         GAMES,
         {"system.txt: 4 games of 2 tip rows, one game per line",
          "line 4: \"Total 12\": 2 outcomes, and the last line with outcomes sets the count for "
          "every line: every game is cut to 2 tip rows: is it a footer?",
          "the other 3 lines with outcomes hold 6 each: the last 4 of each are dropped"}},
        {"a footer Stand 3.4.25",
         CLEAN + "Stand 3.4.25\r\n",
         GAMES,
         {"system.txt: 4 games of 1 tip row, one game per line",
          "line 4: \"Stand 3.4.25\": 1 outcome, and the last line",
          "the last 5 of each are dropped",
          "line 4: \"Stand 3.4.25\": \"25\" is read as the outcome 2"}},
        {"a longer last line",
         "1 x 2\n1 x 2 1 1\n",
         TIP_ROWS,
         {"system.txt: 5 games of 2 tip rows, one tip row per line",
          "line 2: \"1 x 2 1 1\": 5 outcomes, more than the line before it",
          "system.txt: the other line with outcomes holds 3: games 4 to 5 are written as 0"}},
        {"a last line one longer",
         "1 2\n1 2\n1 2 1\n",
         GAMES,
         {"system.txt: 3 games of 3 tip rows, one game per line", "line 3: ",
          "system.txt: the other 2 lines with outcomes hold 2 each: tip row 3 of each is written "
          "as 0"}},
        {"row numbers, read with s",
         utf16(u"Nr\tA\tB\tC\r\n1\t1\tx\t2\r\n2\t2\t1\t1\r\n3\t0\t0\t1\r\n4\tx\t2\t2\r\n", false),
         TIP_ROWS,
         {"system.txt: 3 games of 4 tip rows, one tip row per line",
          "line 2: \"1.1.x.2\": 4 outcomes, but 3 are written: the last 1 is dropped",
          "line 3: \"2.2.1.1\": 4 outcomes, but 3"}},
        {"odd lines in the middle",
         "1 2 1\n1 2\n1 2 1 2\n1 2 1\n",
         GAMES,
         {"system.txt: 4 games of 3 tip rows, one game per line",
          "line 2: \"1 2\": 2 outcomes of 3: tip row 3 is written as 0",
          "line 3: \"1 2 1 2\": 4 outcomes, but 3 are written: the last 1 is dropped"}},
        {"a tip-row file read without s",
         tip_rows_27(),
         GAMES,
         {"system.txt: more than 15 games, read one game per line: sysorient warns and writes "
          "nothing",
          "system.txt: read one tip row per line it is 13 games of 27 tip rows: run `sysorient "
          "s`"}},
        {"a game file read with s",
         repeat("1", 20) + "\n" + repeat("2", 20) + "\n",
         TIP_ROWS,
         {"system.txt: more than 15 games, read one tip row per line: sysorient warns and writes "
          "nothing",
          "system.txt: read one game per line it is 2 games of 20 tip rows: run `sysorient` "
          "without s"}},
        {"too large either way",
         repeat(repeat("1", 16) + "\n", 16),
         GAMES,
         {"system.txt: more than 15 games"}},
        {"words with outcome characters",
         "Mexiko - Kanada: 1 x 2\nXanten 2024: 1 1 0\n",
         GAMES,
         {"system.txt: 2 games of 7 tip rows, one game per line", "line 2: ",
          "system.txt: the other line with outcomes holds 4: tip rows 5 to 7 are written as 0",
          "line 1: \"Mexiko - Kanada: 1 x 2\": \"Mexiko\" is read as the outcome 0",
          "line 2: \"Xanten 2024: 1 1 0\": \"Xanten\" is read as the outcome 0",
          "line 2: \"Xanten 2024: 1 1 0\": \"2024\" is read as the outcomes 2 0 2"}},
        {"CR line ends only",
         "1 2\r2 1\r",
         GAMES,
         {"system.txt: 1 game of 4 tip rows, one game per line",
          "system.txt: its lines end with CR alone, without LF (old Mac line ends): the whole "
          "file is read as one line"}},
        {"a CR inside a line",
         "1 2\r2 1\n1 2 1 2\n",
         GAMES,
         {"system.txt: 2 games of 4 tip rows, one game per line",
          "line 1: \"1 2.2 1\": a CR without LF does not end the line"}},
        {"UTF-16 without its mark",
         utf16(u"1 x 2\r\n0 1 1\r\n", false).substr(2),
         GAMES,
         {"system.txt: 2 games of 3 tip rows, one game per line",
          "system.txt: looks like UTF-16 without its byte-order mark"}},
        {"UTF-16 with its mark and Cyrillic labels",
         utf16(u"Кубань: 1 x 2\r\nСпартак: 0 1 1\r\n", false),
         GAMES,
         {"system.txt: 2 games of 3 tip rows, one game per line"}},
        {"UTF-16 with Chinese labels",
         utf16(u"上海申花: 1 x 2\r\n北京国安: 0 1 1\r\n中国", true),
         GAMES,
         {"system.txt: 2 games of 3 tip rows, one game per line"}},
        {"echo appended to a UTF-16 file",
         utf16(u"1 x 2\r\n0 1 1\r\n", false) + "2 2 x\r\n",
         GAMES,
         {"system.txt: 2 games of 3 tip rows, one game per line",
          "system.txt: single-byte text after the UTF-16 text, as `echo ... >> system.txt` adds "
          "it: \"2 2 x..\" is not read"}},
        {"echo of an even length appended",
         utf16(u"1 x\r\n0 1\r\n", true) + "2 x\r\n",
         GAMES,
         {"system.txt: 2 games of 2 tip rows, one game per line",
          "system.txt: single-byte text after the UTF-16 text"}},
        {"Ctrl-Z in the middle",
         "1 2\n2 1\n\x1A"
         "1 1\n",
         GAMES,
         {"system.txt: 2 games of 2 tip rows, one game per line",
          "line 3: \".1 1\": an end mark (Ctrl-Z, byte 1A) ends the reading here: the 4 bytes "
          "after it are not read, with 2 outcomes"}},
        {"Ctrl-Z at the end",
         "1 2\n2 1\n\x1A",
         GAMES,
         {"system.txt: 2 games of 2 tip rows, one game per line"}},
        {"empty file",
         "",
         GAMES,
         {"system.txt: no games, read one game per line: genordet.txt is written empty",
          "system.txt: the file is empty"}},
        {"no outcomes",
         "Spiele\r\n3 4 5\r\n",
         TIP_ROWS,
         {"system.txt: no games, read one tip row per line: genordet.txt is written empty",
          "system.txt: holds no outcome (0, 1, 2, x or X)"}},
        {"20000 lines, one odd",
         one_odd,
         TIP_ROWS,
         {"system.txt: 3 games of 20000 tip rows, one tip row per line",
          "line 10000: \"1 x\": 2 outcomes of 3: game 3 is written as 0"}},
        {"many odd lines",
         repeat("1 2\n1\n", 100) + "1 2\n",
         GAMES,
         {"system.txt: more than 15 games",
          "read one tip row per line it is 2 games of 201 tip rows: run `sysorient s`"}},
        {"many odd lines, tip rows",
         repeat("1 2\n1\n", 100) + "1 2\n",
         TIP_ROWS,
         {"system.txt: 2 games of 201 tip rows, one tip row per line", "line 2: \"1\"",
          "line 4: \"1\"", "line 6: \"1\"", "line 8: \"1\"", "line 10: \"1\"",
          "system.txt: 95 more lines hold another count than 2"}},
        {"many words",
         repeat("Mexiko 1\n", 20),
         TIP_ROWS,
         {"system.txt: 2 games of 20 tip rows, one tip row per line", "line 1: ", "line 2: ",
          "line 3: ", "line 4: ", "line 5: ", "system.txt: 15 more words or numbers hold outcome"}},
        // A word that reaches over a 64-byte chunk into an outcome.
        {"a long word over a chunk's end",
         std::string(60, ' ') + "abcdefgh1 2\n1 2\n",
         GAMES,
         {"system.txt: 2 games of 2 tip rows, one game per line",
          "line 1: \"                                        \": \"abcdefgh1\" is read as the "
          "outcome 1"}},
        {"outcomes over a chunk's end into a word",
         std::string(61, ' ') + "1x2abc 1\n1 2 1 2\n",
         GAMES,
         {"system.txt: 2 games of 4 tip rows, one game per line",
          "line 1: \"                                        \": \"1x2abc\" is read as the "
          "outcomes 1 0 2"}},
    };
    for (const check_case &c : cases) {
        SCOPED_TRACE(c.name);
        const check_run r = check(c.input, c.tip_rows);
        const bool too_large = c.report[0].find("more than") != std::string::npos;
        EXPECT_EQ(r.status, c.report.size() == 1 && !too_large ? CHECK_CLEAN : CHECK_FINDINGS);
        ASSERT_EQ(r.lines.size(), c.report.size()) << ::testing::PrintToString(r.lines);
        EXPECT_EQ(r.lines[0].substr(0, c.report[0].size()), c.report[0]);
        for (std::size_t i = 1; i < c.report.size(); ++i)
            EXPECT_NE(r.lines[i].find(c.report[i]), std::string::npos) << r.lines[i];
        // The first line agrees with the conversion.
        EXPECT_NE(r.lines[0].find(converted(c.input, c.tip_rows)), std::string::npos) << r.lines[0];
    }
}

// A read error while the reader still needs input: nothing can be said.
TEST(SystemCheck, ReadErrorIsUnreadable)
{
    const auto fail = [](void * /*unused*/, unsigned char * /*unused*/, std::size_t /*unused*/) {
        return std::ptrdiff_t{-1};
    };
    static system_table table;
    clear_table(table);
    std::vector<std::string> lines;
    EXPECT_EQ(check_system(table, byte_source{fail, nullptr}, {collect, &lines}), CHECK_UNREADABLE);
    EXPECT_EQ(lines, std::vector<std::string>{
                         "system.txt: cannot be read (a read error): sysorient writes nothing"});
}

} // namespace
} // namespace sysorient
