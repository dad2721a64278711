// libFuzzer target: arbitrary bytes through the reader, the writer and the
// check of sysorient-check.
//
// The first byte plays the part of the first command-line argument ('s' or
// 'S' for tip-row-per-line input); the rest is the system file. Each input
// is read on every path this processor has, whole and in blocks of 1, 2 (up
// to 8 KiB), 7 and 4096 bytes, and everything is checked against a plain
// line-by-line model of the input rules, UTF-16 included (the result and the
// table), and the bytes written against the table. The check's report must
// not depend on the path or the blocks, and its first line must name what
// the reader made of the input.
#include "check/report_text.h"
#include "check/system_check.h"
#include "memory_source.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "write/oriented_writer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace sysorient;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// Every outcome takes an input byte, so no cell beyond tip row `size` can
// have been written: clearing and comparing only that far keeps the fuzzer fast.
std::size_t rows_touched(std::size_t size) { return size < MAX_TIP_ROWS ? size : MAX_TIP_ROWS; }

void clear_for(system_table &table, bool tip_rows, std::size_t size)
{
    table.cur_game = table.game_count = 0;
    table.cur_tip_row = table.tip_row_count = 0;
    table.line_is_tip_row = tip_rows ? 1 : 0;
    for (int g = 0; g < MAX_GAMES; ++g)
        std::memset(table.cells + cell_index(g, 0), 0, rows_touched(size));
}

int read_in_blocks(system_table &table, bool tip_rows, const std::uint8_t *data, std::size_t size,
                   std::size_t block, read_path path)
{
    clear_for(table, tip_rows, size);
    memory_source source{data, size, block, 0};
    return read_system(table, byte_source{read_memory, &source}, path);
}

bool same_tables(const system_table &a, const system_table &b, std::size_t size)
{
    bool same = a.cur_game == b.cur_game && a.game_count == b.game_count &&
                a.cur_tip_row == b.cur_tip_row && a.tip_row_count == b.tip_row_count;
    for (int g = 0; g < MAX_GAMES && same; ++g)
        same = std::memcmp(a.cells + cell_index(g, 0), b.cells + cell_index(g, 0),
                           rows_touched(size)) == 0;
    return same;
}

// The characters of the input: its bytes, or behind a UTF-16 mark one
// character a code unit, '?' for each that is not ASCII.
const std::vector<std::uint8_t> &characters(const std::uint8_t *data, std::size_t size)
{
    static std::vector<std::uint8_t> text;
    text.assign(data, data + size);
    const bool le = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
    const bool be = size >= 2 && data[0] == 0xFE && data[1] == 0xFF;
    if (!le && !be)
        return text;
    text.clear();
    for (std::size_t i = 2; i + 1 < size; i += 2) {
        const unsigned first = data[i];
        const unsigned second = data[i + 1];
        const unsigned unit = le ? second << 8 | first : first << 8 | second;
        text.push_back(unit < 0x80 ? static_cast<std::uint8_t>(unit) : '?');
    }
    return text;
}

// The input rules written as plainly as possible: split into lines at LF,
// stop at 0x1A, collect each line's outcomes, place them one by one. Returns
// the result and fills `expected` the way the reader should have filled its
// table.
int model(bool tip_rows, const std::vector<std::uint8_t> &text, system_table &expected)
{
    static std::vector<std::int8_t> outcomes;
    const std::uint8_t *data = text.data();
    const std::size_t size = text.size();
    int lines = 0;
    std::size_t pos = 0;
    bool ended = false;
    while (pos < size && !ended) {
        outcomes.clear();
        for (; pos < size && data[pos] != '\n'; ++pos) {
            const std::uint8_t c = data[pos];
            if (c == 0x1A) {
                ended = true;
                break;
            }
            if (c == '0' || c == 'x' || c == 'X')
                outcomes.push_back(0);
            else if (c == '1' || c == '2')
                outcomes.push_back(static_cast<std::int8_t>(c - '0'));
        }
        ++pos;
        if (outcomes.empty())
            continue;
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
            const auto game = tip_rows ? static_cast<int>(i) : lines;
            const auto row = tip_rows ? lines : static_cast<int>(i);
            if (game >= MAX_GAMES)
                return READ_TOO_MANY_GAMES;
            if (row >= MAX_TIP_ROWS)
                return READ_TOO_MANY_TIP_ROWS;
            expected.cells[cell_index(game, row)] = outcomes[i];
        }
        ++lines;
        const auto count = static_cast<int>(outcomes.size());
        expected.game_count = static_cast<std::int8_t>(tip_rows ? count : lines);
        expected.tip_row_count = tip_rows ? lines : count;
    }
    return READ_OK;
}

bool same_content(const system_table &a, const system_table &b)
{
    if (a.game_count != b.game_count || a.tip_row_count != b.tip_row_count)
        return false;
    for (int g = 0; g < a.game_count; ++g)
        if (std::memcmp(a.cells + cell_index(g, 0), b.cells + cell_index(g, 0),
                        static_cast<std::size_t>(a.tip_row_count)) != 0)
            return false;
    return true;
}

int append(void *context, const char *bytes, std::size_t count)
{
    static_cast<std::string *>(context)->append(bytes, count);
    return WRITE_OK;
}

// The shape every oriented file must have, and the table's digits in it.
bool written_right(const std::string &out, const system_table &table)
{
    const auto rows = static_cast<std::size_t>(table.tip_row_count);
    const std::size_t line = rows + 3;
    if (out.size() != line * static_cast<std::size_t>(table.game_count))
        return false;
    for (int g = 0; g < table.game_count; ++g) {
        const char *text = out.data() + static_cast<std::size_t>(g) * line;
        const std::int8_t *cells = table.cells + cell_index(g, 0);
        if (text[0] != '_' || text[line - 2] != '\r' || text[line - 1] != '\n')
            return false;
        for (std::size_t t = 0; t < rows; ++t)
            if (text[1 + t] != '0' + cells[t])
                return false;
    }
    return true;
}

// Blocks of 1 and 2 bytes cost a call a byte; beyond this size they would
// slow the fuzzer tenfold for no boundary case that 7-byte blocks miss.
constexpr std::size_t SMALL_BLOCKS_UP_TO = 8192;

system_table whole;
system_table in_blocks;
system_table modelled;
system_table checked;

int collect(void *context, const char *text, std::size_t length)
{
    auto &report = *static_cast<std::string *>(context);
    report.append(text, length);
    report += '\n';
    return 0;
}

check_state check_work;

// The report on the input, in words, and the check's result after it.
std::string report_of(bool tip_rows, const std::uint8_t *data, std::size_t size, std::size_t block,
                      read_path path)
{
    clear_for(checked, tip_rows, size);
    memory_source source{data, size, block, 0};
    check_work.files = file_facts{oriented_state::writable, nullptr};
    const int status = check_system(checked, byte_source{read_memory, &source}, check_work, path);
    check(status == CHECK_CLEAN || status == CHECK_FINDINGS);
    std::string report;
    check(render_report(check_work.findings, ENGLISH, platform::other, {collect, &report}) == 0);
    static std::string german;
    german.clear();
    check(render_report(check_work.findings, GERMAN, platform::windows, {collect, &german}) == 0);
    return report + std::to_string(status);
}

// A number as the English report writes it: from five digits on, grouped
// by thousands with commas.
std::string grouped(long n)
{
    std::string digits = std::to_string(n);
    if (digits.size() >= 5)
        for (std::size_t at = digits.size() - 3; at > 0; at -= at < 3 ? at : 3)
            digits.insert(at, ",");
    return digits;
}

// The first line as the reader's result and table give it.
std::string first_line(int status, const system_table &table)
{
    if (status == READ_TOO_MANY_GAMES)
        return "system.txt: more than 15 games";
    if (status == READ_TOO_MANY_TIP_ROWS)
        return "system.txt: more than 20,000 tip rows";
    if (table.game_count == 0)
        return "system.txt: no games";
    return "system.txt: " + std::to_string(table.game_count) +
           (table.game_count == 1 ? " game with " : " games with ") + grouped(table.tip_row_count) +
           (table.tip_row_count == 1 ? " tip row (" : " tip rows (");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool tip_rows = data[0] == 's' || data[0] == 'S';
    ++data;
    --size;

    const int status = read_in_blocks(whole, tip_rows, data, size, size + 1, read_path::portable);
    check(status == READ_OK || status == READ_TOO_MANY_GAMES || status == READ_TOO_MANY_TIP_ROWS);
    check(whole.game_count >= 0 && whole.game_count <= MAX_GAMES);
    check(whole.tip_row_count >= 0 && whole.tip_row_count <= MAX_TIP_ROWS);
    for (const path_entry &entry : path_table()) {
        if (!entry.runs_here())
            continue;
        const read_path path = entry.path;
        for (const std::size_t block :
             {size + 1, std::size_t{1}, std::size_t{2}, std::size_t{7}, std::size_t{4096}}) {
            if (block < 7 && size > SMALL_BLOCKS_UP_TO)
                continue;
            check(read_in_blocks(in_blocks, tip_rows, data, size, block, path) == status);
            check(same_tables(whole, in_blocks, size));
        }
    }

    const std::string report = report_of(tip_rows, data, size, size + 1, read_path::portable);
    const std::string first = first_line(status, whole);
    check(report.compare(0, first.size(), first) == 0);
    // Whatever the path, and in blocks of 7, which cut lines and characters
    // everywhere, the report is the same.
    for (const path_entry &entry : path_table())
        if (entry.runs_here())
            check(report_of(tip_rows, data, size, size + 1, entry.path) == report);
    check(report_of(tip_rows, data, size, 7, read_path::fastest) == report);

    clear_for(modelled, tip_rows, size);
    check(model(tip_rows, characters(data, size), modelled) == status);
    if (status == READ_OK) {
        check(same_content(whole, modelled));
        static std::string out;
        out.clear();
        check(write_oriented(whole, byte_sink{append, &out}) == WRITE_OK);
        check(written_right(out, whole));
    }
    return 0;
}
