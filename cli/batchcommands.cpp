#include "batch/batchrun.h"
#include "cli/commands.h"
#include "cli/knowntables.h"
#include "tables/gridsnapshot.h"
#include "tables/heldimage.h"
#include "wording/batchtext.h"
#include "wording/changestext.h"
#include "wording/clitext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <set>

namespace {

// The largest script read: far past any script a person writes.
constexpr qint64 MaxScriptBytes = qint64(1) << 20;

// The tables a batch runs over, read once from the image, with the edits it makes.
struct BatchTables {
    Tables tables;
    std::vector<std::unique_ptr<GridSnapshot>> snapshots;
    std::vector<std::unique_ptr<GridEdits>> edits;

    std::vector<const GridEdits*> seen() const {
        std::vector<const GridEdits*> seen;
        for (const auto& e : edits)
            seen.push_back(e.get());
        return seen;
    }
};

Outcome readTables(RomImage& image, const Tables& tables, BatchTables* out) {
    out->tables = tables;
    for (const Table table : tables) {
        auto snapshot = ReadGridSnapshot(image, table, KnownTables());
        if (!snapshot)
            return snapshot.failure();
        out->snapshots.push_back(std::make_unique<GridSnapshot>(std::move(*snapshot)));
        out->edits.push_back(std::make_unique<GridEdits>(*out->snapshots.back()));
    }
    return {};
}

// Reports a run, and unless it failed or `dryRun` is set writes it as one transaction made by
// `madeBy`: the clamped values, the net changes as `changes` prints them, then one count line.
int finish(Io& io, RomImage& image, const QString& imagePath, BatchTables& tables,
           const BatchRun& run, MadeBy madeBy, bool dryRun) {
    if (run.error.failed()) {
        Fail(io, BatchErrorText(run.error));
        return Fail(io, NothingWrittenText(imagePath));
    }
    for (const ClampedValue& c : run.clamped)
        io.out << ClampedText(c) << '\n';
    std::vector<GridEdits*> edits;
    for (const auto& e : tables.edits)
        edits.push_back(e.get());
    TakeChanges(run, edits);
    Transaction t;
    t.madeBy = madeBy;
    for (const GridEdits* e : edits) {
        Transaction table = e->plan();
        for (WritePart& part : table.parts)
            t.parts.push_back(std::move(part));
    }
    // Nothing to write writes nothing: no backup, no history.
    if (t.empty()) {
        io.out << BatchChangesNothingText() << Qt::endl;
        return ExitSuccess;
    }
    const QByteArray& before = tables.snapshots.front()->image;
    QByteArray after = before;
    qint64 bytes = 0;
    for (const WritePart& part : t.parts)
        for (const ByteWrite& w : part.writes) {
            after[w.offset] = char(w.value);
            ++bytes;
        }
    if (!dryRun) {
        if (const Outcome written = ApplyTransaction(image, t); written.failed())
            return FailedWrite(io, image, written);
    }
    const auto beforeImage = ImageOfBytes(before);
    const auto afterImage = ImageOfBytes(after);
    for (const QString& line : NetChangeLines(NetChanges(*afterImage, *beforeImage, tables.tables)))
        io.out << line << '\n';
    std::set<std::pair<int, int>> entries;
    for (const BatchChange& c : run.changes)
        entries.insert({c.table, c.row});
    io.out << ImportedText(qint64(entries.size()), qint64(run.changes.size()), bytes, dryRun)
           << Qt::endl;
    return ExitSuccess;
}

BatchOptions optionsFor(Io& io, bool clamp) {
    BatchOptions options;
    options.clamp = clamp;
    options.print = [&io](const QString& line) { io.out << line << '\n'; };
    return options;
}

} // namespace

int EditCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption tableOption(QStringLiteral("table"), QString(),
                                         QStringLiteral("table"));
    const QCommandLineOption whereOption(QStringLiteral("where"), QString(),
                                         QStringLiteral("expression"));
    const QCommandLineOption setOption(QStringLiteral("set"), QString(),
                                       QStringLiteral("statements"));
    const QCommandLineOption clampOption(QStringLiteral("clamp"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    parser.addOptions(
        {tableOption, whereOption, setOption, clampOption, dryRunOption, noBackupOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli edit IMAGE --table items|enemies [--where EXPR] --set STATEMENTS\n"
        "                        [--clamp] [--dry-run] [--no-backup]\n\n"
        "Runs the Lua assignments STATEMENTS over every entry of the table for which the Lua\n"
        "expression EXPR holds (every entry without --where). Fields are named as export names\n"
        "its columns; flags are true or false; index and name can be read, not assigned:\n"
        "  tolvane-cli edit my.nes --table enemies --where \"hp < 100\" --set \"hp = hp * 3 // "
        "2\"\n"
        "A value that is not a whole number is rounded half to even. A value out of range, one\n"
        "that is no number, or a field that does not exist stops the batch, naming the entry,\n"
        "the field and the line: nothing is written. Otherwise the changes are written as one\n"
        "save, which one undo takes back, and listed as changes lists them.\n\n"
        "  --table items|enemies  the table\n"
        "  --where EXPR           the entries to change\n"
        "  --set STATEMENTS       the assignments, separated by ; or line ends\n"
        "  --clamp                pull a value out of range to its nearest bound, and list it\n"
        "  --dry-run              check and report the changes, write nothing\n"
        "  --no-backup            make no IMAGE.bak\n\n"
        "Exit codes: as for import.\n");
    if (auto exit = ParseCommand(parser, arguments, 1, help, io))
        return *exit;
    const Table table = TableNamed(KnownTables(), parser.value(tableOption));
    if (!table)
        return UsageError(io,
                          {.fault = UsageFault::TableOption, .text = parser.value(tableOption)});
    if (!parser.isSet(setOption)) {
        Fail(io, BatchNeedsSetText());
        return ExitUsage;
    }
    const QString path = parser.positionalArguments().first();
    const bool dryRun = parser.isSet(dryRunOption);
    auto image = OpenImageToWrite(io, path, dryRun, !parser.isSet(noBackupOption));
    if (!image)
        return ExitInvalidInput;
    BatchTables tables;
    if (const Outcome read = readTables(*image, {table}, &tables); read.failed())
        return Fail(io, read);
    std::vector<int> rows(size_t(table->count));
    for (int row = 0; row < table->count; ++row)
        rows[size_t(row)] = row;
    const BatchRun run =
        RunEdit(*tables.edits.front(), rows, parser.value(whereOption), parser.value(setOption),
                optionsFor(io, parser.isSet(clampOption)));
    return finish(io, *image, path, tables, run, MadeBy::Edit, dryRun);
}

int ScriptCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption clampOption(QStringLiteral("clamp"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    parser.addOptions({clampOption, dryRunOption, noBackupOption});
    const QString help = CliHelp::tr(
        "Usage: tolvane-cli script IMAGE FILE.lua [--clamp] [--dry-run] [--no-backup]\n\n"
        "Runs the Lua script FILE.lua over both tables of IMAGE: items and enemies, each indexed\n"
        "from 0 as the game numbers its entries, each entry with the fields edit names:\n"
        "  for i = 0, #enemies do enemies[i].experience = enemies[i].hp // 4 end\n"
        "print writes to the standard output. The script gets only the string, math, table and\n"
        "utf8 libraries and the safe base functions, and is stopped past an instruction budget\n"
        "or a memory cap. It is checked whole as edit checks its assignments, then written as\n"
        "one save, which one undo takes back, and its changes listed as changes lists them.\n\n"
        "  --clamp      pull a value out of range to its nearest bound, and list it\n"
        "  --dry-run    check and report the changes, write nothing\n"
        "  --no-backup  make no IMAGE.bak\n\n"
        "Exit codes: as for import.\n");
    if (auto exit = ParseCommand(parser, arguments, 2, help, io))
        return *exit;
    const QString path = parser.positionalArguments().at(0);
    const QString scriptPath = parser.positionalArguments().at(1);
    const auto script = ReadWholeFile(scriptPath, MaxScriptBytes);
    if (!script)
        return Fail(io, script.failure());
    const bool dryRun = parser.isSet(dryRunOption);
    auto image = OpenImageToWrite(io, path, dryRun, !parser.isSet(noBackupOption));
    if (!image)
        return ExitInvalidInput;
    BatchTables tables;
    if (const Outcome read = readTables(*image, KnownTables(), &tables); read.failed())
        return Fail(io, read);
    const BatchRun run =
        RunScript(tables.seen(), *script, scriptPath, optionsFor(io, parser.isSet(clampOption)));
    return finish(io, *image, path, tables, run, MadeBy::Script, dryRun);
}
