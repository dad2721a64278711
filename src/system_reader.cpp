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
#include <cstring>
#include <utility>

// The vector path needs only SSE2, which every x86-64 processor has; other
// targets, and builds with SYSORIENT_PORTABLE, use the byte-by-byte path.
#if defined(__SSE2__) && !defined(SYSORIENT_PORTABLE)
#include <emmintrin.h>
#define SYSORIENT_SSE2 1
#else
#define SYSORIENT_SSE2 0
#endif

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

// What a scan returns when it met the end mark; no byte after it is read.
constexpr int SCAN_END_MARK = 3;

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

// Where the next outcome of the current line goes. Within a line only one
// index moves (the tip row in game-per-line input, the game in tip-row-per-
// line input), by STRIDE cells per outcome; the other is fixed, so its limit
// is checked once per line: `left` is 0 when the fixed index is already past
// its own limit.
// The next cell is kept as an index: after the last outcome of a tip row it
// lies past the table, where a pointer may not point.
struct line_cursor {
    std::int8_t *cells;
    std::ptrdiff_t next; // index of the cell of the next outcome
    int left;            // outcomes the line may still take
    int limit;           // the moving index's limit, or 0 (then it is 0 too)
};

template <bool TipRows> constexpr int STRIDE = TipRows ? MAX_TIP_ROWS : 1;

template <bool TipRows> line_cursor load_cursor(system_table &table)
{
    const int fixed = TipRows ? table.cur_tip_row : table.cur_game;
    const int moving = TipRows ? table.cur_game : table.cur_tip_row;
    const int fixed_limit = TipRows ? MAX_TIP_ROWS : MAX_GAMES;
    const int moving_limit = TipRows ? MAX_GAMES : MAX_TIP_ROWS;
    // Past its limit the fixed index takes no outcome, so moving is still 0.
    if (fixed >= fixed_limit)
        return {table.cells, 0, 0, 0};
    const int start = TipRows ? fixed : cell_index(fixed, 0);
    return {table.cells, start + moving * STRIDE<TipRows>, moving_limit - moving, moving_limit};
}

int moving_index(const line_cursor &c) { return c.limit - c.left; }

template <bool TipRows> void store_cursor(system_table &table, const line_cursor &c)
{
    if (TipRows)
        table.cur_game = static_cast<std::int8_t>(moving_index(c));
    else
        table.cur_tip_row = moving_index(c);
}

// The result for an outcome that found no room left. The game limit is
// checked first, as it would be outcome by outcome.
template <bool TipRows> int limit_result(const system_table &table, const line_cursor &c)
{
    const int game = TipRows ? moving_index(c) : table.cur_game;
    return game >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
}

// Stores one outcome; false when the line has no room left.
template <bool TipRows> inline bool put(line_cursor &c, unsigned value)
{
    if (c.left == 0)
        return false;
    --c.left;
    c.cells[c.next] = static_cast<std::int8_t>(value);
    c.next += STRIDE<TipRows>;
    return true;
}

template <bool TipRows> void end_line(system_table &table, line_cursor &c)
{
    store_cursor<TipRows>(table, c);
    close_line(table);
    c = load_cursor<TipRows>(table);
}

// The scanners work on local copies of the cursor and the input position and
// hand them back at the end: a store through an int8_t pointer may alias any
// object whose address is known, and would otherwise force a reload of both
// after every stored outcome.

// Byte by byte through the class table: the portable path, and the tail of
// a block for the vector path.
template <bool TipRows>
int scan_bytes(system_table &table, line_cursor &cursor, const unsigned char *&pos,
               const unsigned char *end)
{
    line_cursor c = cursor;
    const unsigned char *p = pos;
    int status = READ_OK;
    for (; p != end; ++p) {
        const unsigned cls = CLASSES[*p];
        if (cls <= OUTCOME_MAX) {
            if (!put<TipRows>(c, cls)) {
                status = limit_result<TipRows>(table, c);
                break;
            }
        } else if (cls == LINE_END) {
            end_line<TipRows>(table, c);
        } else if (cls == END_MARK) {
            status = SCAN_END_MARK;
            break;
        }
    }
    cursor = c;
    pos = p;
    return status;
}

#if SYSORIENT_SSE2
constexpr int CHUNK = 32;

// Stores N outcomes taken every Step bytes from values, unrolled: a run of
// outcomes side by side (dense input) or one byte apart (single-spaced
// input) costs two instructions an outcome.
template <bool TipRows, int Step, int N>
void copy_run(std::int8_t *next, const unsigned char *values)
{
    if constexpr (N > 0) {
        copy_run<TipRows, Step, N - 1>(next, values);
        constexpr std::ptrdiff_t to = (N - 1) * std::ptrdiff_t{STRIDE<TipRows>};
        constexpr std::ptrdiff_t from = (N - 1) * std::ptrdiff_t{Step};
        next[to] = static_cast<std::int8_t>(values[from]);
    }
}

using run_copier = void (*)(std::int8_t *, const unsigned char *);

template <bool TipRows, int Step, std::size_t... N>
constexpr std::array<run_copier, sizeof...(N)> make_copiers(std::index_sequence<N...> /*counts*/)
{
    return {copy_run<TipRows, Step, static_cast<int>(N)>...};
}

// Indexed by the number of outcomes in the run.
template <bool TipRows>
constexpr auto COPY_ADJACENT = make_copiers<TipRows, 1>(std::make_index_sequence<CHUNK + 1>());
template <bool TipRows>
constexpr auto COPY_ONE_APART = make_copiers<TipRows, 2>(std::make_index_sequence<CHUNK / 2 + 1>());

// The length of a run that starts at bit 0, if its outcomes stand side by
// side or one byte apart (step set to 1 or 2); otherwise 0.
inline int regular_run(std::uint32_t shape, int &step)
{
    if ((shape & (shape + 1)) == 0) { // 0b0111
        step = 1;
        return shape == ~0U ? CHUNK : __builtin_ctz(shape + 1);
    }
    const std::uint32_t spread = shape | shape >> 1; // 0b10101 -> 0b11111
    if ((shape & shape >> 1) == 0 && (spread & (spread + 1)) == 0) {
        step = 2;
        return (__builtin_ctz(spread + 1) + 1) / 2;
    }
    return 0;
}

// Walks one chunk by its masks: runs of outcomes up to each line end or end
// mark, in input order. Returns the chunk offset where the scan must stop
// (with status set), or CHUNK.
template <bool TipRows>
int walk_chunk(system_table &table, line_cursor &c, const unsigned char *p,
               const unsigned char *values, std::uint32_t outcomes, std::uint32_t specials,
               int &status)
{
    for (;;) {
        const std::uint32_t before = specials != 0 ? (specials & (0U - specials)) - 1 : ~0U;
        std::uint32_t run = outcomes & before;
        if (run != 0) {
            const int first = __builtin_ctz(run);
            int step = 0;
            const int count = regular_run(run >> first, step);
            if (count != 0 && count <= c.left) {
                (step == 1 ? COPY_ADJACENT<TipRows>[static_cast<std::size_t>(count)]
                           : COPY_ONE_APART<TipRows>[static_cast<std::size_t>(count)])(
                    c.cells + c.next, values + first);
                c.next += count * STRIDE<TipRows>;
                c.left -= count;
                run = 0;
            }
        }
        for (; run != 0; run &= run - 1) {
            const int i = __builtin_ctz(run);
            if (!put<TipRows>(c, values[i])) {
                status = limit_result<TipRows>(table, c);
                return i;
            }
        }
        if (specials == 0)
            return CHUNK;
        const int i = __builtin_ctz(specials);
        if (p[i] != '\n') {
            status = SCAN_END_MARK;
            return i;
        }
        end_line<TipRows>(table, c);
        outcomes &= ~before;
        specials &= specials - 1;
    }
}

struct chunk_masks {
    std::uint32_t outcomes;
    std::uint32_t specials;
};

// Classifies 16 bytes into their two masks and stores their outcome values
// (0 for x and X, and for bytes that are no outcome).
inline chunk_masks classify(const unsigned char *p, unsigned char *values)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
    const __m128i digit = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i is_digit = _mm_cmpeq_epi8(_mm_min_epu8(digit, _mm_set1_epi8(2)), digit);
    const __m128i is_x =
        _mm_cmpeq_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x20)), _mm_set1_epi8('x'));
    const __m128i is_special = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                            _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x1A)));
    _mm_store_si128(reinterpret_cast<__m128i *>(values), _mm_and_si128(digit, is_digit));
    return {static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_or_si128(is_digit, is_x))),
            static_cast<std::uint32_t>(_mm_movemask_epi8(is_special))};
}

// CHUNK bytes at a time: one mask of outcomes and one of line ends and end
// marks. A chunk with neither is skipped whole; in game-per-line input a
// chunk of outcomes only is stored whole; any other chunk is walked.
template <bool TipRows>
int scan_chunks(system_table &table, line_cursor &cursor, const unsigned char *&pos,
                const unsigned char *end)
{
    alignas(16) unsigned char values[CHUNK];
    line_cursor c = cursor;
    const unsigned char *p = pos;
    int status = READ_OK;
    for (; end - p >= CHUNK; p += CHUNK) {
        const chunk_masks low = classify(p, values);
        const chunk_masks high = classify(p + 16, values + 16);
        const std::uint32_t outcomes = low.outcomes | high.outcomes << 16;
        const std::uint32_t specials = low.specials | high.specials << 16;
        if ((outcomes | specials) == 0)
            continue;
        if (!TipRows && outcomes == ~0U && c.left >= CHUNK) {
            std::memcpy(c.cells + c.next, values, CHUNK);
            c.next += CHUNK;
            c.left -= CHUNK;
            continue;
        }
        const int stop = walk_chunk<TipRows>(table, c, p, values, outcomes, specials, status);
        if (stop < CHUNK) {
            p += stop;
            break;
        }
    }
    cursor = c;
    pos = p;
    return status;
}
#endif

template <bool TipRows, bool Vector>
int scan_lines(system_table &table, const unsigned char *p, const unsigned char *end)
{
    line_cursor c = load_cursor<TipRows>(table);
    int status = READ_OK;
#if SYSORIENT_SSE2
    if (Vector)
        status = scan_chunks<TipRows>(table, c, p, end);
#endif
    if (status == READ_OK)
        status = scan_bytes<TipRows>(table, c, p, end);
    store_cursor<TipRows>(table, c);
    return status;
}

template <bool Vector> int scan(system_table &table, const unsigned char *bytes, std::size_t count)
{
    const unsigned char *const end = bytes + count;
    return table.line_is_tip_row != 0 ? scan_lines<true, Vector>(table, bytes, end)
                                      : scan_lines<false, Vector>(table, bytes, end);
}

} // namespace

int scan_block(system_table &table, const unsigned char *bytes, std::size_t count)
{
    return scan<SYSORIENT_SSE2 != 0>(table, bytes, count);
}

int scan_block_portable(system_table &table, const unsigned char *bytes, std::size_t count)
{
    return scan<false>(table, bytes, count);
}

std::ptrdiff_t read_memory(void *context, unsigned char *buf, std::size_t cap)
{
    auto &source = *static_cast<memory_source *>(context);
    std::size_t count = source.size - source.pos;
    count = count < cap ? count : cap;
    count = count < source.block ? count : source.block;
    std::memcpy(buf, source.data + source.pos, count);
    source.pos += count;
    return static_cast<std::ptrdiff_t>(count);
}

int read_system(system_table &table, byte_source source, block_scanner scan)
{
    static unsigned char block[BLOCK_SIZE];
    for (;;) {
        const std::ptrdiff_t count = source.read(source.context, block, sizeof block);
        if (count < 0)
            return READ_FAILED;
        if (count == 0)
            break;
        const int status = scan(table, block, static_cast<std::size_t>(count));
        if (status == SCAN_END_MARK)
            break;
        if (status != READ_OK)
            return status;
    }
    close_line(table); // the last line may lack its line end
    return READ_OK;
}

} // namespace sysorient
