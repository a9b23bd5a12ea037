#include "tables/transaction.h"

#include "rom/modstuff.h"

#include <vector>

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

// The offsets of the transaction's writes, in the order they reach the file.
std::vector<qint64> offsetsOf(const Transaction& t) {
    std::vector<qint64> offsets;
    for (const WritePart& part : t.parts)
        for (const ByteWrite& write : part.writes)
            offsets.push_back(write.offset);
    return offsets;
}

// Puts back `olds`, the bytes that stood where the first writes of `t` went, newest first, and
// syncs: whether all of it went through.
bool rollBack(RomImage& rom, const Transaction& t, const std::vector<quint8>& olds) {
    const std::vector<qint64> offsets = offsetsOf(t);
    try {
        for (size_t k = olds.size(); k-- > 0;)
            modStuff::WriteByte(rom, qint32(offsets[k]), olds[k]);
        rom.sync();
        return true;
    } catch (const RomError&) {
        return false;
    }
}

// The failure once the old bytes could not all go back: how many bytes of each field (of a lone
// part) or of each part hold the new values, as the file now reads.
Outcome whatStands(RomImage& rom, const Transaction& t, const std::vector<quint8>& olds,
                   Outcome failure) {
    rom.refresh();
    const bool byField = t.parts.size() == 1;
    size_t k = 0;
    for (const WritePart& part : t.parts) {
        for (const ByteWrite& write : part.writes) {
            const size_t done = k++;
            const QString field = byField ? write.field : QString();
            if (failure.landed.isEmpty() || failure.landed.back().entry != part.entry ||
                failure.landed.back().field != field)
                failure.landed << Landed{part.entry, field, part.name, 0, 0};
            Landed& landed = failure.landed.back();
            landed.of += 1;
            if (done >= olds.size())
                continue;
            try {
                landed.bytes += rom.readByte(write.offset) != olds[done] ? 1 : 0;
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

    std::vector<quint8> olds; // what stood where each write went, in the order of the writes
    for (const WritePart& part : t.parts) {
        for (const ByteWrite& write : part.writes) {
            try {
                const quint8 old = rom.readByte(write.offset);
                modStuff::WriteByte(rom, qint32(write.offset), write.value);
                olds.push_back(old);
            } catch (const RomError& e) {
                Outcome failure = withEntry(e.outcome(), part.entry, part.name);
                if (rollBack(rom, t, olds))
                    return failure;
                Outcome o = withEntry(entryFault(Fault::WrittenInPart, part.entry, rom), part.entry,
                                      part.name);
                o.field = write.field;
                o.cause << failure;
                return whatStands(rom, t, olds, o);
            }
        }
    }
    try {
        rom.sync();
    } catch (const RomError& e) {
        const Outcome failure = withEntry(e.outcome(), first, firstIsName);
        if (rollBack(rom, t, olds))
            return failure;
        Outcome o = entryFault(Fault::NotSynced, first, rom);
        o.cause << failure;
        return o;
    }
    return {};
}
