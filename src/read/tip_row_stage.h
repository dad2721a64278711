// Tip rows on their way into the table. In tip-row-per-line input the vector
// paths store each line's outcomes as one row of this stage, with a few
// vector stores, and every 16 rows go into the table at once, turned into
// 16 neighbouring cells of each game. Written straight into the table, each
// outcome would land MAX_TIP_ROWS cells away from the one before it. Each
// vector path has its own transpose (move_stage_rows), in its own namespace.
#ifndef SYSORIENT_TIP_ROW_STAGE_H
#define SYSORIENT_TIP_ROW_STAGE_H

#include "system_table.h"

#include <cstdint>

namespace sysorient {

struct tip_row_stage {
    static constexpr int ROWS = 16;
    // A row holds at most MAX_GAMES outcomes; a 16-byte store at any of
    // them must stay inside the row.
    static constexpr int ROW_BYTES = 32;
    // Row r holds the tip row whose index is r modulo ROWS. Past its
    // outcomes a row holds zeros once its line is finished.
    alignas(16) std::int8_t rows[ROWS][ROW_BYTES];
};

static_assert(MAX_TIP_ROWS % tip_row_stage::ROWS == 0,
              "the tip-row limit falls on the end of a stage");
static_assert(MAX_GAMES < 16, "a row of the stage is one 16-byte vector");

} // namespace sysorient

#endif
