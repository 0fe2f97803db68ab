// What repeats in a running program: the input window built again (beside
// a bare window of the same size), a prediction until its window is shown,
// composing a reading, and writing the report as a PDF. Every one-off load
// has happened before the first iteration, so none of this is start-up:
// startup.sh times that, a whole process at a time.
#include "clock.h"
#include "fonts.h"
#include "form1.h"
#include "form2.h"
#include "prediction.h"
#include "printer.h"
#include "report.h"
#include "setup.h"
#include "sharecard.h"
#include "sharecommands.h"
#include "wiring.h"
#include "writeprophesy.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace morvane;

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

double secondsOf(const std::function<void()> &f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void showForm1()
{
    Form1 form;
    form.show();
    QCoreApplication::processEvents();
}

void showBareWindow()
{
    QWidget bare;
    bare.setFixedSize(464, 334 + 22);  // the input window's client area and menu bar
    bare.show();
    QCoreApplication::processEvents();
}

void BM_Form1AgainstBareWindow(benchmark::State &state)
{
    double form1 = 0, bare = 0;
    for (auto _ : state) {
        const double f = secondsOf(showForm1);
        const double b = secondsOf(showBareWindow);
        form1 += f;
        bare += b;
        state.SetIterationTime(f);
    }
    state.counters["bare_ms"] = 1000 * bare / static_cast<double>(state.iterations());
    state.counters["ratio"] = form1 / bare;
}
BENCHMARK(BM_Form1AgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PredictToShown(benchmark::State &state)
{
    Form1 form1;
    wireWindows(form1);
    form1.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form1.CmdPredict->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        Form2 *shown = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *f = qobject_cast<Form2 *>(w); f && f->isVisible())
                shown = f;
        if (!shown) {
            state.SkipWithError("no result window");
            break;
        }
        shown->Lbl_Close_Click();  // unloads Form3 too, so not inside the loop above
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PredictToShown)->Unit(benchmark::kMillisecond);

void BM_WriteProphesy(benchmark::State &state)
{
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteProphesy(k % 7, k % 12 + 1, k % 12, k % 8));
        ++k;
    }
}
BENCHMARK(BM_WriteProphesy)->Unit(benchmark::kMicrosecond);

void BM_ReportToPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const Prediction in = MakePrediction({u"มาลัย ใจดี", 9, 10, 2522}, {2026, 12, 8, 16, 0, 0});
    const QDateTime printed(QDate(2026, 12, 8), QTime(16, 0));
    for (auto _ : state) {
        auto pdf = pdfFile(dir.filePath(QStringLiteral("report.pdf")));
        if (!printReport(*pdf, in, printed))
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond);

// The longest reading there is: Wednesday, Libra, the Goat, position 7.
Prediction longestPrediction()
{
    Prediction p = MakePrediction({u"สมหญิง ใจดี", 8, 10, 2523}, {2026, 12, 9, 16, 5, 0});
    p.texts = WriteProphesy(3, 10, 2, 7);
    return p;
}

void BM_ShareCardAsPng(benchmark::State &state)
{
    const Prediction in = longestPrediction();
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!writePng(shareCard(in), png))
            state.SkipWithError("the picture could not be encoded");
        bytes = png.size();
    }
    state.counters["kB"] = double(bytes) / 1024;
}
BENCHMARK(BM_ShareCardAsPng)->Unit(benchmark::kMillisecond);

void BM_CopyPrediction(benchmark::State &state)
{
    const Prediction in = longestPrediction();
    for (auto _ : state)
        QGuiApplication::clipboard()->setMimeData(shareMimeData(in));
}
BENCHMARK(BM_CopyPrediction)->Unit(benchmark::kMillisecond);

// From the right click to the menu painted, the first time on a sheet and
// then again.
void BM_SheetMenuOpens(benchmark::State &state)
{
    Form1 form1;
    wireWindows(form1);
    form1.show();
    form1.CmdPredict->click();
    QCoreApplication::processEvents();
    Form2 *sheet = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *f = qobject_cast<Form2 *>(w); f && f->isVisible())
            sheet = f;
    ShareCommands *commands = sheet ? sheet->findChild<ShareCommands *>() : nullptr;
    if (!commands) {
        state.SkipWithError("no result window");
        return;
    }
    const auto open = [&] {
        commands->openMenu(sheet->mapToGlobal(QPoint(40, 440)));
        QCoreApplication::processEvents();
    };
    state.counters["first_ms"] = 1000 * secondsOf(open);
    commands->menu()->close();
    for (auto _ : state) {
        open();
        state.PauseTiming();
        if (!commands->menu()->isVisible())
            state.SkipWithError("the menu did not open");
        commands->menu()->close();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    sheet->Lbl_Close_Click();
    settle();
}
BENCHMARK(BM_SheetMenuOpens)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    setUpApplication(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
