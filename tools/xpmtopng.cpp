// Converts the window icon at build time: to PNG for the desktop's icon theme, to ICO for the
// Windows executables. The output's suffix names the format.
// Usage: tolvane-xpmtopng IN.xpm OUT.png|OUT.ico [SIZE]
#include <QImage>

#include <cstdio>

namespace {

// The icon is pixel art: each pixel is first repeated into a block, to twice the wanted size,
// which keeps its edges sharp, and only then halved smoothly. Sizes that are whole multiples of
// the drawing keep its pixels exactly; 48 and 16 get evenly softened edges instead of uneven
// blocks.
QImage atSize(const QImage& art, int size) {
    const QImage doubled =
        art.scaled(2 * size, 2 * size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return doubled.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tolvane-xpmtopng IN.xpm OUT.png|OUT.ico [SIZE]\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (argc == 4) {
        const int size = QString::fromLocal8Bit(argv[3]).toInt();
        image = size > 0 && !image.isNull() ? atSize(image, size) : QImage();
    }
    if (image.isNull() || !image.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "tolvane-xpmtopng: cannot convert %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
