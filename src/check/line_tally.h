// The tally of what each line of a system file holds, for sysorient-check:
// how many outcomes, how many of them are tips and how many come from text
// (a label's number, a name, a date, an amount or a time, a number the line
// begins with), and the traps around them (a CR that ends no line, the end
// mark with text behind it, single-byte text behind UTF-16). It takes the
// text as the reader hands it to a text_watcher, so it counts outcomes and
// lines by the reader's own rules (byte_classes.h); its words are read as
// characters, in the encoding the file is decided to have. It holds facts,
// not judgements: what they mean for the user is decided by the findings.
// Memory stays the same at any input size; the caller owns the tally.
#ifndef SYSORIENT_LINE_TALLY_H
#define SYSORIENT_LINE_TALLY_H

#include "check/line_set.h"
#include "check/text_characters.h"
#include "read/system_reader.h"
#include "system_table.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace sysorient {

constexpr int QUOTE_MAX = 40;            // characters of a line that a report quotes
constexpr int NOTES_KEPT = 5;            // lines kept of each count, in their order
constexpr int TOKEN_MAX = 20;            // characters of a word that are kept
constexpr int ROW_NUMBER_DIGITS_MAX = 9; // a longer number is no row number
// Places of text kept of a line: 40 characters of UTF-8 take up to 160
// bytes, and of UTF-16 up to 80 code units.
constexpr int QUOTE_TEXT = 4 * QUOTE_MAX;
constexpr int QUOTE_BYTES = 2 * QUOTE_TEXT; // the file's bytes of them

// The start of a line as the file holds it, up to QUOTE_TEXT places:
// without its line end, with the end mark only where that is asked.
struct line_quote {
    unsigned char bytes[QUOTE_BYTES];
    int length; // in bytes
    text_encoding encoding;
};

// A word or number as the file holds it: its first bytes (of UTF-16, its
// code units), enough for TOKEN_MAX characters, and the mark after it
// where it is a label's number.
struct quoted_word {
    static constexpr int BYTES = 4 * TOKEN_MAX;
    unsigned char bytes[BYTES];
    int length;
    unsigned char mark; // ':', '.' or ')', or 0
};

// What a line holds that a finding names, one entry a kind. The first
// TEXT_CAUSES make outcomes of text rather than tips.
enum line_cause : unsigned char {
    LABEL_NUMBER, // "Spiel 1:", "1. ", "Reihe 12)", "Spiel Nr. 3:"
    NAME,         // "Mexiko", "Schalke 04", "13er", "1. FC"
    DATE,         // "12.10.2024", "12.10.", "0,50"
    TIME,         // "15:30"
    CR_INSIDE,    // a CR without LF between outcomes
    BANKER,       // one tip, and no word but a label's or "Bank"
    // As BANKER, with the tips of a number the line begins with aside.
    BANKER_NUMBERED,
    LINE_CAUSES,
};
constexpr int TEXT_CAUSES = CR_INSIDE;

// What a line with outcomes holds.
struct line_counts {
    std::int64_t line;
    std::int64_t outcomes;          // all of them
    std::int64_t tips;              // those that no cause makes text
    std::int64_t lead_tips;         // of the tips, those of the number the line begins with
    bool letters;                   // a letter that is no outcome
    bool text_like;                 // letters, and no label or "Bank": a heading or footer, perhaps
    bool numbering;                 // its numbers are 1, 2, 3 ...: the games' numbers, say
    bool gap_after;                 // the line after it holds no outcome
    unsigned causes;                // bits (1 << line_cause) of what it holds
    std::int64_t from[TEXT_CAUSES]; // the outcomes each cause made text
};

// A line with outcomes, and its quote. The quote is many times the size of
// the counts: where only the counts change hands, as for every line, only
// they are copied (line_counts &), and the quote is made when it is kept.
struct line_summary : line_counts {
    line_quote quote;
};

// Lines of one kind (line_cause): which, the first one's quote and word,
// and the outcomes the cause made of them. The quote and word of its first
// line past the head window are kept too, in case the first lines turn out
// to be a heading.
struct cause_lines {
    line_set lines;
    line_quote quote;
    quoted_word word;
    std::int64_t outcomes;
    std::int64_t line_after_head; // 0: none yet
    line_quote quote_after_head;
    quoted_word word_after_head;
};

// Lines of one count of tips: how many, which, and the first NOTES_KEPT
// of them.
struct count_group {
    std::int64_t tips;
    std::int64_t total;
    line_set lines;
    line_summary first[NOTES_KEPT];
};

// Lines with outcomes by their count of tips, one way of counting them: a
// histogram of every count (the last bin takes all larger counts; only the
// bins in use are cleared, so memory holds only those), and the first
// GROUPS counts seen with their first lines.
class tip_counts {
  public:
    static constexpr int GROUPS = 16;

    void clear();
    void add(const line_summary &line, std::int64_t tips);
    [[nodiscard]] std::int64_t lines_with(std::int64_t tips) const;
    // The count most lines have, of counts above 0: of equals, preferred
    // if it is one of them, else the highest.
    [[nodiscard]] std::int64_t most_common(std::int64_t preferred) const;
    // Whether a line of this count would be one of its group's first.
    bool wants_quote(std::int64_t tips);
    [[nodiscard]] int group_count() const { return group_count_; }
    [[nodiscard]] const count_group &group(int g) const { return groups_[g]; }

  private:
    static constexpr std::int64_t BINS = MAX_TIP_ROWS + 2;
    static std::int64_t bin_of(std::int64_t tips)
    {
        return std::clamp<std::int64_t>(tips, 0, BINS - 1);
    }
    count_group *group_of(std::int64_t tips);
    std::int64_t bins_[BINS] = {};
    std::int64_t top_ = 0;  // the highest bin in use
    std::int64_t best_ = 0; // the most common bin: of equals the highest, 0 only if alone
    count_group groups_[GROUPS] = {};
    int group_count_ = 0;
    count_group *last_ = nullptr;
};

// A run of lines with outcomes whose first numbers count up by one, from 0
// or 1: the row numbers of a spreadsheet's first column, or, behind words,
// the numbers of labels ("Spiel 1", "Nr. 2").
struct number_run {
    std::int64_t first_line;
    std::int64_t last_line;
    std::int64_t lines;
    std::int64_t next;        // the number the next line must begin with
    std::int64_t outcomes;    // outcome characters in the numbers
    bool after_words;         // the numbers stand behind words
    bool dotted;              // or begin the lines as "1. Bayern": labels' numbers too
    std::int64_t first_named; // the first line's number, in outcomes, taken for a name's
    line_set tipped;          // the lines whose numbers hold outcomes
    quoted_word word;         // the first line's number
};

// The first and the last lines with outcomes, where headings and footers
// are; the first lines' words of each cause too.
struct line_windows {
    static constexpr int LINES = 8;
    line_summary head[LINES];
    quoted_word head_words[LINES][TEXT_CAUSES];
    int head_count;
    line_summary tail[LINES]; // a ring: the last LINES lines
    int tail_count;
    int tail_next;
};

// Single-byte text behind the last ASCII code unit of a UTF-16 file.
struct utf16_tail {
    std::int64_t length;
    bool printable; // every byte printable ASCII, a blank or a line end
    bool cr_lf;     // a CR LF pair among them
    bool outcome;   // an outcome character among them
    int last;       // the last byte, or -1
    bool quoted;    // the quote's line has ended
    line_quote start;
};

// Where the lines with outcomes go past the table's limits.
struct limit_lines {
    std::int64_t line_game_16;       // the 16th line with outcomes (0: none)
    std::int64_t line_tip_row_20001; // the 20001st (0: none)
    line_set over_15;                // lines of more than 15 outcomes
    line_set over_20000;             // lines of more than 20000 outcomes
};

// What the tally found: facts about the file and its lines.
struct tally_facts {
    std::int64_t bytes;               // of text, UTF-16 narrowed
    std::int64_t lines;               // every line, the last one too
    std::int64_t lines_with_outcomes; // before the end mark
    std::int64_t max_outcomes;        // on one line
    line_summary last;                // the last line with outcomes
    const tip_counts *tips;           // by tips
    const tip_counts *tips_not_lead;  // by tips, but for those of a number the line begins with
    line_windows windows;
    number_run numbers; // the longest run of first numbers, from the first lines on
    cause_lines causes[LINE_CAUSES];
    limit_lines limits;
    std::int64_t lone_crs; // CRs without LF on lines with outcomes
    std::int64_t line_feeds;

    bool end_mark;                        // the input holds one
    line_summary end_mark_line;           // the line it ends, quoted through the mark
    std::int64_t after_end_mark;          // bytes of the file after it
    std::int64_t outcomes_after_end_mark; // outcome characters after it
    std::int64_t lines_after_end_mark;    // lines with text after it (its own line's rest too)
    bool line_has_text;                   // the line after it being read holds text
    bool text_after_end_mark;             // anything but blanks, line ends and end marks
    watch_end ending;                     // how the input ended for the tally

    text_encoding encoding;
    bool utf16;
    static constexpr int HEAD = 64; // bytes of a file without a mark looked at for UTF-16
    int head_length;
    int head_zeros[2]; // zero bytes among them, at even and at odd places
    utf16_tail tail;
};

// The start of a line, as far as the text has shown it: in the text being
// tallied (pointers into it, kept only while it lasts), or copied.
struct line_start {
    const unsigned char *at;    // in the current text, or nullptr once copied
    const unsigned char *units; // its code units (UTF-16), or nullptr
    // The copy: QUOTE_TEXT places and two more, to tell the CR of a CR LF
    // right after them from a CR inside the line.
    static constexpr int PLACES = QUOTE_TEXT + 2;
    unsigned char text[PLACES];
    unsigned char units_copy[2 * PLACES];
    int length; // places copied
};

// The word or number being read, its first bytes kept as a line start is.
struct token_state {
    bool open;
    bool letter;         // a letter that is no outcome
    bool digit;          // a digit that is no outcome ('3' to '9')
    bool outcome_letter; // an x or X
    std::int64_t length; // places (UTF-16: code units)
    std::int64_t outcomes;
    const unsigned char *at; // its first place in the current text, or nullptr once copied
    quoted_word word;        // what is copied of it
};

// Where a line stands while its words are read: before any word, after
// words only (where a label's number may follow), or past that.
enum class lead_place : unsigned char { start, words, done };

// A number of a group.
struct number_part {
    std::int64_t value; // -1: too long to keep
    std::int64_t digits;
    std::int64_t outcomes;
    bool other_digit; // a digit that is no outcome
};

// Numbers joined by '.', ',' or ':' with nothing between ("12.10.2024",
// "0,50", "15:30", "1,0,2"), or a number alone.
struct number_group {
    static constexpr int PARTS = 3; // kept: a date has three
    int count;
    number_part parts[PARTS];
    unsigned char marks[PARTS - 1];
    unsigned char joining; // the mark before the last number
    std::int64_t outcomes;
    std::int64_t rest_names; // of those after the first that hold a digit that is no outcome
    quoted_word first;
    lead_place lead; // where the line stood when it began
};

// The line being read.
struct line_state {
    std::int64_t outcomes;
    std::int64_t from[TEXT_CAUSES]; // outcomes each cause made text
    quoted_word words[TEXT_CAUSES]; // the first word of each
    std::int64_t lead_tips;         // outcomes of the line's first number, as tips
    std::int64_t lead_value;        // that number, or -1
    quoted_word lead_word;          // and as it stands
    bool lead_after_words;          // it stands behind words
    bool lead_dotted;               // it stands before ". " and a word: "1. Bayern"
    std::int64_t lead_named;        // its outcomes, taken for a name's ("1. FC")
    lead_place lead;
    bool letters;
    bool labelled; // a label, its number an outcome or not
    bool bank;     // a word beginning with "Bank"
    bool counting; // its numbers so far are 1, 2, 3 ...
    std::int64_t count_next;
    unsigned causes;
    std::int64_t lone_crs;
    bool lone_cr; // a CR without LF after an outcome
    bool group_open;
    unsigned char mark_waits; // a mark after the group's last number, until a digit or not
    number_group group;
    bool label_waits; // a number before ". ": a label unless a word follows
    bool waiting_may_label;
    bool waiting_after_words;
    quoted_word waiting;
    std::int64_t waiting_outcomes;
    std::int64_t waiting_value;
    bool waiting_other_digit;
};

class line_tally {
  public:
    // Starts a new tally; the earlier one's facts are gone.
    void start();
    // A watcher that hands the reader's text to this tally.
    text_watcher watcher();
    // The facts, once the reading is done.
    const tally_facts &finish();

    void text(const watched_text &t);
    void end(watch_end how, int odd_byte);

  private:
    // tally_text.cpp: the text as it comes, and a character at a time.
    void decide_encoding();
    void process(const watched_text &t);
    void read_text(const watched_text &t);
    [[nodiscard]] std::size_t cut_places(const watched_text &t) const;
    void splice(watched_text &t);
    void keep_what_the_text_holds();
    void note_head(const watched_text &t);
    void note_tail(const watched_text &t);
    void after_end_mark(const unsigned char *p, const unsigned char *end);
    void scan(const unsigned char *p, const unsigned char *end);
    const unsigned char *pass_line(const unsigned char *p, const unsigned char *end);
    const unsigned char *tips_run(const unsigned char *p, const unsigned char *end);
    const unsigned char *step(const unsigned char *p, const unsigned char *end);
    const unsigned char *decode(const unsigned char *p, const unsigned char *end,
                                unsigned char &c) const;
    const unsigned char *word_run(const unsigned char *p, const unsigned char *end,
                                  unsigned char c);
    void separator(const unsigned char *p, unsigned char c);
    void lone_cr();
    void add_outcomes(std::int64_t n);
    // tally_words.cpp: words and numbers.
    void open_token(const unsigned char *at);
    void copy_token();
    [[nodiscard]] quoted_word token_word() const;
    void add_cause(line_cause cause, std::int64_t outcomes, const quoted_word &w);
    void settle_waiting_label(bool word_follows);
    void single_number(const number_part &n, unsigned char follow, bool blank_after);
    void settle_group(unsigned char follow, bool blank_after);
    void number_closed(unsigned char c, unsigned char byte);
    void close_token(unsigned char c, unsigned char byte);
    void close_line_words();
    // tally_lines.cpp: lines.
    void line_end(const unsigned char *p);
    void end_mark(const unsigned char *p);
    void end_line();
    void reset_line();
    void count_line();
    void note_causes(const line_summary &s);
    void note_limits(const line_counts &s);
    void note_window(const line_summary &s);
    void note_tail(const line_counts &s);
    void note_row_number(const line_summary &s);

    tally_facts facts_{};
    tip_counts tips_;
    tip_counts tips_not_lead_;
    number_run run_{};
    line_state line_{};
    token_state token_{};
    line_start current_{};                             // the line being read
    line_start last_{};                                // the last line with outcomes
    line_start end_mark_{};                            // the line the end mark ends
    line_start tail_starts_[line_windows::LINES] = {}; // the tail window's lines
    line_summary summary_{};                           // the line being counted
    watched_text text_{};                              // the text being tallied
    bool decided_ = false;                             // the encoding is known
    bool whole_ = false;                               // the input has ended
    bool pending_cr_ = false;                          // a CR whose next character is not known yet
    bool ended_ = false;                               // past the end mark
    // The first bytes, until the encoding is decided by them.
    unsigned char head_[ENCODING_HEAD] = {};
    std::size_t head_count_ = 0;
    // A character cut by the end of a text: its places, and their code units.
    unsigned char cut_[8] = {};
    unsigned char cut_units_[16] = {};
    int cut_count_ = 0;
};

} // namespace sysorient

#endif
