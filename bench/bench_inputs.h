// The benchmark inputs, made deterministically (fixed seed) so that every run
// and every machine measures the same bytes.
#ifndef SYSORIENT_BENCH_INPUTS_H
#define SYSORIENT_BENCH_INPUTS_H

#include "system_table.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sysorient::bench {

// xorshift64: the same sequence on every platform and standard library.
class random_bytes {
  public:
    explicit random_bytes(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  private:
    std::uint64_t state_;
};

// The full MAX_GAMES x MAX_TIP_ROWS system: outcome characters, x among them.
inline std::vector<std::string> full_games()
{
    random_bytes random(20261208);
    std::vector<std::string> games(MAX_GAMES);
    for (std::string &game : games)
        for (int t = 0; t < MAX_TIP_ROWS; ++t)
            game += "012x"[random.below(4)];
    return games;
}

struct system_file {
    std::string name;
    bool tip_rows; // run with the argument s
    std::string bytes;
};

// The full system, or its first `rows` tip rows, in one orientation,
// outcomes separated by blanks if spaced.
inline system_file full_system_file(bool tip_rows, bool spaced, bool crlf, int rows = MAX_TIP_ROWS)
{
    const std::vector<std::string> games = full_games();
    const std::string eol = crlf ? "\r\n" : "\n";
    system_file f{std::string(tip_rows ? "tip-rows" : "games") +
                      (rows < MAX_TIP_ROWS ? "-" + std::to_string(rows) : "") +
                      (spaced ? "-spaced" : "-dense") + (crlf ? "-crlf" : ""),
                  tip_rows,
                  {}};
    const int lines = tip_rows ? rows : MAX_GAMES;
    const int per_line = tip_rows ? MAX_GAMES : rows;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < per_line; ++i) {
            if (spaced && i > 0)
                f.bytes += ' ';
            const std::size_t g = static_cast<std::size_t>(tip_rows ? i : l);
            const std::size_t t = static_cast<std::size_t>(tip_rows ? l : i);
            f.bytes += games[g][t];
        }
        f.bytes += eol;
    }
    return f;
}

// ASCII text as UTF-16LE behind its byte-order mark, as Windows programs
// save "Unicode" text.
inline system_file as_utf16(const system_file &f)
{
    system_file u{f.name + "-utf16", f.tip_rows, "\xFF\xFE"};
    u.bytes.reserve(2 + 2 * f.bytes.size());
    for (const char c : f.bytes) {
        u.bytes += c;
        u.bytes += '\0';
    }
    return u;
}

// What the program writes for the full system, or its first `rows` tip rows.
inline std::string full_oriented(int rows = MAX_TIP_ROWS)
{
    std::string out;
    for (const std::string &game : full_games()) {
        out += '_';
        for (char c : game.substr(0, static_cast<std::size_t>(rows)))
            out += c == 'x' ? '0' : c;
        out += "\r\n";
    }
    return out;
}

// About `size` bytes of text lines without any outcome character (letters
// other than x, the digits 3 to 9, blanks), then a small system.
constexpr const char *JUNK_SYSTEM = "1 x 2\n0 1 1\n";
constexpr const char *JUNK_ORIENTED = "_102\r\n_011\r\n";

inline std::string junk_text(std::size_t size)
{
    static const std::string alphabet =
        "abcdefghijklmnopqrstuvwyzABCDEFGHIJKLMNOPQRSTUVWYZ3456789      ";
    random_bytes random(7);
    std::string s;
    s.reserve(size + 128);
    while (s.size() < size) {
        const std::size_t length = 20 + random.below(80);
        for (std::size_t i = 0; i < length; ++i)
            s += alphabet[random.below(alphabet.size())];
        s += '\n';
    }
    return s + JUNK_SYSTEM;
}

} // namespace sysorient::bench

#endif
