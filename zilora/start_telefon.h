#pragma once

#include <QStringList>

#include <filesystem>

namespace marunda::zilora {

// Starts a new Telefon from `folder` with `arguments`, not waited for; a Telefon that cannot be
// started is reported ("Dosya Bulunamadı").
void startTelefon(const std::filesystem::path& folder, const QStringList& arguments = {});

// Telefon's arguments that show `page` when it still holds the contact `name`.
QStringList pageArguments(int page, const QString& name);

} // namespace marunda::zilora
