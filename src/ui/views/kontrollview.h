// The control panel: date, balance, temperature and the "Weiter" button.
#pragma once

#include <map>
#include <string>

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
    // The herds whose lost young the player accepted, at their limit: for
    // this game only (a view lives as long as its game; a new game empties
    // it).
    std::map<std::string, int> jungeGefragt_;
    int neueSpiele_ = 0;
    void verlusteAuffrischen();
};
