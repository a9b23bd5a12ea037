#include "clirun.h"
#include "rom/historyfile.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

// The demo image beside a script, in one temporary folder.
struct Workspace {
    ImageOnDisk disk{MakeDemoImage(5)};
    QString script(const QByteArray& text) const {
        const QString path = QFileInfo(disk.path()).dir().filePath(QStringLiteral("rules.lua"));
        PutFile(path, text);
        return path;
    }
    // The command line with IMAGE after the command, and a script's text as its file.
    CliRun run(QStringList arguments, const QByteArray& script = {}) const {
        arguments.insert(1, disk.path());
        if (!script.isEmpty())
            arguments.insert(2, this->script(script));
        return RunTool(arguments);
    }
    std::vector<HistoryRecord> records() const {
        HistoryReader reader(disk.path() + QStringLiteral(".history"));
        return reader.read().failed() ? std::vector<HistoryRecord>{} : reader.log().records;
    }
};

QStringList args(std::initializer_list<const char*> list) {
    QStringList texts;
    for (const char* text : list)
        texts << QString::fromUtf8(text);
    return texts;
}

} // namespace

class tst_BatchCommands : public QObject {
    Q_OBJECT
private slots:
    void oneRecordUndoneWhole_data();
    void oneRecordUndoneWhole();
    void nothingWritten_data();
    void nothingWritten();
    void clampListsEachValue();
    void examplesRun_data();
    void examplesRun();
};

void tst_BatchCommands::oneRecordUndoneWhole_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("madeBy");
    QTest::addColumn<QString>("line"); // one line of what it prints
    QTest::newRow("edit: half again as much HP under 100")
        << args({"edit", "--table", "enemies", "--where", "hp < 100", "--set", "hp = hp * 1.5"})
        << QByteArray() << int(MadeBy::Edit) << "enemy 48 \"Dax\": hp 87 -> 130"; // a tie, to even
    QTest::newRow("edit: cheap items lose the Edible flag")
        << args({"edit", "--table", "items", "--where", "cost < 50 and edible", "--set",
                 "edible = false"})
        << QByteArray() << int(MadeBy::Edit) << "edible 1 -> 0";
    QTest::newRow("script: experience is HP divided by 4, and an item")
        << args({"script"})
        << QByteArray("for i = 0, #enemies do\n"
                      "  enemies[i].experience = enemies[i].hp // 4\n"
                      "end\n"
                      "items[2].cost = 1234\n"
                      "print('set', #enemies + 1)\n")
        << int(MadeBy::Script) << "set\t121";
}

void tst_BatchCommands::oneRecordUndoneWhole() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, script);
    QFETCH(int, madeBy);
    QFETCH(QString, line);
    Workspace w;
    const QByteArray before = w.disk.bytes();
    const CliRun run = w.run(arguments, script);
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(line), qPrintable(run.out));
    QVERIFY(run.out.contains(QStringLiteral(" written.\n")));
    QVERIFY(w.disk.bytes() != before);
    QCOMPARE(FileBytes(w.disk.path() + QStringLiteral(".bak")), before);
    const std::vector<HistoryRecord> records = w.records();
    QCOMPARE(records.size(), size_t(1));
    QCOMPARE(int(records.front().madeBy), madeBy);
    // The history lists it as made by the command.
    const CliRun history = RunTool({QStringLiteral("history"), w.disk.path()});
    QVERIFY(history.out.contains(arguments.front() + QStringLiteral("  ")));

    const CliRun undo = RunTool({QStringLiteral("undo"), w.disk.path()});
    QVERIFY2(undo.code == 0, qPrintable(undo.err));
    QCOMPARE(w.disk.bytes(), before);
}

void tst_BatchCommands::nothingWritten_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message"); // in what it prints, on either stream
    QTest::newRow("out of range, on its line")
        << args({"edit", "--table", "enemies", "--set", "fight = 1\nhp = hp * 100"}) << QByteArray()
        << 1 << "The Set assignments, line 2: enemy 0, field hp: 69000 lies outside 0 to 1023.";
    QTest::newRow("no such field")
        << args({"edit", "--table", "enemies", "--where", "exp > 3", "--set", "hp = 1"})
        << QByteArray() << 1 << "The Where expression, line 1: enemy 0 has no field exp.";
    QTest::newRow("not Lua") << args({"edit", "--table", "items", "--set", "cost = = 1"})
                             << QByteArray() << 1
                             << "The Set assignments, line 1: this is not Lua: unexpected symbol";
    QTest::newRow("a string in a script")
        << args({"script"}) << QByteArray("items[0].cost = 1\nitems[3].cost = 'ten'\n") << 1
        << "rules.lua, line 2: item 3, field cost: \"ten\" is not a number.";
    QTest::newRow("nothing changes")
        << args({"edit", "--table", "enemies", "--set", "hp = hp"}) << QByteArray() << 0
        << "No changes: the batch changes no field";
    QTest::newRow("a dry run") << args({"edit", "--table", "items", "--set", "cost = 1",
                                        "--dry-run"})
                               << QByteArray() << 0
                               << "would be written (dry run: nothing was written).";
    QTest::newRow("no --set") << args({"edit", "--table", "items"}) << QByteArray() << 2
                              << "edit needs --set";
    QTest::newRow("no table") << args({"edit", "--table", "spells", "--set", "cost = 1"})
                              << QByteArray() << 2 << "--table takes items or enemies";
}

void tst_BatchCommands::nothingWritten() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, script);
    QFETCH(int, code);
    QFETCH(QString, message);
    Workspace w;
    const QByteArray before = w.disk.bytes();
    const CliRun run = w.run(arguments, script);
    QCOMPARE(run.code, code);
    QVERIFY2((run.out + run.err).contains(message), qPrintable(run.out + run.err));
    if (code == 1)
        QVERIFY(run.err.contains(QStringLiteral("nothing was written to")));
    QCOMPARE(w.disk.bytes(), before);
    QVERIFY(!QFileInfo::exists(w.disk.path() + QStringLiteral(".history")));
    QVERIFY(!QFileInfo::exists(w.disk.path() + QStringLiteral(".bak")));
}

void tst_BatchCommands::clampListsEachValue() {
    Workspace w;
    const CliRun run = w.run(args({"edit", "--table", "enemies", "--where", "index < 2", "--set",
                                   "hp = 5000; speed = -1", "--clamp", "--no-backup"}));
    QVERIFY2(run.code == 0, qPrintable(run.err));
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(
        lines.mid(0, 4),
        args({"enemy 0, field hp: 5000 clamped to 1023", "enemy 0, field speed: -1 clamped to 0",
              "enemy 1, field hp: 5000 clamped to 1023", "enemy 1, field speed: -1 clamped to 0"}));
    QVERIFY(lines.back().startsWith(QStringLiteral("2 entries, 4 fields changed;")));
    QVERIFY(!QFileInfo::exists(w.disk.path() + QStringLiteral(".bak")));
    QCOMPARE(w.records().size(), size_t(1));
}

void tst_BatchCommands::examplesRun_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("line"); // the count line, on the demo image of the README
    QTest::newRow("half again as much HP") << "half-again-hp.lua"
                                           << "14 entries, 14 fields";
    QTest::newRow("experience from HP") << "experience-from-hp.lua"
                                        << "121 entries, 121 fields";
    QTest::newRow("cheap items not edible") << "cheap-not-edible.lua"
                                            << "8 entries, 8 fields";
}

void tst_BatchCommands::examplesRun() {
    QFETCH(QString, script);
    QFETCH(QString, line);
    const ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    const CliRun run =
        RunTool({QStringLiteral("script"), disk.path(),
                 QStringLiteral(TOLVANE_EXAMPLES_DIR "/") + script, QStringLiteral("--dry-run")});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QVERIFY2(run.out.contains(line + QStringLiteral(" changed;")), qPrintable(run.out));
    QCOMPARE(disk.bytes(), before);
}

QTEST_GUILESS_MAIN(tst_BatchCommands)
#include "tst_batchcommands.moc"
