#include "main/frmmain.h"

#include "enemies/enemyrecord.h"
#include "enemies/frmenemy.h"
#include "historywindow/frmhistory.h"
#include "items/frmitem.h"
#include "items/itemnames.h"
#include "items/itemrecord.h"
#include "main/imagedrop.h"
#include "rom/modstuff.h"
#include "tables/recovery.h"
#include "tablewindow/frmtable.h"
#include "windowkit/changemarks.h"
#include "windowkit/playtest.h"
#include "windowkit/seams.h"
#include "windowkit/twips.h"
#include "windowkit/windowfont.h"
#include "wording/windowtext.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCompleter>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QIcon>
#include <QPushButton>
#include <QToolButton>

namespace {

template <class Widget> Widget* makeControl(QWidget* parent, const char* name) {
    auto* w = new Widget(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* button = makeControl<QPushButton>(parent, name);
    button->setText(caption);
    button->setAutoDefault(false);
    PlaceTwips(button, 120, top, 2055, 375);
    return button;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMain"));
    // A fixed-size window with a close button only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    FixClientSizeTwips(this, 4335, 6105);
    setWindowIcon(QIcon(QStringLiteral(":/tolvane/icon.xpm")));

    cmdOpen = makeControl<QToolButton>(this, "cmdOpen");
    cmdOpen->setToolTip(tr("Open ROM..."));
    PlaceTwips(cmdOpen, 0, 0, 375, 375);

    fraMain = makeControl<QGroupBox>(this, "fraMain");
    fraMain->setTitle(tr("The stuff"));
    PlaceTwips(fraMain, 120, 480, 4095, 5535);
    fraMain->setVisible(false);

    cmdItem = makeButton(fraMain, "cmdItem", tr("Item Editor"), 240);
    cmdEnemy = makeButton(fraMain, "cmdEnemy", tr("Enemy Editor"), 720);
    cmdPSI = makeButton(fraMain, "cmdPSI", tr("PSI Editor"), 1200);
    cmdText = makeButton(fraMain, "cmdText", tr("Misc. Text Editor"), 1680);
    // Below the original four, in their column at their pitch: the tables, the history and the
    // play-test.
    cmdItemTable = makeButton(fraMain, "cmdItemTable", tr("Item Table"), 2160);
    cmdEnemyTable = makeButton(fraMain, "cmdEnemyTable", tr("Enemy Table"), 2640);
    cmdHistory = makeButton(fraMain, "cmdHistory", tr("Save History"), 3120);
    cmdPlay = makeButton(fraMain, "cmdPlay", tr("Play-test"), 3600);

    setTabOrder(cmdOpen, cmdItem);
    setTabOrder(cmdItem, cmdEnemy);
    setTabOrder(cmdEnemy, cmdPSI);
    setTabOrder(cmdPSI, cmdText);
    setTabOrder(cmdText, cmdItemTable);
    setTabOrder(cmdItemTable, cmdEnemyTable);
    setTabOrder(cmdEnemyTable, cmdHistory);
    setTabOrder(cmdHistory, cmdPlay);

    connect(cmdOpen, &QToolButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(cmdItem, &QPushButton::clicked, this, &frmMain::cmdItem_Click);
    connect(cmdEnemy, &QPushButton::clicked, this, &frmMain::cmdEnemy_Click);
    connect(cmdItemTable, &QPushButton::clicked, this,
            [this] { openTable(&ItemFormat, cmdItemTable->text()); });
    connect(cmdEnemyTable, &QPushButton::clicked, this,
            [this] { openTable(&EnemyFormat, cmdEnemyTable->text()); });
    connect(cmdHistory, &QPushButton::clicked, this, [this] { ShowHistoryWindow(this); });
    // "PSI Editor" and "Misc. Text Editor" have no action.
    connect(cmdPlay, &QPushButton::clicked, this, [this] { PlayImage(this, modStuff::RomPath); });

    ApplyWindowFont(this);
    setAcceptDrops(true);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    cmdOpen->setIcon(QIcon(QStringLiteral(":/tolvane/open.xpm")));
    cmdOpen->setIconSize(QSize(16, 16));
    setWindowTitle(QStringLiteral("Tolvane, v%1.%2.%3")
                       .arg(TOLVANE_VERSION_MAJOR)
                       .arg(TOLVANE_VERSION_MINOR)
                       .arg(TOLVANE_VERSION_PATCH));
}

QString frmMain::askImagePath() {
    if (const auto& handler = OpenDialogOverride())
        return handler(this);
    if (!dlg) {
        dlg = new QFileDialog(this);
        dlg->setObjectName(QStringLiteral("dlg"));
        // Qt's own dialog looks and behaves the same on every desktop.
        dlg->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dlg->setFileMode(QFileDialog::ExistingFile);
        dlg->setAcceptMode(QFileDialog::AcceptOpen);
        dlg->setNameFilter(tr("Quessa Rom Files (%1)").arg(QStringLiteral("*.nes")));
    }
    const int answer = dlg->exec();
    // A file name completion list still up when Return accepted the dialog would stay on screen
    // and take the next click.
    for (QCompleter* completer : dlg->findChildren<QCompleter*>())
        if (completer->popup())
            completer->popup()->hide();
    if (answer != QDialog::Accepted || dlg->selectedFiles().isEmpty())
        return {};
    return dlg->selectedFiles().constFirst();
}

void frmMain::cmdOpen_Click() {
    const QString path = askImagePath();
    if (path.isEmpty())
        return;
    openImage(path);
}

void frmMain::openImage(const QString& path) {
    // A save that a crash cut short is put right before anything is shown, and before the backup
    // can take the image: IMAGE.bak must never hold a half-written one.
    auto opened = ImageOpening::Open(path, true, {&ItemFormat, &EnemyFormat});
    if (!opened) {
        // The image open before, if any, stays open and current.
        ShowMessage(this, QMessageBox::Warning, tr("Open ROM"),
                    OpenFailedText(path, opened.failure().cause.value(0)));
        return;
    }
    // One that cannot be put right keeps the image closed: its torn entries must not be shown as
    // if they stood. The image open before, if any, stays open and current.
    if (opened->recovery.torn) {
        ShowMessage(this, QMessageBox::Warning, tr("Open ROM"),
                    OpenTornText(path, opened->entries, opened->recovery));
        return;
    }
    reportRecovery(path, *opened);
    auto image = std::move(opened->image);
    // The image as it was before this opening's first save stays beside it as IMAGE.bak.
    image->enableBackup();
    // Replacing the image closes the previous file.
    modStuff::RomPath = path;
    modStuff::RomFile = std::move(image);
    fraMain->setVisible(true);
    ItemNames = BuildItemNames(*modStuff::RomFile);
    if (modStuff::RomFile->isReadOnly())
        ShowMessage(this, QMessageBox::Information, tr("Open ROM"), OpenReadOnlyText(path));
    // The image stays open: only its marks depend on the base.
    if (const Outcome base = m_opening.baseFault(*modStuff::RomFile); base.failed())
        ShowMessage(this, QMessageBox::Warning, tr("Open ROM"), MarksBaseRefusedText(base));
}

void frmMain::reportRecovery(const QString& path, const OpenedImage& opened) {
    const Recovery& recovery = opened.recovery;
    if (recovery.fault.failed() && recovery.action != RecoveryAction::Reported)
        ShowMessage(this, QMessageBox::Warning, tr("Open ROM"),
                    OpenRecoveryProblemText(path, recovery.fault));
    if (recovery.action == RecoveryAction::None)
        return;
    ShowMessage(this,
                recovery.action == RecoveryAction::Left ? QMessageBox::Warning
                                                        : QMessageBox::Information,
                tr("Open ROM"), OpenRecoveryText(path, opened.entries, recovery));
}

void frmMain::cmdItem_Click() {
    if (!m_item) {
        m_item = new frmItem(m_opening, this);
        m_item->setHistoryOpener(ShowHistoryWindow);
    }
    m_item->Form_Load();
    m_item->exec();
}

void frmMain::cmdEnemy_Click() {
    if (!m_enemy) {
        m_enemy = new frmEnemy(m_opening, this);
        m_enemy->setHistoryOpener(ShowHistoryWindow);
    }
    m_enemy->Form_Load();
    m_enemy->exec();
}

void frmMain::openTable(Table table, const QString& title) {
    FollowReplacedImage();
    if (!modStuff::RomFile)
        return;
    // The enemy editor's item list, its line 0 in the editor's own word.
    QStringList items = ItemChoices(ItemNames);
    static const char* const editor = "frmEnemy";
    static const char* const nothing = "<nothing>";
    items.first() = QCoreApplication::translate(editor, nothing);
    // Made afresh each time: the window remembers nothing between showings.
    frmTable window(m_opening, *modStuff::RomFile, table, {&ItemFormat, &EnemyFormat}, items, title,
                    this);
    window.exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    AcceptImageDrop(event);
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = AcceptImageDrop(event);
    if (path.isEmpty())
        return;
    // The drag source waits until the drop returns: a message about the file must not hold it.
    QMetaObject::invokeMethod(
        this, [this, path] { openImage(path); }, Qt::QueuedConnection);
}

void frmMain::Form_Unload() {
    // Closing never reports an error; the file is simply closed.
    modStuff::RomFile.reset();
    modStuff::RomPath.clear();
    ItemNames.clear();
}
