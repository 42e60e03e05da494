#include "ui/ueberdialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtGlobal>

#include "ui/hilfetaste.h"

#ifndef TREVO_VERSION
#define TREVO_VERSION "?"
#endif
// Where the licence's text is: beside the game as built, or where the
// system keeps it (Debian: /usr/share/common-licenses/GPL-3).
#ifndef TREVO_LIZENZ
#define TREVO_LIZENZ ""
#endif

namespace {
QString lizenzOrt() {
    const QString ort = QStringLiteral(TREVO_LIZENZ);
    if (ort.isEmpty())
        return QCoreApplication::translate("UeberTrevo", "der Wortlaut der Lizenz liegt dem Spiel als LICENSE bei");
    return QCoreApplication::translate("UeberTrevo", "der Wortlaut der Lizenz steht auf diesem System in %1")
        .arg(ort.toHtmlEscaped());
}
}  // namespace

QDialog* ueberDialog(QWidget* eltern) {
    auto* d = new QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint);
    d->setWindowTitle(QCoreApplication::translate("UeberTrevo", "Über Trevo"));
    d->setObjectName(QStringLiteral("UeberTrevo"));
    auto* text = new QLabel(d);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setText(
        QCoreApplication::translate("UeberTrevo",
            "<h2>Trevo %1</h2>"
            "<p>Einen Bauernhof Monat für Monat führen.</p>"
            "<p>Trevo ist freie Software: Sie dürfen es unter den Bedingungen der GNU General "
            "Public License, Version&nbsp;3 oder (nach Ihrer Wahl) jeder späteren Version, "
            "weitergeben und verändern (GPL-3.0-or-later). Trevo wird ohne jede Gewährleistung "
            "verbreitet; %3.</p>"
            "<p>Beim Spielen verwendet Trevo:</p>"
            "<ul>"
            "<li>Qt %2 für Fenster, Bilder und Klänge (The Qt Company, LGPL-3.0)</li>"
            "<li>libvorbis für die Hintergrundmusik (Xiph.Org, BSD-3-Clause)</li>"
            "<li>die Schriften Liberation Sans und Liberation Mono (Red Hat, SIL Open Font "
            "License 1.1)</li>"
            "</ul>"
            "<p>Die Hintergrundmusik wurde beim Bau des Spiels einmal mit FluidSynth (LGPL-2.1 "
            "oder später) und der General-MIDI-Klangbank TimGM6mb von Tim Brechbill (GPL-2.0) "
            "gespielt und als Ogg Vorbis aufgenommen.</p>")
            .arg(QStringLiteral(TREVO_VERSION), QString::fromLatin1(qVersion()), lizenzOrt()));
    auto* knoepfe = new QDialogButtonBox(d);
    QPushButton* ok = knoepfe->addButton(QCoreApplication::translate("UeberTrevo", "OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, d, &QDialog::accept);
    auto* spalte = new QVBoxLayout(d);
    spalte->addWidget(text);
    spalte->addWidget(knoepfe);
    d->setFixedWidth(420);
    // The wrapped text takes the height it needs at that width.
    d->setMinimumHeight(d->heightForWidth(420));
    hilfeTaste(d, QStringLiteral("menue"));
    return d;
}

void ueberTrevo(QWidget* eltern) {
    QDialog* d = ueberDialog(eltern);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->exec();
}
