#include "children.h"

#include "benchimages.h"

#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "main/frmmain.h"
#include "windowkit/seams.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void print(const char* name, double value) {
    std::printf("%s %.3f\n", name, value);
}

double peakKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss);
}

double milliseconds(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

// Returns once `window` is on screen and painted.
void waitShown(QWidget& window) {
    const QDeadlineTimer deadline(10000);
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        if (deadline.hasExpired())
            qFatal("the window did not come up");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

// The program's own start: the application object, the style, the main window shown.
int runStart(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const double application = milliseconds(clock);
    frmMain window;
    window.show();
    waitShown(window);
    const double shown = milliseconds(clock);
    print("application_ms", application);
    print("main_window_ms", shown - application);
    print("start_ms", shown);
    print("peak_kb", peakKilobytes());
    return 0;
}

// Presses an editor's button in the main window; inside the editor's modal run, once it is on
// screen, optionally presses its Save, then closes it.
void runEditor(frmMain& main, const char* button, const std::function<QDialog*()>& editor,
               bool save) {
    QTimer::singleShot(0, &main, [&editor, save] {
        QDialog* shown = editor();
        waitShown(*shown);
        if (save)
            shown->findChild<QPushButton*>(QStringLiteral("cmdSave"))->click();
        shown->done(0);
    });
    main.findChild<QPushButton*>(QLatin1String(button))->click();
}

// A session: open the image, show each editor; then show each again and save once. The first half
// is timed; the peak memory covers the whole.
int runSession(bool worst, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    frmMain main;
    main.show();
    waitShown(main);
    const BenchFolder folder;
    const QString path =
        folder.write(QStringLiteral("image.nes"), worst ? WorstImageBytes() : UsualImageBytes());
    int messages = 0;
    SetMessageHandler(
        [&messages](QWidget*, QMessageBox::Icon, const QString&, const QString&) { ++messages; });
    SetOpenDialogHandler([path](QWidget*) { return path; });
    const std::function<QDialog*()> items = [&main]() -> QDialog* { return main.itemEditor(); };
    const std::function<QDialog*()> enemies = [&main]() -> QDialog* { return main.enemyEditor(); };

    QElapsedTimer clock;
    clock.start();
    main.findChild<QToolButton*>(QStringLiteral("cmdOpen"))->click();
    runEditor(main, "cmdItem", items, false);
    runEditor(main, "cmdEnemy", enemies, false);
    const double openAndShow = milliseconds(clock);
    runEditor(main, "cmdItem", items, true);
    runEditor(main, "cmdEnemy", enemies, true);

    print("open_and_show_both_ms", openAndShow);
    print("peak_kb", peakKilobytes());
    print("messages", messages);
    SetMessageHandler({});
    SetOpenDialogHandler({});
    return 0;
}

} // namespace

int RunChild(const QString& mode, int argc, char** argv) {
    if (mode == QLatin1String("start"))
        return runStart(argc, argv);
    if (mode == QLatin1String("usual") || mode == QLatin1String("worst"))
        return runSession(mode == QLatin1String("worst"), argc, argv);
    std::fprintf(stderr, "unknown child mode %s\n", qPrintable(mode));
    return 2;
}

double Median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QMap<QString, double> ChildMedians(const QString& mode, int runs, QString* error) {
    // Through the shell rather than from a grown process: the peak memory a process reports
    // counts the memory of the process that forked it.
    char self[4096] = {};
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        *error = QStringLiteral("cannot find the benchmark's own program");
        return {};
    }
    QByteArray command = QByteArray(self, length);
    command.replace('\'', "'\\''");
    command = '\'' + command + "' " + ChildOption + mode.toLocal8Bit();
    QMap<QString, QList<double>> figures;
    for (int run = 0; run < runs; ++run) {
        FILE* child = ::popen(command.constData(), "r");
        if (!child) {
            *error = QStringLiteral("cannot start the %1 run").arg(mode);
            return {};
        }
        char line[256];
        while (std::fgets(line, sizeof line, child)) {
            const QList<QByteArray> parts = QByteArray(line).trimmed().split(' ');
            if (parts.size() == 2)
                figures[QString::fromLatin1(parts[0])] << parts[1].toDouble();
        }
        if (::pclose(child) != 0) {
            *error = QStringLiteral("the %1 run failed").arg(mode);
            return {};
        }
    }
    QMap<QString, double> medians;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it)
        medians[it.key()] = Median(it.value());
    return medians;
}
