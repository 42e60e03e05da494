#include "ui/anwendung.h"

#include <QFont>
#include <QLocale>
#include <QStyleFactory>

#include "app/geldtext.h"
#include "app/plattform.h"
#include "ui/sicher.h"
#include "ui/qtplattform.h"

TrevoAnwendung::TrevoAnwendung(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Trevo"));
}

bool TrevoAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    return sicher([&] { return QApplication::notify(empfaenger, ereignis); });
}

void TrevoAnwendung::einrichten() {
    if (QStyle* stil = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(stil);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPointSize(8);
    QApplication::setFont(schrift);
    dezimalTrenner = QLocale().decimalPoint().toStdString();
}

void fehlerZeigen(const std::string& text) {
    if (QtPlattform* p = QtPlattform::aktuelle()) {
        p->fehlerBox(text);
        return;
    }
    QtPlattform::standardFehlerBox(nullptr, text);
}
