// Windows' own ways of keeping a file from the editor: another program that holds it open, and
// the read-only attribute. The user is told the system's reason, and nothing is written.
#include "main/frmmain.h"
#include "rom/modstuff.h"
#include "support/testsupport.h"
#include "windowkit/seams.h"
#include "wording/phrases.h"
#include "wording/wording.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QProcess>
#include <QTest>
#include <QToolButton>

#include <windows.h>

namespace {

// Starts holdfile on `path` and waits until it holds the file.
bool hold(QProcess& holder, const QString& path, const QString& sharing) {
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/holdfile.exe"),
                 {QDir::toNativeSeparators(path), sharing});
    return holder.waitForReadyRead(30000) && holder.readLine().trimmed() == "held";
}

bool release(QProcess& holder) {
    holder.closeWriteChannel();
    return holder.waitForFinished(30000) && holder.exitCode() == 0;
}

} // namespace

class tst_Win32Files : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void heldByAnotherProgram_data();
    void heldByAnotherProgram();
    void readOnlyAttribute();
};

void tst_Win32Files::cleanup() {
    SetMessageHandler({});
    SetOpenDialogHandler({});
    modStuff::RomFile.reset();
}

void tst_Win32Files::heldByAnotherProgram_data() {
    QTest::addColumn<QString>("sharing");
    QTest::addColumn<bool>("opens");
    QTest::newRow("shares nothing: refused") << QStringLiteral("none") << false;
    QTest::newRow("lets others read: opens for reading") << QStringLiteral("read") << true;
}

void tst_Win32Files::heldByAnotherProgram() {
    QFETCH(QString, sharing);
    QFETCH(bool, opens);
    const QByteArray bytes = MakeDemoImage().bytes;
    ImageOnDisk disk(bytes);
    QProcess holder;
    QVERIFY(hold(holder, disk.path(), sharing));

    auto opened = OpenImageFile(disk.path());
    QCOMPARE(bool(opened), opens);
    if (opened) {
        QVERIFY(opened->readOnly);
        CloseFile(opened->handle);
    } else {
        const Outcome fault = opened.failure();
        QCOMPARE(fault.fault, ImageFault::SystemCall);
        QCOMPARE(fault.error, int(ERROR_SHARING_VIOLATION));
        const QString error = SystemText(fault.error);
        // The main window's open sequence tells the user which file and why.
        QStringList messages;
        SetMessageHandler([&](QWidget*, QMessageBox::Icon, const QString&, const QString& text) {
            messages << text;
        });
        frmMain main;
        SetOpenDialogHandler([&](QWidget*) { return disk.path(); });
        QTest::mouseClick(main.findChild<QToolButton*>(QStringLiteral("cmdOpen")), Qt::LeftButton);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(QDir::toNativeSeparators(disk.path())),
                 qPrintable(messages[0]));
        QVERIFY2(messages[0].contains(error), qPrintable(messages[0]));
        QVERIFY(!modStuff::RomFile);
        QVERIFY(main.findChild<QGroupBox*>(QStringLiteral("fraMain"))->isHidden());
    }

    // Once the other program lets go, the image opens for writing again, as it was.
    QVERIFY(release(holder));
    opened = OpenImageFile(disk.path());
    QVERIFY(opened);
    QVERIFY(!opened->readOnly);
    CloseFile(opened->handle);
    QCOMPARE(disk.bytes(), bytes);
}

void tst_Win32Files::readOnlyAttribute() {
    const QByteArray bytes = MakeDemoImage().bytes;
    ImageOnDisk disk(bytes);
    const std::wstring name = QDir::toNativeSeparators(disk.path()).toStdWString();
    QVERIFY(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    auto rom = *OpenRomImage(disk.path());
    QVERIFY(rom);
    QVERIFY(rom->isReadOnly());
    QVERIFY_THROWS_EXCEPTION(RomError, rom->write(TestKey, 0x10, 0x55));
    rom.reset();
    QVERIFY(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL));
    QCOMPARE(disk.bytes(), bytes);
}

QTEST_MAIN(tst_Win32Files)
#include "tst_win32files.moc"
