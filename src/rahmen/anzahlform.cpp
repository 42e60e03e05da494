#include "rahmen/anzahlform.h"

#include <limits>

#include "rahmen/plattform.h"

TAnzahlForm* AnzahlForm = nullptr;

TAnzahlForm::TAnzahlForm() : TDialog("Anzahl") {
    Edit1.text = "1";
    Button1.caption = "OK";
    Button2.caption = "Abbruch";
}

void TAnzahlForm::FormShow() {
    const Punkt maus = plattform().mausPosition();
    left = maus.x - 40;
    top = maus.y - 40;
    Edit1.text = "1";
}

bool TAnzahlForm::FormCloseQuery(bool mitOK) {
    if (!mitOK) return true;
    const auto zahl = umwandeln(Edit1.text);
    if (!zahl) return false;
    anzahl = *zahl;
    return true;
}

std::optional<int32_t> TAnzahlForm::umwandeln(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '$') {
        ++i;
        if (i == text.size()) return std::nullopt;
        uint64_t v = 0;
        for (; i < text.size(); ++i) {
            const char c = text[i];
            int d;
            if (c >= '0' && c <= '9') d = c - '0';
            else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
            else return std::nullopt;
            v = v * 16 + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFull) return std::nullopt;
        }
        // Eight hex digits cover the whole 32-bit pattern: $FFFFFFFF is -1.
        return static_cast<int32_t>(static_cast<uint32_t>(v));
    }
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    if (i == text.size()) return std::nullopt;
    int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
        if (v > int64_t{1} << 31) return std::nullopt;
    }
    if (negativ) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(v);
}

void TAnzahlForm::beschreiben(Beschreiber& b) const {
    TDialog::beschreiben(b);
    b.wert("left", left);
    b.wert("top", top);
    b.text("Edit1.text", Edit1.text);
    b.knopf("Button1", Button1);
    b.knopf("Button2", Button2);
    b.wert("anzahl", anzahl);
}
