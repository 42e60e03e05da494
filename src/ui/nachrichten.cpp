#include "ui/nachrichten.h"

#include <QCoreApplication>

QString nachrichtText(const Nachricht& nachricht) {
    // The pattern is looked up by its text: a variable, not a literal, so
    // lupdate takes it from the core's TREVO_TEXT and not from here.
    static constexpr char kontext[] = "Kern";
    const QByteArray muster = QCoreApplication::translate(kontext, nachricht.muster).toUtf8();
    return QString::fromStdString(einsetzen(std::string_view(muster.constData(), static_cast<std::size_t>(muster.size())),
                                            nachricht.werte));
}
