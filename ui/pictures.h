// The pictures and pointer images the windows share, compiled into the
// program as resources. Each is kept at the size it is shown and at twice
// that, so it stays sharp on dense screens (scaled 125 to 200 %).
#pragma once

#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRegion>

namespace morvane {

// For a device-pixel ratio: the picture drawn for it, carrying that ratio,
// or the nearest denser one. Ratio 1 gives the shown size.
QPixmap banner(qreal ratio = 1);        // Form1's title picture, 373 x 121
QPixmap parchment(qreal ratio = 1);     // Form2's background sheet, 561 x 461
QPixmap aboutPicture(qreal ratio = 1);  // Form4's picture, 57 x 107

QIcon windowIcon();      // the program's icon, 16 to 256 pixels
QCursor pointingHand();  // the hand over command buttons and labels
QCursor grabHand();      // the hand shown while a window is being dragged

// A label showing one of the pictures above, drawn at every paint from the
// source that suits the screen its window is on. pixmap() is the picture
// for the screen's ratio as the label was made, so that a dense screen never
// decodes the picture at ratio 1. Scaled contents fill the label; otherwise
// the picture sits at the top left at its own size.
class PictureLabel : public QLabel
{
    Q_OBJECT

public:
    using Source = QPixmap (*)(qreal ratio);
    PictureLabel(Source source, QWidget *parent);

    // Paints only inside this region (label coordinates); empty: everywhere.
    void setClip(const QRegion &clip) { clip_ = clip; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Source source_;
    QRegion clip_;
};

}  // namespace morvane
