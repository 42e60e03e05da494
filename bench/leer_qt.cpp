// The toolkit's floor for the start-up: a frame with a menu and as many empty
// child windows as the game has, the same style and font, nothing else.
// Reports its first painted frame as the game does, then ends.
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTimer>

#include <cstdio>

namespace {
QElapsedTimer uhr;

class Flaeche : public QMdiArea {
protected:
    void paintEvent(QPaintEvent* e) override {
        QMdiArea::paintEvent(e);
        if (gemalt_) return;
        gemalt_ = true;
        QTimer::singleShot(0, [] {
            std::fprintf(stderr, "Trevo: erstes Bild nach %lld ms\n", static_cast<long long>(uhr.elapsed()));
            QCoreApplication::exit(0);
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
    rahmen.showMaximized();
    return QApplication::exec();
}
