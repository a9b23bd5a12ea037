#include "wording/clitext.h"

#include "rom/names.h"
#include "wording/comparetext.h"
#include "wording/phrases.h"
#include "wording/translation.h"
#include "wording/wording.h"

namespace {

QString bytesText(qint64 count) {
    return CliWording::tr("%n byte(s)", nullptr, int(count));
}

// "done", "rolled back" or "pending", as the line of a record shows what became of it.
QString madeByText(const HistoryRecord& r, const RecordStatus& status) {
    const QString name = MadeByName(r.madeBy);
    const QString made =
        r.madeBy == MadeBy::Undo ? CliWording::tr("%1 of %2").arg(name).arg(r.undoes) : name;
    switch (r.state) {
    case HistoryState::Left:
        return CliWording::tr("%1 (pending: the image held other bytes)").arg(made);
    case HistoryState::RolledBack:
        return CliWording::tr("%1 (rolled back)").arg(made);
    case HistoryState::Pending:
        return CliWording::tr("%1 (pending)").arg(made);
    case HistoryState::Done:
        break;
    }
    return status.undoneBy != 0 ? CliWording::tr("%1 (undone by %2)").arg(made).arg(status.undoneBy)
                                : made;
}

} // namespace

QString UsageErrorText(const Outcome& o) {
    return CliWording::tr("%1\nRun 'tolvane-cli --help' for usage.").arg(ImageErrorText(o));
}

QString AboutFileText(const QString& file, const QString& message) {
    return QStringLiteral("%1: %2").arg(NativePath(file), message);
}

QStringList HistoryLines(const HistoryRecord& record, const RecordStatus& status,
                         const QStringList& changes) {
    const QString head =
        QStringLiteral("%1  %2  %3")
            .arg(QString::number(record.number), RecordTime(record), madeByText(record, status));
    if (changes.isEmpty())
        return {CliWording::tr("%1  (no changes)").arg(head)};
    QStringList lines;
    for (const QString& change : changes)
        lines << QStringLiteral("%1  %2").arg(head, change);
    return lines;
}

QString NoSavesText() {
    return CliWording::tr("No saves are recorded.");
}

QString UndoneText(quint32 record, qint64 bytes, bool dryRun) {
    if (dryRun)
        return CliWording::tr("Save %1 would be undone; %2 would be written %3.")
            .arg(QString::number(record), bytesText(bytes), DryRunText());
    return CliWording::tr("Save %1 undone; %2 written.")
        .arg(QString::number(record), bytesText(bytes));
}

QString ImportedText(qint64 entries, qint64 fields, qint64 bytes, bool dryRun) {
    const QString entriesText = CliWording::tr("%n entry(s)", nullptr, int(entries));
    const QString fieldsText = CliWording::tr("%n field(s)", nullptr, int(fields));
    if (dryRun)
        return CliWording::tr("%1, %2 changed; %3 would be written %4.")
            .arg(entriesText, fieldsText, bytesText(bytes), DryRunText());
    return CliWording::tr("%1, %2 changed; %3 written.")
        .arg(entriesText, fieldsText, bytesText(bytes));
}

QString NothingToImportText() {
    return CliWording::tr("No changes: the image already holds every row.");
}

QString SameTablesText() {
    return CliWording::tr("Every field of both tables is the same.");
}

QString ChangedBytesText(qint64 inside, qint64 outside) {
    return CliWording::tr("Changed bytes: %1 inside the tables, %2 outside them.")
        .arg(inside)
        .arg(outside);
}

QString RenameLine(const QString& entry, const QString& before, const QString& after) {
    // One arg() call for all: a name may itself hold "%1".
    return CliWording::tr("%1: \"%2\" -> \"%3\"")
        .arg(entry, TerminalName(before), TerminalName(after));
}

QString SharedTextLine(const QString& entry, const QString& before, const QString& after) {
    return CliWording::tr("  shares the text: %1 \"%2\" -> \"%3\"")
        .arg(entry, TerminalName(before), TerminalName(after));
}

QString SharedRefusedText(const QString& entry, const QString& file, qint64 others) {
    return RenameRefusedText(
        entry, file,
        CliWording::tr("its name text is shared with %n other entry(s) listed below; give --shared "
                       "to change them too",
                       nullptr, int(others)));
}

QString RenamedText(const QStringList& entries, const QString& after, qint64 bytes, bool dryRun) {
    const QString shown = entries.join(QStringLiteral(", "));
    if (dryRun)
        return CliWording::tr("%1 would show \"%2\"; %3 would change %4.")
            .arg(shown, TerminalName(after), bytesText(bytes), DryRunText());
    return (entries.size() == 1 ? CliWording::tr("%1 now shows \"%2\"; %3 changed.")
                                : CliWording::tr("%1 now show \"%2\"; %3 changed."))
        .arg(shown, TerminalName(after), bytesText(bytes));
}

QString SizeText(qint64 bytes) {
    return CliWording::tr("%1 bytes").arg(bytes);
}

QString RomSizeText(qint64 bytes, int bankKiB) {
    const qint64 bank = bankKiB * 1024;
    if (bytes % bank != 0)
        return SizeText(bytes);
    return CliWording::tr("%1 x %2 KiB (%3 bytes)").arg(bytes / bank).arg(bankKiB).arg(bytes);
}

QString DeclaredSizeText(qint64 declared, qint64 size) {
    if (declared == size)
        return CliWording::tr("%1 bytes, as the file holds").arg(declared);
    return (declared > size ? CliWording::tr("%1 bytes, %2 more than the file holds")
                            : CliWording::tr("%1 bytes, %2 fewer than the file holds"))
        .arg(declared)
        .arg(qAbs(declared - size));
}

QString TableFactsText(const TableFacts& facts) {
    return CliWording::tr("%1 of %2 entries inside the file, %3 name pointers into it, %4 "
                          "printable names")
        .arg(facts.entriesInside)
        .arg(facts.entries)
        .arg(facts.pointersInside)
        .arg(facts.printableNames);
}

QString LookRightText(const QString& whyNot) {
    return whyNot.isEmpty() ? CliWording::tr("yes") : CliWording::tr("no (%1)").arg(whyNot);
}

QString NoTableToExportText(const QString& file, Table table, const TableFacts& facts) {
    // The verdict is merge's and info's, so each command names the same fault in the same words.
    return CliWording::tr("%1 does not hold the tables as the editors read them (%2), so it has "
                          "no table to export. Nothing was written.")
        .arg(NativePath(file), TablesVerdictText({{table, facts}}));
}
