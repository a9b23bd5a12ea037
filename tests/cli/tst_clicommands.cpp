#include "clirun.h"
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/newfile.h"
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "tables/imagefacts.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

class tst_CliCommands : public QObject {
    Q_OBJECT
private slots:
    void diffListsFieldsAndCountsBytes();
    void patchAndApplyThroughFiles_data();
    void patchAndApplyThroughFiles();
    void refusedPatchWritesNoOutput();
    void failedOutputKeepsTheOlderFile_data();
    void failedOutputKeepsTheOlderFile();
    void outputsIntoWhatIsNoPlainFile_data();
    void outputsIntoWhatIsNoPlainFile();
    void oversizedInputsAreNotRead_data();
    void oversizedInputsAreNotRead();
    void killedWriterLeavesNoTemporary_data();
    void killedWriterLeavesNoTemporary();
    void exportOfAFileWithoutTheTable_data();
    void exportOfAFileWithoutTheTable();
    void usageErrors_data();
    void usageErrors();
    void versionAndHelp();

private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
};

namespace {

// A folder with a.nes, b.nes (a.nes with one field changed), fix.bps between them, and h.nes,
// renamed once, so that h.nes.history and h.nes.bak stand beside it.
struct Inputs {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    Inputs() {
        SyntheticImage image = MakeDemoImage(8);
        PutFile(path(QStringLiteral("a.nes")), image.bytes);
        PutFile(path(QStringLiteral("h.nes")), image.bytes);
        image.setByte(EnemyEntryOffset(2) + 0x0B, 9);
        PutFile(path(QStringLiteral("b.nes")), image.bytes);
        if (RunTool({QStringLiteral("patch"), path(QStringLiteral("a.nes")),
                     path(QStringLiteral("b.nes")), QStringLiteral("-o"),
                     path(QStringLiteral("fix.bps"))})
                    .code != 0 ||
            RunTool({QStringLiteral("rename"), path(QStringLiteral("h.nes")),
                     QStringLiteral("--item"), QStringLiteral("1"), QStringLiteral("Ush")})
                    .code != 0)
            qFatal("cannot make the inputs");
    }
    // "export|a.nes|-o|T" with every file (a word with a dot) in the folder, and T the path
    // `target`.
    QStringList arguments(const QString& command, const QString& target) const {
        QStringList words = command.split(QLatin1Char('|'));
        for (int k = 1; k < words.size(); ++k)
            if (words[k] == QLatin1String("T"))
                words[k] = target;
            else if (words[k].contains(QLatin1Char('.')))
                words[k] = path(words[k]);
        return words;
    }
    // The names in the folder that a fresh file of ours would have.
    QStringList temporaries() const {
        return QDir(dir.path())
            .entryList({QStringLiteral(".tolvane-*")}, QDir::Files | QDir::Hidden | QDir::System);
    }
};

} // namespace

void tst_CliCommands::outputsIntoWhatIsNoPlainFile_data() {
    QTest::addColumn<QString>("command"); // T is the output
    QTest::addColumn<QString>("target");  // "device", "fifo", "hard link", "copy" or "file"
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: written, exit 0
    const auto row = [](const char* what, const char* command, const char* target, const char* name,
                        const char* message) {
        QTest::newRow(what) << QString::fromLatin1(command) << QString::fromLatin1(target)
                            << QString::fromLatin1(name) << QString::fromLatin1(message);
    };
    const char* merge = "merge|a.nes|a.nes|b.nes|-o|T";
    const char* exportTable = "export|a.nes|-o|T";
    const char* apply = "apply|fix.bps|a.nes|-o|T";
    const char* patch = "patch|a.nes|b.nes|-o|T";
    row("merge into a device", merge, "device", "null", "");
    row("apply into a device", apply, "device", "null", "");
    row("export into a FIFO", exportTable, "fifo", "pipe", "is a FIFO");
    row("patch into a FIFO", patch, "fifo", "pipe.ips", "is a FIFO");
    row("merge into a history", merge, "file", "h.nes.history", "the history of the saves of");
    row("apply into a history by another name", apply, "copy", "saves.log",
        "it is a history of saves");
    row("patch into a history by another name", patch, "copy", "saves.ips",
        "it is a history of saves");
    row("merge into a backup", merge, "file", "h.nes.bak", "the backup of");
    row("export into its backup by another name", "export|h.nes|-o|T", "hard link", "copy.csv",
        "the backup of");
}

// An output is written into a device, never replaces it, refuses a FIFO (which would hold the
// command until a reader came), and never replaces what only the saves write.
void tst_CliCommands::outputsIntoWhatIsNoPlainFile() {
    QFETCH(QString, command);
    QFETCH(QString, target);
    QFETCH(QString, name);
    QFETCH(QString, message);
    Inputs in;
    const QString out = in.path(name);
    [[maybe_unused]] int reader = -1;
    if (target == QLatin1String("device") || target == QLatin1String("fifo")) {
#ifdef Q_OS_WIN
        QSKIP("Windows has no device nodes or FIFOs in its folders");
#else
        const QByteArray node = QFile::encodeName(out);
        if (target == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(node.constData(), 0600), 0);
            // A reader, so that a writer that wrongly opened the FIFO would not wait forever.
            reader = ::open(node.constData(), O_RDONLY | O_NONBLOCK);
        } else if (::mknod(node.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
            QSKIP("making a device node needs the right to (run as root)");
        }
#endif
    }
    if (target == QLatin1String("copy"))
        QVERIFY(QFile::copy(in.path(QStringLiteral("h.nes.history")), out));
    if (target == QLatin1String("hard link")) {
#ifdef Q_OS_WIN
        QSKIP("no link() here");
#else
        QCOMPARE(::link(QFile::encodeName(in.path(QStringLiteral("h.nes.bak"))).constData(),
                        QFile::encodeName(out).constData()),
                 0);
#endif
    }
    const bool regular = target != QLatin1String("device") && target != QLatin1String("fifo");
    const QByteArray before = regular ? FileBytes(out) : QByteArray();
    const CliRun run = RunTool(in.arguments(command, out));
#ifndef Q_OS_WIN
    if (reader >= 0)
        ::close(reader);
#endif
    QCOMPARE(run.code, message.isEmpty() ? 0 : 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (!message.isEmpty())
        QVERIFY2(run.err.contains(QDir::toNativeSeparators(out)), qPrintable(run.err));
    if (target == QLatin1String("device"))
        QCOMPARE(NotARegularFile(out), std::optional(NodeKind::Device));
    else if (target == QLatin1String("fifo"))
        QCOMPARE(NotARegularFile(out), std::optional(NodeKind::Fifo));
    else
        QCOMPARE(FileBytes(out), before);
    QCOMPARE(in.temporaries(), QStringList());
}

void tst_CliCommands::oversizedInputsAreNotRead_data() {
    QTest::addColumn<QString>("command"); // BIG is a file larger than any image
    QTest::newRow("merge, a large side") << "merge|a.nes|a.nes|BIG|-o|out.nes";
    QTest::newRow("changes against a large base") << "changes|a.nes|--base|BIG";
    QTest::newRow("apply to a large image") << "apply|fix.bps|BIG|-o|out.nes";
    QTest::newRow("patch of a large image") << "patch|a.nes|BIG|-o|out.bps";
}

// A file larger than any image (sparse here, as a careless or hostile input would be) is refused
// by its size, before any of it is read.
void tst_CliCommands::oversizedInputsAreNotRead() {
    QFETCH(QString, command);
    Inputs in;
    const QString big = in.path(QStringLiteral("big.nes"));
    QFile file(big);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(LargestImageBytes + 1));
    file.close();
    const CliRun run =
        RunTool(in.arguments(command.replace(QLatin1String("BIG"), QLatin1String("big.nes")), {}));
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QStringLiteral("more than the 16777216 bytes")), qPrintable(run.err));
    QVERIFY2(run.err.contains(QDir::toNativeSeparators(big)), qPrintable(run.err));
    QVERIFY(!QFile::exists(in.path(QStringLiteral("out.nes"))));
}

void tst_CliCommands::killedWriterLeavesNoTemporary_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("merge") << "merge|a.nes|a.nes|b.nes|-o|out.nes";
    QTest::newRow("export") << "export|a.nes|-o|out.csv";
    QTest::newRow("apply") << "apply|fix.bps|a.nes|-o|out.nes";
    QTest::newRow("patch") << "patch|a.nes|b.nes|-o|out.ips";
    QTest::newRow("rename's backup") << "rename|a.nes|--item|1|Ush";
}

// A command killed while it writes its output, as a real process is: nothing of the output it
// was writing is left beside it, for no later command would know whose it was.
void tst_CliCommands::killedWriterLeavesNoTemporary() {
#ifdef Q_OS_WIN
    QSKIP("no fork() here; the fresh files of Windows are named, as the README says");
#else
    QFETCH(QString, command);
    Inputs in;
    const QStringList arguments = in.arguments(command, {});
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Killed at the first byte it writes into a new file: the output is then half made.
        SetNewFileFault([](NewFileStep) {
            ::raise(SIGKILL);
            return 0;
        });
        RunTool(arguments);
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the command was not killed");
    QCOMPARE(in.temporaries(), QStringList());
    QCOMPARE(QDir(in.dir.path()).entryList({QStringLiteral("out.*")}), QStringList());
#endif
}

void tst_CliCommands::exportOfAFileWithoutTheTable_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("facts");
    QTest::newRow("a header alone") << 16 << "items"
                                    << "0 of its 114 entries lie inside the file";
    QTest::newRow("cut inside the enemies") << EnemyEntryOffset(120) << "enemies"
                                            << "120 of its 121 entries lie inside the file";
}

// A file that ends before the table would export rows of zeros past its end, as if read.
void tst_CliCommands::exportOfAFileWithoutTheTable() {
    QFETCH(int, length);
    QFETCH(QString, table);
    QFETCH(QString, facts);
    PutFile(path("short.nes"), MakeDemoImage(3).bytes.left(length));
    QFile::remove(path("short.csv"));
    const CliRun run =
        RunTool({QStringLiteral("export"), path("short.nes"), QStringLiteral("--table"), table,
                 QStringLiteral("-o"), path("short.csv")});
    QCOMPARE(run.code, 1);
    QVERIFY2(
        run.err.contains(QStringLiteral("does not hold the tables as the editors read them")) &&
            run.err.contains(facts),
        qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
    QVERIFY(!QFile::exists(path("short.csv")));
}

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
