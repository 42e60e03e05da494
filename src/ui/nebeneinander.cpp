#include "ui/nebeneinander.h"

#include <QRect>

#include <algorithm>

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

// Places the windows that have none yet (an empty rectangle), each at the
// highest, then leftmost, free place beside those placed.
void inLuecken(const std::vector<Stueck>& s, QSize flaeche, std::vector<QRect>& platz) {
    std::vector<QRect> belegt;
    for (const QRect& r : platz)
        if (!r.isNull()) belegt.push_back(r);
    for (std::size_t i : reihenfolge(s)) {
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
            return std::none_of(belegt.begin(), belegt.end(), [&r](const QRect& b) { return b.intersects(r); });
        };
        QRect gewaehlt;
        // First inside the area; then within its width, running beyond the
        // bottom; a window wider than the area goes below everything.
        for (const QPoint& o : orte) {
            const QRect r(o, g);
            if (r.right() < flaeche.width() && r.bottom() < flaeche.height() && frei(r)) {
                gewaehlt = r;
                break;
            }
        }
        if (gewaehlt.isNull()) {
            for (const QPoint& o : orte) {
                const QRect r(o, g);
                if (r.right() < flaeche.width() && frei(r)) {
                    gewaehlt = r;
                    break;
                }
            }
        }
        if (gewaehlt.isNull()) {
            int unten = 0;
            for (const QRect& b : belegt) unten = std::max(unten, b.bottom() + 1);
            gewaehlt = QRect(QPoint(0, unten), g);
        }
        belegt.push_back(gewaehlt);
        platz[i] = gewaehlt;
    }
}

bool passt(const std::vector<QRect>& platz, QSize flaeche) {
    return std::all_of(platz.begin(), platz.end(), [flaeche](const QRect& r) {
        return r.right() < flaeche.width() && r.bottom() < flaeche.height();
    });
}

}  // namespace

std::vector<QPoint> nebeneinander(const std::vector<Stueck>& stuecke, QSize flaeche) {
    // The named kinds in rows; a window of another kind into a free place
    // beside them. Where the rows do not fit, every window finds its place.
    constexpr int sonstige = 4;
    std::vector<Stueck> benannt = stuecke;
    for (Stueck& st : benannt)
        if (st.reihe >= sonstige) st.groesse = QSize(0, 0);
    std::vector<QRect> platz = inReihen(benannt, flaeche.width());
    for (std::size_t i = 0; i < platz.size(); ++i)
        if (stuecke[i].reihe >= sonstige) platz[i] = QRect();
    if (!passt(platz, flaeche)) platz.assign(stuecke.size(), QRect());
    inLuecken(stuecke, flaeche, platz);
    // A window that found no free place lies over others rather than
    // beyond the area, where only the scroll bars would reach it.
    std::vector<QPoint> orte;
    orte.reserve(platz.size());
    for (const QRect& r : platz)
        orte.emplace_back(std::max(0, std::min(r.left(), flaeche.width() - r.width())),
                          std::max(0, std::min(r.top(), flaeche.height() - r.height())));
    return orte;
}
