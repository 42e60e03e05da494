#include "ui/hauptfenster.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QMdiArea>
#include <QMessageBox>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <limits>

#include "geld/kontrollform.h"
#include "rahmen/kindform.h"
#include "rahmen/mainform.h"
#include "spielstand/datei.h"
#include "spielstand/spielstand.h"
#include "ausblick.h"
#include "spiel.h"
#include "ui/nachrichten.h"
#include "ui/views/hofbuchfenster.h"
#include "ui/fensterverwaltung.h"
#include "ui/einstellungen.h"
#include "ui/hilfetaste.h"
#include "ui/kindview.h"
#include "ui/nebeneinander.h"
#include "ui/schirmwache.h"
#include "ui/qtplattform.h"
#include "ui/sicher.h"
#include "ui/ueberdialog.h"
#include "ui/viewregister.h"
#include "ui/views/kontrollview.h"
#include "ui/weiterfrage.h"

namespace {
// The frame whose menu names the steps to take back.
HauptFenster* befehlsRahmen = nullptr;
bool anfangsAnordnungAn = true;
}  // namespace

void HauptFenster::setzeAnfangsAnordnung(bool an) { anfangsAnordnungAn = an; }

HauptFenster::HauptFenster(Spiel& spiel, QtPlattform& plattform)
    : spiel_(spiel), plattform_(plattform), flaeche_(new QMdiArea(this)) {
    setWindowTitle(kernText(spiel_.frame().caption));
    flaeche_->setBackground(QColor(0, 128, 0));
    // A window partly outside the working area can be scrolled to.
    flaeche_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    flaeche_->horizontalScrollBar()->setAccessibleName(tr("Arbeitsfläche waagerecht verschieben"));
    flaeche_->verticalScrollBar()->setAccessibleName(tr("Arbeitsfläche senkrecht verschieben"));
    setCentralWidget(flaeche_);
    flaeche_->viewport()->installEventFilter(this);
    menueAnlegen();
    befehlsRahmen = this;
    new SchirmWache(this);
    plattform_.setzeHauptfenster(this);

    for (TkindForm* f : spiel_.fenster()) {
        KindView* v = ViewRegister::alle().erzeugeView(*f);
        flaeche_->addSubWindow(v, v->flaggen());
        views_.push_back(v);
        v->auffrischen();
        if (!v->isMinimized()) v->show();
    }
    connect(flaeche_, &QMdiArea::subWindowActivated, this, &HauptFenster::aktiviert);
    fensterMenueAnlegen();
    einstellungenAnlegen();
    // A first start (no save file yet) shows the windows side by side.
    anfangOffen_ = anfangsAnordnungAn && !QFileInfo::exists(QString::fromStdString(spielstandDatei));
    if (MainForm) neueSpiele_ = MainForm->neueSpiele;
}

HauptFenster::~HauptFenster() {
    if (befehlsRahmen == this) befehlsRahmen = nullptr;
    // The subwindows go after this object: what they report on the way must
    // not reach it any more.
    beendet_ = true;
    disconnect(flaeche_, nullptr, this, nullptr);
    flaeche_->viewport()->removeEventFilter(this);
    plattform_.setzeHauptfenster(nullptr);
}

std::function<QString(QWidget*, bool, const QString&)> HauptFenster::dateiWaehlen =
    [](QWidget* eltern, bool speichern, const QString& ordner) {
        const QString filter =
            QCoreApplication::translate("HauptFenster", "Trevo-Spiele (*.hof TrevoSpielstand.bin);;Alle Dateien (*)");
        if (!speichern)
            return QFileDialog::getOpenFileName(eltern, QCoreApplication::translate("HauptFenster", "Spiel öffnen"),
                                                ordner, filter);
        QFileDialog dialog(eltern, QCoreApplication::translate("HauptFenster", "Spiel speichern unter"), ordner, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("hof"));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().constFirst()
                                                                                      : QString();
    };

std::function<bool(const QString&)> HauptFenster::anderesSpielNachVorne = [](const QString&) { return false; };

void HauptFenster::spielWechseln(const QString& datei, bool mitnehmen) {
    const QFileInfo ziel(datei);
    // Saved under a name of its own, a game's logbook and recovery point
    // take that name; any other file opens as it is.
    QString pfad = ziel.absoluteFilePath();
    if (mitnehmen && ziel.fileName() != QLatin1String(spielstandName) && !pfad.endsWith(QLatin1String(spielEndung)))
        pfad += QLatin1String(spielEndung);
    if (pfad == QFileInfo(QString::fromStdString(spielstandDatei)).absoluteFilePath()) return;
    {
        const SpielstandSperre sperre(QFile::encodeName(QFileInfo(pfad).absolutePath()).toStdString(),
                                      QFile::encodeName(QFileInfo(pfad).fileName()).toStdString());
        if (sperre.belegt()) {
            if (!mitnehmen && anderesSpielNachVorne(pfad)) return;
            plattform_.meldung(MeldungsArt::Information,
                               tr("Dieses Spiel läuft bereits in einem anderen Fenster:").toStdString() + "\r" +
                                   QFile::encodeName(pfad).toStdString(),
                               Knoepfe::OK);
            return;
        }
    }
    if (!mitnehmen) {
        // A file that cannot be read is told now, and the game running goes
        // on; the start would only begin a new game beside it.
        Spielstand probe;
        probe.laden(QFile::encodeName(pfad).toStdString());
        if (!probe.lesefehler().empty()) {
            plattform_.meldung(MeldungsArt::Fehler,
                               tr("Das Spiel konnte nicht geöffnet werden:").toStdString() + "\r" +
                                   QFile::encodeName(pfad).toStdString() + "\r\r" + probe.lesefehler() + "\r\r" +
                                   tr("Das laufende Spiel geht weiter.").toStdString(),
                               Knoepfe::OK);
            return;
        }
    }
    wechsel_ = Wechsel{pfad, mitnehmen};
    close();
}

void befehlGetan() {
    if (befehlsRahmen) befehlsRahmen->verlaufAuffrischen();
}

void HauptFenster::verlaufAuffrischen() {
    const Spiel* s = Spiel::laufendes();
    const Schritt* z = s ? s->verlauf().zurueck() : nullptr;
    const Schritt* w = s ? s->verlauf().wiederholen() : nullptr;
    const auto name = [](const Schritt* x) {
        return x ? QStringLiteral(": ") + kernText(x->name).replace(QLatin1Char('&'), QStringLiteral("&&"))
                 : QString();
    };
    zurueck_->setText(tr("&Rückgängig") + name(z));
    zurueck_->setEnabled(z != nullptr);
    wiederholen_->setText(tr("&Wiederherstellen") + name(w));
    wiederholen_->setEnabled(w != nullptr);
}

QRect HauptFenster::entwurf() { return {340, 202, 423, 294}; }

void HauptFenster::menueAnlegen() {
    QMenu* trevo = menuBar()->addMenu(QStringLiteral("&Trevo"));
    neuesSpiel_ = trevo->addAction(tr("&Neues Spiel"));
    neuesSpiel_->setShortcut(QKeySequence::New);
    zurueck_ = trevo->addAction(tr("&Rückgängig"));
    zurueck_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    wiederholen_ = trevo->addAction(tr("&Wiederherstellen"));
    wiederholen_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(zurueck_, &QAction::triggered, this, [this] {
        sicher([] {
            if (Spiel* s = Spiel::laufendes()) s->zurueck();
        });
        verlaufAuffrischen();
    });
    connect(wiederholen_, &QAction::triggered, this, [this] {
        sicher([] {
            if (Spiel* s = Spiel::laufendes()) s->wiederholen();
        });
        verlaufAuffrischen();
    });
    verlaufAuffrischen();
    trevo->addSeparator();
    speichernUnter_ = trevo->addAction(tr("Spiel &speichern unter …"));
    speichernUnter_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    oeffnen_ = trevo->addAction(tr("Spiel ö&ffnen …"));
    oeffnen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QMenu* zuletzt = trevo->addMenu(tr("&Zuletzt gespielt"));
    zuletzt->setWindowTitle(tr("Zuletzt gespielt"));
    connect(speichernUnter_, &QAction::triggered, this, [this] {
        const QString datei = dateiWaehlen(this, true, spieleOrdner_);
        if (!datei.isEmpty()) spielWechseln(datei, true);
    });
    connect(oeffnen_, &QAction::triggered, this, [this] {
        const QString datei = dateiWaehlen(this, false, spieleOrdner_);
        if (!datei.isEmpty()) spielWechseln(datei, false);
    });
    connect(zuletzt, &QMenu::aboutToShow, this, [this, zuletzt] {
        zuletzt->clear();
        const QString jetzt = QFileInfo(QString::fromStdString(spielstandDatei)).absoluteFilePath();
        int nr = 0;
        for (const QString& datei : einstellungen::zuletztGespielt()) {
            if (datei == jetzt || !QFileInfo::exists(datei)) continue;
            const QString name = QFileInfo(datei).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
            QAction* a = zuletzt->addAction(QStringLiteral("&%1 %2").arg(++nr).arg(name));
            a->setToolTip(datei);
            connect(a, &QAction::triggered, this, [this, datei] { spielWechseln(datei, false); });
        }
        if (nr == 0) zuletzt->addAction(tr("(keine anderen Spiele)"))->setEnabled(false);
    });
    trevo->addSeparator();
    anordnen_ = trevo->addAction(tr("Fenster &Anordnen"));
    hofbuch_ = trevo->addAction(tr("Hof&buch"));
    monat_ = trevo->addAction(tr("&Monat beenden"));
    monat_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    weiterFragen_ = trevo->addAction(tr("Vor \u201EWeiter\u201C bei Verlusten &fragen"));
    weiterFragen_->setCheckable(true);
    weiterFragen_->setChecked(einstellungen::vorWeiterFragen());
    // The box's "Nicht mehr fragen" turns it off; the menu shows it as it is.
    connect(trevo, &QMenu::aboutToShow, weiterFragen_,
            [this] { weiterFragen_->setChecked(einstellungen::vorWeiterFragen()); });
    connect(weiterFragen_, &QAction::toggled, this, [](bool an) { einstellungen::setzeVorWeiterFragen(an); });
    trevo->addSeparator();
    ende_ = trevo->addAction(tr("Programm be&enden"));
    ende_->setShortcut(QKeySequence::Quit);
    QMenu* hilfe = menuBar()->addMenu(tr("&Hilfe"));
    // A screen reader names an open menu by its window title.
    trevo->setWindowTitle(QStringLiteral("Trevo"));
    hilfe->setWindowTitle(tr("Hilfe"));
    hilfe_ = hilfe->addAction(tr("&Handbuch"));
    hilfe_->setShortcut(QKeySequence(Qt::Key_F1));
    ueber_ = hilfe->addAction(tr("Ü&ber Trevo"));

    connect(neuesSpiel_, &QAction::triggered, this, [this] {
        befehl([] {
            if (MainForm) MainForm->NeuesSpiel1Click();
        });
        // A confirmed new game has put every window at its designed place.
        if (MainForm && MainForm->neueSpiele != neueSpiele_ && anfangsAnordnungAn) {
            neueSpiele_ = MainForm->neueSpiele;
            anfangOffen_ = true;
            entworfen_ = QRect();
            QTimer::singleShot(0, this, &HauptFenster::anfangsAnordnung);
        }
    });
    // The control panel's own "Weiter", so that the month ends exactly as
    // its button ends it.
    connect(monat_, &QAction::triggered, this, [this] {
        for (KindView* v : views_)
            if (auto* k = qobject_cast<KontrollView*>(v)) k->weiter()->click();
    });
    connect(anordnen_, &QAction::triggered, this, [this] {
        sicher([] {
            if (MainForm) MainForm->FensterAnordnen1Click();
        });
        zusaetzeFreilegen();
    });
    // The guide at the chapter of the game window the player is in; with
    // none active, at its contents.
    connect(hilfe_, &QAction::triggered, this, [this] {
        sicher([this] {
            auto* v = qobject_cast<KindView*>(flaeche_->activeSubWindow());
            const QString kapitel = v ? hilfeKapitel(v->fenster()) : QString();
            if (!kapitel.isEmpty())
                hilfeOeffnen(this, kapitel);
            else if (MainForm)
                MainForm->hilfeClick();
        });
    });
    connect(ueber_, &QAction::triggered, this, [this] { ueberTrevo(this); });
    connect(hofbuch_, &QAction::triggered, this, [this] {
        if (!hofbuchFenster_) {
            hofbuchFenster_ = new HofbuchFenster(spiel_.hofbuch(), this);
            hofbuchFenster_->setAttribute(Qt::WA_DeleteOnClose);
            // Over the middle of the frame, where the player looks.
            QRect platz = hofbuchFenster_->frameGeometry();
            platz.moveCenter(frameGeometry().center());
            hofbuchFenster_->move(platz.topLeft());
        }
        hofbuchFenster_->show();
        hofbuchFenster_->raise();
        hofbuchFenster_->activateWindow();
    });
    hilfe->setObjectName(QStringLiteral("hilfeMenue"));
    // Closing the frame ends the game, whichever way it is closed.
    connect(ende_, &QAction::triggered, this, &QWidget::close);
}

void HauptFenster::starten() {
    setGeometry(entwurf());
    if (ohneFensterverwaltung()) {
        // Nobody will maximize the frame (or not before its first picture):
        // it comes up at its final size. Without a window manager nothing
        // restores it either.
        setWindowState(Qt::WindowMaximized);
        if (QScreen* s = screen()) setGeometry(s->availableGeometry());
        show();
    } else {
        showMaximized();
    }
    QTimer::singleShot(0, this, &HauptFenster::startAbschliessen);
    QTimer::singleShot(300, this, &HauptFenster::ohneFensterverwaltungMaximieren);
    // Music waits for the first picture; a frame that starts hidden or is
    // never painted gets it after a while all the same.
    connect(this, &HauptFenster::erstesBild, &plattform_, &QtPlattform::startVorbei);
    QTimer::singleShot(3000, &plattform_, &QtPlattform::startVorbei);
}

void HauptFenster::startAbschliessen() {
    // Qt has activated every subwindow in its own order; the active one must
    // be the game's most recent window, else the player's first click on
    // the window Qt left active would be no activation for Qt but one for
    // the game (its sound, its place in the list), and a click on the
    // game's front window one for Qt but none for the game. The front window
    // is active even when minimized, as it is in the game; with no game
    // window at all none is.
    QMdiSubWindow* vorne = nullptr;
    if (MainForm && !MainForm->kinder().empty()) {
        for (KindView* v : views_)
            if (&v->fenster() == MainForm->kinder().front()) vorne = v;
    }
    flaeche_->setActiveSubWindow(vorne);
    letzteAktiv_ = flaeche_->activeSubWindow();
    gestartet_ = true;
    anfangsAnordnung();
    // A continued game whose file has no place of the outlook's own (one
    // saved before there was an outlook, or one never moved) gives it room
    // as a first start does.
    if (!anfangOffen_ && anfangsAnordnungAn && AusblickForm && AusblickForm->amAnfang()) {
        ausblickOffen_ = true;
        QTimer::singleShot(0, this, &HauptFenster::ausblickNebenDieFenster);
    }
}

void HauptFenster::ohneFensterverwaltungMaximieren() {
    // Without a window manager (a bare X server) nobody acts on the wish to
    // be maximized, and the frame would stay at its designed size.
    if (isMaximized() && geometry() == entwurf())
        if (QScreen* s = screen()) setGeometry(s->availableGeometry());
}

void HauptFenster::aktiviert(QMdiSubWindow* fenster) {
    // Qt's activations while the frame comes up are not the player's; and a
    // frame that loses and regains the focus activates the same window again.
    if (!gestartet_ || beendet_ || !fenster || fenster == letzteAktiv_) return;
    letzteAktiv_ = fenster;
    auto* v = qobject_cast<KindView*>(fenster);
    if (!v) return;
    sicher([v] {
        if (MainForm) MainForm->aktiviert(&v->fenster());
    });
}

KindView* HauptFenster::view(const std::string& name) const {
    for (KindView* v : views_)
        if (v->fenster().name() == name) return v;
    return nullptr;
}

void HauptFenster::closeEvent(QCloseEvent* e) {
    // The orderly end follows when the event loop is over; from here on
    // nothing the subwindows do is the player's.
    beendet_ = true;
    e->accept();
    emit geschlossen();
}

bool HauptFenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (anfangOffen_ && gestartet_ && objekt == flaeche_->viewport() && ereignis->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &HauptFenster::anfangsAnordnung);
    if (ausblickOffen_ && gestartet_ && objekt == flaeche_->viewport() && ereignis->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &HauptFenster::ausblickNebenDieFenster);
    if (!gemalt_ && objekt == flaeche_->viewport() && ereignis->type() == QEvent::Paint) {
        gemalt_ = true;
        // After this paint has reached the screen.
        QTimer::singleShot(0, this, &HauptFenster::erstesBild);
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

QKeySequence HauptFenster::fensterTaste(std::size_t i) {
    const int n = static_cast<int>(i);
    if (n < 9) return QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + n));
    if (n == 9) return QKeySequence(Qt::ALT | Qt::Key_0);
    if (n < 19) return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + n - 10));
    return {};
}

void HauptFenster::fensterMenueAnlegen() {
    // Between "&Trevo" and "&Hilfe".
    QMenu* menue = new QMenu(tr("&Fenster"), this);
    menue->setWindowTitle(tr("Fenster"));
    menuBar()->insertMenu(menuBar()->actions().constLast(), menue);
    nebeneinander_ = menue->addAction(tr("&Nebeneinander"));
    connect(nebeneinander_, &QAction::triggered, this, [this] { sicher([this] { nebeneinanderAnordnen(); }); });
    menue->addSeparator();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        KindView* v = views_[i];
        auto* a = menue->addAction(QString());
        a->setCheckable(true);
        // Every window one key away: Alt+1 … Alt+9, Alt+0 for the tenth,
        // and Ctrl+1 … Ctrl+9 beyond it.
        a->setShortcut(fensterTaste(i));
        connect(a, &QAction::triggered, this, [this, v] { zeigen(v); });
        fensterAktionen_.push_back(a);
    }
    menue->addSeparator();
    naechstes_ = menue->addAction(tr("N&ächstes Fenster"));
    naechstes_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    voriges_ = menue->addAction(tr("&Voriges Fenster"));
    voriges_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6));
    connect(naechstes_, &QAction::triggered, this, [this] { weiterBlaettern(1); });
    connect(voriges_, &QAction::triggered, this, [this] { weiterBlaettern(-1); });
    connect(menue, &QMenu::aboutToShow, this, &HauptFenster::fensterMenueAuffrischen);
    fensterMenueAuffrischen();
}

void HauptFenster::fensterMenueAuffrischen() {
    // The whole caption, which a narrow title bar cuts; the number is the
    // entry's mnemonic.
    const QMdiSubWindow* aktiv = flaeche_->activeSubWindow();
    for (std::size_t i = 0; i < fensterAktionen_.size(); ++i) {
        const QString titel = views_[i]->windowTitle().replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString nummer = i < 9 ? QStringLiteral("&%1").arg(i + 1) : i == 9 ? QStringLiteral("1&0") : QString::number(i + 1);
        fensterAktionen_[i]->setText(nummer + QLatin1Char(' ') + titel);
        fensterAktionen_[i]->setChecked(views_[i] == aktiv);
    }
}

void HauptFenster::zeigen(KindView* v) {
    if (!v) return;
    if (v->isMinimized()) v->showNormal();
    flaeche_->setActiveSubWindow(v);
    v->raise();
    if (QWidget* w = v->widget()) w->setFocus();
}

void HauptFenster::weiterBlaettern(int schritt) {
    if (views_.empty()) return;
    const auto n = static_cast<int>(views_.size());
    int i = 0;
    for (int j = 0; j < n; ++j)
        if (views_[static_cast<std::size_t>(j)] == flaeche_->activeSubWindow()) i = j + schritt;
    zeigen(views_[static_cast<std::size_t>(((i % n) + n) % n)]);
}

namespace {
QRect aussen(const KindView& v) {
    return {QPoint(v.fenster().left, v.fenster().top), v.clientGroesse() + KindView::rahmen()};
}
}  // namespace

void HauptFenster::nebeneinanderAnordnen(bool karteGanz) {
    // The outlook takes its place at the size a new game gives it, and then
    // all the room beside the others.
    const auto istAusblick = [](const KindView* v) { return &v->fenster() == AusblickForm; };
    if (karteGanz) {
        // The field map as large as it goes, where that leaves every window
        // beside the others.
        if (KindView* k = view("FelderForm"); k && k->fenster().sizeable && k->maximumWidth() < QWIDGETSIZE_MAX) {
            TkindForm& f = k->fenster();
            const QSize vorher(f.clientWidth, f.clientHeight);
            const QSize gross = k->maximumSize() - KindView::rahmen();
            f.gezogen(f.left, f.top, gross.width(), gross.height(), f.windowState);
            nebeneinanderAnordnen(false);
            bool frei = true;
            for (const KindView* v : views_)
                for (const KindView* w : views_)
                    if (v != w && aussen(*v).intersects(aussen(*w))) frei = false;
            if (frei) return;
            f.gezogen(f.left, f.top, vorher.width(), vorher.height(), f.windowState);
            k->auffrischen();
        }
    }
    const QSize ausblickAnfang(TAusblickForm::anfangsGroesse().x, TAusblickForm::anfangsGroesse().y);
    // Laid out inside the area, the windows leave it no scroll bars.
    const QSize flaeche = flaeche_->maximumViewportSize();
    // The title bar: what the style adds above a client, less the border below.
    const int titel = KindView::rahmen().height() - KindView::rahmen().width() / 2;
    std::vector<Stueck> stuecke;
    std::size_t ausblick = views_.size();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        const KindView* v = views_[i];
        if (istAusblick(v)) ausblick = i;
        stuecke.push_back({reiheVon(v->fenster()), istAusblick(v) ? ausblickAnfang : v->clientGroesse() + KindView::rahmen(),
                           &v->fenster() == KontrollForm});
    }
    std::vector<std::size_t> stapel;
    std::vector<QPoint> orte = nebeneinander(stuecke, flaeche, titel, &stapel);
    QSize ausblickGroesse = ausblickAnfang;
    // Where the windows cannot all lie side by side, the outlook takes a
    // column of its own at the right, as high as the area (what it says is
    // read before every "Weiter"), and the others share the rest.
    const auto ueberdeckt = [&] {
        for (std::size_t i = 0; i < orte.size(); ++i)
            for (std::size_t j = i + 1; j < orte.size(); ++j)
                if (QRect(orte[i], stuecke[i].groesse).intersects(QRect(orte[j], stuecke[j].groesse))) return true;
        return false;
    };
    if (ausblick < views_.size() && ueberdeckt()) {
        int breitestes = 0;
        std::vector<Stueck> andere;
        for (std::size_t i = 0; i < stuecke.size(); ++i)
            if (i != ausblick) {
                andere.push_back(stuecke[i]);
                breitestes = std::max(breitestes, stuecke[i].groesse.width());
            }
        const int breite = std::min(flaeche.width() - breitestes,
                                    std::max(fontMetrics().averageCharWidth() * 60, ausblickAnfang.width()));
        if (breite >= std::max(ausblickAnfang.width(), fontMetrics().averageCharWidth() * 30)) {
            std::vector<std::size_t> restStapel;
            const std::vector<QPoint> rest =
                nebeneinander(andere, QSize(flaeche.width() - breite, flaeche.height()), titel, &restStapel);
            for (std::size_t i = 0, k = 0; i < orte.size(); ++i)
                orte[i] = i == ausblick ? QPoint(flaeche.width() - breite, 0) : rest[k++];
            stapel.clear();
            for (const std::size_t k : restStapel) stapel.push_back(k < ausblick ? k : k + 1);
            ausblickGroesse = QSize(breite, flaeche.height());
        }
    }
    for (std::size_t i = 0; i < views_.size(); ++i) {
        TkindForm& f = views_[i]->fenster();
        const QSize client = i == ausblick ? (ausblickGroesse - KindView::rahmen()).expandedTo(QSize(0, 0))
                                           : QSize(f.clientWidth, f.clientHeight);
        f.gezogen(orte[i].x(), orte[i].y(), client.width(), client.height(), f.windowState);
        views_[i]->auffrischen();
    }
    // Where they lie over each other, each above those placed before it,
    // whose title bars it leaves free.
    if (ueberdeckt())
        for (const std::size_t i : stapel) views_[i]->raise();
    ausblickAusdehnen();
}

void HauptFenster::ausblickAusdehnen() {
    KindView* a = view("AusblickForm");
    if (!a || a->fenster().windowState != FensterZustand::normal) return;
    const QSize flaeche = flaeche_->viewport()->size();
    QRect r = aussen(*a);
    if (!QRect(QPoint(), flaeche).contains(r.topLeft())) return;
    std::vector<QRect> andere;
    for (KindView* v : views_)
        if (v != a && v->fenster().windowState == FensterZustand::normal) andere.push_back(aussen(*v));
    // Wider than about 70 characters only lengthens the lines.
    const int breitest = std::max(r.width(), fontMetrics().averageCharWidth() * 70);
    int rechts = std::min(flaeche.width(), r.left() + breitest);
    for (const QRect& o : andere)
        if (o.left() > r.left() && o.top() <= r.bottom() && o.bottom() >= r.top()) rechts = std::min(rechts, o.left());
    r.setWidth(std::max(r.width(), rechts - r.left()));
    int unten = flaeche.height();
    for (const QRect& o : andere)
        if (o.top() > r.top() && o.left() <= r.right() && o.right() >= r.left()) unten = std::min(unten, o.top());
    r.setHeight(std::max(r.height(), unten - r.top()));
    if (r == aussen(*a)) return;
    TkindForm& f = a->fenster();
    const QSize client = r.size() - KindView::rahmen();
    f.gezogen(r.left(), r.top(), client.width(), client.height(), f.windowState);
    a->auffrischen();
}

void HauptFenster::zusaetzeFreilegen() {
    for (KindView* v : views_) {
        const int zusatz = v->clientGroesse().height() - v->fenster().clientHeight;
        if (zusatz <= 0) continue;
        const QRect r = aussen(*v);
        const QRect streifen(r.left(), r.bottom() + 1 - zusatz, r.width(), zusatz);
        int oben = std::numeric_limits<int>::max();
        for (KindView* w : views_)
            if (w != v && aussen(*w).top() > r.top() && aussen(*w).intersects(streifen))
                oben = std::min(oben, aussen(*w).top());
        if (oben == std::numeric_limits<int>::max()) continue;
        const int tiefer = r.bottom() + 1 - oben;
        for (KindView* w : views_) {
            TkindForm& f = w->fenster();
            if (w == v || f.top < oben) continue;
            f.gezogen(f.left, f.top + tiefer, f.clientWidth, f.clientHeight, f.windowState);
            w->auffrischen();
        }
    }
}

void HauptFenster::ausblickNebenDieFenster() {
    ausblickOffen_ = false;
    KindView* a = view("AusblickForm");
    if (!a || !AusblickForm || beendet_ || !(AusblickForm->amAnfang() || ausblickVonUns_)) return;
    // Right of everything else where that leaves room for its lines.
    QRect alle;
    for (KindView* v : views_)
        if (v != a && v->fenster().windowState == FensterZustand::normal) alle |= aussen(*v);
    const QSize flaeche = flaeche_->viewport()->size();
    TkindForm& f = a->fenster();
    // From the size a new game gives it (the area may have shrunk since an
    // earlier call grew it).
    const QSize anfang(TAusblickForm::anfangsGroesse().x, TAusblickForm::anfangsGroesse().y);
    const QSize client = (anfang - KindView::rahmen()).expandedTo(QSize(0, 0));
    const bool rechtsFrei = flaeche.width() - (alle.right() + 1) >= fontMetrics().averageCharWidth() * 36;
    // A game continued on an area too small for its windows (laid out on a
    // larger screen, or at a smaller scale) would leave the outlook a
    // scrolling corner: it is laid out as a first start lays it out.
    if (!rechtsFrei && !anfangOffen_ && !QRect(QPoint(), flaeche).contains(alle)) {
        anfangOffen_ = true;
        anfangsAnordnung();
        return;
    }
    QPoint ort(f.left, f.top);
    if (ausblickVonUns_) ort = QPoint(entworfenAusblick_.x(), entworfenAusblick_.y());
    entworfenAusblick_ = ort;
    if (rechtsFrei)
        ort = QPoint(alle.right() + 1, 0);
    else if (ort.x() + anfang.width() > flaeche.width())
        // A narrow area: at least wholly inside it.
        ort.setX(std::max(0, flaeche.width() - anfang.width()));
    f.gezogen(ort.x(), ort.y(), client.width(), client.height(), f.windowState);
    a->auffrischen();
    ausblickAusdehnen();
    // The area may still grow, as at a first start.
    ausblickOffen_ = true;
    ausblickVonUns_ = true;
    QTimer::singleShot(2000, this, [this] { ausblickOffen_ = ausblickVonUns_ = false; });
}

void HauptFenster::anfangsAnordnung() {
    if (!anfangOffen_ || beendet_) return;
    // The designed layout: where the windows stand after a new game (taken
    // before the first time they are laid out).
    if (entworfen_.isNull()) {
        for (KindView* v : views_) {
            const TkindForm& f = v->fenster();
            entworfen_ |= QRect(QPoint(f.left, f.top), v->clientGroesse() + KindView::rahmen());
        }
    }
    const QSize frei = flaeche_->viewport()->size();
    // The designed layout only where the area is just its size: it lets the
    // herds and stores lie under the price list, and side by side they do
    // not where there is room; where the area is smaller in either
    // direction, it would run beyond it (on a screen at twice the scale
    // the designed layout runs off the bottom).
    if (frei.width() != entworfen_.right() + 1 || frei.height() != entworfen_.bottom() + 1)
        nebeneinanderAnordnen(true);
    else
        ausblickNebenDieFenster();
    // The area may still grow (a window manager maximizes the frame late):
    // until then each new size lays the windows out again.
    QTimer::singleShot(2000, this, [this] { anfangOffen_ = false; });
}

void HauptFenster::einstellungenAnlegen() {
    QMenu* menue = new QMenu(tr("&Einstellungen"), this);
    menue->setWindowTitle(tr("Einstellungen"));
    menuBar()->insertMenu(menuBar()->actions().constLast(), menue);
    // The music's switch as it was in "&Trevo": it toggles what plays.
    musik_ = menue->addAction(tr("Hintergrund&musik ein-/ausschalten"));
    musik_->setCheckable(true);
    musik_->setChecked(MainForm && MainForm->musikAn);
    connect(musik_, &QAction::triggered, this, [this] {
        sicher([] {
            if (MainForm) MainForm->MusikAnAusClick();
        });
        if (MainForm) {
            musik_->setChecked(MainForm->musikAn);
            einstellungen::setzeMusik(MainForm->musikAn);
        }
    });
    klaenge_ = menue->addAction(tr("&Klänge"));
    klaenge_->setCheckable(true);
    klaenge_->setChecked(einstellungen::klaenge());
    plattform_.setzeKlaengeAn(klaenge_->isChecked());
    connect(klaenge_, &QAction::toggled, this, [this](bool an) {
        einstellungen::setzeKlaenge(an);
        plattform_.setzeKlaengeAn(an);
    });
    QMenu* laut = menue->addMenu(tr("Musik&lautstärke"));
    laut->setWindowTitle(tr("Musiklautstärke"));
    auto* gruppe = new QActionGroup(laut);
    const int jetzt = einstellungen::lautstaerke();
    for (const int prozent : {20, 40, 60, 80, 100}) {
        auto* a = laut->addAction(QStringLiteral("&%1 %").arg(prozent));
        a->setCheckable(true);
        a->setActionGroup(gruppe);
        // A value set by hand between the steps checks the step below it.
        a->setChecked(prozent <= jetzt && jetzt < prozent + 20);
        connect(a, &QAction::triggered, this, [this, prozent] {
            einstellungen::setzeLautstaerke(prozent);
            plattform_.musik().lautstaerkeSetzen(static_cast<float>(prozent) / 100.0f);
        });
        lautstaerke_.push_back(a);
    }
    if (jetzt < 20) lautstaerke_.front()->setChecked(true);
    plattform_.musik().lautstaerkeSetzen(static_cast<float>(jetzt) / 100.0f);
    spracheAnlegen(menue);
    // The player switched the music off in an earlier run: it stays off.
    if (!einstellungen::musik() && MainForm && MainForm->musikAn) {
        sicher([] { MainForm->MusikAnAusClick(); });
        musik_->setChecked(MainForm->musikAn);
    }
}

void HauptFenster::spracheAnlegen(QMenu* einstellungenMenue) {
    // The languages by their own names; the choice takes effect at the next
    // start, which the box says in the language chosen.
    QMenu* menue = einstellungenMenue->addMenu(tr("&Sprache"));
    menue->setWindowTitle(tr("Sprache"));
    auto* gruppe = new QActionGroup(menue);
    const Sprache jetzt = einstellungen::sprache();
    const std::pair<Sprache, QString> wahlen[] = {{Sprache::system, tr("&System")},
                                                   {Sprache::deutsch, QStringLiteral("&Deutsch")},
                                                   {Sprache::englisch, QStringLiteral("&English")}};
    for (const auto& [sprache, name] : wahlen) {
        QAction* a = menue->addAction(name);
        a->setCheckable(true);
        a->setActionGroup(gruppe);
        a->setChecked(sprache == jetzt);
        connect(a, &QAction::triggered, this, [this, sprache] {
            if (sprache == einstellungen::sprache()) return;
            einstellungen::setzeSprache(sprache);
            const bool deutsch = gesprochen(sprache) == Sprache::deutsch;
            QString text = deutsch ? QStringLiteral("Trevo spricht ab dem nächsten Start Deutsch.")
                                   : QStringLiteral("Trevo will speak English from the next start.");
            if (sprache == Sprache::system)
                text = deutsch
                           ? QStringLiteral("Trevo spricht ab dem nächsten Start die Sprache des Systems, Deutsch.")
                           : QStringLiteral("From the next start, Trevo will speak the system\u2019s language, English.");
            QMessageBox::information(this, deutsch ? QStringLiteral("Sprache") : QStringLiteral("Language"), text);
        });
        sprache_.push_back(a);
    }
}
