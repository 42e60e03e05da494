// trevo-klaenge.so: the short sounds and the background music through Qt
// Multimedia. Loaded by the game when it makes its first sound or starts its
// music (see ui/klangspieler.h).
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>
#include <utility>

#include "klaenge/oggquelle.h"
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

// The music: the Ogg file decoded a period at a time into a sound sink that
// pulls from it (Qt's PulseAudio sink, on a timer of the UI thread; the sound
// server mixes). No media framework is loaded for it.
class QtMusikStrom final : public MusikStrom {
public:
    QtMusikStrom(const QString& datei, std::function<void(StromEreignis)> melden) : melden_(std::move(melden)) {
        const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
        if (!quelle_.oeffnen(datei) || geraet.isNull()) {
            spaeterMelden(StromEreignis::fehler);
            return;
        }
        QAudioFormat format;
        format.setSampleFormat(QAudioFormat::Int16);
        format.setChannelCount(quelle_.kanaele());
        format.setSampleRate(quelle_.rate());
        senke_ = new QAudioSink(geraet, format);
        // The sink goes idle when the file has nothing more to give: at the
        // piece's end, or where a damaged file breaks off.
        QObject::connect(senke_, &QAudioSink::stateChanged, &bote_, [this](QAudio::State zustand) {
            if (zustand == QAudio::IdleState && quelle_.fehlerhaft()) spaeterMelden(StromEreignis::fehler);
            else if (zustand == QAudio::IdleState && quelle_.atEnd()) spaeterMelden(StromEreignis::ende);
            else if (zustand == QAudio::StoppedState && senke_->error() != QAudio::NoError)
                spaeterMelden(StromEreignis::fehler);
        });
    }
    ~QtMusikStrom() override {
        // No report for a stream that is gone.
        if (!senke_) return;
        QObject::disconnect(senke_, nullptr, &bote_, nullptr);
        senke_->stop();
        // Qt's PulseAudio sink runs the event loop in its destructor; not
        // from inside the caller's call, then, but once it has returned.
        senke_->deleteLater();
    }
    QtMusikStrom(const QtMusikStrom&) = delete;
    QtMusikStrom& operator=(const QtMusikStrom&) = delete;

    // A stream that played to its end is not played again: the player makes
    // a new one (StromMusik).
    void spielen() override {
        if (!senke_) return;
        if (senke_->state() == QAudio::SuspendedState) {
            senke_->resume();
        } else if (!gestartet_) {
            gestartet_ = true;
            senke_->setVolume(lautstaerke_);
            senke_->start(&quelle_);
            if (senke_->state() == QAudio::StoppedState) spaeterMelden(StromEreignis::fehler);
        }
    }
    void anhalten() override {
        if (senke_ && (senke_->state() == QAudio::ActiveState || senke_->state() == QAudio::IdleState))
            senke_->suspend();
    }
    void lautstaerke(float anteil) override {
        lautstaerke_ = anteil;
        if (senke_) senke_->setVolume(anteil);
    }

private:
    void spaeterMelden(StromEreignis ereignis) {
        QMetaObject::invokeMethod(&bote_, [this, ereignis] { melden_(ereignis); }, Qt::QueuedConnection);
    }

    std::function<void(StromEreignis)> melden_;
    QObject bote_;  // first made, last gone: a report still queued dies with it
    OggQuelle quelle_;
    QAudioSink* senke_ = nullptr;  // goes with deleteLater(), after the stop
    float lautstaerke_ = 1.0f;
    bool gestartet_ = false;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) KlangSpieler* trevoKlangSpielerNeu() {
    return new QtKlaenge;
}

extern "C" __attribute__((visibility("default"))) MusikStrom* trevoMusikStromNeu(
    const QString& datei, std::function<void(StromEreignis)> melden) {
    return new QtMusikStrom(datei, std::move(melden));
}
