// The system table: the outcomes of up to MAX_GAMES games across up to
// MAX_TIP_ROWS tip rows, with the counters that the reader fills in and the
// writer reads. A run has exactly one table; it is owned by the driver and
// passed by reference to whatever needs it.
#ifndef SYSORIENT_SYSTEM_TABLE_H
#define SYSORIENT_SYSTEM_TABLE_H

#include <cstdint>
#include <cstring>

namespace sysorient {

constexpr int MAX_GAMES = 15;
constexpr int MAX_TIP_ROWS = 20000;

struct system_table {
    std::int8_t cur_game;         // game that the next outcome goes to
    std::int8_t game_count;       // games held
    std::int32_t cur_tip_row;     // tip row that the next outcome goes to
    std::int32_t tip_row_count;   // tip rows held
    std::int32_t line_is_tip_row; // 0: an input line is a game; 1: a tip row
    // Game by game: all tip rows of game 0, then those of game 1, and so on.
    // A cell holds 0, 1 or 2; one never filled holds 0.
    std::int8_t cells[MAX_GAMES * MAX_TIP_ROWS];
};

inline int cell_index(int game, int tip_row) { return game * MAX_TIP_ROWS + tip_row; }

// Back to the state at program start: every cell and counter zero,
// game-per-line orientation.
inline void clear_table(system_table &table) { std::memset(&table, 0, sizeof table); }

} // namespace sysorient

#endif
