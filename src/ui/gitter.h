// A text grid in the classic style: a fixed header row on the button face,
// white cells, one-pixel grid lines, every cell's text from the game's grid.
// A screen reader reads it as a table: the header row names the columns,
// the first column names the rows.
#pragma once

#include <QWidget>

#include <vector>

class StringGrid;

class GitterWidget : public QWidget {
    Q_OBJECT

public:
    // Columns and rows as the game's grid has them; each cell is followed by
    // a one-pixel line. The font is the monospaced one of the game's grids.
    GitterWidget(const StringGrid& gitter, std::vector<int> spaltenBreiten, int zeilenHoehe,
                 QWidget* eltern = nullptr);

    // The cell's rectangle, without its grid lines.
    QRect zelle(int spalte, int zeile) const;
    // The cell under a point of the grid, or {-1, -1}.
    QPoint zelleBei(QPoint ort) const;

    const StringGrid& gitter() const { return gitter_; }
    int spalten() const;
    // The text a cell shows, without the padding that aligns it.
    QString text(int spalte, int zeile) const;
    // Whether a cell's text is wider than the cell at the grid's font: it is
    // drawn narrower then, and its tooltip holds it whole.
    bool zuBreit(int spalte, int zeile) const;

    // The name a screen reader gives a column whose header cell is empty.
    void setzeSpaltenName(int spalte, const QString& name);
    // The column's header text, or that name.
    QString spaltenName(int spalte) const;

    // The game's grid changed: repaint, and tell a screen reader.
    void neuLesen();

    // Liberation Mono, 11 pixels high: the stand-in for the grids' Courier New.
    static QFont gitterSchrift();

signals:
    // A mouse button was released over the grid, in grid pixels.
    void losgelassen(QPoint ort);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const StringGrid& gitter_;
    std::vector<int> breiten_;
    int hoehe_;
    std::vector<QString> spaltenNamen_;
};
