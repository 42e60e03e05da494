#include "ui/musik/strommusik.h"

#include <QFile>

#include <cstring>
#include <fstream>
#include <utility>

#include "ui/musik/tongeraet.h"

namespace {

// The sound module's stream; null without the module.
std::unique_ptr<MusikStrom> modulStrom(const std::string& datei, std::function<void(StromEreignis)> melden) {
    static const auto neu = klangModulFunktion<MusikStromNeu>(kMusikStromNeu);
    if (!neu) return nullptr;
    return std::unique_ptr<MusikStrom>(neu(QFile::decodeName(datei.c_str()), std::move(melden)));
}

bool istOgg(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    char kopf[4] = {};
    return ein.read(kopf, sizeof kopf) && std::memcmp(kopf, "OggS", sizeof kopf) == 0;
}

}  // namespace

StromMusik::StromMusik(StromQuelle quelle, std::function<bool()> geraet)
    : quelle_(quelle ? std::move(quelle) : modulStrom), geraet_(geraet ? std::move(geraet) : tonGeraetErreichbar) {}

StromMusik::~StromMusik() = default;

bool StromMusik::oeffnen(const std::string& datei) {
    strom_.reset();
    durchgespielt_ = false;
    laeuft_ = false;
    datei_ = datei;
    offen_ = !datei.empty() && istOgg(datei) && geraet_();
    return offen_;
}

bool StromMusik::spielen() {
    if (!offen_) return false;
    laeuft_ = true;
    if (!freigegeben_) return true;
    if (durchgespielt_) {
        durchgespielt_ = false;
        alterStrom_ = std::move(strom_);
    }
    if (!strom_) {
        strom_ = quelle_(datei_, [this](StromEreignis e) { melden(e); });
        if (!strom_) {
            // No module: as if never opened.
            offen_ = laeuft_ = false;
            return false;
        }
        strom_->lautstaerke(lautstaerke_);
    }
    strom_->spielen();
    return true;
}

void StromMusik::stoppen() {
    // Cleared first: an end reported after this is a pause's, not the piece's.
    laeuft_ = false;
    if (strom_) strom_->anhalten();
}

void StromMusik::lautstaerkeSetzen(float anteil) {
    // Written so that NaN ends up silent.
    lautstaerke_ = anteil > 1.0f ? 1.0f : (anteil >= 0.0f ? anteil : 0.0f);
    if (strom_) strom_->lautstaerke(lautstaerke_);
}

void StromMusik::freigeben() {
    if (freigegeben_) return;
    freigegeben_ = true;
    if (spielt()) spielen();
}

void StromMusik::melden(StromEreignis ereignis) {
    if (ereignis == StromEreignis::fehler) {
        // A file that cannot be played: as if never opened. The stream stays
        // until the next file or the end, for this report runs inside it.
        if (strom_) strom_->anhalten();
        offen_ = laeuft_ = false;
        return;
    }
    if (!laeuft_) return;
    laeuft_ = false;
    durchgespielt_ = true;
    // Last, because the listener may well start the piece again.
    if (endeMeldung_) endeMeldung_();
}
