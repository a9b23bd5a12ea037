#include "windowkit/editorkeys.h"

#include "tables/recordfield.h"
#include "windowkit/selectline.h"
#include "windowkit/windowcontexts.h"

#include <QComboBox>
#include <QDialog>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

void step(QComboBox* list, int by, const std::function<void()>& display) {
    const int next = list->currentIndex() + by;
    // A list disabled because the table cannot be read shows no entry to move from.
    if (!list->isEnabled() || next < 0 || next >= list->count())
        return;
    SelectLine(list, next);
    display();
}

} // namespace

void AddEditorKeys(QDialog* editor, QComboBox* list, QPushButton* save,
                   const std::function<void()>& display) {
    auto* saveKey = new QShortcut(QKeySequence::Save, editor);
    QObject::connect(saveKey, &QShortcut::activated, save, [save] {
        if (save->isEnabled())
            save->click();
    });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), editor);
    QObject::connect(next, &QShortcut::activated, list, [=] { step(list, 1, display); });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), editor);
    QObject::connect(previous, &QShortcut::activated, list, [=] { step(list, -1, display); });
}

void OfferEntryHistory(QComboBox* list, const std::function<void()>& open) {
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list, &QWidget::customContextMenuRequested, list, [list, open](QPoint at) {
        if (!list->isEnabled() || list->currentIndex() < 0)
            return;
        QMenu menu(list);
        QAction* history = menu.addAction(EditorWindow::tr("Save history of this entry…"));
        history->setObjectName(QStringLiteral("actEntryHistory"));
        if (menu.exec(list->mapToGlobal(at)) == history)
            open();
    });
}

void ShowEntryHistory(QDialog* editor, const HistoryOpener& opener, QComboBox* list,
                      const TableFormat& table, const std::function<void()>& reload,
                      const std::function<void()>& display) {
    if (!opener)
        return;
    const int line = list->currentIndex();
    opener(editor, table.label(line));
    reload();
    SelectLine(list, line);
    display();
}
