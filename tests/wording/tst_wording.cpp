// Every text the user reads about what the core did, from the outcome that causes it: the other
// tests check outcomes, this one that each reads word for word as it always has.
#include "support/testsupport.h"
#include "wording/wording.h"

#include <QDir>
#include <QTest>

#include <functional>

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

const QString File = QStringLiteral("/images/my.nes");

Outcome of(Fault fault, std::function<void(Outcome&)> facts = {}) {
    Outcome o;
    o.fault = fault;
    o.file = File;
    o.entry = QStringLiteral("item 5");
    if (facts)
        facts(o);
    return o;
}

Outcome io(Operation operation, qint64 offset, int error) {
    return of(Fault::SystemCall, [=](Outcome& o) {
        o.operation = operation;
        o.offset = offset;
        o.error = error;
    });
}

} // namespace

class tst_Wording : public QObject {
    Q_OBJECT
private slots:
    void texts_data();
    void texts();
};

void tst_Wording::texts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString file = QDir::toNativeSeparators(File);
    const QString full = SystemText(DiskFullError());
    const Outcome writeFailed = io(Operation::Write, 0x1814, DiskFullError());

    // The image layer's errors.
    QTest::newRow("read")
        << ImageErrorText(io(Operation::Read, 0x1810, DiskFullError()))
        << QStringLiteral("Cannot read %1 at offset 0x1810:\n%2.").arg(file, full);
    QTest::newRow("size")
        << ImageErrorText(io(Operation::Size, 0, DiskFullError()))
        << QStringLiteral("Cannot find the size of %1 at offset 0x0:\n%2.").arg(file, full);
    QTest::newRow("before the start")
        << ImageErrorText(of(Fault::BeforeStart,
                             [](Outcome& o) {
                                 o.operation = Operation::Write;
                                 o.offset = -16;
                             }))
        << QStringLiteral("Cannot write to %1 at offset -0x10: the position lies before the start "
                          "of the file.")
               .arg(file);
    QTest::newRow("primitive before the start")
        << ImageErrorText(of(Fault::BeforeStart,
                             [](Outcome& o) {
                                 o.operation = Operation::ReadWord;
                                 o.offset = -1;
                             }))
        << u8("Read word at offset -0x1: the position lies before the start of the file.");
    QTest::newRow("open for reading")
        << ImageErrorText(of(Fault::OpenForReading, [](Outcome& o) { o.offset = 0x20; }))
        << QStringLiteral("Cannot write to %1 at offset 0x20:\nthe file is open for reading only.")
               .arg(file);
    QTest::newRow("offset too large") << ImageErrorText(of(Fault::OffsetTooLarge, [](Outcome& o) {
        o.operation = Operation::WriteByte;
        o.offset = 0x7FFFFFFF;
    })) << u8("Write byte at offset 0x7FFFFFFF: overflow, the offset is too large.");
    QTest::newRow("word too large") << ImageErrorText(of(Fault::WordTooLarge, [](Outcome& o) {
        o.offset = 20;
        o.value = 65536;
    })) << u8("Write word at offset 0x14: overflow, 65536 does not fit in 16 bits.");
    QTest::newRow("pointer before the start")
        << ImageErrorText(of(Fault::PointerBeforeStart, [](Outcome& o) { o.value = 0x1234; }))
        << u8("Name pointer 1234 lies before the start of the file.");
    QTest::newRow("name too long")
        << ImageErrorText(of(Fault::NameTooLong, [](Outcome& o) { o.value = 0x8000; }))
        << u8("Name at pointer 8000: overflow, more than 32767 characters.");
    QTest::newRow("bit string")
        << ImageErrorText(of(Fault::BitStringTooLarge,
                             [](Outcome& o) { o.text = QString(50, QLatin1Char('1')); }))
        << QStringLiteral("Bit string \"%1\": overflow, the value does not fit in 32 bits.")
               .arg(QString(40, QLatin1Char('1')));
    const auto backup = [&](std::function<void(Outcome&)> why) {
        return ImageErrorText(of(Fault::BackupNotMade, [&](Outcome& o) {
            o.other = File + QStringLiteral(".bak");
            why(o);
        }));
    };
    const QString cannotBackUp = QStringLiteral("Cannot make the backup %1.bak of %1:\n").arg(file);
    QTest::newRow("backup: the system") << backup([](Outcome& o) { o.error = DiskFullError(); })
                                        << cannotBackUp + full + QLatin1Char('.');
    QTest::newRow("backup: a FIFO")
        << backup([](Outcome& o) { o.node = NodeKind::Fifo; })
        << cannotBackUp + u8("it is a FIFO (a named pipe), not a file.");
    QTest::newRow("backup: replaced")
        << backup([](Outcome& o) { o.changed = true; })
        << cannotBackUp +
               u8("another program replaced, moved or deleted the image while its backup "
                  "was made.");

    // What the editors' Save tells.
    const QString cannotSave = QStringLiteral("Cannot save item 5 to %1:\n").arg(file);
    QTest::newRow("read only") << SaveText(of(Fault::ReadOnly))
                               << cannotSave + u8("the file is open for reading only. Nothing was "
                                                  "written.");
    QTest::newRow("replaced") << SaveText(of(Fault::Replaced))
                              << cannotSave +
                                     u8("the image was replaced on disk by another program "
                                        "after this entry was shown. Nothing was written.");
    QTest::newRow("gone") << SaveText(of(Fault::Gone))
                          << cannotSave + u8("the image was deleted or moved away after it was "
                                             "opened. Nothing was written, and no file was made in "
                                             "its place.");
    QTest::newRow("short file")
        << SaveText(of(Fault::ShortFile,
                       [](Outcome& o) {
                           o.first = 0x1838;
                           o.last = 0x183F;
                           o.length = 6203;
                       }))
        << cannotSave + u8("the entry lies at offsets 0x1838 to 0x183F, but the file is only 6203 "
                           "bytes long. Nothing was written.");
    QTest::newRow("changed on disk")
        << SaveText(of(Fault::ChangedOnDisk))
        << cannotSave + u8("another program changed item 5 in the file after it was shown. Nothing "
                           "was written; item 5 is shown again as the file now holds it.");
    QTest::newRow("locked")
        << SaveText(of(Fault::Locked))
        << cannotSave + u8("another Tolvane program kept writing to the image for more than 5 "
                           "seconds. Nothing was written.");
    const auto badValue = [](ValueKind kind, const char* field, const char* text) {
        return of(Fault::BadValue, [=](Outcome& o) {
            o.kind = kind;
            o.field = QLatin1String(field);
            o.text = QLatin1String(text);
            o.value = 255;
        });
    };
    QTest::newRow("number") << SaveText(badValue(ValueKind::Number, "strength", "256"))
                            << u8("Cannot save item 5: the strength \"256\" is not a number from 0 "
                                  "to 255. Nothing was written.");
    QTest::newRow("pointer") << SaveText(badValue(ValueKind::Pointer, "pointer", "12345"))
                             << u8("Cannot save item 5: the pointer to the name \"12345\" is not a "
                                   "hexadecimal number from 0 to FFFF. Nothing was written.");
    QTest::newRow("item") << SaveText(badValue(ValueKind::Item, "item", "114"))
                          << u8("Cannot save item 5: there is no item 114. Nothing was written.");
    QTest::newRow("no such entry") << SaveText(of(Fault::NoSuchEntry))
                                   << u8("Cannot save: there is no "
                                         "item 5.");
    Outcome failed = writeFailed;
    failed.entry = QStringLiteral("item 5");
    QTest::newRow("put back")
        << SaveText(failed)
        << QStringLiteral("Cannot save item 5: Cannot write to %1 at offset 0x1814:\n%2.\nNothing "
                          "was written.")
               .arg(file, full);
    QTest::newRow("written in part")
        << SaveText(of(Fault::WrittenInPart,
                       [&](Outcome& o) {
                           o.field = QStringLiteral("cost");
                           o.cause << writeFailed;
                           o.landed = {{o.entry, QStringLiteral("pointer to name"), false, 2, 2},
                                       {o.entry, QStringLiteral("cost"), false, 1, 2},
                                       {o.entry, QStringLiteral("flags"), false, 0, 1}};
                       }))
        << QStringLiteral("Saving item 5 stopped at the cost.\nCannot write to %1 at offset "
                          "0x1814:\n%2.\nAlready written, and kept in the file: pointer to name, "
                          "part of cost.\nNot written: the rest of cost, flags.")
               .arg(file, full);
    QTest::newRow("not synced")
        << SaveText(of(Fault::NotSynced,
                       [&](Outcome& o) { o.cause << io(Operation::Sync, 0, DiskFullError()); }))
        << QStringLiteral("Saving item 5: every field was written, but Cannot sync %1 at offset "
                          "0x0:\n%2.")
               .arg(file, full);

    // Renames, and the rows of a table file.
    const auto rename = [](Fault fault, std::function<void(Outcome&)> facts) {
        return of(fault, [=](Outcome& o) {
            o.value = 0x8010;
            o.offset = 0x20;
            o.text = QStringLiteral("Bread");
            facts(o);
        });
    };
    QTest::newRow("name longer") << RenameText(
                                        rename(Fault::NameLonger,
                                               [](Outcome& o) { o.other = QStringLiteral("Bun"); }))
                                 << u8("\"Bread\" is 5 characters long, but the name it replaces "
                                       "at pointer 8010, \"Bun\", is "
                                       "only 3: a new name may not be longer than the old one");
    QTest::newRow("name into a record")
        << RenameText(rename(Fault::NameIntoRecord,
                             [](Outcome& o) {
                                 o.field = QStringLiteral("item 0");
                                 o.first = 0x1810;
                             }))
        << u8("the name at pointer 8010 (offset 0x20) is no name text: writing \"Bread\" would "
              "overwrite item 0's record at 0x1810");
    QTest::newRow("name character")
        << RenameText(rename(Fault::NameCharacter,
                             [](Outcome& o) {
                                 o.text = QStringLiteral("\u00E9");
                                 o.value = 0xE9;
                                 o.first = 3;
                             }))
        << QStringLiteral("the character \"\u00E9\" (U+00E9) at position 3 cannot be written: name "
                          "text holds only the codes 0x00 to 0x7F");
    QTest::newRow("name past the end")
        << RenameText(rename(Fault::NamePastEnd, [](Outcome& o) { o.length = 32; }))
        << u8("the name at pointer 8010 (offset 0x20) runs past the end of the file, which is 32 "
              "bytes "
              "long");
    QTest::newRow("shared name") << InputErrorText(QStringLiteral("t.csv"),
                                                   {4, 7,
                                                    rename(Fault::SharedName,
                                                           [](Outcome& o) {
                                                               o.names = {
                                                                   {QStringLiteral("enemy 7"),
                                                                    QStringLiteral("Bun"),
                                                                    QStringLiteral("Bread")}};
                                                           })})
                                 << u8("t.csv:4:7: the name text of item 5 is shared: writing "
                                       "\"Bread\" would also change enemy "
                                       "7 \"Bun\" -> \"Bread\"; give --shared to allow it");
    QTest::newRow("row's save refused")
        << InputErrorText(QStringLiteral("t.csv"), {2, 1,
                                                    of(Fault::ShortFile,
                                                       [](Outcome& o) {
                                                           o.first = 0x1838;
                                                           o.last = 0x183F;
                                                           o.length = 6203;
                                                       })})
        << QStringLiteral(
               "t.csv:2:1: Cannot save item 5 to %1: the entry lies at offsets 0x1838 to "
               "0x183F, but the file is only 6203 bytes long. Nothing was written.")
               .arg(file);
    QTest::newRow("cell") << InputErrorText(QStringLiteral("t.csv"),
                                            {3, 9, badValue(ValueKind::CellFlag, "edible", "2")})
                          << u8("t.csv:3:9: the edible flag \"2\" is neither 0 nor 1");

    // What a command that writes says when its transaction fails.
    QTest::newRow("command: changed on disk")
        << CommandWriteText(of(Fault::ChangedOnDisk,
                               [](Outcome& o) {
                                   o.landed = {{QStringLiteral("item 5"), {}, false, 0, 0},
                                               {QStringLiteral("enemy 2"), {}, true, 0, 0}};
                               }),
                            {})
        << QStringLiteral("cannot write to %1: another program changed item 5, the name of enemy 2 "
                          "in it after this command read it. Nothing was written.")
               .arg(file);
    QTest::newRow("command: written in part")
        << CommandWriteText(of(Fault::WrittenInPart,
                               [&](Outcome& o) {
                                   o.cause << writeFailed;
                                   o.landed = {{QStringLiteral("item 1"), {}, false, 2, 2},
                                               {QStringLiteral("item 2"), {}, false, 1, 2},
                                               {QStringLiteral("item 3"), {}, true, 0, 3}};
                               }),
                            File + QStringLiteral(".bak"))
        << QStringLiteral("Cannot write to %1 at offset 0x1814:\n%2.\n%1 is written in "
                          "part.\nWritten: item 1, part of item 2.\nNot written: the rest of item "
                          "2, the name of item 3.\nThe backup %1.bak holds the image as it was "
                          "before this command.")
               .arg(file, full);
    QTest::newRow("command: not synced")
        << CommandWriteText(
               of(Fault::NotSynced,
                  [&](Outcome& o) { o.cause << io(Operation::Sync, 0, DiskFullError()); }),
               {})
        << QStringLiteral("Cannot sync %1 at offset 0x0:\n%2.\nEvery write of this command is in "
                          "%1, but the system may not have it on disk.\nNo backup was made.")
               .arg(file, full);
}

void tst_Wording::texts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(tst_Wording)
#include "tst_wording.moc"
