// The frame: menu, working area, the windows at the game's places, and what
// the player does to them reaching the game and its save file.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>

#include <csignal>
#include <string>

#include "rahmen/kindform.h"
#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "ui/hilfe/hilfefenster.h"
#include "ui/start.h"
#include "ui/views/kontrollview.h"
#include "umgebung.h"

namespace {

QStringList menuePunkte(const QMenu* menue) {
    QStringList liste;
    for (QAction* a : menue->actions()) liste << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return liste;
}

// The frame's working area at a point, as the player sees it.
QColor flaecheBei(HauptFenster& r, QPoint p) { return r.flaeche()->viewport()->grab().toImage().pixelColor(p); }

}  // namespace

using Rahmen = Umgebung;

TEST_F(Rahmen, MenueTitelUndGrueneFlaeche) {
    starten();
    EXPECT_EQ(rahmen->windowTitle(), "Trevo");
    EXPECT_TRUE(rahmen->isMaximized());

    const QList<QAction*> leiste = rahmen->menuBar()->actions();
    ASSERT_EQ(leiste.size(), 4);
    EXPECT_EQ(leiste[0]->text(), "&Trevo");
    ASSERT_NE(leiste[0]->menu(), nullptr);
    EXPECT_EQ(menuePunkte(leiste[0]->menu()),
              QStringList({"&Neues Spiel", "&Rückgängig", "&Wiederherstellen", "-", "Spiel &speichern unter …",
                           "Spiel ö&ffnen …", "&Zuletzt gespielt", "-", "Fenster &Anordnen", "Hof&buch", "&Monat beenden",
                           "Vor \u201EWeiter\u201C bei Verlusten &fragen", "-", "Programm be&enden"}));
    EXPECT_EQ(leiste[1]->text(), "&Fenster");
    ASSERT_NE(leiste[1]->menu(), nullptr);
    const QStringList fenster = menuePunkte(leiste[1]->menu());
    ASSERT_EQ(fenster.size(), 2 + static_cast<qsizetype>(rahmen->views().size()) + 3);
    EXPECT_EQ(fenster.first(), "&Nebeneinander");
    EXPECT_EQ(fenster.mid(fenster.size() - 2), QStringList({"N&ächstes Fenster", "&Voriges Fenster"}));
    EXPECT_EQ(leiste[2]->text(), "&Einstellungen");
    ASSERT_NE(leiste[2]->menu(), nullptr);
    EXPECT_EQ(menuePunkte(leiste[2]->menu()),
              QStringList({"Hintergrund&musik ein-/ausschalten", "&Klänge", "Musik&lautstärke", "&Sprache"}));
    EXPECT_EQ(leiste[3]->text(), "&Hilfe");
    ASSERT_NE(leiste[3]->menu(), nullptr);
    EXPECT_EQ(menuePunkte(leiste[3]->menu()), QStringList({"&Handbuch", "Ü&ber Trevo"}));
    // A screen reader names an open menu by its title.
    for (QAction* a : leiste) EXPECT_FALSE(a->menu()->windowTitle().isEmpty()) << a->text().toStdString();
    EXPECT_EQ(rahmen->hilfeAktion()->shortcut(), QKeySequence(Qt::Key_F1));

    const QWidget* vp = rahmen->flaeche()->viewport();
    EXPECT_EQ(flaecheBei(*rahmen, QPoint(vp->width() - 2, vp->height() - 2)), QColor(0, 128, 0));
}

// Without a window manager (here: offscreen) the frame is at the screen's
// size before its first picture, and shows no scroll bars left over from a
// smaller size.
TEST_F(Rahmen, ErstesBildInVollerGroesse) {
    plattform = std::make_unique<QtPlattform>();
    spiel = std::make_unique<Spiel>(*plattform, verzeichnis.path().toStdString());
    rahmen = std::make_unique<HauptFenster>(*spiel, *plattform);
    rahmen->starten();
    ASSERT_NE(rahmen->screen(), nullptr);
    EXPECT_EQ(rahmen->size(), rahmen->screen()->availableGeometry().size());
    ASSERT_TRUE(QTest::qWaitFor([this] { return rahmen->gestartet(); }, 5000));
    EXPECT_FALSE(rahmen->flaeche()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(rahmen->flaeche()->verticalScrollBar()->isVisible());
}

TEST_F(Rahmen, F1OeffnetDieHilfe) {
    starten();
    QSignalSpy hilfe(rahmen->hilfeAktion(), &QAction::triggered);
    // F1 works from inside a game window, too.
    auto* kontrolle = qobject_cast<KontrollView*>(view("KontrollForm"));
    kontrolle->weiter()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), kontrolle->weiter());
    QTest::keyClick(kontrolle->weiter(), Qt::Key_F1);
    EXPECT_EQ(hilfe.count(), 1);
    // The viewer is a window of its own beside the game, not a modal box.
    warten();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    int offen = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<HilfeFenster*>(w) && w->isVisible()) ++offen;
    EXPECT_EQ(offen, 1);
    HilfeFenster::einzig().close();
}

TEST_F(Rahmen, FensterStehenWoDasSpielSieHinstellt) {
    starten();
    struct Soll {
        const char* name;
        QPoint ort;
        QSize client;
    };
    // Outer sizes set by the game become client sizes inside our border
    // (the control panel's with the outlook's losses line below it).
    for (const Soll& s : {Soll{"PreiseForm", {5, 140}, {332, 204}}, Soll{"KontrollForm", {5, 5}, {280, 103 + 22}},
                          Soll{"KontoForm", {350, 5}, {294, 167}}, Soll{"FutterForm", {280, 330}, {100, 108}},
                          Soll{"RuebenForm", {370, 390}, {100, 108}}}) {
        SCOPED_TRACE(s.name);
        KindView* v = view(s.name);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(v->isVisible());
        EXPECT_FALSE(v->isMinimized());
        EXPECT_EQ(v->pos(), s.ort);
        EXPECT_EQ(v->inhalt()->size(), s.client);
        const Punkt r = plattform->rahmen();
        EXPECT_EQ(v->size(), s.client + QSize(r.x, r.y)) << "the game's border must be the style's";
        EXPECT_FALSE(v->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(v->windowTitle().toStdString(), v->fenster().caption);
    }
    EXPECT_EQ(rahmen->views().size(), spiel->fenster().size());
}

TEST(KindRahmen, IstDerRahmenEinesEchtenUnterfensters) {
    // The border is measured once, off the working area; a shown subwindow
    // of a working area has that border around clients wide enough for its title bar.
    QMdiArea flaeche;
    flaeche.resize(900, 700);
    flaeche.show();
    for (const QSize client : {QSize(400, 300), QSize(530, 370)}) {
        auto* inhalt = new QWidget;
        inhalt->setFixedSize(client);
        QMdiSubWindow* fenster = flaeche.addSubWindow(inhalt);
        fenster->show();
        EXPECT_EQ(fenster->size() - client, KindView::rahmen()) << client.width();
        EXPECT_EQ(fenster->sizeHint() - client, KindView::rahmen()) << client.width();
    }
}

TEST_F(Rahmen, EinFensterAusserhalbDerFlaecheLaesstSichHolen) {
    starten();
    QMdiArea* flaeche = rahmen->flaeche();
    KindView* v = view("KontoForm");
    v->move(flaeche->viewport()->width() - 50, 5);
    warten();
    ASSERT_TRUE(QTest::qWaitFor([flaeche] { return flaeche->horizontalScrollBar()->isVisible(); }, 2000));
    flaeche->horizontalScrollBar()->setValue(flaeche->horizontalScrollBar()->maximum());
    warten();
    EXPECT_LE(v->geometry().right(), flaeche->viewport()->width()) << "scrolled into sight";
}

TEST_F(Rahmen, NurAktivierungenDesSpielersErreichenDieFensterliste) {
    starten();
    // Qt activates every subwindow while the frame comes up; the game's list
    // still has the creation order (the outlook stands outside it).
    std::vector<TkindForm*> erwartet = spiel->fenster();
    std::erase(erwartet, spiel->fenster("AusblickForm"));
    EXPECT_EQ(MainForm->kinder(), erwartet);

    rahmen->flaeche()->setActiveSubWindow(view("KontrollForm"));
    rahmen->flaeche()->setActiveSubWindow(view("KontoForm"));
    ASSERT_GE(MainForm->kinder().size(), 2u);
    EXPECT_EQ(MainForm->kinder()[0], KontoForm);
    EXPECT_EQ(MainForm->kinder()[1], KontrollForm);
}

TEST_F(Rahmen, SchliessfeldMinimiertUndGibtDieAktivierungWeiter) {
    starten();
    KindView* konto = view("KontoForm");
    rahmen->flaeche()->setActiveSubWindow(view("KontrollForm"));
    rahmen->flaeche()->setActiveSubWindow(konto);

    EXPECT_FALSE(konto->close()) << "a game window is never closed";
    EXPECT_TRUE(konto->isMinimized());
    EXPECT_EQ(KontoForm->windowState, FensterZustand::minimiert);
    EXPECT_EQ(KontoForm->left, 350) << "the normal place is kept while minimized";
    // The most recent window that is not minimized is active again.
    EXPECT_EQ(rahmen->flaeche()->activeSubWindow(), view("KontrollForm"));
    EXPECT_EQ(MainForm->kinder()[0], KontrollForm);

    konto->showNormal();
    warten();
    EXPECT_EQ(KontoForm->windowState, FensterZustand::normal);
    EXPECT_EQ(konto->pos(), QPoint(350, 5));
}

TEST_F(Rahmen, WasDerSpielerOrdnetKommtInDenSpielstand) {
    starten();
    // Drag the control panel by its title bar.
    rahmen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rahmen.get()));
    KindView* kontrolle = view("KontrollForm");
    const QPoint griff(60, 10);
    // The pointer comes over the title bar, then takes hold of it.
    QTest::mouseMove(kontrolle, griff);
    QTest::mousePress(kontrolle, Qt::LeftButton, {}, griff);
    for (QPoint schritt : {QPoint(40, 30), QPoint(95, 115)}) {
        // The move carries the held button, as a real drag does.
        const QPointF ort = griff + schritt;
        QMouseEvent zug(QEvent::MouseMove, ort, kontrolle->mapToGlobal(ort), Qt::NoButton, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(kontrolle, &zug);
    }
    QTest::mouseRelease(kontrolle, Qt::LeftButton, {}, griff + QPoint(95, 115));
    warten();
    ASSERT_NE(kontrolle->pos(), QPoint(5, 5)) << "the drag did not move the window";
    EXPECT_EQ(KontrollForm->left, kontrolle->x());
    EXPECT_EQ(KontrollForm->top, kontrolle->y());
    const QPoint gezogen = kontrolle->pos();

    view("KontoForm")->close();
    ASSERT_TRUE(beenden());
    const QByteArray datei = spielstand();
    EXPECT_TRUE(datei.contains(QStringLiteral("[KontrollForm]\r\nx=%1\r\ny=%2\r\nw=280\r\nh=103\r\nwstat=0\r\n")
                                   .arg(gezogen.x())
                                   .arg(gezogen.y())
                                   .toUtf8()))
        << datei.toStdString();
    EXPECT_TRUE(datei.contains("[KontoForm]\r\nx=350\r\ny=5\r\nw=294\r\nh=167\r\nwstat=1\r\n")) << datei.toStdString();

    // Next start: both come back as they were left.
    spiel.reset();
    plattform.reset();
    starten();
    EXPECT_EQ(view("KontrollForm")->pos(), gezogen);
    KindView* konto = view("KontoForm");
    EXPECT_TRUE(konto->isMinimized());
    EXPECT_NE(rahmen->flaeche()->activeSubWindow(), konto) << "a minimized window is not left active";
    konto->showNormal();
    warten();
    EXPECT_EQ(konto->pos(), QPoint(350, 5));
    EXPECT_EQ(konto->inhalt()->size(), QSize(294, 167));
}

TEST_F(Rahmen, AnordnenSetztAuchMinimierteFensterZurueck) {
    starten();
    KindView* kontrolle = view("KontrollForm");
    kontrolle->move(200, 300);
    EXPECT_EQ(KontrollForm->left, 200);
    kontrolle->close();
    ASSERT_TRUE(kontrolle->isMinimized());

    rahmen->anordnenAktion()->trigger();
    warten();
    EXPECT_TRUE(kontrolle->isMinimized()) << "arranging keeps the window state";
    EXPECT_EQ(KontrollForm->left, 5);
    kontrolle->showNormal();
    warten();
    EXPECT_EQ(kontrolle->pos(), QPoint(5, 5)) << "restored at the place the game gave it while minimized";
    EXPECT_EQ(KontrollForm->left, 5);
    EXPECT_EQ(KontrollForm->windowState, FensterZustand::normal);
    // The panel's line of losses, which the game does not know of, lies
    // over no window of the designed layout.
    QPushButton* verluste = qobject_cast<KontrollView*>(kontrolle)->verluste();
    const QRect zeile(verluste->mapTo(rahmen->flaeche()->viewport(), QPoint()), verluste->size());
    for (const KindView* v : rahmen->views())
        if (v != kontrolle) {
            EXPECT_FALSE(v->geometry().intersects(zeile)) << v->fenster().name();
        }
}

TEST_F(Rahmen, NeuesSpielNurNachOK) {
    starten();
    view("KontrollForm")->move(150, 160);
    KontrollForm->Button1Click();
    warten();

    ModalAntworten antworten;
    GesehenerKasten frage;
    // Return keeps the game: "Abbrechen" is the default.
    antworten.dann([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        frage.titel = box->windowTitle();
        frage.text = box->text();
        for (QAbstractButton* b : box->buttons()) frage.knoepfe << b->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    rahmen->neuesSpielAktion()->trigger();
    EXPECT_EQ(frage.titel, "Bestätigen");
    EXPECT_EQ(frage.text, "Wollen Sie wirklich wieder von vorne anfangen?");
    EXPECT_EQ(frage.knoepfe, QStringList({"OK", "Abbrechen"}));
    warten();
    EXPECT_EQ(view("KontrollForm")->pos(), QPoint(150, 160));

    antworten.dann(klickeKnopf("OK"));
    rahmen->neuesSpielAktion()->trigger();
    warten();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(view("KontrollForm")->pos(), QPoint(5, 5));
    EXPECT_EQ(KontrollForm->Label1.caption, "März 2001");
}

TEST_F(Rahmen, EinFensterDasMinimiertGespeichertWurdeKommtMinimiertZurueck) {
    schreibeSpielstand("[KontoForm]\r\nx=400\r\ny=20\r\nwstat=1\r\n");
    starten();
    KindView* konto = view("KontoForm");
    EXPECT_TRUE(konto->isMinimized());
    EXPECT_EQ(KontoForm->windowState, FensterZustand::minimiert);
    konto->showNormal();
    warten();
    EXPECT_EQ(konto->pos(), QPoint(400, 20));
}

// The program's own road: the event loop, then the orderly end. Ending by the
// menu, by closing the frame and by the system's polite SIGTERM all write the
// save file.
TEST(Programm, BeendenPerMenueSchliessfeldUndSignalSchreibtDenSpielstand) {
    for (const char* weg : {"menu", "close box", "SIGTERM"}) {
        SCOPED_TRACE(weg);
        QTemporaryDir verzeichnis;
        int gestartet = 0;
        const int ergebnis = spielen(verzeichnis.path(), [&](HauptFenster& r) {
            ++gestartet;
            r.view("KontoForm")->move(321, 45);
            if (weg == std::string("menu"))
                r.endeAktion()->trigger();
            else if (weg == std::string("close box"))
                r.close();
            else
                std::raise(SIGTERM);
        });
        EXPECT_EQ(ergebnis, 0);
        EXPECT_EQ(gestartet, 1);
        QFile f(verzeichnis.filePath("TrevoSpielstand.bin"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray datei = f.readAll();
        EXPECT_TRUE(datei.contains("[KontoForm]\r\nx=321\r\ny=45\r\n")) << datei.toStdString();
        EXPECT_TRUE(datei.contains("[Kontrolle]\r\nmonat=3\r\njahr=2001\r\ngeld=1000000\r\n"));
    }
}
