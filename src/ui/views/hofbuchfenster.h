// The window "Hofbuch": the farm's history from the logbook, as charts of
// the balance, the prices, the herds and the stocks over the months, and a
// table of income and expenses by kind per year. It is no game window: the
// game knows nothing of it, and it only reads the book.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class Hofbuch;
class QTableWidget;
class QTabWidget;

// One small chart: a line over the months, optionally between two bounds.
struct Verlauf {
    QString titel;
    std::vector<double> werte;
    // Bounds per month (capacity) or constant (prices); empty when none.
    std::vector<double> oben;
    std::vector<double> unten;
    // Counts are drawn from zero up, so that one animal is not a full chart.
    bool abNull = false;
};

// Draws its charts side by side in a grid, the months along the bottom.
class Verlaufsbild : public QWidget {
    Q_OBJECT
public:
    explicit Verlaufsbild(int spalten, QWidget* parent = nullptr);
    void setzen(std::vector<Verlauf> verlaeufe, std::vector<QString> jahre);
    const std::vector<Verlauf>& verlaeufe() const { return verlaeufe_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void zeichne(QPainter& p, const QRectF& r, const Verlauf& v) const;
    int spalten_;
    std::vector<Verlauf> verlaeufe_;
    std::vector<QString> jahre_;  // per month: the year's label in January, else empty
};

class HofbuchFenster : public QWidget {
    Q_OBJECT
public:
    HofbuchFenster(Hofbuch& buch, QWidget* parent = nullptr);
    ~HofbuchFenster() override;

    // Reads the book again; called after every month.
    void auffrischen();

    QTabWidget* reiter() const { return reiter_; }
    Verlaufsbild* guthaben() const { return guthaben_; }
    Verlaufsbild* preise() const { return preise_; }
    Verlaufsbild* tiere() const { return tiere_; }
    Verlaufsbild* lager() const { return lager_; }
    QTableWidget* jahre() const { return jahre_; }

private:
    void jahreFuellen();

    Hofbuch& buch_;
    QTabWidget* reiter_;
    Verlaufsbild* guthaben_;
    Verlaufsbild* preise_;
    Verlaufsbild* tiere_;
    Verlaufsbild* lager_;
    QTableWidget* jahre_;
};
