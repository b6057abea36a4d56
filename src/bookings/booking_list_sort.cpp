#include "bookings/booking_list_sort.h"

#include "common/conversions.h"
#include "ui/vehicle_list_sort.h"

#include <algorithm>
#include <numeric>

namespace {

int sign(qint64 difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int integerOrZero(const QString& text)
{
    int value = 0;
    return tryStrToInt(text, value) ? value : 0;
}

} // namespace

CellKind KindOfColumn(int column)
{
    switch (column) {
    case BookingColumn::BuchNr:
        return CellKind::Integer;
    case BookingColumn::Datum:
        return CellKind::Date;
    case BookingColumn::Betrag:
        return CellKind::Decimal;
    default:
        return CellKind::Text;
    }
}

int CompareCells(CellKind kind, const QString& a, const QString& b)
{
    switch (kind) {
    case CellKind::Integer:
        return sign(qint64(integerOrZero(a)) - qint64(integerOrZero(b)));
    case CellKind::Decimal: {
        const double x = strToFloat(a);
        const double y = strToFloat(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case CellKind::Date: {
        const QDateTime x = strToDateTime(a);
        const QDateTime y = strToDateTime(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case CellKind::Text:
        break;
    }
    return compareTextAsciiFold(a, b);
}

void BookingSortState::click(int column)
{
    m_descending = column == m_column ? !m_descending : false;
    m_column = column;
}

QList<int> SortOrder(const QStringList& cells, CellKind kind, bool descending)
{
    QList<int> order(cells.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&cells, kind, descending](int a, int b) {
        // Descending compares the two cells the other way round.
        return descending ? CompareCells(kind, cells[b], cells[a]) < 0
                          : CompareCells(kind, cells[a], cells[b]) < 0;
    });
    return order;
}
