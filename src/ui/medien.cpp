#include "ui/medien.h"

#include <QMessageBox>
#include <QString>

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

std::unique_ptr<MusikSpieler> neueMusik(std::function<void()> /*amEnde*/, bool /*still*/) {
    // Until the synthesizer is in, the game runs without music.
    return std::make_unique<KeineMusik>();
}

void hilfeZeigen(QWidget* eltern, const std::string& hilfeDatei, std::optional<int32_t> kontext) {
    QString text = QStringLiteral("Die Hilfe ist in dieser Fassung noch nicht verfügbar.\n\n%1")
                       .arg(QString::fromStdString(hilfeDatei));
    if (kontext) text += QStringLiteral(" (Thema %1)").arg(*kontext);
    QMessageBox box(QMessageBox::Information, QStringLiteral("Hilfe"), text, QMessageBox::NoButton, eltern);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}
