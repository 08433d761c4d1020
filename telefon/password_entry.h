#pragma once

#include <QString>

#include <initializer_list>

class QLineEdit;
class QPushButton;

namespace marunda {
struct Error;
}

// Shows every character of a password box as "*".
void maskEntry(QLineEdit& box);
// Makes `button` the one that Enter presses among `buttons`, and only it.
void makeDefault(QPushButton* button, std::initializer_list<QPushButton*> buttons);
// A sentence for the user about a password file that could not be used.
QString passwordFileProblem(const marunda::Error& error);
