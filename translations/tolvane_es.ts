<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation>La expresión Dónde</translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation>Las asignaciones de Asignar</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation>%1: esto no es Lua: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation>%1: %2, campo %3: %4 no es un número.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation>%1: %2, campo %3: %4 no es un número finito.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation>%1: %2, campo %3: %4 está fuera de 0 a %5.</translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation>%1: %2 no tiene el campo %3.</translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation>%1: %2, el campo %3 se puede leer pero no asignar.</translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation>%1: detenido tras %2 instrucciones; se ejecuta demasiado tiempo.</translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation>%1: detenido en su límite de memoria de %2 MiB.</translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation>%1, campo %2: %3 limitado a %4</translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation>edit necesita --set, las asignaciones que hacer</translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation>Sin cambios: el lote no cambia ningún campo; no se escribió nada.</translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objetos</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>Enemigos</translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation>Todos los campos y nombres están como en el original.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</source>
        <translation>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n campo cambió en ambos lados a valores distintos, así que no se escribió %1; --prefer ours o --prefer theirs toma un lado en cada conflicto.</numerusform>
            <numerusform>%n campos cambiaron en ambos lados a valores distintos, así que no se escribió %1; --prefer ours o --prefer theirs toma un lado en cada conflicto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n campo cambiado en ambos lados: se tomó de ours.</numerusform>
            <numerusform>%n campos cambiados en ambos lados: se tomaron de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n campo cambiado en ambos lados: se tomó de theirs.</numerusform>
            <numerusform>%n campos cambiados en ambos lados: se tomaron de theirs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation>Se escribió %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation>%1 no tiene un historial que indique cómo era antes de sus guardados: indique --base FILE para compararla con la imagen de la que procede.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation>%1 tiene %2 bytes, pero %3 tiene %4: las imágenes deben tener el mismo tamaño. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation>%1 no contiene las tablas de objetos y de enemigos tal como las leen los editores, así que no es una imagen que se pueda fusionar. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation>%1 no contiene las tablas de objetos y de enemigos tal como las leen los editores (%2), así que no es una imagen que se pueda fusionar. No se escribió nada.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation>no se puede escribir %1: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, ambos tomados %7</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n campo o nombre está en conflicto, así que no se escribió %1; --prefer ours o --prefer theirs toma un lado en cada conflicto.</numerusform>
            <numerusform>%n campos o nombres están en conflicto, así que no se escribió %1; --prefer ours o --prefer theirs toma un lado en cada conflicto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n campo o nombre en conflicto: se tomó de ours.</numerusform>
            <numerusform>%n campos o nombres en conflicto: se tomaron de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n campo o nombre en conflicto: se tomó de theirs.</numerusform>
            <numerusform>%n campos o nombres en conflicto: se tomaron de theirs.</numerusform>
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
        <translation>Uso: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]
                         [--format text|csv|json|markdown]

Lista cada campo y nombre de IMAGE que difiere de su original, entrada por
entrada en el orden de la tabla: el efecto neto de sus guardados, de modo que no
se lista un campo cambiado y luego devuelto a su valor, ni un guardado deshecho.
El original es la imagen tal como la conoció al principio su historial
IMAGE.history: para cada byte, lo que encontró allí el primer guardado que llegó
a aplicarse. No escribe nada.

  --base FILE               compara en su lugar con FILE, una imagen del mismo
                            tamaño
  --table items|enemies     solo una tabla (predeterminado: ambas)
  --format text             líneas como las imprime diff (predeterminado)
  --format csv|json         entrada, nombre, campo, original, actual y los
                            guardados que lo cambiaron
  --format markdown         notas de parche para jugadores, con los rótulos de
                            los editores

Códigos de salida: 0 listado, con o sin cambios; 1 no se puede leer IMAGE, o no
tiene historial y no se indica --base; 2 error de uso.
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
        <translation>Uso: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]

Fusiona dos líneas de trabajo, OURS y THEIRS, que partieron ambas de BASE, en
OUT, un archivo nuevo: cada campo de ambas tablas campo por campo, el texto del
nombre de cada entrada como una unidad, y todos los demás bits bit a bit. Se
toma un campo cambiado en un solo lado, o cambiado al mismo valor en ambos; lo
mismo un bit cambiado en cualquiera de los lados. Un campo cambiado a valores
distintos en ambos lados es un conflicto: se lista cada uno, y OUT no se
escribe. Las tres imágenes deben tener el mismo tamaño. Junto a OUT no se crea
historial ni copia de seguridad.

  -o, --output OUT       la imagen fusionada; nunca un archivo de entrada
  --prefer ours|theirs   toma ese lado en cada conflicto, y escribe OUT

Códigos de salida: 0 escrito; 1 no se escribió nada (un conflicto, o un archivo
de entrada que no se puede leer, que no es una imagen o que tiene otro tamaño, o
no se puede escribir OUT); 2 error de uso.
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
        <translation>Uso: tolvane-cli COMMAND ARGUMENTS...

El complemento de línea de comandos del editor Tolvane: qué es una imagen, las
tablas de objetos y de enemigos de una imagen como CSV o JSON, nombres
reescritos en su sitio, diferencias entre imágenes, qué cambió desde el original
de una imagen, dos líneas de trabajo fusionadas, parches IPS y BPS, y la imagen
jugada en el emulador del usuario.

Comandos:
  info IMAGE [--json]
  export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]
  import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]
  rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]
  history IMAGE [--json]
  undo IMAGE [--save N] [--dry-run] [--no-backup]
  changes IMAGE [--base FILE] [--table items|enemies]
          [--format text|csv|json|markdown]
  diff IMAGE_A IMAGE_B
  merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]
  patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps
  apply PATCH IMAGE -o OUT
  play IMAGE [--print]
  edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS [--clamp] [--dry-run]
       [--no-backup]
  script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Para ver los detalles de un comando, ejecute &apos;tolvane-cli COMMAND --help&apos;.
import, rename y undo escriben en IMAGE en su sitio; antes de su primera
escritura la copian a IMAGE.bak, y cada uno de sus guardados se registra en
IMAGE.history. Un guardado que un fallo interrumpió lo corrige la siguiente
apertura que pueda escribir la imagen: la del editor, o la de cualquier comando
que lea sus tablas, salvo info y una simulación (--dry-run), que solo lo
informan.

Códigos de salida:
  0  éxito
  1  entrada no válida, o una salida que no se pudo escribir por completo: no se
     escribió nada
  2  error de uso
  3  escrito en parte: una escritura falló y no se pudo revertir; vea el
     mensaje; la copia de seguridad IMAGE.bak contiene la imagen tal como era
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
        <translation>Uso: tolvane-cli history IMAGE [--json]

Lista cada guardado registrado en IMAGE.history, del más antiguo al más nuevo:
su número, la hora local en que se hizo, qué lo hizo (editor, import, rename o
undo) y cada campo que cambió, tal como los imprime diff. Los bytes fuera de las
tablas se muestran como un offset y una cantidad. Un guardado deshecho indica
qué undo lo revirtió; un undo indica qué guardado deshizo.

  --json  un array de objetos JSON: number, time (ISO 8601), command, state
          (done, rolled back o pending), undoes, undone_by y changes, cada uno
          con entry, field, old, new y offset

Códigos de salida: 0 listado; 1 no se puede leer IMAGE o su historial; 2 error
de uso.
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
        <translation>Uso: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]

Restaura los bytes que reemplazó un guardado registrado, como un guardado nuevo
registrado como deshacer de aquel. Sin --save, se deshace el guardado más
reciente que sigue vigente y que no es él mismo un undo; con --save N, se
deshace el guardado N, y deshacer un undo rehace lo que este deshizo. Se
rechaza, sin escribir nada, cuando algún byte por restaurar ya no contiene lo
que escribió ese guardado: un guardado posterior u otro programa lo cambió.
Antes de la primera escritura, IMAGE se copia a IMAGE.bak.

  --save N     deshace el guardado N, según lo numera history
  --dry-run    comprueba e informa de los cambios, no escribe nada
  --no-backup  no crea IMAGE.bak

Códigos de salida: 0 escrito; 1 no se escribió nada; 2 error de uso; 3 escrito
en parte: una escritura falló y no se pudieron restaurar todos los bytes ya
escritos; el mensaje indica qué queda, y la siguiente apertura lo corrige.
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
        <translation>Uso: tolvane-cli info IMAGE [--json]

Indica qué es IMAGE, y no escribe nada: su tamaño; su cabecera iNES, si la tiene
(PRG y CHR ROM, mapper, espejado, batería, trainer, NES 2.0, y si el archivo es
tan largo como declara la cabecera); el CRC32 y el SHA-1 del archivo entero y
del archivo sin su cabecera de 16 bytes; y para cada tabla, cuántas entradas
caen dentro del archivo, cuántos punteros de nombre llevan a su interior y
cuántos nombres son texto imprimible.

Las tablas parecen correctas cuando todas las entradas de ambas caen dentro del
archivo y al menos 3 de cada 4 nombres de cada tabla son imprimibles: al menos
un carácter, cada uno de 0x20 a 0x7E.
Un guardado registrado en IMAGE.history que un fallo interrumpió se informa en
la salida de errores y se deja como está; la siguiente apertura que pueda
escribir la imagen lo corrige.
El código de salida es 0 siempre que se pudo leer el archivo, sea cual sea ese
veredicto, salvo si ese guardado se interrumpió a medias: entonces se nombran
sus entradas, no se informa nada y es 1.

  --json  los mismos datos como un objeto JSON
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
        <translation>Uso: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps

Crea un parche que convierte ORIGINAL en MODIFIED. El nombre de OUT elige el
formato: IPS, o BPS, que además lleva el CRC32 de ambos archivos y el suyo
propio. Un parche IPS no puede recortar un archivo a 16 MiB o más, así que un
MODIFIED así necesita BPS. Si OUT es un dispositivo, se escribe en él, y un FIFO
se rechaza; cualquier otro OUT se reemplaza solo una vez escrito el parche entero.

Códigos de salida: 0 escrito; 1 no se escribió nada (no se puede leer un
archivo, no se puede crear el parche, o no se puede escribir OUT por completo:
no queda ninguna parte de él); 2 error de uso.
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
        <translation>Uso: tolvane-cli apply PATCH IMAGE -o OUT

Aplica un parche IPS o BPS a IMAGE y escribe el resultado en OUT. Un parche
truncado o dañado, o un parche BPS cuyas sumas de comprobación no coinciden, se
rechaza y no se escribe nada. Con -o - el resultado va a la salida estándar. Si
OUT es un dispositivo, se escribe en él, y un FIFO se rechaza; cualquier otro
OUT se reemplaza solo una vez escrito el resultado entero.

Códigos de salida: 0 escrito; 1 no se escribió nada (no se puede leer un
archivo, se rechaza el parche, o no se puede escribir OUT por completo: no queda
ninguna parte de él); 2 error de uso.
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
        <translation>Uso: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run]
                        [--no-backup]

Escribe TEXT como el nombre de una entrada, en su sitio, allí donde lleva su
puntero de nombre. Cada carácter se guarda como su código + 0x80, así que solo
se pueden escribir los códigos 0x00 a 0x7F. El nombre nuevo no puede ser más
largo que el antiguo; uno más corto termina con el byte que terminaba el nombre
antiguo, y los bytes antiguos que quedan detrás se quedan como están. Solo se
escriben los bytes que difieren, y ninguno dentro de la tabla de objetos ni de
la de enemigos.

Otras entradas pueden leer el mismo texto o parte de él. Se listan primero, y
el cambio de nombre se rechaza salvo que se indique --shared. Antes de la
primera escritura, IMAGE se copia a IMAGE.bak junto a ella, sobre cualquier
copia anterior.

  --item N     el objeto que se renombra (0 a 113)
  --enemy N    el enemigo que se renombra (0 a 120)
  --shared     cambia también los nombres de las entradas que comparten el texto
  --dry-run    comprueba e informa, no escribe nada
  --no-backup  no crea IMAGE.bak

Códigos de salida: 0 escrito, o nada que escribir; 1 no se escribió nada;
2 error de uso; 3 escrito en parte: una escritura falló y no se pudieron
restaurar todos los bytes ya escritos; la copia de seguridad IMAGE.bak (salvo
con --no-backup) contiene la imagen tal como era.
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
        <translation>Uso: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json]
                        [-o FILE]

Escribe una tabla de IMAGE como CSV o JSON: una fila u objeto JSON por entrada,
con su índice y cada campo que muestran los editores. Sin -o, o con -o -, la
tabla va a la salida estándar. Si FILE es un dispositivo, se escribe en él, y un
FIFO se rechaza; cualquier otro FILE se reemplaza solo una vez escrita la tabla
entera.

  --table items|enemies  la tabla (predeterminado: items)
  --format csv|json      el formato (predeterminado: json para un FILE
                         terminado en .json, si no csv)
  -o, --output FILE      escribe en FILE

Códigos de salida: 0 escrito; 1 no se escribió nada (no se puede leer IMAGE, o
no se puede escribir la salida por completo: se indica el motivo del sistema, y
no queda ninguna parte de FILE); 2 error de uso.
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
        <translation>Uso: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run]
                        [--no-backup]

Escribe las filas de FILE, una tabla CSV o JSON creada por export, de vuelta en
IMAGE con las mismas reglas de los editores. Primero se comprueban todas las
filas y celdas; si alguna no es válida, cada error se informa como
archivo:línea:columna y no se escribe nada. Solo se escriben los campos que
difieren. Los nombres se escriben solo con --names, según las reglas del
comando rename: en su sitio, no más largos que el nombre antiguo, códigos 0x00
a 0x7F, nunca dentro de la tabla de objetos ni de la de enemigos. La columna
item_name nunca se escribe. Antes de la primera escritura, IMAGE se copia a
IMAGE.bak junto a ella, sobre cualquier copia anterior. Las filas se aplican
como una sola: si una escritura falla, u otro programa cambió una entrada
después de leerla, no se escribe nada.

  --names      escribe los nombres que difieren
  --shared     con --names: un nombre nuevo puede cambiar también otras
               entradas que leen su texto
  --dry-run    comprueba e informa de los cambios, no escribe nada
  --no-backup  no crea IMAGE.bak

Códigos de salida: 0 escrito, o nada que escribir; 1 no se escribió nada;
2 error de uso; 3 escrito en parte: una escritura falló y no se pudieron
restaurar todos los bytes ya escritos; el mensaje nombra las entradas escritas
y las no escritas, y la copia de seguridad IMAGE.bak (salvo con --no-backup)
contiene la imagen tal como era.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation>Uso: tolvane-cli diff IMAGE_A IMAGE_B

Lista los campos que difieren, entrada por entrada, en ambas tablas, y luego
cuenta los bytes que difieren dentro de las tablas y fuera de ellas.

Códigos de salida: 0 comparadas; 1 no se puede leer una imagen; 2 error de uso.
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
        <translation>Uso: tolvane-cli play IMAGE [--print]

Inicia el emulador del usuario con IMAGE tal como está en el disco, y vuelve
enseguida: el emulador sigue por su cuenta. El emulador es, en este orden: la
línea de comandos de la variable TOLVANE_EMULATOR, en la que %f representa la
imagen (sin %f la imagen es el último argumento) y las comillas dobles agrupan
una palabra con espacios; el primero de los emuladores conocidos que se
encuentre en el PATH; la aplicación con la que el sistema abre los archivos
.nes, salvo que sea el propio Tolvane. Un guardado que un fallo dejó a medias se
repara primero.

  --print  muestra la línea de comandos que ejecutaría, y no ejecuta nada
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
        <translation>Uso: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS
                      [--clamp] [--dry-run] [--no-backup]

Ejecuta las asignaciones Lua STATEMENTS sobre cada entrada de la tabla para la
que se cumple la expresión Lua EXPR (todas las entradas sin --where). Los
campos se llaman como export nombra sus columnas; los indicadores son true o
false; index y name se pueden leer, no asignar:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
Un valor que no es un número entero se redondea al par más cercano en caso de
empate. Un valor fuera de rango, uno que no es un número o un campo que no
existe detiene el lote, nombrando la entrada, el campo y la línea: no se
escribe nada. Si no, los cambios se escriben como un solo guardado, que un undo
deshace, y se listan como los lista changes.

  --table items|enemies  la tabla
  --where EXPR           las entradas que cambiar
  --set STATEMENTS       las asignaciones, separadas por ; o fines de línea
  --clamp                lleva un valor fuera de rango a su límite más cercano
                         y lo lista
  --dry-run              comprueba e informa de los cambios, no escribe nada
  --no-backup            no crea IMAGE.bak

Códigos de salida: como en import.
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
        <translation>Uso: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Ejecuta el script Lua FILE.lua sobre las dos tablas de IMAGE: items y enemies,
cada una indexada desde 0 como el juego numera sus entradas, cada entrada con
los campos que nombra edit:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print escribe en la salida estándar. El script solo recibe las bibliotecas
string, math, table y utf8 y las funciones básicas seguras, y se detiene al
pasar un presupuesto de instrucciones o un límite de memoria. Se comprueba
entero, como edit comprueba sus asignaciones, y luego se escribe como un solo
guardado, que un undo deshace, y sus cambios se listan como los lista changes.

  --clamp      lleva un valor fuera de rango a su límite más cercano y lo lista
  --dry-run    comprueba e informa de los cambios, no escribe nada
  --no-backup  no crea IMAGE.bak

Códigos de salida: como en import.
</translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>cuatro pantallas</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation>Cabecera iNES:</translation>
    </message>
    <message>
        <source>PRG ROM:</source>
        <translation>PRG ROM:</translation>
    </message>
    <message>
        <source>CHR ROM:</source>
        <translation>CHR ROM:</translation>
    </message>
    <message>
        <source>Mapper:</source>
        <translation>Mapper:</translation>
    </message>
    <message>
        <source>Mirroring:</source>
        <translation>Espejado:</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Batería:</translation>
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
        <translation>Tamaño declarado:</translation>
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
        <translation>CRC32 sin cabecera:</translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation>SHA-1 sin cabecera:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Objetos:</translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation>Enemigos:</translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation>Tablas correctas:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>no error occurred</source>
        <translation>no se produjo ningún error</translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation>objeto sin terminar</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>falta el separador de nombre</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>array sin terminar</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>falta el separador de valores</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valor no permitido</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>terminación no válida por un número</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>número no permitido</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>secuencia de escape no válida</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>cadena UTF8 no válida</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>cadena sin terminar</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>falta un objeto después de una coma</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>documento con anidamiento demasiado profundo</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>documento demasiado grande</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>datos sobrantes al final del documento</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation>%1 (pendiente: la imagen contenía otros bytes)</translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation>%1 (revertido)</translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation>%1 (pendiente)</translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation>%1 (deshecho por %2)</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation>comillas dentro de un campo que no empieza con comillas; ponga el campo entero entre comillas y duplique esas comillas</translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation>este campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation>tras unas comillas de cierre solo puede seguir una coma o el final de la línea</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation>la primera línea debe nombrar las columnas: %1 o %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation>&quot;%1&quot; no es una columna de la tabla %2</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>la columna %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>falta la columna %1</translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation>esta línea tiene %1 celdas, pero se nombran %2 columnas</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation>la clave &quot;%1&quot; aparece dos veces</translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation>&quot;table&quot; debe ser &quot;items&quot; o &quot;enemies&quot;</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation>&quot;entries&quot; debe ser una lista de objetos JSON</translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation>cada entrada debe ser un objeto JSON</translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation>el campo %1 aparece dos veces</translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation>el campo %1 debe ser un número o un texto</translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation>%1: los offsets de IPS tienen 3 bytes, así que el archivo modificado puede tener como máximo 16 MiB; use un parche BPS</translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation>%1: el archivo modificado es más corto que el original y tiene 16 MiB o más, una longitud a la que un parche IPS no puede recortar el archivo; use un parche BPS</translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation>%1: no es un parche IPS: no empieza con &quot;PATCH&quot;. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: el parche está truncado antes de su marca de fin &quot;EOF&quot; (en el byte %2 de %3). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: el parche está truncado dentro de la cabecera de un registro (en el byte %2 de %3). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: el parche está truncado dentro de los datos de un registro (en el byte %2 de %3). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: el parche está truncado dentro de un registro RLE (en el byte %2 de %3). No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation>%1: el parche lleva %2 bytes inesperados después de su marca de fin. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation>%1: no es un parche BPS: no empieza con &quot;BPS1&quot;. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation>%1: el parche está dañado o truncado: su propia suma de comprobación no coincide. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation>%1: la cabecera del parche está dañada. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation>%1: el parche indica un resultado de %2 bytes; se admiten como máximo %3. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation>%1: el parche se hizo para otro archivo: espera %2 bytes con la suma de comprobación %3, y el archivo tiene %4 bytes con la suma de comprobación %5. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation>%1: el parche está dañado: una acción en el byte %2 llega fuera de los archivos. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation>%1: el parche está dañado: sus acciones construyen %2 de los %3 bytes que indica. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation>%1: el resultado no coincide con la suma de comprobación de destino del parche. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation>%1: no es un parche IPS ni BPS. No se escribió nada.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation>no se puede leer %1: tiene %2 bytes, más que los %3 bytes (%4 MiB) que puede tener un archivo así</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation>no se puede escribir %1: es el archivo %2, que este comando lee</translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation>no se puede escribir en la salida estándar: el flujo falló</translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation>%1: se omitieron %2 bytes dañados; se listan los registros que los rodean</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se indicó ningún comando</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation>el argumento &quot;%1&quot; no es texto en la codificación de este sistema, así que no puede nombrar exactamente ningún archivo; renombre el archivo, o ejecute el comando con una configuración regional en cuya codificación esté su nombre</translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation>número incorrecto de nombres de archivo.
%1</translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation>--table admite items o enemies, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation>--format admite csv o json, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation>--format admite text, csv, json o markdown, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation>--prefer admite ours o theirs, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation>--save admite el número de un guardado, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation>indique una entrada: --item N o --enemy N</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1 admite un número entero de 0 a %2, no &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation>--shared solo se usa junto con --names</translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation>-o debe nombrar un archivo terminado en .ips o .bps</translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation>-o OUT indica el archivo que se escribe</translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation>merge escribe su imagen en un archivo: indique -o OUT</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation>%1
Para ver el uso, ejecute &apos;tolvane-cli --help&apos;.</translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation>%1  (sin cambios)</translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation>No hay guardados registrados.</translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation>Se desharía el guardado %1; se escribiría un total de %2 %3.</translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation>Guardado %1 deshecho; se escribió un total de %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n campo</numerusform>
            <numerusform>%n campos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 would be written %4.</source>
        <translation>Con cambios: %1, %2; se escribiría un total de %3 %4.</translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation>Con cambios: %1, %2; se escribió un total de %3.</translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation>Sin cambios: la imagen ya contiene todas las filas.</translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation>Todos los campos de ambas tablas son iguales.</translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation>Bytes cambiados: %1 dentro de las tablas, %2 fuera de ellas.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>  comparte el texto: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>el texto de su nombre se comparte con %n entrada más, listada abajo; indique --shared para cambiarla también</numerusform>
            <numerusform>el texto de su nombre se comparte con otras %n entradas, listadas abajo; indique --shared para cambiarlas también</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation>%1: se mostraría &quot;%2&quot;; cambiaría un total de %3 %4.</translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation>%1 muestra ahora &quot;%2&quot;; cambió un total de %3.</translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation>%1 muestran ahora &quot;%2&quot;; cambió un total de %3.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 x %2 KiB (%3 bytes)</source>
        <translation>%1 x %2 KiB (%3 bytes)</translation>
    </message>
    <message>
        <source>%1 bytes, as the file holds</source>
        <translation>%1 bytes, los que contiene el archivo</translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation>%1 bytes, %2 más de los que contiene el archivo</translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation>%1 bytes, %2 menos de los que contiene el archivo</translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation>%1 de %2 entradas dentro del archivo, %3 punteros de nombre hacia él, %4 nombres imprimibles</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>no (%1)</translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation>no se puede escribir %1: es un historial de guardados, que solo los propios guardados escriben</translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation>no se puede escribir %1: es el historial de los guardados de %2, que solo esos guardados escriben</translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation>no se puede escribir %1: es la copia de seguridad de %2, que solo los guardados de %2 reemplazan</translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation>%1 no contiene las tablas tal como las leen los editores (%2), así que no tiene ninguna tabla que exportar. No se escribió nada.</translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation>%1: el registro %2 llega más allá del final de la imagen, así que pertenece a otra imagen o la imagen se recortó desde entonces; sus bytes se dejan fuera del original</translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation>Edita en su sitio las tablas de objetos y de enemigos de una imagen de juego.</translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation>La imagen que se abre, como si se eligiera en el diálogo de apertura. Ponga -- antes de un nombre que empiece por -.</translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation>Marca lo que difiere de FILE, una imagen del mismo tamaño, en lugar de lo que difiere del historial de la imagen.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation>Probar en juego</translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation>La entrada mostrada tiene cambios sin guardar. El emulador juega la imagen tal como está en el disco: ¿guardarlos primero?</translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation>Jugar sin ellos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation>Historial de esta entrada…</translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation>Restaurar el original (%1)</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation>puntero al nombre</translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation>Puntero al nombre</translation>
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
        <translation>ataque</translation>
    </message>
    <message>
        <source>Offense</source>
        <translation>Ataque</translation>
    </message>
    <message>
        <source>defense</source>
        <translation>defensa</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>fight</source>
        <translation>lucha</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Lucha</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidad</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation>sabiduría</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabiduría</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>fuerza</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>force</source>
        <translation>poder</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Poder</translation>
    </message>
    <message>
        <source>experience</source>
        <translation>experiencia</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiencia</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinero</translation>
    </message>
    <message>
        <source>item</source>
        <translation>objeto</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Objeto</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Puntero al nombre</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Equipable/Fuerza del objeto</translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation>efecto fuera de combate</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Efecto fuera de combate</translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation>efecto en combate</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Efecto en combate</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>costo</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicadores</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>Comestible</translation>
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
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation>Para elegir el emulador, abra el menú Inicio, busque &quot;variables de entorno&quot;, elija &quot;Editar las variables de entorno de esta cuenta&quot; y añada %1 con su línea de comandos, %f donde va la imagen, por ejemplo:
%2</translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation>Para elegir el emulador, ponga en %1 su línea de comandos, %f donde va la imagen, por ejemplo en ~/.profile:
%2</translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation>No se puede jugar %1: la variable %2 no contiene ninguna línea de comandos, porque una comilla doble en ella nunca se cierra.
%3</translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation>No se encontró ningún emulador para jugar %1. Tolvane buscó, en este orden:</translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation>1. la variable %1: no está definida</translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation>2. estos emuladores en el PATH: %1: no hay ninguno</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation>3. la aplicación con la que este sistema abre los archivos .nes: no hay ninguna</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation>3. la aplicación con la que este sistema abre los archivos .nes: es %1, el propio Tolvane</translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation>No se puede iniciar el emulador:
%1
%2.</translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation>Seleccione una columna numérica, o dos para una dispersión.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>%n fila en el orden mostrado</numerusform>
            <numerusform>%n filas en el orden mostrado</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>No se puede abrir el archivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation>%1 solo se puede leer, así que se abrió solo para lectura. Los editores lo muestran, y se rechaza cada uso de Guardar.</translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation>La base %1 tiene %2 bytes, pero %3 tiene %4, así que no puede mostrar qué cambió en esta imagen. Los editores no marcan cambios.</translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation>No se puede abrir la base %1:
%2.
Los editores no marcan cambios.</translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation>Tolvane abre una sola imagen a la vez, así que no se abrió ninguna de estas:
%1</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation>%1
Para ver el uso, ejecute &apos;tolvane --help&apos;.</translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation>No se puede leer la tabla de objetos.
%1</translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation>No se puede leer la tabla de enemigos.
%1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation>No se puede leer %1 en el offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation>No se puede escribir en %1 en el offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation>No se puede sincronizar %1 en el offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation>No se puede determinar el tamaño de %1 en el offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation>No se puede ejecutar %1 en %2 en el offset %3:
%4.</translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>No se puede leer %1 en el offset -%2: la posición queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>No se puede escribir en %1 en el offset -%2: la posición queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>No se puede sincronizar %1 en el offset -%2: la posición queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>No se puede determinar el tamaño de %1 en el offset -%2: la posición queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 en el offset -%2: la posición queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>el nombre de %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation>parte de %1</translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation>el resto de %1</translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation>no se puede deshacer en %1: %2</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation>el campo %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation>Ya escrito, y conservado en el archivo: %1.</translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation>El guardado de %1 se detuvo en el campo %2.
%3
%4
No escrito: %5.</translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation>otro programa reemplazó, movió o eliminó la imagen mientras se hacía su copia de seguridad</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation>No se puede crear la copia de seguridad %1 de %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation>No se puede guardar %1.
%2
No se escribió nada.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation>es un FIFO (una tubería con nombre), no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>es un directorio, no un archivo</translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation>es un enlace, y a través de un enlace nunca se escribe</translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation>no es un archivo de disco</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation>No se puede escribir en %1 en el offset %2:
el archivo está abierto solo para lectura.</translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation>%1 en el offset %2: desbordamiento, el offset es demasiado grande.</translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation>Write word en el offset %1: desbordamiento, %2 no cabe en 16 bits.</translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation>El puntero de nombre %1 queda antes del inicio del archivo.</translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation>Nombre en el puntero %1: desbordamiento, más de %2 caracteres.</translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation>Cadena de bits &quot;%1&quot;: desbordamiento, el valor no cabe en 32 bits.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation>No se puede guardar %1 en %2:
el archivo está abierto solo para lectura. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation>No se puede guardar %1 en %2:
otro programa reemplazó la imagen en el disco después de que se mostrara esta entrada. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation>No se puede guardar %1 en %2:
la imagen se eliminó o se movió a otro sitio después de abrirse. No se escribió nada, y no se creó ningún archivo en su lugar.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation>No se puede guardar %1 en %2:
la entrada ocupa los offsets %3 a %4, pero el archivo solo tiene %5 bytes. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation>No se puede guardar %1 en %2:
otro programa cambió %1 en el archivo después de que se mostrara. No se escribió nada; %1 se muestra de nuevo tal como lo contiene ahora el archivo.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation>No se puede guardar %1 en %2:
otro programa de Tolvane siguió escribiendo en la imagen durante más de %3 segundos. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation>No se puede guardar %1: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation>No se puede guardar: no existe %1.</translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation>Guardado de %1: se escribieron todos los campos, pero %2</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation>No se puede guardar %1 en %2:
%3. No se escribió nada.</translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation>el puntero de nombre %1 no tiene offset en el archivo: los punteros por debajo de 7FF0 quedan antes de su inicio</translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation>el nombre en el puntero %1 sigue más allá de %2 caracteres, el nombre más largo que aceptan los lectores</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation>el nombre en el puntero %1 (offset %2) sigue más allá del final del archivo, que tiene %3 bytes</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation>el carácter &quot;%1&quot; (U+%2) en la posición %3 no se puede escribir: el texto de nombre solo admite los códigos 0x00 a 0x7F</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation>&quot;%1&quot; tiene %2 caracteres, pero el nombre que reemplaza en el puntero %3, &quot;%4&quot;, solo tiene %5: un nombre nuevo no puede ser más largo que el antiguo</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation>el nombre en el puntero %1 (offset %2) no es texto de nombre: escribir &quot;%3&quot; sobrescribiría el registro de %4 en %5</translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation>%1 ya aparece en la línea %2</translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation>no existe el objeto %1; los objetos van de 0 a %2</translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation>el nombre de %1 no se escribe; indique --names para escribirlo</translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation>el texto del nombre de %1 es compartido: escribir &quot;%2&quot; cambiaría también %3; indique --shared para permitirlo</translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation>el nombre de %1 se leería &quot;%2&quot;, no &quot;%3&quot;, una vez escritos los demás nombres de este archivo</translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation>%1 ya no contiene lo que escribió el registro %2: un guardado posterior u otro programa lo cambió</translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation>%1 ya no contienen lo que escribió el registro %2: un guardado posterior u otro programa los cambió</translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation>su historial no contiene ningún guardado que quede por deshacer</translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation>su historial no tiene el registro %1</translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation>el registro %1 nunca se aplicó entero, así que no hay nada de él que deshacer</translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation>el puntero al nombre &quot;%1&quot; no es un número hexadecimal de 0 a FFFF</translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation>el puntero &quot;%1&quot; no tiene de uno a cuatro dígitos hexadecimales</translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation>el indicador %1, &quot;%2&quot;, no es ni 0 ni 1</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>el índice &quot;%1&quot; no es un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation>el valor &quot;%2&quot; del campo %1 no es un número de 0 a %3</translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation>no se puede escribir el nombre de %1: %2</translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation>%1. No se escribió nada.</translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation>no se puede renombrar %1 en %2: %3</translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation>
No se escribió nada.</translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation>no se puede escribir en %1: otro programa cambió %2 en él después de que este comando lo leyera. No se escribió nada.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>No se creó ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation>La copia de seguridad %1 contiene la imagen tal como era antes de este comando.</translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation>%1
Todas las escrituras de este comando están en %2, pero puede que el sistema aún no las tenga en el disco.
%3</translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation>%1
%2 está escrito en parte.
Escrito: %3.
No escrito: %4.
%5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation>su historial %1 no se puede crear: ese nombre tiene %2 bytes, más de lo que permite este sistema de archivos, y el nombre del historial es el de la imagen con &quot;.history&quot; añadido; renombre la imagen con un nombre al menos 8 bytes más corto que el más largo que permite este sistema de archivos (la mayoría permite 255)</translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation>su historial %1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation>su historial %1 no se puede leer: %2</translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation>%1 no es un historial de Tolvane, así que se deja como está</translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation>su historial %1 lo escribió una versión más reciente de Tolvane (versión de historial %2)</translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation>su historial %1 es de la versión de historial %2, que esta versión de Tolvane no lee, así que se deja como está</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>ninguna entrada</translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation>este comando solo lee la imagen; cualquier comando que la escriba, o el editor, lo corrige</translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation>la imagen solo se puede leer; ábrala donde se pueda escribir para corregirlo</translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation>otro programa de Tolvane siguió escribiendo en la imagen durante más de %1 segundos; cuando termine, abra la imagen de nuevo</translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation>%1; cuando eso se solucione, abra la imagen de nuevo para corregirlo</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>la imagen</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió después de su última escritura: queda entero, tal como se guardó.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió antes de su primera escritura: la imagen está como estaba antes de él.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió a medias: los bytes que había escrito se restauraron, así que %4 está como estaba antes de él.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió a medias: los bytes que había escrito se restauraron, así que %4 están como estaban antes de él.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió, y la imagen contiene ahora otros bytes en ese lugar, o el registro llega más allá de su final: otro programa la cambió, o el historial pertenece a otra imagen. No se escribió nada.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió a medias. Se deja como está: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió. Se deja como está: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió a medias, y ahora no se puede corregir: %4. Hasta que se corrija, %5 no se leería ni como antes del guardado ni como se guardó, así que no se leen las tablas.</translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation>no se escribió nada en %1.</translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation>(simulación: no se escribió nada)</translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation>%1 de sus %2 entradas caen dentro del archivo</translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation>%1 de sus %2 nombres son imprimibles, menos de %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, y </translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation>El guardado del %1 (registro %2: %3) se interrumpió a medias, y ahora no se puede corregir: %4. Hasta que se corrija, la imagen solo contiene una parte de él, así que no se leen las tablas.</translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation>Como antes del guardado: %1.</translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation>Como se guardó: %1.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation>el valor &quot;%2&quot; del campo %1 no es un número entero de 0 a %3 en dígitos decimales</translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation>el guardado %1 ya no está vigente: la operación de deshacer %2 lo deshizo</translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation>su historial %1 ya contiene el registro %2, el número más alto que puede tener un registro, así que no se puede registrar ningún guardado después de él</translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation>Ed. enemigos</translation>
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
        <translation>Ataque:</translation>
    </message>
    <message>
        <source>Defense:</source>
        <translation>Defensa:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humano</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animal</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>&lt;unknown&gt;</source>
        <translation>&lt;descon.&gt;</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>No vivo</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículo</translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation>Lucha:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Veloc.:</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sabid.:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Fuerza:</translation>
    </message>
    <message>
        <source>Force:</source>
        <translation>Poder:</translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation>Experiencia:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Dinero:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Obj.:</translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation>Puntero al nombre:</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;nada&gt;</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation>&amp;Entrada:</translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation>todas las entradas, o una como &quot;enemy 12&quot;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation>Entradas cambiadas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importación</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>cambio de nombre</translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation>deshacer el guardado %1</translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation>deshecho por el guardado %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>hecho</translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation>revertido</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation>Todavía no hay ningún guardado registrado para esta imagen.</translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation>Ningún guardado cambió %1.</translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation>(sin cambios)</translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation>Este guardado deshizo el guardado %1.</translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation>El guardado %1 deshizo este guardado.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>edición por lotes</translation>
    </message>
    <message>
        <source>script</source>
        <translation>script</translation>
    </message>
</context>
<context>
    <name>frmItem</name>
    <message>
        <source>Item Editor</source>
        <translation>Ed. objetos</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Puntero al nombre</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Equipable/Fuerza del objeto</translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation>0 = no equip.</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Efecto fuera de combate</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Efecto en combate</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Costo</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>Comest.</translation>
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
        <translation>Abrir ROM</translation>
    </message>
    <message>
        <source>Open ROM...</source>
        <translation>Abrir ROM...</translation>
    </message>
    <message>
        <source>The stuff</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Ed. objetos</translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation>Ed. enemigos</translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation>Ed. PSI</translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation>Ed. textos varios</translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation>Archivos ROM Quessa (%1)</translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation>Probar en juego</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation>Tabla objetos</translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation>Tabla enemigos</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Parte de un nombre</translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation>Gráfico de &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation>Volver al &amp;original</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n entrada tiene cambios sin guardar. ¿Guardarla antes de cerrar?</numerusform>
            <numerusform>%n entradas tienen cambios sin guardar. ¿Guardarlas antes de cerrar?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation>%1 conserva su valor: %2.</translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation>línea %1, celda %2 del texto pegado</translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation>sobrepasa la última fila o columna mostrada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation>No se pegó nada. En la %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>Guardar (%n)</numerusform>
            <numerusform>Guardar (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation>&amp;Dónde:</translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation>Una expresión Lua: hp &gt; 500 and experience &lt; 100</translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation>Asi&amp;gnar:</translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation>Asignaciones Lua a cada fila mostrada: hp = hp * 3 // 2</translation>
    </message>
    <message>
        <source>&amp;Clamp</source>
        <translation>&amp;Limitar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>No se cambió nada. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n valor limitado al rango de su campo:</numerusform>
            <numerusform>%n valores limitados al rango de su campo:</numerusform>
        </translation>
    </message>
</context>
</TS>
