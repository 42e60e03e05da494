#include "ui/ablage.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <unistd.h>

namespace {
bool beschreibbar(const QString& verzeichnis) {
    // access() also knows read-only mounts, which the permission bits do not.
    return ::access(QFile::encodeName(verzeichnis).constData(), W_OK | X_OK) == 0;
}

QString datenVerzeichnis() {
    // Relative values are to be ignored, as the XDG rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return QFile::decodeName(xdg);
    const char* heim = std::getenv("HOME");
    if (heim && heim[0] == '/') return QFile::decodeName(heim) + QStringLiteral("/.local/share");
    return {};
}
}  // namespace

QString spielstandVerzeichnis(const QString& programmVerzeichnis) {
    if (beschreibbar(programmVerzeichnis)) return programmVerzeichnis;
    const QString daten = datenVerzeichnis();
    if (daten.isEmpty()) return programmVerzeichnis;
    const QString eigenes = daten + QStringLiteral("/trevo");
    if (!QDir(eigenes).exists()) {
        if (!QDir().mkpath(eigenes)) return programmVerzeichnis;
        // Made by us: only the player may look at the farm's books.
        QFile::setPermissions(eigenes, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return beschreibbar(eigenes) ? eigenes : programmVerzeichnis;
}

std::vector<std::string> ausweichVerzeichnisse() {
    std::vector<std::string> orte;
    const char* heim = std::getenv("HOME");
    if (heim && heim[0] == '/') orte.emplace_back(heim);
    if (const QString daten = datenVerzeichnis(); !daten.isEmpty()) orte.push_back(QFile::encodeName(daten).toStdString());
    return orte;
}
