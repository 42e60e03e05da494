// The window "Hofbuch": the farm's history from the logbook, as charts of
// the balance, the prices, the herds and the stocks over the months, and a
// table of income and expenses by kind per year. It is no game window: the
// game knows nothing of it, and it only reads the book.
#pragma once

#include <QHash>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <vector>

class Hofbuch;
class QTableWidget;
class QTabWidget;
class QKeyEvent;

// One small chart: a line over the months, optionally between two bounds.
struct Verlauf {
    QString titel;
    std::vector<double> werte;
    // Bounds per month (capacity) or constant (prices); empty when none.
    std::vector<double> oben;
    std::vector<double> unten;
    // Counts are drawn from zero up, so that one animal is not a full chart.
    bool abNull = false;
    // The upper bound has a value per month (a store's capacity).
    bool obenJeMonat = false;
};

// Draws its charts side by side in a grid, the months along the bottom.
class Verlaufsbild : public QWidget {
    Q_OBJECT
public:
    explicit Verlaufsbild(int spalten, QWidget* parent = nullptr);
    void setzen(std::vector<Verlauf> verlaeufe, std::vector<QString> jahre);
    // One month more: a value (and a bound, where it has one per month) for
    // each chart, in the charts' order.
    void anhaengen(const std::vector<double>& werte, const std::vector<double>& oben, const QString& jahr);
    const std::vector<Verlauf>& verlaeufe() const { return verlaeufe_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void zeichne(QPainter& p, const QRectF& r, const Verlauf& v) const;
    // A year's label, laid out once.
    const QStaticText& beschriftung(const QString& jahr) const;
    int spalten_;
    std::vector<Verlauf> verlaeufe_;
    std::vector<QString> jahre_;  // per month: the year's label in January, else empty
    mutable QHash<QString, QStaticText> beschriftungen_;
};

class HofbuchFenster : public QWidget {
    Q_OBJECT
public:
    HofbuchFenster(Hofbuch& buch, QWidget* parent = nullptr);
    ~HofbuchFenster() override;

    // Reads the whole book again: at the opening, and when the book was set
    // back or begun anew.
    void auffrischen();
    // The month the book has just added: a point more in every chart, and
    // the running year's column of the table.
    void monatAnhaengen();

    QTabWidget* reiter() const { return reiter_; }
    Verlaufsbild* guthaben() const { return guthaben_; }
    Verlaufsbild* preise() const { return preise_; }
    Verlaufsbild* tiere() const { return tiere_; }
    Verlaufsbild* lager() const { return lager_; }
    QTableWidget* jahre() const { return jahre_; }
    // The book as comma-separated values with a point before decimals, for
    // a spreadsheet of any language, written to ziel in one piece; false
    // with fehler in German. The button asks where.
    bool exportieren(const QString& ziel, QString& fehler) const;
    void exportierenFragen();

protected:
    // Escape closes the window; F1 opens the guide at the logbook.
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    // Where a chart's points come from: the book's column, its divisor, and
    // the column of a bound given per month (or -1).
    struct Quelle {
        int32_t spalte;
        double teiler;
        int32_t oben = -1;
    };
    // One year of the table: its months and its sums per column.
    struct Jahr {
        int32_t jahr = 0;
        int32_t monate = 0;
        std::vector<int64_t> summen;
    };
    void jahreFuellen();
    void jahrEintragen(std::size_t j);
    void besteJahre();

    Hofbuch& buch_;
    std::vector<std::pair<Verlaufsbild*, std::vector<Quelle>>> quellen_;
    std::size_t gezeigt_ = 0;  // the rows the charts show
    std::vector<Jahr> jahreDaten_;
    std::vector<std::size_t> arten_;  // the booking columns the table shows
    int bestes_ = -1;
    int schlechtestes_ = -1;
    QTabWidget* reiter_;
    Verlaufsbild* guthaben_;
    Verlaufsbild* preise_;
    Verlaufsbild* tiere_;
    Verlaufsbild* lager_;
    QTableWidget* jahre_;
};
