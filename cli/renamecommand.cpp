#include "cli/commands.h"
#include "cli/knowntables.h"
#include "tables/heldimage.h"
#include "tables/importnames.h"
#include "wording/clitext.h"
#include "wording/translation.h"
#include "wording/wording.h"

#include <utility>

namespace {

QString help() {
    return CliHelp::tr(
        "Usage: tolvane-cli rename IMAGE --item N|--enemy N TEXT [--shared] [--dry-run] "
        "[--no-backup]\n\n"
        "Writes TEXT as the name of one entry, in place, where its name pointer leads. Each "
        "character\n"
        "is stored as its code + 0x80, so only codes 0x00 to 0x7F can be written. The new name "
        "may\n"
        "not be longer than the old one; a shorter one is ended by the byte that ended the old "
        "name,\n"
        "and the old bytes behind it stay as they are. Only the bytes that differ are written, "
        "and\n"
        "none into the item or the enemy table.\n\n"
        "Other entries may read the same text or part of it. They are listed first, and the "
        "rename\n"
        "is refused unless --shared is given. Before the first write, IMAGE is copied to "
        "IMAGE.bak\n"
        "beside it, over any older one.\n\n"
        "  --item N     the item to rename (0 to 113)\n"
        "  --enemy N    the enemy to rename (0 to 120)\n"
        "  --shared     also change the names of the entries that share the text\n"
        "  --dry-run    check and report, write nothing\n"
        "  --no-backup  make no IMAGE.bak\n\n"
        "Exit codes: 0 written, or nothing to write; 1 nothing written; 2 usage error; 3 written "
        "in\n"
        "part: a write failed and the bytes already written could not all be put back; the backup\n"
        "IMAGE.bak (unless --no-backup) holds the image as it was.\n");
}

// The entry named by --item or --enemy, or the usage error.
Result<std::pair<Table, int>> entryOf(const QCommandLineParser& parser,
                                      const QCommandLineOption& item,
                                      const QCommandLineOption& enemy) {
    if (parser.isSet(item) == parser.isSet(enemy))
        return Outcome{.fault = UsageFault::NoEntryOption};
    const Table table = parser.isSet(item) ? &ItemFormat : &EnemyFormat;
    const QString text = parser.value(parser.isSet(item) ? item : enemy);
    bool ok = false;
    const int index = text.toInt(&ok);
    if (!ok || index < 0 || index >= EntryCount(table))
        return Outcome{.fault = UsageFault::EntryOption,
                       .text = text,
                       .upper = EntryCount(table) - 1,
                       .option = parser.isSet(item) ? QStringLiteral("--item")
                                                    : QStringLiteral("--enemy")};
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
    if (auto exit = ParseCommand(parser, arguments, 2, help(), io))
        return *exit;
    const auto chosen = entryOf(parser, itemOption, enemyOption);
    if (!chosen)
        return UsageError(io, chosen.failure());
    const auto [table, index] = *chosen;
    const QString entry = EntryLabel(table, index);
    const QString path = parser.positionalArguments().at(0);
    const QString text = parser.positionalArguments().at(1);
    const bool dryRun = parser.isSet(dryRunOption);

    auto image = OpenImageToWrite(io, path, dryRun, !parser.isSet(noBackupOption));
    if (!image)
        return ExitInvalidInput;
    // Planned against the image as read whole; the transaction writes only while the file still
    // holds the bytes the plan was made from.
    const auto held = HoldImage(*image);
    if (!held)
        return Fail(io, PlanFailedText(held.failure()));
    RenamePlan plan;
    if (const Outcome refused = PlanEntryRename(**held, KnownTables(), table, index, text, &plan);
        refused.failed())
        return Fail(io, RenameRefusedText(entry, path, ImageErrorText(refused)));

    // The change and every entry that shares its text; on the standard output only once the
    // rename goes ahead, and with a refusal on the error stream.
    QString lines = RenameLine(entry, plan.before, plan.after) + QLatin1Char('\n');
    QStringList showing{entry};
    for (const SharedName& s : plan.shared) {
        lines += SharedTextLine(s.entry, s.before, s.after) + QLatin1Char('\n');
        if (s.after == plan.after)
            showing << s.entry;
    }
    if (!plan.shared.isEmpty() && !parser.isSet(sharedOption)) {
        Fail(io, SharedRefusedText(entry, path, plan.shared.size()));
        io.err << lines << Qt::flush;
        return ExitInvalidInput;
    }
    if (!dryRun && !plan.changes.empty()) {
        Transaction writes{.parts = {RenameWrites(plan)}, .madeBy = MadeBy::Rename};
        if (const Outcome written = ApplyTransaction(*image, writes); written.failed())
            return FailedWrite(io, *image, written);
    }
    io.out << lines;

    io.out << RenamedText(showing, plan.after, qint64(plan.changes.size()), dryRun) << Qt::endl;
    return ExitSuccess;
}
