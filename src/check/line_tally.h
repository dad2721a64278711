// The tally of what each line of a system file holds, for sysorient-check:
// how many outcomes, and the traps around them (outcome characters inside
// words and numbers, numbers in labels, a CR that ends no line, the end mark
// with text behind it, single-byte text behind UTF-16). It takes the text as
// the reader hands it to a text_watcher, so it sees the file exactly as the
// reader does, through the same byte classes. It holds facts, not
// judgements: what they mean for the user is decided by the findings.
// Memory stays the same at any input size; the caller owns the tally.
#ifndef SYSORIENT_LINE_TALLY_H
#define SYSORIENT_LINE_TALLY_H

#include "read/fill_paths.h"
#include "read/system_reader.h"
#include "system_table.h"

#include <cstddef>
#include <cstdint>

namespace sysorient {

constexpr int QUOTE_MAX = 40; // characters of a line that a report quotes
constexpr int NOTES_KEPT = 5; // lines kept of each kind, in their order
constexpr int TOKEN_MAX = 20; // characters of a word that are kept
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

// A line, by its number (from 1, every line counted), with its outcomes.
struct line_note {
    std::int64_t line;
    std::int64_t outcomes;
    line_quote quote;
};

// A word or number on a line: an outcome character beside other letters or
// digits ("Mexiko", "04"), or a number of outcome characters before ':' or
// ". " on a line with words ("Spiel 1:").
struct token_note {
    std::int64_t line;
    line_quote quote;
    unsigned char token[TOKEN_MAX];
    std::int64_t token_length; // in full; above TOKEN_MAX only the start is kept
    std::int64_t outcomes;     // outcome characters in it
    unsigned char after;       // ':' or '.' for a number in a label
};

// Notes of one kind: the first NOTES_KEPT and how many there are in all.
template <class Note> struct notes {
    Note first[NOTES_KEPT];
    std::int64_t total;
};

// Lines of one outcome count: how many, and the first NOTES_KEPT of them.
struct count_group {
    std::int64_t outcomes;
    notes<line_note> lines;
};

// Lines with outcomes, by their count of outcomes; the last bin takes all
// larger counts. Only the bins in use are cleared, so memory holds only
// those.
class count_histogram {
  public:
    void clear();
    void add(std::int64_t outcomes);
    [[nodiscard]] std::int64_t lines_with(std::int64_t outcomes) const;

  private:
    static constexpr std::int64_t BINS = MAX_TIP_ROWS + 2;
    static std::int64_t bin_of(std::int64_t outcomes);
    std::int64_t bins_[BINS] = {};
    std::int64_t top_ = 0; // the highest bin in use
};

// Single-byte text behind the last ASCII code unit of a UTF-16 file.
struct utf16_tail {
    std::int64_t length;
    bool printable; // every byte printable ASCII, a blank or a line end
    bool cr_lf;     // a CR LF pair among them
    bool outcome;   // an outcome character among them
    int last;       // the last byte, or -1
    line_quote start;
};

// What the tally found: facts about the file and its lines.
struct tally_facts {
    std::int64_t bytes;               // of text, UTF-16 narrowed
    std::int64_t lines;               // every line, the last one too
    std::int64_t lines_with_outcomes; // before the end mark
    std::int64_t max_outcomes;        // on one line
    line_note last;                   // the last line with outcomes
    std::int64_t before_last;         // outcomes of the line with outcomes before it
    static constexpr int GROUPS = 16;
    count_group groups[GROUPS]; // the first GROUPS counts of outcomes seen
    int group_count;
    const count_histogram *counts; // every count
    notes<token_note> words;       // outcome characters inside words or numbers
    notes<token_note> labels;      // numbers of outcome characters in labels
    notes<line_note> cr_inside;    // a CR without LF between outcomes
    std::int64_t lone_crs;         // CRs without LF
    std::int64_t line_feeds;

    bool end_mark;                        // the input holds one
    line_note end_mark_line;              // the line it ends, quoted through the mark
    std::int64_t after_end_mark;          // bytes of the file after it
    std::int64_t outcomes_after_end_mark; // outcome characters after it
    bool text_after_end_mark;             // anything but blanks, line ends and end marks
    watch_end ending;                     // how the input ended for the tally

    bool utf16;
    static constexpr int HEAD = 64; // bytes of a file without a mark looked at for UTF-16
    int head_length;
    int head_zeros[2]; // zero bytes among them, at even and at odd places
    utf16_tail tail;

    // How many lines (before the end mark) hold exactly this many outcomes.
    [[nodiscard]] std::int64_t lines_with(std::int64_t outcomes) const
    {
        return counts->lines_with(outcomes);
    }
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

// The state of the line being read, and of the word or number being read.
struct line_state {
    std::int64_t outcomes;
    bool has_word;  // a letter or digit that is no outcome
    bool lone_cr;   // a CR without LF after an outcome
    bool cr_inside; // and an outcome after that
    bool label;     // a number of outcome characters before ':' or ". "
    token_note label_note;
    token_note *unquoted[NOTES_KEPT]; // word notes made before the quote was whole
    int unquoted_count;
};

// A word or number, its first bytes kept as a line start is: in the text
// while it lasts, copied when it ends.
struct token_state {
    bool open;
    bool outcome;            // holds an outcome character
    bool other;              // and a letter or digit that is not one
    const unsigned char *at; // its first byte in the current text, or nullptr once copied
    unsigned char bytes[TOKEN_MAX];
    int kept; // bytes copied
    std::int64_t length;
    std::int64_t outcomes;
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
    // The two ways through the text (line_tally.cpp says which takes what).
    void scan(const unsigned char *p, const unsigned char *end);
    void count_chunk(const unsigned char *p, const chunk_classes &m);
    [[nodiscard]] bool plain(const chunk_classes &m) const;
    [[nodiscard]] bool quiet(const chunk_classes &m) const;
    void quiet_chunk(const unsigned char *p, const chunk_classes &m);

    void start_line(const unsigned char *at);
    void end_line();
    void count_line();
    void line_end(const unsigned char *p);
    void end_mark(const unsigned char *p);
    void carriage_return(const unsigned char *p);
    void add_outcomes(std::int64_t n);
    void add_to_token(const unsigned char *p, bool outcome);
    void open_token(const unsigned char *at);
    void copy_token();
    void close_token(const unsigned char *p, const unsigned char *end);
    void note_word();
    void lone_cr();
    void after_end_mark(const unsigned char *p, const unsigned char *end);
    void carry_text_on(const unsigned char *p);
    void lines_without_outcomes(const unsigned char *p, const chunk_classes &m);
    void chunk_lines(const unsigned char *p, const chunk_classes &m);
    void carry_token(const unsigned char *p, const chunk_classes &m);
    void note_head(const watched_text &t);
    void note_tail(const watched_text &t);
    const unsigned char *chunks(const unsigned char *p, const unsigned char *text_end);
    void copy_start(line_start &s) const;
    void continue_start(line_start &s) const;
    count_group *group_of(std::int64_t outcomes);
    [[nodiscard]] token_note current_token(unsigned char after) const;
    [[nodiscard]] line_quote quote_of(const line_start &s, bool through_end_mark = false) const;

    tally_facts facts_{};
    count_histogram counts_;
    line_state line_{};
    token_state token_{};
    line_start current_{};         // the line being read
    line_start last_{};            // the last line with outcomes
    line_start end_mark_{};        // the line the end mark ends
    watched_text text_{};          // the text being tallied
    count_group *group_ = nullptr; // the last line's count
    classifier classify_chunks_ = nullptr;
    static constexpr int BATCH = 16; // chunks classified at a time
    chunk_classes batch_[BATCH] = {};
    bool pending_cr_ = false;  // a CR at the end of the text so far
    bool pending_dot_ = false; // a number of outcome characters and '.' at the end of it
    bool ended_ = false;       // past the end mark
};

} // namespace sysorient

#endif
