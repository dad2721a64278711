// Writes the benchmark inputs into a directory, each with the file the
// program must write for it:
//   NAME.txt           the system file
//   NAME.args          the command-line argument to use ("s" or nothing)
//   NAME.expected      the exact genordet.txt
// Usage: make_inputs DIR [JUNK_MEGABYTES]   (default 100; 0 leaves it out)
#include "bench_inputs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool write_file(const std::string &path, const std::string &bytes)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}

bool write_input(const std::string &dir, const std::string &name, bool tip_rows,
                 const std::string &bytes, const std::string &expected)
{
    const std::string base = dir + "/" + name;
    return write_file(base + ".txt", bytes) && write_file(base + ".args", tip_rows ? "s" : "") &&
           write_file(base + ".expected", expected);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace sysorient::bench;
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_inputs DIR [JUNK_MEGABYTES]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const long junk_mb = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 100;
    const std::string expected = full_oriented();
    bool ok = true;
    for (const bool tip_rows : {true, false})
        for (const bool spaced : {true, false})
            for (const bool crlf : {false, true}) {
                const system_file f =
                    full_system_file(layout{}.tip_rows(tip_rows).spaced(spaced).crlf(crlf));
                ok = ok && write_input(dir, f.name, f.tip_rows, f.bytes, expected);
                if (tip_rows && crlf) {
                    const system_file u = as_utf16(f);
                    ok = ok && write_input(dir, u.name, u.tip_rows, u.bytes, expected);
                }
            }
    // Half the tip rows: lines of 20000 bytes, as many bytes as the dense file.
    const system_file half =
        full_system_file(layout{}.spaced().first_rows(sysorient::MAX_TIP_ROWS / 2));
    ok = ok &&
         write_input(dir, half.name, false, half.bytes, full_oriented(sysorient::MAX_TIP_ROWS / 2));
    if (junk_mb > 0) {
        const auto size = static_cast<std::size_t>(junk_mb) * 1000 * 1000;
        const std::string mb = std::to_string(junk_mb) + "mb";
        ok = ok && write_input(dir, "junk-" + mb, false, junk_text(size), JUNK_ORIENTED) &&
             write_input(dir, "umlauts-" + mb, false, umlaut_text(size), JUNK_ORIENTED);
    }
    if (!ok)
        std::fprintf(stderr, "make_inputs: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
