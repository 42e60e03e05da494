#include "ui/views/siloview.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "goods/siloform.h"
#include "ui/qtcanvas.h"
#include "ui/sicher.h"

namespace {

// The client area: the game draws the silo onto it at every paint.
class SiloFlaeche : public QWidget {
public:
    explicit SiloFlaeche(const TSiloForm& form) : form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QtCanvas canvas(p, palette());
        sicher([&] { form_.zeichneFuellstand(canvas); });
    }

private:
    const TSiloForm& form_;
};

GutAnordnung siloAnordnung() {
    GutAnordnung a;
    a.menge = {8, 88};  // below the picture's legs
    a.maxMenge = {120, 8};
    a.groesse.moveLeft(72);
    a.kaufen.moveLeft(120);
    a.verkaufen.moveLeft(208);
    return a;
}

}  // namespace

SiloView::SiloView(TSiloForm& fenster) : GutView(fenster, new SiloFlaeche(fenster), siloAnordnung()), form_(fenster) {
    setWindowIcon(siloSymbol());
}

QIcon SiloView::siloSymbol() {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    const QColor schwarz(0, 0, 0);
    p.fillRect(3, 1, 1, 10, schwarz);   // left wall
    p.fillRect(12, 1, 1, 10, schwarz);  // right wall
    p.fillRect(3, 10, 10, 1, schwarz);  // floor
    for (int i = 0; i < 4; ++i) {       // legs, splayed outward
        p.fillRect(4 - i, 11 + i, 1, 1, schwarz);
        p.fillRect(11 + i, 11 + i, 1, 1, schwarz);
    }
    p.end();
    return QIcon(bild);
}

void SiloView::handelsKnopfGedrueckt(bool kaufen, Qt::MouseButton taste) {
    befehl([&] {
        form_.KVButtonMouseDown(kaufen ? form_.KaufenButton : form_.VKaufenButton, taste == Qt::RightButton);
    });
}
