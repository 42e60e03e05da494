#include "ui/ablage.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "ui/klangspieler.h"

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

// The player's own data directory, for an installed game that has no other
// place: without HOME the account's home directory stands in.
QString eigenesVerzeichnis() {
    QString daten = datenVerzeichnis();
    if (daten.isEmpty())
        if (const passwd* konto = ::getpwuid(::getuid()); konto && konto->pw_dir && konto->pw_dir[0] == '/')
            daten = QFile::decodeName(konto->pw_dir) + QStringLiteral("/.local/share");
    return daten.isEmpty() ? QString() : daten + QStringLiteral("/trevo");
}

// Made by us: only the player may look at the farm's books.
bool anlegen(const QString& verzeichnis) {
    if (QDir(verzeichnis).exists()) return true;
    if (!QDir().mkpath(verzeichnis)) return false;
    QFile::setPermissions(verzeichnis, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}
}  // namespace

QString spielstandVerzeichnis(const QString& programmVerzeichnis) {
    if (beschreibbar(programmVerzeichnis)) return programmVerzeichnis;
    const QString daten = datenVerzeichnis();
    if (daten.isEmpty()) return programmVerzeichnis;
    const QString eigenes = daten + QStringLiteral("/trevo");
    if (!anlegen(eigenes)) return programmVerzeichnis;
    return beschreibbar(eigenes) ? eigenes : programmVerzeichnis;
}

Orte orteDesProgramms(const QString& programmVerzeichnis) {
    const QDir programm(programmVerzeichnis);
    if (programm.exists(QStringLiteral("trevo.html")))
        return {programmVerzeichnis, {}, spielstandVerzeichnis(programmVerzeichnis)};
    // Installed. A save directory that cannot be made stays named all the
    // same: the end then reports the failed write and lets the player
    // choose another place.
    const QString spielstand = eigenesVerzeichnis();
    if (!spielstand.isEmpty()) anlegen(spielstand);
    return {QDir::cleanPath(programm.filePath(QStringLiteral(TREVO_DATEN_RELATIV))),
            QDir::cleanPath(programm.filePath(QStringLiteral(TREVO_MODUL_RELATIV "/") + QLatin1String(kKlangModul))),
            spielstand.isEmpty() ? QStringLiteral("/nonexistent") : spielstand};
}

std::vector<std::string> ausweichVerzeichnisse() {
    std::vector<std::string> orte;
    const char* heim = std::getenv("HOME");
    if (heim && heim[0] == '/') orte.emplace_back(heim);
    if (const QString daten = datenVerzeichnis(); !daten.isEmpty()) orte.push_back(QFile::encodeName(daten).toStdString());
    return orte;
}
