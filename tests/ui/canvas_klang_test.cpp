// The Qt canvas draws what the game draws, pixel for pixel; the sounds are in
// the program and never hold it up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include "ui/qtcanvas.h"
#include "ui/qtplattform.h"

namespace {

const QColor weiss(255, 255, 255);
const QColor schwarz(0, 0, 0);
const QColor rot(255, 0, 0);

QImage leer(int breite = 100, int hoehe = 100) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(weiss);
    return bild;
}

template <class F>
QImage malen(F&& f, QImage bild = leer()) {
    QPainter p(&bild);
    QtCanvas c(p, QApplication::palette());
    c.setzeStift({0, 0, 0});
    c.setzePinsel({255, 0, 0});
    f(c);
    p.end();
    return bild;
}

int anzahl(const QImage& bild, const QColor& farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y) == farbe ? 1 : 0;
    return n;
}

}  // namespace

TEST(QtCanvas, RechteckDecktLinksObenBisRechtsUntenAusschliesslich) {
    const QImage bild = malen([](Canvas& c) { c.rechteck(10, 10, 50, 70); });
    // Outline on the first and last covered row and column.
    for (QPoint p : {QPoint(10, 10), QPoint(49, 10), QPoint(10, 69), QPoint(49, 69), QPoint(30, 10), QPoint(10, 40),
                     QPoint(49, 40), QPoint(30, 69)})
        EXPECT_EQ(bild.pixelColor(p), schwarz) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(11, 11), QPoint(48, 68), QPoint(30, 40)})
        EXPECT_EQ(bild.pixelColor(p), rot) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(50, 40), QPoint(30, 70), QPoint(9, 40), QPoint(30, 9), QPoint(50, 70)})
        EXPECT_EQ(bild.pixelColor(p), weiss) << p.x() << "," << p.y();
    EXPECT_EQ(anzahl(bild, schwarz), 2 * 40 + 2 * 58);
    EXPECT_EQ(anzahl(bild, rot), 38 * 58);

    // Corners given the other way round cover the same pixels; an empty
    // rectangle draws nothing; a one-row rectangle is all outline.
    EXPECT_EQ(malen([](Canvas& c) { c.rechteck(50, 70, 10, 10); }), bild);
    EXPECT_EQ(malen([](Canvas& c) { c.rechteck(10, 70, 50, 70); }), leer());
    const QImage zeile = malen([](Canvas& c) { c.rechteck(10, 69, 50, 70); });
    EXPECT_EQ(anzahl(zeile, schwarz), 40);
    EXPECT_EQ(anzahl(zeile, rot), 0);
}

TEST(QtCanvas, LinieLaesstIhrenEndpunktAus) {
    const QImage bild = malen([](Canvas& c) {
        c.linie(20, 70, 10, 80);  // a silo leg
        c.linie(60, 5, 90, 5);
        c.linie(5, 90, 5, 60);
        c.linie(40, 40, 40, 40);  // nothing at all
    });
    for (int i = 0; i < 10; ++i) EXPECT_EQ(bild.pixelColor(20 - i, 70 + i), schwarz) << i;
    EXPECT_EQ(bild.pixelColor(10, 80), weiss);
    for (int x = 60; x < 90; ++x) EXPECT_EQ(bild.pixelColor(x, 5), schwarz) << x;
    EXPECT_EQ(bild.pixelColor(90, 5), weiss);
    for (int y = 61; y <= 90; ++y) EXPECT_EQ(bild.pixelColor(5, y), schwarz) << y;
    EXPECT_EQ(bild.pixelColor(5, 60), weiss);
    EXPECT_EQ(bild.pixelColor(40, 40), weiss);
    EXPECT_EQ(anzahl(bild, schwarz), 10 + 30 + 30);

    // A shallow line: one pixel per column, each within half a pixel of the
    // ideal line.
    const QImage flach = malen([](Canvas& c) { c.linie(0, 0, 30, 7); });
    for (int x = 0; x < 30; ++x) {
        int treffer = 0;
        for (int y = 0; y < 10; ++y)
            if (flach.pixelColor(x, y) == schwarz) {
                ++treffer;
                EXPECT_LE(std::abs(y * 30 - x * 7), 15) << x << "," << y;
            }
        EXPECT_EQ(treffer, 1) << x;
    }
}

TEST(QtCanvas, VieleckFuelltWieDieTrefferpruefung) {
    // A concave outline with a notch: the fill must cover exactly the pixels
    // that QPolygon::containsPoint (the click test) finds inside.
    const std::vector<Punkt> ecken{{10, 10}, {80, 15}, {60, 50}, {85, 85}, {15, 75}, {40, 45}};
    QPolygon umriss;
    for (const Punkt& e : ecken) umriss << QPoint(e.x, e.y);
    const QImage nurFuellung = malen([&](Canvas& c) {
        c.setzeStift({255, 0, 0});
        c.polygon(ecken);
    });
    const QImage bild = malen([&](Canvas& c) { c.polygon(ecken); });
    int innen = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool drin = umriss.containsPoint(QPoint(x, y), Qt::OddEvenFill);
            const bool gemalt = nurFuellung.pixelColor(x, y) == rot;
            innen += drin ? 1 : 0;
            // The outline may cover a pixel outside; the fill never does.
            if (drin) {
                EXPECT_TRUE(gemalt) << x << "," << y;
            } else if (gemalt) {
                EXPECT_NE(bild.pixelColor(x, y), weiss) << x << "," << y;
            }
        }
    EXPECT_GT(innen, 1500);
    for (const Punkt& e : ecken) EXPECT_EQ(bild.pixelColor(e.x, e.y), schwarz) << e.x << "," << e.y;
    // Left and right of the waist the picture stays empty.
    EXPECT_EQ(bild.pixelColor(20, 50), weiss);
    EXPECT_EQ(bild.pixelColor(80, 50), weiss);
}

TEST(QtCanvas, KnopfFarbeUndHoheAufloesung) {
    QImage bild = leer(200, 200);
    QPainter p(&bild);
    const QtCanvas c(p, QApplication::palette());
    const Farbe k = c.knopfFarbe();
    EXPECT_EQ(QColor(k.r, k.g, k.b), QApplication::palette().color(QPalette::Button));
    p.end();

    // On a screen with two device pixels per pixel every game pixel becomes
    // two by two: outlines do not thin out.
    bild.setDevicePixelRatio(2);
    const QImage doppelt = malen([](Canvas& cv) { cv.rechteck(10, 10, 50, 70); }, bild);
    EXPECT_EQ(doppelt.pixelColor(20, 20), schwarz);
    EXPECT_EQ(doppelt.pixelColor(21, 21), schwarz);
    EXPECT_EQ(doppelt.pixelColor(22, 22), rot);
    EXPECT_EQ(doppelt.pixelColor(99, 139), schwarz);
    EXPECT_EQ(doppelt.pixelColor(100, 140), weiss);
}

TEST(Klaenge, NamenFuehrenZuDenWellenImProgramm) {
    EXPECT_EQ(QtPlattform::klangDatei("BOING"), ":/klaenge/boing.wav");
    EXPECT_EQ(QtPlattform::klangDatei("TRAKTOR"), ":/klaenge/traktor.wav");
    EXPECT_EQ(QtPlattform::klangDatei("202"), ":/klaenge/202.wav");
    EXPECT_EQ(QtPlattform::klangDatei("204"), "");
    EXPECT_EQ(QtPlattform::klangDatei("boing"), "");

    QFile boing(":/klaenge/boing.wav");
    ASSERT_TRUE(boing.open(QIODevice::ReadOnly));
    const QByteArray wav = boing.readAll();
    EXPECT_LT(wav.size(), 20 * 1024);
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(wav[22], 1) << "mono";
    EXPECT_EQ(wav[23], 0);
}

TEST(Klaenge, TraktorTuckertEineBisZweiSekunden) {
    QFile datei(":/klaenge/traktor.wav");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray wav = datei.readAll();
    ASSERT_GE(wav.size(), 44);
    ASSERT_EQ(wav.left(4), "RIFF");
    auto zahl = [&](int stelle) {
        return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(wav.constData()) + stelle);
    };
    EXPECT_EQ(zahl(20) & 0xffff, 1u) << "plain PCM";
    const quint32 bytesJeSekunde = zahl(28);
    // The chunks after the format: the sound is the "data" one.
    for (int stelle = 12; stelle + 8 <= wav.size(); stelle += 8 + static_cast<int>(zahl(stelle + 4))) {
        if (wav.mid(stelle, 4) != "data") continue;
        const double sekunden = static_cast<double>(zahl(stelle + 4)) / bytesJeSekunde;
        EXPECT_GE(sekunden, 1.0);
        EXPECT_LE(sekunden, 2.0);
        return;
    }
    ADD_FAILURE() << "no data chunk";
}

TEST(Klaenge, SpielenHaeltNichtsAufUndFehlendeSindStill) {
    QtPlattform p;
    QtPlattform::setzeTonAus(false);
    // Without an audio device the effect stays silent and the call returns.
    p.spieleKlang("BOING");
    p.spieleKlang("BOING");
    EXPECT_EQ(p.klaengeAngefordert(), 2);
    EXPECT_TRUE(p.klaengeGeladen()) << qPrintable(QtPlattform::klangModul());
    p.spieleKlang("TRAKTOR");
    EXPECT_EQ(p.klaengeAngefordert(), 3);
    p.spieleKlang("NIX");  // no such sound
    EXPECT_EQ(p.klaengeAngefordert(), 3);
    QtPlattform::setzeTonAus(true);
}

TEST(Klaenge, TierrufeSindKurzeAchtBitMonoWellen) {
    const struct {
        const char* name;
        quint32 rate;
        double sekunden;
    } rufe[] = {{"200", 11025, 1.0}, {"201", 8000, 0.38}, {"202", 11025, 0.68}, {"203", 8000, 0.58}};
    for (const auto& r : rufe) {
        SCOPED_TRACE(r.name);
        QFile f(QtPlattform::klangDatei(r.name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray wav = f.readAll();
        ASSERT_GE(wav.size(), 44);
        const auto zahl = [&](int ort) { return qFromLittleEndian<quint32>(wav.constData() + ort); };
        EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(wav[22], 1) << "mono";
        EXPECT_EQ(zahl(24), r.rate);
        EXPECT_EQ(wav[34], 8) << "bits per sample";
        EXPECT_NEAR(static_cast<double>(wav.size() - 44) / r.rate, r.sekunden, 0.02);
    }
}
