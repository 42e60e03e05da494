// The outlook "Ausblick": what "Weiter" would do now, in lines grouped by
// money, feed, fields and herds. Losses stand in red, what the player can
// still do in bold; a click on a line activates the window it is about.
// It re-reads the game whenever any window changed.
#pragma once

#include "ui/kindview.h"

class QListWidget;
class QListWidgetItem;
class TAusblickForm;

class AusblickView : public KindView {
    Q_OBJECT

public:
    explicit AusblickView(TAusblickForm& fenster);

    QListWidget* liste() const { return liste_; }

protected:
    void inhaltAuffrischen() override;

private:
    AusblickView(TAusblickForm& fenster, QListWidget* liste);
    void zeilenAuffrischen();
    void aktivieren(QListWidgetItem* eintrag);

    QListWidget* liste_;
};
