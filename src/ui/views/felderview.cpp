#include "ui/views/felderview.h"

#include <QAccessible>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QToolTip>

#include <algorithm>
#include <utility>

#include "geld/geldtext.h"
#include "fields/felderform.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
#include "ui/qtcanvas.h"
#include "ui/sicher.h"
#include "ui/views/feldpunkte.h"

namespace {
// A click on the map: the lease question of a field not leased names the
// field, its area and the rent it would cost.
void feldAnklicken(TPaintFelder& felder, QWidget* karte) {
    QString zusatz;
    if (const TFeld* f = felder.aktFeld; f && f->was < 0)
        zusatz = QCoreApplication::translate("FelderView", "%1, %2 ha, Pacht %3 im Monat")
                     .arg(QString::fromStdString(f->name), QString::number(f->flaeche),
                          kernText(geldText(-int64_t{pachtJeHektar} * f->flaeche)));
    {
        const FrageZusatz z(zusatz);
        befehl([&felder] { felder.Click(); });
    }
    // The dialogs and boxes the click opened are closed: the keys come back
    // to the map, and the frame is the active window again (a box closing
    // may leave the focus nowhere and the frame inactive).
    QPointer<QWidget> k(karte);
    QTimer::singleShot(0, karte, [k] {
        if (!k || !k->isVisible() || QApplication::activeModalWidget()) return;
        QWidget* rahmen = k->window();
        if (!rahmen->isActiveWindow()) rahmen->activateWindow();
        QWidget* w = k->parentWidget();
        while (w && !qobject_cast<QMdiSubWindow*>(w)) w = w->parentWidget();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w); sub && sub->mdiArea() && !sub->isMinimized())
            sub->mdiArea()->setActiveSubWindow(sub);
        k->setFocus(Qt::OtherFocusReason);
    });
}
QColor alsQt(Farbe f) { return {f.r, f.g, f.b}; }
}  // namespace

FelderKarte::FelderKarte(TFelderForm& form)
    : form_(form), bild_(new QSvgRenderer(QStringLiteral(":/bilder/felder.svg"), this)) {
    setFixedSize(form_.Image1.left + form_.Image1.width, form_.Image1.top + form_.Image1.height);
    // The game follows the pointer over the map, not only while a button is down.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A field without the mouse: its number on the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleDescription(tr("Die Tasten 1 bis 5 klicken das Feld dieser Nummer an"));
    zeigerUebernehmen();
}

void FelderKarte::keyPressEvent(QKeyEvent* e) {
    const int taste = e->key();
    if (taste >= Qt::Key_1 && taste <= Qt::Key_9 && !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) {
        feldKlicken(static_cast<std::size_t>(taste - Qt::Key_1));
        return;
    }
    QWidget::keyPressEvent(e);
}

void FelderKarte::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), alsQt(form_.farbe));
    // Vector art drawn at the screen's own resolution, so it stays sharp at
    // any scale; stretched to the picture's box like the picture control.
    p.setRenderHint(QPainter::Antialiasing, true);
    bild_->render(&p, QRectF(form_.Image1.left, form_.Image1.top, form_.Image1.width, form_.Image1.height));
    p.setRenderHint(QPainter::Antialiasing, false);
    if (TPaintFelder* felder = form_.PaintFelder.get()) {
        p.translate(felder->left, felder->top);
        QtCanvas canvas(p, palette());
        sicher([&] { felder->paint(canvas); });
    }
}

void FelderKarte::zeigerBei(QPoint punkt) {
    letzterPunkt_ = punkt;
    TPaintFelder* felder = form_.PaintFelder.get();
    if (!felder) return;
    sicher([&] { felder->mousemove(punkt.x() - felder->left, punkt.y() - felder->top); });
    zeigerUebernehmen();
}

void FelderKarte::zeigerUebernehmen() {
    const TPaintFelder* felder = form_.PaintFelder.get();
    if (!felder) return;
    if (felder->cursor == Mauszeiger::hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    // Off the fields the game's hint explains the map; on a field the hint
    // tells what the field is and what it costs, read from the field.
    QString hinweis;
    if (felder->showHint)
        hinweis = kernText(felder->hint);
    else if (felder->aktFeld)
        sicher([&] { hinweis = kernText(felder->aktFeld->beschreibung()); });
    if (toolTip() != hinweis) {
        setToolTip(hinweis);
        // A hint already on the screen follows the pointer to the next field.
        if (QToolTip::isVisible()) {
            if (hinweis.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(QCursor::pos(), hinweis, this);
        }
    }
}

void FelderKarte::felderGeaendert() {
    zeigerUebernehmen();
    std::vector<QString> jetzt;
    for (const TFeld* f : felderDerKarte(form_)) jetzt.push_back(feldBeschreibung(*f));
    if (jetzt == beschreibungen_) return;
    const std::vector<QString> vorher = std::exchange(beschreibungen_, jetzt);
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* karte = QAccessible::queryAccessibleInterface(this);
    if (!karte) return;
    for (std::size_t i = 0; i < jetzt.size(); ++i) {
        if (i < vorher.size() && vorher[i] == jetzt[i]) continue;
        if (QAccessibleInterface* feld = karte->child(static_cast<int>(i))) {
            QAccessibleEvent e(feld, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&e);
        }
    }
}

void FelderKarte::feldKlicken(std::size_t nummer) {
    const auto liste = felderDerKarte(form_);
    TPaintFelder* felder = form_.PaintFelder.get();
    if (nummer >= liste.size() || !felder) return;
    const std::optional<QPoint> p = punktIm(*liste[nummer], *felder);
    if (!p) return;
    // As the mouse does it: the pointer reaches the field, then the click.
    zeigerBei(*p);
    if (felder->aktFeld == liste[nummer]) feldAnklicken(*felder, this);
}

void FelderKarte::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (p != letzterPunkt_) zeigerBei(p);
    QWidget::mouseMoveEvent(e);
}

void FelderKarte::mousePressEvent(QMouseEvent* e) {
    // A click is aimed where the button went down, even if no move reached
    // the map before it.
    const QPoint p = e->position().toPoint();
    if (p != letzterPunkt_) zeigerBei(p);
    if (e->button() == Qt::LeftButton) gedrueckt_ = true;
    QWidget::mousePressEvent(e);
}

void FelderKarte::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click starts no click of its own: a
    // double click on a field offers it once.
    const QPoint p = e->position().toPoint();
    if (p != letzterPunkt_) zeigerBei(p);
    e->accept();
}

void FelderKarte::mouseReleaseEvent(QMouseEvent* e) {
    // A click: the left button went down on the map and comes up on it.
    const bool klick = e->button() == Qt::LeftButton && gedrueckt_ && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton) gedrueckt_ = false;
    QWidget::mouseReleaseEvent(e);
    if (!klick) return;
    if (TPaintFelder* felder = form_.PaintFelder.get()) feldAnklicken(*felder, this);
}

FelderView::FelderView(TFelderForm& fenster) : FelderView(fenster, new QScrollArea, new FelderKarte(fenster)) {}

FelderView::FelderView(TFelderForm& fenster, QScrollArea* rollen, FelderKarte* karte)
    : KindView(fenster, rollen), form_(fenster), rollen_(rollen), karte_(karte) {
    rollen_->setFrameShape(QFrame::NoFrame);
    rollen_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette olive = rollen_->palette();
    olive.setColor(QPalette::Window, alsQt(form_.farbe));
    rollen_->viewport()->setPalette(olive);
    rollen_->viewport()->setAutoFillBackground(true);
    rollen_->setWidget(karte_);
    // The keys go to the map, not to the scroll area around it.
    rollen_->setFocusProxy(karte_);
    // The map moves while the player drags a scroll bar's thumb.
    rollen_->horizontalScrollBar()->setTracking(true);
    rollen_->verticalScrollBar()->setTracking(true);
    rollen_->horizontalScrollBar()->setAccessibleName(tr("Karte waagerecht verschieben"));
    rollen_->verticalScrollBar()->setAccessibleName(tr("Karte senkrecht verschieben"));
    // The player cannot drag the window larger than this outer size; what
    // the window holds beyond it is reached by scrolling.
    setMaximumSize(form_.maxTrackWidth, form_.maxTrackHeight);
}

void FelderView::resizeEvent(QResizeEvent* e) {
    KindView::resizeEvent(e);
    // The scroll area takes its new size after this.
    QTimer::singleShot(0, this, &FelderView::hofZeigen);
}

void FelderView::hofZeigen() {
    QRect hof;
    for (const auto& f : form_.felder)
        if (f)
            for (int32_t i = 0; i < f->eckenZahl; ++i) hof |= QRect(f->ecken[static_cast<std::size_t>(i)].x, f->ecken[static_cast<std::size_t>(i)].y, 1, 1);
    const QSize sicht = rollen_->viewport()->size();
    if (hof.isNull() || hof.width() > sicht.width() || hof.height() > sicht.height()) return;
    QScrollBar* waagerecht = rollen_->horizontalScrollBar();
    QScrollBar* senkrecht = rollen_->verticalScrollBar();
    waagerecht->setValue(std::clamp(waagerecht->value(), hof.right() + 1 - sicht.width(), hof.left()));
    senkrecht->setValue(std::clamp(senkrecht->value(), hof.bottom() + 1 - sicht.height(), hof.top()));
}

void FelderView::inhaltAuffrischen() {
    setMaximumSize(form_.maxTrackWidth, form_.maxTrackHeight);
    // A size beyond the largest (from a hand-edited save file) is held at
    // it, and the window keeps the size it really got.
    if (form_.windowState == FensterZustand::normal && !isMinimized() && !isMaximized()) {
        const QSize client = size() - rahmen();
        if (client != QSize(form_.clientWidth, form_.clientHeight))
            form_.gezogen(form_.left, form_.top, client.width(), client.height(), FensterZustand::normal);
    }
    karte_->felderGeaendert();
    karte_->update();
}
