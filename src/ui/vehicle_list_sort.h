#pragma once
// Sorting of the vehicle list: which column, which direction, and the text
// comparison it uses. The state lives as long as the program, so a header
// click after reopening the list continues from the last one.

#include <QString>

// Compares without regard to case for the ASCII letters A to Z only; every
// other character compares by its code, so umlauts sort after Z.
// Negative when `a` comes first, 0 when equal, positive otherwise.
int compareTextAsciiFold(const QString& a, const QString& b);

class ListSortState {
public:
    // A click on the sort column reverses the order; any other column becomes
    // the sort column, ascending.
    void click(int column)
    {
        m_descending = column == m_column && !m_descending;
        m_column = column;
    }
    int column() const { return m_column; }
    bool descending() const { return m_descending; }

private:
    int m_column = 0;
    bool m_descending = false;
};
