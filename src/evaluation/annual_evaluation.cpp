#include "evaluation/annual_evaluation.h"

#include "bookings/booking_file.h"
#include "common/conversions.h"
#include "common/number_format.h"

#include <QFileInfo>

namespace {

// Km counters are 32-bit and wrap like the machine does instead of overflowing.
int wrapped32(qint64 value)
{
    return int(qint32(quint32(quint64(value))));
}

// Amounts, litres and sums are kept as 32-bit floats: each addition is made
// exactly and the result stored rounded to float.
void addToFloat(float& sum, double value)
{
    sum = float(double(sum) + value);
}

float cellValue(const QString& text)
{
    return float(strToFloat(text));
}

QString openErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Datei \"%1\" kann nicht geöffnet werden. %2").arg(path, reason);
}

} // namespace

AnnualEvaluation::AnnualEvaluation()
{
    m_cells[0][0] = kCornerLabel;
    for (int i = 1; i < kGridSize; ++i) {
        m_cells[i][0] = columnLabel(i);
        m_cells[0][i] = rowLabel(i);
    }
    reset();
}

QString AnnualEvaluation::zeroCellText()
{
    return format2(0.0);
}

void AnnualEvaluation::reset()
{
    m_costs = {};
    m_litres = {};
    m_anfangsKm = 0;
    m_aktKm = 0;
    m_gesamtKm = 0;
    m_co2Summe = 0;
    const QString zero = zeroCellText();
    for (int column = 1; column < kGridSize; ++column)
        for (int row = 1; row < kGridSize; ++row)
            m_cells[column][row] = zero;
    m_figures = EvaluationFigures{};
}

void AnnualEvaluation::runVehicle(const PassSource& source)
{
    reset();
    pass(source);
}

void AnnualEvaluation::runFleet(const QList<PassSource>& sources)
{
    reset();
    for (const PassSource& source : sources) {
        m_anfangsKm = 0;
        m_aktKm = 0;
        pass(source);
    }
}

void AnnualEvaluation::pass(const PassSource& source)
{
    if (!QFileInfo::exists(source.bookingFile))
        return;
    TextFile file;
    QString reason;
    // An unreadable file stops the run with the framework's message, the same
    // way a bad value in it does.
    if (!ReadBookingLines(source.bookingFile, file, &reason))
        throw ConversionError(openErrorMessage(source.bookingFile, reason));
    m_lastEncoding = file.encoding;
    // Asking the clock reads the time zone from disk; once per file is enough.
    const int referenceYear = QDate::currentDate().year();
    for (const QString& line : std::as_const(file.lines))
        if (!IsBlankLine(line))
            countBooking(line, referenceYear);
    refreshCells();
    addPassKmAndCo2(source.co2);
    computeTotals();
    computeFigures();
}

void AnnualEvaluation::countBooking(const QString& line, int referenceYear)
{
    // Missing trailing fields read as empty, and an empty odometer reading is no
    // integer: a cut-off line stops the run with the integer message.
    const BuchRecord booking = ParseBooking(line);
    const int km = strToInt(booking.Km);
    const int previousKm = strToInt(booking.AltKm);
    // A year's start is the lowest reading seen. A reading before the booking of
    // 0 (a vehicle's first booking) lets the next line set the start again.
    if (m_anfangsKm == 0)
        m_anfangsKm = km;
    if (km > m_aktKm)
        m_aktKm = km;
    if (previousKm < m_anfangsKm)
        m_anfangsKm = previousKm;

    // The date's year is not checked; an undated booking falls into the month
    // of the booking before it.
    if (!booking.Datum.isEmpty())
        m_aktMonat = strToDate(booking.Datum, referenceYear).month();

    const int row = costRowFor(booking.Kostenart);
    if (!booking.Betrag.isEmpty())
        addToFloat(m_costs[row - 1][m_aktMonat - 1], strToFloat(booking.Betrag));
    if (!booking.Liter.isEmpty() && (row == kFuelRow || row == kConsumablesRow)) {
        // Litres of consumables must still be numbers, but only fuel counts.
        const double litres = strToFloat(booking.Liter);
        if (row == kFuelRow)
            addToFloat(m_litres[m_aktMonat - 1], litres);
    }
}

void AnnualEvaluation::refreshCells()
{
    for (int row = 1; row <= kCostKinds; ++row)
        for (int month = 1; month <= kMonths; ++month)
            m_cells[month][row] = format2(m_costs[row - 1][month - 1]);
}

void AnnualEvaluation::addPassKmAndCo2(const QString& co2)
{
    const int passKm = wrapped32(qint64(m_aktKm) - m_anfangsKm);
    m_gesamtKm = wrapped32(qint64(m_gesamtKm) + passKm);
    m_figures.km = QString::number(m_gesamtKm);
    if (co2.trimmed().isEmpty())
        return;
    const double gramsPerKm = strToFloat(co2);
    m_co2Summe = double(static_cast<long double>(m_co2Summe) +
                        static_cast<long double>(passKm) * gramsPerKm);
    double shown = m_co2Summe;
    m_co2Unit = QStringLiteral("g");
    if (m_co2Summe > 1000000) {
        shown = m_co2Summe / 1000000;
        m_co2Unit = QStringLiteral("t");
    } else if (m_co2Summe > 1000) {
        shown = m_co2Summe / 1000;
        m_co2Unit = QStringLiteral("kg");
    }
    m_figures.co2 = format1(shown);
}

void AnnualEvaluation::computeTotals()
{
    // Totals add the cells as shown, rounded to cents, so that the table adds up.
    for (int month = 1; month <= kMonths; ++month) {
        float sum = 0;
        for (int row = 1; row <= kCostKinds; ++row)
            addToFloat(sum, cellValue(m_cells[month][row]));
        m_cells[month][kTotalIndex] = format2(sum);
    }
    for (int row = 1; row <= kTotalIndex; ++row) {
        float sum = 0;
        for (int month = 1; month <= kMonths; ++month)
            addToFloat(sum, cellValue(m_cells[month][row]));
        m_cells[kTotalIndex][row] = format2(sum);
    }
}

void AnnualEvaluation::computeFigures()
{
    const int km = m_figures.km.isEmpty() ? 0 : strToInt(m_figures.km);
    const float total = cellValue(m_cells[kTotalIndex][kTotalIndex]);
    float litres = 0;
    for (const float monthLitres : m_litres)
        addToFloat(litres, monthLitres);
    const float fuelCost = cellValue(m_cells[kTotalIndex][kFuelRow]);

    const float costPerKm = km > 0 ? total / float(km) : 0.0f;
    const float consumption = km > 0 ? litres / float(km) * 100.0f : 0.0f;
    const float litrePrice = litres > 0 ? fuelCost / litres : 0.0f;
    m_figures.costPerKm = format2(costPerKm);
    m_figures.consumption = format1(consumption);
    m_figures.litrePrice = format2(litrePrice);
    m_figures.litres = format1(litres);
}
