// What the core tells the player, typed: which text, and the values it names.
// Each text is written once, here, in German with %1 … %9 for its values;
// its name (texte::…) is its id. trevo-sim and every transcript get the
// German text (deutsch()), byte for byte as the rules always wrote it; the
// window formats the same message in the player's language, looking the
// pattern up in translations/*.ts under the context "Kern". TREVO_TEXT marks
// a pattern for lupdate, which reads it as QT_TRANSLATE_NOOP
// (-tr-function-alias QT_TRANSLATE_NOOP+=TREVO_TEXT); it is the text itself.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define TREVO_TEXT(kontext, text) text

struct Nachricht {
    // Not explicit: {texte::zuViel} and {texte::…, {werte}} are messages.
    Nachricht(const char* m, std::vector<std::string> w = {}) : muster(m), werte(std::move(w)) {}
    const char* muster;
    std::vector<std::string> werte;  // %1, %2 … as the rules write them
};

// The pattern with %1 … %9 replaced by the values in one pass (a value that
// holds "%2" stays as it is); a % without a value stays too.
std::string einsetzen(std::string_view muster, const std::vector<std::string>& werte);
inline std::string deutsch(const Nachricht& n) { return einsetzen(n.muster, n.werte); }

namespace texte {
// Message boxes of the stores, the herds' goods and the field work.
inline constexpr const char* zuViel = TREVO_TEXT("Kern", "Das ist zu viel!");
inline constexpr const char* zuVielMaximum =
    TREVO_TEXT("Kern", "Das ist zu viel!\r\rKlicken Sie auf Maximum, um es zu erhöhen.");
inline constexpr const char* maximumErhoehen =
    TREVO_TEXT("Kern", "Es ist möglich die Maximalmenge um 50% zu erhöhen.\rDies würde Kosten von %1 verursachen.\r\r"
                       "Möchten Sie dies tun?");
inline constexpr const char* zuKalt =
    TREVO_TEXT("Kern", "Es ist zu kalt und der Boden ist zu hart für eine Bearbeitung.");
inline constexpr const char* zuWenigDiesel =
    TREVO_TEXT("Kern", "Es ist zu wenig Diesel da! Kaufen Sie nach und versuchen es nochmal.");
inline constexpr const char* grasGemaeht = TREVO_TEXT("Kern", "Das gemähte Gras wurde zu %1 kg Futter verarbeitet.");
inline constexpr const char* ernteEingebracht = TREVO_TEXT("Kern", "Die Ernte hat %1 DZentner %2 eingebracht.");
inline constexpr const char* ernteVerloren =
    TREVO_TEXT("Kern", "Wegen begrenzter Lagermöglichkeiten sind %1 %2 verloren.");
inline constexpr const char* pachtKuendigen =
    TREVO_TEXT("Kern", "Möchten Sie den Pachtvertrag mit sofortiger Wirkung kündigen?");
inline constexpr const char* feldPachten = TREVO_TEXT("Kern", "Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?");
inline constexpr const char* vonVorne = TREVO_TEXT("Kern", "Wollen Sie wirklich wieder von vorne anfangen?");
inline constexpr const char* futtermangel = TREVO_TEXT("Kern", "Wegen Futtermangel sind einige Tiere gestorben!");
}  // namespace texte
