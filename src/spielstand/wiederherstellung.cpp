#include "spielstand/wiederherstellung.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

#include "rahmen/beschreibung.h"
#include "geld/kontrollform.h"
#include "spielstand/spielstand.h"

const char* const wiederherstellungsName = "TrevoSpielstand.wiederherstellen";

std::string wiederherstellungsPfad(const std::string& spielstandPfad) {
    return nebenDemSpiel(spielstandPfad, wiederherstellungsName, nameVon(spielstandPfad) + ".wiederherstellen");
}

Wiederherstellungspunkt wiederherstellungLesen(const std::string& pfad) {
    Wiederherstellungspunkt p;
    std::string bytes;
    bool fremd = false;
    if (!dateiLesen(pfad, bytes, p.grund, &fremd)) {
        if (!p.grund.empty())
            p.art = fremd ? Wiederherstellungspunkt::Art::beschaedigt : Wiederherstellungspunkt::Art::unlesbar;
        return p;
    }
    p.art = Wiederherstellungspunkt::Art::beschaedigt;
    // What a disk leaves of a file it never finished: zeros.
    if (bytes.find('\0') != std::string::npos) {
        p.grund = "Sie enthält Nullbytes, die in keinem Spielstand stehen.";
        return p;
    }
    p.mitNachtrag = nachtragAbtrennen(bytes, p.nachtrag);
    IniDatei ini(std::move(bytes));
    // The calendar and the balance as the game writes them, read along the
    // control panel's own description.
    TKontrollForm kontrolle;
    if (!strengLesen(kontrolle, ini, kontrollSektion)) {
        p.grund = "Monat, Jahr oder Guthaben des Spiels fehlen darin oder sind ungültig.";
        return p;
    }
    p.monat = kontrolle.monat;
    p.jahr = kontrolle.jahr;
    p.art = Wiederherstellungspunkt::Art::gueltig;
    p.ini = std::move(ini);
    return p;
}

bool wiederherstellungNeuer(const Wiederherstellungspunkt& p, const std::string& pfad,
                            const std::string& spielstandPfad, const std::string& grundlage) {
    if (p.mitNachtrag) return p.nachtrag.grundlage == grundlage;
    // An older game's point: judged by the file times, as that game did.
    struct stat punkt {};
    struct stat spielstand {};
    if (::lstat(pfad.c_str(), &punkt) != 0 || ::stat(spielstandPfad.c_str(), &spielstand) != 0) return true;
    if (!S_ISREG(punkt.st_mode) || !S_ISREG(spielstand.st_mode)) return true;
    const timespec& a = punkt.st_mtim;
    const timespec& b = spielstand.st_mtim;
    return !(b.tv_sec > a.tv_sec || (b.tv_sec == a.tv_sec && b.tv_nsec > a.tv_nsec));
}

std::string punktText(std::string bytes) {
    Nachtrag n;
    nachtragAbtrennen(bytes, n);
    return bytes;
}

bool wiederherstellungSchreiben(const std::string& pfad, const std::string& bytes, std::string& fehler) {
    return spielstandErsetzen(pfad, bytes, false, fehler);
}

std::string wiederherstellungBeiseite(const std::string& pfad, const std::string& zusatz) {
    const auto pos = pfad.find_last_of('/');
    const std::string anfang = (pos == std::string::npos ? std::string() : pfad.substr(0, pos + 1)) +
                               "TrevoSpielstand-" + zusatz;
    for (int nr = 1; nr <= 100; ++nr) {
        const std::string ziel = anfang + (nr > 1 ? "-" + std::to_string(nr) : "") + ".wiederherstellen";
        const int r = umbenennenOhneUeberschreiben(pfad, ziel);
        if (r == 0) return ziel;
        if (r != EEXIST) break;
    }
    return {};
}

bool wiederherstellungEntfernen(const std::string& pfad) {
    // std::remove takes a file or an empty directory.
    return std::remove(pfad.c_str()) == 0 || errno == ENOENT;
}

PunktSchreiber::PunktSchreiber(std::string pfad, bool imHintergrund)
    : pfad_(std::move(pfad)), imHintergrund_(imHintergrund) {}

PunktSchreiber::~PunktSchreiber() {
    if (!faden_.joinable()) return;
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        ende_ = true;
    }
    auftrag_.notify_one();
    faden_.join();
}

void PunktSchreiber::auftragen(std::string bytes) {
    if (!imHintergrund_) {
        schreiben(bytes);
        return;
    }
    // The thread starts with the first point: a game that is only started
    // and looked at never needs it.
    if (!faden_.joinable()) faden_ = std::thread([this] { arbeiten(); });
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        wartend_ = std::move(bytes);
    }
    auftrag_.notify_one();
}

void PunktSchreiber::abwarten() {
    std::unique_lock<std::mutex> sperre(mutex_);
    erledigt_.wait(sperre, [this] { return !wartend_ && !schreibt_; });
}

std::string PunktSchreiber::letzterFehler() const {
    const std::lock_guard<std::mutex> sperre(mutex_);
    return fehler_;
}

void PunktSchreiber::schreiben(const std::string& bytes) {
    std::string fehler;
    wiederherstellungSchreiben(pfad_, bytes, fehler);
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        fehler_ = fehler;
    }
    if (geschrieben) geschrieben();
}

void PunktSchreiber::arbeiten() {
    std::unique_lock<std::mutex> sperre(mutex_);
    for (;;) {
        auftrag_.wait(sperre, [this] { return wartend_ || ende_; });
        if (!wartend_) return;
        const std::string bytes = std::move(*wartend_);
        wartend_.reset();
        schreibt_ = true;
        sperre.unlock();
        schreiben(bytes);
        sperre.lock();
        schreibt_ = false;
        erledigt_.notify_all();
    }
}
