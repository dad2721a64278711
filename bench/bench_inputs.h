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

// How the full system is laid out in its file. The default is one game per
// line, outcomes side by side, LF line ends, every tip row; each call names
// what differs: layout{}.tip_rows().spaced().crlf().
struct layout {
    bool one_tip_row_per_line = false; // read with the argument s
    bool blanks_between = false;       // a blank between outcomes
    bool cr_lf = false;                // CR LF line ends
    int rows = MAX_TIP_ROWS;           // the first so many tip rows

    layout tip_rows(bool on = true) const { return with(&layout::one_tip_row_per_line, on); }
    layout spaced(bool on = true) const { return with(&layout::blanks_between, on); }
    layout crlf(bool on = true) const { return with(&layout::cr_lf, on); }
    layout first_rows(int n) const
    {
        layout l = *this;
        l.rows = n;
        return l;
    }

  private:
    layout with(bool layout::*field, bool on) const
    {
        layout l = *this;
        l.*field = on;
        return l;
    }
};

// The full system, or its first tip rows, laid out as asked.
inline system_file full_system_file(const layout &how)
{
    const std::vector<std::string> games = full_games();
    const std::string eol = how.cr_lf ? "\r\n" : "\n";
    const bool tip_rows = how.one_tip_row_per_line;
    system_file f{std::string(tip_rows ? "tip-rows" : "games") +
                      (how.rows < MAX_TIP_ROWS ? "-" + std::to_string(how.rows) : "") +
                      (how.blanks_between ? "-spaced" : "-dense") + (how.cr_lf ? "-crlf" : ""),
                  tip_rows,
                  {}};
    const int lines = tip_rows ? how.rows : MAX_GAMES;
    const int per_line = tip_rows ? MAX_GAMES : how.rows;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < per_line; ++i) {
            if (how.blanks_between && i > 0)
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

// About `size` bytes of German text in UTF-8, umlauts and ß among its
// letters, without any outcome character, then a small system.
inline std::string umlaut_text(std::size_t size)
{
    static const char *const words[] = {"Müller", "Köln",    "Straße", "Grüße", "für",
                                        "Bär",    "Öfen",    "Übung",  "schön", "Spiel",
                                        "Tor",    "München", "Gäste",  "Heim",  "Sieg"};
    random_bytes random(11);
    std::string s;
    s.reserve(size + 128);
    while (s.size() < size) {
        const std::size_t count = 3 + random.below(12);
        for (std::size_t i = 0; i < count; ++i)
            s += std::string(i == 0 ? "" : " ") + words[random.below(sizeof words / sizeof *words)];
        s += '\n';
    }
    return s + JUNK_SYSTEM;
}

} // namespace sysorient::bench

#endif
