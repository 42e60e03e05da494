#include "ui/views/tierview.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLocale>
#include <QToolButton>
#include <QTreeWidget>

#include "livestock/arten.h"
#include "livestock/tierform.h"
#include "ui/gitter.h"
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

// A row of the animal list: sorted by the number or weight it stands for,
// not by its text.
class TierZeile : public QTreeWidgetItem {
public:
    TierZeile(int nr, int16_t gewicht) {
        setData(0, Qt::UserRole, nr);
        setData(1, Qt::UserRole, static_cast<int>(gewicht));
        setText(0, QString::number(nr));
        setText(1, QLocale().toString(gewicht / 10.0, 'f', 1) + QStringLiteral(" kg"));
        setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTreeWidgetItem& andere) const override {
        const int spalte = treeWidget() ? treeWidget()->sortColumn() : 0;
        return data(spalte, Qt::UserRole).toInt() < andere.data(spalte, Qt::UserRole).toInt();
    }
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
    hoch_->setAccessibleName(QStringLiteral("Voriges Tier"));
    hoch_->setToolTip(QStringLiteral("Voriges Tier"));
    runter_->setAccessibleName(QStringLiteral("Nächstes Tier"));
    runter_->setToolTip(QStringLiteral("Nächstes Tier"));

    // Below the window's own controls, while expanded: every animal. Its
    // arrow keys and clicks choose; the header sorts.
    liste_ = new QTreeWidget(flaeche);
    liste_->setGeometry(8, fenster.clientHeight, 400 - 16, listenHoehe - 6);
    liste_->setColumnCount(2);
    liste_->setHeaderLabels({QString::fromStdString(fenster.StringGrid1.cell(0, 0)),
                             QString::fromStdString(fenster.StringGrid1.cell(1, 0))});
    liste_->setRootIsDecorated(false);
    liste_->setUniformRowHeights(true);
    liste_->setSortingEnabled(true);
    liste_->sortByColumn(0, Qt::AscendingOrder);
    liste_->setSelectionMode(QAbstractItemView::SingleSelection);
    liste_->header()->setSectionResizeMode(QHeaderView::Stretch);
    liste_->setAccessibleName(QStringLiteral("Alle Tiere"));
    liste_->setAccessibleDescription(QStringLiteral("Ordnungsnummer und Gewicht jedes Tiers; "
                                                    "das gewählte Tier wird als einzelnes Tier gezeigt"));
    liste_->hide();
    connect(liste_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* zeile, QTreeWidgetItem*) {
        if (listeSetzen_ || !zeile) return;
        const int nr = zeile->data(0, Qt::UserRole).toInt();
        sicher([this, nr] { form_.TierGewaehlt(nr); });
    });

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
        sicher([&] { form_.MehrenCBClick(an); });
        mehren_->setChecked(form_.MehrenCB.checked);
    });
    connect(geben_, &QCheckBox::clicked, this, [this](bool an) {
        sicher([&] { form_.GebenCBClick(an); });
        geben_->setChecked(form_.GebenCB.checked);
    });
    // Up is the animal before, down the one after.
    connect(hoch_, &QToolButton::clicked, this, [this] { sicher([this] { form_.UpDown1Click(true); }); });
    connect(runter_, &QToolButton::clicked, this, [this] { sicher([this] { form_.UpDown1Click(false); }); });
}

void TierView::inhaltAuffrischen() {
    GutView::inhaltAuffrischen();
    mehren_->setText(QString::fromStdString(form_.MehrenCB.caption));
    mehren_->setChecked(form_.MehrenCB.checked);
    mehren_->setVisible(form_.MehrenCB.visible);
    geben_->setText(QString::fromStdString(form_.GebenCB.caption));
    // A herd without a product keeps the box hidden; unnamed, a screen
    // reader would still list it as a box without a name.
    geben_->setAccessibleName(geben_->text().isEmpty() ? QStringLiteral("Keine Ware") : QString());
    geben_->setChecked(form_.GebenCB.checked);
    geben_->setVisible(form_.GebenCB.visible);
    gruppe_->setTitle(QString::fromStdString(form_.GroupBox1.caption));
    gitter_->neuLesen();
    listeAuffrischen();
}

int TierView::zusatzHoehe() const { return form_.erweitert ? listenHoehe : 0; }

void TierView::listeAuffrischen() {
    liste_->setVisible(form_.erweitert);
    liste_->move(8, form_.clientHeight);
    const int32_t n = form_.tierAnzahl();
    std::vector<int16_t> jetzt(form_.gewicht.begin() + 1, form_.gewicht.begin() + 1 + n);
    listeSetzen_ = true;
    if (jetzt != gezeigt_) {
        gezeigt_ = std::move(jetzt);
        // Rebuilt in whatever order the player sorted it.
        liste_->setSortingEnabled(false);
        liste_->clear();
        for (int i = 1; i <= n; ++i) liste_->addTopLevelItem(new TierZeile(i, gezeigt_[static_cast<std::size_t>(i - 1)]));
        liste_->setSortingEnabled(true);
    }
    // The shown animal is the list's current row.
    QTreeWidgetItem* zeile = nullptr;
    for (int i = 0; i < liste_->topLevelItemCount() && !zeile; ++i)
        if (liste_->topLevelItem(i)->data(0, Qt::UserRole).toInt() == form_.aktuell) zeile = liste_->topLevelItem(i);
    if (zeile) {
        liste_->setCurrentItem(zeile);
        liste_->scrollToItem(zeile);
    }
    listeSetzen_ = false;
}
