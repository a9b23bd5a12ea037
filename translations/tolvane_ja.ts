<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BatchWording</name>
    <message>
        <source>The Where expression</source>
        <translation>条件の式</translation>
    </message>
    <message>
        <source>The Set assignments</source>
        <translation>代入文</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1、%2 行目</translation>
    </message>
    <message>
        <source>%1: this is not Lua: %2</source>
        <translation>%1: Lua として読めません: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a number.</source>
        <translation>%1: %2、フィールド %3: %4 は数値ではありません。</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 is not a finite number.</source>
        <translation>%1: %2、フィールド %3: %4 は有限の数値ではありません。</translation>
    </message>
    <message>
        <source>%1: %2, field %3: %4 lies outside 0 to %5.</source>
        <translation>%1: %2、フィールド %3: %4 は 0 から %5 の範囲外です。</translation>
    </message>
    <message>
        <source>%1: %2 has no field %3.</source>
        <translation>%1: %2 にフィールド %3 はありません。</translation>
    </message>
    <message>
        <source>%1: %2, field %3 can be read but not assigned.</source>
        <translation>%1: %2、フィールド %3 は読めますが代入できません。</translation>
    </message>
    <message>
        <source>%1: stopped after %2 instructions; it runs too long.</source>
        <translation>%1: %2 命令の後で停止しました。実行が長すぎます。</translation>
    </message>
    <message>
        <source>%1: stopped at its memory cap of %2 MiB.</source>
        <translation>%1: メモリ上限 %2 MiB で停止しました。</translation>
    </message>
    <message>
        <source>%1, field %2: %3 clamped to %4</source>
        <translation>%1、フィールド %2: %3 を %4 に収めました</translation>
    </message>
    <message>
        <source>edit needs --set, the assignments to make</source>
        <translation>edit には --set (行う代入) が必要です</translation>
    </message>
    <message>
        <source>No changes: the batch changes no field; nothing was written.</source>
        <translation>変更はありません: このバッチはどのフィールドも変更しないため、何も書き込まれませんでした。</translation>
    </message>
</context>
<context>
    <name>ChangesWording</name>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>道具</translation>
    </message>
    <message>
        <source>Enemies</source>
        <translation>敵</translation>
    </message>
    <message>
        <source>Every field and name is as in the original.</source>
        <translation>すべてのフィールドと名前はオリジナルのままです。</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更点</translation>
    </message>
    <message>
        <source>Original: %1</source>
        <translation>元の値: %1</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6</source>
        <translation>%1 &quot;%2&quot;: %3: base %4、ours %5、theirs %6</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides to different values, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n 個のフィールドが両側で異なる値に変更されているため、%1 は書き込まれませんでした。--prefer ours または --prefer theirs を指定すると、すべての競合でその側を採用します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from ours.</source>
        <translation>
            <numerusform>%n 個のフィールドが両側で変更されています: ours 側を採用しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) changed on both sides: taken from theirs.</source>
        <translation>
            <numerusform>%n 個のフィールドが両側で変更されています: theirs 側を採用しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1 (%2 bytes).</source>
        <translation>%1 を書き込みました (%2 バイト)。</translation>
    </message>
    <message>
        <source>%1 has no history that tells what it was before its saves: give --base FILE to compare it with the image it came from.</source>
        <translation>%1 には、保存前の状態がわかる履歴がありません。元になったイメージと比較するには --base FILE を指定してください。</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long, but %3 is %4: the images must have the same size. Nothing was written.</source>
        <translation>%1 は %2 バイトですが、%3 は %4 バイトです: イメージは同じサイズでなければなりません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them, so it is no image to merge. Nothing was written.</source>
        <translation>%1 には、エディタが読み取る形の道具テーブルと敵テーブルがないため、マージできるイメージではありません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1 does not hold the item and enemy tables as the editors read them (%2), so it is no image to merge. Nothing was written.</source>
        <translation>%1 には、エディタが読み取る形の道具テーブルと敵テーブルがない (%2) ため、マージできるイメージではありません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>cannot write %1: %2. Nothing was written.</source>
        <translation>%1 を書き込めません: %2。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot;: %3: base %4, ours %5, theirs %6, both taken %7</source>
        <translation>%1 &quot;%2&quot;: %3: base %4、ours %5、theirs %6、両方を取り込むと %7</translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict, so %1 was not written; --prefer ours or --prefer theirs takes one side for every conflict.</source>
        <translation>
            <numerusform>%n 個のフィールドまたは名前が競合しているため、%1 は書き込まれませんでした。--prefer ours または --prefer theirs を指定すると、すべての競合でその側を採用します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from ours.</source>
        <translation>
            <numerusform>%n 個のフィールドまたは名前が競合しています: ours 側を採用しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s) or name(s) in conflict: taken from theirs.</source>
        <translation>
            <numerusform>%n 個のフィールドまたは名前が競合しています: theirs 側を採用しました。</numerusform>
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
        <translation>使い方: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]
                            [--format text|csv|json|markdown]

IMAGE のフィールドと名前のうち、オリジナルと異なるものをすべて、テーブル順に
エントリごとに一覧します。示すのは保存の正味の結果なので、変更してから元に戻した
フィールドや、取り消された保存は一覧しません。オリジナルとは、履歴
IMAGE.history が最初に把握したときのイメージです。各バイトについて、そこに
入った最も古い保存がその位置で見つけた値です。何も書き込みません。

  --base FILE               代わりに FILE (同じサイズのイメージ) と比較します
  --table items|enemies     一方のテーブルのみ (既定: 両方)
  --format text             diff と同じ形式の行 (既定)
  --format csv|json         エントリ、名前、フィールド、元の値、現在の値、および
                            それを変更した保存
  --format markdown         プレイヤー向けのパッチノート (エディタの項目名で)

終了コード: 0 一覧を出力した (変更の有無を問わない)、1 IMAGE を読み込めない、
または履歴がなく --base も指定されていない、2 使い方の誤り。
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
        <translation>使い方: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]

どちらも BASE から始まった 2 つの作業系列 OURS と THEIRS を、新しいファイル OUT
にマージします。両テーブルのフィールドはフィールドごとに、各エントリの名前
テキストは 1 つの単位として、それ以外はビットごとにマージします。片側だけで
変更されたフィールド、または両側で同じ値に変更されたフィールドは、その値を採用
します。どちらか一方で変更されたビットも同様です。両側で異なる値に変更された
フィールドは競合です。競合はそれぞれ一覧され、OUT は書き込まれません。3 つの
イメージは同じサイズでなければなりません。OUT の横に履歴やバックアップは作成
しません。

  -o, --output OUT       マージしたイメージ。入力のいずれとも別のファイル
  --prefer ours|theirs   すべての競合でその側を採用し、OUT を書き込みます

終了コード: 0 書き込まれた、1 何も書き込まれなかった (競合がある、入力を読み
込めない、入力がイメージでないかサイズが異なる、または OUT を書き込めない)、
2 使い方の誤り。
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
        <translation>使い方: tolvane-cli COMMAND ARGUMENTS...

Tolvane エディタのコマンドライン版です。イメージの素性の表示、イメージの道具
テーブルと敵テーブルの CSV/JSON での入出力、名前のその場での書き換え、イメージ
間の差分、イメージのオリジナルからの変更点、2 つの作業系列のマージ、IPS と BPS
のパッチ、ユーザーのエミュレータでのイメージのプレイを扱います。

コマンド:
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

各コマンドの詳細は &apos;tolvane-cli COMMAND --help&apos; で表示します。import、rename、
undo は IMAGE にその場で書き込みます。最初の書き込みの前に IMAGE を IMAGE.bak
にコピーし、それぞれの保存を IMAGE.history に記録します。クラッシュで中断された
保存は、イメージに書き込む可能性のある次のオープンで修復されます。エディタの
オープン、またはテーブルを読み込むコマンドのうち info とドライラン以外のもの
です。info とドライランは報告するだけです。

終了コード:
  0  成功
  1  入力が無効、または出力を完全には書き込めなかった: 何も書き込まれなかった
  2  使い方の誤り
  3  一部だけ書き込まれた: 書き込みに失敗し、元に戻せなかった。メッセージを
     参照してください。バックアップ IMAGE.bak に元のイメージがあります
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
        <translation>使い方: tolvane-cli history IMAGE [--json]

IMAGE.history に記録された保存を古い順にすべて一覧します。番号、作成時刻
(ローカル時刻)、作成元 (editor、import、rename、undo)、および変更した各
フィールドを diff と同じ形式で示します。テーブル外のバイトはオフセットと個数で
示します。取り消された保存には、それを取り消した undo が示され、undo には、
それが取り消した保存が示されます。

  --json  オブジェクトの配列: number、time (ISO 8601)、command、state (done、
          rolled back、pending)、undoes、undone_by、changes (それぞれ entry、
          field、old、new、offset を持つ)

終了コード: 0 一覧を出力した、1 IMAGE またはその履歴を読み込めない、2 使い方の
誤り。
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
        <translation>使い方: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]

記録された保存が置き換えたバイトを元に戻し、その保存の取り消しとして記録される
新しい保存とします。--save がなければ、有効な保存のうち、それ自体が取り消しでは
ない最新のものを取り消します。--save N では保存 N を取り消します。取り消しを
取り消すと、それが取り消した内容をやり直します。戻すべきバイトのいずれかが、
その保存が書き込んだ値をもう保持していない場合 (後の保存または別のプログラムが
変更した場合) は拒否し、何も書き込みません。最初の書き込みの前に IMAGE を
IMAGE.bak にコピーします。

  --save N     保存 N を取り消します (番号は history の表示による)
  --dry-run    確認して変更を報告するだけで、何も書き込みません
  --no-backup  IMAGE.bak を作成しません

終了コード: 0 書き込まれた、1 何も書き込まれなかった、2 使い方の誤り、3 一部
だけ書き込まれた: 書き込みに失敗し、すでに書き込んだバイトをすべては元に戻せ
なかった。メッセージに現在の状態が示され、次のオープンで修復されます。
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
        <translation>使い方: tolvane-cli info IMAGE [--json]

IMAGE が何であるかを示し、何も書き込みません。サイズ、iNES ヘッダ (ある場合は
PRG ROM と CHR ROM、マッパー、ミラーリング、バッテリー、トレーナー、NES 2.0、
ファイルがヘッダの宣言どおりの長さかどうか)、ファイル全体および 16 バイトの
ヘッダを除いたファイルの CRC32 と SHA-1、そして各テーブルについて、ファイル内に
あるエントリの数、ファイル内を指す名前ポインタの数、表示可能なテキストである
名前の数を示します。

両テーブルのすべてのエントリがファイル内にあり、各テーブルの名前の 4 分の 3
以上が表示可能 (1 文字以上で、各文字が 0x20 から 0x7E) であれば、テーブルは
正常と判定します。
IMAGE.history に記録された、クラッシュで中断された保存は、エラー出力に報告され、
そのまま残されます。イメージに書き込む可能性のある次のオープンで修復されます。
ファイルを読み込めた場合、判定にかかわらず終了コードは 0 です。ただし、そのような
保存が途中で中断されていた場合は、そのエントリを示し、何も出力せず、終了コードは 1 です。

  --json  同じ情報を 1 つの JSON オブジェクトとして出力します
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
        <translation>使い方: tolvane-cli patch ORIGINAL MODIFIED -o OUT.ips|OUT.bps

ORIGINAL を MODIFIED に変えるパッチを作成します。形式は OUT の名前で決まります:
IPS、または BPS (両ファイルとパッチ自身の CRC32 も含みます)。IPS パッチでは
ファイルを 16 MiB 以上の長さに切り詰められないため、そのような MODIFIED には
BPS が必要です。OUT がデバイスの場合はそこに書き込み、FIFO の場合は拒否します。
それ以外の OUT は、パッチ全体を書き終えてから置き換えます。

終了コード: 0 書き込まれた、1 何も書き込まれなかった (ファイルを読み込めない、
パッチを作成できない、または OUT を完全には書き込めない: その一部も残らない)、
2 使い方の誤り。
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
        <translation>使い方: tolvane-cli apply PATCH IMAGE -o OUT

IPS または BPS のパッチを IMAGE に適用し、結果を OUT に書き込みます。途中で
切れているか破損しているパッチ、またはチェックサムが一致しない BPS パッチは
拒否され、何も書き込まれません。-o - を指定すると、結果は標準出力に出力され
ます。OUT がデバイスの場合はそこに書き込み、FIFO の場合は拒否します。それ以外の
OUT は、結果全体を書き終えてから置き換えます。

終了コード: 0 書き込まれた、1 何も書き込まれなかった (ファイルを読み込めない、
パッチが拒否された、または OUT を完全には書き込めない: その一部も残らない)、
2 使い方の誤り。
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
        <translation>使い方: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] [--no-backup]

TEXT を 1 つのエントリの名前として、名前ポインタが指す位置にその場で書き込み
ます。各文字はコード + 0x80 として格納されるため、書き込めるのはコード 0x00
から 0x7F だけです。新しい名前は古い名前より長くできません。短い名前は、古い
名前を終えていたバイトで終わり、その後ろの古いバイトはそのまま残ります。書き
込むのは異なるバイトだけで、道具テーブルと敵テーブルには一切書き込みません。

ほかのエントリが同じテキストやその一部を読んでいることがあります。それらを
先に一覧し、--shared を指定しない限り名前の変更は拒否されます。最初の書き込み
の前に、IMAGE をその横の IMAGE.bak にコピーします (古いものは上書きします)。

  --item N     名前を変える道具 (0 から 113)
  --enemy N    名前を変える敵 (0 から 120)
  --shared     テキストを共有するエントリの名前も変更します
  --dry-run    確認して報告するだけで、何も書き込みません
  --no-backup  IMAGE.bak を作成しません

終了コード: 0 書き込まれた、または書き込むものがない、1 何も書き込まれなかった、
2 使い方の誤り、3 一部だけ書き込まれた: 書き込みに失敗し、すでに書き込んだ
バイトをすべては元に戻せなかった。バックアップ IMAGE.bak (--no-backup 指定時を
除く) に元のイメージがあります。
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
        <translation>使い方: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]

IMAGE の 1 つのテーブルを CSV または JSON で書き出します。エントリごとに 1 行
または 1 オブジェクトで、インデックスとエディタが表示するすべてのフィールドを
含みます。-o がない場合、または -o - の場合、テーブルは標準出力に出力されます。
FILE がデバイスの場合はそこに書き込み、FIFO の場合は拒否します。それ以外の
FILE は、テーブル全体を書き終えてから置き換えます。

  --table items|enemies  テーブル (既定: items)
  --format csv|json      形式 (既定: FILE が .json で終われば json、ほかは csv)
  -o, --output FILE      FILE に書き込みます

終了コード: 0 書き込まれた、1 何も書き込まれなかった (IMAGE を読み込めない、
または出力を完全には書き込めない: システムの示す理由が表示され、FILE の一部も
残らない)、2 使い方の誤り。
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
        <translation>使い方: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]

export で作成した CSV または JSON のテーブル FILE の行を、エディタと同じ規則で
IMAGE に書き戻します。まずすべての行とセルを検査し、無効なものがあれば、各
エラーを ファイル:行:列 の形で報告し、何も書き込みません。書き込むのは異なる
フィールドだけです。名前は --names を指定したときだけ、rename コマンドの規則で
書き込みます: その場で、古い名前より長くなく、コード 0x00 から 0x7F で、道具
テーブルと敵テーブルには決して書き込みません。item_name 列は書き込みません。
最初の書き込みの前に、IMAGE をその横の IMAGE.bak にコピーします (古いものは
上書きします)。行はまとめて 1 つとして書き込まれます: 書き込みに失敗した場合や、
読み込んだ後に別のプログラムがエントリを変更した場合は、何も書き込まれません。

  --names      異なる名前を書き込みます
  --shared     --names と共に: 新しい名前が、そのテキストを読むほかのエントリも
               変更してよいものとします
  --dry-run    確認して変更を報告するだけで、何も書き込みません
  --no-backup  IMAGE.bak を作成しません

終了コード: 0 書き込まれた、または書き込むものがない、1 何も書き込まれなかった、
2 使い方の誤り、3 一部だけ書き込まれた: 書き込みに失敗し、すでに書き込んだ
バイトをすべては元に戻せなかった。メッセージに書き込まれたエントリとそうでない
エントリが示され、バックアップ IMAGE.bak (--no-backup 指定時を除く) に元の
イメージがあります。
</translation>
    </message>
    <message>
        <source>Usage: tolvane-cli diff IMAGE_A IMAGE_B

Lists the fields that differ, entry by entry, in both tables, then counts the bytes that
differ inside the tables and outside them.

Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.
</source>
        <translation>使い方: tolvane-cli diff IMAGE_A IMAGE_B

両テーブルで異なるフィールドをエントリごとに一覧し、続いてテーブル内とテーブル
外で異なるバイトの数を示します。

終了コード: 0 比較した、1 イメージを読み込めない、2 使い方の誤り。
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
        <translation>使い方: tolvane-cli play IMAGE [--print]

ディスク上にあるままの IMAGE でユーザーのエミュレータを起動し、すぐに戻ります。
エミュレータはそのまま単独で動き続けます。エミュレータは次の順に決まります: 変数
TOLVANE_EMULATOR のコマンドライン (%f がイメージを表し、%f がなければイメージが
最後の引数になります。ダブルクォートは空白を含む語をまとめます)、PATH 上で最初に
見つかったよく知られたエミュレータ、システムが .nes ファイルを開くアプリケーション
(それが Tolvane 自身でない場合)。クラッシュで中断された保存は先に修復されます。

  --print  実行するコマンドラインを表示し、何も実行しない
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
        <translation>使い方: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS
                          [--clamp] [--dry-run] [--no-backup]

Lua の式 EXPR が成り立つテーブルの各エントリ (--where がなければすべての
エントリ) に、Lua の代入 STATEMENTS を実行します。フィールドの名前は export の
列名と同じで、フラグは true または false です。index と name は読めますが
代入はできません:
  tolvane-cli edit my.nes --table enemies --where &quot;hp &lt; 100&quot; --set &quot;hp = hp * 3 // 2&quot;
整数でない値は最も近い整数に丸め、ちょうど中間なら偶数にします。範囲外の値、
数値でない値、存在しないフィールドがあるとバッチは止まり、エントリ、フィールド、
行を示します: 何も書き込まれません。そうでなければ、変更を 1 回の保存として
書き込み (1 回の undo で元に戻せます)、changes と同じ形で一覧にします。

  --table items|enemies  テーブル
  --where EXPR           変更するエントリ
  --set STATEMENTS       代入 (; または改行で区切ります)
  --clamp                範囲外の値を最も近い境界に収め、一覧にします
  --dry-run              確認して変更を報告するだけで、何も書き込みません
  --no-backup            IMAGE.bak を作成しません

終了コード: import と同じです。
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
        <translation>使い方: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]

Lua スクリプト FILE.lua を IMAGE の両方のテーブルに対して実行します: items と
enemies で、どちらもゲームがエントリを数えるとおり 0 から始まる添字を持ち、
各エントリには edit と同じ名前のフィールドがあります:
  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end
print は標準出力に書きます。スクリプトが使えるのは string、math、table、
utf8 ライブラリと安全な基本関数だけで、命令数の上限かメモリ上限を超えると
止められます。edit が代入を検査するのと同じく全体を検査してから、1 回の保存
として書き込み (1 回の undo で元に戻せます)、変更を changes と同じ形で一覧に
します。

  --clamp      範囲外の値を最も近い境界に収め、一覧にします
  --dry-run    確認して変更を報告するだけで、何も書き込みません
  --no-backup  IMAGE.bak を作成しません

終了コード: import と同じです。
</translation>
    </message>
</context>
<context>
    <name>CliWording</name>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>4 画面</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>iNES header:</source>
        <translation>iNES ヘッダ:</translation>
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
        <translation>マッパー:</translation>
    </message>
    <message>
        <source>Mirroring:</source>
        <translation>ミラーリング:</translation>
    </message>
    <message>
        <source>Battery:</source>
        <translation>バッテリー:</translation>
    </message>
    <message>
        <source>Trainer:</source>
        <translation>トレーナー:</translation>
    </message>
    <message>
        <source>NES 2.0:</source>
        <translation>NES 2.0:</translation>
    </message>
    <message>
        <source>Declared size:</source>
        <translation>宣言されたサイズ:</translation>
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
        <translation>CRC32 (ヘッダを除く):</translation>
    </message>
    <message>
        <source>SHA-1 without header:</source>
        <translation>SHA-1 (ヘッダを除く):</translation>
    </message>
    <message>
        <source>Items:</source>
        <translation>道具:</translation>
    </message>
    <message>
        <source>Enemies:</source>
        <translation>敵:</translation>
    </message>
    <message>
        <source>Tables look right:</source>
        <translation>テーブルは正常:</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n バイト</numerusform>
        </translation>
    </message>
    <message>
        <source>no error occurred</source>
        <translation>エラーは発生していません</translation>
    </message>
    <message>
        <source>unterminated object</source>
        <translation>オブジェクトが閉じられていません</translation>
    </message>
    <message>
        <source>missing name separator</source>
        <translation>名前の区切り文字がありません</translation>
    </message>
    <message>
        <source>unterminated array</source>
        <translation>配列が閉じられていません</translation>
    </message>
    <message>
        <source>missing value separator</source>
        <translation>値の区切り文字がありません</translation>
    </message>
    <message>
        <source>illegal value</source>
        <translation>不正な値です</translation>
    </message>
    <message>
        <source>invalid termination by number</source>
        <translation>数値による不正な終端です</translation>
    </message>
    <message>
        <source>illegal number</source>
        <translation>不正な数値です</translation>
    </message>
    <message>
        <source>invalid escape sequence</source>
        <translation>無効なエスケープシーケンスです</translation>
    </message>
    <message>
        <source>invalid UTF8 string</source>
        <translation>無効な UTF-8 文字列です</translation>
    </message>
    <message>
        <source>unterminated string</source>
        <translation>文字列が閉じられていません</translation>
    </message>
    <message>
        <source>object is missing after a comma</source>
        <translation>カンマの後にオブジェクトがありません</translation>
    </message>
    <message>
        <source>too deeply nested document</source>
        <translation>ドキュメントの入れ子が深すぎます</translation>
    </message>
    <message>
        <source>too large document</source>
        <translation>ドキュメントが大きすぎます</translation>
    </message>
    <message>
        <source>garbage at the end of the document</source>
        <translation>ドキュメントの末尾に余分なデータがあります</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>不明なエラーです</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>保存 %2 の %1</translation>
    </message>
    <message>
        <source>%1 (pending: the image held other bytes)</source>
        <translation>%1 (保留中: イメージに別のバイトがありました)</translation>
    </message>
    <message>
        <source>%1 (rolled back)</source>
        <translation>%1 (ロールバック済み)</translation>
    </message>
    <message>
        <source>%1 (pending)</source>
        <translation>%1 (保留中)</translation>
    </message>
    <message>
        <source>%1 (undone by %2)</source>
        <translation>%1 (保存 %2 で取り消し済み)</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one; quote the whole field and double the quote</source>
        <translation>引用符で始まらないフィールドの中に引用符があります。フィールド全体を引用符で囲み、中の引用符は二重にしてください</translation>
    </message>
    <message>
        <source>this quoted field is not closed</source>
        <translation>この引用符付きフィールドが閉じられていません</translation>
    </message>
    <message>
        <source>only a comma or the end of the line may follow a closing quote</source>
        <translation>閉じ引用符の後に置けるのはカンマか行末だけです</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the first line must name the columns: %1 or %2</source>
        <translation>1 行目には列名が必要です: %1 または %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no column of the %2 table</source>
        <translation>&quot;%1&quot; は %2 テーブルの列ではありません</translation>
    </message>
    <message>
        <source>the column %1 is named twice</source>
        <translation>列 %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>the column %1 is missing</source>
        <translation>列 %1 がありません</translation>
    </message>
    <message>
        <source>this line has %1 cells, but %2 columns are named</source>
        <translation>この行にはセルが %1 個ありますが、列名は %2 個です</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is given twice</source>
        <translation>キー &quot;%1&quot; が 2 回指定されています</translation>
    </message>
    <message>
        <source>&quot;table&quot; must be &quot;items&quot; or &quot;enemies&quot;</source>
        <translation>&quot;table&quot; は &quot;items&quot; または &quot;enemies&quot; でなければなりません</translation>
    </message>
    <message>
        <source>&quot;entries&quot; must be a list of objects</source>
        <translation>&quot;entries&quot; はオブジェクトのリストでなければなりません</translation>
    </message>
    <message>
        <source>each entry must be an object</source>
        <translation>各エントリはオブジェクトでなければなりません</translation>
    </message>
    <message>
        <source>the %1 is given twice</source>
        <translation>%1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>the %1 must be a number or a text</source>
        <translation>%1 は数値かテキストでなければなりません</translation>
    </message>
    <message>
        <source>%1: IPS offsets have 3 bytes, so the modified file may have at most 16 MiB; use a BPS patch</source>
        <translation>%1: IPS のオフセットは 3 バイトのため、変更後のファイルは最大 16 MiB までです。BPS パッチを使ってください</translation>
    </message>
    <message>
        <source>%1: the modified file is shorter than the original and 16 MiB or longer, a length that an IPS patch cannot cut the file to; use a BPS patch</source>
        <translation>%1: 変更後のファイルはオリジナルより短く、かつ 16 MiB 以上です。IPS パッチではファイルをこの長さに切り詰められません。BPS パッチを使ってください</translation>
    </message>
    <message>
        <source>%1: not an IPS patch: it does not start with &quot;PATCH&quot;. Nothing was written.</source>
        <translation>%1: IPS パッチではありません: &quot;PATCH&quot; で始まっていません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is cut short before its end marker &quot;EOF&quot; (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: パッチが終端マーカー &quot;EOF&quot; の前で途切れています (%3 バイト中 %2 バイト目)。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record header (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: パッチがレコードヘッダの途中で途切れています (%3 バイト中 %2 バイト目)。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a record&apos;s data (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: パッチがレコードのデータの途中で途切れています (%3 バイト中 %2 バイト目)。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is cut short inside a run record (at byte %2 of %3). Nothing was written.</source>
        <translation>%1: パッチが RLE レコードの途中で途切れています (%3 バイト中 %2 バイト目)。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch carries %2 unexpected bytes after its end marker. Nothing was written.</source>
        <translation>%1: パッチの終端マーカーの後に、予期しない %2 バイトがあります。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: not a BPS patch: it does not start with &quot;BPS1&quot;. Nothing was written.</source>
        <translation>%1: BPS パッチではありません: &quot;BPS1&quot; で始まっていません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is damaged or cut short: its own checksum does not match. Nothing was written.</source>
        <translation>%1: パッチが破損しているか途切れています: パッチ自身のチェックサムが一致しません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch&apos;s header is damaged. Nothing was written.</source>
        <translation>%1: パッチのヘッダが破損しています。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch names a result of %2 bytes; at most %3 are taken. Nothing was written.</source>
        <translation>%1: パッチが示す結果のサイズは %2 バイトですが、受け付けるのは最大 %3 バイトです。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch was made for another file: it expects %2 bytes with checksum %3, the file has %4 bytes with checksum %5. Nothing was written.</source>
        <translation>%1: このパッチは別のファイル用に作られています: 想定は %2 バイト、チェックサム %3 ですが、このファイルは %4 バイト、チェックサム %5 です。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: an action at byte %2 reaches outside the files. Nothing was written.</source>
        <translation>%1: パッチが破損しています: バイト %2 の操作がファイルの範囲外に及んでいます。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the patch is damaged: its actions build %2 of the %3 bytes it names. Nothing was written.</source>
        <translation>%1: パッチが破損しています: 操作で作られるのは、パッチが示す %3 バイトのうち %2 バイトだけです。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: the result does not match the patch&apos;s target checksum. Nothing was written.</source>
        <translation>%1: 結果がパッチのターゲットのチェックサムと一致しません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: not an IPS or BPS patch. Nothing was written.</source>
        <translation>%1: IPS パッチでも BPS パッチでもありません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>cannot read %1: it is %2 bytes long, more than the %3 bytes (%4 MiB) such a file may have</source>
        <translation>%1 を読み込めません: サイズが %2 バイトあり、この種のファイルの上限 %3 バイト (%4 MiB) を超えています</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: it is the file %2 that this command reads</source>
        <translation>%1 を書き込めません: このコマンドが読み込むファイル %2 そのものです</translation>
    </message>
    <message>
        <source>cannot write to the standard output: the stream failed</source>
        <translation>標準出力に書き込めません: ストリームでエラーが発生しました</translation>
    </message>
    <message>
        <source>cannot write to the standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>%1: %2 damaged bytes were skipped; the records around them are listed</source>
        <translation>%1: 破損した %2 バイトを読み飛ばしました。その前後の記録を一覧します</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>不明なコマンド &quot;%1&quot; です</translation>
    </message>
    <message>
        <source>the argument &quot;%1&quot; is not text in this system&apos;s encoding, so no file can be named by it exactly; rename the file, or run under a locale whose encoding its name is in</source>
        <translation>引数 &quot;%1&quot; はこのシステムのエンコーディングのテキストではないため、これでファイルを正確に指定することはできません。ファイル名を変更するか、その名前のエンコーディングを使うロケールで実行してください</translation>
    </message>
    <message>
        <source>wrong number of file names.
%1</source>
        <translation>ファイル名の数が正しくありません。
%1</translation>
    </message>
    <message>
        <source>--table takes items or enemies, not &quot;%1&quot;</source>
        <translation>--table には &quot;%1&quot; ではなく items または enemies を指定してください</translation>
    </message>
    <message>
        <source>--format takes csv or json, not &quot;%1&quot;</source>
        <translation>--format には &quot;%1&quot; ではなく csv または json を指定してください</translation>
    </message>
    <message>
        <source>--format takes text, csv, json or markdown, not &quot;%1&quot;</source>
        <translation>--format には &quot;%1&quot; ではなく text、csv、json、markdown のいずれかを指定してください</translation>
    </message>
    <message>
        <source>--prefer takes ours or theirs, not &quot;%1&quot;</source>
        <translation>--prefer には &quot;%1&quot; ではなく ours または theirs を指定してください</translation>
    </message>
    <message>
        <source>--save takes a save&apos;s number, not &quot;%1&quot;</source>
        <translation>--save には &quot;%1&quot; ではなく保存の番号を指定してください</translation>
    </message>
    <message>
        <source>give one entry: --item N or --enemy N</source>
        <translation>エントリを 1 つ指定してください: --item N または --enemy N</translation>
    </message>
    <message>
        <source>%1 takes a whole number from 0 to %2, not &quot;%3&quot;</source>
        <translation>%1 には &quot;%3&quot; ではなく 0 から %2 までの整数を指定してください</translation>
    </message>
    <message>
        <source>--shared goes with --names</source>
        <translation>--shared は --names と共に指定してください</translation>
    </message>
    <message>
        <source>-o must name a file ending in .ips or .bps</source>
        <translation>-o には .ips または .bps で終わるファイル名を指定してください</translation>
    </message>
    <message>
        <source>-o OUT names the file to write</source>
        <translation>書き込むファイルを -o OUT で指定してください</translation>
    </message>
    <message>
        <source>merge writes its image to a file: give -o OUT</source>
        <translation>merge はイメージをファイルに書き込みます: -o OUT を指定してください</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane-cli --help&apos; for usage.</source>
        <translation>%1
使い方は &apos;tolvane-cli --help&apos; で確認してください。</translation>
    </message>
    <message>
        <source>%1  (no changes)</source>
        <translation>%1  (変更なし)</translation>
    </message>
    <message>
        <source>No saves are recorded.</source>
        <translation>記録された保存はありません。</translation>
    </message>
    <message>
        <source>Save %1 would be undone; %2 would be written %3.</source>
        <translation>保存 %1 が取り消され、%2 が書き込まれることになります %3。</translation>
    </message>
    <message>
        <source>Save %1 undone; %2 written.</source>
        <translation>保存 %1 を取り消しました。%2 を書き込みました。</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n 個のエントリ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n field(s)</source>
        <translation>
            <numerusform>%n 個のフィールド</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 would be written %4.</source>
        <translation>%1、%2 が変更され、%3 が書き込まれることになります %4。</translation>
    </message>
    <message>
        <source>%1, %2 changed; %3 written.</source>
        <translation>%1、%2 を変更しました。%3 を書き込みました。</translation>
    </message>
    <message>
        <source>No changes: the image already holds every row.</source>
        <translation>変更はありません: イメージはすでにすべての行の内容を保持しています。</translation>
    </message>
    <message>
        <source>Every field of both tables is the same.</source>
        <translation>両テーブルのすべてのフィールドが同じです。</translation>
    </message>
    <message>
        <source>Changed bytes: %1 inside the tables, %2 outside them.</source>
        <translation>変更されたバイト: テーブル内 %1、テーブル外 %2。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>%1: &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message>
        <source>  shares the text: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</source>
        <translation>  テキストを共有: %1 &quot;%2&quot; -&gt; &quot;%3&quot;</translation>
    </message>
    <message numerus="yes">
        <source>its name text is shared with %n other entry(s) listed below; give --shared to change them too</source>
        <translation>
            <numerusform>名前テキストを、下に一覧するほかの %n 個のエントリと共有しています。それらも変更するには --shared を指定してください</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 would show &quot;%2&quot;; %3 would change %4.</source>
        <translation>%1 の表示は &quot;%2&quot; になり、%3 が変更されることになります %4。</translation>
    </message>
    <message>
        <source>%1 now shows &quot;%2&quot;; %3 changed.</source>
        <translation>%1 の表示は &quot;%2&quot; になりました。%3 を変更しました。</translation>
    </message>
    <message>
        <source>%1 now show &quot;%2&quot;; %3 changed.</source>
        <translation>%1 の表示は &quot;%2&quot; になりました。%3 を変更しました。</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 x %2 KiB (%3 bytes)</source>
        <translation>%1 x %2 KiB (%3 バイト)</translation>
    </message>
    <message>
        <source>%1 bytes, as the file holds</source>
        <translation>%1 バイト (ファイルの実サイズどおり)</translation>
    </message>
    <message>
        <source>%1 bytes, %2 more than the file holds</source>
        <translation>%1 バイト (ファイルの実サイズより %2 バイト多い)</translation>
    </message>
    <message>
        <source>%1 bytes, %2 fewer than the file holds</source>
        <translation>%1 バイト (ファイルの実サイズより %2 バイト少ない)</translation>
    </message>
    <message>
        <source>%1 of %2 entries inside the file, %3 name pointers into it, %4 printable names</source>
        <translation>ファイル内のエントリ %2 個中 %1 個、ファイル内を指す名前ポインタ %3 個、表示可能な名前 %4 個</translation>
    </message>
    <message>
        <source>no (%1)</source>
        <translation>いいえ (%1)</translation>
    </message>
    <message>
        <source>cannot write %1: it is a history of saves, which only the saves themselves write</source>
        <translation>%1 を書き込めません: 保存の履歴であり、保存そのものだけが書き込みます</translation>
    </message>
    <message>
        <source>cannot write %1: it is the history of the saves of %2, which only those saves write</source>
        <translation>%1 を書き込めません: %2 の保存の履歴であり、その保存だけが書き込みます</translation>
    </message>
    <message>
        <source>cannot write %1: it is the backup of %2, which only the saves of %2 replace</source>
        <translation>%1 を書き込めません: %2 のバックアップであり、%2 の保存だけが置き換えます</translation>
    </message>
    <message>
        <source>%1 does not hold the tables as the editors read them (%2), so it has no table to export. Nothing was written.</source>
        <translation>%1 には、エディタが読み取る形のテーブルがない (%2) ため、書き出せるテーブルがありません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>%1: record %2 reaches past the end of the image, so it belongs to another image or the image was cut short since; its bytes are left out of the original</source>
        <translation>%1: 記録 %2 はイメージの末尾を越えています。別のイメージのものか、その後イメージが切り詰められました。そのバイトはオリジナルに含めません</translation>
    </message>
</context>
<context>
    <name>EditorHelp</name>
    <message>
        <source>Edits the item and enemy tables of a game image in place.</source>
        <translation>ゲームイメージの道具テーブルと敵テーブルをその場で編集します。</translation>
    </message>
    <message>
        <source>The image to open, as if chosen in the open dialog. Put -- before a name that begins with -.</source>
        <translation>開くイメージ。開くダイアログで選んだ場合と同じように扱います。- で始まる名前の前には -- を置いてください。</translation>
    </message>
    <message>
        <source>Mark what differs from FILE, an image of the same size, instead of from the image&apos;s history.</source>
        <translation>イメージの履歴ではなく、同じサイズのイメージ FILE と異なる箇所を示します。</translation>
    </message>
</context>
<context>
    <name>EditorWindow</name>
    <message>
        <source>Save</source>
        <comment>the button</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save</source>
        <comment>a message&apos;s title</comment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Play-test</source>
        <comment>a message&apos;s title</comment>
        <translation>テストプレイ</translation>
    </message>
    <message>
        <source>The shown entry has edits that are not saved. The emulator plays the image as it stands on disk: save them first?</source>
        <translation>表示中のエントリに保存されていない編集があります。エミュレータはディスク上のイメージをそのままプレイします。先に保存しますか?</translation>
    </message>
    <message>
        <source>Play without them</source>
        <translation>保存せずにプレイ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save history of this entry…</source>
        <translation>このエントリの保存履歴…</translation>
    </message>
    <message>
        <source>Put back the original (%1)</source>
        <translation>元の値に戻す (%1)</translation>
    </message>
</context>
<context>
    <name>FieldCaption</name>
    <message>
        <source>pointer to name</source>
        <translation>名前ポインタ</translation>
    </message>
    <message>
        <source>Pointer to Name</source>
        <translation>名前ポインタ</translation>
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
        <translation>攻撃力</translation>
    </message>
    <message>
        <source>Offense</source>
        <translation>攻撃力</translation>
    </message>
    <message>
        <source>defense</source>
        <translation>防御力</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>防御力</translation>
    </message>
    <message>
        <source>fight</source>
        <translation>闘志</translation>
    </message>
    <message>
        <source>Fight</source>
        <translation>闘志</translation>
    </message>
    <message>
        <source>speed</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速さ</translation>
    </message>
    <message>
        <source>wisdom</source>
        <translation>賢さ</translation>
    </message>
    <message>
        <source>Wisdom</source>
        <translation>賢さ</translation>
    </message>
    <message>
        <source>strength</source>
        <translation>強さ</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>腕力</translation>
    </message>
    <message>
        <source>force</source>
        <translation>気力</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>気力</translation>
    </message>
    <message>
        <source>experience</source>
        <translation>経験値</translation>
    </message>
    <message>
        <source>Experience</source>
        <translation>経験値</translation>
    </message>
    <message>
        <source>money</source>
        <translation>お金</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>お金</translation>
    </message>
    <message>
        <source>item</source>
        <translation>道具</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>道具</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>名前ポインタ</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>装備/道具の強さ</translation>
    </message>
    <message>
        <source>effect out of battle</source>
        <translation>戦闘外の効果</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>戦闘外の効果</translation>
    </message>
    <message>
        <source>effect in battle</source>
        <translation>戦闘中の効果</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>戦闘中の効果</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>価格</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>価格</translation>
    </message>
    <message>
        <source>flags</source>
        <translation>フラグ</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>永続</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>食用</translation>
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
        <translation>名前</translation>
    </message>
</context>
<context>
    <name>PlayWording</name>
    <message>
        <source>To choose the emulator, open the Start menu, search for &quot;environment variables&quot;, choose &quot;Edit environment variables for your account&quot; and add %1 with its command line, %f where the image goes, for example:
%2</source>
        <translation>エミュレータを選ぶには、スタートメニューで「環境変数」を検索し、「アカウントの環境変数を編集」を選んで、%1 を追加し、その値にコマンドラインを、イメージの位置に %f を入れて設定してください。例:
%2</translation>
    </message>
    <message>
        <source>To choose the emulator, set %1 to its command line, %f where the image goes, for example in ~/.profile:
%2</source>
        <translation>エミュレータを選ぶには、%1 にそのコマンドラインを、イメージの位置に %f を入れて設定してください。例えば ~/.profile に:
%2</translation>
    </message>
    <message>
        <source>Cannot play %1: the variable %2 holds no command line, since a double quote in it is never closed.
%3</source>
        <translation>%1 をプレイできません: 変数 %2 の中のダブルクォートが閉じられていないため、コマンドラインになっていません。
%3</translation>
    </message>
    <message>
        <source>No emulator was found to play %1. Tolvane looked, in this order, for:</source>
        <translation>%1 をプレイするエミュレータが見つかりませんでした。Tolvane は次の順に探しました:</translation>
    </message>
    <message>
        <source>1. the variable %1: it is not set</source>
        <translation>1. 変数 %1: 設定されていません</translation>
    </message>
    <message>
        <source>2. these emulators on PATH: %1: none is there</source>
        <translation>2. PATH 上のこれらのエミュレータ: %1: どれもありません</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: there is none</source>
        <translation>3. このシステムで .nes ファイルを開くアプリケーション: ありません</translation>
    </message>
    <message>
        <source>3. the application this system opens .nes files with: it is %1, Tolvane itself</source>
        <translation>3. このシステムで .nes ファイルを開くアプリケーション: %1 で、Tolvane 自身です</translation>
    </message>
    <message>
        <source>Cannot start the emulator:
%1
%2.</source>
        <translation>エミュレータを起動できません:
%1
%2。</translation>
    </message>
</context>
<context>
    <name>TableChart</name>
    <message>
        <source>Select a numeric column, or two for a scatter.</source>
        <translation>数値の列を一つ選んでください。二つ選ぶと散布図になります。</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) in the order shown</source>
        <translation>
            <numerusform>表示順の %n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WindowWording</name>
    <message>
        <source>Cannot open file %1:
%2.</source>
        <translation>ファイル %1 を開けません:
%2。</translation>
    </message>
    <message>
        <source>%1 can only be read, so it is open for reading only. The editors show it, and every Save is refused.</source>
        <translation>%1 は読み取り専用のため、読み取り専用で開きました。エディタで表示はできますが、保存はすべて拒否されます。</translation>
    </message>
    <message>
        <source>The base %1 is %2 bytes long, but %3 is %4, so it cannot show what changed in this image. The editors mark no changes.</source>
        <translation>基準イメージ %1 は %2 バイトですが、%3 は %4 バイトのため、このイメージで何が変わったかを示せません。エディタは変更箇所を示しません。</translation>
    </message>
    <message>
        <source>Cannot open the base %1:
%2.
The editors mark no changes.</source>
        <translation>基準イメージ %1 を開けません:
%2。
エディタは変更箇所を示しません。</translation>
    </message>
    <message>
        <source>Tolvane opens one image at a time, so none of these was opened:
%1</source>
        <translation>Tolvane が一度に開けるイメージは 1 つだけのため、次のいずれも開きませんでした:
%1</translation>
    </message>
    <message>
        <source>%1
Run &apos;tolvane --help&apos; for usage.</source>
        <translation>%1
使い方は &apos;tolvane --help&apos; で確認してください。</translation>
    </message>
    <message>
        <source>Cannot read the item table.
%1</source>
        <translation>道具テーブルを読み込めません。
%1</translation>
    </message>
    <message>
        <source>Cannot read the enemy table.
%1</source>
        <translation>敵テーブルを読み込めません。
%1</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>Cannot read %1 at offset %2:
%3.</source>
        <translation>%1 のオフセット %2 を読み込めません:
%3。</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
%3.</source>
        <translation>%1 のオフセット %2 に書き込めません:
%3。</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset %2:
%3.</source>
        <translation>%1 をオフセット %2 で同期できません:
%3。</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset %2:
%3.</source>
        <translation>%1 のサイズを取得できません (オフセット %2):
%3。</translation>
    </message>
    <message>
        <source>Cannot %1 %2 at offset %3:
%4.</source>
        <translation>%2 のオフセット %3 で %1 を実行できません:
%4。</translation>
    </message>
    <message>
        <source>Cannot read %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 のオフセット -%2 を読み込めません: この位置はファイルの先頭より前です。</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 のオフセット -%2 に書き込めません: この位置はファイルの先頭より前です。</translation>
    </message>
    <message>
        <source>Cannot sync %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 をオフセット -%2 で同期できません: この位置はファイルの先頭より前です。</translation>
    </message>
    <message>
        <source>Cannot find the size of %1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 のサイズを取得できません (オフセット -%2): この位置はファイルの先頭より前です。</translation>
    </message>
    <message>
        <source>%1 at offset -%2: the position lies before the start of the file.</source>
        <translation>%1 (オフセット -%2): この位置はファイルの先頭より前です。</translation>
    </message>
    <message>
        <source>the name of %1</source>
        <translation>%1 の名前</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the parts of a list</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two parts of a list</comment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>part of %1</source>
        <translation>%1 の一部</translation>
    </message>
    <message>
        <source>the rest of %1</source>
        <translation>%1 の残り</translation>
    </message>
    <message>
        <source>cannot undo in %1: %2</source>
        <translation>%1 で取り消しを実行できません: %2</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>a field of an entry</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 の %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Already written, and kept in the file: %1.</source>
        <translation>すでに書き込まれ、ファイルに残っているもの: %1。</translation>
    </message>
    <message>
        <source>Saving %1 stopped at the %2.
%3
%4
Not written: %5.</source>
        <translation>%1 の保存は %2 で止まりました。
%3
%4
書き込まれていないもの: %5。</translation>
    </message>
    <message>
        <source>another program replaced, moved or deleted the image while its backup was made</source>
        <translation>バックアップの作成中に、別のプログラムがイメージを置き換えたか、移動したか、削除しました</translation>
    </message>
    <message>
        <source>Cannot make the backup %1 of %2:
%3.</source>
        <translation>%2 のバックアップ %1 を作成できません:
%3。</translation>
    </message>
    <message>
        <source>Cannot save %1.
%2
Nothing was written.</source>
        <translation>%1 を保存できません。
%2
何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>system error %1</source>
        <translation>システムエラー %1</translation>
    </message>
    <message>
        <source>it is a FIFO (a named pipe), not a file</source>
        <translation>ファイルではなく FIFO (名前付きパイプ) です</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>ファイルではなくソケットです</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>ファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>ファイルではなくパイプです</translation>
    </message>
    <message>
        <source>it is a directory, not a file</source>
        <translation>ファイルではなくディレクトリです</translation>
    </message>
    <message>
        <source>it is a link, which is never written through</source>
        <translation>リンクです。リンクを経由した書き込みは行いません</translation>
    </message>
    <message>
        <source>it is not a disk file</source>
        <translation>ディスク上のファイルではありません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot write to %1 at offset %2:
the file is open for reading only.</source>
        <translation>%1 のオフセット %2 に書き込めません:
ファイルは読み取り専用で開かれています。</translation>
    </message>
    <message>
        <source>%1 at offset %2: overflow, the offset is too large.</source>
        <translation>%1 (オフセット %2): オーバーフローです。オフセットが大きすぎます。</translation>
    </message>
    <message>
        <source>Write word at offset %1: overflow, %2 does not fit in 16 bits.</source>
        <translation>オフセット %1 へのワード書き込み: オーバーフローです。%2 は 16 ビットに収まりません。</translation>
    </message>
    <message>
        <source>Name pointer %1 lies before the start of the file.</source>
        <translation>名前ポインタ %1 はファイルの先頭より前を指しています。</translation>
    </message>
    <message>
        <source>Name at pointer %1: overflow, more than %2 characters.</source>
        <translation>ポインタ %1 の名前: オーバーフローです。%2 文字を超えています。</translation>
    </message>
    <message>
        <source>Bit string &quot;%1&quot;: overflow, the value does not fit in 32 bits.</source>
        <translation>ビット列 &quot;%1&quot;: オーバーフローです。値が 32 ビットに収まりません。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the file is open for reading only. Nothing was written.</source>
        <translation>%1 を %2 に保存できません:
ファイルは読み取り専用で開かれています。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was replaced on disk by another program after this entry was shown. Nothing was written.</source>
        <translation>%1 を %2 に保存できません:
このエントリを表示した後に、ディスク上のイメージが別のプログラムによって置き換えられました。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the image was deleted or moved away after it was opened. Nothing was written, and no file was made in its place.</source>
        <translation>%1 を %2 に保存できません:
イメージを開いた後に、イメージが削除または移動されました。何も書き込まれませんでした。その場所にファイルは作成していません。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
the entry lies at offsets %3 to %4, but the file is only %5 bytes long. Nothing was written.</source>
        <translation>%1 を %2 に保存できません:
エントリはオフセット %3 から %4 にありますが、ファイルは %5 バイトしかありません。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another program changed %1 in the file after it was shown. Nothing was written; %1 is shown again as the file now holds it.</source>
        <translation>%1 を %2 に保存できません:
表示した後に、別のプログラムがファイル内の %1 を変更しました。何も書き込まれませんでした。%1 を現在のファイルの内容で表示し直します。</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
another Tolvane program kept writing to the image for more than %3 seconds. Nothing was written.</source>
        <translation>%1 を %2 に保存できません:
別の Tolvane プログラムが %3 秒を超えてイメージへの書き込みを続けていました。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Cannot save %1: %2. Nothing was written.</source>
        <translation>%1 を保存できません: %2。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>Cannot save: there is no %1.</source>
        <translation>保存できません: %1 は存在しません。</translation>
    </message>
    <message>
        <source>Saving %1: every field was written, but %2</source>
        <translation>%1 の保存: すべてのフィールドを書き込みましたが、次のエラーが発生しました: %2</translation>
    </message>
    <message>
        <source>Cannot save %1 to %2:
%3. Nothing was written.</source>
        <translation>%1 を %2 に保存できません:
%3。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>the name pointer %1 has no offset in the file: pointers below 7FF0 lie before its start</source>
        <translation>名前ポインタ %1 に対応するファイル内のオフセットがありません: 7FF0 未満のポインタはファイルの先頭より前を指します</translation>
    </message>
    <message>
        <source>the name at pointer %1 runs on past %2 characters, the longest name the readers accept</source>
        <translation>ポインタ %1 の名前は、読み取り側が受け付ける最長の %2 文字を超えて続いています</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) runs past the end of the file, which is %3 bytes long</source>
        <translation>ポインタ %1 (オフセット %2) の名前は、長さ %3 バイトのファイルの末尾を越えています</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; (U+%2) at position %3 cannot be written: name text holds only the codes 0x00 to 0x7F</source>
        <translation>位置 %3 の文字 &quot;%1&quot; (U+%2) は書き込めません: 名前テキストに使えるのはコード 0x00 から 0x7F だけです</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 characters long, but the name it replaces at pointer %3, &quot;%4&quot;, is only %5: a new name may not be longer than the old one</source>
        <translation>&quot;%1&quot; は %2 文字ですが、置き換えるポインタ %3 の名前 &quot;%4&quot; は %5 文字しかありません: 新しい名前は古い名前より長くできません</translation>
    </message>
    <message>
        <source>the name at pointer %1 (offset %2) is no name text: writing &quot;%3&quot; would overwrite %4&apos;s record at %5</source>
        <translation>ポインタ %1 (オフセット %2) にあるのは名前テキストではありません: &quot;%3&quot; を書き込むと、%5 にある %4 のレコードを上書きしてしまいます</translation>
    </message>
    <message>
        <source>%1 is already given on line %2</source>
        <translation>%1 はすでに %2 行目で指定されています</translation>
    </message>
    <message>
        <source>there is no item %1; items run from 0 to %2</source>
        <translation>道具 %1 はありません。道具の番号は 0 から %2 までです</translation>
    </message>
    <message>
        <source>the name of %1 is not written; give --names to write it</source>
        <translation>%1 の名前は書き込まれません。書き込むには --names を指定してください</translation>
    </message>
    <message>
        <source>the name text of %1 is shared: writing &quot;%2&quot; would also change %3; give --shared to allow it</source>
        <translation>%1 の名前テキストは共有されています: &quot;%2&quot; を書き込むと %3 も変わります。許可するには --shared を指定してください</translation>
    </message>
    <message>
        <source>the name of %1 would read &quot;%2&quot; once the other names of this file are written, not &quot;%3&quot;</source>
        <translation>このファイルのほかの名前を書き込むと、%1 の名前は &quot;%3&quot; ではなく &quot;%2&quot; になってしまいます</translation>
    </message>
    <message>
        <source>%1 no longer holds what record %2 wrote: a later save or another program changed it</source>
        <translation>%1 は記録 %2 が書き込んだ値ではなくなっています: 後の保存または別のプログラムが変更しました</translation>
    </message>
    <message>
        <source>%1 no longer hold what record %2 wrote: a later save or another program changed them</source>
        <translation>%1 は記録 %2 が書き込んだ値ではなくなっています: 後の保存または別のプログラムが変更しました</translation>
    </message>
    <message>
        <source>its history holds no save left to undo</source>
        <translation>履歴に取り消せる保存が残っていません</translation>
    </message>
    <message>
        <source>its history has no record %1</source>
        <translation>履歴に記録 %1 がありません</translation>
    </message>
    <message>
        <source>record %1 never went in whole, so there is nothing of it to undo</source>
        <translation>記録 %1 は最後まで書き込まれなかったため、取り消すものがありません</translation>
    </message>
    <message>
        <source>the pointer to the name &quot;%1&quot; is not a hexadecimal number from 0 to FFFF</source>
        <translation>名前ポインタ &quot;%1&quot; は 0 から FFFF までの 16 進数ではありません</translation>
    </message>
    <message>
        <source>the pointer &quot;%1&quot; is not one to four hexadecimal digits</source>
        <translation>ポインタ &quot;%1&quot; は 1 〜 4 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <source>the %1 flag &quot;%2&quot; is neither 0 nor 1</source>
        <translation>%1 フラグ &quot;%2&quot; は 0 でも 1 でもありません</translation>
    </message>
    <message>
        <source>the index &quot;%1&quot; is not a whole number from 0 to %2</source>
        <translation>インデックス &quot;%1&quot; は 0 から %2 までの整数ではありません</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a number from 0 to %3</source>
        <translation>%1 の値 &quot;%2&quot; は 0 から %3 までの数値ではありません</translation>
    </message>
    <message>
        <source>cannot write the name of %1: %2</source>
        <translation>%1 の名前を書き込めません: %2</translation>
    </message>
    <message>
        <source>%1. Nothing was written.</source>
        <translation>%1。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>cannot rename %1 in %2: %3</source>
        <translation>%2 の %1 の名前を変更できません: %3</translation>
    </message>
    <message>
        <source>
Nothing was written.</source>
        <translation>
何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>cannot write to %1: another program changed %2 in it after this command read it. Nothing was written.</source>
        <translation>%1 に書き込めません: このコマンドが読み込んだ後に、別のプログラムがファイル内の %2 を変更しました。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>No backup was made.</source>
        <translation>バックアップは作成されていません。</translation>
    </message>
    <message>
        <source>The backup %1 holds the image as it was before this command.</source>
        <translation>バックアップ %1 に、このコマンドを実行する前のイメージがあります。</translation>
    </message>
    <message>
        <source>%1
Every write of this command is in %2, but the system may not have it on disk.
%3</source>
        <translation>%1
このコマンドの書き込みはすべて %2 に反映されていますが、システムがまだディスクに書き出していない可能性があります。
%3</translation>
    </message>
    <message>
        <source>%1
%2 is written in part.
Written: %3.
Not written: %4.
%5</source>
        <translation>%1
%2 は一部だけ書き込まれています。
書き込まれたもの: %3。
書き込まれていないもの: %4。
%5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>its history %1 cannot be made: that name is %2 bytes long, longer than this file system allows, and the history&apos;s name is the image&apos;s with &quot;.history&quot; added; rename the image to a name at least 8 bytes shorter than the longest this file system allows (most allow 255)</source>
        <translation>履歴 %1 を作成できません: その名前は %2 バイトで、このファイルシステムで使える長さを超えています。履歴の名前はイメージの名前に &quot;.history&quot; を付けたものです。イメージの名前を、このファイルシステムで使える最長の名前より 8 バイト以上短くしてください (ほとんどの場合、最長は 255 バイトです)</translation>
    </message>
    <message>
        <source>its history %1 cannot be written: %2</source>
        <translation>履歴 %1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>its history %1 cannot be read: %2</source>
        <translation>履歴 %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a Tolvane history, so it is left as it is</source>
        <translation>%1 は Tolvane の履歴ではないため、そのままにしています</translation>
    </message>
    <message>
        <source>its history %1 was written by a newer version of Tolvane (history version %2)</source>
        <translation>履歴 %1 は新しいバージョンの Tolvane で書き込まれています (履歴バージョン %2)</translation>
    </message>
    <message>
        <source>its history %1 is of history version %2, which this version of Tolvane does not read, so it is left as it is</source>
        <translation>履歴 %1 は履歴バージョン %2 で、このバージョンの Tolvane では読み込めないため、そのままにしています</translation>
    </message>
    <message>
        <source>no entry</source>
        <translation>エントリなし</translation>
    </message>
    <message>
        <source>this command only reads the image; any command that writes it, or the editor, puts it right</source>
        <translation>このコマンドはイメージを読み込むだけです。イメージに書き込むコマンドか、エディタで修復されます</translation>
    </message>
    <message>
        <source>the image can only be read; open it where it can be written to put it right</source>
        <translation>イメージは読み取り専用です。修復するには、書き込みできる場所で開いてください</translation>
    </message>
    <message>
        <source>another Tolvane program kept writing to the image for more than %1 seconds; once it is done, open the image again</source>
        <translation>別の Tolvane プログラムが %1 秒を超えてイメージへの書き込みを続けていました。それが終わったら、イメージを開き直してください</translation>
    </message>
    <message>
        <source>%1; once that is mended, open the image again to put it right</source>
        <translation>%1。それを解決したら、イメージを開き直して修復してください</translation>
    </message>
    <message>
        <source>the image</source>
        <translation>イメージ</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short after its last write: it stands whole, as saved.</source>
        <translation>%1 の保存 (記録 %2: %3) は最後の書き込みの後で中断されました: 保存したとおりにすべて反映されています。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short before its first write: the image is as it was before it.</source>
        <translation>%1 の保存 (記録 %2: %3) は最初の書き込みの前に中断されました: イメージは保存前のままです。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 is as it was before it.</source>
        <translation>%1 の保存 (記録 %2: %3) は途中で中断されました: 書き込まれていたバイトを元に戻したので、%4 は保存前のままです。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway: the bytes it had written were put back, so %4 are as they were before it.</source>
        <translation>%1 の保存 (記録 %2: %3) は途中で中断されました: 書き込まれていたバイトを元に戻したので、%4 は保存前のままです。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short, and the image now holds other bytes there, or the record reaches past its end: another program changed it, or the history belongs to another image. Nothing was written.</source>
        <translation>%1 の保存 (記録 %2: %3) は中断されましたが、イメージのその位置には現在別のバイトがあるか、記録がイメージの末尾を越えています: 別のプログラムが変更したか、履歴が別のイメージのものです。何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway. It is left as it is: %4.</source>
        <translation>%1 の保存 (記録 %2: %3) は途中で中断されました。そのままにしています: %4。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short. It is left as it is: %4.</source>
        <translation>%1 の保存 (記録 %2: %3) は中断されました。そのままにしています: %4。</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, %5 would read neither as before the save nor as saved, so the tables are not read.</source>
        <translation>%1 の保存 (記録 %2: %3) は途中で中断され、今は修復できません: %4。修復されるまでは %5 が保存前の状態とも保存後の状態とも異なって読めてしまうため、テーブルは読み込みません。</translation>
    </message>
    <message>
        <source>nothing was written to %1.</source>
        <translation>%1 には何も書き込まれませんでした。</translation>
    </message>
    <message>
        <source>(dry run: nothing was written)</source>
        <translation>(ドライラン: 何も書き込まれませんでした)</translation>
    </message>
    <message>
        <source>%1 of its %2 entries lie inside the file</source>
        <translation>ファイル内にあるエントリは %2 個中 %1 個</translation>
    </message>
    <message>
        <source>%1 of its %2 names are printable, fewer than %3</source>
        <translation>表示可能な名前は %2 個中 %1 個で、%3 個に満たない</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a table, and why it does not look like the game&apos;s</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>、</translation>
    </message>
    <message>
        <source>The save of %1 (record %2: %3) was cut short halfway, and it cannot be put right now: %4. Until it is, the image holds only part of it, so the tables are not read.</source>
        <translation>%1 の保存 (記録 %2: %3) は途中で中断され、今は修復できません: %4。修復されるまではイメージにその一部しか含まれないため、テーブルは読み込みません。</translation>
    </message>
    <message>
        <source>As before the save: %1.</source>
        <translation>保存前のまま: %1。</translation>
    </message>
    <message>
        <source>As saved: %1.</source>
        <translation>保存後の状態: %1。</translation>
    </message>
    <message>
        <source>the %1 &quot;%2&quot; is not a whole number from 0 to %3 in decimal digits</source>
        <translation>%1 の値 &quot;%2&quot; は 0 から %3 までの 10 進数字だけの整数ではありません</translation>
    </message>
    <message>
        <source>save %1 no longer stands: undo %2 took it back</source>
        <translation>保存 %1 はもう反映されていません: 取り消し %2 がそれを取り消しました</translation>
    </message>
    <message>
        <source>its history %1 already holds record %2, the highest number a record can have, so no save can be recorded after it</source>
        <translation>履歴 %1 にはすでに記録 %2 があり、これは記録が取れる最大の番号のため、この後に保存を記録できません</translation>
    </message>
</context>
<context>
    <name>frmEnemy</name>
    <message>
        <source>Enemy Editor</source>
        <translation>敵エディタ</translation>
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
        <translation>攻撃力:</translation>
    </message>
    <message>
        <source>Defense:</source>
        <translation>防御力:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>種類:</translation>
    </message>
    <message>
        <source>Human</source>
        <translation>人間</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>動物</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>&lt;unknown&gt;</source>
        <translation>&lt;不明&gt;</translation>
    </message>
    <message>
        <source>Undead</source>
        <translation>不死</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>乗り物</translation>
    </message>
    <message>
        <source>Fight:</source>
        <translation>闘志:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速さ:</translation>
    </message>
    <message>
        <source>Wisdom:</source>
        <translation>賢さ:</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>腕力:</translation>
    </message>
    <message>
        <source>Force:</source>
        <translation>気力:</translation>
    </message>
    <message>
        <source>Experience:</source>
        <translation>経験値:</translation>
    </message>
    <message>
        <source>Money:</source>
        <translation>お金:</translation>
    </message>
    <message>
        <source>Item:</source>
        <translation>道具:</translation>
    </message>
    <message>
        <source>Pointer to Name:</source>
        <translation>名前ポインタ:</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(16進 +- 0x7FF0)</translation>
    </message>
    <message>
        <source>&lt;nothing&gt;</source>
        <translation>&lt;なし&gt;</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Save History</source>
        <translation>保存履歴</translation>
    </message>
    <message>
        <source>&amp;Entry:</source>
        <translation>エントリ(&amp;E):</translation>
    </message>
    <message>
        <source>every entry, or one such as &quot;enemy 12&quot;</source>
        <translation>すべてのエントリ、または &quot;enemy 12&quot; のような 1 つのエントリ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Made by</source>
        <translation>作成元</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Entries changed</source>
        <translation>変更されたエントリ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>取り消し(&amp;U)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>editor</source>
        <translation>エディタ</translation>
    </message>
    <message>
        <source>import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>rename</source>
        <translation>名前変更</translation>
    </message>
    <message>
        <source>undo of save %1</source>
        <translation>保存 %1 の取り消し</translation>
    </message>
    <message>
        <source>undone by save %1</source>
        <translation>保存 %1 で取り消し済み</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>rolled back</source>
        <translation>ロールバック済み</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>中断</translation>
    </message>
    <message>
        <source>No save has been recorded for this image yet.</source>
        <translation>このイメージにはまだ保存が記録されていません。</translation>
    </message>
    <message>
        <source>No save changed %1.</source>
        <translation>%1 を変更した保存はありません。</translation>
    </message>
    <message>
        <source>(no changes)</source>
        <translation>(変更なし)</translation>
    </message>
    <message>
        <source>This save undid save %1.</source>
        <translation>この保存は保存 %1 を取り消しました。</translation>
    </message>
    <message>
        <source>Save %1 undid this save.</source>
        <translation>保存 %1 がこの保存を取り消しました。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消し</translation>
    </message>
    <message>
        <source>edit</source>
        <translation>一括編集</translation>
    </message>
    <message>
        <source>script</source>
        <translation>スクリプト</translation>
    </message>
</context>
<context>
    <name>frmItem</name>
    <message>
        <source>Item Editor</source>
        <translation>道具エディタ</translation>
    </message>
    <message>
        <source>Pointer to name</source>
        <translation>名前ポインタ</translation>
    </message>
    <message>
        <source>(hex +- 0x7FF0)</source>
        <translation>(16進 +- 0x7FF0)</translation>
    </message>
    <message>
        <source>Equippable/Item strength</source>
        <translation>装備/道具の強さ</translation>
    </message>
    <message>
        <source>0 = non-equip</source>
        <translation>0 = 装備不可</translation>
    </message>
    <message>
        <source>Effect out of battle</source>
        <translation>戦闘外の効果</translation>
    </message>
    <message>
        <source>Effect in battle</source>
        <translation>戦闘中の効果</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>価格</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>永続</translation>
    </message>
    <message>
        <source>Edible</source>
        <translation>食用</translation>
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
        <translation>ROMを開く</translation>
    </message>
    <message>
        <source>Open ROM...</source>
        <translation>ROMを開く...</translation>
    </message>
    <message>
        <source>The stuff</source>
        <translation>各種ツール</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>道具エディタ</translation>
    </message>
    <message>
        <source>Enemy Editor</source>
        <translation>敵エディタ</translation>
    </message>
    <message>
        <source>PSI Editor</source>
        <translation>PSIエディタ</translation>
    </message>
    <message>
        <source>Misc. Text Editor</source>
        <translation>その他テキスト編集</translation>
    </message>
    <message>
        <source>Quessa Rom Files (%1)</source>
        <translation>Quessa ROM ファイル (%1)</translation>
    </message>
    <message>
        <source>Play-test</source>
        <translation>テストプレイ</translation>
    </message>
    <message>
        <source>Save History</source>
        <translation>保存履歴</translation>
    </message>
    <message>
        <source>Item Table</source>
        <translation>道具の表</translation>
    </message>
    <message>
        <source>Enemy Table</source>
        <translation>敵の表</translation>
    </message>
</context>
<context>
    <name>frmTable</name>
    <message>
        <source>&amp;Filter:</source>
        <translation>絞り込み(&amp;F):</translation>
    </message>
    <message>
        <source>Part of a name</source>
        <translation>名前の一部</translation>
    </message>
    <message>
        <source>Chart as a &amp;line</source>
        <translation>折れ線で表示(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Put Back the &amp;Original</source>
        <translation>元の値に戻す(&amp;O)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message numerus="yes">
        <source>%n entry(s) with unsaved changes. Save them before closing?</source>
        <translation>
            <numerusform>%n 件の項目に未保存の変更があります。閉じる前に保存しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 keeps its value: %2.</source>
        <translation>%1 の値は変わりません: %2。</translation>
    </message>
    <message>
        <source>line %1, cell %2 of the pasted text</source>
        <translation>貼り付けたテキストの %1 行目、%2 番目のセル</translation>
    </message>
    <message>
        <source>it goes past the last row or column shown</source>
        <translation>表示されている最後の行または列を越えます</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was pasted. At %1, %2.</source>
        <translation>何も貼り付けられませんでした。%1: %2。</translation>
    </message>
    <message numerus="yes">
        <source>Save (%n)</source>
        <translation>
            <numerusform>保存 (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Where:</source>
        <translation>条件(&amp;W):</translation>
    </message>
    <message>
        <source>A Lua expression: hp &gt; 500 and experience &lt; 100</source>
        <translation>Lua の式: hp &gt; 500 and experience &lt; 100</translation>
    </message>
    <message>
        <source>S&amp;et:</source>
        <translation>代入(&amp;E):</translation>
    </message>
    <message>
        <source>Lua assignments to every row shown: hp = hp * 3 // 2</source>
        <translation>表示中の各行への Lua の代入: hp = hp * 3 // 2</translation>
    </message>
    <message>
        <source>&amp;Clamp</source>
        <translation>範囲内に収める(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>Nothing was changed. %1</source>
        <translation>何も変更されませんでした。%1</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) clamped to the field&apos;s range:</source>
        <translation>
            <numerusform>%n 個の値をフィールドの範囲内に収めました:</numerusform>
        </translation>
    </message>
</context>
</TS>
