#include "ui/views/feldaktiondialog.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QSvgRenderer>

#include "geld/geldtext.h"
#include "fields/feldaktionform.h"
#include "goods/siloform.h"
#include "market/preiseform.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/taste.h"
#include "ui/views/steuer.h"

namespace {
// The client area's layout, in pixels.
constexpr int breite = 312;
constexpr int hoehe = 353;
constexpr int zeilenAbstand = 26;  // between two radio buttons
const QRect bevelPlatz(8, 8, 296, 56);
const QRect arbeitPlatz(8, 72, 145, 20 + 5 * zeilenAbstand + 4);
const QRect saatgutPlatz(159, 72, 145, 20 + 4 * zeilenAbstand + 4);
const QRect bearbeitenPlatz(8, 240, 145, 30);
const QRect hilfePlatz(159, 240, 145, 30);
const QRect zustandPlatz(16, 40, 142, 16);  // beside "Bewuchs", where the score's label stays empty
const QRect wertPlatz(8, 274, 296, 18);
const QRect kostenPlatz(8, 292, 296, 18);
// Below the seed group, free whichever work is chosen.
const QRect hinweisPlatz(159, 201, 145, 37);
// A work's money or yield, right in its row of the radio group.
constexpr int betragLinks = 78;
const QRect pachtPlatz(8, 315, 145, 30);
const QRect abbrechenPlatz(159, 315, 145, 30);
}  // namespace

FeldAktionDialog::FeldAktionDialog(TFeldAktionForm& form, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      form_(form) {
    setWindowTitle(kernText(form_.caption));
    setFixedSize(breite, hoehe);

    bevel_ = new QFrame(this);
    bevel_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel_->setGeometry(bevelPlatz);
    was_ = neuesLabel(this, 16, 16);
    name_ = neuesLabel(this, 160, 16);
    wachs_ = neuesLabel(this, 16, 40);
    flaeche_ = neuesLabel(this, 160, 40);

    // What the field's score means and what the chosen work costs, between
    // the work buttons and the lease's.
    zustand_ = new QLabel(this);
    zustand_->setGeometry(zustandPlatz);
    zustand_->setTextFormat(Qt::PlainText);
    wert_ = new QLabel(this);
    wert_->setGeometry(wertPlatz);
    wert_->setTextFormat(Qt::PlainText);
    kosten_ = new QLabel(this);
    kosten_->setGeometry(kostenPlatz);
    kosten_->setTextFormat(Qt::PlainText);
    hinweis_ = new QLabel(this);
    hinweis_->setGeometry(hinweisPlatz);
    hinweis_->setTextFormat(Qt::PlainText);
    hinweis_->setWordWrap(true);
    hinweis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette rot = hinweis_->palette();
    rot.setColor(QPalette::WindowText, QColor(192, 0, 0));
    hinweis_->setPalette(rot);

    arbeitRG_ = gruppe(arbeitPlatz, arbeiten_, arbeitKnoepfe_, form_.ArbeitRG.items.size());
    for (std::size_t i = 0; i < arbeiten_.size(); ++i) {
        auto* b = new QLabel(arbeitRG_);
        b->setGeometry(betragLinks, 20 + static_cast<int>(i) * zeilenAbstand, arbeitPlatz.width() - betragLinks - 6,
                       20);
        b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        b->setTextFormat(Qt::PlainText);
        QPalette grau = b->palette();
        grau.setColor(QPalette::WindowText, QColor(96, 96, 96));
        b->setPalette(grau);
        betraege_.push_back(b);
        // The label lies over the radio button's free end; a click there
        // still chooses the work.
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    saatgutRG_ = gruppe(saatgutPlatz, saaten_, saatKnoepfe_, form_.SaatgutRG.items.size());
    connect(arbeitKnoepfe_, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (!an || uebernehmen_) return;
        form_.ArbeitRG.itemIndex = id;
        sicher([this] { form_.ArbeitRGClick(); });
        auffrischen();
    });
    connect(saatKnoepfe_, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (!an || uebernehmen_) return;
        form_.SaatgutRG.itemIndex = id;
        auffrischen();  // whether the seed would grow
    });

    bearbeiten_ = new QPushButton(this);
    bearbeiten_->setGeometry(bearbeitenPlatz);
    bearbeiten_->setIcon(traktorSymbol(devicePixelRatioF()));
    bearbeiten_->setDefault(true);
    hilfe_ = new QPushButton(this);
    hilfe_->setGeometry(hilfePlatz);
    hilfe_->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    pacht_ = new QPushButton(this);
    pacht_->setGeometry(pachtPlatz);
    abbrechen_ = new QPushButton(this);
    abbrechen_->setGeometry(abbrechenPlatz);
    abbrechen_->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    connect(bearbeiten_, &QPushButton::clicked, this, &FeldAktionDialog::bearbeiten);
    connect(pacht_, &QPushButton::clicked, this, [this] {
        QString zusatz;
        if (const TFeld* f = form_.feld)
            zusatz = tr("%1, %2 ha: die Pacht von %3 im Monat entfällt")
                         .arg(QString::fromStdString(f->name), kernText(std::to_string(f->flaeche)),
                              kernText(geldText(-int64_t{pachtJeHektar} * f->flaeche)));
        const FrageZusatz z(zusatz);
        sicher([this] { form_.PachtBtClick(); });
        schliessenWennFertig();
    });
    connect(hilfe_, &QPushButton::clicked, this, &FeldAktionDialog::hilfeOeffnen);
    connect(abbrechen_, &QPushButton::clicked, this, &QDialog::reject);
}

std::string FeldAktionDialog::ernteFrage() const {
    const TFeld* f = form_.feld;
    if (!f || form_.ArbeitRG.itemIndex != static_cast<int32_t>(Arbeit::ernten) || !PreiseForm) return {};
    if (!TFeldAktionForm::wirdGetan(Arbeit::ernten, *f)) return {};
    const int64_t verlust = ernteVerlust(*f);
    if (verlust <= 0) return {};
    const TSiloForm& l = ernteLager(f->was);
    const std::string einheit = PreiseForm->einheit[static_cast<std::size_t>(l.gutNr)];
    return tr("Das Lager %1 nimmt von %2 %3 nur %4 auf: %5 %3 im Wert von %6 gingen verloren.\r\r"
              "Trotzdem ernten?")
        .arg(kernText(l.caption), kernText(std::to_string(f->ernteMenge())), kernText(einheit),
             kernText(std::to_string(f->ernteMenge() - verlust)), kernText(std::to_string(verlust)),
             kernText(geldText(verlust * PreiseForm->verkaufspreis(l.gutNr))))
        .toStdString();
}

void FeldAktionDialog::bearbeiten() {
    std::string frage;
    sicher([this, &frage] {
        frage = form_.rueckfrage();
        if (frage.empty()) frage = ernteFrage();
    });
    if (!frage.empty()) {
        QtPlattform* p = QtPlattform::aktuelle();
        // Return keeps the crop.
        if (!p || p->meldung(MeldungsArt::Bestaetigen, frage, Knoepfe::JaNein, {}, Vorgabe::zweiter) != Antwort::Ja)
            return;
    }
    {
        // A harvest's yield and what its store lost: one message.
        const Sammelmeldung eine;
        sicher([this] { form_.BearbeitBtClick(); });
    }
    schliessenWennFertig();
}

void FeldAktionDialog::keyPressEvent(QKeyEvent* e) {
    // F1 anywhere in the dialog opens the guide at field work, as the help
    // button does.
    if (!tasteAllein(e, Qt::Key_F1, [this] { hilfeOeffnen(); })) QDialog::keyPressEvent(e);
}

QGroupBox* FeldAktionDialog::gruppe(const QRect& platz, std::vector<QRadioButton*>& knoepfe,
                                    QButtonGroup*& knopfGruppe, std::size_t anzahl) {
    auto* g = new QGroupBox(this);
    g->setGeometry(platz);
    knopfGruppe = new QButtonGroup(g);
    for (std::size_t i = 0; i < anzahl; ++i) {
        auto* k = new QRadioButton(g);
        k->setGeometry(10, 20 + static_cast<int>(i) * zeilenAbstand, platz.width() - 20, 20);
        knopfGruppe->addButton(k, static_cast<int>(i));
        knoepfe.push_back(k);
    }
    return g;
}

QIcon FeldAktionDialog::traktorSymbol(qreal pixelVerhaeltnis) {
    QSvgRenderer bild(QStringLiteral(":/bilder/traktor.svg"));
    const QSize groesse(16, 16);
    QPixmap pixel(groesse * pixelVerhaeltnis);
    pixel.setDevicePixelRatio(pixelVerhaeltnis);
    pixel.fill(Qt::transparent);
    QPainter p(&pixel);
    p.setRenderHint(QPainter::Antialiasing);
    bild.render(&p, QRectF(QPointF(0, 0), QSizeF(groesse)));
    p.end();
    return QIcon(pixel);
}

ModalErgebnis FeldAktionDialog::ausfuehren() {
    sicher([this] { form_.FormShow(); });
    auffrischen();
    bearbeiten_->setFocus();
    return exec() == QDialog::Accepted ? ModalErgebnis::OK : ModalErgebnis::Abbruch;
}

void FeldAktionDialog::auffrischen() {
    QScopedValueRollback<bool> wache(uebernehmen_, true);
    setWindowTitle(kernText(form_.caption));
    uebernehmen(name_, form_.NameLabel);
    uebernehmen(was_, form_.WasLabel);
    uebernehmen(wachs_, form_.WachsLabel);
    uebernehmen(flaeche_, form_.FleacheLabel);
    auto gruppeUebernehmen = [](QGroupBox* g, const std::vector<QRadioButton*>& knoepfe, QButtonGroup* gruppe,
                                const RadioGroup& rg) {
        g->setTitle(kernText(rg.caption));
        for (std::size_t i = 0; i < knoepfe.size() && i < rg.items.size(); ++i)
            knoepfe[i]->setText(kernText(rg.items[i]));
        if (rg.itemIndex >= 0 && static_cast<std::size_t>(rg.itemIndex) < knoepfe.size()) {
            knoepfe[static_cast<std::size_t>(rg.itemIndex)]->setChecked(true);
        } else if (QAbstractButton* an = gruppe->checkedButton()) {
            // No item selected: the exclusive group lets go for a moment.
            gruppe->setExclusive(false);
            an->setChecked(false);
            gruppe->setExclusive(true);
        }
        g->setVisible(rg.visible);
    };
    gruppeUebernehmen(arbeitRG_, arbeiten_, arbeitKnoepfe_, form_.ArbeitRG);
    {
        // Each work a key of its own, beside the dialog's other keys.
        QString belegt;
        for (const QAbstractButton* b : findChildren<QAbstractButton*>())
            if (!kuerzelVon(b->text()).isNull() && !b->inherits("QRadioButton")) belegt += kuerzelVon(b->text());
        for (const QGroupBox* g : findChildren<QGroupBox*>())
            if (!kuerzelVon(g->title()).isNull()) belegt += kuerzelVon(g->title());
        kuerzelVergeben(arbeiten_, belegt);
    }
    // Every work's cost on its button's hint, the chosen one's in the line
    // below; the state from the field itself. Reading only.
    sicher([this] {
        const TFeld* f = form_.feld;
        zustand_->setText(f ? tr("Zustand: %1").arg(kernText(f->zustand())) : QString());
        zustand_->setVisible(f && form_.WachsLabel.caption.empty());
        wert_->setText(f ? kernText(f->wertText()) : QString());
        for (std::size_t i = 0; i < arbeiten_.size(); ++i) {
            const auto nr = static_cast<int32_t>(i);
            const std::string warnung = form_.hinweis(nr);
            arbeiten_[i]->setToolTip(
                kernText(form_.kostenText(nr) + (warnung.empty() ? "" : "\n" + warnung)));
            betraege_[i]->setText(kernText(form_.kostenKurz(nr)));
            // A harvest that loses part of itself says so in its row, whichever
            // work is chosen.
            QPalette farbe = betraege_[i]->palette();
            farbe.setColor(QPalette::WindowText, nr == static_cast<int32_t>(Arbeit::ernten) && !warnung.empty()
                                                     ? QColor(192, 0, 0)
                                                     : QColor(96, 96, 96));
            betraege_[i]->setPalette(farbe);
        }
        const std::string k = form_.kostenText(form_.ArbeitRG.itemIndex);
        kosten_->setText(k.empty() ? QString() : tr("Kosten: %1").arg(kernText(k)));
        hinweis_->setText(kernText(form_.hinweis(form_.ArbeitRG.itemIndex)));
    });
    gruppeUebernehmen(saatgutRG_, saaten_, saatKnoepfe_, form_.SaatgutRG);
    uebernehmen(bearbeiten_, form_.BearbeitBt);
    uebernehmen(hilfe_, form_.BitBtn3);
    uebernehmen(pacht_, form_.PachtBt);
    uebernehmen(abbrechen_, form_.BitBtn2);
}

void FeldAktionDialog::schliessenWennFertig() {
    if (!form_.modalResult) {
        auffrischen();
        return;
    }
    done(*form_.modalResult == ModalErgebnis::OK ? QDialog::Accepted : QDialog::Rejected);
}

void FeldAktionDialog::hilfeOeffnen() {
    sicher([this] { form_.BitBtn3Click(); });
}
