#include "ui/views/hofbuchfenster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStaticText>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>

#include "hofbuch/hofbuch.h"
#include "spielstand/spielstand.h"
#include "market/preiseform.h"
#include "ui/hilfetaste.h"
#include "ui/nachrichten.h"
#include "ui/sicher.h"

namespace {

using Art = HofbuchSpalte::Art;

QString geld(int64_t cents) {
    return QLocale(QLocale::German).toString(static_cast<double>(cents) / 100.0, 'f', 2);
}

QString kurz(double w) {
    const double b = std::abs(w);
    const QLocale de(QLocale::German);
    if (b >= 1e6) return de.toString(w / 1e6, 'f', 1) + QCoreApplication::translate("HofbuchFenster", " Mio.");
    if (b >= 1e4) return de.toString(w / 1e3, 'f', 0) + QCoreApplication::translate("HofbuchFenster", " Tsd.");
    return de.toString(w, 'f', b < 10 && w != std::floor(w) ? 2 : 0);
}

// A line through n values (a bound given per month), at most two points per
// pixel column: the lowest and the highest of the months that fall on it, in
// their order.
template <class X, class Y>
QPolygonF verdichtet(std::size_t n, X x, Y y) {
    QPolygonF pl;
    for (std::size_t i = 0; i < n;) {
        const double spalte = std::floor(x(i));
        std::size_t lo = i, hi = i, j = i + 1;
        for (; j < n && std::floor(x(j)) == spalte; ++j) {
            if (y(j) < y(lo)) lo = j;
            if (y(j) > y(hi)) hi = j;
        }
        if (j == i + 1) {
            pl << QPointF(x(i), y(i));
        } else {
            pl << QPointF(spalte, y(std::min(lo, hi)));
            if (lo != hi) pl << QPointF(spalte, y(std::max(lo, hi)));
        }
        i = j;
    }
    return pl;
}

const QColor linie(0, 100, 0);
const QColor grenze(150, 150, 150);
const QColor flaeche(232, 244, 226);

}  // namespace

Verlaufsbild::Verlaufsbild(int spalten, QWidget* parent) : QWidget(parent), spalten_(spalten) {
    setMinimumSize(300, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Verlaufsbild::setzen(std::vector<Verlauf> verlaeufe, std::vector<QString> jahre) {
    verlaeufe_ = std::move(verlaeufe);
    jahre_ = std::move(jahre);
    update();
}

void Verlaufsbild::anhaengen(const std::vector<double>& werte, const std::vector<double>& oben, const QString& jahr) {
    for (std::size_t i = 0; i < verlaeufe_.size() && i < werte.size(); ++i) {
        Verlauf& v = verlaeufe_[i];
        v.werte.push_back(werte[i]);
        if (v.obenJeMonat && i < oben.size()) v.oben.push_back(oben[i]);
    }
    jahre_.push_back(jahr);
    update();
}

const QStaticText& Verlaufsbild::beschriftung(const QString& jahr) const {
    auto it = beschriftungen_.find(jahr);
    if (it == beschriftungen_.end()) {
        it = beschriftungen_.insert(jahr, QStaticText(jahr));
        it->prepare(QTransform(), font());
    }
    return *it;
}

void Verlaufsbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (verlaeufe_.empty()) return;
    const int n = static_cast<int>(verlaeufe_.size());
    const int spalten = std::min(spalten_, n);
    const int zeilen = (n + spalten - 1) / spalten;
    const double b = static_cast<double>(width()) / spalten;
    const double h = static_cast<double>(height()) / zeilen;
    for (int i = 0; i < n; ++i)
        zeichne(p, QRectF((i % spalten) * b, (i / spalten) * h, b, h).adjusted(4, 4, -4, -4),
                verlaeufe_[static_cast<std::size_t>(i)]);
}

void Verlaufsbild::zeichne(QPainter& p, const QRectF& r, const Verlauf& v) const {
    const QFontMetricsF fm(font());
    p.setPen(Qt::black);
    p.drawText(r.adjusted(0, 0, 0, -r.height() + fm.height()), Qt::AlignHCenter | Qt::AlignTop, v.titel);
    const QString breiteste = QCoreApplication::translate("HofbuchFenster", "-888 Tsd.");
    const QRectF plot = r.adjusted(fm.horizontalAdvance(breiteste) + 6, fm.height() + 4, -6, -fm.height() - 4);
    p.setPen(grenze);
    p.drawRect(plot);
    if (v.werte.empty() || plot.width() < 4 || plot.height() < 4) {
        p.drawText(plot, Qt::AlignCenter, QCoreApplication::translate("HofbuchFenster", "Noch kein Monat verbucht"));
        return;
    }

    double lo = *std::min_element(v.werte.begin(), v.werte.end());
    double hi = *std::max_element(v.werte.begin(), v.werte.end());
    for (const auto* g : {&v.oben, &v.unten})
        for (double w : *g) {
            lo = std::min(lo, w);
            hi = std::max(hi, w);
        }
    if (v.abNull) {
        lo = std::min(lo, 0.0);
        hi = std::max(hi, 0.0);
    }
    if (hi - lo < 1e-9) {
        hi += 1;
        lo -= 1;
    }
    const double rand = (hi - lo) * 0.05;
    hi += rand;
    lo -= rand;
    const std::size_t anzahl = v.werte.size();
    const double links = anzahl == 1 ? plot.center().x() : plot.left();
    const double jeMonat = anzahl == 1 ? 0.0 : plot.width() / static_cast<double>(anzahl - 1);
    const double jeEinheit = plot.height() / (hi - lo);
    const double grund = plot.bottom();
    const auto x = [=](std::size_t i) { return links + jeMonat * static_cast<double>(i); };
    const auto y = [=](double w) { return grund - jeEinheit * (w - lo); };

    // The years along the bottom, a thin line at every January (every
    // second, fifth, tenth … where they would stand closer than six pixels);
    // a label that would run into the next one or off the chart is left
    // out. All lines in one go, and only labels with room measured: a
    // century has a hundred Januaries.
    int schritt = 1;
    for (int s : {2, 5, 10, 20, 50, 100})
        if (jeMonat * 12 * schritt < 6) schritt = s;
    double frei = plot.left();
    QVector<QRectF> januare;
    std::vector<std::pair<QPointF, const QStaticText*>> beschriftet;
    for (std::size_t i = 0; i < jahre_.size() && i < anzahl; ++i) {
        if (jahre_[i].isEmpty() || (schritt > 1 && i > 0 && jahre_[i].toInt() % schritt != 0)) continue;
        januare << QRectF(std::floor(x(i)), plot.top(), 1, plot.height());
        if (x(i) + 2 < frei) continue;
        const QStaticText& text = beschriftung(jahre_[i]);
        const double breite = text.size().width();
        if (x(i) + 2 + breite > plot.right()) continue;
        beschriftet.emplace_back(QPointF(x(i) + 2, plot.bottom() + 2), &text);
        frei = x(i) + 2 + breite + 4;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 225, 225));
    p.drawRects(januare);
    p.setBrush(Qt::NoBrush);
    p.setPen(Qt::darkGray);
    for (const auto& [punkt, text] : beschriftet) p.drawStaticText(punkt, *text);
    // The highest and the lowest value, each at its own height: at the
    // plot's edges they would stand for the margin around them (a lowest
    // balance of 49 EUR below the zero line read as -49).
    p.setPen(Qt::darkGray);
    const auto marke = [&](double w, const QString& text) {
        p.drawText(QRectF(r.left(), y(w) - fm.height() / 2, plot.left() - r.left() - 4, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, text);
    };
    const double oben = hi - rand;
    const double unten = lo + rand;
    marke(oben, kurz(oben));
    if (y(unten) - y(oben) > fm.height()) marke(unten, kurz(unten));
    if (lo < 0 && hi > 0) {
        p.setPen(QPen(grenze, 1, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
        if (y(0) - y(oben) > 1.2 * fm.height() && y(unten) - y(0) > 1.2 * fm.height()) {
            p.setPen(Qt::darkGray);
            p.drawText(QRectF(r.left(), y(0) - fm.height() / 2, plot.left() - r.left() - 4, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
        }
    }

    const auto grenzLinie = [&](const std::vector<double>& g) {
        if (g.size() == 1 && !v.obenJeMonat) return QPolygonF{QPointF(x(0), y(g[0])), QPointF(x(anzahl - 1), y(g[0]))};
        return verdichtet(anzahl, x, [&](std::size_t i) { return y(g[std::min(i, g.size() - 1)]); });
    };
    // The band the value may move in, shaded, its edges dashed.
    if (!v.oben.empty() && !v.unten.empty()) {
        QPolygonF band = grenzLinie(v.oben);
        QPolygonF rueck = grenzLinie(v.unten);
        std::reverse(rueck.begin(), rueck.end());
        band << rueck;
        p.setPen(Qt::NoPen);
        p.setBrush(flaeche);
        p.drawPolygon(band);
        p.setBrush(Qt::NoBrush);
    }
    p.setPen(QPen(grenze, 1, Qt::DashLine));
    for (const auto* g : {&v.oben, &v.unten})
        if (!g->empty()) p.drawPolyline(grenzLinie(*g));

    // Only the curve is smoothed, and drawn with Qt's one-pixel fast path:
    // the grid and bounds are straight, and a wider smoothed line costs ten
    // times the rest of the chart. Twice, a pixel apart, for weight.
    p.setPen(QPen(linie, 1));
    if (static_cast<double>(anzahl) > plot.width()) {
        // More months than pixels: a line through them would paint each
        // pixel column from its lowest month to its highest, over and over.
        // The same band is filled once, from the column's lowest value to
        // its highest (and the pixel of weight below), as rectangles of a
        // pixel's width: Qt fills those fastest.
        QVector<QRectF> saeulen;
        double vorherOben = 0, vorherUnten = 0;  // in pixels, the top the smaller
        for (std::size_t i = 0; i < anzahl;) {
            const double spalte = std::floor(x(i));
            double obenY = y(v.werte[i]);
            double untenY = obenY;
            std::size_t j = i + 1;
            for (; j < anzahl && std::floor(x(j)) == spalte; ++j) {
                obenY = std::min(obenY, y(v.werte[j]));
                untenY = std::max(untenY, y(v.werte[j]));
            }
            // Joined to the column before, as the line would be.
            const double von = std::floor(i == 0 ? obenY : std::min(obenY, vorherUnten));
            const double bis = std::floor(i == 0 ? untenY : std::max(untenY, vorherOben));
            saeulen << QRectF(spalte, von, 1, bis - von + 2);
            vorherOben = obenY;
            vorherUnten = untenY;
            i = j;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(linie);
        p.drawRects(saeulen);
        p.setBrush(Qt::NoBrush);
        return;
    }
    QPolygonF kurve;
    kurve.reserve(static_cast<qsizetype>(anzahl));
    for (std::size_t i = 0; i < anzahl; ++i) kurve << QPointF(x(i), y(v.werte[i]));
    p.setRenderHint(QPainter::Antialiasing);
    if (anzahl == 1) {
        p.drawEllipse(kurve.front(), 2, 2);
    } else {
        p.drawPolyline(kurve);
        kurve.translate(0, 1);
        p.drawPolyline(kurve);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

HofbuchFenster::HofbuchFenster(Hofbuch& buch, QWidget* parent)
    : QWidget(parent, Qt::Window),
      buch_(buch),
      reiter_(new QTabWidget(this)),
      guthaben_(new Verlaufsbild(1)),
      preise_(new Verlaufsbild(4)),
      tiere_(new Verlaufsbild(2)),
      lager_(new Verlaufsbild(2)),
      jahre_(new QTableWidget) {
    setWindowTitle(tr("Hofbuch"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(reiter_);
    reiter_->addTab(guthaben_, tr("Guthaben"));
    reiter_->addTab(preise_, tr("Preise"));
    reiter_->addTab(tiere_, tr("Tiere"));
    reiter_->addTab(lager_, tr("Lager"));
    reiter_->addTab(jahre_, tr("Jahre"));
    // The book for spreadsheets of another language, beside the file the
    // game keeps.
    auto* knoepfe = new QHBoxLayout;
    auto* exportKnopf = new QPushButton(tr("Für Tabellenprogramme &exportieren …"), this);
    exportKnopf->setObjectName(QStringLiteral("exportieren"));
    knoepfe->addStretch();
    knoepfe->addWidget(exportKnopf);
    layout->addLayout(knoepfe);
    connect(exportKnopf, &QPushButton::clicked, this, [this] { exportierenFragen(); });
    jahre_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jahre_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    resize(1000, 660);

    const auto quelle = [this](Art art, int32_t nr, double teiler) { return Quelle{buch_.spalte(art, nr), teiler}; };
    std::vector<Quelle> preise, tiere, lager;
    for (int32_t g = 0; g < anzahlGueter; ++g) preise.push_back(quelle(Art::preis, g, 100));
    for (int32_t nr = 0; nr < 4; ++nr) {
        tiere.push_back(quelle(Art::tiere, nr, 1));
        lager.push_back({buch_.spalte(Art::bestand, nr), 1, buch_.spalte(Art::kapazitaet, nr)});
    }
    quellen_ = {{guthaben_, {quelle(Art::ende, 0, 100)}}, {preise_, preise}, {tiere_, tiere}, {lager_, lager}};
    auffrischen();
    buch_.geaendert = [this](bool neu) {
        if (neu)
            auffrischen();
        else
            monatAnhaengen();
    };
}

bool HofbuchFenster::event(QEvent* e) {
    // F1 is the frame's shortcut too; here it belongs to the window, even
    // when the frame is what the system thinks active (so no hilfeTaste).
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->key() == Qt::Key_F1 || k->key() == Qt::Key_Escape) && k->modifiers() == Qt::NoModifier) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

void HofbuchFenster::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        e->accept();
        close();
        return;
    }
    if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
        e->accept();
        sicher([this] { hilfeOeffnen(this, QStringLiteral("hofbuch")); });
        return;
    }
    QWidget::keyPressEvent(e);
}

void HofbuchFenster::monatAnhaengen() {
    const auto& zeilen = buch_.zeilen();
    if (zeilen.size() != gezeigt_ + 1) {
        auffrischen();
        return;
    }
    const HofbuchZeile& z = zeilen.back();
    const QString jahr = gezeigt_ == 0 || z.monat == 1 ? QString::number(z.jahr) : QString();
    for (auto& [bild, quellen] : quellen_) {
        std::vector<double> werte, oben;
        for (const Quelle& q : quellen) {
            werte.push_back(q.spalte < 0 ? 0.0 : static_cast<double>(z.werte[static_cast<std::size_t>(q.spalte)]) / q.teiler);
            oben.push_back(q.oben < 0 ? 0.0 : static_cast<double>(z.werte[static_cast<std::size_t>(q.oben)]) / q.teiler);
        }
        bild->anhaengen(werte, oben, jahr);
    }
    gezeigt_ = zeilen.size();

    // The table: the running year's sums, or a new year's column.
    const auto& spalten = buch_.spalten();
    if (jahreDaten_.empty() || jahreDaten_.back().jahr != z.jahr) {
        jahreDaten_.push_back({z.jahr, 0, std::vector<int64_t>(spalten.size(), 0)});
        jahre_->insertColumn(jahre_->columnCount());
    }
    Jahr& j = jahreDaten_.back();
    ++j.monate;
    bool neueArt = false;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        if (spalten[i].art != Art::buchung) continue;
        j.summen[i] += z.werte[i];
        if (z.werte[i] != 0 && std::find(arten_.begin(), arten_.end(), i) == arten_.end()) neueArt = true;
    }
    // A kind that never moved money before brings a row of its own.
    if (neueArt) {
        jahreFuellen();
        return;
    }
    jahrEintragen(jahreDaten_.size() - 1);
    besteJahre();
}

HofbuchFenster::~HofbuchFenster() { buch_.geaendert = nullptr; }

void HofbuchFenster::auffrischen() {
    const auto& zeilen = buch_.zeilen();
    const auto& spalten = buch_.spalten();
    std::vector<QString> jahre;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        jahre.push_back(i == 0 || zeilen[i].monat == 1 ? QString::number(zeilen[i].jahr) : QString());
    const auto reihe = [&zeilen](int32_t spalte, double teiler) {
        std::vector<double> w;
        if (spalte < 0) return w;
        w.reserve(zeilen.size());
        for (const HofbuchZeile& z : zeilen) w.push_back(static_cast<double>(z.werte[static_cast<std::size_t>(spalte)]) / teiler);
        return w;
    };
    const auto name = [&spalten](int32_t spalte) {
        return spalte < 0 ? QString() : kernText(spalten[static_cast<std::size_t>(spalte)].name);
    };

    for (auto& [bild, quellen] : quellen_) {
        std::vector<Verlauf> verlaeufe;
        for (std::size_t i = 0; i < quellen.size(); ++i) {
            const Quelle& q = quellen[i];
            Verlauf v{name(q.spalte), reihe(q.spalte, q.teiler), {}, {}};
            if (bild == guthaben_) {
                v.titel = tr("Guthaben am Monatsende (EUR)");
            } else if (bild == preise_ && PreiseForm) {
                v.titel += tr(" (EUR/%1)").arg(kernText(PreiseForm->einheit[i]));
                v.oben = {PreiseForm->maxPreis[i] / 100.0};
                v.unten = {PreiseForm->minPreis[i] / 100.0};
            } else if (bild == tiere_) {
                v.abNull = true;
            } else if (bild == lager_) {
                // The store's name without " Bestand", in the player's language.
                std::string lagerName = q.spalte < 0 ? std::string() : spalten[static_cast<std::size_t>(q.spalte)].name;
                if (lagerName.ends_with(" Bestand")) lagerName.resize(lagerName.size() - 8);
                v.titel = kernText(lagerName) + tr(" (Bestand und Kapazität)");
                v.oben = reihe(q.oben, q.teiler);
                v.unten = {0.0};
                v.obenJeMonat = true;
            }
            verlaeufe.push_back(std::move(v));
        }
        bild->setzen(std::move(verlaeufe), jahre);
    }
    gezeigt_ = zeilen.size();
    jahreFuellen();
}

void HofbuchFenster::jahreFuellen() {
    const auto& spalten = buch_.spalten();
    jahreDaten_.clear();
    for (const HofbuchZeile& z : buch_.zeilen()) {
        if (jahreDaten_.empty() || jahreDaten_.back().jahr != z.jahr)
            jahreDaten_.push_back({z.jahr, 0, std::vector<int64_t>(spalten.size(), 0)});
        Jahr& j = jahreDaten_.back();
        ++j.monate;
        for (std::size_t i = 0; i < spalten.size(); ++i)
            if (spalten[i].art == Art::buchung) j.summen[i] += z.werte[i];
    }
    // Only the kinds that ever moved money, then the year's sums.
    arten_.clear();
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        if (spalten[i].art != Art::buchung) continue;
        if (std::any_of(jahreDaten_.begin(), jahreDaten_.end(), [i](const Jahr& j) { return j.summen[i] != 0; }))
            arten_.push_back(i);
    }

    jahre_->clear();
    jahre_->setColumnCount(static_cast<int>(jahreDaten_.size()));
    jahre_->setRowCount(static_cast<int>(arten_.size()) + 3);
    // The year's result first, where the eye lands; the kinds below.
    QStringList zeilenKoepfe{tr("Ergebnis"), tr("Einnahmen"), tr("Ausgaben")};
    for (std::size_t i : arten_) zeilenKoepfe << kernText(spalten[i].name);
    jahre_->setVerticalHeaderLabels(zeilenKoepfe);
    bestes_ = schlechtestes_ = -1;
    for (std::size_t j = 0; j < jahreDaten_.size(); ++j) jahrEintragen(j);
    besteJahre();
}

void HofbuchFenster::jahrEintragen(std::size_t j) {
    const Jahr& jahr = jahreDaten_[j];
    int64_t ein = 0, aus = 0;
    for (std::size_t i : arten_) (jahr.summen[i] > 0 ? ein : aus) += jahr.summen[i];
    const int spalte = static_cast<int>(j);
    const QColor farbe = spalte == bestes_         ? QColor(210, 240, 200)
                         : spalte == schlechtestes_ ? QColor(248, 215, 205)
                                                    : QColor();
    int zeile = 0;
    const auto eintragen = [&](int64_t wert, bool fett) {
        QTableWidgetItem* item = jahre_->item(zeile, spalte);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (fett) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            jahre_->setItem(zeile, spalte, item);
        }
        item->setText(geld(wert));
        item->setBackground(farbe.isValid() ? QBrush(farbe) : QBrush());
        item->setForeground(wert < 0 ? QBrush(QColor(160, 0, 0)) : QBrush());
        ++zeile;
    };
    eintragen(ein + aus, true);
    eintragen(ein, true);
    eintragen(aus, true);
    for (std::size_t i : arten_) eintragen(jahr.summen[i], false);
    QString kopf = QString::number(jahr.jahr);
    if (spalte == bestes_) kopf += tr("\nbestes Jahr");
    if (spalte == schlechtestes_) kopf += tr("\nschlechtestes Jahr");
    auto* kopfItem = jahre_->horizontalHeaderItem(spalte);
    if (!kopfItem) jahre_->setHorizontalHeaderItem(spalte, kopfItem = new QTableWidgetItem);
    kopfItem->setText(kopf);
    jahre_->resizeColumnToContents(spalte);
}

void HofbuchFenster::besteJahre() {
    // The best and the worst year by the result, among the whole years
    // only, once there are two of them: the first year of a game has ten
    // months, the running one fewer.
    int bestes = -1, schlechtestes = -1;
    std::vector<int64_t> ergebnis;
    for (const Jahr& j : jahreDaten_) {
        int64_t e = 0;
        for (std::size_t i : arten_) e += j.summen[i];
        ergebnis.push_back(e);
    }
    if (std::count_if(jahreDaten_.begin(), jahreDaten_.end(), [](const Jahr& j) { return j.monate == 12; }) >= 2) {
        for (int j = 0; j < static_cast<int>(jahreDaten_.size()); ++j) {
            if (jahreDaten_[static_cast<std::size_t>(j)].monate != 12) continue;
            const int64_t e = ergebnis[static_cast<std::size_t>(j)];
            if (bestes < 0 || e > ergebnis[static_cast<std::size_t>(bestes)]) bestes = j;
            if (schlechtestes < 0 || e < ergebnis[static_cast<std::size_t>(schlechtestes)]) schlechtestes = j;
        }
    }
    const int altBestes = bestes_, altSchlechtestes = schlechtestes_;
    bestes_ = bestes;
    schlechtestes_ = schlechtestes;
    // Only the columns whose mark changed are written again.
    for (int j : {altBestes, altSchlechtestes, bestes, schlechtestes})
        if (j >= 0 && (altBestes != bestes || altSchlechtestes != schlechtestes)) jahrEintragen(static_cast<std::size_t>(j));
}

bool HofbuchFenster::exportieren(const QString& ziel, QString& fehler) const {
    std::string f;
    if (dateiErsetzen(QFile::encodeName(ziel).toStdString(), buch_.tabelle(), true, f)) return true;
    fehler = QString::fromStdString(f);
    return false;
}

void HofbuchFenster::exportierenFragen() {
    const QString vorschlag = QDir::home().filePath(QStringLiteral("TrevoHofbuch-Tabelle.csv"));
    const QString ziel = QFileDialog::getSaveFileName(this, tr("Hofbuch exportieren"), vorschlag,
                                                      tr("CSV, durch Kommas getrennt (*.csv)"));
    if (ziel.isEmpty()) return;
    QString fehler;
    if (exportieren(ziel, fehler)) return;
    QMessageBox::warning(this, tr("Hofbuch"),
                         tr("Das Hofbuch konnte nicht exportiert werden:\n%1\n\n%2").arg(ziel, fehler));
}
