#include "startup.h"

#include "form1.h"
#include "form2.h"
#include "pictures.h"
#include "prepare.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>

#include <functional>

namespace morvane {
namespace {

// A moment between the input window's first paint and work not needed on
// the screen yet, so that it never delays the window.
constexpr int kMomentMs = 200;

// Runs a task a moment after the window has painted for the first time.
// The moment matters: a task run straight after the paint holds the
// finished picture in the program's queue to the X server until the task
// is done.
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
            QTimer::singleShot(kMomentMs, watched, std::move(task_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> task_;
};

}  // namespace

SpareResult::SpareResult(QWidget &owner) : QObject(&owner), owner_(owner)
{
    soon_.setSingleShot(true);
    soon_.setInterval(kMomentMs);
    connect(&soon_, &QTimer::timeout, this, &SpareResult::build);
}

SpareResult::~SpareResult()
{
    delete spare_.data();
}

void SpareResult::build()
{
    if (spare_ || (taken_ && taken_->isVisible()))
        return;
    spare_ = new Form2(Form2::scaleFor(owner_.screen()));
    spare_->winId();  // the native window too
    // And its window buffer, with its pages touched: at the click the first
    // paint would otherwise allocate a megabyte (the sheet has an alpha
    // channel) and fault it in.
    if (QBackingStore *store = spare_->backingStore()) {
        const QRect all(QPoint(), spare_->size());
        store->resize(all.size());
        store->beginPaint(all);
        store->endPaint();
    }
}

Form2 *SpareResult::take()
{
    soon_.stop();
    const qreal scale = Form2::scaleFor(owner_.screen());
    if (spare_ && spare_->scale() != scale)
        delete spare_.data();
    taken_ = spare_ ? spare_.data() : new Form2(scale);
    spare_ = nullptr;
    return taken_;
}

SpareResult *prepareWhileWaiting(Form1 &form1)
{
    // The icon goes to the whole application, so that every window opened
    // from here on carries it, Qt's own dialogs too. Each result window
    // takes its copy (340 KB of pixels to an X server) as it is built
    // ahead, not at the click.
    auto *spare = new SpareResult(form1);
    new AfterFirstPaint(form1, [spare] {
        QApplication::setWindowIcon(windowIcon());
        prepareResultWindow();
        spare->build();
    });
    return spare;
}

}  // namespace morvane
