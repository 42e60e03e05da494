#include "ui/qtplattform.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "rahmen/dialog.h"
#include "rahmen/kindform.h"
#include "rahmen/mainform.h"
#include "ui/kindview.h"
#include "ui/klangspieler.h"
#include "ui/medien.h"
#include "ui/nachrichten.h"
#include "ui/sicher.h"
#include "ui/viewregister.h"

namespace {
QtPlattform* dieAktuelle = nullptr;
bool tonAus = false;
const QString programmTitel = QStringLiteral("Trevo");
}  // namespace

QtPlattform::QtPlattform() {
    zeichenUhr_.setSingleShot(true);
    zeichenUhr_.setInterval(0);
    connect(&zeichenUhr_, &QTimer::timeout, this, &QtPlattform::auffrischen);
    // The end of the piece arrives between two events; the frame decides
    // whether the music starts again.
    musik_ = neueMusik(
        [] {
            sicher([] {
                if (MainForm) MainForm->MediaPlayer1Notify();
            });
        },
        tonAus);
    dieAktuelle = this;
}

QtPlattform::~QtPlattform() {
    if (dieAktuelle == this) dieAktuelle = nullptr;
}

void QtPlattform::setzeKlangModul(const QString& pfad) { setzeKlangModulPfad(pfad); }

QString QtPlattform::klangModul() { return klangModulPfad(); }

QtPlattform* QtPlattform::aktuelle() { return dieAktuelle; }

QString QtPlattform::qtText(const std::string& text) {
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QWidget* QtPlattform::eltern() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return hauptfenster_.data();
}

Antwort QtPlattform::meldung(MeldungsArt art, const std::string& text, Knoepfe knoepfe, const std::string& titel,
                             Vorgabe vorgabe) {
    if (niemandDa_) {
        // The end a signal started: no one sees a box, the terminal or the
        // session's log gets what it tells, and a choice stays unanswered.
        if (knoepfe != Knoepfe::OK) return Antwort::Abbrechen;
        std::fprintf(stderr, "Trevo: %s\n", qPrintable(qtText(text)));
        return Antwort::OK;
    }
    if (sammeln_ && knoepfe == Knoepfe::OK && art != MeldungsArt::Bestaetigen) {
        gesammelt_.emplace_back(art, text);
        return Antwort::OK;
    }
    QMessageBox box(eltern());
    box.setTextFormat(Qt::PlainText);
    box.setText(art == MeldungsArt::Bestaetigen && !frageZusatz_.isEmpty()
                    ? kernText(text) + QStringLiteral("\n\n") + frageZusatz_
                    : kernText(text));
    QString kopf;
    switch (art) {
        case MeldungsArt::Warnung:
            kopf = tr("Warnung");
            box.setIcon(QMessageBox::Warning);
            break;
        case MeldungsArt::Fehler:
            kopf = tr("Fehler");
            box.setIcon(QMessageBox::Critical);
            break;
        case MeldungsArt::Information:
            kopf = tr("Information");
            box.setIcon(QMessageBox::Information);
            break;
        case MeldungsArt::Bestaetigen:
            kopf = tr("Bestätigen");
            box.setIcon(QMessageBox::Question);
            break;
        case MeldungsArt::Schlicht:
            kopf = programmTitel;
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    box.setWindowTitle(titel.empty() ? kopf : kernText(titel));

    // The plain box has one OK button, whatever was asked for.
    if (art == MeldungsArt::Schlicht) knoepfe = Knoepfe::OK;
    struct Knopf {
        QPushButton* knopf;
        Antwort antwort;
    };
    std::vector<Knopf> liste;
    switch (knoepfe) {
        case Knoepfe::OK:
            liste.push_back({box.addButton(tr("OK"), QMessageBox::AcceptRole), Antwort::OK});
            break;
        case Knoepfe::OKAbbrechen:
            liste.push_back({box.addButton(tr("OK"), QMessageBox::AcceptRole), Antwort::OK});
            liste.push_back({box.addButton(tr("Abbrechen"), QMessageBox::RejectRole), Antwort::Abbrechen});
            break;
        case Knoepfe::JaNein:
            liste.push_back({box.addButton(tr("&Ja"), QMessageBox::YesRole), Antwort::Ja});
            liste.push_back({box.addButton(tr("&Nein"), QMessageBox::NoRole), Antwort::Nein});
            break;
        case Knoepfe::Speicherfehler:
            // One role, so they stand in this order on every desktop. Escape
            // leads to the question whether to end without saving.
            liste.push_back({box.addButton(tr("Wiederholen"), QMessageBox::ActionRole), Antwort::Wiederholen});
            liste.push_back({box.addButton(tr("Anderswo speichern …"), QMessageBox::ActionRole),
                             Antwort::Anderswo});
            liste.push_back({box.addButton(tr("Ohne Speichern beenden"), QMessageBox::ActionRole),
                             Antwort::OhneSpeichern});
            break;
    }
    box.setDefaultButton(vorgabe == Vorgabe::zweiter ? liste.back().knopf : liste.front().knopf);
    // Escape and the close box give the last answer: "Abbrechen", "&Nein",
    // or the one "OK".
    box.setEscapeButton(liste.back().knopf);
    box.exec();
    for (const Knopf& k : liste)
        if (box.clickedButton() == k.knopf) return k.antwort;
    return liste.back().antwort;
}

void QtPlattform::setzeSammeln(bool an) {
    sammeln_ = an;
    if (an || gesammelt_.empty()) return;
    std::vector<std::pair<MeldungsArt, std::string>> liste;
    liste.swap(gesammelt_);
    // The most serious kind gives the box its icon and title.
    const auto rang = [](MeldungsArt a) {
        return a == MeldungsArt::Fehler ? 3 : a == MeldungsArt::Warnung ? 2 : a == MeldungsArt::Information ? 1 : 0;
    };
    MeldungsArt art = liste.front().first;
    std::string text;
    for (const auto& [a, t] : liste) {
        if (rang(a) > rang(art)) art = a;
        text += (text.empty() ? "" : "\r\r") + t;
    }
    meldung(art, text, Knoepfe::OK);
}

Antwort QtPlattform::melden(MeldungsArt art, const Nachricht& nachricht, Knoepfe knoepfe, Vorgabe vorgabe) {
    return meldung(art, nachrichtText(nachricht).toStdString(), knoepfe, {}, vorgabe);
}

std::string QtPlattform::speicherOrtWaehlen(const std::string& vorschlag) {
    const QString ort = QFileDialog::getSaveFileName(eltern(), tr("Spielstand anderswo speichern"),
                                                     QFile::decodeName(vorschlag.c_str()),
                                                     tr("Spielstand (*.bin);;Alle Dateien (*)"));
    return QFile::encodeName(ort).toStdString();
}

void QtPlattform::standardFehlerBox(QWidget* eltern, const std::string& text) {
    QMessageBox box(QMessageBox::Critical, programmTitel, qtText(text), QMessageBox::NoButton, eltern);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

void QtPlattform::fehlerBox(const std::string& text) { standardFehlerBox(eltern(), text); }

ModalErgebnis QtPlattform::zeigeModal(TDialog& dialog) {
    dialog.modalResult.reset();
    if (auto ergebnis = ViewRegister::alle().zeigeDialog(dialog, eltern())) return *ergebnis;
    throw std::logic_error("Für den Dialog \"" + dialog.caption + "\" gibt es kein Fenster.");
}

void QtPlattform::setzeTonAus(bool aus) { tonAus = aus; }

void QtPlattform::startVorbei() { musikFreigeben(*musik_); }

QString QtPlattform::klangDatei(const std::string& name) {
    if (name == "BOING") return QStringLiteral(":/klaenge/boing.wav");
    if (name == "TRAKTOR") return QStringLiteral(":/klaenge/traktor.wav");
    if (name == "200" || name == "201" || name == "202" || name == "203")
        return QStringLiteral(":/klaenge/%1.wav").arg(QString::fromStdString(name));
    return {};
}

void QtPlattform::spieleKlang(const std::string& name) {
    const QString datei = klangDatei(name);
    if (datei.isEmpty() || !QFile::exists(datei)) return;
    ++klaengeAngefordert_;
    if (tonAus || !klaengeAn_) return;
    // The module and the audio backend start only when a sound is wanted.
    // Without the module or an audio device the game is silent and never
    // blocks; nothing here waits for a sound to finish.
    if (!klangModulVersucht_) {
        klangModulVersucht_ = true;
        if (const auto neu = klangModulFunktion<KlangSpielerNeu>(kKlangSpielerNeu)) klangSpieler_.reset(neu());
    }
    if (klangSpieler_) klangSpieler_->spielen(datei);
}

Punkt QtPlattform::mausPosition() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void QtPlattform::neuZeichnen(TkindForm& fenster) {
    // A month step changes many windows many times; each view re-reads its
    // window once, when the step is over (or when a message box waits).
    if (std::find(offen_.begin(), offen_.end(), &fenster) == offen_.end()) offen_.push_back(&fenster);
    if (!zeichenUhr_.isActive()) zeichenUhr_.start();
}

void QtPlattform::auffrischen() {
    std::vector<const TkindForm*> liste;
    liste.swap(offen_);
    // Only registered views are touched: a window that is gone has no view,
    // and its address is only looked up, never followed.
    for (const TkindForm* f : liste)
        if (KindView* v = KindView::zu(*f)) sicher([v] { v->auffrischen(); });
    if (!liste.empty()) emit aufgefrischt();
}

void QtPlattform::hilfeInhalt(const std::string& hilfeDatei) { hilfeZeigen(eltern(), hilfeDatei, std::nullopt); }

void QtPlattform::hilfeKontext(const std::string& hilfeDatei, int32_t kontext) {
    hilfeZeigen(eltern(), hilfeDatei, kontext);
}

Punkt QtPlattform::rahmen() const {
    const QSize r = KindView::rahmen();
    return {r.width(), r.height()};
}
