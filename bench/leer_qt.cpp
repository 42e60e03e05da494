// The toolkit's floor for the start-up: a frame with a menu and as many empty
// child windows as the game has, the same style and font, nothing else.
// Reports its first painted frame and the memory it has needed so far as the
// game does, then waits, as the game would, until it is ended (with
// TREVO_STARTZEIT=ende it ends there, as the game does).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ui/fensterverwaltung.h"

namespace {
QElapsedTimer uhr;

class Flaeche : public QMdiArea {
protected:
    void paintEvent(QPaintEvent* e) override {
        QMdiArea::paintEvent(e);
        if (gemalt_) return;
        gemalt_ = true;
        QTimer::singleShot(0, [] {
            long spitze = 0;
            QFile status(QStringLiteral("/proc/self/status"));
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray& zeile : status.readAll().split('\n'))
                    if (zeile.startsWith("VmHWM:")) spitze = zeile.mid(6).trimmed().split(' ').value(0).toLong();
            std::fprintf(stderr, "Trevo: erstes Bild nach %lld ms, Speicher %ld KiB\n",
                         static_cast<long long>(uhr.elapsed()), spitze);
            const char* ende = std::getenv("TREVO_STARTZEIT");
            if (ende && std::strcmp(ende, "ende") == 0) {
                std::fflush(nullptr);
                std::_Exit(0);
            }
        });
    }

private:
    bool gemalt_ = false;
};
}  // namespace

int main(int argc, char** argv) {
    uhr.start();
    QApplication anwendung(argc, argv);
    if (QStyle* stil = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(stil);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(8);
    schrift.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(schrift);
    QMainWindow rahmen;
    auto* flaeche = new Flaeche;
    flaeche->setBackground(QColor(0, 128, 0));
    rahmen.setCentralWidget(flaeche);
    QMenu* menue = rahmen.menuBar()->addMenu(QStringLiteral("&Trevo"));
    for (const char* t : {"&Neues Spiel", "Fenster &Anordnen", "Hintergrund &Musik ein-/ausschalten", "Programm be&enden"})
        menue->addAction(QString::fromUtf8(t));
    rahmen.menuBar()->addAction(QStringLiteral("&Hilfe"));
    const int fenster = argc > 1 ? std::atoi(argv[1]) : 12;
    for (int i = 0; i < fenster; ++i) {
        auto* inhalt = new QWidget;
        inhalt->setFixedSize(200, 120);
        QMdiSubWindow* w = flaeche->addSubWindow(inhalt);
        w->setWindowTitle(QStringLiteral("Fenster %1").arg(i + 1));
        w->move(20 * i, 20 * i);
        w->show();
    }
    // The game's frame: its designed place, maximized, and without a window
    // manager as large as the screen from its first picture.
    rahmen.setGeometry(340, 202, 423, 294);
    if (ohneFensterverwaltung()) {
        rahmen.setWindowState(Qt::WindowMaximized);
        if (QScreen* s = rahmen.screen()) rahmen.setGeometry(s->availableGeometry());
        rahmen.show();
    } else {
        rahmen.showMaximized();
    }
    QTimer::singleShot(300, &rahmen, [&rahmen] {
        if (rahmen.isMaximized() && rahmen.geometry() == QRect(340, 202, 423, 294))
            if (QScreen* s = rahmen.screen()) rahmen.setGeometry(s->availableGeometry());
    });
    return QApplication::exec();
}
