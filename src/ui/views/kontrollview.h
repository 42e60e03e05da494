// The control panel: date, balance, temperature and the "Weiter" button.
#pragma once

#include "ui/kindview.h"

class QLabel;
class QPushButton;
class TKontrollForm;

class KontrollView : public KindView {
    Q_OBJECT

public:
    explicit KontrollView(TKontrollForm& fenster);

    QLabel* datum() const { return label1_; }
    QLabel* guthaben() const { return label2_; }
    QLabel* temperatur() const { return label3_; }
    QPushButton* weiter() const { return weiter_; }
    // Below the panel: how many losses the outlook foresees; a click brings
    // the outlook forward.
    QPushButton* verluste() const { return verluste_; }

protected:
    void inhaltAuffrischen() override;
    int zusatzHoehe() const override;

private:
    TKontrollForm& form_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QPushButton* weiter_;
    QPushButton* verluste_;
    void verlusteAuffrischen();
};
