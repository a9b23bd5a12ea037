#include "enemies/frmenemy.h"

#include "fields/numbertext.h"
#include "items/itemnames.h"
#include "rom/modstuff.h"
#include "windowkit/editorframe.h"
#include "windowkit/selectline.h"
#include "windowkit/twips.h"
#include "windowkit/windowfont.h"
#include "wording/windowtext.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {

// One column of rows, 360 twips apart: a right-aligned caption at left 120, its field at 1560.
constexpr int CaptionLeft = 120;
constexpr int FieldLeft = 1560;

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PlaceTwips(label, CaptionLeft, top, 1335, 255);
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, int left, int top, int width) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    PlaceTwips(list, left, top, width, 315);
    return list;
}

} // namespace

frmEnemy::frmEnemy(ImageOpening& opening, QWidget* parent) : QDialog(parent) {
    FrameEditorWindow(this, "frmEnemy", tr("Enemy Editor"), 4095, 5985);

    cboEnem = makeList(this, "cboEnem", 120, 120, 3855);
    txtHP = makeRow("Label1", tr("HP:"), "txtHP", 480);
    txtPP = makeRow("lblPP", tr("PP:"), "txtPP", 840);
    txtOff = makeRow("Label2", tr("Offense:"), "txtOff", 1200);
    txtDef = makeRow("Label3", tr("Defense:"), "txtDef", 1560);

    // The type row is part of the window's design but stays hidden for its whole life; it and its
    // handler are kept as the system's interface.
    Label4 = makeCaption(this, "Label4", tr("Type:"), 1920);
    cboType = makeList(this, "cboType", FieldLeft, 1920, 1935);
    cboType->addItems({tr("Human"), tr("Animal"), tr("Metal"), tr("<unknown>"), tr("Undead"),
                       tr("<unknown>"), tr("Vehicle"), tr("<unknown>")});
    cboType->setFocusPolicy(Qt::NoFocus);
    Label4->hide();
    cboType->hide();

    txtFight = makeRow("Label5", tr("Fight:"), "txtFight", 2280);
    txtSpeed = makeRow("Label6", tr("Speed:"), "txtSpeed", 2640);
    txtWisdom = makeRow("Label7", tr("Wisdom:"), "txtWisdom", 3000);
    txtStr = makeRow("Label8", tr("Strength:"), "txtStr", 3360);
    txtForce = makeRow("Label9", tr("Force:"), "txtForce", 3720);
    txtExp = makeRow("Label10", tr("Experience:"), "txtExp", 4080);
    txtMoney = makeRow("Label11", tr("Money:"), "txtMoney", 4440);

    makeCaption(this, "Label12", tr("Item:"), 4800);
    cboItem = makeList(this, "cboItem", FieldLeft, 4800, 1935);

    makeCaption(this, "Label13", tr("Pointer to Name:"), 5160);
    txtNamePtr = new QLineEdit(this);
    txtNamePtr->setObjectName(QStringLiteral("txtNamePtr"));
    PlaceTwips(txtNamePtr, FieldLeft, 5160, 1095, 285);
    auto* note = new QLabel(tr("(hex +- 0x7FF0)"), this);
    note->setObjectName(QStringLiteral("Label14"));
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(note, 2760, 5160, 1215, 255);

    cmdSave = MakeSaveButton(this, 5520);

    Shown.emplace(ShownTable(this, EnemyFormat, cboEnem,
                             {{"pointer", txtNamePtr},
                              {"hp", txtHP},
                              {"pp", txtPP},
                              {"offense", txtOff},
                              {"defense", txtDef},
                              {"fight", txtFight},
                              {"speed", txtSpeed},
                              {"wisdom", txtWisdom},
                              {"strength", txtStr},
                              {"force", txtForce},
                              {"experience", txtExp},
                              {"money", txtMoney},
                              {"item", cboItem}},
                             EnemyTableUnreadableText, opening));

    QWidget* order[] = {cboEnem,  txtHP,    txtPP,     txtOff,     txtDef,
                        txtFight, txtSpeed, txtWisdom, txtStr,     txtForce,
                        txtExp,   txtMoney, cboItem,   txtNamePtr, cmdSave};
    for (size_t k = 0; k + 1 < std::size(order); ++k)
        setTabOrder(order[k], order[k + 1]);

    ApplyWindowFont(this);
    connect(cboEnem, &QComboBox::activated, this, &frmEnemy::cboEnem_Click);
    connect(cboType, &QComboBox::activated, this, &frmEnemy::cboType_Click);
    connect(txtNamePtr, &QLineEdit::textChanged, this, &frmEnemy::txtNamePtr_Change);
    connect(cmdSave, &QPushButton::clicked, this, &frmEnemy::cmdSave_Click);
    AddEditorKeys(this, cboEnem, cmdSave, [this] { cboEnem_Click(); });
    OfferEntryHistory(cboEnem, [this] { showHistory(); });
    // F5 plays the image; no control of the window's design is added for it.
    auto* play = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(play, &QShortcut::activated, this, [this] {
        Shown->play(
            *modStuff::RomFile, Shown->selected(EnemyTable), [this] { LoadData(); },
            [this] { cboEnem_Click(); });
    });
}

QLineEdit* frmEnemy::makeRow(const char* caption, const QString& text, const char* field, int top) {
    makeCaption(this, caption, text, top);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(field));
    PlaceTwips(edit, FieldLeft, top, 1095, 285);
    return edit;
}

void frmEnemy::Form_Load() {
    EnemyTable.assign(EnemyCount, EnemyRecord{});
    cboEnem->clear();
    LoadData();
    cboEnem->setFocus();
}

void frmEnemy::LoadData() {
    FollowReplacedImage();
    {
        const QSignalBlocker quietItems(cboItem);
        const QSignalBlocker quietEnemies(cboEnem);
        cboItem->clear();
        cboEnem->clear();
        // Filled by one insertion: line by line, every line costs the list a round of change
        // notifications. Line 0 is the window's own word; the exported tables keep the English.
        QStringList choices = ItemChoices(ItemNames);
        choices.first() = tr("<nothing>");
        cboItem->addItems(choices);
    }
    Shown->load(*modStuff::RomFile, EnemyTable, DecodeEnemyTable);
    cboEnem_Click();
}

void frmEnemy::cboEnem_Click() {
    const EnemyRecord* r = Shown->selected(EnemyTable);
    if (!r)
        return;
    // Type / 4, ties to even; a position outside the eight lines is skipped.
    const int type = int(RoundHalfEven(r->Type / 4.0));
    if (type >= 0 && type < cboType->count())
        SelectLine(cboType, type);
    // An item byte above 113 has no line: nothing is selected, and Save keeps the stored byte.
    Shown->show(*r);
}

void frmEnemy::cboType_Click() {
    // Kept as the system's interface. The type is shown for information only; nothing reads or
    // saves it.
}

void frmEnemy::txtNamePtr_Change() {
    // The pointer is taken as typed; only Save reads it.
}

void frmEnemy::cmdSave_Click() {
    Shown->save(
        *modStuff::RomFile, [this] { LoadData(); }, [this] { cboEnem_Click(); });
}

void frmEnemy::showHistory() {
    ShowEntryHistory(
        this, m_history, cboEnem, EnemyFormat, [this] { LoadData(); }, [this] { cboEnem_Click(); });
}
