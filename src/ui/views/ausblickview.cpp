#include "ui/views/ausblickview.h"

#include <QListWidget>
#include <QMdiArea>

#include "rahmen/mainform.h"
#include "ausblick.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"

namespace {
constexpr int fensterRolle = Qt::UserRole;

const char* ueberschrift(AusblickZeile::Art a) {
    switch (a) {
        case AusblickZeile::Art::geld: return "Geld";
        case AusblickZeile::Art::futter: return "Futter";
        case AusblickZeile::Art::felder: return "Felder";
        case AusblickZeile::Art::herden: return "Herden";
    }
    return "";
}
}  // namespace

AusblickView::AusblickView(TAusblickForm& fenster) : AusblickView(fenster, new QListWidget) {}

AusblickView::AusblickView(TAusblickForm& fenster, QListWidget* liste) : KindView(fenster, liste), liste_(liste) {
    liste_->setFrameShape(QFrame::NoFrame);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->setWordWrap(true);
    liste_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    liste_->setAccessibleName(QStringLiteral("Ausblick auf den Monat"));
    connect(liste_, &QListWidget::itemClicked, this, &AusblickView::aktivieren);
    connect(liste_, &QListWidget::itemActivated, this, &AusblickView::aktivieren);
    // Every change of any window reaches the views through the platform's
    // redraw; the outlook follows all of them.
    if (QtPlattform* p = QtPlattform::aktuelle())
        connect(p, &QtPlattform::aufgefrischt, this, &AusblickView::zeilenAuffrischen);
}

void AusblickView::inhaltAuffrischen() { zeilenAuffrischen(); }

void AusblickView::zeilenAuffrischen() {
    Monatsausblick m;
    sicher([&m] { m = monatsausblick(); });
    const QString vorher = liste_->currentItem() ? liste_->currentItem()->text() : QString();
    liste_->setUpdatesEnabled(false);
    liste_->clear();
    bool erste = true;
    AusblickZeile::Art art{};
    const QColor rot(192, 0, 0);
    for (const AusblickZeile& z : m.zeilen) {
        if (erste || z.art != art) {
            auto* kopf = new QListWidgetItem(QString::fromUtf8(ueberschrift(z.art)), liste_);
            QFont f = kopf->font();
            f.setBold(true);
            kopf->setFont(f);
            kopf->setFlags(Qt::ItemIsEnabled);
            kopf->setBackground(palette().color(QPalette::Window));
            art = z.art;
            erste = false;
        }
        auto* e = new QListWidgetItem(QStringLiteral("  ") + QString::fromStdString(z.text), liste_);
        e->setData(fensterRolle, QString::fromStdString(z.fenster));
        if (z.warnung) e->setForeground(rot);
        if (z.aufgabe) {
            QFont f = e->font();
            f.setBold(true);
            e->setFont(f);
            e->setText(QStringLiteral("  → ") + QString::fromStdString(z.text));
        }
        e->setToolTip(QString::fromStdString(z.text));
        if (e->text() == vorher) liste_->setCurrentItem(e);
    }
    liste_->setUpdatesEnabled(true);
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
