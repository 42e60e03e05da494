#include "ui/views/tierview.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QToolButton>
#include <QTreeWidget>

#include "livestock/arten.h"
#include "livestock/tierform.h"
#include "ui/gitter.h"
#include "ui/nachrichten.h"
#include "ui/sicher.h"
#include "ui/svgbild.h"
#include "ui/views/steuer.h"
#include "ui/views/tierbilder.h"

namespace {

struct Bild {
    QString datei;
    QRect platz;
};

Bild bild(const TierBild& b) {
    return {QStringLiteral(":/bilder/%1.svg").arg(QLatin1String(b.name)), {b.links, b.oben, b.breite, b.hoehe}};
}

Bild bildFuer(const TtierForm& f) {
    for (const auto& [art, b] : {std::pair{&artKuehe, &kuhBild}, std::pair{&artSchweine, &schweinBild},
                                 std::pair{&artHuehner, &huhnBild}, std::pair{&artSchafe, &schafBild}})
        if (&f.art == art) return bild(*b);
    return {};
}

GutAnordnung tierAnordnung() {
    GutAnordnung a;
    a.menge = {8, 85};  // below the picture, beside ">>"
    a.maxMenge = {104, 60};
    a.groesse = {64, 80, 25, 25};
    // The trade buttons sit in the group "Einzelnes Tier"; they are moved
    // there once the group exists.
    return a;
}

// The grid's cells: two columns of 80 and 73 pixels, rows of 16, each
// followed by its one-pixel line.
constexpr int zeilenHoehe = 16;
const std::vector<int> spalten{80, 73};
constexpr int gitterBreite = 80 + 1 + 73 + 1;
constexpr int gitterHoehe = 2 * (zeilenHoehe + 1);
constexpr int randBreite = 2;  // the sunken border around the grid
constexpr int pfeilBreite = 17;

// A row of the animal list: the animal's number and weight, sorted by them,
// not by their text. The text is made when the row is drawn or read, so a
// weight that changes costs one notice to the list.
class TierZeile : public QTreeWidgetItem {
public:
    TierZeile(int nr, int16_t gewicht) : nr_(nr), gewicht_(gewicht) {}

    int nr() const { return nr_; }
    int16_t gewicht() const { return gewicht_; }
    void setzeGewicht(int16_t gewicht) {
        gewicht_ = gewicht;
        emitDataChanged();
    }
    QVariant data(int spalte, int rolle) const override {
        switch (rolle) {
        case Qt::DisplayRole:
            return spalte == 0 ? QString::number(nr_)
                               : QLocale().toString(gewicht_ / 10.0, 'f', 1) + QStringLiteral(" kg");
        case Qt::UserRole:
            return spalte == 0 ? nr_ : static_cast<int>(gewicht_);
        case Qt::TextAlignmentRole:
            return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return QTreeWidgetItem::data(spalte, rolle);
        }
    }
    bool operator<(const QTreeWidgetItem& andere) const override {
        const auto& z = static_cast<const TierZeile&>(andere);
        const int spalte = treeWidget() ? treeWidget()->sortColumn() : 0;
        // The number breaks a tie of weights: any list of the herd, however
        // it came about, shows the same order.
        return spalte == 0 || gewicht_ == z.gewicht_ ? nr_ < z.nr_ : gewicht_ < z.gewicht_;
    }

private:
    int nr_;
    int16_t gewicht_;
};

}  // namespace

TierView::TierView(TtierForm& fenster) : GutView(fenster, nullptr, tierAnordnung()), form_(fenster) {
    QWidget* flaeche = inhalt();
    const Bild b = bildFuer(fenster);
    if (!b.datei.isEmpty()) {
        bild_ = new SvgBild(b.datei, flaeche);
        bild_->setGeometry(b.platz);
        bild_->lower();
    }

    mehren_ = new QCheckBox(flaeche);
    mehren_->setGeometry(104, 8, 92, 17);
    geben_ = new QCheckBox(flaeche);
    geben_->setGeometry(104, 30, 92, 17);

    gruppe_ = new QGroupBox(flaeche);
    gruppe_->setGeometry(200, 2, 194, fenster.clientHeight - 4);
    auto* rahmen = new QFrame(gruppe_);
    rahmen->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    rahmen->setLineWidth(randBreite);
    rahmen->setGeometry(8, 20, gitterBreite + 2 * randBreite, gitterHoehe + 2 * randBreite);
    gitter_ = new GitterWidget(fenster.StringGrid1, spalten, zeilenHoehe, rahmen);
    gitter_->setGeometry(randBreite, randBreite, gitterBreite, gitterHoehe);

    // The up-down control: two small arrows, one above the other.
    const int pfeilLinks = rahmen->geometry().right() + 3;
    const int halbe = rahmen->height() / 2;
    hoch_ = new QToolButton(gruppe_);
    hoch_->setArrowType(Qt::UpArrow);
    hoch_->setGeometry(pfeilLinks, 20, pfeilBreite, halbe);
    runter_ = new QToolButton(gruppe_);
    runter_->setArrowType(Qt::DownArrow);
    runter_->setGeometry(pfeilLinks, 20 + halbe, pfeilBreite, rahmen->height() - halbe);
    for (QToolButton* pfeil : {hoch_, runter_}) {
        pfeil->setAutoRepeat(true);
        pfeil->setFocusPolicy(Qt::NoFocus);
    }
    // Both arrows are read out by what they do.
    hoch_->setAccessibleName(tr("Voriges Tier"));
    hoch_->setToolTip(tr("Voriges Tier"));
    runter_->setAccessibleName(tr("Nächstes Tier"));
    runter_->setToolTip(tr("Nächstes Tier"));

    const int knopfOben = gruppe_->height() - 25 - 8;
    kaufenKnopf()->setParent(gruppe_);
    kaufenKnopf()->setGeometry(12, knopfOben, 75, 25);
    verkaufenKnopf()->setParent(gruppe_);
    verkaufenKnopf()->setGeometry(95, knopfOben, 75, 25);
    kaufenKnopf()->show();
    verkaufenKnopf()->show();

    // Ticking a box tells the window; the box then shows what the window
    // holds, whether it took the tick or not.
    connect(mehren_, &QCheckBox::clicked, this, [this](bool an) {
        befehl([&] { form_.MehrenCBClick(an); });
        mehren_->setChecked(form_.MehrenCB.checked);
    });
    connect(geben_, &QCheckBox::clicked, this, [this](bool an) {
        befehl([&] { form_.GebenCBClick(an); });
        geben_->setChecked(form_.GebenCB.checked);
    });
    // Up is the animal before, down the one after.
    connect(hoch_, &QToolButton::clicked, this, [this] { befehl([this] { form_.UpDown1Click(true); }); });
    connect(runter_, &QToolButton::clicked, this, [this] { befehl([this] { form_.UpDown1Click(false); }); });
}

void TierView::inhaltAuffrischen() {
    GutView::inhaltAuffrischen();
    mehren_->setText(kernText(form_.MehrenCB.caption));
    mehren_->setChecked(form_.MehrenCB.checked);
    mehren_->setVisible(form_.MehrenCB.visible);
    geben_->setText(kernText(form_.GebenCB.caption));
    // A herd without a product keeps the box hidden; unnamed, a screen
    // reader would still list it as a box without a name.
    geben_->setAccessibleName(geben_->text().isEmpty() ? tr("Keine Ware") : QString());
    geben_->setChecked(form_.GebenCB.checked);
    geben_->setVisible(form_.GebenCB.visible);
    // The boxes' keys beside the trade buttons' (Alt+K, Alt+V, Alt+>):
    // "V&ermehren", "&Milchgeben", "E&ierlegen", "&Wollegeben".
    QString belegt;
    for (const QAbstractButton* b : inhalt()->findChildren<QAbstractButton*>())
        if (b != mehren_ && b != geben_ && !kuerzelVon(b->text()).isNull()) belegt += kuerzelVon(b->text());
    kuerzelVergeben(std::vector<QCheckBox*>{mehren_, geben_}, belegt);
    gruppe_->setTitle(kernText(form_.GroupBox1.caption));
    gitter_->neuLesen();
    listeAuffrischen();
}

int TierView::zusatzHoehe() const { return form_.erweitert ? listenHoehe : 0; }

void TierView::listeMachen() {
    // Below the window's own controls, while expanded: every animal. Its
    // arrow keys and clicks choose; the header sorts.
    liste_ = new QTreeWidget(inhalt());
    liste_->setGeometry(8, form_.clientHeight, 400 - 16, listenHoehe - 6);
    liste_->setColumnCount(2);
    liste_->setHeaderLabels({kernText(form_.StringGrid1.cell(0, 0)), kernText(form_.StringGrid1.cell(1, 0))});
    liste_->setRootIsDecorated(false);
    liste_->setUniformRowHeights(true);
    liste_->setSortingEnabled(true);
    liste_->sortByColumn(0, Qt::AscendingOrder);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->header()->setSectionResizeMode(QHeaderView::Stretch);
    liste_->setAccessibleName(tr("Alle Tiere"));
    liste_->setAccessibleDescription(tr("Ordnungsnummer und Gewicht jedes Tiers; "
                                        "das gewählte Tier wird als einzelnes Tier gezeigt"));
    connect(liste_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* zeile, QTreeWidgetItem*) {
        if (listeSetzen_ || !zeile) return;
        const int nr = zeile->data(0, Qt::UserRole).toInt();
        befehl([this, nr] { form_.TierGewaehlt(nr); });
    });

    // In the place of the focus chain it had when it was made with the view.
    QWidget::setTabOrder(geben_, liste_);
}

void TierView::changeEvent(QEvent* e) {
    GutView::changeEvent(e);
    // Restored: the list shows what changed while the view was minimized.
    if (e->type() == QEvent::WindowStateChange && !isMinimized()) listeAuffrischen();
}

void TierView::listeAuffrischen() {
    if (liste_) {
        liste_->setVisible(form_.erweitert);
        liste_->move(8, form_.clientHeight);
    }
    // A list nobody sees waits as it is until it is shown; it is made when
    // it is first shown.
    if (!form_.erweitert || isMinimized()) return;
    if (!liste_) {
        listeMachen();
        liste_->show();
    }
    const std::size_t n = std::min(static_cast<std::size_t>(std::max(form_.tierAnzahl(), 0)), form_.gewicht.size() - 1);
    listeSetzen_ = true;
    bool anders = n != zeilen_.size();
    const auto gewicht = [this](std::size_t i) { return static_cast<TierZeile*>(zeilen_[i])->gewicht(); };
    for (std::size_t i = 0; i < n && !anders; ++i) anders = form_.gewicht[i + 1] != gewicht(i);
    if (anders) {
        // Row i is animal i + 1: a month changes weights in place, a sale the
        // weights from the sold animal on and takes the last row away. The
        // list is sorted once afterwards, in whatever order the player chose.
        liste_->setSortingEnabled(false);
        while (zeilen_.size() > n) {
            delete zeilen_.back();
            zeilen_.pop_back();
        }
        for (std::size_t i = 0; i < zeilen_.size(); ++i)
            if (gewicht(i) != form_.gewicht[i + 1]) static_cast<TierZeile*>(zeilen_[i])->setzeGewicht(form_.gewicht[i + 1]);
        QList<QTreeWidgetItem*> neu;
        for (std::size_t i = zeilen_.size(); i < n; ++i) {
            neu.append(new TierZeile(static_cast<int>(i + 1), form_.gewicht[i + 1]));
            zeilen_.push_back(neu.back());
        }
        liste_->addTopLevelItems(neu);
        liste_->setSortingEnabled(true);
    }
    // The shown animal is the list's current row.
    if (form_.aktuell >= 1 && static_cast<std::size_t>(form_.aktuell) <= zeilen_.size()) {
        QTreeWidgetItem* zeile = zeilen_[static_cast<std::size_t>(form_.aktuell) - 1];
        liste_->setCurrentItem(zeile);
        liste_->scrollToItem(zeile);
    }
    listeSetzen_ = false;
}
