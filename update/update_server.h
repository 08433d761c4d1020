#pragma once

#include "update/export.h"

#include <QString>
#include <QUrl>

// Where the update document is fetched from. The build fixes a default server
// (MARUNDA_UPDATE_URL); the user setting below overrides it at run time.
namespace marunda {

// Settings scope shared by Telefon and Zilora, and the key holding "scheme://host[:port]".
inline constexpr char kSettingsOrganization[] = "Marunda";
inline constexpr char kSettingsApplication[] = "Marunda";
inline constexpr char kUpdateServerKey[] = "update/server";

MARUNDA_UPDATE_EXPORT QString builtInUpdateServer();
// The user setting when present and not blank, else the built-in server.
MARUNDA_UPDATE_EXPORT QString configuredUpdateServer();

// The document "/update/update.upd" on `server` (a bare host means http). An address that is not
// a usable http(s) server gives an invalid URL, so the download fails instead of guessing.
MARUNDA_UPDATE_EXPORT QUrl updateDocumentUrl(const QString& server);
MARUNDA_UPDATE_EXPORT QUrl updateDocumentUrl();

} // namespace marunda
