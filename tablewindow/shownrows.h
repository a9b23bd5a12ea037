#pragma once

#include <QSortFilterProxyModel>

// The rows of a table grid as the window shows them: sorted by the numbers of a column (the entry's
// index when they are equal), filtered by the name, and marked as the editors mark a field: tinted
// with the original in the tooltip where the value differs from it, bold where an edit is unsaved,
// and a row header that says when the row holds one.
class ShownRows : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ShownRows(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The entries shown, from the shown row `from` down, in the order shown.
    QList<int> entriesFrom(int from) const;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};
