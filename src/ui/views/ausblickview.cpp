#include "ui/views/ausblickview.h"

#include <QEvent>
#include <QHash>
#include <QListWidget>
#include <QMdiArea>
#include <QStyledItemDelegate>
#include <QTimer>

#include <functional>
#include <utility>

#include "rahmen/mainform.h"
#include "ausblick.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"

namespace {
constexpr int fensterRolle = Qt::UserRole;

// Calls back when the widget it watches is painted; lets every event pass.
class MalWache : public QObject {
public:
    MalWache(QObject* eltern, std::function<void()> f) : QObject(eltern), f_(std::move(f)) {}

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

// What Qt's measure of a row reads: the text, its font, the room, the
// features (the wrap among them), the decoration and the screen's density.
struct Mass {
    QString text;
    QFont schrift;
    QSize raum;
    int merkmale = 0;
    QSize deko;
    int dpi = 0;
    qreal dichte = 1;
    bool operator==(const Mass&) const = default;
};
size_t qHash(const Mass& m, size_t saat = 0) {
    return qHashMulti(saat, m.text, m.schrift, m.raum.width(), m.raum.height(), m.merkmale);
}

// Qt's own delegate, with the size of each row's word-wrapped text kept:
// laying the rows out measures every row, and a month changes few of them.
class Delegat : public QStyledItemDelegate {
public:
    explicit Delegat(QListWidget* liste) : QStyledItemDelegate(liste), liste_(liste) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // The rows are text in a font; anything else is measured as Qt does.
        if (index.data(Qt::DecorationRole).isValid() || index.data(Qt::CheckStateRole).isValid())
            return QStyledItemDelegate::sizeHint(option, index);
        const QVariant schrift = index.data(Qt::FontRole);
        const Mass m{index.data(Qt::DisplayRole).toString(),
                     schrift.isValid() ? qvariant_cast<QFont>(schrift).resolve(option.font) : option.font,
                     option.rect.size(),
                     static_cast<int>(option.features),
                     option.decorationSize,
                     liste_->logicalDpiX(),
                     liste_->devicePixelRatioF()};
        if (const auto it = groessen_.constFind(m); it != groessen_.constEnd()) return *it;
        const QSize s = QStyledItemDelegate::sizeHint(option, index);
        if (groessen_.size() > 2000) groessen_.clear();
        groessen_.insert(m, s);
        return s;
    }

private:
    QListWidget* liste_;
    mutable QHash<Mass, QSize> groessen_;
};

const char* ueberschrift(AusblickZeile::Art a) {
    switch (a) {
        case AusblickZeile::Art::geld: return QT_TRANSLATE_NOOP("AusblickView", "Geld");
        case AusblickZeile::Art::futter: return QT_TRANSLATE_NOOP("AusblickView", "Futter");
        case AusblickZeile::Art::felder: return QT_TRANSLATE_NOOP("AusblickView", "Felder");
        case AusblickZeile::Art::herden: return QT_TRANSLATE_NOOP("AusblickView", "Herden");
    }
    return "";
}

}  // namespace

AusblickView::AusblickView(TAusblickForm& fenster) : AusblickView(fenster, new QListWidget) {}

AusblickView::AusblickView(TAusblickForm& fenster, QListWidget* liste) : KindView(fenster, liste), liste_(liste) {
    liste_->setItemDelegate(new Delegat(liste_));
    liste_->setFrameShape(QFrame::NoFrame);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setWordWrap(true);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->setAccessibleName(tr("Ausblick auf den Monat"));
    connect(liste_, &QListWidget::itemClicked, this, &AusblickView::aktivieren);
    connect(liste_, &QListWidget::itemActivated, this, &AusblickView::aktivieren);
    // Every change of any window reaches the views through the platform's
    // redraw; the outlook follows all of them while it can be seen.
    if (QtPlattform* p = QtPlattform::aktuelle())
        connect(p, &QtPlattform::aufgefrischt, this, &AusblickView::zeilenAuffrischen);
    // A covered list is painted again when it comes out from under.
    liste_->viewport()->installEventFilter(new MalWache(this, [this] {
        if (veraltet_) QTimer::singleShot(0, this, &AusblickView::zeilenAuffrischen);
    }));
}

void AusblickView::inhaltAuffrischen() { zeilenAuffrischen(); }

void AusblickView::showEvent(QShowEvent* e) {
    KindView::showEvent(e);
    if (veraltet_) QTimer::singleShot(0, this, &AusblickView::zeilenAuffrischen);
}

void AusblickView::changeEvent(QEvent* e) {
    KindView::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && veraltet_ && !isMinimized())
        QTimer::singleShot(0, this, &AusblickView::zeilenAuffrischen);
}

void AusblickView::zeilenAuffrischen() {
    // Minimized, hidden or covered: nothing to show, nothing to compute
    // until it is seen again.
    if (isMinimized() || !liste_->isVisible() || liste_->viewport()->visibleRegion().isEmpty()) {
        veraltet_ = true;
        return;
    }
    veraltet_ = false;
    ++rechnungen_;
    Monatsausblick m;
    sicher([&m] { m = monatsausblick(); });
    std::vector<Reihe> soll;
    bool erste = true;
    AusblickZeile::Art art{};
    for (const AusblickZeile& z : m.zeilen) {
        if (erste || z.art != art) {
            soll.push_back({tr(ueberschrift(z.art)), {}, {}, true, false, true});
            art = z.art;
            erste = false;
        }
        const QString text = kernText(z.text);
        soll.push_back({(z.aufgabe ? QStringLiteral("  → ") : QStringLiteral("  ")) + text,
                        QString::fromStdString(z.fenster), text, false, z.warnung, z.aufgabe});
    }
    // Only the rows that changed are touched: the list keeps its scroll
    // position and selection, and a month with one new line redraws one.
    const QColor rot(192, 0, 0);
    const QColor normal = liste_->palette().color(QPalette::Text);
    const auto setzen = [&](QListWidgetItem* e, const Reihe& r) {
        e->setText(r.text);
        e->setData(fensterRolle, r.fenster);
        e->setToolTip(r.hinweis);
        QFont f = liste_->font();
        f.setBold(r.fett);
        e->setFont(f);
        e->setForeground(r.rot ? rot : normal);
        if (r.kopf) {
            e->setFlags(Qt::ItemIsEnabled);
            e->setBackground(palette().color(QPalette::Window));
        } else {
            e->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            e->setBackground(QBrush());
        }
    };
    bool geaendert = false;
    while (gezeigt_.size() > soll.size()) {
        geaendert = true;
        delete liste_->takeItem(liste_->count() - 1);
        gezeigt_.pop_back();
    }
    for (std::size_t i = 0; i < soll.size(); ++i) {
        if (i < gezeigt_.size()) {
            if (gezeigt_[i] == soll[i]) continue;
            geaendert = true;
            setzen(liste_->item(static_cast<int>(i)), soll[i]);
            gezeigt_[i] = soll[i];
        } else {
            geaendert = true;
            auto* e = new QListWidgetItem(liste_);
            setzen(e, soll[i]);
            gezeigt_.push_back(soll[i]);
        }
    }
    // The rows' heights at once, not at the list's next idle moment: the
    // window shows them in the paint that follows.
    if (geaendert) liste_->doItemsLayout();
}

void AusblickView::aktivieren(QListWidgetItem* eintrag) {
    if (!eintrag || !MainForm) return;
    const std::string name = eintrag->data(fensterRolle).toString().toStdString();
    if (name.empty()) return;
    for (TkindForm* k : MainForm->kinder()) {
        if (k->name() != name) continue;
        KindView* v = KindView::zu(*k);
        if (!v || !v->mdiArea()) return;
        if (v->isMinimized()) v->showNormal();
        v->mdiArea()->setActiveSubWindow(v);
        return;
    }
}
