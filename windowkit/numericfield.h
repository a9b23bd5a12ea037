#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

// Assigns a field's text as the program does. An equal text is skipped: it would change nothing,
// and QLineEdit::setText would still move the caret. A typed length limit does not apply.
void SetFieldText(QLineEdit* edit, const QString& text);

// Limits what the user types or pastes into `edit` to `limit` characters. Text the program sets
// through SetFieldText is shown in full however long, unlike QLineEdit::setMaxLength, which also
// cuts program assignments. Typed or pasted characters beyond the limit are dropped.
void LimitTypedLength(QLineEdit* edit, int limit);

// Binds the numeric entry rule to `edit`: every change of its text, by the user or the program,
// rewrites it as a canonical number text within 0..upper. The rule runs nested inside the change
// notification, as often as its own assignments change the text (at most three runs deep).
class NumericField : public QObject {
    Q_OBJECT
public:
    static NumericField* bind(QLineEdit* edit, double upper);

private:
    NumericField(QLineEdit* edit, double upper);
    void onTextChanged();

    QLineEdit* m_edit;
    double m_upper;
    int m_depth = 0;
};
