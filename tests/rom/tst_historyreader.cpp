// A history read as it grows must say, after every append, what a reading of the whole file says,
// and the original followed through it must be the one made from the whole.
#include "rom/historyfile.h"
#include "tables/original.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Every record writes offset 0, so which one is the original's tells whether the states held.
QByteArray record(quint32 n) {
    return EncodeRecord({.number = n, .ranges = {{0, QByteArray(1, char(n)), QByteArray(1, 'x')}}});
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
// in place, or by moving another file over it.
void write(const QString& path, const QByteArray& before, const QByteArray& bytes) {
    const bool grows = bytes.startsWith(before), shrinks = bytes.size() < before.size();
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
};

void tst_HistoryReader::readsAsWhole_data() {
    QTest::addColumn<QList<QByteArray>>("files");
    const QByteArray h = HistoryHeader(), r1 = record(1), r2 = record(2), r3 = record(3);
    const QByteArray d1 = EncodeMark(1, HistoryState::Done), d2 = EncodeMark(2, HistoryState::Done);
    const QByteArray torn = r2.left(20), junk("junk-junk-junk"), v2 = h.left(8) + '\2' + h.mid(9);
    QTest::newRow("pending, then done") << QList{h + r1, h + r1 + d1};
    QTest::newRow("pending, then rolled back")
        << QList{h + r1 + d1 + r2, h + r1 + d1 + r2 + EncodeMark(2, HistoryState::RolledBack)};
    QTest::newRow("done, marked again after another")
        << QList{h + r1 + d1 + r2 + d2, h + r1 + d1 + r2 + d2 + EncodeMark(1, HistoryState::Left)};
    QTest::newRow("record and mark in one append") << QList{h, h + r1 + d1, h + r1 + d1 + r2 + d2};
    QTest::newRow("header cut short") << QList{h.left(5), h + r1 + d1};
    QTest::newRow("other version, header cut short") << QList{v2.left(10), v2 + r1};
    QTest::newRow("torn record, completed")
        << QList{h + r1 + d1 + torn, h + r1 + d1 + r2, h + r1 + d1 + r2 + d2};
    QTest::newRow("torn mark, completed") << QList{h + r1 + d1.left(9), h + r1 + d1};
    QTest::newRow("magic cut short after damage")
        << QList{h + r1 + junk + d1.left(2), h + r1 + junk + d1};
    // The torn record's size reaches past the mark after it until the next append.
    QTest::newRow("torn record, read past")
        << QList{h + r1 + torn + d1, h + r1 + torn + d1 + r3 + d1};
    QTest::newRow("cut short in place")
        << QList{h + r1 + d1 + r2 + d2, h + r1 + r2, h + r1 + r2 + d2};
    QTest::newRow("replaced by a longer one") << QList{h + r2 + d2, h + r1 + d1 + r3};
    QTest::newRow("foreign, then replaced") << QList{junk, h + r1 + d1};
}

void tst_HistoryReader::readsAsWhole() {
    QFETCH(QList<QByteArray>, files);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.nes.history"));
    HistoryReader reader(path);
    OriginalBytes followed;
    QByteArray before;
    for (const QByteArray& bytes : files) {
        write(path, before, bytes);
        before = bytes;
        const HistoryLog whole = ParseHistory(bytes);
        QCOMPARE(reader.read().failed(), ReadHistory(path, false).fault.failed());
        QCOMPARE(describe(reader.log()), describe(whole));
        followed.follow(reader.log().records, reader.changedFrom());
        OriginalBytes fresh;
        fresh.follow(whole.records);
        QCOMPARE(followed.at(0), fresh.at(0));
    }
}

QTEST_GUILESS_MAIN(tst_HistoryReader)
#include "tst_historyreader.moc"
