// The report's messages in German, as a tipster speaks: one whole message a
// kind of finding, a head and then, after "\n", what it does and what to
// do, with its plural forms written out (report_text.h says how they are
// filled in), in the order of the kinds. UTF-8; every character of the
// words is in code pages 850 and 437.
#include "check/report_text.h"

namespace sysorient {
namespace {

constexpr message GERMAN_MESSAGES[] = {
    {finding_kind::read_system,
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, "
     "{o|ein Spiel|eine Tippreihe} pro Zeile, so wie {w|{o|orient.bat|orient-s.bat}|"
     "»sysorient{o|| s}«} die Datei liest."},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, "
     "{o|ein Spiel|eine Tippreihe} pro Zeile, so wie {w|{o|orient.bat|orient-s.bat}|"
     "»sysorient{o|| s}«} die Datei liest.\n"
     "Mit {o|einer Tippreihe|einem Spiel} pro Zeile, so wie {w|{o|orient-s.bat|orient.bat}|"
     "»sysorient{o| s|}«} sie liest, sind es {2} {2|Spiel|Spiele} mit {3} "
     "{3|Tippreihe|Tippreihen}. Nur Sie wissen, welches davon Ihr System ist."},
    {finding_kind::read_no_games,
     "system.txt: keine Spiele, mit {o|einem Spiel|einer Tippreihe} pro Zeile gelesen.\n"
     "sysorient schreibt genordet.txt als leere Datei."},
    {finding_kind::too_many_games,
     "system.txt: mehr als {0} Spiele, mit {o|einem Spiel|einer Tippreihe} pro Zeile gelesen.\n"
     "sysorient warnt und schreibt für dieses System keine genordet.txt."},
    {finding_kind::too_many_tip_rows,
     "system.txt: mehr als {0} Tippreihen, mit {o|einem Spiel|einer Tippreihe} pro Zeile "
     "gelesen.\n"
     "sysorient warnt und schreibt für dieses System keine genordet.txt."},
    {finding_kind::read_error,
     "system.txt: Die Datei lässt sich nicht bis zum Ende lesen (Lesefehler).\n"
     "sysorient schreibt nichts. Kopieren Sie system.txt in einen Ordner auf Ihrem eigenen "
     "Rechner, etwa »Dokumente«, und wandeln Sie sie dort um."},
    {finding_kind::cannot_open, "system.txt: Im Ordner {whole} gibt es keine system.txt.\n"
                                "Speichern Sie Ihr System dort unter dem Namen system.txt{again}."},
    {finding_kind::system_txt_txt,
     "system.txt: Im Ordner {whole} gibt es keine system.txt, aber eine system.txt.txt.\n"
     "Benennen Sie sie in system.txt um. Zeigt der Explorer sie als »system.txt«, geben Sie als "
     "neuen Namen nur »system« ein{again}."},
    {finding_kind::not_system_txt,
     "{whole}: Die Datei, die umgewandelt werden soll, muss system.txt heißen.\n"
     "Benennen Sie sie in system.txt um, oder speichern Sie sie unter diesem Namen im Ordner von "
     "orient.bat{again}."},
    {finding_kind::given_not_found,
     "{whole}: Die Datei ist nicht da oder lässt sich nicht öffnen.\n"
     "Kopieren Sie die Datei als system.txt in den Ordner von orient.bat und doppelklicken Sie "
     "dann orient.bat."},
    {finding_kind::utf16_without_mark,
     "system.txt: sieht aus wie Unicode-Text, der ohne seine Kennung am Anfang gespeichert "
     "wurde.\n"
     "Umlaute und andere Buchstaben können dann das Lesen beenden oder zu Tipps werden. "
     "{w|Wählen Sie im Editor »Speichern unter« und die Codierung »UTF-8«|Speichern Sie die "
     "Datei noch einmal als UTF-8}{again}."},
    {finding_kind::appended_text,
     "system.txt: Hinter dem Unicode-Text steht Text in einer anderen Codierung, {quote}.\n"
     "Dieser Text wird nicht gelesen. So etwas entsteht, wenn ein Befehl oder eine Batchdatei "
     "Zeilen anhängt. {w|Öffnen Sie die Datei im Editor und speichern Sie sie mit »Speichern "
     "unter« und der Codierung »UTF-8« neu|Speichern Sie die ganze Datei in einer einzigen "
     "Codierung neu}{again}."},
    {finding_kind::cr_line_ends,
     "system.txt: Die Zeilen enden auf eine Art, die Windows nicht verwendet (wie bei einem "
     "alten Mac).\n"
     "sysorient liest die ganze Datei als eine einzige Zeile. {w|Speichern Sie die Datei in dem "
     "Programm, mit dem sie gemacht wurde, noch einmal als Text (in Excel: »Text "
     "(Tabstopp-getrennt)«)|Machen Sie aus den Zeilenenden LF, etwa mit tr '\\r' "
     "'\\n'}{again}."},
    {finding_kind::text_after_end_mark,
     "Zeile {line}: {quote}\n"
     "In dieser Zeile steht ein unsichtbares Dateiende-Zeichen, dort wo das Zitat · zeigt. "
     "Was danach kommt, wird nicht gelesen: {0} {0|Zeile|Zeilen} mit {1} {1|Tipp|Tipps}. "
     "{w|Setzen Sie im Editor den Cursor direkt hinter den letzten Tipp dieser Zeile, drücken "
     "Sie Entf und speichern Sie|Löschen Sie das Zeichen (Strg-Z, 0x1A) im Editor}{again}."},
    {finding_kind::more_after_end_mark,
     "Zeile {line}: {quote}\n"
     "In dieser Zeile steht ein unsichtbares Dateiende-Zeichen, dort wo das Zitat · zeigt. "
     "Was danach kommt, wird nicht gelesen: mehr als {0} {0|Zeile|Zeilen}, mit {1} "
     "{1|Tipp|Tipps} in den ersten. {w|Setzen Sie im Editor den Cursor direkt hinter den "
     "letzten Tipp dieser Zeile, drücken Sie Entf und speichern Sie|Löschen Sie das Zeichen "
     "(Strg-Z, 0x1A) im Editor}{again}."},
    {finding_kind::unreadable_after_end_mark,
     "Zeile {line}: {quote}\n"
     "In dieser Zeile steht ein unsichtbares Dateiende-Zeichen, dort wo das Zitat · zeigt, und "
     "danach lässt sich die Datei nicht lesen. Was dort steht, ist unbekannt. {w|Setzen Sie im "
     "Editor den Cursor direkt hinter den letzten Tipp dieser Zeile, drücken Sie Entf und "
     "speichern Sie|Löschen Sie das Zeichen (Strg-Z, 0x1A) im Editor}, und kopieren Sie dann "
     "system.txt in einen Ordner auf Ihrem eigenen Rechner."},
    {finding_kind::unreadable_after_limit,
     "system.txt: Die Datei lässt sich nicht bis zum Ende lesen (Lesefehler).\n"
     "Was danach steht, ist unbekannt. Kopieren Sie system.txt in einen Ordner auf Ihrem eigenen "
     "Rechner, etwa »Dokumente«, und wandeln Sie sie dort um."},
    {finding_kind::checked_in_part,
     "system.txt: Die Datei geht weit über die Stelle hinaus, an der das System zu groß wird.\n"
     "Geprüft wurden nur die ersten {0} Zeilen. Bringen Sie das System wie oben beschrieben in "
     "Ordnung{again}."},
    {finding_kind::empty_file,
     "system.txt: Die Datei ist leer.\n"
     "Schreiben Sie Ihr System hinein{w| (im Editor, oder aus Excel mit »Speichern unter« und "
     "»CSV (Trennzeichen-getrennt)«)|}{again}."},
    {finding_kind::no_outcomes,
     "system.txt: enthält keine Tipps (0, 1, 2, x oder X).\n"
     "Vielleicht wurde eine andere Datei als system.txt gespeichert. Speichern Sie Ihr System "
     "unter diesem Namen{again}."},
    {finding_kind::heading,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Das ist eine Überschrift|Das sind Überschriften} über dem System. "
     "{0|Ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 oder x) "
     "werden als Tipps} gelesen, und {L|die Zeile zählt|jede dieser Zeilen zählt} als "
     "{o|Spiel|Tippreihe}. Löschen Sie {L|diese Zeile|diese Zeilen}{w| im Editor|}{again}."},
    {finding_kind::footer,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Das ist Text unter dem System (eine Summe, ein Einsatz, ein Gruß). "
     "{0|Ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 oder x) "
     "werden als Tipps} gelesen, und {L|die Zeile zählt|jede dieser Zeilen zählt} als "
     "{o|Spiel|Tippreihe}. Löschen Sie {L|diese Zeile|diese Zeilen}{w| im Editor|}{again}."},
    {finding_kind::row_numbers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Am Anfang {L|steht eine Zeilennummer|stehen Zeilennummern} (1, 2, 3 ...), und "
     "{0|eine Ziffer darin (0, 1 oder 2) wird als Tipp|{0} Ziffern darin (0, 1 oder 2) werden "
     "als Tipps} gelesen. Löschen Sie die Spalte mit den Zeilennummern{w| (in Excel die Spalte "
     "A)|}{again}."},
    {finding_kind::label_numbers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Die Nummer einer Beschriftung, etwa {word}, wird als Tipp gelesen. "
     "Löschen Sie die Beschriftungen oder ihre Nummern{w| im Editor|}{again}."},
    {finding_kind::names,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Ein Name, etwa {word}, enthält 0, 1, 2 oder x, und diese Zeichen werden als Tipps "
     "gelesen. Löschen Sie die Namen{w| im Editor|}{again}."},
    {finding_kind::dates,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Ein Datum oder Betrag, etwa {word}, enthält 0, 1 oder 2, und diese Ziffern werden als "
     "Tipps gelesen. Löschen Sie {L|ihn|sie}{again}."},
    {finding_kind::times,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Eine Uhrzeit, etwa {word}, enthält 0, 1 oder 2, und diese Ziffern werden als Tipps "
     "gelesen. Löschen Sie die Uhrzeiten{again}."},
    {finding_kind::cr_inside,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In {L|dieser Zeile|diesen Zeilen} steht ein Zeilenende, das Windows nicht verwendet (wie "
     "bei einem alten Mac). Die Tipps dahinter werden als Teil derselben Zeile gelesen. "
     "{w|Im Editor sieht die Zeile wie zwei aus: Setzen Sie den Cursor an den Anfang des zweiten "
     "Teils, drücken Sie die Rücktaste und dann die Eingabetaste, und speichern Sie|Machen Sie "
     "daraus ein Zeilenende wie in der übrigen Datei}{again}."},
    {finding_kind::without_text,
     "system.txt: Ohne die oben genannten Zeilen sind es {0} {0|Spiel|Spiele} mit {1} "
     "{1|Tippreihe|Tippreihen}.\n"
     "Das passt: Löschen Sie diese Zeilen{again}."},
    {finding_kind::other_reading,
     "system.txt: Mit {o|einer Tippreihe|einem Spiel} pro Zeile gelesen sind es {0} "
     "{0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, und das passt.\n"
     "{w|Doppelklicken Sie {o|orient-s.bat|orient.bat} statt {o|orient.bat|orient-s.bat}|"
     "Rufen Sie stattdessen »sysorient{o| s|}« auf}."},
    {finding_kind::past_game_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Spielen hinaus.\n"
     "Ein System hat höchstens {0} Spiele. Gehören {L|diese Zeile|diese Zeilen} zu Ihrem "
     "System, teilen Sie es in kleinere Systeme auf."},
    {finding_kind::past_tip_row_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Tippreihen hinaus.\n"
     "Ein System hat höchstens {0} Tippreihen. Gehören {L|diese Zeile|diese Zeilen} zu Ihrem "
     "System, teilen Sie es in kleinere Systeme auf."},
    {finding_kind::bankers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Sie hat|Sie haben} nur einen Tipp, die übrigen Zeilen haben {1}. "
     "{L|Ist es ein Bankspiel|Sind es Bankspiele} (ein Spiel mit einem festen Tipp), schreiben "
     "Sie den Tipp in jede Tippreihe, also {1}-mal{w| im Editor|}{again}."},
    {finding_kind::written_cut,
     "genordet.txt: {o|Jedes Spiel wird auf {0} {0|Tippreihe|Tippreihen}|Jede Tippreihe wird "
     "auf {0} {0|Spiel|Spiele}} gekürzt, die Zeilen des Systems haben aber {1} "
     "{1|Tipp|Tipps}.\n"
     "Die letzte Zeile mit Tipps bestimmt die Anzahl für alle Zeilen. Bringen Sie die letzte "
     "Zeile in Ordnung{again}."},
    {finding_kind::written_filled,
     "genordet.txt: {o|Jedes Spiel bekommt {0} Tippreihen|Jede Tippreihe bekommt {0} Spiele}, "
     "die Zeilen des Systems haben aber nur {1} {1|Tipp|Tipps}.\n"
     "Die letzte Zeile mit Tipps bestimmt die Anzahl für alle Zeilen. "
     "{3|{o|Tippreihe|Spiel} {0} wird|{o|Tippreihen|Spiele} {2} bis {0} werden} mit 0 "
     "aufgefüllt, also mit Unentschieden-Tipps, die nicht im System stehen. Bringen Sie die "
     "letzte Zeile in Ordnung{again}."},
    {finding_kind::lines_more_tips,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Sie hat|Sie haben je} {2} Tipps, die übrigen Zeilen haben {1}: "
     "{3|ein Tipp|{3} Tipps} zu viel. Löschen Sie {3|den überzähligen Tipp|die überzähligen "
     "Tipps}{again}."},
    {finding_kind::lines_fewer_tips,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Sie hat|Sie haben je} {2} {2|Tipp|Tipps}, die übrigen Zeilen haben {1}. Ab "
     "{o|Tippreihe|Spiel} {3} {L|wird sie|werden sie} mit 0 aufgefüllt, also mit "
     "Unentschieden-Tipps, die nicht im System stehen. Ergänzen Sie die fehlenden "
     "Tipps{again}."},
    {finding_kind::lines_fewer_tips_whole,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Sie hat|Sie haben je} {2} {2|Tipp|Tipps}, die übrigen Zeilen haben {1}. "
     "Prüfen Sie {L|diese Zeile|diese Zeilen}{again}."},
    {finding_kind::more_odd_lines,
     "system.txt: {2|Eine weitere Zeile hat|{2} weitere Zeilen haben} eine andere Anzahl Tipps "
     "als {1}.\n"
     "Prüfen Sie die Zeilen Ihres Systems{again}."},
    {finding_kind::oriented_is_folder,
     "genordet.txt: ist ein Ordner.\n"
     "sysorient kann die Datei nicht schreiben. Benennen Sie den Ordner um oder verschieben Sie "
     "ihn{again}."},
    {finding_kind::oriented_read_only,
     "genordet.txt: ist schreibgeschützt.\n"
     "sysorient kann die Datei nicht schreiben. {w|Klicken Sie im Explorer mit der rechten "
     "Maustaste auf genordet.txt, wählen Sie »Eigenschaften« und entfernen Sie den Haken bei "
     "»Schreibgeschützt«|Heben Sie den Schreibschutz auf, etwa mit chmod u+w "
     "genordet.txt}{again}."},
    {finding_kind::oriented_in_use,
     "genordet.txt: ist in einem anderen Programm geöffnet (z. B. Excel).\n"
     "sysorient kann die Datei nicht schreiben, solange sie dort offen ist. Schließen Sie sie "
     "dort{again}."},
    {finding_kind::folder_read_only,
     "genordet.txt: kann in diesem Ordner nicht angelegt werden.\n"
     "In dem Ordner lassen sich keine neuen Dateien anlegen. Kopieren Sie system.txt{w|, "
     "orient.bat und die Programme|} in einen eigenen Ordner, etwa »Dokumente«, und wandeln Sie "
     "sie dort um."},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: ist eine Verknüpfung in einen Ordner, den es nicht gibt.\n"
     "sysorient kann die Datei nicht schreiben. Löschen Sie die Verknüpfung, oder legen Sie "
     "den Ordner an{again}."},
    {finding_kind::oriented_link_loop,
     "genordet.txt: ist eine Verknüpfung, die im Kreis führt.\n"
     "sysorient kann die Datei nicht schreiben. Löschen Sie die Verknüpfung{again}."},
    {finding_kind::oriented_through_file,
     "genordet.txt: ist eine Verknüpfung durch eine Datei, als wäre die Datei ein Ordner.\n"
     "sysorient kann die Datei nicht schreiben. Löschen Sie die Verknüpfung{again}."},
    {finding_kind::nothing_found, "Sonst ist nichts aufgefallen."},
    {finding_kind::oriented_same,
     "genordet.txt: enthält dieses System, so wie {w|{o|orient.bat|orient-s.bat}|"
     "»sysorient{o|| s}«} es schreibt.\n"
     "{0|Verwenden Sie die Datei erst, wenn alles oben Genannte behoben ist.|Sie können die "
     "Datei verwenden.}"},
    {finding_kind::oriented_other_reading,
     "genordet.txt: enthält dieses System mit {o|einer Tippreihe|einem Spiel} pro Zeile "
     "gelesen, so wie {w|{o|orient-s.bat|orient.bat}|»sysorient{o| s|}«} es schreibt.\n"
     "Hat Ihr System {o|ein Spiel|eine Tippreihe} pro Zeile, verwenden Sie die Datei nicht, "
     "sondern {w|doppelklicken Sie {o|orient.bat|orient-s.bat}|rufen Sie »sysorient{o|| s}« "
     "auf}."},
    {finding_kind::oriented_old,
     "genordet.txt: ist nicht aus dieser system.txt entstanden.\n"
     "Verwenden Sie die Datei nicht. {w|Doppelklicken Sie {o|orient.bat|orient-s.bat}|Rufen Sie "
     "»sysorient{o|| s}« auf}{0|, wenn alles oben Genannte behoben ist|}; dann wird sie neu "
     "geschrieben."},
    {finding_kind::oriented_kept,
     "genordet.txt: ist nicht aus dieser system.txt entstanden.\n"
     "sysorient schreibt für dieses System nichts, also ist genordet.txt eine ältere Datei. "
     "Verwenden Sie sie nicht."},
};

static_assert(in_order_of_kinds(GERMAN_MESSAGES), "one German message a kind, in their order");

} // namespace

const language GERMAN = {
    GERMAN_MESSAGES,
    {", ", " und ", " bis ", " weitere"},
    "»",
    "«",
    U'«',
    U'<',
    '.',
    "{w| und doppelklicken Sie dann {o|orient.bat|orient-s.bat} noch einmal| und rufen Sie dann "
    "»sysorient{o|| s}« noch einmal auf}",
    "Ein \u00B7 in einem Zitat steht für ein Zeichen, das sich hier nicht zeigen lässt (ein "
    "Steuerzeichen oder ein unsichtbares Zeichen).",
};

} // namespace sysorient
