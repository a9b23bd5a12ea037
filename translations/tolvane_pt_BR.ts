<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation>A expressão Onde</translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation>As atribuições de Atribuir</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linha %2</translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation>%1: isto não é Lua: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation>%1: %2, campo %3: %4 não é um número.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation>%1: %2, campo %3: %4 não é um número finito.</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation>%1: %2, campo %3: %4 está fora de 0 a %5.</translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation>%1: %2 não tem o campo %3.</translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation>%1: %2, o campo %3 pode ser lido, mas não atribuído.</translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation>%1: interrompido após %2 instruções; executa por tempo demais.</translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation>%1: interrompido no seu limite de memória de %2 MiB.</translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation>%1, campo %2: %3 limitado a %4</translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation>edit precisa de --set, as atribuições a fazer</translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation>Sem alterações: o lote não altera nenhum campo; nada foi gravado.</translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Itens</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>Inimigos</translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation>Todos os campos e nomes estão como no original.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Alterações</translation>
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
            <numerusform>%n campo foi alterado nos dois lados para valores diferentes, por isso %1 não foi gravado; --prefer ours ou --prefer theirs adota um dos lados em todos os conflitos.</numerusform>
            <numerusform>%n campos foram alterados nos dois lados para valores diferentes, por isso %1 não foi gravado; --prefer ours ou --prefer theirs adota um dos lados em todos os conflitos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n campo alterado nos dois lados: foi adotado o valor de ours.</numerusform>
            <numerusform>%n campos alterados nos dois lados: foram adotados os valores de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n campo alterado nos dois lados: foi adotado o valor de theirs.</numerusform>
            <numerusform>%n campos alterados nos dois lados: foram adotados os valores de theirs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation>%1 foi gravado (%2 bytes).</translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation>%1 não tem histórico que diga como era antes dos seus salvamentos: use --base FILE para compará-lo com a imagem da qual se originou.</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation>%1 tem %2 bytes, mas %3 tem %4: as imagens precisam ter o mesmo tamanho. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation>%1 não contém as tabelas de itens e de inimigos como os editores as leem, portanto não é uma imagem que possa ser mesclada. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation>%1 não contém as tabelas de itens e de inimigos como os editores as leem (%2), portanto não é uma imagem que possa ser mesclada. Nada foi gravado.</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation>não é possível gravar %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, ambos aplicados %7</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n campo ou nome está em conflito, por isso %1 não foi gravado; --prefer ours ou --prefer theirs adota um dos lados em todos os conflitos.</numerusform>
            <numerusform>%n campos ou nomes estão em conflito, por isso %1 não foi gravado; --prefer ours ou --prefer theirs adota um dos lados em todos os conflitos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n campo ou nome em conflito: foi adotado o valor de ours.</numerusform>
            <numerusform>%n campos ou nomes em conflito: foram adotados os valores de ours.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n campo ou nome em conflito: foi adotado o valor de theirs.</numerusform>
            <numerusform>%n campos ou nomes em conflito: foram adotados os valores de theirs.</numerusform>
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

Lista cada campo e cada nome de IMAGE que difere do original, entrada por
entrada, na ordem da tabela: o efeito líquido dos seus salvamentos, de modo que
um campo alterado e depois restaurado, ou um salvamento desfeito, não é listado.
O original é a imagem tal como o seu histórico IMAGE.history a conheceu
primeiro: para cada byte, o que o salvamento aplicado mais antigo encontrou ali.
Não grava nada.

  --base FILE               compara com FILE em vez do original; FILE é uma
                            imagem do mesmo tamanho
  --table items|enemies     apenas uma tabela (padrão: as duas)
  --format text             linhas como o diff as imprime (padrão)
  --format csv|json         entry, name, field, original, current e saves (os
                            salvamentos que alteraram o campo)
  --format markdown         notas de patch para jogadores, com os rótulos dos
                            editores

Códigos de saída: 0 listado, com ou sem alterações; 1 não é possível ler IMAGE,
ou ela não tem histórico e --base não foi informado; 2 erro de uso.
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

Mescla duas linhas de trabalho, OURS e THEIRS, ambas iniciadas a partir de
BASE, em OUT, um arquivo novo: cada campo das duas tabelas campo a campo, o
texto do nome de cada entrada como uma unidade, e todos os demais bits bit a
bit. Um campo alterado em um só lado, ou para o mesmo valor nos dois, é adotado;
o mesmo vale para um bit alterado em qualquer um dos lados. Um campo alterado
para valores diferentes nos dois lados é um conflito: cada conflito é listado, e
OUT não é gravado. As três imagens precisam ter o mesmo tamanho. Nenhum
histórico e nenhum backup é criado junto a OUT.

  -o, --output OUT       a imagem mesclada; nunca um dos arquivos de entrada
  --prefer ours|theirs   adota esse lado em todos os conflitos e grava OUT

Códigos de saída: 0 gravado; 1 nada gravado (um conflito, um arquivo de entrada
que não pode ser lido, não é uma imagem ou tem outro tamanho, ou OUT não pode
ser gravado); 2 erro de uso.
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

O complemento de linha de comando do editor Tolvane: o que é uma imagem, as
tabelas de itens e de inimigos de uma imagem em CSV ou JSON, nomes reescritos no
próprio arquivo, diferenças entre imagens, o que mudou desde o original de uma
imagem, duas linhas de trabalho mescladas, patches IPS e BPS, e a imagem jogada
no emulador do usuário.

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

Execute &apos;tolvane-cli COMMAND --help&apos; para ver os detalhes de um comando.
import, rename e undo gravam em IMAGE no próprio arquivo; antes da primeira
gravação, copiam a imagem para IMAGE.bak, e cada salvamento deles é registrado
em IMAGE.history. Um salvamento interrompido por uma falha é corrigido na
próxima abertura que possa gravar a imagem: a do editor, ou a de qualquer
comando que leia as suas tabelas, exceto info e uma simulação (--dry-run), que
apenas o relatam.

Códigos de saída:
  0  sucesso
  1  dados de entrada inválidos, ou uma saída que não pôde ser gravada por
     inteiro: nada foi gravado
  2  erro de uso
  3  gravado em parte: uma gravação falhou e não pôde ser revertida; veja a
     mensagem; o backup IMAGE.bak contém a imagem como ela era
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

Lista cada salvamento registrado em IMAGE.history, do mais antigo ao mais novo:
o seu número, a hora local em que foi feito, o que o fez (editor, import, rename
ou undo) e cada campo que ele alterou, como o diff os imprime. Bytes fora das
tabelas aparecem como um offset e uma contagem. Um salvamento desfeito indica
qual undo o desfez; um undo indica qual salvamento desfez.

  --json  um array de objetos: number, time (ISO 8601), command, state (done,
          rolled back ou pending), undoes, undone_by e changes, cada um com
          entry, field, old, new e offset

Códigos de saída: 0 listado; 1 não é possível ler IMAGE ou o seu histórico;
2 erro de uso.
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

Restaura os bytes que um salvamento registrado substituiu, como um novo
salvamento registrado como undo dele. Sem --save, é desfeito o salvamento mais
recente que está em vigor e que não é ele mesmo um undo; com --save N, é
desfeito o salvamento N, e desfazer um undo refaz o que ele desfez. É recusado,
sem nada gravado, quando algum byte a restaurar já não contém o que aquele
salvamento gravou: um salvamento posterior ou outro programa o alterou. Antes
da primeira gravação, IMAGE é copiada para IMAGE.bak.

  --save N     desfaz o salvamento N, conforme o comando history o numera
  --dry-run    verifica e relata as alterações, não grava nada
  --no-backup  não cria IMAGE.bak

Códigos de saída: 0 gravado; 1 nada gravado; 2 erro de uso; 3 gravado em parte:
uma gravação falhou e os bytes já gravados não puderam ser todos restaurados; a
mensagem diz o que ficou, e a próxima abertura corrige isso.
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

Informa o que é IMAGE, sem gravar nada: o seu tamanho; o seu cabeçalho iNES, se
houver (PRG e CHR ROM, mapper, espelhamento, bateria, trainer, NES 2.0, e se o
arquivo tem o tamanho que o cabeçalho declara); o CRC32 e o SHA-1 do arquivo
inteiro e do arquivo sem o seu cabeçalho de 16 bytes; e, para cada tabela,
quantas entradas ficam dentro do arquivo, quantos ponteiros de nome apontam para
dentro dele e quantos nomes são texto imprimível.

As tabelas parecem corretas quando todas as entradas das duas ficam dentro do
arquivo e pelo menos 3 de cada 4 nomes de cada tabela são imprimíveis: pelo
menos um caractere, cada um de 0x20 a 0x7E.
Um salvamento registrado em IMAGE.history que uma falha interrompeu é relatado
na saída de erro e deixado como está; a próxima abertura que possa gravar a
imagem o corrige.
O código de saída é 0 sempre que o arquivo pôde ser lido, qualquer que seja
esse veredito, a não ser que esse salvamento tenha sido interrompido no meio:
suas entradas são então nomeadas, nada é informado, e ele é 1.

  --json  os mesmos dados como um único objeto JSON
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

Cria um patch que transforma ORIGINAL em MODIFIED. O nome de OUT escolhe o
formato: IPS, ou BPS, que também traz o CRC32 dos dois arquivos e de si mesmo.
Um patch IPS não consegue cortar um arquivo para 16 MiB ou mais, por isso um
MODIFIED assim precisa de BPS. Um OUT que seja um dispositivo é gravado
diretamente, e um FIFO é recusado; qualquer outro OUT só é substituído depois
que o patch inteiro é gravado.

Códigos de saída: 0 gravado; 1 nada gravado (um arquivo não pode ser lido, o
patch não pode ser criado, ou OUT não pode ser gravado por inteiro: não resta
nenhuma parte dele); 2 erro de uso.
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

Aplica um patch IPS ou BPS a IMAGE e grava o resultado em OUT. Um patch
truncado ou danificado, ou um patch BPS cujos checksums não conferem, é recusado
e nada é gravado. Com -o - o resultado vai para a saída padrão. Um OUT que seja
um dispositivo é gravado diretamente, e um FIFO é recusado; qualquer outro OUT
só é substituído depois que o resultado inteiro é gravado.

Códigos de saída: 0 gravado; 1 nada gravado (um arquivo não pode ser lido, o
patch é recusado, ou OUT não pode ser gravado por inteiro: não resta nenhuma
parte dele); 2 erro de uso.
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

Grava TEXT como o nome de uma entrada, no próprio arquivo, onde o ponteiro do
nome dela aponta. Cada caractere é armazenado como o seu código + 0x80, por isso
só os códigos 0x00 a 0x7F podem ser gravados. O nome novo não pode ser mais
longo que o antigo; um mais curto é terminado pelo byte que terminava o nome
antigo, e os bytes antigos depois dele ficam como estão. Só os bytes que diferem
são gravados, e nenhum na tabela de itens ou na de inimigos.

Outras entradas podem ler o mesmo texto ou parte dele. Elas são listadas
primeiro, e a renomeação é recusada a menos que --shared seja informado. Antes
da primeira gravação, IMAGE é copiada para IMAGE.bak ao lado dela, substituindo
qualquer cópia anterior.

  --item N     o item a renomear (0 a 113)
  --enemy N    o inimigo a renomear (0 a 120)
  --shared     altera também os nomes das entradas que compartilham o texto
  --dry-run    verifica e relata, não grava nada
  --no-backup  não cria IMAGE.bak

Códigos de saída: 0 gravado, ou nada a gravar; 1 nada gravado; 2 erro de uso;
3 gravado em parte: uma gravação falhou e os bytes já gravados não puderam ser
todos restaurados; o backup IMAGE.bak (a menos que --no-backup) contém a imagem
como ela era.
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

Grava uma tabela de IMAGE como CSV ou JSON: uma linha ou um objeto por entrada,
com o seu índice e todos os campos que os editores mostram. Sem -o, ou com -o -,
a tabela vai para a saída padrão. Um FILE que seja um dispositivo é gravado
diretamente, e um FIFO é recusado; qualquer outro FILE só é substituído depois
que a tabela inteira é gravada.

  --table items|enemies  a tabela (padrão: items)
  --format csv|json      o formato (padrão: json para um FILE terminado em
                         .json, senão csv)
  -o, --output FILE      grava em FILE

Códigos de saída: 0 gravado; 1 nada gravado (não é possível ler IMAGE, ou a
saída não pode ser gravada por inteiro: o motivo dado pelo sistema é informado,
e não resta nenhuma parte de FILE); 2 erro de uso.
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

Grava as linhas de FILE, uma tabela CSV ou JSON criada por export, de volta em
IMAGE, com as próprias regras dos editores. Cada linha e cada célula é
verificada primeiro; se alguma for inválida, cada erro é relatado como
arquivo:linha:coluna e nada é gravado. Só os campos que diferem são gravados.
Os nomes só são gravados com --names, pelas regras do comando rename: no
próprio arquivo, não mais longos que o nome antigo, códigos 0x00 a 0x7F, nunca
na tabela de itens ou na de inimigos. A coluna item_name nunca é gravada. Antes
da primeira gravação, IMAGE é copiada para IMAGE.bak ao lado dela, substituindo
qualquer cópia anterior. As linhas são gravadas como um todo: se uma gravação
falhar, ou se outro programa alterar uma entrada depois de ela ser lida, nada é
gravado.

  --names      grava os nomes que diferem
  --shared     com --names: um nome novo pode alterar também outras entradas
               que leem o seu texto
  --dry-run    verifica e relata as alterações, não grava nada
  --no-backup  não cria IMAGE.bak

Códigos de saída: 0 gravado, ou nada a gravar; 1 nada gravado; 2 erro de uso;
3 gravado em parte: uma gravação falhou e os bytes já gravados não puderam ser
todos restaurados; a mensagem nomeia as entradas gravadas e as não gravadas, e
o backup IMAGE.bak (a menos que --no-backup) contém a imagem como ela era.
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation>Uso: tolvane-cli diff IMAGE_A IMAGE_B

Lista os campos que diferem, entrada por entrada, nas duas tabelas, e depois
conta os bytes que diferem dentro das tabelas e fora delas.

Códigos de saída: 0 comparado; 1 não é possível ler uma das imagens; 2 erro de
uso.
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

Inicia o emulador do usuário com IMAGE como ela está no disco, e retorna na
hora: o emulador continua sozinho. O emulador é, nesta ordem: a linha de comando
da variável TOLVANE_EMULATOR, em que %f representa a imagem (sem %f a imagem é o
último argumento) e aspas duplas agrupam uma palavra com espaços; o primeiro dos
emuladores conhecidos encontrado no PATH; o aplicativo com que o sistema abre
arquivos .nes, a menos que seja o próprio Tolvane. Um salvamento que uma falha
deixou pela metade é corrigido primeiro.

  --print  mostra a linha de comando que executaria, e não executa nada
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

Executa as atribuições Lua STATEMENTS em cada entrada da tabela para a qual a
expressão Lua EXPR vale (todas as entradas sem --where). Os campos têm os
nomes que export dá às suas colunas; os flags são true ou false; index e name
podem ser lidos, não atribuídos:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
Um valor que não é um número inteiro é arredondado, um empate indo para o par.
Um valor fora do intervalo, um que não é número ou um campo que não existe
interrompe o lote, nomeando a entrada, o campo e a linha: nada é gravado. Caso
contrário, as alterações são gravadas como um só salvamento, que um undo
desfaz, e listadas como changes as lista.

  --table items|enemies  a tabela
  --where EXPR           as entradas a alterar
  --set STATEMENTS       as atribuições, separadas por ; ou fins de linha
  --clamp                leva um valor fora do intervalo ao limite mais
                         próximo, e o lista
  --dry-run              verifica e relata as alterações, não grava nada
  --no-backup            não cria IMAGE.bak

Códigos de saída: como em import.
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

Executa o script Lua FILE.lua sobre as duas tabelas de IMAGE: items e enemies,
cada uma indexada a partir de 0 como o jogo numera suas entradas, cada entrada
com os campos que edit nomeia:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print escreve na saída padrão. O script recebe apenas as bibliotecas string,
math, table e utf8 e as funções básicas seguras, e é interrompido além de um
orçamento de instruções ou de um limite de memória. Ele é verificado por
inteiro, como edit verifica suas atribuições, depois gravado como um só
salvamento, que um undo desfaz, e suas alterações listadas como changes as
lista.

  --clamp      leva um valor fora do intervalo ao limite mais próximo, e o lista
  --dry-run    verifica e relata as alterações, não grava nada
  --no-backup  não cria IMAGE.bak

Códigos de saída: como em import.
</translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>quatro telas</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation>Cabeçalho iNES:</translation>
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
        <translation>Espelhamento:</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>Bateria:</translation>
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
        <translation>Tamanho declarado:</translation>
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
        <translation>CRC32 sem cabeçalho:</translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation>SHA-1 sem cabeçalho:</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>Itens:</translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation>Inimigos:</translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation>Tabelas parecem corretas:</translation>
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
        <translation>nenhum erro ocorreu</translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation>objeto não terminado</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>separador de nome ausente</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>array não terminado</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>separador de valores ausente</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>valor inválido</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>término inválido por número</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>número inválido</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>sequência de escape inválida</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>string UTF-8 inválida</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>string não terminada</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>falta um objeto depois de uma vírgula</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>documento aninhado em profundidade excessiva</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>documento grande demais</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>lixo no fim do documento</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erro desconhecido</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation>%1 (pendente: a imagem continha outros bytes)</translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation>%1 (revertido)</translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation>%1 (pendente)</translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation>%1 (desfeito por %2)</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation>uma aspa dentro de um campo que não começa com aspa; coloque o campo inteiro entre aspas e duplique a aspa</translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation>este campo entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation>somente uma vírgula ou o fim da linha pode vir depois de uma aspa de fechamento</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation>a primeira linha precisa nomear as colunas: %1 ou %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation>&quot;%1&quot; não é uma coluna da tabela %2</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>a coluna %1 aparece duas vezes</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>falta a coluna %1</translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation>esta linha tem %1 células, mas %2 colunas foram nomeadas</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation>a chave &quot;%1&quot; aparece duas vezes</translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation>&quot;table&quot; precisa ser &quot;items&quot; ou &quot;enemies&quot;</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation>&quot;entries&quot; precisa ser uma lista de objetos</translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation>cada entrada precisa ser um objeto</translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation>o campo %1 aparece duas vezes</translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation>o campo %1 precisa ser um número ou um texto</translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation>%1: os offsets do IPS têm 3 bytes, portanto o arquivo modificado pode ter no máximo 16 MiB; use um patch BPS</translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation>%1: o arquivo modificado é menor que o original e tem 16 MiB ou mais, um tamanho ao qual um patch IPS não consegue cortar o arquivo; use um patch BPS</translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation>%1: não é um patch IPS: não começa com &quot;PATCH&quot;. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: o patch está truncado antes do seu marcador de fim &quot;EOF&quot; (no byte %2 de %3). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: o patch está truncado dentro do cabeçalho de um registro (no byte %2 de %3). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: o patch está truncado dentro dos dados de um registro (no byte %2 de %3). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: o patch está truncado dentro de um registro RLE (no byte %2 de %3). Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation>%1: o patch traz %2 bytes inesperados depois do seu marcador de fim. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation>%1: não é um patch BPS: não começa com &quot;BPS1&quot;. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation>%1: o patch está danificado ou truncado: o seu próprio checksum não confere. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation>%1: o cabeçalho do patch está danificado. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation>%1: o patch indica um resultado de %2 bytes; são aceitos no máximo %3. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation>%1: o patch foi feito para outro arquivo: ele espera %2 bytes com checksum %3, e o arquivo tem %4 bytes com checksum %5. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation>%1: o patch está danificado: uma ação no byte %2 alcança posições fora dos arquivos. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation>%1: o patch está danificado: as suas ações produzem %2 dos %3 bytes que ele indica. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation>%1: o resultado não confere com o checksum de destino do patch. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation>%1: não é um patch IPS nem BPS. Nada foi gravado.</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation>não é possível ler %1: ele tem %2 bytes, mais do que os %3 bytes (%4 MiB) que um arquivo desse tipo pode ter</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation>não é possível gravar %1: é o arquivo %2, que este comando lê</translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation>não é possível gravar na saída padrão: o fluxo falhou</translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation>não é possível gravar na saída padrão: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation>%1: %2 bytes danificados foram ignorados; os registros em torno deles estão listados</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nenhum comando informado</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconhecido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation>o argumento &quot;%1&quot; não é texto na codificação deste sistema, portanto não pode nomear exatamente nenhum arquivo; renomeie o arquivo ou execute o comando com um locale em cuja codificação o nome esteja</translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation>número errado de nomes de arquivo.
%1</translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation>--table aceita items ou enemies, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation>--format aceita csv ou json, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation>--format aceita text, csv, json ou markdown, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation>--prefer aceita ours ou theirs, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation>--save aceita o número de um salvamento, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation>informe uma entrada: --item N ou --enemy N</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1 aceita um número inteiro de 0 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation>--shared só pode ser usado com --names</translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation>-o precisa nomear um arquivo terminado em .ips ou .bps</translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation>-o OUT nomeia o arquivo a gravar</translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation>merge grava a sua imagem em um arquivo: informe -o OUT</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation>%1
Execute &apos;tolvane-cli --help&apos; para ver o uso.</translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation>%1  (sem alterações)</translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation>Não há salvamentos registrados.</translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation>O salvamento %1 seria desfeito, gravando %2 %3.</translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation>O salvamento %1 foi desfeito; total gravado: %2.</translation>
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
        <translation>Alterações: %1, %2; total a gravar: %3 %4.</translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation>Alterações: %1, %2; total gravado: %3.</translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation>Sem alterações: a imagem já contém todas as linhas.</translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation>Todos os campos das duas tabelas são iguais.</translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation>Bytes alterados: %1 dentro das tabelas, %2 fora delas.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>  compartilha o texto: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>o texto do seu nome é compartilhado com %n outra entrada, listada abaixo; use --shared para alterá-la também</numerusform>
            <numerusform>o texto do seu nome é compartilhado com %n outras entradas, listadas abaixo; use --shared para alterá-las também</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation>%1 passaria a mostrar &quot;%2&quot;, com alteração de %3 %4.</translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation>%1 agora mostra &quot;%2&quot;; total alterado: %3.</translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation>%1 agora mostram &quot;%2&quot;; total alterado: %3.</translation>
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
        <translation>%1 bytes, o mesmo que o arquivo contém</translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation>%1 bytes, %2 a mais do que o arquivo contém</translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation>%1 bytes, %2 a menos do que o arquivo contém</translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation>%1 de %2 entradas dentro do arquivo, %3 ponteiros de nome que apontam para ele, %4 nomes imprimíveis</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>não (%1)</translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation>não é possível gravar %1: é um histórico de salvamentos, que só os próprios salvamentos gravam</translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation>não é possível gravar %1: é o histórico dos salvamentos de %2, que só esses salvamentos gravam</translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation>não é possível gravar %1: é o backup de %2, que só os salvamentos de %2 substituem</translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation>%1 não contém as tabelas como os editores as leem (%2), portanto não tem nenhuma tabela para exportar. Nada foi gravado.</translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation>%1: o registro %2 vai além do fim da imagem, portanto pertence a outra imagem ou a imagem foi cortada desde então; os seus bytes ficam fora do original</translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation>Edita no próprio arquivo as tabelas de itens e de inimigos de uma imagem do jogo.</translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation>A imagem a abrir, como se escolhida na caixa de diálogo Abrir. Coloque -- antes de um nome que comece com -.</translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation>Marca o que difere de FILE, uma imagem do mesmo tamanho, em vez do que difere segundo o histórico da imagem.</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation>Testar no jogo</translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation>A entrada mostrada tem edições não salvas. O emulador joga a imagem como ela está no disco: salvá-las primeiro?</translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation>Jogar sem elas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation>Histórico desta entrada…</translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation>Restaurar o original (%1)</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation>ponteiro do nome</translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation>Ponteiro do nome</translation>
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
        <translation>defesa</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defesa</translation>
    </message>
    <message>
        <source>fight</source>
        <translation>luta</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>Luta</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>velocidade</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation>sabedoria</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>Sabedoria</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>força</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Força</translation>
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
        <translation>experiência</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>Experiência</translation>
    </message>
    <message>
        <source>money</source>
        <translation>dinheiro</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Dinheiro</translation>
    </message>
    <message>
        <source>item</source>
        <translation>item</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Ponteiro do nome</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Equipável/Força do item</translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation>efeito fora de batalha</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Efeito fora de batalha</translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation>efeito em batalha</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Efeito em batalha</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>custo</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>flags</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Permanente</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>Comestível</translation>
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
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation>Para escolher o emulador, abra o menu Iniciar, procure &quot;variáveis de ambiente&quot;, escolha &quot;Editar as variáveis de ambiente da sua conta&quot; e adicione %1 com a sua linha de comando, %f onde vai a imagem, por exemplo:
%2</translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation>Para escolher o emulador, defina %1 com a sua linha de comando, %f onde vai a imagem, por exemplo em ~/.profile:
%2</translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation>Não é possível jogar %1: a variável %2 não contém nenhuma linha de comando, pois uma aspa dupla nela nunca é fechada.
%3</translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation>Nenhum emulador foi encontrado para jogar %1. O Tolvane procurou, nesta ordem:</translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation>1. a variável %1: ela não está definida</translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation>2. estes emuladores no PATH: %1: nenhum está lá</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation>3. o aplicativo com que este sistema abre arquivos .nes: não há nenhum</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation>3. o aplicativo com que este sistema abre arquivos .nes: é %1, o próprio Tolvane</translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation>Não é possível iniciar o emulador:
%1
%2.</translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation>Selecione uma coluna numérica, ou duas para uma dispersão.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>%n linha na ordem mostrada</numerusform>
            <numerusform>%n linhas na ordem mostrada</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>Não é possível abrir o arquivo %1:
%2.</translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation>%1 só pode ser lido, por isso foi aberto somente para leitura. Os editores o mostram, e todo Salvar é recusado.</translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation>A base %1 tem %2 bytes, mas %3 tem %4, por isso ela não pode mostrar o que mudou nesta imagem. Os editores não marcam alterações.</translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation>Não é possível abrir a base %1:
%2.
Os editores não marcam alterações.</translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation>O Tolvane abre uma imagem de cada vez, por isso nenhuma destas foi aberta:
%1</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation>%1
Execute &apos;tolvane --help&apos; para ver o uso.</translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation>Não é possível ler a tabela de itens.
%1</translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation>Não é possível ler a tabela de inimigos.
%1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation>Não é possível ler %1 no offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation>Não é possível gravar em %1 no offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation>Não é possível sincronizar %1 no offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation>Não é possível obter o tamanho de %1 no offset %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation>Não é possível executar %1 em %2 no offset %3:
%4.</translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Não é possível ler %1 no offset -%2: a posição fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Não é possível gravar em %1 no offset -%2: a posição fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Não é possível sincronizar %1 no offset -%2: a posição fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>Não é possível obter o tamanho de %1 no offset -%2: a posição fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 no offset -%2: a posição fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>o nome de %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation>parte de %1</translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation>o restante de %1</translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation>não é possível desfazer em %1: %2</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation>o campo %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nada foi gravado.</translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation>Já gravado e mantido no arquivo: %1.</translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation>O salvamento de %1 parou no campo %2.
%3
%4
Não gravado: %5.</translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation>outro programa substituiu, moveu ou excluiu a imagem enquanto o backup dela era feito</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation>Não é possível fazer o backup %1 de %2:
%3.</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation>Não é possível salvar %1.
%2
Nada foi gravado.</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>erro de sistema %1</translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation>é um FIFO (um pipe nomeado), não um arquivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>é um socket, não um arquivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>é um dispositivo, não um arquivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>é um pipe, não um arquivo</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>é um diretório, não um arquivo</translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation>é um link, e nunca se grava através de um link</translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation>não é um arquivo em disco</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation>Não é possível gravar em %1 no offset %2:
o arquivo está aberto somente para leitura.</translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation>%1 no offset %2: estouro, o offset é grande demais.</translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation>Write word no offset %1: estouro, %2 não cabe em 16 bits.</translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation>O ponteiro do nome %1 fica antes do início do arquivo.</translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation>Nome no ponteiro %1: estouro, mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation>Cadeia de bits &quot;%1&quot;: estouro, o valor não cabe em 32 bits.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation>Não é possível salvar %1 em %2:
o arquivo está aberto somente para leitura. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation>Não é possível salvar %1 em %2:
a imagem foi substituída no disco por outro programa depois que esta entrada foi mostrada. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation>Não é possível salvar %1 em %2:
a imagem foi excluída ou movida depois de ser aberta. Nada foi gravado, e nenhum arquivo foi criado no lugar dela.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation>Não é possível salvar %1 em %2:
a entrada fica nos offsets %3 a %4, mas o arquivo tem apenas %5 bytes. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation>Não é possível salvar %1 em %2:
outro programa alterou %1 no arquivo depois que a entrada foi mostrada. Nada foi gravado; %1 volta a ser mostrado como o arquivo o contém agora.</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation>Não é possível salvar %1 em %2:
outro programa do Tolvane continuou gravando na imagem por mais de %3 segundos. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation>Não é possível salvar %1: %2. Nada foi gravado.</translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation>Não é possível salvar: %1 não existe.</translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation>Ao salvar %1: todos os campos foram gravados, mas %2</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation>Não é possível salvar %1 em %2:
%3. Nada foi gravado.</translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation>o ponteiro do nome %1 não tem offset no arquivo: ponteiros abaixo de 7FF0 ficam antes do seu início</translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation>o nome no ponteiro %1 se estende além de %2 caracteres, o nome mais longo que os leitores aceitam</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation>o nome no ponteiro %1 (offset %2) se estende além do fim do arquivo, que tem %3 bytes</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation>o caractere &quot;%1&quot; (U+%2) na posição %3 não pode ser gravado: o texto de nomes contém somente os códigos 0x00 a 0x7F</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation>&quot;%1&quot; tem %2 caracteres, mas o nome que ele substitui no ponteiro %3, &quot;%4&quot;, tem apenas %5: um nome novo não pode ser mais longo que o antigo</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation>o nome no ponteiro %1 (offset %2) não é texto de nome: gravar &quot;%3&quot; sobrescreveria o registro de %4 em %5</translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation>%1 já aparece na linha %2</translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation>não existe o item %1; os itens vão de 0 a %2</translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation>o nome de %1 não é gravado; use --names para gravá-lo</translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation>o texto do nome de %1 é compartilhado: gravar &quot;%2&quot; também alteraria %3; use --shared para permitir isso</translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation>o nome de %1 seria lido como &quot;%2&quot; depois que os outros nomes deste arquivo fossem gravados, e não como &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation>%1 não contém mais o que o registro %2 gravou: um salvamento posterior ou outro programa o alterou</translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation>%1 não contêm mais o que o registro %2 gravou: um salvamento posterior ou outro programa os alterou</translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation>o seu histórico não contém nenhum salvamento que ainda possa ser desfeito</translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation>o seu histórico não tem o registro %1</translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation>o registro %1 nunca foi aplicado por inteiro, portanto não há nada dele a desfazer</translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation>o ponteiro do nome &quot;%1&quot; não é um número hexadecimal de 0 a FFFF</translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation>o ponteiro &quot;%1&quot; não tem de um a quatro dígitos hexadecimais</translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation>o valor &quot;%2&quot; da flag %1 não é 0 nem 1</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>o índice &quot;%1&quot; não é um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation>o valor &quot;%2&quot; do campo %1 não é um número de 0 a %3</translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation>não é possível gravar o nome de %1: %2</translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation>%1. Nada foi gravado.</translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation>não é possível renomear %1 em %2: %3</translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation>
Nada foi gravado.</translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation>não é possível gravar em %1: outro programa alterou %2 nele depois que este comando o leu. Nada foi gravado.</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>Nenhum backup foi feito.</translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation>O backup %1 contém a imagem como ela era antes deste comando.</translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation>%1
Todas as gravações deste comando estão em %2, mas o sistema pode ainda não tê-las no disco.
%3</translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation>%1
%2 foi gravado em parte.
Gravado: %3.
Não gravado: %4.
%5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation>o seu histórico %1 não pode ser criado: esse nome tem %2 bytes, mais do que este sistema de arquivos permite, e o nome do histórico é o da imagem com &quot;.history&quot; acrescentado; renomeie a imagem para um nome pelo menos 8 bytes mais curto que o mais longo que este sistema de arquivos permite (a maioria permite 255)</translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation>o seu histórico %1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation>o seu histórico %1 não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation>%1 não é um histórico do Tolvane, por isso é deixado como está</translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation>o seu histórico %1 foi gravado por uma versão mais nova do Tolvane (versão de histórico %2)</translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation>o seu histórico %1 é da versão de histórico %2, que esta versão do Tolvane não lê, por isso é deixado como está</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>nenhuma entrada</translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation>este comando apenas lê a imagem; qualquer comando que a grave, ou o editor, corrige isso</translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation>a imagem só pode ser lida; abra-a onde ela possa ser gravada para corrigir isso</translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation>outro programa do Tolvane continuou gravando na imagem por mais de %1 segundos; quando ele terminar, abra a imagem novamente</translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation>%1; quando isso for resolvido, abra a imagem novamente para corrigi-lo</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>a imagem</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido depois da sua última gravação: ele está completo, como foi salvo.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido antes da sua primeira gravação: a imagem está como era antes dele.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido no meio: os bytes que ele tinha gravado foram restaurados, portanto %4 está como era antes dele.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido no meio: os bytes que ele tinha gravado foram restaurados, portanto %4 estão como eram antes dele.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido, e a imagem agora contém outros bytes nesse ponto, ou o registro vai além do fim dela: outro programa a alterou, ou o histórico pertence a outra imagem. Nada foi gravado.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido no meio. Ele é deixado como está: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido. Ele é deixado como está: %4.</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido no meio, e não pode ser corrigido agora: %4. Enquanto não for, a leitura de %5 não corresponderia nem ao estado anterior ao salvamento nem ao estado salvo, por isso as tabelas não são lidas.</translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation>nada foi gravado em %1.</translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation>(simulação: nada foi gravado)</translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation>%1 das suas %2 entradas ficam dentro do arquivo</translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation>%1 dos seus %2 nomes são imprimíveis, menos que %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, e </translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation>O salvamento de %1 (registro %2: %3) foi interrompido no meio, e não pode ser corrigido agora: %4. Enquanto não for, a imagem contém só uma parte dele, por isso as tabelas não são lidas.</translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation>Como antes do salvamento: %1.</translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation>Como salvo: %1.</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation>o valor &quot;%2&quot; do campo %1 não é um número inteiro de 0 a %3 em dígitos decimais</translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation>o salvamento %1 não vale mais: o desfazer %2 o desfez</translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation>o seu histórico %1 já contém o registro %2, o maior número que um registro pode ter, portanto nenhum salvamento pode ser registrado depois dele</translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation>Ed. de inimigos</translation>
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
        <translation>Defesa:</translation>
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
        <translation>&lt;desconh.&gt;</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>Zumbi</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veículo</translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation>Luta:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Veloc.:</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>Sabed.:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Força:</translation>
    </message>
    <message>
        <source>Force:</source>
        <translation>Poder:</translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation>Experiência:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>Dinh.:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>Item:</translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation>Ponteiro do nome:</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;nenhum&gt;</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation>&amp;Entrada:</translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation>todas as entradas, ou uma como &quot;enemy 12&quot;</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvamento</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>Origem</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation>Entradas alteradas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>editor</translation>
    </message>
    <message>
        <source>import</source>
        <translation>importação</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>renomeação</translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation>desfazer o salvamento %1</translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation>desfeito pelo salvamento %1</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation>revertido</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation>Ainda não há nenhum salvamento registrado para esta imagem.</translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation>Nenhum salvamento alterou %1.</translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation>(sem alterações)</translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation>Este salvamento desfez o salvamento %1.</translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation>O salvamento %1 desfez este salvamento.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>edição em lote</translation>
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
        <translation>Ed. de itens</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>Ponteiro do nome</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(hex +- 0x7FF0)</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>Equipável/Força do item</translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation>0 = não equip.</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>Efeito fora de batalha</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>Efeito em batalha</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Custo</translation>
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
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Ed. de itens</translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation>Ed. de inimigos</translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation>Ed. de PSI</translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation>Ed. de outros textos</translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation>Arquivos ROM Quessa (%1)</translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation>Testar no jogo</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation>Tab. de itens</translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation>Tab. de inimigos</translation>
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
        <translation>Parte de um nome</translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation>Gráfico de &amp;linha</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation>Voltar ao &amp;original</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n entrada tem alterações não salvas. Salvá-la antes de fechar?</numerusform>
            <numerusform>%n entradas têm alterações não salvas. Salvá-las antes de fechar?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation>%1 mantém seu valor: %2.</translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation>linha %1, célula %2 do texto colado</translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation>ele passa da última linha ou coluna mostrada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation>Nada foi colado. Na %1, %2.</translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>Salvar (%n)</numerusform>
            <numerusform>Salvar (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation>&amp;Onde:</translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation>Uma expressão Lua: hp &gt; 500 and experience &lt; 100</translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation>Atri&amp;buir:</translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation>Atribuições Lua a cada linha exibida: hp = hp * 3 // 2</translation>
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
        <translation>Nada foi alterado. %1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n valor limitado ao intervalo do seu campo:</numerusform>
            <numerusform>%n valores limitados ao intervalo do seu campo:</numerusform>
        </translation>
    </message>
</context>
</TS>
