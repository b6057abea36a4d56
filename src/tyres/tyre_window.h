#pragma once
// The window "Reifen": the summer and the winter tyre set of one vehicle, one
// tyre of each shown side by side, kept in the vehicle's tyre file.

#include "common/app_context.h"
#include "common/text_file.h"
#include "printing/record_sheet.h"
#include "tyres/tyre_record.h"

#include <QDialog>

class QVBoxLayout;
class TyreSetPanel;

class TFormReifen : public QDialog {
    Q_OBJECT
public:
    explicit TFormReifen(AppContext& context, QWidget* parent = nullptr);

    // Set by the opener before showing; the current km fill both sets' boxes.
    void setVehicle(const QString& kfzNr, const QString& dataPath);
    void setCurrentKm(const QString& km);

    void save();       // "Speichern"
    void saveAs();     // "Speichern unter..."
    void openFile();   // "Öffnen"
    void printSheet(); // "Drucken..."
    // The tyre sheet of what both sets display.
    RecordSheet recordSheet() const;
    QString tyreFile() const { return m_tyreFile; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu(QVBoxLayout& layout);
    void buildButtons(QVBoxLayout& layout);
    void wireSet(int set);
    // Resets both sets and loads the vehicle's tyre file, each time the window is shown.
    void openWindow();
    void load(const QString& path);
    void display(int set, int position);
    // Recomputes a set's mileage box; throws ConversionError.
    void showMileage(int set);
    void storeShown(int set);
    void copyToWholeSet(int set);
    bool writeLines(const QString& path, const QStringList& lines);

    AppContext& m_context;
    QString m_kfzNr;
    QString m_dataPath;
    QString m_tyreFile;
    TextEncoding m_encoding = TextEncoding::Windows1252;
    ReifenRecord m_record;
    std::array<TyreSetPanel*, kTyreSetCount> m_sets{};
};
