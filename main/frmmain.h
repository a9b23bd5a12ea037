#pragma once

#include "tables/imageopening.h"
#include "tables/recovery.h"
#include "tables/tablerows.h"

#include <QWidget>

class QDragEnterEvent;
class QDropEvent;
class QFileDialog;
class QGroupBox;
class QPushButton;
class QToolButton;
class frmItem;
class frmEnemy;

// The startup window: opens an image, and leads to the two editors once one is open.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The editors, created on the first press of their buttons and reused; null before.
    frmItem* itemEditor() const { return m_item; }
    frmEnemy* enemyEditor() const { return m_enemy; }

    // The open-image sequence after the path is known. The open dialog, a path given on the
    // command line and a file dropped on the window all come through here, so each gives the same
    // messages and leaves the same state.
    void openImage(const QString& path);

    // What belongs to the opening of the image beyond the process-wide names: the original the
    // marks compare with. The window hands it to every window it opens.
    ImageOpening& imageOpening() { return m_opening; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void cmdOpen_Click();
    void cmdItem_Click();
    void cmdEnemy_Click();
    // Shows `table` whole in a table window titled `title`, over the image as it stands.
    void openTable(Table table, const QString& title);
    void Form_Unload();
    QString askImagePath();
    // Tells the user what the opening did with a save that a crash had cut short.
    void reportRecovery(const QString& path, const OpenedImage& opened);

    QFileDialog* dlg = nullptr;
    QToolButton* cmdOpen;
    QGroupBox* fraMain;
    QPushButton* cmdItem;
    QPushButton* cmdEnemy;
    QPushButton* cmdPSI;
    QPushButton* cmdText;
    QPushButton* cmdItemTable;
    QPushButton* cmdEnemyTable;
    QPushButton* cmdHistory;
    QPushButton* cmdPlay;
    frmItem* m_item = nullptr;
    frmEnemy* m_enemy = nullptr;
    ImageOpening m_opening;
};
