#include "ui/nebeneinander.h"

#include <QRect>

#include <algorithm>
#include <utility>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "fields/felderform.h"
#include "goods/siloform.h"
#include "livestock/tierform.h"
#include "market/preiseform.h"

int reiheVon(const TkindForm& f) {
    if (dynamic_cast<const TKontrollForm*>(&f) || dynamic_cast<const TKontoForm*>(&f) ||
        dynamic_cast<const TPreiseForm*>(&f))
        return 0;
    if (dynamic_cast<const TSiloForm*>(&f)) return 1;
    if (dynamic_cast<const TtierForm*>(&f)) return 2;
    if (dynamic_cast<const TFelderForm*>(&f)) return 3;
    return 4;
}

namespace {

// The windows in the order they are placed: by row, and within a row as given.
std::vector<std::size_t> reihenfolge(const std::vector<Stueck>& s) {
    std::vector<std::size_t> r(s.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = i;
    std::stable_sort(r.begin(), r.end(), [&s](std::size_t a, std::size_t b) { return s[a].reihe < s[b].reihe; });
    return r;
}

std::vector<QRect> inReihen(const std::vector<Stueck>& s, int breite) {
    std::vector<QRect> platz(s.size());
    int x = 0, y = 0, zeilenEnde = 0, unten = 0, reihe = -1;
    for (std::size_t i : reihenfolge(s)) {
        const QSize g = s[i].groesse;
        if (s[i].reihe != reihe) {
            // Each kind begins a row of its own.
            reihe = s[i].reihe;
            x = 0;
            y = unten;
            zeilenEnde = unten;
        } else if (x > 0 && x + g.width() > breite) {
            x = 0;
            y = zeilenEnde;
        }
        platz[i] = QRect(QPoint(x, y), g);
        x += g.width();
        zeilenEnde = std::max(zeilenEnde, y + g.height());
        unten = std::max(unten, zeilenEnde);
    }
    return platz;
}

// What of a window at r no other may cover: its title bar, titel high, or
// all of it.
QRect geschuetzt(const Stueck& st, const QRect& r, int titel) {
    return st.ganzZeigen ? r : QRect(r.left(), r.top(), r.width(), titel);
}

// How much it weighs when that is covered: the control panel as much as a
// few title bars.
int gewichtVon(const Stueck& st) { return st.ganzZeigen ? 4 : 1; }

// The area two rectangles share, and whether they meet at all: QRect's own
// intersected() and intersects(), worked out in place for rectangles of
// some size (the searches below ask many thousand times).
bool positiv(const QRect& r) { return r.width() > 0 && r.height() > 0; }
long long gemeinsam(const QRect& a, const QRect& b) {
    if (!positiv(a) || !positiv(b)) {
        const QRect schnitt = a.intersected(b);
        return static_cast<long long>(schnitt.width()) * schnitt.height();
    }
    const int w = std::min(a.right(), b.right()) - std::max(a.left(), b.left()) + 1;
    const int h = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return w > 0 && h > 0 ? static_cast<long long>(w) * h : 0;
}
bool treffen(const QRect& a, const QRect& b) {
    if (!positiv(a) || !positiv(b)) return a.intersects(b);
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Where a window of size g lies inside the area covering the least of the
// others (belegt): never over what schutz keeps free (a title bar) where the
// area has such a place, so that, lying above those placed before it, it
// leaves every title to be clicked. The highest, then leftmost, of equals;
// stapeln takes the highest such place whatever it covers, so that the
// windows stack from the top with their titles one below the other.
QRect ueberdeckend(QSize g, QSize flaeche, int titel, const std::vector<QRect>& belegt,
                   const std::vector<QRect>& schutz, const std::vector<int>& gewicht, bool stapeln) {
    const auto innen = [](int v, int groesse, int raum) { return std::max(0, std::min(v, raum - groesse)); };
    std::vector<int> xs{innen(0, g.width(), flaeche.width()), innen(flaeche.width() - g.width(), g.width(), flaeche.width())};
    std::vector<int> ys{innen(0, g.height(), flaeche.height()),
                        innen(flaeche.height() - g.height(), g.height(), flaeche.height())};
    for (const QRect& r : belegt) {
        for (const int x : {r.left(), r.right() + 1, r.right() + 1 - g.width(), r.left() - g.width()})
            xs.push_back(innen(x, g.width(), flaeche.width()));
        for (const int y : {r.top(), r.top() + titel, r.bottom() + 1, r.bottom() + 1 - g.height(), r.top() - g.height()})
            ys.push_back(innen(y, g.height(), flaeche.height()));
    }
    // Each place once, highest first, then leftmost: of places that cover
    // equally the first one found is the one to take.
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    QRect beste;
    long long besteKosten = -1;
    for (const int y0 : ys)
        for (const int x0 : xs) {
            const QRect r(QPoint(x0, y0), g);
            long long kosten = 0;
            for (std::size_t k = 0; k < belegt.size() && (besteKosten < 0 || kosten < besteKosten); ++k) {
                if (!stapeln) kosten += gemeinsam(belegt[k], r);
                // A covered title bar counts as more than any body.
                if (treffen(r, schutz[k]))
                    kosten += static_cast<long long>(gewicht[k]) << 40;
            }
            if (besteKosten < 0 || kosten < besteKosten) {
                beste = r;
                besteKosten = kosten;
            }
        }
    return beste;
}

// Places the windows that have none yet (an empty rectangle), each at the
// highest, then leftmost, free place beside those placed; one that finds
// none inside the area lies over the others where it covers least.
void inLuecken(const std::vector<Stueck>& s, QSize flaeche, int titel, const std::vector<std::size_t>& folge,
               std::vector<QRect>& platz, bool stapeln = false) {
    std::vector<QRect> belegt, schutz;
    std::vector<int> gewicht;
    for (std::size_t i = 0; i < platz.size(); ++i)
        if (!platz[i].isNull()) {
            belegt.push_back(platz[i]);
            schutz.push_back(geschuetzt(s[i], platz[i], titel));
            gewicht.push_back(gewichtVon(s[i]));
        }
    for (std::size_t i : folge) {
        if (!platz[i].isNull()) continue;
        const QSize g = s[i].groesse;
        std::vector<QPoint> orte{{0, 0}};
        for (const QRect& r : belegt) {
            orte.emplace_back(r.right() + 1, r.top());
            orte.emplace_back(r.left(), r.bottom() + 1);
            orte.emplace_back(0, r.bottom() + 1);
            orte.emplace_back(r.right() + 1, 0);
        }
        std::sort(orte.begin(), orte.end(),
                  [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
        const auto frei = [&belegt](const QRect& r) {
            return std::none_of(belegt.begin(), belegt.end(), [&r](const QRect& b) { return treffen(b, r); });
        };
        QRect gewaehlt;
        for (const QPoint& o : orte) {
            const QRect r(o, g);
            if (r.right() < flaeche.width() && r.bottom() < flaeche.height() && frei(r)) {
                gewaehlt = r;
                break;
            }
        }
        if (gewaehlt.isNull()) gewaehlt = ueberdeckend(g, flaeche, titel, belegt, schutz, gewicht, stapeln);
        belegt.push_back(gewaehlt);
        schutz.push_back(geschuetzt(s[i], gewaehlt, titel));
        gewicht.push_back(gewichtVon(s[i]));
        platz[i] = gewaehlt;
    }
}

bool passt(const std::vector<QRect>& platz, QSize flaeche) {
    return std::all_of(platz.begin(), platz.end(), [flaeche](const QRect& r) {
        return r.right() < flaeche.width() && r.bottom() < flaeche.height();
    });
}

// How bad windows placed in this order lie: the title bars covered by a
// window above them, then the area covered.
std::pair<int, long long> ueberdeckung(const std::vector<Stueck>& s, const std::vector<QRect>& platz,
                                       const std::vector<std::size_t>& folge, int titel) {
    int titelDeckt = 0;
    long long flaecheDeckt = 0;
    for (std::size_t a = 0; a < folge.size(); ++a)
        for (std::size_t b = a + 1; b < folge.size(); ++b) {
            const QRect& unten = platz[folge[a]];
            const QRect& oben = platz[folge[b]];
            if (treffen(oben, geschuetzt(s[folge[a]], unten, titel))) titelDeckt += gewichtVon(s[folge[a]]);
            flaecheDeckt += gemeinsam(unten, oben);
        }
    return {titelDeckt, flaecheDeckt};
}

}  // namespace

std::vector<QPoint> nebeneinander(const std::vector<Stueck>& stuecke, QSize flaeche, int titel,
                                  std::vector<std::size_t>* stapel) {
    // The named kinds in rows; a window of another kind into a free place
    // beside them. Where the rows do not fit, every window finds its place.
    constexpr int sonstige = 4;
    std::vector<Stueck> benannt = stuecke;
    for (Stueck& st : benannt)
        if (st.reihe >= sonstige) st.groesse = QSize(0, 0);
    std::vector<QRect> platz = inReihen(benannt, flaeche.width());
    for (std::size_t i = 0; i < platz.size(); ++i)
        if (stuecke[i].reihe >= sonstige) platz[i] = QRect();
    std::vector<std::size_t> folge = reihenfolge(stuecke);
    if (passt(platz, flaeche)) {
        inLuecken(stuecke, flaeche, titel, folge, platz);
    } else {
        // Each window where it finds room, in the order of the rows, the
        // map before the goods, or the largest first, over the others where
        // it covers least or stacked from the top: the way that covers the
        // fewest title bars, then the least.
        const auto nach = [&stuecke](auto schluessel) {
            std::vector<std::size_t> f = reihenfolge(stuecke);
            std::stable_sort(f.begin(), f.end(),
                             [&](std::size_t a, std::size_t b) { return schluessel(stuecke[a]) < schluessel(stuecke[b]); });
            return f;
        };
        const std::vector<std::vector<std::size_t>> folgen{
            folge,
            nach([](const Stueck& st) { return st.reihe == 3 ? 0 : st.reihe == 0 ? -1 : st.reihe; }),
            nach([](const Stueck& st) { return st.reihe == 3 ? -1 : st.reihe; }),
            nach([](const Stueck& st) { return -st.groesse.height(); }),
            nach([](const Stueck& st) { return -st.groesse.width() * st.groesse.height(); }),
        };
        std::pair<int, long long> beste{-1, 0};
        for (const bool stapeln : {false, true})
            for (const std::vector<std::size_t>& f : folgen) {
                std::vector<QRect> versuch(stuecke.size());
                inLuecken(stuecke, flaeche, titel, f, versuch, stapeln);
                const auto wie = ueberdeckung(stuecke, versuch, f, titel);
                if (beste.first < 0 || wie < beste) {
                    beste = wie;
                    platz = versuch;
                    folge = f;
                }
            }
    }
    if (stapel) *stapel = folge;
    // Only a window larger than the area runs beyond it, at its right and
    // bottom, where the scroll bars reach it.
    std::vector<QPoint> orte;
    orte.reserve(platz.size());
    for (const QRect& r : platz)
        orte.emplace_back(std::max(0, std::min(r.left(), flaeche.width() - r.width())),
                          std::max(0, std::min(r.top(), flaeche.height() - r.height())));
    return orte;
}
