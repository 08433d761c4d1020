#include "telefon/ana/password_gate.h"

#include "core/password_file.h"

namespace marunda::telefon {

namespace {

PasswordGate refused(const marunda::Error& failure) {
    if (failure.code == marunda::ErrorCode::badFormat) {
        return {PasswordGate::Way::refused,
                {},
                QStringLiteral("Dosya Bozuk"),
                QStringLiteral("'data.dat' dosyası bozuk, bu dosya olmadan program çalışamaz")};
    }
    return {PasswordGate::Way::refused,
            {},
            QStringLiteral("Dosya Bulunamıyor"),
            QStringLiteral("'data.dat' dosyası bulunamıyor, bu dosya olmadan program çalışamaz")};
}

} // namespace

PasswordGate PasswordGate::of(const marunda::RecordStore& store) {
    const marunda::PasswordFile file(store.folder());
    auto isSet = file.passwordIsSet();
    if (!isSet) {
        return refused(isSet.error());
    }
    if (!isSet.value()) {
        return {};
    }
    auto stored = file.readPassword();
    if (!stored) {
        return refused(stored.error());
    }
    return {Way::prompt, QString::fromStdString(stored.value()), {}, {}};
}

} // namespace marunda::telefon
