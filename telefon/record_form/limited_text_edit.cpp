#include "telefon/record_form/limited_text_edit.h"

#include <QTextCursor>

#include <algorithm>

namespace marunda::telefon {

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent)
    , maxLength_(maxLength) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { lastInsertEnd_ = position + charsAdded; });
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::dropExcess);
}

int LimitedTextEdit::weightAt(int position) const {
    // A line break is stored as CR LF: two characters of the field.
    const QChar ch = document()->characterAt(position);
    return ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator ? 2 : 1;
}

int LimitedTextEdit::length() const {
    const QString text = toPlainText();
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

void LimitedTextEdit::removeBefore(int end, int excess) {
    int start = end;
    for (int removed = 0; start > 0 && removed < excess; removed += weightAt(start)) {
        --start;
    }
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void LimitedTextEdit::dropExcess() {
    const int excess = length() - maxLength_;
    if (excess <= 0) {
        return;
    }
    // The excess goes from the end of what was just inserted, as far as it reaches.
    removeBefore(std::min(lastInsertEnd_, document()->characterCount() - 1), excess);
    if (const int left = length() - maxLength_; left > 0) {
        removeBefore(document()->characterCount() - 1, left);
    }
}

} // namespace marunda::telefon
