#include "ui/svgbild.h"

#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

#include "ui/vorab.h"

SvgBild::SvgBild(const QString& datei, QWidget* eltern) : QWidget(eltern), datei_(datei) {}

QSvgRenderer& SvgBild::zeichner() const {
    if (!zeichner_) zeichner_ = new QSvgRenderer(datei_, const_cast<SvgBild*>(this));
    return *zeichner_;
}

bool SvgBild::gueltig() const { return zeichner().isValid(); }

bool SvgBild::vorabGezeichnet() {
    const qreal verhaeltnis = devicePixelRatioF();
    const int dichte = qRound(verhaeltnis);
    if (dichte != verhaeltnis) return false;
    const QSize pixel = size() * dichte;
    const auto bild = vorabPixel(vorabBild(QFileInfo(datei_).completeBaseName(), width(), height(), dichte));
    if (bild.size() != static_cast<std::size_t>(pixel.width()) * static_cast<std::size_t>(pixel.height())) return false;
    // An image over the compiled-in pixels, which live as long as the program.
    const QImage ansicht(reinterpret_cast<const uchar*>(bild.data()), pixel.width(), pixel.height(),
                         QImage::Format_ARGB32_Premultiplied);
    gerendert_ = QPixmap::fromImage(ansicht);
    gerendert_.setDevicePixelRatio(verhaeltnis);
    return true;
}

void SvgBild::paintEvent(QPaintEvent*) {
    const qreal verhaeltnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhaeltnis).toSize();
    if (gerendert_.size() != pixel || gerendert_.devicePixelRatio() != verhaeltnis) {
        vorabGenommen_ = vorabGezeichnet();
        if (!vorabGenommen_) {
            gerendert_ = QPixmap(pixel);
            gerendert_.setDevicePixelRatio(verhaeltnis);
            gerendert_.fill(Qt::transparent);
            QPainter q(&gerendert_);
            zeichner().render(&q, QRectF(QPointF(0, 0), QSizeF(size())));
        }
    }
    QPainter p(this);
    p.drawPixmap(0, 0, gerendert_);
}

namespace {

class SvgEngine : public QIconEngine {
public:
    // The file is read once; copies of the icon share what was read.
    explicit SvgEngine(const QString& datei) : zeichner_(std::make_shared<QSvgRenderer>(datei)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode modus, QIcon::State) override {
        if (modus == QIcon::Disabled) p->setOpacity(0.4);
        // Square pictures keep their shape in a rectangle that is not.
        QSizeF s = zeichner_->defaultSize();
        s.scale(r.size(), Qt::KeepAspectRatio);
        QRectF ziel(QPointF(0, 0), s);
        ziel.moveCenter(QRectF(r).center());
        zeichner_->render(p, ziel);
        p->setOpacity(1.0);
    }

    // Qt asks for the size in device pixels and sets the pixel ratio itself.
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        QPixmap bild(groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        paint(&p, QRect(QPoint(0, 0), groesse), modus, zustand);
        return bild;
    }

    QIconEngine* clone() const override { return new SvgEngine(*this); }

private:
    std::shared_ptr<QSvgRenderer> zeichner_;
};

}  // namespace

QIcon svgSymbol(const QString& datei) { return QIcon(new SvgEngine(datei)); }
