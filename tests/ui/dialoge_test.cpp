// Modal dialogs and message boxes: texts, buttons, answers, and errors that
// reach the standard error box while the game goes on.
#include <QCursor>
#include <QLineEdit>

#include <stdexcept>

#include "rahmen/anzahlform.h"
#include "geld/geldtext.h"
#include "geld/zufall.h"
#include "market/preiseform.h"
#include "geld/kontrollform.h"
#include "goods/stores.h"
#include "ui/views/anzahldialog.h"
#include "ui/views/siloview.h"
#include "ui/views/steuer.h"
#include "umgebung.h"

using Dialoge = Umgebung;

namespace {

AnzahlDialog* alsAnzahl(QWidget* w) {
    auto* d = qobject_cast<AnzahlDialog*>(w);
    EXPECT_NE(d, nullptr) << "expected the quantity dialog, found " << w->metaObject()->className();
    return d;
}

}  // namespace

TEST_F(Dialoge, AnzahlLehntFalschesStillAbUndNimmtHexadezimal) {
    starten();
    auto* futter = qobject_cast<SiloView*>(view("FutterForm"));
    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();
    QCursor::setPos(500, 400);

    ModalAntworten antworten;
    bool gesehen = false;
    QString gezeigt;
    int64_t geld = KontrollForm->geld;
    antworten.dann([&](QWidget* w) {
        AnzahlDialog* d = alsAnzahl(w);
        if (!d) return;
        gesehen = true;
        EXPECT_EQ(d->windowTitle(), "Anzahl");
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::Tool));
        EXPECT_EQ(d->size(), QSize(171, 128)) << "the designed 171 x 76 and three lines of what it trades";
        EXPECT_EQ(d->pos(), QCursor::pos() - QPoint(40, 40));
        EXPECT_EQ(d->eingabe()->geometry(), QRect(48, 8, 73, 21));
        EXPECT_EQ(d->okKnopf()->text(), "OK");
        EXPECT_TRUE(d->okKnopf()->isDefault());
        EXPECT_EQ(d->abbruchKnopf()->text(), "Abbruch");
        EXPECT_EQ(d->eingabe()->text(), "1");
        EXPECT_EQ(d->eingabe()->selectedText(), "1") << "the text is selected, ready to be typed over";

        for (const char* falsch : {"12a", "12 ", ""}) {
            d->eingabe()->setText(falsch);
            d->okKnopf()->click();
            EXPECT_TRUE(d->isVisible()) << "refused: " << falsch;
            EXPECT_EQ(QApplication::activeModalWidget(), d) << "refused without a message: " << falsch;
        }
        // While the player types, the lines below tell what OK would trade,
        // read from the store and the price list: nothing drawn or booked.
        const uint32_t saat = randSeed;
        EXPECT_EQ(d->betragZeile()->text(), "–") << "no whole number, no amount";
        EXPECT_EQ(d->platzZeile()->text(), QStringLiteral("%1 kg").arg(FutterForm->maxmenge - FutterForm->menge));
        EXPECT_EQ(d->preisZeile()->text(),
                  QString::fromStdString(geldText(PreiseForm->ankaufspreis(nrFutter))) + " je kg");
        d->eingabe()->setText("99999");
        EXPECT_EQ(d->betragZeile()->palette().color(QPalette::WindowText), QColor(192, 0, 0)) << "more than the room";
        d->eingabe()->setText("$1F");
        EXPECT_NE(d->betragZeile()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        gezeigt = d->betragZeile()->text();
        geld = KontrollForm->geld;
        EXPECT_EQ(randSeed, saat);
        EXPECT_EQ(KontrollForm->geld, geld);
        d->okKnopf()->click();
        EXPECT_FALSE(d->isVisible());
    });
    QTest::mouseClick(futter->kaufenKnopf(), Qt::LeftButton);
    warten();
    EXPECT_TRUE(gesehen);
    EXPECT_EQ(AnzahlForm->anzahl, 31);
    EXPECT_EQ(FutterForm->menge, 151);
    EXPECT_EQ(futter->mengeLabel()->text(), "151 kg");
    // The amount the dialog showed is the amount booked.
    EXPECT_EQ(gezeigt, QString::fromStdString(geldTextWeit(geld - KontrollForm->geld)));
}

TEST_F(Dialoge, AnzahlMitEnterEscapeUndSchliessfeld) {
    starten();
    auto* futter = qobject_cast<SiloView*>(view("FutterForm"));
    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();

    ModalAntworten antworten;
    // Enter at once takes the 1.
    antworten.dann([](QWidget* w) {
        if (AnzahlDialog* d = alsAnzahl(w)) QTest::keyClick(d->eingabe(), Qt::Key_Return);
    });
    QTest::mouseClick(futter->verkaufenKnopf(), Qt::LeftButton);
    EXPECT_EQ(AnzahlForm->anzahl, 1);
    EXPECT_EQ(FutterForm->menge, 119);

    // Escape and the close box cancel; the number stays the last accepted one.
    antworten.dann([](QWidget* w) {
        if (AnzahlDialog* d = alsAnzahl(w)) {
            d->eingabe()->setText("77");
            QTest::keyClick(d->eingabe(), Qt::Key_Escape);
        }
    });
    QTest::mouseClick(futter->kaufenKnopf(), Qt::LeftButton);
    antworten.dann([](QWidget* w) {
        if (AnzahlDialog* d = alsAnzahl(w)) {
            d->eingabe()->setText("12a");
            d->close();
        }
    });
    QTest::mouseClick(futter->kaufenKnopf(), Qt::LeftButton);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(AnzahlForm->anzahl, 1);
    EXPECT_EQ(FutterForm->menge, 119);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Dialoge, MeldungenHabenIhreTitelSymboleUndKnoepfe) {
    starten();
    struct Fall {
        MeldungsArt art;
        Knoepfe knoepfe;
        std::string titel;
        QString klick;
        QString sollTitel;
        QMessageBox::Icon symbol;
        QStringList sollKnoepfe;
        Antwort antwort;
    };
    const Fall faelle[] = {
        {MeldungsArt::Warnung, Knoepfe::OK, "", "OK", "Warnung", QMessageBox::Warning, {"OK"}, Antwort::OK},
        {MeldungsArt::Fehler, Knoepfe::OK, "", "OK", "Fehler", QMessageBox::Critical, {"OK"}, Antwort::OK},
        {MeldungsArt::Information, Knoepfe::OK, "", "OK", "Information", QMessageBox::Information, {"OK"},
         Antwort::OK},
        {MeldungsArt::Bestaetigen, Knoepfe::OKAbbrechen, "", "Abbrechen", "Bestätigen", QMessageBox::Question,
         {"OK", "Abbrechen"}, Antwort::Abbrechen},
        {MeldungsArt::Bestaetigen, Knoepfe::OKAbbrechen, "", "OK", "Bestätigen", QMessageBox::Question,
         {"OK", "Abbrechen"}, Antwort::OK},
        {MeldungsArt::Bestaetigen, Knoepfe::JaNein, "", "&Ja", "Bestätigen", QMessageBox::Question,
         {"&Ja", "&Nein"}, Antwort::Ja},
        {MeldungsArt::Bestaetigen, Knoepfe::JaNein, "", "&Nein", "Bestätigen", QMessageBox::Question,
         {"&Nein", "&Ja"}, Antwort::Nein},
        {MeldungsArt::Schlicht, Knoepfe::OK, "", "OK", "Trevo", QMessageBox::NoIcon, {"OK"}, Antwort::OK},
        {MeldungsArt::Schlicht, Knoepfe::OK, "Kühe", "OK", "Kühe", QMessageBox::NoIcon, {"OK"}, Antwort::OK},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.sollTitel.toStdString() + " " + f.klick.toStdString());
        ModalAntworten antworten;
        GesehenerKasten kasten;
        antworten.dann(klickeKnopf(f.klick, &kasten));
        const Antwort a = plattform->meldung(f.art, "Zeile eins\rZeile zwei", f.knoepfe, f.titel);
        EXPECT_TRUE(antworten.fertig());
        EXPECT_EQ(a, f.antwort);
        EXPECT_EQ(kasten.titel, f.sollTitel);
        EXPECT_EQ(kasten.symbol, f.symbol);
        EXPECT_EQ(kasten.text, "Zeile eins\nZeile zwei");
        QStringList knoepfe = kasten.knoepfe;
        QStringList soll = f.sollKnoepfe;
        knoepfe.sort();
        soll.sort();
        EXPECT_EQ(knoepfe, soll);
    }

    // Escape declines a question.
    ModalAntworten antworten;
    antworten.dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    EXPECT_EQ(plattform->meldung(MeldungsArt::Bestaetigen, "?", Knoepfe::JaNein), Antwort::Nein);
}

TEST_F(Dialoge, FehlerAusEinemBefehlErscheinenInDerFehlerboxUndDasSpielGehtWeiter) {
    starten();
    // No music could be opened, so the music item fails.
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    rahmen->musikAktion()->trigger();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(kasten.titel, "Trevo");
    EXPECT_EQ(kasten.symbol, QMessageBox::Critical);
    EXPECT_EQ(kasten.text, "Kein MCI-Gerät geöffnet.");
    EXPECT_EQ(kasten.knoepfe, QStringList({"OK"}));

    // An exception thrown in an event handler of its own is caught at the
    // application's boundary, too.
    class Werfer : public QObject {
    protected:
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw std::runtime_error("Da ging etwas schief.");
            return QObject::event(e);
        }
    } werfer;
    GesehenerKasten zweiter;
    antworten.dann(klickeKnopf("OK", &zweiter));
    QCoreApplication::postEvent(&werfer, new QEvent(QEvent::User));
    warten(100);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(zweiter.titel, "Trevo");
    EXPECT_EQ(zweiter.text, "Da ging etwas schief.");

    // The game goes on.
    KontrollForm->Button1Click();
    warten();
    EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
    EXPECT_TRUE(rahmen->isVisible());
}

TEST_F(Dialoge, EinDialogOhneFensterIstEinFehler) {
    starten();
    class Unbekannt : public TDialog {
    public:
        Unbekannt() : TDialog("Unbekannt") {}
    } dialog;
    EXPECT_THROW(plattform->zeigeModal(dialog), std::logic_error);
}
