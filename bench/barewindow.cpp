// The yardstick of the editor's start: the least a Qt window that shows a text does (a title and
// one button), timed by startup.sh as the editor is. A window with no text at all would skip the
// loading of fonts that every real window pays for, and so measure less than any program can.
#include <QApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane, v" TOLVANE_VERSION));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QPushButton(QStringLiteral("Item Editor")));
    window.show();
    return app.exec();
}
