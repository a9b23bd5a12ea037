#include "main/frmmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt's own style looks the same on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    frmMain window;
    window.show();
    return app.exec();
}
