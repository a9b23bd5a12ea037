#include "cli/commands.h"
#include "cli/csv.h"
#include "cli/jsontable.h"
#include "cli/knowntables.h"
#include "cli/tablefile.h"
#include "rom/imagebytes.h"
#include "tables/heldimage.h"
#include "tables/importplan.h"
#include "tables/tablediff.h"
#include "wording/clitext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <QDir>

int ExportCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption tableOption(QStringLiteral("table"), QString(),
                                         QStringLiteral("table"), QStringLiteral("items"));
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(),
                                          QStringLiteral("format"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QString(), QStringLiteral("file"));
    parser.addOptions({tableOption, formatOption, outputOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli export IMAGE [--table items|enemies] [--format csv|json] [-o FILE]\n\n"
        "Writes one table of IMAGE as CSV or JSON: one row or object per entry, with its index "
        "and\n"
        "every field the editors show. Without -o, or with -o -, the table goes to the standard\n"
        "output. A FILE that is a device is written into, and a FIFO is refused; any other FILE\n"
        "is replaced only once the whole table is written.\n\n"
        "  --table items|enemies  the table (default: items)\n"
        "  --format csv|json      the format (default: json for a FILE ending in .json, else csv)\n"
        "  -o, --output FILE      write to FILE\n\n"
        "Exit codes: 0 written; 1 nothing written (IMAGE cannot be read, or the output cannot be\n"
        "written in full: the system's reason is given, and no part of FILE is left); 2 usage\n"
        "error.\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    const Table table = TableNamed(KnownTables(), parser.value(tableOption));
    if (!table)
        return UsageError(io,
                          {.fault = UsageFault::TableOption, .text = parser.value(tableOption)});
    const QString output = parser.value(outputOption);
    QString format = parser.value(formatOption);
    if (format.isEmpty())
        format = output.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                     ? QStringLiteral("json")
                     : QStringLiteral("csv");
    if (format != QLatin1String("csv") && format != QLatin1String("json"))
        return UsageError(io, {.fault = UsageFault::ExportFormatOption, .text = format});

    const QString path = parser.positionalArguments().first();
    if (const Outcome refused = OutputIsAnInput(output, {path}); refused.failed())
        return Fail(io, refused);
    auto image = OpenImage(io, path);
    if (!image)
        return ExitInvalidInput;
    const auto bytes = ReadWholeImage(*image);
    if (!bytes)
        return Fail(io, bytes.failure());
    // A file that ends before the table would read as rows of zeros past its end.
    if (bytes->size() < table->entryOffset(table->count - 1) + table->size)
        return Fail(io, NoTableToExportText(path, table, InspectTable(*bytes, table)));
    const QList<QStringList> rows = ExportRows(*ImageOfBytes(*bytes), table);
    QByteArray text;
    if (format == QLatin1String("json")) {
        text = WriteJsonTable(table, rows);
    } else {
        QStringList header;
        for (const Column& c : Columns(table))
            header << c.name;
        text = WriteCsv(QList<QStringList>{header} + rows).toUtf8();
    }
    if (const Outcome written = WriteOutput(io, output, text); written.failed())
        return Fail(io, written);
    return ExitSuccess;
}

int ImportCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption namesOption(QStringLiteral("names"));
    const QCommandLineOption sharedOption(QStringLiteral("shared"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    parser.addOptions({dryRunOption, namesOption, sharedOption, noBackupOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli import IMAGE FILE [--names [--shared]] [--dry-run] [--no-backup]\n\n"
        "Writes the rows of FILE, a CSV or JSON table made by export, back into IMAGE with the\n"
        "editors' own rules. Every row and cell is checked first; if any is invalid, each error "
        "is\n"
        "reported as file:line:column and nothing is written. Only fields that differ are "
        "written.\n"
        "Names are written only with --names, by the rules of the rename command: in place, no\n"
        "longer than the old name, codes 0x00 to 0x7F, never into the item or the enemy table.\n"
        "The item_name column is never written. Before the first write, IMAGE is copied to\n"
        "IMAGE.bak beside it, over any older one. The rows land as one: if a write fails, or\n"
        "another program changed an entry after it was read, nothing is written.\n\n"
        "  --names      write the names that differ\n"
        "  --shared     with --names: a new name may also change other entries that read its "
        "text\n"
        "  --dry-run    check and report the changes, write nothing\n"
        "  --no-backup  make no IMAGE.bak\n\n"
        "Exit codes: 0 written, or nothing to write; 1 nothing written; 2 usage error; 3 written\n"
        "in part: a write failed and the bytes already written could not all be put back; the\n"
        "message names the entries written and those not, and the backup IMAGE.bak (unless\n"
        "--no-backup) holds the image as it was.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString imagePath = parser.positionalArguments().at(0);
    const QString tablePath = parser.positionalArguments().at(1);
    ImportOptions options;
    const bool dryRun = parser.isSet(dryRunOption);
    options.names = parser.isSet(namesOption);
    options.shared = parser.isSet(sharedOption);
    if (options.shared && !options.names)
        return UsageError(io, {.fault = UsageFault::SharedWithoutNames});

    const auto content = ReadWholeFile(tablePath, MaxTableFileBytes);
    if (!content)
        return Fail(io, content.failure());
    // A dry run writes nothing, not even a recovery's bytes: it only reports one.
    auto image = OpenImageToWrite(io, imagePath, dryRun, !parser.isSet(noBackupOption));
    if (!image)
        return ExitInvalidInput;
    const TableInput input = ReadTableInput(*content);
    ImportPlan plan;
    if (input.table) {
        auto planned = PlanImport(*image, input.table, input.rows, options, KnownTables());
        if (!planned)
            return Fail(io, PlanFailedText(planned.failure()));
        plan = *std::move(planned);
    }
    const QString fileName = QDir::toNativeSeparators(tablePath);
    for (const InputError& note : plan.notes)
        io.out << InputErrorText(fileName, note) << '\n';
    const QList<InputError> errors = input.errors + plan.errors;
    for (const InputError& e : errors)
        io.err << InputErrorText(fileName, e) << '\n';
    if (!errors.isEmpty() || !input.table)
        return Fail(io, NothingWrittenText(imagePath));
    if (!dryRun) {
        if (const Outcome written = ApplyTransaction(*image, plan.writes); written.failed())
            return FailedWrite(io, *image, written);
    }
    for (const QString& change : plan.changes)
        io.out << change << '\n';
    io.out << (plan.entries == 0 ? NothingToImportText()
                                 : ImportedText(plan.entries, plan.fields, plan.bytes, dryRun))
           << Qt::endl;
    return ExitSuccess;
}

int DiffCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli diff IMAGE_A IMAGE_B\n\n"
        "Lists the fields that differ, entry by entry, in both tables, then counts the bytes that\n"
        "differ inside the tables and outside them.\n\n"
        "Exit codes: 0 compared; 1 an image cannot be read; 2 usage error.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString pathA = parser.positionalArguments().at(0);
    const QString pathB = parser.positionalArguments().at(1);
    // Opened first, so that the bytes compared are those a recovery left.
    auto imageA = OpenImage(io, pathA);
    auto imageB = imageA ? OpenImage(io, pathB) : nullptr;
    if (!imageB)
        return ExitInvalidInput;
    const auto bytesA = ReadWholeFile(pathA);
    if (!bytesA)
        return Fail(io, bytesA.failure());
    const auto bytesB = ReadWholeFile(pathB);
    if (!bytesB)
        return Fail(io, bytesB.failure());
    // Compared as read whole, so that no failure of either file can stop the listing half-way.
    const QStringList lines =
        TableDifferences(*ImageOfBytes(*bytesA), *ImageOfBytes(*bytesB), KnownTables());
    for (const QString& line : lines)
        io.out << line << '\n';
    if (lines.isEmpty())
        io.out << SameTablesText() << '\n';
    const ChangedBytes counts = CountChangedBytes(*bytesA, *bytesB, KnownTables());
    io.out << ChangedBytesText(counts.inside, counts.outside) << Qt::endl;
    return ExitSuccess;
}
