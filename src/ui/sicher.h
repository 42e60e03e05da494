// Every call from the face into the game goes through sicher(): an exception
// that a command does not handle itself abandons that command, is shown in
// the standard error box, and the game goes on.
#pragma once

#include <exception>
#include <string>
#include <type_traits>

#include "spiel.h"

// Shows the text in the standard error box of the running platform (or a
// plain Qt box when no game is running).
void fehlerZeigen(const std::string& text);

template <class F>
auto sicher(F&& f) -> std::invoke_result_t<F> {
    using R = std::invoke_result_t<F>;
    try {
        return f();
    } catch (const std::exception& e) {
        fehlerZeigen(e.what());
    } catch (...) {
        fehlerZeigen("Unbekannter Fehler.");
    }
    if constexpr (!std::is_void_v<R>) return R{};
}

// Tells the frame that a command of the player's ran: its menu names the
// step "Rückgängig" takes back.
void befehlGetan();

// A command of the player's: one step of the game, which "Rückgängig" takes
// back whole (a dialog it opens included).
template <class F>
void befehl(F&& f) {
    sicher([&f] {
        if (Spiel* s = Spiel::laufendes()) s->schritt([&f] { f(); });
        else f();
    });
    befehlGetan();
}
