#pragma once
// The annual evaluation: booking files of one year turned into a cost table of
// cost kinds by months with totals, and six key figures. A run is a reset
// followed by one pass per booking file; all passes of a run add into the same
// accumulators, so a fleet run sums over its vehicles.
//
// A failed number or date conversion throws ConversionError and stops the run
// where it happened: what was added before stays in the accumulators, texts not
// yet refreshed keep their earlier content.

#include "common/text_file.h"
#include "evaluation/cost_rows.h"

#include <QList>
#include <QString>
#include <array>

// One booking file of a run and the CO2 emission (g/km) of its vehicle, as
// stored in the vehicle data; empty when unknown.
struct PassSource {
    QString bookingFile;
    QString co2;
};

struct EvaluationFigures {
    QString km;
    QString costPerKm;
    QString consumption;
    QString litrePrice;
    QString litres;
    QString co2;
};

class AnnualEvaluation {
public:
    AnnualEvaluation();

    // The month of undated bookings starts at January when the window opens and
    // then carries over from line to line, file to file and run to run.
    void restartMonth() { m_aktMonat = 1; }

    // Clears the tables, the km and CO2 sums, the value cells and the figures.
    // The CO2 unit keeps the text of the last run.
    void reset();
    // Adds one booking file and refreshes cells, totals and figures. A file that
    // does not exist changes nothing.
    void pass(const PassSource& source);

    // Reset and one pass.
    void runVehicle(const PassSource& source);
    // Reset, then a pass per file; each file's km are measured from its own bookings.
    void runFleet(const QList<PassSource>& sources);

    // Grid texts by column (0 labels, 1..12 months, 13 totals) and row (0 labels,
    // 1..12 cost kinds, 13 totals).
    const QString& cell(int column, int row) const { return m_cells[column][row]; }
    const EvaluationFigures& figures() const { return m_figures; }
    // "g", "kg" or "t": the unit the CO2 figure is given in.
    const QString& co2Unit() const { return m_co2Unit; }
    // The highest odometer reading of the last pass; 0 before any booking.
    int aktKm() const { return m_aktKm; }
    int aktMonat() const { return m_aktMonat; }
    // The encoding of the booking file read last; exports are written in it.
    TextEncoding lastReadEncoding() const { return m_lastEncoding; }

    // The text of an empty value cell.
    static QString zeroCellText();

private:
    void countBooking(const QString& line, int referenceYear);
    void refreshCells();
    void addPassKmAndCo2(const QString& co2);
    void computeTotals();
    void computeFigures();

    std::array<std::array<float, kMonths>, kCostKinds> m_costs{};
    std::array<float, kMonths> m_litres{};
    int m_anfangsKm = 0;
    int m_aktKm = 0;
    int m_gesamtKm = 0;
    double m_co2Summe = 0;
    int m_aktMonat = 1;

    std::array<std::array<QString, kGridSize>, kGridSize> m_cells;
    EvaluationFigures m_figures;
    QString m_co2Unit = QStringLiteral("g");
    TextEncoding m_lastEncoding = TextEncoding::Windows1252;
};
