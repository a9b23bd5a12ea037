#pragma once

#include <QStyledItemDelegate>

// Edits a cell of the table grid in a line edit: a numeric field's with the numeric entry rule
// bound as the editors bind it, so that 1500 typed into HP reads 1023 at once.
class CellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};
