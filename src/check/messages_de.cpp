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
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen} ({o|ein Spiel|eine "
     "Tippreihe} pro Zeile).\n"
     "So liest {w|{o|orient.bat|orient-s.bat}|»sysorient{o|| s}«} die Datei. Vergleichen Sie das "
     "mit Ihrem System."},
    {finding_kind::read_system_both,
     "system.txt: {0} {0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen} ({o|ein Spiel|eine "
     "Tippreihe} pro Zeile).\n"
     "So liest {w|{o|orient.bat|orient-s.bat}|»sysorient{o|| s}«} die Datei. Mit "
     "{w|{o|orient-s.bat|orient.bat}|»sysorient{o| s|}«} ({o|eine Tippreihe|ein Spiel} pro Zeile) "
     "sind es {=|ebenso |}{2} {2|Spiel|Spiele} mit {3} {3|Tippreihe|Tippreihen}{=|, aber Spiele "
     "und Tippreihen vertauscht|}. {=|Steht in jeder Zeile {o|eine Tippreihe|ein Spiel}|Ist das "
     "Ihr System}, {w|doppelklicken Sie {o|orient-s.bat|orient.bat}|rufen Sie »sysorient{o| s|}« "
     "auf}."},
    {finding_kind::read_no_games,
     "system.txt: keine Spiele ({o|ein Spiel|eine Tippreihe} pro Zeile).\n"
     "Deshalb schreibt sysorient eine leere genordet.txt."},
    {finding_kind::too_many_games,
     "system.txt: mehr als {0} Spiele ({o|ein Spiel|eine Tippreihe} pro Zeile).\n"
     "Ein System hat höchstens {0} Spiele. Deshalb warnt sysorient und schreibt keine "
     "genordet.txt."},
    {finding_kind::too_many_tip_rows,
     "system.txt: mehr als {0} Tippreihen ({o|ein Spiel|eine Tippreihe} pro Zeile).\n"
     "Ein System hat höchstens {0} Tippreihen. Deshalb warnt sysorient und schreibt keine "
     "genordet.txt."},
    {finding_kind::read_error,
     "system.txt: Die Datei lässt sich nicht bis zum Ende lesen (Lesefehler).\n"
     "Deshalb schreibt sysorient nichts. {w|Kopieren Sie system.txt, die beiden Batch-Dateien und "
     "die beiden Programme in einen Ordner auf Ihrem Rechner, etwa »Dokumente«, und doppelklicken "
     "Sie {o|orient.bat|orient-s.bat} dort.|Kopieren Sie system.txt in einen Ordner auf Ihrem "
     "Rechner und rufen Sie »sysorient{o|| s}« dort auf.}"},
    {finding_kind::cannot_open, "system.txt: Im Ordner {whole} gibt es keine system.txt.\n"
                                "Speichern Sie Ihr System dort unter dem Namen system.txt{again}."},
    {finding_kind::system_txt_txt,
     "system.txt: Im Ordner {whole} gibt es keine system.txt, aber eine system.txt.txt.\n"
     "Benennen Sie die Datei{w| im Explorer|} in system.txt um{w|. Zeigt er sie als »system.txt«, "
     "geben Sie als neuen Namen nur »system« ein|}{again}."},
    {finding_kind::not_system_txt,
     "{whole}: Die Datei heißt nicht system.txt und wird deshalb nicht umgewandelt.\n"
     "{w|Benennen Sie die Datei in system.txt um und ziehen Sie sie noch einmal auf "
     "{o|orient.bat|orient-s.bat}.|Benennen Sie die Datei in system.txt um{again}.}"},
    {finding_kind::given_not_found,
     "{whole}: Die Datei ist nicht da oder lässt sich nicht öffnen.\n"
     "{w|Speichern Sie Ihr System als system.txt im Ordner von {o|orient.bat|orient-s.bat} und "
     "doppelklicken Sie {o|orient.bat|orient-s.bat}.|Speichern Sie Ihr System als system.txt im "
     "Ordner, in dem Sie »sysorient{o|| s}« aufrufen.}"},
    {finding_kind::utf16_without_mark,
     "system.txt: sieht aus wie Unicode-Text ohne die Kennung am Dateianfang.\n"
     "Umlaute und andere Buchstaben können dann als Tipps gelesen werden oder das Lesen beenden. "
     "{w|Öffnen Sie die Datei im Editor, wählen Sie »Speichern unter«, stellen Sie unten die "
     "Codierung »UTF-8« ein, klicken Sie auf »Speichern«|Speichern Sie die Datei als "
     "UTF-8}{again}."},
    {finding_kind::appended_text,
     "system.txt: Am Ende steht Text in einer anderen Codierung: {quote}.\n"
     "Dieser Text wird nicht gelesen; so etwas entsteht, wenn ein Befehl oder eine Batch-Datei "
     "Zeilen anhängt. {w|Im Editor erscheint er am Ende als unleserliche Zeichen: Löschen Sie "
     "diese Zeichen, tippen Sie den Text neu ein, speichern Sie die Datei|Löschen Sie den Text am "
     "Ende in einem Texteditor, tippen Sie ihn neu ein, speichern Sie die Datei}{again}."},
    {finding_kind::cr_line_ends,
     "system.txt: Die Zeilen enden wie auf einem alten Mac, nicht wie unter Windows.\n"
     "Deshalb liest sysorient die ganze Datei als eine einzige Zeile. {w|Kommt die Datei aus "
     "Excel, speichern Sie sie dort als »Text (Tabstopp-getrennt)« statt »Text (Macintosh)«. Sonst "
     "kopieren Sie im Editor den ganzen Text (Strg+A, Strg+C) in eine neue Datei (Strg+N, Strg+V), "
     "speichern Sie diese als system.txt|Speichern Sie die Datei in einem Texteditor mit "
     "Zeilenenden wie unter Linux oder Windows neu}{again}."},
    {finding_kind::text_after_end_mark,
     "Zeile {line}: {quote}\n"
     "Hier steht ein unsichtbares Dateiende-Zeichen (im Zitat ·), und alles danach wird nicht "
     "gelesen: {0|eine Zeile|{0} Zeilen} mit {1|einem Tipp|{1} Tipps}. {w|Setzen Sie im Editor den "
     "Cursor an diese Stelle, drücken Sie Entf (dabei darf kein sichtbares Zeichen verschwinden), "
     "speichern Sie die Datei|Löschen Sie das Zeichen (Strg+Z) mit einem "
     "Texteditor}{again}."},
    {finding_kind::more_after_end_mark,
     "Zeile {line}: {quote}\n"
     "Hier steht ein unsichtbares Dateiende-Zeichen (im Zitat ·), und alles danach wird nicht "
     "gelesen: mehr als {0|eine Zeile|{0} Zeilen} mit mindestens {1|einem Tipp|{1} Tipps}. "
     "{w|Setzen Sie im Editor den Cursor an diese Stelle, drücken Sie Entf (dabei darf kein "
     "sichtbares Zeichen verschwinden), speichern Sie die Datei|Löschen Sie das Zeichen (Strg+Z) "
     "mit einem Texteditor}{again}."},
    {finding_kind::unreadable_after_end_mark,
     "Zeile {line}: {quote}\n"
     "Hier steht ein unsichtbares Dateiende-Zeichen (im Zitat ·), und dahinter lässt sich die "
     "Datei nicht lesen (Lesefehler). {w|Kopieren Sie system.txt, die beiden Batch-Dateien und die "
     "beiden Programme in einen Ordner auf Ihrem Rechner, etwa »Dokumente«. Löschen Sie dort das "
     "Zeichen im Editor (Cursor an diese Stelle, Entf), speichern Sie die Datei und doppelklicken "
     "Sie {o|orient.bat|orient-s.bat}.|Kopieren Sie system.txt in einen Ordner auf Ihrem Rechner, "
     "löschen Sie dort das Zeichen (Strg+Z) und rufen Sie »sysorient{o|| s}« dort auf.}"},
    {finding_kind::unreadable_after_limit,
     "system.txt: Die Datei lässt sich nicht bis zum Ende lesen (Lesefehler).\n"
     "Was danach noch kommt, ist unbekannt. {w|Kopieren Sie system.txt, die beiden Batch-Dateien "
     "und die beiden Programme in einen Ordner auf Ihrem Rechner, etwa »Dokumente«, und "
     "doppelklicken Sie {o|orient.bat|orient-s.bat} dort.|Kopieren Sie system.txt in einen Ordner "
     "auf Ihrem Rechner und rufen Sie »sysorient{o|| s}« dort auf.}"},
    {finding_kind::checked_in_part,
     "system.txt: Die Datei ist viel größer, als ein System sein kann.\n"
     "Geprüft wurden nur die ersten {0} Zeilen. Vielleicht ist es die falsche Datei: Speichern Sie "
     "Ihr System als system.txt{again}."},
    {finding_kind::empty_file,
     "system.txt: Die Datei ist leer.\n"
     "{w|Schreiben oder kopieren Sie Ihr System im Editor hinein, speichern Sie die "
     "Datei|Schreiben Sie Ihr System hinein}{again}."},
    {finding_kind::no_outcomes,
     "system.txt: enthält keine Tipps (0, 1, 2, x oder X).\n"
     "Vielleicht ist es die falsche Datei. Speichern Sie Ihr System als system.txt{again}."},
    {finding_kind::heading,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Das ist eine Überschrift|Das sind Überschriften} oder anderer Text über dem System. "
     "{0|Ein Zeichen darin (0, 1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 oder x) "
     "werden als Tipps} gelesen, und {L|die Zeile zählt|jede dieser Zeilen zählt} als {o|ein "
     "Spiel|eine Tippreihe} mehr. Löschen Sie {L|die Zeile|diese Zeilen}{w| im Editor, speichern "
     "Sie die Datei|}{again}."},
    {finding_kind::footer,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Das ist Text unter dem System (eine Summe, ein Einsatz, ein Gruß). {0|Ein Zeichen darin (0, "
     "1, 2 oder x) wird als Tipp|{0} Zeichen darin (0, 1, 2 oder x) werden als Tipps} gelesen, und "
     "{L|die Zeile zählt|jede dieser Zeilen zählt} als {o|ein Spiel|eine Tippreihe} mehr. Löschen "
     "Sie {L|die Zeile|diese Zeilen}{w| im Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::row_numbers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "Am Anfang {L|steht eine Zeilennummer|stehen Zeilennummern} (1, 2, 3 usw.), und jede 0, 1 "
     "oder 2 darin wird als Tipp gelesen. Dadurch stimmen die Tipps {L|dieser Zeile|dieser Zeilen} "
     "nicht. Löschen Sie die Spalte mit den Zeilennummern{w| (in "
     "Excel meist die Spalte A), speichern Sie system.txt neu|}{again}."},
    {finding_kind::label_numbers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In Nummern vor den Tipps wie »Spiel 1:« wird jede 0, 1 oder 2 als Tipp gelesen, hier in "
     "{word}. Dadurch stimmen die Tipps {L|dieser Zeile|dieser Zeilen} nicht. Löschen Sie {L|die "
     "Nummer|die Nummern}{w| im Editor, "
     "speichern Sie die Datei|}{again}."},
    {finding_kind::names,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In Namen wird jede 0, 1, 2 oder x als Tipp gelesen, hier in {word}. Dadurch stimmen die "
     "Tipps {L|dieser Zeile|dieser Zeilen} nicht. Löschen Sie die Namen{w| "
     "im Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::dates,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In einem Datum oder Betrag wird jede 0, 1 oder 2 als Tipp gelesen, hier in {word}. Dadurch "
     "stimmen die Tipps {L|dieser Zeile|dieser Zeilen} nicht. "
     "Löschen Sie jedes Datum und jeden Betrag{w| im Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::times,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In Uhrzeiten wird jede 0, 1 oder 2 als Tipp gelesen, hier in {word}. Dadurch stimmen die "
     "Tipps {L|dieser Zeile|dieser Zeilen} nicht. Löschen Sie die "
     "Uhrzeiten{w| im Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::cr_inside,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "In {L|dieser Zeile|diesen Zeilen} steht ein Zeilenende wie auf einem alten Mac (im Zitat ·); "
     "die Tipps dahinter werden als Teil derselben Zeile gelesen. {w|Im Editor sieht das wie zwei "
     "Zeilen aus: Setzen Sie den Cursor an den Anfang der zweiten, drücken Sie die Rücktaste und "
     "dann die Eingabetaste, speichern Sie die Datei|Machen Sie daraus ein Zeilenende wie in der "
     "übrigen Datei}{again}."},
    {finding_kind::without_text,
     "system.txt: Ohne die oben genannten Zeilen sind es {0} {0|Spiel|Spiele} mit {1} "
     "{1|Tippreihe|Tippreihen}.\n"
     "Das ist nicht zu groß: Löschen Sie diese Zeilen{w| im Editor, speichern Sie die "
     "Datei|}{again}."},
    {finding_kind::other_reading,
     "system.txt: Mit {o|einer Tippreihe|einem Spiel} pro Zeile gelesen sind es {0} "
     "{0|Spiel|Spiele} mit {1} {1|Tippreihe|Tippreihen}, und das passt.\n"
     "Wahrscheinlich haben Sie {w|die falsche Batch-Datei genommen: Doppelklicken Sie "
     "{o|orient-s.bat|orient.bat} statt {o|orient.bat|orient-s.bat}|»sysorient{o|| s}« statt "
     "»sysorient{o| s|}« aufgerufen: Rufen Sie »sysorient{o| s|}« auf}."},
    {finding_kind::past_game_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Spielen hinaus.\n"
     "{L|Gehört diese Zeile|Gehören diese Zeilen} nicht zu Ihrem System, löschen Sie sie{w| im "
     "Editor, speichern Sie die Datei|}{again}. Sonst teilen Sie das System in kleinere Systeme "
     "auf."},
    {finding_kind::past_tip_row_limit,
     "{L|Zeile|Zeilen} {lines}: {L|geht|gehen} über die Höchstzahl von {0} Tippreihen hinaus.\n"
     "{L|Gehört diese Zeile|Gehören diese Zeilen} nicht zu Ihrem System, löschen Sie sie{w| im "
     "Editor, speichern Sie die Datei|}{again}. Sonst teilen Sie das System in kleinere Systeme "
     "auf."},
    {finding_kind::bankers,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Die Zeile hat|Diese Zeilen haben je} nur einen Tipp, die übrigen haben {1}. {L|Ist das "
     "ein Bankspiel (ein Spiel|Sind das Bankspiele (Spiele} mit einem festen Tipp), muss der Tipp "
     "in jeder Tippreihe stehen: Schreiben Sie ihn{w| im Editor|} {1}-mal in {L|die Zeile|jede "
     "dieser Zeilen}{w|, speichern Sie die Datei|}{again}."},
    {finding_kind::written_cut,
     "genordet.txt: {o|Jedes Spiel wird auf {0} {0|Tippreihe|Tippreihen}|Jede Tippreihe wird auf "
     "{0} {0|Spiel|Spiele}} gekürzt, obwohl die Zeilen des Systems {1} {1|Tipp|Tipps} haben.\n"
     "Die letzte Zeile mit Tipps hat nur {0|einen|{0}}, und nach ihr richten sich alle Zeilen. "
     "Ergänzen Sie dort die fehlenden Tipps, oder löschen Sie die Zeile, wenn sie nicht zum System "
     "gehört. {w|Speichern Sie die Datei und doppelklicken Sie {o|orient.bat|orient-s.bat} noch "
     "einmal.|Rufen Sie dann »sysorient{o|| s}« noch einmal auf.}"},
    {finding_kind::written_filled,
     "genordet.txt: {o|Jedes Spiel bekommt {0} Tippreihen|Jede Tippreihe bekommt {0} Spiele}, "
     "obwohl die Zeilen des Systems nur {1} {1|Tipp|Tipps} haben.\n"
     "Die letzte Zeile mit Tipps hat {0}, und nach ihr richten sich alle Zeilen: "
     "{3|{o|Tippreihe|Spiel} {0} wird|{o|Tippreihen|Spiele} {2} bis {0} werden} mit 0 aufgefüllt, "
     "also mit Unentschieden-Tipps, die nicht im System stehen. Löschen Sie in der letzten Zeile "
     "{3|den überzähligen Tipp|die überzähligen Tipps}{w|, speichern Sie die Datei|}{again}."},
    {finding_kind::lines_more_tips,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Die Zeile hat|Diese Zeilen haben je} {2} Tipps, die übrigen haben {1}: {3|ein Tipp|{3} "
     "Tipps} zu viel. Löschen Sie {3|den überzähligen Tipp|die überzähligen Tipps}{w| im Editor, "
     "speichern Sie die Datei|}{again}."},
    {finding_kind::lines_fewer_tips,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Die Zeile hat|Diese Zeilen haben je} {2|nur einen Tipp|{2} Tipps}, die übrigen haben {1}. "
     "Ab {o|Tippreihe|Spiel} {3} {L|wird sie|werden sie} mit 0 aufgefüllt, also mit "
     "Unentschieden-Tipps, die nicht im System stehen. Ergänzen Sie die fehlenden Tipps{w| im "
     "Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::lines_fewer_tips_whole,
     "{L|Zeile|Zeilen} {lines}: {quote}\n"
     "{L|Die Zeile hat|Diese Zeilen haben je} {2|nur einen Tipp|{2} Tipps}, die übrigen haben {1}. "
     "Ergänzen Sie die fehlenden Tipps{w| im Editor, speichern Sie die Datei|}{again}."},
    {finding_kind::more_odd_lines,
     "system.txt: {2|Noch eine Zeile hat|Noch {2} Zeilen haben} nicht {1} Tipps wie die übrigen.\n"
     "Bringen Sie zuerst die oben genannten Zeilen in Ordnung{again}; dann nennt der Bericht auch "
     "diese."},
    {finding_kind::oriented_is_folder,
     "genordet.txt: ist ein Ordner.\n"
     "Deshalb kann sysorient die Datei nicht schreiben. Benennen Sie den Ordner {w|im Explorer "
     "|}um{again}."},
    {finding_kind::oriented_read_only,
     "genordet.txt: ist schreibgeschützt.\n"
     "Deshalb kann sysorient die Datei nicht schreiben. {w|Klicken Sie im Explorer mit der rechten "
     "Maustaste auf genordet.txt, wählen Sie »Eigenschaften«, entfernen Sie den Haken bei "
     "»Schreibgeschützt«, klicken Sie auf »OK«|Heben Sie den Schreibschutz auf, etwa mit chmod u+w "
     "genordet.txt,}{again}."},
    {finding_kind::oriented_in_use,
     "genordet.txt: ist in einem anderen Programm geöffnet, etwa in Excel.\n"
     "Solange sie dort offen ist, kann sysorient sie nicht schreiben. Schließen Sie die Datei "
     "dort{again}."},
    {finding_kind::folder_read_only,
     "genordet.txt: kann in diesem Ordner nicht angelegt werden.\n"
     "Der Ordner erlaubt keine neuen Dateien. {w|Kopieren Sie system.txt, die beiden Batch-Dateien "
     "und die beiden Programme in einen eigenen Ordner, etwa »Dokumente«, und doppelklicken Sie "
     "{o|orient.bat|orient-s.bat} dort.|Kopieren Sie system.txt in einen eigenen Ordner und rufen "
     "Sie »sysorient{o|| s}« dort auf.}"},
    {finding_kind::oriented_missing_folder,
     "genordet.txt: ist eine Verknüpfung in einen Ordner, den es nicht gibt.\n"
     "Deshalb kann sysorient die Datei nicht schreiben. Löschen Sie die Verknüpfung{again}."},
    {finding_kind::oriented_link_loop,
     "genordet.txt: ist eine Verknüpfung, die im Kreis führt.\n"
     "Deshalb kann sysorient die Datei nicht schreiben. Löschen Sie die Verknüpfung{again}."},
    {finding_kind::oriented_through_file,
     "genordet.txt: ist eine Verknüpfung durch eine Datei, als wäre die Datei ein Ordner.\n"
     "Deshalb kann sysorient die Datei nicht schreiben. Löschen Sie die Verknüpfung{again}."},
    {finding_kind::nothing_found, "Sonst ist nichts aufgefallen."},
    {finding_kind::oriented_same,
     "genordet.txt: enthält dieses System, so wie {w|{o|orient.bat|orient-s.bat}|»sysorient{o|| "
     "s}«} es schreibt.\n"
     "{0|Verwenden Sie die Datei erst, wenn alles oben Genannte behoben ist.|Sie können die Datei "
     "verwenden.}"},
    {finding_kind::oriented_other_reading,
     "genordet.txt: enthält dieses System mit {o|einer Tippreihe|einem Spiel} pro Zeile gelesen, "
     "so wie {w|{o|orient-s.bat|orient.bat}|»sysorient{o| s|}«} es schreibt.\n"
     "Hat Ihr System {o|ein Spiel|eine Tippreihe} pro Zeile, verwenden Sie die Datei nicht, "
     "sondern {w|doppelklicken Sie {o|orient.bat|orient-s.bat}|rufen Sie »sysorient{o|| s}« auf}."},
    {finding_kind::oriented_old,
     "genordet.txt: ist nicht aus dieser system.txt entstanden.\n"
     "Verwenden Sie die Datei nicht. {w|Doppelklicken Sie {o|orient.bat|orient-s.bat}|Rufen Sie "
     "»sysorient{o|| s}« auf}{0|, sobald alles oben Genannte behoben ist|}; dann wird sie neu "
     "geschrieben."},
    {finding_kind::oriented_kept,
     "genordet.txt: ist nicht aus dieser system.txt entstanden.\n"
     "Für dieses System schreibt sysorient nichts; genordet.txt ist eine ältere Datei und bleibt, "
     "wie sie war. Verwenden Sie sie nicht."},
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
    "{w| und doppelklicken Sie {o|orient.bat|orient-s.bat} noch einmal| und rufen Sie "
    "»sysorient{o|| s}« noch einmal auf}",
    "Ein \u00B7 im Zitat steht für ein Zeichen, das sich hier nicht zeigen lässt, meist ein "
    "unsichtbares Zeichen.",
};

} // namespace sysorient
