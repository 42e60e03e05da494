#include "hofbuch/hofbuch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string_view>

#include "geld/zahlen.h"
#include "rahmen/plattform.h"
#include "spielstand/spielstand.h"

const char* const hofbuchName = "TrevoHofbuch.csv";

std::string hofbuchPfad(const std::string& spielstandPfad) {
    return nebenDemSpiel(spielstandPfad, hofbuchName, eigenerSpielname(spielstandPfad) + "-Hofbuch.csv");
}

namespace {

using Art = HofbuchSpalte::Art;

constexpr std::string_view abgeschlossenText = "abgeschlossen";
constexpr std::string_view laufendText = "laufend";
// Excel reads the umlauts of the header only with it; other programs skip it.
constexpr std::string_view bom = "\xEF\xBB\xBF";
// How much of the book's end a start reads first; more only when the game
// goes on from further back.
constexpr int64_t endeUmfang = 16384;
// The most of the book read at once: some thousand years of a farm. A
// window shows the book's last rows within it; a start that would have to
// look back further takes the book for unusable.
constexpr int64_t hoechstensLesen = int64_t{256} << 20;
// The rows written before the book is synced: a year's. Until then they ride
// in the recovery point as well.
constexpr std::size_t hoechstensUngesynct = 12;
// How much of the book's end tells whether another program changed it.
constexpr int64_t stempelEnde = 512;

int64_t zehnHoch(int32_t n) {
    int64_t z = 1;
    for (int32_t i = 0; i < n; ++i) z *= 10;
    return z;
}

// 123456 with two decimals -> "1234,56": the German decimal comma.
std::string zahlText(int64_t wert, int32_t nachkomma) {
    if (nachkomma == 0) return std::to_string(wert);
    const uint64_t betrag = wert < 0 ? 0 - static_cast<uint64_t>(wert) : static_cast<uint64_t>(wert);
    const auto teiler = static_cast<uint64_t>(zehnHoch(nachkomma));
    std::string rest = std::to_string(betrag % teiler);
    rest.insert(0, static_cast<std::size_t>(nachkomma) - rest.size(), '0');
    return (wert < 0 ? "-" : "") + std::to_string(betrag / teiler) + "," + rest;
}

bool ziffern(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The reverse, exactly: the decimals the column has, no more, no fewer.
bool zahlLesen(std::string_view t, int32_t nachkomma, int64_t& wert) {
    std::string_view ganz = t;
    std::string_view teil;
    const std::size_t komma = t.find(',');
    if (nachkomma == 0) {
        if (komma != std::string_view::npos) return false;
    } else {
        const std::size_t vorne = !t.empty() && t.front() == '-' ? 1 : 0;
        if (komma == std::string_view::npos || komma == vorne ||
            t.size() - komma - 1 != static_cast<std::size_t>(nachkomma))
            return false;
        ganz = t.substr(0, komma);
        teil = t.substr(komma + 1);
    }
    // The figure in its smallest unit, then read as every number of the game
    // is: "-12,34" is -1234 cents. A sign or a second comma in the decimals
    // is no digit there.
    const std::size_t ziffernZahl = ganz.size() + teil.size() - (!ganz.empty() && ganz.front() == '-' ? 1 : 0);
    if (!ziffern(teil) || ziffernZahl > 19) return false;
    return ganzeZahl(std::string(ganz) + std::string(teil), wert);
}

// Sums of money held at the 64-bit limits, as the balance is.
int64_t plus(int64_t a, int64_t b) { return gesaettigt(a, b); }

int64_t minus(int64_t a, int64_t b) {
    int64_t r = 0;
    if (!__builtin_sub_overflow(a, b, &r)) return r;
    return b > 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
}

int64_t datumsZahl(int32_t monat, int32_t jahr) { return int64_t{jahr} * 12 + monat; }
int64_t datumsZahl(const HofbuchZeile& z) { return datumsZahl(z.monat, z.jahr); }

// A file opened for the book, closed with it.
class Fd {
public:
    Fd(const std::string& pfad, int flags) : fd_(::open(pfad.c_str(), flags | O_NOCTTY | O_CLOEXEC)) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int operator*() const { return fd_; }
    bool offen() const { return fd_ >= 0; }

private:
    int fd_;
};

// n bytes from offset, or false with the reason.
bool lesenAb(int fd, int64_t von, int64_t n, std::string& text, std::string& fehler) {
    text.resize(static_cast<std::size_t>(n));
    std::size_t gelesen = 0;
    while (gelesen < text.size()) {
        const ssize_t r = ::pread(fd, text.data() + gelesen, text.size() - gelesen, von + static_cast<off_t>(gelesen));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) {
            fehler = systemFehlerText(errno);
            return false;
        }
        if (r == 0) break;  // it shrank meanwhile
        gelesen += static_cast<std::size_t>(r);
    }
    text.resize(gelesen);
    return true;
}

// Writes text at offset von with the save file's writer (which tests replace
// by a failing disk).
bool schreibenAb(int fd, int64_t von, std::string_view text, std::string& fehler) {
    if (::lseek(fd, von, SEEK_SET) < 0) {
        fehler = systemFehlerText(errno);
        return false;
    }
    while (!text.empty()) {
        const ssize_t n = Dateizugriff::schreiber(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            fehler = systemFehlerText(n < 0 ? errno : ENOSPC);
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Appends text at ende, first cutting off what lies beyond it when kuerzen;
// a failed write is cut off again.
bool anfuegenAb(int fd, int64_t ende, bool kuerzen, std::string_view text, std::string& fehler) {
    if (kuerzen && ::ftruncate(fd, ende) != 0) {
        fehler = systemFehlerText(errno);
        return false;
    }
    if (schreibenAb(fd, ende, text, fehler)) return true;
    (void)::ftruncate(fd, ende);
    return false;
}

// The line number of the byte at bis, counted from 1.
int64_t zeileBei(int fd, int64_t bis) {
    std::string text;
    std::string fehler;
    if (!lesenAb(fd, 0, bis, text, fehler)) return 0;
    return 1 + std::count(text.begin(), text.end(), '\n');
}

std::string_view ohneCr(std::string_view z) {
    if (z.ends_with('\r')) z.remove_suffix(1);
    return z;
}

}  // namespace

Hofbuch::Hofbuch(std::string pfad, std::vector<HofbuchSpalte> spalten)
    : pfad_(std::move(pfad)), spalten_(std::move(spalten)) {
    for (std::size_t i = 0; i < spalten_.size(); ++i) {
        const HofbuchSpalte& s = spalten_[i];
        if (s.art == Art::anfang) anfangSpalte_ = static_cast<int32_t>(i);
        if (s.art == Art::ende) endeSpalte_ = static_cast<int32_t>(i);
        if (s.art == Art::buchung && s.buchung.art == BuchungsArt::keine) sonstiges_ = static_cast<int32_t>(i);
    }
    if (anfangSpalte_ < 0 || endeSpalte_ < 0 || sonstiges_ < 0)
        throw std::logic_error("Das Hofbuch braucht Anfang, Ende und Sonstiges.");
    laufend_.assign(spalten_.size(), 0);
    if (KontrollForm) anfang_ = KontrollForm->geld;
}

int32_t Hofbuch::spalte(Art art, int32_t nr) const {
    for (std::size_t i = 0; i < spalten_.size(); ++i)
        if (spalten_[i].art == art && spalten_[i].nr == nr) return static_cast<int32_t>(i);
    return -1;
}

void Hofbuch::gebucht(int64_t betrag, Buchung art) {
    auto ziel = static_cast<std::size_t>(sonstiges_);
    for (std::size_t i = 0; i < spalten_.size(); ++i) {
        const HofbuchSpalte& s = spalten_[i];
        if (s.art == Art::buchung && s.buchung.art == art.art && art.art != BuchungsArt::keine &&
            (s.buchung.gut < 0 || s.buchung.gut == art.gut)) {
            ziel = i;
            break;
        }
    }
    laufend_[ziel] = plus(laufend_[ziel], betrag);
}

HofbuchZeile Hofbuch::aktuelleZeile(bool laufend) const {
    HofbuchZeile z;
    z.monat = KontrollForm->monat;
    z.jahr = KontrollForm->jahr;
    z.laufend = laufend;
    z.werte.assign(spalten_.size(), 0);
    for (std::size_t i = 0; i < spalten_.size(); ++i) {
        const HofbuchSpalte& s = spalten_[i];
        int64_t& w = z.werte[i];
        switch (s.art) {
        case Art::anfang: w = anfang_; break;
        case Art::buchung: w = laufend_[i]; break;
        case Art::ende: w = KontrollForm->geld; break;
        default: w = s.wert ? s.wert() : 0; break;
        }
    }
    return z;
}

void Hofbuch::monatGebucht() {
    HofbuchZeile z = aktuelleZeile(false);
    ++monate_;
    letzte_ = z;
    if (geladen_) zeilen_.push_back(z);
    ausstehend_.push_back(std::move(z));
    beginnen();
    if (geaendert) geaendert(false);
}

void Hofbuch::zuStand(const Stand& s) {
    if (s.monate == monate_ - 1 && letzte_) {
        letzteEntfernen();
    } else if (s.monate == monate_ + 1 && s.letzte) {
        if (geladen_) zeilen_.push_back(*s.letzte);
        ausstehend_.push_back(*s.letzte);
        if (geaendert) geaendert(false);
    }
    laufend_ = s.laufend;
    laufend_.resize(spalten_.size(), 0);
    anfang_ = s.anfang;
    monate_ = s.monate;
    letzte_ = s.letzte;
}

void Hofbuch::letzteEntfernen() {
    const HofbuchZeile& z = *letzte_;
    const auto gleich = [&z](const HofbuchZeile& r) { return datumsZahl(r) == datumsZahl(z) && !r.laufend; };
    if (geladen_ && !zeilen_.empty() && gleich(zeilen_.back())) zeilen_.pop_back();
    if (!ausstehend_.empty() && gleich(ausstehend_.back())) {
        // Not on the disk yet.
        ausstehend_.pop_back();
    } else if (!gesperrt_ && dateiEnde_ > kopfEnde_) {
        const std::string text = zeilenText(z);
        const auto n = static_cast<int64_t>(text.size());
        const Fd fd(pfad_, O_RDWR);
        std::string ende;
        std::string fehler;
        if (fd.offen() && !fremdGeaendert(*fd) && dateiEnde_ - n >= kopfEnde_ &&
            lesenAb(*fd, dateiEnde_ - n, n, ende, fehler) && ende == text) {
            // The next row is written where this one began, whatever the
            // cut leaves behind.
            dateiEnde_ -= n;
            if (::ftruncate(*fd, dateiEnde_) != 0 ||
                (dateienSyncen && Dateizugriff::syncer(*fd) != 0))
                schreibfehler(systemFehlerText(errno));
            if (!ungesynct_.empty() && gleich(ungesynct_.back())) ungesynct_.pop_back();
            letztesDatum_ = dateiEnde_ > kopfEnde_ ? datumsZahl(z) - 1 : -1;
            merken();
        } else if (fd.offen()) {
            // Another program has written the book since: what it holds
            // stays, read anew.
            neuLesen();
        }
    }
    if (geaendert) geaendert(true);
}

void Hofbuch::monatGesichert() {
    if (!aufgeschoben_) schreiben();
}

void Hofbuch::beginnen() {
    anfang_ = KontrollForm->geld;
    std::fill(laufend_.begin(), laufend_.end(), 0);
}

const std::vector<HofbuchZeile>& Hofbuch::zeilen() const {
    if (geladen_) return zeilen_;
    geladen_ = true;
    zeilen_.clear();
    unlesbar_ = 0;
    std::string text;
    std::string fehler;
    const Fd fd(pfad_, O_RDONLY | O_NONBLOCK);
    const int64_t von = std::max(kopfEnde_, dateiEnde_ - hoechstensLesen);
    if (dateiEnde_ > von && fd.offen() && lesenAb(*fd, von, dateiEnde_ - von, text, fehler)) {
        std::string_view rest(text);
        // Beyond what is read, the first row is only a part.
        if (von > kopfEnde_) rest.remove_prefix(std::min(rest.size(), rest.find('\n') + 1));
        for (std::size_t ende; (ende = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(ende + 1)) {
            HofbuchZeile z;
            std::string grund;
            if (zeileLesen(ohneCr(rest.substr(0, ende)), z, grund, 0) && !z.laufend &&
                (zeilen_.empty() || datumsZahl(z) > datumsZahl(zeilen_.back())))
                zeilen_.push_back(std::move(z));
            else
                ++unlesbar_;
        }
    }
    zeilen_.insert(zeilen_.end(), ausstehend_.begin(), ausstehend_.end());
    return zeilen_;
}

void Hofbuch::neuesSpiel() {
    // The old farm's book is kept under its last month. What was booked in
    // the month the player gave up is not: the windows have started anew.
    schreiben();
    if (dateiEnde_ > 0 && letztesDatum_ >= 0) {
        char datum[32];
        std::snprintf(datum, sizeof datum, "%04lld-%02lld", static_cast<long long>((letztesDatum_ - 1) / 12),
                      static_cast<long long>((letztesDatum_ - 1) % 12 + 1));
        const std::string ziel = beiseite(datum);
        {
            const Fd fd(pfad_, O_WRONLY);
            if (fd.offen()) (void)::ftruncate(*fd, dateiEnde_);
        }
        std::error_code ec;
        std::filesystem::rename(pfad_, ziel, ec);
        if (ec && !schreibfehlerGemeldet_) {
            schreibfehlerGemeldet_ = true;
            plattform().meldung(MeldungsArt::Warnung,
                                "Das alte Hofbuch konnte nicht aufbewahrt werden:\r" + ziel + "\r\r" +
                                    systemFehlerText(ec.value()),
                                Knoepfe::OK);
        }
    }
    zeilen_.clear();
    geladen_ = true;
    unlesbar_ = 0;
    ausstehend_.clear();
    ungesynct_.clear();
    letztesDatum_ = -1;
    beginnen();
    neuAnlegen("");
    merken();
    if (geaendert) geaendert(true);
}

std::string Hofbuch::beiseite(const std::string& zusatz) const {
    const std::string stamm = pfad_.substr(0, pfad_.size() - 4) + "-" + zusatz;
    std::string name = stamm + ".csv";
    for (int i = 2; std::filesystem::exists(name) && i < 1000; ++i) name = stamm + "-" + std::to_string(i) + ".csv";
    return name;
}

std::string Hofbuch::zeilenText(const HofbuchZeile& z) const {
    std::string t = std::to_string(z.jahr) + ";" + std::to_string(z.monat) + ";" +
                    std::string(z.laufend ? laufendText : abgeschlossenText);
    for (std::size_t i = 0; i < spalten_.size(); ++i) t += ";" + zahlText(z.werte[i], spalten_[i].nachkomma);
    return t + "\r\n";
}

std::string Hofbuch::kopf(bool frueher) const {
    std::string t = "Jahr;Monat;Stand";
    for (const HofbuchSpalte& s : spalten_) t += ";" + (frueher && !s.frueher.empty() ? s.frueher : s.name);
    return t;
}

void Hofbuch::schreibfehler(const std::string& fehler, bool amEnde) {
    // Told once a run; the rows stay in memory and go with the next month,
    // at the end with the save file.
    if (schreibfehlerGemeldet_) return;
    schreibfehlerGemeldet_ = true;
    plattform().meldung(MeldungsArt::Warnung,
                        "Das Hofbuch konnte nicht geschrieben werden:\r" + pfad_ + "\r\r" + fehler +
                            (amEnde ? "\r\rDie Zeilen, die ihm fehlen, gehen mit dem Spielstand und werden beim "
                                      "nächsten Start nachgetragen."
                                    : "\r\rDas Spiel geht weiter; das Hofbuch wird nach dem nächsten Monat wieder "
                                      "geschrieben."),
                        Knoepfe::OK);
}

bool Hofbuch::neuAnlegen(const std::string& rumpf) {
    const std::string kopfText = std::string(bom) + kopf(false) + "\r\n";
    std::string fehler;
    // Synced only at the orderly end: the syncs of a month would double what
    // the recovery point already waits for. A book made anew with rows is
    // synced, since a power cut could take the rows it replaces as well.
    if (!dateiErsetzen(pfad_, kopfText + rumpf, true, fehler, !rumpf.empty())) {
        dateiEnde_ = 0;
        schreibfehler(fehler);
        return false;
    }
    kopfEnde_ = static_cast<int64_t>(kopfText.size());
    dateiEnde_ = kopfEnde_ + static_cast<int64_t>(rumpf.size());
    if (!rumpf.empty()) ungesynct_.clear();
    return true;
}

bool Hofbuch::schreiben() {
    if (gesperrt_) return false;
    if (ausstehend_.empty()) return true;
    if (dateiEnde_ != 0 && stempel_) {
        const Fd fd(pfad_, O_RDONLY | O_NONBLOCK);
        if (fd.offen() && fremdGeaendert(*fd)) neuLesen();
    }
    std::string rumpf;
    for (const HofbuchZeile& z : ausstehend_) rumpf += zeilenText(z);
    const int64_t datum = datumsZahl(ausstehend_.back());
    bool ok = false;
    if (dateiEnde_ == 0) {
        ok = neuAnlegen(rumpf);
    } else {
        const Fd fd(pfad_, O_WRONLY);
        struct stat st {};
        if (!fd.offen() && errno != ENOENT) {
            schreibfehler(systemFehlerText(errno));
        } else if (!fd.offen() || ::fstat(*fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < dateiEnde_) {
            // Not the file the book left: it is made anew from the rows it
            // knows.
            if (geladen_) {
                rumpf.clear();
                for (const HofbuchZeile& z : zeilen_) rumpf += zeilenText(z);
            }
            ok = neuAnlegen(rumpf);
        } else {
            std::string fehler;
            // The running month's row an orderly end left goes; so does
            // anything a killed write left.
            if (!anfuegenAb(*fd, dateiEnde_, st.st_size != dateiEnde_, rumpf, fehler)) {
                schreibfehler(fehler);
            } else {
                dateiEnde_ += static_cast<int64_t>(rumpf.size());
                ok = true;
                geschrieben(*fd, ausstehend_);
            }
        }
    }
    if (ok) {
        ausstehend_.clear();
        letztesDatum_ = datum;
    }
    merken();
    return ok;
}

void Hofbuch::sichern() {
    endZeile_ = aktuelleZeile(true);
    sichernWiederholen();
}

void Hofbuch::sichernWiederholen() {
    if (gesperrt_ || !endZeile_ || !schreiben()) return;
    if (dateiEnde_ == 0 && !neuAnlegen("")) return;
    const Fd fd(pfad_, O_WRONLY);
    std::string fehler;
    if (!fd.offen()) {
        fehler = systemFehlerText(errno);
    } else if (anfuegenAb(*fd, dateiEnde_, true, zeilenText(*endZeile_), fehler) && dateienSyncen &&
               Dateizugriff::syncer(*fd) != 0) {
        fehler = systemFehlerText(errno);
    }
    if (fehler.empty()) {
        endZeile_.reset();
        ungesynct_.clear();
    } else {
        schreibfehler(fehler, true);
    }
    merken();
}

std::vector<std::string> Hofbuch::ausstehendeZeilen() const {
    std::vector<std::string> texte;
    for (const HofbuchZeile& z : ausstehend_) {
        std::string t = zeilenText(z);
        t.resize(t.size() - 2);  // without the line end
        texte.push_back(std::move(t));
    }
    return texte;
}

std::vector<std::string> Hofbuch::ungeschrieben() const {
    std::vector<std::string> texte = ausstehendeZeilen();
    if (endZeile_) {
        std::string t = zeilenText(*endZeile_);
        t.resize(t.size() - 2);
        texte.push_back(std::move(t));
    }
    return texte;
}

bool Hofbuch::zeileLesen(std::string_view text, HofbuchZeile& z, std::string& grund, int64_t nr) const {
    const std::string zeile = nr > 0 ? "Zeile " + std::to_string(nr) : "Eine Zeile";
    const std::size_t soll = spalten_.size() + 3;
    const auto anzahl = static_cast<std::size_t>(std::count(text.begin(), text.end(), ';')) + 1;
    if (anzahl != soll) {
        grund = zeile + " hat " + std::to_string(anzahl) + " statt " + std::to_string(soll) + " Spalten.";
        return false;
    }
    std::size_t anfang = 0;
    const auto naechstes = [&] {
        const std::size_t ende = std::min(text.find(';', anfang), text.size());
        const std::string_view feld = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        return feld;
    };
    int64_t jahr = 0;
    int64_t monat = 0;
    if (!zahlLesen(naechstes(), 0, jahr) || !zahlLesen(naechstes(), 0, monat) || monat < 1 || monat > 12 ||
        jahr < 0 || jahr > INT32_MAX) {
        grund = zeile + " hat kein gültiges Datum.";
        return false;
    }
    z.jahr = static_cast<int32_t>(jahr);
    z.monat = static_cast<int32_t>(monat);
    const std::string_view stand = naechstes();
    if (stand != abgeschlossenText && stand != laufendText) {
        grund = zeile + " ist weder abgeschlossen noch laufend.";
        return false;
    }
    z.laufend = stand == laufendText;
    z.werte.resize(spalten_.size());
    for (std::size_t i = 0; i < spalten_.size(); ++i) {
        if (!zahlLesen(naechstes(), spalten_[i].nachkomma, z.werte[i])) {
            grund = zeile + ", Spalte „" + spalten_[i].name + "“: keine Zahl.";
            return false;
        }
    }
    return true;
}

bool Hofbuch::einlesen(bool neuesSpiel, std::string& grund) {
    const Fd fd(pfad_, O_RDONLY | O_NONBLOCK);
    if (!fd.offen()) {
        if (errno == ENOENT) return true;  // no book yet: it begins with this month
        grund = systemFehlerText(errno);
        return false;
    }
    int64_t groesse = 0;
    bool frueher = false;
    Ende e;
    if (!gewoehnlicheDatei(*fd, groesse, grund) || !kopfLesen(*fd, groesse, frueher, grund) ||
        !endeLesen(*fd, groesse, neuesSpiel, e, grund))
        return false;
    // Whatever a killed write left after the last whole line goes.
    letztesDatum_ = e.ersteAb > 0 ? datumsZahl(e.zeilen[e.ersteAb - 1].z) : -1;
    if (neuesSpiel) {
        dateiEnde_ = e.vollEnde;
        return true;
    }
    const int64_t behalten = fortsetzen(e, groesse);
    if (frueher) kopfErneuern(*fd, behalten);
    return true;
}

bool Hofbuch::gewoehnlicheDatei(int fd, int64_t& groesse, std::string& grund) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        grund = systemFehlerText(errno);
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        grund = "An ihrer Stelle steht ein Verzeichnis.";
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        grund = "Sie ist keine gewöhnliche Datei.";
        return false;
    }
    groesse = st.st_size;
    return true;
}

bool Hofbuch::kopfLesen(int fd, int64_t groesse, bool& frueher, std::string& grund) {
    std::string text;
    if (!lesenAb(fd, 0, std::min<int64_t>(groesse, 65536), text, grund)) return false;
    const std::size_t kopfZeile = text.find('\n');
    std::string_view erste = std::string_view(text).substr(0, kopfZeile);
    // Any number of them, as the save file reads them.
    while (erste.starts_with(bom)) erste.remove_prefix(bom.size());
    erste = ohneCr(erste);
    frueher = erste != kopf(false);
    if (kopfZeile == std::string::npos || (frueher && erste != kopf(true))) {
        grund = "Die Kopfzeile ist nicht die eines Hofbuchs dieses Spiels.";
        return false;
    }
    kopfEnde_ = static_cast<int64_t>(kopfZeile) + 1;
    return true;
}

bool Hofbuch::endeLesen(int fd, int64_t groesse, bool neuesSpiel, Ende& e, std::string& grund) const {
    // The start of what is read is mostly the middle of a row, which is
    // skipped; too few rows, and four times as much is read.
    const int64_t start = datumsZahl(KontrollForm->monat, KontrollForm->jahr);
    std::string text;
    e.vollEnde = kopfEnde_;
    for (int64_t umfang = endeUmfang;; umfang *= 4) {
        if (umfang > hoechstensLesen) {
            grund = "Es ist größer als 256 MiB; so weit zurück kann es nicht gelesen werden.";
            return false;
        }
        const int64_t von = std::max(kopfEnde_, groesse - umfang);
        const bool alles = von == kopfEnde_;
        if (!lesenAb(fd, von, groesse - von, text, grund)) return false;
        std::size_t p = 0;
        if (!alles) {
            p = text.find('\n');
            p = p == std::string::npos ? text.size() : p + 1;
        }
        auto& zeilen = e.zeilen;
        zeilen.clear();
        e.vollEnde = von + static_cast<int64_t>(p);
        for (std::size_t ende; (ende = text.find('\n', p)) != std::string::npos; p = ende + 1) {
            const int64_t ab = von + static_cast<int64_t>(p);
            HofbuchZeile z;
            const auto nr = [&] { return alles ? static_cast<int64_t>(zeilen.size()) + 2 : zeileBei(fd, ab); };
            if (!zeileLesen(ohneCr(std::string_view(text).substr(p, ende - p)), z, grund, 0)) {
                // Again, with the row's number for the player.
                zeileLesen(ohneCr(std::string_view(text).substr(p, ende - p)), z, grund, nr());
                return false;
            }
            if (!zeilen.empty() && (zeilen.back().z.laufend || datumsZahl(z) <= datumsZahl(zeilen.back().z))) {
                grund = "Zeile " + std::to_string(nr()) + " steht nicht in der Reihenfolge der Monate.";
                return false;
            }
            zeilen.push_back({std::move(z), ab});
            e.vollEnde = von + static_cast<int64_t>(ende) + 1;
        }
        std::size_t& ersteAb = e.ersteAb;
        ersteAb = 0;
        if (!neuesSpiel)
            while (ersteAb < zeilen.size() && datumsZahl(zeilen[ersteAb].z) < start) ++ersteAb;
        else
            ersteAb = zeilen.size();
        // The running month an orderly end left, before the month the game
        // goes on with: a later run finished that month and died before its
        // row was written. The row goes; the finished month's takes its place.
        if (!neuesSpiel && ersteAb > 0 && zeilen[ersteAb - 1].z.laufend) --ersteAb;
        if (alles || ersteAb > 0) return true;
    }
}

int64_t Hofbuch::fortsetzen(const Ende& e, int64_t groesse) {
    // The month the game goes on with, as the orderly end left it: its
    // bookings carry on.
    const int64_t start = datumsZahl(KontrollForm->monat, KontrollForm->jahr);
    const auto& zeilen = e.zeilen;
    const std::size_t ersteAb = e.ersteAb;
    const HofbuchZeile* offen = nullptr;
    if (ersteAb + 1 == zeilen.size()) {
        const HofbuchZeile& z = zeilen.back().z;
        if (z.laufend && datumsZahl(z) == start && z.werte[static_cast<std::size_t>(endeSpalte_)] == KontrollForm->geld)
            offen = &z;
    }
    const int64_t behalten = ersteAb < zeilen.size() && !offen ? zeilen[ersteAb].ab : e.vollEnde;
    dateiEnde_ = offen ? zeilen.back().ab : behalten;
    if (behalten != groesse) {
        const Fd schreib(pfad_, O_WRONLY);
        if (schreib.offen()) (void)::ftruncate(*schreib, behalten);
    }
    laufendGefunden_ = offen != nullptr;
    if (offen) {
        for (std::size_t i = 0; i < spalten_.size(); ++i)
            if (spalten_[i].art == Art::buchung) laufend_[i] = offen->werte[i];
        anfang_ = offen->werte[static_cast<std::size_t>(anfangSpalte_)];
    } else if (ersteAb > 0) {
        anfang_ = zeilen[ersteAb - 1].z.werte[static_cast<std::size_t>(endeSpalte_)];
    }
    geladen_ = ersteAb == 0;
    return behalten;
}

void Hofbuch::kopfErneuern(int fd, int64_t behalten) {
    // An older book's header is written anew, once. Where that fails, the
    // book goes on under its old header, which reads as well.
    std::string rumpf;
    std::string fehler;
    const std::string kopfText = std::string(bom) + kopf(false) + "\r\n";
    if (lesenAb(fd, kopfEnde_, behalten - kopfEnde_, rumpf, fehler) &&
        dateiErsetzen(pfad_, kopfText + rumpf, true, fehler, false)) {
        const int64_t rumpfEnde = dateiEnde_ - kopfEnde_;
        kopfEnde_ = static_cast<int64_t>(kopfText.size());
        dateiEnde_ = kopfEnde_ + rumpfEnde;
    }
}

void Hofbuch::unbrauchbar(const std::string& grund) {
    // Nothing of the player's is lost: the file goes beside under a name of
    // its own, the book starts afresh.
    const std::string ziel = beiseite("unbrauchbar");
    std::error_code ec;
    std::filesystem::rename(pfad_, ziel, ec);
    plattform().meldung(MeldungsArt::Warnung,
                        std::string("Das Hofbuch ") + nameVon(pfad_) + " ist unbrauchbar:\r\r" + grund + "\r\r" +
                            (ec ? std::string()
                                : "Es wurde als " + std::filesystem::path(ziel).filename().string() +
                                      " beiseitegelegt. ") +
                            "Das Hofbuch beginnt neu.",
                        Knoepfe::OK);
    zeilen_.clear();
    geladen_ = true;
    letztesDatum_ = -1;
    dateiEnde_ = 0;
    ungesynct_.clear();
    if (!ec) neuAnlegen("");
}

bool Hofbuch::nachtragen(const std::vector<std::string>& mitgebracht) {
    const int64_t start = datumsZahl(KontrollForm->monat, KontrollForm->jahr);
    const auto ende = static_cast<std::size_t>(endeSpalte_);
    int64_t letztes = letztesDatum_;
    bool genommen = false;
    for (const std::string& text : mitgebracht) {
        HofbuchZeile z;
        std::string grund;
        if (!zeileLesen(text, z, grund, 0)) continue;
        const int64_t datum = datumsZahl(z);
        if (datum <= letztes || laufendGefunden_) continue;
        if (!z.laufend && datum < start) {
            // A finished month the book lacks: the running month begins
            // where it ended.
            anfang_ = z.werte[ende];
            std::fill(laufend_.begin(), laufend_.end(), 0);
            letztes = datum;
            if (geladen_) zeilen_.push_back(z);
            ausstehend_.push_back(std::move(z));
            genommen = true;
            ++nachgetragen_;
        } else if (z.laufend && datum == start && z.werte[ende] == KontrollForm->geld) {
            // The month the game goes on with, as the orderly end left it.
            for (std::size_t i = 0; i < spalten_.size(); ++i)
                if (spalten_[i].art == Art::buchung) laufend_[i] = z.werte[i];
            anfang_ = z.werte[static_cast<std::size_t>(anfangSpalte_)];
            laufendGefunden_ = true;
            genommen = true;
        }
    }
    schreiben();
    return genommen;
}

void Hofbuch::angleichen(bool neuesSpiel, const std::vector<std::string>& mitgebracht) {
    liegengebliebeneEntfernen(pfad_, true);
    zeilen_.clear();
    geladen_ = true;
    unlesbar_ = 0;
    ausstehend_.clear();
    ungesynct_.clear();
    stempel_.reset();
    nachgetragen_ = 0;
    gesperrt_ = false;
    endZeile_.reset();
    dateiEnde_ = 0;
    kopfEnde_ = 0;
    letztesDatum_ = -1;
    laufendGefunden_ = false;
    beginnen();
    std::string grund;
    const bool lesbar = einlesen(neuesSpiel, grund);
    if (!lesbar) unbrauchbar(grund);
    if (neuesSpiel) {
        if (lesbar && kopfEnde_ != 0) this->neuesSpiel();
        return;
    }
    const bool nachgetragen = nachtragen(mitgebracht);
    merken();
    // No book yet and nothing carried: it begins with the first month.
    if ((!lesbar || kopfEnde_ == 0) && !nachgetragen) return;
    // What moved the balance while the book did not watch (a month of a
    // killed game, a hand-edited save file) is kept apart, so that the rows
    // still add up to the balance.
    const int64_t gebucht = std::accumulate(laufend_.begin(), laufend_.end(), int64_t{0}, plus);
    int64_t& sonstiges = laufend_[static_cast<std::size_t>(sonstiges_)];
    sonstiges = plus(sonstiges, minus(minus(KontrollForm->geld, anfang_), gebucht));
    if (geaendert) geaendert(true);
}

std::vector<std::string> Hofbuch::punktZeilen() const {
    std::vector<std::string> texte;
    for (const HofbuchZeile& z : ungesynct_) {
        std::string t = zeilenText(z);
        t.resize(t.size() - 2);
        texte.push_back(std::move(t));
    }
    const std::vector<std::string> rest = ausstehendeZeilen();
    texte.insert(texte.end(), rest.begin(), rest.end());
    return texte;
}

void Hofbuch::geschrieben(int fd, std::vector<HofbuchZeile> zeilen) {
    // Without syncs nothing waits for one.
    if (!dateienSyncen) return;
    ungesynct_.insert(ungesynct_.end(), std::make_move_iterator(zeilen.begin()), std::make_move_iterator(zeilen.end()));
    // A failed sync keeps them in the point and is tried again next month.
    if (ungesynct_.size() >= hoechstensUngesynct && Dateizugriff::syncer(fd) == 0) ungesynct_.clear();
}

Hofbuch::Stempel Hofbuch::stempeln(int fd, int64_t bis) {
    Stempel s;
    struct stat st {};
    if (::fstat(fd, &st) != 0) return s;
    s.geraet = static_cast<uint64_t>(st.st_dev);
    s.inode = static_cast<uint64_t>(st.st_ino);
    s.groesse = st.st_size;
    s.zeit = int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
    if (bis < 0) bis = st.st_size;
    const int64_t von = std::max<int64_t>(0, bis - stempelEnde);
    std::string fehler;
    if (!lesenAb(fd, von, bis - von, s.ende, fehler)) s.ende.clear();
    return s;
}

void Hofbuch::merken() {
    stempel_.reset();
    if (dateiEnde_ == 0) return;
    const Fd fd(pfad_, O_RDONLY | O_NONBLOCK);
    if (fd.offen()) stempel_ = stempeln(*fd, -1);
}

bool Hofbuch::fremdGeaendert(int fd) const { return stempel_ && stempeln(fd, -1) != *stempel_; }

void Hofbuch::neuLesen() {
    // The running month and the rows the game has taken stay as they are.
    const std::vector<int64_t> laufend = laufend_;
    const int64_t anfang = anfang_;
    const bool gefunden = laufendGefunden_;
    const bool allesBekannt = geladen_;
    std::vector<HofbuchZeile> bekannt = allesBekannt ? zeilen_ : std::vector<HofbuchZeile>{};
    std::vector<HofbuchZeile> offen = std::move(ausstehend_);
    ausstehend_.clear();
    zeilen_.clear();
    geladen_ = true;
    unlesbar_ = 0;
    dateiEnde_ = 0;
    kopfEnde_ = 0;
    letztesDatum_ = -1;
    stempel_.reset();
    std::string grund;
    if (einlesen(false, grund)) {
        // The player's rows stand; those of the game's that come after them
        // follow.
        for (HofbuchZeile& z : offen) {
            if (datumsZahl(z) <= letztesDatum_) continue;
            if (geladen_) zeilen_.push_back(z);
            ausstehend_.push_back(std::move(z));
        }
    } else {
        // Never written into: the file goes aside as it is, and the book goes
        // on with the rows the game knows.
        const std::string ziel = beiseite("geaendert");
        std::error_code ec;
        std::filesystem::rename(pfad_, ziel, ec);
        const bool mitZeilen = allesBekannt && !bekannt.empty();
        plattform().meldung(
            MeldungsArt::Warnung,
            std::string("Das Hofbuch ") + nameVon(pfad_) +
                " wurde während des Spiels von einem anderen Programm geändert und kann so nicht weitergeführt "
                "werden:\r\r" + grund + "\r\r" +
                (ec ? "Es konnte nicht beiseitegelegt werden: " + systemFehlerText(ec.value()) +
                          "\rDas Spiel schreibt bis zum Ende dieses Laufs kein Hofbuch mehr."
                    : "Es wurde unverändert als " + std::filesystem::path(ziel).filename().string() +
                          " beiseitegelegt. " +
                          (mitZeilen ? std::string("Das Hofbuch wird mit den Monaten weitergeführt, die das Spiel "
                                                   "von ihm kennt.")
                                     : std::string("Das Hofbuch beginnt neu."))),
            Knoepfe::OK);
        if (ec) {
            // Left alone: the rows wait and go with the save file.
            ausstehend_ = std::move(offen);
            schreibfehlerGemeldet_ = true;
            gesperrt_ = true;
            return;
        }
        ungesynct_.clear();
        if (neuAnlegen("")) {
            ausstehend_ = mitZeilen ? std::move(bekannt) : std::move(offen);
            if (mitZeilen) zeilen_ = ausstehend_;
        } else {
            ausstehend_ = std::move(offen);
        }
    }
    laufend_ = laufend;
    anfang_ = anfang;
    laufendGefunden_ = gefunden;
    if (geaendert) geaendert(true);
}

namespace {

// A text cell: quoted, quotes doubled.
std::string tabellenText(const std::string& t) {
    std::string r = "\"";
    for (const char c : t) r += c == '"' ? std::string("\"\"") : std::string(1, c);
    return r + "\"";
}

}  // namespace

std::string Hofbuch::tabelle() const {
    std::string t = std::string(bom) + "\"Jahr\",\"Monat\"";
    for (const HofbuchSpalte& s : spalten_) {
        std::string kopf = s.name;
        if (!s.einheit.empty() && !kopf.ends_with(" " + s.einheit)) kopf += " (" + s.einheit + ")";
        t += "," + tabellenText(kopf);
    }
    t += "\r\n";
    for (const HofbuchZeile& z : zeilen()) {
        t += std::to_string(z.jahr) + "," + std::to_string(z.monat);
        for (std::size_t i = 0; i < spalten_.size(); ++i) {
            const HofbuchSpalte& s = spalten_[i];
            if (s.klartext) {
                t += "," + tabellenText(s.klartext(z.werte[i]));
            } else {
                std::string zahl = zahlText(z.werte[i], s.nachkomma);
                std::replace(zahl.begin(), zahl.end(), ',', '.');
                t += "," + zahl;
            }
        }
        t += "\r\n";
    }
    return t;
}
