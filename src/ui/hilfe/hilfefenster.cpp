#include "ui/hilfe/hilfefenster.h"

#include "ui/sprache.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QKeyEvent>
#include <QPointer>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QWindow>

#include "ui/taste.h"

namespace {

QPointer<HilfeFenster> einzigesFenster;

// Every anchor name Qt found in a document: <a name="…"> and id="…".
bool dokumentHatAnker(const QTextDocument& dokument, const QString& anker) {
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().anchorNames().contains(anker))
                return true;
        }
    }
    return false;
}

}  // namespace

HilfeFenster::HilfeFenster(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Trevo – Hilfe"));
    setObjectName(QStringLiteral("HilfeFenster"));

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(false);
    // The game's own labels are small; a guide is read at a comfortable size.
    QFont schrift = browser_->font();
    schrift.setPointSize(10);
    browser_->setFont(schrift);
    setCentralWidget(browser_);

    QToolBar* leiste = addToolBar(tr("Navigation"));
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextOnly);
    zurueck_ = leiste->addAction(tr("Zurück"), this, [this] {
        stelleMerken();
        browser_->backward();
    });
    zurueck_->setShortcut(QKeySequence::Back);
    vor_ = leiste->addAction(tr("Vor"), this, [this] {
        stelleMerken();
        browser_->forward();
    });
    vor_->setShortcut(QKeySequence::Forward);
    inhalt_ = leiste->addAction(tr("Inhalt"), this, [this] {
        if (!inhaltSeite_.isEmpty()) {
            stelleMerken();
            browser_->setSource(inhaltSeite_);
        }
    });
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);
    inhalt_->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QAction::setEnabled);

    resize(640, 600);
}

HilfeFenster& HilfeFenster::einzig() {
    if (!einzigesFenster) {
        einzigesFenster = new HilfeFenster;
        // A top-level window without a parent: it goes when the game ends.
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { delete einzigesFenster.data(); });
    }
    return *einzigesFenster;
}

QString HilfeFenster::htmlDatei(const QString& hilfeDatei) {
    if (hilfeDatei.isEmpty())
        return {};
    const QFileInfo info(hilfeDatei);
    const QString endung = info.suffix().toLower();
    QString datei;
    if (endung == QLatin1String("html") || endung == QLatin1String("htm"))
        datei = hilfeDatei;
    else if (endung.isEmpty())
        datei = hilfeDatei + QStringLiteral(".html");
    else
        datei = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".html");
    // The English guide lies beside the German one as NAME_en.html; where
    // it is missing, the German one is better than none.
    if (aktuelleSprache() == Sprache::englisch) {
        const QFileInfo html(datei);
        const QString englisch =
            html.path() + QLatin1Char('/') + html.completeBaseName() + QStringLiteral("_en.") + html.suffix();
        if (QFileInfo(englisch).isFile()) return englisch;
    }
    return datei;
}

QString HilfeFenster::kontextAnker(int kontext) {
    return QStringLiteral("kontext-") + QString::number(kontext);
}

void HilfeFenster::zeigeInhalt(const QString& hilfeDatei) { zeige(hilfeDatei, {}); }

void HilfeFenster::zeigeKontext(const QString& hilfeDatei, int kontext) {
    zeige(hilfeDatei, kontextAnker(kontext));
}

void HilfeFenster::keyPressEvent(QKeyEvent* e) {
    // Escape puts the guide away, as it closes a dialog. (A key, not a
    // shortcut: opened over a modal dialog, the guide still gets it.)
    if (!tasteAllein(e, Qt::Key_Escape, [this] { close(); })) QMainWindow::keyPressEvent(e);
}

void HilfeFenster::zeigeKapitel(const QString& hilfeDatei, const QString& anker) { zeige(hilfeDatei, anker); }

QString HilfeFenster::anker() const { return browser_->source().fragment(); }

void HilfeFenster::zeige(const QString& hilfeDatei, const QString& anker) {
    const QString datei = htmlDatei(hilfeDatei);
    const QFileInfo info(datei);
    QFile lesen(info.absoluteFilePath());
    if (datei.isEmpty() || !info.isFile() || !lesen.open(QIODevice::ReadOnly)) {
        zeigeFehlen(datei.isEmpty() ? hilfeDatei : datei);
        nachVorn();
        return;
    }
    inhaltSeite_ = QUrl::fromLocalFile(info.absoluteFilePath());
    inhalt_->setEnabled(true);
    statusBar()->clearMessage();

    QUrl ziel = inhaltSeite_;
    if (!anker.isEmpty()) {
        QTextDocument probe;
        probe.setHtml(QString::fromUtf8(lesen.readAll()));
        if (dokumentHatAnker(probe, anker))
            ziel.setFragment(anker);
        else
            statusBar()->showMessage(tr("Zu diesem Thema gibt es keine Hilfe."));
    }
    stelleMerken();
    browser_->setSource(ziel);
    nachVorn();
}

void HilfeFenster::stelleMerken() {
    // The history keeps the browser's text cursor with the page it leaves,
    // and coming back scrolls to that cursor. After a click on a link the
    // cursor is still that link, on the page before: "Vor" after "Zurück"
    // would show the contents instead of the chapter. So the cursor is put
    // where the reader is, in the middle of what is shown.
    QTextCursor hier = browser_->cursorForPosition(browser_->viewport()->rect().center());
    hier.clearSelection();
    browser_->setTextCursor(hier);
}

void HilfeFenster::zeigeFehlen(const QString& datei) {
    inhaltSeite_.clear();
    inhalt_->setEnabled(false);
    browser_->clearHistory();
    browser_->setHtml(
        tr("<h2>Hilfe nicht gefunden</h2>"
           "<p>Die Hilfedatei <b>%1</b> ist nicht vorhanden oder kann nicht "
           "gelesen werden.</p>"
           "<p>Die Spielanleitung gehört als <b>trevo.html</b> in das Verzeichnis "
           "des Programms.</p>")
            .arg(datei.toHtmlEscaped()));
}

void HilfeFenster::nachVorn() {
    if (isMinimized())
        showNormal();
    else
        show();
    // Opened from a modal dialog (the field work's help button), the guide
    // must still take clicks: a window that belongs to the modal one is not
    // blocked by it. Opened from the frame, it stands on its own.
    if (QWindow* fenster = windowHandle()) {
        QWidget* modal = QApplication::activeModalWidget();
        fenster->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
    }
    raise();
    activateWindow();
}
