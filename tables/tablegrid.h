#pragma once

#include "rom/outcome.h"
#include "tables/gridedits.h"
#include "tables/netchanges.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// A table as a grid of cells, for the table window and without a display: one row per entry in
// table order; the index, the name, then a column per field in the order export writes them. It
// holds the snapshot, the unsaved edits over it and the marks of what differs from the original;
// how that looks is the window's.
class TableGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        SortRole = Qt::UserRole + 1, // a number for the numeric columns, the text for the name
        ExportRole,                  // the value as export writes it
        OriginalRole,                // the original's text where the cell differs from it
        PendingRole,                 // true for a cell with an unsaved edit
    };
    static constexpr int IndexColumn = 0;
    static constexpr int NameColumn = 1;
    static constexpr int FirstField = 2;

    // `table` among `tables`: every table whose entries may share name text with it.
    TableGrid(Table table, const Tables& tables, QObject* parent = nullptr);
    ~TableGrid() override;

    // Reads the table afresh from `rom` and drops every edit; refused when it cannot be read, the
    // grid then keeping what it showed. `itemNames` names the items an item column shows.
    Outcome load(RomImage& rom, const QStringList& itemNames = {});
    // What differs from the original, per entry, as the editors mark it.
    void setMarks(std::vector<EntryMarks> marks);
    // The headers of the columns; the keys stand where none is given.
    void setCaptions(const QStringList& captions);

    Table table() const { return m_table; }
    bool loaded() const { return m_snapshot->count() > 0; }
    const GridEdits& edits() const { return *m_edits; }
    GridEdits& edits() { return *m_edits; }
    QString caption(int column) const;
    // The field a column shows, or -1 for the index and the name.
    static int fieldOf(int column) { return column - FirstField; }
    ColumnKind kind(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A refused edit changes nothing and emits refused().
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Checks every cell of `text`, tab-separated, a row a line (a final line end or none), as the
    // block that goes right and down from `column` over `rows` (entries, in the order shown), and
    // takes all of them or none. The index column takes nothing and is passed over. A refusal
    // names the text's line and cell in `line` and `column`, and the entry and field.
    Outcome paste(const QList<int>& rows, int column, const QString& text);
    // The cells as tab-separated text, a row a line, values as export writes them.
    QString copy(const QList<int>& rows, const QList<int>& columns) const;
    // Puts the original back in the given cells: the original's value where it differs, else the
    // saved one.
    Outcome putBack(const QList<QModelIndex>& cells);

    // Tells the views that edits() was changed directly, as a batch over many rows changes it.
    void editsChanged();

    // The one transaction that saves every edit.
    Transaction plan() const { return m_edits->plan(); }

signals:
    void refused(const Outcome& why);
    void pendingChanged();

private:
    QString exportText(int row, int column) const;
    QVariant display(int row, int column) const;
    QString itemText(qint32 item) const;
    void changedRow(int row);

    Table m_table;
    Tables m_tables;
    // Never null: an empty snapshot until the first load.
    std::unique_ptr<GridSnapshot> m_snapshot;
    std::unique_ptr<GridEdits> m_edits;
    std::vector<EntryMarks> m_marks;
    QStringList m_captions;
    QStringList m_itemNames;
};
