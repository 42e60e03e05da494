// trevo-klaenge.so: the short sounds and the background music through Qt
// Multimedia. Loaded by the game when it makes its first sound or starts its
// music (see ui/klangspieler.h).
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>
#include <utility>

#include "ui/klangspieler.h"

namespace {

class QtKlaenge final : public KlangSpieler {
public:
    void spielen(const QString& datei) override {
        // One effect per sound, made on its first use; a sound started again
        // while it plays starts over.
        std::unique_ptr<QSoundEffect>& effekt = effekte_[datei];
        if (!effekt) {
            effekt = std::make_unique<QSoundEffect>();
            effekt->setSource(QUrl(QStringLiteral("qrc") + datei));
        }
        effekt->play();
    }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effekte_;
};

// The music: the media player decodes and streams the file; the sound
// server mixes it. Nothing of it runs on the UI thread but these calls.
class QtMusikStrom final : public MusikStrom {
public:
    QtMusikStrom(const QString& datei, std::function<void(StromEreignis)> melden) : melden_(std::move(melden)) {
        player_.setAudioOutput(&ausgabe_);
        // The player's signals come from inside its own work; its owner hears
        // of them from an event of their own.
        QObject::connect(&player_, &QMediaPlayer::mediaStatusChanged, &bote_, [this](QMediaPlayer::MediaStatus s) {
            if (s == QMediaPlayer::EndOfMedia) spaeterMelden(StromEreignis::ende);
            if (s == QMediaPlayer::InvalidMedia) spaeterMelden(StromEreignis::fehler);
        });
        QObject::connect(&player_, &QMediaPlayer::errorOccurred, &bote_,
                         [this](QMediaPlayer::Error f) {
                             if (f != QMediaPlayer::NoError) spaeterMelden(StromEreignis::fehler);
                         });
        player_.setSource(QUrl::fromLocalFile(datei));
    }
    ~QtMusikStrom() override {
        // No report for a stream that is gone.
        QObject::disconnect(&player_, nullptr, &bote_, nullptr);
        player_.stop();
    }
    QtMusikStrom(const QtMusikStrom&) = delete;
    QtMusikStrom& operator=(const QtMusikStrom&) = delete;

    // A stream that played to its end is not played again: the player makes
    // a new one (StromMusik).
    void spielen() override { player_.play(); }
    void anhalten() override { player_.pause(); }
    void lautstaerke(float anteil) override { ausgabe_.setVolume(anteil); }

private:
    void spaeterMelden(StromEreignis ereignis) {
        QMetaObject::invokeMethod(&bote_, [this, ereignis] { melden_(ereignis); }, Qt::QueuedConnection);
    }

    std::function<void(StromEreignis)> melden_;
    QObject bote_;  // first made, last gone: a report still queued dies with it
    QAudioOutput ausgabe_;
    QMediaPlayer player_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) KlangSpieler* trevoKlangSpielerNeu() {
    return new QtKlaenge;
}

extern "C" __attribute__((visibility("default"))) MusikStrom* trevoMusikStromNeu(
    const QString& datei, std::function<void(StromEreignis)> melden) {
    return new QtMusikStrom(datei, std::move(melden));
}
