#include "rom/modstuff.h"
#include "support/testsupport.h"

#include <QTest>

using namespace modStuff;

class tst_Primitives : public QObject {
    Q_OBJECT
private slots:
    void wordByteOrder();
};

void tst_Primitives::wordByteOrder() {
    SyntheticImage image(64);
    image.setByte(20, 0x34);
    image.setByte(21, 0x12);
    ImageOnDisk disk(image);
    auto rom = disk.open();
    QCOMPARE(ReadWord(*rom, 20), 0x1234);
}

QTEST_GUILESS_MAIN(tst_Primitives)
#include "tst_primitives.moc"
