// The window "Hofbuch": opened from the menu, one point per month in every
// chart, following the game as months pass, the years' table with its best
// and worst year.
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>

#include "app/hofbuch.h"
#include "app/kontrollform.h"
#include "app/mainform.h"
#include "umgebung.h"

using HofbuchAnsicht = Umgebung;

TEST_F(HofbuchAnsicht, ZeigtJedenMonatUndFolgtDemSpiel) {
    starten();
    for (int i = 0; i < 14; ++i) KontrollForm->Button1Click();
    rahmen->hofbuchAktion()->trigger();
    HofbuchFenster* f = rahmen->hofbuchFenster();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Hofbuch");
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(MainForm->kinder().size() == spiel->fenster().size()) << "no game window";

    const auto punkte = [](const Verlaufsbild* b) {
        std::vector<std::size_t> n;
        for (const Verlauf& v : b->verlaeufe()) n.push_back(v.werte.size());
        return n;
    };
    EXPECT_EQ(punkte(f->guthaben()), std::vector<std::size_t>{14});
    EXPECT_EQ(punkte(f->preise()), std::vector<std::size_t>(11, 14));
    EXPECT_EQ(punkte(f->tiere()), std::vector<std::size_t>(4, 14));
    EXPECT_EQ(punkte(f->lager()), std::vector<std::size_t>(4, 14));
    // Each price between its own bounds.
    const Verlauf& kuehe = f->preise()->verlaeufe().front();
    EXPECT_TRUE(kuehe.titel.startsWith("Preis Kühe"));
    ASSERT_EQ(kuehe.oben.size(), 1u);
    for (double w : kuehe.werte) {
        EXPECT_LE(w, kuehe.oben[0]);
        EXPECT_GE(w, kuehe.unten[0]);
    }
    EXPECT_EQ(f->guthaben()->verlaeufe()[0].werte.back() * 100, KontrollForm->geld);

    // March 2001 to April 2002: two years, the first the worse one (ten
    // months of costs against four).
    QTableWidget* t = f->jahre();
    ASSERT_EQ(t->columnCount(), 2);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), "2001\nschlechtestes Jahr");
    EXPECT_EQ(t->horizontalHeaderItem(1)->text(), "2002\nbestes Jahr");
    ASSERT_EQ(t->rowCount(), 4) << "the result, income, expenses, and the one kind that moved money";
    EXPECT_EQ(t->verticalHeaderItem(0)->text(), "Ergebnis");
    EXPECT_EQ(t->verticalHeaderItem(3)->text(), "Sonstige Kosten");
    EXPECT_EQ(t->item(0, 0)->text(), t->item(3, 0)->text());
    EXPECT_EQ(t->item(1, 0)->text(), "0,00");

    // The window is drawn, and a month with it open adds a point everywhere.
    f->reiter()->setCurrentWidget(f->preise());
    const QImage bild = f->grab().toImage();
    EXPECT_FALSE(bild.isNull());
    KontrollForm->Button1Click();
    EXPECT_EQ(punkte(f->guthaben()), std::vector<std::size_t>{15});
    EXPECT_EQ(punkte(f->lager()), std::vector<std::size_t>(4, 15));

    // Closed, it is gone and the book no longer calls it.
    f->close();
    QTest::qWait(10);
    EXPECT_EQ(rahmen->hofbuchFenster(), nullptr);
    KontrollForm->Button1Click();
    EXPECT_EQ(spiel->hofbuch().zeilen().size(), 16u);
}
