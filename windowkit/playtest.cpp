#include "windowkit/playtest.h"

#include "play/emulator.h"
#include "windowkit/seams.h"
#include "windowkit/windowcontexts.h"
#include "wording/playtext.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

void PlayImage(QWidget* parent, const QString& path) {
    // The emulator may start in another folder: it gets the whole path, in the system's form.
    const QString image = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    EmulatorSearch search;
    const auto emulator = FindEmulator(SystemPlayEnvironment(), &search);
    const QString title = EditorWindow::tr("Play-test", "a message's title");
    if (!emulator) {
        ShowMessage(parent, QMessageBox::Warning, title, NoEmulatorText(image, search));
        return;
    }
    const QStringList words = SubstituteImage(emulator->words, image);
    if (const Started started = StartDetached(words); !started.failure.isEmpty())
        ShowMessage(parent, QMessageBox::Warning, title,
                    EmulatorNotStartedText(words, started.failure));
}

PlayChoice AskSaveBeforePlay(QWidget* window) {
    QMessageBox box(QMessageBox::Question, EditorWindow::tr("Play-test", "a message's title"),
                    EditorWindow::tr("The shown entry has edits that are not saved. The emulator "
                                     "plays the image as it stands on disk: save them first?"),
                    QMessageBox::NoButton, window);
    box.setObjectName(QStringLiteral("msgSaveBeforePlay"));
    QPushButton* save =
        box.addButton(EditorWindow::tr("Save", "the button"), QMessageBox::AcceptRole);
    QPushButton* without =
        box.addButton(EditorWindow::tr("Play without them"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(EditorWindow::tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return PlayChoice::Save;
    return box.clickedButton() == without ? PlayChoice::PlayWithout : PlayChoice::Cancel;
}
