// The price list: goods, units and prices in the game's grid; releasing a
// mouse button over a row shows that good's buy and sell price.
#pragma once

#include "ui/kindview.h"

class GitterWidget;
class TPreiseForm;

class PreiseView : public KindView {
    Q_OBJECT

public:
    explicit PreiseView(TPreiseForm& fenster);
    GitterWidget* gitter() const { return gitter_; }

protected:
    void inhaltAuffrischen() override;

private:
    TPreiseForm& form_;
    GitterWidget* gitter_;
};
