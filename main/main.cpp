#include "main/arguments.h"
#include "main/frmmain.h"
#include "rom/arguments.h"
#include "wording/wording.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        QStringList none;
        return ReadCommandLine(QCoreApplication::arguments(), &none).value_or(0);
    }
    QApplication app(argc, argv);
    // QApplication has taken its own options out of argv.
    const auto arguments = ArgumentsAsGiven(argc, argv);
    if (!arguments) {
        std::fprintf(stderr, "tolvane: %s\n", qPrintable(ImageErrorText(arguments.failure())));
        return 2;
    }
    QStringList images;
    QString base;
    if (const auto exit = ReadCommandLine(*arguments, &images, &base))
        return *exit;
    // Qt's own style looks the same on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // The editors' windows carry the same icon as the main window.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tolvane/icon.xpm")));
    // Wayland takes a window's icon and name from the menu entry this names, not from the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
    frmMain window;
    window.imageOpening().setBase(base);
    window.show();
    OpenGivenImage(window, arguments->mid(0, 1) + images);
    return app.exec();
}
