// The report's messages in English: one whole message a kind of finding,
// with its plural forms written out (report_text.h says how they are
// filled in), in the order of the kinds.
#include "check/report_text.h"

namespace sysorient {
namespace {

constexpr message ENGLISH_MESSAGES[] = {
    {finding_kind::read_system, "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, "
                                "{o|one game per line|one tip row per line}"},
    {finding_kind::read_no_games,
     "system.txt: no games, read {o|one game per line|one tip row per line}: "
     "genordet.txt is written empty"},
    {finding_kind::too_many_games,
     "system.txt: more than {0} games, read {o|one game per line|one tip row per line}: "
     "sysorient warns and writes nothing"},
    {finding_kind::too_many_tip_rows,
     "system.txt: more than {0} tip rows, read "
     "{o|one game per line|one tip row per line}: sysorient warns and writes nothing"},
    {finding_kind::read_error,
     "system.txt: cannot be read (a read error): sysorient writes nothing"},
    {finding_kind::cannot_open,
     "system.txt: cannot be opened: there is no system.txt here, or it cannot be read"},
    {finding_kind::other_reading,
     "system.txt: read {o|one tip row per line|one game per line} it is {0} "
     "{0|game|games} of {1} {1|tip row|tip rows}: run "
     "{o|`sysorient s`|`sysorient` without s}"},
    {finding_kind::utf16_without_mark,
     "system.txt: looks like UTF-16 without its byte-order mark (a zero byte at every "
     "other place): letters outside ASCII may end or change the reading; save it as "
     "UTF-8, or as Unicode with its mark"},
    {finding_kind::appended_text,
     "system.txt: single-byte text after the UTF-16 text, as `echo ... >> system.txt` "
     "adds it: \"{quote}\" is not read; save the whole file again in one encoding"},
    {finding_kind::cr_line_ends,
     "system.txt: its lines end with CR alone, without LF (old Mac line ends): the "
     "whole file is read as one line"},
    {finding_kind::text_after_end_mark,
     "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
     "here: the {0} {0|byte|bytes} after it {0|is|are} not read, with {1} "
     "{1|outcome|outcomes}"},
    {finding_kind::more_after_end_mark,
     "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
     "here: the file goes on for more than {0} bytes after it, which are not read, with "
     "{1} {1|outcome|outcomes} among the "
     "first {0}"},
    {finding_kind::unreadable_after_end_mark,
     "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
     "here, and the file cannot be read past it (a read error): what stands after it is "
     "not known"},
    {finding_kind::unreadable_after_limit,
     "system.txt: cannot be read to its end (a read error): the lines after the limit "
     "are not known"},
    {finding_kind::checked_in_part,
     "system.txt: only the first {0} bytes after the limit were looked at"},
    {finding_kind::empty_file, "system.txt: the file is empty"},
    {finding_kind::no_outcomes, "system.txt: holds no outcome (0, 1, 2, x or X)"},
    {finding_kind::last_line_cuts,
     "line {line}: \"{quote}\": {0} {0|outcome|outcomes}, and the last line with "
     "outcomes sets the count for every line: every {o|game|tip row} is cut to {0} "
     "{o|{0|tip row|tip rows}|{0|game|games}}"},
    {finding_kind::last_line_cuts_footer,
     "line {line}: \"{quote}\": {0} {0|outcome|outcomes}, and the last line with "
     "outcomes sets the count for every line: every {o|game|tip row} is cut to {0} "
     "{o|{0|tip row|tip rows}|{0|game|games}}: is it a footer?"},
    {finding_kind::last_line_fills,
     "line {line}: \"{quote}\": {0} outcomes, more than the line before it, and the "
     "last line with outcomes sets the count for every line: every other "
     "{o|game|tip row} is filled up with 0 to {0} {o|tip rows|games}"},
    {finding_kind::others_cut,
     "system.txt: {2|the other line with outcomes holds {1}: the last {3} {3|is|are} "
     "dropped|the other {2} lines with outcomes hold {1} each: the last {3} of each "
     "{3|is|are} dropped}"},
    {finding_kind::others_filled_one,
     "system.txt: {2|the other line with outcomes holds {1}: {o|tip row|game} {0} is "
     "written as 0|the other {2} lines with outcomes hold {1} each: {o|tip row|game} "
     "{0} of each is written as 0}"},
    {finding_kind::others_filled,
     "system.txt: {2|the other line with outcomes holds {1}: {o|tip rows|games} {3} to "
     "{0} are written as 0|the other {2} lines with outcomes hold {1} each: "
     "{o|tip rows|games} {3} to {0} of each are written as 0}"},
    {finding_kind::line_cut,
     "line {line}: \"{quote}\": {1} outcomes, but {0} are written: the last {3} "
     "{3|is|are} dropped"},
    {finding_kind::line_filled_one,
     "line {line}: \"{quote}\": {1} {1|outcome|outcomes} of {0}: {o|tip row|game} {0} "
     "is written as 0"},
    {finding_kind::line_filled,
     "line {line}: \"{quote}\": {1} {1|outcome|outcomes} of {0}: {o|tip rows|games} "
     "{3} to {0} are written as 0"},
    {finding_kind::more_odd_lines,
     "system.txt: {1} more {1|line holds|lines hold} another count than {0}"},
    {finding_kind::word_read,
     "line {line}: \"{quote}\": \"{word}\" is read as the {0|outcome|outcomes} "
     "{values}"},
    {finding_kind::long_word_read,
     R"(line {line}: "{quote}": "{word}..." is read as {0} {0|outcome|outcomes})"},
    {finding_kind::more_words,
     "system.txt: {0} more {0|word|words} or {0|number|numbers} hold outcome "
     "characters"},
    {finding_kind::label_number,
     "line {line}: \"{quote}\": the {word} of \"{word}{mark}\" is read as "
     "{0|outcome|outcomes}: is it a number in a label?"},
    {finding_kind::more_labels, "system.txt: {0} more {0|line|lines} hold numbers in labels"},
    {finding_kind::cr_inside_line,
     "line {line}: \"{quote}\": a CR without LF does not end the line: the outcomes "
     "after it are read on the same line"},
    {finding_kind::more_cr_inside, "system.txt: {0} more {0|line|lines} hold a CR without LF"},
};

static_assert(in_order_of_kinds(ENGLISH_MESSAGES), "one English message a kind, in their order");

} // namespace

const language ENGLISH = {ENGLISH_MESSAGES};

} // namespace sysorient
