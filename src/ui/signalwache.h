// Ends the game in order when the system asks politely (SIGTERM at logout or
// shutdown, SIGINT from a terminal, SIGHUP when the terminal goes away), so
// that the month the player has just played is saved like at a menu quit.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

class SignalWache : public QObject {
public:
    explicit SignalWache(std::function<void()> beenden, QObject* parent = nullptr);
    ~SignalWache() override;
    SignalWache(const SignalWache&) = delete;
    SignalWache& operator=(const SignalWache&) = delete;

private:
    std::function<void()> beenden_;
    QSocketNotifier* melder_ = nullptr;
};
