#include "ui/hilfetaste.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "geld/kontoform.h"
#include "geld/kontrollform.h"
#include "rahmen/mainform.h"
#include "ausblick.h"
#include "fields/felderform.h"
#include "goods/siloform.h"
#include "livestock/arten.h"
#include "market/preiseform.h"
#include "ui/medien.h"
#include "ui/sicher.h"

QString hilfeKapitel(const TkindForm& f) {
    // A species before the herd window, the stores before the goods window.
    if (const auto* t = dynamic_cast<const TtierForm*>(&f)) return QString::fromUtf8(t->art.kennung);
    if (dynamic_cast<const TgutForm*>(&f)) return QStringLiteral("lager");
    if (dynamic_cast<const TPreiseForm*>(&f)) return QStringLiteral("markt");
    if (dynamic_cast<const TFelderForm*>(&f)) return QStringLiteral("felder");
    if (dynamic_cast<const TKontoForm*>(&f)) return QStringLiteral("kontoauszug");
    if (dynamic_cast<const TKontrollForm*>(&f)) return QStringLiteral("monat");
    if (dynamic_cast<const TAusblickForm*>(&f)) return QStringLiteral("ausblick");
    return {};
}

void hilfeOeffnen(QWidget* eltern, const QString& anker) {
    if (!MainForm) return;
    hilfeKapitelZeigen(eltern, MainForm->hilfeDatei, anker);
}

void hilfeTaste(QWidget* fenster, const QString& anker) {
    auto* taste = new QShortcut(QKeySequence(Qt::Key_F1), fenster);
    taste->setContext(Qt::WindowShortcut);
    QObject::connect(taste, &QShortcut::activated, fenster,
                     [fenster, anker] { sicher([&] { hilfeOeffnen(fenster, anker); }); });
}
