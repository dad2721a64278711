// The tally's two ways through the text hold each other: whole chunks
// counted from their masks where they can be, and the same text a byte at a
// time, give the same facts, with every byte value at every place of a
// chunk, amid the kinds of lines a system file holds, on every path.
#include "check/line_tally.h"
#include "read/fill_paths.h"
#include "test_systems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace sysorient {
namespace {

using test::repeat;

bool same_quote(const line_quote &a, const line_quote &b)
{
    return a.length == b.length && a.encoding == b.encoding &&
           std::equal(a.bytes, a.bytes + a.length, b.bytes);
}

bool same_word(const quoted_word &a, const quoted_word &b)
{
    return a.length == b.length && a.full_length == b.full_length && a.mark == b.mark &&
           std::equal(a.bytes, a.bytes + a.length, b.bytes);
}

bool same_lines(const line_set &a, const line_set &b)
{
    bool same = a.lines == b.lines && a.run_count == b.run_count;
    for (int r = 0; same && r < a.run_count; ++r)
        same = a.runs[r].first == b.runs[r].first && a.runs[r].last == b.runs[r].last;
    return same;
}

bool same_line(const line_summary &a, const line_summary &b, bool quoted)
{
    return a.line == b.line && a.outcomes == b.outcomes && a.tips == b.tips &&
           a.lead_tips == b.lead_tips && a.letters == b.letters && a.causes == b.causes &&
           (!quoted || same_quote(a.quote, b.quote));
}

bool same_cause(const cause_lines &a, const cause_lines &b)
{
    return same_lines(a.lines, b.lines) && a.outcomes == b.outcomes &&
           (a.lines.empty() || (same_quote(a.quote, b.quote) && same_word(a.word, b.word)));
}

bool same_counts(const tip_counts &a, const tip_counts &b)
{
    bool same = a.group_count() == b.group_count() && a.most_common(0) == b.most_common(0);
    for (int g = 0; same && g < a.group_count(); ++g) {
        const count_group &x = a.group(g);
        const count_group &y = b.group(g);
        same =
            x.tips == y.tips && x.total == y.total && a.lines_with(x.tips) == b.lines_with(y.tips);
        for (std::int64_t i = 0; same && i < std::min<std::int64_t>(x.total, NOTES_KEPT); ++i)
            same = same_line(x.first[i], y.first[i], true);
    }
    return same;
}

bool same_windows(const line_windows &a, const line_windows &b)
{
    bool same =
        a.head_count == b.head_count && a.tail_count == b.tail_count && a.tail_next == b.tail_next;
    for (int i = 0; same && i < a.head_count; ++i)
        same = same_line(a.head[i], b.head[i], true);
    for (int i = 0; same && i < a.tail_count; ++i)
        same = same_line(a.tail[i], b.tail[i], true);
    return same;
}

bool same_run(const number_run &a, const number_run &b)
{
    return a.first_line == b.first_line && a.last_line == b.last_line && a.lines == b.lines &&
           a.next == b.next && a.outcomes == b.outcomes;
}

// Every fact of two tallies, compared: the first that differs, or none.
std::string difference(const tally_facts &a, const tally_facts &b)
{
    const std::pair<const char *, bool> facts[] = {
        {"bytes", a.bytes == b.bytes},
        {"lines", a.lines == b.lines},
        {"lines with outcomes", a.lines_with_outcomes == b.lines_with_outcomes},
        {"most outcomes", a.max_outcomes == b.max_outcomes},
        {"last line", same_line(a.last, b.last, true)},
        {"tips", same_counts(*a.tips, *b.tips)},
        {"tips not lead", same_counts(*a.tips_not_lead, *b.tips_not_lead)},
        {"windows", same_windows(a.windows, b.windows)},
        {"row numbers", same_run(a.numbers, b.numbers)},
        {"labels", same_cause(a.labels, b.labels)},
        {"names", same_cause(a.names, b.names)},
        {"dates", same_cause(a.dates, b.dates)},
        {"CR inside", same_cause(a.cr_inside, b.cr_inside)},
        {"limits", a.limits.line_game_16 == b.limits.line_game_16 &&
                       same_lines(a.limits.over_15, b.limits.over_15)},
        {"CRs", a.lone_crs == b.lone_crs && a.line_feeds == b.line_feeds},
        {"end mark", a.end_mark == b.end_mark && a.end_mark_line.line == b.end_mark_line.line &&
                         same_quote(a.end_mark_line.quote, b.end_mark_line.quote)},
        {"after end mark", a.after_end_mark == b.after_end_mark &&
                               a.outcomes_after_end_mark == b.outcomes_after_end_mark &&
                               a.text_after_end_mark == b.text_after_end_mark},
        {"head", a.head_length == b.head_length && a.head_zeros[0] == b.head_zeros[0] &&
                     a.head_zeros[1] == b.head_zeros[1]},
    };
    for (const auto &[name, same] : facts)
        if (!same)
            return name;
    return "";
}

// The text in one piece (whole chunks go the chunk way where they can), or
// a byte at a time (the byte way only).
const tally_facts &tally_of(line_tally &tally, const std::string &text, bool whole,
                            const path_entry &path)
{
    tally.start(path.functions.classify_chunks);
    const auto *bytes = reinterpret_cast<const unsigned char *>(text.data());
    if (whole)
        tally.text({bytes, text.size(), nullptr, false});
    else
        for (std::size_t i = 0; i < text.size(); ++i)
            tally.text({bytes + i, 1, nullptr, false});
    tally.end(watch_end::whole, -1);
    return tally.finish();
}

TEST(LineTally, EveryByteValueBothWays)
{
    static line_tally chunks;
    static line_tally bytes;
    const std::string contexts[] = {
        repeat("1 x 2 0 1 1 2 x\r\n", 12),
        repeat("Bayern Dortmund\n", 12),
        repeat("Spiel 1: 2 1\r\n", 14),
        repeat("12.10.2024 1 x 2\n", 12),
        "Nr;A;B\n1;x;2\n2;1;1\n3;0;x\n4;2;2\n5;1;x\n6;x;1\n7;2;0\n8;0;1\n9;1;2\n10;x;x\n"
        "11;2;1\n12;1;0\n13;0;2\n14;2;x\n15;x;0\n16;1;1\n17;0;0\n18;2;2\n19;0;x\n",
        repeat("\"1\";\"K\xC3\xB6ln 04\";\"x\"\r\n", 8),
        // Lines longer than a chunk: chunks amid tips, spaced and dense.
        repeat(repeat("1 x 2 0 ", 25) + "\n", 3),
        repeat(repeat("1x20", 50) + "\r\n", 3),
        // Lines of 13 bytes: a CR LF across the chunks' edge at 63.
        repeat("1 x 2 0 1 1\r\n", 12),
    };
    for (const path_entry &path : path_table()) {
        if (!path.runs_here())
            continue;
        SCOPED_TRACE(std::string(path.name) + " path");
        for (const std::string &context : contexts) {
            for (unsigned value = 0; value < 256; ++value) {
                for (std::size_t at = 64; at < std::min<std::size_t>(128, context.size()); ++at) {
                    std::string text = context;
                    text[at] = static_cast<char>(value);
                    const tally_facts &whole = tally_of(chunks, text, true, path);
                    const std::string differs =
                        difference(whole, tally_of(bytes, text, false, path));
                    if (!differs.empty())
                        ADD_FAILURE() << differs << " differ: byte " << value << " at " << at
                                      << " of \"" << context << "\"";
                }
            }
        }
    }
}

} // namespace
} // namespace sysorient
