<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation>Der Wo-Ausdruck</translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation>Die Zuweisungen unter Setzen</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation>%1: Das ist kein Lua: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation>%1: %2, Feld %3: %4 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation>%1: %2, Feld %3: %4 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation>%1: %2, Feld %3: %4 liegt außerhalb von 0 bis %5.</translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation>%1: %2 hat kein Feld %3.</translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation>%1: %2, Feld %3 kann gelesen, aber nicht zugewiesen werden.</translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation>%1: nach %2 Anweisungen angehalten; es läuft zu lange.</translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation>%1: an seiner Speichergrenze von %2 MiB angehalten.</translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation>%1, Feld %2: %3 auf %4 begrenzt</translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation>edit braucht --set, die vorzunehmenden Zuweisungen</translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation>Keine Änderungen: Der Stapel ändert kein Feld; es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation>Alle Felder und Namen entsprechen dem Original.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</source>
        <translation>%1 &quot;%2&quot;: %3: Basis %4, ours %5, theirs %6</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n Feld wurde auf beiden Seiten auf unterschiedliche Werte geändert, daher wurde %1 nicht geschrieben; --prefer ours oder --prefer theirs übernimmt bei jedem Konflikt eine Seite.</numerusform>
            <numerusform>%n Felder wurden auf beiden Seiten auf unterschiedliche Werte geändert, daher wurde %1 nicht geschrieben; --prefer ours oder --prefer theirs übernimmt bei jedem Konflikt eine Seite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n Feld auf beiden Seiten geändert: aus ours übernommen.</numerusform>
            <numerusform>%n Felder auf beiden Seiten geändert: aus ours übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n Feld auf beiden Seiten geändert: aus theirs übernommen.</numerusform>
            <numerusform>%n Felder auf beiden Seiten geändert: aus theirs übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation>%1 geschrieben (%2 Bytes).</translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation>%1 hat keinen Verlauf, aus dem hervorgeht, was vor den Speicherungen darin stand: Geben Sie --base FILE an, um die Datei mit dem Image zu vergleichen, aus dem sie hervorgegangen ist.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation>%1 ist %2 Bytes lang, %3 dagegen %4: Die Images müssen gleich groß sein. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation>%1 enthält die Item- und die Gegnertabelle nicht in der Form, in der die Editoren sie lesen, und ist daher kein Image, das sich zusammenführen lässt. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation>%1 enthält die Item- und die Gegnertabelle nicht in der Form, in der die Editoren sie lesen (%2), und ist daher kein Image, das sich zusammenführen lässt. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation>%1 &quot;%2&quot;: %3: Basis %4, ours %5, theirs %6, beide übernommen %7</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n Feld oder Name steht im Konflikt, daher wurde %1 nicht geschrieben; --prefer ours oder --prefer theirs übernimmt bei jedem Konflikt eine Seite.</numerusform>
            <numerusform>%n Felder oder Namen stehen im Konflikt, daher wurde %1 nicht geschrieben; --prefer ours oder --prefer theirs übernimmt bei jedem Konflikt eine Seite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n Feld oder Name im Konflikt: aus ours übernommen.</numerusform>
            <numerusform>%n Felder oder Namen im Konflikt: aus ours übernommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n Feld oder Name im Konflikt: aus theirs übernommen.</numerusform>
            <numerusform>%n Felder oder Namen im Konflikt: aus theirs übernommen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>Usage: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]
                           [--format text|csv|json|markdown]

Lists every field and name of IMAGE that differs from its original, entry by entry in
table order: the net effect of its saves, so that a field changed and changed back, or
an undone save, is not listed. The original is the image as its history IMAGE.history
first knew it: for each byte, what the earliest save that went in found there. Writes
nothing.

  --base FILE               compare with FILE instead, an image of the same size
  --table items|enemies     one table only (default: both)
  --format text             lines as diff prints them (default)
  --format csv|json         entry, name, field, original, current, and the saves that
                            changed it
  --format markdown         patch notes for players, with the editors&apos; captions

Exit codes: 0 listed, with or without changes; 1 IMAGE cannot be read, or it has no
history and no --base is given; 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]
                            [--format text|csv|json|markdown]

Listet jedes Feld und jeden Namen von IMAGE auf, die von seinem Original
abweichen, Eintrag für Eintrag in Tabellenreihenfolge: die Nettowirkung seiner
Speicherungen, sodass ein geändertes und wieder zurückgeändertes Feld oder eine
zurückgenommene Speicherung nicht aufgeführt wird. Das Original ist das Image,
wie sein Verlauf IMAGE.history es zuerst kannte: für jedes Byte das, was die
früheste wirksam gewordene Speicherung dort vorfand. Schreibt nichts.

  --base FILE               stattdessen mit FILE vergleichen, einem Image
                            gleicher Größe
  --table items|enemies     nur eine Tabelle (Standard: beide)
  --format text             Zeilen, wie diff sie ausgibt (Standard)
  --format csv|json         Eintrag, Name, Feld, Original, aktueller Wert und
                            die Speicherungen, die das Feld geändert haben
  --format markdown         Patch-Notes für Spieler, mit den Beschriftungen
                            der Editoren

Exit-Codes: 0 aufgelistet, mit oder ohne Änderungen; 1 IMAGE kann nicht gelesen
werden, oder es hat keinen Verlauf und --base ist nicht angegeben;
2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]

Merges two lines of work, OURS and THEIRS, that both started from BASE, into OUT, a new
file: every field of both tables field by field, each entry&apos;s name text as one unit,
and every other bit bit by bit. A field changed on one side only, or to the same value
on both, is taken; so is a bit changed on either side. A field changed to different
values on both sides is a conflict: each is listed, and OUT is not written. The three
images must have the same size. No history and no backup is made beside OUT.

  -o, --output OUT       the merged image; never one of the inputs
  --prefer ours|theirs   take that side for every conflict, and write OUT

Exit codes: 0 written; 1 nothing written (a conflict, an input that cannot be read, is
no image or has another size, or OUT cannot be written); 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]

Führt zwei Arbeitsstränge, OURS und THEIRS, die beide von BASE ausgingen, in
OUT zusammen, einer neuen Datei: jedes Feld beider Tabellen Feld für Feld, den
Namenstext jedes Eintrags als eine Einheit und jedes andere Bit Bit für Bit.
Ein Feld, das nur auf einer Seite oder auf beiden Seiten auf denselben Wert
geändert wurde, wird übernommen; ebenso ein Bit, das auf einer der beiden
Seiten geändert wurde. Ein Feld, das auf beiden Seiten auf unterschiedliche
Werte geändert wurde, ist ein Konflikt: Jeder Konflikt wird aufgeführt, und OUT
wird nicht geschrieben. Die drei Images müssen gleich groß sein. Neben OUT wird
weder ein Verlauf noch eine Sicherungskopie angelegt.

  -o, --output OUT       das zusammengeführte Image; nie eine der Eingaben
  --prefer ours|theirs   bei jedem Konflikt diese Seite übernehmen und OUT
                         schreiben

Exit-Codes: 0 geschrieben; 1 nichts geschrieben (ein Konflikt, eine Eingabe,
die nicht gelesen werden kann, kein Image ist oder eine andere Größe hat, oder
OUT kann nicht geschrieben werden); 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli COMMAND ARGUMENTS...

The command-line companion of the Tolvane editor: what an image is, the item and enemy
tables of an image as CSV or JSON, names rewritten in place, differences between images,
what changed since an image&apos;s original, two lines of work merged, IPS and BPS patches,
and the image played in the user&apos;s emulator.

Commands:
  info IMAGE [--json]
  export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]
  import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]
  rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]
  history IMAGE [--json]
  undo IMAGE [--save N] [--dry-run] [--no-backup]
  changes IMAGE [--base FILE] [--table items|enemies] [--format text|csv|json|markdown]
  diff IMAGE_A IMAGE_B
  merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]
  patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps
  apply PATCH IMAGE -o OUT
  play IMAGE [--print]
  edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS [--clamp] [--dry-run]
       [--no-backup]
  script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Run &apos;tolvane-cli COMMAND --help&apos; for the details of one command. import, rename and undo
write into IMAGE in place; before their first write they copy it to IMAGE.bak, and each of
their saves is recorded in IMAGE.history. A save that a crash cut short is put right by the
next opening that may write the image: the editor&apos;s, or any command that reads its tables
but info and a dry run, which only report it.

Exit codes:
  0  success
  1  invalid input, or an output that could not be written in full: nothing was written
  2  usage error
  3  written in part: a write failed and could not be put back; see the message; the
     backup IMAGE.bak holds the image as it was
</source>
        <translation>Aufruf: tolvane-cli COMMAND ARGUMENTS...

Das Befehlszeilen-Gegenstück zum Editor Tolvane: was ein Image ist, die Item-
und die Gegnertabelle eines Images als CSV oder JSON, direkt neu geschriebene
Namen, Unterschiede zwischen Images, was sich seit dem Original eines Images
geändert hat, das Zusammenführen zweier Arbeitsstränge, IPS- und
BPS-Patches sowie das Spielen des Images im Emulator des Benutzers.

Befehle:
  info IMAGE [--json]
  export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]
  import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]
  rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]
  history IMAGE [--json]
  undo IMAGE [--save N] [--dry-run] [--no-backup]
  changes IMAGE [--base FILE] [--table items|enemies] [--format text|csv|json|markdown]
  diff IMAGE_A IMAGE_B
  merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]
  patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps
  apply PATCH IMAGE -o OUT
  play IMAGE [--print]
  edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS [--clamp] [--dry-run]
       [--no-backup]
  script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Mit &apos;tolvane-cli COMMAND --help&apos; werden die Einzelheiten eines Befehls
angezeigt. import, rename und undo schreiben direkt in IMAGE; vor ihrem ersten
Schreibvorgang kopieren sie es nach IMAGE.bak, und jede ihrer Speicherungen
wird in IMAGE.history aufgezeichnet. Eine durch einen Absturz abgebrochene
Speicherung wird beim nächsten Öffnen bereinigt, das das Image schreiben darf:
beim Öffnen durch den Editor oder durch jeden Befehl, der seine Tabellen liest,
außer info und einem Probelauf, die sie nur melden.

Exit-Codes:
  0  Erfolg
  1  ungültige Eingabe oder eine Ausgabe, die nicht vollständig geschrieben
     werden konnte: Es wurde nichts geschrieben
  2  Aufruffehler
  3  teilweise geschrieben: Ein Schreibvorgang schlug fehl und konnte nicht
     rückgängig gemacht werden; siehe die Meldung; die Sicherungskopie
     IMAGE.bak enthält das Image im vorherigen Zustand
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli history IMAGE [--json]

Lists every save recorded in IMAGE.history, oldest first: its number, the local time it
was made, what made it (editor, import, rename or undo), and each field it changed, as
diff prints them. Bytes outside the tables show as an offset and a count. An undone
save says which undo took it back; an undo says which save it undid.

  --json  an array of objects: number, time (ISO 8601), command, state (done, rolled
          back or pending), undoes, undone_by, and changes, each with entry, field, old,
          new and offset

Exit codes: 0 listed; 1 IMAGE or its history cannot be read; 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli history IMAGE [--json]

Listet jede in IMAGE.history aufgezeichnete Speicherung auf, die älteste
zuerst: ihre Nummer, die Ortszeit, zu der sie erfolgte, wodurch sie erfolgte
(editor, import, rename oder undo) und jedes von ihr geänderte Feld, so wie
diff es ausgibt. Bytes außerhalb der Tabellen erscheinen als Offset und Anzahl.
Eine zurückgenommene Speicherung gibt an, welche Rücknahme sie zurückgenommen
hat; eine Rücknahme gibt an, welche Speicherung sie zurückgenommen hat.

  --json  ein Array von Objekten: number, time (ISO 8601), command, state (done,
          rolled back oder pending), undoes, undone_by und changes, jeweils mit
          entry, field, old, new und offset

Exit-Codes: 0 aufgelistet; 1 IMAGE oder sein Verlauf kann nicht gelesen werden;
2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]

Puts back the bytes that a recorded save replaced, as a new save recorded as an undo of
it. Without --save, the newest save that stands and is no undo itself is undone; with
--save N, save N is, and undoing an undo redoes what it undid. Refused, with nothing
written, when any byte to put back no longer holds what that save wrote: a later save
or another program changed it. Before the first write, IMAGE is copied to IMAGE.bak.

  --save N     undo save N, as history numbers it
  --dry-run    check and report the changes, write nothing
  --no-backup  make no IMAGE.bak

Exit codes: 0 written; 1 nothing written; 2 usage error; 3 written in part: a write
failed and the bytes already written could not all be put back; the message says what
stands, and the next opening puts it right.
</source>
        <translation>Aufruf: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]

Stellt die Bytes wieder her, die eine aufgezeichnete Speicherung ersetzt hat,
als neue Speicherung, die als Rücknahme jener Speicherung aufgezeichnet wird.
Ohne --save wird die neueste Speicherung zurückgenommen, die Bestand hat und
selbst keine Rücknahme ist; mit --save N die Speicherung N, und die Rücknahme
einer Rücknahme stellt wieder her, was diese zurückgenommen hat. Abgelehnt,
ohne dass etwas geschrieben wird, wenn ein wiederherzustellendes Byte nicht
mehr enthält, was jene Speicherung geschrieben hat: Eine spätere Speicherung
oder ein anderes Programm hat es geändert. Vor dem ersten Schreibvorgang wird
IMAGE nach IMAGE.bak kopiert.

  --save N     Speicherung N zurücknehmen, nach der Nummerierung von history
  --dry-run    prüfen und die Änderungen melden, nichts schreiben
  --no-backup  kein IMAGE.bak anlegen

Exit-Codes: 0 geschrieben; 1 nichts geschrieben; 2 Aufruffehler; 3 teilweise
geschrieben: Ein Schreibvorgang schlug fehl, und die bereits geschriebenen
Bytes konnten nicht alle wiederhergestellt werden; die Meldung gibt an, was
Bestand hat, und das nächste Öffnen bereinigt es.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli info IMAGE [--json]

Tells what IMAGE is, and writes nothing: its size; its iNES header, if it has one (PRG
and CHR ROM, mapper, mirroring, battery, trainer, NES 2.0, and whether the file is as
long as the header declares); the CRC32 and SHA-1 of the whole file and of the file
without its 16-byte header; and for each table, how many entries lie inside the file,
how many name pointers lead into it and how many names are printable text.

The tables look right when every entry of both lies inside the file and at least
3 in 4 names of each table are printable: at least one character, each from 0x20 to
0x7E.
A save recorded in IMAGE.history that a crash cut short is reported on the error stream
and left as it is; the next opening that may write the image puts it right.
The exit code is 0 whenever the file could be read, whatever that verdict, unless such
a save was cut short halfway: its entries are then named, nothing is told, and it is 1.

  --json  the same facts as one JSON object
</source>
        <translation>Aufruf: tolvane-cli info IMAGE [--json]

Gibt an, was IMAGE ist, und schreibt nichts: seine Größe; seinen iNES-Header,
falls vorhanden (PRG- und CHR-ROM, Mapper, Mirroring, Batterie, Trainer,
NES 2.0 und ob die Datei so lang ist, wie der Header angibt); CRC32 und SHA-1
der ganzen Datei und der Datei ohne ihren 16-Byte-Header; und für jede Tabelle,
wie viele Einträge innerhalb der Datei liegen, wie viele Namens-Pointer in sie
hineinführen und wie viele Namen druckbarer Text sind.

Die Tabellen gelten als plausibel, wenn alle Einträge beider Tabellen innerhalb
der Datei liegen und mindestens 3 von 4 Namen jeder Tabelle druckbar sind:
mindestens ein Zeichen, jedes von 0x20 bis 0x7E.
Eine in IMAGE.history aufgezeichnete Speicherung, die durch einen Absturz
abgebrochen wurde, wird auf dem Fehlerkanal gemeldet und unverändert gelassen;
das nächste Öffnen, das das Image schreiben darf, bereinigt sie.
Der Exit-Code ist 0, sobald die Datei gelesen werden konnte, unabhängig von
diesem Urteil, außer wenn eine solche Speicherung mittendrin abgebrochen wurde:
dann werden ihre Einträge genannt, nichts wird angegeben, und er ist 1.

  --json  dieselben Angaben als ein JSON-Objekt
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps

Makes a patch that turns ORIGINAL into MODIFIED. The name of OUT picks the format: IPS,
or BPS, which also carries the CRC32 of both files and of itself. An IPS patch cannot
cut a file to 16 MiB or more, so such a MODIFIED needs BPS. An OUT that is a device
is written into and a FIFO refused; any other OUT is replaced only once the whole
patch is written.

Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch cannot be
made, or OUT cannot be written in full: no part of it is left); 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps

Erstellt einen Patch, der ORIGINAL in MODIFIED überführt. Der Name von OUT
bestimmt das Format: IPS oder BPS, das zusätzlich die CRC32 beider Dateien und
seine eigene enthält. Ein IPS-Patch kann eine Datei nicht auf 16 MiB oder mehr
kürzen, daher braucht ein solches MODIFIED BPS. Ist OUT ein Gerät, wird
hineingeschrieben, ein FIFO wird abgelehnt; jedes andere OUT wird erst ersetzt,
wenn der ganze Patch geschrieben ist.

Exit-Codes: 0 geschrieben; 1 nichts geschrieben (eine Datei kann nicht gelesen
werden, der Patch kann nicht erstellt werden, oder OUT kann nicht vollständig
geschrieben werden: Davon bleibt nichts zurück); 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli apply PATCH IMAGE -o OUT

Applies an IPS or BPS patch to IMAGE and writes the result to OUT. A patch that is cut
short or damaged, or a BPS patch whose checksums do not match, is refused and nothing is
written. With -o - the result goes to the standard output. An OUT that is a device
is written into and a FIFO refused; any other OUT is replaced only once the whole
result is written.

Exit codes: 0 written; 1 nothing written (a file cannot be read, the patch is refused,
or OUT cannot be written in full: no part of it is left); 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli apply PATCH IMAGE -o OUT

Wendet einen IPS- oder BPS-Patch auf IMAGE an und schreibt das Ergebnis nach
OUT. Ein abgeschnittener oder beschädigter Patch oder ein BPS-Patch, dessen
Prüfsummen nicht stimmen, wird abgelehnt, und es wird nichts geschrieben.
Mit -o - geht das Ergebnis an die Standardausgabe. Ist OUT ein Gerät, wird
hineingeschrieben, ein FIFO wird abgelehnt; jedes andere OUT wird erst ersetzt,
wenn das ganze Ergebnis geschrieben ist.

Exit-Codes: 0 geschrieben; 1 nichts geschrieben (eine Datei kann nicht gelesen
werden, der Patch wird abgelehnt, oder OUT kann nicht vollständig geschrieben
werden: Davon bleibt nichts zurück); 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]

Writes TEXT as the name of one entry, in place, where its name pointer leads. Each character
is stored as its code + 0x80, so only codes 0x00 to 0x7F can be written. The new name may
not be longer than the old one; a shorter one is ended by the byte that ended the old name,
and the old bytes behind it stay as they are. Only the bytes that differ are written, and
none into the item or the enemy table.

Other entries may read the same text or part of it. They are listed first, and the rename
is refused unless --shared is given. Before the first write, IMAGE is copied to IMAGE.bak
beside it, over any older one.

  --item N     the item to rename (0 to 113)
  --enemy N    the enemy to rename (0 to 120)
  --shared     also change the names of the entries that share the text
  --dry-run    check and report, write nothing
  --no-backup  make no IMAGE.bak

Exit codes: 0 written, or nothing to write; 1 nothing written; 2 usage error; 3 written in
part: a write failed and the bytes already written could not all be put back; the backup
IMAGE.bak (unless --no-backup) holds the image as it was.
</source>
        <translation>Aufruf: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]

Schreibt TEXT als Namen eines Eintrags direkt an die Stelle, auf die sein
Namens-Pointer zeigt. Jedes Zeichen wird als sein Code + 0x80 gespeichert,
daher können nur die Codes 0x00 bis 0x7F geschrieben werden. Der neue Name darf
nicht länger sein als der alte; ein kürzerer wird mit dem Byte abgeschlossen,
das den alten Namen abschloss, und die alten Bytes dahinter bleiben
unverändert. Nur die abweichenden Bytes werden geschrieben, und keines davon in
die Item- oder die Gegnertabelle.

Andere Einträge können denselben Text oder einen Teil davon lesen. Sie werden
zuerst aufgeführt, und die Umbenennung wird abgelehnt, sofern nicht --shared
angegeben ist. Vor dem ersten Schreibvorgang wird IMAGE nach IMAGE.bak in
dasselbe Verzeichnis kopiert; eine ältere Kopie wird dabei überschrieben.

  --item N     das umzubenennende Item (0 bis 113)
  --enemy N    der umzubenennende Gegner (0 bis 120)
  --shared     auch die Namen der Einträge ändern, die den Text teilen
  --dry-run    prüfen und melden, nichts schreiben
  --no-backup  kein IMAGE.bak anlegen

Exit-Codes: 0 geschrieben oder nichts zu schreiben; 1 nichts geschrieben;
2 Aufruffehler; 3 teilweise geschrieben: Ein Schreibvorgang schlug fehl, und
die bereits geschriebenen Bytes konnten nicht alle wiederhergestellt werden;
die Sicherungskopie IMAGE.bak (außer bei --no-backup) enthält das Image im
vorherigen Zustand.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]

Writes one table of IMAGE as CSV or JSON: one row or object per entry, with its index and
every field the editors show. Without -o, or with -o -, the table goes to the standard
output. A FILE that is a device is written into, and a FIFO is refused; any other FILE
is replaced only once the whole table is written.

  --table items|enemies  the table (default: items)
  --format csv|json      the format (default: json for a FILE ending in .json, else csv)
  -o, --output FILE      write to FILE

Exit codes: 0 written; 1 nothing written (IMAGE cannot be read, or the output cannot be
written in full: the system&apos;s reason is given, and no part of FILE is left); 2 usage
error.
</source>
        <translation>Aufruf: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]

Schreibt eine Tabelle von IMAGE als CSV oder JSON: eine Zeile bzw. ein Objekt
je Eintrag, mit seinem Index und jedem Feld, das die Editoren zeigen. Ohne -o
oder mit -o - geht die Tabelle an die Standardausgabe. Ist FILE ein Gerät, wird
hineingeschrieben, ein FIFO wird abgelehnt; jede andere FILE wird erst ersetzt,
wenn die ganze Tabelle geschrieben ist.

  --table items|enemies  die Tabelle (Standard: items)
  --format csv|json      das Format (Standard: json für eine FILE mit der
                         Endung .json, sonst csv)
  -o, --output FILE      nach FILE schreiben

Exit-Codes: 0 geschrieben; 1 nichts geschrieben (IMAGE kann nicht gelesen
werden, oder die Ausgabe kann nicht vollständig geschrieben werden: Der vom
System gemeldete Grund wird angegeben, und von FILE bleibt nichts zurück);
2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]

Writes the rows of FILE, a CSV or JSON table made by export, back into IMAGE with the
editors&apos; own rules. Every row and cell is checked first; if any is invalid, each error is
reported as file:line:column and nothing is written. Only fields that differ are written.
Names are written only with --names, by the rules of the rename command: in place, no
longer than the old name, codes 0x00 to 0x7F, never into the item or the enemy table.
The item_name column is never written. Before the first write, IMAGE is copied to
IMAGE.bak beside it, over any older one. The rows land as one: if a write fails, or
another program changed an entry after it was read, nothing is written.

  --names      write the names that differ
  --shared     with --names: a new name may also change other entries that read its text
  --dry-run    check and report the changes, write nothing
  --no-backup  make no IMAGE.bak

Exit codes: 0 written, or nothing to write; 1 nothing written; 2 usage error; 3 written
in part: a write failed and the bytes already written could not all be put back; the
message names the entries written and those not, and the backup IMAGE.bak (unless
--no-backup) holds the image as it was.
</source>
        <translation>Aufruf: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]

Schreibt die Zeilen von FILE, einer mit export erstellten CSV- oder
JSON-Tabelle, nach den Regeln der Editoren zurück in IMAGE. Jede Zeile und
jede Zelle wird zuerst geprüft; ist eine davon ungültig, wird jeder Fehler als
Datei:Zeile:Spalte gemeldet, und es wird nichts geschrieben. Nur abweichende
Felder werden geschrieben. Namen werden nur mit --names geschrieben, nach den
Regeln des Befehls rename: direkt, nicht länger als der alte Name, Codes 0x00
bis 0x7F, nie in die Item- oder die Gegnertabelle. Die Spalte item_name wird
nie geschrieben. Vor dem ersten Schreibvorgang wird IMAGE nach IMAGE.bak in
dasselbe Verzeichnis kopiert; eine ältere Kopie wird dabei überschrieben. Die
Zeilen werden als Ganzes übernommen: Schlägt ein Schreibvorgang fehl oder hat
ein anderes Programm einen Eintrag nach dem Lesen geändert, wird nichts
geschrieben.

  --names      die abweichenden Namen schreiben
  --shared     mit --names: Ein neuer Name darf auch andere Einträge ändern,
               die seinen Text lesen
  --dry-run    prüfen und die Änderungen melden, nichts schreiben
  --no-backup  kein IMAGE.bak anlegen

Exit-Codes: 0 geschrieben oder nichts zu schreiben; 1 nichts geschrieben;
2 Aufruffehler; 3 teilweise geschrieben: Ein Schreibvorgang schlug fehl, und
die bereits geschriebenen Bytes konnten nicht alle wiederhergestellt werden;
die Meldung nennt die geschriebenen und die nicht geschriebenen Einträge, und
die Sicherungskopie IMAGE.bak (außer bei --no-backup) enthält das Image im
vorherigen Zustand.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation>Aufruf: tolvane-cli diff IMAGE_A IMAGE_B

Listet Eintrag für Eintrag die abweichenden Felder beider Tabellen auf und
zählt dann die abweichenden Bytes innerhalb und außerhalb der Tabellen.

Exit-Codes: 0 verglichen; 1 ein Image kann nicht gelesen werden; 2 Aufruffehler.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli play IMAGE [--print]

Starts the user&apos;s emulator on IMAGE as it stands on disk, and returns at once: the
emulator runs on by itself. The emulator is, in this order: the command line in the
variable TOLVANE_EMULATOR, in which %f stands for the image (without %f the image is
the last argument) and double quotes group a word with blanks; the first of the
well-known emulators found on PATH; the application the system opens .nes files
with, unless that is Tolvane itself. A save that a crash cut short is put right first.

  --print  print the command line it would run, and run nothing
</source>
        <translation>Aufruf: tolvane-cli play IMAGE [--print]

Startet den Emulator des Benutzers mit IMAGE, so wie es auf dem Datenträger
steht, und kehrt sofort zurück: Der Emulator läuft für sich weiter. Der Emulator
ist, in dieser Reihenfolge: die Befehlszeile in der Variablen TOLVANE_EMULATOR,
in der %f für das Image steht (ohne %f ist das Image das letzte Argument) und
doppelte Anführungszeichen ein Wort mit Leerzeichen zusammenhalten; der erste der
bekannten Emulatoren, der im PATH gefunden wird; die Anwendung, mit der das
System .nes-Dateien öffnet, sofern das nicht Tolvane selbst ist. Eine durch einen
Absturz abgebrochene Speicherung wird zuerst bereinigt.

  --print  die Befehlszeile ausgeben, die ausgeführt würde, und nichts ausführen
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS
                        [--clamp] [--dry-run] [--no-backup]

Runs the Lua assignments STATEMENTS over every entry of the table for which the Lua
expression EXPR holds (every entry without --where). Fields are named as export names
its columns; flags are true or false; index and name can be read, not assigned:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
A value that is not a whole number is rounded half to even. A value out of range, one
that is no number, or a field that does not exist stops the batch, naming the entry,
the field and the line: nothing is written. Otherwise the changes are written as one
save, which one undo takes back, and listed as changes lists them.

  --table items|enemies  the table
  --where EXPR           the entries to change
  --set STATEMENTS       the assignments, separated by ; or line ends
  --clamp                pull a value out of range to its nearest bound, and list it
  --dry-run              check and report the changes, write nothing
  --no-backup            make no IMAGE.bak

Exit codes: as for import.
</source>
        <translation>Aufruf: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS
                        [--clamp] [--dry-run] [--no-backup]

Führt die Lua-Zuweisungen STATEMENTS für jeden Eintrag der Tabelle aus, für den
der Lua-Ausdruck EXPR gilt (ohne --where für jeden Eintrag). Die Felder heißen
wie die Spalten von export; Flags sind true oder false; index und name können
gelesen, aber nicht zugewiesen werden:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
Ein Wert, der keine ganze Zahl ist, wird kaufmännisch zur geraden Zahl gerundet.
Ein Wert außerhalb des Bereichs, einer, der keine Zahl ist, oder ein Feld, das
es nicht gibt, hält den Stapel an und nennt Eintrag, Feld und Zeile: Es wird
nichts geschrieben. Sonst werden die Änderungen als eine Speicherung
geschrieben, die ein undo zurücknimmt, und so aufgelistet, wie changes sie
auflistet.

  --table items|enemies  die Tabelle
  --where EXPR           die zu ändernden Einträge
  --set STATEMENTS       die Zuweisungen, getrennt durch ; oder Zeilenenden
  --clamp                einen Wert außerhalb des Bereichs auf die nächste
                         Grenze setzen und ihn auflisten
  --dry-run              prüfen und die Änderungen melden, nichts schreiben
  --no-backup            kein IMAGE.bak anlegen

Exit-Codes: wie bei import.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Runs the Lua script FILE.lua over both tables of IMAGE: items and enemies, each indexed
from 0 as the game numbers its entries, each entry with the fields edit names:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print writes to the standard output. The script gets only the string, math, table and
utf8 libraries and the safe base functions, and is stopped past an instruction budget
or a memory cap. It is checked whole as edit checks its assignments, then written as
one save, which one undo takes back, and its changes listed as changes lists them.

  --clamp      pull a value out of range to its nearest bound, and list it
  --dry-run    check and report the changes, write nothing
  --no-backup  make no IMAGE.bak

Exit codes: as for import.
</source>
        <translation>Aufruf: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Führt das Lua-Skript FILE.lua über beide Tabellen von IMAGE aus: items und
enemies, jeweils ab 0 indiziert, wie das Spiel seine Einträge zählt, jeder
Eintrag mit den Feldern, die edit nennt:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print schreibt in die Standardausgabe. Das Skript erhält nur die Bibliotheken
string, math, table und utf8 und die sicheren Basisfunktionen und wird nach
einem Anweisungsbudget oder an einer Speichergrenze angehalten. Es wird als
Ganzes geprüft, wie edit seine Zuweisungen prüft, dann als eine Speicherung
geschrieben, die ein undo zurücknimmt, und seine Änderungen werden so
aufgelistet, wie changes sie auflistet.

  --clamp      einen Wert außerhalb des Bereichs auf die nächste Grenze setzen
               und ihn auflisten
  --dry-run    prüfen und die Änderungen melden, nichts schreiben
  --no-backup  kein IMAGE.bak anlegen

Exit-Codes: wie bei import.
</translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertikal</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>Four-Screen</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation>iNES-Header:</translation>
    </message>
    <message>
        <source>PRG ROM:</source>
        <translation>PRG-ROM:</translation>
    </message>
    <message>
        <source>CHR ROM:</source>
        <translation>CHR-ROM:</translation>
    </message>
    <message>
        <source>Mapper:</source>
        <translation>Mapper:</translation>
    </message>
    <message>
        <source>Mirroring:</source>
        <translation>Mirroring:</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batterie:</translation>
    </message>
    <message>
        <source>Trainer:</source>
        <translation>Trainer:</translation>
    </message>
    <message>
        <source>NES 2.0:</source>
        <translation>NES 2.0:</translation>
    </message>
    <message>
        <source>Declared size:</source>
        <translation>Angegebene Größe:</translation>
    </message>
    <message>
        <source>CRC32:</source>
        <translation>CRC32:</translation>
    </message>
    <message>
        <source>SHA-1:</source>
        <translation>SHA-1:</translation>
    </message>
    <message>
        <source>CRC32 without header:</source>
        <translation>CRC32 ohne Header:</translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation>SHA-1 ohne Header:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Items:</translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation>Gegner:</translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation>Tabellen plausibel:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>no error occurred</source>
        <translation>kein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation>nicht abgeschlossenes Objekt</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>fehlendes Namenstrennzeichen</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>nicht abgeschlossenes Array</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>fehlendes Werttrennzeichen</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>ungültiger Wert</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>ungültiges Ende durch eine Zahl</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>ungültige Zahl</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>ungültige Escape-Sequenz</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>ungültige UTF-8-Zeichenkette</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>nicht abgeschlossene Zeichenkette</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>nach einem Komma fehlt ein Objekt</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>Dokument zu tief verschachtelt</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>Dokument zu groß</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>überzählige Zeichen am Ende des Dokuments</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation>%1 (ausstehend: das Image enthielt andere Bytes)</translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation>%1 (zurückgerollt)</translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation>%1 (ausstehend)</translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation>%1 (zurückgenommen durch %2)</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem Anführungszeichen beginnt; setzen Sie das ganze Feld in Anführungszeichen, und verdoppeln Sie das Anführungszeichen</translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation>dieses Feld in Anführungszeichen ist nicht abgeschlossen</translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation>auf ein schließendes Anführungszeichen darf nur ein Komma oder das Zeilenende folgen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation>die erste Zeile muss die Spalten benennen: %1 oder %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation>&quot;%1&quot; ist keine Spalte der Tabelle %2</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>die Spalte %1 ist doppelt benannt</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>die Spalte %1 fehlt</translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation>diese Zeile hat %1 Zellen, benannt sind aber %2 Spalten</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation>der Schlüssel &quot;%1&quot; ist doppelt angegeben</translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation>&quot;table&quot; muss &quot;items&quot; oder &quot;enemies&quot; sein</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation>&quot;entries&quot; muss eine Liste von Objekten sein</translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation>jeder Eintrag muss ein Objekt sein</translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation>das Feld %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation>das Feld %1 muss eine Zahl oder ein Text sein</translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation>%1: IPS-Offsets sind 3 Bytes lang, daher darf die geänderte Datei höchstens 16 MiB groß sein; verwenden Sie einen BPS-Patch</translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation>%1: Die geänderte Datei ist kürzer als das Original und 16 MiB oder länger, eine Länge, auf die ein IPS-Patch die Datei nicht kürzen kann; verwenden Sie einen BPS-Patch</translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation>%1: kein IPS-Patch: Er beginnt nicht mit &quot;PATCH&quot;. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: Der Patch bricht vor seiner Endmarke &quot;EOF&quot; ab (bei Byte %2 von %3). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: Der Patch bricht innerhalb eines Datensatzkopfs ab (bei Byte %2 von %3). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: Der Patch bricht innerhalb der Daten eines Datensatzes ab (bei Byte %2 von %3). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: Der Patch bricht innerhalb eines RLE-Datensatzes ab (bei Byte %2 von %3). Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation>%1: Der Patch enthält nach seiner Endmarke %2 unerwartete Bytes. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation>%1: kein BPS-Patch: Er beginnt nicht mit &quot;BPS1&quot;. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation>%1: Der Patch ist beschädigt oder abgeschnitten: Seine eigene Prüfsumme stimmt nicht. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation>%1: Der Header des Patches ist beschädigt. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation>%1: Der Patch gibt ein Ergebnis von %2 Bytes an; zulässig sind höchstens %3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation>%1: Der Patch wurde für eine andere Datei erstellt: Er erwartet %2 Bytes mit der Prüfsumme %3, die Datei hat %4 Bytes mit der Prüfsumme %5. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation>%1: Der Patch ist beschädigt: Eine Aktion bei Byte %2 reicht über die Dateien hinaus. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation>%1: Der Patch ist beschädigt: Seine Aktionen erzeugen %2 der %3 Bytes, die er angibt. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation>%1: Das Ergebnis stimmt nicht mit der Zielprüfsumme des Patches überein. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation>%1: kein IPS- oder BPS-Patch. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation>%1 kann nicht gelesen werden: Die Datei ist %2 Bytes lang, mehr als die %3 Bytes (%4 MiB), die eine solche Datei haben darf</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation>%1 kann nicht geschrieben werden: Es ist die Datei %2, die dieser Befehl liest</translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: Der Datenstrom ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation>%1: %2 beschädigte Bytes wurden übersprungen; die Datensätze davor und danach werden aufgeführt</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation>das Argument &quot;%1&quot; ist kein Text in der Zeichenkodierung dieses Systems, daher lässt sich damit keine Datei exakt benennen; benennen Sie die Datei um, oder führen Sie den Befehl unter einer Locale aus, in deren Kodierung der Dateiname vorliegt</translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation>falsche Anzahl von Dateinamen.
%1</translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation>--table erwartet items oder enemies, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation>--format erwartet csv oder json, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation>--format erwartet text, csv, json oder markdown, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation>--prefer erwartet ours oder theirs, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation>--save erwartet die Nummer einer Speicherung, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation>geben Sie genau einen Eintrag an: --item N oder --enemy N</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1 erwartet eine ganze Zahl von 0 bis %2, nicht &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation>--shared ist nur zusammen mit --names möglich</translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation>-o muss eine Datei mit der Endung .ips oder .bps angeben</translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation>-o OUT gibt die zu schreibende Datei an</translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation>merge schreibt sein Image in eine Datei: geben Sie -o OUT an</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation>%1
Mit &apos;tolvane-cli --help&apos; werden Hinweise zum Aufruf angezeigt.</translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation>%1  (keine Änderungen)</translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation>Es sind keine Speicherungen aufgezeichnet.</translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation>Speicherung %1 würde zurückgenommen; zu schreiben: %2 %3.</translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation>Speicherung %1 zurückgenommen; geschrieben: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 would be written %4.</source>
        <translation>%1, %2 würden geändert; zu schreiben: %3 %4.</translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation>%1, %2 geändert; geschrieben: %3.</translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation>Keine Änderungen: Das Image enthält bereits jede Zeile.</translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation>Alle Felder beider Tabellen sind gleich.</translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation>Geänderte Bytes: %1 innerhalb der Tabellen, %2 außerhalb.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>  teilt den Text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>der Namenstext wird mit %n weiteren, unten aufgeführten Eintrag geteilt; geben Sie --shared an, um ihn ebenfalls zu ändern</numerusform>
            <numerusform>der Namenstext wird mit %n weiteren, unten aufgeführten Einträgen geteilt; geben Sie --shared an, um diese ebenfalls zu ändern</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation>Für %1 würde &quot;%2&quot; angezeigt; zu ändern: %3 %4.</translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation>%1 zeigt jetzt &quot;%2&quot;; geändert: %3.</translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation>%1 zeigen jetzt &quot;%2&quot;; geändert: %3.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>%1 x %2 KiB (%3 bytes)</source>
        <translation>%1 x %2 KiB (%3 Bytes)</translation>
    </message>
    <message>
        <source>%1 bytes, as the file holds</source>
        <translation>%1 Bytes, so viel, wie die Datei enthält</translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation>%1 Bytes, %2 mehr, als die Datei enthält</translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation>%1 Bytes, %2 weniger, als die Datei enthält</translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation>%1 von %2 Einträgen innerhalb der Datei, %3 Namens-Pointer in die Datei, %4 druckbare Namen</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>nein (%1)</translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation>%1 kann nicht geschrieben werden: Es ist ein Verlauf von Speicherungen, den nur die Speicherungen selbst schreiben</translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation>%1 kann nicht geschrieben werden: Es ist der Verlauf der Speicherungen von %2, den nur diese Speicherungen schreiben</translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation>%1 kann nicht geschrieben werden: Es ist die Sicherungskopie von %2, die nur die Speicherungen von %2 ersetzen</translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation>%1 enthält die Tabellen nicht in der Form, in der die Editoren sie lesen (%2), und hat daher keine Tabelle, die sich exportieren lässt. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation>%1: Datensatz %2 reicht über das Ende des Images hinaus, gehört also zu einem anderen Image, oder das Image wurde seitdem gekürzt; seine Bytes bleiben beim Original außer Betracht</translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation>Bearbeitet die Item- und die Gegnertabelle eines Spiel-Images direkt in der Datei.</translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation>Das zu öffnende Image, als wäre es im Öffnen-Dialog gewählt worden. Einem Namen, der mit - beginnt, ist -- voranzustellen.</translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation>Abweichungen von FILE, einem Image gleicher Größe, markieren statt Abweichungen vom Verlauf des Images.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation>Spieltest</translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation>Der angezeigte Eintrag hat Änderungen, die nicht gespeichert sind. Der Emulator spielt das Image so, wie es auf dem Datenträger steht: zuerst speichern?</translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation>Ohne sie spielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation>Speicherverlauf dieses Eintrags…</translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation>Original wiederherstellen (%1)</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation>Pointer auf Namen</translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation>Pointer auf Namen</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>PP</source>
        <translation>PP</translation>
    </message>
    <message>
        <source>offense</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>Offense</source>
        <translation>Angriff</translation>
    </message>
    <message>
        <source>defense</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Abwehr</translation>
    </message>
    <message>
        <source>fight</source>
        <translation>Kampf</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Kampf</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation>Weisheit</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Weisheit</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Erfahrung</translation>
    </message>
    <message>
        <source>money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Pointer auf Namen</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Ausrüstbar/Item-Stärke</translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation>Wirkung außerhalb des Kampfes</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Wirkung außerhalb des Kampfes</translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation>Wirkung im Kampf</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Wirkung im Kampf</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Dauerhaft</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>Essbar</translation>
    </message>
    <message>
        <source>Ninten</source>
        <translation>Ninten</translation>
    </message>
    <message>
        <source>Ana</source>
        <translation>Ana</translation>
    </message>
    <message>
        <source>Loid</source>
        <translation>Loid</translation>
    </message>
    <message>
        <source>Teddy</source>
        <translation>Teddy</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation>Um den Emulator zu wählen, öffnen Sie das Startmenü, suchen Sie nach „Umgebungsvariablen“, wählen Sie „Umgebungsvariablen für dieses Konto bearbeiten“ und fügen Sie %1 mit seiner Befehlszeile hinzu, %f an der Stelle des Images, zum Beispiel:
%2</translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation>Um den Emulator zu wählen, setzen Sie %1 auf seine Befehlszeile, %f an der Stelle des Images, zum Beispiel in ~/.profile:
%2</translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation>%1 kann nicht gespielt werden: Die Variable %2 enthält keine Befehlszeile, da ein doppeltes Anführungszeichen darin nie geschlossen wird.
%3</translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation>Es wurde kein Emulator gefunden, um %1 zu spielen. Tolvane hat in dieser Reihenfolge gesucht nach:</translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation>1. der Variablen %1: Sie ist nicht gesetzt</translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation>2. diesen Emulatoren im PATH: %1: Keiner ist dort</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation>3. der Anwendung, mit der dieses System .nes-Dateien öffnet: Es gibt keine</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation>3. der Anwendung, mit der dieses System .nes-Dateien öffnet: Es ist %1, Tolvane selbst</translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation>Der Emulator kann nicht gestartet werden:
%1
%2.</translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation>Wählen Sie eine Zahlenspalte, oder zwei für ein Streudiagramm.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>%n Zeile in der angezeigten Reihenfolge</numerusform>
            <numerusform>%n Zeilen in der angezeigten Reihenfolge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden:
%2.</translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation>%1 kann nur gelesen werden und ist daher nur zum Lesen geöffnet. Die Editoren zeigen den Inhalt an, jedes Speichern wird jedoch abgelehnt.</translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation>Die Basis %1 ist %2 Bytes lang, %3 dagegen %4, daher kann sie nicht zeigen, was sich in diesem Image geändert hat. Die Editoren markieren keine Änderungen.</translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation>Die Basis %1 kann nicht geöffnet werden:
%2.
Die Editoren markieren keine Änderungen.</translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation>Tolvane öffnet jeweils nur ein Image, daher wurde keines der folgenden geöffnet:
%1</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation>%1
Mit &apos;tolvane --help&apos; werden Hinweise zum Aufruf angezeigt.</translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation>Die Item-Tabelle kann nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation>Die Gegnertabelle kann nicht gelesen werden.
%1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation>%1 kann bei Offset %2 nicht gelesen werden:
%3.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation>In %1 kann bei Offset %2 nicht geschrieben werden:
%3.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation>%1 kann bei Offset %2 nicht synchronisiert werden:
%3.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation>Die Größe von %1 kann bei Offset %2 nicht ermittelt werden:
%3.</translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation>%1 in %2 bei Offset %3 nicht möglich:
%4.</translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 kann bei Offset -%2 nicht gelesen werden: Die Position liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>In %1 kann bei Offset -%2 nicht geschrieben werden: Die Position liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 kann bei Offset -%2 nicht synchronisiert werden: Die Position liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Die Größe von %1 kann bei Offset -%2 nicht ermittelt werden: Die Position liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 bei Offset -%2: Die Position liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>der Name von %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation>ein Teil von %1</translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation>der Rest von %1</translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation>in %1 kann nichts zurückgenommen werden: %2</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation>das Feld %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation>Bereits geschrieben und in der Datei belassen: %1.</translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation>%1: Das Speichern brach beim Feld %2 ab.
%3
%4
Nicht geschrieben: %5.</translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation>ein anderes Programm hat das Image ersetzt, verschoben oder gelöscht, während seine Sicherungskopie angelegt wurde</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation>Die Sicherungskopie %1 von %2 kann nicht angelegt werden:
%3.</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation>%1 kann nicht gespeichert werden.
%2
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation>es ist ein FIFO (eine benannte Pipe), keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>es ist ein Verzeichnis, keine Datei</translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation>es ist ein Link, durch den nie geschrieben wird</translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation>es ist keine Datei auf einem Datenträger</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation>In %1 kann bei Offset %2 nicht geschrieben werden:
Die Datei ist nur zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation>%1 bei Offset %2: Überlauf, der Offset ist zu groß.</translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation>Schreiben eines Worts bei Offset %1: Überlauf, %2 passt nicht in 16 Bit.</translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation>Der Namens-Pointer %1 liegt vor dem Dateianfang.</translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation>Name bei Pointer %1: Überlauf, mehr als %2 Zeichen.</translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation>Bitfolge &quot;%1&quot;: Überlauf, der Wert passt nicht in 32 Bit.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Die Datei ist nur zum Lesen geöffnet. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Das Image wurde von einem anderen Programm auf dem Datenträger ersetzt, nachdem dieser Eintrag angezeigt wurde. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Das Image wurde nach dem Öffnen gelöscht oder verschoben. Es wurde nichts geschrieben, und an seiner Stelle wurde keine Datei angelegt.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Der Eintrag liegt bei den Offsets %3 bis %4, die Datei ist aber nur %5 Bytes lang. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Ein anderes Programm hat %1 in der Datei geändert, nachdem es angezeigt wurde. Es wurde nichts geschrieben; %1 wird erneut so angezeigt, wie es jetzt in der Datei steht.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
Ein anderes Tolvane-Programm hat länger als %3 Sekunden ununterbrochen in das Image geschrieben. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation>%1 kann nicht gespeichert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation>Speichern nicht möglich: %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation>%1 gespeichert: Alle Felder wurden geschrieben, aber %2</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation>%1 kann nicht in %2 gespeichert werden:
%3. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation>der Namens-Pointer %1 hat keinen Offset in der Datei: Pointer unter 7FF0 liegen vor ihrem Anfang</translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation>der Name bei Pointer %1 ist länger als %2 Zeichen, der längste Name, den die Leseroutinen annehmen</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation>der Name bei Pointer %1 (Offset %2) reicht über das Ende der Datei hinaus, die %3 Bytes lang ist</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation>das Zeichen &quot;%1&quot; (U+%2) an Position %3 kann nicht geschrieben werden: Namenstext enthält nur die Codes 0x00 bis 0x7F</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation>&quot;%1&quot; ist %2 Zeichen lang, der zu ersetzende Name &quot;%4&quot; bei Pointer %3 aber nur %5: Ein neuer Name darf nicht länger sein als der alte</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation>der Name bei Pointer %1 (Offset %2) ist kein Namenstext: Das Schreiben von &quot;%3&quot; würde den Datensatz von %4 bei %5 überschreiben</translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation>%1 ist bereits in Zeile %2 angegeben</translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation>es gibt kein Item %1; Items reichen von 0 bis %2</translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation>der Name von %1 wird nicht geschrieben; geben Sie --names an, um ihn zu schreiben</translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation>der Namenstext von %1 wird geteilt: Das Schreiben von &quot;%2&quot; würde auch %3 ändern; geben Sie --shared an, um dies zuzulassen</translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation>der Name von %1 würde nach dem Schreiben der übrigen Namen dieser Datei &quot;%2&quot; lauten, nicht &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation>%1 enthält nicht mehr, was Datensatz %2 geschrieben hat: Eine spätere Speicherung oder ein anderes Programm hat es geändert</translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation>%1 enthalten nicht mehr, was Datensatz %2 geschrieben hat: Eine spätere Speicherung oder ein anderes Programm hat sie geändert</translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation>der Verlauf enthält keine Speicherung mehr, die zurückgenommen werden kann</translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation>der Verlauf hat keinen Datensatz %1</translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation>Datensatz %1 wurde nie vollständig übernommen, daher gibt es davon nichts zurückzunehmen</translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation>der Pointer auf den Namen, &quot;%1&quot;, ist keine Hexadezimalzahl von 0 bis FFFF</translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation>der Pointer &quot;%1&quot; besteht nicht aus einer bis vier Hexadezimalziffern</translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation>der Wert &quot;%2&quot; des Flags %1 ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>der Index &quot;%1&quot; ist keine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation>der Wert &quot;%2&quot; des Felds %1 ist keine Zahl von 0 bis %3</translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation>der Name von %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation>%1. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation>%1 kann in %2 nicht umbenannt werden: %3</translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation>
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation>in %1 kann nicht geschrieben werden: Ein anderes Programm hat %2 darin geändert, nachdem dieser Befehl die Datei gelesen hat. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>Es wurde keine Sicherungskopie angelegt.</translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation>Die Sicherungskopie %1 enthält das Image im Zustand vor diesem Befehl.</translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation>%1
Alle Schreibvorgänge dieses Befehls sind in %2 enthalten, das System hat sie aber möglicherweise noch nicht auf den Datenträger geschrieben.
%3</translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation>%1
%2 ist teilweise geschrieben.
Geschrieben: %3.
Nicht geschrieben: %4.
%5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation>der Verlauf %1 kann nicht angelegt werden: Dieser Name ist %2 Bytes lang, länger, als dieses Dateisystem erlaubt, und der Name des Verlaufs ist der des Images mit angehängtem &quot;.history&quot;; benennen Sie das Image so um, dass sein Name mindestens 8 Bytes kürzer ist als der längste, den dieses Dateisystem erlaubt (die meisten erlauben 255)</translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation>der Verlauf %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation>der Verlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation>%1 ist kein Tolvane-Verlauf und bleibt daher unverändert</translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation>der Verlauf %1 wurde von einer neueren Version von Tolvane geschrieben (Verlaufsversion %2)</translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation>der Verlauf %1 hat die Verlaufsversion %2, die diese Version von Tolvane nicht liest, und bleibt daher unverändert</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation>dieser Befehl liest das Image nur; jeder Befehl, der es schreibt, oder der Editor bereinigt dies</translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation>das Image kann nur gelesen werden; öffnen Sie es an einem Ort, an dem es geschrieben werden kann, um dies zu bereinigen</translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation>ein anderes Tolvane-Programm hat länger als %1 Sekunden ununterbrochen in das Image geschrieben; öffnen Sie das Image erneut, sobald es fertig ist</translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation>%1; öffnen Sie das Image erneut, sobald dies behoben ist, um es zu bereinigen</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>das Image</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde nach ihrem letzten Schreibvorgang abgebrochen: Sie ist vollständig wirksam, wie gespeichert.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde vor ihrem ersten Schreibvorgang abgebrochen: Das Image ist im Zustand vor der Speicherung.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde mittendrin abgebrochen: Die bereits geschriebenen Bytes wurden wiederhergestellt, daher ist %4 im Zustand vor der Speicherung.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde mittendrin abgebrochen: Die bereits geschriebenen Bytes wurden wiederhergestellt, daher sind %4 im Zustand vor der Speicherung.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde abgebrochen, und das Image enthält dort jetzt andere Bytes, oder der Datensatz reicht über sein Ende hinaus: Ein anderes Programm hat es geändert, oder der Verlauf gehört zu einem anderen Image. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde mittendrin abgebrochen. Sie bleibt unverändert: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde abgebrochen. Sie bleibt unverändert: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde mittendrin abgebrochen und kann jetzt nicht bereinigt werden: %4. Bis dahin würde %5 weder wie vor der Speicherung noch wie gespeichert gelesen, daher werden die Tabellen nicht gelesen.</translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation>in %1 wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation>(Probelauf: es wurde nichts geschrieben)</translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation>%1 von %2 Einträgen liegen innerhalb der Datei</translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation>%1 von %2 Namen sind druckbar, weniger als %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, und </translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation>Die Speicherung für %1 (Datensatz %2: %3) wurde mittendrin abgebrochen und kann jetzt nicht bereinigt werden: %4. Bis dahin enthält das Image nur einen Teil davon, daher werden die Tabellen nicht gelesen.</translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation>Wie vor der Speicherung: %1.</translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation>Wie gespeichert: %1.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation>der Wert &quot;%2&quot; des Felds %1 ist keine ganze Zahl von 0 bis %3 in Dezimalziffern</translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation>Speicherung %1 gilt nicht mehr: die Zurücknahme %2 hat sie zurückgenommen</translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation>der Verlauf %1 enthält bereits Datensatz %2, die höchste Nummer, die ein Datensatz haben kann, daher kann danach keine Speicherung mehr aufgezeichnet werden</translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation>Gegner-Editor</translation>
    </message>
    <message>
        <source>HP:</source>
        <translation>HP:</translation>
    </message>
    <message>
        <source>PP:</source>
        <translation>PP:</translation>
    </message>
    <message>
        <source>Offense:</source>
        <translation>Angriff:</translation>
    </message>
    <message>
        <source>Defense:</source>
        <translation>Abwehr:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Mensch</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Tier</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
    </message>
    <message>
        <source>&lt;unknown&gt;</source>
        <translation>&lt;unbekannt&gt;</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>Untot</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation>Kampf:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Weish.:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Force:</source>
        <translation>Kraft:</translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation>Erfahrung:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Geld:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Item:</translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation>Pointer auf Namen:</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;nichts&gt;</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation>Speicherverlauf</translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation>&amp;Eintrag:</translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation>jeder Eintrag, oder einer wie &quot;enemy 12&quot;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speicherung</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Erstellt durch</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation>Geänderte Einträge</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zurücknehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>Editor</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>Umbenennung</translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation>Zurücknahme von Speicherung %1</translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation>zurückgenommen durch Speicherung %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation>zurückgerollt</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation>Für dieses Abbild ist noch keine Speicherung aufgezeichnet.</translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation>Keine Speicherung hat %1 geändert.</translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation>(keine Änderungen)</translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation>Diese Speicherung hat Speicherung %1 zurückgenommen.</translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation>Speicherung %1 hat diese Speicherung zurückgenommen.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurücknehmen</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>Stapeländerung</translation>
    </message>
    <message>
        <source>script</source>
        <translation>Skript</translation>
    </message>
</context>
<context>
    <name>frmItem</name>
    <message>
        <source>Item Editor</source>
        <translation>Item-Editor</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Pointer auf Namen</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Ausrüstbar/Item-Stärke</translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation>0: unausrüstbar</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Wirkung außerh. Kampf</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Wirkung im Kampf</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Dauerhaft</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>Essbar</translation>
    </message>
    <message>
        <source>Ninten</source>
        <translation>Ninten</translation>
    </message>
    <message>
        <source>Ana</source>
        <translation>Ana</translation>
    </message>
    <message>
        <source>Loid</source>
        <translation>Loid</translation>
    </message>
    <message>
        <source>Teddy</source>
        <translation>Teddy</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Open ROM</source>
        <translation>ROM öffnen</translation>
    </message>
    <message>
        <source>Open ROM...</source>
        <translation>ROM öffnen...</translation>
    </message>
    <message>
        <source>The stuff</source>
        <translation>Editoren</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Item-Editor</translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation>Gegner-Editor</translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation>PSI-Editor</translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation>Sonst. Texteditor</translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation>Quessa-ROM-Dateien (%1)</translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation>Spieltest</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Speicherverlauf</translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation>Item-Tabelle</translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation>Gegner-Tabelle</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation>Als &amp;Linie zeichnen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation>&amp;Original wiederherstellen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n Eintrag hat ungespeicherte Änderungen. Vor dem Schließen speichern?</numerusform>
            <numerusform>%n Einträge haben ungespeicherte Änderungen. Vor dem Schließen speichern?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation>%1 behält seinen Wert: %2.</translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation>Zeile %1, Zelle %2 des eingefügten Textes</translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation>er reicht über die letzte angezeigte Zeile oder Spalte hinaus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation>Es wurde nichts eingefügt. Bei %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>Speichern (%n)</numerusform>
            <numerusform>Speichern (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation>&amp;Wo:</translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation>Ein Lua-Ausdruck: hp &gt; 500 and experience &lt; 100</translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation>Set&amp;zen:</translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation>Lua-Zuweisungen an jede angezeigte Zeile: hp = hp * 3 // 2</translation>
    </message>
    <message>
        <source>&amp;Clamp</source>
        <translation>&amp;Begrenzen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>Es wurde nichts geändert. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n Wert auf den Bereich des Felds begrenzt:</numerusform>
            <numerusform>%n Werte auf den Bereich ihres Felds begrenzt:</numerusform>
        </translation>
    </message>
</context>
</TS>
