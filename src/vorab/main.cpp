// trevo-vorab BILDER AUSGABE.cpp: draws the herds' pictures beforehand, each
// at the size its window shows it, once at one and once at two pixels per
// point, and writes them as PNG data into a C++ source with vorabDaten(). The
// game copies these at start instead of reading and drawing the SVGs; they
// are drawn exactly as the game draws an SVG picture.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include "ui/views/tierbilder.h"
#include "ui/vorab.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: trevo-vorab BILDER AUSGABE.cpp\n");
        return 2;
    }
    QGuiApplication anwendung(argc, argv);
    const QDir bilder(QString::fromLocal8Bit(argv[1]));
    QByteArray daten = "// Written by trevo-vorab from resources/bilder: the herds' pictures.\n"
                       "#include \"ui/vorab.h\"\n\nnamespace {\n";
    QByteArray suche = "}  // namespace\n\nQByteArrayView vorabDaten(const QString& bild) {\n";
    int nummer = 0;
    for (const TierBild& b : alleTierBilder) {
        const QString name = QString::fromLatin1(b.name);
        QSvgRenderer svg(bilder.filePath(name + QStringLiteral(".svg")));
        if (!svg.isValid()) {
            std::fprintf(stderr, "trevo-vorab: %s.svg ist kein Bild\n", b.name);
            return 1;
        }
        for (int dichte : {1, 2}) {
            QImage bild(b.breite * dichte, b.hoehe * dichte, QImage::Format_ARGB32_Premultiplied);
            bild.setDevicePixelRatio(dichte);
            bild.fill(Qt::transparent);
            {
                QPainter p(&bild);
                svg.render(&p, QRectF(0, 0, b.breite, b.hoehe));
            }
            QByteArray png;
            QBuffer puffer(&png);
            puffer.open(QIODevice::WriteOnly);
            if (!bild.save(&puffer, "PNG")) {
                std::fprintf(stderr, "trevo-vorab: %s ist nicht zu speichern\n", b.name);
                return 1;
            }
            const QByteArray feld = "bild" + QByteArray::number(nummer++);
            daten += "const unsigned char " + feld + "[] = {";
            for (qsizetype i = 0; i < png.size(); ++i)
                daten += (i % 24 == 0 ? "\n    " : "") + QByteArray::number(static_cast<unsigned char>(png[i])) + ",";
            daten += "\n};\n";
            suche += "    if (bild == QLatin1String(\"" + vorabBild(name, b.breite, b.hoehe, dichte).toLatin1() +
                     "\")) return {" + feld + ", static_cast<qsizetype>(sizeof " + feld + ")};\n";
        }
    }
    daten += suche + "    return {};\n}\n";
    QFile aus(QString::fromLocal8Bit(argv[2]));
    if (!aus.open(QIODevice::WriteOnly) || aus.write(daten) != daten.size()) {
        std::fprintf(stderr, "trevo-vorab: %s kann nicht geschrieben werden\n", argv[2]);
        return 1;
    }
    return 0;
}
