#include "ui/views/hofbuchfenster.h"

#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <map>

#include "app/hofbuch.h"
#include "market/preiseform.h"

namespace {

using Art = HofbuchSpalte::Art;

QString geld(int64_t cents) {
    return QLocale(QLocale::German).toString(static_cast<double>(cents) / 100.0, 'f', 2);
}

QString kurz(double w) {
    const double b = std::abs(w);
    const QLocale de(QLocale::German);
    if (b >= 1e6) return de.toString(w / 1e6, 'f', 1) + QStringLiteral(" Mio.");
    if (b >= 1e4) return de.toString(w / 1e3, 'f', 0) + QStringLiteral(" Tsd.");
    return de.toString(w, 'f', b < 10 && w != std::floor(w) ? 2 : 0);
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
    const QRectF plot = r.adjusted(fm.horizontalAdvance(QStringLiteral("-888 Tsd.")) + 6, fm.height() + 4, -6,
                                   -fm.height() - 4);
    p.setPen(grenze);
    p.drawRect(plot);
    if (v.werte.empty() || plot.width() < 4 || plot.height() < 4) {
        p.drawText(plot, Qt::AlignCenter, QStringLiteral("Noch kein Monat verbucht"));
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
    const auto x = [&](std::size_t i) {
        return anzahl == 1 ? plot.center().x()
                           : plot.left() + plot.width() * static_cast<double>(i) / static_cast<double>(anzahl - 1);
    };
    const auto y = [&](double w) { return plot.bottom() - plot.height() * (w - lo) / (hi - lo); };

    // The years along the bottom, a thin line at every January; a label
    // that would run into the next one or off the chart is left out.
    double frei = plot.left();
    for (std::size_t i = 0; i < jahre_.size() && i < anzahl; ++i) {
        if (jahre_[i].isEmpty()) continue;
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(x(i), plot.top()), QPointF(x(i), plot.bottom()));
        const double breite = fm.horizontalAdvance(jahre_[i]);
        if (x(i) + 2 < frei || x(i) + 2 + breite > plot.right()) continue;
        p.setPen(Qt::darkGray);
        p.drawText(QPointF(x(i) + 2, plot.bottom() + fm.ascent() + 2), jahre_[i]);
        frei = x(i) + 2 + breite + 4;
    }
    p.setPen(Qt::darkGray);
    p.drawText(QRectF(r.left(), plot.top() - fm.height() / 2, plot.left() - r.left() - 4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, kurz(hi - rand));
    p.drawText(QRectF(r.left(), plot.bottom() - fm.height() / 2, plot.left() - r.left() - 4, fm.height()),
               Qt::AlignRight | Qt::AlignVCenter, kurz(lo + rand));
    if (lo < 0 && hi > 0) {
        p.setPen(QPen(grenze, 1, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y(0)), QPointF(plot.right(), y(0)));
        if (y(0) - plot.top() > 1.5 * fm.height() && plot.bottom() - y(0) > 1.5 * fm.height()) {
            p.setPen(Qt::darkGray);
            p.drawText(QRectF(r.left(), y(0) - fm.height() / 2, plot.left() - r.left() - 4, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
        }
    }

    const auto grenzLinie = [&](const std::vector<double>& g) {
        QPolygonF pl;
        for (std::size_t i = 0; i < anzahl; ++i) pl << QPointF(x(i), y(g.size() == 1 ? g[0] : g[std::min(i, g.size() - 1)]));
        return pl;
    };
    // The band the value may move in, shaded, its edges dashed.
    if (!v.oben.empty() && !v.unten.empty()) {
        QPolygonF band = grenzLinie(v.oben);
        QPolygonF unten = grenzLinie(v.unten);
        std::reverse(unten.begin(), unten.end());
        band << unten;
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
    QPolygonF kurve;
    kurve.reserve(static_cast<qsizetype>(anzahl));
    for (std::size_t i = 0; i < anzahl; ++i) kurve << QPointF(x(i), y(v.werte[i]));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(linie, 1));
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
    setWindowTitle(QStringLiteral("Hofbuch"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(reiter_);
    reiter_->addTab(guthaben_, QStringLiteral("Guthaben"));
    reiter_->addTab(preise_, QStringLiteral("Preise"));
    reiter_->addTab(tiere_, QStringLiteral("Tiere"));
    reiter_->addTab(lager_, QStringLiteral("Lager"));
    reiter_->addTab(jahre_, QStringLiteral("Jahre"));
    jahre_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    jahre_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    resize(1000, 660);
    auffrischen();
    buch_.geaendert = [this] { auffrischen(); };
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

    guthaben_->setzen({{QStringLiteral("Guthaben am Monatsende (EUR)"), reihe(buch_.spalte(Art::ende), 100), {}, {}}},
                      jahre);

    std::vector<Verlauf> preise;
    for (int32_t g = 0; g < anzahlGueter; ++g) {
        const int32_t s = buch_.spalte(Art::preis, g);
        Verlauf v{QString::fromStdString(spalten[static_cast<std::size_t>(s)].name), reihe(s, 100), {}, {}};
        if (PreiseForm) {
            v.titel += QStringLiteral(" (EUR/") + QString::fromStdString(PreiseForm->einheit[static_cast<std::size_t>(g)]) + ")";
            v.oben = {PreiseForm->maxPreis[static_cast<std::size_t>(g)] / 100.0};
            v.unten = {PreiseForm->minPreis[static_cast<std::size_t>(g)] / 100.0};
        }
        preise.push_back(std::move(v));
    }
    preise_->setzen(std::move(preise), jahre);

    std::vector<Verlauf> tiere;
    std::vector<Verlauf> lager;
    for (int32_t nr = 0; nr < 4; ++nr) {
        const int32_t t = buch_.spalte(Art::tiere, nr);
        QString name = QString::fromStdString(spalten[static_cast<std::size_t>(t)].name);
        tiere.push_back({name, reihe(t, 1), {}, {}, true});
        const int32_t b = buch_.spalte(Art::bestand, nr);
        name = QString::fromStdString(spalten[static_cast<std::size_t>(b)].name);
        name.replace(QStringLiteral(" Bestand"), QStringLiteral(" (Bestand und Kapazität)"));
        lager.push_back({name, reihe(b, 1), reihe(buch_.spalte(Art::kapazitaet, nr), 1), {0.0}});
    }
    tiere_->setzen(std::move(tiere), jahre);
    lager_->setzen(std::move(lager), std::move(jahre));
    jahreFuellen();
}

void HofbuchFenster::jahreFuellen() {
    const auto& spalten = buch_.spalten();
    std::map<int32_t, std::vector<int64_t>> summen;  // year -> per column
    for (const HofbuchZeile& z : buch_.zeilen()) {
        auto& s = summen[z.jahr];
        s.resize(spalten.size(), 0);
        for (std::size_t i = 0; i < spalten.size(); ++i)
            if (spalten[i].art == Art::buchung) s[i] += z.werte[i];
    }
    // Only the kinds that ever moved money, then the year's sums.
    std::vector<std::size_t> arten;
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        if (spalten[i].art != Art::buchung) continue;
        if (std::any_of(summen.begin(), summen.end(), [i](const auto& j) { return j.second[i] != 0; }))
            arten.push_back(i);
    }
    std::vector<int64_t> einnahmen, ausgaben, ergebnis;
    for (const auto& [jahr, s] : summen) {
        int64_t ein = 0, aus = 0;
        for (std::size_t i : arten) (s[i] > 0 ? ein : aus) += s[i];
        einnahmen.push_back(ein);
        ausgaben.push_back(aus);
        ergebnis.push_back(ein + aus);
    }

    jahre_->clear();
    jahre_->setColumnCount(static_cast<int>(summen.size()));
    jahre_->setRowCount(static_cast<int>(arten.size()) + 3);
    // The year's result first, where the eye lands; the kinds below.
    QStringList zeilenKoepfe{QStringLiteral("Ergebnis"), QStringLiteral("Einnahmen"), QStringLiteral("Ausgaben")};
    for (std::size_t i : arten) zeilenKoepfe << QString::fromStdString(spalten[i].name);
    jahre_->setVerticalHeaderLabels(zeilenKoepfe);

    // The best and the worst year by the result, once there are two to
    // compare: among the whole years when there are two of them, for the
    // first year of a game has ten months and the running one fewer.
    std::vector<int> monateJeJahr;
    for (const auto& [jahr, s] : summen)
        monateJeJahr.push_back(static_cast<int>(std::count_if(
            buch_.zeilen().begin(), buch_.zeilen().end(), [jahr](const HofbuchZeile& z) { return z.jahr == jahr; })));
    const bool nurGanze = std::count(monateJeJahr.begin(), monateJeJahr.end(), 12) >= 2;
    int bestes = -1, schlechtestes = -1;
    for (int j = 0; j < static_cast<int>(ergebnis.size()) && ergebnis.size() >= 2; ++j) {
        if (nurGanze && monateJeJahr[static_cast<std::size_t>(j)] != 12) continue;
        const int64_t e = ergebnis[static_cast<std::size_t>(j)];
        if (bestes < 0 || e > ergebnis[static_cast<std::size_t>(bestes)]) bestes = j;
        if (schlechtestes < 0 || e < ergebnis[static_cast<std::size_t>(schlechtestes)]) schlechtestes = j;
    }
    QStringList spaltenKoepfe;
    int spalte = 0;
    for (const auto& [jahr, s] : summen) {
        QString kopf = QString::number(jahr);
        QColor farbe;
        if (spalte == bestes) {
            kopf += QStringLiteral("\nbestes Jahr");
            farbe = QColor(210, 240, 200);
        } else if (spalte == schlechtestes) {
            kopf += QStringLiteral("\nschlechtestes Jahr");
            farbe = QColor(248, 215, 205);
        }
        spaltenKoepfe << kopf;
        int zeile = 0;
        const auto eintragen = [&](int64_t wert, bool fett) {
            auto* item = new QTableWidgetItem(geld(wert));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (farbe.isValid()) item->setBackground(farbe);
            if (wert < 0) item->setForeground(QColor(160, 0, 0));
            if (fett) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            jahre_->setItem(zeile++, spalte, item);
        };
        const auto j = static_cast<std::size_t>(spalte);
        eintragen(ergebnis[j], true);
        eintragen(einnahmen[j], true);
        eintragen(ausgaben[j], true);
        for (std::size_t i : arten) eintragen(s[i], false);
        ++spalte;
    }
    jahre_->setHorizontalHeaderLabels(spaltenKoepfe);
    jahre_->resizeColumnsToContents();
}
