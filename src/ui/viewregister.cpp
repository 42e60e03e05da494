#include "ui/viewregister.h"

#include "ui/kindview.h"

KindView* ViewRegister::erzeugeView(TkindForm& fenster) const {
    for (const auto& fabrik : fenster_)
        if (KindView* v = fabrik(fenster)) return v;
    return new KindView(fenster);
}

std::optional<ModalErgebnis> ViewRegister::zeigeDialog(TDialog& dialog, QWidget* eltern) const {
    for (const auto& fabrik : dialoge_)
        if (auto ergebnis = fabrik(dialog, eltern)) return ergebnis;
    return std::nullopt;
}

const ViewRegister& ViewRegister::alle() {
    static const ViewRegister r = [] {
        ViewRegister neu;
        alleViewsAnmelden(neu);
        return neu;
    }();
    return r;
}
