// The two editors as the user meets them: a load at every showing, a save with its reload, the
// sync that ends a save, the worst image, and the main window coming up.
#include "session.h"
#include "syncskip.h"

#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "rom/names.h"
#include "windowkit/numericfield.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>

namespace {

template <class Widget> Widget* control(QWidget* window, const char* name) {
    auto* found = window->findChild<Widget*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The file's bytes as they stand on disk, read past the editor.
QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read back %s", qPrintable(path));
    return file.readAll();
}

// Chooses an entry as the user does, which shows it.
void chooseEntry(QWidget* window, const char* list, int index) {
    auto* box = control<QComboBox>(window, list);
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

// The entry the typical edit saves.
constexpr int SavedEntry = 12;

// Outside the timing, shows another entry than 0, as when the editor was last closed: a load
// then has to set every field anew, where showing entry 0 again would skip each equal text.
void leaveEntryZero(benchmark::State& state, QWidget* editor, const char* list) {
    state.PauseTiming();
    chooseEntry(editor, list, SavedEntry);
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void LoadItemEditor(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    frmItem& editor = session.itemEditor();
    for (auto _ : state) {
        leaveEntryZero(state, &editor, "cboItem");
        editor.Form_Load();
    }
    if (control<QComboBox>(&editor, "cboItem")->count() != ItemCount ||
        control<QLineEdit>(&editor, "txtName")->text() != editor.itemTable().front().Name)
        state.SkipWithError("the item editor did not show item 0 after its load");
    session.failIfMessages(state);
}

void LoadEnemyEditor(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    frmEnemy& editor = session.enemyEditor();
    for (auto _ : state) {
        leaveEntryZero(state, &editor, "cboEnem");
        editor.Form_Load();
    }
    if (control<QComboBox>(&editor, "cboEnem")->count() != EnemyCount ||
        control<QComboBox>(&editor, "cboItem")->count() != HighestItem + 1 ||
        control<QLineEdit>(&editor, "txtHP")->text() !=
            QString::number(editor.enemyTable().front().HP))
        state.SkipWithError("the enemy editor did not show entry 0 after its load");
    session.failIfMessages(state);
}

// How a save is timed: without the sync (which has a figure of its own), as the user meets it
// with the sync, or as the first save after an opening, which first backs the image up.
enum class SaveTiming { NoSync, WithSync, FirstAfterOpen };

// Saves the chosen entry by its Save button again and again, each time with a different value in
// `field`, then checks that the last value reached the file. `stored` reads it from the file.
template <class Stored>
void measureSave(benchmark::State& state, QWidget& editor, const char* list, const char* field,
                 Stored stored, SaveTiming timing = SaveTiming::NoSync,
                 const std::function<void()>& loadAgain = {}) {
    BenchSession& session = BenchSession::get();
    auto* edit = control<QLineEdit>(&editor, field);
    auto* save = control<QPushButton>(&editor, "cmdSave");
    const long skippedBefore = SkippedSyncs();
    // The backup's own sync, when the first save of an opening falls into the loop.
    const bool backedUpBefore = modStuff::RomFile->backupMade();
    const QString backup = session.usualPath() + QStringLiteral(".bak");
    int value = 0;
    {
        std::optional<SyncSkipped> noSync;
        if (timing == SaveTiming::NoSync)
            noSync.emplace();
        for (auto _ : state) {
            state.PauseTiming();
            if (timing == SaveTiming::FirstAfterOpen) {
                QFile::remove(backup);
                session.open(session.usualPath());
                loadAgain();
                chooseEntry(&editor, list, SavedEntry);
            }
            value = value == 300 ? 700 : 300;
            SetFieldText(edit, QString::number(value));
            QCoreApplication::processEvents();
            state.ResumeTiming();
            save->click();
        }
    }
    // Each save syncs its history record and then the image. A backup adds its own sync and its
    // folder's; a history made anew, its folder's.
    const long skipped = SkippedSyncs() - skippedBefore;
    const long extra = (!backedUpBefore && modStuff::RomFile->backupMade() ? 2 : 0) + 1;
    if (timing == SaveTiming::NoSync ? skipped < 2 * long(state.iterations()) ||
                                           skipped > 2 * long(state.iterations()) + extra
                                     : skipped != 0)
        state.SkipWithError("the sync was not left out of the save, or was left out wrongly");
    else if (stored(fileBytes(session.usualPath())) != value || edit->text().toInt() != value)
        state.SkipWithError("the saved value is not in the file or not shown after the reload");
    else if (timing == SaveTiming::FirstAfterOpen &&
             QFileInfo(backup).size() != QFileInfo(session.usualPath()).size())
        state.SkipWithError("the first save made no backup of the whole image");
    session.failIfMessages(state);
}

void SaveItem(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    frmItem& editor = session.itemEditor();
    editor.Form_Load();
    chooseEntry(&editor, "cboItem", SavedEntry);
    const qint32 cost = ItemEntryOffset(SavedEntry) + 6;
    measureSave(state, editor, "cboItem", "txtCost", [cost](const QByteArray& bytes) {
        return quint8(bytes.at(cost)) | quint8(bytes.at(cost + 1)) << 8;
    });
}

void SaveEnemy(benchmark::State& state, SaveTiming timing) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    frmEnemy& editor = session.enemyEditor();
    editor.Form_Load();
    chooseEntry(&editor, "cboEnem", SavedEntry);
    const qint32 hp = EnemyEntryOffset(SavedEntry) + 0x03;
    measureSave(
        state, editor, "cboEnem", "txtHP",
        [hp](const QByteArray& bytes) {
            return (quint8(bytes.at(hp + 1)) & 0x03) << 8 | quint8(bytes.at(hp));
        },
        timing, [&editor] { editor.Form_Load(); });
}

// The sync alone, after the writes of one enemy save have made the file dirty.
void SyncAfterSave(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    session.open(session.usualPath());
    frmEnemy& editor = session.enemyEditor();
    editor.Form_Load();
    chooseEntry(&editor, "cboEnem", SavedEntry);
    auto* hp = control<QLineEdit>(&editor, "txtHP");
    auto* save = control<QPushButton>(&editor, "cmdSave");
    int value = 0;
    for (auto _ : state) {
        state.PauseTiming();
        value = value == 300 ? 700 : 300;
        SetFieldText(hp, QString::number(value));
        {
            const SyncSkipped noSync;
            save->click();
        }
        state.ResumeTiming();
        modStuff::RomFile->sync();
    }
    if (session.folder().onMemoryFileSystem())
        state.SkipWithError("the images lie on a memory file system, where a sync costs nothing");
    state.SetLabel(session.folder().fileSystem().toStdString());
    session.failIfMessages(state);
}

// Opening the image of all 0xFF bytes, then loading both editors on it.
void WorstImage(benchmark::State& state) {
    BenchSession& session = BenchSession::get();
    frmItem& items = session.itemEditor();
    frmEnemy& enemies = session.enemyEditor();
    for (auto _ : state) {
        session.open(session.worstPath());
        items.Form_Load();
        enemies.Form_Load();
        SettleWindows(state);
    }
    if (items.itemTable().front().Name.size() != MaxNameLength)
        state.SkipWithError("the item names did not run to their limit: not the worst image");
    session.failIfMessages(state);
    session.open(session.usualPath());
}

// The main window made and shown again in a process that has shown it before; the cold figure
// comes from fresh processes (children.cpp).
void MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<frmMain>();
        window->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(LoadItemEditor)->Name("load/frmItem")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(LoadEnemyEditor)->Name("load/frmEnemy")->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(SaveItem)
    ->Name("save_reload/frmItem/no_sync")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(SaveEnemy, no_sync, SaveTiming::NoSync)
    ->Name("save_reload/frmEnemy/no_sync")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(SaveEnemy, with_sync, SaveTiming::WithSync)
    ->Name("save/frmEnemy/checks_writes_sync_reload")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(SaveEnemy, first, SaveTiming::FirstAfterOpen)
    ->Name("first_save/frmEnemy/backup_256KiB")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SyncAfterSave)
    ->Name("sync/after_enemy_save")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(WorstImage)
    ->Name("worst_image/open_and_load_both")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(MainWindowShown)
    ->Name("start/frmMain_shown/warm")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
