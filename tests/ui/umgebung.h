// A running game with its frame and views, in a directory of its own, and
// the means to answer the modal boxes it opens.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

#include "spiel.h"
#include "ui/hauptfenster.h"
#include "ui/kindview.h"
#include "ui/qtplattform.h"

// Answers the modal windows as they open, one answer per window, in turn.
// exec() blocks the test, so a timer looks for the modal window.
class ModalAntworten {
public:
    using Antwort = std::function<void(QWidget*)>;

    ModalAntworten() {
        uhr_.setInterval(5);
        QObject::connect(&uhr_, &QTimer::timeout, [this] { nachsehen(); });
        uhr_.start();
    }
    void dann(Antwort a) { antworten_.push_back(std::move(a)); }
    // Every answer was used.
    bool fertig() const { return antworten_.empty(); }

private:
    void nachsehen() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == letzter_ || antworten_.empty()) return;
        letzter_ = modal;
        Antwort a = std::move(antworten_.front());
        antworten_.pop_front();
        a(modal);
    }
    QTimer uhr_;
    std::deque<Antwort> antworten_;
    QPointer<QWidget> letzter_;
};

// What a message box showed, and a click on one of its buttons.
struct GesehenerKasten {
    QString titel;
    QString text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QStringList knoepfe;
};

inline ModalAntworten::Antwort klickeKnopf(const QString& beschriftung, GesehenerKasten* gesehen = nullptr) {
    return [beschriftung, gesehen](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "expected a message box, found " << w->metaObject()->className();
        if (gesehen) {
            gesehen->titel = box->windowTitle();
            gesehen->text = box->text();
            gesehen->symbol = box->icon();
            gesehen->knoepfe.clear();
            for (QAbstractButton* b : box->buttons()) gesehen->knoepfe << b->text();
        }
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == beschriftung) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << beschriftung.toStdString();
        box->reject();
    };
}

class Umgebung : public ::testing::Test {
protected:
    void TearDown() override {
        rahmen.reset();
        spiel.reset();
        plattform.reset();
    }

    void starten() {
        ASSERT_TRUE(verzeichnis.isValid());
        plattform = std::make_unique<QtPlattform>();
        spiel = std::make_unique<Spiel>(*plattform, verzeichnis.path().toStdString());
        rahmen = std::make_unique<HauptFenster>(*spiel, *plattform);
        rahmen->starten();
        ASSERT_TRUE(QTest::qWaitFor([this] { return rahmen->gestartet(); }, 5000));
    }
    // The orderly end as the program does it: views first, then the game.
    bool beenden() {
        rahmen.reset();
        return spiel->beenden();
    }
    void neustart() {
        beenden();
        spiel.reset();
        plattform.reset();
        starten();
    }
    // Lets queued redraws and timers run.
    static void warten(int ms = 20) { QTest::qWait(ms); }

    KindView* view(const char* name) const { return rahmen->view(name); }

    QByteArray spielstand() const {
        QFile f(verzeichnis.filePath(QStringLiteral("TrevoSpielstand.bin")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void schreibeSpielstand(const QByteArray& bytes) const {
        QFile f(verzeichnis.filePath(QStringLiteral("TrevoSpielstand.bin")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir verzeichnis;
    std::unique_ptr<QtPlattform> plattform;
    std::unique_ptr<Spiel> spiel;
    std::unique_ptr<HauptFenster> rahmen;
};
