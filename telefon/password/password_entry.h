#pragma once

#include <QString>

#include <initializer_list>

class QLineEdit;
class QPushButton;

namespace marunda {
struct Error;
}

namespace marunda::telefon {

// Shows every character of a password box as "*".
void maskEntry(QLineEdit& box);
// Makes `button` the one that Enter presses among `buttons`, and only it, unless the user has put
// the keyboard focus on another of them: that one takes Enter then, as on every dialog.
void makeDefault(QPushButton* button, std::initializer_list<QPushButton*> buttons);
// A sentence for the user about a password file that could not be used.
QString passwordFileProblem(const marunda::Error& error);

} // namespace marunda::telefon
