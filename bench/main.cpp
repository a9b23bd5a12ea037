// The benchmark: every figure of load, save and start-up, on synthetic images in a temporary
// folder, and a closing table against the goals. Options of its own: "--quick" runs everything
// briefly and once, only to check that it still works; "--no-children" leaves out the fresh
// processes (start and peak memory). Google Benchmark's options apply as usual.
#include "children.h"
#include "session.h"
#include "summary.h"

#include <QApplication>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// Runs the fresh processes; returns how many failed.
int runChildren(bool quick, ChildFigures* figures) {
    const struct {
        const char* mode;
        int runs;
    } plan[] = {{"start", quick ? 1 : 9}, {"usual", quick ? 1 : 5}, {"worst", quick ? 1 : 5}};
    int failures = 0;
    for (const auto& step : plan) {
        std::fprintf(stderr, "Fresh processes: %d of %s\n", step.runs, step.mode);
        QString error;
        const QString mode = QLatin1String(step.mode);
        (*figures)[mode] = ChildMedians(mode, step.runs, &error);
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            ++failures;
        } else if ((*figures)[mode].value(QStringLiteral("messages")) > 0) {
            std::fprintf(stderr, "the %s session raised a message\n", step.mode);
            ++failures;
        }
    }
    return failures;
}

} // namespace

int main(int argc, char** argv) {
    // The windows are measured on the offscreen platform unless another one is asked for.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const size_t childLength = std::strlen(ChildOption);
    if (argc > 1 && std::strncmp(argv[1], ChildOption, childLength) == 0)
        return RunChild(QString::fromLocal8Bit(argv[1] + childLength), argc, argv);

    bool quick = false;
    bool children = true;
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    static char once[] = "--benchmark_repetitions=1";
    static char briefly[] = "--benchmark_min_time=0.001";
    std::vector<char*> options{argv[0], repetitions, aggregatesOnly};
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--quick") == 0)
            quick = true;
        else if (std::strcmp(argv[k], "--no-children") == 0)
            children = false;
        else
            options.push_back(argv[k]);
    }
    if (quick) {
        options.insert(options.begin() + 3, once);
        options.insert(options.begin() + 4, briefly);
    }
    int count = int(options.size());
    benchmark::Initialize(&count, options.data());
    if (benchmark::ReportUnrecognizedArguments(count, options.data()))
        return 1;

    // The fresh processes go first, while this one is still small (see ChildMedians).
    ChildFigures childFigures;
    const int failures = children ? runChildren(quick, &childFigures) : 0;

    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    SummaryReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Defaults
                                                     : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("Image files on %s, where the sync is measured\n",
                qPrintable(BenchSession::get().folder().fileSystem()));
    BenchSession::shutdown();

    std::printf("Machine: %d cores\n", QThread::idealThreadCount());
    PrintSummary(reporter, childFigures);
    benchmark::Shutdown();
    return failures == 0 && reporter.errors() == 0 ? 0 : 1;
}
