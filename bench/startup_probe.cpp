// A program start timed from outside. "program <root>" starts Tarvolo on the
// data below <root> (the start screen without its fixed display time); "bare"
// starts a plain Qt main window the same way. Either ends once its window is
// shown. "program <root> --all-windows" then opens every window once and
// prints the process's peak memory in KiB ("peak <n>").

#include "app/program_setup.h"
#include "app/tarvo_app.h"
#include "bench_prompts.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

namespace {

const char* const kWindowOpeners[] = {"ActionBuchenNeu", "ActionAuswertungKosten",
                                      "ToolList",        "ActionAuswertungReifen",
                                      "ActionRechner",   "ActionRestwert"};

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int runBare(QApplication& app)
{
    QMainWindow window;
    window.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

int runProgram(QApplication& app, const QString& root, bool allWindows)
{
    setUpProgram(app);
    BenchPrompts prompts;
    SystemClock clock;
    AppContext context{prompts, clock, Paths::below(root)};
    TarvoApp tarvo(context);
    tarvo.show();
    // Queued behind the start-up sequence, which the first showing started.
    QTimer::singleShot(0, &app, [&] {
        if (allWindows) {
            for (const char* opener : kWindowOpeners)
                tarvo.vehicleWindow().action(QLatin1String(opener))->trigger();
            std::printf("peak %ld\n", peakKiB());
        }
        QCoreApplication::quit();
    });
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.value(1) == QLatin1String("bare"))
        return runBare(app);
    if (args.value(1) == QLatin1String("program") && args.size() >= 3)
        return runProgram(app, args[2], args.contains(QLatin1String("--all-windows")));
    std::fprintf(stderr, "usage: startup_probe bare | program <root> [--all-windows]\n");
    return 2;
}
