// The base of the game's modal dialogs (quantity, animal purchase, field
// work). They are not game windows: they save nothing and are not in the
// frame's child list. The platform shows them through zeigeModal.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rahmen/beschreibung.h"
#include "rahmen/plattform.h"

class TDialog {
public:
    explicit TDialog(std::string cap) : caption(std::move(cap)) {}
    virtual ~TDialog() = default;
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    std::string caption;
    // Screen position of the dialog's top-left corner.
    int32_t left = 0;
    int32_t top = 0;

    // What the dialog shows, for trevo-sim's dump; it keeps nothing.
    virtual void beschreiben(Beschreiber& b) const { b.text("caption", caption); }
    virtual void FormShow() {}
    virtual void FormActivate() {}
    // Whether the dialog may close with this result.
    virtual bool FormCloseQuery(bool /*mitOK*/) { return true; }

    // A handler that ends the dialog itself (a weight button, "&Bearbeiten",
    // a confirmed end of the lease) sets the result here; the platform closes
    // the dialog with it once the handler has returned. Cleared at every
    // showing, before FormShow.
    std::optional<ModalErgebnis> modalResult;
};
