#include "wiring.h"

#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "pictures.h"
#include "prepare.h"
#include "windows.h"

#include <QBackingStore>
#include <QEvent>
#include <QPointer>
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

// The result window for the next prediction, built while the input window
// waits, so that the click only fills it with the reading and shows it:
// its controls, its outline and its native window (on X11 the window and
// its shape) are made ahead. A spare is never shown before it is taken;
// taken, it is shown once and deletes itself when it closes, as a window
// built at the click would, and the next spare is built a moment later.
// There is never more than one, and none while a result window is up.
class SpareResult : public QObject
{
public:
    explicit SpareResult(QObject *parent) : QObject(parent)
    {
        soon_.setSingleShot(true);
        soon_.setInterval(200);
        connect(&soon_, &QTimer::timeout, this, &SpareResult::build);
    }
    // Never shown, a spare goes only with the input window.
    ~SpareResult() override { delete spare_.data(); }

    // A moment after the input window has come back and painted.
    void buildSoon() { soon_.start(); }

    void build()
    {
        if (spare_ || (taken_ && taken_->isVisible()))
            return;
        spare_ = new Form2;
        spare_->winId();  // the native window too
        // And its window buffer, with its pages touched: at the click the
        // first paint would otherwise allocate a megabyte (the sheet has an
        // alpha channel) and fault it in.
        if (QBackingStore *store = spare_->backingStore()) {
            const QRect all(QPoint(), spare_->size());
            store->resize(all.size());
            store->beginPaint(all);
            store->endPaint();
        }
    }

    // The spare, or a window built now when there is none yet.
    Form2 *take()
    {
        soon_.stop();
        taken_ = spare_ ? spare_.data() : new Form2;
        spare_ = nullptr;
        return taken_;
    }

private:
    QPointer<Form2> spare_;
    QPointer<Form2> taken_;
    QTimer soon_;
};

}  // namespace

void wireWindows(Form1 &form1)
{
    // While the user reads the input window, its icon (three pictures to
    // decode) is set, the result window's picture, faces and pointers get
    // ready, and the result window for the first prediction is built, so
    // the sheet comes up sooner after the click. The icon stays the input
    // window's own: set for the whole application, it went to the X server
    // with every result window, 340 KB of pixels.
    auto *spare = new SpareResult(&form1);
    new AfterFirstPaint(form1, [&form1, spare] {
        form1.setWindowIcon(windowIcon());
        prepareResultWindow();
        spare->build();
    });
    QObject::connect(&form1, &Form1::predictRequested, &form1, [&form1, spare](const BirthEntry &entry) {
        // Form_Load of the result window: the reading from the entry, then
        // the input window goes out of sight and the sheet comes up centred
        // where the input window was.
        Form2 *form2 = spare->take();
        form2->load(entry);
        QObject::connect(form2, &Form2::closed, &form1, &Form1::resultClosed);
        QObject::connect(form2, &Form2::closed, spare, &SpareResult::buildSoon);
        QScreen *screen = form1.screen();
        form1.hide();
        centreOnScreen(*form2, screen);
        form2->show();
    });
    QObject::connect(&form1, &Form1::aboutRequested, &form1, [&form1] { Form4::open(form1); });
}

}  // namespace morvane
