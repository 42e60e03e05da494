// Steps taken back from the menu, and games under names of their own.
#include <QLabel>
#include <QTemporaryDir>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "goods/stores.h"
#include "ui/start.h"
#include "ui/views/kontrollview.h"
#include "ui/views/siloview.h"
#include "ui/views/steuer.h"
#include "umgebung.h"

namespace {

class Zurueck : public Umgebung {};

bool zeigt(QWidget* w, const QString& text) {
    for (const QLabel* l : w->findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

QByteArray dateiIn(const QTemporaryDir& v, const char* name) {
    QFile f(v.filePath(QString::fromUtf8(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// A right click sells all the feed; Ctrl+Z brings it back with the balance
// and the statement as before. "Weiter", Ctrl+Z: the month, its logbook row
// and its temperature as before; "Weiter" again is the same month.
TEST_F(Zurueck, VerkaufUndMonatAusDemMenue) {
    starten();
    QAction* zurueck = rahmen->zurueckAktion();
    QAction* wieder = rahmen->wiederholenAktion();
    EXPECT_EQ(zurueck->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(wieder->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_FALSE(zurueck->isEnabled());

    auto* futter = qobject_cast<SiloView*>(view("FutterForm"));
    ASSERT_NE(futter, nullptr);
    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();
    EXPECT_FALSE(zurueck->isEnabled()) << "a window opened wider is no step of the game";
    const int64_t geld = KontrollForm->geld;
    QTest::mouseClick(futter->verkaufenKnopf(), Qt::RightButton);
    warten();
    ASSERT_EQ(FutterForm->menge, 0);
    EXPECT_EQ(zurueck->text(), "&Rückgängig: Verkauf von 120 kg Futter");
    zurueck->trigger();
    warten();
    EXPECT_EQ(FutterForm->menge, 120);
    EXPECT_EQ(futter->mengeLabel()->text(), "120 kg");
    EXPECT_EQ(KontrollForm->geld, geld);
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 1), "");
    EXPECT_EQ(FutterForm->clientWidth, 290) << "the window stays as wide as the player made it";
    EXPECT_FALSE(zurueck->isEnabled());
    EXPECT_EQ(wieder->text(), "&Wiederherstellen: Verkauf von 120 kg Futter");

    auto* kontrolle = qobject_cast<KontrollView*>(view("KontrollForm"));
    ASSERT_NE(kontrolle, nullptr);
    const int32_t temperatur = KontrollForm->temperatur;
    kontrolle->weiter()->click();
    warten();
    ASSERT_EQ(KontrollForm->Label1.caption, "April 2001");
    const int32_t april = KontrollForm->temperatur;
    const int64_t geldApril = KontrollForm->geld;
    EXPECT_FALSE(wieder->isEnabled()) << "a new step leaves nothing to do again";
    EXPECT_EQ(zurueck->text(), "&Rückgängig: Weiter (März 2001)");
    zurueck->trigger();
    warten();
    EXPECT_EQ(KontrollForm->Label1.caption, "März 2001");
    EXPECT_TRUE(zeigt(kontrolle, "März 2001"));
    EXPECT_EQ(KontrollForm->temperatur, temperatur);
    EXPECT_EQ(spiel->hofbuch().zeilen().size(), 0u);
    kontrolle->weiter()->click();
    warten();
    EXPECT_EQ(KontrollForm->temperatur, april);
    EXPECT_EQ(KontrollForm->geld, geldApril);
    EXPECT_EQ(spiel->hofbuch().zeilen().size(), 1u);
}

// "Spiel speichern unter …" as "Versuch", two months there, then the first
// game opened again: it is where it was, its logbook without a row of the
// other; the frame's title names the game.
TEST(Spiele, SpeichernUnterUndOeffnen) {
    QTemporaryDir verzeichnis;
    int start = 0;
    QStringList titel;
    // A game that cannot be read (here a directory in its place) is opened
    // first: told, and the game running stays.
    ASSERT_TRUE(QDir(verzeichnis.path()).mkdir(QStringLiteral("Kaputt.hof")));
    QStringList geoeffnet = {QStringLiteral("Kaputt.hof"), QStringLiteral("TrevoSpielstand.bin")};
    const auto waehlen = HauptFenster::dateiWaehlen;
    HauptFenster::dateiWaehlen = [&](QWidget*, bool speichern, const QString& ordner) {
        EXPECT_EQ(QDir(ordner).canonicalPath(), QDir(verzeichnis.path()).canonicalPath());
        return speichern ? verzeichnis.filePath(QStringLiteral("Versuch")) : verzeichnis.filePath(geoeffnet.takeFirst());
    };
    ModalAntworten antworten;
    GesehenerKasten kaputt;
    const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
        titel << r.windowTitle();
        switch (++start) {
        case 1:
            KontrollForm->Button1Click();
            r.speichernUnterAktion()->trigger();
            break;
        case 2:
            EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
            KontrollForm->Button1Click();
            KontrollForm->Button1Click();
            antworten.dann(klickeKnopf(QStringLiteral("OK"), &kaputt));
            r.oeffnenAktion()->trigger();
            EXPECT_TRUE(kaputt.text.startsWith(QStringLiteral("Das Spiel konnte nicht geöffnet werden:")));
            EXPECT_TRUE(kaputt.text.endsWith(QStringLiteral("Das laufende Spiel geht weiter.")));
            EXPECT_EQ(KontrollForm->Label1.caption, "Juni 2001");
            r.oeffnenAktion()->trigger();
            break;
        default:
            EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
            EXPECT_FALSE(r.zurueckAktion()->isEnabled());
            r.close();
        }
    });
    HauptFenster::dateiWaehlen = waehlen;
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(titel, QStringList({"Trevo", "Trevo \u2013 Versuch", "Trevo"}));
    EXPECT_TRUE(dateiIn(verzeichnis, "TrevoSpielstand.bin").contains("monat=4\r\n"));
    EXPECT_TRUE(dateiIn(verzeichnis, "Versuch.hof").contains("monat=6\r\n"));
    EXPECT_EQ(dateiIn(verzeichnis, "TrevoHofbuch.csv").count(";abgeschlossen;"), 1);
    EXPECT_EQ(dateiIn(verzeichnis, "Versuch-Hofbuch.csv").count(";abgeschlossen;"), 3);
    EXPECT_FALSE(QFile::exists(verzeichnis.filePath(QStringLiteral("Versuch.hof.wiederherstellen"))));
}
