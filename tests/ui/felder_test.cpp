// The field map and the field work dialog on real widgets: the colours the
// player sees, pointing and clicking, the window's largest size, and the
// dialog's choices, help and ways of closing.
#include <QGroupBox>
#include <QLabel>
#include <QPolygon>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolTip>

#include "app/kontoform.h"
#include "app/kontrollform.h"
#include "fields/feldaktionform.h"
#include "fields/felderform.h"
#include "goods/stores.h"
#include "ui/hilfe/hilfefenster.h"
#include "ui/views/feldaktiondialog.h"
#include "ui/views/felderview.h"
#include "umgebung.h"

namespace {

TFeld& feld(int i) { return *FelderForm->felder[static_cast<std::size_t>(i)]; }

QPolygon umriss(const TFeld& f) {
    QPolygon p;
    for (int i = 0; i < f.eckenZahl; ++i) {
        const Punkt& e = f.ecken[static_cast<std::size_t>(i)];
        p << QPoint(e.x, e.y);
    }
    return p;
}

// A point well inside a field: the mean of its corners (all five are convex
// enough for that).
QPoint mitte(const TFeld& f) {
    int x = 0, y = 0;
    for (int i = 0; i < f.eckenZahl; ++i) {
        x += f.ecken[static_cast<std::size_t>(i)].x;
        y += f.ecken[static_cast<std::size_t>(i)].y;
    }
    return {x / f.eckenZahl, y / f.eckenZahl};
}

// The first corner: every outline starts its first line there.
QPoint ecke(const TFeld& f) { return {f.ecken[0].x, f.ecken[0].y}; }

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
    void setze(int i, int32_t was, int32_t wachs) {
        feld(i).was = was;
        feld(i).wachs = wachs;
    }
    FelderView* view_ = nullptr;
};

TEST_F(Felder, KarteZeigtBildUndFelderInIhrenFarben) {
    starten();
    EXPECT_EQ(view_->windowTitle(), "Felder");
    EXPECT_EQ(view_->karte()->size(), QSize(540, 380));

    QImage bild = karte();
    // The artwork lies on the window's olive, at its own scale.
    EXPECT_EQ(bild.pixelColor(300, 60), QColor(128, 128, 0)) << "open country";
    EXPECT_EQ(bild.pixelColor(365, 16), QColor(0, 0, 255)) << "the pond";
    EXPECT_EQ(bild.pixelColor(190, 140), QColor(255, 147, 55)) << "the farmyard";
    EXPECT_EQ(bild.pixelColor(20, 330), QColor(1, 129, 1)) << "the west meadow";
    // A new game: no field leased, all white outlines round (7, 7, 0).
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bild.pixelColor(mitte(feld(i))), QColor(7, 7, 0));
        EXPECT_EQ(bild.pixelColor(ecke(feld(i))), QColor(255, 255, 255));
    }

    struct Soll {
        int32_t was, wachs;
        QColor pinsel, stift;
    };
    const QColor rot(255, 0, 0), weiss(255, 255, 255);
    const std::vector<std::array<Soll, 5>> runden = {
        {{{1, 240, {70, 255, 0}, rot},
          {1, 300, {255, 255, 0}, rot},
          {4, 240, {30, 220, 0}, rot},
          {0, 0, {7, 7, 0}, rot},
          {0, 50, {54, 54, 0}, rot}}},
        // Not leased, whatever the score; a leased field below the tables
        // drawn as the lowest band.
        {{{-1, 50, {7, 7, 0}, weiss},
          {3, 240, {10, 235, 0}, rot},
          {0, -5000, {7, 7, 0}, rot},
          {2, 180, {16, 120, 0}, rot},
          {4, 300, {0, 153, 0}, rot}}},
    };
    for (const auto& runde : runden) {
        for (int i = 1; i <= 5; ++i) {
            const Soll& s = runde[static_cast<std::size_t>(i - 1)];
            setze(i, s.was, s.wachs);
        }
        bild = karte();
        for (int i = 1; i <= 5; ++i) {
            const Soll& s = runde[static_cast<std::size_t>(i - 1)];
            SCOPED_TRACE(testing::Message() << "field " << i << " was " << s.was << " wachs " << s.wachs);
            EXPECT_EQ(bild.pixelColor(mitte(feld(i))), s.pinsel);
            EXPECT_EQ(bild.pixelColor(ecke(feld(i))), s.stift);
        }
    }
}

TEST_F(Felder, TrefferpruefungStimmtMitQtUeberein) {
    starten();
    // The game's own test and Qt's even-odd rule agree on every pixel of the
    // map, and that is also what the map fills.
    for (int i = 1; i <= 5; ++i) {
        const QPolygon p = umriss(feld(i));
        int drin = 0, abweichend = 0;
        for (int y = 0; y < 380; ++y)
            for (int x = 0; x < 540; ++x) {
                const bool qt = p.containsPoint(QPoint(x, y), Qt::OddEvenFill);
                if (qt != feld(i).enthaelt({x, y})) ++abweichend;
                drin += qt;
            }
        EXPECT_EQ(abweichend, 0) << "field " << i;
        EXPECT_GT(drin, 1000) << "field " << i;
    }
}

TEST_F(Felder, ZeigenUndKlickenAufDerKarte) {
    starten();
    FelderKarte* k = view_->karte();
    TPaintFelder& pf = *FelderForm->PaintFelder;
    const QString hinweis = "Klicken Sie auf ein Feld!";
    EXPECT_EQ(k->toolTip(), hinweis);

    // The pointer can only reach what the scrolled window shows.
    QTest::mouseMove(k, mitte(feld(3)));
    EXPECT_EQ(pf.aktFeld, &feld(3));
    EXPECT_EQ(k->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(k->toolTip(), "") << "no hint over a field";

    QTest::mouseMove(k, QPoint(300, 60));
    EXPECT_EQ(pf.aktFeld, nullptr);
    EXPECT_EQ(k->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(k->toolTip(), hinweis);
    // A click on open country does nothing.
    QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(300, 60));
    warten(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // A click on a field that is not leased offers the lease. The click
    // lands without a move before it: it counts where the button went down.
    ModalAntworten antworten;
    GesehenerKasten frage;
    antworten.dann(klickeKnopf("Abbrechen", &frage));
    antworten.dann(klickeKnopf("OK"));
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(feld(5)));
    EXPECT_EQ(frage.titel, "Bestätigen");
    EXPECT_EQ(frage.text, "Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?");
    EXPECT_EQ(frage.knoepfe, QStringList({"OK", "Abbrechen"}));
    EXPECT_EQ(feld(5).was, -1);
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(feld(5)) + QPoint(1, 0));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(feld(5).was, 0);
    warten();
    // The map follows by itself: a red outline now.
    EXPECT_EQ(k->grab().toImage().pixelColor(ecke(feld(5))), QColor(255, 0, 0));
}

TEST_F(Felder, FensterWirdNichtGroesserAlsErlaubt) {
    starten();
    EXPECT_EQ(view_->maximumSize(), QSize(530, 370));
    view_->resize(800, 600);
    warten();
    EXPECT_EQ(view_->size(), QSize(530, 370));
    // What the window got is what the game keeps for the save file.
    const QSize client = QSize(530, 370) - KindView::rahmen();
    EXPECT_EQ(FelderForm->clientWidth, client.width());
    EXPECT_EQ(FelderForm->clientHeight, client.height());
    // The rest of the map is reached by scrolling, to its right and bottom edges.
    QScrollArea* rollen = view_->rollbereich();
    EXPECT_TRUE(rollen->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(rollen->verticalScrollBar()->isVisible());
    EXPECT_EQ(rollen->horizontalScrollBar()->maximum(), 540 - rollen->viewport()->width());
    EXPECT_EQ(rollen->verticalScrollBar()->maximum(), 380 - rollen->viewport()->height());
}

TEST_F(Felder, ArbeitsdialogWahlHilfeUndSchliessen) {
    // The guide beside the program, with the field work topic.
    {
        QFile hilfe(verzeichnis.filePath("trevo.html"));
        ASSERT_TRUE(hilfe.open(QIODevice::WriteOnly));
        hilfe.write("<html><body><h1>Inhalt</h1><h2><a name=\"kontext-102\"></a>Feldarbeit</h2></body></html>");
    }
    starten();
    setze(1, 0, 0);
    KontrollForm->temperatur = 10;
    const int32_t diesel = DieselForm->menge;
    const int klaenge = plattform->klaengeAngefordert();
    FelderKarte* k = view_->karte();

    ModalAntworten antworten;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        EXPECT_EQ(d->windowTitle(), "Feld Bearbeitung");
        EXPECT_EQ(d->size(), QSize(312, 353));
        EXPECT_EQ(d->wasLabel()->text(), "Bewuchs: kein");
        EXPECT_EQ(d->nameLabel()->text(), "Name: Thomasbach");
        EXPECT_EQ(d->flaecheLabel()->text(), "Fläche: 17 ha");
        EXPECT_EQ(d->wachsLabel()->text(), "");
        // The labels share their lines as designed and stay inside the dialog.
        EXPECT_EQ(d->wasLabel()->y(), d->nameLabel()->y());
        EXPECT_EQ(d->wachsLabel()->y(), d->flaecheLabel()->y());
        EXPECT_LT(d->nameLabel()->geometry().right(), 304);
        EXPECT_EQ(d->arbeitGruppe()->title(), "&Arbeit");
        EXPECT_EQ(d->arbeit(3)->text(), "Drillen");
        EXPECT_TRUE(d->arbeit(0)->isChecked());
        EXPECT_FALSE(d->saatgutGruppe()->isVisible());
        EXPECT_TRUE(d->bearbeitenKnopf()->isDefault());
        EXPECT_FALSE(d->bearbeitenKnopf()->icon().isNull());

        // The seed shows only for drilling, and keeps its choice meanwhile.
        d->arbeit(3)->click();
        EXPECT_TRUE(d->saatgutGruppe()->isVisible());
        d->saatgut(2)->click();
        d->arbeit(1)->click();
        EXPECT_FALSE(d->saatgutGruppe()->isVisible());
        d->arbeit(3)->click();
        EXPECT_TRUE(d->saatgutGruppe()->isVisible());
        EXPECT_TRUE(d->saatgut(2)->isChecked());
        QTest::mouseClick(d->bearbeitenKnopf(), Qt::LeftButton);
    });
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(feld(1)));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(feld(1).was, 3) << "beets sown";
    EXPECT_EQ(DieselForm->menge, diesel - 17);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Saatgut");
    EXPECT_EQ(plattform->klaengeAngefordert(), klaenge + 1) << "the tractor";

    // The next showing starts again at the first items; F1 and the help
    // button open the guide at field work, and Escape cancels.
    int hilfeGesehen = 0;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->arbeit(0)->isChecked());
        EXPECT_TRUE(d->saatgut(0)->isChecked());
        EXPECT_FALSE(d->saatgutGruppe()->isVisible());
        QTextBrowser* browser = HilfeFenster::einzig().browser();
        browser->setSource(QUrl());
        QTest::keyClick(d->arbeit(0), Qt::Key_F1);
        if (HilfeFenster::einzig().isVisible() && browser->source().fragment() == "kontext-102") ++hilfeGesehen;
        browser->setSource(QUrl());
        HilfeFenster::einzig().close();
        QTest::mouseClick(d->hilfeKnopf(), Qt::LeftButton);
        if (HilfeFenster::einzig().isVisible() && browser->source().fragment() == "kontext-102") ++hilfeGesehen;
        HilfeFenster::einzig().close();
        EXPECT_TRUE(d->isVisible()) << "help leaves the dialog open";
        d->arbeit(4)->click();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(feld(1)));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(hilfeGesehen, 2);
    EXPECT_EQ(feld(1).was, 3) << "nothing harvested";
    EXPECT_EQ(DieselForm->menge, diesel - 17);

    // Ending the lease: the confirmation comes over the dialog, and its OK
    // closes the dialog too.
    GesehenerKasten frage;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr);
        // Clicked after this answer returns, so that the box it opens can
        // be answered in turn.
        QTimer::singleShot(0, d, [d] { d->pachtKnopf()->click(); });
    });
    antworten.dann(klickeKnopf("OK", &frage));
    QTest::mouseClick(k, Qt::LeftButton, {}, mitte(feld(1)));
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(frage.text, "Möchten Sie den Pachtvergrag mit sofortiger Wirkung kündigen?");
    EXPECT_EQ(feld(1).was, -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
