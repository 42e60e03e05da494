// The field map and the field work dialog on real widgets: the colours the
// player sees, pointing and clicking, the largest window size, and the
// dialog's choices, help and ways of closing.
#include <QGroupBox>
#include <QLabel>
#include <QPolygon>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>

#include "geld/kontrollform.h"
#include "fields/felderform.h"
#include "ui/hilfe/hilfefenster.h"
#include "ui/views/feldaktiondialog.h"
#include "ui/views/felderview.h"
#include "umgebung.h"

namespace {
TFeld& feld(int i) { return *FelderForm->felder[static_cast<std::size_t>(i)]; }
Punkt ecke(int i, int e) { return feld(i).ecken[static_cast<std::size_t>(e)]; }
// The first corner, where every outline starts, and a point well inside.
QPoint anfang(int i) { return {ecke(i, 0).x, ecke(i, 0).y}; }
QPoint mitte(int i) {
    QPoint s;
    for (int e = 0; e < feld(i).eckenZahl; ++e) s += QPoint(ecke(i, e).x, ecke(i, e).y);
    return s / feld(i).eckenZahl;
}
}  // namespace

class Felder : public Umgebung {
protected:
    void starten() {
        Umgebung::starten();
        view_ = qobject_cast<FelderView*>(view("FelderForm"));
        ASSERT_NE(view_, nullptr);
    }
    QImage karte() {
        view_->auffrischen();
        return view_->karte()->grab().toImage();
    }
    FelderView* view_ = nullptr;
};

TEST_F(Felder, KarteZeigtBildUndFelderInIhrenFarben) {
    starten();
    QImage bild = karte();
    ASSERT_EQ(bild.size(), QSize(540, 380));
    // The artwork lies on the window's olive at its own scale.
    EXPECT_EQ(bild.pixelColor(300, 60), QColor(128, 128, 0));
    EXPECT_EQ(bild.pixelColor(365, 16), QColor(0, 0, 255)) << "the pond";
    EXPECT_EQ(bild.pixelColor(190, 140), QColor(255, 147, 55)) << "the farmyard";
    // A new game: every field white round (7, 7, 0).
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(bild.pixelColor(mitte(i)), QColor(7, 7, 0)) << i;
        EXPECT_EQ(bild.pixelColor(anfang(i)), QColor(255, 255, 255)) << i;
    }
    struct Soll {
        int32_t was, wachs;
        QColor pinsel;
    };
    const Soll soll[5] = {{1, 240, {70, 255, 0}}, {1, 300, {255, 255, 0}}, {4, 240, {30, 220, 0}},
                          {0, 0, {7, 7, 0}},      {0, 50, {54, 54, 0}}};
    for (int i = 1; i <= 5; ++i) {
        feld(i).was = soll[i - 1].was;
        feld(i).wachs = soll[i - 1].wachs;
    }
    bild = karte();
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(bild.pixelColor(mitte(i)), soll[i - 1].pinsel) << i;
        EXPECT_EQ(bild.pixelColor(anfang(i)), QColor(255, 0, 0)) << i;
    }
}

TEST_F(Felder, TrefferpruefungStimmtMitQtUeberein) {
    starten();
    for (int i = 1; i <= 5; ++i) {
        QPolygon umriss;
        for (int e = 0; e < feld(i).eckenZahl; ++e) umriss << QPoint(ecke(i, e).x, ecke(i, e).y);
        int drin = 0, abweichend = 0;
        for (int y = 0; y < 380; ++y)
            for (int x = 0; x < 540; ++x) {
                const bool qt = umriss.containsPoint(QPoint(x, y), Qt::OddEvenFill);
                abweichend += qt != feld(i).enthaelt({x, y});
                drin += qt;
            }
        EXPECT_EQ(abweichend, 0) << "field " << i;
        EXPECT_GT(drin, 1000) << "field " << i;
    }
}

TEST_F(Felder, ZeigenKlickenUndGroessteGroesse) {
    starten();
    FelderKarte* k = view_->karte();
    // The pointer reaches only what the scrolled window shows: field 3.
    QTest::mouseMove(k, mitte(3));
    EXPECT_EQ(FelderForm->PaintFelder->aktFeld, &feld(3));
    EXPECT_EQ(k->cursor().shape(), Qt::PointingHandCursor);
    // On a field the hint tells the field, its rent and its state.
    EXPECT_EQ(k->toolTip(), "Glücksberg: 21 ha, Pacht 307,02 EUR im Monat\nnicht gepachtet, klicken zum Pachten");
    QTest::mouseMove(k, QPoint(300, 60));
    EXPECT_EQ(FelderForm->PaintFelder->aktFeld, nullptr);
    EXPECT_EQ(k->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(k->toolTip(), "Klicken Sie auf ein Feld!");
    QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(300, 60));
    warten(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "open country takes no click";

    // A click without a move before it counts where it lands: the lease.
    ModalAntworten antworten;
    GesehenerKasten frage;
    antworten.dann(klickeKnopf("OK", &frage));
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(5));
    EXPECT_TRUE(frage.text.startsWith("Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?\n\n"))
        << frage.text.toStdString();
    EXPECT_EQ(feld(5).was, 0);
    warten();
    EXPECT_EQ(k->grab().toImage().pixelColor(anfang(5)), QColor(255, 0, 0)) << "redrawn by itself";

    // Dragged larger, the window stops at 530 x 370, and so does the game;
    // the map scrolls to its right and bottom edges.
    view_->resize(800, 600);
    warten();
    EXPECT_EQ(view_->size(), QSize(530, 370));
    EXPECT_EQ(QSize(FelderForm->clientWidth, FelderForm->clientHeight), QSize(530, 370) - KindView::rahmen());
    QScrollArea* r = view_->rollbereich();
    EXPECT_EQ(r->horizontalScrollBar()->maximum(), 540 - r->viewport()->width());
    EXPECT_EQ(r->verticalScrollBar()->maximum(), 380 - r->viewport()->height());

    // A save file asking for more gets the largest size, and keeps it.
    ASSERT_TRUE(beenden());
    QString stand = QString::fromUtf8(spielstand());
    const QSize gross = QSize(530, 370) - KindView::rahmen();
    const QString gespeichert = QString("(\\[FelderForm\\][^\\[]*)w=%1\r\nh=%2").arg(gross.width()).arg(gross.height());
    stand.replace(QRegularExpression(gespeichert), "\\1w=900\r\nh=900");
    ASSERT_TRUE(stand.contains("w=900\r\nh=900"));
    schreibeSpielstand(stand.toUtf8());
    spiel.reset();
    plattform.reset();
    starten();
    warten();
    EXPECT_EQ(view_->size(), QSize(530, 370));
    EXPECT_EQ(QSize(FelderForm->clientWidth, FelderForm->clientHeight), gross);
}

TEST_F(Felder, ArbeitsdialogWahlHilfeUndSchliessen) {
    {
        QFile hilfe(verzeichnis.filePath("trevo.html"));
        ASSERT_TRUE(hilfe.open(QIODevice::WriteOnly));
        hilfe.write("<html><body><h1>Inhalt</h1><h2><a name=\"kontext-102\"></a>Feldarbeit</h2></body></html>");
    }
    starten();
    feld(1).was = 0;
    KontrollForm->temperatur = 10;
    ModalAntworten antworten;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        EXPECT_EQ(d->windowTitle(), "Feld Bearbeitung");
        EXPECT_EQ(d->size(), QSize(312, 353));
        EXPECT_EQ(d->nameLabel()->text(), "Name: Thomasbach");
        EXPECT_EQ(d->flaecheLabel()->text(), "Fläche: 17 ha");
        EXPECT_FALSE(d->saatgutGruppe()->isVisible());
        // The seed shows only for drilling, and keeps its choice meanwhile.
        d->arbeit(3)->click();
        EXPECT_TRUE(d->saatgutGruppe()->isVisible());
        d->saatgut(2)->click();
        d->arbeit(1)->click();
        EXPECT_FALSE(d->saatgutGruppe()->isVisible());
        d->arbeit(3)->click();
        EXPECT_TRUE(d->saatgut(2)->isChecked());
        QTest::keyClick(d, Qt::Key_Return);  // "&Bearbeiten" is the default
    });
    QTest::mouseClick(view_->karte(), Qt::LeftButton, {}, mitte(1));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(feld(1).was, 3) << "beets sown";

    // The next showing starts at the first items again; F1 and the help
    // button open the guide at field work; Escape cancels.
    int hilfe = 0;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->arbeit(0)->isChecked());
        EXPECT_TRUE(d->saatgut(0)->isChecked());
        QTextBrowser* browser = HilfeFenster::einzig().browser();
        for (bool mitF1 : {true, false}) {
            browser->setSource(QUrl());
            if (mitF1)
                QTest::keyClick(d->arbeit(0), Qt::Key_F1);
            else
                d->hilfeKnopf()->click();
            hilfe += HilfeFenster::einzig().isVisible() && browser->source().fragment() == "kontext-102";
            HilfeFenster::einzig().close();
        }
        d->arbeit(4)->click();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::mouseClick(view_->karte(), Qt::LeftButton, {}, mitte(1));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(hilfe, 2);
    EXPECT_EQ(feld(1).was, 3) << "nothing harvested";

    // Ending the lease: its box comes over the dialog. Return there keeps
    // the lease ("Abbrechen" is the default), the OK closes the dialog too.
    // (Clicked once this answer has returned, so that the box can be
    // answered in turn.)
    auto kuendigen = [&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        QTimer::singleShot(0, d, [d] { d->pachtKnopf()->click(); });
    };
    QString vorgabe;
    antworten.dann(kuendigen);
    antworten.dann([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->text().startsWith("Möchten Sie den Pachtvertrag mit sofortiger Wirkung kündigen?\n\n"))
            << box->text().toStdString();
        if (box->defaultButton()) vorgabe = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    antworten.dann(kuendigen);
    antworten.dann(klickeKnopf("OK"));
    QTest::mouseClick(view_->karte(), Qt::LeftButton, {}, mitte(1));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(vorgabe, "Abbrechen");
    EXPECT_EQ(feld(1).was, -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
