// Our pictures are vector art: drawn at the screen's own resolution, they
// stay crisp at any scale.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// A picture control: the SVG drawn into the widget's whole rectangle. It is
// rendered once per size and pixel ratio; a repaint (every window is redrawn
// each month) only copies it.
class SvgBild : public QWidget {
    Q_OBJECT

public:
    SvgBild(const QString& datei, QWidget* eltern = nullptr);

    // Whether the file could be read as a picture.
    bool gueltig() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSvgRenderer* zeichner_;
    QPixmap gerendert_;
};

// An icon drawn from the SVG at whatever size and pixel ratio it is asked
// for (without relying on Qt's icon plug-ins being installed).
QIcon svgSymbol(const QString& datei);
