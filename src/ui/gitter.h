// A text grid in the classic style: a fixed header row on the button face,
// white cells, one-pixel grid lines, every cell's text from the game's grid.
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

    // Liberation Mono, 11 pixels high: the stand-in for the grids' Courier New.
    static QFont gitterSchrift();

signals:
    // A mouse button was released over the grid, in grid pixels.
    void losgelassen(QPoint ort);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const StringGrid& gitter_;
    std::vector<int> breiten_;
    int hoehe_;
};
