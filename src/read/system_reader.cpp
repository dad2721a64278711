// Reading a system file into the system table: the input rules, the read
// loop with its decoding of UTF-16, and the choice of the path that this
// build and processor run best. The paths are in portable_path.cpp (byte by
// byte), x86_path.cpp and generic_path.cpp (64 bytes at a time).
//
// Input rules: a line ends at LF; the byte 0x1A ends the input and what stands
// before it on its line still counts; the end of the input ends the last line.
// '0', '1', '2' are outcomes, and 'x' and 'X' stand for 0. Every other byte,
// CR and zero bytes included, is skipped, so a CR before LF needs no special
// case. Lines are read whole however long they are: only the limits of the
// table bound what one line may hold.
//
// A file that begins with the UTF-16 byte-order mark (FF FE little-endian,
// FE FF big-endian) is UTF-16: each code unit below 0x80 is that ASCII
// character under the same rules, and every other code unit, surrogates
// included, is skipped. The mark counts for nothing and an odd last byte is
// ignored. Read byte by byte, a letter such as U+041A (bytes 1A 04) would end
// the input. Every other file, UTF-8 included, is read byte by byte.
#include "read/system_reader.h"

#include "read/byte_classes.h"
#include "read/fill_paths.h"
#include "read/tip_row_stage.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace sysorient {
namespace {

constexpr std::size_t BLOCK_SIZE = std::size_t{1} << 17;

// --- The table of paths ---

bool always() { return true; }

#if defined(SYSORIENT_AVX2_PATH)
// 1 or 0 once the processor was asked, at the first read. A plain variable:
// a guarded local static would bring in the C++ runtime library and its
// start-up cost for this one bit; the reader runs on one thread.
int avx2_answer = -1;

bool processor_has_avx2()
{
    if (avx2_answer < 0)
        avx2_answer = __builtin_cpu_supports("avx2") ? 1 : 0;
    return avx2_answer == 1;
}
#endif

// clang-format off
#define SYSORIENT_FUNCTIONS_OF(ns) {ns::fill, ns::finish, ns::narrow_utf16, ns::identity}
// clang-format on

// The paths this build has, fastest first; read_path::fastest is the first
// that runs here. On x86-64 the generic path is there only in developer
// builds, for the tests, and comes after SSE2, which every x86-64 processor
// runs. A new path is one entry here.
constexpr path_entry PATHS[] = {
#if defined(SYSORIENT_AVX2_PATH)
    {read_path::avx2, "AVX2", processor_has_avx2, SYSORIENT_FUNCTIONS_OF(avx2)},
#endif
#if defined(SYSORIENT_SSE2_PATH)
    {read_path::sse2, "SSE2", always, SYSORIENT_FUNCTIONS_OF(sse2)},
#endif
#if defined(SYSORIENT_GENERIC_PATH)
    {read_path::generic, "vector-type", always, SYSORIENT_FUNCTIONS_OF(generic)},
#endif
    {read_path::portable, "portable", always, SYSORIENT_FUNCTIONS_OF(portable)},
};

#undef SYSORIENT_FUNCTIONS_OF

// The entry of the path, or nullptr if this build does not have it or this
// processor cannot run it.
const path_entry *entry_of(read_path path)
{
    const path_entry *const end = PATHS + sizeof PATHS / sizeof PATHS[0];
    const path_entry *e = std::find_if(PATHS, end, [path](const path_entry &p) {
        return (path == read_path::fastest || p.path == path) && p.runs_here();
    });
    return e == end ? nullptr : e;
}

// --- Encodings ---

enum class encoding { undecided, bytes, utf16le, utf16be };

encoding encoding_of(unsigned char first, unsigned char second)
{
    if (first == 0xFF && second == 0xFE)
        return encoding::utf16le;
    if (first == 0xFE && second == 0xFF)
        return encoding::utf16be;
    return encoding::bytes;
}

// What the read loop knows between blocks: the encoding, once the first two
// bytes told it, and a byte held back for the next block (the first byte of
// the input, or the first of a code unit that the block boundary split).
struct decoder {
    encoding enc = encoding::undecided;
    std::size_t held_count = 0;
    unsigned char held = 0;
};

// Bytes ready for a fill, and the UTF-16 code units they were narrowed
// from (for a watcher), or nullptr.
struct text {
    const unsigned char *bytes;
    std::size_t count;
    const unsigned char *units;
};

// In front of each block, room for a held byte (64, to keep the block
// aligned); behind it, room for the vector paths to read past the text.
constexpr std::size_t HELD_ROOM = 64;
alignas(64) unsigned char block_buffer[HELD_ROOM + BLOCK_SIZE + FILL_OVERREAD];
constexpr std::size_t BLOCK_CAPACITY = sizeof block_buffer - HELD_ROOM - FILL_OVERREAD;

// With a watcher, blocks of half the size: a UTF-16 block is narrowed into
// narrow_buffer, and its code units stay as they are for the watcher; memory
// holds no more than without a watcher.
constexpr std::size_t WATCHED_CAPACITY = BLOCK_CAPACITY / 2;
alignas(64) unsigned char narrow_buffer[WATCHED_CAPACITY / 2 + 1 + FILL_OVERREAD];

// One reading: what it fills, where its bytes come from, how it goes
// through them, who watches, and what the read loop knows between blocks.
struct read_run {
    system_table &table;
    tip_row_stage &stage;
    byte_source source;
    const path_functions &path;
    const text_watcher *watcher;
    decoder d;
};

// Makes text of the count bytes just read at block, with the held byte put in
// front of them (block has room for it). UTF-16 is narrowed in place, after
// the watcher, if any, has seen its code units.
text decode(read_run &run, unsigned char *block, std::size_t count)
{
    decoder &d = run.d;
    unsigned char *bytes = block;
    std::size_t n = count;
    if (d.held_count != 0) {
        *--bytes = d.held;
        ++n;
        d.held_count = 0;
    }
    if (d.enc == encoding::undecided) {
        if (n < 2) {
            d.held = bytes[0];
            d.held_count = 1;
            return {bytes, 0, nullptr};
        }
        d.enc = encoding_of(bytes[0], bytes[1]);
        const std::size_t mark = d.enc == encoding::bytes ? 0 : 2;
        bytes += mark;
        n -= mark;
    }
    if (d.enc == encoding::bytes)
        return {bytes, n, nullptr};
    if (n % 2 != 0) {
        d.held = bytes[n - 1];
        d.held_count = 1;
    }
    const bool big_endian = d.enc == encoding::utf16be;
    if (run.watcher == nullptr) {
        run.path.narrow(bytes, bytes, n / 2, big_endian);
        return {bytes, n / 2, nullptr};
    }
    run.path.narrow(narrow_buffer, bytes, n / 2, big_endian);
    return {narrow_buffer, n / 2, bytes};
}

// At the end of the input: a lone first byte is text, half a code unit is not.
text leftover(const read_run &run, unsigned char *block)
{
    const decoder &d = run.d;
    block[0] = d.held;
    if (d.enc == encoding::undecided)
        return {block, d.held_count, nullptr};
    return {block, 0, d.enc == encoding::bytes ? nullptr : block};
}

// --- The read loop ---

// Tells the watcher, if any, how the watching ended.
void end_watch(const read_run &run, watch_end how)
{
    const decoder &d = run.d;
    const bool utf16 = d.enc == encoding::utf16le || d.enc == encoding::utf16be;
    const bool odd = how == watch_end::whole && utf16 && d.held_count != 0;
    if (run.watcher != nullptr)
        run.watcher->end(run.watcher->context, how, odd ? d.held : -1);
}

// Hands the text to the watcher, if any, with its code units if it is UTF-16.
void watch(const read_run &run, const text &t)
{
    if (run.watcher == nullptr)
        return;
    run.watcher->text(run.watcher->context,
                      watched_text{t.bytes, t.count, t.units, run.d.enc == encoding::utf16be});
}

// After the reader is done: whether the watcher has seen enough. Past
// WATCH_PAST_READING bytes, a read that still finds input ends it.
bool watched_enough(const read_run &run, std::int64_t past)
{
    if (run.watcher == nullptr)
        return true;
    if (past < WATCH_PAST_READING)
        return false;
    const std::ptrdiff_t more = run.source.read(run.source.context, block_buffer, 1);
    end_watch(run, more > 0    ? watch_end::bounded
                   : more == 0 ? watch_end::whole
                               : watch_end::read_error);
    return true;
}

// Fills the table block by block until the end of the input, the end mark,
// a limit or a read error; returns READ_OK for the first two. With a
// watcher, reads on, filling no more, to the end of the input or
// WATCH_PAST_READING bytes further.
int fill_blocks(read_run &run)
{
    unsigned char *const block = block_buffer + HELD_ROOM;
    int status = READ_OK;
    std::int64_t past = -1; // bytes read after the reader was done
    for (;;) {
        const std::ptrdiff_t count = run.source.read(
            run.source.context, block, run.watcher != nullptr ? WATCHED_CAPACITY : BLOCK_CAPACITY);
        if (count < 0) {
            end_watch(run, watch_end::read_error);
            return past < 0 ? READ_FAILED : status;
        }
        const text t =
            count == 0 ? leftover(run, block) : decode(run, block, static_cast<std::size_t>(count));
        watch(run, t);
        if (past < 0) {
            const int fill_status = run.path.fill(run.table, run.stage, t.bytes, t.count);
            if (fill_status != READ_OK) {
                past = 0;
                status = fill_status == FILL_END_MARK ? READ_OK : fill_status;
            }
        } else {
            past += count;
        }
        if (count == 0) {
            end_watch(run, watch_end::whole);
            return status;
        }
        if (past >= 0 && watched_enough(run, past))
            return status;
    }
}

// The end of the input, or the end mark, ends the last line.
int read_with(system_table &table, byte_source source, read_path path, const text_watcher *watcher)
{
    const path_entry *entry = entry_of(path);
    if (entry == nullptr)
        return READ_FAILED;
    const path_functions &functions = entry->functions;
    tip_row_stage stage{};
    read_run run{table, stage, source, functions, watcher, decoder{}};
    int status = fill_blocks(run);
    if (status == READ_OK) {
        alignas(16) static unsigned char line_end[1 + FILL_OVERREAD] = {LINE_END_BYTE};
        status = functions.fill(table, stage, line_end, 1);
    }
    functions.finish(table, stage);
    return status;
}

} // namespace

path_table_range path_table() { return {PATHS, PATHS + sizeof PATHS / sizeof PATHS[0]}; }

const path_entry *path_entry_of(read_path path) { return entry_of(path); }

bool read_path_available(read_path path) { return entry_of(path) != nullptr; }

const char *read_path_name(read_path path)
{
    const path_entry *entry = entry_of(path);
    return entry == nullptr ? nullptr : entry->name;
}

int read_system(system_table &table, byte_source source, read_path path)
{
    return read_with(table, source, path, nullptr);
}

int read_system_watched(system_table &table, byte_source source, const text_watcher &watcher,
                        read_path path)
{
    return read_with(table, source, path, &watcher);
}

} // namespace sysorient
