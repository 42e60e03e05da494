#include "ui/views/tierview.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QToolButton>

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
    if (dynamic_cast<const TKueheForm*>(&f)) return bild(kuhBild);
    if (dynamic_cast<const TSchweineForm*>(&f)) return bild(schweinBild);
    if (dynamic_cast<const THuenerForm*>(&f)) return bild(huhnBild);
    if (dynamic_cast<const TSchafForm*>(&f)) return bild(schafBild);
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
}
