// Playing without the mouse and without the eyes: F1 in every kind of
// window, Return on the control panel, the About box, and the game as a
// screen reader walks it.
#include <QAbstractButton>
#include <QAccessible>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolTip>

#include <functional>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "fields/felderform.h"
#include "goods/gutform.h"
#include "livestock/arten.h"
#include "market/preiseform.h"
#include "ui/gitter.h"
#include "ui/hilfe/hilfefenster.h"
#include "ui/views/gutview.h"
#include "ui/views/steuer.h"
#include "ui/views/kontoview.h"
#include "ui/views/kontrollview.h"
#include "ui/views/preiseview.h"
#include "umgebung.h"

namespace {

class Bedienung : public Umgebung {
protected:
    void starten() {
        // The real guide: every chapter a window asks for must be in it.
        ASSERT_TRUE(QFile::copy(QStringLiteral(TREVO_HILFE), verzeichnis.filePath("trevo.html")));
        Umgebung::starten();
    }
    // The window the player clicked into last.
    void aktivieren(const char* name) {
        KindView* v = view(name);
        ASSERT_NE(v, nullptr) << name;
        rahmen->flaeche()->setActiveSubWindow(v);
        warten();
    }
    // The guide's place after F1, and the guide put away with Escape.
    static QString kapitelNachF1(QWidget* ziel) {
        ziel->window()->activateWindow();
        if (!QTest::qWaitForWindowActive(ziel->window())) return "(nicht aktiv)";
        HilfeFenster& hilfe = HilfeFenster::einzig();
        hilfe.browser()->setSource(QUrl());
        QTest::keyClick(ziel, Qt::Key_F1);
        if (!hilfe.isVisible()) return "(zu)";
        const QString anker = hilfe.anker();
        if (!QTest::qWaitForWindowActive(&hilfe)) return "(Hilfe nicht aktiv)";
        QTest::keyClick(hilfe.browser(), Qt::Key_Escape);
        return hilfe.isVisible() ? "(offen) " + anker : anker;
    }
};

// Every accessible object below one, depth first.
void durchgehen(QAccessibleInterface* i, const std::function<void(QAccessibleInterface*)>& tun, int tiefe = 0) {
    if (!i || tiefe > 40) return;
    tun(i);
    for (int k = 0; k < i->childCount(); ++k) durchgehen(i->child(k), tun, tiefe + 1);
}

}  // namespace

TEST_F(Bedienung, F1OeffnetDasKapitelDesFensters) {
    starten();
    struct Soll {
        const char* fenster;
        const char* kapitel;
    };
    for (const Soll& s : {Soll{"KontrollForm", "monat"}, Soll{"KontoForm", "kontoauszug"},
                          Soll{"PreiseForm", "markt"}, Soll{"FelderForm", "felder"},
                          Soll{"FutterForm", "lager"}, Soll{"RuebenForm", "lager"}, Soll{"KueheForm", "kuehe"},
                          Soll{"SchweineForm", "schweine"}, Soll{"HuenerForm", "huehner"},
                          Soll{"SchafForm", "schafe"}}) {
        aktivieren(s.fenster);
        EXPECT_EQ(kapitelNachF1(rahmen.get()), s.kapitel) << s.fenster;
    }

    // The dialogs have their own F1: the quantity of a store's trade, the
    // weight class of a herd's purchase. Escape leaves them unanswered.
    QString anzahl;
    QString tierkauf;
    ModalAntworten antworten;
    antworten.dann([&](QWidget* d) {
        anzahl = kapitelNachF1(d->focusWidget());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    GutView* futter = qobject_cast<GutView*>(view("FutterForm"));
    ASSERT_NE(futter, nullptr);
    futter->kaufenKnopf()->click();
    QStringList klassen;
    antworten.dann([&](QWidget* d) {
        // Buttons with only a picture, read out by their weight class.
        for (QPushButton* k : d->findChildren<QPushButton*>()) klassen << k->accessibleName();
        tierkauf = kapitelNachF1(d->focusWidget() ? d->focusWidget() : d);
        QTest::keyClick(d, Qt::Key_Escape);
    });
    GutView* kuehe = qobject_cast<GutView*>(view("KueheForm"));
    ASSERT_NE(kuehe, nullptr);
    kuehe->kaufenKnopf()->click();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_EQ(anzahl, "anzahl");
    EXPECT_EQ(tierkauf, "tierkauf");
    EXPECT_EQ(klassen, QStringList({"Gewichtsklasse Klein", "Gewichtsklasse Mittel", "Gewichtsklasse Groß"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Bedienung, EingabetasteImKontrollfensterSpieltEinenMonat) {
    starten();
    auto* kontrolle = qobject_cast<KontrollView*>(view("KontrollForm"));
    ASSERT_NE(kontrolle, nullptr);
    EXPECT_EQ(KontrollForm->Label1.caption, "März 2001");
    // Return elsewhere does not turn the month.
    aktivieren("PreiseForm");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(KontrollForm->Label1.caption, "März 2001");

    aktivieren("KontrollForm");
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(KontrollForm->Label1.caption, "April 2001");
    // So does the button's mnemonic.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    // (a mnemonic's click comes a moment later, as the button shows it)
    EXPECT_TRUE(QTest::qWaitFor([] { return KontrollForm->Label1.caption == "Mai 2001"; }, 2000));
    warten();
    EXPECT_EQ(KontoForm->StringGrid1.cell(0, 2), "Sonstige Kosten");

    // A cow bought with the keyboard: Tab to the middle class, Return.
    ModalAntworten antworten;
    antworten.dann([](QWidget* d) {
        // The keys go where the player's would: to the dialog once it holds
        // the focus (under load the timer may see it before that).
        EXPECT_TRUE(QTest::qWaitFor([d] { return d->focusWidget() && QApplication::focusWidget() == d->focusWidget(); },
                                    2000));
        QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    qobject_cast<GutView*>(view("KueheForm"))->kaufenKnopf()->click();
    EXPECT_TRUE(antworten.fertig());
    ASSERT_EQ(KueheForm->tierAnzahl(), 1);
    // 355.6 kg give or take 13.85 %
    EXPECT_GE(KueheForm->gewicht[1], 3063);
    EXPECT_LE(KueheForm->gewicht[1], 4049);
}

TEST_F(Bedienung, UeberTrevoUndKurzbefehle) {
    starten();
    EXPECT_EQ(rahmen->endeAktion()->shortcut(), QKeySequence(QKeySequence::Quit));
    EXPECT_EQ(rahmen->neuesSpielAktion()->shortcut(), QKeySequence(QKeySequence::New));

    QString text;
    QString knopf;
    ModalAntworten antworten;
    antworten.dann([&](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Über Trevo");
        if (auto* l = d->findChild<QLabel*>("text")) text = l->text();
        if (auto* b = d->findChild<QPushButton*>(); b && b->isDefault()) knopf = b->text();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    rahmen->ueberAktion()->trigger();
    EXPECT_TRUE(antworten.fertig());
    EXPECT_TRUE(text.contains("Trevo " TREVO_VERSION_TEST)) << text.toStdString();
    for (const char* teil : {"GPL-3.0-or-later", "Qt ", "FluidSynth", "TimGM6mb", "Liberation"})
        EXPECT_TRUE(text.contains(teil)) << teil;
    EXPECT_EQ(knopf, "OK");
}

TEST_F(Bedienung, LangeBemerkungenSindLesbar) {
    starten();
    auto* konto = qobject_cast<KontoView*>(view("KontoForm"));
    ASSERT_NE(konto, nullptr);
    KontoForm->eintragen(94600, "Getreide-Verkauf 100 DZentner");
    KontoForm->eintragen(-2000, "Sonstige Kosten");
    warten();
    GitterWidget* gitter = konto->findChild<GitterWidget*>();
    ASSERT_NE(gitter, nullptr);
    EXPECT_TRUE(gitter->zuBreit(0, 1));
    EXPECT_FALSE(gitter->zuBreit(0, 2));
    // Drawn narrower: the remark ends inside its cell, not cut at its edge.
    const QImage bild = gitter->grab().toImage();
    const QRect zelle = gitter->zelle(0, 1);
    auto dunkelInSpalte = [&](int x) {
        for (int y = zelle.top(); y <= zelle.bottom(); ++y)
            if (qGray(bild.pixel(x, y)) < 128) return true;
        return false;
    };
    EXPECT_FALSE(dunkelInSpalte(zelle.right() - 1)) << "the last letter touches the cell's edge";
    // The tooltip has it whole.
    QHelpEvent frage(QEvent::ToolTip, zelle.center(), gitter->mapToGlobal(zelle.center()));
    QApplication::sendEvent(gitter, &frage);
    EXPECT_EQ(QToolTip::text(), "Getreide-Verkauf 100 DZentner");
    QToolTip::hideText();
}

TEST_F(Bedienung, BildschirmleserFindetPreiseBuchungenUndFelder) {
    starten();
    QTest::keyClick(qobject_cast<KontrollView*>(view("KontrollForm"))->weiter(), Qt::Key_Space);
    warten();
    QAccessibleInterface* wurzel = QAccessible::queryAccessibleInterface(rahmen.get());
    ASSERT_NE(wurzel, nullptr);

    int objekte = 0;
    int benannt = 0;
    QStringList unbenannt;
    QAccessibleInterface* preise = nullptr;
    QAccessibleInterface* konto = nullptr;
    QAccessibleInterface* karte = nullptr;
    durchgehen(wurzel, [&](QAccessibleInterface* i) {
        ++objekte;
        const QString name = i->text(QAccessible::Name);
        if (!name.isEmpty()) ++benannt;
        const QAccessible::Role r = i->role();
        // Whatever the player can operate or read must have a name.
        const bool bedienbar = r == QAccessible::PushButton || r == QAccessible::CheckBox ||
                               r == QAccessible::ScrollBar || r == QAccessible::RadioButton ||
                               r == QAccessible::EditableText || r == QAccessible::Table ||
                               r == QAccessible::Button || r == QAccessible::Slider;
        if (bedienbar && name.isEmpty())
            unbenannt << QString::fromLatin1(i->object() ? i->object()->metaObject()->className() : "?") + "/" +
                             QString::number(r, 16);
        if (r == QAccessible::Table && name == "Preise") preise = i;
        if (r == QAccessible::Table && name == "Kontoauszug") konto = i;
        if (r == QAccessible::Graphic && i->childCount() == 5) karte = i;
    });
    std::printf("accessible objects: %d, named: %d\n", objekte, benannt);
    EXPECT_TRUE(unbenannt.isEmpty()) << unbenannt.join(", ").toStdString();

    // The price of "Kühe": its row found by name, the cell under "Preis".
    ASSERT_NE(preise, nullptr);
    QAccessibleTableInterface* tabelle = preise->tableInterface();
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->rowCount(), 11);
    EXPECT_EQ(tabelle->columnCount(), 3);
    int kuhZeile = -1;
    for (int z = 0; z < tabelle->rowCount(); ++z)
        if (tabelle->cellAt(z, 0)->text(QAccessible::Name) == "Kühe") kuhZeile = z;
    ASSERT_EQ(kuhZeile, 0);
    QAccessibleInterface* preis = tabelle->cellAt(kuhZeile, 2);
    EXPECT_EQ(preis->text(QAccessible::Name).toStdString(),
              QString::fromStdString(PreiseForm->StringGrid1.cell(2, 1)).trimmed().toStdString());
    EXPECT_TRUE(preis->text(QAccessible::Name).endsWith(" EUR"));
    QAccessibleTableCellInterface* zelle = preis->tableCellInterface();
    ASSERT_NE(zelle, nullptr);
    ASSERT_EQ(zelle->columnHeaderCells().size(), 1);
    EXPECT_EQ(zelle->columnHeaderCells()[0]->text(QAccessible::Name), "Preis");
    ASSERT_EQ(zelle->rowHeaderCells().size(), 1);
    EXPECT_EQ(zelle->rowHeaderCells()[0]->text(QAccessible::Name), "Kühe");
    EXPECT_EQ(tabelle->columnDescription(1), "Einheit");

    // The statement's last remark: the month's other costs.
    ASSERT_NE(konto, nullptr);
    QAccessibleTableInterface* auszug = konto->tableInterface();
    ASSERT_NE(auszug, nullptr);
    QString letzte;
    for (int z = 0; z < auszug->rowCount(); ++z)
        if (!auszug->cellAt(z, 0)->text(QAccessible::Name).isEmpty()) letzte = auszug->cellAt(z, 0)->text(QAccessible::Name);
    EXPECT_EQ(letzte, "Sonstige Kosten");

    // The map's five fields, named, told as the map shows them, pressable.
    ASSERT_NE(karte, nullptr);
    QStringList felder;
    for (int k = 0; k < karte->childCount(); ++k) felder << karte->child(k)->text(QAccessible::Name);
    EXPECT_EQ(felder, QStringList({"Thomasbach", "Waldblick", "Glücksberg", "Hollweg", "Niderlicht"}));
    QAccessibleInterface* thomasbach = karte->child(0);
    EXPECT_EQ(thomasbach->text(QAccessible::Description), "nicht gepachtet, 17 ha");
    ASSERT_NE(thomasbach->actionInterface(), nullptr);
    ModalAntworten antworten;
    GesehenerKasten kasten;
    antworten.dann(klickeKnopf("OK", &kasten));
    thomasbach->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return antworten.fertig(); }, 2000));
    warten();
    EXPECT_EQ(kasten.text, "Dieses Feld gehört Ihnen nicht. Möchten Sie es pachten?\n\nThomasbach, 17 ha, Pacht 248,54 EUR im Monat");
    EXPECT_EQ(FelderForm->felder[1]->was, 0);
    EXPECT_EQ(thomasbach->text(QAccessible::Description), "gepachtet, leer, kaum vorbereitet, 17 ha");
}

// Every check box and button of every game window, the goods windows
// expanded, has an Alt letter, and no two in one window share it.
TEST_F(Bedienung, JederKnopfHatSeinenBuchstaben) {
    starten();
    for (KindView* v : rahmen->views())
        if (auto* g = dynamic_cast<TgutForm*>(&v->fenster()); g && !g->erweitert) g->SizeButtonClick();
    warten();
    int knoepfe = 0;
    for (KindView* v : rahmen->views()) {
        QString belegt;
        for (const QAbstractButton* b : v->widget()->findChildren<QAbstractButton*>()) {
            // The arrows of the up-down control are no stop of the keys.
            if (!b->isVisibleTo(v) || (b->text().isEmpty() && b->focusPolicy() == Qt::NoFocus)) continue;
            const QChar c = kuerzelVon(b->text());
            EXPECT_FALSE(c.isNull()) << v->fenster().name() << ": " << b->text().toStdString();
            EXPECT_FALSE(belegt.contains(c)) << v->fenster().name() << ": " << b->text().toStdString();
            belegt += c;
            ++knoepfe;
        }
    }
    EXPECT_GE(knoepfe, 30);
}
