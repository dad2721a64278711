// The report's messages in English: one whole message a kind of finding,
// with its plural forms written out (report_text.h says how they are
// filled in).
#include "check/report_text.h"

namespace sysorient {
namespace {

const char *english(finding_kind kind)
{
    switch (kind) {
    case finding_kind::read_system:
        return "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, "
               "{o|one game per line|one tip row per line}";
    case finding_kind::read_no_games:
        return "system.txt: no games, read {o|one game per line|one tip row per line}: "
               "genordet.txt is written empty";
    case finding_kind::too_many_games:
        return "system.txt: more than {0} games, read {o|one game per line|one tip row per line}: "
               "sysorient warns and writes nothing";
    case finding_kind::too_many_tip_rows:
        return "system.txt: more than {0} tip rows, read "
               "{o|one game per line|one tip row per line}: sysorient warns and writes nothing";
    case finding_kind::read_error:
        return "system.txt: cannot be read (a read error): sysorient writes nothing";
    case finding_kind::cannot_open:
        return "system.txt: cannot be opened: there is no system.txt here, or it cannot be read";
    case finding_kind::other_reading:
        return "system.txt: read {o|one tip row per line|one game per line} it is {0} "
               "{0|game|games} of {1} {1|tip row|tip rows}: run "
               "{o|`sysorient s`|`sysorient` without s}";
    case finding_kind::utf16_without_mark:
        return "system.txt: looks like UTF-16 without its byte-order mark (a zero byte at every "
               "other place): letters outside ASCII may end or change the reading; save it as "
               "UTF-8, or as Unicode with its mark";
    case finding_kind::appended_text:
        return "system.txt: single-byte text after the UTF-16 text, as `echo ... >> system.txt` "
               "adds it: \"{quote}\" is not read; save the whole file again in one encoding";
    case finding_kind::cr_line_ends:
        return "system.txt: its lines end with CR alone, without LF (old Mac line ends): the "
               "whole file is read as one line";
    case finding_kind::text_after_end_mark:
        return "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
               "here: the {0} {0|byte|bytes} after it {0|is|are} not read, with {1} "
               "{1|outcome|outcomes}";
    case finding_kind::more_after_end_mark:
        return "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
               "here: the file goes on for more than {0} bytes after it, which are not read, with "
               "{1} {1|outcome|outcomes} among the "
               "first {0}";
    case finding_kind::unreadable_after_end_mark:
        return "line {line}: \"{quote}\": an end mark (Ctrl-Z, byte 1A) ends the reading "
               "here, and the file cannot be read past it (a read error): what stands after it is "
               "not known";
    case finding_kind::unreadable_after_limit:
        return "system.txt: cannot be read to its end (a read error): the lines after the limit "
               "are not known";
    case finding_kind::checked_in_part:
        return "system.txt: only the first {0} bytes after the limit were looked at";
    case finding_kind::empty_file:
        return "system.txt: the file is empty";
    case finding_kind::no_outcomes:
        return "system.txt: holds no outcome (0, 1, 2, x or X)";
    case finding_kind::last_line_cuts:
        return "line {line}: \"{quote}\": {0} {0|outcome|outcomes}, and the last line with "
               "outcomes sets the count for every line: every {o|game|tip row} is cut to {0} "
               "{o|{0|tip row|tip rows}|{0|game|games}}";
    case finding_kind::last_line_cuts_footer:
        return "line {line}: \"{quote}\": {0} {0|outcome|outcomes}, and the last line with "
               "outcomes sets the count for every line: every {o|game|tip row} is cut to {0} "
               "{o|{0|tip row|tip rows}|{0|game|games}}: is it a footer?";
    case finding_kind::last_line_fills:
        return "line {line}: \"{quote}\": {0} outcomes, more than the line before it, and the "
               "last line with outcomes sets the count for every line: every other "
               "{o|game|tip row} is filled up with 0 to {0} {o|tip rows|games}";
    case finding_kind::others_cut:
        return "system.txt: {2|the other line with outcomes holds {1}: the last {3} {3|is|are} "
               "dropped|the other {2} lines with outcomes hold {1} each: the last {3} of each "
               "{3|is|are} dropped}";
    case finding_kind::others_filled_one:
        return "system.txt: {2|the other line with outcomes holds {1}: {o|tip row|game} {0} is "
               "written as 0|the other {2} lines with outcomes hold {1} each: {o|tip row|game} "
               "{0} of each is written as 0}";
    case finding_kind::others_filled:
        return "system.txt: {2|the other line with outcomes holds {1}: {o|tip rows|games} {3} to "
               "{0} are written as 0|the other {2} lines with outcomes hold {1} each: "
               "{o|tip rows|games} {3} to {0} of each are written as 0}";
    case finding_kind::line_cut:
        return "line {line}: \"{quote}\": {1} outcomes, but {0} are written: the last {3} "
               "{3|is|are} dropped";
    case finding_kind::line_filled_one:
        return "line {line}: \"{quote}\": {1} {1|outcome|outcomes} of {0}: {o|tip row|game} {0} "
               "is written as 0";
    case finding_kind::line_filled:
        return "line {line}: \"{quote}\": {1} {1|outcome|outcomes} of {0}: {o|tip rows|games} "
               "{3} to {0} are written as 0";
    case finding_kind::more_odd_lines:
        return "system.txt: {1} more {1|line holds|lines hold} another count than {0}";
    case finding_kind::word_read:
        return "line {line}: \"{quote}\": \"{word}\" is read as the {0|outcome|outcomes} "
               "{values}";
    case finding_kind::long_word_read:
        return R"(line {line}: "{quote}": "{word}..." is read as {0} {0|outcome|outcomes})";
    case finding_kind::more_words:
        return "system.txt: {0} more {0|word|words} or {0|number|numbers} hold outcome "
               "characters";
    case finding_kind::label_number:
        return "line {line}: \"{quote}\": the {word} of \"{word}{mark}\" is read as "
               "{0|outcome|outcomes}: is it a number in a label?";
    case finding_kind::more_labels:
        return "system.txt: {0} more {0|line|lines} hold numbers in labels";
    case finding_kind::cr_inside_line:
        return "line {line}: \"{quote}\": a CR without LF does not end the line: the outcomes "
               "after it are read on the same line";
    case finding_kind::more_cr_inside:
        return "system.txt: {0} more {0|line|lines} hold a CR without LF";
    }
    return "";
}

} // namespace

const language ENGLISH = {english};

} // namespace sysorient
