// Every text the user reads about what the core did, from the outcome that causes it: the other
// tests check outcomes, this one that each reads word for word as it always has.
#include "support/failingrom.h"
#include "support/testsupport.h"
#include "wording/wording.h"

#include <QDir>
#include <QTest>

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

const QString File = QStringLiteral("/images/my.nes");
const QString Item = QStringLiteral("item 5");
const QString Bread = QStringLiteral("Bread");

Outcome io(Operation operation, qint64 offset) {
    return {.fault = Fault::SystemCall,
            .operation = operation,
            .file = File,
            .offset = offset,
            .error = DiskFullError()};
}

Outcome bad(ValueKind kind, const char* field, const char* text) {
    return {.fault = Fault::BadValue,
            .kind = kind,
            .file = File,
            .entry = Item,
            .field = u8(field),
            .text = u8(text),
            .upper = 255};
}

Outcome entry(Fault fault) {
    return {.fault = fault, .file = File, .entry = Item};
}

} // namespace

class tst_Wording : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
    void everyFaultIsWorded();
};

void tst_Wording::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString file = QDir::toNativeSeparators(File);
    const QString full = SystemText(DiskFullError());
    const Outcome writeFailed = io(Operation::Write, 0x1814);
    const Outcome shortFile = {.fault = Fault::ShortFile,
                               .file = File,
                               .entry = Item,
                               .first = 0x1838,
                               .last = 0x183F,
                               .length = 6203};
    const Outcome backup = {
        .fault = Fault::BackupNotMade, .file = File, .other = File + QStringLiteral(".bak")};
    const auto rename = [&](Fault fault) {
        return Outcome{
            .fault = fault, .entry = Item, .text = Bread, .offset = 0x20, .pointer = 0x8010};
    };

    // The image layer's errors.
    QTest::newRow("read")
        << ImageErrorText(io(Operation::Read, 0x1810))
        << QStringLiteral("Cannot read %1 at offset 0x1810:\n%2.").arg(file, full);
    QTest::newRow("primitive before the start")
        << ImageErrorText(
               Outcome{.fault = Fault::BeforeStart, .operation = Operation::ReadWord, .offset = -1})
        << u8("Read word at offset -0x1: the position lies before the start of the file.");
    const QString cannotBackUp = QStringLiteral("Cannot make the backup %1.bak of %1:\n").arg(file);
    Outcome because = backup;
    because.error = DiskFullError();
    because = backup;
    because.node = NodeKind::Fifo;
    because = backup;
    because.replaced = true;
    QTest::newRow("backup: replaced")
        << ImageErrorText(because)
        << cannotBackUp + u8("another program replaced, moved or deleted the image while its "
                             "backup was made.");

    // What the editors' Save tells.
    const QString cannotSave = QStringLiteral("Cannot save item 5 to %1:\n").arg(file);
    QTest::newRow("item")
        << SaveText(bad(ValueKind::Item, "item", "114"))
        << u8("Cannot save item 5: there is no item 114; items run from 0 to 255. Nothing "
              "was written.");
    Outcome failed = writeFailed;
    failed.entry = Item;
    QTest::newRow("put back")
        << SaveText(failed)
        << QStringLiteral("Cannot save item 5.\nCannot write to %1 at offset 0x1814:\n%2.\nNothing "
                          "was written.")
               .arg(file, full);
    failed = entry(Fault::WrittenInPart);
    failed.field = QStringLiteral("cost");
    failed.cause << writeFailed;
    failed.landed = {{Item, QStringLiteral("pointer to name"), false, 2, 2},
                     {Item, QStringLiteral("cost"), false, 1, 2},
                     {Item, QStringLiteral("flags"), false, 0, 1}};
    QTest::newRow("written in part")
        << SaveText(failed)
        << QStringLiteral("Saving item 5 stopped at the cost.\nCannot write to %1 at offset "
                          "0x1814:\n%2.\nAlready written, and kept in the file: pointer to name, "
                          "part of cost.\nNot written: the rest of cost, flags.")
               .arg(file, full);
    Outcome unsynced = entry(Fault::NotSynced);
    unsynced.cause << io(Operation::Sync, 0);
    QTest::newRow("not synced")
        << SaveText(unsynced)
        << QStringLiteral("Saving item 5: every field was written, but Cannot sync %1 at offset "
                          "0x0:\n%2.")
               .arg(file, full);

    // Renames, and the rows of a table file.
    Outcome name = rename(Fault::NameLonger);
    name.otherName = QStringLiteral("Bun");
    QTest::newRow("name longer")
        << ImageErrorText(name)
        << u8("\"Bread\" is 5 characters long, but the name it replaces at pointer 8010, \"Bun\", "
              "is only 3: a new name may not be longer than the old one");
    name = rename(Fault::NameIntoRecord);
    name.field = QStringLiteral("item 0");
    name.first = 0x1810;
    name = rename(Fault::NameCharacter);
    name.text = QStringLiteral("\u00E9");
    name.position = 3;
    QTest::newRow("name character")
        << ImageErrorText(name)
        << QStringLiteral("the character \"\u00E9\" (U+00E9) at position 3 cannot be written: name "
                          "text holds only the codes 0x00 to 0x7F");
    name = rename(Fault::NamePastEnd);
    name.length = 32;
    name = rename(Fault::SharedName);
    name.names = {{QStringLiteral("enemy 7"), QStringLiteral("Bun"), Bread}};
    QTest::newRow("shared name")
        << InputErrorText(QStringLiteral("t.csv"), {4, 7, name})
        << u8("t.csv:4:7: the name text of item 5 is shared: writing \"Bread\" would also change "
              "enemy 7 \"Bun\" -> \"Bread\"; give --shared to allow it");
    QTest::newRow("row's save refused")
        << InputErrorText(QStringLiteral("t.csv"), {2, 1, shortFile})
        << QStringLiteral("t.csv:2:1: Cannot save item 5 to %1: the entry lies at offsets 0x1838 "
                          "to 0x183F, but the file is only 6203 bytes long. Nothing was written.")
               .arg(file);
    QTest::newRow("cell") << InputErrorText(QStringLiteral("t.csv"),
                                            {3, 9, bad(ValueKind::CellFlag, "edible", "2")})
                          << u8("t.csv:3:9: the edible flag \"2\" is neither 0 nor 1");

    // What a command that writes says when its transaction fails.
    Outcome command = entry(Fault::ChangedOnDisk);
    command.landed = {{Item, {}, false, 0, 0}, {QStringLiteral("enemy 2"), {}, true, 0, 0}};
    command = entry(Fault::WrittenInPart);
    command.cause << writeFailed;
    command.landed = {{QStringLiteral("item 1"), {}, false, 2, 2},
                      {QStringLiteral("item 2"), {}, false, 1, 2},
                      {QStringLiteral("item 3"), {}, true, 0, 3}};
    QTest::newRow("command: written in part")
        << CommandWriteText(command, File + QStringLiteral(".bak"))
        << QStringLiteral("Cannot write to %1 at offset 0x1814:\n%2.\n%1 is written in "
                          "part.\nWritten: item 1, part of item 2.\nNot written: the rest of item "
                          "2, the name of item 3.\nThe backup %1.bak holds the image as it was "
                          "before this command.")
               .arg(file, full);
}

void tst_Wording::texts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

// Each text function words every fault, its own or by handing it to the one that owns it, and
// none of them hands a fault round in a circle.
void tst_Wording::everyFaultIsWorded() {
    for (int f = int(Fault::SystemCall); f <= int(Fault::MergeToStandardOutput); ++f) {
        Outcome o = entry(Fault(f));
        o.reason = QStringLiteral("a reason given by Qt"); // passed on as it stands
        for (const QString& text :
             {ImageErrorText(o), SaveText(o), UndoRefusedText(o), InputErrorText(File, {1, 1, o})})
            QVERIFY2(text.size() > 8,
                     qPrintable(QStringLiteral("fault %1: \"%2\"").arg(f).arg(text)));
    }
}

QTEST_GUILESS_MAIN(tst_Wording)
#include "tst_wording.moc"
