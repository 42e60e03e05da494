#include "spielstand/spielstand.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

std::string spielstandDatei;

namespace {
bool lesbarGross(const std::string& daten, std::string& fehler) {
    if (Dateizugriff::passt(daten.size())) return true;
    fehler = "Das Spiel ist größer als 16 MiB geworden; so groß würde es beim nächsten Start nicht gelesen.";
    return false;
}
}  // namespace

bool spielstandErsetzen(const std::string& pfad, const std::string& daten, bool verknuepfungFolgen,
                        std::string& fehler) {
    return lesbarGross(daten, fehler) && dateiErsetzen(pfad, daten, verknuepfungFolgen, fehler);
}

void Spielstand::laden(const std::string& pfad) {
    pfad_ = pfad;
    ini_ = IniDatei();
    mitgebracht_.clear();
    mitzugeben_.clear();
    grundlage_ = "keine";
    std::string bytes;
    if (dateiLesen(pfad, bytes, lesefehler_)) {
        grundlage_ = fingerabdruck(bytes);
        Nachtrag n;
        if (nachtragAbtrennen(bytes, n)) mitgebracht_ = std::move(n.zeilen);
        ini_ = IniDatei(std::move(bytes));
        return;
    }
    if (!lesefehler_.empty()) grundlage_ = "unlesbar";
    // Not there, or a link whose target is not there: the farm may lie on
    // storage that is not mounted, and is never replaced by a new game.
    struct stat st {};
    if (!lesefehler_.empty() || ::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return;
    std::string ziel;
    std::string fehler;
    if (zielVon(pfad, ziel, fehler))
        lesefehler_ = "Sie ist eine Verknüpfung auf eine Datei, die es nicht gibt:\r" + ziel;
    else
        lesefehler_ = fehler;
}

void Spielstand::uebernehmen(IniDatei ini, std::vector<std::string> zeilen) {
    ini_ = std::move(ini);
    mitgebracht_ = std::move(zeilen);
}

std::string Spielstand::zuSchreiben() const { return mitNachtrag(ini_.bytes(), {{}, mitzugeben_}); }

std::string Spielstand::schnappschuss(const std::function<void()>& alleSpeichern) {
    IniDatei kopie = ini_;
    struct Umleitung {
        IniDatei*& ziel;
        ~Umleitung() { ziel = nullptr; }
    } umleitung{schnappschuss_};
    schnappschuss_ = &kopie;
    alleSpeichern();
    return kopie.bytes();
}

void Spielstand::ausSchnappschuss(const std::string& bytes, const std::function<void()>& alleLaden) {
    IniDatei eigene(bytes);
    std::swap(ini_, eigene);
    struct Zurueck {
        IniDatei& a;
        IniDatei& b;
        ~Zurueck() { std::swap(a, b); }
    } zurueck{ini_, eigene};
    alleLaden();
}

bool Spielstand::sichern(std::string& fehler) const {
    if (!lesefehler_.empty()) {
        fehler = "Die vorhandene Datei konnte nicht gelesen werden.";
        return false;
    }
    return spielstandErsetzen(pfad_, zuSchreiben(), true, fehler);
}

bool Spielstand::sichernNach(const std::string& ziel, std::string& fehler) const {
    return spielstandErsetzen(ziel, zuSchreiben(), true, fehler);
}

std::string Spielstand::retten(std::string& fehler) const { return rettenIn(verzeichnisVon(pfad_), fehler); }

std::string Spielstand::rettenIn(const std::string& verzeichnis, std::string& fehler) const {
    const std::string bytes = zuSchreiben();
    if (!lesbarGross(bytes, fehler)) return {};
    std::string name = nameVon(pfad_);
    std::string endung;
    if (const auto punkt = name.find_last_of('.'); punkt != std::string::npos && punkt > 0) {
        endung = name.substr(punkt);
        name.erase(punkt);
    }
    const std::string tmp = neueDatei(verzeichnis, name, bytes, nullptr, fehler);
    if (tmp.empty()) return {};
    // Never over an earlier rescue: the first free number.
    for (int nr = 1; nr <= 1000; ++nr) {
        const std::string ziel =
            verzeichnis + "/" + name + "-gerettet" + (nr > 1 ? "-" + std::to_string(nr) : "") + endung;
        const int r = umbenennenOhneUeberschreiben(tmp, ziel);
        if (r == 0) {
            verzeichnisSyncen(verzeichnis);
            return ziel;
        }
        if (r != EEXIST) {
            fehler = systemFehlerText(r);
            break;
        }
    }
    if (fehler.empty()) fehler = "Es gibt schon zu viele gerettete Spielstände.";
    ::unlink(tmp.c_str());
    return {};
}

Spielstand& spielstand() {
    static Spielstand s;
    return s;
}

void iniLesen(const std::string& sektion, const std::string& schluessel, int32_t& wert) {
    if (const auto v = spielstand().ini().lesen(sektion, schluessel)) wert = *v;
}

void iniSchreiben(const std::string& sektion, const std::string& schluessel, int32_t wert) {
    spielstand().schreibZiel().schreiben(sektion, schluessel, wert);
}

void iniLesen(const std::string& sektion, const std::string& schluessel, int64_t& wert) {
    if (const auto v = spielstand().ini().lesen64(sektion, schluessel)) wert = *v;
}

void iniSchreiben(const std::string& sektion, const std::string& schluessel, int64_t wert) {
    spielstand().schreibZiel().schreiben(sektion, schluessel, wert);
}
