#include "ui/gitter.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/steuerelemente.h"

namespace {
constexpr int linie = 1;
// The lines between cells: black in the header, light grey in the body.
const QColor kopfLinie(0, 0, 0);
const QColor koerperLinie(192, 192, 192);
}  // namespace

GitterWidget::GitterWidget(const StringGrid& gitter, std::vector<int> spaltenBreiten, int zeilenHoehe,
                           QWidget* eltern)
    : QWidget(eltern), gitter_(gitter), breiten_(std::move(spaltenBreiten)), hoehe_(zeilenHoehe) {
    setFont(gitterSchrift());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QFont GitterWidget::gitterSchrift() {
    QFont f(QStringLiteral("Liberation Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(11);
    return f;
}

QRect GitterWidget::zelle(int spalte, int zeile) const {
    int x = 0;
    for (int s = 0; s < spalte && s < static_cast<int>(breiten_.size()); ++s) x += breiten_[static_cast<std::size_t>(s)] + linie;
    const int breite = spalte < static_cast<int>(breiten_.size()) ? breiten_[static_cast<std::size_t>(spalte)] : 0;
    return {x, zeile * (hoehe_ + linie), breite, hoehe_};
}

void GitterWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QColor knopf = palette().color(QPalette::Button);
    const QColor hell = palette().color(QPalette::Light);
    const QColor dunkel = palette().color(QPalette::Mid);
    const int spalten = std::min(gitter_.colCount(), static_cast<int>(breiten_.size()));
    for (int z = 0; z < gitter_.rowCount(); ++z) {
        const bool kopf = z == 0;
        for (int s = 0; s < spalten; ++s) {
            const QRect r = zelle(s, z);
            if (r.top() >= height() || r.left() >= width()) continue;
            if (kopf) {
                // The header cell stands out from the button face.
                p.fillRect(r, knopf);
                p.fillRect(r.left(), r.top(), r.width(), 1, hell);
                p.fillRect(r.left(), r.top(), 1, r.height(), hell);
                p.fillRect(r.left(), r.bottom(), r.width(), 1, dunkel);
                p.fillRect(r.right(), r.top(), 1, r.height(), dunkel);
            } else {
                p.fillRect(r, palette().color(QPalette::Base));
            }
            const QColor linienFarbe = kopf ? kopfLinie : koerperLinie;
            p.fillRect(r.right() + 1, r.top(), linie, r.height() + linie, linienFarbe);
            p.fillRect(r.left(), r.bottom() + 1, r.width() + linie, linie, linienFarbe);
            const std::string& text = gitter_.cell(s, z);
            if (text.empty()) continue;
            p.save();
            p.setClipRect(r);
            p.setPen(palette().color(QPalette::Text));
            p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                       QString::fromStdString(text));
            p.restore();
        }
    }
}

void GitterWidget::mouseReleaseEvent(QMouseEvent* e) {
    emit losgelassen(e->position().toPoint());
    e->accept();
}
