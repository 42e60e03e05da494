// trevo-klaenge.so: the short sounds through Qt Multimedia. Loaded by the
// game when it makes its first sound (see ui/klangspieler.h).
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

#include "ui/klangspieler.h"

namespace {

class QtKlaenge final : public KlangSpieler {
public:
    void spielen(const QString& datei) override {
        // One effect per sound, made on its first use; a sound started again
        // while it plays starts over.
        std::unique_ptr<QSoundEffect>& effekt = effekte_[datei];
        if (!effekt) {
            effekt = std::make_unique<QSoundEffect>();
            effekt->setSource(QUrl(QStringLiteral("qrc") + datei));
        }
        effekt->play();
    }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effekte_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) KlangSpieler* trevoKlangSpielerNeu() {
    return new QtKlaenge;
}
