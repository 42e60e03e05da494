// The help viewer: the game's guide, an HTML file beside the program, in a
// browser window with "Zurück", "Vor" and "Inhalt". F1 opens it at the
// chapter of the window the player is in, the field work dialog's help
// button at its topic; Escape puts it away.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

class QAction;
class QTextBrowser;

class HilfeFenster final : public QMainWindow {
    Q_OBJECT

public:
    explicit HilfeFenster(QWidget* parent = nullptr);

    // The program's one viewer, made on first use; F1 again only raises it.
    static HilfeFenster& einzig();

    // `hilfeDatei` names the help file with or without its extension; the
    // HTML file of that name is shown ("…/trevo.hlp" shows "…/trevo.html").
    void zeigeInhalt(const QString& hilfeDatei);
    // The topic of a help context number: the place marked "kontext-<n>" in
    // the file. An unknown number shows the contents page.
    void zeigeKontext(const QString& hilfeDatei, int kontext);
    // The place marked with the anchor; an empty or unknown one shows the
    // contents page.
    void zeigeKapitel(const QString& hilfeDatei, const QString& anker);
    // The anchor the viewer shows, empty at the contents page.
    QString anker() const;

    // The HTML file that stands for a help file name.
    static QString htmlDatei(const QString& hilfeDatei);
    static QString kontextAnker(int kontext);

    QTextBrowser* browser() const { return browser_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void zeige(const QString& hilfeDatei, const QString& anker);
    void zeigeFehlen(const QString& datei);
    void nachVorn();
    void stelleMerken();

    QTextBrowser* browser_;
    QAction* zurueck_;
    QAction* vor_;
    QAction* inhalt_;
    QUrl inhaltSeite_;
};
