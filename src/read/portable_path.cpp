// The portable path: the input one byte at a time, each through a table of
// the byte classes that the input rules give. It runs on any processor, and
// it is the reference that the tests and the fuzzer hold the vector paths to.
#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "system_table.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace sysorient::portable {
namespace {

constexpr const std::array<unsigned char, 256> &CLASSES = BYTE_CLASSES;

// Stores an outcome at the current game and tip row, or returns the limit
// that it would break (the game limit first).
int store_outcome(system_table &table, unsigned value)
{
    if (table.cur_game >= MAX_GAMES)
        return READ_TOO_MANY_GAMES;
    if (table.cur_tip_row >= MAX_TIP_ROWS)
        return READ_TOO_MANY_TIP_ROWS;
    table.cells[cell_index(table.cur_game, table.cur_tip_row)] = static_cast<std::int8_t>(value);
    if (table.line_is_tip_row != 0)
        ++table.cur_game;
    else
        ++table.cur_tip_row;
    return READ_OK;
}

// At a line end: a line that held an outcome becomes the next tip row (or
// game), and sets the count of games (or tip rows). In each orientation the
// moving index is nonzero exactly when the line held an outcome.
void count_line(system_table &table)
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

} // namespace

int fill(system_table &table, tip_row_stage & /*unused*/, const unsigned char *bytes,
         std::size_t count)
{
    for (const unsigned char *p = bytes; p != bytes + count; ++p) {
        const unsigned cls = CLASSES[*p];
        if (cls <= OUTCOME_MAX) {
            const int status = store_outcome(table, cls);
            if (status != READ_OK)
                return status;
        } else if (cls == LINE_END) {
            count_line(table);
        } else if (cls == END_MARK_CLASS) {
            return FILL_END_MARK;
        }
    }
    return READ_OK;
}

void finish(system_table & /*unused*/, tip_row_stage & /*unused*/) {}

// Narrows units UTF-16 code units at from to one byte each at to (in place
// if they are the same): an ASCII code unit to its character, any other to
// a byte the rules skip.
void narrow_utf16(unsigned char *to, const unsigned char *from, std::size_t units, bool big_endian)
{
    constexpr unsigned char NOT_ASCII = 0x80;
    const std::size_t high = big_endian ? 0 : 1;
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned char low = from[2 * i + 1 - high];
        to[i] = from[2 * i + high] == 0 && low < 0x80 ? low : NOT_ASCII;
    }
}

const char *identity() { return "portable"; }

} // namespace sysorient::portable
