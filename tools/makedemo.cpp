// Writes the demo image: a synthetic image with invented names, so that a newcomer has something
// to open. Usage: tolvane-makedemo OUT.nes
#include "tools/syntheticimage.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tolvane-makedemo OUT.nes\n");
        return 2;
    }
    if (!MakeDemoImage().save(args.at(1))) {
        std::fprintf(stderr, "tolvane-makedemo: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
