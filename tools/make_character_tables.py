#!/usr/bin/env python3
"""Writes src/check/character_tables.cpp: the tables of characters that the
check's words are read with, from Python's own Unicode data and code pages.

    python3 tools/make_character_tables.py > src/check/character_tables.cpp

- The characters from U+0080 on that separate words: every assigned
  character that is no letter (L), combining mark (M) or decimal digit (Nd),
  as ranges. A range may take in characters that are not assigned, where
  that saves a range: a character assigned later falls on the side its
  neighbours are on.
- The characters of the bytes 0x80 to 0xFF in Windows-1252 (0 where it has
  none) and in code page 850.
"""
import codecs
import sys
import unicodedata


def word(c):
    category = unicodedata.category(chr(c))
    if category in ('Cn', 'Co', 'Cs'):
        return None
    return category[0] in 'LM' or category == 'Nd'


def separator_ranges():
    ranges = []
    for c in range(0x80, 0x110000):
        if word(c) is not False:
            continue
        if ranges and all(word(x) is not True for x in range(ranges[-1][1] + 1, c)):
            ranges[-1][1] = c
        else:
            ranges.append([c, c])
    return ranges


def code_page(name):
    out = []
    for b in range(0x80, 0x100):
        try:
            out.append(ord(codecs.decode(bytes([b]), name)))
        except UnicodeDecodeError:
            out.append(0)
    return out


def rows(items, per_row):
    for i in range(0, len(items), per_row):
        yield '    ' + ' '.join(items[i:i + per_row])


def main():
    w = sys.stdout.write
    w('// Made by tools/make_character_tables.py from Unicode '
      + unicodedata.unidata_version + ': do not edit.\n')
    w('#include "check/text_characters.h"\n\nnamespace sysorient {\n\n')
    ranges = separator_ranges()
    w('const character_range SEPARATORS[] = {\n')
    w('\n'.join(rows(['{0x%04X, 0x%04X},' % (a, b) for a, b in ranges], 4)) + '\n};\n')
    w('const std::size_t SEPARATOR_RANGES = sizeof SEPARATORS / sizeof SEPARATORS[0];\n\n')
    for name, table in (('WINDOWS_1252_HIGH', 'cp1252'), ('CP850_HIGH', 'cp850')):
        w('const char16_t %s[128] = {\n' % name)
        w('\n'.join(rows(['0x%04X,' % c for c in code_page(table)], 8)) + '\n};\n')
    w('\n} // namespace sysorient\n')


main()
