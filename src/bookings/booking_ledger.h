#pragma once
// The bookings of one vehicle and year as the booking window holds them: the
// lines of the booking file in memory, changed there and written back whole.
// A failed write keeps the change in memory, so the next successful write
// stores it.

#include "bookings/booking_file.h"

#include <optional>

class BookingLedger {
public:
    // Points at the file of a vehicle and year and empties the lines; nothing is read yet.
    void open(const QString& dataDir, const QString& year, const QString& kfzNr);
    const QString& year() const { return m_year; }
    const QString& path() const { return m_path; }

    // Reads the file again (a missing file gives no lines). False with the
    // system's reason when the file exists but cannot be read; the lines are then empty.
    bool read(QString* error = nullptr);
    void clear() { m_file.lines.clear(); }
    const QStringList& lines() const { return m_file.lines; }
    // True while the lines hold a change that could not be written.
    bool unsaved() const { return m_unsaved; }

    // Blank lines are no bookings: the last and the first booking with their indexes.
    std::optional<int> lastBookingIndex() const;
    std::optional<int> firstBookingIndex() const;
    BuchRecord bookingAt(int index) const { return ParseBooking(m_file.lines.value(index)); }

    // Throw ConversionError for a booking number that is no integer.
    int nextBuchNr() const { return HighestBuchNr(m_file.lines) + 1; }
    int find(int buchNr) const { return FindBookingLine(m_file.lines, buchNr); }

    // The changes; each is followed by write().
    int append(const BuchRecord& booking);
    void replace(int index, const BuchRecord& booking);
    void remove(int index);
    bool write(QString* error = nullptr);

private:
    QString m_year;
    QString m_path;
    TextFile m_file;
    bool m_unsaved = false;
};
