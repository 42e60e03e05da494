#include "verlauf.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "fields/feld.h"
#include "fields/felderform.h"
#include "geld/kontrollform.h"
#include "goods/gutform.h"
#include "livestock/tierform.h"
#include "market/preiseform.h"
#include "rahmen/mainform.h"
#include "spielstand/inidatei.h"

std::string Spielbild::ohneLage(const std::string& stand) {
    // The places are the keys every window's section starts with.
    static const std::set<std::string> lage = {"x", "y", "w", "h", "wstat"};
    std::string aus;
    aus.reserve(stand.size());
    std::size_t von = 0;
    while (von < stand.size()) {
        std::size_t bis = stand.find('\n', von);
        bis = bis == std::string::npos ? stand.size() : bis + 1;
        const std::string_view zeile(stand.data() + von, bis - von);
        const std::size_t gleich = zeile.find('=');
        if (gleich == std::string_view::npos || !lage.contains(std::string(zeile.substr(0, gleich))))
            aus.append(zeile);
        von = bis;
    }
    return aus;
}

bool Spielbild::gleichesSpiel(const Spielbild& b) const {
    const auto buchGleich = [](const Hofbuch::Stand& x, const Hofbuch::Stand& y) {
        return x.laufend == y.laufend && x.anfang == y.anfang && x.monate == y.monate;
    };
    return zufall == b.zufall && temperatur == b.temperatur && futterMangel == b.futterMangel &&
           buchGleich(buch, b.buch) && (stand == b.stand || ohneLage(stand) == ohneLage(b.stand));
}

bool Spielbild::gleich(const Spielbild& b) const {
    return stand == b.stand && reihenfolge == b.reihenfolge && nebenbei == b.nebenbei && gleichesSpiel(b);
}

std::size_t Spielbild::groesse() const {
    std::size_t n = sizeof(*this) + stand.capacity();
    for (const std::string& r : reihenfolge) n += sizeof r + r.capacity();
    for (const Nebenbei& e : nebenbei) {
        n += sizeof e + e.zahlen.capacity() * sizeof(int64_t);
        for (const std::string& t : e.texte) n += sizeof t + t.capacity();
    }
    n += buch.laufend.capacity() * sizeof(int64_t);
    if (buch.letzte) n += sizeof(HofbuchZeile) + buch.letzte->werte.capacity() * sizeof(int64_t);
    return n;
}

void Spielverlauf::aufnehmen(Schritt s) {
    schritte_.erase(schritte_.begin() + static_cast<std::ptrdiff_t>(offen_), schritte_.end());
    // The state before is often the one the last step left: kept once.
    if (!schritte_.empty() && schritte_.back().nachher->gleich(*s.vorher))
        s.vorher = schritte_.back().nachher;
    schritte_.push_back(std::move(s));
    offen_ = schritte_.size();
    ++aufgenommen_;
    kuerzen();
}

void Spielverlauf::leeren() {
    schritte_.clear();
    offen_ = 0;
}

void Spielverlauf::kuerzen() {
    // The oldest steps go once more months than kept lie behind them, or
    // when there are too many.
    int32_t monate = 0;
    std::size_t erster = 0;
    for (std::size_t i = schritte_.size(); i-- > 0;) {
        if (schritte_[i].monat && ++monate > behalteneMonate) {
            erster = i + 1;
            break;
        }
    }
    erster = std::max(erster, schritte_.size() > hoechstensSchritte ? schritte_.size() - hoechstensSchritte : 0);
    erster = std::min(erster, offen_);
    schritte_.erase(schritte_.begin(), schritte_.begin() + static_cast<std::ptrdiff_t>(erster));
    offen_ -= erster;
}

std::size_t Spielverlauf::speicher() const {
    std::set<const Spielbild*> gezaehlt;
    std::size_t n = 0;
    for (const Schritt& s : schritte_) {
        n += sizeof s + s.name.capacity() + (s.punktVorher ? s.punktVorher->capacity() : 0);
        for (const Spielbild* b : {s.vorher.get(), s.nachher.get()})
            if (gezaehlt.insert(b).second) n += b->groesse();
    }
    return n;
}

namespace {

int64_t wert(const IniDatei& ini, const std::string& sektion, const char* schluessel) {
    return ini.lesen64(sektion, schluessel).value_or(0);
}

std::string monatText(const IniDatei& ini) {
    const int64_t m = wert(ini, kontrollSektion, "monat");
    const std::string name = m >= 1 && m <= 12 ? monatsNamen[static_cast<std::size_t>(m)] : "?";
    return name + " " + std::to_string(wert(ini, kontrollSektion, "jahr"));
}

std::string feldName(int32_t i) {
    if (FelderForm && FelderForm->felder[static_cast<std::size_t>(i)])
        return FelderForm->felder[static_cast<std::size_t>(i)]->name;
    return "Feld " + std::to_string(i);
}

}  // namespace

std::string schrittName(const Spielbild& vorher, const Spielbild& nachher) {
    const IniDatei a(vorher.stand);
    const IniDatei b(nachher.stand);
    if (wert(a, kontrollSektion, "monat") != wert(b, kontrollSektion, "monat") ||
        wert(a, kontrollSektion, "jahr") != wert(b, kontrollSektion, "jahr"))
        return "Weiter (" + monatText(a) + ")";
    // A field's work moves its store too: the field comes first.
    for (int32_t i = 1; i <= TFelderForm::anzahlFelder; ++i) {
        const std::string s = "Fld" + std::to_string(i);
        const int64_t va = wert(a, s, "was");
        const int64_t vb = wert(b, s, "was");
        if (va < 0 && vb >= 0) return "Pacht von " + feldName(i);
        if (va >= 0 && vb < 0) return "Kündigung von " + feldName(i);
        if (va != vb || wert(a, s, "wachs") != wert(b, s, "wachs")) return "Feldarbeit auf " + feldName(i);
    }
    if (!MainForm) return "Änderung";
    for (TkindForm* k : MainForm->kinder()) {
        const auto* g = dynamic_cast<const TgutForm*>(k);
        if (!g) continue;
        const std::string& s = g->name();
        const auto* herde = dynamic_cast<const TtierForm*>(g);
        if (wert(a, s, "maxmenge") != wert(b, s, "maxmenge")) return "Vergrößerung: " + g->caption;
        const int64_t ma = wert(a, s, "menge");
        const int64_t mb = wert(b, s, "menge");
        if (ma != mb) {
            const int64_t n = mb > ma ? mb - ma : ma - mb;
            const std::string was = mb > ma ? "Kauf" : "Verkauf";
            if (herde) return was + ": " + std::to_string(n) + " × " + g->caption;
            const std::string einheit =
                PreiseForm && g->gutNr >= 0 && g->gutNr < anzahlGueter ? PreiseForm->einheit[static_cast<std::size_t>(g->gutNr)] : "";
            return was + " von " + std::to_string(n) + " " + einheit + (einheit.empty() ? "" : " ") + g->caption;
        }
        if (herde) {
            if ((wert(a, s, "Mehren") != 0) != (wert(b, s, "Mehren") != 0))
                return "„" + herde->MehrenCB.caption + "“ " + (wert(b, s, "Mehren") ? "an" : "aus") + ": " + g->caption;
            if ((wert(a, s, "Geben") != 0) != (wert(b, s, "Geben") != 0))
                return "„" + herde->GebenCB.caption + "“ " + (wert(b, s, "Geben") ? "an" : "aus") + ": " + g->caption;
        }
    }
    return "Änderung";
}
