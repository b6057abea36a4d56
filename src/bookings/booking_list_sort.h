#pragma once
// Sorting the rows of the booking list by one of its columns: each column
// compares its cells as an integer, a date, a decimal number or a text.

#include <QList>
#include <QStringList>

enum class CellKind { Text, Integer, Date, Decimal };

// The columns of the booking list, left to right.
namespace BookingColumn {
enum : int { Blank = 0, BuchNr = 1, Datum = 2, Kostenart = 3, Betrag = 4, Km = 5, Count = 6 };
}

CellKind KindOfColumn(int column);

// Negative when `a` belongs before `b`, positive when after, 0 when equal.
// Integer cells that are no integer count as 0; a date or decimal cell that is
// no date or number throws ConversionError. Texts compare by character code,
// with the letters A to Z regardless of case.
int CompareCells(CellKind kind, const QString& a, const QString& b);

// Which column was sorted last and in which direction. Each new showing of
// the list starts with the flag set, so the first click sorts ascending.
class BookingSortState {
public:
    void reset() { m_descending = true; }
    // A click on the column sorted last reverses the order; another column
    // sorts ascending.
    void click(int column);
    int column() const { return m_column; }
    bool descending() const { return m_descending; }

private:
    int m_column = BookingColumn::Blank;
    bool m_descending = true;
};

// The order that sorts the cells of one column: positions into `cells`. Cells
// that compare equal keep their order. Throws ConversionError like CompareCells.
QList<int> SortOrder(const QStringList& cells, CellKind kind, bool descending);
