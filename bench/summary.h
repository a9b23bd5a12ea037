#pragma once

#include <QMap>
#include <QString>

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>

// The console output of Google Benchmark, keeping the median of every benchmark (or its single
// run, without repetitions) for the closing table.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    struct Figure {
        double milliseconds = 0;    // real time per iteration
        double cpuMilliseconds = 0; // the process's processor time per iteration
        std::map<std::string, double> counters;
    };

    void ReportRuns(const std::vector<Run>& runs) override;
    std::optional<Figure> figure(const std::string& name) const;
    // Benchmarks that reported an error instead of a figure.
    int errors() const { return m_errors; }

private:
    std::map<std::string, Figure> m_figures;
    int m_errors = 0;
};

// Figures of the fresh processes, by child mode ("start", "usual", "worst") and figure name.
using ChildFigures = QMap<QString, QMap<QString, double>>;

// Prints every figure against its goal; returns how many goals were missed.
int PrintSummary(const SummaryReporter& runs, const ChildFigures& children);
