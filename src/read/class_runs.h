// A vector path's masks of every class of a chunk, made from BYTE_CLASSES:
// at compile time the bytes of each mask become runs of neighbouring byte
// values (the outcomes: '0' to '2', 'X', 'x'), and a chunk is tested against
// each run, a vector at a time. Written once for every vector path.
//
// Included inside the namespace of a vector path, after bits.h and
// chunk_masks.h and that path's chunk layer, which provides:
//
//   class_bytes                    a vector of CLASS_BYTES bytes (GCC or
//                                  Clang vector type), CHUNK a multiple
//   class_bytes load_class_bytes(p)
//   std::uint64_t chunk_bits(v)    of the CHUNK / CLASS_BYTES vectors v of
//                                  a chunk, each byte 0 or all bits set:
//                                  bit i set for each byte i set
#ifndef SYSORIENT_CLASS_RUNS_H
#define SYSORIENT_CLASS_RUNS_H

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

// The byte values that `in` takes (given the value and its class), as runs
// of neighbouring values.
template <class Bytes> constexpr byte_runs runs_of(Bytes in)
{
    byte_runs r{};
    for (unsigned b = 0; b < 256; ++b) {
        if (!in(b, BYTE_CLASSES[b]))
            continue;
        if (r.count != 0 && r.runs[r.count - 1].last + 1 == b)
            r.runs[r.count - 1].last = b;
        else
            r.runs[r.count++] = {b, b};
    }
    return r;
}

constexpr byte_runs OUTCOME_RUNS =
    runs_of([](unsigned /*b*/, unsigned c) { return c <= OUTCOME_MAX; });
constexpr byte_runs ALNUM_RUNS = runs_of(
    [](unsigned /*b*/, unsigned c) { return c <= OUTCOME_MAX || c == LETTER || c == DIGIT; });
constexpr byte_runs DIGIT_RUNS =
    runs_of([](unsigned b, unsigned /*c*/) { return b >= '0' && b <= '9'; });
constexpr byte_runs LINE_END_RUNS =
    runs_of([](unsigned /*b*/, unsigned c) { return c == LINE_END; });
constexpr byte_runs END_MARK_RUNS =
    runs_of([](unsigned /*b*/, unsigned c) { return c == END_MARK_CLASS; });
constexpr byte_runs CR_RUNS = runs_of([](unsigned /*b*/, unsigned c) { return c == CR; });
constexpr byte_runs MARK_RUNS =
    runs_of([](unsigned /*b*/, unsigned c) { return c == COLON || c == DOT || c == COMMA; });

// All bits set in each byte within the run: one comparison for a single
// value, else the distance from its first value, unsigned, within its width.
inline class_bytes in_run(class_bytes b, byte_run run)
{
    if (run.first == run.last)
        return reinterpret_cast<class_bytes>(b == static_cast<unsigned char>(run.first));
    const class_bytes distance = b - static_cast<unsigned char>(run.first);
    return reinterpret_cast<class_bytes>(distance <=
                                         static_cast<unsigned char>(run.last - run.first));
}

template <const byte_runs &Runs, std::size_t... I>
class_bytes in_runs(class_bytes b, std::index_sequence<I...> /*unused*/)
{
    return (class_bytes{} | ... | in_run(b, Runs.runs[I]));
}

constexpr int CLASS_VECTORS = CHUNK / CLASS_BYTES;
using chunk_vectors = class_bytes[CLASS_VECTORS];

// The mask of the bytes of a chunk that lie in the runs.
template <const byte_runs &Runs> std::uint64_t runs_mask(const chunk_vectors &b)
{
    chunk_vectors in;
    for (int v = 0; v < CLASS_VECTORS; ++v)
        in[v] = in_runs<Runs>(b[v], std::make_index_sequence<Runs.count>());
    return chunk_bits(in);
}

inline chunk_classes classes_of(const unsigned char *p)
{
    chunk_vectors b;
    for (std::ptrdiff_t v = 0; v < CLASS_VECTORS; ++v)
        b[v] = load_class_bytes(p + v * CLASS_BYTES);
    const std::uint64_t outcomes = runs_mask<OUTCOME_RUNS>(b);
    const std::uint64_t alnum = runs_mask<ALNUM_RUNS>(b);
    return {outcomes,
            runs_mask<LINE_END_RUNS>(b),
            runs_mask<END_MARK_RUNS>(b),
            alnum & ~outcomes,
            runs_mask<DIGIT_RUNS>(b),
            runs_mask<CR_RUNS>(b),
            runs_mask<MARK_RUNS>(b)};
}

// In a loop, so that the runs' constants are made once for all chunks.
inline void classes_of_chunks(const unsigned char *p, std::size_t count, chunk_classes *out)
{
    for (std::size_t c = 0; c < count; ++c)
        out[c] = classes_of(p + c * CHUNK);
}

#endif
