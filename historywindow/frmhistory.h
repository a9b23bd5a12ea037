#pragma once

#include "historywindow/savelist.h"
#include "rom/romimage.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The save history window: every save of the open image, newest first, the changes of the one
// selected, and Undo, which undoes it as `tolvane-cli undo --save N` does (an undo selected redoes
// what it undid). Modal, so that nothing else writes the image while it is up.
class frmHistory : public QDialog {
    Q_OBJECT
public:
    // Lists the saves of `image`, narrowed to those that changed `entry` ("enemy 12") if given.
    frmHistory(RomImage& image, const QString& entry, QWidget* parent = nullptr);

private:
    // Reads the history afresh and lists it, selecting save `select`, or the newest with 0.
    void reload(quint32 select);
    void fill(quint32 select);
    void showSelected();
    void cmdUndo_Click();
    const ListedSave* selected() const;

    RomImage& m_image;
    std::vector<ListedSave> m_saves;
    bool m_readable = false;

    QLineEdit* txtEntry;
    QTreeWidget* lstSaves;
    QLabel* lblState;
    QPlainTextEdit* txtChanges;
    QPushButton* cmdUndo;
    QPushButton* cmdClose;
};

// Opens the history window over `parent` on the open image, filtered to `entry` if given, and
// waits until it is closed.
void ShowHistoryWindow(QWidget* parent, const QString& entry = {});
