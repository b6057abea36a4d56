#include "evaluation/cost_rows.h"

#include "bookings/booking_file.h"

#include <QStringList>

// The rows follow the booking categories in the order the booking window offers
// them, so row r counts category r and is labelled by it.

int costRowFor(const QString& category)
{
    if (category == QStringLiteral("Schmierstoffe"))
        return kConsumablesRow;
    const qsizetype index = CostCategories().indexOf(category);
    return index < 0 ? kCostKinds : int(index) + 1;
}

QString rowLabel(int row)
{
    if (row == kTotalIndex)
        return QStringLiteral(" Total");
    return u' ' + CostCategories().value(row - 1);
}

QString columnLabel(int column)
{
    static const QStringList labels{
        QStringLiteral("  Jan"),   QStringLiteral("  Feb"),    QStringLiteral("  März"),
        QStringLiteral("  April"), QStringLiteral("  Mai"),    QStringLiteral("  Juni"),
        QStringLiteral("  Juli"),  QStringLiteral("  August"), QStringLiteral("  Sept"),
        QStringLiteral("  Okt"),   QStringLiteral("  Nov"),    QStringLiteral("  Dez"),
        QStringLiteral("  Total")};
    return labels.value(column - 1);
}
