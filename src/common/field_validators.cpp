#include "common/field_validators.h"

#include <QComboBox>
#include <QLineEdit>

QValidator::State NoSemicolonValidator::validate(QString& input, int&) const
{
    return input.contains(u';') ? Invalid : Acceptable;
}

void refuseSemicolon(QLineEdit* edit)
{
    edit->setValidator(new NoSemicolonValidator(edit));
}

void refuseSemicolon(QComboBox* combo)
{
    combo->setValidator(new NoSemicolonValidator(combo));
}

QString withoutSeparator(const QString& text)
{
    QString clean = text;
    return clean.replace(u';', u',');
}
