// The file-bound work of the program on a heavy user's data: a fleet
// evaluation of 10 vehicles with 10 000 bookings each against reading the same
// bytes into memory, and loading and saving one booking year of 10 000 lines.

#include "booking_year.h"

#include "bookings/booking_file.h"
#include "common/conversions.h"
#include "evaluation/annual_evaluation.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kVehicles = 10;
constexpr int kBookings = 10000;
constexpr int kYear = 2024;

// One folder of booking files for all benchmarks of the run.
class FleetFolder {
public:
    FleetFolder()
    {
        for (int vehicle = 1; vehicle <= kVehicles; ++vehicle) {
            const QString path = BookingFilePath(m_dir.path() + u'/', QString::number(kYear),
                                                 QString::number(vehicle));
            writeTextLines(path, bookingYearLines(vehicle, kYear, kBookings));
            m_sources << PassSource{path, QStringLiteral("119")};
        }
    }
    const QList<PassSource>& sources() const { return m_sources; }
    QString scratchFile() const { return m_dir.filePath(QStringLiteral("Buch2025Kfz99.csv")); }

private:
    QTemporaryDir m_dir;
    QList<PassSource> m_sources;
};

const FleetFolder& fleet()
{
    static const FleetFolder folder;
    return folder;
}

void rawReadOfFleetFiles(benchmark::State& state)
{
    qint64 bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const PassSource& source : fleet().sources()) {
            QFile file(source.bookingFile);
            file.open(QIODevice::ReadOnly);
            const QByteArray content = file.readAll();
            benchmark::DoNotOptimize(content.data());
            bytes += content.size();
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(rawReadOfFleetFiles)->Unit(benchmark::kMillisecond);

// What every reader of these files pays before it looks at a field: decoding
// Windows-1252 and cutting the text into lines. The floor under the evaluation.
void decodeFleetFilesIntoLines(benchmark::State& state)
{
    for (auto _ : state) {
        for (const PassSource& source : fleet().sources()) {
            TextFile file;
            ReadBookingLines(source.bookingFile, file);
            benchmark::DoNotOptimize(file.lines.data());
        }
    }
}
BENCHMARK(decodeFleetFilesIntoLines)->Unit(benchmark::kMillisecond);

void fleetEvaluation(benchmark::State& state)
{
    AnnualEvaluation evaluation;
    for (auto _ : state) {
        try {
            evaluation.runFleet(fleet().sources());
        } catch (const ConversionError& error) {
            state.SkipWithError(qPrintable(error.message()));
            break;
        }
        benchmark::DoNotOptimize(evaluation.figures().km.data());
    }
    state.counters["bookings"] = kVehicles * kBookings;
}
BENCHMARK(fleetEvaluation)->Unit(benchmark::kMillisecond);

void loadBookingYear(benchmark::State& state)
{
    const QString path = fleet().sources().first().bookingFile;
    for (auto _ : state) {
        TextFile file;
        ReadBookingLines(path, file);
        benchmark::DoNotOptimize(HighestBuchNr(file.lines));
    }
}
BENCHMARK(loadBookingYear)->Unit(benchmark::kMillisecond);

void saveBookingYear(benchmark::State& state)
{
    TextFile file;
    ReadBookingLines(fleet().sources().first().bookingFile, file);
    const QString path = fleet().scratchFile();
    for (auto _ : state) {
        if (!WriteBookingLines(path, file))
            state.SkipWithError("the booking file could not be written");
    }
}
BENCHMARK(saveBookingYear)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly();

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
