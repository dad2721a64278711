// The characters of a file as the check reads its words and quotes them:
// the file's encoding, decided once, the characters its bytes stand for,
// and which characters make words.
#ifndef SYSORIENT_TEXT_CHARACTERS_H
#define SYSORIENT_TEXT_CHARACTERS_H

#include "read/byte_classes.h"

#include <array>
#include <cstddef>

namespace sysorient {

// The check's classes of a byte of text: first what the reader's input
// rules make of it (BYTE_CLASSES: an outcome, the line end, the end mark),
// then the kinds of skipped ASCII bytes that words are read by. A byte from
// 0x80 on (HIGH) is part of a character that the file's encoding gives.
enum : unsigned char {
    TIP,          // an outcome character
    LINE_FEED,    // ends a line
    END_OF_INPUT, // the end mark
    DIGIT,        // '3' to '9'
    LETTER,       // an ASCII letter that is no outcome
    BLANK,        // a space or a tab
    COLON,
    DOT,
    COMMA,
    PAREN, // ')'
    DASH,  // '-'
    CR,
    OTHER, // any other ASCII byte: a separator
    HIGH,
};
// The classes that a line without outcomes is passed over up to.
constexpr unsigned char PASS_STOPS = END_OF_INPUT;

constexpr unsigned char text_class_of(unsigned b)
{
    const unsigned c = BYTE_CLASSES[b];
    if (c <= OUTCOME_MAX)
        return TIP;
    if (c == LINE_END || c == END_MARK_CLASS)
        return c == LINE_END ? LINE_FEED : END_OF_INPUT;
    if (b >= 0x80)
        return HIGH;
    if (is_digit_byte(b))
        return DIGIT;
    if ((b | 0x20) >= 'a' && (b | 0x20) <= 'z')
        return LETTER;
    switch (b) {
    case ' ':
    case '\t':
        return BLANK;
    case ':':
        return COLON;
    case '.':
        return DOT;
    case ',':
        return COMMA;
    case ')':
        return PAREN;
    case '-':
        return DASH;
    case '\r':
        return CR;
    default:
        return OTHER;
    }
}

constexpr std::array<unsigned char, 256> make_text_classes()
{
    std::array<unsigned char, 256> classes{};
    for (unsigned b = 0; b < 256; ++b)
        classes[b] = text_class_of(b);
    return classes;
}

constexpr std::array<unsigned char, 256> TEXT_CLASSES = make_text_classes();

// How a file's bytes stand for characters. UTF-16 is told by its mark
// (the reader's rule); every other file by its first bytes.
enum class text_encoding : unsigned char { utf8, windows_1252, cp850, utf16le, utf16be };

// The bytes a file's encoding is decided by: its first 64 KiB.
constexpr std::size_t ENCODING_HEAD = std::size_t{64} << 10;

// The encoding of a file without a UTF-16 mark, from its first bytes
// (`whole`: the file ends with them): UTF-8 where they are valid UTF-8 (a
// sequence cut at their end allowed where the file goes on); else code
// page 850, the one of old DOS programs, where its German letters stand
// inside words more often than Windows-1252's do (its umlauts lie where
// Windows-1252 has punctuation: 0x81 0x84 0x8E 0x94 0x99 0x9A, and ß at
// 0xE1); else Windows-1252, the ANSI code page of a Western or German
// Windows.
text_encoding encoding_of(const unsigned char *head, std::size_t length, bool whole);

constexpr char32_t NO_CHARACTER = 0xFFFFFFFF;

// The character that starts at bytes[i] of text in encoding e (length
// bytes; UTF-16 as its code units, two bytes each), with i moved past it;
// NO_CHARACTER for bytes that make none, a sequence cut at the end among
// them.
char32_t character_at(text_encoding e, const unsigned char *bytes, std::size_t length,
                      std::size_t &i);

// Whether the character at bytes[i] goes on past length (UTF-8 or UTF-16
// only): more of it may follow.
bool cut_at_end(text_encoding e, const unsigned char *bytes, std::size_t length, std::size_t i);

// What a character from U+0080 on is to words: letters, digits and
// combining marks make them; every other character separates them, a
// blank (a space of any width) and a dash among them.
enum class word_part : unsigned char { word, blank, dash, other };
word_part part_of_word(char32_t c);

// Characters first to last.
struct character_range {
    char32_t first;
    char32_t last;
};

} // namespace sysorient

#endif
