#include "windowkit/putback.h"

#include "windowkit/selectline.h"
#include "windowkit/windowcontexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>

#include <memory>

namespace {

// The original a control offers, kept on the control so that the menu, built at each right-click,
// reads the one its entry shows now.
constexpr char OriginalProperty[] = "tolvaneOriginal";

// What typing or clicking would do: the line edit's own undo, validator and change signals run.
void putBack(QWidget* control, const QString& original) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->selectAll();
        edit->insert(original);
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(original == QLatin1String("1"));
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        SelectLine(list, original.toInt());
        emit list->activated(list->currentIndex());
    }
}

void showMenu(QWidget* control, QPoint at) {
    const QString original = control->property(OriginalProperty).toString();
    auto* edit = qobject_cast<QLineEdit*>(control);
    std::unique_ptr<QMenu> menu(edit ? edit->createStandardContextMenu() : new QMenu(control));
    if (!original.isEmpty()) {
        auto* action =
            new QAction(EditorWindow::tr("Put back the original (%1)").arg(original), menu.get());
        action->setObjectName(QStringLiteral("actPutBack"));
        QObject::connect(action, &QAction::triggered, control,
                         [control, original] { putBack(control, original); });
        QAction* first = menu->actions().value(0);
        menu->insertAction(first, action);
        if (first)
            menu->insertSeparator(first);
    }
    if (!menu->isEmpty())
        menu->exec(control->mapToGlobal(at));
}

} // namespace

void OfferOriginal(QWidget* control, const QString& original) {
    auto* list = qobject_cast<QComboBox*>(control);
    // An item byte beyond the list's lines has no line to put back.
    const bool offered = !original.isEmpty() && (!list || original.toInt() < list->count());
    control->setProperty(OriginalProperty, offered ? original : QString());
    if (control->contextMenuPolicy() != Qt::CustomContextMenu) {
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, control,
                         [control](QPoint at) { showMenu(control, at); });
    }
}
