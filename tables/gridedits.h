#pragma once

#include "rom/outcome.h"
#include "tables/gridsnapshot.h"
#include "tables/transaction.h"

#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <utility>

// The unsaved edits of one table over the snapshot they were made on: field values and name
// texts, each checked as it is made, and the one transaction that saves them all. Whatever makes
// an edit (a typed cell, a paste, a batch over many rows) goes through the same checks here.
class GridEdits {
public:
    explicit GridEdits(const GridSnapshot& snapshot);
    ~GridEdits();

    const GridSnapshot& snapshot() const { return m_snapshot; }
    const TableFormat& format() const { return *m_snapshot.table; }

    // A field's value as the snapshot holds it, and as Save will write it.
    qint32 saved(int row, int field) const { return m_snapshot.values[size_t(row)][size_t(field)]; }
    qint32 value(int row, int field) const;
    bool pending(int row, int field) const { return m_values.contains({row, field}); }

    // The value a text stands for in `field`, or why it stands for none (BadValue naming the entry
    // and the field by `caption`). A typed cell reads as the editors' Save reads its control; a
    // pasted one as an import reads its cell. An item must name an item of the list.
    Result<qint32> read(int row, int field, const QString& text, TextFrom from,
                        const QString& caption) const;
    // Sets a value already read; the saved value itself drops the edit.
    void setValue(int row, int field, qint32 value);

    QString name(int row) const;
    bool namePending(int row) const { return m_names.contains(row); }
    // Sets the entry's name text with the rename's checks, over every other pending name: a text
    // that does not fit, cannot be encoded or would change another entry's name is refused, and
    // the edits stay as they were.
    Outcome setName(int row, const QString& text);
    // Sets several names at once, all or none.
    Outcome setNames(const std::map<int, QString>& texts);

    bool rowPending(int row) const;
    int pendingRows() const;
    bool empty() const { return m_values.empty() && m_names.empty(); }
    void clear();

    // The transaction that writes every pending edit: one part per edited entry's record and one
    // per renamed name, each expecting the bytes of the snapshot.
    Transaction plan() const;

private:
    Outcome planNames(const std::map<int, QString>& names, std::vector<RenamePlan>* plans) const;

    const GridSnapshot& m_snapshot;
    std::unique_ptr<RomImage> m_image; // the snapshot's bytes, for the rename's planning
    std::map<std::pair<int, int>, qint32> m_values;
    std::map<int, QString> m_names;
    std::vector<RenamePlan> m_renames;
};
