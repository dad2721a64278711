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

// --- The classes by a byte's two halves ---
//
// For a path that looks bytes up in a table of 16 by their low and by their
// high four bits (a byte shuffle): each of the eight bits below is set in a
// byte's class if it is set in the entry for its low half AND in the one for
// its high half, and no bit is set from 0x80 on. Made from BYTE_CLASSES;
// the static_assert holds them to it for every byte value.
enum : unsigned {
    HALVES_OUTCOME_DIGIT,  // an outcome that is a digit
    HALVES_OUTCOME_LETTER, // an outcome that is not
    HALVES_LINE_END,
    HALVES_END_MARK,
    HALVES_CR,
    HALVES_DIGIT, // '0' to '9'
    HALVES_COLON,
    HALVES_DOT_OR_COMMA,
};

constexpr bool in_halves_class(unsigned bit, unsigned b)
{
    const unsigned c = BYTE_CLASSES[b];
    switch (bit) {
    case HALVES_OUTCOME_DIGIT:
        return c <= OUTCOME_MAX && is_digit_byte(b);
    case HALVES_OUTCOME_LETTER:
        return c <= OUTCOME_MAX && !is_digit_byte(b);
    case HALVES_LINE_END:
        return c == LINE_END;
    case HALVES_END_MARK:
        return c == END_MARK_CLASS;
    case HALVES_CR:
        return c == CR;
    case HALVES_DIGIT:
        return is_digit_byte(b);
    case HALVES_COLON:
        return c == COLON;
    default:
        return c == DOT || c == COMMA;
    }
}

struct halves_tables {
    unsigned char low[16];
    unsigned char high[16];
};

constexpr halves_tables halves_tables_of()
{
    halves_tables t{};
    for (unsigned b = 0; b < 0x80; ++b)
        for (unsigned bit = 0; bit < 8; ++bit)
            if (in_halves_class(bit, b)) {
                t.low[b & 0x0F] = static_cast<unsigned char>(t.low[b & 0x0F] | 1U << bit);
                t.high[b >> 4] = static_cast<unsigned char>(t.high[b >> 4] | 1U << bit);
            }
    return t;
}

inline constexpr halves_tables HALVES = halves_tables_of();

constexpr bool halves_hold_every_byte()
{
    for (unsigned b = 0; b < 256; ++b) {
        const unsigned classes = b < 0x80 ? HALVES.low[b & 0x0F] & HALVES.high[b >> 4] : 0;
        for (unsigned bit = 0; bit < 8; ++bit)
            if (((classes >> bit) & 1) != (in_halves_class(bit, b) ? 1U : 0U))
                return false;
    }
    return true;
}
static_assert(halves_hold_every_byte(), "each class by the halves is a set of low halves "
                                        "times a set of high halves");

// The words (LETTER or DIGIT) are ASCII letters, digits and bytes from 0x80
// on, outcomes aside: a range after an OR with 0x20, and the sign bit.
constexpr bool is_ascii_letter(unsigned b) { return (b | 0x20) >= 'a' && (b | 0x20) <= 'z'; }
constexpr bool words_by_letters_and_sign()
{
    for (unsigned b = 0; b < 256; ++b) {
        const unsigned c = BYTE_CLASSES[b];
        const bool word = (is_ascii_letter(b) || is_digit_byte(b) || b >= 0x80) && c > OUTCOME_MAX;
        if (word != (c == LETTER || c == DIGIT))
            return false;
    }
    return true;
}
static_assert(words_by_letters_and_sign(), "the words, by letters, digits and the sign bit");

// In a loop, so that the runs' constants are made once for all chunks.
inline void classes_of_chunks(const unsigned char *p, std::size_t count, chunk_classes *out)
{
    for (std::size_t c = 0; c < count; ++c)
        out[c] = classes_of(p + c * CHUNK);
}

#endif
