#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "support/failingrom.h"
#include "support/testsupport.h"

#include <QTest>

#include <map>

namespace {

constexpr int N = 57;
constexpr int Base = 0x2C030 + 32 * N;

Fault save(RomImage& rom, int n, const EntryForm& form) {
    return SaveEntry(rom, EnemyFormat, n, form).fault;
}

EntryForm formOf(const EnemyRecord& r) {
    return FormOf(EnemyFormat, &r);
}

QString& cell(EntryForm& form, const char* key) {
    return FormText(form, EnemyFormat, key);
}

// Entry bytes a save may change: everything but 0x00-0x02, 0x10-0x17 and 0x1F, and of the second
// bytes 0x04, 0x06, 0x08, 0x0A only bits 0-1.
int writableMask(int at) {
    if (at <= 0x02 || (at >= 0x10 && at <= 0x17) || at == 0x1F)
        return 0x00;
    if (at == 0x04 || at == 0x06 || at == 0x08 || at == 0x0A)
        return 0x03;
    return 0xFF;
}

} // namespace

class tst_EnemySave : public QObject {
    Q_OBJECT
private slots:
    void keepsWhatItMustNotTouch_data();
    void keepsWhatItMustNotTouch();
    void fieldTexts_data();
    void fieldTexts();
    void tenBitKeepsHighBits_data();
    void tenBitKeepsHighBits();
    void itemPosition_data();
    void itemPosition();
    void writeOrder();
    void failureInsideTenBitValue();
};

void tst_EnemySave::keepsWhatItMustNotTouch_data() {
    QTest::addColumn<QString>("value"); // for every numeric field; empty: unchanged
    QTest::newRow("unchanged") << "";
    QTest::newRow("all zero") << "0";
    QTest::newRow("all at the top") << "top";
    QTest::newRow("all 3") << "3";
}

void tst_EnemySave::keepsWhatItMustNotTouch() {
    QFETCH(QString, value);
    ImageOnDisk disk(MakeDemoImage(5));
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    EntryForm form = formOf(DecodeEnemy(*rom, N));
    if (!value.isEmpty()) {
        const bool top = value == QLatin1String("top");
        for (const char* key : {"hp", "pp", "offense", "defense"})
            cell(form, key) = top ? QStringLiteral("1023") : value;
        for (const char* key : {"fight", "speed", "wisdom", "strength", "force"})
            cell(form, key) = top ? QStringLiteral("255") : value;
        for (const char* key : {"experience", "money"})
            cell(form, key) = top ? QStringLiteral("65535") : value;
        cell(form, "pointer") = top ? QStringLiteral("FFFF") : value;
        cell(form, "item") = top ? QString::number(HighestItem) : value;
    }
    QCOMPARE(save(*rom, N, form), Fault::None);
    const QByteArray after = disk.bytes();
    if (value.isEmpty())
        QCOMPARE(after, before);
    for (const qint64 at : DifferingOffsets(before, after)) {
        QVERIFY2(at >= Base && at < Base + 32, qPrintable(HexOffset(at)));
        const int changed = quint8(before.at(at)) ^ quint8(after.at(at));
        QVERIFY2((changed & ~writableMask(int(at - Base))) == 0, qPrintable(HexOffset(at)));
    }
}

void tst_EnemySave::fieldTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<QByteArray>("bytes"); // empty: refused, nothing written
    QTest::newRow("fight 2.5") << "fight"
                               << "2.5" << 0x0B << QByteArray("\x02");
    QTest::newRow("fight 3.5") << "fight"
                               << "3.5" << 0x0B << QByteArray("\x04");
    QTest::newRow("experience 65535") << "exp"
                                      << "65535" << 0x1A << QByteArray("\xFF\xFF");
    QTest::newRow("money 4660") << "money"
                                << "4660" << 0x1C << QByteArray("\x34\x12");
    QTest::newRow("pointer 8000") << "ptr"
                                  << "8000" << 0x18 << QByteArray("\x00\x80", 2);
    QTest::newRow("pointer 1FZ") << "ptr"
                                 << "1FZ" << 0x18 << QByteArray("\x1F\x00", 2);
    QTest::newRow("pointer 10000") << "ptr"
                                   << "10000" << 0x18 << QByteArray();
    QTest::newRow("fight 256") << "fight"
                               << "256" << 0x0B << QByteArray();
    QTest::newRow("HP 1024") << "hp"
                             << "1024" << 0x03 << QByteArray();
    QTest::newRow("money 65536") << "money"
                                 << "65536" << 0x1C << QByteArray();
}

void tst_EnemySave::fieldTexts() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(QByteArray, bytes);
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    auto rom = disk.open();
    EntryForm form = formOf(DecodeEnemy(*rom, N));
    const std::map<QString, const char*> keys = {
        {QStringLiteral("fight"), "fight"},    {QStringLiteral("force"), "force"},
        {QStringLiteral("exp"), "experience"}, {QStringLiteral("money"), "money"},
        {QStringLiteral("ptr"), "pointer"},    {QStringLiteral("hp"), "hp"}};
    cell(form, keys.at(field)) = text;
    const Fault saved = save(*rom, N, form);
    QByteArray expected = before;
    if (bytes.isEmpty())
        QCOMPARE(saved, SaveFault::BadValue);
    else
        expected.replace(Base + at, bytes.size(), bytes);
    QCOMPARE(disk.bytes(), expected);
}

void tst_EnemySave::tenBitKeepsHighBits_data() {
    QTest::addColumn<int>("stored"); // the second byte 0x04 before the save
    QTest::addColumn<QString>("hp");
    QTest::addColumn<QByteArray>("bytes"); // 0x03 and 0x04 after it
    QTest::newRow("1000 over FC") << 0xFC << "1000" << QByteArray("\xE8\xFF");
    QTest::newRow("1000 over 00") << 0x00 << "1000" << QByteArray("\xE8\x03");
    QTest::newRow("1023 over FD") << 0xFD << "1023" << QByteArray("\xFF\xFF");
    QTest::newRow("0 over FD") << 0xFD << "0" << QByteArray("\x00\xFC", 2);
    QTest::newRow("256 over 02") << 0x02 << "256" << QByteArray("\x00\x01", 2);
    QTest::newRow("511 over AA") << 0xAA << "511" << QByteArray("\xFF\xA9");
    QTest::newRow("530 over 02") << 0x02 << "530" << QByteArray("\x12\x02");
}

void tst_EnemySave::tenBitKeepsHighBits() {
    QFETCH(int, stored);
    QFETCH(QString, hp);
    QFETCH(QByteArray, bytes);
    SyntheticImage image = MakeDemoImage();
    image.setByte(Base + 0x04, quint8(stored));
    ImageOnDisk disk(image);
    auto rom = disk.open();
    EntryForm form = formOf(DecodeEnemy(*rom, N));
    cell(form, "hp") = hp;
    QCOMPARE(save(*rom, N, form), Fault::None);
    QCOMPARE(disk.bytes().mid(Base + 0x03, 2), bytes);
    rom->refresh();
    QCOMPARE(int(DecodeEnemy(*rom, N).HP), hp.toInt());
}

void tst_EnemySave::itemPosition_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("stored"); // -1: refused
    QTest::newRow("none selected keeps C8") << -1 << 0xC8;
    QTest::newRow("<nothing>") << 0 << 0;
    QTest::newRow("113") << 113 << 113;
    QTest::newRow("114") << 114 << -1;
}

void tst_EnemySave::itemPosition() {
    QFETCH(int, position);
    QFETCH(int, stored);
    SyntheticImage image = MakeDemoImage();
    image.setByte(Base + 0x1E, 0xC8);
    ImageOnDisk disk(image);
    auto rom = disk.open();
    EntryForm form = formOf(DecodeEnemy(*rom, N));
    QCOMPARE(cell(form, "item").toInt(), -1);
    cell(form, "item") = QString::number(position);
    QCOMPARE(save(*rom, N, form), stored >= 0 ? Fault::None : SaveFault::BadValue);
    QCOMPARE(int(quint8(disk.bytes().at(Base + 0x1E))), stored >= 0 ? stored : 0xC8);
}

void tst_EnemySave::writeOrder() {
    ImageOnDisk disk(MakeDemoImage());
    FailingRom rom(disk.path());
    QCOMPARE(save(rom, N, formOf(DecodeEnemy(rom, N))), Fault::None);
    QList<qint64> expected;
    for (const int at : {0x18, 0x19, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x1E, 0x1A, 0x1B,
                         0x1C, 0x1D, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A})
        expected << Base + at;
    QCOMPARE(rom.written, expected);
}

void tst_EnemySave::failureInsideTenBitValue() {
    ImageOnDisk disk(MakeDemoImage());
    const QByteArray before = disk.bytes();
    FailingRom rom(disk.path(), 13); // after the low byte of HP, and every write after it
    EntryForm form = formOf(DecodeEnemy(rom, N));
    cell(form, "hp") = QString::number((int(quint8(before.at(Base + 0x03))) ^ 1) | 0x100);
    const Outcome saved = SaveEntry(rom, EnemyFormat, N, form);
    QCOMPARE(saved.fault, SaveFault::WrittenInPart);
    QCOMPARE(saved.field, QStringLiteral("HP"));
    const auto hp = std::find_if(saved.landed.begin(), saved.landed.end(),
                                 [](const Landed& l) { return l.field == QLatin1String("HP"); });
    QVERIFY(hp != saved.landed.end());
    QCOMPARE(hp->bytes, 1);
    QCOMPARE(hp->of, 2);
    QCOMPARE(DifferingOffsets(before, disk.bytes()), QList<qint64>{Base + 0x03});
}

QTEST_GUILESS_MAIN(tst_EnemySave)
#include "tst_enemysave.moc"
