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
     "system.txt: {0} {0|game|games} with {1} {1|tip row|tip rows} (one {o|game|tip row} per "
     "line).\n"
     "This is how {w|{o|orient.bat|orient-s.bat}|\"sysorient{o|| s}\"} reads the file. Compare it "
     "with your system."},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|game|games} with {1} {1|tip row|tip rows} (one {o|game|tip row} per "
     "line).\n"
     "This is how {w|{o|orient.bat|orient-s.bat}|\"sysorient{o|| s}\"} reads the file. With "
     "{w|{o|orient-s.bat|orient.bat}|\"sysorient{o| s|}\"} (one {o|tip row|game} per line) it is "
     "{=|again |}{2} {2|game|games} with {3} {3|tip row|tip rows}{=|, but with games and tip rows "
     "swapped|}. {=|If each line is a {o|tip row|game}|If that is your system}, "
     "{w|double-click {o|orient-s.bat|orient.bat}|run \"sysorient{o| s|}\"} instead."},
    {finding_kind::read_no_games, "system.txt: no games (one {o|game|tip row} per line).\n"
                                  "So sysorient writes an empty genordet.txt."},
    {finding_kind::too_many_games,
     "system.txt: more than {0} games (one {o|game|tip row} per line).\n"
     "A system has at most {0} games, so sysorient warns and writes no genordet.txt."},
    {finding_kind::too_many_tip_rows,
     "system.txt: more than {0} tip rows (one {o|game|tip row} per line).\n"
     "A system has at most {0} tip rows, so sysorient warns and writes no genordet.txt."},
    {finding_kind::read_error,
     "system.txt: cannot be read to its end (a read error).\n"
     "So sysorient writes nothing. {w|Copy system.txt, the two batch files and the two programs "
     "into a folder on your own computer, such as Documents, and double-click "
     "{o|orient.bat|orient-s.bat} there.|Copy system.txt into a folder on your own computer and "
     "run \"sysorient{o|| s}\" there.}"},
    {finding_kind::cannot_open, "system.txt: not found in the folder {whole}.\n"
                                "Save your system there under the name system.txt{again}."},
    {finding_kind::system_txt_txt,
     "system.txt: not found, but there is a system.txt.txt in the folder {whole}.\n"
     "Rename that file to system.txt{w| in Explorer. If Explorer shows it as \"system.txt\", type "
     "just \"system\" as the new name|}{again}."},
    {finding_kind::not_system_txt,
     "{whole}: the file to convert must be called system.txt.\n"
     "{w|Rename it to system.txt and drop it on {o|orient.bat|orient-s.bat} again.|Rename it to "
     "system.txt{again}.}"},
    {finding_kind::given_not_found,
     "{whole}: not found, or it cannot be opened.\n"
     "{w|Save your system as system.txt in the folder of {o|orient.bat|orient-s.bat}, then "
     "double-click {o|orient.bat|orient-s.bat}.|Save your system as system.txt in the folder where "
     "you run \"sysorient{o|| s}\".}"},
    {finding_kind::utf16_without_mark,
     "system.txt: looks like Unicode text saved without the mark at its start.\n"
     "Umlauts and other letters can then be read as tips or end the reading early. {w|Open the "
     "file in Notepad, choose \"Save as\", set the encoding at the bottom to \"UTF-8\" and click "
     "\"Save\"|Save the file again as UTF-8}{again}."},
    {finding_kind::appended_text,
     "system.txt: ends with text in another encoding: {quote}.\n"
     "That text is not read; it comes from a command or batch file that added lines. {w|Notepad "
     "shows it at the end as garbled characters: delete them, type the text in again and save the "
     "file|In a text editor, delete the text at "
     "the end, type it in again and save the file}{again}."},
    {finding_kind::cr_line_ends,
     "system.txt: its lines end as on an old Mac, not as on Windows.\n"
     "So sysorient reads the whole file as one line. {w|If the file comes from Excel, save it "
     "there as \"Text (Tab delimited)\" instead of \"Text (Macintosh)\". Otherwise copy all its "
     "text in Notepad (Ctrl+A, Ctrl+C) into a new file (Ctrl+N, Ctrl+V) and save that as "
     "system.txt|Open it in a text editor and save it with Linux or Windows line ends}{again}."},
    {finding_kind::text_after_end_mark,
     "Line {line}: {quote}\n"
     "There is an invisible end-of-file character here (· in the quote), and nothing after it is "
     "read: {0|one line|{0} lines} with {1|one tip|{1} tips}. {w|In Notepad, put the cursor at "
     "that place, press Delete (no visible character should disappear) and save the file|Delete "
     "the character (Ctrl+Z) in a text editor}{again}."},
    {finding_kind::more_after_end_mark,
     "Line {line}: {quote}\n"
     "There is an invisible end-of-file character here (· in the quote), and nothing after it is "
     "read: more than {0|one line|{0} lines} with at least {1|one tip|{1} tips}. {w|In Notepad, "
     "put the cursor at that place, press Delete (no visible character should disappear) and save "
     "the file|Delete the character (Ctrl+Z) in a text editor}{again}."},
    {finding_kind::unreadable_after_end_mark,
     "Line {line}: {quote}\n"
     "There is an invisible end-of-file character here (· in the quote), and the file cannot be "
     "read past it (a read error). {w|Copy system.txt, the two batch files and the two programs "
     "into a folder on your own computer, such as Documents. There, delete the character in "
     "Notepad (put the cursor at that place and press Delete), save the file and double-click "
     "{o|orient.bat|orient-s.bat}.|Copy system.txt into a folder on your own computer, delete the "
     "character (Ctrl+Z) there and run \"sysorient{o|| s}\" there.}"},
    {finding_kind::unreadable_after_limit,
     "system.txt: cannot be read to its end (a read error).\n"
     "What else follows is not known. {w|Copy system.txt, the two batch files and the two programs "
     "into a folder on your own computer, such as Documents, and double-click "
     "{o|orient.bat|orient-s.bat} there.|Copy system.txt into a folder on your own computer and "
     "run \"sysorient{o|| s}\" there.}"},
    {finding_kind::checked_in_part,
     "system.txt: is far larger than any system can be.\n"
     "Only its first {0} lines were checked. Perhaps it is the wrong file: save your system as "
     "system.txt{again}."},
    {finding_kind::empty_file,
     "system.txt: the file is empty.\n"
     "{w|Type or paste your system into it in Notepad and save the file|Put your system into "
     "it}{again}."},
    {finding_kind::no_outcomes,
     "system.txt: holds no tips (0, 1, 2, x or X).\n"
     "Perhaps it is the wrong file. Save your system as system.txt{again}."},
    {finding_kind::heading,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|This is a heading|These are headings} or other text above the system. {0|One character in "
     "{L|it|them} (0, 1, 2 or x) is read as a tip|{0} characters in {L|it|them} (0, 1, 2 or x) are "
     "read as tips}, and {L|the line counts|each of these lines counts} as one more {o|game|tip "
     "row}. Delete {L|the line|these lines}{w| in Notepad and save the file|}{again}."},
    {finding_kind::footer,
     "{L|Line|Lines} {lines}: {quote}\n"
     "This is text below the system (a total, a stake, a greeting). {0|One character in "
     "{L|it|them} (0, 1, 2 or x) is read as a tip|{0} characters in {L|it|them} (0, 1, 2 or x) are "
     "read as tips}, and {L|the line counts|each of these lines counts} as one more {o|game|tip "
     "row}. Delete {L|the line|these lines}{w| in Notepad and save the file|}{again}."},
    {finding_kind::row_numbers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It begins with a row number|They begin with row numbers} (1, 2, 3 and so on), and every "
     "0, 1 or 2 in {L|it|them} is read as a tip. So the tips of {L|this line are|these lines are} "
     "wrong. Delete the column of row numbers{w| (in Excel, "
     "usually column A) and save system.txt|}{again}."},
    {finding_kind::label_numbers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "Every 0, 1 or 2 in the number of a label is read as a tip, here in {word}. So the tips of "
     "{L|this line are|these lines are} wrong. Delete {L|the "
     "label or its number|the labels or their numbers}{w| in Notepad and save the file|}{again}."},
    {finding_kind::names, "{L|Line|Lines} {lines}: {quote}\n"
                          "Every 0, 1, 2 or x in a name is read as a tip, here in {word}. So the "
                          "tips of {L|this line are|these lines are} wrong. Delete the names{w| in "
                          "Notepad and save the file|}{again}."},
    {finding_kind::dates, "{L|Line|Lines} {lines}: {quote}\n"
                          "Every 0, 1 or 2 in a date or an amount is read as a tip, here in "
                          "{word}. So the tips of {L|this line are|these lines are} wrong. "
                          "Delete each date or amount{w| in Notepad and save the file|}{again}."},
    {finding_kind::times,
     "{L|Line|Lines} {lines}: {quote}\n"
     "Every 0, 1 or 2 in a time of day is read as a tip, here in {word}. So the tips of {L|this "
     "line are|these lines are} wrong. Delete the times{w| in "
     "Notepad and save the file|}{again}."},
    {finding_kind::cr_inside,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|This line holds|These lines hold} a line end as on an old Mac (· in the quote), and the "
     "tips after it are read as part of the same line. {w|Notepad shows two lines there: put the "
     "cursor at the start of the second, press Backspace, then Enter, and save the file|Make it a "
     "line end like those in the rest of the file}{again}."},
    {finding_kind::without_text,
     "system.txt: without the lines named above it is {0} {0|game|games} with {1} {1|tip row|tip "
     "rows}.\n"
     "That is not too large: delete those lines{w| in Notepad and save the file|}{again}."},
    {finding_kind::other_reading,
     "system.txt: read one {o|tip row|game} per line it is {0} {0|game|games} with {1} {1|tip "
     "row|tip rows}, and that fits.\n"
     "You have probably {w|used the wrong batch file: double-click {o|orient-s.bat|orient.bat} "
     "instead of {o|orient.bat|orient-s.bat}|run \"sysorient{o|| s}\" instead of \"sysorient{o| "
     "s|}\": run \"sysorient{o| s|}\"}."},
    {finding_kind::past_game_limit,
     "{L|Line|Lines} {lines}: {L|goes|go} past the limit of {0} games.\n"
     "If {L|this line is|these lines are} not part of your system, delete {L|it|them}{w| in "
     "Notepad and save the file|}{again}. Otherwise split the system into smaller ones."},
    {finding_kind::past_tip_row_limit,
     "{L|Line|Lines} {lines}: {L|goes|go} past the limit of {0} tip rows.\n"
     "If {L|this line is|these lines are} not part of your system, delete {L|it|them}{w| in "
     "Notepad and save the file|}{again}. Otherwise split the system into smaller ones."},
    {finding_kind::bankers,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They hold} only one tip; the other lines hold {1}. If {L|it is a banker|they are "
     "bankers} (a game with one fixed tip), the tip must stand in every tip row: write it {1} "
     "times in {L|the line|each of these lines}{w| in Notepad and save the file|}{again}."},
    {finding_kind::written_cut,
     "genordet.txt: every {o|game is cut to {0} {0|tip row|tip rows}|tip row is cut to {0} "
     "{0|game|games}}, though the system's lines hold {1} {1|tip|tips}.\n"
     "The last line with tips holds only {0}, and that sets the count for every line. Add the "
     "missing tips there, or delete that line if it is not part of the system{w|; then save the "
     "file and double-click {o|orient.bat|orient-s.bat} again.|, then run \"sysorient{o|| s}\" "
     "again.}"},
    {finding_kind::written_filled,
     "genordet.txt: every {o|game gets {0} tip rows|tip row gets {0} games}, though the system's "
     "lines hold only {1} {1|tip|tips}.\n"
     "The last line with tips holds {0}, and that sets the count for every line: {3|{o|tip "
     "row|game} {0} is|{o|tip rows|games} {2} to {0} are} filled up with 0, draw tips you never "
     "made. Delete the extra {3|tip|tips} in the last line{w| and save the file|}{again}."},
    {finding_kind::lines_more_tips,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2} tips; the other lines hold {1}: {3|one tip|{3} tips} too "
     "many. Delete the extra {3|tip|tips}{w| in Notepad and save the file|}{again}."},
    {finding_kind::lines_fewer_tips,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2|only one tip|{2} tips}; the other lines hold {1}. From {o|tip "
     "row|game} {3} on, {L|it is|they are} filled up with 0, draw tips you never made. Add the "
     "missing tips{w| in Notepad and save the file|}{again}."},
    {finding_kind::lines_fewer_tips_whole,
     "{L|Line|Lines} {lines}: {quote}\n"
     "{L|It holds|They each hold} {2|only one tip|{2} tips}; the other lines hold {1}. Add the "
     "missing tips{w| in Notepad and save the file|}{again}."},
    {finding_kind::more_odd_lines,
     "system.txt: {2|one more line holds|{2} more lines hold} another number of tips than {1}.\n"
     "Put the lines named above right first{again}; the report then names {2|that one|those} too."},
    {finding_kind::oriented_is_folder,
     "genordet.txt: is a folder.\n"
     "So sysorient cannot write the file. Rename the folder{w| in Explorer|}{again}."},
    {finding_kind::oriented_read_only,
     "genordet.txt: is read-only.\n"
     "So sysorient cannot write it. {w|In Explorer, right-click genordet.txt, choose "
     "\"Properties\", clear \"Read-only\" and click \"OK\"|Make it writable, for example with "
     "chmod u+w genordet.txt}{again}."},
    {finding_kind::oriented_in_use,
     "genordet.txt: is open in another program (Excel, perhaps).\n"
     "While it is open there, sysorient cannot write it. Close it there{again}."},
    {finding_kind::folder_read_only,
     "genordet.txt: cannot be made in this folder.\n"
     "The folder lets no new file be made. {w|Copy system.txt, the two batch files and the two "
     "programs into a folder of your own, such as Documents, and double-click "
     "{o|orient.bat|orient-s.bat} there.|Copy system.txt into a folder of your own and run "
     "\"sysorient{o|| s}\" there.}"},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: is a link into a folder that is not there.\n"
     "So sysorient cannot write it. Delete the link{again}."},
    {finding_kind::oriented_link_loop, "genordet.txt: is a link that leads round in a circle.\n"
                                       "So sysorient cannot write it. Delete the link{again}."},
    {finding_kind::oriented_through_file,
     "genordet.txt: is a link through a file, as if that file were a folder.\n"
     "So sysorient cannot write it. Delete the link{again}."},
    {finding_kind::nothing_found, "Nothing was found that looks wrong."},
    {finding_kind::oriented_same,
     "genordet.txt: holds this system, as {w|{o|orient.bat|orient-s.bat}|\"sysorient{o|| s}\"} "
     "writes it.\n"
     "{0|Use it only once everything above is put right.|You can use it.}"},
    {finding_kind::oriented_other_reading,
     "genordet.txt: holds this system read one {o|tip row|game} per line, as "
     "{w|{o|orient-s.bat|orient.bat}|\"sysorient{o| s|}\"} writes it.\n"
     "If your system has one {o|game|tip row} per line, do not use it: {w|double-click "
     "{o|orient.bat|orient-s.bat}|run \"sysorient{o|| s}\"}."},
    {finding_kind::oriented_old,
     "genordet.txt: is not made from this system.txt.\n"
     "Do not use it. {w|Double-click {o|orient.bat|orient-s.bat}|Run \"sysorient{o|| s}\"}{0| once "
     "everything above is put right|}, and it is written anew."},
    {finding_kind::oriented_kept,
     "genordet.txt: is not made from this system.txt.\n"
     "sysorient writes nothing for this system, so genordet.txt is an older file. Do not use "
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
    "{w|, then double-click {o|orient.bat|orient-s.bat} again|, then run \"sysorient{o|| s}\" "
    "again}",
    "A \u00B7 in a quote stands for a character that cannot be shown here, mostly an "
    "invisible one.",
};

} // namespace sysorient
