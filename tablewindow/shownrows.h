#pragma once

#include "batch/batchrun.h"

#include <QSortFilterProxyModel>

#include <vector>

// The rows of a table grid as the window shows them: sorted by the numbers of a column (the entry's
// index when they are equal), filtered by the name, and marked as the editors mark a field: tinted
// with the original in the tooltip where the value differs from it, bold where an edit is unsaved,
// and a row header that says when the row holds one. A Lua expression chooses the rows too, and
// Lua assignments change every row shown. Its source is a TableGrid.
class ShownRows : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ShownRows(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The entries shown, from the shown row `from` down, in the order shown.
    QList<int> entriesFrom(int from) const;

    // Shows only the entries for which `where` holds over the grid's values now, an empty one all.
    // It is evaluated as it is set, not again as the values change, so that a Set does not take
    // away the rows it changed. When it does not parse or fails, the rows stay as they were and
    // the error says why.
    BatchError setWhere(const QString& where);
    // Makes `set` to every entry shown, as unsaved edits of the grid; nothing of it is taken when
    // it fails.
    BatchRun applySet(const QString& set, bool clamp);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

private:
    std::vector<bool> m_chosen; // by entry; empty while every entry is
};
