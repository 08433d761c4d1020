#pragma once

#include <QPlainTextEdit>

namespace marunda::telefon {

// A multi-line text box that holds at most a given number of characters, as a one-line box with
// a maximum length does: typed or pasted text beyond the limit is dropped. A line break counts
// as the two characters it takes in the record. Tab moves on.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    LimitedTextEdit(int maxLength, QWidget* parent = nullptr);

    int maxLength() const { return maxLength_; }
    int length() const;

private:
    int weightAt(int position) const;
    void removeBefore(int end, int excess);
    void dropExcess();

    int maxLength_;
    int lastInsertEnd_ = 0;
};

} // namespace marunda::telefon
