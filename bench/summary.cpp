#include "summary.h"

#include <cstdio>

namespace {

double toMilliseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond:
        return value / 1e6;
    case benchmark::kMicrosecond:
        return value / 1e3;
    case benchmark::kMillisecond:
        return value;
    case benchmark::kSecond:
        return value * 1e3;
    }
    return value;
}

struct Row {
    std::string label;
    std::string measured;
    std::string goal;
    std::string verdict;
    std::string cpu;
};

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string milliseconds(double ms) {
    return format(ms < 1 ? "%.3f ms" : ms < 100 ? "%.2f ms" : "%.0f ms", ms);
}

// Megabytes of 10^6 bytes, from the kilobytes of 1024 bytes that getrusage reports.
double megabytes(double kilobytes) {
    return kilobytes * 1024 / 1e6;
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.error_occurred)
            ++m_errors;
        if (run.error_occurred || !(single || median))
            continue;
        Figure& figure = m_figures[run.run_name.function_name];
        figure.milliseconds = toMilliseconds(run.GetAdjustedRealTime(), run.time_unit);
        figure.cpuMilliseconds = toMilliseconds(run.GetAdjustedCPUTime(), run.time_unit);
        for (const auto& [name, counter] : run.counters)
            figure.counters[name] = counter.value;
    }
}

std::optional<SummaryReporter::Figure> SummaryReporter::figure(const std::string& name) const {
    const auto found = m_figures.find(name);
    if (found == m_figures.end())
        return std::nullopt;
    return found->second;
}

int PrintSummary(const SummaryReporter& runs, const ChildFigures& children) {
    std::vector<Row> rows;
    int missed = 0;
    const auto judge = [&missed](bool met) {
        missed += met ? 0 : 1;
        return std::string(met ? "met" : "MISSED");
    };
    const auto missing = [&rows](const std::string& label) {
        rows.push_back({label, "not measured", "", "", ""});
    };
    const auto timed = [&](const std::string& name, const std::string& label, double goalMs) {
        const auto figure = runs.figure(name);
        if (!figure)
            return missing(label);
        Row row{label, milliseconds(figure->milliseconds), "", "",
                milliseconds(figure->cpuMilliseconds)};
        if (const auto reads = figure->counters.find("reads"); reads != figure->counters.end())
            row.measured += format(", %.0f reads", reads->second);
        if (goalMs > 0) {
            row.goal = "<= " + milliseconds(goalMs);
            row.verdict = judge(figure->milliseconds <= goalMs);
        }
        rows.push_back(row);
    };
    const auto ratio = [&](const std::string& table) {
        const auto fast = runs.figure("decode/" + table);
        const auto slow = runs.figure("decode/" + table + "/per_byte");
        const std::string label = "decode speed-up over one read per byte, " + table;
        if (!fast || !slow || fast->milliseconds <= 0)
            return missing(label);
        const double times = slow->milliseconds / fast->milliseconds;
        rows.push_back({label, format("%.0fx", times), ">= 50x", judge(times >= 50), ""});
    };
    const auto child = [&](const QString& mode, const QString& name, const std::string& label,
                           bool memory, double goal) {
        const auto figures = children.value(mode);
        if (!figures.contains(name))
            return missing(label);
        const double value = memory ? megabytes(figures.value(name)) : figures.value(name);
        Row row{label, memory ? format("%.1f MB", value) : milliseconds(value), "", "", ""};
        if (goal > 0) {
            row.goal = memory ? format("<= %.0f MB", goal) : "<= " + milliseconds(goal);
            row.verdict = judge(value <= goal);
        }
        rows.push_back(row);
    };

    timed("decode/items", "item table decode", 0);
    timed("decode/items/per_byte", "item table decode, one read per byte", 0);
    ratio("items");
    timed("decode/enemies", "enemy table decode", 0);
    timed("decode/enemies/per_byte", "enemy table decode, one read per byte", 0);
    ratio("enemies");
    timed("load/frmItem", "item editor load", 0.3);
    timed("load/frmEnemy", "enemy editor load", 0.3);
    timed("save_reload/frmItem/no_sync", "item save + reload, without the sync", 0.5);
    timed("save_reload/frmEnemy/no_sync", "enemy save + reload, without the sync", 0.5);
    timed("sync/after_enemy_save", "sync after a save, on disk", 0);
    timed("save/frmEnemy/checks_writes_sync_reload", "enemy Save as the user meets it, on disk", 1);
    timed("first_save/frmEnemy/backup_256KiB", "first Save of an opening, with its backup", 5);
    timed("table/open_enemies_first_paint", "enemy table window, click to first paint", 100);
    timed("table/sort_121", "sort of the enemy table's 121 rows", 10);
    timed("table/save_121_edits", "table Save of 121 edited entries, with its reload", 20);
    timed("batch/edit_121", "tolvane-cli edit of the whole enemy table, in process", 20);
    timed("batch/where_121", "a Where over the enemy table's 121 rows", 5);
    timed("open/no_history", "open an image, no history", 0);
    timed("open/history_10000", "open an image, 10,000-record history", 0);
    if (const auto plain = runs.figure("open/no_history"), kept = runs.figure("open/history_10000");
        plain && kept) {
        const double extra = kept->milliseconds - plain->milliseconds;
        rows.push_back({"open: extra for a 10,000-record history", milliseconds(extra),
                        "<= 2.00 ms", judge(extra <= 2), ""});
    } else {
        missing("open: extra for a 10,000-record history");
    }
    timed("history/10000_records", "history of 10,000 records", 200);
    timed("history/window_10000", "history window on 10,000 records", 200);
    timed("history/crafted_2MiB", "info with a crafted 2 MiB history", 200);
    timed("changes/history_10000", "changes of an image with a 10,000-record history", 100);
    timed("merge/usual", "merge of two lines of work, written to disk", 50);
    timed("entry_rule/10000_texts", "numeric entry rule, 10,000 texts", 0);
    child(QStringLiteral("start"), QStringLiteral("application_ms"),
          "QApplication constructed (fresh process)", false, 0);
    child(QStringLiteral("start"), QStringLiteral("main_window_ms"),
          "then frmMain constructed and shown", false, 0);
    child(QStringLiteral("start"), QStringLiteral("start_ms"), "start in the process, in all",
          false, 40);
    timed("start/frmMain_shown/warm", "frmMain constructed and shown again (warm)", 0);
    timed("worst_image/open_and_load_both", "worst image: open, load both editors", 1000);
    child(QStringLiteral("worst"), QStringLiteral("open_and_show_both_ms"),
          "worst image: open, show both editors (fresh process)", false, 1000);
    child(QStringLiteral("usual"), QStringLiteral("open_and_show_both_ms"),
          "usual image: open, show both editors (fresh process)", false, 0);
    child(QStringLiteral("start"), QStringLiteral("peak_kb"), "peak memory, started, no image",
          true, 0);
    child(QStringLiteral("usual"), QStringLiteral("peak_kb"), "peak memory, usual image", true, 40);
    child(QStringLiteral("worst"), QStringLiteral("peak_kb"), "peak memory, worst image", true, 80);

    // Processor time beside the real time: on a machine busy with other work the two part.
    std::printf("\nFigures against their goals (medians)\n");
    const char* const line = "%-54s %-22s %-10s %-12s %s\n";
    std::printf(line, "figure", "measured", "cpu", "goal", "");
    for (const Row& row : rows)
        std::printf(line, row.label.c_str(), row.measured.c_str(), row.cpu.c_str(),
                    row.goal.c_str(), row.verdict.c_str());
    std::printf("Start from outside until the main window is shown: bench/startup.sh.\n");
    std::fflush(stdout);
    return missed;
}
