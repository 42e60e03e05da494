#include "spielstand/inidatei.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "geld/zahlen.h"

namespace {

bool istLeer(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmen(std::string_view s) {
    std::size_t a = 0;
    std::size_t e = s.size();
    while (a < e && istLeer(s[a])) ++a;
    while (e > a && istLeer(s[e - 1])) --e;
    return s.substr(a, e - a);
}

char klein(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string kleinText(std::string_view s) {
    std::string k(s);
    for (char& c : k) c = klein(c);
    return k;
}

bool gleichOhneFall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (klein(a[i]) != klein(b[i])) return false;
    return true;
}

// FNV-1a over the lower-case name: equal names regardless of case hash alike.
uint32_t streuwert(std::string_view s) {
    uint32_t h = 2166136261u;
    for (char c : s) {
        h ^= static_cast<unsigned char>(klein(c));
        h *= 16777619u;
    }
    return h;
}

// A section header: optional blanks, "[", the name, "]". Returns the name.
std::optional<std::string_view> kopfName(std::string_view zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && istLeer(zeile[a])) ++a;
    if (a >= zeile.size() || zeile[a] != '[') return std::nullopt;
    const std::size_t e = zeile.find(']', a + 1);
    if (e == std::string_view::npos) return std::nullopt;
    return trimmen(zeile.substr(a + 1, e - a - 1));
}

bool istKommentar(std::string_view zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && istLeer(zeile[a])) ++a;
    return a < zeile.size() && zeile[a] == ';';
}

// The key of a line inside a section, or nothing for a comment or a line
// without "=".
std::optional<std::string_view> schluesselName(std::string_view zeile) {
    if (istKommentar(zeile)) return std::nullopt;
    const std::size_t gl = zeile.find('=');
    if (gl == std::string_view::npos) return std::nullopt;
    return trimmen(zeile.substr(0, gl));
}

}  // namespace

IniDatei::IniDatei(std::string bytes) : text_(std::move(bytes)) {
    // The byte-order mark a Windows editor puts first is no part of the
    // first line; the file is written back without it. An editor that saved
    // the file twice may have put two (or more): all of them go, or the
    // first section would hide behind the second and come back after a save.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    std::size_t marken = 0;
    while (std::string_view(text_).substr(marken).starts_with(bom)) marken += bom.size();
    text_.erase(0, marken);
    if (text_.size() >= std::numeric_limits<uint32_t>::max()) throw std::length_error("Die Datei ist zu groß.");
    const auto groesse = static_cast<uint32_t>(text_.size());
    for (uint32_t pos = 0; pos < groesse; pos = naechsteZeile(pos)) {
        if (const auto name = kopfName(zeileBei(pos))) {
            kopfIndex_.emplace_back(streuwert(*name), static_cast<uint32_t>(koepfe_.size()));
            koepfe_.push_back(pos);
        }
    }
    std::sort(kopfIndex_.begin(), kopfIndex_.end());
}

std::string_view IniDatei::zeileBei(uint32_t start) const {
    std::size_t e = start;
    while (e < text_.size() && text_[e] != '\n' && text_[e] != '\r') ++e;
    return std::string_view(text_).substr(start, e - start);
}

uint32_t IniDatei::naechsteZeile(uint32_t start) const {
    std::size_t e = start + zeileBei(start).size();
    if (e < text_.size()) e += (text_[e] == '\r' && e + 1 < text_.size() && text_[e + 1] == '\n') ? 2 : 1;
    return static_cast<uint32_t>(e);
}

IniDatei::Sektion& IniDatei::sektionErschliessen(std::size_t kopfNr) const {
    if (const auto it = alte_.find(kopfNr); it != alte_.end()) return it->second;
    Sektion s;
    s.kopf = koepfe_[kopfNr];
    const uint32_t ende = kopfNr + 1 < koepfe_.size() ? koepfe_[kopfNr + 1] : static_cast<uint32_t>(text_.size());
    uint32_t pos = naechsteZeile(s.kopf);
    s.einfuege = pos;
    while (pos < ende) {
        const std::string_view zeile = zeileBei(pos);
        const uint32_t naechste = naechsteZeile(pos);
        if (!trimmen(zeile).empty()) {
            s.einfuege = naechste;
            if (const auto k = schluesselName(zeile)) s.schluessel.emplace_back(streuwert(*k), pos);
        }
        pos = naechste;
    }
    std::sort(s.schluessel.begin(), s.schluessel.end());
    return alte_.emplace(kopfNr, std::move(s)).first->second;
}

const IniDatei::Sektion* IniDatei::sektionFinden(const std::string& name) const {
    const std::string_view gesucht = trimmen(name);
    const uint32_t h = streuwert(gesucht);
    for (auto it = std::lower_bound(kopfIndex_.begin(), kopfIndex_.end(), std::pair<uint32_t, uint32_t>{h, 0});
         it != kopfIndex_.end() && it->first == h; ++it) {
        if (gleichOhneFall(*kopfName(zeileBei(koepfe_[it->second])), gesucht)) return &sektionErschliessen(it->second);
    }
    if (const auto it = neueNamen_.find(kleinText(gesucht)); it != neueNamen_.end()) return &neue_[it->second];
    return nullptr;
}

IniDatei::Fundstelle IniDatei::finden(const std::string& sektion, const std::string& schluessel) const {
    Fundstelle f;
    f.sektion = sektionFinden(sektion);
    if (!f.sektion) return f;
    const std::string_view gesucht = trimmen(schluessel);
    const uint32_t h = streuwert(gesucht);
    const Index& index = f.sektion->schluessel;
    for (auto it = std::lower_bound(index.begin(), index.end(), std::pair<uint32_t, uint32_t>{h, 0});
         it != index.end() && it->first == h; ++it) {
        if (gleichOhneFall(*schluesselName(zeileBei(it->second)), gesucht)) {
            f.alt = it->second;
            return f;
        }
    }
    if (const auto it = f.sektion->neueSchluessel.find(kleinText(gesucht)); it != f.sektion->neueSchluessel.end())
        f.neu = it->second;
    return f;
}

std::string_view IniDatei::zeileVon(const Fundstelle& f) const {
    if (f.alt) {
        if (const auto it = ersetzt_.find(*f.alt); it != ersetzt_.end()) return it->second;
        return zeileBei(*f.alt);
    }
    return f.sektion->neueZeilen[*f.neu];
}

std::optional<std::string> IniDatei::text(const std::string& sektion, const std::string& schluessel) const {
    const Fundstelle f = finden(sektion, schluessel);
    if (!f.alt && !f.neu) return std::nullopt;
    const std::string_view t = zeileVon(f);
    return std::string(trimmen(t.substr(t.find('=') + 1)));
}

int64_t IniDatei::alsZahl64(const std::string& wert) { return gehalteneZahl(wert); }

int32_t IniDatei::alsZahl(const std::string& wert) {
    return static_cast<int32_t>(std::clamp<int64_t>(alsZahl64(wert), std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

std::optional<int64_t> IniDatei::lesen64(const std::string& sektion, const std::string& schluessel) const {
    const auto t = text(sektion, schluessel);
    if (!t) return std::nullopt;
    return alsZahl64(*t);
}

std::optional<int32_t> IniDatei::lesen(const std::string& sektion, const std::string& schluessel) const {
    const auto t = text(sektion, schluessel);
    if (!t) return std::nullopt;
    return alsZahl(*t);
}

void IniDatei::schreiben(const std::string& sektion, const std::string& schluessel, int32_t wert) {
    schreiben(sektion, schluessel, std::to_string(wert));
}

void IniDatei::schreiben(const std::string& sektion, const std::string& schluessel, int64_t wert) {
    schreiben(sektion, schluessel, std::to_string(wert));
}

void IniDatei::schlussZeileBeenden() {
    if (!text_.empty() && text_.back() != '\n' && text_.back() != '\r') schlussBeendet_ = true;
}

void IniDatei::schreiben(const std::string& sektion, const std::string& schluessel, const std::string& wert) {
    const std::string zeile = std::string(trimmen(schluessel)) + "=" + wert;
    Fundstelle f = finden(sektion, schluessel);
    if (!f.sektion) {
        // A new section goes to the end of the file; an unterminated last line
        // is closed first.
        schlussZeileBeenden();
        Sektion s;
        s.amEnde = true;
        s.name = trimmen(sektion);
        const std::string kopf = "[" + s.name + "]";
        neueNamen_.emplace(kleinText(*kopfName(kopf)), neue_.size());
        neue_.push_back(std::move(s));
        f.sektion = &neue_.back();
    }
    // Only this object's own sections are ever found, so the change is ours.
    Sektion& s = const_cast<Sektion&>(*f.sektion);
    if (f.alt || f.neu) {
        const std::string_view t = zeileVon(f);
        std::string neu = std::string(trimmen(t.substr(0, t.find('=')))) + "=" + wert;
        if (f.neu) {
            s.neueZeilen[*f.neu] = std::move(neu);
            return;
        }
        if (*f.alt + t.size() == text_.size()) schlussZeileBeenden();
        ersetzt_[*f.alt] = std::move(neu);
        return;
    }
    // A new key goes after the last non-blank line of its section.
    if (!s.amEnde && s.einfuege == text_.size()) schlussZeileBeenden();
    if (const auto k = schluesselName(zeile)) s.neueSchluessel.emplace(kleinText(*k), s.neueZeilen.size());
    s.neueZeilen.push_back(zeile);
}

std::string IniDatei::bytes() const {
    // The changes in the order of the text: replaced lines and the places
    // where new keys go.
    struct Stelle {
        uint32_t pos;
        const std::string* ersatz;
        const Sektion* sektion;
    };
    std::vector<Stelle> stellen;
    std::size_t dazu = 0;
    for (const auto& [pos, z] : ersetzt_) {
        stellen.push_back({pos, &z, nullptr});
        dazu += z.size();
    }
    for (const auto& [nr, s] : alte_) {
        if (s.neueZeilen.empty()) continue;
        stellen.push_back({s.einfuege, nullptr, &s});
        for (const auto& z : s.neueZeilen) dazu += z.size() + 2;
    }
    std::sort(stellen.begin(), stellen.end(), [](const Stelle& a, const Stelle& b) { return a.pos < b.pos; });

    std::string b;
    b.reserve(text_.size() + dazu + 2);
    std::size_t pos = 0;
    bool schlussGeschrieben = false;
    const auto schluss = [&] {
        if (schlussBeendet_ && !schlussGeschrieben && pos == text_.size()) {
            b += "\r\n";
            schlussGeschrieben = true;
        }
    };
    for (const Stelle& st : stellen) {
        b.append(text_, pos, st.pos - pos);
        pos = st.pos;
        if (st.ersatz) {
            b += *st.ersatz;
            pos += zeileBei(st.pos).size();
            continue;
        }
        schluss();
        for (const auto& z : st.sektion->neueZeilen) {
            b += z;
            b += "\r\n";
        }
    }
    b.append(text_, pos);
    pos = text_.size();
    schluss();
    for (const Sektion& s : neue_) {
        b += "[" + s.name + "]\r\n";
        for (const auto& z : s.neueZeilen) {
            b += z;
            b += "\r\n";
        }
    }
    return b;
}
