#include "ui/ruf.h"

#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

namespace {

// The abstract address: a leading zero byte, then the name (cut to fit).
socklen_t adresse(const std::string& name, sockaddr_un& a) {
    std::memset(&a, 0, sizeof a);
    a.sun_family = AF_UNIX;
    const std::size_t n = std::min(name.size(), sizeof a.sun_path - 1);
    std::memcpy(a.sun_path + 1, name.data(), n);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}

bool gleicherNutzer(int fd) {
    ucred wer{};
    socklen_t laenge = sizeof wer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &wer, &laenge) == 0 && wer.uid == ::getuid();
}

}  // namespace

Ruf::Ruf(QObject* eltern) : QObject(eltern) {}

Ruf::~Ruf() {
    melder_.reset();
    if (fd_ >= 0) ::close(fd_);
}

bool Ruf::lauschen(const std::string& name, std::function<void()> angerufen) {
    if (fd_ >= 0) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un a;
    const socklen_t n = adresse(name, a);
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&a), n) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
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

bool Ruf::anrufen(const std::string& name, int wartenMs) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A listener with a full queue keeps the call waiting, at most this long.
    timeval frist{wartenMs / 1000, (wartenMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &frist, sizeof frist);
    sockaddr_un a;
    const socklen_t n = adresse(name, a);
    const bool verbunden = ::connect(fd, reinterpret_cast<const sockaddr*>(&a), n) == 0 && gleicherNutzer(fd);
    ::close(fd);
    return verbunden;
}
