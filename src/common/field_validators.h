#pragma once
// Records are stored as lines whose fields are joined by ";" without quoting, so
// a ";" typed into a field would split the record when it is read again. Text
// fields that end up in such a line refuse the character.

#include <QValidator>

class QLineEdit;
class QComboBox;

class NoSemicolonValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// Installs the validator on a line edit or on the edit part of an editable combo box.
void refuseSemicolon(QLineEdit* edit);
void refuseSemicolon(QComboBox* combo);

// For values set by the program rather than typed: the field separator becomes ",".
QString withoutSeparator(const QString& text);
