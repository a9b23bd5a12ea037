#pragma once

#include "fields/fieldtext.h"
#include "rom/romimage.h"
#include "tables/transaction.h"

#include <QByteArray>
#include <QStringList>

#include <bit>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

// The fields of a table entry, each described once. Decoding, the saves, the editors' controls and
// tolvane-cli's columns all work from these descriptions.

inline constexpr int HighestItem = 113;

struct RecordField {
    const char* key; // its column in tolvane-cli's tables
    // How messages name it ("strength"; the six flags share a byte, "flags") and how the patch
    // notes head it ("Equippable/Item strength"): each a text of the FieldCaption context, stated
    // here only and translated where it is worded.
    const char* caption;
    const char* heading;
    int offset; // of its first byte in the entry
    // Its bits in the little-endian value of its one or two bytes (two when the mask reaches past
    // bit 7). A save keeps the other bits of those bytes as the file holds them.
    quint16 mask;
    FieldKind kind;
    // Where its bytes come in a save, lower first. Fields that share a byte share a step.
    int step;
    // The record struct's member that holds it.
    qint32 (*get)(const void* record);
    void (*set)(void* record, qint32 value);

    int width() const { return mask > 0xFF ? 2 : 1; }
    int shift() const { return std::countr_zero(unsigned(mask)); }
    qint32 upper() const { return kind == FieldKind::Item ? HighestItem : mask >> shift(); }
    // The field's value in an entry's bytes, and the same bytes with `value` put in its place.
    qint32 valueIn(QByteArrayView entry) const { return (stored(entry) & mask) >> shift(); }
    void put(qint32 value, QByteArray* entry) const;

private:
    qint32 stored(QByteArrayView entry) const;
};

template <class Record, class T> Record RecordOf(T Record::*);

// A description bound to the record member `Member` that holds the field.
template <auto Member>
constexpr RecordField Field(const char* key, const char* caption, const char* heading, int offset,
                            quint16 mask, FieldKind kind, int step) {
    using Record = decltype(RecordOf(Member));
    return {key,
            caption,
            heading,
            offset,
            mask,
            kind,
            step,
            [](const void* r) { return qint32(static_cast<const Record*>(r)->*Member); },
            [](void* r, qint32 value) {
                auto& member = static_cast<Record*>(r)->*Member;
                member = std::remove_reference_t<decltype(member)>(value);
            }};
}

// A table of entries of one size, one after another.
struct TableFormat {
    const char* table; // how files and options name the table: "items"
    const char* entry; // how messages name one entry: "item" gives "item 5"
    qint32 offset;
    int count;
    int size;
    std::span<const RecordField> fields;
    // Reads the name an entry's pointer leads to; each editor has its own reader.
    QString (*readName)(RomImage& rom, qint32 pointer);
    // For a table with an item field: the lines of the editor's item list, whose texts name the
    // items ("<nothing>" for item 0). Null for a table without one.
    QStringList (*itemChoices)(RomImage& rom) = nullptr;

    qint32 entryOffset(int index) const { return offset + size * index; }
    QString label(int index) const {
        return QLatin1String(entry) + QLatin1Char(' ') + QString::number(index);
    }
    const RecordField* fieldOf(FieldKind kind) const; // the first of that kind, or null
};

// The entry's fields copied into `record`, a struct of the table's own type.
void DecodeFields(const TableFormat& format, QByteArrayView entry, void* record);

// Every entry of the table, each through `decode`, after dropping the image's cache so that the
// file is read as it stands on disk.
template <class Record>
std::vector<Record> DecodeTable(RomImage& rom, const TableFormat& format,
                                Record (*decode)(RomImage& rom, int index)) {
    rom.refresh();
    std::vector<Record> table;
    table.reserve(size_t(format.count));
    for (int i = 0; i < format.count; ++i)
        table.push_back(decode(rom, i));
    return table;
}

// A field's value as tolvane-cli writes it: a pointer in hexadecimal, all else in decimal.
QString FieldText(const RecordField& field, qint32 value);

// What an editor's controls hold when Save is pressed: one text per field of the table, in its
// order. A flag is "1" or "0"; an item is the selected line of the item list, "-1" for none, as for
// a stored item above HighestItem, whose byte is then kept.
using EntryForm = QStringList;

// The form as the editors show the record: saving it unchanged writes the entry back as it stands.
EntryForm FormOf(const TableFormat& format, const void* record);

// The writes that put `values` (one per field, in its order; nothing leaves a field as it stands)
// into entry `index`, planned over `entry`, the entry's bytes as the plan saw them, which become
// the part's `expected`. Writes go in the order of the fields' steps, a shared byte once.
WritePart EntryWrites(const TableFormat& format, int index, const QByteArray& entry,
                      const std::vector<std::optional<qint32>>& values);

// Checks and converts every text of `form` before anything is written, then gives the writes of
// entry `index` in the order of the fields' steps, over the entry's bytes as the file holds them
// now; `plan->expected` holds those bytes. A refusal (BadValue, NoSuchEntry, or why the entry
// cannot be written) makes no plan.
Outcome PlanEntrySave(RomImage& rom, const TableFormat& format, int index, const EntryForm& form,
                      WritePart* plan);

// Plans the save of entry `index`, then applies it as a transaction, provided the file still
// holds the entry's bytes `shown` (when given, else those the plan was made from).
Outcome SaveEntry(RomImage& rom, const TableFormat& format, int index, const EntryForm& form,
                  const QByteArray& shown = {});
