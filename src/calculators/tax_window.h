#pragma once
// The window "Steuer/CO2 Rechner": the German annual vehicle tax and the CO2
// emission of one car, with its inputs saved to and opened from a small text file.

#include "common/app_context.h"
#include "printing/record_sheet.h"
#include "store/vehicle_record.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

class TFormRechner : public QDialog {
    Q_OBJECT
public:
    explicit TFormRechner(AppContext& context, QWidget* parent = nullptr);

    // Fills the window from the vehicle shown in the vehicle window.
    void takeVehicle(const KfzRecord& vehicle, const QString& dataDir);
    // The CO2 emission to hand back to the vehicle window; empty when there is none.
    QString co2Result() const;

    void calculateTax(); // BitBtn1Click
    void calculateCo2(); // BitBtn4Click
    void clearResults(); // ButtonNeuClick
    void saveInputs();   // BitBtn3Click
    void openInputs();   // Oeffnen1Click
    void printSheet();   // Drucken1Click
    // The "CO2 Emissionen" sheet of what the window shows.
    RecordSheet recordSheet() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void selectFuel(const QString& text);
    void selectEmissionClass(const QString& compactText);

    AppContext& m_context;
    QString m_dataDir;
    QLineEdit* m_plate;
    QLineEdit* m_month;
    QLineEdit* m_year;
    QLineEdit* m_maker;
    QLineEdit* m_model;
    QComboBox* m_emissionClass;
    QComboBox* m_fuel;
    QLineEdit* m_displacement;
    QLineEdit* m_mileage;
    QLineEdit* m_weight;
    QLineEdit* m_consumption;
    QLineEdit* m_co2Total;
    QLabel* m_co2Unit;
    QLineEdit* m_co2;
    QLineEdit* m_tax;
};
