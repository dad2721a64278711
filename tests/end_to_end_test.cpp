// The built program, run in a fresh temporary directory per case. Every case
// checks the exit status, standard output and standard error (always empty),
// and genordet.txt byte for byte wherever a file of that name can be read:
// not where it is a directory or the full disk's device.
#include "bench_inputs.h"
#include "check/system_check.h"
#include "memory_source.h"
#include "read/system_reader.h"
#include "run_program.h"
#include "test_systems.h"
#include "write/oriented_writer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sysorient::test {
namespace {

namespace fs = std::filesystem;

const std::string EARLIER = "earlier contents\r\n";

// What the program starts through: nothing, or in a cross build the
// emulator (its words separated by '|').
std::vector<std::string> emulator()
{
    std::vector<std::string> words;
#ifdef SYSORIENT_EMULATOR
    std::string rest = SYSORIENT_EMULATOR;
    for (std::size_t bar; (bar = rest.find('|')) != std::string::npos; rest.erase(0, bar + 1))
        words.push_back(rest.substr(0, bar));
    words.push_back(rest);
#endif
    return words;
}

// A fresh working directory, and beside it one for the captured streams.
class sandbox {
  public:
    sandbox()
    {
        std::random_device random;
        do
            root_ = fs::temp_directory_path() / ("sysorient-test-" + std::to_string(random()));
        while (!fs::create_directory(root_));
        fs::create_directory(work());
        fs::create_directory(root_ / "scratch");
    }
    ~sandbox()
    {
        // Windows removes no read-only file; some rows make genordet.txt one.
        std::error_code ignored;
        fs::permissions(file("genordet.txt"), fs::perms::owner_write, fs::perm_options::add,
                        ignored);
        fs::remove_all(root_, ignored);
    }
    sandbox(const sandbox &) = delete;
    sandbox &operator=(const sandbox &) = delete;

    fs::path work() const { return root_ / "work"; }
    fs::path file(const char *name) const { return work() / name; }
    void put(const char *name, const std::string &bytes) const { write_bytes(file(name), bytes); }
    std::string get(const char *name) const { return read_bytes(file(name)); }
    program_run run(const std::vector<std::string> &args, const run_options &options = {},
                    const char *program = SYSORIENT_EXE) const
    {
        run_options through = options;
        const std::vector<std::string> words = emulator();
        through.wrapper.insert(through.wrapper.end(), words.begin(), words.end());
        return run_program(program, args, work(), root_ / "scratch", through);
    }

  private:
    fs::path root_;
};

// The two warnings as callers match them, byte for byte. A Windows console
// ends its lines with CR LF.
#ifdef _WIN32
const std::string CONSOLE_EOL = "\r\n";
#else
const std::string CONSOLE_EOL = "\n";
#endif
const std::string GAMES_WARNED =
    "Mehr als 15 Spiele im System - System oder Orientierung nicht OK" + CONSOLE_EOL;
const std::string TIP_ROWS_WARNED =
    "Mehr als 20000 Tippreihen im System - System oder Orientierung nicht OK" + CONSOLE_EOL;

const std::string OVERVIEW = "1 x 2\n0 1 1\n";

// The peak memory that the ceiling below leaves out: under an emulator the
// emulator's own (qemu-user takes some 16 MiB), as a run on the smallest
// system shows; natively nothing.
long peak_rss_kib_of_emulator()
{
#ifdef SYSORIENT_EMULATOR
    static const long kib = [] {
        sandbox box;
        box.put("system.txt", OVERVIEW);
        return box.run({}).peak_rss_kib;
    }();
    return kib;
#else
    return 0;
#endif
}

// The sanitizers' shadow memory is no measure of the program's.
#ifdef SYSORIENT_SANITIZED
constexpr bool SANITIZED = true;
#else
constexpr bool SANITIZED = false;
#endif

// Memory must not grow with the input: a ceiling far below any input here.
void expect_small_memory(const program_run &r)
{
    if (SANITIZED || r.peak_rss_kib < 0)
        return;
    EXPECT_LT(r.peak_rss_kib - peak_rss_kib_of_emulator(), 16 * 1024);
}

const std::string AS_GAMES = "_102\r\n_011\r\n";
const std::string AS_TIP_ROWS = "_10\r\n_01\r\n_21\r\n";

struct conversion {
    const char *name;
    std::vector<std::string> args;
    std::string input;
    std::string oriented;
};

using bench::layout;

std::string full_system(const layout &how) { return bench::full_system_file(how).bytes; }

TEST(EndToEnd, Converts)
{
    const std::string full = bench::full_oriented();
    const conversion cases[] = {
        {"no argument", {}, OVERVIEW, AS_GAMES},
        {"s", {"s"}, OVERVIEW, AS_TIP_ROWS},
        {"S", {"S"}, OVERVIEW, AS_TIP_ROWS},
        {"sss", {"sss"}, OVERVIEW, AS_TIP_ROWS},
        {"S1", {"S1"}, OVERVIEW, AS_TIP_ROWS},
        {"-s", {"-s"}, OVERVIEW, AS_GAMES},
        {"/s", {"/s"}, OVERVIEW, AS_GAMES},
        {"x", {"x"}, OVERVIEW, AS_GAMES},
        {"empty argument", {""}, OVERVIEW, AS_GAMES},
        {"only the first argument counts", {"x", "s"}, OVERVIEW, AS_GAMES},
        {"CR LF", {}, "1 x 2\r\n0 1 1\r\n", AS_GAMES},
        {"end mark", {"s"}, OVERVIEW + "\x1A" + "2 2 2\n", AS_TIP_ROWS},
        {"UTF-16LE, Cyrillic", {}, utf16(u"Кубань: 1 x 2\r\nСпартак: 0 1 1\r\n", false), AS_GAMES},
        {"UTF-16BE", {"s"}, utf16(u"1 x 2\n0 1 1\n", true), AS_TIP_ROWS},
        {"empty system", {}, "", ""},
        {"no outcomes", {"s"}, "Spiele\r\n\r\n3 4 5\r\n", ""},
        {"16 tip rows of one game", {"s"}, repeat("1\n", 16), "_1111111111111111\r\n"},
        {"full, games, dense, CR LF", {}, full_system(layout{}.crlf()), full},
        {"full, games, spaced", {}, full_system(layout{}.spaced()), full},
        {"full, tip rows, dense", {"s"}, full_system(layout{}.tip_rows()), full},
        {"full, tip rows, spaced, CR LF",
         {"s"},
         full_system(layout{}.tip_rows().spaced().crlf()),
         full},
    };
    for (const conversion &c : cases) {
        SCOPED_TRACE(c.name);
        sandbox box;
        box.put("system.txt", c.input);
        box.put("genordet.txt", EARLIER);
        const program_run r = box.run(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(box.get("genordet.txt"), c.oriented);
    }
}

TEST(EndToEnd, BundledExamples)
{
    const std::string oriented = "_102110\r\n_221001\r\n_011222\r\n_110012\r\n_200110\r\n";
    const std::pair<const char *, std::vector<std::string>> examples[] = {{"games.txt", {}},
                                                                          {"tip-rows.txt", {"s"}}};
    for (const auto &[name, args] : examples) {
        SCOPED_TRACE(name);
        sandbox box;
        box.put("system.txt", read_bytes(fs::path(SYSORIENT_EXAMPLES) / name));
        const program_run r = box.run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(box.get("genordet.txt"), oriented);
    }
}

// Windows finds files whatever the case of their names; elsewhere SYSTEM.TXT
// is not system.txt.
TEST(EndToEnd, SystemFileNameCase)
{
    sandbox box;
    box.put("SYSTEM.TXT", OVERVIEW);
    const program_run r = box.run({});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
#ifdef _WIN32
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(box.get("genordet.txt"), AS_GAMES);
#else
    EXPECT_EQ(r.status, 255);
    EXPECT_FALSE(fs::exists(box.file("genordet.txt")));
#endif
}

enum class system_file { holds_input, missing, directory };

struct failure {
    const char *name;
    std::vector<std::string> args;
    system_file kind;
    std::string input;
    std::string out;
};

// Every failure while reading ends with status 255 and leaves genordet.txt
// exactly as it was: unchanged if it existed, absent if it did not.
TEST(EndToEnd, ReadingFailuresWriteNothing)
{
    const std::string &games = GAMES_WARNED;
    const std::string &tip_rows = TIP_ROWS_WARNED;
    const failure cases[] = {
        {"16 games", {}, system_file::holds_input, repeat("1 2\n", 16), games},
        {"16 outcomes on a tip row", {"s"}, system_file::holds_input, repeat("1 ", 16), games},
        {"20001 tip rows on a game", {}, system_file::holds_input, repeat("1", 20001), tip_rows},
        {"20001 tip-row lines", {"S"}, system_file::holds_input, repeat("0\n", 20001), tip_rows},
        {"system.txt missing", {}, system_file::missing, "", ""},
        {"system.txt a directory", {}, system_file::directory, "", ""},
    };
    for (const failure &c : cases) {
        for (const bool earlier : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (earlier ? ", earlier genordet.txt" : ""));
            sandbox box;
            if (c.kind == system_file::holds_input)
                box.put("system.txt", c.input);
            else if (c.kind == system_file::directory)
                fs::create_directory(box.file("system.txt"));
            if (earlier)
                box.put("genordet.txt", EARLIER);
            const program_run r = box.run(c.args);
            EXPECT_EQ(r.status, 255);
            EXPECT_EQ(r.out, c.out);
            EXPECT_EQ(r.err, "");
            if (earlier) {
                EXPECT_EQ(box.get("genordet.txt"), EARLIER);
            } else {
                EXPECT_FALSE(fs::exists(box.file("genordet.txt")));
            }
        }
    }
}

TEST(EndToEnd, OrientedFileCannotBeCreated)
{
    sandbox box;
    box.put("system.txt", OVERVIEW);
    fs::create_directory(box.file("genordet.txt"));
    const program_run r = box.run({});
    EXPECT_EQ(r.status, 255);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

enum class oriented_file { regular, full_disk, none };

struct write_failure {
    const char *name;
    std::string input;
    run_options options;
    oriented_file kind;
    int status;
    const char *inject = nullptr; // strace's fault for a call on genordet.txt
};

// A write that fails is a failure, not a signal: a full disk, a file-size
// limit, an I/O error, the warning into a pipe nobody reads. A regular
// genordet.txt is left empty, never with some of the games. With no game
// there is nothing to write and so nothing to fail. strace counts the writes
// to genordet.txt: one a game, 15 in the full system; a failed close leaves
// the file open, and it is emptied by opening it again.
TEST(EndToEnd, WriteFailuresEndInMinusOne)
{
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/full, pipe signal, file-size limit or strace on Windows";
#else
    const std::string full = full_system(layout{});
    const write_failure cases[] = {
        {"a full disk", OVERVIEW, {}, oriented_file::full_disk, 255},
        {"a full disk, no games", "no games\n", {}, oriented_file::full_disk, 0},
        {"a file-size limit", full, {{}, false, 100 * 1024}, oriented_file::regular, 255},
        {"no space at the 4th write",
         full,
         {},
         oriented_file::regular,
         255,
         "write:error=ENOSPC:when=4"},
        {"no space at the last write",
         full,
         {},
         oriented_file::regular,
         255,
         "write:error=ENOSPC:when=15"},
        {"an I/O error at the 4th write",
         full,
         {},
         oriented_file::regular,
         255,
         "write:error=EIO:when=4"},
        {"an I/O error at the last write",
         full,
         {},
         oriented_file::regular,
         255,
         "write:error=EIO:when=15"},
        {"an I/O error at the close", full, {}, oriented_file::regular, 255, "close:error=EIO"},
        {"the warning into a closed pipe",
         repeat("1 2\n", 16),
         {{}, true, -1},
         oriented_file::none,
         255},
    };
    for (const write_failure &c : cases) {
        SCOPED_TRACE(c.name);
        sandbox box;
        box.put("system.txt", c.input);
        if (c.kind == oriented_file::full_disk)
            fs::create_symlink("/dev/full", box.file("genordet.txt"));
        else if (c.kind == oriented_file::regular)
            box.put("genordet.txt", EARLIER);
        run_options options = c.options;
        if (c.inject != nullptr) {
            if (!fs::exists("/usr/bin/strace"))
                GTEST_SKIP() << "needs strace";
            const std::string fault = c.inject;
            const std::string call = fault.substr(0, fault.find(':'));
            options.wrapper = {"/usr/bin/strace",
                               "-o",
                               "/dev/null",
                               "-P",
                               fs::canonical(box.file("genordet.txt")).string(),
                               "-e",
                               "trace=" + call,
                               "-e",
                               "inject=" + fault,
                               "-E",
                               "ASAN_OPTIONS=detect_leaks=0"};
        }
        const program_run r = box.run({}, options);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
        if (c.kind == oriented_file::regular) {
            EXPECT_EQ(box.get("genordet.txt").size(), 0U) << "genordet.txt is not empty";
        }
    }
#endif
}

// A read that fails after handing over the bytes that end the reading (the
// end mark, or an outcome past a limit) changes nothing; one that fails while
// more input is needed is a failure. strace fails the second read of
// system.txt, after a first that read the whole file.
TEST(EndToEnd, ReadErrorAfterTheLastBytes)
{
#ifdef _WIN32
    GTEST_SKIP() << "no strace on Windows";
#else
    if (!fs::exists("/usr/bin/strace"))
        GTEST_SKIP() << "needs strace";
    const std::string &games = GAMES_WARNED;
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        {OVERVIEW + "\x1A" + "3\n", 0, "", AS_GAMES},
        {repeat("1 2\n", 16), 255, games, EARLIER},
        {OVERVIEW, 255, "", EARLIER},
    };
    for (const auto &[input, status, out, oriented] : cases) {
        SCOPED_TRACE(input);
        sandbox box;
        box.put("system.txt", input);
        box.put("genordet.txt", EARLIER);
        // A path as strace resolves it, or it says that it did.
        const std::string system = fs::canonical(box.file("system.txt")).string();
        const program_run r =
            box.run({}, {{"/usr/bin/strace", "-o", "/dev/null", "-P", system, "-e", "trace=read",
                          "-e", "inject=read:error=EIO:when=2",
                          // LeakSanitizer cannot work under strace.
                          "-E", "ASAN_OPTIONS=detect_leaks=0"}});
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(box.get("genordet.txt"), oriented);
    }
#endif
}

struct conversion_result {
    int status;
    std::string out;
    std::string oriented;
};

// What the core library makes of input in memory, as the program should.
conversion_result convert_in_memory(const std::string &input, bool tip_rows)
{
    static system_table table;
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    memory_source bytes{reinterpret_cast<const unsigned char *>(input.data()), input.size(),
                        input.size(), 0};
    const int status = read_system(table, byte_source{read_memory, &bytes});
    if (status == READ_OK) {
        std::string oriented;
        const auto append = [](void *out, const char *text, std::size_t count) {
            static_cast<std::string *>(out)->append(text, count);
            return WRITE_OK;
        };
        write_oriented(table, byte_sink{append, &oriented});
        return {0, "", oriented};
    }
    return {255, status == READ_TOO_MANY_GAMES ? GAMES_WARNED : TIP_ROWS_WARNED, EARLIER};
}

struct hostile {
    const char *name;
    std::string input;
    const char *oriented; // nullptr: whatever the core library makes of it
};

// Odd and damaged files end as the core library says, in little memory,
// and a failure leaves genordet.txt as it was.
TEST(EndToEnd, HostileFiles)
{
    const std::string half(25'000'000, 'a');
    const hostile cases[] = {
        {"a line of 50 million characters", half + "1 x 2" + half + "\n0 1 1\n",
         "_102\r\n_011\r\n"},
        {"100000 blank lines", repeat("\r\n", 100000) + OVERVIEW + repeat("\n", 100000),
         "_102\r\n_011\r\n"},
        {"only an end mark", "\x1A", ""},
        {"an executable", read_bytes(SYSORIENT_EXE), nullptr},
        {"20000 lines of 15 outcomes", repeat("2 1 0 x 1 2 2 2 1 0 0 0 1 1 2\n", 20000), nullptr},
    };
    for (const hostile &c : cases) {
        for (const bool tip_rows : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (tip_rows ? ", s" : ""));
            conversion_result expected = convert_in_memory(c.input, tip_rows);
            if (c.oriented != nullptr && !tip_rows) {
                EXPECT_EQ(expected.oriented, c.oriented);
            }
            sandbox box;
            box.put("system.txt", c.input);
            box.put("genordet.txt", EARLIER);
            const program_run r =
                box.run(tip_rows ? std::vector<std::string>{"s"} : std::vector<std::string>{});
            EXPECT_EQ(r.status, expected.status);
            EXPECT_EQ(r.out, expected.out);
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(box.get("genordet.txt"), expected.oriented);
            expect_small_memory(r);
        }
    }
}

// What stands as genordet.txt before the check runs.
enum class oriented_file_before {
    earlier,             // a file of other contents
    converted,           // what sysorient writes of system.txt
    folder,              // a folder
    read_only,           // a read-only file (where the tests can make one)
    converted_other_way, // what sysorient writes of system.txt read the other way
    held_open,           // a file another program holds open without sharing (Windows)
    // POSIX: a FIFO, and links that sysorient cannot write through: into a
    // folder that is not there, in a circle, through a file; and one into a
    // folder that is there, which it can.
    fifo,
    link_missing_folder,
    link_loop,
    link_through_file,
    link_into_folder,
};

struct check_report {
    const char *name;
    std::vector<std::string> args;
    system_file kind;
    std::string input;
    int status;
    std::vector<std::string> report; // its lines; the first few, for long reports
    run_options options = {};
    const char *inject = nullptr; // strace's fault for a call on system.txt
    oriented_file_before genordet = oriented_file_before::earlier;
    bool txt_txt = false; // a system.txt.txt beside
};

// strace's fault for a call on system.txt in the box, as a wrapper.
std::vector<std::string> injecting(const sandbox &box, const std::string &fault)
{
    return {"/usr/bin/strace", "-o", "/dev/null", "-P",
            fs::canonical(box.file("system.txt")).string(), "-e",
            "trace=" + fault.substr(0, fault.find(':')), "-e", "inject=" + fault,
            // LeakSanitizer cannot work under strace.
            "-E", "ASAN_OPTIONS=detect_leaks=0"};
}

#ifndef _WIN32
// A report of more than 128 bytes: names and labels in many lines.
std::string many_words() { return repeat("Mexiko 1 2\n", 5) + repeat("Spiel 2: 1 2 Mexiko\n", 30); }

bool superuser() { return geteuid() == 0; }
#else
bool superuser() { return false; }
#endif

const std::string LABELS =
    "Spiel 1: 1 x 2 1 1 x\r\nSpiel 2: 2 2 1 x 0 1\r\nSpiel 3: x 1 1 2 2 2\r\n";
const std::string LABELS_EN = "Lines 1 and 2: \"Spiel 1: 1 x 2 1 1 x\"";
const std::string LABELS_DE = "Zeilen 1 und 2: \xC2\xBBSpiel 1: 1 x 2 1 1 x\xC2\xAB";

// What reads a system one game per line, and one tip row per line.
#ifdef _WIN32
const std::string GAMES_READER = "orient.bat";
const std::string TIP_ROWS_READER = "orient-s.bat";
#else
const std::string GAMES_READER = "\"sysorient\"";
const std::string TIP_ROWS_READER = "\"sysorient s\"";
#endif

// The first line of a report on a system that fits.
std::string first_line(const std::string &counts, bool tip_rows)
{
    return "system.txt: " + counts + " (one " + (tip_rows ? "tip row" : "game") + " per line).";
}

const std::string OVERVIEW_FIRST = first_line("2 games with 3 tip rows", false);
const std::string LABELS_FIRST = first_line("3 games with 6 tip rows", false);
const std::string NOTHING_FOUND = "Nothing was found that looks wrong.";

// The check of a clean system beside a genordet.txt made as `before` says.
check_report on_genordet(const char *name, int status, const std::string &said,
                         oriented_file_before before)
{
    return {name,     {},      system_file::holds_input,
            OVERVIEW, status,  {OVERVIEW_FIRST, "", said},
            {},       nullptr, before};
}

std::vector<check_report> check_reports()
{
    const std::string half(25'000'000, 'a');
    const std::string german = "de_DE.UTF-8";
    const run_options in_german{{}, false, -1, {{"LANG", german}}};
    return {
        {"labels", {}, system_file::holds_input, LABELS, 1, {LABELS_FIRST, "", LABELS_EN}},
#ifndef _WIN32
        {"labels, in German",
         {},
         system_file::holds_input,
         LABELS,
         1,
         {"system.txt: 3 Spiele mit 6 Tippreihen (ein Spiel pro Zeile).", "", LABELS_DE},
         in_german},
        {"LC_ALL=C over a German LANG",
         {},
         system_file::holds_input,
         LABELS,
         1,
         {LABELS_FIRST, "", LABELS_EN},
         {{}, false, -1, {{"LANG", german}, {"LC_ALL", "C"}}}},
        {"LANGUAGE=de over an English LANG",
         {},
         system_file::holds_input,
         LABELS,
         1,
         {LABELS_DE},
         {{}, false, -1, {{"LANG", "en_GB.UTF-8"}, {"LANGUAGE", "de:en"}}}},
#endif
        {"clean, s",
         {"sss"},
         system_file::holds_input,
         OVERVIEW,
         0,
         {first_line("3 games with 2 tip rows", true), "", NOTHING_FOUND}},
        {"UTF-16LE, Cyrillic",
         {},
         system_file::holds_input,
         utf16(u"Кубань: 1 x 2\r\nСпартак: 0 1 1\r\n", false),
         0,
         {OVERVIEW_FIRST}},
        {"tip rows without s",
         {"-s"},
         system_file::holds_input,
         repeat("1 x 2 1\r\n", 27),
         1,
         {"system.txt: more than 15 games (one game per line).",
          "system.txt: read one tip row per line it is 4 games with 27 tip rows, and that fits."}},
        {"a line of 50 million characters",
         {},
         system_file::holds_input,
         half + "1 x 2" + half + "\n0 1 1\n",
         1,
         {OVERVIEW_FIRST}},
        {"system.txt missing",
         {},
         system_file::missing,
         "",
         255,
         {"system.txt: not found in the folder"}},
        {"system.txt a directory",
         {"s"},
         system_file::directory,
         "",
         255,
         {"system.txt: not found in the folder"}},
        {"a system.txt.txt instead",
         {},
         system_file::missing,
         "",
         255,
         {"system.txt: not found, but there is a system.txt.txt in the folder"},
         {},
         nullptr,
         oriented_file_before::earlier,
         true},
        {"a file of another name to convert",
         {},
         system_file::holds_input,
         OVERVIEW,
         1,
         {"\"genordet.txt\": the file to convert must be called system.txt."},
         {{}, false, -1, {{"ORIENT_FILE", "genordet.txt"}}}},
        {"a file to convert that is not there",
         {},
         system_file::holds_input,
         OVERVIEW,
         1,
         {"\"tipps.txt\": not found, or it cannot be opened."},
         {{}, false, -1, {{"ORIENT_FILE", "elsewhere/tipps.txt"}}}},
        on_genordet("genordet.txt a folder", 1, "genordet.txt: is a folder.",
                    oriented_file_before::folder),
        {"genordet.txt read-only",
         {},
         system_file::holds_input,
         OVERVIEW,
         superuser() ? 0 : 1,
         {OVERVIEW_FIRST, "", superuser() ? NOTHING_FOUND : "genordet.txt: is read-only."},
         {},
         nullptr,
         oriented_file_before::read_only},
#ifdef _WIN32
        {"genordet.txt open in another program",
         {},
         system_file::holds_input,
         OVERVIEW,
         1,
         {OVERVIEW_FIRST, "", "genordet.txt: is open in another program (Excel, perhaps)."},
         {},
         nullptr,
         oriented_file_before::held_open},
#endif
        {"findings, and genordet.txt written",
         {},
         system_file::holds_input,
         LABELS,
         1,
         {LABELS_FIRST, "", LABELS_EN, "",
          "genordet.txt: holds this system, as " + GAMES_READER + " writes it.",
          "  Use it only once everything above is put right."},
         {},
         nullptr,
         oriented_file_before::converted},
        {"a clean system, and genordet.txt written",
         {"s"},
         system_file::holds_input,
         OVERVIEW,
         0,
         {first_line("3 games with 2 tip rows", true), "", NOTHING_FOUND, "",
          "genordet.txt: holds this system, as " + TIP_ROWS_READER + " writes it.",
          "  You can use it."},
         {},
         nullptr,
         oriented_file_before::converted},
        {"a clean system, and an old genordet.txt",
         {},
         system_file::holds_input,
         OVERVIEW,
         0,
         {OVERVIEW_FIRST, "", NOTHING_FOUND, "", "genordet.txt: is not made from this system.txt."},
         {},
         nullptr,
         oriented_file_before::earlier},
        {"a clean system, and genordet.txt written the other way",
         {"s"},
         system_file::holds_input,
         OVERVIEW,
         0,
         {"genordet.txt: holds this system read one game per line, as " + GAMES_READER +
          " writes it."},
         {},
         nullptr,
         oriented_file_before::converted_other_way},
        {"too many games, and an old genordet.txt",
         {},
         system_file::holds_input,
         repeat("1 2\n", 16),
         1,
         {"genordet.txt: is not made from this system.txt.",
          "  sysorient writes nothing for this system, so genordet.txt is an older file. Do not "
          "use it."}},
#ifndef _WIN32
        {"an old genordet.txt, in German",
         {},
         system_file::holds_input,
         OVERVIEW,
         0,
         {"Sonst ist nichts aufgefallen.", "",
          "genordet.txt: ist nicht aus dieser system.txt entstanden."},
         in_german},
        {"genordet.txt a FIFO: never opened",
         {},
         system_file::holds_input,
         LABELS,
         1,
         {LABELS_FIRST, "", LABELS_EN},
         {{"timeout", "10"}, false, -1},
         nullptr,
         oriented_file_before::fifo},
        {"the file to convert a FIFO: never opened",
         {},
         system_file::holds_input,
         OVERVIEW,
         1,
         {"\"genordet.txt\": the file to convert must be called system.txt."},
         {{"timeout", "10"}, false, -1, {{"ORIENT_FILE", "genordet.txt"}}},
         nullptr,
         oriented_file_before::fifo},
        on_genordet("genordet.txt a link into a folder that is not there", 1,
                    "genordet.txt: is a link into a folder that is not there.",
                    oriented_file_before::link_missing_folder),
        on_genordet("genordet.txt a link in a circle", 1,
                    "genordet.txt: is a link that leads round in a circle.",
                    oriented_file_before::link_loop),
        on_genordet("genordet.txt a link through a file", 1,
                    "genordet.txt: is a link through a file, as if that file were a folder.",
                    oriented_file_before::link_through_file),
        on_genordet("genordet.txt a link into a folder that is there", 0, NOTHING_FOUND,
                    oriented_file_before::link_into_folder),
        {"the report into a closed pipe",
         {},
         system_file::holds_input,
         OVERVIEW,
         255,
         {},
         {{}, true, -1}},
        {"the report past a file-size limit",
         {"s"},
         system_file::holds_input,
         many_words(),
         255,
         {first_line("4 games with 35 tip rows", true)},
         {{}, false, 128}},
        {"a read error after the end mark",
         {},
         system_file::holds_input,
         "1 2\n" + std::string(131067, ' ') + "\x1A" + repeat("Spiel 3: 1 2 x\n", 100),
         1,
         {first_line("1 game with 2 tip rows", false), "",
          "Line 2: \"" + std::string(QUOTE_MAX, ' ') + "\""},
         {},
         "read:error=EIO:when=3"},
        {"a read error before the end mark",
         {"s"},
         system_file::holds_input,
         repeat("1 2 1 2 1 2 1\n", 20000),
         255,
         {"system.txt: cannot be read to its end (a read error)."},
         {},
         "read:error=EIO:when=2"},
#endif
    };
}

// genordet.txt as the case wants it before the check; returns what it
// holds then, or nothing where it is no file.
std::string put_genordet(const sandbox &box, const check_report &c)
{
    switch (c.genordet) {
    case oriented_file_before::folder:
        fs::create_directory(box.file("genordet.txt"));
        return "";
    case oriented_file_before::converted:
        EXPECT_EQ(box.run(c.args).status, 0);
        return box.get("genordet.txt");
    case oriented_file_before::converted_other_way:
        EXPECT_EQ(
            box.run(c.args.empty() ? std::vector<std::string>{"s"} : std::vector<std::string>{})
                .status,
            0);
        return box.get("genordet.txt");
#ifndef _WIN32
    case oriented_file_before::fifo:
        EXPECT_EQ(mkfifo(box.file("genordet.txt").c_str(), 0600), 0);
        return "";
    case oriented_file_before::link_missing_folder:
        fs::create_symlink("missing/genordet.txt", box.file("genordet.txt"));
        return "";
    case oriented_file_before::link_loop:
        fs::create_symlink("loop.txt", box.file("genordet.txt"));
        fs::create_symlink("genordet.txt", box.file("loop.txt"));
        return "";
    case oriented_file_before::link_through_file:
        fs::create_symlink("system.txt/genordet.txt", box.file("genordet.txt"));
        return "";
    case oriented_file_before::link_into_folder:
        fs::create_directory(box.file("out"));
        fs::create_symlink("out/genordet.txt", box.file("genordet.txt"));
        return "";
#endif
    case oriented_file_before::read_only:
        box.put("genordet.txt", EARLIER);
        fs::permissions(box.file("genordet.txt"),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        return EARLIER;
    default:
        box.put("genordet.txt", EARLIER);
        return EARLIER;
    }
}

#ifdef _WIN32
// genordet.txt held open by this process, sharing nothing, as Excel does.
class held_open {
  public:
    explicit held_open(const fs::path &file)
        : handle_(CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr))
    {
    }
    ~held_open() { CloseHandle(handle_); }
    held_open(const held_open &) = delete;
    held_open &operator=(const held_open &) = delete;

  private:
    HANDLE handle_;
};
#endif

// sysorient-check prints its report, ends with 0, 1 or -1, and writes no file.
TEST(EndToEnd, CheckReports)
{
    for (const check_report &c : check_reports()) {
        SCOPED_TRACE(c.name);
        sandbox box;
        if (c.kind == system_file::holds_input)
            box.put("system.txt", c.input);
        else if (c.kind == system_file::directory)
            fs::create_directory(box.file("system.txt"));
        if (c.txt_txt)
            box.put("system.txt.txt", OVERVIEW);
        const std::string before = put_genordet(box, c);
        run_options options = c.options;
        if (c.inject != nullptr) {
            if (!fs::exists("/usr/bin/strace"))
                GTEST_SKIP() << "needs strace";
            options.wrapper = injecting(box, c.inject);
        }
#ifdef _WIN32
        std::optional<held_open> holder;
        if (c.genordet == oriented_file_before::held_open)
            holder.emplace(box.file("genordet.txt"));
#endif
        const program_run r = box.run(c.args, options, SYSORIENT_CHECK_EXE);
        EXPECT_EQ(r.status, c.status);
        // The lines, in order, each as a whole line or its start, blank
        // lines as they come.
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < r.out.size();) {
            const std::size_t eol = r.out.find(CONSOLE_EOL, at);
            lines.push_back(r.out.substr(at, eol - at));
            at = eol == std::string::npos ? r.out.size() : eol + CONSOLE_EOL.size();
        }
        std::size_t next = 0;
        for (const std::string &line : c.report) {
            while (next < lines.size() &&
                   (line.empty() ? !lines[next].empty() : lines[next].rfind(line, 0) != 0))
                ++next;
            EXPECT_LT(next, lines.size()) << "no line " << line << " in\n" << r.out;
            ++next;
        }
        EXPECT_EQ(r.err, "");
#ifdef _WIN32
        holder.reset();
#endif
        if (c.genordet == oriented_file_before::earlier ||
            c.genordet == oriented_file_before::converted ||
            c.genordet == oriented_file_before::converted_other_way ||
            c.genordet == oriented_file_before::read_only ||
            c.genordet == oriented_file_before::held_open) {
            EXPECT_EQ(box.get("genordet.txt"), before);
        }
        if (c.genordet == oriented_file_before::link_into_folder) {
            EXPECT_FALSE(fs::exists(box.file("out/genordet.txt")));
        }
        if (c.kind == system_file::holds_input) {
            EXPECT_EQ(box.get("system.txt"), c.input);
        }
        expect_small_memory(r);
    }
}

// Characters that break a line, hide text or turn it around never reach the
// report, in either language: each stands as a middle dot in its quote.
TEST(EndToEnd, CheckShowsNoHiddenCharacters)
{
    // Line and paragraph separators, zero-width space and joiner, word
    // joiner, a byte-order mark inside the line, a tag, an isolate, a
    // right-to-left override, ESC and a C1 control.
    const std::string hidden[] = {
        "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\x8B",     "\xE2\x80\x8D",
        "\xE2\x81\xA0", "\xEF\xBB\xBF", "\xF3\xA0\x81\x81", "\xE2\x81\xA6",
        "\xE2\x80\xAE", "\x1B",         "\xC2\x9B"};
    std::string line = "Mexiko";
    std::string shown = "Mexiko";
    for (const std::string &h : hidden) {
        line += h;
        shown += "\xC2\xB7";
    }
    for (const char *lang : {"C", "de_DE.UTF-8"}) {
        SCOPED_TRACE(lang);
        sandbox box;
        box.put("system.txt", line + ": 1 x 2\r\n2 1 1\r\n");
        const program_run r = box.run({}, {{}, false, -1, {{"LANG", lang}}}, SYSORIENT_CHECK_EXE);
        EXPECT_EQ(r.status, 1);
        for (const std::string &h : hidden)
            EXPECT_EQ(r.out.find(h), std::string::npos) << r.out;
#ifdef _WIN32
        // In the console's code page the dot is one character of its own,
        // never the '?' of a character the code page lacks.
        const std::size_t at = r.out.find("Mexiko");
        ASSERT_NE(at, std::string::npos) << r.out;
        const std::string marks = r.out.substr(at + 6, std::size(hidden));
        ASSERT_EQ(marks.size(), std::size(hidden)) << r.out;
        EXPECT_EQ(marks, std::string(std::size(hidden), marks[0])) << r.out;
        EXPECT_NE(marks[0], '?') << r.out;
        EXPECT_EQ(r.out.compare(at + 6 + std::size(hidden), 7, ": 1 x 2"), 0) << r.out;
#else
        EXPECT_NE(r.out.find(shown + ": 1 x 2"), std::string::npos) << r.out;
#endif
    }
}

// A system.txt with no end, such as a device, does not keep the check
// going for ever: it reads a bounded way past where sysorient stops.
TEST(EndToEnd, CheckEndsOnEndlessInput)
{
#ifdef _WIN32
    GTEST_SKIP() << "no /dev/urandom on Windows";
#else
    sandbox box;
    fs::create_symlink("/dev/urandom", box.file("system.txt"));
    const program_run r = box.run({}, {{"timeout", "120"}, false, -1}, SYSORIENT_CHECK_EXE);
    EXPECT_EQ(r.status, 1);
    // The sentences as one line, wherever the report broke them.
    std::string said = r.out;
    for (std::size_t at; (at = said.find("\n  ")) != std::string::npos;)
        said.replace(at, 3, " ");
    const bool bounded =
        said.find("and nothing after it is read: more than ") != std::string::npos ||
        said.find("system.txt: is far larger than any system can be.") != std::string::npos;
    EXPECT_TRUE(bounded) << r.out;
    EXPECT_EQ(r.err, "");
    expect_small_memory(r);
#endif
}

// 1 GiB of zero bytes (a sparse file, so it costs no disk) and then a system.
TEST(EndToEnd, GigabyteInputInConstantMemory)
{
    sandbox box;
    const fs::path system = box.file("system.txt");
    write_bytes(system, "");
    fs::resize_file(system, std::uintmax_t{1} << 30);
    std::ofstream(system, std::ios::binary | std::ios::app) << "\n" << OVERVIEW;
    const program_run r = box.run({"s"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(box.get("genordet.txt"), AS_TIP_ROWS);
    expect_small_memory(r);
}

} // namespace
} // namespace sysorient::test
