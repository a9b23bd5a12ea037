#include "tables/gridedits.h"

#include "tables/heldimage.h"
#include "tables/importnames.h"

GridEdits::GridEdits(const GridSnapshot& snapshot)
    : m_snapshot(snapshot), m_image(ImageOfBytes(snapshot.image)) {}

GridEdits::~GridEdits() = default;

qint32 GridEdits::value(int row, int field) const {
    const auto found = m_values.find({row, field});
    return found == m_values.end() ? saved(row, field) : found->second;
}

Result<qint32> GridEdits::read(int row, int field, const QString& text, TextFrom from,
                               const QString& caption) const {
    const RecordField& f = format().fields[size_t(field)];
    // An item cell takes items of the list only, as the editor's list does; a stored byte above
    // it stands until the cell is edited.
    const auto value = ReadFieldText(f.kind == FieldKind::Item ? FieldKind::Number : f.kind,
                                     f.upper(), text, from);
    if (value && *value >= 0)
        return *value;
    return Outcome{.fault = SaveFault::BadValue,
                   .kind = from == TextFrom::Cell && f.kind == FieldKind::Flag ? ValueKind::CellFlag
                           : from == TextFrom::Cell && f.kind == FieldKind::Pointer
                               ? ValueKind::CellPointer
                               : ValueKind(f.kind),
                   .entry = format().label(row),
                   .field = caption,
                   .text = text.left(40),
                   .upper = f.upper()};
}

void GridEdits::setValue(int row, int field, qint32 value) {
    if (value == saved(row, field))
        m_values.erase({row, field});
    else
        m_values[{row, field}] = value;
}

QString GridEdits::name(int row) const {
    const auto found = m_names.find(row);
    return found == m_names.end() ? m_snapshot.names[row] : found->second;
}

Outcome GridEdits::setName(int row, const QString& text) {
    return setNames({{row, text}});
}

Outcome GridEdits::setNames(const std::map<int, QString>& texts) {
    std::map<int, QString> names = m_names;
    for (const auto& [row, text] : texts) {
        if (text == m_snapshot.names[row])
            names.erase(row);
        else
            names[row] = text;
    }
    std::vector<RenamePlan> plans;
    if (Outcome refused = planNames(names, &plans); refused.failed())
        return refused;
    m_names = std::move(names);
    m_renames = std::move(plans);
    return {};
}

Outcome GridEdits::planNames(const std::map<int, QString>& names,
                             std::vector<RenamePlan>* plans) const {
    const GridSnapshot& s = m_snapshot;
    std::vector<NameEdit> edits;
    for (const auto& [row, text] : names) {
        NameEdit edit;
        edit.holder = HolderIndex(s.tables, s.table, row);
        edit.stored = s.names[row];
        edit.text = text;
        edit.cell = Cell{text, row + 1, 2};
        // A name whose text runs past the end of the image has no end byte to keep: refused
        // before the planner reads past what the snapshot holds.
        const qint64 offset = qint64(s.holders[edit.holder].pointer) - PointerBias;
        if (offset >= 0 && ScanNameBytes(s.image, offset).end >= s.image.size())
            return Outcome{.fault = NameFault::PastEnd,
                           .entry = s.holders[edit.holder].entry,
                           .text = text,
                           .offset = offset,
                           .length = s.image.size(),
                           .pointer = s.holders[edit.holder].pointer};
        edits.push_back(edit);
    }
    QList<InputError> errors;
    PlanImportNames(*m_image, edits, s.holders, false, TableRanges(s.tables), &errors);
    if (!errors.isEmpty())
        return errors.front().why;
    plans->clear();
    for (const NameEdit& edit : edits)
        plans->push_back(edit.plan);
    return {};
}

bool GridEdits::rowPending(int row) const {
    if (m_names.contains(row))
        return true;
    const auto next = m_values.lower_bound({row, 0});
    return next != m_values.end() && next->first.first == row;
}

int GridEdits::pendingRows() const {
    int rows = 0;
    for (int row = 0; row < m_snapshot.count(); ++row)
        rows += rowPending(row) ? 1 : 0;
    return rows;
}

void GridEdits::clear() {
    m_values.clear();
    m_names.clear();
    m_renames.clear();
}

Transaction GridEdits::plan() const {
    Transaction t;
    std::vector<std::optional<qint32>> values;
    for (auto at = m_values.begin(); at != m_values.end();) {
        const int row = at->first.first;
        values.assign(format().fields.size(), std::nullopt);
        for (; at != m_values.end() && at->first.first == row; ++at)
            values[size_t(at->first.second)] = at->second;
        t.parts.push_back(EntryWrites(format(), row, m_snapshot.entries[size_t(row)], values));
    }
    for (const RenamePlan& rename : m_renames)
        if (!rename.changes.empty())
            t.parts.push_back(RenameWrites(rename));
    return t;
}
