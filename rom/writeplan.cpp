#include "rom/writeplan.h"

#include "rom/modstuff.h"

#include <QDir>
#include <QStringList>

QString CannotSave(const QString& entry, const QString& cause, const QString& file,
                   const QString& after) {
    const QString where = file.isEmpty() ? entry + QStringLiteral(": ")
                                         : QStringLiteral("%1 to %2:\n").arg(entry, file);
    return QStringLiteral("Cannot save ") + where + cause +
           QStringLiteral(". Nothing was written") + after;
}

QString CannotSave(const QString& entry, const RomError& error) {
    return QStringLiteral("Cannot save %1: %2\nNothing was written.").arg(entry, error.message());
}

std::optional<QString> CheckEntryWritable(RomImage& rom, const QString& entry, qint32 base,
                                          int size) {
    const QString file = QDir::toNativeSeparators(rom.path());
    if (rom.isReadOnly())
        return CannotSave(entry, QStringLiteral("the file is open for reading only"), file);
    switch (rom.pathState()) {
    case RomImage::PathState::Replaced:
        return CannotSave(entry,
                          QStringLiteral("the image was replaced on disk by another program after "
                                         "this entry was shown"),
                          file);
    case RomImage::PathState::Gone:
        return CannotSave(entry,
                          QStringLiteral("the image was deleted or moved away after it was opened"),
                          file, QStringLiteral(", and no file was made in its place."));
    case RomImage::PathState::Same:
        break;
    }
    qint64 length = 0;
    try {
        length = rom.size();
    } catch (const RomError& e) {
        return CannotSave(entry, e);
    }
    if (qint64(base) + size > length)
        return CannotSave(
            entry,
            QStringLiteral("the entry lies at offsets %1 to %2, but the file is only "
                           "%3 bytes long")
                .arg(HexOffset(base), HexOffset(qint64(base) + size - 1), QString::number(length)),
            file);
    return std::nullopt;
}

std::optional<QString> ExecutePlan(RomImage& rom, const WritePlan& plan) {
    if (auto refused = CheckEntryWritable(rom, plan.entry, plan.base, plan.size))
        return refused;
    const QString file = QDir::toNativeSeparators(rom.path());
    try {
        if (!plan.shown.isEmpty()) {
            rom.refresh();
            if (rom.bytes(plan.base, plan.size) != plan.shown)
                return CannotSave(
                    plan.entry,
                    QStringLiteral("another program changed %1 in the file after it was shown")
                        .arg(plan.entry),
                    file,
                    QStringLiteral("; %1 is shown again as the file now holds it.")
                        .arg(plan.entry));
        }
        rom.ensureBackup();
    } catch (const RomError& e) {
        return CannotSave(plan.entry, e);
    }
    for (size_t k = 0; k < plan.writes.size(); ++k) {
        const PlannedWrite& w = plan.writes[k];
        // A failure can fall inside a field: between the two bytes of a word, or between the two
        // writes of a 10-bit value. The message then says that part of it is in the file.
        bool partly = k > 0 && plan.writes[k - 1].field == w.field;
        try {
            if (w.width == 2 && w.value >= 0 && w.value <= 0xFFFF) {
                // Byte by byte, low byte first as WriteWord writes them.
                modStuff::WriteByte(rom, w.offset, quint8(w.value & 0xFF));
                partly = true;
                modStuff::WriteByte(rom, w.offset + 1, quint8(w.value >> 8));
            } else if (w.width == 2) {
                modStuff::WriteWord(rom, w.offset, w.value); // refuses the value, writes nothing
            } else {
                modStuff::WriteByte(rom, w.offset, quint8(w.value));
            }
        } catch (const RomError& e) {
            QStringList written, pending;
            for (size_t j = 0; j < plan.writes.size(); ++j) {
                const QString& field = plan.writes[j].field;
                QStringList& list = j < k ? written : pending;
                if (field != w.field && !list.contains(field))
                    list << field;
            }
            if (partly)
                written << QStringLiteral("part of ") + w.field;
            pending.prepend(partly ? QStringLiteral("rest of ") + w.field : w.field);
            const QString done = written.isEmpty()
                                     ? QStringLiteral("Nothing was written.")
                                     : QStringLiteral("Already written, and kept in the file: %1.")
                                           .arg(written.join(QStringLiteral(", ")));
            return QStringLiteral("Saving %1 stopped at the %2.\n%3\n%4\nNot written: %5.")
                .arg(plan.entry, w.field, e.message(), done, pending.join(QStringLiteral(", ")));
        }
    }
    try {
        rom.sync();
    } catch (const RomError& e) {
        return QStringLiteral("Saving %1: every field was written, but %2")
            .arg(plan.entry, e.message());
    }
    return std::nullopt;
}
