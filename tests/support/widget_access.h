#pragma once
// Finding and working a window's controls by objectName, as the window tests do.

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

// The line edit of that name; the test stops when there is none.
QLineEdit* edit(QWidget& window, const char* name);
QComboBox* combo(QWidget& window, const char* name);
// A mouse click on the button of that name.
void click(QWidget& window, const char* name);
// Triggers the menu or toolbar action of that name.
void trigger(QWidget& window, const char* name);
