#pragma once
// The tyres of one vehicle: a summer and a winter set of four tyres, eight
// text fields each, kept in "Reifen" + vehicle number + ".csv" as eight lines.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

inline constexpr int kTyreFieldCount = 8;
inline constexpr int kTyresPerSet = 4;
inline constexpr int kTyreSetCount = 2;

// Positions of the fields in a tyre line, counted from 0.
enum TyreField {
    TyreMaker = 0,
    TyreModel = 1,
    TyreSizeFirst = 2,
    TyreSizeSecond = 3,
    TyreRimInches = 4,
    TyreRimKind = 5,
    TyrePurchaseDate = 6,
    TyrePurchaseKm = 7,
};

using Tyre = std::array<QString, kTyreFieldCount>;
using TyreSet = std::array<Tyre, kTyresPerSet>;

struct ReifenRecord {
    // Set 0 is the summer set, set 1 the winter set.
    std::array<TyreSet, kTyreSetCount> sets;
};

// "Links vorn", "Rechts vorn", "Links hinten", "Rechts hinten" for positions 0 … 3.
QString tyrePositionName(int position);

// The file name of a vehicle's tyres; empty when the number cannot be part of a
// file name (it would lead out of the data folder).
QString tyreFileName(const QString& kfzNr);

// Eight lines, summer tyres 1 to 4, then winter tyres 1 to 4; fields trimmed and
// joined by ";", an empty tyre being seven semicolons.
QStringList formatTyreLines(const ReifenRecord& record);
// Lines 1 to 8; a missing line or field is empty, text after an eighth ";" is ignored.
ReifenRecord parseTyreLines(const QStringList& lines);

// A tyre's mileage: current km minus km at purchase, both strict integers.
// Nothing when either text is blank. Throws ConversionError.
std::optional<qint64> tyreMileage(const QString& purchaseKm, const QString& currentKm);
