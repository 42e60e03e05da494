// The outlook's window and the questions that keep one key from destroying
// what the player could still save: before ploughing a growing crop, before
// a month in which animals starve, and the work dialog's warnings. One test
// per question; the outlook's figures themselves are held to the month in
// the core's tests.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "ausblick.h"
#include "fields/feld.h"
#include "fields/felderform.h"
#include "market/preiseform.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "ui/views/ausblickview.h"
#include "ui/views/feldaktiondialog.h"
#include "ui/views/felderview.h"
#include "ui/views/gutview.h"
#include "ui/views/steuer.h"
#include "ui/views/feldpunkte.h"
#include "ui/views/kontrollview.h"
#include "ui/einstellungen.h"
#include "umgebung.h"

namespace {
TFeld& feld(int i) { return *FelderForm->felder[static_cast<std::size_t>(i)]; }

// What a question box showed, its default button, and a click on a button.
ModalAntworten::Antwort antworte(const QString& knopf, GesehenerKasten& gesehen, QString& vorgabe,
                                 bool nichtMehrFragen = false) {
    return [&gesehen, &vorgabe, knopf, nichtMehrFragen](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << w->metaObject()->className();
        vorgabe = box->defaultButton() ? box->defaultButton()->text() : QString();
        if (nichtMehrFragen) {
            ASSERT_NE(box->checkBox(), nullptr);
            EXPECT_EQ(box->checkBox()->text(), "Nicht mehr &fragen");
            box->checkBox()->setChecked(true);
        }
        klickeKnopf(knopf, &gesehen)(w);
    };
}
}  // namespace

class Ausblick : public Umgebung {
protected:
    void starten() {
        einstellungen::setzeVorWeiterFragen(true);
        Umgebung::starten();
    }
    // The map is clicked at a point of field i, as the player would.
    void feldKlicken(int i) {
        auto* v = qobject_cast<FelderView*>(view("FelderForm"));
        ASSERT_NE(v, nullptr);
        const std::optional<QPoint> p = punktIm(feld(i), *FelderForm->PaintFelder);
        ASSERT_TRUE(p);
        QTest::mouseMove(v->karte(), *p);
        QTest::mouseClick(v->karte(), Qt::LeftButton, {}, *p);
    }
};

TEST_F(Ausblick, FensterZeigtDenMonatUndAktiviertDasFensterDerZeile) {
    starten();
    auto* v = qobject_cast<AusblickView*>(view("AusblickForm"));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), "Ausblick");
    // Within the frame's first picture, beside the account statement.
    EXPECT_EQ(v->pos(), QPoint(654, 5));
    SchweineForm->neuesTier(2000);
    FutterForm->setzeMenge(0);
    warten();
    QListWidgetItem* starb = nullptr;
    for (int i = 0; i < v->liste()->count(); ++i)
        if (v->liste()->item(i)->text().contains("Schweine fressen 16 kg: es fehlen 16 kg, ein Tier verhungert"))
            starb = v->liste()->item(i);
    ASSERT_NE(starb, nullptr) << "the outlook follows the purchase";
    EXPECT_EQ(starb->foreground().color(), QColor(192, 0, 0));
    // The rows, measured as their texts came and kept, lie where Qt's own
    // delegate measuring every row anew puts them.
    std::vector<QRect> gelegt;
    for (int i = 0; i < v->liste()->count(); ++i) gelegt.push_back(v->liste()->visualItemRect(v->liste()->item(i)));
    QAbstractItemDelegate* eigener = v->liste()->itemDelegate();
    QStyledItemDelegate qt;
    v->liste()->setItemDelegate(&qt);
    v->liste()->doItemsLayout();
    for (int i = 0; i < v->liste()->count(); ++i)
        EXPECT_EQ(v->liste()->visualItemRect(v->liste()->item(i)), gelegt[static_cast<std::size_t>(i)]) << i;
    v->liste()->setItemDelegate(eigener);
    v->liste()->itemClicked(starb);
    warten();
    EXPECT_EQ(MainForm->kinder().front(), SchweineForm) << "the line's window is active";
    EXPECT_EQ(rahmen->flaeche()->activeSubWindow(), view("SchweineForm"));
}

TEST_F(Ausblick, WeiterFragtBeiVerhungerndenTierenMitNeinAlsVorgabe) {
    starten();
    SchweineForm->neuesTier(2000);
    FutterForm->setzeMenge(0);
    auto* k = qobject_cast<KontrollView*>(view("KontrollForm"));
    ASSERT_NE(k, nullptr);
    GesehenerKasten gesehen;
    QString vorgabe;
    ModalAntworten antworten;
    antworten.dann(antworte("&Nein", gesehen, vorgabe));
    k->weiter()->click();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_TRUE(gesehen.text.contains("Schweine: ein Tier verhungert")) << gesehen.text.toStdString();
    EXPECT_EQ(vorgabe, "&Nein");
    EXPECT_EQ(KontrollForm->monat, 3) << "the month did not run";

    // "Nicht mehr fragen" and "&Ja": the month runs, and the next one asks no more.
    antworten.dann(antworte("&Ja", gesehen, vorgabe, true));
    antworten.dann(klickeKnopf("OK"));  // "Wegen Futtermangel sind einige Tiere gestorben!"
    k->weiter()->click();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(KontrollForm->monat, 4);
    EXPECT_FALSE(einstellungen::vorWeiterFragen());
    SchweineForm->neuesTier(2000);
    antworten.dann(klickeKnopf("OK", &gesehen));
    k->weiter()->click();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(gesehen.text, "Wegen Futtermangel sind einige Tiere gestorben!") << "no question before";
    EXPECT_EQ(KontrollForm->monat, 5);

    // The menu entry turns the question on again.
    QAction* a = rahmen->weiterFragenAktion();
    emit rahmen->menuBar()->actions().at(0)->menu()->aboutToShow();
    EXPECT_FALSE(a->isChecked());
    a->trigger();
    EXPECT_TRUE(einstellungen::vorWeiterFragen());
}

TEST_F(Ausblick, PfluegenFragtVorDemUnterpfluegenEinerWachsendenSaat) {
    starten();
    feld(4).was = 2;
    feld(4).wachs = 120;
    KontrollForm->temperatur = 10;
    GesehenerKasten gesehen;
    QString vorgabe;
    ModalAntworten antworten;
    auto bearbeiten = [](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        EXPECT_TRUE(d->arbeit(0)->isChecked()) << "Pflügen";
        QTimer::singleShot(0, d, [d] { QTest::keyClick(d, Qt::Key_Return); });
    };
    antworten.dann(bearbeiten);
    antworten.dann(antworte("&Nein", gesehen, vorgabe));
    antworten.dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    feldKlicken(4);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(gesehen.text, "Auf Hollweg wächst Winterweizen (keimt, Wert 120). Trotzdem pflügen?");
    EXPECT_EQ(vorgabe, "&Nein");
    EXPECT_EQ(feld(4).was, 2);
    EXPECT_EQ(feld(4).wachs, 120);

    antworten.dann(bearbeiten);
    antworten.dann(antworte("&Ja", gesehen, vorgabe));
    feldKlicken(4);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(feld(4).was, 0) << "ploughed";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Ausblick, ArbeitsdialogSagtErnteverlustUndWirkungsloseArbeitVorher) {
    starten();
    feld(1).was = 1;
    feld(1).wachs = 300;  // barley: (300 - 250) x 17 x 77 / 100 = 654 DZentner
    GetreideForm->setzeMenge(GetreideForm->maxmenge - 10);
    QString ernte;
    QColor farbe;
    QString duengen;
    ModalAntworten antworten;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        // Before the harvest is chosen, its row is red already.
        EXPECT_EQ(d->betragLabel(4)->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        d->arbeit(4)->click();
        ernte = d->hinweisLabel()->text();
        farbe = d->hinweisLabel()->palette().color(QPalette::WindowText);
        d->arbeit(2)->click();
        duengen = d->hinweisLabel()->text();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    feldKlicken(1);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(ernte, "Lager zu klein: 644 DZentner gehen verloren");
    EXPECT_EQ(farbe, QColor(192, 0, 0));
    EXPECT_EQ(duengen, "") << "fertiliser still changes the score at 300";

    feld(1).was = 0;
    feld(1).wachs = 95;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        d->arbeit(2)->click();
        duengen = d->hinweisLabel()->text();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    feldKlicken(1);
    EXPECT_EQ(duengen, "Düngen ändert hier nichts (Wert 95)");
}

TEST_F(Ausblick, KartenhinweisFolgtDemFeldOhneMausbewegung) {
    starten();
    auto* v = qobject_cast<FelderView*>(view("FelderForm"));
    ASSERT_NE(v, nullptr);
    const std::optional<QPoint> p = punktIm(feld(1), *FelderForm->PaintFelder);
    ASSERT_TRUE(p);
    QMouseEvent bewegt(QEvent::MouseMove, QPointF(*p), v->karte()->mapToGlobal(QPointF(*p)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(v->karte(), &bewegt);
    EXPECT_TRUE(v->karte()->toolTip().contains("nicht gepachtet, klicken zum Pachten"));
    ModalAntworten antworten;
    antworten.dann(klickeKnopf("OK"));
    QTest::mouseClick(v->karte(), Qt::LeftButton, {}, *p);
    EXPECT_TRUE(antworten.fertig());
    warten();
    EXPECT_EQ(feld(1).was, 0);
    EXPECT_TRUE(v->karte()->toolTip().contains("kein Bewuchs")) << v->karte()->toolTip().toStdString();
}

// A harvest its store cannot take whole asks first, "Nein" by default, with
// the amount lost and its value; played by keys, after which the map still
// takes its digits: the second field's lease question names field and rent.
TEST_F(Ausblick, ErnteInsVolleLagerFragtUndDieKarteBehaeltIhreTasten) {
    starten();
    feld(1).was = 1;
    feld(1).wachs = 300;  // 654 DZentner of barley
    KontrollForm->temperatur = 10;
    DieselForm->setzeMenge(DieselForm->maxmenge);
    GetreideForm->setzeMenge(GetreideForm->maxmenge - 10);
    const int32_t preis = PreiseForm->verkaufspreis(GetreideForm->gutNr);
    auto* v = qobject_cast<FelderView*>(view("FelderForm"));
    ASSERT_NE(v, nullptr);
    rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rahmen.get()));
    rahmen->flaeche()->setActiveSubWindow(v);
    v->karte()->setFocus();
    warten();
    GesehenerKasten gesehen;
    QString vorgabe;
    ModalAntworten antworten;
    const auto ernten = [](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        d->arbeit(4)->click();
        QTimer::singleShot(0, d, [d] { QTest::keyClick(d, Qt::Key_Return); });
    };
    antworten.dann(ernten);
    antworten.dann(antworte("&Nein", gesehen, vorgabe));
    antworten.dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    QTest::keyClick(v->karte(), Qt::Key_1);
    ASSERT_TRUE(antworten.fertig());
    EXPECT_EQ(gesehen.text, "Das Lager Getreide nimmt von 654 DZentner nur 10 auf: 644 DZentner im Wert von " +
                                QString::fromStdString(geldText(int64_t{644} * preis)) +
                                " gingen verloren.\n\nTrotzdem ernten?");
    EXPECT_EQ(vorgabe, "&Nein");
    EXPECT_EQ(feld(1).was, 1) << "not harvested";

    // "Ja": the harvest, one message of what it brought and lost, and the
    // map has its keys again.
    antworten.dann(ernten);
    antworten.dann(antworte("&Ja", gesehen, vorgabe));
    antworten.dann(klickeKnopf("OK", &gesehen));
    QTest::keyClick(v->karte(), Qt::Key_1);
    ASSERT_TRUE(antworten.fertig());
    EXPECT_EQ(gesehen.text, "Die Ernte hat 654 DZentner Gerste eingebracht.\n\n"
                            "Wegen begrenzter Lagermöglichkeiten sind 644 DZentner verloren.");
    EXPECT_EQ(gesehen.titel, "Warnung");
    EXPECT_EQ(GetreideForm->menge, GetreideForm->maxmenge);
    ASSERT_TRUE(QTest::qWaitFor([v] { return QApplication::focusWidget() == v->karte(); }, 2000))
        << "the keys are back on the map";
    EXPECT_EQ(QApplication::activeWindow(), rahmen.get());

    antworten.dann(klickeKnopf("Abbrechen", &gesehen));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    ASSERT_TRUE(antworten.fertig()) << "the digit reached the map";
    EXPECT_EQ(gesehen.text, QString::fromStdString("Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?\n\n" +
                                                   feld(2).name + ", " + std::to_string(feld(2).flaeche) +
                                                   " ha, Pacht " +
                                                   geldText(-int64_t{pachtJeHektar} * feld(2).flaeche) + " im Monat"));
    EXPECT_LT(feld(2).was, 0);
}

// Enlarging a stable names the balance it leaves; ending a lease names the
// field, its area and the rent that ends.
TEST_F(Ausblick, VergroessernUndKuendigenNennenWasSieKosten) {
    starten();
    const int64_t kosten = KueheForm->vergroesserungsKosten();
    ASSERT_GT(kosten, 0);
    const int64_t geld = KontrollForm->geld;
    GesehenerKasten gesehen;
    ModalAntworten antworten;
    antworten.dann(klickeKnopf("&Nein", &gesehen));
    qobject_cast<GutView*>(view("KueheForm"))->maxMengeLabel()->geklickt();
    ASSERT_TRUE(antworten.fertig());
    EXPECT_TRUE(gesehen.text.contains(QString::fromStdString(geldText(kosten)))) << gesehen.text.toStdString();
    EXPECT_TRUE(gesehen.text.endsWith(QString::fromStdString("\n\nGuthaben danach: " + geldText(geld - kosten))))
        << gesehen.text.toStdString();
    EXPECT_EQ(KontrollForm->geld, geld);

    feld(3).was = 0;
    antworten.dann([](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        QTimer::singleShot(0, d, [d] { d->pachtKnopf()->click(); });
    });
    antworten.dann(klickeKnopf("Abbrechen", &gesehen));
    antworten.dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    feldKlicken(3);
    ASSERT_TRUE(antworten.fertig());
    EXPECT_TRUE(gesehen.text.endsWith(QString::fromStdString(
        "\n\n" + feld(3).name + ", " + std::to_string(feld(3).flaeche) + " ha: die Pacht von " +
        geldText(-int64_t{pachtJeHektar} * feld(3).flaeche) + " im Monat entfällt")))
        << gesehen.text.toStdString();
    EXPECT_EQ(feld(3).was, 0);
}

// The panel counts the outlook's losses in red, and its click brings the
// outlook forward; young a full stable loses are asked for once per herd
// until its limit changes, with a "Nicht mehr fragen" of their own.
TEST_F(Ausblick, VerlustzeileUndVerloreneJunge) {
    einstellungen::setzeVorWeiterJungeFragen(true);
    starten();
    auto* k = qobject_cast<KontrollView*>(view("KontrollForm"));
    ASSERT_NE(k, nullptr);
    warten();
    EXPECT_EQ(k->verluste()->text(), "keine &Verluste vorhergesehen");
    SchweineForm->neuesTier(2000);
    SchafForm->neuesTier(2000);
    FutterForm->setzeMenge(0);
    warten();
    EXPECT_EQ(k->verluste()->text(), "2 &Verluste vorhergesehen");
    EXPECT_EQ(k->verluste()->palette().color(QPalette::ButtonText), QColor(192, 0, 0));
    view("AusblickForm")->showMinimized();
    warten();
    k->verluste()->click();
    warten();
    EXPECT_EQ(rahmen->flaeche()->activeSubWindow(), view("AusblickForm"));
    EXPECT_FALSE(view("AusblickForm")->isMinimized());

    // A full stable of grown hens that breeds: its young are lost.
    const auto vollerStall = [this] {
        FutterForm->setzeMenge(FutterForm->maxmenge);
        SchweineForm->setzeMenge(0);
        SchafForm->setzeMenge(0);
        while (HuenerForm->tierAnzahl() < HuenerForm->maxmenge) HuenerForm->neuesTier(2000);
        HuenerForm->MehrenCBClick(true);
        HuenerForm->GebenCBClick(false);
        HuenerForm->seuchePromille = 0;  // no disease box in the months below
        warten();
    };
    vollerStall();
    einstellungen::setzeVorWeiterFragen(false);
    GesehenerKasten gesehen;
    QString vorgabe;
    ModalAntworten antworten;
    antworten.dann(antworte("&Nein", gesehen, vorgabe));
    k->weiter()->click();
    ASSERT_TRUE(antworten.fertig());
    EXPECT_TRUE(gesehen.text.contains("Hühner: ")) << gesehen.text.toStdString();
    EXPECT_EQ(vorgabe, "&Nein");
    const int32_t monat = KontrollForm->monat;
    EXPECT_EQ(KontrollForm->monat, monat);
    antworten.dann(antworte("&Ja", gesehen, vorgabe));
    k->weiter()->click();
    ASSERT_TRUE(antworten.fertig());
    EXPECT_EQ(KontrollForm->monat, monat % 12 + 1);
    // The same herd at the same limit: no question.
    while (HuenerForm->tierAnzahl() < HuenerForm->maxmenge) HuenerForm->neuesTier(2000);
    k->weiter()->click();
    EXPECT_EQ(KontrollForm->monat, (monat + 1) % 12 + 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // A new game asks again about the same herd at the same limit.
    antworten.dann(klickeKnopf("OK"));
    MainForm->NeuesSpiel1Click();
    ASSERT_TRUE(antworten.fertig());
    vollerStall();
    antworten.dann(antworte("&Nein", gesehen, vorgabe));
    k->weiter()->click();
    ASSERT_TRUE(antworten.fertig()) << "asked again after a new game";
    EXPECT_TRUE(gesehen.text.contains("Hühner: ")) << gesehen.text.toStdString();
    einstellungen::setzeVorWeiterFragen(true);
}
