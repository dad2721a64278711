// The report's messages in German, as a tipster speaks: one whole message a
// kind of finding, with its plural forms written out (report_text.h says
// how they are filled in), in the order of the kinds. UTF-8.
#include "check/report_text.h"

namespace sysorient {
namespace {

constexpr message GERMAN_MESSAGES[] = {
    {finding_kind::read_system,
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, "
     "{o|ein Spiel pro Zeile|eine Tippreihe pro Zeile}"},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, "
     "{o|ein Spiel pro Zeile|eine Tippreihe pro Zeile} "
     "({o|eine Tippreihe pro Zeile|ein Spiel pro Zeile}: {2} {2|Spiel|Spiele} mit {3} "
     "{3|Tippreihe|Tippreihen})"},
    {finding_kind::read_no_games,
     "system.txt: keine Spiele, mit {o|einem Spiel pro Zeile|einer Tippreihe pro Zeile} "
     "gelesen: genordet.txt wird als leere Datei geschrieben"},
    {finding_kind::too_many_games,
     "system.txt: mehr als {0} Spiele, mit {o|einem Spiel pro Zeile|einer Tippreihe pro Zeile} "
     "gelesen: sysorient warnt und schreibt nichts"},
    {finding_kind::too_many_tip_rows,
     "system.txt: mehr als {0} Tippreihen, mit "
     "{o|einem Spiel pro Zeile|einer Tippreihe pro Zeile} gelesen: sysorient warnt und "
     "schreibt nichts"},
    {finding_kind::read_error,
     "system.txt: lässt sich nicht lesen (Lesefehler): sysorient schreibt nichts"},
    {finding_kind::cannot_open,
     "system.txt: nicht gefunden: In diesem Ordner gibt es keine system.txt, oder sie lässt "
     "sich nicht öffnen"},
    {finding_kind::system_txt_txt,
     "system.txt: nicht gefunden, aber hier gibt es eine system.txt.txt: Benennen Sie sie in "
     "system.txt um (zeigt der Explorer sie als »system.txt«, geben Sie als neuen Namen nur "
     "»system« ein)"},
    {finding_kind::not_system_txt,
     "»{quote}«: Die Datei, die umgewandelt werden soll, muss system.txt heißen: Benennen Sie "
     "sie in system.txt um oder speichern Sie sie unter dem Namen system.txt"},
    {finding_kind::given_not_found,
     "»{quote}«: nicht gefunden, oder die Datei lässt sich nicht öffnen: Kopieren Sie die "
     "Datei als system.txt in den Ordner von orient.bat"},
    {finding_kind::utf16_without_mark,
     "system.txt: sieht aus wie Unicode-Text ohne die Kennung am Anfang: Umlaute und andere "
     "Sonderzeichen können das Lesen beenden oder verfälschen; speichern Sie die Datei im "
     "Editor noch einmal mit der Codierung UTF-8"},
    {finding_kind::appended_text,
     "system.txt: Hinter dem Unicode-Text steht Text in einer anderen Codierung (wie ihn "
     "»echo ... >> system.txt« anhängt): »{quote}« wird nicht gelesen; speichern Sie die "
     "ganze Datei noch einmal in einer einzigen Codierung"},
    {finding_kind::cr_line_ends,
     "system.txt: Die Zeilen enden mit Mac-Zeilenenden (nur CR): Die ganze Datei wird als "
     "eine Zeile gelesen; speichern Sie sie noch einmal mit Windows-Zeilenenden"},
    {finding_kind::text_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen: "
     "{0|Das Byte|Die {0} Bytes} dahinter {0|wird|werden} nicht gelesen, darunter "
     "{1|ein Tipp|{1} Tipps}"},
    {finding_kind::more_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen: "
     "Dahinter folgen mehr als {0} Bytes, die nicht gelesen werden; in den ersten {0} davon "
     "{1|steht ein Tipp|stehen {1} Tipps}"},
    {finding_kind::unreadable_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen, und "
     "dahinter lässt sich die Datei nicht lesen (Lesefehler): Was dort steht, ist unbekannt"},
    {finding_kind::unreadable_after_limit,
     "system.txt: lässt sich nicht bis zum Ende lesen (Lesefehler): Was dahinter steht, ist "
     "unbekannt"},
    {finding_kind::checked_in_part,
     "system.txt: Hinter der Stelle, an der das System zu groß wird, wurden nur noch {0} "
     "Bytes geprüft"},
    {finding_kind::empty_file, "system.txt: Die Datei ist leer"},
    {finding_kind::no_outcomes, "system.txt: enthält keine Tipps (0, 1, 2, x oder X)"},
    {finding_kind::heading,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: {L|eine Überschrift|Überschriften} über dem "
     "System: {0|ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 "
     "oder x) werden als Tipps} gelesen, und {L|die Zeile zählt|jede dieser Zeilen zählt} "
     "als {o|Spiel|Tippreihe}: Löschen Sie {L|diese Zeile|diese Zeilen}"},
    {finding_kind::footer,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Text unter dem System (Summe, Einsatz oder "
     "Gruß): {0|ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 "
     "oder x) werden als Tipps} gelesen, und {L|die Zeile zählt|jede dieser Zeilen zählt} "
     "als {o|Spiel|Tippreihe}: Löschen Sie {L|diese Zeile|diese Zeilen}"},
    {finding_kind::row_numbers,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: eine Spalte mit Zeilennummern (1, 2, 3, ...): "
     "{0|eine Ziffer darin (0, 1 oder 2) wird als Tipp|{0} Ziffern darin (0, 1 oder 2) "
     "werden als Tipps} gelesen: Löschen Sie die Spalte mit den Zeilennummern"},
    {finding_kind::label_numbers,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Die Nummer einer Beschriftung, etwa "
     "»{word}{mark}«, zählt als Tipp: Löschen Sie die Beschriftungen oder ihre Nummern"},
    {finding_kind::names,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Name, etwa »{word}{mark}«, enthält 0, 1, 2 oder "
     "x, und die werden als Tipps gelesen: Löschen Sie die Namen"},
    {finding_kind::dates,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Datum oder Betrag enthält 0, 1 oder 2, und "
     "die werden als Tipps gelesen: Löschen Sie diese Angaben"},
    {finding_kind::times,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Eine Uhrzeit, etwa »{word}«, enthält 0, 1 oder 2, und "
     "die werden als Tipps gelesen: Löschen Sie die Uhrzeiten"},
    {finding_kind::cr_inside,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Mac-Zeilenende (nur CR) beendet die Zeile "
     "nicht: Die Tipps dahinter werden in derselben Zeile gelesen"},
    {finding_kind::bankers,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: ein Tipp, die übrigen Zeilen haben {1}: "
     "{L|Ist es ein Bankspiel|Sind es Bankspiele}, schreiben Sie den Tipp in jede Tippreihe, also "
     "{1}-mal"},
    {finding_kind::without_text,
     "system.txt: Ohne diese Zeilen sind es {0} {0|Spiel|Spiele} mit {1} "
     "{1|Tippreihe|Tippreihen}"},
    {finding_kind::other_reading,
     "system.txt: Mit {o|einer Tippreihe pro Zeile|einem Spiel pro Zeile} gelesen, sind es "
     "{0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}: "
     "{o|{w|Doppelklicken Sie orient-s.bat oder geben Sie »sysorient s« ein|Geben Sie "
     "»sysorient s« ein}|{w|Doppelklicken Sie orient.bat oder geben Sie »sysorient« ohne s "
     "ein|Geben Sie »sysorient« ohne s ein}}"},
    {finding_kind::past_game_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Spielen hinaus"},
    {finding_kind::past_tip_row_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Tippreihen "
     "hinaus"},
    {finding_kind::written_cut,
     "genordet.txt: {o|Jedes Spiel wird auf {0} {0|Tippreihe|Tippreihen}|Jede Tippreihe wird "
     "auf {0} {0|Spiel|Spiele}} gekürzt, die Zeilen des Systems haben aber {1} "
     "{1|Tipp|Tipps}"},
    {finding_kind::written_filled,
     "genordet.txt: {o|Jedes Spiel bekommt {0} Tippreihen|Jede Tippreihe bekommt {0} Spiele}, "
     "die Zeilen des Systems haben aber nur {1} {1|Tipp|Tipps}: "
     "{3|{o|Die Tippreihe|Das Spiel} {0} wird|{o|Die Tippreihen|Die Spiele} {2} bis {0} "
     "werden} mit 0 aufgefüllt, also mit Unentschieden-Tipps, die nicht im System stehen"},
    {finding_kind::line_more_tips,
     "Zeile {line}: »{quote}«: {2} Tipps, die übrigen Zeilen haben {1}: {3} {3|Tipp|Tipps} "
     "zu viel"},
    {finding_kind::line_fewer_tips,
     "Zeile {line}: »{quote}«: {2} {2|Tipp|Tipps}, die übrigen Zeilen haben {1}: Ab "
     "{o|Tippreihe|Spiel} {3} wird mit 0 aufgefüllt, also mit Unentschieden-Tipps, die nicht "
     "im System stehen"},
    {finding_kind::line_fewer_tips_whole,
     "Zeile {line}: »{quote}«: {2} {2|Tipp|Tipps}, die übrigen Zeilen haben {1}"},
    {finding_kind::more_odd_lines,
     "system.txt: {2} weitere {2|Zeile hat|Zeilen haben} nicht genau {1} Tipps"},
    {finding_kind::written_despite_findings,
     "genordet.txt: wurde trotzdem geschrieben: Verwenden Sie genordet.txt erst, wenn alles "
     "oben Genannte behoben ist"},
    {finding_kind::oriented_is_folder,
     "genordet.txt: ist ein Ordner: sysorient kann die Datei nicht schreiben; benennen Sie den "
     "Ordner um oder verschieben Sie ihn"},
    {finding_kind::oriented_read_only,
     "genordet.txt: ist schreibgeschützt: sysorient kann die Datei nicht schreiben; entfernen "
     "Sie in den Eigenschaften der Datei den Haken bei »Schreibgeschützt«"},
    {finding_kind::oriented_in_use,
     "genordet.txt: ist in einem anderen Programm geöffnet (z. B. Excel): Schließen Sie die "
     "Datei dort und wandeln Sie dann noch einmal um"},
    {finding_kind::folder_read_only,
     "genordet.txt: kann nicht angelegt werden: In diesem Ordner können keine Dateien angelegt "
     "werden; kopieren Sie system.txt in einen eigenen Ordner (z. B. Dokumente) und wandeln "
     "Sie sie dort um"},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: ist eine Verknüpfung in einen Ordner, den es nicht gibt: sysorient kann die "
     "Datei nicht schreiben; löschen Sie die Verknüpfung oder legen Sie den Ordner an"},
    {finding_kind::oriented_link_loop,
     "genordet.txt: ist eine Verknüpfung, die im Kreis führt: sysorient kann die Datei nicht "
     "schreiben; löschen Sie die Verknüpfung"},
    {finding_kind::oriented_through_file,
     "genordet.txt: führt durch eine Datei, als wäre sie ein Ordner: sysorient kann die Datei "
     "nicht schreiben; löschen Sie die Verknüpfung"},
};

static_assert(in_order_of_kinds(GERMAN_MESSAGES), "one German message a kind, in their order");

} // namespace

const language GERMAN = {GERMAN_MESSAGES, {", ", " und ", " bis ", " weitere"}, U'«'};

} // namespace sysorient
