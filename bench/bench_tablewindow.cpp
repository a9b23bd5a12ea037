// The table window as the user meets it: the enemy table from the button's click to its first
// paint, a sort of its 121 rows, and a Save of 121 edited entries with its reload.
#include "session.h"

#include "enemies/enemyrecord.h"
#include "items/itemrecord.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "tables/tablegrid.h"
#include "tablewindow/frmtable.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

constexpr int HpColumn = TableGrid::FirstField + 1;

// Ends the table window's modal run once its grid has painted, and takes the time then.
class FirstPaint : public QObject {
public:
    QElapsedTimer clock;
    qint64 nanoseconds = -1;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (nanoseconds >= 0 || event->type() != QEvent::Paint || !widget ||
            !qobject_cast<QTableView*>(widget->parentWidget()))
            return false;
        // Posted now, run once the paint has finished.
        auto* window = qobject_cast<QDialog*>(widget->window());
        QTimer::singleShot(0, window, [this, window] {
            nanoseconds = clock.nsecsElapsed();
            window->done(0);
        });
        return false;
    }
};

void OpenEnemyTable(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    auto* button = session.mainWindow().findChild<QPushButton*>(QStringLiteral("cmdEnemyTable"));
    FirstPaint painted;
    qApp->installEventFilter(&painted);
    for (auto _ : state) {
        painted.nanoseconds = -1;
        painted.clock.start();
        button->click();
        if (painted.nanoseconds < 0) {
            state.SkipWithError("the table window closed before it painted");
            break;
        }
        state.SetIterationTime(double(painted.nanoseconds) / 1e9);
    }
    qApp->removeEventFilter(&painted);
    session.failIfMessages(state);
}

// A window over the open image, as the button makes it, never shown.
std::unique_ptr<frmTable> enemyTable() {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    return std::make_unique<frmTable>(session.mainWindow().imageOpening(), *modStuff::RomFile,
                                      &EnemyFormat, Tables{&ItemFormat, &EnemyFormat},
                                      QStringList(), QStringLiteral("Enemy Table"));
}

void SortEnemyTable(benchmark::State& state) {
    const auto window = enemyTable();
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        window->view()->sortByColumn(HpColumn, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    if (window->view()->model()->rowCount() != EnemyCount)
        state.SkipWithError("the sorted grid lost rows");
    BenchSession::get().failIfMessages(state);
}

void SaveEnemyTable(benchmark::State& state) {
    const auto window = enemyTable();
    TableGrid* grid = window->grid();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++round;
        for (int row = 0; row < EnemyCount; ++row)
            grid->setData(grid->index(row, HpColumn), QString::number((row + round) % 1000));
        state.ResumeTiming();
        if (!window->save())
            state.SkipWithError("the Save was refused");
    }
    if (grid->index(7, HpColumn).data(TableGrid::ExportRole).toInt() != (7 + round) % 1000)
        state.SkipWithError("the last Save did not reach the file");
    BenchSession::get().failIfMessages(state);
}

} // namespace

BENCHMARK(OpenEnemyTable)
    ->Name("table/open_enemies_first_paint")
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();
BENCHMARK(SortEnemyTable)->Name("table/sort_121")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SaveEnemyTable)
    ->Name("table/save_121_edits")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
