#include "cli/commands.h"
#include "cli/knowntables.h"
#include "rom/historyfile.h"
#include "tables/heldimage.h"
#include "tables/historyview.h"
#include "tables/undoplan.h"
#include "wording/clitext.h"
#include "wording/historytext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Every record of the image's history, or why it cannot be read.
Result<HistoryLog> readLog(Io& io, const RomImage& image) {
    HistoryReading reading = ReadHistory(image.historyPath(), false);
    if (reading.fault.failed()) {
        Outcome why = reading.fault;
        why.file = image.path();
        return why;
    }
    if (reading.log.damaged > 0)
        Fail(io, {.fault = CliFileFault::HistoryDamaged,
                  .file = image.historyPath(),
                  .count = qint64(reading.log.damaged)});
    return std::move(reading.log);
}

// The state of a record as --json names it.
QString stateName(HistoryState state) {
    switch (state) {
    case HistoryState::Done:
        return QStringLiteral("done");
    case HistoryState::RolledBack:
        return QStringLiteral("rolled back");
    case HistoryState::Pending:
    case HistoryState::Left:
        break;
    }
    return QStringLiteral("pending");
}

QJsonValue valueOf(const RecordedChange& c, const QString& text) {
    return c.number ? QJsonValue(text.toInt()) : QJsonValue(text);
}

QJsonValue numberOrNull(quint32 n) {
    return n == 0 ? QJsonValue(QJsonValue::Null) : QJsonValue(qint64(n));
}

QJsonObject recordObject(const HistoryRecord& r, const RecordStatus& status,
                         const QList<RecordedChange>& changes) {
    QJsonArray list;
    for (const RecordedChange& c : changes)
        list << QJsonObject{
            {QStringLiteral("entry"), c.entry.isEmpty() ? QJsonValue() : QJsonValue(c.entry)},
            {QStringLiteral("field"), c.field.isEmpty() ? QJsonValue() : QJsonValue(c.field)},
            {QStringLiteral("old"), valueOf(c, c.before)},
            {QStringLiteral("new"), valueOf(c, c.after)},
            {QStringLiteral("offset"), c.offset}};
    return QJsonObject{{QStringLiteral("number"), qint64(r.number)},
                       {QStringLiteral("time"), RecordIsoTime(r)},
                       {QStringLiteral("command"), MadeByName(r.madeBy)},
                       {QStringLiteral("state"), stateName(r.state)},
                       {QStringLiteral("undoes"), numberOrNull(r.undoes)},
                       {QStringLiteral("undone_by"), numberOrNull(status.undoneBy)},
                       {QStringLiteral("changes"), list}};
}

} // namespace

int HistoryCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    parser.addOption(jsonOption);
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli history IMAGE [--json]\n\n"
        "Lists every save recorded in IMAGE.history, oldest first: its number, the local time it\n"
        "was made, what made it (editor, import, rename or undo), and each field it changed, as\n"
        "diff prints them. Bytes outside the tables show as an offset and a count. An undone\n"
        "save says which undo took it back; an undo says which save it undid.\n\n"
        "  --json  an array of objects: number, time (ISO 8601), command, state (done, rolled\n"
        "          back or pending), undoes, undone_by, and changes, each with entry, field, old,\n"
        "          new and offset\n\n"
        "Exit codes: 0 listed; 1 IMAGE or its history cannot be read; 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    Recovery opening;
    auto image = OpenImage(io, parser.positionalArguments().first(), true, &opening);
    if (!image)
        return ExitInvalidInput;
    const auto log = readLog(io, *image);
    if (!log) {
        // The opening has said it already when it could not read the history either.
        if (opening.fault.fault != log.failure().fault)
            Fail(io, AboutFileText(image->path(), HistoryReasonText(log.failure())));
        return ExitInvalidInput;
    }
    const std::vector<RecordStatus> status = StatusOf(log->records);
    const auto held = HoldImage(*image);
    if (!held)
        return Fail(io, held.failure());
    QJsonArray records;
    RecordReader reader(**held, KnownTables());
    for (size_t k = 0; k < log->records.size(); ++k) {
        const HistoryRecord& r = log->records[k];
        const QList<RecordedChange> changes = reader.changes(r.ranges);
        if (parser.isSet(jsonOption)) {
            records << recordObject(r, status[k], changes);
            continue;
        }
        for (const QString& line : HistoryLines(r, status[k], ChangeLines(changes)))
            io.out << line << '\n';
    }
    if (parser.isSet(jsonOption))
        io.out << QString::fromUtf8(QJsonDocument(records).toJson());
    else if (log->records.empty())
        io.out << NoSavesText() << '\n';
    return ExitSuccess;
}

int UndoCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption saveOption(QStringLiteral("save"), QString(), QStringLiteral("N"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    parser.addOptions({saveOption, dryRunOption, noBackupOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli undo IMAGE [--save N] [--dry-run] [--no-backup]\n\n"
        "Puts back the bytes that a recorded save replaced, as a new save recorded as an undo of\n"
        "it. Without --save, the newest save that stands and is no undo itself is undone; with\n"
        "--save N, save N is, and undoing an undo redoes what it undid. Refused, with nothing\n"
        "written, when any byte to put back no longer holds what that save wrote: a later save\n"
        "or another program changed it. Before the first write, IMAGE is copied to IMAGE.bak.\n\n"
        "  --save N     undo save N, as history numbers it\n"
        "  --dry-run    check and report the changes, write nothing\n"
        "  --no-backup  make no IMAGE.bak\n\n"
        "Exit codes: 0 written; 1 nothing written; 2 usage error; 3 written in part: a write\n"
        "failed and the bytes already written could not all be put back; the message says what\n"
        "stands, and the next opening puts it right.\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    quint32 number = 0;
    if (parser.isSet(saveOption)) {
        bool ok = false;
        number = parser.value(saveOption).toUInt(&ok);
        if (!ok || number == 0)
            return UsageError(io,
                              {.fault = UsageFault::SaveOption, .text = parser.value(saveOption)});
    }
    const bool dryRun = parser.isSet(dryRunOption);
    auto image = OpenImageToWrite(io, parser.positionalArguments().first(), dryRun,
                                  !parser.isSet(noBackupOption));
    if (!image)
        return ExitInvalidInput;
    const auto log = readLog(io, *image);
    if (!log)
        return Fail(io, UndoRefusedText(log.failure()));
    // Planned against the image as read whole; the transaction writes only while the file still
    // holds those bytes.
    const auto held = HoldImage(*image);
    if (!held)
        return Fail(io, PlanFailedText(held.failure()));
    UndoPlan plan;
    RecordReader reader(**held, KnownTables());
    if (Outcome refused = PlanUndo(**held, reader, log->records, number, &plan); refused.failed()) {
        refused.file = image->path();
        return Fail(io, UndoRefusedText(refused));
    }
    const QStringList lines = ChangeLines(reader.changes(plan.ranges));
    qint64 bytes = 0;
    for (const WritePart& part : plan.writes.parts)
        bytes += qint64(part.writes.size());
    if (!dryRun)
        if (const Outcome written = ApplyTransaction(*image, plan.writes); written.failed())
            return FailedWrite(io, *image, written);
    for (const QString& line : lines)
        io.out << line << '\n';
    io.out << UndoneText(plan.record->number, bytes, dryRun) << Qt::endl;
    return ExitSuccess;
}
