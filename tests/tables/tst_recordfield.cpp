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

} // namespace

class tst_RecordField : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void fieldsNeitherOverlapNorLeaveTheEntry() {
        for (const TableFormat* format : Formats) {
            QList<int> used(format->size, 0);
            for (const RecordField& f : format->fields)
                for (int at = f.offset; at < f.offset + f.width(); ++at) {
                    QVERIFY2(at < format->size && !(used[at] & bitsInByte(f, at)), f.key);
                    used[at] |= bitsInByte(f, at);
                }
        }
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

// Stored bytes decode and encode back to themselves, and each edge value goes in and comes out
// again without touching a bit outside the field.
void tst_RecordField::roundTrip() {
    QFETCH(int, table);
    QFETCH(int, field);
    QFETCH(int, background);
    const RecordField& f = Formats[table]->fields[size_t(field)];
    const QByteArray stored(Formats[table]->size, char(background));
    QByteArray entry = stored;
    f.put(f.valueIn(stored), &entry);
    QCOMPARE(entry, stored);
    for (const int value : {0, 1, f.upper() - 1, int(f.mask >> f.shift())}) {
        entry = stored;
        f.put(value, &entry);
        QCOMPARE(f.valueIn(entry), value);
        for (int at = 0; at < stored.size(); ++at)
            QCOMPARE(quint8(entry[at] ^ stored[at]) & ~bitsInByte(f, at), 0);
    }
}

QTEST_GUILESS_MAIN(tst_RecordField)
#include "tst_recordfield.moc"
