#pragma once
// The booking files: one file per vehicle and year ("Buch" + year + "Kfz" +
// vehicle number + ".csv"), one booking per line, ten fields joined by ";".
// Also the cost categories and the last-amount files of the recurring costs.

#include "common/text_file.h"

#include <QString>
#include <QStringList>
#include <optional>

struct BuchRecord {
    QString KfzNr;
    QString Kennzeichen;
    QString Datum;
    QString Kostenart;
    QString Betrag;
    QString Kommentar;
    QString BuchNr;
    QString Liter;
    QString Km;
    QString AltKm;
};

inline constexpr int kBuchFieldCount = 10;

// Cuts a line at its ";": fields missing at the end are empty, text after a
// tenth ";" is ignored. Nothing is converted.
BuchRecord ParseBooking(const QString& line);
// The ten fields, each trimmed, joined by ";". A ";" or line break inside a
// field would shift the fields after it when the line is read back, so each
// becomes "," or a blank.
QString FormatBooking(const BuchRecord& record);

// Blank lines are not bookings; every reader skips them.
bool IsBlankLine(const QString& line);

QString BookingFilePath(const QString& dataDir, const QString& year, const QString& kfzNr);
// The booking file as it exists on disk: the file of BookingFilePath, or one
// whose name equals it without regard to case ("buch2023kfz3.csv"), as names
// are matched on every platform. BookingFilePath when there is none.
QString ExistingBookingFile(const QString& dataDir, const QString& year, const QString& kfzNr);

// The twelve cost categories in the order the booking window offers them.
const QStringList& CostCategories();
inline const QString kFuelCategory = QStringLiteral("Kraftstoff");
inline const QString kTyreCategory = QStringLiteral("Reifen");
inline const QString kOtherCategory = QStringLiteral("Sonstiges");
// "Kraftstoff" and "Betriebsstoffe" keep litres.
bool KeepsLitres(const QString& category);
// "Versicherung", "Steuer", "Leasing" and "Finanzierung" remember their last amount.
bool RemembersLastAmount(const QString& category);
// A text that is none of the twelve categories is stored as "Sonstiges".
QString StoredCategory(const QString& text);

// Reads the lines of a booking file, keeping its encoding for the write-back.
// A missing file is an empty year; false (with the system's reason in `error`)
// only when an existing file cannot be read.
bool ReadBookingLines(const QString& path, TextFile& file, QString* error = nullptr);
// Writes every line followed by CR LF, replacing the file atomically.
bool WriteBookingLines(const QString& path, const TextFile& file, QString* error = nullptr);

// 0-based index of the last line whose booking number equals `buchNr`; -1 when
// none does. A non-blank line whose booking number is not an integer throws
// ConversionError.
int FindBookingLine(const QStringList& lines, int buchNr);
// The highest booking number of the lines; 0 when there is none. Throws
// ConversionError like FindBookingLine.
int HighestBuchNr(const QStringList& lines);

// The last-amount file: category + "Kfz" + vehicle number + ".dat".
QString LastAmountPath(const QString& dataDir, const QString& category, const QString& kfzNr);
// Its first line; nothing when the file does not exist or cannot be read.
std::optional<QString> LoadLastAmount(const QString& dataDir, const QString& category,
                                      const QString& kfzNr);
bool SaveLastAmount(const QString& dataDir, const QString& category, const QString& kfzNr,
                    const QString& amount, QString* error = nullptr);
