#include "ui/signalwache.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The handler may only write to a pipe; the event loop reads it.
int weckPaar[2] = {-1, -1};
constexpr int signale[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void wecken(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(weckPaar[1], &c, 1);
}
}  // namespace

SignalWache::SignalWache(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, weckPaar) != 0) return;
    melder_ = new QSocketNotifier(weckPaar[0], QSocketNotifier::Read, this);
    connect(melder_, &QSocketNotifier::activated, this, [this] {
        char puffer[16];
        while (::read(weckPaar[0], puffer, sizeof puffer) > 0) {
        }
        if (ausgeloest_ || !beenden_) return;
        ausgeloest_ = true;
        beenden_();
    });
    struct sigaction sa {};
    sa.sa_handler = wecken;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : signale) ::sigaction(s, &sa, nullptr);
}

SignalWache::~SignalWache() {
    if (!melder_) return;
    for (int s : signale) std::signal(s, SIG_DFL);
    delete melder_;
    ::close(weckPaar[0]);
    ::close(weckPaar[1]);
    weckPaar[0] = weckPaar[1] = -1;
}
