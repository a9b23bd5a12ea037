#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"

#include <QTest>

namespace {

const TableFormat* const Formats[] = {&ItemFormat, &EnemyFormat};

// The bits of the entry's byte `at` that belong to `f`.
int bitsInByte(const RecordField& f, int at) {
    const int k = at - f.offset;
    return k < 0 || k >= f.width() ? 0 : (f.mask >> (8 * k)) & 0xFF;
}

// Every field at its highest value over `background`, decoded into a record of the table's type:
// each member must hold its field's whole range.
template <class Record> void recordHoldsEveryTop(const TableFormat& format, char background) {
    QByteArray entry(format.size, background);
    for (const RecordField& f : format.fields)
        f.put(f.mask >> f.shift(), &entry);
    Record r;
    DecodeFields(format, entry, &r);
    for (const RecordField& f : format.fields)
        QCOMPARE(f.get(&r), f.mask >> f.shift());
}

} // namespace

class tst_RecordField : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void fieldsNeitherOverlapNorLeaveTheEntry();
    void recordsHoldEveryTop() {
        recordHoldsEveryTop<ItemRecord>(ItemFormat, '\x5A');
        recordHoldsEveryTop<EnemyRecord>(EnemyFormat, '\x5A');
    }
};

void tst_RecordField::roundTrip_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("background");
    for (int t = 0; t < 2; ++t)
        for (size_t k = 0; k < Formats[t]->fields.size(); ++k)
            for (const int background : {0x00, 0xFF, 0xA5})
                QTest::addRow("%s %s over %02X", Formats[t]->entry, Formats[t]->fields[k].key,
                              background)
                    << t << int(k) << background;
}

void tst_RecordField::roundTrip() {
    QFETCH(int, table);
    QFETCH(int, field);
    QFETCH(int, background);
    const int size = Formats[table]->size;
    const RecordField& f = Formats[table]->fields[size_t(field)];
    const QByteArray stored(size, char(background));
    QByteArray entry = stored;
    f.put(f.valueIn(stored), &entry);
    QCOMPARE(entry, stored);
    const int top = f.mask >> f.shift();
    for (const int value : {0, 1, top - 1, top}) {
        entry = stored;
        f.put(value, &entry);
        QCOMPARE(f.valueIn(entry), value);
        for (int at = 0; at < size; ++at)
            QCOMPARE(quint8(entry[at] ^ stored[at]) & ~bitsInByte(f, at), 0);
    }
}

void tst_RecordField::fieldsNeitherOverlapNorLeaveTheEntry() {
    for (const TableFormat* format : Formats) {
        QList<int> used(format->size, 0);
        for (const RecordField& f : format->fields) {
            QVERIFY2(f.offset >= 0 && f.offset + f.width() <= format->size, f.key);
            for (int at = f.offset; at < f.offset + f.width(); ++at) {
                QVERIFY2((used[at] & bitsInByte(f, at)) == 0, f.key);
                used[at] |= bitsInByte(f, at);
            }
        }
    }
}

QTEST_GUILESS_MAIN(tst_RecordField)
#include "tst_recordfield.moc"
