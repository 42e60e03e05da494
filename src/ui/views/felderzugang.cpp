#include "ui/views/felderzugang.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QPolygon>
#include <QTimer>

#include "fields/felderform.h"
#include "ui/teilzugang.h"
#include "ui/views/feldpunkte.h"
#include "ui/views/felderview.h"

namespace {

// One field for a screen reader: its name, what the map's colours say about
// it, and "press", which clicks it.
class FeldZugang final : public TeilZugang<FelderKarte>, public QAccessibleActionInterface {
public:
    FeldZugang(FelderKarte* karte, std::size_t nummer) : TeilZugang(karte), nummer_(nummer) {}

    const TFeld* feld() const {
        if (!w_) return nullptr;
        const auto liste = felderDerKarte(w_->form());
        return nummer_ < liste.size() ? liste[nummer_] : nullptr;
    }
    bool isValid() const override { return feld() != nullptr; }
    QString text(QAccessible::Text t) const override {
        const TFeld* f = feld();
        if (!f) return {};
        if (t == QAccessible::Name) return QString::fromStdString(f->name);
        if (t == QAccessible::Description) return feldBeschreibung(*f);
        return {};
    }
    QRect rect() const override {
        const TFeld* f = feld();
        const TPaintFelder* felder = w_ ? w_->form().PaintFelder.get() : nullptr;
        if (!f || !felder || f->eckenZahl <= 0) return {};
        QPolygon umriss;
        for (const Punkt& e : eckenDes(*f)) umriss << QPoint(e.x + felder->left, e.y + felder->top);
        const QRect r = umriss.boundingRect();
        return {w_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!w_ || !w_->isVisible()) s.invisible = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (name != pressAction() || !w_) return;
        // The click opens a box or a dialog that waits: not inside the
        // screen reader's call.
        QTimer::singleShot(0, w_.data(), [karte = w_, n = nummer_] {
            if (karte) karte->feldKlicken(n);
        });
    }

private:
    std::size_t nummer_;
};

// The map for a screen reader: a picture whose children are the fields.
class KartenZugang final : public QAccessibleWidget {
public:
    explicit KartenZugang(FelderKarte* k) : QAccessibleWidget(k, QAccessible::Graphic) {}
    FelderKarte* karte() const { return static_cast<FelderKarte*>(widget()); }

    int childCount() const override { return static_cast<int>(felderDerKarte(karte()->form()).size()); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0 || i >= childCount()) return nullptr;
        return felder_.holen(i, [&] { return new FeldZugang(karte(), static_cast<std::size_t>(i)); });
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return felder_.index(kind);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            const TFeld* f = static_cast<FeldZugang*>(child(i))->feld();
            const TPaintFelder* felder = karte()->form().PaintFelder.get();
            const QPoint p = karte()->mapFromGlobal(QPoint(x, y));
            if (f && felder && f->enthaelt({p.x() - felder->left, p.y() - felder->top})) return child(i);
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Name) s = QCoreApplication::translate("FelderView", "Karte der Felder");
        return s;
    }

private:
    mutable TeilListe felder_;
};

QAccessibleInterface* kartenFabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("FelderKarte"))
        if (auto* k = qobject_cast<FelderKarte*>(objekt)) return new KartenZugang(k);
    return nullptr;
}

}  // namespace

void felderZugangAnmelden() {
    static const bool angemeldet = [] {
        QAccessible::installFactory(kartenFabrik);
        return true;
    }();
    (void)angemeldet;
}
