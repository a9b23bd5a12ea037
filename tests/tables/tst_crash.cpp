// A crash and a power loss at every write of a save and of an import: the next opening must leave
// the image exactly as it was before the transaction or exactly as the whole transaction writes
// it, and the history saying which.
#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "rom/historyfile.h"
#include "rom/newfile.h"
#include "support/testsupport.h"
#include "tables/importplan.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

namespace {

// What the process dies of: thrown at the chosen write or sync, caught by no one but the test.
struct Crash {};

// What the system holds that no sync has handed to the disk yet, whichever process wrote it: a
// power loss may drop it.
struct Unsynced {
    std::vector<std::pair<qint64, QByteArray>> image; // offset, the bytes before
    qint64 historyFrom = -1; // the history's length at its last sync, once appended to
};

// An image whose process dies just before write or sync number `stopAt` (counting from 0) of the
// image, its history, its backup or their folder.
class CrashingRom : public RomImage {
public:
    CrashingRom(const QString& path, Unsynced& unsynced, int stopAt = -1)
        : RomImage(path, *OpenImageFile(path)), m_unsynced(unsynced), m_stopAt(stopAt) {
        // The backup's own file is written past the image's calls.
        SetNewFileFault([this](NewFileStep step) {
            if (step != NewFileStep::Write)
                stop();
            return 0;
        });
    }
    ~CrashingRom() override { SetNewFileFault({}); }

    int points = 0;

protected:
    IoResult writeRaw(qint64 pos, const char* data, qint64 len) override {
        stop();
        QByteArray old(len, '\0');
        RomImage::readRaw(pos, old.data(), len);
        m_unsynced.image.emplace_back(pos, old);
        return RomImage::writeRaw(pos, data, len);
    }
    IoResult appendRaw(FileHandle file, const char* data, qint64 len) override {
        stop();
        if (m_unsynced.historyFrom < 0)
            m_unsynced.historyFrom = FileSize(file).count;
        return RomImage::appendRaw(file, data, len);
    }
    int syncRaw(FileHandle file) override {
        stop();
        const int error = RomImage::syncRaw(file);
        if (error == 0 && file == handle())
            m_unsynced.image.clear();
        else if (error == 0)
            m_unsynced.historyFrom = -1;
        return error;
    }
    int syncFolderRaw(const QString& path) override {
        stop();
        return RomImage::syncFolderRaw(path);
    }

private:
    void stop() {
        if (points++ == m_stopAt)
            throw Crash{};
    }
    Unsynced& m_unsynced;
    int m_stopAt;
};

// The power goes: each image write that no sync covered is lost or kept at random, and the
// history keeps a random part of what was appended after its last sync, cut anywhere.
void losePower(const QString& path, const Unsynced& unsynced, quint32 seed) {
    QRandomGenerator random(seed);
    QFile image(path);
    QVERIFY(image.open(QIODevice::ReadWrite));
    for (auto it = unsynced.image.rbegin(); it != unsynced.image.rend(); ++it)
        if (random.bounded(2) == 0) {
            QVERIFY(image.seek(it->first));
            QCOMPARE(image.write(it->second), it->second.size());
        }
    image.close();
    if (unsynced.historyFrom >= 0) {
        QFile history(path + QStringLiteral(".history"));
        const qint64 appended = history.size() - unsynced.historyFrom;
        QVERIFY(history.resize(unsynced.historyFrom + random.bounded(appended + 1)));
    }
}

// The enemies' rows with new values in several fields, a word among them, for `count` entries.
QList<QStringList> editedRows(RomImage& rom, int count) {
    QList<QStringList> rows = ExportRows(rom, &EnemyFormat);
    const QList<Column>& columns = Columns(&EnemyFormat);
    for (int i = 0; i < count; ++i)
        for (int k = 0; k < columns.size(); ++k) {
            const QString& name = columns[k].name;
            if (name == QLatin1String("hp") || name == QLatin1String("experience") ||
                name == QLatin1String("speed"))
                rows[i][k] =
                    QString::number((rows[i][k].toInt() + 257 + i) % (columns[k].upper + 1));
        }
    return rows;
}

QList<KeyedRow> keyed(const QList<QStringList>& rows) {
    QList<KeyedRow> out;
    const QList<Column>& columns = Columns(&EnemyFormat);
    for (const QStringList& row : rows) {
        KeyedRow keyedRow;
        for (int k = 0; k < columns.size(); ++k)
            keyedRow.cells.insert(columns[k].name, Cell{row[k]});
        out << keyedRow;
    }
    return out;
}

// One transaction of each kind the editors and the command line make.
enum class Scenario { Save, SaveAfterImport, Import };

void run(Scenario scenario, RomImage& rom) {
    rom.enableBackup();
    if (scenario == Scenario::Import) {
        const auto plan = PlanImport(rom, &EnemyFormat, keyed(editedRows(rom, 6)), {},
                                     {&ItemFormat, &EnemyFormat});
        QVERIFY(plan);
        QCOMPARE(plan->entries, 6);
        QCOMPARE(ApplyTransaction(rom, plan->writes).fault, Fault::None);
        return;
    }
    const QStringList row = editedRows(rom, 13).at(12);
    QCOMPARE(SaveEntry(rom, EnemyFormat, 12, FormFromRow(&EnemyFormat, row, false), {}).fault,
             Fault::None);
}

// The image ready for the transaction: fresh, or after an earlier import, whose record stands
// before the save's.
std::unique_ptr<ImageOnDisk> prepared(Scenario scenario) {
    auto disk = std::make_unique<ImageOnDisk>(MakeDemoImage(7));
    if (scenario == Scenario::SaveAfterImport) {
        run(Scenario::Import, *disk->open());
        QFile::remove(disk->path() + QStringLiteral(".bak"));
    }
    return disk;
}

struct Outcomes {
    QByteArray before, after;
    int points = 0;
};

// The image before and after the whole transaction, and how many writes it makes.
Outcomes outcomesOf(Scenario scenario) {
    Outcomes o;
    const auto disk = prepared(scenario);
    o.before = disk->bytes();
    Unsynced unsynced;
    CrashingRom rom(disk->path(), unsynced);
    run(scenario, rom);
    o.after = disk->bytes();
    o.points = rom.points;
    return o;
}

std::vector<HistoryRecord> recordsOf(const QString& image) {
    HistoryReading reading = ReadHistory(image + QStringLiteral(".history"), false);
    return reading.log.records;
}

// The next opening: recovers, then must find the image whole, one way or the other, and the
// history saying which.
void checkNextOpening(const ImageOnDisk& disk, const Outcomes& o, size_t recordsBefore) {
    auto rom = *OpenRomImage(disk.path());
    QVERIFY(rom);
    const Recovery recovered = RecoverImage(*rom, true);
    QCOMPARE(recovered.fault.fault, Fault::None);
    const QByteArray now = disk.bytes();
    QVERIFY2(now == o.before || now == o.after,
             qPrintable(
                 QStringLiteral("torn at %1 offsets").arg(DifferingOffsets(now, o.before).size())));
    const std::vector<HistoryRecord> records = recordsOf(disk.path());
    QVERIFY(records.size() >= recordsBefore);
    for (const HistoryRecord& r : records)
        QVERIFY(r.state != HistoryState::Pending);
    if (now == o.after && now != o.before) {
        QCOMPARE(records.size(), recordsBefore + 1);
        QCOMPARE(records.back().state, HistoryState::Done);
    } else if (records.size() > recordsBefore) {
        QCOMPARE(records.back().state, HistoryState::RolledBack);
    }
    // A backup stands only once the transaction was to write, and then it is of the image before.
    if (QFile::exists(rom->backupPath()))
        QCOMPARE(FileBytes(rom->backupPath()), o.before);
    // Nothing is left to do, and the backup of the next save is of the image as it now stands.
    // That save leaves no copy that a killed writer of this image left behind, and takes no other.
    QCOMPARE(RecoverImage(*rom, true).action, RecoveryAction::None);
    const QDir folder = QFileInfo(disk.path()).dir();
    const QString stale = folder.filePath(FreshFileName(rom->backupTag()));
    const QString others = folder.filePath(FreshFileName(QString()));
    QVERIFY(WriteFileBytes(stale, "killed"));
    QVERIFY(WriteFileBytes(others, "someone's"));
    rom->enableBackup();
    const QStringList row = ExportRows(*rom, &ItemFormat).at(1);
    QCOMPARE(SaveEntry(*rom, ItemFormat, 1, FormFromRow(&ItemFormat, row, false), {}).fault,
             Fault::None);
    QCOMPARE(FileBytes(rom->backupPath()), now);
    QVERIFY(!QFile::exists(stale));
    QVERIFY(QFile::remove(others));
    QCOMPARE(folder.entryList({QStringLiteral(".tolvane-*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

} // namespace

class tst_Crash : public QObject {
    Q_OBJECT

private slots:
    void everyStopPoint_data();
    void everyStopPoint();
    void crashDuringRecovery_data();
    void crashDuringRecovery();
};

void tst_Crash::everyStopPoint_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<int>("model");
    const std::pair<Scenario, const char*> scenarios[] = {
        {Scenario::Save, "save, new history"},
        {Scenario::SaveAfterImport, "save after an import"},
        {Scenario::Import, "import of 6 enemies"}};
    // How the writer's process ends: killed; killed and then the power lost; or killed, the next
    // opening recovering, and only then the power lost, which may drop what either left unsynced.
    const char* const models[] = {"", ", power loss", ", recovery, power loss"};
    for (const auto& [scenario, name] : scenarios) {
        const int points = outcomesOf(scenario).points;
        for (int k = 0; k < points; ++k)
            for (int model = 0; model < 3; ++model)
                QTest::addRow("%s, stop %d of %d%s", name, k, points, models[model])
                    << int(scenario) << k << model;
    }
}

void tst_Crash::everyStopPoint() {
    QFETCH(int, scenario);
    QFETCH(int, stopAt);
    QFETCH(int, model);
    const Outcomes o = outcomesOf(Scenario(scenario));
    QVERIFY(o.before != o.after);
    const auto disk = prepared(Scenario(scenario));
    const size_t recordsBefore = recordsOf(disk->path()).size();
    Unsynced unsynced;
    {
        CrashingRom rom(disk->path(), unsynced, stopAt);
        bool crashed = false;
        try {
            run(Scenario(scenario), rom);
        } catch (const Crash&) {
            crashed = true;
        }
        QVERIFY(crashed);
    }
    if (model == 2) {
        CrashingRom rom(disk->path(), unsynced);
        QCOMPARE(RecoverImage(rom, true).fault.fault, Fault::None);
    }
    if (model > 0)
        losePower(disk->path(), unsynced, quint32(scenario * 1000 + stopAt));
    checkNextOpening(*disk, o, recordsBefore);
}

void tst_Crash::crashDuringRecovery_data() {
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<bool>("powerLoss");
    // Torn first: an import stopped halfway through its image writes; its recovery writes each
    // range back and appends a mark.
    for (int k = 0; k <= 7; ++k)
        for (const bool power : {false, true})
            QTest::addRow("recovery stop %d%s", k, power ? ", power loss" : "") << k << power;
}

void tst_Crash::crashDuringRecovery() {
    QFETCH(int, stopAt);
    QFETCH(bool, powerLoss);
    const Outcomes o = outcomesOf(Scenario::Import);
    const auto disk = prepared(Scenario::Import);
    Unsynced unsynced;
    try {
        CrashingRom rom(disk->path(), unsynced, o.points - 4);
        run(Scenario::Import, rom);
    } catch (const Crash&) {
    }
    QVERIFY(disk->bytes() != o.before && disk->bytes() != o.after);
    {
        CrashingRom rom(disk->path(), unsynced, stopAt);
        try {
            RecoverImage(rom, true);
        } catch (const Crash&) {
        }
    }
    if (powerLoss)
        losePower(disk->path(), unsynced, quint32(stopAt));
    checkNextOpening(*disk, o, 0);
    QCOMPARE(disk->bytes().size(), o.before.size());
}

QTEST_GUILESS_MAIN(tst_Crash)
#include "tst_crash.moc"
