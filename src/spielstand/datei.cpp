#include "spielstand/datei.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

std::function<ssize_t(int, void*, std::size_t)> Dateizugriff::leser = [](int fd, void* puffer, std::size_t n) {
    return ::read(fd, puffer, n);
};
std::function<ssize_t(int, const void*, std::size_t)> Dateizugriff::schreiber =
    [](int fd, const void* daten, std::size_t n) { return ::write(fd, daten, n); };
std::function<int(int)> Dateizugriff::syncer = [](int fd) { return ::fsync(fd); };

const char* const Dateizugriff::zuGrossText = "Sie ist größer als 16 MiB und damit kein Spielstand.";

bool dateienSyncen = true;

bool allesSchreiben(int fd, const std::string& daten) {
    const char* p = daten.data();
    std::size_t rest = daten.size();
    while (rest > 0) {
        const ssize_t n = Dateizugriff::schreiber(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string verzeichnisVon(const std::string& pfad) {
    const auto pos = pfad.find_last_of('/');
    if (pos == std::string::npos) return ".";
    if (pos == 0) return "/";
    return pfad.substr(0, pos);
}

std::string nameVon(const std::string& pfad) {
    const auto pos = pfad.find_last_of('/');
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

// The file a symbolic link finally names; a path that is no link (or does not
// exist yet) is its own target.
bool zielVon(const std::string& pfad, std::string& ziel, std::string& fehler) {
    ziel = pfad;
    for (int tiefe = 0; tiefe < 40; ++tiefe) {
        struct stat st {};
        if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        char puffer[PATH_MAX];
        const ssize_t n = ::readlink(ziel.c_str(), puffer, sizeof puffer);
        if (n < 0 || n == static_cast<ssize_t>(sizeof puffer)) {
            fehler = systemFehlerText(n < 0 ? errno : ENAMETOOLONG);
            return false;
        }
        const std::string verweis(puffer, static_cast<std::size_t>(n));
        ziel = verweis.front() == '/' ? verweis : verzeichnisVon(ziel) + "/" + verweis;
    }
    fehler = systemFehlerText(ELOOP);
    return false;
}

// Writes daten to a file of a new, unique name in verzeichnis, created
// exclusively and synced; returns its path, or an empty text and fehler.
std::string neueDatei(const std::string& verzeichnis, const std::string& name, const std::string& daten,
                      const struct stat* vorbild, std::string& fehler, bool syncen) {
    static std::atomic<unsigned> zaehler{0};
    std::string tmp;
    int fd = -1;
    for (int versuch = 0; fd < 0; ++versuch) {
        tmp = verzeichnis + "/." + name + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++zaehler);
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd < 0 && (errno != EEXIST || versuch > 100)) {
            fehler = systemFehlerText(errno);
            return {};
        }
    }
    // The replaced file keeps its permissions.
    if (vorbild) ::fchmod(fd, vorbild->st_mode & 07777);
    bool ok = allesSchreiben(fd, daten) && (!syncen || Dateizugriff::syncer(fd) == 0);
    if (!ok) fehler = systemFehlerText(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        fehler = systemFehlerText(errno);
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return {};
    }
    return tmp;
}

// Makes a rename in the directory durable.
void verzeichnisSyncen(const std::string& verzeichnis) {
    const int dfd = ::open(verzeichnis.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        Dateizugriff::syncer(dfd);
        ::close(dfd);
    }
}

int umbenennenOhneUeberschreiben(const std::string& alt, const std::string& neu) {
    if (::renameat2(AT_FDCWD, alt.c_str(), AT_FDCWD, neu.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without that kind of rename: a hard link is as safe.
    if (::link(alt.c_str(), neu.c_str()) != 0) return errno;
    ::unlink(alt.c_str());
    return 0;
}

std::string systemFehlerText(int fehlerNr) {
    switch (fehlerNr) {
        case EACCES:
        case EPERM: return "Zugriff verweigert.";
        case EIO: return "Ein-/Ausgabefehler.";
        case ENOSPC: return "Auf dem Datenträger ist kein Platz mehr.";
        case EDQUOT: return "Das Speicherkontingent ist erschöpft.";
        case EROFS: return "Das Dateisystem ist schreibgeschützt.";
        case ELOOP: return "Zu viele symbolische Verknüpfungen.";
        case ENXIO: return "Die Datei ist keine gewöhnliche Datei.";
        case EISDIR: return "An ihrer Stelle steht ein Verzeichnis.";
        case ENOTEMPTY:
        case EEXIST: return "An ihrer Stelle steht ein Verzeichnis, das nicht leer ist.";
        case ENOTDIR: return "Ein Teil des Pfades ist kein Verzeichnis.";
        case ENAMETOOLONG: return "Der Pfad ist zu lang.";
        case ENOENT: return "Das Verzeichnis existiert nicht.";
        case EMFILE:
        case ENFILE: return "Es sind zu viele Dateien geöffnet.";
        case ENOMEM: return "Der Speicher reicht nicht.";
        case EBUSY: return "Die Datei ist belegt.";
        case EFBIG: return "Die Datei wird zu groß für das Dateisystem.";
        case EXDEV: return "Die Datei liegt auf einem anderen Dateisystem.";
        default: return "Systemfehler " + std::to_string(fehlerNr) + " (" + std::strerror(fehlerNr) + ").";
    }
}

bool dateiLesen(const std::string& pfad, std::string& bytes, std::string& fehler, bool* fremd) {
    bytes.clear();
    fehler.clear();
    bool nichtUnseres = false;
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) fehler = systemFehlerText(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        fehler = systemFehlerText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        fehler = "An ihrer Stelle steht ein Verzeichnis.";
        nichtUnseres = true;
    } else if (!S_ISREG(st.st_mode)) {
        fehler = "Sie ist keine gewöhnliche Datei.";
        nichtUnseres = true;
    } else if (!Dateizugriff::passt(static_cast<uint64_t>(st.st_size))) {
        fehler = Dateizugriff::zuGrossText;
        nichtUnseres = true;
    } else {
        bytes.reserve(static_cast<std::size_t>(st.st_size));
        char puffer[65536];
        for (;;) {
            const ssize_t n = Dateizugriff::leser(fd, puffer, sizeof puffer);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                fehler = systemFehlerText(errno);
                break;
            }
            bytes.append(puffer, static_cast<std::size_t>(n));
            // It grew while being read.
            if (!Dateizugriff::passt(bytes.size())) {
                fehler = Dateizugriff::zuGrossText;
                nichtUnseres = true;
                break;
            }
        }
    }
    ::close(fd);
    if (!fehler.empty()) bytes.clear();
    if (fremd) *fremd = nichtUnseres;
    return fehler.empty();
}

void liegengebliebeneEntfernen(const std::string& pfad, bool verknuepfungFolgen) {
    std::string ziel = pfad;
    std::string fehler;
    if (verknuepfungFolgen && !zielVon(pfad, ziel, fehler)) return;
    const std::string anfang = "." + nameVon(ziel) + ".tmp-";
    const std::string verzeichnis = verzeichnisVon(ziel);
    DIR* d = ::opendir(verzeichnis.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name.rfind(anfang, 0) != 0) continue;
        // The writer's process id follows; while it lives, the file may be
        // on its way to its place.
        char* rest = nullptr;
        const long pid = std::strtol(name.c_str() + anfang.size(), &rest, 10);
        if (pid <= 0 || *rest != '-' || pid == ::getpid()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
        struct stat st {};
        const std::string p = verzeichnis + "/" + name;
        if (::lstat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(p.c_str());
    }
    ::closedir(d);
}

bool dateiErsetzen(const std::string& pfad, const std::string& daten, bool verknuepfungFolgen, std::string& fehler,
                   bool syncen) {
    syncen = syncen && dateienSyncen;
    // A symbolic link stays a link: its target is replaced, in the target's
    // own directory, where the rename is atomic.
    std::string ziel = pfad;
    if (verknuepfungFolgen && !zielVon(pfad, ziel, fehler)) return false;
    const std::string verzeichnis = verzeichnisVon(ziel);
    struct stat alt {};
    const bool gibtEs = ::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode);
    const std::string tmp = neueDatei(verzeichnis, nameVon(ziel), daten, gibtEs ? &alt : nullptr, fehler, syncen);
    if (tmp.empty()) return false;
    if (::rename(tmp.c_str(), ziel.c_str()) != 0) {
        fehler = systemFehlerText(errno);
        ::unlink(tmp.c_str());
        return false;
    }
    if (syncen) verzeichnisSyncen(verzeichnis);
    return true;
}

std::string eigenerSpielname(const std::string& spielstandPfad) {
    std::string name = nameVon(spielstandPfad);
    if (name == spielstandName) return {};
    const std::string endung = spielEndung;
    if (name.size() > endung.size() && name.compare(name.size() - endung.size(), endung.size(), endung) == 0)
        name.resize(name.size() - endung.size());
    return name;
}

std::string nebenDemSpiel(const std::string& spielstandPfad, const std::string& vorgabe, const std::string& eigener) {
    const std::size_t schnitt = spielstandPfad.rfind('/');
    const std::string verzeichnis = schnitt == std::string::npos ? std::string() : spielstandPfad.substr(0, schnitt + 1);
    if (nameVon(spielstandPfad) == spielstandName) return verzeichnis + vorgabe;
    return verzeichnis + eigener;
}

SpielstandSperre::SpielstandSperre(const std::string& verzeichnis, const std::string& name) {
    pfad_ = verzeichnis;
    if (!pfad_.empty() && pfad_.back() != '/') pfad_ += '/';
    pfad_ += name + ".sperre";
    // The holder removes the lock file at its end; a lock taken on a file
    // that was removed meanwhile is no lock, so then it is tried again.
    for (int versuch = 0; versuch < 100; ++versuch) {
        fd_ = ::open(pfad_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd_ < 0) fd_ = ::open(pfad_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd_ < 0) return;
        int r;
        do r = ::flock(fd_, LOCK_EX | LOCK_NB);
        while (r != 0 && errno == EINTR);
        if (r != 0) {
            belegt_ = errno == EWOULDBLOCK;
            ::close(fd_);
            fd_ = -1;
            return;
        }
        struct stat gehalten {};
        struct stat da {};
        if (::fstat(fd_, &gehalten) == 0 && ::stat(pfad_.c_str(), &da) == 0 && gehalten.st_dev == da.st_dev &&
            gehalten.st_ino == da.st_ino)
            return;
        ::close(fd_);
        fd_ = -1;
    }
}

SpielstandSperre::~SpielstandSperre() {
    if (fd_ < 0) return;
    ::unlink(pfad_.c_str());
    ::close(fd_);
}

