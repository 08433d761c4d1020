#include "telefon/limited_text_edit.h"

#include <QTextCursor>

#include <algorithm>

LimitedTextEdit::LimitedTextEdit(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent)
    , maxLength_(maxLength) {
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int charsAdded) { lastInsertEnd_ = position + charsAdded; });
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::dropExcess);
}

int LimitedTextEdit::length() const {
    return document()->characterCount() - 1; // without the closing paragraph mark
}

void LimitedTextEdit::dropExcess() {
    const int excess = length() - maxLength_;
    if (excess <= 0) {
        return;
    }
    // The excess goes from the end of what was just inserted, as far as it reaches.
    const int end = std::min(lastInsertEnd_, length());
    const int start = std::max(end - excess, 0);
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (length() > maxLength_) {
        cursor.setPosition(maxLength_);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}
