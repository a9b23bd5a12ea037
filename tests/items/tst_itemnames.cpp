#include "items/itemnames.h"
#include "support/testsupport.h"

#include <QTest>

namespace {

// Item i is named "Q" and i as letters ("Qab"), stored at 0x100 + 8 * i, so that the names lie
// in front of the item table.
QString nameOf(int i) {
    return QStringLiteral("Q") + QChar(u'a' + i / 26) + QChar(u'a' + i % 26);
}

SyntheticImage namedImage() {
    SyntheticImage image;
    for (int i = 0; i < 114; ++i) {
        const int at = 0x100 + 8 * i;
        const QString name = nameOf(i);
        for (int k = 0; k < name.size(); ++k)
            image.setByte(at + k, quint8(0x80 + name.at(k).unicode()));
        image.setWord(0x1810 + 8 * i, at + 0x7FF0);
    }
    return image;
}

} // namespace

class tst_ItemNames : public QObject {
    Q_OBJECT
private slots:
    void badEntryLeavesOnlyItselfEmpty_data();
    void badEntryLeavesOnlyItselfEmpty();
    void fileEndingInsideTheTable();
};

void tst_ItemNames::badEntryLeavesOnlyItselfEmpty_data() {
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QByteArray>("text"); // placed at 0x4000, pointer 0xBFF0
    QTest::newRow("pointer 7FEF") << 0x7FEF << QByteArray();
    QTest::newRow("pointer 0") << 0 << QByteArray();
    QTest::newRow("name of 32768 characters") << 0xBFF0 << QByteArray(32768, char(0xC1));
    QTest::newRow("first byte below 80") << 0xBFF0 << QByteArray("\x05\xC1");
}

void tst_ItemNames::badEntryLeavesOnlyItselfEmpty() {
    QFETCH(int, pointer);
    QFETCH(QByteArray, text);
    SyntheticImage image = namedImage();
    image.setWord(0x1810 + 8 * 5, pointer);
    image.bytes.replace(0x4000, text.size(), text);
    ImageOnDisk disk(image);
    auto rom = disk.open();
    const QStringList names = BuildItemNames(*rom);
    QCOMPARE(names.size(), 114);
    for (int i = 0; i < 114; ++i)
        QCOMPARE(names.at(i), i == 5 ? QString() : nameOf(i));
}

void tst_ItemNames::fileEndingInsideTheTable() {
    // The file ends after the low byte of entry 20's pointer; its high byte reads as 0.
    ImageOnDisk disk(namedImage().bytes.left(0x1810 + 8 * 20 + 1));
    auto rom = disk.open();
    const QStringList names = BuildItemNames(*rom);
    QCOMPARE(names.size(), 114);
    for (int i = 0; i < 114; ++i)
        QCOMPARE(names.at(i), i < 20 ? nameOf(i) : QString());
}

QTEST_GUILESS_MAIN(tst_ItemNames)
#include "tst_itemnames.moc"
