#include "wording/undotext.h"

#include "wording/phrases.h"
#include "wording/translation.h"

namespace {

// The parts an undo finds changed since: "the hp and the speed of enemy 12, and item 3".
QString overwrittenParts(const Outcome& o) {
    QStringList parts;
    for (qsizetype k = 0; k < o.landed.size();) {
        const QString& entry = o.landed[k].entry;
        QStringList fields;
        for (; k < o.landed.size() && o.landed[k].entry == entry; ++k)
            if (!o.landed[k].field.isEmpty())
                fields << Wording::tr("the %1", "a field of an entry").arg(o.landed[k].field);
        parts << (fields.isEmpty() ? entry
                                   : Wording::tr("%1 of %2").arg(ListedText(fields), entry));
    }
    return ListedText(parts);
}

} // namespace

QString UndoRefusedBecause(const Outcome& o, const QString& why) {
    return NothingWrittenAfter(Wording::tr("cannot undo in %1: %2").arg(NativePath(o.file), why));
}

QString UndoFaultText(const Outcome& o) {
    switch (o.fault.in<UndoFault>()) {
    case UndoFault::Overwritten:
        return UndoRefusedBecause(
            o, (o.landed.size() == 1
                    ? Wording::tr("%1 no longer holds what record %2 wrote: a later save or "
                                  "another program changed it")
                    : Wording::tr("%1 no longer hold what record %2 wrote: a later save or "
                                  "another program changed them"))
                   .arg(overwrittenParts(o))
                   .arg(o.record));
    case UndoFault::NoSuchRecord:
        return UndoRefusedBecause(
            o, o.record == 0 ? Wording::tr("its history holds no save left to undo")
                             : Wording::tr("its history has no record %1").arg(o.record));
    case UndoFault::RecordNotDone:
        return UndoRefusedBecause(
            o, Wording::tr("record %1 never went in whole, so there is nothing of it to undo")
                   .arg(o.record));
    case UndoFault::RecordTakenBack:
        return UndoRefusedBecause(o, Wording::tr("save %1 no longer stands: undo %2 took it back")
                                         .arg(o.record)
                                         .arg(o.undoneBy));
    }
    return {};
}
