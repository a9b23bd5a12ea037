#include "session.h"

#include "enemies/frmenemy.h"
#include "items/frmitem.h"
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "windowkit/seams.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<BenchSession>& instance() {
    static std::unique_ptr<BenchSession> session;
    return session;
}

} // namespace

BenchSession& BenchSession::get() {
    if (!instance())
        instance().reset(new BenchSession);
    return *instance();
}

void BenchSession::shutdown() {
    instance().reset();
    SetMessageHandler({});
    SetOpenDialogHandler({});
}

BenchSession::BenchSession()
    : m_usual(m_folder.write(QStringLiteral("usual.nes"), UsualImageBytes())),
      m_worst(m_folder.write(QStringLiteral("worst.nes"), WorstImageBytes())) {
    SetMessageHandler(
        [this](QWidget*, QMessageBox::Icon, const QString& title, const QString& text) {
            m_messages << title + QStringLiteral(": ") + text;
        });
}

frmMain& BenchSession::mainWindow() {
    if (!m_main) {
        m_main = std::make_unique<frmMain>();
        m_main->show();
        QCoreApplication::processEvents();
    }
    return *m_main;
}

frmItem& BenchSession::itemEditor() {
    frmMain& main = mainWindow();
    ensureImage();
    if (!main.itemEditor()) {
        // The editor is made by its own button; the modal run it starts ends at once.
        QMetaObject::invokeMethod(
            &main, [&main] { main.itemEditor()->done(0); }, Qt::QueuedConnection);
        main.findChild<QPushButton*>(QStringLiteral("cmdItem"))->click();
    }
    main.itemEditor()->show();
    return *main.itemEditor();
}

frmEnemy& BenchSession::enemyEditor() {
    frmMain& main = mainWindow();
    ensureImage();
    if (!main.enemyEditor()) {
        QMetaObject::invokeMethod(
            &main, [&main] { main.enemyEditor()->done(0); }, Qt::QueuedConnection);
        main.findChild<QPushButton*>(QStringLiteral("cmdEnemy"))->click();
    }
    main.enemyEditor()->show();
    return *main.enemyEditor();
}

void BenchSession::ensureImage() {
    // An editor loads the open image the moment it is made.
    if (!modStuff::RomFile)
        open(m_usual);
}

void BenchSession::open(const QString& path) {
    SetOpenDialogHandler([path](QWidget*) { return path; });
    mainWindow().findChild<QToolButton*>(QStringLiteral("cmdOpen"))->click();
}

void BenchSession::failIfMessages(benchmark::State& state) {
    if (!m_messages.isEmpty() && !state.error_occurred())
        state.SkipWithError(qPrintable(m_messages.join(QLatin1Char('\n'))));
    m_messages.clear();
}

void SettleWindows(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}
