#include "tablewindow/shownrows.h"

#include "tables/tablegrid.h"
#include "windowkit/changemarks.h"
#include "wording/changestext.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

ShownRows::ShownRows(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(TableGrid::SortRole);
    setFilterKeyColumn(TableGrid::NameColumn);
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

QVariant ShownRows::data(const QModelIndex& index, int role) const {
    switch (role) {
    case Qt::ToolTipRole: {
        const QVariant original = QSortFilterProxyModel::data(index, TableGrid::OriginalRole);
        return original.isValid() ? QVariant(OriginalTipText(original.toString())) : QVariant();
    }
    case Qt::BackgroundRole:
        return QSortFilterProxyModel::data(index, TableGrid::OriginalRole).isValid()
                   ? QVariant(MarkTint(QGuiApplication::palette()))
                   : QVariant();
    case Qt::FontRole:
        if (QSortFilterProxyModel::data(index, TableGrid::PendingRole).toBool()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return QSortFilterProxyModel::data(index, role);
    }
}

QVariant ShownRows::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal)
        return QSortFilterProxyModel::headerData(section, orientation, role);
    const QModelIndex source = mapToSource(index(section, 0));
    if (!source.isValid())
        return {};
    const bool pending =
        sourceModel()->headerData(source.row(), Qt::Vertical, TableGrid::PendingRole).toBool();
    switch (role) {
    case Qt::DisplayRole:
        // The index has a column of its own: the row's header says only whether it holds unsaved
        // edits.
        return pending ? QStringLiteral("\u25CF") : QString();
    case Qt::FontRole:
        if (pending) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return QSortFilterProxyModel::headerData(section, orientation, role);
    }
}

QList<int> ShownRows::entriesFrom(int from) const {
    QList<int> entries;
    for (int row = std::max(0, from); row < rowCount(); ++row)
        entries << mapToSource(index(row, 0)).row();
    return entries;
}

BatchError ShownRows::setWhere(const QString& where) {
    auto* grid = qobject_cast<TableGrid*>(sourceModel());
    std::vector<bool> chosen;
    if (!where.trimmed().isEmpty()) {
        std::vector<int> rows(size_t(grid->rowCount()));
        for (int row = 0; row < grid->rowCount(); ++row)
            rows[size_t(row)] = row;
        const WhereRun run = RunWhere(grid->edits(), rows, where);
        if (run.error.failed())
            return run.error;
        chosen.assign(rows.size(), false);
        for (const int row : run.rows)
            chosen[size_t(row)] = true;
    }
    m_chosen = std::move(chosen);
    invalidateRowsFilter();
    return {};
}

BatchRun ShownRows::applySet(const QString& set, bool clamp) {
    auto* grid = qobject_cast<TableGrid*>(sourceModel());
    const QList<int> shown = entriesFrom(0);
    BatchOptions options;
    options.clamp = clamp;
    BatchRun run =
        RunEdit(grid->edits(), std::vector<int>(shown.begin(), shown.end()), {}, set, options);
    if (!run.error.failed() && !run.changes.empty()) {
        TakeChanges(run, {&grid->edits()});
        grid->editsChanged();
    }
    return run;
}

bool ShownRows::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (!m_chosen.empty() && !(size_t(row) < m_chosen.size() && m_chosen[size_t(row)]))
        return false;
    return QSortFilterProxyModel::filterAcceptsRow(row, parent);
}

bool ShownRows::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(sortRole()), b = right.data(sortRole());
    if (a.typeId() == QMetaType::QString) {
        if (const int c = a.toString().compare(b.toString(), Qt::CaseInsensitive); c != 0)
            return c < 0;
    } else if (a.toInt() != b.toInt()) {
        return a.toInt() < b.toInt();
    }
    return left.row() < right.row();
}
