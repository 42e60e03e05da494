#include "sim/skript.h"

#include <charconv>


namespace {

bool istLeer(char c) { return c == ' ' || c == '\t'; }

// A whole number in the range, with an optional sign and nothing else.
std::optional<int32_t> alsZahl(const std::string& text, int64_t min, int64_t max) {
    std::string_view s = text;
    bool negativ = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negativ = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty() || s.size() > 12) return std::nullopt;
    int64_t v = 0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (fehler != std::errc() || ende != s.data() + s.size()) return std::nullopt;
    if (negativ) v = -v;
    if (v < min || v > max) return std::nullopt;
    return static_cast<int32_t>(v);
}

std::string woerterListe(const std::vector<std::string>& w) {
    std::string s;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (i > 0) s += i + 1 == w.size() ? " or " : ", ";
        s += w[i];
    }
    return s;
}

// Converts the words after the action word into the line's arguments.
std::string argumenteLesen(const Aktion& a, const std::vector<Wort>& w, Befehl& b) {
    const std::string gebrauch = " (usage: " + a.gebrauch() + ")";
    std::size_t i = 1;
    for (const Argument& arg : a.argumente) {
        if (i >= w.size()) {
            if (arg.art == Argument::Art::OptZahl) break;
            return a.wort + ": " + arg.name + " is missing" + gebrauch;
        }
        const Wort& wort = w[i];
        switch (arg.art) {
            case Argument::Art::Fenster:
                b.fenster = wort.text;
                ++i;
                break;
            case Argument::Art::Zahl:
            case Argument::Art::OptZahl: {
                const auto z = alsZahl(wort.text, arg.min, arg.max);
                if (!z)
                    return a.wort + ": " + arg.name + " must be a whole number from " + std::to_string(arg.min) +
                           " to " + std::to_string(arg.max) + ", not \"" + zeigbar(wort.text) + "\"";
                b.zahlen.push_back(*z);
                ++i;
                break;
            }
            case Argument::Art::Wahl: {
                int32_t gefunden = -1;
                for (std::size_t k = 0; k < arg.woerter.size(); ++k)
                    if (arg.woerter[k] == wort.text) gefunden = static_cast<int32_t>(k);
                if (gefunden < 0)
                    return a.wort + ": expected " + woerterListe(arg.woerter) + ", not \"" + zeigbar(wort.text) +
                           "\"";
                b.wahlen.push_back(gefunden);
                ++i;
                break;
            }
            case Argument::Art::Texte:
                for (; i < w.size(); ++i) {
                    if (!w[i].zitiert && w[i].text == "abbruch") {
                        if (i + 1 < w.size())
                            return a.wort + ": nothing may follow abbruch, found \"" + zeigbar(w[i + 1].text) + "\"";
                        b.abbruch = true;
                    } else {
                        b.texte.push_back(w[i].text);
                    }
                }
                break;
        }
    }
    if (i < w.size()) return a.wort + ": unexpected \"" + zeigbar(w[i].text) + "\"" + gebrauch;
    if (a.pruefen) return a.pruefen(b);
    return {};
}

}  // namespace

std::string zeigbar(std::string_view wort) {
    std::string aus;
    for (const char c : wort) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            aus += "\\\\";
        } else if (c == '\r') {
            aus += "\\r";
        } else if (c == '\t') {
            aus += "\\t";
        } else if (u < 0x20 || u == 0x7f) {
            static const char hex[] = "0123456789abcdef";
            aus += "\\x";
            aus += hex[u >> 4];
            aus += hex[u & 15];
        } else {
            aus += c;
        }
    }
    return aus;
}

std::optional<std::string> zerlegen(std::string_view z, std::vector<Wort>& woerter) {
    std::size_t i = 0;
    for (;;) {
        while (i < z.size() && istLeer(z[i])) ++i;
        if (i >= z.size()) return std::nullopt;
        Wort wort;
        if (z[i] == '"') {
            wort.zitiert = true;
            ++i;
            bool zu = false;
            while (i < z.size()) {
                const char c = z[i++];
                if (c == '"') {
                    zu = true;
                    break;
                }
                if (c != '\\') {
                    wort.text += c;
                    continue;
                }
                if (i >= z.size()) break;
                const char n = z[i++];
                if (n != '"' && n != '\\')
                    return "unknown escape \"\\" + zeigbar(std::string_view(&n, 1)) +
                           "\" in quotes (only \\\" and \\\\)";
                wort.text += n;
            }
            if (!zu) return std::string("unterminated quote");
            if (i < z.size() && !istLeer(z[i])) return std::string("a blank must follow the closing quote");
        } else {
            while (i < z.size() && !istLeer(z[i])) {
                if (z[i] == '"') return std::string("a quote may only begin a word");
                wort.text += z[i++];
            }
        }
        woerter.push_back(std::move(wort));
    }
}

std::string SkriptFehler::meldung() const { return "line " + std::to_string(zeile) + ": " + text; }

Skript skriptLesen(std::string_view text, const std::vector<Aktion>& tabelle) {
    const auto finden = [&tabelle](const std::string& wort) -> const Aktion* {
        for (const Aktion& a : tabelle)
            if (a.wort == wort) return &a;
        return nullptr;
    };
    Skript s;
    int nr = 0;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        anfang = ende + 1;
        ++nr;
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);

        std::size_t erstes = 0;
        while (erstes < zeile.size() && istLeer(zeile[erstes])) ++erstes;
        if (erstes == zeile.size() || zeile[erstes] == '#') continue;

        std::vector<Wort> woerter;
        if (auto f = zerlegen(zeile, woerter)) {
            s.fehler = SkriptFehler{nr, *f};
            return s;
        }
        Befehl b;
        b.zeile = nr;
        b.aktion = woerter.front().zitiert ? nullptr : finden(woerter.front().text);
        if (!b.aktion) {
            s.fehler = SkriptFehler{nr, "unknown action \"" + zeigbar(woerter.front().text) + "\""};
            return s;
        }
        if (std::string f = argumenteLesen(*b.aktion, woerter, b); !f.empty()) {
            s.fehler = SkriptFehler{nr, f};
            return s;
        }
        if (b.aktion->wort == "wiederherstellen" && !s.befehle.empty()) {
            s.fehler = SkriptFehler{nr, "wiederherstellen answers the offer at the start and comes before every "
                                        "other action"};
            return s;
        }
        s.befehle.push_back(std::move(b));
    }
    return s;
}
