// An Ogg Vorbis file read as 16-bit PCM (little-endian, the channels
// interleaved), a little at a time: the music's sound sink pulls from it what
// it is about to play, so that only a few kilobytes of the piece are ever
// decoded ahead.
#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

class OggQuelle final : public QIODevice {
public:
    OggQuelle();
    ~OggQuelle() override;
    OggQuelle(const OggQuelle&) = delete;
    OggQuelle& operator=(const OggQuelle&) = delete;

    // Opens `datei` for reading from its start; false when it cannot be read
    // or is no Ogg Vorbis file.
    bool oeffnen(const QString& datei);
    int kanaele() const { return kanaele_; }
    int rate() const { return rate_; }
    // The file broke off or is damaged past its start: nothing more comes.
    bool fehlerhaft() const { return fehler_; }

    // True once the whole piece has been read, not after an error.
    bool atEnd() const override { return ende_; }
    bool isSequential() const override { return true; }
    void close() override;

protected:
    qint64 readData(char* ziel, qint64 hoechstens) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    struct Datei;
    std::unique_ptr<Datei> datei_;
    int kanaele_ = 0;
    int rate_ = 0;
    bool ende_ = false;
    bool fehler_ = false;
};
