#pragma once

#include "items/itemrecord.h"
#include "windowkit/editorkeys.h"
#include "windowkit/showntable.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The item editor: lists the 114 items, shows the chosen one, and writes it back on Save.
class frmItem : public QDialog {
    Q_OBJECT
public:
    // `opening` is the open image's, handed by the main window; it must outlive the window.
    explicit frmItem(ImageOpening& opening, QWidget* parent = nullptr);

    // Runs at every showing: the table is read afresh from the image and item 0 is shown.
    void Form_Load();
    // Rereads the whole table, rebuilds the list and shows item 0.
    void LoadData();
    const std::vector<ItemRecord>& itemTable() const { return ItemTable; }

    // How "Save history of this entry…" opens the history window; handed by the main window.
    void setHistoryOpener(HistoryOpener opener) { m_history = std::move(opener); }

private:
    void showHistory();
    void cboItem_Click();
    void cmdSave_Click();
    QLineEdit* makeField(const char* name, int left, int top, int width);
    QLabel* makeCaption(const char* name, const QString& text, int left, int top, int width,
                        bool rightAligned);
    QCheckBox* makeCheck(const char* name, const QString& text, int left, int top);

    std::vector<ItemRecord> ItemTable;
    // Made once the controls it binds stand.
    std::optional<ShownTable> Shown;

    QComboBox* cboItem;
    QLineEdit* txtName;
    QLineEdit* txtNamePtr;
    QLineEdit* txtStr;
    QLineEdit* txtEffOut;
    QLineEdit* txtEffIn;
    QLineEdit* txtCost;
    QCheckBox* chkPerm;
    QCheckBox* chkEdible;
    QCheckBox* chkNinten;
    QCheckBox* chkAna;
    QCheckBox* chkLoid;
    QCheckBox* chkTeddy;
    QPushButton* cmdSave;
    HistoryOpener m_history;
};
