<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n field was changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</numerusform>
            <numerusform>%n fields were changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n field was changed on both sides: it is taken from ours.</numerusform>
            <numerusform>%n fields were changed on both sides: each is taken from ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n field was changed on both sides: it is taken from theirs.</numerusform>
            <numerusform>%n fields were changed on both sides: each is taken from theirs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n field or name is in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</numerusform>
            <numerusform>%n fields or names are in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n field or name was in conflict: it is taken from ours.</numerusform>
            <numerusform>%n fields or names were in conflict: each is taken from ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n field or name was in conflict: it is taken from theirs.</numerusform>
            <numerusform>%n fields or names were in conflict: each is taken from theirs.</numerusform>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>no error occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n field</numerusform>
            <numerusform>%n fields</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 would be written %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>its name text is shared with %n other entry listed below; give --shared to change them too</numerusform>
            <numerusform>its name text is shared with %n other entries listed below; give --shared to change them too</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 KiB (%3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes, as the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRG ROM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CHR ROM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mapper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirroring:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trainer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NES 2.0:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declared size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC32:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC32 without header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>defense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teddy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>%n row in the order shown</numerusform>
            <numerusform>%n rows in the order shown</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offense:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defense:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;unknown&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>script</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmItem</name>
    <message>
        <source>Item Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ninten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teddy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Open ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open ROM...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stuff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>&amp;Filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n entry has unsaved changes. Save it before closing?</numerusform>
            <numerusform>%n entries have unsaved changes. Save them before closing?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>Save (%n)</numerusform>
            <numerusform>Save (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n value clamped to its field&apos;s range:</numerusform>
            <numerusform>%n values clamped to their field&apos;s range:</numerusform>
        </translation>
    </message>
</context>
</TS>
