// The guide beside the program and the viewer that shows it.
#include "ui/hilfe/hilfefenster.h"
#include "ui/sprache.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QDialog>
#include <QImage>
#include <QtTest/QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

namespace {

const QString kProgramm = QStringLiteral(TREVO_PROGRAMM_VERZEICHNIS);
const QString kQuellen = QStringLiteral(TREVO_HILFE_QUELLEN);
// The name the frame hands over.
const QString kHilfe = kProgramm + QStringLiteral("/trevo.html");

QString leseText(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// What Qt makes of a help file: anchors, links and the headings.
struct Seite {
    std::set<QString> anker;
    std::vector<QString> links;
    std::map<QString, QStringList> ueberschriftZuAnker;  // level-2 heading text -> its anchors
};

Seite lies(const QString& pfad) {
    QTextDocument dokument;
    dokument.setHtml(leseText(pfad));
    Seite s;
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next()) {
        QStringList blockAnker;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            blockAnker += f.anchorNames();
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                s.links.push_back(f.anchorHref());
        }
        for (const QString& a : blockAnker)
            s.anker.insert(a);
        if (b.blockFormat().headingLevel() == 2)
            s.ueberschriftZuAnker[b.text()] = blockAnker;
    }
    return s;
}

QAction* knopf(HilfeFenster& f, const QString& text) {
    for (QAction* a : f.findChildren<QAction*>()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

TEST(HilfeDatei, LiegtNebenDemProgramm) {
    EXPECT_TRUE(QFile::exists(kHilfe)) << kHilfe.toStdString();
    // Everything of the guide's folder was copied along.
    for (const QString& name : QDir(kQuellen).entryList(QDir::Files))
        EXPECT_TRUE(QFile::exists(kProgramm + QLatin1Char('/') + name)) << name.toStdString();
}

TEST(HilfeDatei, JederVerweisFuehrtAnEinZiel) {
    const QStringList dateien = QDir(kQuellen).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_TRUE(dateien.contains(QStringLiteral("trevo.html")));
    std::map<QString, Seite> seiten;
    for (const QString& name : dateien)
        seiten[name] = lies(kQuellen + QLatin1Char('/') + name);

    int geprueft = 0;
    for (const auto& [name, seite] : seiten) {
        for (const QString& link : seite.links) {
            const QUrl url(link);
            const std::string wo = name.toStdString() + ": " + link.toStdString();
            ASSERT_TRUE(url.scheme().isEmpty()) << wo << " leads out of the guide";
            const QString datei = url.path().isEmpty() ? name : url.path();
            ASSERT_TRUE(seiten.count(datei)) << wo << ": no such file in the guide";
            if (url.hasFragment()) {
                EXPECT_TRUE(seiten[datei].anker.count(url.fragment())) << wo << ": no such place";
            }
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 20);
}

TEST(HilfeDatei, InhaltVerweistAufJedesKapitel) {
    const Seite s = lies(kQuellen + QStringLiteral("/trevo.html"));
    std::set<QString> ziele;
    for (const QString& link : s.links)
        ziele.insert(QUrl(link).fragment());
    ASSERT_GE(s.ueberschriftZuAnker.size(), 8u);
    for (const auto& [text, anker] : s.ueberschriftZuAnker) {
        if (text == QStringLiteral("Inhalt"))
            continue;  // the contents themselves
        const bool verlinkt = std::any_of(anker.begin(), anker.end(),
                                          [&](const QString& a) { return ziele.count(a) > 0; });
        EXPECT_TRUE(verlinkt) << text.toStdString() << " is not in the contents";
    }
}

TEST(HilfeDatei, AnkerSindEindeutig) {
    const QString text = leseText(kQuellen + QStringLiteral("/trevo.html"));
    static const QRegularExpression ankerMuster(QStringLiteral(R"re((?:\bname|\bid)\s*=\s*"([^"]+)")re"));
    std::set<QString> gesehen;
    for (auto it = ankerMuster.globalMatch(text); it.hasNext();) {
        const QString a = it.next().captured(1);
        EXPECT_TRUE(gesehen.insert(a).second) << "twice: " << a.toStdString();
    }
    EXPECT_TRUE(gesehen.count(HilfeFenster::kontextAnker(102)));
}

// Every picture the guide names lies beside it after the build, made at
// twice the size the page gives it (or larger, where the page shrinks a wide
// window) and in the page's proportions, so that it stays sharp on a screen
// of double density.
TEST(HilfeDatei, JedesBildLiegtBeiUndIstDoppeltScharf) {
    for (const QString& name : QDir(kQuellen).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        const QString text = leseText(kQuellen + QLatin1Char('/') + name);
        static const QRegularExpression muster(
            QStringLiteral(R"re(<img\s+src="([^"]+)"\s+width="(\d+)"\s+height="(\d+)")re"));
        int bilder = 0;
        for (auto it = muster.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString pfad = kProgramm + QLatin1Char('/') + m.captured(1);
            SCOPED_TRACE(pfad.toStdString());
            const QImage bild(pfad);
            ASSERT_FALSE(bild.isNull());
            const int breite = m.captured(2).toInt();
            const int hoehe = m.captured(3).toInt();
            EXPECT_GE(bild.width(), 2 * breite);
            EXPECT_GE(bild.height(), 2 * hoehe);
            EXPECT_NEAR(static_cast<double>(bild.width()) / bild.height(), static_cast<double>(breite) / hoehe, 0.01);
            ++bilder;
        }
        EXPECT_EQ(bilder, static_cast<int>(text.count(QStringLiteral("<img")))) << "a picture without its size";
        EXPECT_GE(bilder, 15);
    }
}

// The English guide is the German one's translation: the same places (F1
// and every link find their chapter in either), and the pictures made in
// its own language.
TEST(HilfeDatei, EnglischHatDieselbenStellenUndEigeneBilder) {
    const Seite deutsch = lies(kQuellen + QStringLiteral("/trevo.html"));
    const Seite englisch = lies(kQuellen + QStringLiteral("/trevo_en.html"));
    EXPECT_EQ(englisch.anker, deutsch.anker);
    const QString text = leseText(kQuellen + QStringLiteral("/trevo_en.html"));
    EXPECT_EQ(text.count(QStringLiteral("<img src=\"bilder/en/")), text.count(QStringLiteral("<img")));
    EXPECT_EQ(text.count(QStringLiteral("<img")), leseText(kHilfe).count(QStringLiteral("<img")));
}

class HilfeFensterTest : public ::testing::Test {
protected:
    std::unique_ptr<HilfeFenster> fenster = std::make_unique<HilfeFenster>();
    QTextBrowser& browser() { return *fenster->browser(); }
};

TEST_F(HilfeFensterTest, F1ZeigtDieInhaltsseite) {
    fenster->zeigeInhalt(kProgramm + QStringLiteral("/trevo.hlp"));  // the old name works too
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(browser().source(), QUrl::fromLocalFile(QFileInfo(kHilfe).absoluteFilePath()));
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("Inhalt")));
    EXPECT_EQ(browser().verticalScrollBar()->value(), 0);
    EXPECT_TRUE(knopf(*fenster, QStringLiteral("Inhalt"))->isEnabled());
    // The pictures are found beside the guide.
    const QVariant bild = browser().document()->resource(QTextDocument::ImageResource,
                                                         QUrl(QStringLiteral("bilder/tierkauf.png")));
    // The browser hands the file's bytes to the document, which decodes them.
    EXPECT_FALSE(QImage::fromData(bild.toByteArray()).isNull() && bild.value<QImage>().isNull());
    // The look comes from the style sheet beside the guide: the title in green.
    const QTextBlock titel = browser().document()->begin();
    ASSERT_TRUE(titel.begin() != titel.end());
    EXPECT_EQ(titel.begin().fragment().charFormat().foreground().color(), QColor(0x2f, 0x5f, 0x00));
}

TEST_F(HilfeFensterTest, Kontext102OeffnetDieFeldarbeit) {
    fenster->resize(640, 400);
    fenster->zeigeKontext(kHilfe, 102);
    EXPECT_EQ(browser().source().fragment(), QStringLiteral("kontext-102"));
    // The anchor sits at the heading of the field work topic, and the
    // browser scrolled there.
    QTextDocument& d = *browser().document();
    QString ueberschrift;
    for (QTextBlock b = d.begin(); b.isValid() && ueberschrift.isEmpty(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(QStringLiteral("kontext-102")))
                ueberschrift = b.text();
        }
    }
    EXPECT_TRUE(ueberschrift.startsWith(QStringLiteral("Feldarbeit"))) << ueberschrift.toStdString();
    EXPECT_GT(browser().verticalScrollBar()->value(), 0);
}

// A game in English opens the English guide, at the same chapter.
TEST_F(HilfeFensterTest, EnglischesSpielZeigtDieEnglischeAnleitung) {
    spracheEinrichten(Sprache::englisch);
    fenster->zeigeKontext(kHilfe, 102);
    spracheEinrichten(Sprache::deutsch);
    EXPECT_EQ(browser().source().fileName(), QStringLiteral("trevo_en.html"));
    EXPECT_EQ(browser().source().fragment(), QStringLiteral("kontext-102"));
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("Field work")));
    fenster->zeigeInhalt(kHilfe);
    EXPECT_EQ(browser().source().fileName(), QStringLiteral("trevo.html"));
}

TEST_F(HilfeFensterTest, UnbekannterKontextZeigtDenInhalt) {
    fenster->zeigeKontext(kHilfe, 4711);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_FALSE(browser().source().hasFragment());
    EXPECT_FALSE(fenster->statusBar()->currentMessage().isEmpty());
}

TEST_F(HilfeFensterTest, FehlendeDateiMeldetDerBetrachterSelbst) {
    fenster->zeigeInhalt(QStringLiteral("/nirgends/trevo.hlp"));
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("Hilfe nicht gefunden")));
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("/nirgends/trevo.html")));
    EXPECT_FALSE(knopf(*fenster, QStringLiteral("Inhalt"))->isEnabled());
    fenster->zeigeKontext(QString(), 102);
    EXPECT_TRUE(browser().toPlainText().contains(QStringLiteral("Hilfe nicht gefunden")));

    // Once the file is there again, the viewer shows it.
    fenster->zeigeInhalt(kHilfe);
    EXPECT_FALSE(browser().toPlainText().contains(QStringLiteral("Hilfe nicht gefunden")));
}

// Read as a player reads: a click on a link in the contents, back, forward,
// scrolled on in the chapter, the contents, back again. Every step shows
// the place it names, not only the right address.
TEST_F(HilfeFensterTest, ZurueckVorUndInhalt) {
    fenster->zeigeInhalt(kHilfe);
    QAction* zurueck = knopf(*fenster, QStringLiteral("Zurück"));
    QAction* vor = knopf(*fenster, QStringLiteral("Vor"));
    QAction* inhalt = knopf(*fenster, QStringLiteral("Inhalt"));
    ASSERT_TRUE(zurueck && vor && inhalt);
    EXPECT_FALSE(zurueck->isEnabled());
    QScrollBar& leiste = *browser().verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));

    const QTextCursor verweis = browser().document()->find(QStringLiteral("Die Lager"));
    ASSERT_FALSE(verweis.isNull());
    QTextCursor imVerweis(browser().document());
    imVerweis.setPosition(verweis.selectionStart() + 2);
    QTest::mouseClick(browser().viewport(), Qt::LeftButton, {}, browser().cursorRect(imVerweis).center());
    ASSERT_EQ(browser().source().fragment(), QStringLiteral("lager"));
    const int kapitel = leiste.value();
    EXPECT_GT(kapitel, 0);
    EXPECT_TRUE(zurueck->isEnabled());

    zurueck->trigger();
    EXPECT_FALSE(browser().source().hasFragment());
    EXPECT_EQ(leiste.value(), 0);
    EXPECT_TRUE(vor->isEnabled());
    vor->trigger();
    EXPECT_EQ(browser().source().fragment(), QStringLiteral("lager"));
    EXPECT_EQ(leiste.value(), kapitel) << "forward shows the chapter, not the link it came from";

    leiste.setValue(kapitel + 150);
    inhalt->trigger();
    EXPECT_FALSE(browser().source().hasFragment());
    EXPECT_EQ(leiste.value(), 0);
    zurueck->trigger();
    EXPECT_EQ(leiste.value(), kapitel + 150) << "back to where the reader was";
}

TEST(HilfeFensterEinzig, F1NochmalHoltDasselbeFensterNachVorn) {
    HilfeFenster& erst = HilfeFenster::einzig();
    erst.zeigeInhalt(kHilfe);
    erst.showMinimized();
    HilfeFenster& dann = HilfeFenster::einzig();
    dann.zeigeInhalt(kHilfe);
    EXPECT_EQ(&erst, &dann);
    EXPECT_FALSE(dann.isMinimized());
    int zahl = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        zahl += qobject_cast<HilfeFenster*>(w) != nullptr && w->isVisible();
    EXPECT_EQ(zahl, 1);
}

TEST(HilfeFensterEinzig, AusEinemModalenDialogBleibtDieHilfeBedienbar) {
    // The field work dialog is modal; its help button opens the guide, which
    // must answer clicks while the dialog waits.
    QDialog dialog;
    bool geklickt = false;
    QTimer::singleShot(0, &dialog, [&] {
        HilfeFenster& hilfe = HilfeFenster::einzig();
        hilfe.zeigeKontext(kHilfe, 102);
        ASSERT_EQ(hilfe.browser()->source().fragment(), QStringLiteral("kontext-102"));
        QToolBar* leiste = hilfe.findChild<QToolBar*>();
        QWidget* inhalt = leiste->widgetForAction(knopf(hilfe, QStringLiteral("Inhalt")));
        // Through the window system, where a modal dialog blocks other windows.
        QTest::mouseClick(hilfe.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          inhalt->mapTo(&hilfe, inhalt->rect().center()));
        geklickt = !hilfe.browser()->source().hasFragment();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(geklickt) << "the click on \"Inhalt\" was blocked by the modal dialog";
}

}  // namespace
