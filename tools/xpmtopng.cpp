// Converts the window icon to PNG at build time, for the desktop's icon theme.
// Usage: tolvane-xpmtopng IN.xpm OUT.png
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tolvane-xpmtopng IN.xpm OUT.png\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "tolvane-xpmtopng: cannot convert %s\n", argv[1]);
        return 1;
    }
    return 0;
}
