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
     "system.txt: keine Spiele, gelesen als {o|ein Spiel pro Zeile|eine Tippreihe pro Zeile}: "
     "genordet.txt wird leer geschrieben"},
    {finding_kind::too_many_games,
     "system.txt: mehr als {0} Spiele, gelesen als "
     "{o|ein Spiel pro Zeile|eine Tippreihe pro Zeile}: sysorient warnt und schreibt nichts"},
    {finding_kind::too_many_tip_rows,
     "system.txt: mehr als {0} Tippreihen, gelesen als "
     "{o|ein Spiel pro Zeile|eine Tippreihe pro Zeile}: sysorient warnt und schreibt nichts"},
    {finding_kind::read_error,
     "system.txt: lässt sich nicht lesen (Lesefehler): sysorient schreibt nichts"},
    {finding_kind::cannot_open,
     "system.txt: nicht gefunden: In diesem Ordner gibt es keine system.txt, oder sie lässt "
     "sich nicht öffnen"},
    {finding_kind::system_txt_txt,
     "system.txt: nicht gefunden, aber hier gibt es eine system.txt.txt: Benennen Sie sie in "
     "system.txt um (Windows blendet die Endung .txt aus)"},
    {finding_kind::not_system_txt,
     "»{quote}«: Die Datei zum Umwandeln muss system.txt heißen: Benennen Sie sie in "
     "system.txt um, oder speichern Sie sie unter diesem Namen"},
    {finding_kind::given_not_found,
     "»{quote}«: nicht gefunden, oder sie lässt sich nicht öffnen: Kopieren Sie die Datei als "
     "system.txt in den Ordner von orient.bat"},
    {finding_kind::utf16_without_mark,
     "system.txt: sieht aus wie Unicode-Text ohne die Kennung am Anfang: Buchstaben außerhalb "
     "von ASCII können das Lesen beenden oder verfälschen; speichern Sie die Datei noch einmal "
     "als UTF-8 oder als Unicode"},
    {finding_kind::appended_text,
     "system.txt: hinter dem Unicode-Text steht Text in einer anderen Codierung (so hängt ihn "
     "»echo ... >> system.txt« an): »{quote}« wird nicht gelesen; speichern Sie die ganze "
     "Datei noch einmal in einer Codierung"},
    {finding_kind::cr_line_ends,
     "system.txt: die Zeilen enden nach altem Mac-Muster (nur CR): die ganze Datei wird als "
     "eine Zeile gelesen; speichern Sie sie noch einmal mit Windows-Zeilenenden"},
    {finding_kind::text_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen: "
     "{0|das Byte|die {0} Bytes} dahinter {0|wird|werden} nicht gelesen, darunter {1} "
     "{1|Tipp|Tipps}"},
    {finding_kind::more_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen: "
     "dahinter folgen mehr als {0} Bytes, die nicht gelesen werden, in den ersten {0} davon "
     "{1} {1|Tipp|Tipps}"},
    {finding_kind::unreadable_after_end_mark,
     "Zeile {line}: »{quote}«: Hier beendet ein Dateiende-Zeichen (Strg+Z) das Lesen, und "
     "dahinter lässt sich die Datei nicht lesen (Lesefehler): Was dort steht, ist unbekannt"},
    {finding_kind::unreadable_after_limit,
     "system.txt: lässt sich nicht bis zum Ende lesen (Lesefehler): Was dahinter steht, ist "
     "unbekannt"},
    {finding_kind::checked_in_part,
     "system.txt: hinter der Grenze wurden nur die ersten {0} Bytes angesehen"},
    {finding_kind::empty_file, "system.txt: die Datei ist leer"},
    {finding_kind::no_outcomes, "system.txt: enthält keine Tipps (0, 1, 2, x oder X)"},
    {finding_kind::heading,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: {L|eine Überschrift|Überschriften} über dem "
     "System: {0|ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 "
     "oder x) werden als Tipps} gelesen, und jede solche Zeile wird {o|ein Spiel|eine "
     "Tippreihe}: Löschen Sie {L|diese Zeile|diese Zeilen}"},
    {finding_kind::footer,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Text unter dem System (Summe, Einsatz oder "
     "Gruß): {0|ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 "
     "oder x) werden als Tipps} gelesen, und jede solche Zeile wird {o|ein Spiel|eine "
     "Tippreihe}: Löschen Sie {L|diese Zeile|diese Zeilen}"},
    {finding_kind::row_numbers,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: eine Spalte mit Zeilennummern (1, 2, 3, ...): "
     "{0|eine Ziffer darin (0, 1 oder 2) wird als Tipp|{0} Ziffern darin (0, 1 oder 2) "
     "werden als Tipps} gelesen: Löschen Sie die Spalte mit den Zeilennummern"},
    {finding_kind::label_numbers,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Die Nummer einer Beschriftung, etwa "
     "»{word}{mark}«, wird als Tipp gelesen: Löschen Sie die Beschriftungen oder ihre "
     "Nummern"},
    {finding_kind::names,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Name, etwa »{word}{mark}«, enthält 0, 1, 2 oder "
     "x, und die werden als Tipps gelesen: Löschen Sie die Namen"},
    {finding_kind::dates,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Datum oder Betrag enthält 0, 1 oder 2, und "
     "die werden als Tipps gelesen: Löschen Sie {L|es|sie}"},
    {finding_kind::cr_inside,
     "{L|Zeile|Zeilen} {lines}: »{quote}«: Ein Zeilenende nach altem Mac-Muster (nur CR) "
     "beendet die Zeile nicht: Die Tipps dahinter werden in derselben Zeile gelesen"},
    {finding_kind::without_text,
     "system.txt: ohne diese Zeilen sind es {0} {0|Spiel|Spiele} mit {1} "
     "{1|Tippreihe|Tippreihen}"},
    {finding_kind::other_reading,
     "system.txt: als {o|eine Tippreihe pro Zeile|ein Spiel pro Zeile} gelesen sind es {0} "
     "{0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}: "
     "{o|{w|Doppelklicken Sie orient-s.bat, oder geben Sie sysorient s ein|Geben Sie "
     "sysorient s ein}|{w|Doppelklicken Sie orient.bat, oder geben Sie sysorient ohne s "
     "ein|Geben Sie sysorient ohne s ein}}"},
    {finding_kind::past_the_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Grenze von {0} "
     "{1|Spielen|Tippreihen} hinaus"},
    {finding_kind::written_cut,
     "genordet.txt: {o|Jedes Spiel wird auf {0} {0|Tippreihe|Tippreihen}|Jede Tippreihe wird "
     "auf {0} {0|Spiel|Spiele}} gekürzt, die Zeilen des Systems haben aber {1} "
     "{1|Tipp|Tipps}"},
    {finding_kind::written_filled,
     "genordet.txt: {o|Jedes Spiel bekommt {0} Tippreihen|Jede Tippreihe bekommt {0} Spiele}, "
     "die Zeilen des Systems haben aber nur {1} {1|Tipp|Tipps}: {o|Die Tippreihen|Die Spiele} "
     "{2} bis {0} werden mit 0 aufgefüllt, mit Unentschieden-Tipps, die nicht im System "
     "stehen"},
    {finding_kind::line_more_tips,
     "Zeile {line}: »{quote}«: {2} Tipps, die anderen Zeilen {1}: {3} {3|Tipp|Tipps} zu "
     "viel"},
    {finding_kind::line_fewer_tips,
     "Zeile {line}: »{quote}«: {2} {2|Tipp|Tipps}, die anderen Zeilen {1}: Ab "
     "{o|Tippreihe|Spiel} {3} wird mit 0 aufgefüllt, mit Unentschieden-Tipps, die nicht im "
     "System stehen"},
    {finding_kind::more_odd_lines,
     "system.txt: {2} weitere {2|Zeile hat|Zeilen haben} nicht {1} Tipps"},
    {finding_kind::written_despite_findings,
     "genordet.txt: wurde aus dieser system.txt geschrieben: Verwenden Sie sie erst, wenn das "
     "oben Gesagte behoben ist"},
    {finding_kind::oriented_is_folder,
     "genordet.txt: ist ein Ordner: sysorient kann die Datei nicht schreiben; benennen Sie den "
     "Ordner um, oder verschieben Sie ihn"},
    {finding_kind::oriented_read_only,
     "genordet.txt: ist schreibgeschützt: sysorient kann sie nicht schreiben; nehmen Sie den "
     "Schreibschutz in den Eigenschaften der Datei weg"},
    {finding_kind::oriented_in_use,
     "genordet.txt: ist in einem anderen Programm geöffnet (z. B. Excel): Schließen Sie sie "
     "dort, und wandeln Sie dann noch einmal um"},
    {finding_kind::folder_read_only,
     "genordet.txt: kann nicht angelegt werden: In diesem Ordner dürfen keine neuen Dateien "
     "angelegt werden; kopieren Sie system.txt in einen eigenen Ordner (z. B. Dokumente), und "
     "wandeln Sie sie dort um"},
};

static_assert(in_order_of_kinds(GERMAN_MESSAGES), "one German message a kind, in their order");

} // namespace

const language GERMAN = {GERMAN_MESSAGES, {", ", " und ", " bis ", " weitere"}, U'«'};

} // namespace sysorient
