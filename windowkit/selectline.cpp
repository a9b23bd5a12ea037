#include "windowkit/selectline.h"

#include <QComboBox>
#include <QSignalBlocker>

void SelectLine(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index);
}
