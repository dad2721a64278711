// The reader's vector paths: the input 64 bytes at a time, each chunk
// classified into two bit masks (outcomes; line ends and end marks) and its
// outcomes stored run by run, a run of outcomes side by side or one byte
// apart with a few vector instructions.
//
// This file is built twice: as it stands for SSE2, and with -mavx2 for AVX2.
// Everything but the entry points at the end is in an anonymous namespace,
// and nothing inline from our other headers is used, so that no function
// compiled for AVX2 can stand in for a plain one at link time.
#include "vector_fill.h"

#include <cstdint>
#include <cstring>

#if defined(__AVX2__)
#include <immintrin.h>
#else
#include <emmintrin.h>
#endif

namespace sysorient {
namespace {

constexpr int CHUNK = 64;
constexpr char END_MARK = 0x1A;

// Bit i of a mask stands for byte i of a chunk.
struct chunk_masks {
    std::uint64_t outcomes; // '0', '1', '2', 'x' and 'X'
    std::uint64_t specials; // line ends and end marks
};

// A worked example, with 32 bytes instead of 64 and bit 0 on the left:
//
//   bytes     1 _ x _ 2 \r \n M e x i k o _ 1 \n 2 1 x 0 \n _ _ _ 1 _ _ _ 2 \x1a 0 \n
//   outcomes  1 0 1 0 1 0  0  0 0 1 0 0 0 0 1 0  1 1 1 1 0  0 0 0 1 0 0 0 1 0    1 0
//   specials  0 0 0 0 0 0  1  0 0 0 0 0 0 0 0 1  0 0 0 0 1  0 0 0 0 0 0 0 0 1    0 1
//
// The bits below the lowest special (0..5) pick the first line's run: bits
// 0, 2 and 4, one byte apart, so one pack stores 1, 0, 2. The line end at 6
// finishes the line. Below the next special (15) lie bits 9 and 14: not
// regular, so they are stored one by one (0 from the x of "Mexiko", then 1).
// Bits 16 to 19 are side by side: one copy stores 2, 1, 0, 0. Bits 24 and
// 28 are four apart: one by one again. The special at 29 is the end mark:
// reading stops there, and the 0 after it is never stored.

// --- Bit tricks, each named for what it tests or yields ---

// Index of the lowest set bit; the mask must not be 0.
inline int lowest_bit(std::uint64_t mask) { return __builtin_ctzll(mask); }

// The bits below the lowest set bit, or all bits if none is set: 0b10100 -> 0b00011.
inline std::uint64_t bits_below_lowest(std::uint64_t mask) { return (mask & (0 - mask)) - 1; }

// Whether the set bits are one block from bit 0: 0b0111 is, 0b0101 is not.
inline bool is_solid(std::uint64_t shape) { return (shape & (shape + 1)) == 0; }

// How many bits a solid shape holds: 0b0111 -> 3.
inline int solid_length(std::uint64_t shape)
{
    return shape == ~std::uint64_t{0} ? CHUNK : lowest_bit(shape + 1);
}

// Whether no two set bits are neighbours: 0b0101 has none, 0b0110 has.
inline bool has_no_neighbours(std::uint64_t shape) { return (shape & shape >> 1) == 0; }

// The shape with each gap of one bit filled: 0b10101 -> 0b11111.
inline std::uint64_t gaps_filled(std::uint64_t shape) { return shape | shape >> 1; }

// The first n bits: 3 -> 0b0111. n is below 64.
inline std::uint64_t first_bits(std::ptrdiff_t n) { return (std::uint64_t{1} << n) - 1; }

// The value of an outcome character is in its low two bits: '0' 0x30,
// '1' 0x31, '2' 0x32, 'x' 0x78, 'X' 0x58.
inline std::int8_t outcome_value(unsigned char c) { return static_cast<std::int8_t>(c & 3); }

// How a run of outcomes lies, from its first outcome (bit 0) on.
enum class run_kind { side_by_side, one_apart, scattered };
struct run_shape {
    run_kind kind;
    int length; // outcomes in the run, unless scattered
};

inline run_shape shape_of(std::uint64_t shape)
{
    if (is_solid(shape))
        return {run_kind::side_by_side, solid_length(shape)};
    if (has_no_neighbours(shape) && is_solid(gaps_filled(shape)))
        return {run_kind::one_apart, (solid_length(gaps_filled(shape)) + 1) / 2};
    return {run_kind::scattered, 0};
}

// --- 16-byte vectors: SSE2, which both builds have ---

inline __m128i load16(const unsigned char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}
inline void store16(std::int8_t *p, __m128i v)
{
    _mm_storeu_si128(reinterpret_cast<__m128i *>(p), v);
}

// Stores the values of the N outcome characters side by side at from.
template <int N> void copy_side_by_side_16(std::int8_t *to, const unsigned char *from)
{
    for (int i = 0; i < N; i += 16)
        store16(to + i, _mm_and_si128(load16(from + i), _mm_set1_epi8(3)));
}

// Stores the values of N outcome characters one byte apart, read from 2N
// bytes: each 16-bit pair keeps its first byte's value, and a pack narrows
// the pairs to bytes.
template <int N> void copy_one_apart_16(std::int8_t *to, const unsigned char *from)
{
    for (std::ptrdiff_t i = 0; i < N; i += 16) {
        const __m128i a = _mm_and_si128(load16(from + 2 * i), _mm_set1_epi16(3));
        const __m128i b = _mm_and_si128(load16(from + 2 * i + 16), _mm_set1_epi16(3));
        store16(to + i, _mm_packus_epi16(a, b));
    }
}

#if defined(__AVX2__)

// --- 32-byte vectors: AVX2 ---

inline __m256i load32(const unsigned char *p)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(p));
}
inline void store32(std::int8_t *p, __m256i v)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(p), v);
}

// A byte's class, as the AND of a table entry for its low four bits and one
// for its high four bits: 1 for '0' to '2' (0x30-0x32), 2 for 'x' and 'X'
// (0x58, 0x78), 0x80 for a line end (0x0A), 0xC0 for the end mark (0x1A),
// and 0 for every other byte. No other pair of entries shares a bit, and
// bytes from 0x80 on find 0 in the first table.
inline __m256i classes_of(__m256i b)
{
    // clang-format off
    const __m256i low_table = _mm256_setr_epi8(
        1, 1, 1, 0, 0, 0, 0, 0, 2, 0, -0x40, 0, 0, 0, 0, 0,
        1, 1, 1, 0, 0, 0, 0, 0, 2, 0, -0x40, 0, 0, 0, 0, 0);
    const __m256i high_table = _mm256_setr_epi8(
        -0x80, -0x40, 0, 1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0,
        -0x80, -0x40, 0, 1, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0);
    // clang-format on
    const __m256i high = _mm256_and_si256(_mm256_srli_epi16(b, 4), _mm256_set1_epi8(0x0F));
    return _mm256_and_si256(_mm256_shuffle_epi8(low_table, b),
                            _mm256_shuffle_epi8(high_table, high));
}
inline std::uint64_t mask_of(__m256i v)
{
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(v));
}

// Outcomes are the positive classes; line ends and end marks have the sign bit.
inline chunk_masks classify(const unsigned char *p)
{
    const __m256i low = classes_of(load32(p));
    const __m256i high = classes_of(load32(p + 32));
    const __m256i zero = _mm256_setzero_si256();
    return {mask_of(_mm256_cmpgt_epi8(low, zero)) | mask_of(_mm256_cmpgt_epi8(high, zero)) << 32,
            mask_of(low) | mask_of(high) << 32};
}

// Outcomes and the end mark are the classes with a bit of 0x43.
inline bool holds_outcome_or_end_mark(const unsigned char *p)
{
    const __m256i any = _mm256_or_si256(classes_of(load32(p)), classes_of(load32(p + 32)));
    return _mm256_testz_si256(any, _mm256_set1_epi8(0x43)) == 0;
}

template <int N> void copy_side_by_side(std::int8_t *to, const unsigned char *from)
{
    if constexpr (N == 16) {
        copy_side_by_side_16<16>(to, from);
    } else {
        for (int i = 0; i < N; i += 32)
            store32(to + i, _mm256_and_si256(load32(from + i), _mm256_set1_epi8(3)));
    }
}

// As copy_one_apart_16; a 32-byte pack interleaves its two 16-byte halves
// in 8-byte pieces, which one permutation puts back in order.
template <int N> void copy_one_apart(std::int8_t *to, const unsigned char *from)
{
    if constexpr (N == 16) {
        copy_one_apart_16<16>(to, from);
    } else {
        static_assert(N == 32, "32 values from 64 bytes");
        const __m256i a = _mm256_and_si256(load32(from), _mm256_set1_epi16(3));
        const __m256i b = _mm256_and_si256(load32(from + 32), _mm256_set1_epi16(3));
        store32(to, _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8));
    }
}

// As narrow_16, 32 code units at a time; the permutation puts the pack's
// 8-byte pieces back in order.
inline void narrow_32(unsigned char *to, const unsigned char *from, bool big_endian)
{
    __m256i a = load32(from);
    __m256i b = load32(from + 32);
    if (big_endian) {
        a = _mm256_or_si256(_mm256_slli_epi16(a, 8), _mm256_srli_epi16(a, 8));
        b = _mm256_or_si256(_mm256_slli_epi16(b, 8), _mm256_srli_epi16(b, 8));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i *>(to),
                        _mm256_permute4x64_epi64(_mm256_packus_epi16(a, b), 0xD8));
}
constexpr std::size_t NARROW_UNITS = 32;

#else

// --- SSE2: four 16-byte vectors to a chunk ---

// 0xFF for each of '0', '1' and '2': b - '0' is below 3, tested as a signed
// comparison after moving '0' to the smallest signed byte.
inline __m128i digit_bytes(__m128i b)
{
    const __m128i moved = _mm_add_epi8(b, _mm_set1_epi8(static_cast<char>(0x80 - '0')));
    return _mm_cmpgt_epi8(_mm_set1_epi8(-128 + 3), moved);
}
// 0xFF for each 'x' and 'X': setting bit 5 makes 'X' 'x' and no other byte 'x'.
inline __m128i x_bytes(__m128i b)
{
    return _mm_cmpeq_epi8(_mm_or_si128(b, _mm_set1_epi8(0x20)), _mm_set1_epi8('x'));
}
inline __m128i outcome_bytes(__m128i b) { return _mm_or_si128(digit_bytes(b), x_bytes(b)); }
inline __m128i end_mark_bytes(__m128i b) { return _mm_cmpeq_epi8(b, _mm_set1_epi8(END_MARK)); }
// 0xFF for each line end and end mark: setting bit 4 makes 0x0A 0x1A, and
// no other byte.
inline __m128i special_bytes(__m128i b)
{
    return _mm_cmpeq_epi8(_mm_or_si128(b, _mm_set1_epi8(0x10)), _mm_set1_epi8(END_MARK));
}
inline std::uint64_t mask_of(__m128i v) { return static_cast<std::uint16_t>(_mm_movemask_epi8(v)); }

inline chunk_masks classify(const unsigned char *p)
{
    chunk_masks m{0, 0};
    for (int i = 0; i < CHUNK; i += 16) {
        const __m128i b = load16(p + i);
        m.outcomes |= mask_of(outcome_bytes(b)) << i;
        m.specials |= mask_of(special_bytes(b)) << i;
    }
    return m;
}

inline bool holds_outcome_or_end_mark(const unsigned char *p)
{
    __m128i any = _mm_setzero_si128();
    for (int i = 0; i < CHUNK; i += 16) {
        const __m128i b = load16(p + i);
        any = _mm_or_si128(any, _mm_or_si128(outcome_bytes(b), end_mark_bytes(b)));
    }
    return _mm_movemask_epi8(any) != 0;
}

template <int N> void copy_side_by_side(std::int8_t *to, const unsigned char *from)
{
    copy_side_by_side_16<N>(to, from);
}
template <int N> void copy_one_apart(std::int8_t *to, const unsigned char *from)
{
    copy_one_apart_16<N>(to, from);
}

// A 16-bit code unit with its two bytes swapped: big-endian to little.
inline __m128i swap_bytes_16(__m128i v)
{
    return _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
}

// Narrows 16 code units at from to bytes at to. The pack saturates: units
// 0x80 to 0x7FFF become bytes 0x80 to 0xFF, and units from 0x8000 on, negative
// as signed numbers, become 0. The reader skips all of those bytes.
inline void narrow_16(unsigned char *to, const unsigned char *from, bool big_endian)
{
    __m128i a = load16(from);
    __m128i b = load16(from + 16);
    if (big_endian) {
        a = swap_bytes_16(a);
        b = swap_bytes_16(b);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i *>(to), _mm_packus_epi16(a, b));
}

inline void narrow_32(unsigned char *to, const unsigned char *from, bool big_endian)
{
    narrow_16(to, from, big_endian);
    narrow_16(to + 16, from + 32, big_endian);
}
constexpr std::size_t NARROW_UNITS = 32;

#endif

// In place: the bytes each step stores lie at or before those it has read,
// and after those that later steps read.
void narrow_utf16(unsigned char *bytes, std::size_t units, bool big_endian)
{
    for (std::size_t i = 0; i < units; i += NARROW_UNITS)
        narrow_32(bytes + i, bytes + 2 * i, big_endian);
}

// Passes over whole chunks that hold no outcome and no end mark. Only for
// when the current line holds no outcome: then the line ends in them change
// nothing.
inline const unsigned char *skip_chunks_of_nothing(const unsigned char *p, const unsigned char *end)
{
    while (end - p >= CHUNK && !holds_outcome_or_end_mark(p))
        p += CHUNK;
    return p;
}

// Reads lines into the table. The current line's outcomes go into a row:
// in game-per-line input the row of cells of one game in the table, in
// tip-row-per-line input one row of the stage. col is the index that moves
// along the line (the tip row, or the game) and so counts the line's
// outcomes; limit is col's own limit, or 0 when the line's fixed index (the
// game, or the tip row) is past its own.
//
// Vector stores write a little past the outcomes they store (up to
// REACH bytes from where they start), when that stays inside the row; a
// line's finish clears that overhang again, as cells never filled hold 0.
template <bool TipRows> class chunk_filler {
  public:
    chunk_filler(system_table &table, tip_row_stage &stage)
        : table_(table), stage_(stage), col_(TipRows ? table.cur_game : table.cur_tip_row)
    {
        start_row();
    }
    chunk_filler(const chunk_filler &) = delete;
    chunk_filler &operator=(const chunk_filler &) = delete;
    ~chunk_filler() = default;

    // Fills the table from [p, end); returns READ_OK, a limit result or
    // FILL_END_MARK.
    int fill(const unsigned char *p, const unsigned char *end)
    {
        while (p < end) {
            chunk_masks m = classify(p);
            if (end - p < CHUNK) {
                m.outcomes &= first_bits(end - p);
                m.specials &= first_bits(end - p);
            }
            const int status = walk(p, m);
            if (status != READ_OK)
                return status;
            p += CHUNK;
            if (m.outcomes == 0 && col_ == 0)
                p = skip_chunks_of_nothing(p, end);
        }
        return READ_OK;
    }

    // Hands the moving index back to the table, for the next fill.
    void save()
    {
        if (TipRows)
            table_.cur_game = static_cast<std::int8_t>(col_);
        else
            table_.cur_tip_row = col_;
    }

    // After the last fill: the overhang of an unfinished line, and the rows
    // still on the stage.
    void finish()
    {
        if (col_ != 0)
            clear_overhang();
        if (TipRows) {
            const int finished = table_.cur_tip_row % tip_row_stage::ROWS;
            const int rows = finished + (col_ != 0 ? 1 : 0);
            if (rows != 0)
                move_stage_rows(table_, stage_, table_.cur_tip_row - finished, rows);
        }
    }

  private:
    static constexpr int REACH = TipRows ? 16 : 64;
    static constexpr int ONE_APART_VALUES = TipRows ? 16 : 32;

    // Stores the chunk's outcomes run by run and finishes a line at each
    // line end, in input order.
    int walk(const unsigned char *p, chunk_masks m)
    {
        for (;;) {
            const std::uint64_t before = bits_below_lowest(m.specials);
            if (const std::uint64_t run = m.outcomes & before) {
                const int status = store_run(p, run);
                if (status != READ_OK)
                    return status;
            }
            if (m.specials == 0)
                return READ_OK;
            if (p[lowest_bit(m.specials)] == static_cast<unsigned char>(END_MARK))
                return FILL_END_MARK;
            finish_line();
            m.outcomes &= ~before;
            m.specials &= m.specials - 1;
        }
    }

    // Stores a run of outcomes (the set bits of run) of one line.
    int store_run(const unsigned char *p, std::uint64_t run)
    {
        const int first = lowest_bit(run);
        const run_shape shape = shape_of(run >> first);
        if (shape.kind == run_kind::scattered || !vector_store_fits(shape.length))
            return store_each(p, run);
        if (shape.kind == run_kind::side_by_side)
            copy_side_by_side<REACH>(row_ + col_, p + first);
        else
            copy_one_apart<ONE_APART_VALUES>(row_ + col_, p + first);
        col_ += shape.length;
        return READ_OK;
    }

    // Whether n outcomes fit the line and a vector store of them the row.
    [[nodiscard]] bool vector_store_fits(int n) const
    {
        const int room = limit_ - col_;
        return TipRows ? n <= room : room >= REACH;
    }

    // One outcome at a time, up to the limit.
    int store_each(const unsigned char *p, std::uint64_t run)
    {
        for (; run != 0; run &= run - 1) {
            if (col_ == limit_)
                return limit_result();
            row_[col_++] = outcome_value(p[lowest_bit(run)]);
        }
        return READ_OK;
    }

    // The limit that an outcome finding no room breaks; the game limit is
    // checked first.
    [[nodiscard]] int limit_result() const
    {
        const int game = TipRows ? col_ : table_.cur_game;
        return game >= MAX_GAMES ? READ_TOO_MANY_GAMES : READ_TOO_MANY_TIP_ROWS;
    }

    // At a line end: a line that held an outcome becomes the next tip row
    // (or game) of the table. Every 16th tip row takes the stage into the table.
    void finish_line()
    {
        if (col_ == 0)
            return;
        clear_overhang();
        if (TipRows) {
            table_.game_count = static_cast<std::int8_t>(col_);
            table_.tip_row_count = ++table_.cur_tip_row;
            if (table_.cur_tip_row % tip_row_stage::ROWS == 0)
                move_stage_rows(table_, stage_, table_.cur_tip_row - tip_row_stage::ROWS,
                                tip_row_stage::ROWS);
        } else {
            table_.tip_row_count = col_;
            table_.game_count = ++table_.cur_game;
        }
        col_ = 0;
        start_row();
    }

    // Where the current line's outcomes go, and how many it may hold.
    void start_row()
    {
        if (TipRows) {
            const int tip_row = table_.cur_tip_row;
            row_ = stage_.rows[tip_row % tip_row_stage::ROWS];
            limit_ = tip_row < MAX_TIP_ROWS ? MAX_GAMES : 0;
        } else {
            const int game = table_.cur_game;
            row_ = table_.cells + static_cast<std::ptrdiff_t>(game) * MAX_TIP_ROWS;
            limit_ = game < MAX_GAMES ? MAX_TIP_ROWS : 0;
        }
    }

    // Zeroes the row from col on, as far as a vector store may have reached.
    void clear_overhang()
    {
        if (TipRows) {
            store16(row_ + col_, _mm_setzero_si128());
        } else {
            const int reach = MAX_TIP_ROWS - col_ < REACH ? MAX_TIP_ROWS - col_ : REACH;
            std::memset(row_ + col_, 0, static_cast<std::size_t>(reach));
        }
    }

    system_table &table_;
    tip_row_stage &stage_;
    std::int8_t *row_ = nullptr;
    int col_;
    int limit_ = 0;
};

template <bool TipRows>
int fill_lines(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
               std::size_t count)
{
    chunk_filler<TipRows> filler(table, stage);
    const int status = filler.fill(bytes, bytes + count);
    filler.save();
    return status;
}

int fill_by_orientation(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                        std::size_t count)
{
    return table.line_is_tip_row != 0 ? fill_lines<true>(table, stage, bytes, count)
                                      : fill_lines<false>(table, stage, bytes, count);
}

void finish_by_orientation(system_table &table, tip_row_stage &stage)
{
    if (table.line_is_tip_row != 0)
        chunk_filler<true>(table, stage).finish();
    else
        chunk_filler<false>(table, stage).finish();
}

} // namespace

#if defined(__AVX2__)
int fill_from_chunks_avx2(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                          std::size_t count)
{
    return fill_by_orientation(table, stage, bytes, count);
}
void finish_chunks_avx2(system_table &table, tip_row_stage &stage)
{
    finish_by_orientation(table, stage);
}
void narrow_utf16_avx2(unsigned char *bytes, std::size_t units, bool big_endian)
{
    narrow_utf16(bytes, units, big_endian);
}
#else
int fill_from_chunks_sse2(system_table &table, tip_row_stage &stage, const unsigned char *bytes,
                          std::size_t count)
{
    return fill_by_orientation(table, stage, bytes, count);
}
void finish_chunks_sse2(system_table &table, tip_row_stage &stage)
{
    finish_by_orientation(table, stage);
}
void narrow_utf16_sse2(unsigned char *bytes, std::size_t units, bool big_endian)
{
    narrow_utf16(bytes, units, big_endian);
}
#endif

} // namespace sysorient
