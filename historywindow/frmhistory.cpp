#include "historywindow/frmhistory.h"

#include "rom/modstuff.h"
#include "windowkit/seams.h"
#include "wording/clitext.h"
#include "wording/historytext.h"
#include "wording/wording.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The save number a list line holds.
constexpr int NumberRole = Qt::UserRole;

} // namespace

frmHistory::frmHistory(RomImage& image, const QString& entry, QWidget* parent)
    : QDialog(parent), m_image(image) {
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(tr("Save History"));
    setModal(true);

    auto* filterLabel = new QLabel(tr("&Entry:"), this);
    txtEntry = new QLineEdit(entry, this);
    txtEntry->setObjectName(QStringLiteral("txtEntry"));
    txtEntry->setPlaceholderText(tr("every entry, or one such as \"enemy 12\""));
    txtEntry->setClearButtonEnabled(true);
    filterLabel->setBuddy(txtEntry);

    lstSaves = new QTreeWidget(this);
    lstSaves->setObjectName(QStringLiteral("lstSaves"));
    lstSaves->setRootIsDecorated(false);
    lstSaves->setUniformRowHeights(true);
    lstSaves->setAllColumnsShowFocus(true);
    lstSaves->setHeaderLabels(
        {tr("Save"), tr("Time"), tr("Made by"), tr("State"), tr("Entries changed")});
    lstSaves->header()->setStretchLastSection(true);

    lblState = new QLabel(this);
    lblState->setObjectName(QStringLiteral("lblState"));
    lblState->setWordWrap(true);
    lblState->setTextInteractionFlags(Qt::TextSelectableByMouse);

    txtChanges = new QPlainTextEdit(this);
    txtChanges->setObjectName(QStringLiteral("txtChanges"));
    txtChanges->setReadOnly(true);
    txtChanges->setLineWrapMode(QPlainTextEdit::NoWrap);

    cmdUndo = new QPushButton(tr("&Undo"), this);
    cmdUndo->setObjectName(QStringLiteral("cmdUndo"));
    cmdUndo->setAutoDefault(false);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(txtEntry, 1);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(lstSaves);
    split->addWidget(txtChanges);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdUndo);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(split, 1);
    layout->addWidget(lblState);
    layout->addLayout(buttons);
    // Fits a 1024 x 768 screen with room for the desktop's panels.
    resize(860, 560);

    setTabOrder(lstSaves, txtChanges);
    setTabOrder(txtChanges, cmdUndo);
    setTabOrder(cmdUndo, cmdClose);
    setTabOrder(cmdClose, txtEntry);

    connect(txtEntry, &QLineEdit::textChanged, this, [this] { fill(0); });
    connect(lstSaves, &QTreeWidget::currentItemChanged, this, &frmHistory::showSelected);
    connect(cmdUndo, &QPushButton::clicked, this, &frmHistory::cmdUndo_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, [this] {
        if (cmdUndo->isEnabled())
            cmdUndo_Click();
    });

    reload(0);
    lstSaves->setFocus();
}

void frmHistory::reload(quint32 select) {
    auto listed = ListSaves(m_image);
    m_readable = bool(listed);
    m_saves.clear();
    if (listed)
        m_saves = std::move(*listed);
    else
        lblState->setText(AboutFileText(m_image.path(), HistoryReasonText(listed.failure())));
    fill(select);
}

void frmHistory::fill(quint32 select) {
    const QSignalBlocker quiet(lstSaves);
    lstSaves->clear();
    const std::vector<size_t> shown = SavesOfEntry(m_saves, txtEntry->text().trimmed());
    QList<QTreeWidgetItem*> lines;
    lines.reserve(qsizetype(shown.size()));
    QTreeWidgetItem* chosen = nullptr;
    for (auto k = shown.rbegin(); k != shown.rend(); ++k) {
        const ListedSave& s = m_saves[*k];
        QString madeBy;
        switch (s.madeBy) {
        case MadeBy::Editor:
            madeBy = tr("editor");
            break;
        case MadeBy::Import:
            madeBy = tr("import");
            break;
        case MadeBy::Rename:
            madeBy = tr("rename");
            break;
        case MadeBy::Undo:
            madeBy = tr("undo of save %1").arg(s.undoes);
            break;
        case MadeBy::Edit:
            madeBy = tr("edit");
            break;
        case MadeBy::Script:
            madeBy = tr("script");
            break;
        }
        QString state;
        switch (s.state) {
        case HistoryState::Done:
            state = s.undoneBy != 0 ? tr("undone by save %1").arg(s.undoneBy) : tr("done");
            break;
        case HistoryState::RolledBack:
            state = tr("rolled back");
            break;
        case HistoryState::Pending:
        case HistoryState::Left:
            state = tr("cut short");
            break;
        }
        auto* line = new QTreeWidgetItem({QString::number(s.number), s.time, madeBy, state,
                                          s.entries.join(QStringLiteral(", "))});
        line->setData(0, NumberRole, s.number);
        line->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        if (s.number == select || (select == 0 && !chosen))
            chosen = line;
        lines << line;
    }
    lstSaves->addTopLevelItems(lines);
    if (lines.size() < 2000)
        for (int c = 0; c < 4; ++c)
            lstSaves->resizeColumnToContents(c);
    if (!chosen && !lines.isEmpty())
        chosen = lines.first();
    lstSaves->setCurrentItem(chosen);
    if (m_readable)
        lblState->setText(m_saves.empty() ? tr("No save has been recorded for this image yet.")
                          : lines.isEmpty()
                              ? tr("No save changed %1.").arg(txtEntry->text().trimmed())
                              : QString());
    showSelected();
}

const ListedSave* frmHistory::selected() const {
    const QTreeWidgetItem* line = lstSaves->currentItem();
    if (!line)
        return nullptr;
    const quint32 number = line->data(0, NumberRole).toUInt();
    for (const ListedSave& s : m_saves)
        if (s.number == number)
            return &s;
    return nullptr;
}

void frmHistory::showSelected() {
    const ListedSave* s = selected();
    cmdUndo->setEnabled(m_readable && s && s->state == HistoryState::Done);
    if (!s) {
        txtChanges->clear();
        return;
    }
    QStringList lines = s->changes;
    if (lines.isEmpty())
        lines << tr("(no changes)");
    if (s->madeBy == MadeBy::Undo)
        lines << tr("This save undid save %1.").arg(s->undoes);
    if (s->undoneBy != 0)
        lines << tr("Save %1 undid this save.").arg(s->undoneBy);
    txtChanges->setPlainText(lines.join(QLatin1Char('\n')));
}

void frmHistory::cmdUndo_Click() {
    const ListedSave* s = selected();
    if (!s)
        return;
    qint64 bytes = 0;
    const Outcome undone = UndoSave(m_image, s->number, &bytes);
    if (undone.failed()) {
        // The companion's words: a refusal names the save and says that nothing was written.
        ShowMessage(this, QMessageBox::Warning, tr("Undo"), UndoRefusedText(undone));
        reload(s->number);
        return;
    }
    // The new record is the newest: listed first and selected.
    reload(0);
}

void ShowHistoryWindow(QWidget* parent, const QString& entry) {
    if (!modStuff::RomFile)
        return;
    frmHistory window(*modStuff::RomFile, entry, parent);
    window.exec();
}
