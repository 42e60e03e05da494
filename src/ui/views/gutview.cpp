#include "ui/views/gutview.h"

#include <QFontMetrics>

#include "geld/geldtext.h"
#include "geld/kontrollform.h"
#include "goods/gutform.h"
#include "ui/nachrichten.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/views/steuer.h"

GutView::GutView(TgutForm& fenster) : GutView(fenster, nullptr, GutAnordnung{}) {}

GutView::GutView(TgutForm& fenster, QWidget* inhalt, const GutAnordnung& a) : KindView(fenster, inhalt), form_(fenster) {
    menge_ = neuesLabel(this->inhalt(), a.menge.x(), a.menge.y());
    maxMenge_ = new KlickLabel(this->inhalt());
    maxMenge_->setTextFormat(Qt::PlainText);
    maxMenge_->move(a.maxMenge);
    maxMenge_->setCursor(Qt::PointingHandCursor);
    groesse_ = new QPushButton(this->inhalt());
    groesse_->setGeometry(a.groesse);
    kaufen_ = new DrueckKnopf(this->inhalt());
    kaufen_->setGeometry(a.kaufen);
    verkaufen_ = new DrueckKnopf(this->inhalt());
    verkaufen_->setGeometry(a.verkaufen);

    connect(maxMenge_, &KlickLabel::geklickt, this, [this] {
        // The question names the price; the balance it leaves is added.
        QString zusatz;
        sicher([this, &zusatz] {
            if (KontrollForm)
                zusatz = tr("Guthaben danach: %1")
                             .arg(kernText(
                                 geldText(int64_t{KontrollForm->geld} - form_.vergroesserungsKosten())));
        });
        const FrageZusatz z(zusatz);
        befehl([this] { form_.MaxMengeLbClick(); });
    });
    connect(groesse_, &QPushButton::clicked, this, [this] { befehl([this] { form_.SizeButtonClick(); }); });
    connect(kaufen_, &QPushButton::clicked, this,
            [this] { befehl([this] { form_.KVButtonClick(form_.KaufenButton); }); });
    connect(verkaufen_, &QPushButton::clicked, this,
            [this] { befehl([this] { form_.KVButtonClick(form_.VKaufenButton); }); });
    connect(kaufen_, &DrueckKnopf::gedrueckt, this, [this](Qt::MouseButton t) { handelsKnopfGedrueckt(true, t); });
    connect(verkaufen_, &DrueckKnopf::gedrueckt, this,
            [this](Qt::MouseButton t) { handelsKnopfGedrueckt(false, t); });
}

void GutView::inhaltAuffrischen() {
    const QString vorher = menge_->text();
    uebernehmen(menge_, form_.MengeLabel);
    if (menge_->text() != vorher) mengeEinpassen();
    uebernehmen(maxMenge_, form_.MaxMengeLb);
    uebernehmen(groesse_, form_.SizeButton);
    uebernehmen(kaufen_, form_.KaufenButton);
    uebernehmen(verkaufen_, form_.VKaufenButton);
    // Keys for the mouse's buttons, in the window that is active: Alt+K,
    // Alt+V, and Alt+> or Alt+< for ">>" and "<<".
    for (QPushButton* k : {static_cast<QPushButton*>(kaufen_), static_cast<QPushButton*>(verkaufen_), groesse_})
        if (!k->text().isEmpty() && !k->text().contains(QLatin1Char('&'))) k->setText(QLatin1Char('&') + k->text());
    preiseZeigen();
}

void GutView::preiseZeigen() {
    // Today's prices head the trade buttons' hints, read from the price list.
    QString kauf, verkauf;
    sicher([&] {
        kauf = kernText(form_.preisHinweis(true));
        verkauf = kernText(form_.preisHinweis(false));
    });
    auto davor = [](QPushButton* k, const QString& zeile) {
        if (zeile.isEmpty()) return;
        k->setToolTip(k->toolTip().isEmpty() ? zeile : zeile + QLatin1Char('\n') + k->toolTip());
    };
    davor(kaufen_, kauf);
    davor(verkaufen_, verkauf);
    if (!kauf.isEmpty() || !verkauf.isEmpty()) {
        QString zeilen = groesse_->toolTip();
        for (const QString& z : {kauf, verkauf})
            if (!z.isEmpty()) zeilen += (zeilen.isEmpty() ? QString() : QStringLiteral("\n")) + z;
        groesse_->setToolTip(zeilen);
    }
}

void GutView::mengeEinpassen() {
    // A long stock ("700 DZentner") would run under the ">>" button, and the
    // silos have no room below for a second line: the text gets smaller,
    // down to a size still readable, and only then breaks.
    const int platz = groesse_->x() - menge_->x() - 2;
    QFont schrift = inhalt()->font();
    const qreal normal = schrift.pointSizeF();
    for (qreal groesse = normal; groesse >= 6; groesse -= 0.5) {
        schrift.setPointSizeF(groesse);
        if (QFontMetrics(schrift).horizontalAdvance(menge_->text()) <= platz) break;
    }
    const bool passt = QFontMetrics(schrift).horizontalAdvance(menge_->text()) <= platz;
    if (schrift.pointSizeF() == normal)
        menge_->setFont(QFont());
    else
        menge_->setFont(schrift);
    menge_->setWordWrap(!passt);
    if (passt)
        menge_->adjustSize();
    else
        menge_->resize(platz, menge_->heightForWidth(platz));
}
