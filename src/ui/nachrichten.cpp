#include "ui/nachrichten.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#include "geld/kontrollform.h"
#include "rahmen/kerntexte.h"
#include "ui/sprache.h"

namespace {

// The context the core's texts are translated under. A variable, not a
// literal, so that lupdate takes the texts from the core's TREVO_TEXT.
constexpr char kontext[] = "Kern";

QString uebersetzt(const QByteArray& text) { return QCoreApplication::translate(kontext, text.constData()); }

struct Muster {
    QByteArray quelle;         // the German pattern, the key of its translation
    QRegularExpression ausdruck;
    std::vector<int> nummern;  // the value each gap holds: %1 → 0
    // The pattern's letters before its first gap, after its last, and
    // between: a text without them cannot fit, and is not given to the
    // expression (whose first use compiles it, a cost at every start).
    QString anfang;
    QString ende;
    std::vector<QString> stuecke;

    bool kannPassen(const QString& text) const {
        if (!text.startsWith(anfang) || !text.endsWith(ende)) return false;
        for (const QString& s : stuecke)
            if (!text.contains(s)) return false;
        return true;
    }
};

// The patterns as expressions, the most specific (most fixed letters) first,
// so that a general one ("%1: %2") only takes what no other fits.
const std::vector<Muster>& alleMuster() {
    static const std::vector<Muster> liste = [] {
        struct Roh {
            const char* text;
            qsizetype fest;
        };
        std::vector<Roh> roh;
        for (const char* m : texte::muster()) {
            const QString s = QString::fromUtf8(m);
            qsizetype fest = 0;
            for (qsizetype i = 0; i < s.size(); ++i) {
                if (s[i] == QLatin1Char('%') && i + 1 < s.size() && s[i + 1] >= QLatin1Char('1') && s[i + 1] <= QLatin1Char('9'))
                    ++i;
                else
                    ++fest;
            }
            roh.push_back({m, fest});
        }
        std::stable_sort(roh.begin(), roh.end(), [](const Roh& a, const Roh& b) { return a.fest > b.fest; });
        std::vector<Muster> l;
        for (const Roh& r : roh) {
            const QString s = QString::fromUtf8(r.text);
            QString ausdruck = QStringLiteral("^");
            std::vector<int> nummern;
            std::vector<QString> stuecke;
            qsizetype anfang = 0;
            for (qsizetype i = 0; i < s.size(); ++i) {
                if (s[i] == QLatin1Char('%') && i + 1 < s.size() && s[i + 1] >= QLatin1Char('1') && s[i + 1] <= QLatin1Char('9')) {
                    ausdruck += QRegularExpression::escape(s.mid(anfang, i - anfang)) + QStringLiteral("(.+?)");
                    stuecke.push_back(s.mid(anfang, i - anfang));
                    nummern.push_back(s[i + 1].unicode() - '1');
                    anfang = i + 2;
                    ++i;
                }
            }
            ausdruck += QRegularExpression::escape(s.mid(anfang)) + QStringLiteral("$");
            stuecke.push_back(s.mid(anfang));
            const QString vorn = stuecke.front();
            const QString hinten = stuecke.back();
            std::erase_if(stuecke, [](const QString& x) { return x.isEmpty(); });
            l.push_back({QByteArray(r.text), QRegularExpression(ausdruck), std::move(nummern), vorn, hinten,
                         std::move(stuecke)});
        }
        return l;
    }();
    return liste;
}

QString zeile(const QString& text, int tiefe);

// A value read out of a gap: without its spaces at either end, which come
// back around its translation (a right-aligned amount stays right-aligned).
QString wert(const QString& text, int tiefe) {
    qsizetype a = 0;
    qsizetype e = text.size();
    while (a < e && text[a] == QLatin1Char(' ')) ++a;
    while (e > a && text[e - 1] == QLatin1Char(' ')) --e;
    if (a == e) return text;
    return text.left(a) + zeile(text.mid(a, e - a), tiefe) + text.mid(e);
}

QString zeile(const QString& text, int tiefe) {
    if (text.isEmpty()) return text;
    const QByteArray utf8 = text.toUtf8();
    if (const QString t = uebersetzt(utf8); t != text) return t;
    if (const QString z = zahlText(text); !z.isEmpty()) return z;
    if (tiefe > 6) return text;
    for (const Muster& m : alleMuster()) {
        if (!m.kannPassen(text)) continue;
        const QRegularExpressionMatch treffer = m.ausdruck.match(text);
        if (!treffer.hasMatch()) continue;
        std::vector<std::string> werte(9);
        for (std::size_t i = 0; i < m.nummern.size(); ++i)
            werte[static_cast<std::size_t>(m.nummern[i])] =
                wert(treffer.captured(static_cast<int>(i) + 1), tiefe + 1).toStdString();
        const QByteArray muster = uebersetzt(m.quelle).toUtf8();
        return QString::fromStdString(
            einsetzen(std::string_view(muster.constData(), static_cast<std::size_t>(muster.size())), werte));
    }
    // A month and its year: the year as it is, never grouped.
    for (std::size_t m = 1; m < monatsNamen.size(); ++m) {
        const QString name = QString::fromUtf8(monatsNamen[m]);
        if (text.size() > name.size() + 1 && text.startsWith(name + QLatin1Char(' ')) &&
            zahlText(text.mid(name.size() + 1)).size() > 0)
            return uebersetzt(name.toUtf8()) + text.mid(name.size());
    }
    // A word of the core before the rest ("März 2001", "Milchgeben 120 Liter").
    if (const qsizetype leer = text.indexOf(QLatin1Char(' ')); leer > 0) {
        const QString erstes = text.left(leer);
        if (const QString t = uebersetzt(erstes.toUtf8()); t != erstes)
            return t + QLatin1Char(' ') + wert(text.mid(leer + 1), tiefe + 1);
    }
    return text;
}

}  // namespace

QString nachrichtText(const Nachricht& nachricht) {
    const QByteArray muster = QCoreApplication::translate(kontext, nachricht.muster).toUtf8();
    // The values as the rules write them; in English each is looked up too
    // (a crop's name, a unit, a number).
    std::vector<std::string> werte = nachricht.werte;
    if (aktuelleSprache() == Sprache::englisch)
        for (std::string& w : werte) w = kernText(w).toStdString();
    return QString::fromStdString(
        einsetzen(std::string_view(muster.constData(), static_cast<std::size_t>(muster.size())), werte));
}

QString zahlText(const QString& zahl) {
    static const QRegularExpression form(QStringLiteral("^(-?)(\\d+)(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch t = form.match(zahl);
    if (!t.hasMatch()) return {};
    if (aktuelleSprache() != Sprache::englisch) return zahl;
    bool gut = false;
    const qulonglong ganz = t.captured(2).toULongLong(&gut);
    if (!gut) return {};
    const QLocale englisch(QLocale::English, QLocale::UnitedStates);
    QString text = t.captured(1) + englisch.toString(ganz);
    if (t.hasCaptured(3)) text += QLatin1Char('.') + t.captured(3);
    return text;
}

QString kernText(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (aktuelleSprache() != Sprache::englisch || t.isEmpty()) return t;
    // The window asks for the same texts over and over (a redraw of the
    // statement, the outlook after every step): each is worked out once.
    static QHash<QString, QString> gemerkt;
    if (const auto it = gemerkt.constFind(t); it != gemerkt.constEnd()) return *it;
    QStringList zeilen = t.split(QLatin1Char('\n'));
    for (QString& z : zeilen) z = wert(z, 0);
    const QString ergebnis = zeilen.join(QLatin1Char('\n'));
    if (gemerkt.size() > 20000) gemerkt.clear();
    gemerkt.insert(t, ergebnis);
    return ergebnis;
}

QString kernText(const std::string& text) { return kernText(QString::fromStdString(text)); }
