#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/newfile.h"
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "wording/wording.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_CliCommands : public QObject {
    Q_OBJECT
private slots:
    void diffListsFieldsAndCountsBytes();
    void patchAndApplyThroughFiles_data();
    void patchAndApplyThroughFiles();
    void refusedPatchWritesNoOutput();
    void failedOutputKeepsTheOlderFile_data();
    void failedOutputKeepsTheOlderFile();
    void usageErrors_data();
    void usageErrors();
    void versionAndHelp();

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
};

void tst_CliCommands::diffListsFieldsAndCountsBytes() {
    SyntheticImage a = MakeDemoImage(4);
    PutFile(path("a.nes"), a.bytes);
    a.setWord(ItemEntryOffset(9) + 6, 1234);
    a.setByte(EnemyEntryOffset(3) + 0x04, a.byte(EnemyEntryOffset(3) + 0x04) ^ 0x04); // not shown
    a.setByte(EnemyEntryOffset(3) + 0x0B, 200);
    a.setByte(0x100, a.byte(0x100) ^ 0xFF);
    PutFile(path("b.nes"), a.bytes + QByteArray(3, '\0'));
    const CliRun run = RunTool({QStringLiteral("diff"), path("a.nes"), path("b.nes")});
    QCOMPARE(run.code, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QVERIFY2(lines[0].startsWith(QStringLiteral("item 9 \"")) &&
                 lines[0].endsWith(QStringLiteral("\": cost ") +
                                   QString::number(MakeDemoImage(4).word(ItemEntryOffset(9) + 6)) +
                                   QStringLiteral(" -> 1234")),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith(QStringLiteral("enemy 3 \"")) &&
                 lines[1].endsWith(QStringLiteral(" -> 200")) &&
                 !lines[1].contains(QLatin1Char(',')),
             qPrintable(lines[1]));
    // The cost's two bytes may both change; 0x100 and the three added bytes lie outside.
    QVERIFY(lines[2] == QStringLiteral("Changed bytes: 4 inside the tables, 4 outside them.") ||
            lines[2] == QStringLiteral("Changed bytes: 3 inside the tables, 4 outside them."));
}

void tst_CliCommands::patchAndApplyThroughFiles_data() {
    QTest::addColumn<QString>("patch");
    QTest::newRow("ips") << "fix.ips";
    QTest::newRow("bps") << "fix.BPS";
}

void tst_CliCommands::patchAndApplyThroughFiles() {
    QFETCH(QString, patch);
    const QString patchPath = m_dir.filePath(patch);
    SyntheticImage image = MakeDemoImage(5);
    PutFile(path("clean.nes"), image.bytes);
    image.setWord(EnemyEntryOffset(7) + 0x1A, 4660);
    PutFile(path("edited.nes"), image.bytes);
    QCOMPARE(RunTool({QStringLiteral("patch"), path("clean.nes"), path("edited.nes"),
                      QStringLiteral("-o"), patchPath})
                 .code,
             0);
    const QByteArray made = FileBytes(patchPath);
    QVERIFY(made.startsWith(patch.endsWith(QLatin1String("ips")) ? "PATCH" : "BPS1"));
    const CliRun run = RunTool({QStringLiteral("apply"), patchPath, path("clean.nes"),
                                QStringLiteral("-o"), path("out.nes")});
    QCOMPARE(run.code, 0);
    QVERIFY(FileBytes(path("out.nes")) == image.bytes);
}

void tst_CliCommands::refusedPatchWritesNoOutput() {
    PutFile(path("src.nes"), MakeDemoImage(6).bytes);
    PutFile(path("junk.bps"), "BPS1 not really");
    QFile::remove(path("none.nes"));
    const CliRun run = RunTool({QStringLiteral("apply"), path("junk.bps"), path("src.nes"),
                                QStringLiteral("-o"), path("none.nes")});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QDir::toNativeSeparators(path("junk.bps"))), qPrintable(run.err));
    QVERIFY(!QFile::exists(path("none.nes")));
}

void tst_CliCommands::failedOutputKeepsTheOlderFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("step");
    const auto write = int(NewFileStep::Write), sync = int(NewFileStep::Sync);
    QTest::newRow("export, write") << "export|a.nes|-o|out" << write;
    QTest::newRow("export, sync") << "export|a.nes|-o|out" << sync;
    QTest::newRow("patch, sync") << "patch|a.nes|b.nes|-o|out.ips" << sync;
}

// A full disk shows at a write or only at the sync; either way the command fails with the system's
// reason, and the file it would have replaced stays whole, with nothing left beside it.
void tst_CliCommands::failedOutputKeepsTheOlderFile() {
    QFETCH(QString, command);
    QFETCH(int, step);
    QTemporaryDir dir;
    SyntheticImage image = MakeDemoImage(7);
    PutFile(dir.filePath(QStringLiteral("a.nes")), image.bytes);
    image.setByte(EnemyEntryOffset(2) + 0x0B, 9);
    PutFile(dir.filePath(QStringLiteral("b.nes")), image.bytes);
    QStringList arguments = command.split(QLatin1Char('|'));
    for (int k = 1; k < arguments.size(); ++k)
        if (arguments[k] != QLatin1String("-o"))
            arguments[k] = dir.filePath(arguments[k]);
    PutFile(arguments.last(), "older");
    SetNewFileFault([step](NewFileStep at) { return int(at) == step ? DiskFullError() : 0; });
    const CliRun run = RunTool(arguments);
    SetNewFileFault({});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(SystemText(DiskFullError())), qPrintable(run.err));
    QCOMPARE(FileBytes(arguments.last()), QByteArray("older"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void tst_CliCommands::usageErrors_data() {
    QTest::addColumn<QString>("arguments");
    QTest::newRow("no command") << "";
    QTest::newRow("unknown command") << "frobnicate";
    QTest::newRow("unknown option") << "export a.nes --colour";
    QTest::newRow("no image") << "export";
    QTest::newRow("bad table") << "export a.nes --table spells";
    QTest::newRow("bad format") << "export a.nes --format xml";
    QTest::newRow("one image to diff") << "diff a.nes";
    QTest::newRow("patch without -o") << "patch a.nes b.nes";
    QTest::newRow("patch to .zip") << "patch a.nes b.nes -o x.zip";
    QTest::newRow("apply without -o") << "apply x.ips a.nes";
}

void tst_CliCommands::usageErrors() {
    QFETCH(QString, arguments);
    const CliRun run = RunTool(arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    QCOMPARE(run.code, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(run.err.contains(QStringLiteral("--help")));
}

void tst_CliCommands::versionAndHelp() {
    QCOMPARE(RunTool({QStringLiteral("--version")}).out, QStringLiteral("tolvane-cli 0.2.0\n"));
    const CliRun help = RunTool({QStringLiteral("import"), QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: tolvane-cli import IMAGE FILE")));
}

QTEST_GUILESS_MAIN(tst_CliCommands)
#include "tst_clicommands.moc"
