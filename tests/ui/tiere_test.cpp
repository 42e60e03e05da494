// The herd windows and the purchase dialog: where they stand, what they
// show, that every click reaches the herd; the window active after start-up;
// the list of animals kept up to date in place.
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QRegularExpression>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>
#include <vector>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "geld/zufall.h"
#include "rahmen/mainform.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "livestock/tierkaufform.h"
#include "ui/gitter.h"
#include "ui/svgbild.h"
#include "ui/views/kontrollview.h"
#include "ui/views/steuer.h"
#include "ui/views/tierkaufdialog.h"
#include "ui/views/tierview.h"
#include "umgebung.h"

using Tiere = Umgebung;

namespace {

// Sky above the animals: clearly blue, not the grey of the window.
bool himmel(QColor c) { return c.blue() > c.red() + 25 && c.blue() > 180; }

// The widgets lie inside w and apart from each other.
void liegenFrei(QWidget* w, const std::vector<QWidget*>& kinder) {
    for (std::size_t i = 0; i < kinder.size(); ++i) {
        EXPECT_TRUE(w->rect().contains(kinder[i]->geometry())) << i << " is cut off";
        for (std::size_t j = i + 1; j < kinder.size(); ++j)
            EXPECT_FALSE(kinder[i]->geometry().intersects(kinder[j]->geometry())) << i << " overlaps " << j;
    }
}

// Answers the purchase dialog with a weight button, or 0: its close box.
ModalAntworten::Antwort waehle(int klasse) {
    return [klasse](QWidget* w) {
        auto* d = qobject_cast<TierKaufDialog*>(w);
        ASSERT_NE(d, nullptr) << "found " << w->metaObject()->className();
        if (klasse == 0)
            d->close();
        else
            QTest::mouseClick(d->knopf(klasse), Qt::LeftButton);
    };
}

// A herd's view opened with its ">>".
TierView* aufgeklappt(KindView* v) {
    auto* herde = qobject_cast<TierView*>(v);
    if (!herde) return nullptr;
    QTest::mouseClick(herde->groesseKnopf(), Qt::LeftButton);
    QTest::qWait(20);
    return herde;
}

}  // namespace

TEST_F(Tiere, VierHerdenAnIhrenPlaetzenMitBildUndAufgeklapptOhneUeberschneidung) {
    starten();
    const struct {
        const char* name;
        QPoint platz;
        QSize bild;
        QString geben;  // empty: no product box
    } arten[] = {{"KueheForm", {195, 360}, {80, 59}, "Milchgeben"},
                 {"SchweineForm", {0, 330}, {80, 57}, ""},
                 {"HuenerForm", {65, 340}, {62, 76}, "Eierlegen"},
                 {"SchafForm", {130, 350}, {80, 57}, "Wollegeben"}};
    for (const auto& a : arten) {
        SCOPED_TRACE(a.name);
        auto* v = qobject_cast<TierView*>(view(a.name));
        ASSERT_NE(v, nullptr);
        ASSERT_NE(v->bild(), nullptr);
        EXPECT_TRUE(v->bild()->gueltig());
        EXPECT_EQ(v->bild()->size(), a.bild);
        EXPECT_EQ(v->pos(), a.platz);
        EXPECT_EQ(v->inhalt()->width(), 100);
        liegenFrei(v->inhalt(), {v->bild(), v->mengeLabel(), v->groesseKnopf()});
        const QImage gemalt = v->inhalt()->grab().toImage();
        const QRect bild = v->bild()->geometry();
        EXPECT_TRUE(himmel(gemalt.pixelColor(bild.left() + 3, bild.top() + 2))) << "the picture is drawn";
        EXPECT_TRUE(v->bild()->vorabGenommen()) << "from the build's copy at this size";
        EXPECT_FALSE(himmel(gemalt.pixelColor(95, 3))) << "and only in its place";

        QTest::mouseClick(v->groesseKnopf(), Qt::LeftButton);
        warten();
        EXPECT_EQ(v->inhalt()->width(), 400);
        EXPECT_EQ(v->gebenBox()->isVisible() ? QString(v->gebenBox()->text()).remove(QLatin1Char('&')) : QString(), a.geben);
        EXPECT_TRUE(v->kaufenKnopf()->toolTip().startsWith("Ankauf heute: "));
        EXPECT_FALSE(v->kaufenKnopf()->toolTip().contains("Rechts")) << "the herd buys with the left button only";
        EXPECT_EQ(v->maxMengeLabel()->cursor().shape(), Qt::PointingHandCursor);
        // Every text fits its control, and nothing overlaps.
        for (QCheckBox* b : {v->mehrenBox(), v->gebenBox()}) EXPECT_LE(b->sizeHint().width(), b->width());
        for (QPushButton* k : std::initializer_list<QPushButton*>{v->kaufenKnopf(), v->verkaufenKnopf()})
            EXPECT_LE(k->fontMetrics().horizontalAdvance(k->text()) + 8, k->width());
        std::vector<QWidget*> links{v->bild(),         v->mengeLabel(),    v->groesseKnopf(),
                                    v->mehrenBox(),    v->maxMengeLabel(), v->gruppe()};
        if (v->gebenBox()->isVisible()) links.push_back(v->gebenBox());
        liegenFrei(v->inhalt(), links);
        QWidget* gitterRahmen = v->gitter()->parentWidget();
        liegenFrei(v->gruppe(), {gitterRahmen, v->hochPfeil(), v->runterPfeil(), v->kaufenKnopf(), v->verkaufenKnopf()});
        EXPECT_TRUE(gitterRahmen->contentsRect().contains(v->gitter()->geometry()));
    }
}

// What the dialog shows is what a purchase can book, for every class, and
// showing it draws nothing: a cancelled dialog leaves the random numbers as
// they were, so the next purchase books what it would have booked.
TEST_F(Tiere, KaufBuchtImGezeigtenBereichUndZeigenZiehtNichts) {
    starten();
    TierView* schaf = aufgeklappt(view("SchafForm"));
    ASSERT_NE(schaf, nullptr);
    ModalAntworten antworten;
    const uint32_t vorher = randSeed;
    antworten.dann(waehle(0));
    QTest::mouseClick(schaf->kaufenKnopf(), Qt::LeftButton);
    EXPECT_EQ(randSeed, vorher);
    EXPECT_EQ(SchafForm->menge, 0);

    static const QRegularExpression muster(
        QStringLiteral("^etwa (\\d+),?(\\d?) kg\n(\\d+),?(\\d*)–(\\d+),?(\\d*) EUR$"));
    for (int klasse = 1; klasse <= 3; ++klasse) {
        SCOPED_TRACE(klasse);
        QString gezeigt;
        antworten.dann([&gezeigt, klasse](QWidget* w) {
            auto* d = qobject_cast<TierKaufDialog*>(w);
            ASSERT_NE(d, nullptr);
            gezeigt = d->angebot(klasse)->text();
            QTest::mouseClick(d->knopf(klasse), Qt::LeftButton);
        });
        const int64_t geld = KontrollForm->geld;
        QTest::mouseClick(schaf->kaufenKnopf(), Qt::LeftButton);
        ASSERT_EQ(SchafForm->menge, klasse);
        const QRegularExpressionMatch m = muster.match(gezeigt);
        ASSERT_TRUE(m.hasMatch()) << gezeigt.toStdString();
        // Cents, whole euros written without them.
        auto cent = [&m](int ganz, int teil) {
            const QString c = m.captured(teil);
            return m.captured(ganz).toLongLong() * 100 + (c.isEmpty() ? 0 : c.toLongLong());
        };
        const int64_t gebucht = int64_t{geld} - KontrollForm->geld;
        EXPECT_GE(gebucht, cent(3, 4)) << gezeigt.toStdString();
        EXPECT_LE(gebucht, cent(5, 6)) << gezeigt.toStdString();
        // The animal weighs about what the dialog said, within the purchase's spread.
        const double etwa = m.captured(1).toDouble() + m.captured(2).toDouble() / 10;
        const double kg = SchafForm->gewicht[static_cast<std::size_t>(klasse)] / 10.0;
        EXPECT_LE(std::abs(kg - etwa), etwa * 0.1385 + 0.5) << kg;
    }
}

TEST_F(Tiere, KaufenUeberDenDialogBlaetternHakenUndVerkaufen) {
    starten();
    TierView* kuh = aufgeklappt(view("KueheForm"));
    ASSERT_NE(kuh, nullptr);

    // Beside the pointer; a weight button chooses and closes at once.
    QCursor::setPos(500, 400);
    ModalAntworten antworten;
    antworten.dann([](QWidget* w) {
        auto* d = qobject_cast<TierKaufDialog*>(w);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Bitte wählen");
        EXPECT_TRUE(d->windowFlags().testFlag(Qt::Tool));
        EXPECT_EQ(d->pos(), QCursor::pos() - QPoint(40, 70));
        const char* hinweise[] = {"Gewichtsklasse Klein", "Gewichtsklasse Mittel", "Gewichtsklasse Groß"};
        std::vector<QWidget*> teile;
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(d->knopf(k)->size(), QSize(49, 49));
            EXPECT_EQ(d->knopf(k)->toolTip(), hinweise[k - 1]);
            // Each weight over its offer, the whole text in its column.
            EXPECT_LT(d->knopf(k)->geometry().bottom(), d->angebot(k)->y());
            for (const QString& zeile : d->angebot(k)->text().split('\n'))
                EXPECT_LE(d->angebot(k)->fontMetrics().horizontalAdvance(zeile), d->angebot(k)->width())
                    << zeile.toStdString();
            teile.push_back(d->knopf(k));
            teile.push_back(d->angebot(k));
        }
        liegenFrei(d, teile);
        EXPECT_EQ(d->angebot(3)->text(), "etwa 711 kg\n1174–1553 EUR");
        QTest::mouseClick(d->knopf(3), Qt::LeftButton);
        EXPECT_FALSE(d->isVisible());
    });
    QTest::mouseClick(kuh->kaufenKnopf(), Qt::LeftButton);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(TierKaufForm->gewichtsklasse, 3);
    EXPECT_EQ(KueheForm->menge, 1);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "Kühe Kauf");
    warten();
    EXPECT_EQ(kuh->mengeLabel()->text(), "1 Stück");

    antworten.dann(waehle(1));
    QTest::mouseClick(kuh->kaufenKnopf(), Qt::LeftButton);
    antworten.dann(waehle(2));
    QTest::mouseClick(kuh->kaufenKnopf(), Qt::LeftButton);
    EXPECT_EQ(KueheForm->menge, 3);
    // Up is the animal before; both ends hold.
    for (auto [pfeil, soll] : {std::pair{kuh->runterPfeil(), 3}, {kuh->hochPfeil(), 2}, {kuh->hochPfeil(), 1},
                               {kuh->hochPfeil(), 1}, {kuh->runterPfeil(), 2}}) {
        QTest::mouseClick(pfeil, Qt::LeftButton);
        EXPECT_EQ(KueheForm->aktuell, soll);
    }

    kuh->mehrenBox()->click();
    kuh->gebenBox()->click();
    EXPECT_TRUE(KueheForm->MehrenCB.checked);
    EXPECT_TRUE(KueheForm->GebenCB.checked);

    for (int32_t rest : {2, 1, 0}) {
        QTest::mouseClick(kuh->verkaufenKnopf(), Qt::LeftButton);
        EXPECT_EQ(KueheForm->menge, rest);
    }
    const int klaenge = plattform->klaengeAngefordert();
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    QTest::mouseClick(kuh->verkaufenKnopf(), Qt::LeftButton);
    EXPECT_EQ(kasten.text, "Keine Tiere da!");
    EXPECT_EQ(plattform->klaengeAngefordert(), klaenge + 1) << "BOING";
}

TEST_F(Tiere, KaufDialogAmSchirmrandUndSchliessfeldUndEscapeBrechenAb) {
    starten();
    auto* schaf = qobject_cast<TierView*>(view("SchafForm"));
    ASSERT_NE(schaf, nullptr);
    QCursor::setPos(10, 20);
    ModalAntworten antworten;
    antworten.dann([](QWidget* w) {
        EXPECT_EQ(w->pos(), w->screen()->availableGeometry().topLeft()) << "pulled onto the screen";
        waehle(0)(w);
    });
    QTest::mouseClick(schaf->kaufenKnopf(), Qt::LeftButton);
    antworten.dann([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    QTest::mouseClick(schaf->kaufenKnopf(), Qt::LeftButton);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(TierKaufForm->gewichtsklasse, 0);
    EXPECT_EQ(SchafForm->menge, 0);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "");
}

TEST(TierBilder, GewichteSindDunkelrotUndWachsenAuchInHoherAufloesung) {
    int vorher = 0;
    for (int k = 1; k <= 3; ++k) {
        const QPixmap bild = svgSymbol(QStringLiteral(":/bilder/gewicht%1.svg").arg(k)).pixmap(QSize(32, 32), 2.0);
        ASSERT_EQ(bild.size(), QSize(64, 64)) << "drawn at the screen's own resolution";
        const QImage img = bild.toImage();
        int rot = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c.alpha() < 255) continue;
                EXPECT_GT(c.red(), c.green() + 40) << k << ": " << x << "," << y;
                if (c.red() < 200) ++rot;
            }
        EXPECT_GT(rot, vorher * 3 / 2) << k << " is clearly bigger than the one before";
        vorher = rot;
    }
}

TEST_F(Tiere, NachDemStartIstDasVordersteFensterDesSpielsAktivUndKeinTierRuft) {
    starten();
    warten(50);
    EXPECT_EQ(rahmen->flaeche()->activeSubWindow(), view(MainForm->kinder().front()->name().c_str()));
    EXPECT_EQ(plattform->klaengeAngefordert(), 0);

    // The first click on any window activates it in Qt and in the game
    // alike, a herd calls; the window in front again changes nothing.
    for (auto [name, ruft] : {std::pair{"RuebenForm", 0}, {"KueheForm", 1}, {"SchweineForm", 1}, {"SchweineForm", 0}}) {
        SCOPED_TRACE(name);
        const int vorher = plattform->klaengeAngefordert();
        QTest::mouseClick(view(name)->inhalt(), Qt::LeftButton, {}, QPoint(95, 70));
        warten();
        EXPECT_EQ(rahmen->flaeche()->activeSubWindow(), view(name));
        EXPECT_EQ(MainForm->kinder().front()->name(), name);
        EXPECT_EQ(plattform->klaengeAngefordert(), vorher + ruft);
    }
}

namespace {

// The list shows what a list built afresh would: a row for each animal, its
// number and weight, in the order the player sorted by (the number breaking
// a tie of weights), and the animal in the panel, with the panel's weight, as
// the current row.
void zeigtDieHerde(const TierView& v, const TtierForm& herde) {
    const QTreeWidget* liste = v.liste();
    std::vector<std::pair<int, int>> soll;  // number, weight
    for (int i = 1; i <= herde.tierAnzahl(); ++i) soll.emplace_back(i, herde.gewicht[static_cast<std::size_t>(i)]);
    const bool nachGewicht = liste->sortColumn() == 1;
    std::sort(soll.begin(), soll.end(), [nachGewicht](const auto& a, const auto& b) {
        return nachGewicht ? std::tie(a.second, a.first) < std::tie(b.second, b.first) : a.first < b.first;
    });
    if (liste->header()->sortIndicatorOrder() == Qt::DescendingOrder) std::reverse(soll.begin(), soll.end());
    ASSERT_EQ(liste->topLevelItemCount(), static_cast<int>(soll.size()));
    for (int r = 0; r < liste->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* z = liste->topLevelItem(r);
        ASSERT_EQ(z->data(0, Qt::UserRole).toInt(), soll[static_cast<std::size_t>(r)].first) << "row " << r;
        ASSERT_EQ(z->data(1, Qt::UserRole).toInt(), soll[static_cast<std::size_t>(r)].second) << "row " << r;
        ASSERT_EQ(z->text(0), QString::number(soll[static_cast<std::size_t>(r)].first));
    }
    ASSERT_NE(liste->currentItem(), nullptr);
    EXPECT_EQ(liste->currentItem()->data(0, Qt::UserRole).toInt(), herde.aktuell);
    EXPECT_EQ(liste->currentItem()->text(1), QString::fromStdString(herde.StringGrid1.cell(1, 1)).trimmed());
}

}  // namespace

// The list of animals is made when the herd is first expanded and then kept
// up to date in place; over a month, a sale and a purchase, expanded and
// collapsed, it shows what a list built afresh shows.
TEST_F(Tiere, ListeDerTiereZeigtNachMonatVerkaufUndKaufWasEineNeueZeigt) {
    // The list writes weights as the locale does, the panel with the game's
    // decimal comma: a German player's locale, so that both can be compared.
    struct Deutsch {
        Deutsch() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
        ~Deutsch() { QLocale::setDefault(QLocale::c()); }
    } deutsch;
    starten();
    FutterForm->setzeMaxMenge(1000000);
    FutterForm->setzeMenge(1000000);
    // Room for every young one: no question before "Weiter".
    KueheForm->setzeMaxMenge(TtierForm::maxTiere);
    for (int i = 0; i < 40; ++i) KueheForm->neuesTier(static_cast<int16_t>(3000 + (i * 37) % 900));
    KueheForm->MehrenCB.checked = true;
    warten();
    auto* kuh = qobject_cast<TierView*>(view("KueheForm"));
    ASSERT_NE(kuh, nullptr);
    EXPECT_EQ(kuh->liste(), nullptr) << "not made while nobody sees it";
    auto* kontrolle = qobject_cast<KontrollView*>(view("KontrollForm"));
    ASSERT_NE(kontrolle, nullptr);
    ModalAntworten antworten;

    const auto monatVerkaufKauf = [&] {
        const bool gesehen = kuh->liste()->isVisible();
        kontrolle->weiter()->click();
        warten();
        if (gesehen) {
            ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
            // The animal chosen in the list is the one sold.
            kuh->liste()->setCurrentItem(kuh->liste()->topLevelItem(5));
        } else {
            KueheForm->TierGewaehlt(7);
        }
        const int anzahl = KueheForm->tierAnzahl();
        QTest::mouseClick(kuh->verkaufenKnopf(), Qt::LeftButton);
        warten();
        ASSERT_EQ(KueheForm->tierAnzahl(), anzahl - 1);
        if (gesehen) {
            ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
        }
        antworten.dann(waehle(2));
        QTest::mouseClick(kuh->kaufenKnopf(), Qt::LeftButton);
        warten();
        ASSERT_TRUE(antworten.fertig());
        ASSERT_EQ(KueheForm->tierAnzahl(), anzahl);
    };

    ASSERT_EQ(aufgeklappt(kuh), kuh);
    ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
    monatVerkaufKauf();
    ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
    // Sorted by weight, heaviest first, the rows keep that order as they change.
    kuh->liste()->sortByColumn(1, Qt::DescendingOrder);
    monatVerkaufKauf();
    ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
    // Collapsed the list waits; expanded again it has caught up.
    QTest::mouseClick(kuh->groesseKnopf(), Qt::LeftButton);
    warten();
    EXPECT_FALSE(kuh->liste()->isVisible());
    monatVerkaufKauf();
    monatVerkaufKauf();
    ASSERT_EQ(aufgeklappt(kuh), kuh);
    ASSERT_NO_FATAL_FAILURE(zeigtDieHerde(*kuh, *KueheForm));
}
