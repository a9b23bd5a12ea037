#pragma once

#include "rom/romimage.h"
#include "tables/imageopening.h"
#include "tables/tablerows.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableView;
class ShownRows;
class TableChart;
class TableGrid;
struct Outcome;

// The whole of one table in a grid: every entry a row, sorted, filtered, edited, pasted and
// charted, and saved as one transaction.
class frmTable : public QDialog {
    Q_OBJECT
public:
    // `rom` is the open image and `opening` its opening, whose original the marks compare with;
    // both must outlive the window. `table` is one of `tables`, whose entries may share name text
    // with it; `itemNames` name the items an item column shows.
    frmTable(ImageOpening& opening, RomImage& rom, Table table, const Tables& tables,
             const QStringList& itemNames, const QString& title, QWidget* parent = nullptr);
    ~frmTable() override;

    TableGrid* grid() const { return m_grid; }
    QTableView* view() const { return m_view; }

    // Writes every unsaved edit as one transaction, then reads the table again. False when it was
    // refused: the user was told why, and the edits stay.
    bool save();

    // Plays the image in the user's emulator, first asking whether to save unsaved edits.
    void play();

    // Asks what to do with unsaved edits before the window closes.
    void reject() override;

private:
    void reload();
    void copy();
    void paste();
    void putBack();
    void showChart();
    void showRefused(const Outcome& why);
    void showPasteRefused(const Outcome& why);
    void showPending();
    void applyWhere();
    void applySet();
    QStringList captions() const;

    ImageOpening& m_opening;
    RomImage& m_rom;
    QStringList m_itemNames;
    TableGrid* m_grid;
    ShownRows* m_shown;
    QTableView* m_view;
    QLineEdit* m_filter;
    QLineEdit* m_where;
    QLineEdit* m_set;
    QCheckBox* m_clamp;
    QCheckBox* m_line;
    QPushButton* m_save;
    TableChart* m_chart;
};
