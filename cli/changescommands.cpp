#include "cli/commands.h"
#include "cli/csv.h"
#include "cli/knowntables.h"
#include "rom/historyfile.h"
#include "rom/imagebytes.h"
#include "tables/heldimage.h"
#include "tables/imagefacts.h"
#include "tables/merge.h"
#include "tables/netchanges.h"
#include "tables/original.h"
#include "wording/changestext.h"
#include "wording/clitext.h"
#include "wording/comparetext.h"
#include "wording/historytext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonValue valueOf(const NetChange& c, const QString& text) {
    const ColumnKind kind = Columns(c.table)[c.column].kind;
    const bool number =
        kind == ColumnKind::Number || kind == ColumnKind::Flag || kind == ColumnKind::Item;
    return number ? QJsonValue(text.toInt()) : QJsonValue(text);
}

QByteArray jsonOf(const QList<NetChange>& changes) {
    QJsonArray list;
    for (const NetChange& c : changes) {
        QJsonArray saves;
        for (const quint32 n : c.saves)
            saves << qint64(n);
        list << QJsonObject{{QStringLiteral("entry"), EntryLabel(c.table, c.index)},
                            {QStringLiteral("name"), c.name},
                            {QStringLiteral("field"), Columns(c.table)[c.column].name},
                            {QStringLiteral("original"), valueOf(c, c.original)},
                            {QStringLiteral("current"), valueOf(c, c.current)},
                            {QStringLiteral("saves"), saves}};
    }
    return QJsonDocument(list).toJson();
}

QString csvOf(const QList<NetChange>& changes) {
    QList<QStringList> rows{{QStringLiteral("entry"), QStringLiteral("name"),
                             QStringLiteral("field"), QStringLiteral("original"),
                             QStringLiteral("current"), QStringLiteral("saves")}};
    for (const NetChange& c : changes) {
        QStringList saves;
        for (const quint32 n : c.saves)
            saves << QString::number(n);
        rows << QStringList{EntryLabel(c.table, c.index),
                            c.name,
                            Columns(c.table)[c.column].name,
                            c.original,
                            c.current,
                            saves.join(QLatin1Char(' '))};
    }
    return WriteCsv(rows);
}

// The tables look like the editors' in `bytes`; the facts otherwise.
std::optional<QList<std::pair<Table, TableFacts>>> unlikeAnImage(const QByteArray& bytes) {
    QList<std::pair<Table, TableFacts>> facts;
    bool right = true;
    for (const Table table : KnownTables()) {
        facts << std::pair{table, InspectTable(bytes, table)};
        right = right && LooksRight(facts.back().second);
    }
    if (right)
        return std::nullopt;
    return facts;
}

} // namespace

int ChangesCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption baseOption(QStringLiteral("base"), QString(), QStringLiteral("file"));
    const QCommandLineOption tableOption(QStringLiteral("table"), QString(),
                                         QStringLiteral("table"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(),
                                          QStringLiteral("format"), QStringLiteral("text"));
    parser.addOptions({baseOption, tableOption, formatOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli changes IMAGE [--base FILE] [--table items|enemies]\n"
        "                           [--format text|csv|json|markdown]\n\n"
        "Lists every field and name of IMAGE that differs from its original, entry by entry in\n"
        "table order: the net effect of its saves, so that a field changed and changed back, or\n"
        "an undone save, is not listed. The original is the image as its history IMAGE.history\n"
        "first knew it: for each byte, what the earliest save that went in found there. Writes\n"
        "nothing.\n\n"
        "  --base FILE               compare with FILE instead, an image of the same size\n"
        "  --table items|enemies     one table only (default: both)\n"
        "  --format text             lines as diff prints them (default)\n"
        "  --format csv|json         entry, name, field, original, current, and the saves that\n"
        "                            changed it\n"
        "  --format markdown         patch notes for players, with the editors' captions\n\n"
        "Exit codes: 0 listed, with or without changes; 1 IMAGE cannot be read, or it has no\n"
        "history and no --base is given; 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    Tables tables = KnownTables();
    if (parser.isSet(tableOption)) {
        const Table table = TableNamed(KnownTables(), parser.value(tableOption));
        if (!table)
            return UsageError(
                io, {.fault = UsageFault::TableOption, .text = parser.value(tableOption)});
        tables = {table};
    }
    const QString format = parser.value(formatOption);
    if (!QStringList{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("json"),
                     QStringLiteral("markdown")}
             .contains(format))
        return UsageError(io, {.fault = UsageFault::ChangesFormatOption, .text = format});

    const QString path = parser.positionalArguments().first();
    // Only reported, never put right: this command writes nothing.
    auto image = OpenImage(io, path, false);
    if (!image)
        return ExitInvalidInput;
    const HistoryReading reading = ReadHistory(image->historyPath(), false);
    if (reading.fault.failed() && !parser.isSet(baseOption))
        return Fail(io, AboutFileText(path, HistoryReasonText(reading.fault)));
    const std::vector<HistoryRecord>& records = reading.log.records;
    const QString basePath = parser.value(baseOption);
    std::unique_ptr<RomImage> base;
    if (parser.isSet(baseOption)) {
        base = OpenImage(io, basePath, false);
        if (!base)
            return ExitInvalidInput;
    } else if (records.empty()) {
        return Fail(io, NoOriginalText({.fault = CompareFault::NoOriginal, .file = path}));
    }
    // Both images are compared as read whole, so that no failure of a file can stop the listing
    // half-way.
    const auto nowBytes = ReadWholeImage(*image);
    if (!nowBytes)
        return Fail(io, nowBytes.failure());
    const std::unique_ptr<RomImage> now = ImageOfBytes(*nowBytes);
    OriginalBytes fromHistory;
    std::unique_ptr<RomImage> original;
    if (base) {
        const auto baseBytes = ReadWholeImage(*base);
        if (!baseBytes)
            return Fail(io, baseBytes.failure());
        if (baseBytes->size() != nowBytes->size())
            return Fail(io, SizesDifferText({.fault = CompareFault::SizesDiffer,
                                             .file = path,
                                             .other = basePath,
                                             .length = nowBytes->size(),
                                             .otherLength = baseBytes->size()}));
        original = ImageOfBytes(*baseBytes);
    } else {
        fromHistory.follow(records, nowBytes->size());
        for (const quint32 number : fromHistory.outside())
            Fail(io, {.fault = CliFileFault::RecordPastEnd,
                      .file = image->historyPath(),
                      .record = number});
        original = OriginalImage(*now, fromHistory);
    }
    QList<NetChange> changes = NetChanges(*now, *original, tables);
    FindSaves(changes, *now, *original, records);
    if (format == QLatin1String("json")) {
        io.out << QString::fromUtf8(jsonOf(changes));
    } else if (format == QLatin1String("csv")) {
        io.out << csvOf(changes);
    } else if (format == QLatin1String("markdown")) {
        io.out << PatchNotesText(changes);
    } else {
        const QStringList lines = NetChangeLines(changes);
        for (const QString& line : lines)
            io.out << line << '\n';
        if (lines.isEmpty())
            io.out << NoNetChangesText() << '\n';
    }
    return ExitSuccess;
}

int MergeCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QString(), QStringLiteral("file"));
    const QCommandLineOption preferOption(QStringLiteral("prefer"), QString(),
                                          QStringLiteral("side"));
    parser.addOptions({outputOption, preferOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli merge BASE OURS THEIRS -o OUT [--prefer ours|theirs]\n\n"
        "Merges two lines of work, OURS and THEIRS, that both started from BASE, into OUT, a new\n"
        "file: every field of both tables field by field, each entry's name text as one unit,\n"
        "and every other bit bit by bit. A field changed on one side only, or to the same value\n"
        "on both, is taken; so is a bit changed on either side. A field changed to different\n"
        "values on both sides is a conflict: each is listed, and OUT is not written. The three\n"
        "images must have the same size. No history and no backup is made beside OUT.\n\n"
        "  -o, --output OUT       the merged image; never one of the inputs\n"
        "  --prefer ours|theirs   take that side for every conflict, and write OUT\n\n"
        "Exit codes: 0 written; 1 nothing written (a conflict, an input that cannot be read, is\n"
        "no image or has another size, or OUT cannot be written); 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 3, help, io))
        return *exit;
    const QString output = parser.value(outputOption);
    if (IsStandardOutput(output))
        return UsageError(io, {.fault = UsageFault::MergeToStandardOutput});
    MergeSide prefer = MergeSide::None;
    if (parser.isSet(preferOption)) {
        const QString side = parser.value(preferOption);
        if (side != QLatin1String("ours") && side != QLatin1String("theirs"))
            return UsageError(io, {.fault = UsageFault::PreferOption, .text = side});
        prefer = side == QLatin1String("ours") ? MergeSide::Ours : MergeSide::Theirs;
    }
    const QStringList inputs = parser.positionalArguments();
    if (const Outcome refused = OutputIsAnInput(output, inputs); refused.failed())
        return Fail(io, refused);
    QList<QByteArray> bytes;
    for (const QString& input : inputs) {
        const auto image = OpenImage(io, input, false);
        if (!image)
            return ExitInvalidInput;
        const auto read = ReadWholeImage(*image);
        if (!read)
            return Fail(io, read.failure());
        bytes << *read;
        if (bytes.back().size() != bytes.front().size())
            return Fail(io, SizesDifferText({.fault = CompareFault::SizesDiffer,
                                             .file = input,
                                             .other = inputs.front(),
                                             .length = bytes.back().size(),
                                             .otherLength = bytes.front().size()}));
        if (const auto facts = unlikeAnImage(bytes.back()))
            return Fail(io,
                        NotAnImageText({.fault = CompareFault::NotAnImage, .file = input}, *facts));
    }
    const MergeResult merged = MergeImages(bytes[0], bytes[1], bytes[2], KnownTables(), prefer);
    bool together = false;
    for (const MergeConflict& c : merged.conflicts) {
        io.out << MergeConflictLine(c) << '\n';
        together = together || c.merged || (c.base == c.ours || c.base == c.theirs);
    }
    if (!merged.conflicts.isEmpty() && prefer == MergeSide::None)
        return Fail(io, MergeConflictsText({.fault = CompareFault::MergeConflicts,
                                            .mixedConflicts = together,
                                            .file = output,
                                            .count = merged.conflicts.size()}));
    if (const Outcome written = WriteOutput(io, output, merged.bytes); written.failed())
        return Fail(io, written);
    if (!merged.conflicts.isEmpty())
        io.out << ConflictsTakenText(merged.conflicts.size(), prefer, together) << '\n';
    io.out << MergedText(output, merged.bytes.size()) << Qt::endl;
    return ExitSuccess;
}
