#pragma once
// The pieces both calculator windows are built from: captioned fields in a grid,
// icon buttons, the "Datei" / "Hilfe" menus, and their messages.

#include "calculators/calculation_message.h"

#include <QString>

class Prompts;
class QAction;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QVBoxLayout;
class QWidget;

// A caption in dark red marks an input the calculation uses.
enum class CaptionStyle { Plain, Used };

// Adds "caption" at (row, column) and a line edit right of it, followed by its
// unit if one is given; the edit's accessible name is the caption.
QLineEdit* addLineEdit(QGridLayout& grid, int row, int column, const QString& objectName,
                       const QString& caption, CaptionStyle style = CaptionStyle::Plain,
                       QLabel* unit = nullptr);
QComboBox* addComboBox(QGridLayout& grid, int row, int column, const QString& objectName,
                       const QString& caption, const QStringList& items, bool editable,
                       CaptionStyle style = CaptionStyle::Plain);
// The row "Erstzulassung" with the fields "Monat" and "Jahr" (EditMonat, EditJahr).
struct RegistrationFields {
    QLineEdit* month;
    QLineEdit* year;
};
RegistrationFields addRegistrationDate(QGridLayout& grid, int row);

QLabel* makeCaption(QWidget* parent, const QString& text, CaptionStyle style = CaptionStyle::Plain);

// Only the digits 0–9 can be typed or pasted; maxLength 0 leaves the length free.
void acceptDigitsOnly(QLineEdit* edit, int maxLength = 0);

QToolButton* makeCalculateButton(QWidget* parent, const QString& objectName, const QString& hint);
// A push button that Enter in a field does not press.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& text);

struct CalculatorMenu {
    QAction* open;
    QAction* save;
    QAction* print;
    QAction* quit;
    QAction* help;
};
// "Datei" with "Öffnen", "Speichern", "Drucken", a separator and "Beenden";
// "Hilfe" with "Inhalt" (and a separator where `helpSeparator`).
CalculatorMenu addCalculatorMenu(QDialog& window, QVBoxLayout& layout, bool helpSeparator);

// F1 anywhere in the window opens the help topic.
void addHelpKey(QDialog& window, Prompts& prompts, int topic);

void showCalculationMessage(Prompts& prompts, QWidget* parent, const CalculationMessage& message);

// Help topic of both calculators.
inline constexpr int kCalculatorHelpTopic = 120;
