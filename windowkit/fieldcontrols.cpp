#include "windowkit/fieldcontrols.h"

#include "windowkit/numericfield.h"
#include "windowkit/selectline.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstring>

std::vector<QWidget*> BindFieldControls(const TableFormat& format,
                                        std::initializer_list<FieldControl> controls) {
    std::vector<QWidget*> bound;
    for (const RecordField& f : format.fields) {
        QWidget* control = nullptr;
        for (const FieldControl& c : controls)
            if (std::strcmp(c.key, f.key) == 0)
                control = c.control;
        if (!control)
            qFatal("No control shows the field %s.", f.key);
        if (auto* edit = qobject_cast<QLineEdit*>(control); edit && f.kind == FieldKind::Number)
            NumericField::bind(edit, f.upper());
        bound.push_back(control);
    }
    return bound;
}

void ShowRecord(const TableFormat& format, const std::vector<QWidget*>& controls,
                const void* record) {
    const EntryForm texts = FormOf(format, record);
    for (size_t k = 0; k < controls.size(); ++k) {
        const QString& text = texts.at(qsizetype(k));
        if (auto* edit = qobject_cast<QLineEdit*>(controls[k]))
            SetFieldText(edit, text);
        else if (auto* box = qobject_cast<QCheckBox*>(controls[k]))
            box->setChecked(text == QLatin1String("1"));
        else if (auto* list = qobject_cast<QComboBox*>(controls[k]))
            SelectLine(list, text.toInt());
    }
}

EntryForm FormOfControls(const std::vector<QWidget*>& controls) {
    EntryForm form;
    for (QWidget* control : controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            form << edit->text();
        else if (auto* box = qobject_cast<QCheckBox*>(control))
            form << (box->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        else if (auto* list = qobject_cast<QComboBox*>(control))
            form << QString::number(list->currentIndex());
    }
    return form;
}
