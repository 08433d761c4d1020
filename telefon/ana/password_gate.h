#pragma once

#include "core/record_store.h"

#include <QString>

namespace marunda::telefon {

// The start-up's password gate: what data.dat lets through before the book is shown. A damaged
// or missing file never opens the book as if it had no password.
struct PasswordGate {
    enum class Way { open, prompt, refused };

    static PasswordGate of(const marunda::RecordStore& store);

    Way way = Way::open;
    QString password;      // prompt: the password to wait for
    QString title, reason; // refused: the message before the program ends
};

} // namespace marunda::telefon
