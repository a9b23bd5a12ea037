#include "cli/bps.h"
#include "cli/ips.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>

namespace {

QByteArray noise(qint64 size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

using Edit = std::function<QByteArray(QByteArray)>;

Result<QByteArray> patchedThrough(const QString& format, const QByteArray& source,
                                  const QByteArray& target) {
    if (format == QLatin1String("bps"))
        return ApplyBps(MakeBps(source, target), source);
    const auto patch = MakeIps(source, target);
    return patch ? ApplyIps(*patch, source) : patch;
}

QByteArray littleEndian(quint32 value) {
    QByteArray bytes;
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
    return bytes;
}

// A BPS patch with its own checksum made right, so that only the damage under test remains.
QByteArray resealed(QByteArray patch) {
    patch.chop(4);
    return patch + littleEndian(Crc32(patch));
}

const QByteArray BpsSource = noise(4000, 6);

} // namespace

class tst_Patches : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void ipsRecordNeverStartsAtEof_data();
    void ipsRecordNeverStartsAtEof();
    void ipsCannotCutTo16MiB();
    void cutShortPatchesAreRefused_data();
    void cutShortPatchesAreRefused();
    void damagedBpsIsRefused_data();
    void damagedBpsIsRefused();
};

void tst_Patches::roundTrip_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<Edit>("edit");
    const QList<QPair<const char*, Edit>> edits = {
        {"same", [](QByteArray b) { return b; }},
        {"first and last byte",
         [](QByteArray b) {
             b[0] = char(~b[0]);
             b[b.size() - 1] = char(~b[b.size() - 1]);
             return b;
         }},
        {"scattered bytes",
         [](QByteArray b) {
             for (qint64 i = 3; i < b.size(); i += 97)
                 b[i] = char(b[i] + 1);
             return b;
         }},
        {"long run of one byte",
         [](QByteArray b) {
             b.replace(1000, 70000, QByteArray(70000, '\x5A'));
             return b;
         }},
        {"grown with zeros", [](QByteArray b) { return b + QByteArray(300, '\0'); }},
        {"grown with noise", [](QByteArray b) { return b + noise(70000, 9); }},
        {"cut short", [](QByteArray b) { return b.left(b.size() - 1234); }},
        {"emptied", [](QByteArray) { return QByteArray(); }},
        {"all new", [](QByteArray b) { return noise(b.size(), 8); }},
    };
    for (const char* format : {"ips", "bps"})
        for (const auto& [name, edit] : edits)
            QTest::addRow("%s %s", format, name) << QString::fromLatin1(format) << edit;
}

void tst_Patches::roundTrip() {
    QFETCH(QString, format);
    QFETCH(Edit, edit);
    const QByteArray source = noise(0x40010, 1);
    const QByteArray target = edit(source);
    const auto result = patchedThrough(format, source, target);
    QVERIFY(result);
    QCOMPARE(result->size(), target.size());
    QVERIFY(*result == target);
}

void tst_Patches::ipsRecordNeverStartsAtEof_data() {
    // A record starting at 0x454F46 would be read as the end marker: the patch would stop there
    // and its remaining bytes be refused, so a correct round trip shows the offset was avoided.
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("run");
    QTest::newRow("one byte") << IpsEofOffset << qint64(1) << false;
    QTest::newRow("data") << IpsEofOffset << qint64(40) << false;
    QTest::newRow("run") << IpsEofOffset << qint64(40) << true;
    QTest::newRow("full-size data") << IpsEofOffset << qint64(0xFFFF) << false;
    QTest::newRow("split lands on it") << IpsEofOffset - 0xFFFF << qint64(0x10010) << false;
    QTest::newRow("run split lands on it") << IpsEofOffset - 0xFFFF << qint64(0x10010) << true;
}

void tst_Patches::ipsRecordNeverStartsAtEof() {
    QFETCH(qint64, from);
    QFETCH(qint64, length);
    QFETCH(bool, run);
    const QByteArray source(IpsEofOffset + 0x20000, '\x11');
    QByteArray target = source;
    target.replace(from, length, run ? QByteArray(length, '\x22') : noise(length, 5));
    const auto patch = MakeIps(source, target);
    QVERIFY(patch);
    const auto result = ApplyIps(*patch, source);
    QVERIFY(result);
    QVERIFY(*result == target);
}

void tst_Patches::ipsCannotCutTo16MiB() {
    const auto patch = MakeIps(QByteArray(0x1000001, '\x01'), QByteArray(0x1000000, '\x01'));
    QCOMPARE(patch.failure().fault, PatchFault::IpsCannotCut);
}

void tst_Patches::cutShortPatchesAreRefused_data() {
    QTest::addColumn<QString>("format");
    QTest::newRow("ips") << "ips";
    QTest::newRow("bps") << "bps";
}

void tst_Patches::cutShortPatchesAreRefused() {
    QFETCH(QString, format);
    const QByteArray source = noise(5000, 2);
    QByteArray target = source;
    target.replace(100, 50, QByteArray(50, '\x7F'));
    target.replace(3000, 20, noise(20, 3));
    target += noise(10, 4);
    const QByteArray patch =
        format == QLatin1String("bps") ? MakeBps(source, target) : *MakeIps(source, target);
    for (qint64 size = 0; size < patch.size(); ++size) {
        const QByteArray cut = patch.left(size);
        const auto result =
            format == QLatin1String("bps") ? ApplyBps(cut, source) : ApplyIps(cut, source);
        QVERIFY2(!result, qPrintable(QStringLiteral("accepted when cut to %1 bytes").arg(size)));
    }
}

void tst_Patches::damagedBpsIsRefused_data() {
    QTest::addColumn<Edit>("damage");
    QTest::addColumn<bool>("otherSource");
    QTest::addColumn<PatchFault>("reason");
    QTest::newRow("a byte of the actions") << Edit([](QByteArray p) {
        p[8] = char(p[8] ^ 0x01);
        return p;
    }) << false << PatchFault::BpsChecksum;
    QTest::newRow("patch checksum") << Edit([](QByteArray p) {
        p[p.size() - 1] = char(p[p.size() - 1] ^ 0x80);
        return p;
    }) << false << PatchFault::BpsChecksum;
    QTest::newRow("target checksum") << Edit([](QByteArray p) {
        p[p.size() - 8] = char(p[p.size() - 8] ^ 0x01);
        return resealed(p);
    }) << false << PatchFault::BpsTargetChecksum;
    QTest::newRow("another source")
        << Edit([](QByteArray p) { return p; }) << true << PatchFault::BpsOtherSource;
    QTest::newRow("action beyond the target") << Edit([](QByteArray) {
        // Source 4000 bytes, target 2, no metadata, then a source read of 3 bytes.
        const QByteArray actions("BPS1\x20\x9E\x82\x80\x88", 9);
        return resealed(actions + littleEndian(Crc32(BpsSource)) + QByteArray(8, '\0'));
    }) << false << PatchFault::BpsActionOutside;
}

void tst_Patches::damagedBpsIsRefused() {
    QFETCH(Edit, damage);
    QFETCH(bool, otherSource);
    QFETCH(PatchFault, reason);
    QByteArray target = BpsSource;
    target.replace(10, 30, noise(30, 7));
    const QByteArray patch = damage(MakeBps(BpsSource, target));
    QCOMPARE(ApplyBps(patch, otherSource ? noise(4000, 8) : BpsSource).failure().fault, reason);
}

QTEST_GUILESS_MAIN(tst_Patches)
#include "tst_patches.moc"
