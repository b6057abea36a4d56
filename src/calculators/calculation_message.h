#pragma once
// What a calculation tells the user when it refuses to run or has a remark:
// the kind of message box and its exact text. The window shows it.

#include <QString>

struct CalculationMessage {
    enum class Kind { Plain, Information, Warning, Error };
    Kind kind = Kind::Plain;
    QString text;
};
