#include "windowkit/editorframe.h"

#include "windowkit/twips.h"
#include "windowkit/windowcontexts.h"

#include <QDialog>
#include <QPushButton>

void FrameEditorWindow(QDialog* window, const char* name, const QString& title, int width,
                       int height) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window->setModal(true);
    FixClientSizeTwips(window, width, height);
}

QPushButton* MakeSaveButton(QWidget* window, int top) {
    auto* button = new QPushButton(EditorWindow::tr("Save", "the button"), window);
    button->setObjectName(QStringLiteral("cmdSave"));
    button->setAutoDefault(false);
    PlaceTwips(button, 120, top, 1455, 375);
    return button;
}
