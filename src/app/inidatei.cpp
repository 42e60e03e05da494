#include "app/inidatei.h"

#include <limits>

namespace {

bool istLeer(char c) { return c == ' ' || c == '\t'; }

std::string trimmen(const std::string& s) {
    std::size_t a = 0;
    std::size_t e = s.size();
    while (a < e && istLeer(s[a])) ++a;
    while (e > a && istLeer(s[e - 1])) --e;
    return s.substr(a, e - a);
}

char klein(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool gleichOhneFall(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (klein(a[i]) != klein(b[i])) return false;
    return true;
}

// A section header: optional blanks, "[", the name, "]". Returns the name.
std::optional<std::string> kopfName(const std::string& zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && istLeer(zeile[a])) ++a;
    if (a >= zeile.size() || zeile[a] != '[') return std::nullopt;
    const std::size_t e = zeile.find(']', a + 1);
    if (e == std::string::npos) return std::nullopt;
    return trimmen(zeile.substr(a + 1, e - a - 1));
}

bool istKommentar(const std::string& zeile) {
    std::size_t a = 0;
    while (a < zeile.size() && istLeer(zeile[a])) ++a;
    return a < zeile.size() && zeile[a] == ';';
}

}  // namespace

IniDatei::IniDatei(const std::string& bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t e = pos;
        while (e < bytes.size() && bytes[e] != '\n' && bytes[e] != '\r') ++e;
        Zeile z{bytes.substr(pos, e - pos), {}};
        if (e < bytes.size()) {
            if (bytes[e] == '\r' && e + 1 < bytes.size() && bytes[e + 1] == '\n') {
                z.ende = "\r\n";
                e += 2;
            } else {
                z.ende = std::string(1, bytes[e]);
                e += 1;
            }
        }
        zeilen_.push_back(std::move(z));
        pos = e;
    }
}

long IniDatei::sektionsKopf(const std::string& sektion) const {
    const std::string gesucht = trimmen(sektion);
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        const auto name = kopfName(zeilen_[i].text);
        if (name && gleichOhneFall(*name, gesucht)) return static_cast<long>(i);
    }
    return -1;
}

long IniDatei::schluesselZeile(long kopf, const std::string& schluessel) const {
    const std::string gesucht = trimmen(schluessel);
    for (std::size_t i = static_cast<std::size_t>(kopf) + 1; i < zeilen_.size(); ++i) {
        const std::string& t = zeilen_[i].text;
        if (kopfName(t)) break;
        if (istKommentar(t)) continue;
        const std::size_t gl = t.find('=');
        if (gl == std::string::npos) continue;
        if (gleichOhneFall(trimmen(t.substr(0, gl)), gesucht)) return static_cast<long>(i);
    }
    return -1;
}

std::optional<std::string> IniDatei::text(const std::string& sektion, const std::string& schluessel) const {
    const long kopf = sektionsKopf(sektion);
    if (kopf < 0) return std::nullopt;
    const long z = schluesselZeile(kopf, schluessel);
    if (z < 0) return std::nullopt;
    const std::string& t = zeilen_[static_cast<std::size_t>(z)].text;
    return trimmen(t.substr(t.find('=') + 1));
}

int32_t IniDatei::alsZahl(const std::string& wert) {
    std::size_t i = 0;
    while (i < wert.size() && istLeer(wert[i])) ++i;
    bool negativ = false;
    if (i < wert.size() && (wert[i] == '-' || wert[i] == '+')) {
        negativ = wert[i] == '-';
        ++i;
    }
    int64_t v = 0;
    for (; i < wert.size() && wert[i] >= '0' && wert[i] <= '9'; ++i) {
        v = v * 10 + (wert[i] - '0');
        if (v > int64_t{1} << 32) v = int64_t{1} << 32;  // far enough beyond the range
    }
    if (negativ) v = -v;
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

std::optional<int32_t> IniDatei::lesen(const std::string& sektion, const std::string& schluessel) const {
    const auto t = text(sektion, schluessel);
    if (!t) return std::nullopt;
    return alsZahl(*t);
}

void IniDatei::schreiben(const std::string& sektion, const std::string& schluessel, int32_t wert) {
    schreiben(sektion, schluessel, std::to_string(wert));
}

void IniDatei::schreiben(const std::string& sektion, const std::string& schluessel, const std::string& wert) {
    const std::string name = trimmen(schluessel);
    const long kopf = sektionsKopf(sektion);
    if (kopf < 0) {
        // A new section goes to the end of the file; an unterminated last line
        // is closed first.
        if (!zeilen_.empty() && zeilen_.back().ende.empty()) zeilen_.back().ende = "\r\n";
        zeilen_.push_back({"[" + trimmen(sektion) + "]", "\r\n"});
        zeilen_.push_back({name + "=" + wert, "\r\n"});
        return;
    }
    const long z = schluesselZeile(kopf, name);
    if (z >= 0) {
        Zeile& zeile = zeilen_[static_cast<std::size_t>(z)];
        const std::string& t = zeile.text;
        zeile.text = trimmen(t.substr(0, t.find('='))) + "=" + wert;
        if (zeile.ende.empty()) zeile.ende = "\r\n";
        return;
    }
    // A new key goes after the last non-blank line of its section.
    std::size_t nach = static_cast<std::size_t>(kopf);
    for (std::size_t i = nach + 1; i < zeilen_.size(); ++i) {
        if (kopfName(zeilen_[i].text)) break;
        if (!trimmen(zeilen_[i].text).empty()) nach = i;
    }
    if (zeilen_[nach].ende.empty()) zeilen_[nach].ende = "\r\n";
    zeilen_.insert(zeilen_.begin() + static_cast<long>(nach) + 1, Zeile{name + "=" + wert, "\r\n"});
}

std::string IniDatei::bytes() const {
    std::string b;
    for (const auto& z : zeilen_) {
        b += z.text;
        b += z.ende;
    }
    return b;
}
