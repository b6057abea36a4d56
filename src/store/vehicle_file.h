#pragma once
// The vehicle file "Kfz.csv" held in memory: its lines, the vehicle shown
// (current index), whether the fields shown are a vehicle not yet in the file,
// and the vehicle parsed last, from which new vehicle numbers are counted.

#include "store/vehicle_record.h"

#include <QStringList>

class VehicleFile {
public:
    void setPath(const QString& path) { m_path = path; }
    const QString& path() const { return m_path; }
    bool exists() const;

    // Reads the whole file; false (and no lines) when there is none.
    bool read();
    // Writes all lines back; false with the system's reason on failure.
    bool write(QString* error = nullptr) const;

    const QStringList& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index) { m_currentIndex = index; }
    bool newPending() const { return m_newPending; }
    void setNewPending(bool on) { m_newPending = on; }

    // The line at the current index; a missing index reads as an empty line.
    QString currentLine() const;
    // Parses a line and remembers it as the vehicle parsed last.
    KfzRecord parse(const QString& line);
    const KfzRecord& lastParsed() const { return m_lastParsed; }

    // Puts the line of the vehicle shown into the list: appended when it is new,
    // replacing the current line otherwise.
    void store(const QString& line);
    // Removes the current line (nothing when the list is empty).
    void removeCurrent();
    // Drops empty and blank-only lines; true when any were dropped.
    bool dropBlankLines();

    struct ScanResult {
        QList<KfzRecord> rows; // one per vehicle, up to the match
        int matchIndex = -1;   // line of the vehicle whose plate equals the search text
        int lastNumber = 0;    // the highest vehicle number learned, without a match
    };
    // Parses every line in order; stops at the first plate equal to `search`
    // (case-sensitive). Throws ConversionError for a non-numeric last KfzNr.
    ScanResult scan(const QString& search);

private:
    QString m_path;
    QStringList m_lines;
    int m_currentIndex = 0;
    bool m_newPending = false;
    KfzRecord m_lastParsed;
};

// Renames every booking file of the vehicle ("buch*kfz<nr>.csv", matched without
// regard to case) to "Old_" + its name; a rename whose target exists is skipped.
// Only a plain positive vehicle number is used, so no other vehicle's files match.
void retireBookingFiles(const QString& dataDir, const QString& kfzNr);
