#include "ui/svgbild.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <memory>

SvgBild::SvgBild(const QString& datei, QWidget* eltern)
    : QWidget(eltern), zeichner_(new QSvgRenderer(datei, this)) {}

bool SvgBild::gueltig() const { return zeichner_->isValid(); }

void SvgBild::paintEvent(QPaintEvent*) {
    const qreal verhaeltnis = devicePixelRatioF();
    const QSize pixel = (QSizeF(size()) * verhaeltnis).toSize();
    if (gerendert_.size() != pixel || gerendert_.devicePixelRatio() != verhaeltnis) {
        gerendert_ = QPixmap(pixel);
        gerendert_.setDevicePixelRatio(verhaeltnis);
        gerendert_.fill(Qt::transparent);
        QPainter q(&gerendert_);
        zeichner_->render(&q, QRectF(QPointF(0, 0), QSizeF(size())));
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
