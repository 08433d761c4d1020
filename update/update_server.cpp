#include "update/update_server.h"

#include "core/update_info.h"

#include <QSettings>

#ifndef MARUNDA_UPDATE_URL
#error "the build defines the built-in update server"
#endif

namespace marunda {

QString builtInUpdateServer() {
    return QStringLiteral(MARUNDA_UPDATE_URL);
}

QString configuredUpdateServer() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromLatin1(kSettingsOrganization),
                             QString::fromLatin1(kSettingsApplication));
    const auto server = settings.value(QString::fromLatin1(kUpdateServerKey)).toString().trimmed();
    return server.isEmpty() ? builtInUpdateServer() : server;
}

QUrl updateDocumentUrl(const QString& server) {
    auto text = server.trimmed();
    if (!text.contains(QStringLiteral("://"))) {
        text.prepend(QStringLiteral("http://"));
    }
    QUrl url(text, QUrl::StrictMode);
    const auto scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QStringLiteral("http") && scheme != QStringLiteral("https")) || url.hasQuery() ||
        url.hasFragment()) {
        return {};
    }
    // A server folder (a mirror) keeps its path in front of the document's.
    auto path = url.path();
    while (path.endsWith(u'/')) {
        path.chop(1);
    }
    url.setPath(path + QString::fromLatin1(kUpdateDocumentPath.data(),
                                           static_cast<qsizetype>(kUpdateDocumentPath.size())));
    return url;
}

QUrl updateDocumentUrl() {
    return updateDocumentUrl(configuredUpdateServer());
}

} // namespace marunda
