// The words and numbers of a line, for the tally: which of their outcome
// characters are tips, and which are text: a label's number ("Spiel 1:",
// "1. "), a name or a number in one ("Mexiko", "Schalke 04", "1. FC"), a
// date, an amount or a time ("12.10.2024", "0,50", "20:30"). A number the
// line begins with is noted too: it may be a row number.
#include "check/line_tally.h"

#include "read/byte_classes.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace sysorient {
namespace {

bool is_mark(unsigned char c) { return c == COLON || c == DOT || c == COMMA; }

// The value of a number of at most ROW_NUMBER_DIGITS_MAX digits.
std::int64_t value_of(const quoted_word &w)
{
    std::int64_t value = 0;
    for (int i = 0; i < w.length; ++i)
        value = 10 * value + (w.bytes[i] - '0');
    return value;
}

} // namespace

// --- The word being read ---

void line_tally::open_token(const unsigned char *at)
{
    token_.open = true;
    token_.outcome = token_.letter = token_.digit = token_.outcome_letter = false;
    token_.at = at;
    token_.kept = 0;
    token_.length = token_.outcomes = 0;
}

void line_tally::add_to_token(const unsigned char *p, unsigned char c)
{
    if (!token_.open)
        open_token(p);
    ++token_.length;
    if (c <= OUTCOME_MAX) {
        ++token_.outcomes;
        token_.outcome = true;
        token_.outcome_letter = token_.outcome_letter || !is_digit_byte(*p);
    } else {
        (c == LETTER ? token_.letter : token_.digit) = true;
    }
}

// An open word's first bytes, copied before the text ends; at the start of
// the next text, it goes on there.
void line_tally::copy_token()
{
    if (!token_.open)
        return;
    const unsigned char *from = token_.at != nullptr ? token_.at : text_.bytes;
    const std::ptrdiff_t available = text_.bytes + text_.count - from;
    const auto n = std::min<std::ptrdiff_t>(TOKEN_MAX - token_.kept, available);
    if (n > 0) {
        std::memcpy(token_.bytes + token_.kept, from, static_cast<std::size_t>(n));
        token_.kept += static_cast<int>(n);
    }
    token_.at = nullptr;
}

quoted_word line_tally::token_word() const
{
    quoted_word w{};
    w.full_length = token_.length;
    w.length = static_cast<int>(std::min<std::int64_t>(token_.length, TOKEN_MAX));
    if (token_.at == nullptr) {
        std::memcpy(w.bytes, token_.bytes, static_cast<std::size_t>(w.length));
    } else {
        const std::ptrdiff_t available = text_.bytes + text_.count - token_.at;
        std::memcpy(w.bytes, token_.at,
                    static_cast<std::size_t>(std::min<std::ptrdiff_t>(w.length, available)));
    }
    // Narrowed UTF-16 holds some byte from 0x80 on for a character outside
    // ASCII, not the same on every path: the word holds 0x80 for each.
    constexpr unsigned char NOT_ASCII = 0x80;
    if (facts_.utf16)
        std::replace_if(
            std::begin(w.bytes), std::end(w.bytes), [](unsigned char b) { return b >= NOT_ASCII; },
            NOT_ASCII);
    return w;
}

// --- Causes ---

void line_tally::add_cause(unsigned cause, std::int64_t outcomes, const quoted_word &w)
{
    if (outcomes == 0)
        return;
    if (cause == LABEL_NUMBER)
        line_.label_outcomes += outcomes;
    else if (cause == NAME)
        line_.name_outcomes += outcomes;
    else
        line_.date_outcomes += outcomes;
    if ((line_.causes & cause) == 0) {
        line_.causes |= cause;
        if (cause == LABEL_NUMBER)
            line_.label = w;
        else if (cause == NAME)
            line_.name = w;
    }
}

// A number before ". " is a label's ("1. 1 x 2") unless a word follows it
// ("1. FC", "12. Spieltag"): then it is part of a name.
void line_tally::settle_waiting_label(bool word_follows)
{
    if (!line_.label_waits)
        return;
    line_.label_waits = false;
    add_cause(word_follows ? NAME : LABEL_NUMBER, line_.waiting_outcomes, line_.waiting);
}

// --- Numbers ---

// A number alone, with what follows it: a label's number (at the line's
// start, or after its first word: "1:", "Spiel 1:", "Reihe 12:"), part of a
// name ("Schalke 04", "1. FC"), or tips. The first word of a line may be a row number, while they
// are looked for.
void line_tally::single_number(const number_group &g, const number_follow &follow)
{
    const std::int64_t outcomes = g.outcomes;
    const bool may_label = outcomes != 0 && (g.first_is_lead || g.after_first_word);
    const bool lead =
        g.first_is_lead && watching_row_numbers() && g.first.full_length <= ROW_NUMBER_DIGITS_MAX;
    if (lead)
        line_.lead_value = value_of(g.first);
    // The next number of a column of row numbers is one, whatever its digits.
    const bool next_row_number = lead && run_.lines != 0 && line_.lead_value == run_.next;
    quoted_word labelled = g.first;
    labelled.mark = follow.mark;
    if (follow.cls == COLON && may_label) {
        add_cause(LABEL_NUMBER, outcomes, labelled);
    } else if (follow.cls == DOT && follow.blank_after && may_label) {
        line_.label_waits = true;
        line_.waiting = labelled;
        line_.waiting_outcomes = outcomes;
    } else if (g.other_digit && !next_row_number) {
        add_cause(NAME, outcomes, g.first);
    } else if (lead) {
        line_.lead_tips = outcomes;
    }
}

// Numbers joined by marks are a date or an amount if one of them is longer
// than a digit or holds one that is no outcome; else each is a tip ("1,0,2").
void line_tally::close_group(const number_follow &follow)
{
    const number_group &g = line_.group;
    line_.group_open = false;
    if (g.numbers == 1) {
        single_number(g, follow);
    } else if (g.long_number) {
        add_cause(DATE, g.outcomes, g.first);
    } else if (g.first_is_lead && watching_row_numbers() &&
               g.first.full_length <= ROW_NUMBER_DIGITS_MAX) {
        line_.lead_value = value_of(g.first);
        line_.lead_tips = g.first_outcomes;
    }
}

// A number closed before p: it goes into the group of numbers joined by
// marks, which stays open while a mark and a digit follow.
void line_tally::number_token(const unsigned char *p, const unsigned char *end)
{
    number_group &g = line_.group;
    if (!line_.group_open) {
        g.numbers = 0;
        g.long_number = false;
        g.outcomes = 0;
        g.first = token_word();
        g.first_outcomes = token_.outcomes;
        g.other_digit = token_.digit;
        g.first_is_lead = line_.tokens == 0;
        g.after_first_word = line_.tokens == 1 && line_.after_word;
    }
    ++g.numbers;
    g.outcomes += token_.outcomes;
    g.long_number = g.long_number || token_.length > 1 || token_.digit;
    const unsigned char c = BYTE_CLASSES[*p];
    line_.group_open = is_mark(c) && (end - p == 1 || is_digit_byte(p[1]));
    if (line_.group_open && end - p == 1)
        pending_mark_ = *p; // what follows is in the next text
    else if (!line_.group_open)
        close_group(
            {is_mark(c) ? *p : static_cast<unsigned char>(0), c, end - p > 1 && p[1] == ' '});
}

// A mark after a number at the end of the last text, and the first byte of
// this one.
void line_tally::settle_pending_mark(const unsigned char *p)
{
    if (pending_mark_ < 0)
        return;
    const auto mark = static_cast<unsigned char>(pending_mark_);
    pending_mark_ = -1;
    if (!is_digit_byte(*p))
        close_group({mark, BYTE_CLASSES[mark], *p == ' '});
}

// The word or number ends before p, which is in the text that ends at end.
void line_tally::close_token(const unsigned char *p, const unsigned char *end)
{
    if (!token_.open)
        return;
    token_.open = false;
    const bool number = !token_.letter && !token_.outcome_letter;
    // After "1. ", a word makes a name ("1. FC"); an x is a tip.
    settle_waiting_label(token_.letter);
    if (number) {
        number_token(p, end);
    } else {
        if (line_.group_open)
            close_group({0, SKIP, false});
        if (token_.outcome && (token_.letter || token_.digit))
            add_cause(NAME, token_.outcomes, token_word());
    }
    line_.after_word = token_.letter;
    ++line_.tokens;
}

// At the end of a line: what is still open is settled.
void line_tally::close_line_words(const unsigned char *p, const unsigned char *end)
{
    close_token(p, end);
    if (line_.group_open)
        close_group({0, SKIP, false});
    settle_waiting_label(false);
}

} // namespace sysorient
