#include "historywindow/savelist.h"

#include "enemies/enemyrecord.h"
#include "fields/numbertext.h"
#include "items/itemrecord.h"
#include "rom/historyfile.h"
#include "rom/systemfile.h"
#include "tables/heldimage.h"
#include "tables/transaction.h"
#include "tables/undoplan.h"

#include <memory>

namespace {

const Tables& knownTables() {
    static const Tables tables{&ItemFormat, &EnemyFormat};
    return tables;
}

// The image's bytes as the file holds them now, read through a handle of their own.
Result<QByteArray> bytesOf(const RomImage& image) {
    auto opened = OpenImageFileForReading(image.filePath());
    if (!opened) {
        Outcome why = opened.failure();
        why.file = image.path();
        return why;
    }
    const FileHandle file = opened->handle;
    Outcome failed{
        .fault = ImageFault::SystemCall, .operation = Operation::Size, .file = image.path()};
    const IoResult size = FileSize(file);
    QByteArray bytes;
    if (size.count < 0) {
        failed.error = size.error;
    } else {
        bytes.resize(size.count);
        qint64 done = 0;
        while (done < size.count) {
            const IoResult read = ReadAt(file, done, bytes.data() + done, size.count - done);
            if (read.count <= 0) {
                failed = {.fault = ImageFault::SystemCall,
                          .operation = Operation::Read,
                          .file = image.path(),
                          .offset = done,
                          .error = read.error};
                break;
            }
            done += read.count;
        }
        if (done == size.count)
            failed.fault = Fault::None;
    }
    CloseFile(file);
    if (failed.failed())
        return failed;
    return bytes;
}

Result<HistoryLog> logOf(const RomImage& image) {
    HistoryReading reading = ReadHistory(image.historyPath(), false);
    if (reading.fault.failed()) {
        reading.fault.file = image.path();
        return reading.fault;
    }
    return std::move(reading.log);
}

} // namespace

Result<std::vector<ListedSave>> ListSaves(RomImage& image) {
    auto log = logOf(image);
    if (!log)
        return log.failure();
    const auto bytes = bytesOf(image);
    if (!bytes)
        return bytes.failure();
    const std::unique_ptr<RomImage> now = ImageOfBytes(*bytes);
    RecordReader reader(*now, knownTables());
    const std::vector<RecordStatus> status = StatusOf(log->records);
    std::vector<ListedSave> saves;
    saves.reserve(log->records.size());
    for (size_t k = 0; k < log->records.size(); ++k) {
        const HistoryRecord& r = log->records[k];
        const QList<RecordedChange> changes = reader.changes(r.ranges);
        ListedSave save{r.number, RecordTime(r),      r.madeBy, r.state,
                        r.undoes, status[k].undoneBy, {},       ChangeLines(changes)};
        for (const RecordedChange& c : changes) {
            const QString entry = c.entry.isEmpty() ? HexOffset(c.offset) : c.entry;
            if (!save.entries.contains(entry))
                save.entries << entry;
        }
        saves.push_back(std::move(save));
    }
    return saves;
}

std::vector<size_t> SavesOfEntry(const std::vector<ListedSave>& saves, const QString& entry) {
    std::vector<size_t> found;
    for (size_t k = 0; k < saves.size(); ++k)
        if (entry.isEmpty() || saves[k].entries.contains(entry, Qt::CaseInsensitive))
            found.push_back(k);
    return found;
}

Outcome UndoSave(RomImage& image, quint32 number, qint64* bytes) {
    *bytes = 0;
    const auto log = logOf(image);
    if (!log)
        return log.failure();
    const auto held = bytesOf(image);
    if (!held)
        return held.failure();
    // Planned against the bytes as read; the transaction writes only while the file still holds
    // them, so a change by another program between the two is refused, not overwritten.
    const std::unique_ptr<RomImage> now = ImageOfBytes(*held);
    RecordReader reader(*now, knownTables());
    UndoPlan plan;
    if (Outcome refused = PlanUndo(*now, reader, log->records, number, &plan); refused.failed()) {
        refused.file = image.path();
        return refused;
    }
    for (const WritePart& part : plan.writes.parts)
        *bytes += qint64(part.writes.size());
    return ApplyTransaction(image, plan.writes);
}
