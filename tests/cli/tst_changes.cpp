// What changed against an image's original, and two lines of work merged field by field.
#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "items/itemrecord.h"
#include "rom/historyfile.h"
#include "support/testsupport.h"
#include "tables/tablerows.h"
#include "wording/wording.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const RecordField& fieldOf(const TableFormat& f, const char* key) {
    for (const RecordField& field : f.fields)
        if (qstrcmp(field.key, key) == 0)
            return field;
    qFatal("no field %s", key);
}

qint32 valueIn(const QByteArray& image, const TableFormat& f, int index, const char* key) {
    return fieldOf(f, key).valueIn(image.mid(f.entryOffset(index), f.size));
}

// Another program's edit: the field's bits set in the bytes, the rest kept.
void setField(QByteArray& image, const TableFormat& f, int index, const char* key, qint32 value) {
    QByteArray entry = image.mid(f.entryOffset(index), f.size);
    fieldOf(f, key).put(value, &entry);
    image.replace(f.entryOffset(index), f.size, entry);
}

// The editor's Save of one field of an entry.
void save(const QString& path, const TableFormat& f, int index, const char* key,
          const QString& value) {
    auto rom = *OpenRomImage(path);
    QStringList row = ExportRows(*rom, &f).at(index);
    const QList<Column>& columns = Columns(&f);
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].name == QLatin1String(key))
            row[k] = value;
    const Outcome saved = SaveEntry(*rom, f, index, FormFromRow(&f, row, false), {});
    if (saved.failed())
        qFatal("%s", qPrintable(SaveText(saved)));
}

// Texts for the rows: QString::fromUtf8 under a short name.
QString L(const char* text) {
    return QString::fromUtf8(text);
}
QStringList Ls(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list << L(t);
    return list;
}

QString sibling(const QString& path, const QString& name) {
    return QFileInfo(path).dir().filePath(name);
}

// A save of four bytes of each of enemies 2, 5 and 8 that a kill cut short after `landed` of
// them: its record, begun and never marked, and those bytes in the image.
void tearSave(const QString& path, int landed) {
    auto rom = *OpenRomImage(path);
    HistoryFile history(*rom);
    if (history.open().failed())
        qFatal("cannot open the history of %s", qPrintable(path));
    HistoryRecord record{.number = 1, .time = 1765267200000, .utcOffset = 0, .ranges = {}};
    for (const int enemy : {2, 5, 8}) {
        const qint64 at = EnemyFormat.entryOffset(enemy) + 0x0B; // fight to strength
        QByteArray after = rom->bytes(at, 4);
        for (char& c : after)
            c = char(c ^ 0x11);
        record.ranges.push_back({at, rom->bytes(at, 4), after});
    }
    if (history.append(EncodeRecord(record)).failed())
        qFatal("cannot append to the history of %s", qPrintable(path));
    QByteArray bytes = FileBytes(path);
    for (const HistoryRange& range : record.ranges)
        for (qsizetype k = 0; k < range.after.size() && landed > 0; ++k, --landed)
            bytes[range.offset + k] = range.after[k];
    if (!WriteFileBytes(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class tst_Changes : public QObject {
    Q_OBJECT

private slots:
    void netEffect_data();
    void netEffect();
    void againstBase();
    void formats();
    void merge_data();
    void merge();
    void mergeRefused_data();
    void mergeRefused();
    void mergeOverlapping_data();
    void mergeOverlapping();
    void cutShortNamesTorn_data();
    void cutShortNamesTorn();
    void tornUnmendable_data();
    void tornUnmendable();
    void namesReachATerminalEscaped_data();
    void namesReachATerminalEscaped();
};

void tst_Changes::netEffect_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("listed"); // the text format's lines, joined by '|'
    QTest::addColumn<QString>("saves");  // the JSON saves of the first change

    QTest::newRow("two saves of one field: one change, both saves")
        << Ls({"enemy 2 hp 700", "enemy 2 hp 777"}) << L("enemy 2: hp 777") << L("1 2");
    QTest::newRow("changed and changed back: nothing")
        << Ls({"enemy 2 hp 700", "enemy 2 hp ORIGINAL"}) << L("") << L("");
    QTest::newRow("an undone save is gone")
        << Ls({"item 4 cost 4321", "enemy 2 hp 777", "undo"}) << L("item 4: cost 4321") << L("1");
    QTest::newRow("a rename is a change of the name")
        << Ls({"rename item 3 Ab", "enemy 2 hp 777"}) << L("item 3: name Ab|enemy 2: hp 777")
        << L("1");
    QTest::newRow("an undo of an undo brings it back")
        << Ls({"item 4 cost 4321", "undo", "undo 2"}) << L("item 4: cost 4321") << L("1 2 3");
}

void tst_Changes::netEffect() {
    QFETCH(QStringList, steps);
    QFETCH(QString, listed);
    QFETCH(QString, saves);
    ImageOnDisk disk(MakeDemoImage(5));
    const QByteArray clean = disk.bytes();
    for (const QString& step : steps) {
        const QStringList w = step.split(QLatin1Char(' '));
        if (w[0] == QLatin1String("undo")) {
            QStringList args{QStringLiteral("undo"), disk.path()};
            if (w.size() > 1)
                args << QStringLiteral("--save") << w[1];
            QCOMPARE(RunTool(args).code, 0);
        } else if (w[0] == QLatin1String("rename")) {
            QCOMPARE(RunTool({QStringLiteral("rename"), disk.path(), QStringLiteral("--") + w[1],
                              w[2], w[3]})
                         .code,
                     0);
        } else {
            const TableFormat& f = w[0] == QLatin1String("item") ? ItemFormat : EnemyFormat;
            const QString value =
                w[3] == QLatin1String("ORIGINAL")
                    ? QString::number(valueIn(clean, f, w[1].toInt(), qPrintable(w[2])))
                    : w[3];
            save(disk.path(), f, w[1].toInt(), qPrintable(w[2]), value);
        }
    }
    const CliRun text = RunTool({QStringLiteral("changes"), disk.path()});
    QCOMPARE(text.code, 0);
    const CliRun json =
        RunTool({QStringLiteral("changes"), disk.path(), QStringLiteral("--format"), L("json")});
    const QJsonArray list = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QStringList got;
    for (const QJsonValue& v : list) {
        const QJsonObject o = v.toObject();
        got << QStringLiteral("%1: %2 %3")
                   .arg(o[L("entry")].toString(), o[L("field")].toString(),
                        o[L("current")].toVariant().toString());
    }
    QCOMPARE(got.join(QLatin1Char('|')), listed);
    QStringList numbers;
    for (const QJsonValue& n : list.at(0).toObject()[L("saves")].toArray())
        numbers << QString::number(n.toInt());
    QCOMPARE(numbers.join(QLatin1Char(' ')), saves);
    // The text lines are diff's: the same as against a copy of the image before every save.
    ImageOnDisk before(clean, QStringLiteral("clean.nes"));
    const CliRun diff = RunTool({QStringLiteral("diff"), before.path(), disk.path()});
    QStringList diffLines = diff.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    diffLines.removeLast(); // the byte count
    // diff names an entry as its first image does, changes as the image does now.
    if (listed.isEmpty())
        QCOMPARE(text.out, QStringLiteral("Every field and name is as in the original.\n"));
    else if (!listed.contains(QLatin1String("name")))
        QCOMPARE(text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), diffLines);
    else
        QVERIFY2(text.out.startsWith(QLatin1String("item 3 \"Ab\": name \"")),
                 qPrintable(text.out));
}

void tst_Changes::againstBase() {
    ImageOnDisk disk(MakeDemoImage(5));
    const QString base = sibling(disk.path(), QStringLiteral("base.nes"));
    PutFile(base, disk.bytes());
    // Another program's change, which no history records.
    QByteArray edited = disk.bytes();
    const qint32 was = valueIn(edited, EnemyFormat, 12, "hp");
    setField(edited, EnemyFormat, 12, "hp", 1000);
    QVERIFY(WriteFileBytes(disk.path(), edited));

    const CliRun unknown = RunTool({QStringLiteral("changes"), disk.path()});
    QCOMPARE(unknown.code, 1);
    QVERIFY2(unknown.err.contains(QLatin1String("--base")), qPrintable(unknown.err));
    QVERIFY(!QFileInfo::exists(disk.path() + QStringLiteral(".history")));

    const CliRun csv = RunTool({QStringLiteral("changes"), disk.path(), QStringLiteral("--base"),
                                base, QStringLiteral("--format"), QStringLiteral("csv")});
    QCOMPARE(csv.code, 0);
    const QString name = ExportRows(*disk.open(), &EnemyFormat).at(12).at(1);
    QCOMPARE(csv.out, QStringLiteral("entry,name,field,original,current,saves\r\n"
                                     "enemy 12,%1,hp,%2,1000,\r\n")
                          .arg(name)
                          .arg(was));
    QCOMPARE(FileBytes(disk.path()), edited); // written nothing

    PutFile(base, disk.bytes().left(1000));
    const CliRun shorter =
        RunTool({QStringLiteral("changes"), disk.path(), QStringLiteral("--base"), base});
    QCOMPARE(shorter.code, 1);
    QVERIFY2(shorter.err.contains(QLatin1String("same size")), qPrintable(shorter.err));
}

void tst_Changes::formats() {
    ImageOnDisk disk(MakeDemoImage(5));
    const qint32 was = valueIn(disk.bytes(), EnemyFormat, 12, "hp");
    save(disk.path(), EnemyFormat, 12, "hp", QStringLiteral("1000"));
    save(disk.path(), ItemFormat, 4, "ninten",
         valueIn(disk.bytes(), ItemFormat, 4, "ninten") ? L("0") : L("1"));
    const CliRun md =
        RunTool({QStringLiteral("changes"), disk.path(), QStringLiteral("--format"),
                 QStringLiteral("markdown"), QStringLiteral("--table"), QStringLiteral("enemies")});
    QCOMPARE(md.code, 0);
    const QString name = ExportRows(*disk.open(), &EnemyFormat).at(12).at(1);
    QCOMPARE(md.out, QStringLiteral("# Changes\n\n## Enemies\n\n### %1 (enemy 12)\n\n"
                                    "- HP: %2 → 1000\n")
                         .arg(name)
                         .arg(was));
    const CliRun all = RunTool({QStringLiteral("changes"), disk.path(), QStringLiteral("--format"),
                                QStringLiteral("markdown")});
    QVERIFY2(all.out.contains(QLatin1String("- Ninten: ")), qPrintable(all.out));
    QVERIFY(all.out.indexOf(QLatin1String("## Items")) <
            all.out.indexOf(QLatin1String("## Enemies")));

    // A save cut short halfway leaves entries that are neither: refused, and nothing written.
    const QByteArray before = disk.bytes();
    CutShortSave(disk.path(), EnemyFormat.entryOffset(3), QByteArray(4, '\x55'), 2);
    const QByteArray torn = disk.bytes();
    QCOMPARE(RunTool({QStringLiteral("changes"), disk.path()}).code, 1);
    QCOMPARE(disk.bytes(), torn);
}

void tst_Changes::merge_data() {
    // Edits are "table index field value"; `expected` lists "index field value" in OUT.
    QTest::addColumn<QStringList>("ours");
    QTest::addColumn<QStringList>("theirs");
    QTest::addColumn<QString>("prefer");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("conflicts"); // the fields listed, '|' between

    QTest::newRow("two fields of one entry") << Ls({"3 hp 900"}) << Ls({"3 speed 50"}) << L("") << 0
                                             << Ls({"3 hp 900", "3 speed 50"}) << L("");
    QTest::newRow("a kept bit beside a changed field")
        << Ls({"3 hp 900"}) << Ls({"3 highbit 1"}) << L("") << 0 << Ls({"3 hp 900", "3 highbit 1"})
        << L("");
    QTest::newRow("the same change on both sides")
        << Ls({"3 hp 900", "5 money 7"}) << Ls({"3 hp 900"}) << L("") << 0
        << Ls({"3 hp 900", "5 money 7"}) << L("");
    QTest::newRow("a conflict writes nothing")
        << Ls({"3 hp 900", "4 pp 1"}) << Ls({"3 hp 902", "4 pp 1"}) << L("") << 1 << Ls({})
        << L("hp: base BASE, ours 900, theirs 902");
    QTest::newRow("--prefer ours")
        << Ls({"3 hp 900", "6 fight 1"}) << Ls({"3 hp 902", "6 fight 2", "7 force 9"}) << L("ours")
        << 0 << Ls({"3 hp 900", "6 fight 1", "7 force 9"})
        << L("hp: base BASE, ours 900, theirs 902|fight");
    QTest::newRow("--prefer theirs")
        << Ls({"3 hp 900"}) << Ls({"3 hp 902"}) << L("theirs") << 0 << Ls({"3 hp 902"})
        << L("hp: base BASE, ours 900, theirs 902");
}

void tst_Changes::merge() {
    QFETCH(QStringList, ours);
    QFETCH(QStringList, theirs);
    QFETCH(QString, prefer);
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    QFETCH(QString, conflicts);
    ImageOnDisk disk(MakeDemoImage(5), QStringLiteral("base.nes"));
    const QByteArray base = disk.bytes();
    // Bit 2 of byte 0x04, beside hp's high bits: a bit no field owns.
    const auto edit = [](QByteArray bytes, const QStringList& edits) {
        for (const QString& e : edits) {
            const QStringList w = e.split(QLatin1Char(' '));
            const qint64 at = EnemyFormat.entryOffset(w[0].toInt());
            if (w[1] == QLatin1String("highbit"))
                bytes[at + 4] = char(bytes[at + 4] | 0x04);
            else
                setField(bytes, EnemyFormat, w[0].toInt(), qPrintable(w[1]), w[2].toInt());
        }
        return bytes;
    };
    QByteArray baseKept = base;
    for (const qint64 at : {EnemyFormat.entryOffset(3) + 4})
        baseKept[at] = char(baseKept[at] & ~0x04);
    PutFile(disk.path(), baseKept);
    const QString oursPath = sibling(disk.path(), QStringLiteral("ours.nes"));
    const QString theirsPath = sibling(disk.path(), QStringLiteral("theirs.nes"));
    const QString out = sibling(disk.path(), QStringLiteral("out.nes"));
    PutFile(oursPath, edit(baseKept, ours));
    PutFile(theirsPath, edit(baseKept, theirs));
    QStringList args{QStringLiteral("merge"), disk.path(), oursPath, theirsPath,
                     QStringLiteral("-o"),    out};
    if (!prefer.isEmpty())
        args << QStringLiteral("--prefer") << prefer;
    const CliRun run = RunTool(args);
    QCOMPARE(run.code, code);
    const QString baseHp = QString::number(valueIn(baseKept, EnemyFormat, 3, "hp"));
    for (const QString& c : conflicts.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        QVERIFY2(run.out.contains(QString(c).replace(QLatin1String("BASE"), baseHp)),
                 qPrintable(run.out));
    QCOMPARE(run.out.count(QLatin1String(": base ")),
             conflicts.count(QLatin1Char('|')) + (conflicts.isEmpty() ? 0 : 1));
    QCOMPARE(QFileInfo::exists(out), code == 0);
    if (code != 0)
        return;
    QStringList leftOver = QDir(QFileInfo(out).path()).entryList(QDir::Files);
    QCOMPARE(leftOver.size(), 4); // no history, no backup, no temporary beside OUT
    const QByteArray merged = FileBytes(out);
    QByteArray wanted = baseKept;
    for (const QString& e : expected)
        wanted = edit(wanted, {e});
    QCOMPARE(merged.size(), base.size());
    for (qint64 k = 0; k < merged.size(); ++k)
        if (merged[k] != wanted[k])
            QFAIL(qPrintable(QStringLiteral("byte %1 differs").arg(HexOffset(k))));
}

void tst_Changes::mergeRefused_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message");
    QTest::newRow("OUT is an input") << L("out is ours") << L("that this command reads");
    QTest::newRow("OUT is an input through a link")
        << L("out links to ours") << L("that this command reads");
    QTest::newRow("sizes differ") << L("theirs shorter") << L("same size");
    QTest::newRow("no image") << L("theirs text") << L("does not hold the item and enemy tables");
    QTest::newRow("OUT cannot be written") << L("out in missing folder") << L("cannot write");
}

void tst_Changes::mergeRefused() {
    QFETCH(QString, what);
    QFETCH(QString, message);
    ImageOnDisk disk(MakeDemoImage(5), QStringLiteral("base.nes"));
    const QString ours = sibling(disk.path(), QStringLiteral("ours.nes"));
    const QString theirs = sibling(disk.path(), QStringLiteral("theirs.nes"));
    QByteArray theirBytes = disk.bytes();
    if (what == QLatin1String("theirs shorter"))
        theirBytes.chop(1);
    if (what == QLatin1String("theirs text"))
        theirBytes.fill('a');
    PutFile(ours, disk.bytes());
    PutFile(theirs, theirBytes);
    QString out = sibling(disk.path(), QStringLiteral("out.nes"));
    if (what == QLatin1String("out is ours"))
        out = ours;
    if (what == QLatin1String("out links to ours")) {
#ifdef Q_OS_WIN
        QSKIP("QFile::link makes a shortcut here, which is a file of its own");
#endif
        QVERIFY(QFile::link(ours, out));
    }
    if (what == QLatin1String("out in missing folder"))
        out = sibling(disk.path(), QStringLiteral("missing/out.nes"));
    const QStringList before =
        QDir(QFileInfo(ours).path()).entryList(QDir::AllEntries | QDir::System);
    const CliRun run =
        RunTool({QStringLiteral("merge"), disk.path(), ours, theirs, QStringLiteral("-o"), out});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(QDir(QFileInfo(ours).path()).entryList(QDir::AllEntries | QDir::System), before);
    QCOMPARE(FileBytes(ours), disk.bytes());
}

void tst_Changes::mergeOverlapping_data() {
    // Edits: "item 10 points at item 3" (its name pointer set to that entry's), "enemy 0 points
    // into item 109 5" (at that byte of its record), "rename item 3" (by tolvane-cli, to a name of
    // the same length, which it writes in place), or "item 109 effect_in 32" (another program's).
    // `expected`: "table index column SIDE", where SIDE's image gives the value the column reads.
    QTest::addColumn<QStringList>("ours");
    QTest::addColumn<QStringList>("theirs");
    QTest::addColumn<QString>("prefer");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("conflicts"); // the entries listed, '|' between
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("inBase"); // enemy 0's name lies in item 109's record in the base

    const QStringList sharedText{L("item 10 points at item 3")};
    const QStringList renamed{L("rename item 3")};
    QTest::newRow("shared text renamed: a conflict, named with what both give")
        << sharedText << renamed << L("") << 1 << L("item 10 \"|both taken") << Ls({}) << false;
    QTest::newRow("shared text renamed, --prefer theirs: the rename stands")
        << sharedText << renamed << L("theirs") << 0 << L("item 10 \"")
        << Ls({"items 3 name theirs", "items 10 name base", "items 10 pointer base"}) << false;
    QTest::newRow("shared text renamed, --prefer ours: item 10 reads ours' text")
        << sharedText << renamed << L("ours") << 0 << L("item 3 \"|item 10 \"")
        << Ls({"items 3 name base", "items 10 name ours", "items 10 pointer ours"}) << false;
    const QStringList intoRecord{L("enemy 0 points into item 109 5")};
    QTest::newRow("a name ending on a record's byte that the other side changes: both taken")
        << intoRecord << Ls({"item 109 effect_in 32"}) << L("") << 0 << L("")
        << Ls({"items 109 effect_in theirs", "enemies 0 pointer ours", "enemies 0 name ours"})
        << false;
    QTest::newRow("a name reading a record's byte that the other side changes: a conflict")
        << intoRecord << Ls({"item 109 effect_in 200"}) << L("") << 1 << L("enemy 0 \"") << Ls({})
        << false;
    QTest::newRow("a name that lies in a record in the base changes with it on one side")
        << Ls({"enemy 0 hp 900"}) << Ls({"item 109 effect_in 200"}) << L("") << 0 << L("")
        << Ls({"items 109 effect_in theirs", "enemies 0 name theirs", "enemies 0 hp ours"}) << true;
}

void tst_Changes::mergeOverlapping() {
    QFETCH(QStringList, ours);
    QFETCH(QStringList, theirs);
    QFETCH(QString, prefer);
    QFETCH(int, code);
    QFETCH(QString, conflicts);
    QFETCH(QStringList, expected);
    QFETCH(bool, inBase);
    ImageOnDisk disk(MakeDemoImage(5), QStringLiteral("base.nes"));
    QByteArray base = disk.bytes();
    // A byte below 0x80 ends a name: item 109's effect in battle, 16, ends one that starts on it.
    setField(base, ItemFormat, 109, "effect_in", 16);
    const qint32 inRecord = qint32(ItemFormat.entryOffset(109) + 5 + PointerBias);
    if (inBase)
        setField(base, EnemyFormat, 0, "pointer", inRecord);
    PutFile(disk.path(), base);
    const auto make = [&](const QString& name, const QStringList& edits) {
        const QString path = sibling(disk.path(), name);
        QByteArray bytes = base;
        for (const QString& e : edits) {
            const QStringList w = e.split(QLatin1Char(' '));
            const TableFormat& f = w[0] == QLatin1String("item") ? ItemFormat : EnemyFormat;
            if (w[2] == QLatin1String("points") && w[3] == QLatin1String("at"))
                setField(bytes, f, w[1].toInt(), "pointer",
                         valueIn(bytes, ItemFormat, w[5].toInt(), "pointer"));
            else if (w[2] == QLatin1String("points"))
                setField(bytes, f, w[1].toInt(), "pointer", inRecord);
            else if (w[0] != QLatin1String("rename"))
                setField(bytes, f, w[1].toInt(), qPrintable(w[2]), w[3].toInt());
        }
        PutFile(path, bytes);
        if (!edits.contains(L("rename item 3")))
            return path;
        const QString old = ExportRows(**OpenRomImage(path), &ItemFormat).at(3).at(1);
        if (old.isEmpty() || RunTool({QStringLiteral("rename"), path, QStringLiteral("--item"),
                                      QStringLiteral("3"), QString(old.size(), QLatin1Char('Q'))})
                                     .code != 0)
            qFatal("cannot rename item 3 in %s", qPrintable(path));
        return path;
    };
    const QString oursPath = make(QStringLiteral("ours.nes"), ours);
    const QString theirsPath = make(QStringLiteral("theirs.nes"), theirs);
    const QString out = sibling(disk.path(), QStringLiteral("out.nes"));
    QStringList args{QStringLiteral("merge"), disk.path(), oursPath, theirsPath,
                     QStringLiteral("-o"),    out};
    if (!prefer.isEmpty())
        args << QStringLiteral("--prefer") << prefer;
    const CliRun run = RunTool(args);
    QCOMPARE(run.code, code);
    const QStringList wantedLines = conflicts.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& c : wantedLines)
        QVERIFY2(run.out.contains(c), qPrintable(run.out));
    // No other entry is listed.
    for (const QString& line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (line.contains(QLatin1String(": base ")))
            QVERIFY2(std::any_of(wantedLines.cbegin(), wantedLines.cend(),
                                 [&](const QString& c) { return line.startsWith(c); }),
                     qPrintable(run.out));
    // The count does not call them fields changed on both sides, which they are not.
    if (!wantedLines.isEmpty())
        QVERIFY2((code == 0 ? run.out : run.err).contains(QLatin1String(" in conflict")),
                 qPrintable(run.out + run.err));
    QCOMPARE(QFileInfo::exists(out), code == 0);
    if (code != 0)
        return;
    const auto rowsOf = [](const QString& path, Table table) {
        return ExportRows(**OpenRomImage(path), table);
    };
    for (const QString& e : expected) {
        const QStringList w = e.split(QLatin1Char(' '));
        const Table table = w[0] == QLatin1String("items") ? &ItemFormat : &EnemyFormat;
        int column = 0;
        while (Columns(table)[column].name != w[2])
            ++column;
        const QString side =
            w[3] == QLatin1String("base") ? disk.path() : sibling(disk.path(), w[3] + L(".nes"));
        QCOMPARE(rowsOf(out, table).at(w[1].toInt()).at(column),
                 rowsOf(side, table).at(w[1].toInt()).at(column));
    }
    // Every byte of OUT is one side's or the base's.
    const QByteArray merged = FileBytes(out), o = FileBytes(oursPath), t = FileBytes(theirsPath);
    for (qint64 k = 0; k < merged.size(); ++k)
        if (merged[k] != base[k] && merged[k] != o[k] && merged[k] != t[k])
            QFAIL(qPrintable(QStringLiteral("byte %1 is no side's").arg(HexOffset(k))));
}

void tst_Changes::cutShortNamesTorn_data() {
    QTest::addColumn<int>("landed");   // of the save's bytes, by tearSave
    QTest::addColumn<QString>("said"); // what the message must say

    QTest::newRow("cut inside enemy 2")
        << 2
        << L("enemy 2 would read neither as before the save nor as saved, so the tables are "
             "not read. As before the save: enemy 5, enemy 8.");
    QTest::newRow("cut between enemies 5 and 8")
        << 8
        << L("the image holds only part of it, so the tables are not read. As before the "
             "save: enemy 8. As saved: enemy 2, enemy 5.");
}

void tst_Changes::cutShortNamesTorn() {
    QFETCH(int, landed);
    QFETCH(QString, said);
    ImageOnDisk disk(MakeDemoImage(5));
    const QString base = sibling(disk.path(), QStringLiteral("base.nes"));
    PutFile(base, disk.bytes());
    tearSave(disk.path(), landed);
    const QByteArray torn = disk.bytes();
    const QString out = sibling(disk.path(), QStringLiteral("out.nes"));
    for (const QStringList& args : {QStringList{QStringLiteral("changes"), disk.path()},
                                    QStringList{QStringLiteral("merge"), base, disk.path(), base,
                                                QStringLiteral("-o"), out}}) {
        const CliRun run = RunTool(args);
        QCOMPARE(run.code, 1);
        QVERIFY2(run.err.simplified().contains(said), qPrintable(run.err));
        QCOMPARE(disk.bytes(), torn);
        QVERIFY(!QFileInfo::exists(out));
    }
}

void tst_Changes::tornUnmendable_data() {
    // Met by an ordinary user, who may write the image, but not its history (mode 0444) nor the
    // folder (root's), so the save cannot be put right.
    QTest::addColumn<QStringList>("command"); // IMAGE stands for the image
    QTest::addColumn<QString>("cause");       // why it is not put right, as the message says

    QTest::newRow("export") << Ls({"export", "IMAGE", "--table", "enemies"})
                            << L("cannot be written");
    QTest::newRow("changes") << Ls({"changes", "IMAGE"}) << L("this command only reads the image");
}

void tst_Changes::tornUnmendable() {
#ifdef Q_OS_WIN
    QSKIP("the history's mode and another user are tried on Linux");
#else
    QFETCH(QStringList, command);
    QFETCH(QString, cause);
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (FileModesBindUs() || setpriv.isEmpty())
        QSKIP("needs root and setpriv to run the program as another user");
    ImageOnDisk disk(MakeDemoImage(5));
    tearSave(disk.path(), 2); // enemy 2 torn
    const QByteArray torn = disk.bytes();
    const QString history = disk.path() + QStringLiteral(".history");
    const QString folder = QFileInfo(disk.path()).path();
    const auto readable = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(disk.path(), readable | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(history, readable));
    QCOMPARE(QProcess::execute(QStringLiteral("chown"),
                               {QStringLiteral("65534:65534"), disk.path(), history}),
             0);
    QVERIFY(QFile::setPermissions(folder, readable | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ExeGroup | QFile::ExeOther));
    const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden);
    const QByteArray historyBefore = FileBytes(history);
    QProcess run;
    run.start(setpriv, QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                   QStringLiteral("--clear-groups"), QStringLiteral(TOLVANE_CLI)} +
                           command.replaceInStrings(QStringLiteral("IMAGE"), disk.path()));
    QVERIFY(run.waitForFinished(30000));
    const QString out = QString::fromUtf8(run.readAllStandardOutput());
    const QString err = QString::fromUtf8(run.readAllStandardError()).simplified();
    QVERIFY2(run.exitCode() == 1, qPrintable(err + QLatin1Char('\n') + out.left(300)));
    // Nothing is told of the tables; the torn entry is named, and so is the cause.
    QCOMPARE(out, QString());
    QVERIFY2(err.contains(QLatin1String("enemy 2 would read neither")), qPrintable(err));
    QVERIFY2(err.contains(cause), qPrintable(err));
    QCOMPARE(disk.bytes(), torn);
    QCOMPARE(FileBytes(history), historyBefore);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden), before);
#endif
}

void tst_Changes::namesReachATerminalEscaped_data() {
    // A name that would erase its own line on a terminal and break markdown's headings.
    // BASE, IMAGE (its item INDEX renamed NAME) and OTHER (renamed "Zed", too short for NAME)
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("shown"); // empty: the name exactly as it is
    const QString text = L(R"(A\r\x1B[2KB\n# C)");
    QTest::newRow("diff") << L("diff|BASE|IMAGE") << 0 << text;
    QTest::newRow("changes") << L("changes|IMAGE") << 0 << text;
    QTest::newRow("history") << L("history|IMAGE") << 0 << text;
    QTest::newRow("a merge's conflict") << L("merge|BASE|IMAGE|OTHER|-o|out.nes") << 1 << text;
    QTest::newRow("a rename refused") << L("rename|OTHER|--item|INDEX|NAME") << 1 << text;
    QTest::newRow("changes as markdown")
        << L("changes|IMAGE|--format|markdown") << 0 << L(R"(A\r\x1B\[2KB\n\# C)");
    QTest::newRow("changes as CSV") << L("changes|IMAGE|--format|csv") << 0 << QString();
    QTest::newRow("changes as JSON") << L("changes|IMAGE|--format|json") << 0 << QString();
    QTest::newRow("history as JSON") << L("history|IMAGE|--json") << 0 << QString();
}

// A name reaches a terminal with its control characters shown as escapes, and markdown with what
// would break its structure escaped; CSV and JSON carry it exactly, as their formats quote it.
void tst_Changes::namesReachATerminalEscaped() {
    QFETCH(QString, command);
    QFETCH(int, code);
    QFETCH(QString, shown);
    const QString name = L("A\r\x1B[2KB\n# C");
    ImageOnDisk disk(MakeDemoImage(5), QStringLiteral("base.nes"));
    const QList<QStringList> rows = ExportRows(*disk.open(), &ItemFormat);
    int index = 1;
    while (rows[index][1].size() < name.size())
        ++index;
    const QString image = sibling(disk.path(), QStringLiteral("image.nes"));
    const QString other = sibling(disk.path(), QStringLiteral("other.nes"));
    PutFile(image, disk.bytes());
    PutFile(other, disk.bytes());
    for (const auto& [path, newName] : {std::pair{image, name}, std::pair{other, L("Zed")}})
        QCOMPARE(RunTool({QStringLiteral("rename"), path, QStringLiteral("--item"),
                          QString::number(index), newName, QStringLiteral("--no-backup")})
                     .code,
                 0);
    QStringList arguments = command.split(QLatin1Char('|'));
    for (QString& word : arguments)
        word = word == QLatin1String("BASE")    ? disk.path()
               : word == QLatin1String("IMAGE") ? image
               : word == QLatin1String("OTHER") ? other
               : word == QLatin1String("INDEX") ? QString::number(index)
               : word == QLatin1String("NAME")  ? name
                                                : word;
    const CliRun run = RunTool(arguments);
    QCOMPARE(run.code, code);
    if (shown.isEmpty()) {
        QVERIFY2(
            run.out.contains(name) ||
                run.out.contains(QString::fromUtf8(
                                     QJsonDocument(QJsonArray{name}).toJson(QJsonDocument::Compact))
                                     .chopped(2)
                                     .mid(2)),
            qPrintable(run.out));
        return;
    }
    // What a terminal shows: the output and the messages alike.
    const QString shownText = run.out + run.err;
    QVERIFY2(shownText.contains(shown), qPrintable(shownText));
    for (const QChar c : shownText)
        QVERIFY2(c == QLatin1Char('\n') || c.unicode() >= 0x20,
                 qPrintable(QStringLiteral("U+%1 in: %2").arg(c.unicode(), 4, 16).arg(shownText)));
    QVERIFY2(!shownText.contains(QLatin1String("\n# C")), qPrintable(shownText));
}

QTEST_GUILESS_MAIN(tst_Changes)
#include "tst_changes.moc"
