// Microbenchmarks of the core: the reader fed from memory in the program's
// own block size, on each path the processor has, and the writer
// composing the full table. Throughput is in bytes of input (reader) or
// output (writer) per second.
#include "bench_inputs.h"
#include "memory_source.h"
#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "write/oriented_writer.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace sysorient::bench {
namespace {

constexpr std::size_t BLOCK = std::size_t{1} << 17; // as the program reads

system_table table;

int read_in_blocks(const std::string &input, bool tip_rows, read_path path)
{
    clear_table(table);
    table.line_is_tip_row = tip_rows ? 1 : 0;
    memory_source source{reinterpret_cast<const unsigned char *>(input.data()), input.size(), BLOCK,
                         0};
    return read_system(table, byte_source{read_memory, &source}, path);
}

void bench_read(benchmark::State &state, const system_file &input, read_path path)
{
    for (auto _ : state) {
        const int status = read_in_blocks(input.bytes, input.tip_rows, path);
        if (status != READ_OK)
            state.SkipWithError("the input did not read");
        benchmark::DoNotOptimize(table.cells);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.bytes.size()));
}

const system_file &input(const char *name)
{
    static const std::vector<system_file> inputs = [] {
        std::vector<system_file> all;
        for (const bool tip_rows : {true, false})
            for (const bool spaced : {true, false})
                all.push_back(full_system_file(layout{}.tip_rows(tip_rows).spaced(spaced)));
        all.push_back({"junk-8mb", false, junk_text(8 * 1000 * 1000)});
        return all;
    }();
    for (const system_file &f : inputs)
        if (f.name == name)
            return f;
    std::abort();
}

void register_reads()
{
    for (const char *name :
         {"tip-rows-spaced", "tip-rows-dense", "games-dense", "games-spaced", "junk-8mb"})
        for (const path_entry &entry : path_table())
            if (entry.runs_here())
                benchmark::RegisterBenchmark(
                    (std::string("read/") + name + "/" + entry.name).c_str(),
                    [name, path = entry.path](benchmark::State &state) {
                        bench_read(state, input(name), path);
                    });
}

int discard(void *context, const char *bytes, std::size_t count)
{
    std::memcpy(context, bytes, count);
    return WRITE_OK;
}

void write_full_table(benchmark::State &state)
{
    if (read_in_blocks(input("games-dense").bytes, false, read_path::fastest) != READ_OK)
        state.SkipWithError("the input did not read");
    static char line[MAX_TIP_ROWS + 3];
    for (auto _ : state) {
        write_oriented(table, byte_sink{discard, line});
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * MAX_GAMES * (MAX_TIP_ROWS + 3));
}

} // namespace
} // namespace sysorient::bench

int main(int argc, char **argv)
{
    sysorient::bench::register_reads();
    benchmark::RegisterBenchmark("write/full-table", sysorient::bench::write_full_table);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
