// What changed against an image's original, and two lines of work merged field by field.
#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "items/itemrecord.h"
#include "support/testsupport.h"
#include "tables/tablerows.h"
#include "wording/wording.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
