#pragma once
// The vehicle list "Liste": plate, maker and model of every vehicle. The user
// sorts it by a header click, prints it, or picks a vehicle for the vehicle
// window.

#include "common/app_context.h"
#include "ui/vehicle_list_sort.h"

#include <QDialog>

class QTreeWidget;
class TFormKfz;

class TFormKfzListe : public QDialog {
    Q_OBJECT
public:
    TFormKfzListe(AppContext& context, TFormKfz& vehicleWindow, QWidget* parent = nullptr);

    // Empties the table, fills it by the vehicle window's scan in file order and
    // shows the window modally.
    void openList();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildToolbar(QWidget* area);
    void buildTable();
    void headerClick(int column);
    void showInMainClick();
    void printClick();

    AppContext& m_context;
    TFormKfz& m_vehicleWindow;
    QTreeWidget* m_table = nullptr;
    ListSortState m_sort;
};
