#include "cli/commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    Io io{out, err};
    return RunCli(QCoreApplication::arguments(), io);
}
