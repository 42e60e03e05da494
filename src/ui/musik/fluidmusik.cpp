#include "ui/musik/fluidmusik.h"

#include "ui/musik/fluidmaschine.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace {
// Often enough that the loop has no audible gap, rare enough to cost nothing.
constexpr int kNachsehenMs = 100;
}  // namespace

FluidMusik::FluidMusik(std::unique_ptr<MusikMaschine> maschine, Laden laden)
    : maschine_(maschine ? std::move(maschine) : std::make_unique<FluidMaschine>()),
      laden_(laden) {
    uhr_.setInterval(kNachsehenMs);
    QObject::connect(&uhr_, &QTimer::timeout, &uhr_, [this] { nachsehen(); });
}

FluidMusik::~FluidMusik() {
    uhr_.stop();
    if (lader_.joinable()) {
        const std::lock_guard<std::mutex> halten(ladeZustand_->schutz);
        if (!ladeZustand_->gemeldet) {
            // The end of the game never waits for the soundfont.
            ladeZustand_->verlassen = true;
            lader_.detach();
            return;
        }
    }
    warteAufLader();
    maschine_->schliessen();
}

void FluidMusik::warteAufLader() {
    if (lader_.joinable())
        lader_.join();
}

bool FluidMusik::oeffnen(const std::string& datei) {
    uhr_.stop();
    warteAufLader();
    if (zustand_ != Zustand::zu)
        maschine_->schliessen();
    zustand_ = Zustand::zu;
    laeuft_ = false;
    amEnde_ = false;

    if (!maschine_->pruefen(datei)) {
        maschine_->schliessen();
        return false;
    }
    zustand_ = Zustand::laedt;
    const unsigned runde = ++runde_;
    if (laden_ == Laden::sofort)
        geladen(runde, maschine_->laden());
    else if (laden_ == Laden::imHintergrund || freigegeben_)
        ladeImHintergrund(runde);
    // Loading at once may already have failed; in the background it cannot have yet.
    return zustand_ != Zustand::zu;
}

void FluidMusik::ladeImHintergrund(unsigned runde) {
    ladeZustand_ = std::make_shared<Lader>();
    lader_ = std::thread([this, runde, maschine = maschine_, zustand = ladeZustand_] {
        // The soundfont can wait; the game's windows cannot.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
        const bool ok = maschine->laden();
        const std::lock_guard<std::mutex> halten(zustand->schutz);
        if (zustand->verlassen) {
            // Nobody listens any more; `this` is gone.
            maschine->schliessen();
            return;
        }
        zustand->gemeldet = true;
        // Back to the UI thread; dropped if the player is gone by then.
        QMetaObject::invokeMethod(
            &uhr_, [this, runde, ok] { geladen(runde, ok); }, Qt::QueuedConnection);
    });
}

void FluidMusik::freigeben() {
    if (freigegeben_)
        return;
    freigegeben_ = true;
    // A file opened while waiting loads now.
    if (laden_ == Laden::nachFreigabe && zustand_ == Zustand::laedt && !lader_.joinable())
        ladeImHintergrund(runde_);
}

void FluidMusik::geladen(unsigned runde, bool ok) {
    // An answer for a file opened before the current one is stale.
    if (runde != runde_ || zustand_ != Zustand::laedt)
        return;
    warteAufLader();
    if (!ok) {
        // A soundfont that looked right but does not load: as if never opened.
        maschine_->schliessen();
        zustand_ = Zustand::zu;
        laeuft_ = false;
        return;
    }
    zustand_ = Zustand::bereit;
    if (laeuft_) {
        maschine_->abspielen();
        uhr_.start();
    }
}

bool FluidMusik::geoeffnet() const { return zustand_ != Zustand::zu; }

bool FluidMusik::spielen() {
    if (zustand_ == Zustand::zu)
        return false;
    if (laeuft_)
        return true;
    laeuft_ = true;
    if (zustand_ == Zustand::bereit) {
        if (amEnde_)
            maschine_->vonVorn();
        amEnde_ = false;
        maschine_->abspielen();
        uhr_.start();
    }
    return true;
}

void FluidMusik::stoppen() {
    if (!laeuft_)
        return;
    // Cleared first: from here on the machine's "done" is a pause, not the end.
    laeuft_ = false;
    uhr_.stop();
    if (zustand_ == Zustand::bereit)
        maschine_->anhalten();
}

bool FluidMusik::spielt() const { return zustand_ != Zustand::zu && laeuft_; }

void FluidMusik::setzeEndeMeldung(std::function<void()> meldung) {
    endeMeldung_ = std::move(meldung);
}

void FluidMusik::nachsehen() {
    if (zustand_ != Zustand::bereit || !laeuft_ || !maschine_->durchgelaufen())
        return;
    laeuft_ = false;
    amEnde_ = true;
    uhr_.stop();
    // Last, because the listener may well start the piece again.
    if (endeMeldung_)
        endeMeldung_();
}
