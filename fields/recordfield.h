#pragma once

#include "rom/romimage.h"
#include "rom/writeplan.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <bit>
#include <optional>
#include <span>
#include <type_traits>

// The fields of a table entry, each described once. Decoding, the saves, the editors' controls and
// tolvane-cli's columns all work from these descriptions, so a field's offset, bits and bound are
// written down in one place only.

enum class FieldKind {
    Number,  // a whole number from 0 to what its bits can hold
    Flag,    // one bit, 0 or 1
    Pointer, // a name pointer, shown in hexadecimal
    Item,    // an item number; the editor's item list holds items 0 to HighestItem only
};

inline constexpr int HighestItem = 113;

struct RecordField {
    const char* key;     // its column in tolvane-cli's tables
    const char* caption; // how the save's messages name it
    int offset;          // of its first byte in the entry
    // Its bits in the little-endian value of its one or two bytes (two when the mask reaches past
    // bit 7). A save keeps the other bits of those bytes as the file holds them.
    quint16 mask;
    FieldKind kind;
    // Where its bytes come in a save: lower steps are written first. Fields that share their bytes
    // share a step and are written together.
    int step;
    // The record struct's member that holds it.
    qint32 (*get)(const void* record);
    void (*set)(void* record, qint32 value);

    int width() const { return mask > 0xFF ? 2 : 1; }
    qint32 upper() const { return kind == FieldKind::Item ? HighestItem : mask >> shift(); }
    int shift() const { return std::countr_zero(unsigned(mask)); }
    // Whether its bytes hold nothing else, so that a save may write them as one value.
    bool ownsBytes() const { return mask == (width() == 2 ? 0xFFFF : 0xFF); }

    // The field's value in an entry's bytes, and the same bytes with `value` put in its place.
    qint32 valueIn(QByteArrayView entry) const;
    void put(qint32 value, QByteArray* entry) const;
};

namespace recordfield_detail {
template <class Record, class T> Record RecordOf(T Record::*);
template <auto Member> using RecordType = decltype(RecordOf(Member));

template <auto Member> qint32 get(const void* record) {
    return qint32(static_cast<const RecordType<Member>*>(record)->*Member);
}
template <auto Member> void set(void* record, qint32 value) {
    auto& field = static_cast<RecordType<Member>*>(record)->*Member;
    field = std::remove_reference_t<decltype(field)>(value);
}
} // namespace recordfield_detail

// A description bound to the record member `Member` that holds the field.
template <auto Member>
constexpr RecordField Field(const char* key, const char* caption, int offset, quint16 mask,
                            FieldKind kind, int step) {
    return {key,
            caption,
            offset,
            mask,
            kind,
            step,
            &recordfield_detail::get<Member>,
            &recordfield_detail::set<Member>};
}

// A table of entries of one size, one after another.
struct TableFormat {
    const char* entry; // how messages name one entry: "item" gives "item 5"
    qint32 offset;
    int count;
    int size;
    std::span<const RecordField> fields;
    // Reads the name an entry's pointer leads to; each editor has its own reader.
    QString (*readName)(RomImage& rom, qint32 pointer);

    qint32 entryOffset(int index) const { return offset + size * index; }
    QString label(int index) const;
    // The first field of that kind, or null.
    const RecordField* fieldOf(FieldKind kind) const;
};

// The entry's fields copied into `record`, a struct of the table's own type.
void DecodeFields(const TableFormat& format, QByteArrayView entry, void* record);

// A field's value as tolvane-cli writes it: a pointer in hexadecimal, all else in decimal.
QString FieldText(const RecordField& field, qint32 value);

// What an editor's controls hold when Save is pressed: one text per field of the table, in its
// order. A flag is "1" or "0"; an item is the selected line of the item list, "-1" for none, as for
// a stored item above HighestItem, whose byte is then kept.
using EntryForm = QStringList;

// The form as the editors show the record: saving it unchanged writes the entry back as it stands.
EntryForm FormOf(const TableFormat& format, const void* record);

// Checks and converts every text of `form` before anything is written, then gives the writes of
// entry `index` in the order of the fields' steps. Bits that the fields do not cover are read from
// the file as it stands and kept. On a refusal returns the message for the user, and the plan is
// not made.
std::optional<QString> PlanEntrySave(RomImage& rom, const TableFormat& format, int index,
                                     const EntryForm& form, WritePlan* plan);

// The whole save of entry `index`: plan it, then write it, provided the file still holds the
// entry's bytes `shown` (when given). The message of a refusal (nothing was written) or of a
// failure (what was written and what was not), or nothing on success.
std::optional<QString> SaveEntry(RomImage& rom, const TableFormat& format, int index,
                                 const EntryForm& form, const QByteArray& shown = {});
