// The report's messages in English: one whole message a kind of finding,
// with its plural forms written out (report_text.h says how they are
// filled in), in the order of the kinds.
#include "check/report_text.h"

namespace sysorient {
namespace {

constexpr message ENGLISH_MESSAGES[] = {
    {finding_kind::read_system, "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, "
                                "{o|one game per line|one tip row per line}"},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, "
     "{o|one game per line|one tip row per line} "
     "({o|one tip row per line|one game per line}: {2} {2|game|games} of {3} "
     "{3|tip row|tip rows})"},
    {finding_kind::read_no_games,
     "system.txt: no games, read {o|one game per line|one tip row per line}: "
     "genordet.txt is written empty"},
    {finding_kind::too_many_games,
     "system.txt: more than {0} games, read {o|one game per line|one tip row per line}: "
     "sysorient warns and writes nothing"},
    {finding_kind::too_many_tip_rows,
     "system.txt: more than {0} tip rows, read {o|one game per line|one tip row per line}: "
     "sysorient warns and writes nothing"},
    {finding_kind::read_error,
     "system.txt: cannot be read (a read error): sysorient writes nothing"},
    {finding_kind::cannot_open,
     "system.txt: not found: there is no system.txt in this folder, or it cannot be opened"},
    {finding_kind::system_txt_txt,
     "system.txt: not found, but there is a system.txt.txt here: rename it to system.txt "
     "(if Explorer shows it as \"system.txt\", type just \"system\" as the new name)"},
    {finding_kind::not_system_txt,
     "\"{quote}\": the file to convert must be called system.txt: rename it to system.txt, "
     "or save it under that name"},
    {finding_kind::given_not_found,
     "\"{quote}\": not found, or it cannot be opened: copy the file as system.txt into the "
     "folder of orient.bat"},
    {finding_kind::utf16_without_mark,
     "system.txt: looks like Unicode text saved without the mark at its start: letters "
     "outside ASCII may end or change the reading; save it again as UTF-8, or as Unicode"},
    {finding_kind::appended_text,
     "system.txt: after the Unicode text stands text in another encoding (as "
     "\"echo ... >> system.txt\" adds it): \"{quote}\" is not read; save the whole file again "
     "in one encoding"},
    {finding_kind::cr_line_ends,
     "system.txt: its lines end the old Mac way (CR alone): the whole file is read as one "
     "line; save it again with Windows line ends"},
    {finding_kind::text_after_end_mark,
     "line {line}: \"{quote}\": an end-of-file character (Ctrl+Z) ends the reading here: the "
     "{0} {0|byte|bytes} after it {0|is|are} not read, with {1} {1|tip|tips} among them"},
    {finding_kind::more_after_end_mark,
     "line {line}: \"{quote}\": an end-of-file character (Ctrl+Z) ends the reading here: the "
     "file goes on for more than {0} bytes after it, which are not read, with {1} "
     "{1|tip|tips} among the first {0}"},
    {finding_kind::unreadable_after_end_mark,
     "line {line}: \"{quote}\": an end-of-file character (Ctrl+Z) ends the reading here, and "
     "the file cannot be read past it (a read error): what follows it is not known"},
    {finding_kind::unreadable_after_limit,
     "system.txt: cannot be read to its end (a read error): what follows is not known"},
    {finding_kind::checked_in_part,
     "system.txt: only the first {0} bytes after the limit were looked at"},
    {finding_kind::empty_file, "system.txt: the file is empty"},
    {finding_kind::no_outcomes, "system.txt: holds no tips (0, 1, 2, x or X)"},
    {finding_kind::heading,
     "{L|line|lines} {lines}: \"{quote}\": {L|a heading|headings} above the system: "
     "{0|one character in {L|it|them} (0, 1, 2 or x) is read as a tip|{0} characters in "
     "{L|it|them} (0, 1, 2 or x) are read as tips}, and each such line becomes "
     "{o|a game|a tip row}: delete {L|this line|these lines}"},
    {finding_kind::footer,
     "{L|line|lines} {lines}: \"{quote}\": text below the system (a total, a stake, a "
     "greeting): {0|one character in {L|it|them} (0, 1, 2 or x) is read as a tip|{0} "
     "characters in {L|it|them} (0, 1, 2 or x) are read as tips}, and each such line "
     "becomes {o|a game|a tip row}: delete {L|this line|these lines}"},
    {finding_kind::row_numbers,
     "{L|line|lines} {lines}: \"{quote}\": {L|begins|begin} with row numbers (1, 2, 3, ...): "
     "{0|one digit in them (0, 1 or 2) is read as a tip|{0} digits in them (0, 1 or 2) are "
     "read as tips}: delete the column of row numbers"},
    {finding_kind::label_numbers,
     "{L|line|lines} {lines}: \"{quote}\": the number of a label, such as \"{word}{mark}\", "
     "is read as tips: delete the labels, or their numbers"},
    {finding_kind::names,
     "{L|line|lines} {lines}: \"{quote}\": a name, such as \"{word}{mark}\", holds 0, 1, 2 or x, "
     "which are read as tips: delete the names"},
    {finding_kind::dates,
     "{L|line|lines} {lines}: \"{quote}\": a date or an amount holds 0, 1 or 2, which are "
     "read as tips: delete {L|it|them}"},
    {finding_kind::times,
     "{L|line|lines} {lines}: \"{quote}\": a time of day, such as \"{word}\", holds 0, 1 or 2, "
     "which are read as tips: delete the times"},
    {finding_kind::cr_inside,
     "{L|line|lines} {lines}: \"{quote}\": a line end of the old Mac kind (CR alone) does "
     "not end the line: the tips after it are read on the same line"},
    {finding_kind::bankers,
     "{L|line|lines} {lines}: \"{quote}\": one tip, the other lines hold {1}: if "
     "{L|it is a banker|they are bankers}, write {L|its tip|the tip} in every tip row, "
     "{1} times"},
    {finding_kind::without_text,
     "system.txt: without these lines it is {0} {0|game|games} of {1} {1|tip row|tip rows}"},
    {finding_kind::other_reading,
     "system.txt: read {o|one tip row per line|one game per line} it is {0} {0|game|games} of "
     "{1} {1|tip row|tip rows}: "
     "{o|{w|double-click orient-s.bat, or run sysorient s|run sysorient s}|"
     "{w|double-click orient.bat, or run sysorient without s|run sysorient without s}}"},
    {finding_kind::past_game_limit,
     "{L|line|lines} {lines}: {L|goes|go} past the limit of {0} games"},
    {finding_kind::past_tip_row_limit,
     "{L|line|lines} {lines}: {L|goes|go} past the limit of {0} tip rows"},
    {finding_kind::written_cut,
     "genordet.txt: every {o|game is cut to {0} {0|tip row|tip rows}|tip row is cut to {0} "
     "{0|game|games}}, though the system's lines hold {1} {1|tip|tips}"},
    {finding_kind::written_filled,
     "genordet.txt: every {o|game gets {0} tip rows|tip row gets {0} games}, though the "
     "system's lines hold {1} {1|tip|tips}: "
     "{3|{o|tip row|game} {0} is|{o|tip rows|games} {2} to {0} are} filled up with 0, draw "
     "tips you never made"},
    {finding_kind::line_more_tips,
     "line {line}: \"{quote}\": {2} tips, the other lines hold {1}: {3} {3|tip|tips} too "
     "many"},
    {finding_kind::line_fewer_tips,
     "line {line}: \"{quote}\": {2} {2|tip|tips}, the other lines hold {1}: from "
     "{o|tip row|game} {3} on it is filled up with 0, draw tips you never made"},
    {finding_kind::line_fewer_tips_whole,
     "line {line}: \"{quote}\": {2} {2|tip|tips}, the other lines hold {1}"},
    {finding_kind::more_odd_lines,
     "system.txt: {2} more {2|line holds|lines hold} another number of tips than {1}"},
    {finding_kind::written_despite_findings,
     "genordet.txt: was written all the same: do not use it before everything above is put "
     "right"},
    {finding_kind::oriented_is_folder,
     "genordet.txt: is a folder: sysorient cannot write the file; rename or move the folder"},
    {finding_kind::oriented_read_only,
     "genordet.txt: is read-only: sysorient cannot write it; clear the read-only mark in its "
     "properties"},
    {finding_kind::oriented_in_use,
     "genordet.txt: is open in another program (Excel, perhaps): close it there, then convert "
     "again"},
    {finding_kind::folder_read_only,
     "genordet.txt: cannot be made: this folder lets no new file be made; copy system.txt to "
     "a folder of your own (such as Documents) and convert it there"},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: is a link into a folder that is not there: sysorient cannot write it; "
     "delete the link, or make the folder it leads to"},
    {finding_kind::oriented_link_loop,
     "genordet.txt: is a link that leads round in a circle: sysorient cannot write it; delete "
     "the link"},
    {finding_kind::oriented_through_file,
     "genordet.txt: leads through a file as if it were a folder: sysorient cannot write it; "
     "delete the link"},
};

static_assert(in_order_of_kinds(ENGLISH_MESSAGES), "one English message a kind, in their order");

} // namespace

const language ENGLISH = {ENGLISH_MESSAGES, {", ", " and ", " to ", " more"}, U'"'};

} // namespace sysorient
