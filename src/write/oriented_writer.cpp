// Writing the oriented file from the system table.
#include "write/oriented_writer.h"

namespace sysorient {

int write_oriented(const system_table &table, byte_sink sink)
{
    static char line[1 + MAX_TIP_ROWS + 2];
    const int tip_rows = table.tip_row_count;
    line[0] = '_';
    line[1 + tip_rows] = '\r';
    line[2 + tip_rows] = '\n';
    const auto length = static_cast<std::size_t>(tip_rows) + 3;
    for (int game = 0; game < table.game_count; ++game) {
        const std::int8_t *cells = table.cells + cell_index(game, 0);
        for (int t = 0; t < tip_rows; ++t)
            line[1 + t] = static_cast<char>('0' + cells[t]);
        if (sink.write(sink.context, line, length) != WRITE_OK)
            return WRITE_FAILED;
    }
    return WRITE_OK;
}

} // namespace sysorient
