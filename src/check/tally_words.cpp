// The words and numbers of a line, for the tally: which of their outcome
// characters are tips, and which are text. A word is a run of letters,
// digits and combining marks; every other character separates words. Text
// is a name or a word that holds outcomes ("Mexiko", "13er", "Schalke 04",
// "1. FC"), a label's number ("Spiel 1:", "1. ", "Reihe 12)", "Spiel Nr.
// 3:"), a date or an amount ("12.10.2024", "12.10.", "0,50") and a time
// ("15:30"). The first number of a line, at its start or behind its first
// words, is noted too: the lines' first numbers may count up (row numbers,
// or labels without a mark).
#include "check/line_tally.h"

#include <algorithm>
#include <cstring>

namespace sysorient {
namespace {

bool joins_numbers(unsigned char c) { return c == COLON || c == DOT || c == COMMA; }

// The value of a number's digits, as a word holds them (UTF-16: in code
// units), or -1 if it has more than ROW_NUMBER_DIGITS_MAX.
// How a word's bytes hold ASCII characters: one byte each, or (UTF-16) the
// low byte of a code unit, first or second.
struct ascii_places {
    int step;
    int low;
};

ascii_places places_of(const watched_text &t)
{
    return {t.units != nullptr ? 2 : 1, t.units != nullptr && t.big_endian ? 1 : 0};
}

std::int64_t value_of(const quoted_word &w, std::int64_t digits, ascii_places a)
{
    if (digits > ROW_NUMBER_DIGITS_MAX)
        return -1;
    std::int64_t value = 0;
    for (std::int64_t i = 0; i < digits; ++i)
        value = 10 * value + (w.bytes[a.step * i + a.low] - '0');
    return value;
}

// Whether a word begins with "Bank" ("Bank", "Bankspiel", "Banker").
bool bank_word(const quoted_word &w, ascii_places a)
{
    if (w.length < 4 * a.step)
        return false;
    for (int i = 0; i < 4; ++i)
        if ((w.bytes[a.step * i + a.low] | 0x20) != "bank"[i])
            return false;
    return true;
}

// The group's word goes on with the mark and the next number, as far as
// it has room: "12.10.2024", "15:30".
void append_number(quoted_word &group, unsigned char mark, const quoted_word &number,
                   ascii_places a)
{
    if (group.length + a.step + number.length > quoted_word::BYTES)
        return;
    if (a.step == 2)
        group.bytes[group.length + 1 - a.low] = 0;
    group.bytes[group.length + a.low] = mark;
    group.length += a.step;
    std::memcpy(group.bytes + group.length, number.bytes, static_cast<std::size_t>(number.length));
    group.length += number.length;
}

std::int64_t power_of_ten(std::int64_t n)
{
    std::int64_t p = 1;
    for (; n > 0; --n)
        p *= 10;
    return p;
}

bool day_and_month(const number_group &g)
{
    const number_part &day = g.parts[0];
    const number_part &month = g.parts[1];
    return day.digits <= 2 && day.value >= 1 && day.value <= 31 && month.digits <= 2 &&
           month.value >= 1 && month.value <= 12;
}

// "12.10.2024", "3.4.25", "12.10.", and amounts "0,50", "12.50".
bool date_or_amount(const number_group &g, unsigned char follow)
{
    const bool dots = g.marks[0] == '.' && (g.count < 3 || g.marks[1] == '.');
    if (g.count == 3) {
        const std::int64_t year = g.parts[2].digits;
        return dots && day_and_month(g) && (year == 2 || year == 4);
    }
    if (g.count != 2)
        return false;
    if (g.marks[0] != ':' && g.parts[1].digits == 2)
        return true;
    const bool long_number = g.parts[0].digits > 1 || g.parts[1].digits > 1 ||
                             g.parts[0].other_digit || g.parts[1].other_digit;
    return dots && follow == '.' && long_number && day_and_month(g);
}

// "15:30", "9:05".
bool time_of_day(const number_group &g)
{
    return g.count == 2 && g.marks[0] == ':' && g.parts[0].digits <= 2 && g.parts[0].value <= 24 &&
           g.parts[1].digits == 2 && g.parts[1].value <= 59;
}

} // namespace

// --- The word being read ---

void line_tally::open_token(const unsigned char *at)
{
    token_.open = true;
    token_.letter = token_.digit = token_.outcome_letter = false;
    token_.at = at;
    token_.word.length = 0;
    token_.length = token_.outcomes = 0;
}

// A run of ASCII word characters of class c from p on, up to end or the
// first character of another class, or one letter from 0x80 on, from p to
// end; returns where it stops.
const unsigned char *line_tally::word_run(const unsigned char *p, const unsigned char *end,
                                          unsigned char c)
{
    if (line_.mark_waits != 0) {
        number_group &g = line_.group;
        g.joining = line_.mark_waits;
        if (is_digit_byte(*p) && g.count < number_group::PARTS)
            g.marks[g.count - 1] = line_.mark_waits;
        else if (!is_digit_byte(*p))
            settle_group(line_.mark_waits, false);
        line_.mark_waits = 0;
    }
    if (!token_.open)
        open_token(p);
    // A character from 0x80 on is one letter, from p to end.
    const unsigned char *q = *p >= 0x80 ? end : p + 1;
    while (q < end && TEXT_CLASSES[*q] == c)
        ++q;
    const std::int64_t n = q - p;
    token_.length += n;
    if (c == TIP) {
        token_.outcomes += n;
        add_outcomes(n);
        token_.outcome_letter = token_.outcome_letter || std::any_of(p, q, [](unsigned char b) {
                                    return !is_digit_byte(b);
                                });
    } else {
        (c == DIGIT ? token_.digit : token_.letter) = true;
    }
    return q;
}

// An open word's first bytes, copied before the text ends; at the start of
// the next text, it goes on there.
void line_tally::copy_token()
{
    quoted_word &w = token_.word;
    const bool utf16 = text_.units != nullptr;
    const unsigned char *from = token_.at != nullptr ? token_.at : text_.bytes;
    const auto places = std::min<std::ptrdiff_t>(text_.bytes + text_.count - from,
                                                 (quoted_word::BYTES - w.length) / (utf16 ? 2 : 1));
    const unsigned char *bytes = utf16 ? text_.units + 2 * (from - text_.bytes) : from;
    const auto n = static_cast<int>(places * (utf16 ? 2 : 1));
    if (n > 0) {
        std::memcpy(w.bytes + w.length, bytes, static_cast<std::size_t>(n));
        w.length += n;
    }
    token_.at = nullptr;
}

// The word as far as it goes, its first bytes.
quoted_word line_tally::token_word() const
{
    const bool utf16 = text_.units != nullptr;
    const int size = utf16 ? 2 : 1;
    quoted_word w = token_.word;
    const auto wanted = static_cast<int>(
        std::min<std::int64_t>(token_.length * size, quoted_word::BYTES) / size * size);
    if (token_.at != nullptr) {
        const unsigned char *bytes =
            utf16 ? text_.units + 2 * (token_.at - text_.bytes) : token_.at;
        std::memcpy(w.bytes, bytes, static_cast<std::size_t>(wanted));
        w.length = wanted;
    }
    w.length = std::min(w.length, wanted);
    w.mark = 0;
    return w;
}

// --- Causes ---

void line_tally::add_cause(line_cause cause, std::int64_t outcomes, const quoted_word &w)
{
    if (outcomes == 0)
        return;
    line_.from[cause] += outcomes;
    if ((line_.causes & 1U << cause) == 0) {
        line_.causes |= 1U << cause;
        line_.words[cause] = w;
    }
}

// A number before ". " is a label's ("1. 1 x 2"). With a word after it, it
// is a label's where it goes on the lines' count ("2. Leipzig" below "1.
// Bayern"), else a name's ("1. FC", "12. Spieltag"), though it may still
// begin that count.
void line_tally::settle_waiting_label(bool word_follows)
{
    if (!line_.label_waits)
        return;
    line_state &l = line_;
    l.label_waits = false;
    const bool goes_on = run_.lines != 0 && l.waiting_value == run_.next &&
                         run_.after_words == l.waiting_after_words;
    if (word_follows && l.waiting_may_label && l.lead_value < 0 && l.waiting_value >= 0 &&
        (!l.waiting_other_digit || goes_on)) {
        l.lead_value = l.waiting_value;
        l.lead_word = l.waiting;
        l.lead_after_words = l.waiting_after_words;
        l.lead_dotted = true;
        l.lead_tips = goes_on ? l.waiting_outcomes : 0;
        l.lead_named = goes_on ? 0 : l.waiting_outcomes;
        if (goes_on) {
            l.lead = lead_place::words;
            return;
        }
    }
    if (word_follows) {
        add_cause(NAME, l.waiting_outcomes, l.waiting);
    } else if (line_.waiting_may_label) {
        line_.labelled = true;
        add_cause(LABEL_NUMBER, line_.waiting_outcomes, line_.waiting);
    }
    line_.lead = word_follows ? lead_place::words : lead_place::done;
}

// --- Numbers ---

// A number alone, or the first of numbers that make no date: a label's
// number where the line holds only words before it and a mark follows it;
// the line's first number (a row number, or a label's without a mark,
// if the lines' first numbers count up); a name's ("Schalke 04") where it
// holds a digit that is no outcome; or tips.
void line_tally::single_number(const number_part &n, unsigned char follow, bool blank_after)
{
    const number_group &g = line_.group;
    const bool may_label = g.lead != lead_place::done;
    quoted_word labelled = g.first;
    labelled.mark = follow;
    // A number with a leading zero is a club's ("Schalke 04:"), no label's.
    const bool leading_zero = n.digits > 1 && n.value >= 0 && n.value < power_of_ten(n.digits - 1);
    if ((follow == ':' || follow == ')') && may_label && !leading_zero) {
        line_.labelled = true;
        add_cause(LABEL_NUMBER, n.outcomes, labelled);
        line_.lead = lead_place::done;
        return;
    }
    if (follow == '.' && blank_after) {
        line_.label_waits = true;
        line_.waiting_may_label = may_label;
        line_.waiting_after_words = g.lead == lead_place::words;
        line_.waiting = labelled;
        line_.waiting_outcomes = n.outcomes;
        line_.waiting_value = n.value;
        line_.waiting_other_digit = n.other_digit;
        return;
    }
    const bool behind_words = g.lead == lead_place::words;
    // The next number of a run is one, whatever its digits.
    const bool goes_on =
        run_.lines != 0 && n.value == run_.next && run_.after_words == behind_words;
    if (may_label && n.value >= 0 && line_.lead_value < 0 && (!n.other_digit || goes_on)) {
        line_.lead_value = n.value;
        line_.lead_word = g.first;
        line_.lead_tips = n.outcomes;
        line_.lead_after_words = behind_words;
        line_.lead = lead_place::done;
    } else if (n.other_digit) {
        add_cause(NAME, n.outcomes, g.first);
        line_.lead = g.lead == lead_place::start ? lead_place::words : g.lead;
    } else {
        line_.lead = lead_place::done;
    }
}

// A group of numbers is complete: what follows it is the mark `follow` (0
// for none), and a blank after that or not.
void line_tally::settle_group(unsigned char follow, bool blank_after)
{
    line_.group_open = false;
    line_.mark_waits = 0;
    const number_group &g = line_.group;
    if (g.count == 1) {
        single_number(g.parts[0], follow, blank_after);
    } else if (date_or_amount(g, follow)) {
        add_cause(DATE, g.outcomes, g.first);
    } else if (time_of_day(g)) {
        add_cause(TIME, g.outcomes, g.first);
    } else {
        // Numbers in a row, "1,0,2" or "10,1,x" as a spreadsheet writes them.
        single_number(g.parts[0], g.marks[0] == ':' ? ':' : 0, false);
        add_cause(NAME, g.rest_names, g.first);
        line_.lead = lead_place::done;
    }
}

// A number ends before a character of class c (the byte `byte`): it joins
// the group of numbers, which waits for a digit after a mark.
void line_tally::number_closed(unsigned char c, unsigned char byte)
{
    number_group &g = line_.group;
    const quoted_word w = token_word();
    const number_part part{value_of(w, token_.length, places_of(text_)), token_.length,
                           token_.outcomes, token_.digit};
    line_.counting = line_.counting && part.value == line_.count_next;
    ++line_.count_next;
    if (!line_.group_open) {
        g.count = 0;
        g.outcomes = g.rest_names = 0;
        g.first = w;
        g.lead = line_.lead;
        line_.group_open = true;
    }
    if (g.count < number_group::PARTS)
        g.parts[g.count] = part;
    if (g.count != 0) {
        g.rest_names += part.other_digit ? part.outcomes : 0;
        append_number(g.first, g.joining, w, places_of(text_));
    }
    ++g.count;
    g.outcomes += part.outcomes;
    if (joins_numbers(c))
        line_.mark_waits = byte;
    else
        settle_group(c == PAREN ? ')' : 0, false);
}

// The word or number ends before a character of class c.
void line_tally::close_token(unsigned char c, unsigned char byte)
{
    token_.open = false;
    const bool number = !token_.letter && !token_.outcome_letter;
    settle_waiting_label(token_.letter);
    if (number) {
        number_closed(c, byte);
        return;
    }
    if (line_.group_open)
        settle_group(0, false);
    if (token_.outcomes != 0 && (token_.letter || token_.digit))
        add_cause(NAME, token_.outcomes, token_word());
    else if (!token_.letter)
        line_.lead = lead_place::done; // tips: "x", "1x2"
    line_.counting = line_.counting && token_.letter;
    if (token_.letter) {
        line_.letters = true;
        line_.bank = line_.bank || bank_word(token_word(), places_of(text_));
        if (line_.lead == lead_place::start)
            line_.lead = lead_place::words;
    }
}

// At the end of a line: what is still open is settled.
void line_tally::close_line_words()
{
    if (token_.open)
        close_token(LINE_FEED, LINE_END_BYTE);
    if (line_.mark_waits != 0)
        settle_group(line_.mark_waits, false);
    settle_waiting_label(false);
}

} // namespace sysorient
