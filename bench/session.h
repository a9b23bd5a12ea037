#pragma once

#include "benchimages.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace benchmark {
class State;
}
class frmEnemy;
class frmItem;
class frmMain;

// What the benchmarks share: the image files, and the main window with its two editors, made once
// and reused as the program reuses them. The editors are shown, not run modally, so that a
// benchmark can drive them; every message they raise is recorded instead of shown.
class BenchSession {
public:
    static BenchSession& get();
    // Destroys the windows; called before the application object goes.
    static void shutdown();

    const BenchFolder& folder() const { return m_folder; }
    const QString& usualPath() const { return m_usual; }
    const QString& worstPath() const { return m_worst; }

    frmMain& mainWindow();
    frmItem& itemEditor();
    frmEnemy& enemyEditor();

    // Opens `path` through the main window's Open button, as the user does.
    void open(const QString& path);

    // Marks the run failed if a window raised a message since the last call: a figure taken
    // while the editor refused its work would be meaningless.
    void failIfMessages(benchmark::State& state);

private:
    BenchSession();
    void ensureImage();

    BenchFolder m_folder;
    QString m_usual;
    QString m_worst;
    QStringList m_messages;
    std::unique_ptr<frmMain> m_main;
};

// Handles the events the shown windows have waiting (painting above all) outside the timing.
void SettleWindows(benchmark::State& state);
