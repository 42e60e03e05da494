#include "app/spielstand.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

std::string spielstandDatei;

namespace {

// A save file is a few kilobytes; anything far beyond that is not ours and
// is not read into memory whole.
constexpr std::streamsize maxGroesse = 64 * 1024 * 1024;

bool allesSchreiben(int fd, const std::string& daten) {
    const char* p = daten.data();
    std::size_t rest = daten.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
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

}  // namespace

void Spielstand::laden(const std::string& pfad) {
    pfad_ = pfad;
    ini_ = IniDatei();
    nichtLesbar_ = false;
    std::ifstream f(pfad, std::ios::binary);
    if (!f) {
        // A file that exists but cannot be read must not be replaced by a
        // new game at the end.
        struct stat st {};
        nichtLesbar_ = ::stat(pfad.c_str(), &st) == 0;
        return;
    }
    std::string bytes;
    char puffer[65536];
    while (f && static_cast<std::streamsize>(bytes.size()) < maxGroesse) {
        f.read(puffer, sizeof puffer);
        bytes.append(puffer, static_cast<std::size_t>(f.gcount()));
    }
    ini_ = IniDatei(std::move(bytes));
}

bool Spielstand::sichern(std::string& fehler) const {
    if (nichtLesbar_) {
        fehler = "Die vorhandene Datei konnte nicht gelesen werden.";
        return false;
    }
    const std::string tmp = pfad_ + ".tmp";
    const std::string daten = ini_.bytes();
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        fehler = std::strerror(errno);
        return false;
    }
    bool ok = allesSchreiben(fd, daten);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (!ok) fehler = std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        fehler = std::strerror(errno);
    }
    if (ok && ::rename(tmp.c_str(), pfad_.c_str()) != 0) {
        ok = false;
        fehler = std::strerror(errno);
    }
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dfd = ::open(verzeichnisVon(pfad_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

Spielstand& spielstand() {
    static Spielstand s;
    return s;
}

void iniLesen(const std::string& sektion, const std::string& schluessel, int32_t& wert) {
    if (const auto v = spielstand().ini().lesen(sektion, schluessel)) wert = *v;
}

void iniSchreiben(const std::string& sektion, const std::string& schluessel, int32_t wert) {
    spielstand().ini().schreiben(sektion, schluessel, wert);
}
