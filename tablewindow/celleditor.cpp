#include "tablewindow/celleditor.h"

#include "tables/tablegrid.h"
#include "windowkit/numericfield.h"

#include <QAbstractProxyModel>
#include <QLineEdit>

namespace {

// The grid behind the view's model, and the column's kind and bound.
const TableGrid* gridOf(const QModelIndex& index) {
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model());
    return qobject_cast<const TableGrid*>(proxy ? proxy->sourceModel() : index.model());
}

} // namespace

QWidget* CellEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                  const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    const TableGrid* grid = gridOf(index);
    if (!grid)
        return edit;
    const ColumnKind kind = grid->kind(index.column());
    if (kind == ColumnKind::Number || kind == ColumnKind::Item) {
        const RecordField& field =
            grid->table()->fields[size_t(TableGrid::fieldOf(index.column()))];
        NumericField::bind(edit, field.upper());
    }
    return edit;
}

void CellEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
    SetFieldText(static_cast<QLineEdit*>(editor), index.data(Qt::EditRole).toString());
}

void CellEditor::setModelData(QWidget* editor, QAbstractItemModel* model,
                              const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    // An unchanged text is no edit: committing it must not touch the grid.
    if (text != index.data(Qt::EditRole).toString())
        model->setData(index, text, Qt::EditRole);
}
