// The field work dialog "Feld Bearbeitung": what the field is, the work and
// the seed to choose, "&Bearbeiten", help, and the end of the lease. Every
// choice and click goes to the game; the dialog closes when the game's
// handler says so, or with the cancel result.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "rahmen/plattform.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TFeldAktionForm;

class FeldAktionDialog : public QDialog {
    Q_OBJECT

public:
    FeldAktionDialog(TFeldAktionForm& form, QWidget* eltern);

    // Runs the show handler, takes over what the game set, and shows the
    // dialog modally until it closes.
    ModalErgebnis ausfuehren();

    QLabel* nameLabel() const { return name_; }
    QLabel* wasLabel() const { return was_; }
    QLabel* wachsLabel() const { return wachs_; }
    QLabel* flaecheLabel() const { return flaeche_; }
    // The field's state in words, its score, the chosen work's cost and
    // each work's money or yield in its row.
    QLabel* zustandLabel() const { return zustand_; }
    QLabel* wertLabel() const { return wert_; }
    QLabel* kostenLabel() const { return kosten_; }
    // In red, what the chosen work would lose or that it changes nothing.
    QLabel* hinweisLabel() const { return hinweis_; }
    QLabel* betragLabel(int i) const { return betraege_.at(static_cast<std::size_t>(i)); }
    QGroupBox* arbeitGruppe() const { return arbeitRG_; }
    QGroupBox* saatgutGruppe() const { return saatgutRG_; }
    QRadioButton* arbeit(int i) const { return arbeiten_.at(static_cast<std::size_t>(i)); }
    QRadioButton* saatgut(int i) const { return saaten_.at(static_cast<std::size_t>(i)); }
    QPushButton* bearbeitenKnopf() const { return bearbeiten_; }
    QPushButton* hilfeKnopf() const { return hilfe_; }
    QPushButton* pachtKnopf() const { return pacht_; }
    QPushButton* abbrechenKnopf() const { return abbrechen_; }

    // The small picture on "&Bearbeiten", sharp at the screen's scale.
    static QIcon traktorSymbol(qreal pixelVerhaeltnis);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    QGroupBox* gruppe(const QRect& platz, std::vector<QRadioButton*>& knoepfe, QButtonGroup*& knopfGruppe,
                      std::size_t anzahl);
    // Carries the game's captions, selections and visibility onto the widgets.
    void auffrischen();
    // After a handler: the dialog ends when the game set its result.
    void schliessenWennFertig();
    void hilfeOeffnen();
    // "&Bearbeiten": a work that would destroy a growing crop asks first, as
    // does a harvest its store cannot take whole.
    void bearbeiten();
    // That harvest's question (default "Nein"): the amount lost and its
    // value at today's price; empty where nothing is lost.
    std::string ernteFrage() const;

    TFeldAktionForm& form_;
    QFrame* bevel_;
    QLabel* name_;
    QLabel* was_;
    QLabel* wachs_;
    QLabel* flaeche_;
    QLabel* zustand_;
    QLabel* wert_;
    QLabel* kosten_;
    QLabel* hinweis_;
    std::vector<QLabel*> betraege_;
    QGroupBox* arbeitRG_;
    QGroupBox* saatgutRG_;
    QButtonGroup* arbeitKnoepfe_ = nullptr;
    QButtonGroup* saatKnoepfe_ = nullptr;
    std::vector<QRadioButton*> arbeiten_;
    std::vector<QRadioButton*> saaten_;
    QPushButton* bearbeiten_;
    QPushButton* hilfe_;
    QPushButton* pacht_;
    QPushButton* abbrechen_;
    bool uebernehmen_ = false;  // the widgets follow the game: nothing to report
};
