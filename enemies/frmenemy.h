#pragma once

#include "enemies/enemyrecord.h"
#include "windowkit/editorkeys.h"
#include "windowkit/showntable.h"

#include <QDialog>

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The enemy editor: lists the 121 enemies, shows the chosen one, and writes it back on Save.
class frmEnemy : public QDialog {
    Q_OBJECT
public:
    // `opening` is the open image's, handed by the main window; it must outlive the window.
    explicit frmEnemy(ImageOpening& opening, QWidget* parent = nullptr);

    // Runs at every showing: the table is read afresh from the image and entry 0 is shown.
    void Form_Load();
    // Rebuilds the item list from the item names, rereads the whole table, rebuilds the enemy
    // list and shows entry 0.
    void LoadData();
    const std::vector<EnemyRecord>& enemyTable() const { return EnemyTable; }

    // How "Save history of this entry…" opens the history window; handed by the main window.
    void setHistoryOpener(HistoryOpener opener) { m_history = std::move(opener); }

private:
    void showHistory();
    void cboEnem_Click();
    void cboType_Click();
    void txtNamePtr_Change();
    void cmdSave_Click();
    QLineEdit* makeRow(const char* caption, const QString& text, const char* field, int top);

    std::vector<EnemyRecord> EnemyTable;
    // Made once the controls it binds stand.
    std::optional<ShownTable> Shown;

    QComboBox* cboEnem;
    QLineEdit* txtHP;
    QLineEdit* txtPP;
    QLineEdit* txtOff;
    QLineEdit* txtDef;
    QLabel* Label4;
    QComboBox* cboType;
    QLineEdit* txtFight;
    QLineEdit* txtSpeed;
    QLineEdit* txtWisdom;
    QLineEdit* txtStr;
    QLineEdit* txtForce;
    QLineEdit* txtExp;
    QLineEdit* txtMoney;
    QComboBox* cboItem;
    QLineEdit* txtNamePtr;
    QPushButton* cmdSave;
    HistoryOpener m_history;
};
