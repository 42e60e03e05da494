// trevo-klaenge.so: the short sounds and the background music through Qt
// Multimedia. Loaded by the game when it makes its first sound or starts its
// music (see ui/klangspieler.h).
#include <QAbstractEventDispatcher>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBasicTimer>
#include <QByteArray>
#include <QTimerEvent>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
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

// The music's own thread holds the file and the sound sink, so that nothing
// the UI thread does, a guide opening or a long logbook drawn, can let the
// music run dry. Once a second it fills the server's buffer of two seconds
// with what has room, and sleeps in between: the sink's own timer, which
// Qt 6.4 runs fifty times a second even where nothing is pulled, is put to
// sleep. Each fill wakes the sound library's thread too, for the write and
// the timing updates that follow it, so fewer fills are fewer wake-ups of
// both. A volume change is heard once the buffer has played out, after one
// to two seconds (Qt's sink scales the samples as they are written).
class Wiedergabe final : public QObject {
public:
    Wiedergabe(QString datei, QAudioDevice geraet, std::function<void(StromEreignis)> melden)
        : datei_(std::move(datei)), geraet_(std::move(geraet)), melden_(std::move(melden)) {}

    // The file goes with it: the sink reads it in that thread.
    void inFaden(QThread* faden) {
        moveToThread(faden);
        quelle_.moveToThread(faden);
    }

    // Everything below runs in the music's thread.
    void spielen() {
        if (kaputt_) return;
        if (!senke_ && !oeffnen()) {
            kaputt_ = true;
            melden_(StromEreignis::fehler);
            return;
        }
        if (senke_->state() == QAudio::SuspendedState) {
            senke_->resume();
            senkeSchlafenLegen();
            takt_.start(kTaktMs, this);
        } else if (!gestartet_) {
            gestartet_ = true;
            ziel_ = senke_->start();
            if (!ziel_ || senke_->state() == QAudio::StoppedState) {
                melden_(StromEreignis::fehler);
                return;
            }
            senkeSchlafenLegen();
            nachfuellen();
            takt_.start(kTaktMs, this);
        }
    }
    void anhalten() {
        takt_.stop();
        if (senke_ && (senke_->state() == QAudio::ActiveState || senke_->state() == QAudio::IdleState))
            senke_->suspend();
    }
    void lautstaerke(float anteil) {
        lautstaerke_ = anteil;
        if (senke_) senke_->setVolume(anteil);
    }
    // The sink goes in the thread that made it, before the thread ends.
    void schliessen() {
        takt_.stop();
        if (!senke_) return;
        QObject::disconnect(senke_, nullptr, this, nullptr);
        senke_->stop();
        delete senke_;
        senke_ = nullptr;
    }

protected:
    void timerEvent(QTimerEvent*) override { nachfuellen(); }

private:
    static constexpr int kTaktMs = 1000;
    static constexpr qint64 kPufferMikrosekunden = 2000000;
    // A sink timer of this period would only wake the thread: Qt's sink
    // writes nothing on it where the music is pushed, as here.
    static constexpr qint64 kSchlafMs = 24 * 60 * 60 * 1000;

    // Qt's sink starts a timer of 20 ms on start() and resume() that in push
    // mode does nothing but look at the sink's state. It is given a day's
    // period under its own id, so that the sink still stops it as its own
    // when it suspends or stops, and the thread sleeps between its fills.
    void senkeSchlafenLegen() {
        QAbstractEventDispatcher* verteiler = QAbstractEventDispatcher::instance(thread());
        if (!verteiler) return;
        // Qt's sink is the thread object's child beside the QAudioSink.
        for (QObject* o : findChildren<QObject*>()) {
            for (const QAbstractEventDispatcher::TimerInfo& t : verteiler->registeredTimers(o)) {
                if (t.interval >= kTaktMs) continue;
                verteiler->unregisterTimer(t.timerId);
                verteiler->registerTimer(t.timerId, kSchlafMs, Qt::VeryCoarseTimer, o);
            }
        }
    }

    // Fills what the server's buffer has room for. When the file is at its
    // end the buffer runs empty, and the sink goes idle.
    void nachfuellen() {
        if (!ziel_) return;
        const qint64 frei = senke_->bytesFree();
        if (frei <= 0) return;
        puffer_.resize(frei);
        const qint64 n = quelle_.read(puffer_.data(), frei);
        if (n > 0) ziel_->write(puffer_.constData(), n);
        if (n <= 0 && (quelle_.atEnd() || quelle_.fehlerhaft())) takt_.stop();
    }

    bool oeffnen() {
        if (geraet_.isNull() || !quelle_.oeffnen(datei_)) return false;
        QAudioFormat format;
        format.setSampleFormat(QAudioFormat::Int16);
        format.setChannelCount(quelle_.kanaele());
        format.setSampleRate(quelle_.rate());
        senke_ = new QAudioSink(geraet_, format, this);
        senke_->setBufferSize(format.bytesForDuration(kPufferMikrosekunden));
        senke_->setVolume(lautstaerke_);
        // The sink goes idle when its buffer has run empty: after the piece's
        // end, or where a damaged file broke off (and, to be ignored, when the
        // thread was kept from filling it).
        QObject::connect(senke_, &QAudioSink::stateChanged, this, [this](QAudio::State zustand) {
            if (zustand == QAudio::IdleState && quelle_.fehlerhaft()) melden_(StromEreignis::fehler);
            else if (zustand == QAudio::IdleState && quelle_.atEnd()) melden_(StromEreignis::ende);
            else if (zustand == QAudio::StoppedState && senke_->error() != QAudio::NoError)
                melden_(StromEreignis::fehler);
        });
        return true;
    }

    QString datei_;
    QAudioDevice geraet_;
    std::function<void(StromEreignis)> melden_;
    OggQuelle quelle_;
    QAudioSink* senke_ = nullptr;
    QIODevice* ziel_ = nullptr;  // the sink's, while it plays
    QByteArray puffer_;
    QBasicTimer takt_;
    float lautstaerke_ = 1.0f;
    bool gestartet_ = false;
    bool kaputt_ = false;
};

// The UI thread's side: each call goes to the music's thread and returns at
// once; what the stream reports comes back as an event on the UI thread.
class QtMusikStrom final : public MusikStrom {
public:
    QtMusikStrom(const QString& datei, std::function<void(StromEreignis)> melden)
        // Asked here: the device list belongs to the UI thread.
        : wiedergabe_(std::make_unique<Wiedergabe>(datei, QMediaDevices::defaultAudioOutput(),
                                                   [this](StromEreignis e) { spaeterMelden(e); })),
          melden_(std::move(melden)) {
        faden_.setObjectName(QStringLiteral("Trevo-Musik"));
        wiedergabe_->inFaden(&faden_);
        faden_.start();
    }
    ~QtMusikStrom() override {
        // The sink is stopped and gone before this returns; a report still
        // queued dies with bote_.
        QMetaObject::invokeMethod(wiedergabe_.get(), [w = wiedergabe_.get()] { w->schliessen(); },
                                  Qt::BlockingQueuedConnection);
        faden_.quit();
        faden_.wait();
    }
    QtMusikStrom(const QtMusikStrom&) = delete;
    QtMusikStrom& operator=(const QtMusikStrom&) = delete;

    // A stream that played to its end is not played again: the player makes
    // a new one (StromMusik).
    void spielen() override { imFaden([](Wiedergabe& w) { w.spielen(); }); }
    void anhalten() override { imFaden([](Wiedergabe& w) { w.anhalten(); }); }
    void lautstaerke(float anteil) override { imFaden([anteil](Wiedergabe& w) { w.lautstaerke(anteil); }); }

private:
    template <typename F>
    void imFaden(F f) {
        QMetaObject::invokeMethod(wiedergabe_.get(), [w = wiedergabe_.get(), f] { f(*w); }, Qt::QueuedConnection);
    }
    // Called in the music's thread.
    void spaeterMelden(StromEreignis ereignis) {
        QMetaObject::invokeMethod(&bote_, [this, ereignis] { melden_(ereignis); }, Qt::QueuedConnection);
    }

    QObject bote_;  // of the UI thread; made first, gone last
    std::unique_ptr<Wiedergabe> wiedergabe_;  // gone after its thread has ended
    std::function<void(StromEreignis)> melden_;
    QThread faden_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) KlangSpieler* trevoKlangSpielerNeu() {
    return new QtKlaenge;
}

extern "C" __attribute__((visibility("default"))) MusikStrom* trevoMusikStromNeu(
    const QString& datei, std::function<void(StromEreignis)> melden) {
    return new QtMusikStrom(datei, std::move(melden));
}
