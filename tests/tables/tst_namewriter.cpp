#include "rom/names.h"
#include "support/testsupport.h"
#include "tables/namewriter.h"

#include <QTest>

namespace {

using Bytes = QMap<int, int>; // offset -> value

QByteArray nameText(const QByteArray& name) {
    QByteArray bytes = name;
    for (char& c : bytes)
        c = char(quint8(c) + 0x80);
    return bytes;
}

// The header, then from offset 0x10 (pointer 0x8000): "GreatBread" ended by 0x00, "Roll" ended by
// 0x05 at 0x1B, and two bytes of other data.
QByteArray shelf() {
    return SyntheticImage(16).bytes + nameText("GreatBread") + '\0' + nameText("Roll") + '\x05' +
           "\x12\x34";
}

// "GreatBread" runs into "Bread", which two entries read, and a third reads from its "r" on.
const QList<NameHolder> Holders = {
    {QStringLiteral("item 0"), 0x8000},  {QStringLiteral("item 1"), 0x8005},
    {QStringLiteral("enemy 0"), 0x8005}, {QStringLiteral("enemy 1"), 0x8006},
    {QStringLiteral("enemy 2"), 0x800B}, {QStringLiteral("enemy 3"), 0x7000}};

NameHolder holderAt(qint32 pointer) {
    for (const NameHolder& h : Holders)
        if (h.pointer == pointer)
            return h;
    return {QStringLiteral("item 9"), pointer};
}

} // namespace

class tst_NameWriter : public QObject {
    Q_OBJECT
private slots:
    void plannedAndWritten_data();
    void plannedAndWritten();
    void pendingBytesAreReadThrough();
};

void tst_NameWriter::plannedAndWritten_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Bytes>("changes");
    QTest::addColumn<QString>("shared"); // entry:before:after, "|" between two
    const QByteArray s = shelf();
    QTest::newRow("shorter: the old end byte, not 00")
        << s << 0x800B << "Ro" << Bytes{{0x1D, 0x05}} << "";
    QTest::newRow("empty") << s << 0x800B << "" << Bytes{{0x1B, 0x05}} << "";
    QTest::newRow("same length: only the bytes that differ")
        << s << 0x800B << "Rail" << Bytes{{0x1C, 0xE1}, {0x1D, 0xE9}} << "";
    QTest::newRow("the same name writes nothing") << s << 0x800B << "Roll" << Bytes{} << "";
    QTest::newRow("a name another runs into")
        << s << 0x8005 << "Bun" << Bytes{{0x16, 0xF5}, {0x17, 0xEE}, {0x18, 0x00}}
        << "item 0:GreatBread:GreatBun|enemy 0:Bread:Bun|enemy 1:read:un";
    QTest::newRow("only the part no other reads")
        << s << 0x8000 << "GrandBread" << Bytes{{0x12, 0xE1}, {0x13, 0xEE}, {0x14, 0xE4}} << "";
    QTest::newRow("the last letter reaches every reader")
        << s << 0x8000 << "GreatBreak" << Bytes{{0x19, 0xEB}}
        << "item 1:Bread:Break|enemy 0:Bread:Break|enemy 1:read:reak";
    QTest::newRow("ended just before a shared name")
        << s << 0x8000 << "Great" << Bytes{{0x15, 0x00}} << "item 1:Bread:|enemy 0:Bread:";
    QTest::newRow("the longest name the readers accept")
        << SyntheticImage(16).bytes + QByteArray(MaxNameLength, char(0xC1)) + '\0' << 0x8000 << "A"
        << Bytes{{0x11, 0x00}} << "";
}

void tst_NameWriter::plannedAndWritten() {
    QFETCH(QByteArray, file);
    QFETCH(int, pointer);
    QFETCH(QString, text);
    QFETCH(Bytes, changes);
    QFETCH(QString, shared);
    ImageOnDisk disk(file);
    auto rom = disk.open();
    RenamePlan plan;
    QCOMPARE(PlanRename(*rom, holderAt(pointer), text, Holders, {}, {}, &plan).fault, Fault::None);
    Bytes planned;
    for (const auto& [at, value] : plan.changes)
        planned.insert(int(at), value);
    QCOMPARE(planned, changes);
    QStringList listed;
    for (const SharedName& n : plan.shared)
        listed << QStringLiteral("%1:%2:%3").arg(n.entry, n.before, n.after);
    QCOMPARE(listed.join(QLatin1Char('|')), shared);
    QCOMPARE(disk.bytes(), file);

    // Written, the file differs in exactly those bytes, and every reader sees what was foretold.
    Transaction writes;
    writes.parts.push_back(RenameWrites(plan));
    QCOMPARE(ApplyTransaction(*rom, writes).fault, Fault::None);
    QByteArray expected = file;
    for (auto it = changes.begin(); it != changes.end(); ++it)
        expected[it.key()] = char(it.value());
    QCOMPARE(disk.bytes(), expected);
    rom->refresh();
    QCOMPARE(modStuff::ReadName(*rom, pointer), text);
    for (const SharedName& n : plan.shared)
        for (const NameHolder& h : Holders)
            if (h.entry == n.entry)
                QCOMPARE(modStuff::ReadName(*rom, h.pointer), n.after);
}

void tst_NameWriter::pendingBytesAreReadThrough() {
    ImageOnDisk disk(shelf());
    auto rom = disk.open();
    // An earlier rename of the same run ended "GreatBread" after "Great": "Bread" now reads empty.
    const NameBytes pending = {{0x15, 0x00}};
    QCOMPARE(NameOnceWritten(*rom, 0x8000, pending), QStringLiteral("Great"));
    QCOMPARE(NameOnceWritten(*rom, 0x8006, pending), QStringLiteral("read"));
    QCOMPARE(NameOnceWritten(*rom, 0x7FEF, pending), QString());
    RenamePlan plan;
    const Outcome refused =
        PlanRename(*rom, holderAt(0x8005), QStringLiteral("B"), Holders, pending, {}, &plan);
    QCOMPARE(refused.fault, NameFault::Longer);
    QCOMPARE(refused.otherName, QString());
    // Ended by the pending byte, neither "Great" nor the empty name reaches "read" any more.
    QVERIFY(
        PlanRename(*rom, holderAt(0x8006), QStringLiteral("ro"), Holders, pending, {}, &plan).ok());
    QCOMPARE(plan.shared.size(), 0);
    QCOMPARE(disk.bytes(), shelf());
}

QTEST_GUILESS_MAIN(tst_NameWriter)
#include "tst_namewriter.moc"
