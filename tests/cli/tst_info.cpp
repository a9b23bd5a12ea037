#include "clirun.h"
#include "tools/syntheticimage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

class tst_Info : public QObject {
    Q_OBJECT
private slots:
    void reportsWhatTheFileIs_data();
    void reportsWhatTheFileIs();
};

void tst_Info::reportsWhatTheFileIs_data() {
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("enemiesInside");
    QTest::addColumn<bool>("looksRight");
    const QByteArray image = MakeDemoImage(3).bytes;
    QByteArray noise(image.size(), '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QTest::newRow("synthetic image") << image << true << 121 << true;
    QTest::newRow("without its header") << image.mid(16) << false << 121 << false;
    QTest::newRow("noise") << noise << false << 121 << false;
    QTest::newRow("shorter than the tables") << image.left(0x2C040) << true << 0 << false;
    QTest::newRow("missing") << QByteArray() << false << 0 << false;
}

void tst_Info::reportsWhatTheFileIs() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, header);
    QFETCH(int, enemiesInside);
    QFETCH(bool, looksRight);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.nes"));
    if (!bytes.isNull())
        PutFile(path, bytes);

    const CliRun json = RunTool({QStringLiteral("info"), path, QStringLiteral("--json")});
    const CliRun text = RunTool({QStringLiteral("info"), path});
    if (bytes.isNull()) {
        QCOMPARE(json.code, 1);
        QVERIFY2(json.err.contains(QDir::toNativeSeparators(path)) && json.out.isEmpty(),
                 qPrintable(json.err));
        return;
    }
    QCOMPARE(json.code, 0);
    QCOMPARE(text.code, 0);
    QJsonParseError error;
    const QJsonObject facts = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(facts[QLatin1String("size")].toInteger(), bytes.size());
    QCOMPARE(facts[QLatin1String("header")].isObject(), header);
    if (header)
        QCOMPARE(facts[QLatin1String("header")][QLatin1String("size_matches")].toBool(),
                 bytes.size() == SyntheticImage::FullSize);
    QCOMPARE(facts[QLatin1String("enemies")][QLatin1String("entries_inside")].toInt(),
             enemiesInside);
    QCOMPARE(facts[QLatin1String("tables_look_right")].toBool(), looksRight);

    const auto sums = [](const QByteArray& data) {
        const auto crc = crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()));
        return QStringList{
            QString::number(crc, 16).rightJustified(8, QLatin1Char('0')),
            QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex())};
    };
    const auto reported = [&](const char* crc, const char* sha1) {
        return QStringList{facts[QLatin1String(crc)].toString(),
                           facts[QLatin1String(sha1)].toString()};
    };
    QCOMPARE(reported("crc32", "sha1"), sums(bytes));
    const QStringList none{QString(), QString()};
    QCOMPARE(reported("crc32_without_header", "sha1_without_header"),
             header ? sums(bytes.mid(16)) : none);
    QVERIFY(text.out.contains(sums(bytes).first()));
}

QTEST_GUILESS_MAIN(tst_Info)
#include "tst_info.moc"
