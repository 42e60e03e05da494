// A bulk store: the goods window with the silo picture and its fill level,
// and the right-click trades on "Kaufen" and "Verkaufen".
#pragma once

#include "ui/views/gutview.h"

class TSiloForm;

class SiloView : public GutView {
    Q_OBJECT

public:
    explicit SiloView(TSiloForm& fenster);

    // The window icon: a silo outline on two splayed legs, black on clear.
    static QIcon siloSymbol();

protected:
    void handelsKnopfGedrueckt(bool kaufen, Qt::MouseButton taste) override;

private:
    TSiloForm& form_;
};
