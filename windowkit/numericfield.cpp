#include "windowkit/numericfield.h"

#include "fields/entryrule.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <QValidator>

namespace {

class TypedLengthLimit : public QValidator {
public:
    TypedLengthLimit(QLineEdit* edit, int limit) : QValidator(edit), m_limit(limit) {
        m_lengthBefore = int(edit->text().size());
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit] { m_lengthBefore = int(edit->text().size()); });
    }

    State validate(QString& input, int& pos) const override {
        // An edit may not make the text longer than both the limit and the text before it; the
        // characters just typed or pasted, which stand before the caret, are dropped.
        const int allowed = std::max(m_limit, m_lengthBefore);
        if (m_byProgram || input.size() <= allowed)
            return Acceptable;
        const int excess = int(input.size()) - allowed;
        const int from = std::max(0, pos - excess);
        input.remove(from, pos - from);
        pos = from;
        return input.size() <= allowed ? Acceptable : Invalid;
    }

    // Sets `text` as the program: the limit lets it through whole. The change notifications may
    // set the text again before this returns, and those are the program's too. Const because the
    // line edit hands out its validator as const; the mark lasts only for the assignment.
    void setProgramText(QLineEdit* edit, const QString& text) const {
        const QScopedValueRollback byProgram(m_byProgram, true);
        edit->setText(text);
    }

private:
    int m_limit;
    int m_lengthBefore = 0;
    mutable bool m_byProgram = false;
};

} // namespace

void SetFieldText(QLineEdit* edit, const QString& text) {
    if (edit->text() == text)
        return;
    if (const auto* limit = dynamic_cast<const TypedLengthLimit*>(edit->validator()))
        limit->setProgramText(edit, text);
    else
        edit->setText(text);
}

void LimitTypedLength(QLineEdit* edit, int limit) {
    edit->setValidator(new TypedLengthLimit(edit, limit));
}

NumericField* NumericField::bind(QLineEdit* edit, double upper) {
    return new NumericField(edit, upper);
}

NumericField::NumericField(QLineEdit* edit, double upper)
    : QObject(edit), m_edit(edit), m_upper(upper) {
    connect(edit, &QLineEdit::textChanged, this, &NumericField::onTextChanged);
}

void NumericField::onTextChanged() {
    // Always the field's current text: a nested run may have changed it since the notification.
    const QString before = m_edit->text();
    const int caret = m_edit->cursorPosition();
    ++m_depth;
    SetFieldText(m_edit, EntryRuleRewrite(m_edit->text()));
    SetFieldText(m_edit, EntryRuleClamp(m_edit->text(), m_upper));
    --m_depth;
    // After a rewrite of what the user is typing the caret keeps its distance from the end, so
    // typing into the middle of a number goes on where it was.
    const QString after = m_edit->text();
    if (m_depth == 0 && after != before) {
        const int fromEnd = int(before.size()) - caret;
        m_edit->setCursorPosition(std::clamp(int(after.size()) - fromEnd, 0, int(after.size())));
    }
}
