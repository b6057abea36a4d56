#pragma once
// The rows and columns of the cost table: twelve cost kinds by twelve months,
// a total row and a total column, and the labels the grid shows for them.

#include <QString>

inline constexpr int kCostKinds = 12;
inline constexpr int kMonths = 12;
// Rows and columns 0 hold the labels; 13 holds the totals.
inline constexpr int kGridSize = 14;
inline constexpr int kTotalIndex = 13;
inline constexpr int kFuelRow = 1;
inline constexpr int kConsumablesRow = 2;

// The row (1..12) a booking category is counted in. Matching is exact and
// case-sensitive; the older "Schmierstoffe" counts as "Betriebsstoffe", and every
// text that is no known category, the empty one included, as "Sonstiges".
int costRowFor(const QString& category);

// " Kraftstoff" .. " Sonstiges", " Total" for rows 1..13.
QString rowLabel(int row);
// "  Jan" .. "  Dez", "  Total" for columns 1..13.
QString columnLabel(int column);
inline const QString kCornerLabel = QStringLiteral("Kosten/Monat");
