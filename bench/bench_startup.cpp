// Start-up of the program with a heavy user's data (10 vehicles, 10 years of
// bookings each) against a bare Qt main window started the same way, and the
// program's peak memory with that data once every window has been open.
// The data lie below the folder named by TARVO_BENCH_ROOT.

#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <optional>

namespace {

QString benchRoot()
{
    return qEnvironmentVariable("TARVO_BENCH_ROOT");
}

// Runs the probe to its end; its standard output, or nothing when it failed.
std::optional<QByteArray> runProbe(const QStringList& arguments)
{
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(QStringLiteral(STARTUP_PROBE), arguments);
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return std::nullopt;
    return probe.readAllStandardOutput();
}

void timeStarts(benchmark::State& state, const QStringList& arguments)
{
    for (auto _ : state) {
        if (!runProbe(arguments)) {
            state.SkipWithError("the probe did not end normally");
            return;
        }
    }
}

void startBareWindow(benchmark::State& state)
{
    timeStarts(state, {QStringLiteral("bare")});
}
BENCHMARK(startBareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

void startProgram(benchmark::State& state)
{
    timeStarts(state, {QStringLiteral("program"), benchRoot()});
}
BENCHMARK(startProgram)->Unit(benchmark::kMillisecond)->UseRealTime();

void peakMemory(benchmark::State& state)
{
    long peakKiB = -1;
    for (auto _ : state) {
        const auto output =
            runProbe({QStringLiteral("program"), benchRoot(), QStringLiteral("--all-windows")});
        if (!output || !output->startsWith("peak ")) {
            state.SkipWithError("the probe did not report its peak memory");
            return;
        }
        peakKiB = output->mid(5).trimmed().toLong();
    }
    state.counters["peak_MiB"] = double(peakKiB) / 1024.0;
}
BENCHMARK(peakMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (benchRoot().isEmpty()) {
        std::fprintf(stderr, "TARVO_BENCH_ROOT must name the folder the data lie below\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
