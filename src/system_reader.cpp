// Reading a system file into the system table.
//
// Input rules: a line ends at LF; the byte 0x1A ends the input and what stands
// before it on its line still counts; the end of the input ends the last line.
// '0', '1', '2' are outcomes, and 'x' and 'X' stand for 0. Every other byte,
// CR and zero bytes included, is skipped, so a CR before LF needs no special
// case. Lines are read whole however long they are: only the limits of the
// table bound what one line may hold.
#include "system_reader.h"

#include <array>

namespace sysorient {
namespace {

enum : unsigned char { OUTCOME_MAX = 2, SKIP = 3, LINE_END = 4, END_MARK = 5 };

constexpr std::array<unsigned char, 256> make_classes()
{
    std::array<unsigned char, 256> classes{};
    // std::array::fill is not constexpr before C++20.
    for (unsigned char &c : classes)
        c = SKIP; // cppcheck-suppress useStlAlgorithm
    classes['0'] = 0;
    classes['x'] = 0;
    classes['X'] = 0;
    classes['1'] = 1;
    classes['2'] = 2;
    classes['\n'] = LINE_END;
    classes[0x1A] = END_MARK;
    return classes;
}

constexpr std::array<unsigned char, 256> CLASSES = make_classes();

constexpr std::size_t BLOCK_SIZE = std::size_t{1} << 17;

// Ends the current line. A line that held no outcome counts for nothing; in
// each orientation the line's own counter is nonzero exactly when it held one.
void close_line(system_table &table)
{
    if (table.line_is_tip_row != 0) {
        if (table.cur_game == 0)
            return;
        table.game_count = table.cur_game;
        table.cur_game = 0;
        table.tip_row_count = ++table.cur_tip_row;
    } else {
        if (table.cur_tip_row == 0)
            return;
        table.tip_row_count = table.cur_tip_row;
        table.cur_tip_row = 0;
        table.game_count = ++table.cur_game;
    }
}

// The limit checks come before the store, games first. Within one line only
// one index moves, so the other one's check is made once per line: the
// outcome index may run up to run_limit, which is 0 when the fixed index is
// already past its limit.
int scan_game_lines(system_table &table, const unsigned char *p, const unsigned char *end)
{
    for (;;) {
        const int game = table.cur_game;
        const int run_limit = game < MAX_GAMES ? MAX_TIP_ROWS : 0;
        std::int8_t *const row = table.cells + (game < MAX_GAMES ? cell_index(game, 0) : 0);
        int tip_row = table.cur_tip_row;
        unsigned c = SKIP;
        for (; p != end; ++p) {
            c = CLASSES[*p];
            if (c <= OUTCOME_MAX) {
                if (tip_row >= run_limit)
                    break;
                row[tip_row++] = static_cast<std::int8_t>(c);
            } else if (c != SKIP) {
                break;
            }
        }
        table.cur_tip_row = tip_row;
        if (p == end)
            return READ_OK;
        if (c <= OUTCOME_MAX)
            return game >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
        if (c == END_MARK)
            return SCAN_END_MARK;
        close_line(table);
        ++p;
    }
}

int scan_tip_row_lines(system_table &table, const unsigned char *p, const unsigned char *end)
{
    for (;;) {
        const int tip_row = table.cur_tip_row;
        const int run_limit = tip_row < MAX_TIP_ROWS ? MAX_GAMES : 0;
        int game = table.cur_game;
        unsigned c = SKIP;
        for (; p != end; ++p) {
            c = CLASSES[*p];
            if (c <= OUTCOME_MAX) {
                if (game >= run_limit)
                    break;
                table.cells[cell_index(game++, tip_row)] = static_cast<std::int8_t>(c);
            } else if (c != SKIP) {
                break;
            }
        }
        table.cur_game = static_cast<std::int8_t>(game);
        if (p == end)
            return READ_OK;
        if (c <= OUTCOME_MAX)
            return game >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
        if (c == END_MARK)
            return SCAN_END_MARK;
        close_line(table);
        ++p;
    }
}

} // namespace

int scan_block(system_table &table, const unsigned char *bytes, std::size_t count)
{
    const unsigned char *const end = bytes + count;
    return table.line_is_tip_row != 0 ? scan_tip_row_lines(table, bytes, end)
                                      : scan_game_lines(table, bytes, end);
}

void finish_input(system_table &table) { close_line(table); }

int read_system(system_table &table, byte_source source)
{
    static unsigned char block[BLOCK_SIZE];
    for (;;) {
        const std::ptrdiff_t count = source.read(source.context, block, sizeof block);
        if (count < 0)
            return READ_FAILED;
        if (count == 0)
            break;
        const int status = scan_block(table, block, static_cast<std::size_t>(count));
        if (status == SCAN_END_MARK)
            break;
        if (status != READ_OK)
            return status;
    }
    finish_input(table);
    return READ_OK;
}

} // namespace sysorient
