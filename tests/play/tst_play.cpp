#include "cli/clirun.h"
#include "enemies/enemyrecord.h"
#include "play/emulator.h"
#include "wording/playtext.h"

#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

using OptionalWords = std::optional<QStringList>;
Q_DECLARE_METATYPE(OptionalWords)

namespace {

QString S(const char* text) {
    return QString::fromUtf8(text);
}

QStringList W(std::initializer_list<const char*> words) {
    QStringList out;
    for (const char* w : words)
        out << S(w);
    return out;
}

// The stand-in emulator is built beside the test.
QString StandinPath() {
#ifdef Q_OS_WIN
    return QCoreApplication::applicationDirPath() + QStringLiteral("/standin_emulator.exe");
#else
    return QCoreApplication::applicationDirPath() + QStringLiteral("/standin_emulator");
#endif
}

// Where the stand-in emulator writes what it got, and the wait for it.
QStringList StandinArguments(const QString& log) {
    QFile file(log);
    // Opening is retried: on Windows the name appears while the rename still holds the file, and
    // an open in that moment fails with a sharing violation.
    if (!QTest::qWaitFor([&] { return file.open(QIODevice::ReadOnly); }, 20000))
        return {QStringLiteral("<the stand-in wrote nothing>")};
    QStringList words = QString::fromUtf8(file.readAll()).split(QChar(0));
    words.removeLast(); // after the last argument's NUL
    return words;
}

#ifndef Q_OS_WIN
void MakeExecutable(const QString& path, const QByteArray& text = "#!/bin/sh\n") {
    PutFile(path, text);
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}
#endif

} // namespace

class tst_Play : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void splitting_data();
    void splitting();
    void desktopEntry_data();
    void desktopEntry();
    void searchOrder_data();
    void searchOrder();
    void nothingFoundText();
    void standinGetsTheImage_data();
    void standinGetsTheImage();
    void printRunsNothing();
    void refusals();
    void cutShortSaveIsPutRight();
    void systemAssociation();

private:
    QTemporaryDir m_dir;
    QByteArray m_path;
};

void tst_Play::init() {
    m_path = qgetenv("PATH");
    qunsetenv(EmulatorVariable);
    qputenv("STANDIN_LOG", QFile::encodeName(m_dir.filePath(QStringLiteral("args.json"))));
    QFile::remove(m_dir.filePath(QStringLiteral("args.json")));
}

void tst_Play::cleanup() {
    qputenv("PATH", m_path);
    qunsetenv(EmulatorVariable);
}

void tst_Play::splitting_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<OptionalWords>("words");
    const auto w = [](std::initializer_list<const char*> list) { return OptionalWords(W(list)); };
    QTest::newRow("plain") << QStringLiteral("fceux  -f\t%f") << w({"fceux", "-f", "%f"});
    QTest::newRow("Windows path") << QStringLiteral(
                                         R"("C:\Program Files\Emu\emu.exe" --fullscreen %f)")
                                  << w({R"(C:\Program Files\Emu\emu.exe)", "--fullscreen", "%f"});
    QTest::newRow("parts join") << QStringLiteral(R"(--rom="a b"c)") << w({"--rom=a bc"});
    QTest::newRow("empty word") << QStringLiteral(R"(emu "" x)") << w({"emu", "", "x"});
    QTest::newRow("doubled quote") << QStringLiteral(R"("say ""hi""")") << w({R"(say "hi")"});
    QTest::newRow("open quote") << QStringLiteral(R"("emu %f)") << OptionalWords();
    QTest::newRow("blank") << QStringLiteral("  \t ") << OptionalWords();
}

void tst_Play::splitting() {
    QFETCH(QString, line);
    QFETCH(OptionalWords, words);
    QCOMPARE(SplitCommandLine(line), words);
    // What --print shows reads back as the same words.
    if (words)
        QCOMPARE(SplitCommandLine(JoinCommandLine(*words)), words);
}

void tst_Play::desktopEntry_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptionalWords>("words");
    QTest::newRow("file list code")
        << QStringLiteral("[Desktop Entry]\nName=Emu\nExec=emu --icon %i %U\nIcon=emu\n")
        << OptionalWords(W({"emu", "--icon", "%f"}));
    QTest::newRow("quoted, percent")
        << QStringLiteral("[Desktop Entry]\nExec = \"/opt/my emu/emu\" -v 100%% %f\n")
        << OptionalWords(W({"/opt/my emu/emu", "-v", "100%", "%f"}));
    QTest::newRow("an action's Exec is not the entry's")
        << QStringLiteral("[Desktop Entry]\nExec=emu %F\n[Desktop Action Big]\nExec=emu -big %F\n")
        << OptionalWords(W({"emu", "%f"}));
    QTest::newRow("no Exec") << QStringLiteral("[Desktop Entry]\nName=Emu\n") << OptionalWords();
}

void tst_Play::desktopEntry() {
    QFETCH(QString, text);
    QFETCH(OptionalWords, words);
    QCOMPARE(DesktopEntryCommand(text), words);
}

void tst_Play::searchOrder_data() {
    QTest::addColumn<QString>("variable"); // "-" for none
    QTest::addColumn<QStringList>("onPath");
    QTest::addColumn<QString>("association"); // its program, "" for none
    QTest::addColumn<QString>("found");       // the program found, "" for none
    const QStringList both = W({"nestopia", "mednafen"});
    QTest::newRow("variable first") << S("\"my emu\" %f") << both << S("assoc") << S("my emu");
    QTest::newRow("blank variable") << S(" ") << both << S("assoc") << S("nestopia");
    QTest::newRow("PATH in its order") << S("-") << both << S("assoc") << S("nestopia");
    QTest::newRow("the association") << S("-") << QStringList{} << S("assoc") << S("assoc");
    QTest::newRow("not Tolvane itself")
        << S("-") << QStringList{} << S("/usr/bin/tolvane") << S("");
    QTest::newRow("nothing") << S("-") << QStringList{} << S("") << S("");
    QTest::newRow("broken variable is no guess") << S("\"emu") << both << S("assoc") << S("");
}

void tst_Play::searchOrder() {
    QFETCH(QString, variable);
    QFETCH(QStringList, onPath);
    QFETCH(QString, association);
    QFETCH(QString, found);
    QTemporaryDir bin;
    for (const QString& name : onPath)
#ifdef Q_OS_WIN
        PutFile(bin.filePath(name + QStringLiteral(".exe")), "MZ");
#else
        MakeExecutable(bin.filePath(name));
#endif
    PlayEnvironment env;
    if (variable != QLatin1String("-"))
        env.variable = variable;
    env.path = {bin.path()};
    env.knownNames = W({"fceux", "nestopia", "mednafen"});
    if (!association.isEmpty())
        env.association = [&] {
            return std::optional(Association{{association, S("%f")}, S("x.desktop")});
        };
    EmulatorSearch search;
    const auto command = FindEmulator(env, &search);
    QCOMPARE(command.has_value(), !found.isEmpty());
    if (command)
        QCOMPARE(QFileInfo(command->words.first()).completeBaseName(),
                 QFileInfo(found).completeBaseName());
    QCOMPARE(search.variableBroken, variable == QLatin1String("\"emu"));
    QCOMPARE(search.associationIsSelf, association.contains(QLatin1String("tolvane")));
}

void tst_Play::nothingFoundText() {
    EmulatorSearch search;
    search.knownNames = W({"fceux", "nestopia", "mednafen"});
    const QString none = NoEmulatorText(QStringLiteral("/x/a.nes"), search);
    search.association = QStringLiteral("org.tolvane.tolvane.desktop");
    search.associationIsSelf = true;
    const QString self = NoEmulatorText(QStringLiteral("/x/a.nes"), search);
    for (const QString& text : {none, self}) {
        // What was looked for, in the order it was, and how to choose one.
        qsizetype at = 0;
        for (const char* part : {"a.nes", "1. ", "TOLVANE_EMULATOR", "2. ",
                                 "fceux, nestopia, mednafen", "3. ", ".nes files", "%f"}) {
            const qsizetype next = text.indexOf(QLatin1String(part), at);
            QVERIFY2(
                next >= at,
                qPrintable(
                    QStringLiteral("'%1' not in order in:\n%2").arg(QLatin1String(part), text)));
            at = next;
        }
    }
    QVERIFY(self.contains(QLatin1String("org.tolvane.tolvane.desktop, Tolvane itself")));
    QVERIFY(!none.contains(QLatin1String("Tolvane itself")));
}

void tst_Play::standinGetsTheImage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("arguments");    // after the program; "" for none
    QTest::addColumn<QStringList>("expected"); // IMAGE for the image's path
    QTest::newRow("space, %f in the middle")
        << S("my image.nes") << S("--rom %f --fullscreen") << W({"--rom", "IMAGE", "--fullscreen"});
    QTest::newRow("non-ASCII, inside a word")
        << S("Ünïcødé ゲーム.nes") << S("--rom=%f") << W({"--rom=IMAGE"});
    QTest::newRow("no %f: appended") << S("plain.nes") << S("-v") << W({"-v", "IMAGE"});
#ifndef Q_OS_WIN
    // Windows names hold no quote.
    QTest::newRow("quotes") << S("say \"hi\" 'x'.nes") << S("") << W({"IMAGE"});
#endif
}

void tst_Play::standinGetsTheImage() {
    QFETCH(QString, name);
    QFETCH(QString, arguments);
    QFETCH(QStringList, expected);
    ImageOnDisk disk(MakeDemoImage(5), name);
    qputenv(EmulatorVariable, QStringLiteral("\"%1\" %2").arg(StandinPath(), arguments).toUtf8());
    const CliRun run = RunTool({QStringLiteral("play"), disk.path()});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.err, QString());
    expected.replaceInStrings(QStringLiteral("IMAGE"), QDir::toNativeSeparators(disk.path()));
    QCOMPARE(StandinArguments(QString::fromLocal8Bit(qgetenv("STANDIN_LOG"))), expected);
}

void tst_Play::printRunsNothing() {
    ImageOnDisk disk(MakeDemoImage(5), QStringLiteral("a b.nes"));
    qputenv(EmulatorVariable, QStringLiteral("\"%1\" -x %f").arg(StandinPath()).toUtf8());
    const CliRun printed =
        RunTool({QStringLiteral("play"), QStringLiteral("--print"), disk.path()});
    QCOMPARE(printed.code, 0);
    QCOMPARE(printed.out,
             JoinCommandLine({StandinPath(), S("-x"), QDir::toNativeSeparators(disk.path())}) +
                 QLatin1Char('\n'));
    // A play started after it has written its arguments long before the print's could have.
    const QString log = QString::fromLocal8Bit(qgetenv("STANDIN_LOG"));
    qputenv("STANDIN_LOG", QFile::encodeName(log + QStringLiteral(".played")));
    QCOMPARE(RunTool({QStringLiteral("play"), disk.path()}).code, 0);
    QCOMPARE(StandinArguments(log + QStringLiteral(".played")).size(), 2);
    QVERIFY(!QFile::exists(log));
}

void tst_Play::refusals() {
    ImageOnDisk disk(MakeDemoImage(5));
    // A program that does not start: the command, and the system's reason.
    qputenv(EmulatorVariable, "\"/no/such/emu\" %f");
    CliRun run = RunTool({QStringLiteral("play"), disk.path()});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QLatin1String("/no/such/emu")) &&
                 run.err.count(QLatin1Char('\n')) >= 3,
             qPrintable(run.err));
    // Nothing to be found: the search is told, and it is exit 1 also for --print.
    qunsetenv(EmulatorVariable);
    QTemporaryDir emptyBin;
    qputenv("PATH", QFile::encodeName(emptyBin.path()));
    run = RunTool({QStringLiteral("play"), QStringLiteral("--print"), disk.path()});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.contains(QLatin1String("TOLVANE_EMULATOR")), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    // No image: refused before any emulator is looked for.
    QCOMPARE(RunTool({QStringLiteral("play"), m_dir.filePath(QStringLiteral("none.nes"))}).code, 1);
}

void tst_Play::cutShortSaveIsPutRight() {
    ImageOnDisk disk(MakeDemoImage(5));
    const QByteArray whole = disk.bytes();
    CutShortSave(disk.path(), EnemyFormat.entryOffset(3), QByteArray(4, '\x55'), 2);
    const QByteArray torn = disk.bytes();
    QVERIFY(torn != whole);
    qputenv(EmulatorVariable, QStringLiteral("\"%1\"").arg(StandinPath()).toUtf8());
    // --print writes nothing; a play puts the image right before the emulator opens it.
    QCOMPARE(RunTool({QStringLiteral("play"), QStringLiteral("--print"), disk.path()}).code, 0);
    QCOMPARE(disk.bytes(), torn);
    QCOMPARE(RunTool({QStringLiteral("play"), disk.path()}).code, 0);
    QCOMPARE(disk.bytes(), whole);
    QCOMPARE(StandinArguments(QString::fromLocal8Bit(qgetenv("STANDIN_LOG"))).size(), 1);
}

void tst_Play::systemAssociation() {
    // A fake association of .nes, as the system keeps it, leads to the stand-in.
    QTemporaryDir place;
#ifdef Q_OS_WIN
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes");
    if (SystemAssociation({}))
        QSKIP("This system opens .nes files with an application already, which the test must not "
              "replace.");
    QSettings classes(key, QSettings::NativeFormat);
    classes.setValue(QStringLiteral(".nes/."), QStringLiteral("TolvaneTest.Image"));
    classes.setValue(QStringLiteral("TolvaneTest.Image/shell/open/command/."),
                     QLatin1Char('"') + QDir::toNativeSeparators(StandinPath()) +
                         QStringLiteral("\" --go \"%1\""));
    classes.sync();
    const auto association = SystemAssociation({});
    classes.remove(QStringLiteral(".nes"));
    classes.remove(QStringLiteral("TolvaneTest.Image"));
#else
    MakeExecutable(place.filePath(QStringLiteral("xdg-mime")),
                   "#!/bin/sh\necho fake-emu.desktop\n");
    QDir(place.path()).mkpath(QStringLiteral("share/applications"));
    PutFile(place.filePath(QStringLiteral("share/applications/fake-emu.desktop")),
            QStringLiteral("[Desktop Entry]\nType=Application\nExec=\"%1\" --go %U\n")
                .arg(StandinPath())
                .toUtf8());
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(place.filePath(QStringLiteral("share"))));
    const auto association = SystemAssociation({place.path()});
    qputenv("XDG_DATA_HOME", dataHome);
#endif
    QVERIFY(association);
    QCOMPARE(association->words,
             (QStringList{QDir::toNativeSeparators(StandinPath()), S("--go"), S("%f")}));
    // And it is started as any other emulator is.
    const QString image = QDir::toNativeSeparators(place.filePath(QStringLiteral("an image.nes")));
    QVERIFY(StartDetached(SubstituteImage(association->words, image)).failure.isEmpty());
    QCOMPARE(StandinArguments(QString::fromLocal8Bit(qgetenv("STANDIN_LOG"))),
             (QStringList{S("--go"), image}));
}

QTEST_GUILESS_MAIN(tst_Play)
#include "tst_play.moc"
