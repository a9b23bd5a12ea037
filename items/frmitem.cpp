#include "items/frmitem.h"

#include "items/itemnames.h"
#include "rom/modstuff.h"
#include "windowkit/editorframe.h"
#include "windowkit/numericfield.h"
#include "windowkit/selectline.h"
#include "windowkit/twips.h"
#include "windowkit/windowfont.h"
#include "wording/windowtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

frmItem::frmItem(ImageOpening& opening, QWidget* parent) : QDialog(parent) {
    FrameEditorWindow(this, "frmItem", tr("Item Editor"), 4440, 4200);

    cboItem = new QComboBox(this);
    cboItem->setObjectName(QStringLiteral("cboItem"));
    PlaceTwips(cboItem, 120, 120, 2895, 315);

    // The name is display only; it is enabled while the shown item has a name.
    txtName = makeField("txtName", 120, 480, 2895);
    txtName->setReadOnly(true);

    makeCaption("Label1", tr("Pointer to name"), 120, 840, 1695, true);
    txtNamePtr = makeField("txtNamePtr", 1920, 840, 1095);
    makeCaption("Label7", tr("(hex +- 0x7FF0)"), 3120, 840, 1095, false);
    makeCaption("Label2", tr("Equippable/Item strength"), 0, 1200, 1815, true);
    txtStr = makeField("txtStr", 1920, 1200, 1095);
    makeCaption("Label3", tr("0 = non-equip"), 3120, 1200, 1095, false);
    makeCaption("Label4", tr("Effect out of battle"), 0, 1560, 1815, true);
    txtEffOut = makeField("txtEffOut", 1920, 1560, 1095);
    makeCaption("Label5", tr("Effect in battle"), 0, 1920, 1815, true);
    txtEffIn = makeField("txtEffIn", 1920, 1920, 1095);
    makeCaption("Label6", tr("Cost"), 0, 2280, 1815, true);
    txtCost = makeField("txtCost", 1920, 2280, 1095);

    chkPerm = makeCheck("chkPerm", tr("Permanent"), 120, 2640);
    chkEdible = makeCheck("chkEdible", tr("Edible"), 120, 2880);
    chkNinten = makeCheck("chkNinten", tr("Ninten"), 1320, 2640);
    chkAna = makeCheck("chkAna", tr("Ana"), 1320, 2880);
    chkLoid = makeCheck("chkLoid", tr("Loid"), 1320, 3120);
    chkTeddy = makeCheck("chkTeddy", tr("Teddy"), 1320, 3360);

    cmdSave = MakeSaveButton(this, 3720);

    for (QLineEdit* typedFour : {txtNamePtr, txtStr, txtEffOut, txtEffIn, txtCost})
        LimitTypedLength(typedFour, 4);
    Shown.emplace(ShownTable(this, ItemFormat, cboItem,
                             {{"pointer", txtNamePtr},
                              {"strength", txtStr},
                              {"effect_out", txtEffOut},
                              {"effect_in", txtEffIn},
                              {"cost", txtCost},
                              {"permanent", chkPerm},
                              {"edible", chkEdible},
                              {"ninten", chkNinten},
                              {"ana", chkAna},
                              {"loid", chkLoid},
                              {"teddy", chkTeddy}},
                             ItemTableUnreadableText, opening, txtName));

    const QWidget* order[] = {txtNamePtr, txtStr,   txtEffOut, txtEffIn,  txtCost,
                              cmdSave,    chkPerm,  chkEdible, chkNinten, chkAna,
                              chkLoid,    chkTeddy, cboItem,   txtName};
    for (size_t k = 0; k + 1 < std::size(order); ++k)
        setTabOrder(const_cast<QWidget*>(order[k]), const_cast<QWidget*>(order[k + 1]));

    ApplyWindowFont(this);
    connect(cboItem, &QComboBox::activated, this, &frmItem::cboItem_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmItem::cmdSave_Click);
    AddEditorKeys(this, cboItem, cmdSave, [this] { cboItem_Click(); });
    OfferEntryHistory(cboItem, [this] { showHistory(); });
    // F5 plays the image; no control of the window's design is added for it.
    auto* play = new QShortcut(QKeySequence(Qt::Key_F5), this);
    connect(play, &QShortcut::activated, this, [this] {
        Shown->play(
            *modStuff::RomFile, Shown->selected(ItemTable), [this] { LoadData(); },
            [this] { cboItem_Click(); });
    });
}

QLineEdit* frmItem::makeField(const char* name, int left, int top, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    PlaceTwips(edit, left, top, width, 285);
    return edit;
}

QLabel* frmItem::makeCaption(const char* name, const QString& text, int left, int top, int width,
                             bool rightAligned) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setAlignment((rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    PlaceTwips(label, left, top, width, 255);
    return label;
}

QCheckBox* frmItem::makeCheck(const char* name, const QString& text, int left, int top) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    PlaceTwips(box, left, top, 1095, 255);
    return box;
}

void frmItem::Form_Load() {
    ItemTable.assign(ItemCount, ItemRecord{});
    LoadData();
    txtNamePtr->setFocus();
}

void frmItem::LoadData() {
    FollowReplacedImage();
    Shown->load(*modStuff::RomFile, ItemTable, DecodeItemTable);
    // Line 0 is selected quietly, so the first run stands for the list's selection event and the
    // second is the load's own direct call. The second changes nothing, since an equal text is not
    // assigned again; it stays on purpose, so that a load runs the display step as often as the
    // item editor always has: kept as the system's interface.
    cboItem_Click();
    cboItem_Click();
}

void frmItem::cboItem_Click() {
    const ItemRecord* r = Shown->selected(ItemTable);
    if (!r)
        return;
    Shown->show(*r);
    SetFieldText(txtName, r->Name);
    txtName->setEnabled(!r->Name.isEmpty());
}

void frmItem::cmdSave_Click() {
    Shown->save(
        *modStuff::RomFile, [this] { LoadData(); }, [this] { cboItem_Click(); });
}

void frmItem::showHistory() {
    ShowEntryHistory(
        this, m_history, cboItem, ItemFormat, [this] { LoadData(); }, [this] { cboItem_Click(); });
}
