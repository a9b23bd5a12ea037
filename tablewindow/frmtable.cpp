#include "tablewindow/frmtable.h"

#include "tables/tablegrid.h"
#include "tables/transaction.h"
#include "tablewindow/celleditor.h"
#include "tablewindow/shownrows.h"
#include "tablewindow/tablechart.h"
#include "windowkit/changemarks.h"
#include "windowkit/playtest.h"
#include "windowkit/seams.h"
#include "windowkit/windowcontexts.h"
#include "windowkit/windowfont.h"
#include "wording/batchtext.h"
#include "wording/valuetext.h"
#include "wording/wording.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>

#include <set>

namespace {

// The editors' own captions of each field, as their windows word them.
struct EditorCaption {
    const char* table;
    const char* key;
    const char* window;
    const char* text;
};
constexpr EditorCaption EditorCaptions[] = {
    {"items", "pointer", "frmItem", "Pointer to name"},
    {"items", "strength", "frmItem", "Equippable/Item strength"},
    {"items", "effect_out", "frmItem", "Effect out of battle"},
    {"items", "effect_in", "frmItem", "Effect in battle"},
    {"items", "cost", "frmItem", "Cost"},
    {"items", "permanent", "frmItem", "Permanent"},
    {"items", "edible", "frmItem", "Edible"},
    {"items", "ninten", "frmItem", "Ninten"},
    {"items", "ana", "frmItem", "Ana"},
    {"items", "loid", "frmItem", "Loid"},
    {"items", "teddy", "frmItem", "Teddy"},
    {"enemies", "pointer", "frmEnemy", "Pointer to Name:"},
    {"enemies", "hp", "frmEnemy", "HP:"},
    {"enemies", "pp", "frmEnemy", "PP:"},
    {"enemies", "offense", "frmEnemy", "Offense:"},
    {"enemies", "defense", "frmEnemy", "Defense:"},
    {"enemies", "fight", "frmEnemy", "Fight:"},
    {"enemies", "speed", "frmEnemy", "Speed:"},
    {"enemies", "wisdom", "frmEnemy", "Wisdom:"},
    {"enemies", "strength", "frmEnemy", "Strength:"},
    {"enemies", "force", "frmEnemy", "Force:"},
    {"enemies", "experience", "frmEnemy", "Experience:"},
    {"enemies", "money", "frmEnemy", "Money:"},
    {"enemies", "item", "frmEnemy", "Item:"},
};

// A caption without the colon that ends it in the editor, in any script.
QString headerOf(const EditorCaption& c) {
    QString text = QCoreApplication::translate(c.window, c.text).trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text.chop(1);
    return text.trimmed();
}

QAction* makeAction(QWidget* to, const QString& text, const QKeySequence& keys,
                    Qt::ShortcutContext context) {
    auto* action = new QAction(text, to);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    to->addAction(action);
    return action;
}

} // namespace

frmTable::frmTable(ImageOpening& opening, RomImage& rom, Table table, const Tables& tables,
                   const QStringList& itemNames, const QString& title, QWidget* parent)
    : QDialog(parent), m_opening(opening), m_rom(rom), m_itemNames(itemNames),
      m_grid(new TableGrid(table, tables, this)), m_shown(new ShownRows(this)) {
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(title);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    // Fits a 1024 x 768 screen with its frame and a panel.
    resize(960, 600);

    auto* filterLabel = new QLabel(tr("&Filter:"), this);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setPlaceholderText(tr("Part of a name"));
    m_filter->setClearButtonEnabled(true);
    filterLabel->setBuddy(m_filter);
    // Batches in Lua: which rows are shown, and assignments made to all of them.
    auto* whereLabel = new QLabel(tr("&Where:"), this);
    m_where = new QLineEdit(this);
    m_where->setObjectName(QStringLiteral("txtWhere"));
    m_where->setPlaceholderText(tr("A Lua expression: hp > 500 and experience < 100"));
    m_where->setClearButtonEnabled(true);
    whereLabel->setBuddy(m_where);
    auto* setLabel = new QLabel(tr("S&et:"), this);
    m_set = new QLineEdit(this);
    m_set->setObjectName(QStringLiteral("txtSet"));
    m_set->setPlaceholderText(tr("Lua assignments to every row shown: hp = hp * 3 // 2"));
    setLabel->setBuddy(m_set);
    m_clamp = new QCheckBox(tr("&Clamp"), this);
    m_clamp->setObjectName(QStringLiteral("chkClamp"));
    auto* apply = new QPushButton(tr("&Apply"), this);
    apply->setObjectName(QStringLiteral("cmdApply"));
    apply->setAutoDefault(false);
    m_line = new QCheckBox(tr("Chart as a &line"), this);
    m_line->setObjectName(QStringLiteral("chkLine"));
    m_save = new QPushButton(EditorWindow::tr("Save", "the button"), this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setAutoDefault(false);

    m_shown->setSourceModel(m_grid);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("grdTable"));
    m_view->setModel(m_shown);
    m_view->setItemDelegate(new CellEditor(m_view));
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(-1, Qt::AscendingOrder); // table order until a header is clicked
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    // Wide enough for the mark of unsaved edits from the start: the grid must not shift when the
    // first one appears.
    m_view->verticalHeader()->setMinimumWidth(m_view->fontMetrics().height() + 8);
    m_view->setColumnHidden(TableGrid::IndexColumn, false);

    m_chart = new TableChart(this);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_view);
    split->addWidget(m_chart);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(m_filter, 1);
    top->addWidget(m_line);
    top->addWidget(m_save);
    auto* batch = new QHBoxLayout;
    batch->addWidget(whereLabel);
    batch->addWidget(m_where, 1);
    batch->addWidget(setLabel);
    batch->addWidget(m_set, 1);
    batch->addWidget(m_clamp);
    batch->addWidget(apply);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(batch);
    layout->addWidget(split, 1);

    const auto viewOnly = Qt::WidgetWithChildrenShortcut;
    connect(makeAction(m_view, tr("&Copy"), QKeySequence::Copy, viewOnly), &QAction::triggered,
            this, &frmTable::copy);
    connect(makeAction(m_view, tr("&Paste"), QKeySequence::Paste, viewOnly), &QAction::triggered,
            this, &frmTable::paste);
    connect(makeAction(m_view, tr("Put Back the &Original"), {}, viewOnly), &QAction::triggered,
            this, &frmTable::putBack);
    connect(makeAction(this, {}, QKeySequence::Save, Qt::WindowShortcut), &QAction::triggered, this,
            &frmTable::save);
    connect(makeAction(this, {}, Qt::Key_F5, Qt::WindowShortcut), &QAction::triggered, this,
            &frmTable::play);
    connect(makeAction(this, {}, QKeySequence::Find, Qt::WindowShortcut), &QAction::triggered,
            m_filter, [this] {
                m_filter->setFocus();
                m_filter->selectAll();
            });

    connect(m_filter, &QLineEdit::textChanged, m_shown, &ShownRows::setFilterFixedString);
    connect(m_where, &QLineEdit::textChanged, this, &frmTable::applyWhere);
    connect(m_set, &QLineEdit::returnPressed, this, &frmTable::applySet);
    connect(apply, &QPushButton::clicked, this, &frmTable::applySet);
    connect(m_save, &QPushButton::clicked, this, &frmTable::save);
    connect(m_line, &QCheckBox::toggled, m_chart, &TableChart::setLine);
    connect(m_grid, &TableGrid::refused, this, &frmTable::showRefused);
    connect(m_grid, &TableGrid::pendingChanged, this, &frmTable::showPending);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmTable::showChart);
    connect(m_shown, &QAbstractItemModel::layoutChanged, this, &frmTable::showChart);
    connect(m_shown, &QAbstractItemModel::dataChanged, this, &frmTable::showChart);
    connect(m_shown, &QAbstractItemModel::rowsRemoved, this, &frmTable::showChart);
    connect(m_shown, &QAbstractItemModel::rowsInserted, this, &frmTable::showChart);
    connect(m_chart, &TableChart::rowClicked, this, [this](int row) {
        m_view->selectRow(row);
        m_view->scrollTo(m_shown->index(row, 0));
    });

    ApplyWindowFont(this);
    reload();
    m_grid->setCaptions(captions());
    // Widths from the first rows alone: measuring every cell would cost the opening more than
    // the rest of it, and the values of a column are alike in width.
    m_view->horizontalHeader()->setResizeContentsPrecision(40);
    m_view->resizeColumnsToContents();
    m_view->setCurrentIndex(m_shown->index(0, 0));
    m_view->setFocus();
}

frmTable::~frmTable() = default;

QStringList frmTable::captions() const {
    const Table table = m_grid->table();
    QStringList captions{QStringLiteral("#"), tr("Name")};
    for (const RecordField& f : table->fields) {
        QString caption = QLatin1String(f.key);
        for (const EditorCaption& c : EditorCaptions)
            if (qstrcmp(c.table, table->table) == 0 && qstrcmp(c.key, f.key) == 0)
                caption = headerOf(c);
        captions << caption;
    }
    return captions;
}

void frmTable::reload() {
    if (const Outcome read = m_grid->load(m_rom, m_itemNames); read.failed()) {
        ShowMessage(this, QMessageBox::Warning, windowTitle(), ImageErrorText(read));
        return;
    }
    m_grid->setMarks(TableMarks(m_opening, m_rom, m_grid->table()));
    // The rows the Where chooses among the values just read.
    if (!m_where->text().trimmed().isEmpty())
        applyWhere();
    showChart();
}

void frmTable::applyWhere() {
    const BatchError error = m_shown->setWhere(m_where->text());
    // A text that does not hold is marked, with the reason a hover away; the rows stay.
    QPalette palette = m_filter->palette();
    if (error.failed())
        palette.setColor(QPalette::Base, QColor(0xFF, 0xD8, 0xD8));
    m_where->setPalette(palette);
    m_where->setToolTip(error.failed() ? BatchErrorText(error) : QString());
    m_where->setProperty("refused", error.failed());
}

void frmTable::applySet() {
    if (m_set->text().trimmed().isEmpty())
        return;
    const BatchRun run = m_shown->applySet(m_set->text(), m_clamp->isChecked());
    if (run.error.failed()) {
        ShowMessage(this, QMessageBox::Warning, windowTitle(),
                    tr("Nothing was changed. %1").arg(BatchErrorText(run.error)));
        return;
    }
    if (!run.clamped.empty()) {
        // The first values only: a box must fit the screen.
        QStringList lines;
        for (const ClampedValue& c : run.clamped)
            if (lines.size() < 20)
                lines << ClampedText(c);
        if (run.clamped.size() > 20)
            lines << QStringLiteral("\u2026");
        ShowMessage(
            this, QMessageBox::Information, windowTitle(),
            tr("%n value(s) clamped to the field's range:", nullptr, int(run.clamped.size())) +
                QLatin1Char('\n') + lines.join(QLatin1Char('\n')));
    }
}

bool frmTable::save() {
    // A cell being edited is committed first, as leaving it would.
    if (QWidget* editor = m_view->indexWidget(m_view->currentIndex()))
        emit m_view->itemDelegate()->commitData(editor);
    m_view->setFocus();
    Transaction t = m_grid->plan();
    if (t.empty())
        return true;
    t.madeBy = MadeBy::Editor;
    if (const Outcome saved = ApplyTransaction(m_rom, t); saved.failed()) {
        ShowMessage(this, QMessageBox::Warning, EditorWindow::tr("Save", "a message's title"),
                    SaveText(saved));
        return false;
    }
    const QModelIndex current = m_view->currentIndex();
    reload();
    m_view->setCurrentIndex(current.isValid() ? m_shown->index(current.row(), current.column())
                                              : m_shown->index(0, 0));
    return true;
}

void frmTable::play() {
    // The emulator reads the file, so edits that only the grid holds would not be played.
    if (m_grid->edits().pendingRows() > 0) {
        switch (AskSaveBeforePlay(this)) {
        case PlayChoice::Save:
            if (!save())
                return;
            break;
        case PlayChoice::PlayWithout:
            break;
        case PlayChoice::Cancel:
            return;
        }
    }
    PlayImage(this, m_rom.path());
}

void frmTable::reject() {
    const int entries = m_grid->edits().pendingRows();
    if (entries > 0) {
        QMessageBox ask(
            QMessageBox::Question, windowTitle(),
            tr("%n entry(s) with unsaved changes. Save them before closing?", nullptr, entries),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        ask.setDefaultButton(QMessageBox::Save);
        switch (ask.exec()) {
        case QMessageBox::Save:
            if (!save())
                return;
            break;
        case QMessageBox::Discard:
            break;
        default:
            return;
        }
    }
    QDialog::reject();
}

void frmTable::copy() {
    const QModelIndexList selected = m_view->selectionModel()->selectedIndexes();
    std::set<int> rows, columns;
    for (const QModelIndex& cell : selected) {
        rows.insert(cell.row());
        columns.insert(cell.column());
    }
    if (rows.empty())
        return;
    // The shown order: the grid's rows as the view sorts them.
    QList<int> entries, fields(columns.begin(), columns.end());
    for (const int row : rows)
        entries << m_shown->mapToSource(m_shown->index(row, 0)).row();
    QApplication::clipboard()->setText(m_grid->copy(entries, fields));
}

void frmTable::paste() {
    const QModelIndex current = m_view->currentIndex();
    const QString text = QApplication::clipboard()->text();
    if (!current.isValid() || text.isEmpty())
        return;
    if (const Outcome why =
            m_grid->paste(m_shown->entriesFrom(current.row()), current.column(), text);
        why.failed())
        showPasteRefused(why);
}

void frmTable::putBack() {
    QList<QModelIndex> cells;
    for (const QModelIndex& cell : m_view->selectionModel()->selectedIndexes())
        cells << m_shown->mapToSource(cell);
    if (const Outcome why = m_grid->putBack(cells); why.failed())
        showRefused(why);
}

void frmTable::showRefused(const Outcome& why) {
    const QString text = why.fault == SaveFault::BadValue
                             ? tr("%1 keeps its value: %2.").arg(why.entry, ValueText(why))
                             : RenameRefusedText(why.entry, m_rom.path(), ImageErrorText(why));
    ShowMessage(this, QMessageBox::Warning, windowTitle(), text);
}

void frmTable::showPasteRefused(const Outcome& why) {
    const QString where = tr("line %1, cell %2 of the pasted text")
                              .arg(QString::number(why.line), QString::number(why.column));
    QString reason;
    if (why.fault == SaveFault::NoSuchEntry)
        reason = tr("it goes past the last row or column shown");
    else if (why.fault == SaveFault::BadValue)
        reason = tr("%1: %2").arg(why.entry, ValueText(why));
    else
        reason = RenameRefusedText(why.entry, m_rom.path(), ImageErrorText(why));
    ShowMessage(this, QMessageBox::Warning, windowTitle(),
                tr("Nothing was pasted. At %1, %2.").arg(where, reason));
}

void frmTable::showPending() {
    const int entries = m_grid->edits().pendingRows();
    m_save->setText(entries > 0 ? tr("Save (%n)", nullptr, entries)
                                : EditorWindow::tr("Save", "the button"));
}

void frmTable::showChart() {
    std::set<int> columns;
    for (const QModelIndex& cell : m_view->selectionModel()->selectedIndexes()) {
        const ColumnKind kind = m_grid->kind(cell.column());
        if (kind == ColumnKind::Number || kind == ColumnKind::Pointer || kind == ColumnKind::Item)
            columns.insert(cell.column());
    }
    if (columns.empty() && m_view->currentIndex().isValid()) {
        const ColumnKind kind = m_grid->kind(m_view->currentIndex().column());
        if (kind == ColumnKind::Number)
            columns.insert(m_view->currentIndex().column());
    }
    m_chart->show(m_shown, QList<int>(columns.begin(), columns.end()));
}
