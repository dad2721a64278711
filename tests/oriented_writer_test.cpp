// The writer, writing into memory.
#include "write/oriented_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sysorient {
namespace {

// Collects each write as one string; fails the write numbered fail_at.
struct memory_sink {
    std::vector<std::string> writes;
    std::size_t fail_at = static_cast<std::size_t>(-1);
};

int write_memory(void *context, const char *bytes, std::size_t count)
{
    auto &sink = *static_cast<memory_sink *>(context);
    sink.writes.emplace_back(bytes, count);
    return sink.writes.size() == sink.fail_at ? WRITE_FAILED : WRITE_OK;
}

system_table &table_of(const std::vector<std::string> &games)
{
    static system_table table;
    clear_table(table);
    table.game_count = static_cast<std::int8_t>(games.size());
    table.tip_row_count = games.empty() ? 0 : static_cast<int>(games[0].size());
    for (std::size_t g = 0; g < games.size(); ++g)
        for (std::size_t t = 0; t < games[g].size(); ++t)
            table.cells[cell_index(static_cast<int>(g), static_cast<int>(t))] =
                static_cast<std::int8_t>(games[g][t] - '0');
    return table;
}

TEST(OrientedWriter, OneLinePerGameInOneWrite)
{
    memory_sink sink;
    EXPECT_EQ(write_oriented(table_of({"10", "01", "21"}), byte_sink{write_memory, &sink}),
              WRITE_OK);
    EXPECT_EQ(sink.writes, (std::vector<std::string>{"_10\r\n", "_01\r\n", "_21\r\n"}));
}

TEST(OrientedWriter, NoGamesNoWrites)
{
    memory_sink sink;
    EXPECT_EQ(write_oriented(table_of({}), byte_sink{write_memory, &sink}), WRITE_OK);
    EXPECT_TRUE(sink.writes.empty());
}

TEST(OrientedWriter, GamesWithoutTipRows)
{
    system_table &table = table_of({});
    table.game_count = 2;
    memory_sink sink;
    EXPECT_EQ(write_oriented(table, byte_sink{write_memory, &sink}), WRITE_OK);
    EXPECT_EQ(sink.writes, (std::vector<std::string>{"_\r\n", "_\r\n"}));
}

TEST(OrientedWriter, FullTable)
{
    std::vector<std::string> games;
    for (int g = 0; g < MAX_GAMES; ++g)
        games.emplace_back(MAX_TIP_ROWS, static_cast<char>('0' + g % 3));
    memory_sink sink;
    EXPECT_EQ(write_oriented(table_of(games), byte_sink{write_memory, &sink}), WRITE_OK);
    ASSERT_EQ(sink.writes.size(), games.size());
    for (std::size_t g = 0; g < games.size(); ++g)
        EXPECT_EQ(sink.writes[g], "_" + games[g] + "\r\n");
}

TEST(OrientedWriter, StopsAtTheFirstFailedWrite)
{
    memory_sink sink;
    sink.fail_at = 2;
    EXPECT_EQ(write_oriented(table_of({"1", "2", "0"}), byte_sink{write_memory, &sink}),
              WRITE_FAILED);
    EXPECT_EQ(sink.writes.size(), 2U);
}

} // namespace
} // namespace sysorient
