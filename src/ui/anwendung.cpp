#include "ui/anwendung.h"

#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QStyleFactory>

#include "geld/geldtext.h"
#include "rahmen/plattform.h"
#include "ui/einstellungen.h"
#include "ui/sicher.h"
#include "ui/qtplattform.h"

TrevoAnwendung::TrevoAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Trevo"));
    // The menu entry's name: a Wayland desktop finds the entry, and its
    // icon, by it.
    setDesktopFileName(QStringLiteral("de.trevo.trevo"));
}

bool TrevoAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    return sicher([&] { return QApplication::notify(empfaenger, ereignis); });
}

void TrevoAnwendung::einrichten(std::optional<Sprache> sprache) {
    // The game speaks the player's language, German or English, and Qt's own
    // menus and buttons with it.
    spracheEinrichten(sprache ? *sprache : einstellungen::sprache());
    if (QStyle* stil = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(stil);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(8);
    // Small type fitted to whole pixels: crisp, and each letter is drawn
    // once per size instead of once per fraction of a pixel it may start at.
    schrift.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(schrift);
    dezimalTrenner = QLocale().decimalPoint().toStdString();
    QApplication::setWindowIcon(programmSymbol());
}

QIcon TrevoAnwendung::programmSymbol() {
    QIcon symbol;
    for (int groesse : {16, 32, 48}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 16.0, groesse / 16.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 180, 235));  // sky
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
        p.setBrush(QColor(250, 210, 40));  // sun
        p.drawEllipse(QRectF(9.5, 2, 4.5, 4.5));
        // The barn, as in the desktop's icon (resources/desktop/trevo.svg).
        p.setBrush(QColor(184, 58, 42));
        const QPointF scheune[] = {{2.2, 8.6}, {2.2, 5.6}, {3.9, 4.1}, {5.6, 5.6}, {5.6, 8.6}};
        p.drawPolygon(scheune, 5);
        p.setBrush(QColor(90, 35, 24));
        p.drawRect(QRectF(3.35, 6.6, 1.1, 2));
        p.setBrush(QColor(0, 128, 0));  // field
        p.drawRoundedRect(QRectF(0.5, 8, 15, 7.5), 2, 2);
        p.setPen(QPen(QColor(150, 110, 40), 0.9));  // furrows
        for (double y : {10.0, 12.2, 14.4}) p.drawLine(QPointF(1.5, y), QPointF(14.5, y - 0.8));
        p.end();
        symbol.addPixmap(bild);
    }
    return symbol;
}

void fehlerZeigen(const std::string& text) {
    if (QtPlattform* p = QtPlattform::aktuelle()) {
        p->fehlerBox(text);
        return;
    }
    QtPlattform::standardFehlerBox(nullptr, text);
}
