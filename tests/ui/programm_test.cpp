// The program's own road around the save file: signals during the end, and a
// second start while a game runs on the same file.
#include <atomic>
#include <csignal>
#include <thread>
#include <unistd.h>

#include "app/spielstand.h"
#include "ui/start.h"
#include "ui/views/kontrollview.h"
#include "umgebung.h"

namespace {

QByteArray spielstandIn(const QTemporaryDir& verzeichnis) {
    QFile f(verzeichnis.filePath("TrevoSpielstand.bin"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

// A desktop that repeats its SIGTERM, a second Ctrl-C, a SIGHUP while the
// file is being written: the first signal ends the game, once, and the save
// is written whole.
TEST(Programm, WeitereSignaleWaehrendDesEndesWerdenGeschluckt) {
    QTemporaryDir verzeichnis;
    const auto schreiber = Spielstand::schreiber;
    int waehrendDesSchreibens = 0;
    Spielstand::schreiber = [&](int fd, const void* daten, std::size_t n) {
        if (waehrendDesSchreibens++ == 0) {
            std::raise(SIGTERM);
            std::raise(SIGINT);
            std::raise(SIGHUP);
        }
        return ::write(fd, daten, n);
    };
    int geschlossen = 0;
    const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
        r.view("KontoForm")->move(321, 45);
        QObject::connect(&r, &HauptFenster::geschlossen, [&] {
            ++geschlossen;
            std::raise(SIGTERM);
        });
        std::raise(SIGTERM);
        std::raise(SIGTERM);
    });
    Spielstand::schreiber = schreiber;
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(geschlossen, 1);
    EXPECT_GT(waehrendDesSchreibens, 0);
    EXPECT_TRUE(spielstandIn(verzeichnis).contains("[KontoForm]\r\nx=321\r\ny=45\r\n"));
}

// A second start on the same save file starts no second game: it brings the
// running one forward; the running one goes on and saves as ever.
TEST(Programm, ZweiterStartHoltDasLaufendeSpielNachVorne) {
    QTemporaryDir verzeichnis;
    int zweiter = -1;
    int zweitesSpiel = 0;
    bool vorne = false;
    const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
        r.showMinimized();
        zweiter = spielen(verzeichnis.path(), [&](HauptFenster&) { ++zweitesSpiel; });
        vorne = QTest::qWaitFor([&] { return !r.isMinimized(); }, 10000);
        r.view("KontoForm")->move(77, 66);
        r.close();
    });
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(zweiter, 0);
    EXPECT_EQ(zweitesSpiel, 0);
    EXPECT_TRUE(vorne);
    EXPECT_TRUE(spielstandIn(verzeichnis).contains("[KontoForm]\r\nx=77\r\ny=66\r\n"));
}

// Where the running game cannot be reached, the second start says so.
TEST(Programm, ZweiterStartOhneAntwortSagtTrevoLaeuftBereits) {
    QTemporaryDir verzeichnis;
    const SpielstandSperre laufendes(verzeichnis.path().toStdString());
    ASSERT_TRUE(laufendes.gehalten());
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    int gestartet = 0;
    EXPECT_EQ(spielen(verzeichnis.path(), [&](HauptFenster&) { ++gestartet; }), 1);
    EXPECT_EQ(kasten.titel, "Information");
    EXPECT_EQ(kasten.text, "Trevo läuft bereits.");
    EXPECT_EQ(gestartet, 0);
    EXPECT_FALSE(QFile::exists(verzeichnis.filePath("TrevoSpielstand.bin")));
}

// "Weiter" in the running program: the month's recovery point is written
// beside the play, never on the thread that paints; the end waits for it and
// then removes it.
TEST(Programm, MonatWartetNichtAufDiePlatte) {
    QTemporaryDir verzeichnis;
    const auto schreiber = Spielstand::schreiber;
    const auto spieler = std::this_thread::get_id();
    std::atomic<int> imSpiel{0};  // the logbook and the end's save file
    std::atomic<int> daneben{0};
    Spielstand::schreiber = [&](int fd, const void* daten, std::size_t n) {
        ++(std::this_thread::get_id() == spieler ? imSpiel : daneben);
        return ::write(fd, daten, n);
    };
    bool punktDa = false;
    const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
        for (auto* k : r.findChildren<KontrollView*>()) k->weiter()->click();
        punktDa = QTest::qWaitFor([&] { return QFile::exists(verzeichnis.filePath("TrevoSpielstand.wiederherstellen")); });
        r.close();
    });
    Spielstand::schreiber = schreiber;
    EXPECT_EQ(ergebnis, 0);
    EXPECT_TRUE(punktDa);
    EXPECT_EQ(daneben, 1);
    EXPECT_FALSE(QFile::exists(verzeichnis.filePath("TrevoSpielstand.wiederherstellen")));
}
