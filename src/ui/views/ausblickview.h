// The outlook "Ausblick": what "Weiter" would do now, in lines grouped by
// money, feed, fields and herds. Losses stand in red, what the player can
// still do in bold; a click on a line activates the window it is about.
// It re-reads the game whenever any window changed and it can be seen;
// minimized, hidden or covered it waits until it is shown, and then it
// changes only the rows that differ.
#pragma once

#include <QString>

#include <vector>

#include "ui/kindview.h"

class QListWidget;
class QListWidgetItem;
class TAusblickForm;

class AusblickView : public KindView {
    Q_OBJECT

public:
    explicit AusblickView(TAusblickForm& fenster);

    QListWidget* liste() const { return liste_; }
    // How often the view has computed the outlook.
    int rechnungen() const { return rechnungen_; }

protected:
    void inhaltAuffrischen() override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // One row of the list as shown.
    struct Reihe {
        QString text;
        QString fenster;
        QString hinweis;
        bool kopf = false;
        bool rot = false;
        bool fett = false;
        bool operator==(const Reihe&) const = default;
    };

    AusblickView(TAusblickForm& fenster, QListWidget* liste);
    void zeilenAuffrischen();
    void aktivieren(QListWidgetItem* eintrag);

    QListWidget* liste_;
    std::vector<Reihe> gezeigt_;
    bool veraltet_ = false;  // the game changed while the view was not seen
    int rechnungen_ = 0;
};
