#include "tables/transaction.h"

#include "rom/modstuff.h"

#include <QStringList>

#include <algorithm>

namespace {

// Holds the writers' lock while a transaction runs. Where the file system keeps no locks, the
// transaction goes ahead without one, as every write did before there was a lock.
class WriterLock {
public:
    explicit WriterLock(RomImage& rom) : m_rom(rom), m_error(rom.lockForWriting(WriterWaitMs)) {}
    ~WriterLock() {
        if (m_error == 0)
            m_rom.unlockForWriting();
    }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;
    bool heldByAnother() const { return m_error == LockHeld; }

private:
    RomImage& m_rom;
    int m_error;
};

// A byte written, and what stood there before.
struct Done {
    size_t part;
    size_t write;
    quint8 old;
};

Outcome entryFault(Fault fault, const QString& entry, const RomImage& rom) {
    Outcome o;
    o.fault = fault;
    o.entry = entry;
    o.file = rom.path();
    return o;
}

Outcome withEntry(Outcome o, const QString& entry, bool name = false) {
    o.entry = entry;
    o.name = name;
    return o;
}

// Puts the old bytes back, newest first, and syncs: whether all of it went through.
bool rollBack(RomImage& rom, const std::vector<Done>& done, const Transaction& t) {
    try {
        for (auto d = done.rbegin(); d != done.rend(); ++d)
            modStuff::WriteByte(rom, qint32(t.parts[d->part].writes[d->write].offset), d->old);
        rom.sync();
        return true;
    } catch (const RomError&) {
        return false;
    }
}

// The failure once the old bytes could not all go back: how many bytes of each field (of a lone
// part) or of each part hold the new values, as the file now reads.
Outcome whatStands(RomImage& rom, const Transaction& t, const std::vector<Done>& done,
                   Outcome failure) {
    rom.refresh();
    const bool byField = t.parts.size() == 1;
    for (size_t p = 0; p < t.parts.size(); ++p) {
        const WritePart& part = t.parts[p];
        for (size_t w = 0; w < part.writes.size(); ++w) {
            const ByteWrite& write = part.writes[w];
            const QString field = byField ? write.field : QString();
            if (failure.landed.isEmpty() || failure.landed.back().entry != part.entry ||
                failure.landed.back().field != field)
                failure.landed << Landed{part.entry, field, part.name, 0, 0};
            Landed& landed = failure.landed.back();
            landed.of += 1;
            const auto before = std::find_if(done.begin(), done.end(), [&](const Done& d) {
                return d.part == p && d.write == w;
            });
            if (before == done.end())
                continue;
            try {
                landed.bytes += rom.readByte(write.offset) != before->old ? 1 : 0;
            } catch (const RomError&) {
                landed.bytes += 1; // unreadable: it may well have landed
            }
        }
    }
    return failure;
}

} // namespace

bool Transaction::empty() const {
    for (const WritePart& p : parts)
        if (!p.writes.empty())
            return false;
    return true;
}

Outcome CheckEntryWritable(RomImage& rom, const QString& entry, qint64 base, int size) {
    if (rom.isReadOnly())
        return entryFault(Fault::ReadOnly, entry, rom);
    switch (rom.pathState()) {
    case RomImage::PathState::Replaced:
        return entryFault(Fault::Replaced, entry, rom);
    case RomImage::PathState::Gone:
        return entryFault(Fault::Gone, entry, rom);
    case RomImage::PathState::Same:
        break;
    }
    qint64 length = 0;
    try {
        length = rom.size();
    } catch (const RomError& e) {
        return withEntry(e.outcome(), entry);
    }
    if (base + size > length) {
        Outcome o = entryFault(Fault::ShortFile, entry, rom);
        o.first = base;
        o.last = base + size - 1;
        o.length = length;
        return o;
    }
    return {};
}

Outcome ApplyTransaction(RomImage& rom, const Transaction& t) {
    if (t.empty())
        return {};
    for (const WritePart& part : t.parts)
        if (!part.writes.empty())
            if (Outcome refused =
                    CheckEntryWritable(rom, part.entry, part.base, int(part.expected.size()));
                refused.failed())
                return withEntry(refused, part.entry, part.name);
    const QString first = t.parts.front().entry;
    const bool firstIsName = t.parts.front().name;
    const WriterLock lock(rom);
    if (lock.heldByAnother())
        return withEntry(entryFault(Fault::Locked, first, rom), first, firstIsName);
    try {
        // What the file holds now, after any other writer of ours.
        rom.refresh();
        Outcome changed = entryFault(Fault::ChangedOnDisk, first, rom);
        for (const WritePart& part : t.parts)
            if (!part.expected.isEmpty() &&
                rom.bytes(part.base, part.expected.size()) != part.expected)
                changed.landed << Landed{part.entry, {}, part.name, 0, 0};
        if (!changed.landed.isEmpty()) {
            changed.entry = changed.landed.front().entry;
            changed.name = changed.landed.front().name;
            return changed;
        }
        rom.ensureBackup();
    } catch (const RomError& e) {
        return withEntry(e.outcome(), first, firstIsName);
    }

    std::vector<Done> done;
    for (size_t p = 0; p < t.parts.size(); ++p) {
        const WritePart& part = t.parts[p];
        for (size_t w = 0; w < part.writes.size(); ++w) {
            const ByteWrite& write = part.writes[w];
            try {
                const quint8 old = rom.readByte(write.offset);
                modStuff::WriteByte(rom, qint32(write.offset), write.value);
                done.push_back({p, w, old});
            } catch (const RomError& e) {
                Outcome failure = withEntry(e.outcome(), part.entry, part.name);
                if (rollBack(rom, done, t))
                    return failure;
                Outcome o = entryFault(Fault::WrittenInPart, part.entry, rom);
                o.name = part.name;
                o.field = write.field;
                o.cause << failure;
                return whatStands(rom, t, done, o);
            }
        }
    }
    try {
        rom.sync();
    } catch (const RomError& e) {
        const Outcome failure = withEntry(e.outcome(), first, firstIsName);
        if (rollBack(rom, done, t))
            return failure;
        Outcome o = entryFault(Fault::NotSynced, first, rom);
        o.cause << failure;
        return o;
    }
    return {};
}
