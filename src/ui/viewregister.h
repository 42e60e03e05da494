// Which view shows which game window, and which Qt dialog runs which game
// dialog. A new window needs one line in views/alleviews.cpp.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "rahmen/dialog.h"
#include "rahmen/kindform.h"
#include "rahmen/plattform.h"

class KindView;
class QWidget;

class ViewRegister {
public:
    // The view V(Fenster&) shows every window whose class is Fenster or
    // derives from it. The first entry that fits wins: name a derived class
    // before its base.
    template <class Fenster, class View>
    void fenster() {
        fenster_.push_back([](TkindForm& f) -> KindView* {
            auto* passend = dynamic_cast<Fenster*>(&f);
            return passend ? new View(*passend) : nullptr;
        });
    }

    // The dialog D(Dialog&, QWidget* eltern) runs the game's dialog; its
    // ausfuehren() shows it modally and gives the result.
    template <class Dialog, class D>
    void dialog() {
        dialoge_.push_back([](TDialog& d, QWidget* eltern) -> std::optional<ModalErgebnis> {
            auto* passend = dynamic_cast<Dialog*>(&d);
            if (!passend) return std::nullopt;
            D fenster(*passend, eltern);
            return fenster.ausfuehren();
        });
    }

    // The view of a window; a window without a view of its own gets an
    // empty subwindow of its size, so that it can still be placed and saved.
    KindView* erzeugeView(TkindForm& fenster) const;
    // Runs the dialog, or nothing when no Qt dialog is registered for it.
    std::optional<ModalErgebnis> zeigeDialog(TDialog& dialog, QWidget* eltern) const;

    // Every view of the game (views/alleviews.cpp).
    static const ViewRegister& alle();

private:
    std::vector<std::function<KindView*(TkindForm&)>> fenster_;
    std::vector<std::function<std::optional<ModalErgebnis>(TDialog&, QWidget*)>> dialoge_;
};

// Fills the register with every view and dialog of the game.
void alleViewsAnmelden(ViewRegister& r);
