// The English game: the core's texts found in their patterns and shown in
// English with English numbers, and no English text cut off by its widget.
#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTitleBar>

#include <QLineEdit>
#include <QSpinBox>

#include "fields/felderform.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "geld/zufall.h"
#include "goods/stores.h"
#include "livestock/arten.h"
#include "rahmen/kerntexte.h"
#include "ui/einstellungen.h"
#include "ui/nachrichten.h"
#include "ui/sprache.h"
#include "ui/views/anzahldialog.h"
#include "ui/views/feldaktiondialog.h"
#include "ui/views/gutview.h"
#include "ui/views/steuer.h"
#include "ui/views/tierkaufdialog.h"
#include "ui/views/feldpunkte.h"
#include "ui/views/felderview.h"
#include "umgebung.h"

namespace {

class EnglischesFenster : public Umgebung {
protected:
    void SetUp() override { spracheEinrichten(Sprache::englisch); }
    void TearDown() override {
        Umgebung::TearDown();
        spracheEinrichten(Sprache::deutsch);
    }
};

QString ohneKuerzel(QString t) { return t.remove(QLatin1Char('&')); }

int breiteste(const QFontMetrics& m, const QString& text) {
    int b = 0;
    for (const QString& z : text.split(QLatin1Char('\n'))) b = std::max(b, m.horizontalAdvance(ohneKuerzel(z)));
    return b;
}

// Every text under wurzel that its widget cannot show whole: a label,
// button, check box or group title wider than its room, a label that runs
// out of its window, a window title that its title bar elides.
QStringList abgeschnitten(QWidget* wurzel) {
    QStringList funde;
    auto melden = [&funde](const QWidget* w, const QString& text, int braucht, int hat) {
        funde << QStringLiteral("%1 \"%2\": %3 px for %4").arg(QString::fromLatin1(w->metaObject()->className()), text)
                     .arg(braucht)
                     .arg(hat);
    };
    for (QWidget* w : wurzel->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(wurzel) || w->width() <= 0) continue;
        const QFontMetrics m = w->fontMetrics();
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && !l->text().isEmpty()) {
            const int braucht = breiteste(m, l->text());
            if (braucht > l->contentsRect().width()) melden(l, l->text(), braucht, l->contentsRect().width());
            if (QWidget* e = l->parentWidget();
                e && l->geometry().left() < e->width() && l->geometry().left() + braucht > e->width())
                melden(l, l->text(), l->geometry().left() + braucht, e->width());
        } else if (auto* k = qobject_cast<QCheckBox*>(w)) {
            if (k->sizeHint().width() > k->width()) melden(k, k->text(), k->sizeHint().width(), k->width());
        } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
            if (r->sizeHint().width() > r->width()) melden(r, r->text(), r->sizeHint().width(), r->width());
        } else if (auto* p = qobject_cast<QPushButton*>(w); p && !p->text().isEmpty()) {
            const int symbol = p->icon().isNull() ? 0 : p->iconSize().width() + 4;
            const int braucht = breiteste(m, p->text()) + symbol + 2 * p->style()->pixelMetric(QStyle::PM_ButtonMargin);
            if (braucht > p->width()) melden(p, p->text(), braucht, p->width());
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
            const int braucht = breiteste(m, g->title()) + 12;
            if (braucht > g->width()) melden(g, g->title(), braucht, g->width());
        } else if (auto* s = qobject_cast<QMdiSubWindow*>(w); s && !s->isMinimized()) {
            QStyleOptionTitleBar o;
            o.initFrom(s);
            o.text = s->windowTitle();
            o.icon = s->windowIcon();
            o.subControls = QStyle::SC_All;
            o.titleBarFlags = s->windowFlags();
            o.titleBarState = static_cast<int>(s->windowState());
            o.rect = QRect(0, 0, s->width(), s->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, s));
            const QRect platz = s->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, s);
            // The active window's title is bold: measured so, for any window.
            QFont titel = QApplication::font("QMdiSubWindowTitleBar");
            titel.setBold(true);
            const int braucht = QFontMetrics(titel).horizontalAdvance(o.text);
            if (braucht > platz.width()) melden(s, o.text, braucht, platz.width());
        }
    }
    return funde;
}

}  // namespace

TEST(Kerntexte, JedesMusterWirdAlsEsSelbstErkannt) {
    // Each pattern, filled with values no pattern knows, is found as
    // itself and shown in English with the same values.
    spracheEinrichten(Sprache::englisch);
    std::vector<std::string> werte;
    for (int i = 1; i <= 9; ++i) werte.push_back("w" + std::to_string(i) + "w");
    for (const char* m : texte::muster()) {
        const QString englisch = QCoreApplication::translate("Kern", m);
        EXPECT_NE(englisch, QString()) << m;
        EXPECT_EQ(kernText(einsetzen(m, werte)), QString::fromStdString(einsetzen(englisch.toStdString(), werte))) << m;
    }
    // Texts made of several patterns, with the numbers in English.
    const std::pair<const char*, const char*> beispiele[] = {
        {"Guthaben: -1234,50 EUR", "Balance: -1,234.50 EUR"},
        {"Guthaben: 12345678.09 EUR", "Balance: 12,345,678.09 EUR"},
        {"Dezember 2003", "December 2003"},
        {"Weiter (März 2001)", "Next (March 2001)"},
        {"Futter-Kauf 1500 kg", "Feed purchase 1,500 kg"},
        {"Kühe Verkauf", "Cows sale"},
        {"Milchgeben 1200 Liter", "Milk 1,200 l"},
        {"Maximum:\r300 DZentner", "Maximum:\n300 dt"},
        {"  -1234,50 EUR", "  -1,234.50 EUR"},
        {"Thomasbach: letzte Gelegenheit: im November -1 bis 1 °C, vielleicht zu kalt zum Ernten, "
         "Gerste kann erfrieren, jetzt geerntet 120 DZentner Gerste",
         "Thomasbach: last chance: -1 to 1 °C in November, maybe too cold to harvest, Barley may freeze, "
         "harvested now 120 dt of Barley"},
        {"Glücksberg: 21 ha, Pacht -105,00 EUR im Monat\nGerste: erntereif, Wert 300 (Ertrag ab 230)",
         "Glücksberg: 21 ha, rent -105.00 EUR a month\nBarley: ripe, Score 300 (yields from 230)"},
        {"Schafe: Seuche mit 0,5 % Wahrscheinlichkeit, dann sterben alle 12 Tiere",
         "Sheep: 0.5 % chance of disease, which kills all 12 animals"},
        // The offer after a crash, a box of several lines.
        {"Trevo wurde zuletzt nicht ordnungsgemäß beendet. Der Hof ist bis zum Ende des Monats April 2001 "
         "erhalten.\r\rSoll das Spiel im Mai 2001 weitergehen?\r\r„Nein“ spielt mit dem zuletzt gespeicherten "
         "Spielstand weiter und verwirft den erhaltenen.",
         "Trevo did not shut down properly last time. The farm is kept up to the end of April 2001.\n\nGo on "
         "playing in May 2001?\n\n“No” goes on from the last saved game and discards the farm kept."},
        // A remark no pattern knows stays as it is.
        {"Hofladen 12", "Hofladen 12"},
    };
    for (const auto& [deutsch, englisch] : beispiele) EXPECT_EQ(kernText(std::string(deutsch)), QString::fromUtf8(englisch)) << deutsch;
    // German shows every text as the core made it.
    spracheEinrichten(Sprache::deutsch);
    for (const auto& [deutsch, englisch] : beispiele)
        EXPECT_EQ(kernText(std::string(deutsch)), QString::fromUtf8(deutsch).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

TEST_F(EnglischesFenster, KeinTextAbgeschnitten) {
    starten();
    warten(100);
    EXPECT_EQ(view("KontrollForm")->windowTitle(), QStringLiteral("Control"));
    EXPECT_EQ(view("KontoForm")->windowTitle(), QStringLiteral("Statement"));
    EXPECT_EQ(abgeschnitten(rahmen.get()).join(QLatin1Char('\n')).toStdString(), "");

    // The field work dialog, over a field of its own with a crop.
    FelderForm->felder[1]->was = 1;
    FelderForm->felder[1]->wachs = 300;
    KontrollForm->temperatur = 10;
    auto* karte = qobject_cast<FelderView*>(view("FelderForm"));
    ASSERT_NE(karte, nullptr);
    karte->auffrischen();
    const std::optional<QPoint> punkt = punktIm(*FelderForm->felder[1], *paintFelder);
    ASSERT_TRUE(punkt);
    ModalAntworten antworten;
    QStringList funde;
    QString titel;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<FeldAktionDialog*>(w);
        ASSERT_NE(d, nullptr) << w->metaObject()->className();
        titel = d->windowTitle();
        for (int i : {0, 3, 4}) {
            d->arbeit(i)->click();
            funde << abgeschnitten(d);
        }
        d->reject();
    });
    QTest::mouseClick(karte->karte(), Qt::LeftButton, {}, *punkt);
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(titel, QStringLiteral("Field Work"));
    EXPECT_EQ(funde.join(QLatin1Char('\n')).toStdString(), "");
}

namespace {

// What a game leaves behind: its save file, the random generator's seed and
// the statement's rows as the core holds them.
struct Spur {
    QByteArray stand;
    uint32_t seed = 0;
    std::vector<std::string> auszug;
    int kaesten = 0;
};

class GleichesSpiel : public Umgebung {
protected:
    // The face's own questions before "Weiter" ask nothing the rules know.
    void SetUp() override {
        einstellungen::setzeVorWeiterFragen(false);
        einstellungen::setzeVorWeiterJungeFragen(false);
    }
    void TearDown() override {
        Umgebung::TearDown();
        spracheEinrichten(Sprache::deutsch);
        einstellungen::setzeVorWeiterFragen(true);
        einstellungen::setzeVorWeiterJungeFragen(true);
    }
    // The same months, purchases and sales through the window, answered by
    // the buttons' places, not their words. In English every dialog is also
    // read for a cut text.
    Spur spielen(Sprache sprache, QStringList& funde) {
        spracheEinrichten(sprache);
        randSeed = 0;  // as at a program start
        Spur s;
        starten();
        if (HasFatalFailure()) return s;
        const bool englisch = sprache == Sprache::englisch;
        ModalAntworten antworten;
        auto monat = [this] {
            rahmen->monatAktion()->trigger();
            warten();
        };
        monat();
        // Two cows of the middle class.
        antworten.dann([&](QWidget* w) {
            auto* d = qobject_cast<TierKaufDialog*>(w);
            ASSERT_NE(d, nullptr) << w->metaObject()->className();
            if (englisch) funde << abgeschnitten(d);
            d->anzahl()->setValue(2);
            d->knopf(2)->click();
        });
        qobject_cast<GutView*>(view("KueheForm"))->kaufenKnopf()->click();
        // 200 kg of feed, then 100 sold again.
        for (const char* menge : {"200", "100"}) {
            antworten.dann([&, menge](QWidget* w) {
                auto* d = qobject_cast<AnzahlDialog*>(w);
                ASSERT_NE(d, nullptr) << w->metaObject()->className() << " "
                                      << (qobject_cast<QMessageBox*>(w) ? qobject_cast<QMessageBox*>(w)->text().toStdString() : "");
                d->eingabe()->setText(QString::fromLatin1(menge));
                warten();
                if (englisch) funde << abgeschnitten(d);
                d->okKnopf()->click();
            });
        }
        auto* futter = qobject_cast<GutView*>(view("FutterForm"));
        futter->kaufenKnopf()->click();
        futter->verkaufenKnopf()->click();
        EXPECT_TRUE(antworten.fertig());
        // What the months tell (a starved animal, a disease) is answered
        // with its only button and counted.
        QTimer kaesten;
        kaesten.setInterval(5);
        QObject::connect(&kaesten, &QTimer::timeout, [&s] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                box && box->isVisible() && box->buttons().size() == 1) {
                ++s.kaesten;
                box->buttons().front()->click();
            }
        });
        kaesten.start();
        for (int i = 0; i < 4; ++i) monat();
        kaesten.stop();
        if (englisch) funde << abgeschnitten(rahmen.get());
        for (int z = 1; z < KontoForm->StringGrid1.rowCount(); ++z)
            s.auszug.push_back(KontoForm->StringGrid1.cell(0, z) + "|" + KontoForm->StringGrid1.cell(1, z));
        s.seed = randSeed;
        EXPECT_TRUE(beenden());
        s.stand = spielstand();
        spiel.reset();
        plattform.reset();
        return s;
    }
};

}  // namespace

TEST_F(GleichesSpiel, AufEnglischDieselbenZahlenZuegeUndDerselbeSpielstand) {
    QStringList funde;
    const Spur deutsch = spielen(Sprache::deutsch, funde);
    ASSERT_FALSE(HasFatalFailure());
    // The same game again from nothing, in English.
    QDir ort(verzeichnis.path());
    for (const QString& datei : ort.entryList(QDir::Files | QDir::Hidden)) ASSERT_TRUE(ort.remove(datei)) << datei.toStdString();
    const Spur englisch = spielen(Sprache::englisch, funde);
    ASSERT_FALSE(deutsch.stand.isEmpty());
    EXPECT_EQ(englisch.stand, deutsch.stand);
    EXPECT_EQ(englisch.seed, deutsch.seed);
    EXPECT_EQ(englisch.auszug, deutsch.auszug);
    EXPECT_EQ(englisch.kaesten, deutsch.kaesten);
    EXPECT_NE(deutsch.seed, 0u) << "the months drew";
    const auto gebucht = [&deutsch](const std::string& bemerkung) {
        return std::any_of(deutsch.auszug.begin(), deutsch.auszug.end(),
                           [&bemerkung](const std::string& z) { return z.starts_with(bemerkung + "|"); });
    };
    EXPECT_TRUE(gebucht("Kühe Kauf"));
    EXPECT_TRUE(gebucht("Futter-Verkauf 100 kg"));
    EXPECT_EQ(funde.join(QLatin1Char('\n')).toStdString(), "");
}
