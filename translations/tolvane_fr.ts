<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation>L&apos;expression Condition</translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation>Les affectations</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation>%1: ce n&apos;est pas du Lua: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation>%1: %2, champ %3: %4 n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation>%1: %2, champ %3: %4 n&apos;est pas un nombre fini.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation>%1: %2, champ %3: %4 est hors de 0 à %5.</translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation>%1: %2 n&apos;a pas de champ %3.</translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation>%1: %2, le champ %3 peut être lu mais pas affecté.</translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation>%1: arrêté après %2 instructions; il s&apos;exécute trop longtemps.</translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation>%1: arrêté à sa limite de mémoire de %2 Mio.</translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation>%1, champ %2: %3 borné à %4</translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation>edit a besoin de --set, les affectations à faire</translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation>Aucune modification: le lot ne modifie aucun champ; rien n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>Ennemis</translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation>Tous les champs et tous les noms sont tels que dans l&apos;original.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>Valeur d&apos;origine: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</source>
        <translation>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n champ a été modifié des deux côtés avec des valeurs différentes, donc %1 n&apos;a pas été écrit; --prefer ours ou --prefer theirs retient un côté pour chaque conflit.</numerusform>
            <numerusform>%n champs ont été modifiés des deux côtés avec des valeurs différentes, donc %1 n&apos;a pas été écrit; --prefer ours ou --prefer theirs retient un côté pour chaque conflit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n champ modifié des deux côtés: valeur retenue de ours.</numerusform>
            <numerusform>%n champs modifiés des deux côtés: valeurs retenues de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n champ modifié des deux côtés: valeur retenue de theirs.</numerusform>
            <numerusform>%n champs modifiés des deux côtés: valeurs retenues de theirs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation>%1 a été écrit (%2 octets).</translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation>%1 n&apos;a pas d&apos;historique qui indique ce qu&apos;il était avant ses enregistrements: indiquez --base FILE pour le comparer à l&apos;image dont il provient.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation>%1 fait %2 octets, mais %3 en fait %4: les images doivent avoir la même taille. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation>%1 ne contient pas les tables des objets et des ennemis telles que les éditeurs les lisent, ce n&apos;est donc pas une image à fusionner. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation>%1 ne contient pas les tables des objets et des ennemis telles que les éditeurs les lisent (%2), ce n&apos;est donc pas une image à fusionner. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation>impossible d&apos;écrire %1: %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, les deux pris %7</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n champ ou nom est en conflit, donc %1 n&apos;a pas été écrit; --prefer ours ou --prefer theirs retient un côté pour chaque conflit.</numerusform>
            <numerusform>%n champs ou noms sont en conflit, donc %1 n&apos;a pas été écrit; --prefer ours ou --prefer theirs retient un côté pour chaque conflit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n champ ou nom en conflit: valeur retenue de ours.</numerusform>
            <numerusform>%n champs ou noms en conflit: valeurs retenues de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n champ ou nom en conflit: valeur retenue de theirs.</numerusform>
            <numerusform>%n champs ou noms en conflit: valeurs retenues de theirs.</numerusform>
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
        <translation>Usage: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]
                           [--format text|csv|json|markdown]

Liste, entrée par entrée dans l&apos;ordre des tables, chaque champ et chaque nom
d&apos;IMAGE qui diffère de son original: l&apos;effet net de ses enregistrements, si bien
qu&apos;un champ modifié puis remis à sa valeur, ou un enregistrement annulé, n&apos;est
pas listé. L&apos;original est l&apos;image telle que son historique IMAGE.history l&apos;a
connue en premier: pour chaque octet, ce que le plus ancien enregistrement
appliqué y a trouvé. N&apos;écrit rien.

  --base FILE               comparer plutôt avec FILE, une image de même taille
  --table items|enemies     une seule table (par défaut: les deux)
  --format text             des lignes comme celles qu&apos;affiche diff (par défaut)
  --format csv|json         colonnes entry (l&apos;entrée), name, field, original,
                            current et saves (les enregistrements qui ont
                            modifié le champ)
  --format markdown         notes de patch pour les joueurs, avec les libellés
                            des éditeurs

Codes de sortie: 0 liste affichée, avec ou sans modifications; 1 IMAGE
illisible, ou sans historique alors qu&apos;aucun --base n&apos;est indiqué; 2 erreur
d&apos;utilisation.
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
        <translation>Usage: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]

Fusionne dans OUT, un nouveau fichier, deux lignes de travail, OURS et THEIRS,
parties toutes deux de BASE: chaque champ des deux tables champ par champ, le
texte du nom de chaque entrée comme un tout, et tous les autres bits bit par
bit. Un champ modifié d&apos;un seul côté, ou modifié avec la même valeur des deux
côtés, est retenu; de même pour un bit modifié d&apos;un côté ou de l&apos;autre. Un champ
modifié avec des valeurs différentes des deux côtés est un conflit: chaque
conflit est listé, et OUT n&apos;est pas écrit. Les trois images doivent avoir la
même taille. Aucun historique ni aucune copie de sauvegarde n&apos;est créé à côté de
OUT.

  -o, --output OUT       l&apos;image fusionnée; jamais l&apos;un des fichiers d&apos;entrée
  --prefer ours|theirs   retenir ce côté pour chaque conflit, et écrire OUT

Codes de sortie: 0 écrit; 1 rien n&apos;a été écrit (un conflit, un fichier d&apos;entrée
illisible, qui n&apos;est pas une image ou qui a une autre taille, ou OUT impossible
à écrire); 2 erreur d&apos;utilisation.
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
        <translation>Usage: tolvane-cli COMMAND ARGUMENTS...

Le compagnon en ligne de commande de l&apos;éditeur Tolvane: ce qu&apos;est une image, les
tables des objets et des ennemis d&apos;une image en CSV ou en JSON, des noms
réécrits sur place, les différences entre images, ce qui a changé depuis
l&apos;original d&apos;une image, deux lignes de travail fusionnées, des patchs IPS et
BPS, et l&apos;image jouée dans l&apos;émulateur de l&apos;utilisateur.

Commandes:
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

Lancez &apos;tolvane-cli COMMAND --help&apos; pour le détail d&apos;une commande. import,
rename et undo écrivent dans IMAGE sur place; avant leur première écriture, ils
le copient dans IMAGE.bak, et chacun de leurs enregistrements est consigné dans
IMAGE.history. Un enregistrement interrompu par un plantage est réparé à la
prochaine ouverture qui peut écrire l&apos;image: celle de l&apos;éditeur, ou celle de
toute commande qui lit ses tables, sauf info et une simulation, qui se
contentent de le signaler.

Codes de sortie:
  0  succès
  1  entrée invalide, ou sortie qui n&apos;a pas pu être écrite entièrement:
     rien n&apos;a été écrit
  2  erreur d&apos;utilisation
  3  écrit en partie: une écriture a échoué et l&apos;image n&apos;a pas pu être remise en
     l&apos;état; voir le message; la copie de sauvegarde IMAGE.bak contient l&apos;image
     telle qu&apos;elle était
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
        <translation>Usage: tolvane-cli history IMAGE [--json]

Liste chaque enregistrement consigné dans IMAGE.history, du plus ancien au plus
récent: son numéro, l&apos;heure locale à laquelle il a été fait, ce qui l&apos;a fait
(editor, import, rename ou undo), et chaque champ qu&apos;il a modifié, comme diff
les affiche. Les octets hors des tables apparaissent sous la forme d&apos;un offset
et d&apos;un nombre d&apos;octets. Un enregistrement annulé indique quelle annulation l&apos;a
défait; une annulation indique quel enregistrement elle a annulé.

  --json  un tableau d&apos;objets: number, time (ISO 8601), command, state (done,
          rolled back ou pending), undoes, undone_by et changes, dont chaque
          élément a entry, field, old, new et offset

Codes de sortie: 0 liste affichée; 1 IMAGE ou son historique est illisible;
2 erreur d&apos;utilisation.
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
        <translation>Usage: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]

Remet en place les octets qu&apos;un enregistrement consigné a remplacés, par un
nouvel enregistrement consigné comme son annulation. Sans --save,
l&apos;enregistrement le plus récent qui est toujours en vigueur et qui n&apos;est pas
lui-même une annulation est annulé; avec --save N, c&apos;est l&apos;enregistrement N, et
annuler une annulation rétablit ce qu&apos;elle avait annulé. Refusé, sans rien
écrire, lorsqu&apos;un octet à remettre en place ne contient plus ce que cet
enregistrement y a écrit: un enregistrement ultérieur ou un autre programme l&apos;a
modifié. Avant la première écriture, IMAGE est copié dans IMAGE.bak.

  --save N     annuler l&apos;enregistrement N, tel que l&apos;historique le numérote
  --dry-run    vérifier et afficher les modifications, ne rien écrire
  --no-backup  ne pas créer IMAGE.bak

Codes de sortie: 0 écrit; 1 rien n&apos;a été écrit; 2 erreur d&apos;utilisation; 3 écrit
en partie: une écriture a échoué et les octets déjà écrits n&apos;ont pas tous pu
être remis en place; le message indique ce qui est en place, et la prochaine
ouverture le répare.
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
        <translation>Usage: tolvane-cli info IMAGE [--json]

Indique ce qu&apos;est IMAGE, sans rien écrire: sa taille; son en-tête iNES, s&apos;il en
a un (ROM PRG et CHR, mapper, mirroring, batterie, trainer, NES 2.0, et si le
fichier est aussi long que l&apos;en-tête le déclare); le CRC32 et le SHA-1 du
fichier entier et du fichier sans son en-tête de 16 octets; et pour chaque
table, combien d&apos;entrées se trouvent dans le fichier, combien de pointeurs de
nom y mènent et combien de noms sont du texte imprimable.

Les tables semblent correctes lorsque chaque entrée des deux tables se trouve
dans le fichier et qu&apos;au moins 3 noms sur 4 de chaque table sont imprimables: au
moins un caractère, chacun de 0x20 à 0x7E.
Un enregistrement consigné dans IMAGE.history et interrompu par un plantage est
signalé sur la sortie d&apos;erreur et laissé tel quel; la prochaine ouverture qui
peut écrire l&apos;image le répare.
Le code de sortie est 0 dès que le fichier a pu être lu, quel que soit ce
verdict, sauf si un tel enregistrement a été interrompu à mi-chemin: ses entrées
sont alors nommées, rien n&apos;est indiqué, et il est 1.

  --json  les mêmes informations sous la forme d&apos;un objet JSON
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
        <translation>Usage: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps

Crée un patch qui transforme ORIGINAL en MODIFIED. Le nom de OUT détermine le
format: IPS, ou BPS, qui porte aussi le CRC32 des deux fichiers et le sien. Un
patch IPS ne peut pas tronquer un fichier à 16 Mio ou plus, un tel MODIFIED
exige donc BPS. Un OUT qui est un périphérique est écrit directement, et une
FIFO est refusée; tout autre OUT n&apos;est remplacé qu&apos;une fois le patch entier
écrit.

Codes de sortie: 0 écrit; 1 rien n&apos;a été écrit (un fichier est illisible, le
patch ne peut pas être créé, ou OUT ne peut pas être écrit entièrement: il n&apos;en
reste aucune partie); 2 erreur d&apos;utilisation.
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
        <translation>Usage: tolvane-cli apply PATCH IMAGE -o OUT

Applique un patch IPS ou BPS à IMAGE et écrit le résultat dans OUT. Un patch
tronqué ou endommagé, ou un patch BPS dont les sommes de contrôle ne
correspondent pas, est refusé et rien n&apos;est écrit. Avec -o - le résultat va sur
la sortie standard. Un OUT qui est un périphérique est écrit directement, et une
FIFO est refusée; tout autre OUT n&apos;est remplacé qu&apos;une fois le résultat
entier écrit.

Codes de sortie: 0 écrit; 1 rien n&apos;a été écrit (un fichier est illisible, le
patch est refusé, ou OUT ne peut pas être écrit entièrement: il n&apos;en reste
aucune partie); 2 erreur d&apos;utilisation.
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
        <translation>Usage: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run]
                          [--no-backup]

Écrit TEXT comme nom d&apos;une entrée, sur place, là où mène son pointeur de nom.
Chaque caractère est stocké sous la forme de son code + 0x80, seuls les codes
0x00 à 0x7F peuvent donc être écrits. Le nouveau nom ne peut pas être plus long
que l&apos;ancien; un nom plus court est terminé par l&apos;octet qui terminait l&apos;ancien
nom, et les anciens octets qui le suivent restent tels quels. Seuls les octets
qui diffèrent sont écrits, et aucun dans la table des objets ni dans celle des
ennemis.

D&apos;autres entrées peuvent lire le même texte ou une partie de celui-ci. Elles
sont d&apos;abord listées, et le renommage est refusé sauf si --shared est indiqué.
Avant la première écriture, IMAGE est copié dans IMAGE.bak, à côté de lui, en
remplaçant toute copie plus ancienne.

  --item N     l&apos;objet à renommer (0 à 113)
  --enemy N    l&apos;ennemi à renommer (0 à 120)
  --shared     modifier aussi les noms des entrées qui partagent ce texte
  --dry-run    vérifier et afficher, ne rien écrire
  --no-backup  ne pas créer IMAGE.bak

Codes de sortie: 0 écrit, ou rien à écrire; 1 rien n&apos;a été écrit; 2 erreur
d&apos;utilisation; 3 écrit en partie: une écriture a échoué et les octets déjà
écrits n&apos;ont pas tous pu être remis en place; la copie de sauvegarde IMAGE.bak
(sauf avec --no-backup) contient l&apos;image telle qu&apos;elle était.
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
        <translation>Usage: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json]
                          [-o FILE]

Écrit une table d&apos;IMAGE en CSV ou en JSON: une ligne ou un objet par entrée,
avec son index et chaque champ que montrent les éditeurs. Sans -o, ou avec -o -,
la table va sur la sortie standard. Un FILE qui est un périphérique est écrit
directement, et une FIFO est refusée; tout autre FILE n&apos;est remplacé qu&apos;une
fois la table entière écrite.

  --table items|enemies  la table (par défaut: items)
  --format csv|json      le format (par défaut: json pour un FILE qui se termine
                         par .json, sinon csv)
  -o, --output FILE      écrire dans FILE

Codes de sortie: 0 écrit; 1 rien n&apos;a été écrit (IMAGE est illisible, ou la
sortie ne peut pas être écrite entièrement: la raison donnée par le système est
indiquée, et il ne reste aucune partie de FILE); 2 erreur d&apos;utilisation.
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
        <translation>Usage: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run]
                          [--no-backup]

Écrit les lignes de FILE, une table CSV ou JSON créée par export, dans IMAGE,
selon les règles propres aux éditeurs. Chaque ligne et chaque cellule est
d&apos;abord vérifiée; si l&apos;une d&apos;elles est invalide, chaque erreur est signalée sous
la forme fichier:ligne:colonne et rien n&apos;est écrit. Seuls les champs qui
diffèrent sont écrits. Les noms ne sont écrits qu&apos;avec --names, selon les règles
de la commande rename: sur place, pas plus longs que l&apos;ancien nom, codes 0x00 à
0x7F, jamais dans la table des objets ni dans celle des ennemis. La colonne
item_name n&apos;est jamais écrite. Avant la première écriture, IMAGE est copié dans
IMAGE.bak, à côté de lui, en remplaçant toute copie plus ancienne. Les lignes
sont écrites d&apos;un seul bloc: si une écriture échoue, ou si un autre programme a
modifié une entrée après sa lecture, rien n&apos;est écrit.

  --names      écrire les noms qui diffèrent
  --shared     avec --names: un nouveau nom peut aussi modifier d&apos;autres entrées
               qui lisent son texte
  --dry-run    vérifier et afficher les modifications, ne rien écrire
  --no-backup  ne pas créer IMAGE.bak

Codes de sortie: 0 écrit, ou rien à écrire; 1 rien n&apos;a été écrit; 2 erreur
d&apos;utilisation; 3 écrit en partie: une écriture a échoué et les octets déjà
écrits n&apos;ont pas tous pu être remis en place; le message nomme les entrées
écrites et celles qui ne l&apos;ont pas été, et la copie de sauvegarde IMAGE.bak
(sauf avec --no-backup) contient l&apos;image telle qu&apos;elle était.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Liste, entrée par entrée, les champs qui diffèrent dans les deux tables, puis
compte les octets qui diffèrent à l&apos;intérieur et à l&apos;extérieur des tables.

Codes de sortie: 0 comparaison effectuée; 1 une image est illisible; 2 erreur
d&apos;utilisation.
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
        <translation>Usage: tolvane-cli play IMAGE [--print]

Démarre l&apos;émulateur de l&apos;utilisateur sur IMAGE tel qu&apos;il est sur le disque, et
rend la main aussitôt: l&apos;émulateur continue seul. L&apos;émulateur est, dans cet
ordre: la ligne de commande de la variable TOLVANE_EMULATOR, où %f représente
l&apos;image (sans %f l&apos;image est le dernier argument) et où des guillemets doubles
groupent un mot avec des blancs; le premier des émulateurs connus trouvé dans le
PATH; l&apos;application avec laquelle le système ouvre les fichiers .nes, sauf si
c&apos;est Tolvane lui-même. Un enregistrement interrompu par un plantage est d&apos;abord
réparé.

  --print  affiche la ligne de commande qui serait lancée, et ne lance rien
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
        <translation>Usage: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS
                        [--clamp] [--dry-run] [--no-backup]

Exécute les affectations Lua STATEMENTS sur chaque entrée de la table pour
laquelle l&apos;expression Lua EXPR est vraie (chaque entrée sans --where). Les
champs portent les noms des colonnes d&apos;export; les drapeaux valent true ou
false; index et name peuvent être lus, pas affectés:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
Une valeur qui n&apos;est pas un nombre entier est arrondie au plus proche, un
milieu allant au pair. Une valeur hors limites, une qui n&apos;est pas un nombre ou
un champ qui n&apos;existe pas arrête le lot, en nommant l&apos;entrée, le champ et la
ligne: rien n&apos;est écrit. Sinon, les modifications sont écrites en une seule
sauvegarde, qu&apos;un seul undo annule, et listées comme changes les liste.

  --table items|enemies  la table
  --where EXPR           les entrées à modifier
  --set STATEMENTS       les affectations, séparées par ; ou des fins de ligne
  --clamp                ramener une valeur hors limites à la borne la plus
                         proche, et la lister
  --dry-run              vérifier et afficher les modifications, ne rien écrire
  --no-backup            ne pas créer IMAGE.bak

Codes de sortie: comme pour import.
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
        <translation>Usage: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Exécute le script Lua FILE.lua sur les deux tables d&apos;IMAGE: items et enemies,
chacune indexée à partir de 0 comme le jeu numérote ses entrées, chaque entrée
avec les champs que nomme edit:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print écrit sur la sortie standard. Le script n&apos;a que les bibliothèques string,
math, table et utf8 et les fonctions de base sûres, et il est arrêté au-delà
d&apos;un budget d&apos;instructions ou d&apos;une limite de mémoire. Il est vérifié en entier
comme edit vérifie ses affectations, puis écrit en une seule sauvegarde, qu&apos;un
seul undo annule, et ses modifications sont listées comme changes les liste.

  --clamp      ramener une valeur hors limites à la borne la plus proche, et
               la lister
  --dry-run    vérifier et afficher les modifications, ne rien écrire
  --no-backup  ne pas créer IMAGE.bak

Codes de sortie: comme pour import.
</translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>quatre écrans</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille:</translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation>En-tête iNES:</translation>
    </message>
    <message>
        <source>PRG ROM:</source>
        <translation>ROM PRG:</translation>
    </message>
    <message>
        <source>CHR ROM:</source>
        <translation>ROM CHR:</translation>
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
        <translation>Taille déclarée:</translation>
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
        <translation>CRC32 sans en-tête:</translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation>SHA-1 sans en-tête:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Objets:</translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation>Ennemis:</translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation>Tables correctes en apparence:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>no error occurred</source>
        <translation>aucune erreur ne s&apos;est produite</translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation>objet non terminé</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>séparateur de nom manquant</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>tableau non terminé</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>séparateur de valeurs manquant</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valeur non autorisée</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>terminaison invalide par un nombre</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>nombre non autorisé</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>séquence d&apos;échappement invalide</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>chaîne UTF8 invalide</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>chaîne non terminée</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>objet manquant après une virgule</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>document trop profondément imbriqué</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>document trop volumineux</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>données parasites à la fin du document</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation>%1 (en attente: l&apos;image contenait d&apos;autres octets)</translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation>%1 (défait)</translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation>%1 (en attente)</translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation>%1 (annulé par %2)</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet; mettez tout le champ entre guillemets et doublez ce guillemet</translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation>ce champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation>seule une virgule ou la fin de la ligne peut suivre un guillemet fermant</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation>la première ligne doit nommer les colonnes: %1 ou %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation>&quot;%1&quot; n&apos;est pas une colonne de la table %2</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>la colonne %1 est nommée deux fois</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>la colonne %1 est absente</translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation>cette ligne a %1 cellules, mais %2 colonnes sont nommées</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation>la clé &quot;%1&quot; est donnée deux fois</translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation>&quot;table&quot; doit valoir &quot;items&quot; ou &quot;enemies&quot;</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation>&quot;entries&quot; doit être une liste d&apos;objets</translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation>chaque entrée doit être un objet</translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation>le champ %1 est donné deux fois</translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation>le champ %1 doit être un nombre ou un texte</translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation>%1: les offsets IPS font 3 octets, le fichier modifié ne peut donc pas dépasser 16 Mio; utilisez un patch BPS</translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation>%1: le fichier modifié est plus court que l&apos;original et fait 16 Mio ou plus, une longueur à laquelle un patch IPS ne peut pas tronquer le fichier; utilisez un patch BPS</translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation>%1: ce n&apos;est pas un patch IPS: il ne commence pas par &quot;PATCH&quot;. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: le patch est tronqué avant son marqueur de fin &quot;EOF&quot; (à l&apos;octet %2 sur %3). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: le patch est tronqué dans l&apos;en-tête d&apos;un bloc (à l&apos;octet %2 sur %3). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: le patch est tronqué dans les données d&apos;un bloc (à l&apos;octet %2 sur %3). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: le patch est tronqué dans un bloc RLE (à l&apos;octet %2 sur %3). Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation>%1: le patch contient %2 octets inattendus après son marqueur de fin. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation>%1: ce n&apos;est pas un patch BPS: il ne commence pas par &quot;BPS1&quot;. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation>%1: le patch est endommagé ou tronqué: sa propre somme de contrôle ne correspond pas. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation>%1: l&apos;en-tête du patch est endommagé. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation>%1: le patch annonce un résultat de %2 octets; au plus %3 sont acceptés. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation>%1: le patch a été créé pour un autre fichier: il attend %2 octets avec la somme de contrôle %3, le fichier a %4 octets avec la somme de contrôle %5. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation>%1: le patch est endommagé: une action à l&apos;octet %2 sort des limites des fichiers. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation>%1: le patch est endommagé: ses actions produisent %2 des %3 octets qu&apos;il annonce. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation>%1: le résultat ne correspond pas à la somme de contrôle cible du patch. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation>%1: ce n&apos;est ni un patch IPS ni un patch BPS. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation>impossible de lire %1: il fait %2 octets, plus que les %3 octets (%4 Mio) qu&apos;un tel fichier peut avoir</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>impossible d&apos;ouvrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation>impossible d&apos;écrire %1: c&apos;est le fichier %2, que cette commande lit</translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation>impossible d&apos;écrire sur la sortie standard: le flux a échoué</translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation>%1: %2 octets endommagés ont été ignorés; les enregistrements qui les entourent sont listés</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation>l&apos;argument &quot;%1&quot; n&apos;est pas du texte dans l&apos;encodage de ce système, il ne peut donc désigner exactement aucun fichier; renommez le fichier, ou lancez la commande sous une locale dont l&apos;encodage peut écrire son nom</translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation>nombre de noms de fichiers incorrect.
%1</translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation>--table accepte items ou enemies, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation>--format accepte csv ou json, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation>--format accepte text, csv, json ou markdown, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation>--prefer accepte ours ou theirs, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation>--save accepte un numéro d&apos;enregistrement, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation>indiquez une entrée: --item N ou --enemy N</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1 accepte un nombre entier de 0 à %2, pas &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation>--shared s&apos;utilise avec --names</translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation>-o doit désigner un fichier qui se termine par .ips ou .bps</translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation>-o OUT désigne le fichier à écrire</translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation>merge écrit son image dans un fichier: indiquez -o OUT</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation>%1
Lancez &apos;tolvane-cli --help&apos; pour connaître l&apos;utilisation.</translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation>%1  (aucune modification)</translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation>Aucun enregistrement n&apos;est consigné.</translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation>L&apos;enregistrement %1 serait annulé; données à écrire: %2 %3.</translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation>Enregistrement %1 annulé; données écrites: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n champ</numerusform>
            <numerusform>%n champs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 would be written %4.</source>
        <translation>Modifications: %1, %2; données à écrire: %3 %4.</translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation>Modifications: %1, %2; données écrites: %3.</translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation>Aucune modification: l&apos;image contient déjà chaque ligne.</translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation>Tous les champs des deux tables sont identiques.</translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation>Octets modifiés: %1 dans les tables, %2 hors des tables.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>  partage le texte: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>le texte de son nom est partagé avec %n autre entrée, listée ci-dessous; indiquez --shared pour la modifier aussi</numerusform>
            <numerusform>le texte de son nom est partagé avec %n autres entrées, listées ci-dessous; indiquez --shared pour les modifier aussi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation>%1 afficherait &quot;%2&quot;; données à modifier: %3 %4.</translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation>%1 affiche désormais &quot;%2&quot;; données modifiées: %3.</translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation>%1 affichent désormais &quot;%2&quot;; données modifiées: %3.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 x %2 KiB (%3 bytes)</source>
        <translation>%1 x %2 Kio (%3 octets)</translation>
    </message>
    <message>
        <source>%1 bytes, as the file holds</source>
        <translation>%1 octets, comme le fichier en contient</translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation>%1 octets, %2 de plus que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation>%1 octets, %2 de moins que le fichier n&apos;en contient</translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation>%1 entrées sur %2 dans le fichier, %3 pointeurs de nom qui y mènent, %4 noms imprimables</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>non (%1)</translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation>impossible d&apos;écrire %1: c&apos;est un historique d&apos;enregistrements, que seuls les enregistrements eux-mêmes écrivent</translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation>impossible d&apos;écrire %1: c&apos;est l&apos;historique des enregistrements de %2, que seuls ces enregistrements écrivent</translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation>impossible d&apos;écrire %1: c&apos;est la copie de sauvegarde de %2, que seuls les enregistrements de %2 remplacent</translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation>%1 ne contient pas les tables telles que les éditeurs les lisent (%2), il n&apos;a donc aucune table à exporter. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation>%1: l&apos;enregistrement %2 dépasse la fin de l&apos;image: il appartient à une autre image, ou l&apos;image a été tronquée depuis; ses octets ne sont pas pris dans l&apos;original</translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation>Modifie sur place les tables des objets et des ennemis d&apos;une image de jeu.</translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation>L&apos;image à ouvrir, comme si elle était choisie dans la boîte de dialogue d&apos;ouverture. Placez -- avant un nom qui commence par -.</translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation>Signaler ce qui diffère de FILE, une image de même taille, plutôt que ce qui diffère selon l&apos;historique de l&apos;image.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation>Enreg.</translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation>Tester en jeu</translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation>L&apos;entrée affichée a des modifications non enregistrées. L&apos;émulateur joue l&apos;image telle qu&apos;elle est sur le disque: les enregistrer d&apos;abord?</translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation>Jouer sans elles</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation>Historique de cette entrée…</translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation>Remettre la valeur d&apos;origine (%1)</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation>pointeur du nom</translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation>Pointeur du nom</translation>
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
        <translation>attaque</translation>
    </message>
    <message>
        <source>Offense</source>
        <translation>Attaque</translation>
    </message>
    <message>
        <source>defense</source>
        <translation>défense</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Défense</translation>
    </message>
    <message>
        <source>fight</source>
        <translation>combat</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Combat</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>vitesse</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation>sagesse</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sagesse</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>force</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>force</source>
        <translation>puissance</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>experience</source>
        <translation>expérience</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Expérience</translation>
    </message>
    <message>
        <source>money</source>
        <translation>argent</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>item</source>
        <translation>objet</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Pointeur du nom</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Équipable/Force de l&apos;objet</translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation>effet hors combat</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Effet hors combat</translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation>effet en combat</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Effet en combat</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>coût</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>indicateurs</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanent</translation>
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
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation>Pour choisir l&apos;émulateur, ouvrez le menu Démarrer, cherchez &quot;variables d&apos;environnement&quot;, choisissez &quot;Modifier les variables d&apos;environnement pour votre compte&quot; et ajoutez %1 avec sa ligne de commande, %f à la place de l&apos;image, par exemple:
%2</translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation>Pour choisir l&apos;émulateur, donnez à %1 sa ligne de commande, %f à la place de l&apos;image, par exemple dans ~/.profile:
%2</translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation>Impossible de jouer %1: la variable %2 ne contient aucune ligne de commande, car un guillemet double n&apos;y est jamais fermé.
%3</translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation>Aucun émulateur n&apos;a été trouvé pour jouer %1. Tolvane a cherché, dans cet ordre:</translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation>1. la variable %1: elle n&apos;est pas définie</translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation>2. ces émulateurs dans le PATH: %1: aucun n&apos;y est</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation>3. l&apos;application avec laquelle ce système ouvre les fichiers .nes: il n&apos;y en a aucune</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation>3. l&apos;application avec laquelle ce système ouvre les fichiers .nes: c&apos;est %1, Tolvane lui-même</translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation>Impossible de démarrer l&apos;émulateur:
%1
%2.</translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation>Sélectionnez une colonne numérique, ou deux pour un nuage de points.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>%n ligne dans l&apos;ordre affiché</numerusform>
            <numerusform>%n lignes dans l&apos;ordre affiché</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1:
%2.</translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation>%1 n&apos;est accessible qu&apos;en lecture, il est donc ouvert en lecture seule. Les éditeurs l&apos;affichent, et tout enregistrement est refusé.</translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation>La base %1 fait %2 octets, mais %3 en fait %4, elle ne peut donc pas montrer ce qui a changé dans cette image. Les éditeurs ne signalent aucune modification.</translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation>Impossible d&apos;ouvrir la base %1:
%2.
Les éditeurs ne signalent aucune modification.</translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation>Tolvane ouvre une seule image à la fois, aucune de celles-ci n&apos;a donc été ouverte:
%1</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation>%1
Lancez &apos;tolvane --help&apos; pour connaître l&apos;utilisation.</translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation>Impossible de lire la table des objets.
%1</translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation>Impossible de lire la table des ennemis.
%1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation>Impossible de lire %1 à l&apos;offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation>Impossible d&apos;écrire dans %1 à l&apos;offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation>Impossible de synchroniser %1 à l&apos;offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation>Impossible de déterminer la taille de %1 à l&apos;offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation>Opération %1 impossible sur %2 à l&apos;offset %3:
%4.</translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Impossible de lire %1 à l&apos;offset -%2: la position se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Impossible d&apos;écrire dans %1 à l&apos;offset -%2: la position se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Impossible de synchroniser %1 à l&apos;offset -%2: la position se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Impossible de déterminer la taille de %1 à l&apos;offset -%2: la position se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 à l&apos;offset -%2: la position se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>le nom de %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation>une partie de %1</translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation>le reste de %1</translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation>impossible d&apos;annuler dans %1: %2</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation>le champ %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation>Déjà écrit et conservé dans le fichier: %1.</translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation>L&apos;enregistrement de %1 s&apos;est arrêté au champ %2.
%3
%4
Non écrit: %5.</translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation>un autre programme a remplacé, déplacé ou supprimé l&apos;image pendant la création de sa copie de sauvegarde</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation>Impossible de créer la copie de sauvegarde %1 de %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1.
%2
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation>c&apos;est une FIFO (un tube nommé), pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>c&apos;est un répertoire, pas un fichier</translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation>c&apos;est un lien, à travers lequel rien n&apos;est jamais écrit</translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation>ce n&apos;est pas un fichier sur disque</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation>Impossible d&apos;écrire dans %1 à l&apos;offset %2:
le fichier est ouvert en lecture seule.</translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation>%1 à l&apos;offset %2: dépassement, l&apos;offset est trop grand.</translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation>Write word à l&apos;offset %1: dépassement, %2 ne tient pas sur 16 bits.</translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation>Le pointeur de nom %1 se trouve avant le début du fichier.</translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation>Nom au pointeur %1: dépassement, plus de %2 caractères.</translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation>Chaîne de bits &quot;%1&quot;: dépassement, la valeur ne tient pas sur 32 bits.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
le fichier est ouvert en lecture seule. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
l&apos;image a été remplacée sur le disque par un autre programme après l&apos;affichage de cette entrée. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
l&apos;image a été supprimée ou déplacée après son ouverture. Rien n&apos;a été écrit, et aucun fichier n&apos;a été créé à sa place.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
l&apos;entrée se trouve aux offsets %3 à %4, mais le fichier ne fait que %5 octets. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
un autre programme a modifié %1 dans le fichier après son affichage. Rien n&apos;a été écrit; %1 est de nouveau affiché tel que le fichier le contient maintenant.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
un autre programme Tolvane a continué d&apos;écrire dans l&apos;image pendant plus de %3 secondes. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1: %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation>Impossible d&apos;enregistrer: %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation>Enregistrement de %1: chaque champ a été écrit, mais %2</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation>Impossible d&apos;enregistrer %1 dans %2:
%3. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation>le pointeur de nom %1 n&apos;a pas d&apos;offset dans le fichier: les pointeurs inférieurs à 7FF0 se trouvent avant son début</translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation>le nom au pointeur %1 continue au-delà de %2 caractères, la longueur maximale qu&apos;accepte la lecture des noms</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation>le nom au pointeur %1 (offset %2) dépasse la fin du fichier, qui fait %3 octets</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation>le caractère &quot;%1&quot; (U+%2) à la position %3 ne peut pas être écrit: le texte des noms ne contient que les codes 0x00 à 0x7F</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation>&quot;%1&quot; fait %2 caractères, mais le nom qu&apos;il remplace au pointeur %3, &quot;%4&quot;, n&apos;en fait que %5: un nouveau nom ne peut pas être plus long que l&apos;ancien</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation>le nom au pointeur %1 (offset %2) n&apos;est pas du texte de nom: écrire &quot;%3&quot; écraserait les données de %4 à %5</translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation>%1 est déjà indiqué à la ligne %2</translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation>l&apos;objet %1 n&apos;existe pas; les objets vont de 0 à %2</translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation>le nom de %1 n&apos;est pas écrit; indiquez --names pour l&apos;écrire</translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation>le texte du nom de %1 est partagé: écrire &quot;%2&quot; modifierait aussi %3; indiquez --shared pour l&apos;autoriser</translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation>le nom de %1 se lirait &quot;%2&quot; une fois les autres noms de ce fichier écrits, et non &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation>%1 ne contient plus ce que l&apos;enregistrement %2 a écrit: un enregistrement ultérieur ou un autre programme l&apos;a modifié</translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation>%1 ne contiennent plus ce que l&apos;enregistrement %2 a écrit: un enregistrement ultérieur ou un autre programme les a modifiés</translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation>son historique ne contient plus aucun enregistrement à annuler</translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation>son historique n&apos;a pas d&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation>l&apos;enregistrement %1 n&apos;a jamais été appliqué en entier, il n&apos;y a donc rien à en annuler</translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation>le pointeur du nom &quot;%1&quot; n&apos;est pas un nombre hexadécimal de 0 à FFFF</translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation>le pointeur &quot;%1&quot; n&apos;est pas formé de un à quatre chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation>l&apos;indicateur %1 &quot;%2&quot; ne vaut ni 0 ni 1</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>l&apos;index &quot;%1&quot; n&apos;est pas un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation>la valeur &quot;%2&quot; du champ %1 n&apos;est pas un nombre de 0 à %3</translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation>impossible d&apos;écrire le nom de %1: %2</translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation>%1. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation>impossible de renommer %1 dans %2: %3</translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation>
Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation>impossible d&apos;écrire dans %1: un autre programme y a modifié %2 après la lecture par cette commande. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>Aucune copie de sauvegarde n&apos;a été créée.</translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation>La copie de sauvegarde %1 contient l&apos;image telle qu&apos;elle était avant cette commande.</translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation>%1
Toutes les écritures de cette commande sont dans %2, mais le système ne les a peut-être pas encore inscrites sur le disque.
%3</translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation>%1
%2 est écrit en partie.
Écrit: %3.
Non écrit: %4.
%5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation>son historique %1 ne peut pas être créé: ce nom fait %2 octets, plus que ce que permet ce système de fichiers, et le nom de l&apos;historique est celui de l&apos;image suivi de &quot;.history&quot;; donnez à l&apos;image un nom plus court d&apos;au moins 8 octets que le plus long permis par ce système de fichiers (la plupart permettent 255)</translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation>son historique %1 ne peut pas être écrit: %2</translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation>son historique %1 ne peut pas être lu: %2</translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation>%1 n&apos;est pas un historique Tolvane, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation>son historique %1 a été écrit par une version plus récente de Tolvane (version d&apos;historique %2)</translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation>son historique %1 est de la version d&apos;historique %2, que cette version de Tolvane ne lit pas, il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>aucune entrée</translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation>cette commande ne fait que lire l&apos;image; toute commande qui écrit l&apos;image, ou l&apos;éditeur, le répare</translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation>l&apos;image ne peut être que lue; ouvrez-la à un endroit où elle peut être écrite pour le réparer</translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation>un autre programme Tolvane a continué d&apos;écrire dans l&apos;image pendant plus de %1 secondes; une fois qu&apos;il a terminé, ouvrez de nouveau l&apos;image</translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation>%1; une fois ce problème corrigé, ouvrez de nouveau l&apos;image pour le réparer</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>l&apos;image</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu après sa dernière écriture: il est complet, tel qu&apos;enregistré.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu avant sa première écriture: l&apos;image est telle qu&apos;elle était avant lui.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu à mi-chemin: les octets qu&apos;il avait écrits ont été rétablis, %4 a donc retrouvé son état d&apos;avant.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu à mi-chemin: les octets qu&apos;il avait écrits ont été rétablis, %4 ont donc retrouvé leur état d&apos;avant.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu, et l&apos;image contient maintenant d&apos;autres octets à cet endroit, ou l&apos;enregistrement dépasse sa fin: un autre programme l&apos;a modifiée, ou l&apos;historique appartient à une autre image. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu à mi-chemin. Il est laissé tel quel: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu. Il est laissé tel quel: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu à mi-chemin, et il ne peut pas être réparé maintenant: %4. Tant qu&apos;il ne l&apos;est pas, %5 ne se lirait ni dans son état d&apos;avant l&apos;enregistrement ni dans son état enregistré, les tables ne sont donc pas lues.</translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation>rien n&apos;a été écrit dans %1.</translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation>(simulation: rien n&apos;a été écrit)</translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation>%1 de ses %2 entrées se trouvent dans le fichier</translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation>%1 de ses %2 noms sont imprimables, moins de %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, et </translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation>L&apos;enregistrement de %1 (n° %2: %3) a été interrompu à mi-chemin, et il ne peut pas être réparé maintenant: %4. Tant qu&apos;il ne l&apos;est pas, l&apos;image n&apos;en contient qu&apos;une partie, les tables ne sont donc pas lues.</translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation>Dans leur état d&apos;avant l&apos;enregistrement: %1.</translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation>Dans leur état enregistré: %1.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation>la valeur &quot;%2&quot; du champ %1 n&apos;est pas un nombre entier de 0 à %3 en chiffres décimaux</translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation>l&apos;enregistrement %1 n&apos;est plus en place: l&apos;annulation %2 l&apos;a annulé</translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation>son historique %1 contient déjà l&apos;enregistrement %2, le plus grand numéro qu&apos;un enregistrement puisse avoir, donc aucun enregistrement ne peut être consigné après lui</translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation>Édit. ennemis</translation>
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
        <translation>Attaque:</translation>
    </message>
    <message>
        <source>Defense:</source>
        <translation>Défense:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>Humain</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animal</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>&lt;unknown&gt;</source>
        <translation>&lt;inconnu&gt;</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>Mort-v.</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicule</translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation>Combat:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vit.:</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sagesse:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Force:</translation>
    </message>
    <message>
        <source>Force:</source>
        <translation>Puiss.:</translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation>Expérience:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Argent:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Objet:</translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation>Pointeur du nom:</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hexa +- 0x7FF0)</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;aucun&gt;</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation>&amp;Entrée:</translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation>toutes les entrées, ou une seule comme &quot;enemy 12&quot;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation>Entrées modifiées</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>éditeur</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>renommage</translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation>annulation de l&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation>annulé par l&apos;enregistrement %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation>défait</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation>Aucun enregistrement n&apos;est encore consigné pour cette image.</translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation>Aucun enregistrement n&apos;a modifié %1.</translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation>(aucune modification)</translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation>Cet enregistrement a annulé l&apos;enregistrement %1.</translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation>L&apos;enregistrement %1 a annulé cet enregistrement.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>édition par lot</translation>
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
        <translation>Édit. objets</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Pointeur du nom</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hexa +- 0x7FF0)</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Équipable/Force de l&apos;objet</translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation>0 = non équip.</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Effet hors combat</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Effet en combat</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanent</translation>
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
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open ROM...</source>
        <translation>Ouvrir ROM...</translation>
    </message>
    <message>
        <source>The stuff</source>
        <translation>Les outils</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Édit. objets</translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation>Édit. ennemis</translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation>Édit. PSI</translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation>Édit. textes divers</translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation>Fichiers ROM Quessa (%1)</translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation>Tester en jeu</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation>Table objets</translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation>Table ennemis</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre:</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>Partie d&apos;un nom</translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation>Graphique en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation>Remettre la valeur d&apos;&amp;origine</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n entrée a des modifications non enregistrées. L&apos;enregistrer avant de fermer?</numerusform>
            <numerusform>%n entrées ont des modifications non enregistrées. Les enregistrer avant de fermer?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation>%1 garde sa valeur: %2.</translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation>ligne %1, cellule %2 du texte collé</translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation>il dépasse la dernière ligne ou colonne affichée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation>Rien n&apos;a été collé. À la %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>Enreg. (%n)</numerusform>
            <numerusform>Enreg. (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation>&amp;Condition:</translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation>Une expression Lua: hp &gt; 500 and experience &lt; 100</translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation>&amp;Affecter:</translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation>Affectations Lua à chaque ligne affichée: hp = hp * 3 // 2</translation>
    </message>
    <message>
        <source>&amp;Clamp</source>
        <translation>&amp;Borner</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>Rien n&apos;a été modifié. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n valeur bornée à la plage de son champ:</numerusform>
            <numerusform>%n valeurs bornées à la plage de leur champ:</numerusform>
        </translation>
    </message>
</context>
</TS>
