#include "enemies/frmenemy.h"

#include "fields/numbertext.h"
#include "items/itemnames.h"
#include "rom/modstuff.h"
#include "rom/names.h"
#include "windowkit/changemarks.h"
#include "windowkit/fieldcontrols.h"
#include "windowkit/seams.h"
#include "windowkit/selectline.h"
#include "windowkit/twips.h"
#include "windowkit/windowfont.h"
#include "wording/wording.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

frmEnemy::frmEnemy(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEnemy"));
    setWindowTitle(QStringLiteral("Enemy Editor"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    FixClientSizeTwips(this, 4095, 5985);

    cboEnem = makeList(this, "cboEnem", 120, 120, 3855);
    txtHP = makeRow("Label1", QStringLiteral("HP:"), "txtHP", 480);
    txtPP = makeRow("lblPP", QStringLiteral("PP:"), "txtPP", 840);
    txtOff = makeRow("Label2", QStringLiteral("Offense:"), "txtOff", 1200);
    txtDef = makeRow("Label3", QStringLiteral("Defense:"), "txtDef", 1560);

    // The type row is part of the window's design but stays hidden for its whole life.
    Label4 = makeCaption(this, "Label4", QStringLiteral("Type:"), 1920);
    cboType = makeList(this, "cboType", FieldLeft, 1920, 1935);
    cboType->addItems({QStringLiteral("Human"), QStringLiteral("Animal"), QStringLiteral("Metal"),
                       QStringLiteral("<unknown>"), QStringLiteral("Undead"),
                       QStringLiteral("<unknown>"), QStringLiteral("Vehicle"),
                       QStringLiteral("<unknown>")});
    cboType->setFocusPolicy(Qt::NoFocus);
    Label4->hide();
    cboType->hide();

    txtFight = makeRow("Label5", QStringLiteral("Fight:"), "txtFight", 2280);
    txtSpeed = makeRow("Label6", QStringLiteral("Speed:"), "txtSpeed", 2640);
    txtWisdom = makeRow("Label7", QStringLiteral("Wisdom:"), "txtWisdom", 3000);
    txtStr = makeRow("Label8", QStringLiteral("Strength:"), "txtStr", 3360);
    txtForce = makeRow("Label9", QStringLiteral("Force:"), "txtForce", 3720);
    txtExp = makeRow("Label10", QStringLiteral("Experience:"), "txtExp", 4080);
    txtMoney = makeRow("Label11", QStringLiteral("Money:"), "txtMoney", 4440);

    makeCaption(this, "Label12", QStringLiteral("Item:"), 4800);
    cboItem = makeList(this, "cboItem", FieldLeft, 4800, 1935);

    makeCaption(this, "Label13", QStringLiteral("Pointer to Name:"), 5160);
    txtNamePtr = new QLineEdit(this);
    txtNamePtr->setObjectName(QStringLiteral("txtNamePtr"));
    PlaceTwips(txtNamePtr, FieldLeft, 5160, 1095, 285);
    auto* note = new QLabel(QStringLiteral("(hex +- 0x7FF0)"), this);
    note->setObjectName(QStringLiteral("Label14"));
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(note, 2760, 5160, 1215, 255);

    cmdSave = new QPushButton(QStringLiteral("Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setAutoDefault(false);
    PlaceTwips(cmdSave, 120, 5520, 1455, 375);

    FieldControls = BindFieldControls(EnemyFormat, {{"pointer", txtNamePtr},
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
                                                    {"item", cboItem}});

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
        // Each list is filled by one insertion: line by line, every line costs the list a
        // round of change notifications.
        cboItem->addItems(ItemChoices(ItemNames));
    }
    bool loaded = true;
    try {
        EnemyTable = DecodeEnemyTable(*modStuff::RomFile);
        // Read with the same cache as the decode, so that they are of one moment of the file.
        ShownBytes =
            modStuff::RomFile->bytes(EnemyTableOffset, qint64(EnemyCount) * EnemyEntrySize);
    } catch (const RomError& e) {
        loaded = false;
        EnemyTable.assign(EnemyCount, EnemyRecord{});
        ShownBytes.clear();
        ShowMessage(this, QMessageBox::Warning, windowTitle(),
                    QStringLiteral("Cannot read the enemy table.\n%1").arg(ImageErrorText(e)));
    }
    // The placeholders of a failed load are no data: nothing can be edited or saved until a load
    // succeeds.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setEnabled(loaded);
    {
        const QSignalBlocker quiet(cboEnem);
        QStringList lines;
        lines.reserve(EnemyCount);
        for (int n = 0; n < EnemyCount; ++n)
            lines << ListEntryText(EnemyTable[size_t(n)].Name, n);
        cboEnem->addItems(lines);
    }
    if (loaded)
        MarkEntries(cboEnem, *modStuff::RomFile, &EnemyFormat);
    SelectLine(cboEnem, 0);
    cboEnem_Click();
}

void frmEnemy::cboEnem_Click() {
    const int n = cboEnem->currentIndex();
    if (n < 0 || size_t(n) >= EnemyTable.size())
        return;
    const EnemyRecord& r = EnemyTable[size_t(n)];
    // Type / 4, ties to even; a position outside the eight lines is skipped.
    const int type = int(RoundHalfEven(r.Type / 4.0));
    if (type >= 0 && type < cboType->count())
        SelectLine(cboType, type);
    // An item byte above 113 has no line: nothing is selected, and Save keeps the stored byte.
    ShowRecord(EnemyFormat, FieldControls, &r);
    ShowMarks(cboEnem, FieldControls);
}

void frmEnemy::cboType_Click() {
    // The type is shown for information only; nothing reads or saves it.
}

void frmEnemy::txtNamePtr_Change() {
    // The pointer is taken as typed; only Save reads it.
}

void frmEnemy::cmdSave_Click() {
    const int n = cboEnem->currentIndex();
    const QByteArray shown = ShownBytes.mid(qsizetype(n) * EnemyEntrySize, EnemyEntrySize);
    if (const Outcome saved =
            SaveEntry(*modStuff::RomFile, EnemyFormat, n, FormOfControls(FieldControls), shown);
        saved.failed())
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("Save"), SaveText(saved));
    // Whatever happened, the window now shows what the file holds.
    LoadData();
    SelectLine(cboEnem, n);
    cboEnem_Click();
}
