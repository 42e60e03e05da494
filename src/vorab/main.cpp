// trevo-vorab BILDER AUSGABE.cpp: draws the herds' pictures beforehand, each
// at the size its window shows it, once at one and once at two pixels per
// point, and writes their pixels into a C++ source with vorabPixel(). The
// game copies these at start instead of reading and drawing the SVGs; they
// are drawn exactly as the game draws an SVG picture.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

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
    QByteArray suche =
        "}  // namespace\n\nstd::span<const std::uint32_t> vorabPixel(const QString& bild) {\n";
    int nummer = 0;
    std::vector<std::unique_ptr<QSvgRenderer>> svgs;
    for (const TierBild& b : alleTierBilder) {
        svgs.push_back(std::make_unique<QSvgRenderer>(bilder.filePath(QString::fromLatin1(b.name) + QStringLiteral(".svg"))));
        if (!svgs.back()->isValid()) {
            std::fprintf(stderr, "trevo-vorab: %s.svg ist kein Bild\n", b.name);
            return 1;
        }
    }
    // The pictures for one density lie together: a start reads only those.
    for (int dichte : {1, 2}) {
        for (std::size_t i = 0; i < alleTierBilder.size(); ++i) {
            const TierBild& b = alleTierBilder[i];
            const QString name = QString::fromLatin1(b.name);
            QImage bild(b.breite * dichte, b.hoehe * dichte, QImage::Format_ARGB32_Premultiplied);
            bild.setDevicePixelRatio(dichte);
            bild.fill(Qt::transparent);
            {
                QPainter p(&bild);
                svgs[i]->render(&p, QRectF(0, 0, b.breite, b.hoehe));
            }
            const QByteArray feld = "bild" + QByteArray::number(nummer++);
            daten += "const std::uint32_t " + feld + "[] = {";
            int n = 0;
            for (int y = 0; y < bild.height(); ++y) {
                const auto* zeile = reinterpret_cast<const std::uint32_t*>(bild.constScanLine(y));
                for (int x = 0; x < bild.width(); ++x, ++n)
                    daten += (n % 10 == 0 ? "\n    0x" : " 0x") + QByteArray::number(zeile[x], 16) + "u,";
            }
            daten += "\n};\n";
            suche += "    if (bild == QLatin1String(\"" + vorabBild(name, b.breite, b.hoehe, dichte).toLatin1() +
                     "\")) return " + feld + ";\n";
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
