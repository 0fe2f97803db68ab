// The work the program does while the input window waits for the user, so
// that the click on "ทำนาย" only fills a window already built and shows it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace morvane {

class Form1;
class Form2;

// The result window for the next prediction, built while the input window
// waits: its controls, its outline and its native window (on X11 the
// window and its shape), at the scale the input window's screen needs. A
// spare is never shown before it is taken; taken, it is shown once and
// deletes itself when it closes, as a window built at the click would, and
// the next spare is built a moment later. There is never more than one,
// and none while a result window is up.
class SpareResult : public QObject
{
public:
    explicit SpareResult(QWidget &owner);
    // Never shown, a spare goes only with its owner.
    ~SpareResult() override;

    void build();
    // A moment after the input window has come back and painted.
    void buildSoon() { soon_.start(); }
    // The spare, or a window built now when there is none yet or the
    // input window has gone to a screen that needs another scale.
    Form2 *take();

private:
    QWidget &owner_;
    QPointer<Form2> spare_;
    QPointer<Form2> taken_;
    QTimer soon_;
};

// A moment after the input window's first paint: the program's icon, the
// result window's picture, faces and pointers, and the first spare result
// window.
SpareResult *prepareWhileWaiting(Form1 &form1);

}  // namespace morvane
