#pragma once
// One vehicle of "Kfz.csv": 19 text fields in a fixed order, joined by ";".

#include <QString>
#include <QStringList>
#include <array>

// 1-based positions of the fields in a vehicle line.
enum KfzField {
    Kennzeichen = 1,
    ErstzulMonat = 2,
    SchlNr21 = 3,
    Hersteller = 4,
    Abgasnorm = 5,
    NaechsteHU = 6,
    Plakette = 7,
    AktuellerKm = 8,
    WartungKm = 9,
    KfzNr = 10,
    SchlNr22 = 11,
    StartKm = 12,
    Typ = 13,
    ErstzulJahr = 14,
    CO2Emission = 15,
    LeistungKW = 16,
    LeistungPS = 17,
    Kraftstoff = 18,
    Hubraum = 19,
};

inline constexpr int kKfzFieldCount = 19;
inline constexpr int kMaxVehicles = 10;

struct KfzRecord {
    std::array<QString, kKfzFieldCount> fields;

    QString& operator[](KfzField pos) { return fields[size_t(pos) - 1]; }
    const QString& operator[](KfzField pos) const { return fields[size_t(pos) - 1]; }
};

// Splits a vehicle line: up to 19 fields, later ones empty when the line is
// shorter, surplus fields dropped; an empty KfzNr becomes "1".
KfzRecord parseVehicleLine(const QString& line);
// Joins the 19 fields, each trimmed, by ";".
QString formatVehicleLine(const KfzRecord& record);

// Before a vehicle is saved: the start km keeps its digits-and-commas form, a
// blank current km becomes "0", and a start km of 0 or above the current km
// takes the current km. Throws ConversionError for a km text that is no number.
void applyStartKmRule(KfzRecord& record);
