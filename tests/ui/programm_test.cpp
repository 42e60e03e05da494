// The program's own road around the save file: signals during the end, a
// disk that takes no more, and a second start while a game runs on the same
// file.
#include <csignal>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

#include "spielstand/spielstand.h"
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
    const auto schreiber = Dateizugriff::schreiber;
    int waehrendDesSchreibens = 0;
    Dateizugriff::schreiber = [&](int fd, const void* daten, std::size_t n) {
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
    Dateizugriff::schreiber = schreiber;
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

// The end a signal started, with no one to ask, on a disk that takes no
// more: the game goes to the home directory, and standard error says where.
TEST(Programm, SignalEndeRettetDasSpielInsHeimverzeichnis) {
    QTemporaryDir verzeichnis;
    QTemporaryDir heim;
    const QByteArray altesHeim = qgetenv("HOME");
    qputenv("HOME", heim.path().toLocal8Bit());
    const auto schreiber = Dateizugriff::schreiber;
    Dateizugriff::schreiber = [voll = QDir(verzeichnis.path()).canonicalPath().toStdString() + "/"](
                                int fd, const void* daten, std::size_t n) -> ssize_t {
        char pfad[4096] = {};
        if (::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), pfad, sizeof pfad - 1) <= 0 ||
            !std::string(pfad).starts_with(voll))
            return ::write(fd, daten, n);
        errno = ENOSPC;
        return -1;
    };
    testing::internal::CaptureStderr();
    EXPECT_EQ(spielen(verzeichnis.path(), [&](HauptFenster& r) {
                  r.view("KontoForm")->move(55, 44);
                  std::raise(SIGTERM);
              }),
              0);
    const std::string fehlerAusgabe = testing::internal::GetCapturedStderr();
    Dateizugriff::schreiber = schreiber;
    qputenv("HOME", altesHeim);
    const QString gerettet = heim.filePath("TrevoSpielstand-gerettet.bin");
    QFile f(gerettet);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("[KontoForm]\r\nx=55\r\ny=44\r\n"));
    EXPECT_NE(fehlerAusgabe.find("hier gesichert:\n" + gerettet.toStdString()), std::string::npos) << fehlerAusgabe;
}

// A socket left where the game listens (a crashed game's, or a squatter's
// with a queue no one reads) never stands in for the running game: the game
// holding the lock takes the place, closed to other users, and a second
// start still brings it forward; the place is gone after the end.
TEST(Programm, ZweiterStartFindetDasSpielTrotzBesetztemRuf) {
    QTemporaryDir verzeichnis;
    const QByteArray laufzeit = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const std::string ort = verzeichnis.filePath("TrevoSpielstand.bin.ruf").toStdString();
    const int besetzer = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    std::strncpy(a.sun_path, ort.c_str(), sizeof a.sun_path - 1);
    ASSERT_EQ(::bind(besetzer, reinterpret_cast<const sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(besetzer, 1), 0);
    int zweiter = -1;
    bool vorne = false;
    mode_t modus = 0;
    const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
        struct stat st {};
        if (::stat(ort.c_str(), &st) == 0) modus = st.st_mode & 0777;
        r.showMinimized();
        zweiter = spielen(verzeichnis.path(), {});
        vorne = QTest::qWaitFor([&] { return !r.isMinimized(); }, 10000);
        r.close();
    });
    ::close(besetzer);
    if (!laufzeit.isNull()) qputenv("XDG_RUNTIME_DIR", laufzeit);
    EXPECT_EQ(ergebnis, 0);
    EXPECT_EQ(zweiter, 0);
    EXPECT_TRUE(vorne);
    EXPECT_EQ(modus, 0600u);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ort)));
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

// The month's recovery point is written off the playing thread (only writes
// there fail here), and its failure is told on the playing thread while the
// game runs, not first at the end.
TEST(Programm, PunktDanebenGeschriebenUndFehlerSofortGemeldet) {
    QTemporaryDir verzeichnis;
    const auto schreiber = Dateizugriff::schreiber;
    const auto spieler = std::this_thread::get_id();
    Dateizugriff::schreiber = [&](int fd, const void* daten, std::size_t n) -> ssize_t {
        if (std::this_thread::get_id() == spieler) return ::write(fd, daten, n);
        errno = EDQUOT;
        return -1;
    };
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    bool gemeldet = false;
    EXPECT_EQ(spielen(verzeichnis.path(), [&](HauptFenster& r) {
                  for (auto* k : r.findChildren<KontrollView*>()) k->weiter()->click();
                  gemeldet = QTest::qWaitFor([&] { return antworten.fertig(); });
                  r.close();
              }),
              0);
    Dateizugriff::schreiber = schreiber;
    EXPECT_TRUE(gemeldet);
    EXPECT_TRUE(kasten.text.startsWith("Der Wiederherstellungspunkt konnte nicht geschrieben werden:"));
    EXPECT_TRUE(kasten.text.contains("Das Speicherkontingent ist erschöpft."));
}
