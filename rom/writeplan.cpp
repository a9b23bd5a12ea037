#include "rom/writeplan.h"

#include "rom/modstuff.h"

#include <QDir>
#include <QStringList>

std::optional<QString> CheckEntryWritable(RomImage& rom, const QString& entry, qint32 base,
                                          int size) {
    const QString file = QDir::toNativeSeparators(rom.path());
    if (rom.isReadOnly())
        return QStringLiteral("Cannot save %1 to %2:\nthe file is open for reading only. "
                              "Nothing was written.")
            .arg(entry, file);
    qint64 length = 0;
    try {
        length = rom.size();
    } catch (const RomError& e) {
        return QStringLiteral("Cannot save %1: %2\nNothing was written.").arg(entry, e.message());
    }
    if (qint64(base) + size > length)
        return QStringLiteral("Cannot save %1 to %2:\nthe entry lies at offsets %3 to %4, but the "
                              "file is only %5 bytes long. Nothing was written.")
            .arg(entry, file, HexOffset(base), HexOffset(qint64(base) + size - 1))
            .arg(length);
    return std::nullopt;
}

std::optional<QString> ExecutePlan(RomImage& rom, const WritePlan& plan) {
    if (auto refused = CheckEntryWritable(rom, plan.entry, plan.base, plan.size))
        return refused;
    QStringList written;
    for (const PlannedWrite& w : plan.writes) {
        try {
            if (w.width == 2)
                modStuff::WriteWord(rom, w.offset, w.value);
            else
                modStuff::WriteByte(rom, w.offset, quint8(w.value));
        } catch (const RomError& e) {
            QStringList pending;
            for (auto it = plan.writes.begin() + written.size(); it != plan.writes.end(); ++it)
                if (!pending.contains(it->field))
                    pending << it->field;
            written.removeDuplicates();
            const QString done = written.isEmpty()
                                     ? QStringLiteral("Nothing was written.")
                                     : QStringLiteral("Already written, and kept in the file: %1.")
                                           .arg(written.join(QStringLiteral(", ")));
            return QStringLiteral("Saving %1 stopped at the %2.\n%3\n%4\nNot written: %5.")
                .arg(plan.entry, w.field, e.message(), done, pending.join(QStringLiteral(", ")));
        }
        written << w.field;
    }
    try {
        rom.sync();
    } catch (const RomError& e) {
        return QStringLiteral("Saving %1: every field was written, but %2")
            .arg(plan.entry, e.message());
    }
    return std::nullopt;
}
