#pragma once
// The booking window "Buchen": enters, changes and deletes the bookings of one
// vehicle in one booking year, one booking at a time, and keeps track of the
// vehicle's mileage so that the vehicle window can raise its own afterwards.

#include "bookings/booking_ledger.h"
#include "common/app_context.h"

#include <QDialog>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QStatusBar;
class QToolBar;
class TFormBuchListe;
class TFormJahre;

class TFormBuchen : public QDialog {
    Q_OBJECT
public:
    explicit TFormBuchen(AppContext& context, QWidget* parent = nullptr);

    // What the vehicle window hands over before showing the window: vehicle
    // number, plate and current mileage (only its digits and commas are kept),
    // and the data directory.
    void setVehicle(const QString& kfzNr, const QString& kennzeichen, const QString& aktuellerKm);
    void setDatenDir(const QString& datenDir) { m_datenDir = datenDir; }
    // The mileage as the window knows it: set on opening, raised by bookings.
    int kmStand() const { return m_kmStand; }

    // Hands over a vehicle, shows the window modally and returns the mileage
    // it ended with.
    int bookFor(const QString& kfzNr, const QString& kennzeichen, const QString& aktuellerKm,
                const QString& datenDir);

    // Opens the tyre window for a vehicle number (trimmed), the data directory
    // and the mileage (0 when unknown). Until one is set, "Reifendaten" is
    // disabled and a tyre booking asks nothing.
    using TyreOpener =
        std::function<void(const QString& kfzNr, const QString& datenDir, int kmStand)>;
    void setTyreOpener(TyreOpener opener);

    // The list the bookings are chosen from, for wiring its printer.
    TFormBuchListe& bookingList() { return *m_list; }

    // The menu and toolbar commands.
    void newEntry();
    void saveBooking();
    void deleteBooking();
    void chooseBooking();
    void createYear();
    void loadYear();
    void currentYear();
    void finish();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Mode { NewEntry, Edit };

    void buildForm();
    void buildMenus(QMenuBar* bar);
    void buildToolbar(QToolBar* bar);
    void buildStatusBar(QStatusBar* bar);
    QAction* makeAction(const char* objectName, const char* text, void (TFormBuchen::*command)());

    // Steps that may stop with a conversion error; the commands run them guarded.
    void openWindow();
    void startNewEntry();
    void saveSteps();
    void deleteSteps();
    void chooseSteps();
    void createYearSteps();

    bool checkAmount();
    bool checkLitres();
    void computeLitrePrice();
    void checkOdometer();
    void categoryChosen(int index);
    void enterPressed(QObject* field);

    void setMode(Mode mode);
    // Opens the file of a year into the line list; in edit mode its last
    // booking is shown.
    void openYearFile(const QString& year);
    void readLedger();
    bool writeLedger();
    void showBooking(int index);
    void emptyBookingFields();
    bool vehicleNumberUsable() const;
    QString kfzNr() const;
    void openTyres();
    void plainMessage(const QString& text);
    // Runs steps of a command; a failed conversion ends them with an error box.
    void guarded(const std::function<void()>& steps);

    AppContext& m_context;
    TFormBuchListe* m_list;
    TFormJahre* m_years;
    BookingLedger m_ledger;
    TyreOpener m_tyreOpener;

    QString m_datenDir;
    int m_kmStand = 0;
    int m_altKm = 0;
    int m_currentLine = 0;
    // Before the first opening of a run the window is in edit mode; afterwards
    // it keeps the mode it was left in.
    Mode m_mode = Mode::Edit;
    bool m_changed = false;
    // The booking last shown from the file: an edited booking keeps its field 10.
    BuchRecord m_shown;

    QLineEdit* m_buchNr = nullptr;
    QLabel* m_yearPanel = nullptr;
    QLineEdit* m_kennzeichen = nullptr;
    QLineEdit* m_kfzNr = nullptr;
    QLineEdit* m_datum = nullptr;
    QLineEdit* m_km = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_betrag = nullptr;
    QLineEdit* m_liter = nullptr;
    QLineEdit* m_proLiter = nullptr;
    QLineEdit* m_comment = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_tyresAction = nullptr;
};
