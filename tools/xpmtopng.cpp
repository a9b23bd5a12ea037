// Converts the window icon at build time: to PNG for the desktop's icon theme, to ICO for the
// Windows executables. The output's suffix names the format.
// Usage: tolvane-xpmtopng IN.xpm OUT.png|OUT.ico
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tolvane-xpmtopng IN.xpm OUT.png|OUT.ico\n");
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "tolvane-xpmtopng: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
