// Form2: the result window. A frameless sheet of parchment cut to its torn
// outline, showing the name line, the birth line and the composed reading.
// It has no title bar, so it is moved by dragging its picture or either
// heading line; "พิมพ์" prints the reading and "ปิด" closes it.
//
// It knows nothing of the input window: it is given the birth entry as a
// value and says by signal when it has gone.
#pragma once

#include "pictures.h"
#include "prediction.h"
#include "sheetcontrols.h"

#include <QWidget>

class QScreen;

namespace morvane {

class PrintCommand;

class Form2 : public QWidget
{
    Q_OBJECT

public:
    // A fresh, hidden result window, its outline already cut, waiting for
    // the birth entry whose reading it is to show. It deletes itself once
    // closed. `scale` below 1 draws the whole sheet smaller, for a screen
    // it would not fit (see scaleFor).
    explicit Form2(qreal scale = 1);

    // The scale at which the sheet fits a screen's free area: 1 wherever
    // it fits as laid out, less where it would reach past an edge.
    static qreal scaleFor(QSize freeArea);
    static qreal scaleFor(const QScreen *screen);
    qreal scale() const { return scale_; }

    // Form_Load: takes the birth entry and fills the window (Prophesy).
    // Once, before the window is shown.
    void load(const BirthEntry &entry);

    // Makes the prediction from the birth entry and the clock, shows its
    // name and birth lines and its reading, and fills the print layout.
    void Prophesy();

    // The prediction the window shows.
    const Prediction &prediction() const { return prediction_; }

    void Lbl_Close_Click();
    void Lbl_Print_Click();

    PictureLabel *Image1 = nullptr;  // the parchment, cut to the outline
    LineLabel *DisplayName = nullptr;
    LineLabel *DisplayBirthday = nullptr;
    ReadingBox *TxtDisplayProphesy = nullptr;
    QLabel *Lbl_Print = nullptr;
    QLabel *Lbl_Close = nullptr;

    // Drag state: the press point in twips, relative to the window.
    bool Dragging = false;
    float DragX = 0;
    float DragY = 0;

signals:
    // The window has gone from the screen, however it was closed (ปิด, Esc,
    // the end of printing, the window manager); the print layout is gone too.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();

    // x, y in twips: for StartDrag the press relative to the window, for
    // DoDrag the pointer on the screen.
    void StartDrag(int button, float x, float y);
    void DoDrag(int button, float x, float y);
    void EndDrag(int button);
    void resetCommandColours();

    BirthEntry entry_;
    Prediction prediction_;
    PrintCommand *print_ = nullptr;
    bool closed_ = false;
    const qreal scale_;
};

}  // namespace morvane
