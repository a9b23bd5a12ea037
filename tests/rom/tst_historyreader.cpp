// A history read as it grows must say, after every append, what a reading of the whole file says,
// and the original followed through it must be the one made from the whole.
#include "rom/historyfile.h"
#include "tables/original.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every record writes offset 0, so which one is the original's tells whether the states held.
QByteArray record(quint32 n, char before = 0) {
    return EncodeRecord(
        {.number = n,
         .ranges = {{0, QByteArray(1, before ? before : char(n)), QByteArray(1, 'x')}}});
}

// The bytes the image claims at `offset`, where a history's record says it wrote.
HistoryRecord recordAt(quint32 n, qint64 offset, qint64 length) {
    return {.number = n,
            .ranges = {{offset, QByteArray(length, 'b'), QByteArray(length, 'a')}},
            .state = HistoryState::Done};
}

QByteArray describe(const HistoryLog& log) {
    QByteArray out = QString::asprintf("%d %u %lld %u", log.foreign, log.version,
                                       qint64(log.damaged), log.lastNumber)
                         .toLatin1();
    for (const HistoryRecord& r : log.records)
        out += ' ' + QByteArray::number(quint8(r.state)) + ':' + EncodeRecord(r).toHex();
    return out;
}

// Brings the file from `before` to `bytes` as a writer would: by appending, by cutting it short
// in place, by moving another file over it, or with `inPlace` by writing it again in place.
void write(const QString& path, const QByteArray& before, const QByteArray& bytes,
           bool inPlace = false) {
    const bool grows = bytes.startsWith(before), shrinks = bytes.size() < before.size() || inPlace;
    QFile file(grows || shrinks ? path : path + QStringLiteral(".new"));
    QVERIFY(file.open(grows ? QIODevice::Append : QIODevice::WriteOnly));
    QVERIFY(file.write(grows ? bytes.mid(before.size()) : bytes) >= 0);
    file.close();
    if (!grows && !shrinks)
        QCOMPARE(MoveOver(file.fileName(), path), 0);
}

} // namespace

class tst_HistoryReader : public QObject {
    Q_OBJECT
private slots:
    void readsAsWhole_data();
    void readsAsWhole();
    void lastNumber_data();
    void lastNumber();
    void originalInsideImage_data();
    void originalInsideImage();
};

void tst_HistoryReader::readsAsWhole_data() {
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<bool>("inPlace"); // each file after the first is written over the one before
    const QByteArray h = HistoryHeader(), r1 = record(1), r2 = record(2), r3 = record(3);
    const QByteArray d1 = EncodeMark(1, HistoryState::Done), d2 = EncodeMark(2, HistoryState::Done);
    const QByteArray torn = r2.left(20), junk("junk-junk-junk"), v2 = h.left(8) + '\2' + h.mid(9);
    QTest::newRow("pending, then done") << QList{h + r1, h + r1 + d1} << false;
    QTest::newRow("pending, then rolled back")
        << QList{h + r1 + d1 + r2, h + r1 + d1 + r2 + EncodeMark(2, HistoryState::RolledBack)}
        << false;
    QTest::newRow("done, marked again after another")
        << QList{h + r1 + d1 + r2 + d2, h + r1 + d1 + r2 + d2 + EncodeMark(1, HistoryState::Left)}
        << false;
    QTest::newRow("record and mark in one append")
        << QList{h, h + r1 + d1, h + r1 + d1 + r2 + d2} << false;
    QTest::newRow("header cut short") << QList{h.left(5), h + r1 + d1} << false;
    QTest::newRow("other version, header cut short") << QList{v2.left(10), v2 + r1} << false;
    QTest::newRow("torn record, completed")
        << QList{h + r1 + d1 + torn, h + r1 + d1 + r2, h + r1 + d1 + r2 + d2} << false;
    QTest::newRow("torn mark, completed") << QList{h + r1 + d1.left(9), h + r1 + d1} << false;
    QTest::newRow("magic cut short after damage")
        << QList{h + r1 + junk + d1.left(2), h + r1 + junk + d1} << false;
    // The torn record's size reaches past the mark after it until the next append.
    QTest::newRow("torn record, read past")
        << QList{h + r1 + torn + d1, h + r1 + torn + d1 + r3 + d1} << false;
    QTest::newRow("cut short in place")
        << QList{h + r1 + d1 + r2 + d2, h + r1 + r2, h + r1 + r2 + d2} << false;
    QTest::newRow("replaced by a longer one") << QList{h + r2 + d2, h + r1 + d1 + r3} << false;
    QTest::newRow("foreign, then replaced") << QList{junk, h + r1 + d1} << false;
    // Rewritten in place, the file keeps its identity and does not shrink: what was read before
    // no longer holds, and the original follows what the file says now.
    const QByteArray r1y = record(1, 'y');
    QTest::newRow("rewritten in place, same length") << QList{h + r1 + d1, h + r1y + d1} << true;
    QTest::newRow("rewritten in place, longer")
        << QList{h + r1 + d1, h + r1y + d1 + r2 + d2} << true;
    QTest::newRow("rewritten in place past its start")
        << QList{h + r1 + d1 + QByteArray(70 << 10, 'j') + r2 + d2,
                 h + r1 + d1 + QByteArray(70 << 10, 'j') + record(2, 'y') + d2}
        << true;
}

void tst_HistoryReader::readsAsWhole() {
    QFETCH(QList<QByteArray>, files);
    QFETCH(bool, inPlace);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.nes.history"));
    HistoryReader reader(path);
    OriginalBytes followed;
    QByteArray before;
    for (const QByteArray& bytes : files) {
        write(path, before, bytes, inPlace && !before.isEmpty());
        before = bytes;
        const HistoryLog whole = ParseHistory(bytes);
        QCOMPARE(reader.read().failed(), ReadHistory(path, false).fault.failed());
        QCOMPARE(describe(reader.log()), describe(whole));
        followed.follow(reader.log().records, 16, reader.changedFrom());
        OriginalBytes fresh;
        fresh.follow(whole.records, 16);
        QCOMPARE(followed.at(0), fresh.at(0));
    }
}

void tst_HistoryReader::lastNumber_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<uint>("last");
    const QByteArray h = HistoryHeader(), r1 = record(1), r2 = record(2);
    const QByteArray d1 = EncodeMark(1, HistoryState::Done);
    const QByteArray none = EncodeMark(0xFFFFFFFF, HistoryState::Done);
    QTest::newRow("a record pending") << h + r1 + d1 + r2 << 2u;
    QTest::newRow("a mark of no record alone") << h + none << 0u;
    QTest::newRow("a mark of the record before another")
        << h + r2 + r1 + EncodeMark(2, HistoryState::Done) << 2u;
}

// The number the next record takes comes after the records' own, whatever the marks say: read
// from the end, as a writer does, and from the start.
void tst_HistoryReader::lastNumber() {
    QFETCH(QByteArray, file);
    QFETCH(uint, last);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.nes.history"));
    write(path, {}, file);
    QCOMPARE(ParseHistory(file).lastNumber, last);
    const HistoryReading tail = ReadHistory(path, true);
    QVERIFY(tail.fault.ok());
    QCOMPARE(tail.tail.lastNumber, last);
}

void tst_HistoryReader::originalInsideImage_data() {
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("inside");
    QTest::newRow("the last byte") << qint64(0x3FFF) << qint64(1) << true;
    QTest::newRow("across the end") << qint64(0x3FFE) << qint64(4) << false;
    QTest::newRow("just past the end") << qint64(0x4000) << qint64(1) << false;
    QTest::newRow("far past the end") << qint64(0xFFFFFF00) << qint64(1) << false;
}

// A range outside the image takes nothing into the original. What following one would cost is
// checked on the real programs under a memory limit (crafted_history.sh, tst_frmenemy).
void tst_HistoryReader::originalInsideImage() {
    QFETCH(qint64, offset);
    QFETCH(qint64, length);
    QFETCH(bool, inside);
    constexpr qint64 ImageSize = 0x4000;
    const std::vector<HistoryRecord> records{recordAt(1, 0, 2), recordAt(2, offset, length)};
    OriginalBytes original;
    original.follow(records, ImageSize);
    QCOMPARE(original.at(0), int('b'));
    QCOMPARE(original.at(offset), inside ? int('b') : -1);
    QCOMPARE(original.outside(), inside ? std::vector<quint32>{} : std::vector<quint32>{2});
}

QTEST_GUILESS_MAIN(tst_HistoryReader)
#include "tst_historyreader.moc"
