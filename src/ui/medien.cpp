#include "ui/medien.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/hilfe/hilfefenster.h"
#include "ui/musik/strommusik.h"

namespace {

// No music: opening fails, so the music item reports that no device is open.
class KeineMusik final : public MusikSpieler {
public:
    bool oeffnen(const std::string&) override { return false; }
    bool geoeffnet() const override { return false; }
    bool spielen() override { return false; }
    void stoppen() override {}
    bool spielt() const override { return false; }
};

}  // namespace

std::unique_ptr<MusikSpieler> neueMusik(std::function<void()> amEnde, bool still) {
    if (still) return std::make_unique<KeineMusik>();
    auto musik = std::make_unique<StromMusik>();
    musik->setzeEndeMeldung(std::move(amEnde));
    return musik;
}

void musikFreigeben(MusikSpieler& musik) {
    if (auto* strom = dynamic_cast<StromMusik*>(&musik)) strom->freigeben();
}


namespace {

HilfeFenster& hilfeFenster(QWidget* eltern) {
    HilfeFenster& hilfe = HilfeFenster::einzig();
    // The first time, the guide opens over the game rather than in a corner.
    if (!hilfe.isVisible() && eltern) {
        QRect platz = hilfe.frameGeometry();
        platz.moveCenter(eltern->window()->frameGeometry().center());
        hilfe.move(platz.topLeft());
    }
    return hilfe;
}

}  // namespace

void hilfeZeigen(QWidget* eltern, const std::string& hilfeDatei, std::optional<int32_t> kontext) {
    HilfeFenster& hilfe = hilfeFenster(eltern);
    const QString datei = QString::fromStdString(hilfeDatei);
    if (kontext)
        hilfe.zeigeKontext(datei, *kontext);
    else
        hilfe.zeigeInhalt(datei);
}

void hilfeKapitelZeigen(QWidget* eltern, const std::string& hilfeDatei, const QString& anker) {
    hilfeFenster(eltern).zeigeKapitel(QString::fromStdString(hilfeDatei), anker);
}
