#include "ui/ruf.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

// False when the path does not fit the address.
bool adresse(const std::string& pfad, sockaddr_un& a, socklen_t& laenge) {
    std::memset(&a, 0, sizeof a);
    a.sun_family = AF_UNIX;
    if (pfad.empty() || pfad.size() >= sizeof a.sun_path) return false;
    std::memcpy(a.sun_path, pfad.data(), pfad.size());
    laenge = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + pfad.size() + 1);
    return true;
}

bool gleicherNutzer(int fd) {
    ucred wer{};
    socklen_t laenge = sizeof wer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &wer, &laenge) == 0 && wer.uid == ::getuid();
}

// A directory of this user that no one else may write or look into.
bool eigenesVerzeichnis(const char* pfad) {
    struct stat st {};
    return pfad && pfad[0] == '/' && ::lstat(pfad, &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

}  // namespace

Ruf::Ruf(QObject* eltern) : QObject(eltern) {}

Ruf::~Ruf() {
    melder_.reset();
    if (fd_ < 0) return;
    // The lock is still held: the socket there is this game's.
    struct stat da {};
    if (::lstat(pfad_.c_str(), &da) == 0 && S_ISSOCK(da.st_mode)) ::unlink(pfad_.c_str());
    ::close(fd_);
}

std::string Ruf::ort(const std::string& name, const std::string& spielstandVerzeichnis) {
    const char* laufzeit = std::getenv("XDG_RUNTIME_DIR");
    if (eigenesVerzeichnis(laufzeit)) return std::string(laufzeit) + "/" + name + ".ruf";
    std::string ort = spielstandVerzeichnis;
    if (!ort.empty() && ort.back() != '/') ort += '/';
    return ort + "TrevoSpielstand.bin.ruf";
}

bool Ruf::lauschen(const std::string& pfad, std::function<void()> angerufen) {
    if (fd_ >= 0) return false;
    sockaddr_un a;
    socklen_t n = 0;
    if (!adresse(pfad, a, n)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // Never a directory or a file of the player's: only a socket is replaced.
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) ::unlink(pfad.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&a), n) != 0 || ::chmod(pfad.c_str(), 0600) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    pfad_ = pfad;
    angerufen_ = std::move(angerufen);
    melder_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(melder_.get(), &QSocketNotifier::activated, this, [this] { annehmen(); });
    return true;
}

void Ruf::annehmen() {
    bool gerufen = false;
    for (;;) {
        const int gast = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (gast < 0) {
            if (errno == EINTR) continue;
            break;  // EAGAIN: all taken; anything else: try again at the next call
        }
        gerufen = gerufen || gleicherNutzer(gast);
        ::close(gast);
    }
    if (gerufen && angerufen_) angerufen_();
}

bool Ruf::anrufen(const std::string& pfad, int wartenMs) {
    sockaddr_un a;
    socklen_t n = 0;
    if (!adresse(pfad, a, n)) return false;
    // The lock is held, so a game runs: one that is still starting has no
    // socket yet, and is asked again until the time is up.
    const auto frist = std::chrono::steady_clock::now() + std::chrono::milliseconds(wartenMs);
    for (;;) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        // A listener with a full queue keeps the call waiting, at most this long.
        const auto rest = std::chrono::duration_cast<std::chrono::microseconds>(frist - std::chrono::steady_clock::now());
        const long us = std::max<long>(1000, static_cast<long>(rest.count()));
        timeval warten{us / 1000000, us % 1000000};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &warten, sizeof warten);
        int r;
        do r = ::connect(fd, reinterpret_cast<const sockaddr*>(&a), n);
        while (r != 0 && errno == EINTR);
        const int grund = r == 0 ? 0 : errno;
        const bool verbunden = r == 0 && gleicherNutzer(fd);
        ::close(fd);
        if (verbunden) return true;
        if ((grund != ENOENT && grund != ECONNREFUSED) || std::chrono::steady_clock::now() >= frist) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}
