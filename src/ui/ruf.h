// The call between two starts of the game on the same save file: the running
// game listens, a second start calls and ends, and the running one comes
// forward. A Unix socket in Linux's abstract namespace: nothing on disk to
// clean up after a crash, and no network library to load at start-up. Each
// side checks that the other belongs to the same user.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <string>

class Ruf final : public QObject {
public:
    explicit Ruf(QObject* eltern = nullptr);
    ~Ruf() override;
    Ruf(const Ruf&) = delete;
    Ruf& operator=(const Ruf&) = delete;

    // Listens under `name`; every call of the same user runs `angerufen` on
    // this thread. False when the name is taken or the socket cannot be made.
    bool lauschen(const std::string& name, std::function<void()> angerufen);

    // Calls the game listening under `name`, waiting at most `wartenMs`.
    // True when one of the same user answered.
    static bool anrufen(const std::string& name, int wartenMs);

private:
    void annehmen();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> melder_;
    std::function<void()> angerufen_;
};
