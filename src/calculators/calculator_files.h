#pragma once
// The small text files of the two calculators: one field per line, an empty
// field written as two blanks, a line missing on reading taken as one blank.

#include <QString>
#include <QStringList>

// The tax calculator's inputs (its results are not saved).
struct TaxCalculatorData {
    QString plate;
    QString month;
    QString year;
    QString maker;
    QString model;
    QString fuel;
    QString emissionClass;
    QString consumption;
    QString weight;
    QString mileage;
    QString displacement;
};

// Twelve lines; the consumption is written twice (lines 8 and 12).
QStringList taxCalculatorLines(const TaxCalculatorData& data);
// Reads the first twelve lines; line 12 wins over line 8.
TaxCalculatorData parseTaxCalculatorLines(const QStringList& lines);

// The residual value calculator's inputs (its result is not saved).
struct ResidualCalculatorData {
    QString plate;
    QString month;
    QString year;
    QString maker;
    QString model;
    QString odometer;
    QString kw;
    QString newPrice;
    QString fuel;
    QString emissionClass;
    QString technical;
    QString visual;
    QString ps;
};

// Fourteen lines; the kW are written twice (lines 7 and 13), the PS last.
QStringList residualCalculatorLines(const ResidualCalculatorData& data);
// Reads the first thirteen lines; line 13 wins over line 7. The PS are not
// read (the window computes them from the kW) and stay empty.
ResidualCalculatorData parseResidualCalculatorLines(const QStringList& lines);

// A calculator file with fewer lines than this changes nothing when opened.
inline constexpr int kMinCalculatorFileLines = 2;
