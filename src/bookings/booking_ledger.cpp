#include "bookings/booking_ledger.h"

void BookingLedger::open(const QString& dataDir, const QString& year, const QString& kfzNr)
{
    m_year = year;
    m_path = ExistingBookingFile(dataDir, year, kfzNr);
    m_file = TextFile{};
    m_unsaved = false;
}

bool BookingLedger::read(QString* error)
{
    m_unsaved = false;
    return ReadBookingLines(m_path, m_file, error);
}

std::optional<int> BookingLedger::lastBookingIndex() const
{
    for (int i = int(m_file.lines.size()) - 1; i >= 0; --i)
        if (!IsBlankLine(m_file.lines[i]))
            return i;
    return std::nullopt;
}

std::optional<int> BookingLedger::firstBookingIndex() const
{
    for (int i = 0; i < m_file.lines.size(); ++i)
        if (!IsBlankLine(m_file.lines[i]))
            return i;
    return std::nullopt;
}

int BookingLedger::append(const BuchRecord& booking)
{
    m_file.lines.append(FormatBooking(booking));
    m_unsaved = true;
    return int(m_file.lines.size()) - 1;
}

void BookingLedger::replace(int index, const BuchRecord& booking)
{
    if (index < 0 || index >= m_file.lines.size())
        return;
    m_file.lines[index] = FormatBooking(booking);
    m_unsaved = true;
}

void BookingLedger::remove(int index)
{
    if (index < 0 || index >= m_file.lines.size())
        return;
    m_file.lines.removeAt(index);
    m_unsaved = true;
}

bool BookingLedger::write(QString* error)
{
    if (!WriteBookingLines(m_path, m_file, error))
        return false;
    m_unsaved = false;
    return true;
}
