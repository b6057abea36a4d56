#pragma once
// The window "Restwert kalkulieren": the present value of a car of at most 12
// years, with its inputs saved to and opened from "RestWert" + vehicle number + ".txt".

#include "common/app_context.h"
#include "printing/record_sheet.h"
#include "store/vehicle_record.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

class TFormrestwert : public QDialog {
    Q_OBJECT
public:
    explicit TFormrestwert(AppContext& context, QWidget* parent = nullptr);

    // Fills the window from the vehicle shown in the vehicle window.
    void takeVehicle(const KfzRecord& vehicle, const QString& dataDir);

    void calculate();  // BitBtn1Click
    void saveInputs(); // BitBtn3Click
    void openInputs(); // Oeffnen1Click
    void printSheet(); // Drucken1Click
    // The "Restwertkalkulation" sheet of what the window shows.
    RecordSheet recordSheet() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void wireReactions();
    void fuelChosen();
    // Fills `target` with the power in `source` times `factor`, if there is one.
    void convertPower(QLineEdit* source, QLineEdit* target, float factor);
    void writeInputs(const QString& path);
    QString proposedFileName() const;

    AppContext& m_context;
    QString m_dataDir;
    QString m_kfzNr;
    QString m_fileName; // the file last opened or saved while the window is shown
    QLineEdit* m_plate;
    QLineEdit* m_month;
    QLineEdit* m_year;
    QLineEdit* m_maker;
    QLineEdit* m_model;
    QLineEdit* m_odometer;
    QComboBox* m_emissionClass;
    QLineEdit* m_kw;
    QLineEdit* m_ps;
    QComboBox* m_fuel;
    QLineEdit* m_newPrice;
    QComboBox* m_technical;
    QComboBox* m_visual;
    QLineEdit* m_result;
};
