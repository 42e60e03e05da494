// The window "Hofbuch": opened from the menu, one point per month in every
// chart, following the game as months pass (the same as a window opened
// afresh), the years' table with its best and worst whole year, Escape and
// F1.
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>

#include "hofbuch/hofbuch.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "ui/hilfe/hilfefenster.h"
#include "umgebung.h"

using HofbuchAnsicht = Umgebung;

namespace {

std::vector<QString> tabelle(const QTableWidget* t) {
    std::vector<QString> texte;
    for (int s = 0; s < t->columnCount(); ++s) {
        texte.push_back(t->horizontalHeaderItem(s)->text());
        for (int z = 0; z < t->rowCount(); ++z)
            texte.push_back(t->verticalHeaderItem(z)->text() + "=" + (t->item(z, s) ? t->item(z, s)->text() : "-"));
    }
    return texte;
}

std::vector<std::vector<double>> kurven(const HofbuchFenster* f) {
    std::vector<std::vector<double>> k;
    for (const Verlaufsbild* b : {f->guthaben(), f->preise(), f->tiere(), f->lager()})
        for (const Verlauf& v : b->verlaeufe()) {
            k.push_back(v.werte);
            k.push_back(v.oben);
        }
    return k;
}

}  // namespace

TEST_F(HofbuchAnsicht, ZeigtJedenMonatUndFolgtDemSpiel) {
    {
        QFile hilfe(verzeichnis.filePath("trevo.html"));
        ASSERT_TRUE(hilfe.open(QIODevice::WriteOnly));
        hilfe.write("<html><body><h1>Inhalt</h1><p><a name=\"hofbuch\"></a>Hofbuch</p></body></html>");
    }
    starten();
    for (int i = 0; i < 14; ++i) KontrollForm->Button1Click();
    rahmen->hofbuchAktion()->trigger();
    HofbuchFenster* f = rahmen->hofbuchFenster();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), "Hofbuch");
    EXPECT_TRUE(f->isVisible());
    // (The outlook is a game window outside the child list.)
    EXPECT_TRUE(MainForm->kinder().size() + 1 == spiel->fenster().size()) << "no game window";

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

    // March 2001 to April 2002: no whole year to call best or worst.
    QTableWidget* t = f->jahre();
    ASSERT_EQ(t->columnCount(), 2);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), "2001");
    EXPECT_EQ(t->horizontalHeaderItem(1)->text(), "2002");
    ASSERT_EQ(t->rowCount(), 4) << "the result, income, expenses, and the one kind that moved money";
    EXPECT_EQ(t->verticalHeaderItem(0)->text(), "Ergebnis");
    EXPECT_EQ(t->verticalHeaderItem(3)->text(), "Sonstige Kosten");
    EXPECT_EQ(t->item(0, 0)->text(), t->item(3, 0)->text());
    EXPECT_EQ(t->item(1, 0)->text(), "0,00");

    // The window is drawn, and a month with it open adds a point everywhere.
    f->reiter()->setCurrentWidget(f->preise());
    const QImage bild = f->grab().toImage();
    EXPECT_FALSE(bild.isNull());
    // The export for other languages' spreadsheets, from the window's button.
    ASSERT_NE(f->findChild<QPushButton*>("exportieren"), nullptr);
    QString fehler;
    ASSERT_TRUE(f->exportieren(verzeichnis.filePath("export.csv"), fehler)) << fehler.toStdString();
    EXPECT_EQ(QFile(verzeichnis.filePath("export.csv")).size(), static_cast<qint64>(spiel->hofbuch().tabelle().size()));
    EXPECT_FALSE(f->exportieren(verzeichnis.filePath("fehlt/export.csv"), fehler));
    EXPECT_FALSE(fehler.isEmpty());
    KontrollForm->Button1Click();
    EXPECT_EQ(punkte(f->guthaben()), std::vector<std::size_t>{15});
    EXPECT_EQ(punkte(f->lager()), std::vector<std::size_t>(4, 15));

    // To April 2004: 2002 and 2003 are the whole years, and only they are
    // compared. Month by month the window shows what a window opened now
    // shows.
    for (int i = 0; i < 23; ++i) KontrollForm->Button1Click();
    ASSERT_EQ(t->columnCount(), 4);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), "2001");
    EXPECT_EQ(t->horizontalHeaderItem(3)->text(), "2004");
    const QString mitte = t->horizontalHeaderItem(1)->text() + "|" + t->horizontalHeaderItem(2)->text();
    EXPECT_TRUE(mitte == "2002\nbestes Jahr|2003\nschlechtestes Jahr" ||
                mitte == "2002\nschlechtestes Jahr|2003\nbestes Jahr")
        << mitte.toStdString();
    {
        HofbuchFenster frisch(spiel->hofbuch());
        EXPECT_EQ(tabelle(t), tabelle(frisch.jahre()));
        EXPECT_EQ(kurven(f), kurven(&frisch));
        EXPECT_EQ(punkte(f->guthaben()), std::vector<std::size_t>{38});
    }
    // The second window took the book's call with it; it goes back to the
    // first.
    spiel->hofbuch().geaendert = [f](bool neu) { neu ? f->auffrischen() : f->monatAnhaengen(); };

    // F1 opens the guide at the logbook; Escape closes the window, and the
    // book no longer calls it.
    QTextBrowser* browser = HilfeFenster::einzig().browser();
    browser->setSource(QUrl());
    QTest::keyClick(f, Qt::Key_F1);
    EXPECT_TRUE(HilfeFenster::einzig().isVisible());
    EXPECT_EQ(browser->source().fragment(), "hofbuch");
    HilfeFenster::einzig().close();
    QTest::keyClick(f, Qt::Key_Escape);
    QTest::qWait(10);
    EXPECT_EQ(rahmen->hofbuchFenster(), nullptr);
    KontrollForm->Button1Click();
    EXPECT_EQ(spiel->hofbuch().zeilen().size(), 39u);
}
