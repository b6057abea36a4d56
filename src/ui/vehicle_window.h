#pragma once
// The main window "Fahrzeugdaten": one vehicle of the vehicle file as a form,
// the toolbar and menus from which every other window is opened.

#include "common/app_context.h"
#include "store/vehicle_file.h"
#include "store/vehicle_record.h"

#include <QMainWindow>
#include <map>

class QAction;
class QComboBox;
class QLineEdit;
class QLabel;

class TFormKfz : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormKfz(AppContext& context, QWidget* parent = nullptr);

    // The 19 window fields as a record, and one field by position.
    KfzRecord shownRecord() const;
    QString fieldText(KfzField pos) const;
    void setFieldText(KfzField pos, const QString& text);
    void showRecord(const KfzRecord& record);

    // The vehicle operations; conversion errors are shown as error boxes.
    void loadVehicles();
    // Writes the vehicle shown; false when nothing was written (read-only mode,
    // a km text that is no number, a file error — the last two are shown).
    bool saveVehicle();
    void newVehicle();
    void deleteVehicle();
    void firstVehicle();
    void previousVehicle();
    void nextVehicle();
    void lastVehicle();
    // Parses every line and hands the vehicle list one row per vehicle (see
    // VehicleFile::scan); shows the vehicle whose plate equals `search`.
    QList<QStringList> scanVehicles(const QString& search);
    void colourInspection();
    void colourService();

    VehicleFile& vehicles() { return m_vehicles; }
    bool dataChanged() const { return m_dataChanged; }
    bool readOnlyMode() const { return m_readOnly; }
    // Read-only mode disables New, Save, Delete and "Buchen" > "Neu".
    void setReadOnlyMode(bool on);
    bool multiUser() const { return m_multiUser; }
    void setMultiUser(bool on) { m_multiUser = on; }

    // Menu and toolbar actions by objectName, so that openers can be wired from outside.
    QAction* action(const QString& objectName) const;

    // Runs the close sequence's vehicle-file step: drops blank lines and writes back.
    void compactVehicleFile();
    // The program's run-time state is set once at the start of a run.
    void startRun();

Q_SIGNALS:
    // Emitted once, when the window is first shown, to run the start-up sequence.
    void firstShown();
    // Emitted when the window closes, whatever closed it, to run the close sequence.
    void closing();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm();
    void buildMenus();
    void buildToolbar();
    QAction* makeAction(const QString& objectName, const QString& text);
    bool storeVehicle(); // throws ConversionError
    void saveCommand();
    void exitCommand();
    bool askSaveBeforeStep();
    void convertPower(QLineEdit* target, QLineEdit* source, float factor);
    template <typename Operation> void guarded(Operation&& operation);

    AppContext& m_context;
    VehicleFile m_vehicles;
    std::map<KfzField, QWidget*> m_fields;
    QLineEdit* m_kfzNr = nullptr;
    QLineEdit* m_hu = nullptr;
    QLineEdit* m_wartung = nullptr;
    QLineEdit* m_kw = nullptr;
    QLineEdit* m_ps = nullptr;
    QLabel* m_banner = nullptr;
    bool m_dataChanged = false;
    bool m_readOnly = false;
    bool m_multiUser = false;
    bool m_shownOnce = false;
    int m_currentYear = 0;
    int m_currentMonth = 0;
};
