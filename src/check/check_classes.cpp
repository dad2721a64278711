// The check's masks of a chunk, made from CHECK_CLASSES. At compile time
// each mask's set of bytes becomes its runs of neighbouring byte values
// (outcomes: '0' to '2', 'X', 'x'); with SSE2 a chunk is then tested 16
// bytes at a time against each run, and elsewhere a byte at a time through
// the classes.
#include "check/check_classes.h"

#include <cstddef>
#include <utility>

#if defined(__GNUC__) && defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sysorient {
namespace {

constexpr int CHUNK = 64;

#if defined(__GNUC__) && defined(__SSE2__)

// Byte values first to last.
struct byte_run {
    unsigned first;
    unsigned last;
};

struct byte_runs {
    static constexpr int MAX = 8;
    byte_run runs[MAX];
    int count;
};

// The byte values whose class `in` takes, as runs of neighbouring values.
template <class Classes> constexpr byte_runs runs_of(Classes in)
{
    byte_runs r{};
    for (unsigned b = 0; b < 256; ++b) {
        if (!in(CHECK_CLASSES[b]))
            continue;
        if (r.count != 0 && r.runs[r.count - 1].last + 1 == b)
            r.runs[r.count - 1].last = b;
        else
            r.runs[r.count++] = {b, b};
    }
    return r;
}

constexpr byte_runs OUTCOMES = runs_of([](unsigned c) { return c <= OUTCOME_MAX; });
constexpr byte_runs LETTERS_AND_DIGITS =
    runs_of([](unsigned c) { return c <= OUTCOME_MAX || c == WORD; });
constexpr byte_runs LINE_ENDS = runs_of([](unsigned c) { return c == LINE_END; });
constexpr byte_runs CRS = runs_of([](unsigned c) { return c == CR; });
constexpr byte_runs END_MARKS = runs_of([](unsigned c) { return c == END_MARK_CLASS; });
constexpr byte_runs LABEL_ENDS = runs_of([](unsigned c) { return c == COLON || c == DOT; });

// 16 bytes; a comparison gives 0 or all bits set in each byte.
using bytes16 = unsigned char __attribute__((vector_size(16)));

// All bits set in each byte within the run: one comparison for a single
// value, else the distance from its first value, unsigned, within its width.
inline bytes16 in_run(bytes16 b, byte_run run)
{
    if (run.first == run.last)
        return reinterpret_cast<bytes16>(b == static_cast<unsigned char>(run.first));
    const bytes16 distance = b - static_cast<unsigned char>(run.first);
    return reinterpret_cast<bytes16>(distance <= static_cast<unsigned char>(run.last - run.first));
}

template <const byte_runs &Runs, std::size_t... I>
bytes16 in_runs(bytes16 b, std::index_sequence<I...> /*unused*/)
{
    return (bytes16{} | ... | in_run(b, Runs.runs[I]));
}

template <const byte_runs &Runs> std::uint64_t mask_of(bytes16 b)
{
    const bytes16 in = in_runs<Runs>(b, std::make_index_sequence<Runs.count>());
    return static_cast<std::uint16_t>(_mm_movemask_epi8(reinterpret_cast<__m128i>(in)));
}

} // namespace

check_masks classify_chunk(const unsigned char *p)
{
    check_masks m{0, 0, 0, 0, 0, 0};
    std::uint64_t letters_and_digits = 0;
    for (int i = 0; i < CHUNK; i += 16) {
        bytes16 b;
        __builtin_memcpy(&b, p + i, sizeof b);
        m.outcomes |= mask_of<OUTCOMES>(b) << i;
        letters_and_digits |= mask_of<LETTERS_AND_DIGITS>(b) << i;
        m.line_ends |= mask_of<LINE_ENDS>(b) << i;
        m.crs |= mask_of<CRS>(b) << i;
        m.end_marks |= mask_of<END_MARKS>(b) << i;
        m.label_ends |= mask_of<LABEL_ENDS>(b) << i;
    }
    m.words = letters_and_digits & ~m.outcomes;
    return m;
}

#else

} // namespace

// A byte at a time, through the classes.
check_masks classify_chunk(const unsigned char *p)
{
    check_masks m{0, 0, 0, 0, 0, 0};
    for (int i = 0; i < CHUNK; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        const unsigned char c = CHECK_CLASSES[p[i]];
        m.outcomes |= c <= OUTCOME_MAX ? bit : 0;
        m.words |= c == WORD ? bit : 0;
        m.line_ends |= c == LINE_END ? bit : 0;
        m.crs |= c == CR ? bit : 0;
        m.end_marks |= c == END_MARK_CLASS ? bit : 0;
        m.label_ends |= c == COLON || c == DOT ? bit : 0;
    }
    return m;
}

#endif

} // namespace sysorient
