#include "tables/tablegrid.h"

#include "fields/fieldtext.h"

#include <map>

TableGrid::TableGrid(Table table, const Tables& tables, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_tables(tables),
      m_snapshot(std::make_unique<GridSnapshot>()),
      m_edits(std::make_unique<GridEdits>(*m_snapshot)) {
    m_snapshot->table = table;
}

TableGrid::~TableGrid() = default;

Outcome TableGrid::load(RomImage& rom, const QStringList& itemNames) {
    auto snapshot = ReadGridSnapshot(rom, m_table, m_tables);
    if (!snapshot)
        return snapshot.failure();
    beginResetModel();
    m_edits.reset();
    m_snapshot = std::make_unique<GridSnapshot>(std::move(*snapshot));
    m_edits = std::make_unique<GridEdits>(*m_snapshot);
    m_itemNames = itemNames;
    m_marks.clear();
    endResetModel();
    emit pendingChanged();
    return {};
}

void TableGrid::setMarks(std::vector<EntryMarks> marks) {
    m_marks = std::move(marks);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TableGrid::setCaptions(const QStringList& captions) {
    m_captions = captions;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

QString TableGrid::caption(int column) const {
    if (column < m_captions.size() && !m_captions[column].isEmpty())
        return m_captions[column];
    if (column == IndexColumn)
        return QStringLiteral("index");
    if (column == NameColumn)
        return QStringLiteral("name");
    return QLatin1String(m_table->fields[size_t(fieldOf(column))].key);
}

ColumnKind TableGrid::kind(int column) const {
    if (column == IndexColumn)
        return ColumnKind::Index;
    if (column == NameColumn)
        return ColumnKind::Name;
    return ColumnKind(m_table->fields[size_t(fieldOf(column))].kind);
}

int TableGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_snapshot->count();
}

int TableGrid::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstField + int(m_table->fields.size());
}

QString TableGrid::exportText(int row, int column) const {
    if (column == IndexColumn)
        return QString::number(row);
    if (column == NameColumn)
        return m_edits->name(row);
    const int field = fieldOf(column);
    return FieldText(m_table->fields[size_t(field)], m_edits->value(row, field));
}

QString TableGrid::itemText(qint32 item) const {
    // The item's name, as the enemy editor's list shows it; a byte beyond the list, its number.
    const QString name = m_itemNames.value(item);
    return name.isEmpty() ? QString::number(item) : name;
}

QVariant TableGrid::display(int row, int column) const {
    switch (kind(column)) {
    case ColumnKind::Flag:
        return {}; // the check box says it
    case ColumnKind::Item:
        return itemText(m_edits->value(row, fieldOf(column)));
    case ColumnKind::Number:
    case ColumnKind::Pointer:
    case ColumnKind::Index:
    case ColumnKind::Name:
    case ColumnKind::ItemName:
        break;
    }
    return exportText(row, column);
}

QVariant TableGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const int row = index.row(), column = index.column();
    const ColumnKind k = kind(column);
    switch (role) {
    case Qt::DisplayRole:
        return display(row, column);
    case Qt::EditRole:
    case ExportRole:
        return exportText(row, column);
    case Qt::CheckStateRole:
        if (k == ColumnKind::Flag)
            return m_edits->value(row, fieldOf(column)) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        // Names to the left, numbers to the right; an item by its name.
        return k == ColumnKind::Name || k == ColumnKind::Item
                   ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case SortRole:
        if (k == ColumnKind::Name)
            return m_edits->name(row);
        return k == ColumnKind::Index ? row : m_edits->value(row, fieldOf(column));
    case PendingRole:
        if (k == ColumnKind::Name)
            return m_edits->namePending(row);
        return k != ColumnKind::Index && m_edits->pending(row, fieldOf(column));
    case OriginalRole: {
        if (k == ColumnKind::Index)
            return {};
        const EntryMarks* marks = size_t(row) < m_marks.size() ? &m_marks[size_t(row)] : nullptr;
        // Without a mark the original is what the file holds.
        QString original;
        if (k == ColumnKind::Name)
            original = marks && marks->originalName ? *marks->originalName : m_snapshot->names[row];
        else if (const QString marked = marks ? marks->originals.value(fieldOf(column)) : QString();
                 !marked.isEmpty())
            original = marked;
        else if (k == ColumnKind::Item && !m_itemNames.isEmpty())
            original = itemText(m_edits->saved(row, fieldOf(column)));
        else
            original = FieldText(m_table->fields[size_t(fieldOf(column))],
                                 m_edits->saved(row, fieldOf(column)));
        // The marks name an original item by its name, as the editor's list shows it.
        const QString now = k == ColumnKind::Item && !m_itemNames.isEmpty()
                                ? display(row, column).toString()
                                : exportText(row, column);
        return original == now ? QVariant() : QVariant(original);
    }
    default:
        return {};
    }
}

QVariant TableGrid::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal)
        return role == Qt::DisplayRole && section < columnCount() ? QVariant(caption(section))
                                                                  : QVariant();
    if (section >= rowCount())
        return {};
    if (role == PendingRole)
        return m_edits->rowPending(section);
    return role == Qt::DisplayRole ? QVariant(section) : QVariant();
}

Qt::ItemFlags TableGrid::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    switch (kind(index.column())) {
    case ColumnKind::Index:
    case ColumnKind::ItemName:
        return base;
    case ColumnKind::Flag:
        return base | Qt::ItemIsUserCheckable;
    case ColumnKind::Name:
    case ColumnKind::Number:
    case ColumnKind::Pointer:
    case ColumnKind::Item:
        break;
    }
    return base | Qt::ItemIsEditable;
}

void TableGrid::editsChanged() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }
    emit pendingChanged();
}

void TableGrid::changedRow(int row) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

bool TableGrid::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid())
        return false;
    const int row = index.row(), column = index.column();
    const ColumnKind k = kind(column);
    if (k == ColumnKind::Flag && role == Qt::CheckStateRole) {
        m_edits->setValue(row, fieldOf(column),
                          value.value<Qt::CheckState>() == Qt::Checked ? 1 : 0);
    } else if (role != Qt::EditRole || k == ColumnKind::Index || k == ColumnKind::Flag) {
        return false;
    } else if (k == ColumnKind::Name) {
        if (const Outcome why = m_edits->setName(row, value.toString()); why.failed()) {
            emit refused(why);
            return false;
        }
        // A rename may end another entry's name shown here as well: all rows are shown anew.
        emit dataChanged(this->index(0, NameColumn), this->index(rowCount() - 1, NameColumn));
    } else {
        const auto read = m_edits->read(row, fieldOf(column), value.toString(), TextFrom::Control,
                                        caption(column));
        if (!read) {
            emit refused(read.failure());
            return false;
        }
        m_edits->setValue(row, fieldOf(column), *read);
    }
    changedRow(row);
    emit pendingChanged();
    return true;
}

Outcome TableGrid::paste(const QList<int>& rows, int column, const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    std::vector<std::tuple<int, int, qint32>> values;
    std::map<int, QString> names;
    QHash<int, std::pair<int, int>> nameCells; // where each pasted name stands in the text
    for (int line = 0; line < lines.size(); ++line) {
        QString cells = lines[line];
        if (cells.endsWith(QLatin1Char('\r')))
            cells.chop(1);
        const QStringList parts = cells.split(QLatin1Char('\t'));
        for (int cell = 0; cell < parts.size(); ++cell) {
            const int at = column + cell;
            if (line >= rows.size() || at >= columnCount())
                return Outcome{.fault = SaveFault::NoSuchEntry,
                               .line = line + 1,
                               .column = cell + 1,
                               .count = line >= rows.size() ? rows.size() : columnCount()};
            const int row = rows[line];
            switch (kind(at)) {
            case ColumnKind::Index:
            case ColumnKind::ItemName:
                continue;
            case ColumnKind::Name:
                names[row] = parts[cell];
                nameCells.insert(row, {line + 1, cell + 1});
                continue;
            case ColumnKind::Number:
            case ColumnKind::Pointer:
            case ColumnKind::Flag:
            case ColumnKind::Item:
                break;
            }
            const auto read =
                m_edits->read(row, fieldOf(at), parts[cell], TextFrom::Cell, caption(at));
            if (!read) {
                Outcome why = read.failure();
                why.line = line + 1;
                why.column = cell + 1;
                return why;
            }
            values.emplace_back(row, fieldOf(at), *read);
        }
    }
    if (!names.empty()) {
        if (Outcome why = m_edits->setNames(names); why.failed()) {
            for (const auto& [row, where] : nameCells.asKeyValueRange())
                if (why.entry == m_table->label(row))
                    std::tie(why.line, why.column) = std::pair<qint64, qint64>(where);
            return why;
        }
    }
    for (const auto& [row, field, value] : values)
        m_edits->setValue(row, field, value);
    for (int line = 0; line < lines.size() && line < rows.size(); ++line)
        changedRow(rows[line]);
    if (!names.empty())
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn));
    emit pendingChanged();
    return {};
}

QString TableGrid::copy(const QList<int>& rows, const QList<int>& columns) const {
    QString text;
    for (const int row : rows) {
        QStringList cells;
        for (const int column : columns)
            cells << exportText(row, column);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

Outcome TableGrid::putBack(const QList<QModelIndex>& cells) {
    std::map<int, QString> names;
    QList<int> rows;
    for (const QModelIndex& cell : cells) {
        const int row = cell.row(), column = cell.column();
        const QVariant original = data(cell, OriginalRole);
        rows << row;
        if (kind(column) == ColumnKind::Name) {
            if (original.isValid())
                names[row] = original.toString();
            continue;
        }
        if (kind(column) == ColumnKind::Index || !original.isValid())
            continue;
        const int field = fieldOf(column);
        const RecordField& f = m_table->fields[size_t(field)];
        // An original item is marked by its name; a byte beyond the list by its number.
        if (f.kind == FieldKind::Item && m_itemNames.contains(original.toString())) {
            m_edits->setValue(row, field, qint32(m_itemNames.indexOf(original.toString())));
            continue;
        }
        // The original's text is one export wrote: it reads back as a cell does, up to all its
        // bits can hold (an item byte beyond the list included).
        if (const auto value =
                ReadFieldText(f.kind == FieldKind::Item ? FieldKind::Number : f.kind,
                              qint32(f.mask >> f.shift()), original.toString(), TextFrom::Cell))
            m_edits->setValue(row, field, *value);
    }
    Outcome why;
    if (!names.empty())
        why = m_edits->setNames(names);
    for (const int row : rows)
        changedRow(row);
    if (!names.empty())
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn));
    emit pendingChanged();
    return why;
}
