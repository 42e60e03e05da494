// What Qt itself shows the player speaks German, and offers nothing that
// cannot act.
#include <QLineEdit>
#include <QMenu>

#include <memory>

#include "rahmen/kindform.h"
#include "ui/views/anzahldialog.h"
#include "ui/views/siloview.h"
#include "ui/views/steuer.h"
#include "umgebung.h"

namespace {

QStringList sichtbarePunkte(QMenu* menue) {
    // Qt settles what the menu offers as it opens.
    emit menue->aboutToShow();
    QStringList liste;
    for (QAction* a : menue->actions())
        if (a->isVisible() && !a->isSeparator()) liste << a->text();
    return liste;
}

}  // namespace

using Deutsch = Umgebung;

TEST_F(Deutsch, SystemmenueJedesFensters) {
    starten();
    int fest = 0;
    int ziehbar = 0;
    for (TkindForm* f : spiel->fenster()) {
        KindView* v = view(f->name().c_str());
        ASSERT_NE(v, nullptr) << f->name();
        QStringList erwartet{"Wieder&herstellen", "Ver&schieben", "&Größe", "M&inimieren", "Ma&ximieren",
                             "Im &Vordergrund bleiben", "Schl&ießen"};
        if (!f->sizeable) {
            erwartet.removeAll("&Größe");
            erwartet.removeAll("Ma&ximieren");
        }
        ++(f->sizeable ? ziehbar : fest);
        EXPECT_EQ(sichtbarePunkte(v->systemMenu()), erwartet) << f->name();
        // Again after a round through minimized: Qt lays the menu out anew.
        v->showMinimized();
        v->showNormal();
        warten();
        EXPECT_EQ(sichtbarePunkte(v->systemMenu()), erwartet) << f->name() << " after being minimized";
    }
    EXPECT_GT(fest, 0);
    EXPECT_GT(ziehbar, 0);
}

TEST_F(Deutsch, BearbeitenMenueDerAnzahl) {
    starten();
    auto* futter = qobject_cast<SiloView*>(view("FutterForm"));
    ASSERT_NE(futter, nullptr);
    QTest::mouseClick(futter->groesseKnopf(), Qt::LeftButton);
    warten();

    ModalAntworten antworten;
    QStringList punkte;
    antworten.dann([&](QWidget* w) {
        auto* d = qobject_cast<AnzahlDialog*>(w);
        ASSERT_NE(d, nullptr);
        const std::unique_ptr<QMenu> menue(d->eingabe()->createStandardContextMenu());
        punkte = sichtbarePunkte(menue.get());
        d->abbruchKnopf()->click();
    });
    QTest::mouseClick(futter->kaufenKnopf(), Qt::LeftButton);
    warten();
    ASSERT_TRUE(antworten.fertig());
    // Qt adds the shortcut after a tab.
    for (QString& p : punkte) p = p.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(punkte, (QStringList{"&Rückgängig", "Wieder&herstellen", "&Ausschneiden", "&Kopieren",
                                   "Einf&ügen", "Löschen", "Alles auswählen"}));
}
