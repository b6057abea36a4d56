#include "calculators/calculator_files.h"

namespace {

// A field as saved: its text unchanged, or two blanks when it holds nothing else.
QString savedField(const QString& text)
{
    return text.trimmed().isEmpty() ? QStringLiteral("  ") : text;
}

// Line n, counted from 1; a missing line counts as a single blank.
QString lineOrBlank(const QStringList& lines, int n)
{
    return n <= lines.size() ? lines.at(n - 1) : QStringLiteral(" ");
}

} // namespace

QStringList taxCalculatorLines(const TaxCalculatorData& d)
{
    QStringList lines{d.plate};
    for (const QString* field :
         {&d.month, &d.year, &d.maker, &d.model, &d.fuel, &d.emissionClass, &d.consumption,
          &d.weight, &d.mileage, &d.displacement, &d.consumption})
        lines << savedField(*field);
    return lines;
}

TaxCalculatorData parseTaxCalculatorLines(const QStringList& lines)
{
    TaxCalculatorData d;
    d.plate = lineOrBlank(lines, 1);
    d.month = lineOrBlank(lines, 2);
    d.year = lineOrBlank(lines, 3);
    d.maker = lineOrBlank(lines, 4);
    d.model = lineOrBlank(lines, 5);
    d.fuel = lineOrBlank(lines, 6);
    d.emissionClass = lineOrBlank(lines, 7);
    d.weight = lineOrBlank(lines, 9);
    d.mileage = lineOrBlank(lines, 10);
    d.displacement = lineOrBlank(lines, 11);
    d.consumption = lineOrBlank(lines, 12);
    return d;
}

QStringList residualCalculatorLines(const ResidualCalculatorData& d)
{
    QStringList lines{d.plate};
    for (const QString* field :
         {&d.month, &d.year, &d.maker, &d.model, &d.odometer, &d.kw, &d.newPrice, &d.fuel,
          &d.emissionClass, &d.technical, &d.visual, &d.kw, &d.ps})
        lines << savedField(*field);
    return lines;
}

ResidualCalculatorData parseResidualCalculatorLines(const QStringList& lines)
{
    ResidualCalculatorData d;
    d.plate = lineOrBlank(lines, 1);
    d.month = lineOrBlank(lines, 2);
    d.year = lineOrBlank(lines, 3);
    d.maker = lineOrBlank(lines, 4);
    d.model = lineOrBlank(lines, 5);
    d.odometer = lineOrBlank(lines, 6);
    d.newPrice = lineOrBlank(lines, 8);
    d.fuel = lineOrBlank(lines, 9);
    d.emissionClass = lineOrBlank(lines, 10);
    d.technical = lineOrBlank(lines, 11);
    d.visual = lineOrBlank(lines, 12);
    d.kw = lineOrBlank(lines, 13);
    return d;
}
