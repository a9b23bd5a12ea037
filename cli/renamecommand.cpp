#include "cli/commands.h"
#include "cli/knowntables.h"
#include "tables/importnames.h"
#include "wording/wording.h"

#include <QDir>

#include <utility>

namespace {

const char* const Help =
    "Usage: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] "
    "[--no-backup]\n\n"
    "Writes TEXT as the name of one entry, in place, where its name pointer leads. Each character\n"
    "is stored as its code + 0x80, so only codes 0x00 to 0x7F can be written. The new name may\n"
    "not be longer than the old one; a shorter one is ended by the byte that ended the old name,\n"
    "and the old bytes behind it stay as they are. Only the bytes that differ are written, and\n"
    "none into the item or the enemy table.\n\n"
    "Other entries may read the same text or part of it. They are listed first, and the rename\n"
    "is refused unless --shared is given. Before the first write, IMAGE is copied to IMAGE.bak\n"
    "beside it, over any older one.\n\n"
    "  --item N     the item to rename (0 to 113)\n"
    "  --enemy N    the enemy to rename (0 to 120)\n"
    "  --shared     also change the names of the entries that share the text\n"
    "  --dry-run    check and report, write nothing\n"
    "  --no-backup  make no IMAGE.bak\n\n"
    "Exit codes: 0 written, or nothing to write; 1 nothing written; 2 usage error; 3 written in\n"
    "part: a write failed and the bytes already written could not all be put back; the backup\n"
    "IMAGE.bak (unless --no-backup) holds the image as it was.\n";

// The entry named by --item or --enemy, or the usage error.
std::optional<std::pair<Table, int>> entryOf(const QCommandLineParser& parser,
                                             const QCommandLineOption& item,
                                             const QCommandLineOption& enemy, QString* error) {
    if (parser.isSet(item) == parser.isSet(enemy)) {
        *error = QStringLiteral("give one entry: --item N or --enemy N");
        return std::nullopt;
    }
    const Table table = parser.isSet(item) ? &ItemFormat : &EnemyFormat;
    const QString text = parser.value(parser.isSet(item) ? item : enemy);
    bool ok = false;
    const int index = text.toInt(&ok);
    if (!ok || index < 0 || index >= EntryCount(table)) {
        *error = QStringLiteral("--%1 takes a whole number from 0 to %2, not \"%3\"")
                     .arg(parser.isSet(item) ? QStringLiteral("item") : QStringLiteral("enemy"),
                          QString::number(EntryCount(table) - 1), text);
        return std::nullopt;
    }
    return std::pair{table, index};
}

} // namespace

int RenameCommand(const QStringList& arguments, Io& io) {
    QCommandLineParser parser;
    const QCommandLineOption itemOption(QStringLiteral("item"), QString(), QStringLiteral("N"));
    const QCommandLineOption enemyOption(QStringLiteral("enemy"), QString(), QStringLiteral("N"));
    const QCommandLineOption sharedOption(QStringLiteral("shared"));
    const QCommandLineOption dryRunOption(QStringLiteral("dry-run"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    parser.addOptions({itemOption, enemyOption, sharedOption, dryRunOption, noBackupOption});
    if (auto exit = ParseCommand(parser, arguments, 2, QLatin1String(Help), io))
        return *exit;
    QString usage;
    const auto chosen = entryOf(parser, itemOption, enemyOption, &usage);
    if (!chosen)
        return UsageError(io, usage);
    const auto [table, index] = *chosen;
    const QString entry = EntryLabel(table, index);
    const QString path = parser.positionalArguments().at(0);
    const QString text = parser.positionalArguments().at(1);
    const bool dryRun = parser.isSet(dryRunOption);

    auto image = OpenImage(io, path, !dryRun);
    if (!image)
        return ExitInvalidInput;
    if (!parser.isSet(noBackupOption))
        image->enableBackup();
    const auto refuse = [&](const QString& reason) {
        return Fail(io, RenameRefusedText(entry, path, reason));
    };
    RenamePlan plan;
    try {
        if (const Outcome refused =
                PlanEntryRename(*image, KnownTables(), table, index, text, &plan);
            refused.failed())
            return refuse(RenameText(refused));
    } catch (const RomError& e) {
        return Fail(io, PlanFailedText(e));
    }

    // The change and every entry that shares its text; on the standard output only once the
    // rename goes ahead, and with a refusal on the error stream.
    QString lines = QStringLiteral("%1: \"%2\" -> \"%3\"\n").arg(entry, plan.before, plan.after);
    QStringList showing{entry};
    for (const SharedName& s : plan.shared) {
        lines += QStringLiteral("  shares the text: %1 \"%2\" -> \"%3\"\n")
                     .arg(s.entry, s.before, s.after);
        if (s.after == plan.after)
            showing << s.entry;
    }
    if (!plan.shared.isEmpty() && !parser.isSet(sharedOption)) {
        refuse(QStringLiteral("its name text is shared with %1 listed below; give --shared to "
                              "change them too")
                   .arg(CountText(plan.shared.size(), QStringLiteral("other entry"),
                                  QStringLiteral("other entries"))));
        io.err << lines << Qt::flush;
        return ExitInvalidInput;
    }
    if (!dryRun && !plan.changes.empty()) {
        Transaction writes{.parts = {RenameWrites(plan)}, .madeBy = MadeBy::Rename};
        if (const Outcome written = ApplyTransaction(*image, writes); written.failed())
            return FailedWrite(io, *image, written);
    }
    io.out << lines;

    // One arg() call for all: the name may itself hold "%1".
    const qsizetype bytes = qsizetype(plan.changes.size());
    io.out << QStringLiteral("%1 %2 \"%3\"; %4 %5.")
                  .arg(showing.join(QStringLiteral(", ")),
                       dryRun                ? QStringLiteral("would show")
                       : showing.size() == 1 ? QStringLiteral("now shows")
                                             : QStringLiteral("now show"),
                       plan.after,
                       QString::number(bytes) +
                           (bytes == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes")),
                       dryRun ? QStringLiteral("would change ") + DryRunText()
                              : QStringLiteral("changed"))
           << Qt::endl;
    return ExitSuccess;
}
