// The game windows' views: what the player clicks reaches the game, and what
// the game changes shows on the widgets.
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "goods/gutform.h"
#include "goods/stores.h"
#include "market/preiseform.h"
#include "ui/gitter.h"
#include "ui/views/gutview.h"
#include "ui/views/kontoview.h"
#include "ui/views/kontrollview.h"
#include "ui/views/preiseview.h"
#include "ui/views/siloview.h"
#include "ui/views/steuer.h"
#include "umgebung.h"

namespace {

// Dark pixels (text) within a rectangle of a widget as shown.
int dunklePixel(QWidget* w, QRect bereich) {
    const QImage bild = w->grab().toImage();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (qGray(bild.pixel(x, y)) < 100) ++n;
    return n;
}

// Pixel rows of the silo body that are not background, counted from its
// bottom row (y 69) upward in the middle column: the fill with its outline.
int fuellZeilen(QWidget* flaeche) {
    const QImage bild = flaeche->grab().toImage();
    const QColor hintergrund = flaeche->palette().color(QPalette::Button);
    int n = 0;
    for (int y = 69; y >= 10 && bild.pixelColor(30, y) != hintergrund; --y) ++n;
    return n;
}

}  // namespace

using Views = Umgebung;

TEST_F(Views, WeiterSchaltetDenMonatUndFuelltDenKontoauszug) {
    starten();
    auto* kontrolle = qobject_cast<KontrollView*>(view("KontrollForm"));
    auto* konto = qobject_cast<KontoView*>(view("KontoForm"));
    ASSERT_NE(kontrolle, nullptr);
    ASSERT_NE(konto, nullptr);
    EXPECT_EQ(kontrolle->datum()->text(), "März 2001");
    EXPECT_EQ(kontrolle->guthaben()->text(), "Guthaben: 10000,00 EUR");
    EXPECT_EQ(kontrolle->weiter()->text(), "&Weiter");
    EXPECT_EQ(kontrolle->weiter()->toolTip(),
              "Hier klicken, wenn alle Arbeiten für den aktuellen Monat abgeschlossen sind.");
    EXPECT_EQ(kontrolle->weiter()->geometry(), QRect(80, 72, 129, 25));

    // The layouts are made for these fonts; a stand-in would clip them.
    EXPECT_EQ(QFontInfo(kontrolle->datum()->font()).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(konto->gitter()->font()).family(), "Liberation Mono");
    EXPECT_EQ(QFontInfo(konto->gitter()->font()).pixelSize(), 11);
    EXPECT_EQ(konto->gitter()->geometry(), QRect(0, 0, 294, 167));
    EXPECT_EQ(konto->gitter()->zelle(1, 9), QRect(186, 9 * 17, 109, 16));

    const QRect zeile1 = konto->gitter()->zelle(0, 1);
    EXPECT_EQ(dunklePixel(konto->gitter(), zeile1), 0) << "the statement starts empty";

    QTest::mouseClick(kontrolle->weiter(), Qt::LeftButton);
    warten();
    EXPECT_EQ(kontrolle->datum()->text(), "April 2001");
    EXPECT_NE(kontrolle->guthaben()->text(), "Guthaben: 10000,00 EUR");
    EXPECT_TRUE(kontrolle->temperatur()->text().startsWith("Temperatur: "));
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Sonstige Kosten");
    EXPECT_GT(dunklePixel(konto->gitter(), zeile1), 20) << "the new row is drawn";
    EXPECT_EQ(dunklePixel(konto->gitter(), konto->gitter()->zelle(0, 2)), 0);
}

// The balance turns red below zero and back at zero.
TEST_F(Views, GuthabenUnterNullRot) {
    starten();
    QLabel* guthaben = qobject_cast<KontrollView*>(view("KontrollForm"))->guthaben();
    const QColor normal = guthaben->palette().color(QPalette::WindowText);
    auto farbe = [&](int32_t betrag) {
        KontrollForm->buchen(betrag, "Test", {});
        warten();
        return guthaben->palette().color(QPalette::WindowText);
    };
    EXPECT_EQ(farbe(-1000000), normal) << "0,00 EUR is not below zero";
    const QColor rot = farbe(-1);
    EXPECT_GT(rot.red(), 150);
    EXPECT_LT(rot.green(), 60);
    EXPECT_EQ(farbe(1), normal);
}

TEST_F(Views, EinMonatWirdEinmalNeuGezeichnet) {
    starten();
    KindView* kontrolle = view("KontrollForm");
    auto* datum = qobject_cast<KontrollView*>(kontrolle)->datum();
    const int vorher = kontrolle->auffrischungen();
    // Three months in a row, without the event loop in between: the view
    // follows once, with the last state.
    KontrollForm->Button1Click();
    KontrollForm->Button1Click();
    KontrollForm->Button1Click();
    EXPECT_EQ(kontrolle->auffrischungen(), vorher);
    EXPECT_EQ(datum->text(), "März 2001");
    warten();
    EXPECT_EQ(kontrolle->auffrischungen(), vorher + 1);
    EXPECT_EQ(datum->text(), "Juni 2001");
}

TEST_F(Views, PreislisteZeigtDenPreisDerZeileUnterDerMaus) {
    starten();
    auto* preise = qobject_cast<PreiseView*>(view("PreiseForm"));
    ASSERT_NE(preise, nullptr);
    GitterWidget* gitter = preise->gitter();
    EXPECT_EQ(gitter->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(gitter->size(), QSize(332, 204));
    EXPECT_EQ(gitter->zelle(2, 3), QRect(155 + 1 + 64 + 1, 3 * 17, 108, 16));

    // Hühner, the third good, starts at 525 cents: 546 to buy, 504 to sell.
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    QTest::mouseClick(gitter, Qt::RightButton, {}, gitter->zelle(2, 3).center());
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(kasten.titel, "Hühner");
    EXPECT_EQ(kasten.text, "Ankaufspreis: 5,46 EUR,\nVerkaufspreis: 5,04 EUR");
    EXPECT_EQ(kasten.symbol, QMessageBox::NoIcon);
    EXPECT_EQ(kasten.knoepfe, QStringList({"OK"}));

    // The header row shows nothing.
    QTest::mouseClick(gitter, Qt::LeftButton, {}, gitter->zelle(0, 0).center());
    warten(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Views, SilosZeigenIhrenFuellstandAmEchtenWidget) {
    starten();
    struct Soll {
        const char* name;
        int zeilen;
        QColor farbe;
    };
    for (const Soll& s : {Soll{"FutterForm", 12, QColor(0, 128, 0)}, Soll{"DieselForm", 22, QColor(154, 116, 131)},
                          Soll{"GetreideForm", 1, QColor(255, 255, 0)}, Soll{"RuebenForm", 3, QColor(85, 85, 0)}}) {
        SCOPED_TRACE(s.name);
        KindView* v = view(s.name);
        EXPECT_EQ(fuellZeilen(v->inhalt()), s.zeilen);
        const QImage bild = v->inhalt()->grab().toImage();
        // Outline, fill and legs where the game draws them.
        EXPECT_EQ(bild.pixelColor(10, 10), QColor(0, 0, 0));
        EXPECT_EQ(bild.pixelColor(49, 69), QColor(0, 0, 0));
        EXPECT_EQ(bild.pixelColor(20, 70), QColor(0, 0, 0));
        EXPECT_EQ(bild.pixelColor(11, 79), QColor(0, 0, 0));
        EXPECT_NE(bild.pixelColor(10, 80), QColor(0, 0, 0)) << "a line ends before its end point";
        if (s.zeilen > 2) {
            EXPECT_EQ(bild.pixelColor(30, 68), s.farbe);
        } else {
            EXPECT_EQ(bild.pixelColor(30, 68), v->inhalt()->palette().color(QPalette::Button));
        }
    }
}

TEST_F(Views, SiloHandelMitRechtsUndErweitern) {
    starten();
    auto* futter = qobject_cast<SiloView*>(view("FutterForm"));
    ASSERT_NE(futter, nullptr);
    EXPECT_EQ(futter->mengeLabel()->text(), "120 kg");
    EXPECT_EQ(futter->mengeLabel()->pos(), QPoint(8, 88));
    EXPECT_EQ(futter->groesseKnopf()->text(), "&>>");
    // Today's prices stand on the buttons that lead to trading and trade.
    EXPECT_EQ(futter->groesseKnopf()->toolTip(),
              "Weitere Optionen ein-/ausblenden\nAnkauf heute: 1,12 EUR je kg\nVerkauf heute: 1,04 EUR je kg");
    EXPECT_EQ(futter->inhalt()->width(), 100);

    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();
    EXPECT_EQ(futter->groesseKnopf()->text(), "&<<");
    EXPECT_EQ(futter->inhalt()->width(), 290);
    EXPECT_EQ(FutterForm->clientWidth, 290);
    EXPECT_EQ(futter->kaufenKnopf()->geometry(), QRect(120, 80, 75, 25));
    EXPECT_EQ(futter->verkaufenKnopf()->geometry(), QRect(208, 80, 75, 25));
    EXPECT_EQ(futter->maxMengeLabel()->pos(), QPoint(120, 8));
    EXPECT_EQ(futter->maxMengeLabel()->text(), "Maximum:\n600 kg");
    EXPECT_EQ(futter->maxMengeLabel()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(futter->kaufenKnopf()->toolTip(), "Ankauf heute: 1,12 EUR je kg\nKlick mit Rechts: Kaufe Maximalmenge");
    EXPECT_EQ(futter->verkaufenKnopf()->toolTip(), "Verkauf heute: 1,04 EUR je kg\nKlick mit Rechts: Verkaufe alles");

    // A right click on "Verkaufen" sells everything, without a dialog.
    QTest::mouseClick(futter->verkaufenKnopf(), Qt::RightButton);
    warten();
    EXPECT_EQ(FutterForm->menge, 0);
    EXPECT_EQ(futter->mengeLabel()->text(), "0 kg");
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Futter-Verkauf 120 kg");
    EXPECT_EQ(fuellZeilen(futter->inhalt()), 1) << "only the body's bottom line is left";

    // A right click on "Kaufen" fills it up.
    QTest::mouseClick(futter->kaufenKnopf(), Qt::RightButton);
    warten();
    EXPECT_EQ(FutterForm->menge, 600);
    EXPECT_EQ(fuellZeilen(futter->inhalt()), 60);

    // Clicking the capacity offers to enlarge it by half.
    ModalAntworten antworten;
    GesehenerKasten frage;
    antworten.dann(klickeKnopf("&Ja", &frage));
    QTest::mouseClick(futter->maxMengeLabel(), Qt::LeftButton);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(frage.titel, "Bestätigen");
    EXPECT_EQ(frage.symbol, QMessageBox::Question);
    EXPECT_EQ(frage.knoepfe, QStringList({"&Ja", "&Nein"}));
    warten();
    EXPECT_EQ(futter->maxMengeLabel()->text(), "Maximum:\n900 kg");
    EXPECT_EQ(fuellZeilen(futter->inhalt()), 40) << "the same stock now fills two thirds";

    // Collapsed again the window is narrow again.
    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();
    EXPECT_EQ(futter->inhalt()->width(), 100);
}

TEST_F(Views, EineAktivierungTraegtKeinenAltenPlatzUeberDieAenderungDesSpiels) {
    starten();
    // The game widens the beet store; before the view has followed, the
    // player minimizes the diesel tank and Qt activates another window.
    auto* rueben = qobject_cast<SiloView*>(view("RuebenForm"));
    rahmen->flaeche()->setActiveSubWindow(rueben);
    rahmen->flaeche()->setActiveSubWindow(view("DieselForm"));
    QTest::mouseClick(rueben->groesseKnopf(), Qt::LeftButton);
    view("DieselForm")->close();
    warten();
    EXPECT_EQ(RuebenForm->clientWidth, 290);
    EXPECT_EQ(rueben->inhalt()->width(), 290);
    EXPECT_EQ(DieselForm->windowState, FensterZustand::minimiert);
}

TEST_F(Views, SiloSymbolIstSchwarzAufKlar) {
    const QImage bild = SiloView::siloSymbol().pixmap(16, 16).toImage();
    ASSERT_EQ(bild.size(), QSize(16, 16));
    int schwarz = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.alpha() == 0) continue;
            EXPECT_EQ(c, QColor(0, 0, 0)) << x << "," << y;
            ++schwarz;
            // Mirror-symmetric: two walls, two legs.
            EXPECT_EQ(bild.pixelColor(15 - x, y).alpha(), 255) << x << "," << y;
        }
    EXPECT_GT(schwarz, 20);
    EXPECT_LT(schwarz, 60);
}

TEST_F(Views, LangerVorratBleibtNebenDemKnopfLesbar) {
    starten();
    for (const char* name : {"RuebenForm", "KueheForm"}) {
        SCOPED_TRACE(name);
        auto* v = qobject_cast<GutView*>(view(name));
        ASSERT_NE(v, nullptr);
        auto* gut = dynamic_cast<TgutForm*>(&v->fenster());
        ASSERT_NE(gut, nullptr);
        for (int32_t menge : {700, 7, 1000, 9999}) {
            gut->setzeMaxMenge(std::max(gut->maxmenge, menge));
            ASSERT_TRUE(gut->setzeMenge(menge));
            v->auffrischen();
            QLabel* l = v->mengeLabel();
            EXPECT_LT(l->geometry().right(), v->groesseKnopf()->x()) << l->text().toStdString();
            // All of the text on one line within the label, and within the window.
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << l->text().toStdString();
            EXPECT_GE(l->font().pointSizeF(), 6);
            EXPECT_LE(l->geometry().bottom(), v->inhalt()->height()) << l->text().toStdString();
        }
    }
}
