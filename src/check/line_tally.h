// The tally of what each line of a system file holds, for sysorient-check:
// how many outcomes, how many of them are tips and how many come from text
// (a label's number, a name, a date or an amount, a number the line begins
// with), and the traps around them (a CR that ends no line, the end mark
// with text behind it, single-byte text behind UTF-16). It takes the text as
// the reader hands it to a text_watcher, so it sees the file exactly as the
// reader does, through the same byte classes. It holds facts, not
// judgements: what they mean for the user is decided by the findings.
// Memory stays the same at any input size; the caller owns the tally.
#ifndef SYSORIENT_LINE_TALLY_H
#define SYSORIENT_LINE_TALLY_H

#include "check/line_set.h"
#include "read/fill_paths.h"
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

// How a quote's bytes stand for characters.
enum class text_encoding : unsigned char { bytes, utf16le, utf16be };

// The start of a line as the file holds it, up to QUOTE_TEXT places:
// without its line end, with the end mark only where that is asked.
struct line_quote {
    unsigned char bytes[QUOTE_BYTES];
    int length; // in bytes
    text_encoding encoding;
};

// A word or number as it stands in the file (ASCII letters and digits),
// its first TOKEN_MAX characters, with the mark after it.
struct quoted_word {
    unsigned char bytes[TOKEN_MAX];
    int length;
    std::int64_t full_length;
    unsigned char mark; // the ':' or '.' after a label's number, or 0
};

// What makes outcomes of a line text rather than tips.
enum cause_bit : unsigned {
    LABEL_NUMBER = 1, // "Spiel 1:", "1. "
    NAME = 2,         // "Mexiko", "Schalke 04", "13er", "1. FC"
    DATE = 4,         // "12.10.2024", "0,50", "20:30"
};

// What a line with outcomes holds.
struct line_counts {
    std::int64_t line;
    std::int64_t outcomes;  // all of them
    std::int64_t tips;      // those that are no label's number, name, date or amount
    std::int64_t lead_tips; // of the tips, those of a number the line begins with
    bool letters;           // an ASCII letter that is no outcome
    unsigned causes;        // cause_bit of its outcomes that are no tips
};

// A line with outcomes, and its quote. The quote is many times the size of
// the counts: where only the counts change hands, as for every line, only
// they are copied (line_counts &), and the quote is made when it is kept.
struct line_summary : line_counts {
    line_quote quote;
};

// Lines with outcomes from one cause: which, the first one's quote and word,
// and how many outcomes the cause made in all. The quote of its first line
// past the head window is kept too, in case the first lines turn out to be
// a heading.
struct cause_lines {
    line_set lines;
    line_quote quote;
    quoted_word word;
    std::int64_t outcomes;
    std::int64_t line_after_head; // 0: none yet
    line_quote quote_after_head;
    quoted_word word_after_head;
};

// Lines of one count of tips: how many, and the first NOTES_KEPT of them.
struct count_group {
    std::int64_t tips;
    std::int64_t total;
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
    // Whether a line of this count adds only to the counts: it is the count
    // of the line before, whose first lines are all kept.
    [[nodiscard]] bool repeats(std::int64_t tips) const
    {
        return last_ != nullptr && last_->tips == tips && last_->total >= NOTES_KEPT;
    }
    // Adds a line that repeats().
    void add_again(std::int64_t tips)
    {
        count_in(bin_of(tips));
        ++last_->total;
    }
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
    // One more line in the bin; the most common bin stays known: of equals
    // the highest, and bin 0 only if it holds more than any other.
    void count_in(std::int64_t bin)
    {
        const std::int64_t lines = ++bins_[bin];
        const std::int64_t most = bins_[best_];
        if (lines > most || (lines == most && bin > best_))
            best_ = bin;
    }
    std::int64_t top_ = 0;  // the highest bin in use
    std::int64_t best_ = 0; // the most common bin
    count_group groups_[GROUPS] = {};
    int group_count_ = 0;
    count_group *last_ = nullptr;
};

// A run of lines with outcomes that begin with numbers counting up by one,
// from 0 or 1 (the row numbers of a spreadsheet's first column).
struct number_run {
    std::int64_t first_line;
    std::int64_t last_line;
    std::int64_t lines;
    std::int64_t next;     // the number the next line must begin with
    std::int64_t outcomes; // outcome characters in the numbers
};

// The first and the last lines with outcomes, where headings and footers are.
struct line_windows {
    static constexpr int LINES = 8;
    line_summary head[LINES];
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
    number_run numbers; // the longest run of row numbers, from the first lines on
    cause_lines labels;
    cause_lines names;
    cause_lines dates;
    cause_lines cr_inside; // a CR without LF between outcomes
    limit_lines limits;
    std::int64_t lone_crs; // CRs without LF
    std::int64_t line_feeds;

    bool end_mark;                        // the input holds one
    line_summary end_mark_line;           // the line it ends, quoted through the mark
    std::int64_t after_end_mark;          // bytes of the file after it
    std::int64_t outcomes_after_end_mark; // outcome characters after it
    bool text_after_end_mark;             // anything but blanks, line ends and end marks
    watch_end ending;                     // how the input ended for the tally

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

// A word or number, its first bytes kept as a line start is: in the text
// while it lasts, copied when it ends.
struct token_state {
    bool open;
    bool outcome;            // holds an outcome character
    bool outcome_letter;     // an outcome that is a letter (x, X)
    bool letter;             // a letter that is no outcome
    bool digit;              // a digit that is no outcome
    const unsigned char *at; // its first byte in the current text, or nullptr once copied
    unsigned char bytes[TOKEN_MAX];
    int kept; // bytes copied
    std::int64_t length;
    std::int64_t outcomes;
};

// Numbers joined by '.', ',' or ':' with nothing between ("12.10.2024",
// "0,50", "20:30"), or a number alone.
struct number_group {
    int numbers;
    bool long_number; // more than one digit, or a digit that is no outcome
    std::int64_t outcomes;
    quoted_word first;           // the first number
    std::int64_t first_outcomes; // outcome characters in it
    bool other_digit;            // a digit in it that is no outcome
    bool first_is_lead;          // it begins its line
    bool after_first_word;       // the line begins with a word with a letter, and then it
};

// What follows a number: the mark right after it (0 if none), that mark's
// class, and whether a blank follows the mark.
struct number_follow {
    unsigned char mark;
    unsigned char cls;
    bool blank_after;
};

// The line being read.
struct line_state {
    std::int64_t outcomes;
    std::int64_t label_outcomes;
    std::int64_t name_outcomes;
    std::int64_t date_outcomes;
    std::int64_t lead_tips;  // outcomes of a number the line begins with, counted as tips
    std::int64_t lead_value; // that number, or -1
    std::int64_t tokens;     // words and numbers closed so far
    bool letters;            // an ASCII letter that is no outcome
    bool has_word;           // a letter or digit that is no outcome
    bool after_word;         // the last word closed held a letter
    bool lone_cr;            // a CR without LF after an outcome
    bool cr_inside;          // and an outcome after that
    bool label_waits;        // a number before ". ": a label, unless a word follows
    quoted_word waiting;     // that number
    std::int64_t waiting_outcomes;
    number_group group;
    bool group_open;   // the group may go on
    unsigned causes;   // cause_bit of the line so far
    quoted_word label; // the first label's number
    quoted_word name;  // the first name or number in one
};

class line_tally {
  public:
    // The reader's path's classifier of chunks, which the tally uses.
    using classifier = void (*)(const unsigned char *, std::size_t, chunk_classes *);
    // Starts a new tally; the earlier one's facts are gone.
    void start(classifier classify_chunks);
    // A watcher that hands the reader's text to this tally.
    text_watcher watcher();
    // The facts, once the reading is done.
    const tally_facts &finish();

    void text(const watched_text &t);
    void end(watch_end how, int odd_byte);

  private:
    // line_tally.cpp: the text, the byte way.
    void keep_what_the_text_holds();
    const unsigned char *chunks(const unsigned char *p, const unsigned char *text_end);
    void carry_text_on(const unsigned char *p);
    void note_head(const watched_text &t);
    void note_tail(const watched_text &t);
    void after_end_mark(const unsigned char *p, const unsigned char *end);
    void lone_cr();
    void add_outcomes(std::int64_t n);
    void carriage_return(const unsigned char *p);
    void scan(const unsigned char *p, const unsigned char *end);
    // tally_chunks.cpp: the chunk way.
    [[nodiscard]] bool watching_row_numbers() const;
    void pair_last_crs(const unsigned char *p, std::ptrdiff_t count, const unsigned char *text_end);
    [[nodiscard]] bool amid_tips(const chunk_classes &m) const;
    void tips_chunk(const unsigned char *p, const chunk_classes &m);
    [[nodiscard]] static bool quiet_bytes(const chunk_classes &m);
    [[nodiscard]] bool quiet(const chunk_classes &m) const;
    std::ptrdiff_t past_quiet_lines(std::ptrdiff_t from, std::ptrdiff_t count);
    [[nodiscard]] bool plain(const chunk_classes &m) const;
    void chunk_words(const chunk_classes &m, int from);
    void lines_without_outcomes(const unsigned char *p, const chunk_classes &m);
    void chunk_lines(const unsigned char *p, const chunk_classes &m);
    void carry_token(const unsigned char *p, const chunk_classes &m);
    void count_chunk(const unsigned char *p, const chunk_classes &m);
    void quiet_chunk(const unsigned char *p, const chunk_classes &m);
    // tally_words.cpp: words and numbers.
    void open_token(const unsigned char *at);
    void add_to_token(const unsigned char *p, unsigned char c);
    void copy_token();
    [[nodiscard]] quoted_word token_word() const;
    void add_cause(unsigned cause, std::int64_t outcomes, const quoted_word &w);
    void settle_waiting_label(bool word_follows);
    void single_number(const number_group &g, const number_follow &follow);
    void close_group(const number_follow &follow);
    void number_token(const unsigned char *p, const unsigned char *end);
    void settle_pending_mark(const unsigned char *p);
    void close_token(const unsigned char *p, const unsigned char *end);
    void close_line_words(const unsigned char *p, const unsigned char *end);
    // tally_lines.cpp: lines.
    void line_end(const unsigned char *p);
    void end_mark(const unsigned char *p);
    void end_line(const unsigned char *p, const unsigned char *end);
    void reset_line();
    void summarise(line_summary &s) const;
    void count_line();
    void note_causes(const line_summary &s);
    [[nodiscard]] bool settled(std::int64_t tips) const;
    bool settled_line(const unsigned char *start, const unsigned char *end, std::int64_t outcomes);
    void count_settled_line(std::int64_t tips);
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
    classifier classify_chunks_ = nullptr;
    static constexpr int BATCH = 16; // chunks classified at a time
    chunk_classes batch_[BATCH] = {};
    bool pending_cr_ = false; // a CR at the end of the text so far
    int pending_mark_ = 0;    // a mark after a number at the end of it, or -1 (from start())
    bool ended_ = false;      // past the end mark
};

} // namespace sysorient

#endif
