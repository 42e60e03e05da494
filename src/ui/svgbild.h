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
// each month) only copies it. Where the build drew the picture beforehand at
// this size and density (ui/vorab.h), that copy is taken and the SVG is not
// even read.
class SvgBild : public QWidget {
    Q_OBJECT

public:
    SvgBild(const QString& datei, QWidget* eltern = nullptr);

    // Whether the file could be read as a picture.
    bool gueltig() const;
    // Whether the last drawing was the build's copy rather than the SVG.
    bool vorabGenommen() const { return vorabGenommen_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSvgRenderer& zeichner() const;
    // Takes the picture the build drew for this size and density, if any.
    bool vorabGezeichnet();

    QString datei_;
    mutable QSvgRenderer* zeichner_ = nullptr;
    QPixmap gerendert_;
    bool vorabGenommen_ = false;
};

// An icon drawn from the SVG at whatever size and pixel ratio it is asked
// for (without relying on Qt's icon plug-ins being installed).
QIcon svgSymbol(const QString& datei);
