#pragma once
// The present value of a car of at most 12 years: the new price written down
// over 17 years by the sum of the years' digits, then adjusted by a percentage
// for mileage, emission class and condition.

#include "calculators/calculation_message.h"

#include <QDate>
#include <QString>
#include <optional>

// The calculator's fields as typed; the ratings are compared with the list texts.
struct ResidualInputs {
    QString newPrice;
    QString year;
    QString month;
    QString odometer;
    QString emissionClass; // "Euro1" … "Euro6", "Emmissionsfrei"
    QString technical;
    QString visual;
};

struct ResidualOutcome {
    std::optional<CalculationMessage> refusal;
    double value = 0; // never negative
};

ResidualOutcome calculateResidualValue(const ResidualInputs& inputs, const QDate& today);
