// The history of saves, as tolvane-cli lists it and undoes it, and the recovery of a save cut short
// as each command meets it.
#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/historyformat.h"
#include "support/testsupport.h"
#include "tables/tablerows.h"
#include "wording/wording.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtEndian>
#include <QTest>

#include <zlib.h>

namespace {

int columnNamed(Table table, const char* name) {
    const QList<Column>& columns = Columns(table);
    for (int k = 0; k < columns.size(); ++k)
        if (columns[k].name == QLatin1String(name))
            return k;
    qFatal("no column %s", name);
}

// Saves item 4 with `value` in its column `key`, as the editor does.
void saveItem4(const ImageOnDisk& disk, const char* key, const QString& value,
               const char* key2 = nullptr, const QString& value2 = {}) {
    auto rom = disk.open();
    QStringList row = ExportRows(*rom, &ItemFormat).at(4);
    row[columnNamed(&ItemFormat, key)] = value;
    if (key2)
        row[columnNamed(&ItemFormat, key2)] = value2;
    const Outcome saved = SaveEntry(*rom, ItemFormat, 4, FormFromRow(&ItemFormat, row, false), {});
    if (saved.failed())
        qFatal("%s", qPrintable(SaveText(saved)));
}

// An image with three saves recorded: the editor's (item 4's cost and pointer), an import (enemy
// 2's hp) and a rename (item 3). `states` gets the image before each and after the last.
struct Saved {
    ImageOnDisk disk{MakeDemoImage(5)};
    QList<QByteArray> states;
    QString path() const { return disk.path(); }
    QString sibling(const QString& name) const {
        return QFileInfo(disk.path()).dir().filePath(name);
    }

    Saved() {
        states << disk.bytes();
        {
            auto rom = disk.open();
            QStringList row = ExportRows(*rom, &ItemFormat).at(4);
            row[columnNamed(&ItemFormat, "cost")] = QStringLiteral("4321");
            row[ColumnOf(&ItemFormat, ColumnKind::Pointer)] = QStringLiteral("8123");
            const Outcome saved =
                SaveEntry(*rom, ItemFormat, 4, FormFromRow(&ItemFormat, row, false), {});
            if (saved.failed())
                qFatal("%s", qPrintable(SaveText(saved)));
        }
        states << disk.bytes();
        QStringList lines = RunTool({QStringLiteral("export"), path(), QStringLiteral("--table"),
                                     QStringLiteral("enemies")})
                                .out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QStringList cells = lines[3].split(QLatin1Char(','));
        cells[columnNamed(&EnemyFormat, "hp")] = QStringLiteral("777");
        lines[3] = cells.join(QLatin1Char(','));
        PutFile(sibling(QStringLiteral("e.csv")), lines.join(QStringLiteral("\r\n")).toUtf8());
        expect(RunTool({QStringLiteral("import"), path(), sibling(QStringLiteral("e.csv"))}));
        states << disk.bytes();
        expect(RunTool({QStringLiteral("rename"), path(), QStringLiteral("--item"),
                        QStringLiteral("3"), QStringLiteral("Ab")}));
        states << disk.bytes();
    }
    static void expect(const CliRun& run) {
        if (run.code != 0)
            qFatal("%s", qPrintable(run.err));
    }
    QJsonArray history() const {
        const CliRun run = RunTool({QStringLiteral("history"), path(), QStringLiteral("--json")});
        return QJsonDocument::fromJson(run.out.toUtf8()).array();
    }
};

QJsonObject changeOf(const QJsonObject& record, int k) {
    return record[QStringLiteral("changes")].toArray().at(k).toObject();
}

void putU32(QByteArray& bytes, qint64 at, quint32 v) {
    qToLittleEndian(v, bytes.data() + at);
}

// Bytes that only look like entries, as a crafted history holds them: frames every 16 bytes whose
// sizes at both ends claim half of the stretch, their checksums wrong; or frames nested around one
// another whose checksums hold, but whose first range leads into zeros that run on past their end.
QByteArray lookalikes(bool nested) {
    constexpr qint64 Length = 64 << 10;
    QByteArray bytes(Length, '\0');
    for (qint64 at = 0; !nested && at < Length; at += 16) {
        bytes.replace(at, 9, "TVHE\0\0\0\0T", 9);
        bytes[at + 9] = char(MadeBy::Editor); // of the frame 16 bytes before
        putU32(bytes, at + 4, Length / 2);
        putU32(bytes, at + 12, Length / 2);
    }
    for (qint64 from = Length / 4 - 64; nested && from >= 0; from -= 64) { // the innermost first
        const qint64 to = Length - from;
        bytes.replace(from, 9, "TVHE\0\0\0\0T", 9);
        putU32(bytes, from + 4, quint32(to - from));
        bytes[from + 25] = char(MadeBy::Editor);
        putU32(bytes, from + 30, 0xffffffff); // ranges
        putU32(bytes, from + 38, quint32((Length / 2 - from - 42) / 2));
        putU32(bytes, to - 4, quint32(to - from));
        const auto* covered = reinterpret_cast<const Bytef*>(bytes.constData() + from);
        putU32(bytes, to - 8, quint32(crc32_z(0, covered, size_t(to - 8 - from))));
    }
    return bytes;
}

} // namespace

class tst_History : public QObject {
    Q_OBJECT

private slots:
    void savesAreListed();
    void undoPutsBackAndRedoes();
    void undoKeepsLaterFields_data();
    void undoKeepsLaterFields();
    void undoRefused_data();
    void undoRefused();
    void undoChain_data();
    void undoChain();
    void cutShortSaveAtOpening_data();
    void cutShortSaveAtOpening();
    void damagedHistory_data();
    void damagedHistory();
};

void tst_History::savesAreListed() {
    const Saved s;
    const QJsonArray records = s.history();
    QCOMPARE(records.size(), 3);
    const QStringList commands{QStringLiteral("editor"), QStringLiteral("import"),
                               QStringLiteral("rename")};
    const QRegularExpression iso(
        QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d$)"));
    for (int k = 0; k < 3; ++k) {
        const QJsonObject r = records[k].toObject();
        QCOMPARE(r[QStringLiteral("number")].toInt(), k + 1);
        QCOMPARE(r[QStringLiteral("command")].toString(), commands[k]);
        QCOMPARE(r[QStringLiteral("state")].toString(), QStringLiteral("done"));
        QVERIFY(r[QStringLiteral("undoes")].isNull() && r[QStringLiteral("undone_by")].isNull());
        QVERIFY2(iso.match(r[QStringLiteral("time")].toString()).hasMatch(),
                 qPrintable(r[QStringLiteral("time")].toString()));
    }
    // Numbers as numbers, pointers as hexadecimal text, names as text, as export writes them.
    const QJsonObject editor = records[0].toObject();
    QCOMPARE(editor[QStringLiteral("changes")].toArray().size(), 2);
    QCOMPARE(changeOf(editor, 0)[QStringLiteral("entry")].toString(), QStringLiteral("item 4"));
    QCOMPARE(changeOf(editor, 0)[QStringLiteral("new")], QJsonValue(QStringLiteral("8123")));
    QCOMPARE(changeOf(editor, 1)[QStringLiteral("new")], QJsonValue(4321));
    QCOMPARE(changeOf(editor, 1)[QStringLiteral("offset")].toInteger(),
             ItemEntryOffset(4) +
                 Columns(&ItemFormat)[columnNamed(&ItemFormat, "cost")].field->offset);
    const QJsonObject import = changeOf(records[1].toObject(), 0);
    QCOMPARE(import[QStringLiteral("entry")].toString(), QStringLiteral("enemy 2"));
    QCOMPARE(import[QStringLiteral("new")], QJsonValue(777));
    const QJsonObject rename = changeOf(records[2].toObject(), 0);
    QCOMPARE(rename[QStringLiteral("field")].toString(), QStringLiteral("name"));
    QCOMPARE(rename[QStringLiteral("new")], QJsonValue(QStringLiteral("Ab")));

    const CliRun text = RunTool({QStringLiteral("history"), s.path()});
    QCOMPARE(text.code, 0);
    const QStringList lines = text.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    // The import's line, as diff prints an entry: number, time, what made it, then the fields.
    const QRegularExpression importLine(
        QStringLiteral("^2  \\S+ \\S+  import  enemy 2 \"[^\"]+\": \\S+ \\d+ -> 777$"));
    QVERIFY2(importLine.match(lines[1]).hasMatch(), qPrintable(lines[1]));
}

void tst_History::undoPutsBackAndRedoes() {
    const Saved s;
    const auto undo = [&](const QStringList& extra = {}) {
        const CliRun run = RunTool(QStringList{QStringLiteral("undo"), s.path()} + extra);
        QVERIFY2(run.code == 0, qPrintable(run.err));
    };
    undo(); // the rename
    QCOMPARE(s.disk.bytes(), s.states[2]);
    undo(); // the import
    QCOMPARE(s.disk.bytes(), s.states[1]);
    undo({QStringLiteral("--save"), QStringLiteral("5")}); // the undo of the import: a redo
    QCOMPARE(s.disk.bytes(), s.states[2]);
    undo(); // the import again, the newest save that stands
    QCOMPARE(s.disk.bytes(), s.states[1]);

    const QJsonArray records = s.history();
    QCOMPARE(records.size(), 7);
    const auto field = [&](int number, const char* key) {
        return records[number - 1].toObject().value(QLatin1String(key));
    };
    QCOMPARE(field(3, "undone_by"), QJsonValue(4));
    QCOMPARE(field(2, "undone_by"), QJsonValue(7));
    QCOMPARE(field(5, "undone_by"), QJsonValue(6));
    QCOMPARE(field(6, "undoes"), QJsonValue(5));
    QCOMPARE(field(6, "command"), QJsonValue(QStringLiteral("undo")));
    // An undo lists what it puts back, old and new the other way round.
    QCOMPARE(changeOf(records[3].toObject(), 0)[QStringLiteral("new")],
             changeOf(records[2].toObject(), 0)[QStringLiteral("old")]);
}

void tst_History::undoKeepsLaterFields_data() {
    QTest::addColumn<QString>("later"); // saved after the cost and the permanent flag
    QTest::newRow("another field of the entry") << "strength";
    QTest::newRow("a flag in the same byte") << "edible";
}

void tst_History::undoKeepsLaterFields() {
    QFETCH(QString, later);
    ImageOnDisk disk(MakeDemoImage(5));
    const auto item4 = [&] { return ExportRows(*disk.open(), &ItemFormat).at(4); };
    QStringList expected = item4();
    // Record 1 changes the cost and the permanent flag; a later save one more field of item 4.
    const auto changed = [&](const char* key) {
        const int old = expected[columnNamed(&ItemFormat, key)].toInt();
        return QString::number(key[0] == 'c'                    ? 4321
                               : key[0] == 'e' || key[0] == 'p' ? 1 - old
                                                                : old + 1);
    };
    saveItem4(disk, "cost", changed("cost"), "permanent", changed("permanent"));
    const QByteArray key = later.toLatin1();
    const QString value = changed(key);
    saveItem4(disk, key, value);
    expected[columnNamed(&ItemFormat, key)] = value;
    const CliRun run = RunTool(
        {QStringLiteral("undo"), disk.path(), QStringLiteral("--save"), QStringLiteral("1")});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QCOMPARE(item4(), expected);
}

void tst_History::undoRefused_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("said");
    QTest::newRow("another program changed it")
        << "theirs" << QStringList() << "the name of item 3 no longer holds what record 3 wrote";
    QTest::newRow("a later save of the same field")
        << "same field" << QStringList{QStringLiteral("--save"), QStringLiteral("1")}
        << "the cost of item 4 no longer holds what record 1 wrote";
    QTest::newRow("version 0") << "version 0" << QStringList() << "is of history version 0";
    QTest::newRow("history of another image")
        << "other image" << QStringList() << "what record 3 wrote";
    QTest::newRow("no such record")
        << "" << QStringList{QStringLiteral("--save"), QStringLiteral("9")} << "has no record 9";
    QTest::newRow("nothing left") << "all undone" << QStringList() << "no save left to undo";
    QTest::newRow("not a history") << "foreign" << QStringList() << "is not a Tolvane history";
    QTest::newRow("newer version") << "newer" << QStringList() << "by a newer version";
    // Another tool's record numbered 0xFFFFFFFF: the next would be 0, and numbers would repeat.
    QTest::newRow("the highest number taken")
        << "highest" << QStringList()
        << "already holds record 4294967295, the highest number a record can have";
    // Undo 4 takes the rename back, 5 brings it again, 6 takes it back once more.
    QTest::newRow("taken back down a chain of undos")
        << "chain" << QStringList{QStringLiteral("--save"), QStringLiteral("3")}
        << "save 3 no longer stands: undo 6 took it back";
    // The import wrote the hp whole: a bit it left as it was, changed since, is still the hp's.
    QTest::newRow("another bit of the same number")
        << "hp bit" << QStringList{QStringLiteral("--save"), QStringLiteral("2")}
        << "the hp of enemy 2 no longer holds what record 2 wrote";
}

void tst_History::undoRefused() {
    QFETCH(QString, setup);
    QFETCH(QStringList, options);
    QFETCH(QString, said);
    Saved s;
    QString image = s.path();
    if (setup == QLatin1String("theirs")) {
        QByteArray theirs = s.disk.bytes();
        theirs[s.states[2].size() - 1] = char(theirs.back() ^ 1); // outside what undo restores
        const QList<qint64> renamed = DifferingOffsets(s.states[2], s.states[3]);
        theirs[renamed.first()] = char(theirs.at(renamed.first()) ^ 0x7F);
        QVERIFY(WriteFileBytes(image, theirs));
    } else if (setup == QLatin1String("other image")) {
        image = s.sibling(QStringLiteral("other.nes"));
        PutFile(image, ImageOnDisk(MakeDemoImage(9)).bytes());
        PutFile(image + QStringLiteral(".history"),
                FileBytes(s.path() + QStringLiteral(".history")));
    } else if (setup == QLatin1String("all undone")) {
        for (int k = 0; k < 3; ++k)
            QCOMPARE(RunTool({QStringLiteral("undo"), image}).code, 0);
    } else if (setup == QLatin1String("foreign")) {
        PutFile(image + QStringLiteral(".history"), "name,cost\r\nsword,10\r\n");
    } else if (setup == QLatin1String("chain")) {
        for (const char* save : {"3", "4", "5"})
            QCOMPARE(RunTool({QStringLiteral("undo"), image, QStringLiteral("--save"),
                              QLatin1String(save)})
                         .code,
                     0);
    } else if (setup == QLatin1String("hp bit")) {
        const RecordField& hp = *Columns(&EnemyFormat)[columnNamed(&EnemyFormat, "hp")].field;
        const qint64 at = EnemyEntryOffset(2) + hp.offset;
        const int left = ~(hp.valueIn(s.states[1].mid(EnemyEntryOffset(2), EnemyFormat.size)) ^
                           hp.valueIn(s.states[2].mid(EnemyEntryOffset(2), EnemyFormat.size)));
        const int bit = std::countr_zero(unsigned(left & (hp.mask >> hp.shift())));
        QVERIFY(bit < 16);
        QByteArray theirs = s.disk.bytes();
        QByteArray entry = theirs.mid(EnemyEntryOffset(2), EnemyFormat.size);
        hp.put(hp.valueIn(entry) ^ (1 << bit), &entry);
        theirs.replace(EnemyEntryOffset(2), EnemyFormat.size, entry);
        QVERIFY(DifferingOffsets(theirs, s.disk.bytes()).first() >= at);
        QVERIFY(WriteFileBytes(image, theirs));
    } else if (setup == QLatin1String("highest")) {
        const QByteArray bytes = s.disk.bytes();
        const qint64 at = bytes.size() - 1; // outside the tables and their names
        const HistoryRecord last{
            .number = 0xFFFFFFFF,
            .madeBy = MadeBy::Import,
            .ranges = {{at, QByteArray(1, char(bytes.at(at) ^ 1)), bytes.mid(at, 1)}}};
        QFile history(image + QStringLiteral(".history"));
        QVERIFY(history.open(QIODevice::Append));
        history.write(EncodeRecord(last) + EncodeMark(0xFFFFFFFF, HistoryState::Done));
    } else if (setup == QLatin1String("same field")) {
        saveItem4(s.disk, "cost", QStringLiteral("1234"));
    } else if (setup == QLatin1String("version 0")) {
        QByteArray history = FileBytes(image + QStringLiteral(".history"));
        history[8] = 0;
        PutFile(image + QStringLiteral(".history"), history);
    } else if (setup == QLatin1String("newer")) {
        QByteArray history = FileBytes(image + QStringLiteral(".history"));
        history[8] = 2;
        PutFile(image + QStringLiteral(".history"), history);
    }
    const QByteArray before = FileBytes(image);
    const QByteArray history = FileBytes(image + QStringLiteral(".history"));
    const CliRun run = RunTool(QStringList{QStringLiteral("undo"), image} + options);
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(said) && run.err.contains(QLatin1String("Nothing was written")),
             qPrintable(run.err));
    QCOMPARE(FileBytes(image), before);
    QCOMPARE(FileBytes(image + QStringLiteral(".history")), history);
}

void tst_History::undoChain_data() {
    QTest::addColumn<int>("depth"); // undos one after another, each of the one before
    for (int depth = 1; depth <= 5; ++depth)
        QTest::addRow("%d undos", depth) << depth;
}

void tst_History::undoChain() {
    QFETCH(int, depth);
    Saved s;
    // The rename, record 3; then undo 4 of it, undo 5 of 4, and so on.
    for (int k = 0; k < depth; ++k) {
        const CliRun run = RunTool(
            {QStringLiteral("undo"), s.path(), QStringLiteral("--save"), QString::number(3 + k)});
        QVERIFY2(run.code == 0, qPrintable(run.err));
    }
    const bool out = depth % 2 == 1;
    QCOMPARE(s.disk.bytes(), s.states[out ? 2 : 3]);
    const QJsonArray records = s.history();
    QCOMPARE(records.size(), 3 + depth);
    QCOMPARE(records[2].toObject().value(QStringLiteral("undone_by")),
             out ? QJsonValue(3 + depth) : QJsonValue(QJsonValue::Null));
    QCOMPARE(records[1].toObject().value(QStringLiteral("undone_by")),
             QJsonValue(QJsonValue::Null));
    // The newest undo stands; the one before it, it took back.
    QVERIFY(records.last().toObject().value(QStringLiteral("undone_by")).isNull());
    if (depth > 1)
        QCOMPARE(records[1 + depth].toObject().value(QStringLiteral("undone_by")),
                 QJsonValue(3 + depth));
    // A plain undo takes the rename while it stands, else the import before it.
    const CliRun plain = RunTool({QStringLiteral("undo"), s.path(), QStringLiteral("--dry-run")});
    QVERIFY2(plain.code == 0, qPrintable(plain.err));
    const QString expected = out ? QStringLiteral("enemy 2 ") : QStringLiteral("item 3 ");
    QVERIFY2(plain.out.startsWith(expected), qPrintable(plain.out));
}

void tst_History::cutShortSaveAtOpening_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("landed"); // of the 8 bytes; -1: a byte that is neither old nor new
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("state"); // as history lists it afterwards
    QTest::addColumn<bool>("restored");
    QTest::newRow("torn, export puts it back")
        << "export" << 3 << "were put back, so enemy 7 is as it was"
        << "rolled back" << true;
    QTest::newRow("all landed") << "export" << 8 << "it stands whole"
                                << "done" << false;
    QTest::newRow("none landed") << "diff" << 0 << "before its first write"
                                 << "rolled back" << true;
    QTest::newRow("other bytes") << "export" << -1 << "Nothing was written"
                                 << "pending" << false;
    QTest::newRow("info only reports") << "info" << 0 << "cut short. It is left as it is"
                                       << "" << false;
    // A reader of the tables refuses a torn entry that it may not put right, and so does info.
    QTest::newRow("info refuses") << "info" << 3
                                  << "cannot be put right now: this command only reads"
                                  << "" << false;
    QTest::newRow("read-only image refuses")
        << "export, read only" << 3 << "cannot be put right now: the image can only be read"
        << "" << false;
    QTest::newRow("a dry run refuses")
        << "import, dry run" << 3 << "cannot be put right now: this command only reads"
        << "" << false;
    // A record that reaches past the end of the image is never written there.
    QTest::newRow("past the end") << "export" << -2 << "reaches past its end"
                                  << "pending" << false;
    QTest::newRow("through a link")
        << "export, through a link" << 3 << "were put back, so enemy 7 is as it was"
        << "rolled back" << true;
}

void tst_History::cutShortSaveAtOpening() {
    QFETCH(QString, command);
    QFETCH(int, landed);
    QFETCH(QString, said);
    QFETCH(QString, state);
    QFETCH(bool, restored);
    ImageOnDisk disk(MakeDemoImage(6));
    const QByteArray before = disk.bytes();
    const qint64 at = EnemyEntryOffset(7);
    QByteArray after = before.mid(at, 8);
    for (char& b : after)
        b = char(b ^ 0x5A);
    // The table a dry run imports, exported before the save is cut short.
    const QString table = disk.path() + QStringLiteral(".csv");
    PutFile(table, RunTool({QStringLiteral("export"), disk.path()}).out.toUtf8());
    if (landed == -2) // at 1 GiB, with bytes that tell of a write cut short halfway there
        CutShortSave(disk.path(), qint64(1) << 30, QByteArray(4, '\0') + QByteArray(4, '\1'), 0,
                     QByteArray(4, '\1'));
    else
        CutShortSave(disk.path(), at, after, std::max(landed, 0));
    if (landed < 0) {
        QByteArray theirs = disk.bytes();
        theirs[at + 1] = char(theirs.at(at + 1) ^ 0x01);
        QVERIFY(WriteFileBytes(disk.path(), theirs));
    }
    const QByteArray cut = disk.bytes();
    if (command.endsWith(QLatin1String(", read only"))) {
        if (!FileModesBindUs())
            QSKIP("a file's mode does not keep this process from writing it");
        command.chop(11);
        QVERIFY(QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::ReadGroup));
    }
    QString path = disk.path();
    if (command.endsWith(QLatin1String(", through a link"))) {
        command.chop(16);
        path += QStringLiteral(".link.nes");
#ifdef Q_OS_WIN
        QSKIP("QFile::link makes a shortcut here, which is a file of its own");
#endif
        if (!QFile::link(disk.path(), path))
            QSKIP("no link can be made here");
    }
    QStringList arguments{command, path};
    if (command == QLatin1String("diff"))
        arguments << disk.path();
    if (command == QLatin1String("import, dry run"))
        arguments =
            QStringList{QStringLiteral("import"), disk.path(), table, QStringLiteral("--dry-run")};
    const CliRun run = RunTool(arguments);
    QCOMPARE(run.code, said.contains(QLatin1String("cannot be put right")) ? 1 : 0);
    QVERIFY2(run.err.contains(said) &&
                 run.err.contains(QLatin1String(landed == -2 ? "record 1: " : "record 1: enemy 7")),
             qPrintable(run.err));
    QCOMPARE(disk.bytes(), restored ? before : cut);
    if (state.isEmpty())
        return;
    const CliRun listed =
        RunTool({QStringLiteral("history"), disk.path(), QStringLiteral("--json")});
    const QJsonArray records = QJsonDocument::fromJson(listed.out.toUtf8()).array();
    QVERIFY2(!records.isEmpty(), qPrintable(listed.err));
    QCOMPARE(records.first().toObject()[QStringLiteral("state")].toString(), state);
    // Once put right, the next command has nothing to say.
    QCOMPARE(listed.err, QString());
}

void tst_History::damagedHistory_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("states"); // of the records history lists afterwards
    QTest::newRow("random bytes appended") << "append"
                                           << "done done done";
    // A mark names a record that is not there: its number is none of the history's.
    QTest::newRow("a mark of no record at the end") << "mark"
                                                    << "done done done";
    QTest::newRow("a mark of no record, then the last mark again") << "mark, mark"
                                                                   << "done done done";
    // The rename is found whole, and marked again.
    QTest::newRow("last mark cut short") << "cut"
                                         << "done done done";
    QTest::newRow("middle record damaged") << "middle"
                                           << "done done";
    // Before the rename, a long record that a mark after the rename's rolls back (the rename's
    // mark again ends the file): past the crafted frames, its checksum is worked out in parts
    // and its ranges followed by skips.
    QTest::newRow("crafted claims, long record") << "claims"
                                                 << "done done rolled back done";
    QTest::newRow("crafted claims, long record damaged") << "claims damaged"
                                                         << "done done done";
    QTest::newRow("crafted nested frames, long record") << "nested"
                                                        << "done done rolled back done";
}

void tst_History::damagedHistory() {
    QFETCH(QString, damage);
    QFETCH(QString, states);
    Saved s;
    const QString path = s.path() + QStringLiteral(".history");
    QByteArray history = FileBytes(path);
    if (damage == QLatin1String("append")) {
        history += QByteArray::fromHex("54564845ffff0000deadbeef0102");
    } else if (damage.startsWith(QLatin1String("mark"))) {
        history += EncodeMark(0xFFFFFFFF, HistoryState::Done);
        if (damage.endsWith(QLatin1String(", mark")))
            history += EncodeMark(3, HistoryState::Done);
    } else if (damage == QLatin1String("cut")) {
        history.chop(5);
    } else if (damage == QLatin1String("middle")) {
        history[history.indexOf("TVHE", 100) + 20] ^= 0x40; // inside the import's record
    } else {
        // Numbered 0, it leaves the next number as it was.
        HistoryRecord rolledBack{.number = 0, .ranges = {}};
        for (int k = 0; k < 8; ++k) {
            const QByteArray entry = s.states[0].mid(EnemyEntryOffset(k), EnemyFormat.size);
            rolledBack.ranges.push_back({EnemyEntryOffset(k), entry, entry});
        }
        QByteArray record = EncodeRecord(rolledBack);
        if (damage.endsWith(QLatin1String(" damaged")))
            record[record.size() - 9] ^= 0x01; // the last byte its checksum covers
        const qint64 rename = history.size() - 22 - TrailingEntryLength(history.chopped(22));
        history.insert(rename, lookalikes(damage.startsWith(QLatin1String("nested"))) + record);
        history += EncodeMark(0, HistoryState::RolledBack) + EncodeMark(3, HistoryState::Done);
    }
    PutFile(path, history);
    const CliRun shown = RunTool({QStringLiteral("history"), s.path(), QStringLiteral("--json")});
    QStringList listed;
    for (const QJsonValue record : QJsonDocument::fromJson(shown.out.toUtf8()).array())
        listed << record[QStringLiteral("state")].toString();
    QCOMPARE(listed.join(QLatin1Char(' ')), states);
    // The next save goes on after the damage, numbered after the newest record.
    QCOMPARE(RunTool({QStringLiteral("undo"), s.path()}).code, 0);
    const QJsonArray records = s.history();
    QCOMPARE(records.size(), listed.size() + 1);
    QCOMPARE(records.last().toObject().value(QStringLiteral("number")).toInt(), 4);
    QCOMPARE(s.disk.bytes(), s.states[2]);
}

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
