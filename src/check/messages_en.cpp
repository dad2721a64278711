// The report's messages in English: one whole message a kind of finding,
// a head and then, after "\n", what it does and what to do, with its plural
// forms written out (report_text.h says how they are filled in), in the
// order of the kinds.
#include "check/report_text.h"

namespace sysorient {
namespace {

// Pieces that many messages share would hide whole sentences; each message
// is written out instead.
constexpr message ENGLISH_MESSAGES[] = {
    {finding_kind::read_system,
     "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, one {o|game|tip row} per line, "
     "as {w|{o|orient.bat|orient-s.bat}|sysorient{o|| s}} reads it."},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|game|games} of {1} {1|tip row|tip rows}, one {o|game|tip row} per line, "
     "as {w|{o|orient.bat|orient-s.bat}|sysorient{o|| s}} reads it.\n"
     "Read one {o|tip row|game} per line, as {w|{o|orient-s.bat|orient.bat}|sysorient{o| s|}} "
     "reads it, it is {2} {2|game|games} of {3} {3|tip row|tip rows}. Only you know which of the "
     "two is your system."},
    {finding_kind::read_no_games, "system.txt: no games, read one {o|game|tip row} per line.\n"
                                  "sysorient writes genordet.txt as an empty file."},
    {finding_kind::too_many_games,
     "system.txt: more than {0} games, read one {o|game|tip row} per line.\n"
     "sysorient warns and writes no genordet.txt for this system."},
    {finding_kind::too_many_tip_rows,
     "system.txt: more than {0} tip rows, read one {o|game|tip row} per line.\n"
     "sysorient warns and writes no genordet.txt for this system."},
    {finding_kind::read_error,
     "system.txt: cannot be read to its end (a read error).\n"
     "sysorient writes nothing. Copy system.txt into a folder on your own computer, such as "
     "Documents, and convert it there."},
    {finding_kind::cannot_open, "system.txt: not found in the folder {whole}.\n"
                                "Save your system there under the name system.txt{again}."},
    {finding_kind::system_txt_txt,
     "system.txt: not found, but there is a system.txt.txt in the folder {whole}.\n"
     "Rename it to system.txt. If Explorer shows it as \"system.txt\", type just \"system\" as "
     "the new name{again}."},
    {finding_kind::not_system_txt,
     "{whole}: the file to convert must be called system.txt.\n"
     "Rename it to system.txt, or save it under that name in the folder of orient.bat{again}."},
    {finding_kind::given_not_found,
     "{whole}: not found, or it cannot be opened.\n"
     "Copy the file as system.txt into the folder of orient.bat, then double-click orient.bat."},
    {finding_kind::utf16_without_mark,
     "system.txt: looks like Unicode text saved without the mark at its start.\n"
     "Letters such as umlauts can end the reading early or turn into tips. "
     "{w|In Notepad, choose \"Save as\" and the encoding \"UTF-8\"|Save the file again as "
     "UTF-8}{again}."},
    {finding_kind::appended_text,
     "system.txt: after its Unicode text stands text in another encoding, {quote}.\n"
     "That text is not read. Such text comes from adding lines with a command or batch file. "
     "{w|Open the file in Notepad and save it again with \"Save as\" and the encoding "
     "\"UTF-8\"|Save the whole file again in one encoding}{again}."},
    {finding_kind::cr_line_ends,
     "system.txt: its lines end in a way that Windows does not use (as on an old Mac).\n"
     "sysorient reads the whole file as one line. {w|Save the file again as text from the "
     "program that made it (in Excel: \"Text (tab delimited)\")|Turn its line ends into LF, for "
     "example with tr '\\r' '\\n'}{again}."},
    {finding_kind::text_after_end_mark,
     "Line {line}: {quote}\n"
     "An invisible end-of-file character stands in this line, where the quote shows ·. What "
     "follows it is not read: {0} {0|line|lines} with {1} {1|tip|tips}. "
     "{w|In Notepad, put the cursor right after the last tip of this line, press Delete and "
     "save|Delete the character (Ctrl-Z, 0x1A) in your editor}{again}."},
    {finding_kind::more_after_end_mark,
     "Line {line}: {quote}\n"
     "An invisible end-of-file character stands in this line, where the quote shows ·. What "
     "follows it is not read: more than {0} {0|line|lines}, with {1} {1|tip|tips} in the "
     "first. {w|In Notepad, put the cursor right after the last tip of this line, press Delete "
     "and save|Delete the character (Ctrl-Z, 0x1A) in your editor}{again}."},
    {finding_kind::unreadable_after_end_mark,
     "Line {line}: {quote}\n"
     "An invisible end-of-file character stands in this line, where the quote shows ·, and the "
     "file cannot be read past it. What follows is not known. {w|In Notepad, put the cursor "
     "right after the last tip of this line, press Delete and save|Delete the character (Ctrl-Z, "
     "0x1A) in your editor}, then copy system.txt into a folder on your own computer."},
    {finding_kind::unreadable_after_limit,
     "system.txt: cannot be read to its end (a read error).\n"
     "What follows is not known. Copy system.txt into a folder on your own computer, such as "
     "Documents, and convert it there."},
    {finding_kind::checked_in_part,
     "system.txt: goes on far beyond where the system is too large.\n"
     "The check looked at its first {0} lines only. Make the system fit, as said above{again}."},
    {finding_kind::empty_file,
     "system.txt: the file is empty.\n"
     "Put your system into it{w| (in Notepad, or from Excel with \"Save as\" and \"CSV (comma "
     "delimited)\")|}{again}."},
    {finding_kind::no_outcomes,
     "system.txt: holds no tips (0, 1, 2, x or X).\n"
     "Perhaps another file was saved as system.txt. Save your system under that name{again}."},
    {finding_kind::heading,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|This is a heading|These are headings} above the system. "
     "{0|One character in {L|it|them} (0, 1, 2 or x) is read as a tip|{0} characters in "
     "{L|it|them} (0, 1, 2 or x) are read as tips}, and each such line becomes {o|a game|a tip "
     "row}. Delete {L|this line|these lines}{w| in Notepad|}{again}."},
    {finding_kind::footer,
     "{L|Line|Lines} {lines}: {quote}\n"
     "This is text below the system (a total, a stake, a greeting). "
     "{0|One character in {L|it|them} (0, 1, 2 or x) is read as a tip|{0} characters in "
     "{L|it|them} (0, 1, 2 or x) are read as tips}, and each such line becomes {o|a game|a tip "
     "row}. Delete {L|this line|these lines}{w| in Notepad|}{again}."},
    {finding_kind::row_numbers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It begins|They begin} with row numbers (1, 2, 3, ...), and "
     "{0|one digit in them (0, 1 or 2) is read as a tip|{0} digits in them (0, 1 or 2) are read "
     "as tips}. Delete the column of row numbers{w| (in Excel, column A)|}{again}."},
    {finding_kind::label_numbers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "The number of a label, such as {word}, is read as tips. "
     "{w|In Notepad, delete|Delete} the labels, or their numbers{again}."},
    {finding_kind::names, "{L|Line|Lines} {lines}: {quote}\n"
                          "A name, such as {word}, holds 0, 1, 2 or x, which are read as tips. "
                          "Delete the names{w| in Notepad|}{again}."},
    {finding_kind::dates,
     "{L|Line|Lines} {lines}: {quote}\n"
     "A date or an amount, such as {word}, holds 0, 1 or 2, which are read as tips. "
     "Delete {L|it|them}{again}."},
    {finding_kind::times, "{L|Line|Lines} {lines}: {quote}\n"
                          "A time of day, such as {word}, holds 0, 1 or 2, which are read as tips. "
                          "Delete the times{again}."},
    {finding_kind::cr_inside,
     "{L|Line|Lines} {lines}: {quote}\n"
     "A line end that Windows does not use (as on an old Mac) stands inside {L|this line|these "
     "lines}, so the tips after it are read as part of the same line. "
     "{w|In Notepad the line looks broken in two: put the cursor at the start of its second "
     "part, press Backspace, then Enter, and save|Make it a line end of the file's "
     "kind}{again}."},
    {finding_kind::without_text,
     "system.txt: without the lines named above it is {0} {0|game|games} of {1} "
     "{1|tip row|tip rows}.\n"
     "That fits: delete those lines{again}."},
    {finding_kind::other_reading,
     "system.txt: read one {o|tip row|game} per line it is {0} {0|game|games} of {1} "
     "{1|tip row|tip rows}, and that fits.\n"
     "{w|Double-click {o|orient-s.bat|orient.bat} instead of {o|orient.bat|orient-s.bat}|"
     "Run sysorient{o| s|} instead}."},
    {finding_kind::past_game_limit,
     "{L|Line|Lines} {lines}: {L|goes|go} past the limit of {0} games.\n"
     "A system holds at most {0} games. If {L|this line is|these lines are} part of your system, "
     "split it into smaller systems."},
    {finding_kind::past_tip_row_limit,
     "{L|Line|Lines} {lines}: {L|goes|go} past the limit of {0} tip rows.\n"
     "A system holds at most {0} tip rows. If {L|this line is|these lines are} part of your "
     "system, split it into smaller systems."},
    {finding_kind::bankers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They hold} one tip; the other lines hold {1}. If {L|it is a banker|they are "
     "bankers} (a game with one fixed tip), write {L|its tip|the tip} in every tip row, {1} "
     "times{w| in Notepad|}{again}."},
    {finding_kind::written_cut,
     "genordet.txt: every {o|game is cut to {0} {0|tip row|tip rows}|tip row is cut to {0} "
     "{0|game|games}}, though the system's lines hold {1} {1|tip|tips}.\n"
     "The last line with tips sets the count for every line. Put the last line right{again}."},
    {finding_kind::written_filled,
     "genordet.txt: every {o|game gets {0} tip rows|tip row gets {0} games}, though the "
     "system's lines hold only {1} {1|tip|tips}.\n"
     "The last line with tips sets the count for every line. "
     "{3|{o|Tip row|Game} {0} is|{o|Tip rows|Games} {2} to {0} are} filled up with 0, draw tips "
     "you never made. Put the last line right{again}."},
    {finding_kind::lines_more_tips,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2} tips; the other lines hold {1}: {3} {3|tip|tips} too many. "
     "Delete the extra {3|tip|tips}{again}."},
    {finding_kind::lines_fewer_tips,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2} {2|tip|tips}; the other lines hold {1}. From {o|tip "
     "row|game} "
     "{3} on, {L|it is|they are} filled up with 0, draw tips you never made. Add the missing "
     "tips{again}."},
    {finding_kind::lines_fewer_tips_whole,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2} {2|tip|tips}; the other lines hold {1}. "
     "Check {L|this line|these lines}{again}."},
    {finding_kind::more_odd_lines,
     "system.txt: {2} more {2|line holds|lines hold} another number of tips than {1}.\n"
     "Check the lines of your system{again}."},
    {finding_kind::oriented_is_folder,
     "genordet.txt: is a folder.\n"
     "sysorient cannot write the file. Rename or move the folder{again}."},
    {finding_kind::oriented_read_only,
     "genordet.txt: is read-only.\n"
     "sysorient cannot write it. {w|In Explorer, right-click genordet.txt, choose Properties and "
     "clear \"Read-only\"|Make it writable, for example with chmod u+w genordet.txt}{again}."},
    {finding_kind::oriented_in_use,
     "genordet.txt: is open in another program (Excel, perhaps).\n"
     "sysorient cannot write it while it is open there. Close it{again}."},
    {finding_kind::folder_read_only,
     "genordet.txt: cannot be made in this folder.\n"
     "The folder lets no new file be made. Copy system.txt{w|, orient.bat and the programs|} into "
     "a folder of your own, such as Documents, and convert it there."},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: is a link into a folder that is not there.\n"
     "sysorient cannot write it. Delete the link, or make the folder it leads to{again}."},
    {finding_kind::oriented_link_loop, "genordet.txt: is a link that leads round in a circle.\n"
                                       "sysorient cannot write it. Delete the link{again}."},
    {finding_kind::oriented_through_file,
     "genordet.txt: is a link through a file, as if that file were a folder.\n"
     "sysorient cannot write it. Delete the link{again}."},
    {finding_kind::nothing_found, "Nothing was found that looks wrong."},
    {finding_kind::oriented_same,
     "genordet.txt: holds this system, as {w|{o|orient.bat|orient-s.bat}|sysorient{o|| s}} "
     "writes it.\n{0|Use it only once everything above is put right.|You can use it.}"},
    {finding_kind::oriented_other_reading,
     "genordet.txt: holds this system read one {o|tip row|game} per line, as "
     "{w|{o|orient-s.bat|orient.bat}|sysorient{o| s|}} writes it.\n"
     "If your system has one {o|game|tip row} per line, do not use it: "
     "{w|double-click {o|orient.bat|orient-s.bat}|run sysorient{o|| s}}."},
    {finding_kind::oriented_old,
     "genordet.txt: is not made from this system.txt.\n"
     "Do not use it. {w|Double-click {o|orient.bat|orient-s.bat}|Run sysorient{o|| s}}, which "
     "writes it anew{0| once everything above is put right|}."},
    {finding_kind::oriented_kept,
     "genordet.txt: is not made from this system.txt.\n"
     "sysorient writes nothing for this system, so genordet.txt is an older one. Do not use "
     "it."},
};

static_assert(in_order_of_kinds(ENGLISH_MESSAGES), "one English message a kind, in their order");

} // namespace

const language ENGLISH = {
    ENGLISH_MESSAGES,
    {", ", " and ", " to ", " more"},
    "\"",
    "\"",
    U'"',
    U'\'',
    ',',
    "{w|, then double-click {o|orient.bat|orient-s.bat} again|, then run sysorient{o|| s} "
    "again}",
    "A \u00B7 in a quote stands for a character that cannot be shown here (a control or an "
    "invisible character).",
};

} // namespace sysorient
