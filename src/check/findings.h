// What sysorient-check has to say, as records: each a kind, a place, the
// quoted text and word, and a few numbers. Deciding what to say makes
// these (findings.cpp, from the tally's facts and what the driver found of
// the files); words are made of them only when a report is rendered
// (report_text.h), from one table of messages a language.
#ifndef SYSORIENT_FINDINGS_H
#define SYSORIENT_FINDINGS_H

#include "check/line_set.h"
#include "check/line_tally.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace sysorient {

// One entry a kind of thing a report says, with what its numbers [0] to
// [3] hold. The first record of a report is one of the first ten; every
// other one is a finding but for the last five, which say what is in
// genordet.txt and that nothing was found. A line is a game or a tip row
// as the report's orientation says; "outcomes" are the characters read as
// tips.
enum class finding_kind : unsigned char {
    // What sysorient makes of the file.
    read_system,       // [0] games of [1] tip rows
    read_system_both,  // [0] games of [1] tip rows; read the other way, [2] games of [3] tip rows
    read_no_games,     //
    too_many_games,    // more than [0] games
    too_many_tip_rows, // more than [0] tip rows
    read_error,        //
    cannot_open,       // there is no system.txt: the quote is the folder
    system_txt_txt,    // there is no system.txt, but a system.txt.txt: the quote is the folder
    not_system_txt,    // a file of another name was given: the quote is its name
    given_not_found,   // a file was given that cannot be opened: the quote is its name

    // The file as a whole.
    utf16_without_mark,        //
    appended_text,             // the quote is single-byte text behind UTF-16
    cr_line_ends,              //
    text_after_end_mark,       // [0] lines of text after the end mark, [1] outcomes in them
    more_after_end_mark,       // as text_after_end_mark, and more than was looked at
    unreadable_after_end_mark, //
    unreadable_after_limit,    //
    checked_in_part,           // [0] lines were looked at past the limit, and there is more
    empty_file,                //
    no_outcomes,               //

    // Lines whose outcomes come from text, all of them named; the quote is
    // the first one's. [0]: the outcomes read from that text.
    heading,       // lines with words above the system
    footer,        // lines with words below it
    row_numbers,   // the numbers that the lines begin with, counting up
    label_numbers, // the numbers of labels; the word is the first, with its mark
    names,         // names and numbers in them; the word is the first
    dates,         // dates and amounts; the word is the first
    times,         // times of day; the word is the first
    cr_inside,     // a CR without LF between outcomes (no [0])

    // What becomes of the system. [0]: the count written for every line,
    // [1]: the count the system's lines hold.
    without_text,       // without the lines named above: [0] games of [1] tip rows, which fit
    other_reading,      // read the other way: [0] games of [1] tip rows, which fit
    past_game_limit,    // the lines named make it more than [0] games
    past_tip_row_limit, // the lines named make it more than [0] tip rows
    bankers,            // lines of one tip, as a banker written once is
    written_cut,        // every line is cut from [1] to [0]
    written_filled,     // every line is filled up from [1] to [0]; [2] = [1] + 1, [3] = [0] - [1]
    lines_more_tips,    // the lines hold [2] tips; [3] = [2] - [1]
    lines_fewer_tips,   // the lines hold [2] tips; they are filled up from [3] = [2] + 1 on
    lines_fewer_tips_whole, // the lines hold [2] tips; nothing is filled up
    more_odd_lines,         // [2] more lines hold other counts than [1]

    // genordet.txt: why sysorient cannot write it.
    oriented_is_folder,      //
    oriented_read_only,      //
    oriented_in_use,         // another program holds it open
    folder_read_only,        // no file can be made in the folder
    oriented_missing_folder, // it is a link into a folder that is not there
    oriented_link_loop,      // it is a link that leads round in a circle
    oriented_through_file,   // its path goes through a file as if it were a folder

    // No finding: nothing was found, and what genordet.txt holds.
    nothing_found,          //
    oriented_same,          // what sysorient writes of this system.txt
    oriented_other_reading, // what sysorient writes of it read the other way
    oriented_old,           // something else
    oriented_kept,          // sysorient writes nothing, and this genordet.txt stays
};

// How many kinds there are: the last one's number and one.
constexpr std::size_t FINDING_KINDS = static_cast<std::size_t>(finding_kind::oriented_kept) + 1;

// Whether a record of this kind is a finding (it makes the exit status 1).
bool counts_as_finding(finding_kind kind);

// Where a finding is: a set of lines of system.txt, or none for the file
// as a whole.
using place = line_set;

struct finding {
    finding_kind kind;
    place where;
    line_quote quote;
    quoted_word word;
    std::int64_t numbers[4];
};

// A report: what the first line says, then the findings, in order.
struct report {
    static constexpr int MAX = 40;
    finding items[MAX];
    int count;
    bool tip_rows; // read one tip row per line
};

// Whether genordet.txt could be written, as the driver found without
// writing anything.
enum class oriented_state : unsigned char {
    writable,
    folder,         // it is a folder
    read_only,      // it is there and read-only
    in_use,         // another program holds it open and lets no one write
    cannot_create,  // it is not there, and the folder lets no file be made
    missing_folder, // a link into a folder that is not there
    link_loop,      // links that lead round in a circle
    through_file,   // a path through a file, as if it were a folder
};

// What genordet.txt holds, as the driver found it once the table is read.
enum class oriented_content : unsigned char {
    none,          // there is none, or it is no regular file
    same,          // what sysorient writes of the table
    other_reading, // what sysorient writes of the file read the other way
    other,         // something else
};

// What the driver found of the files around system.txt.
struct file_facts {
    oriented_state oriented;
    // What genordet.txt holds; the check asks once the table is read, with
    // whether the file read the other way fits. nullptr: there is none.
    oriented_content (*holds)(const system_table &table, bool other_fits);
};

// A record of the kind with its numbers, for the file as a whole.
finding make_finding(finding_kind kind, std::initializer_list<std::int64_t> numbers = {});

// Whether the report holds a finding.
bool has_findings(const report &r);

// What the check makes of a reading.
struct check_input {
    const system_table &table; // as the reader filled it
    int status;                // the reader's result
    const tally_facts &facts;
    const file_facts &files;
};

// Every threshold and every choice of what to say lives here.
void judge(const check_input &in, report &out);

// The report when system.txt cannot be opened: whether a system.txt.txt
// is there instead, or a file was given (by its name, and whether it can
// be opened).
struct unopened {
    bool txt_txt;
    const char *given; // its name in UTF-8, or nullptr
    bool given_opens;
    const char *folder; // the current folder in UTF-8, or nullptr
};
void judge_unopened(const system_table &table, const unopened &why, report &out);

} // namespace sysorient

#endif
