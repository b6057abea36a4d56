// Opening each window of the program with a heavy user's data (10 vehicles,
// 10 years of bookings each): from the command to the window shown with its
// content. The data lie below the folder named by TARVO_BENCH_ROOT.

#include "app/program_setup.h"
#include "app/tarvo_app.h"
#include "bench_prompts.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

struct WindowOpening {
    const char* name;
    const char* opener;      // action of the vehicle window
    const char* windowClass; // the window timed
    const char* innerOpener; // action inside the first window that opens the timed one
};

const WindowOpening kOpenings[] = {
    {"bookingWindow", "ActionBuchenNeu", "TFormBuchen", nullptr},
    {"bookingList", "ActionBuchenNeu", "TFormBuchListe", "ActionBuchungsliste"},
    {"evaluationWindow", "ActionAuswertungKosten", "TFormAuswertung", nullptr},
    {"vehicleList", "ToolList", "TFormKfzListe", nullptr},
    {"tyreWindow", "ActionAuswertungReifen", "TFormReifen", nullptr},
    {"taxCalculator", "ActionRechner", "TFormRechner", nullptr},
    {"residualCalculator", "ActionRestwert", "TFormrestwert", nullptr},
};

void timeOpening(benchmark::State& state, BenchPrompts& prompts, TFormKfz& kfz,
                 const WindowOpening& opening)
{
    QElapsedTimer clock;
    qint64 shownNs = -1;
    prompts.whenShown = [&](QDialog& dialog) {
        if (dialog.inherits(opening.windowClass)) {
            shownNs = clock.nsecsElapsed();
        } else if (opening.innerOpener) {
            QAction* inner = dialog.findChild<QAction*>(QLatin1String(opening.innerOpener));
            clock.start();
            inner->trigger();
        }
    };
    for (auto _ : state) {
        shownNs = -1;
        clock.start();
        kfz.action(QLatin1String(opening.opener))->trigger();
        if (shownNs < 0) {
            state.SkipWithError("the window was not shown");
            break;
        }
        state.SetIterationTime(double(shownNs) / 1e9);
    }
    prompts.whenShown = nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString root = qEnvironmentVariable("TARVO_BENCH_ROOT");
    if (root.isEmpty()) {
        std::fprintf(stderr, "TARVO_BENCH_ROOT must name the folder the data lie below\n");
        return 2;
    }
    setUpProgram(app);
    BenchPrompts prompts;
    SystemClock clock;
    AppContext context{prompts, clock, Paths::below(root)};
    TarvoApp tarvo(context);
    TFormKfz& kfz = tarvo.vehicleWindow();
    for (const WindowOpening& opening : kOpenings)
        benchmark::RegisterBenchmark(opening.name,
                                     [&prompts, &kfz, &opening](benchmark::State& state) {
                                         timeOpening(state, prompts, kfz, opening);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
    benchmark::Initialize(&argc, argv);
    tarvo.show();
    // Queued behind the start-up sequence, which the first showing started.
    QTimer::singleShot(0, &app, [] {
        benchmark::RunSpecifiedBenchmarks();
        QCoreApplication::quit();
    });
    const int status = app.exec();
    benchmark::Shutdown();
    return status;
}
