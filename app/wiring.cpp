#include "wiring.h"

#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "pictures.h"
#include "prepare.h"
#include "windows.h"

#include <QEvent>
#include <QTimer>

namespace morvane {
namespace {

// Runs a task a moment after the window has painted for the first time, so
// that work not needed on the screen yet never delays the window. The
// moment matters: a task run straight after the paint holds the finished
// picture in the program's queue to the X server until the task is done.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget &window, std::function<void()> task) : QObject(&window), task_(std::move(task))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(200, watched, std::move(task_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> task_;
};

}  // namespace

void wireWindows(Form1 &form1)
{
    // While the user reads the input window, its icon (three pictures to
    // decode) is set, and the result window's picture, faces and pointers
    // get ready, so the sheet comes up sooner after the click. The icon
    // stays the input window's own: set for the whole application, it went
    // to the X server with every result window, 340 KB of pixels.
    new AfterFirstPaint(form1, [&form1] {
        form1.setWindowIcon(windowIcon());
        prepareResultWindow();
    });
    QObject::connect(&form1, &Form1::predictRequested, &form1, [&form1](const BirthEntry &entry) {
        // Form_Load of the result window: the reading from the entry, then
        // the input window goes out of sight and the sheet comes up centred
        // where the input window was.
        auto *form2 = new Form2(entry);
        QObject::connect(form2, &Form2::closed, &form1, &Form1::resultClosed);
        QScreen *screen = form1.screen();
        form1.hide();
        centreOnScreen(*form2, screen);
        form2->show();
    });
    QObject::connect(&form1, &Form1::aboutRequested, &form1, [&form1] { Form4::open(form1); });
}

}  // namespace morvane
