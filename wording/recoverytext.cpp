#include "wording/recoverytext.h"

#include "tables/historyview.h"
#include "tables/transaction.h"
#include "wording/phrases.h"
#include "wording/translation.h"
#include "wording/wording.h"

namespace {

// A cut-short save's sentence, `text`, given the save's time as %1, its record as %2, its
// entries as %3 and `more` after them, all in one pass: an entry's name may hold "%4".
QString cutShortSave(const QString& text, const Recovery& r, const QStringList& entries,
                     const QStringList& more = {}) {
    const QString time = RecordTime(r.record);
    const QString record = QString::number(r.record.number);
    const QString listed = entries.isEmpty() ? Wording::tr("no entry") : JoinedText(entries);
    if (more.isEmpty())
        return text.arg(time, record, listed);
    if (more.size() == 1)
        return text.arg(time, record, listed, more[0]);
    return text.arg(time, record, listed, more[0], more[1]);
}

// Why a pending record is left as it is, and what puts it right.
QString heldText(const Recovery& r) {
    switch (r.held) {
    case RecoveryHeld::NotAsked:
        return Wording::tr("this command only reads the image; any command that writes it, or "
                           "the editor, puts it right");
    case RecoveryHeld::ReadOnly:
        return Wording::tr("the image can only be read; open it where it can be written to put "
                           "it right");
    case RecoveryHeld::Locked:
        return Wording::tr("another Tolvane program kept writing to the image for more than %1 "
                           "seconds; once it is done, open the image again")
            .arg(WriterWaitMs / 1000);
    case RecoveryHeld::Failed:
        return Wording::tr("%1; once that is mended, open the image again to put it right")
            .arg(RecoveryProblemText(r.fault));
    }
    return {};
}

// What a recovery's entries are called in its sentence: their list, or the image.
QString recoveredParts(const QStringList& entries) {
    return entries.isEmpty() ? Wording::tr("the image") : ListedText(entries);
}

} // namespace

QString RecoveryText(const RecoveredEntries& names, const Recovery& r) {
    const QStringList& entries = names.all;
    switch (r.action) {
    case RecoveryAction::Finished:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short after its "
                                        "last write: it stands whole, as saved."),
                            r, entries);
    case RecoveryAction::NeverWritten:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short before its "
                                        "first write: the image is as it was before it."),
                            r, entries);
    case RecoveryAction::RolledBack:
        return cutShortSave(entries.size() == 1
                                ? Wording::tr("The save of %1 (record %2: %3) was cut short "
                                              "halfway: the bytes it had written were put back, "
                                              "so %4 is as it was before it.")
                                : Wording::tr("The save of %1 (record %2: %3) was cut short "
                                              "halfway: the bytes it had written were put back, "
                                              "so %4 are as they were before it."),
                            r, entries, {recoveredParts(entries)});
    case RecoveryAction::Left:
        return cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short, and the "
                                        "image now holds other bytes there, or the record "
                                        "reaches past its end: another program changed it, or "
                                        "the history belongs to another image. Nothing was "
                                        "written."),
                            r, entries);
    case RecoveryAction::Reported:
        return cutShortSave(r.torn ? Wording::tr("The save of %1 (record %2: %3) was cut short "
                                                 "halfway. It is left as it is: %4.")
                                   : Wording::tr("The save of %1 (record %2: %3) was cut short. It "
                                                 "is left as it is: %4."),
                            r, entries, {heldText(r)});
    case RecoveryAction::None:
        break;
    }
    return {};
}

QString TornImageText(const RecoveredEntries& names, const Recovery& r) {
    const QStringList& entries = names.all;
    // Only the entries that hold some of the save's bytes and some of their old ones are torn;
    // the others read wholly as before it or as saved, and are said to.
    QStringList saved = names.saved, before = names.before, mixed;
    for (const QString& entry : std::as_const(saved))
        if (before.contains(entry))
            mixed << entry;
    for (const QString& entry : std::as_const(mixed)) {
        saved.removeAll(entry);
        before.removeAll(entry);
    }
    QString text =
        mixed.isEmpty()
            ? cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short halfway, "
                                       "and it cannot be put right now: %4. Until it is, the "
                                       "image holds only part of it, so the tables are not "
                                       "read."),
                           r, entries, {heldText(r)})
            : cutShortSave(Wording::tr("The save of %1 (record %2: %3) was cut short halfway, "
                                       "and it cannot be put right now: %4. Until it is, %5 "
                                       "would read neither as before the save nor as saved, so "
                                       "the tables are not read."),
                           r, entries, {heldText(r), ListedText(mixed)});
    if (!before.isEmpty())
        text += QLatin1Char(' ') + Wording::tr("As before the save: %1.").arg(JoinedText(before));
    if (!saved.isEmpty())
        text += QLatin1Char(' ') + Wording::tr("As saved: %1.").arg(JoinedText(saved));
    return text;
}
