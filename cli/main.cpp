#include "cli/commands.h"
#include "rom/arguments.h"

#include <QCoreApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // Tables and patches go to the standard output byte for byte, as they go into a file: the
    // runtime's text mode would turn each line feed of a patch into two bytes.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    Io io{out, err};
    const auto arguments = ArgumentsAsGiven(argc, argv);
    if (!arguments) {
        Fail(io, arguments.failure());
        return ExitUsage;
    }
    return RunCli(*arguments, io);
}
