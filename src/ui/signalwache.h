// Ends the game in order when the system asks politely (SIGTERM at logout or
// shutdown, SIGINT from a terminal, SIGHUP when the terminal goes away), so
// that the month the player has just played is saved like at a menu quit.
// From its making until it is gone, these signals never end the process
// themselves: the first one starts the orderly end, every further one is
// absorbed, so that a desktop that repeats its request, or a second Ctrl-C,
// cannot cut the save short.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

class SignalWache : public QObject {
public:
    explicit SignalWache(QObject* parent = nullptr);
    ~SignalWache() override;
    SignalWache(const SignalWache&) = delete;
    SignalWache& operator=(const SignalWache&) = delete;

    // What the first signal does (from the event loop); nothing when empty.
    // It runs at most once in the watch's life.
    void beiSignal(std::function<void()> beenden) { beenden_ = std::move(beenden); }

private:
    std::function<void()> beenden_;
    bool ausgeloest_ = false;
    QSocketNotifier* melder_ = nullptr;
};
