#pragma once
// One tyre set of the tyre window: the position selector, the eight boxes of the
// tyre shown, the vehicle's current km and the tyre's mileage, and the buttons
// that clear the boxes and copy them to the whole set.

#include "tyres/tyre_record.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

// The objectNames of one set's controls; the winter set's carry a "2".
struct TyreSetNames {
    const char* maker;
    const char* model;
    const char* sizeFirst;
    const char* sizeSecond;
    const char* rimInches;
    const char* rimKind;
    const char* purchaseDate;
    const char* purchaseKm;
    const char* currentKm;
    const char* mileage;
    const char* selector;
    const char* positionLabel;
    const char* clearButton;
    const char* copyButton;
};

extern const TyreSetNames kSummerNames;
extern const TyreSetNames kWinterNames;

class TyreSetPanel : public QGroupBox {
    Q_OBJECT
public:
    TyreSetPanel(const QString& title, const TyreSetNames& names, QWidget* parent = nullptr);

    // The tyre in the eight boxes, as typed.
    Tyre shownTyre() const;
    void showTyre(const Tyre& tyre);
    // The position the selector shows, 0 … 3; setting it also names it in the label.
    int position() const;
    void setPosition(int position);

    QString purchaseKm() const;
    QString currentKm() const;
    void setCurrentKm(const QString& km);
    void setMileage(const QString& mileage);
    // Empties the boxes, current km and mileage included; the rim kind becomes "Stahl".
    void clearBoxes();

    // The eight values of the printed tyre sheet's column, as displayed.
    QStringList sheetColumn() const;

Q_SIGNALS:
    void selectorEntered();
    void positionChosen(int position);
    void mileageEntered();
    void copyRequested();

private:
    QLineEdit* edit(TyreField field) const { return m_edits[size_t(field)]; }

    // The box of each field, by TyreField; the rim kind's is the combo box.
    std::array<QLineEdit*, kTyreFieldCount> m_edits{};
    QComboBox* m_rimKind;
    QLineEdit* m_currentKm;
    QLineEdit* m_mileage;
    QComboBox* m_selector;
    QLabel* m_positionLabel;
};
