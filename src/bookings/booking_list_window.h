#pragma once
// The booking list "Buchungsliste": all bookings of the open year as a table
// that sorts by any column; the user picks one booking for editing.

#include "bookings/booking_list_sort.h"

#include <QDialog>
#include <functional>

class Prompts;
class QAction;
class QToolBar;
class QTreeWidget;

class TFormBuchListe : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuchListe(Prompts& prompts, QWidget* parent = nullptr);

    // One row per non-blank booking line, in file order.
    void setBookings(const QStringList& lines);
    // The booking number of the chosen row; -1 when none was chosen.
    int buchungsNr() const { return m_buchungsNr; }

    // The rows as shown, one text per column, and the column captions and widths,
    // for printing the list.
    QList<QStringList> rows() const;
    QStringList captions() const;
    QList<int> columnWidths() const;

    // "Liste drucken" stays disabled until a printer is handed in.
    void setPrintHandler(std::function<void(TFormBuchListe&)> print);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTable();
    void buildToolbar(QToolBar* bar);
    void sortByColumn(int column);
    void takeBooking();

    Prompts& m_prompts;
    QTreeWidget* m_list;
    QAction* m_print = nullptr;
    std::function<void(TFormBuchListe&)> m_printHandler;
    BookingSortState m_sort;
    int m_buchungsNr = -1;
};
