// The call between two starts of the game on the same save file: the running
// game listens, a second start calls and ends, and the running one comes
// forward. A Unix socket in a place only this user can make files in: the
// user's runtime directory, or else beside the save file's lock, which only
// the game holding the lock replaces. Each side checks that the other belongs
// to the same user.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <memory>
#include <string>

class Ruf final : public QObject {
public:
    explicit Ruf(QObject* eltern = nullptr);
    // Removes the socket it listened on.
    ~Ruf() override;
    Ruf(const Ruf&) = delete;
    Ruf& operator=(const Ruf&) = delete;

    // Where the game holding the lock in spielstandVerzeichnis listens:
    // "$XDG_RUNTIME_DIR/NAME.ruf" where that directory is the user's own and
    // closed to others, else "TrevoSpielstand.bin.ruf" beside the lock.
    static std::string ort(const std::string& name, const std::string& spielstandVerzeichnis);

    // Listens at pfad (readable and writable by the user alone); every call
    // of the same user runs `angerufen` on this thread. Only the holder of
    // the save file's lock listens, so whatever lies at pfad is an earlier
    // game's leftover or a squatter, and is replaced. False when the socket
    // cannot be made.
    bool lauschen(const std::string& pfad, std::function<void()> angerufen);

    // Calls the game listening at pfad, waiting at most `wartenMs` for it to
    // listen (it may still be starting) and for a place in its queue. True
    // when one of the same user answered.
    static bool anrufen(const std::string& pfad, int wartenMs);

private:
    void annehmen();

    int fd_ = -1;
    std::string pfad_;
    std::unique_ptr<QSocketNotifier> melder_;
    std::function<void()> angerufen_;
};
