#pragma once
// The evaluation window "Auswertung": the annual evaluation of the vehicle shown
// in the main window as a cost grid and six figures, with another year, the
// whole fleet, the tyre window, an export and a printout from its menu.

#include "common/app_context.h"
#include "evaluation/annual_evaluation.h"
#include "evaluation/evaluation_export.h"

#include <QDialog>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QTableWidget;
class TFormJahre;

class TFormAuswertung : public QDialog {
    Q_OBJECT
public:
    explicit TFormAuswertung(AppContext& context, QWidget* parent = nullptr);

    // Set by the opener before each showing.
    QString FKennzeich; // plate
    QString FNr;        // vehicle number
    QString DatenDir;   // data folder, ending with "/"
    QString CO2;        // CO2 emission in g/km as the main window shows it; may be empty

    // Opens the tyre window for a vehicle number, its highest odometer reading of
    // the shown year and the data folder. Until one is set, "Reifen" stays disabled.
    using TyreOpener =
        std::function<void(const QString& kfzNr, int aktKm, const QString& dataPath)>;
    void setTyreOpener(TyreOpener opener);

    // The "Datei" menu entries by objectName.
    QAction* action(const QString& objectName) const;
    const AnnualEvaluation& evaluation() const { return m_evaluation; }
    QString shownYear() const { return m_year; }

    // The menu commands.
    void loadYear();
    void evaluateFleet();
    void openTyres();
    void exportData();
    void printGrid();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm();
    void buildMenu();
    QLineEdit* addFigureBox(const QString& objectName);
    QTableWidget* buildGrid();
    void startOpening();
    void showVehicleLabels();
    void runVehicle();
    void showResults();
    EvaluationBoxes shownBoxes() const;

    AppContext& m_context;
    AnnualEvaluation m_evaluation;
    TFormJahre* m_yearChooser;
    TyreOpener m_tyreOpener;
    QString m_year;
    QLabel* m_vehicleLabel = nullptr;
    QLabel* m_co2Unit = nullptr;
    QLineEdit* m_kennzeichen = nullptr;
    QLineEdit* m_jahr = nullptr;
    QLineEdit* m_diffKm = nullptr;
    QLineEdit* m_kostenKm = nullptr;
    QLineEdit* m_verbrauch = nullptr;
    QLineEdit* m_literpreis = nullptr;
    QLineEdit* m_literMax = nullptr;
    QLineEdit* m_co2 = nullptr;
    QTableWidget* m_grid = nullptr;
};
