#include "store/vehicle_record.h"

#include "common/conversions.h"

KfzRecord parseVehicleLine(const QString& line)
{
    KfzRecord record;
    if (line.isEmpty())
        return record;
    const QStringList parts = line.split(u';');
    for (int i = 0; i < kKfzFieldCount && i < parts.size(); ++i)
        record.fields[size_t(i)] = parts[i];
    if (record[KfzNr].isEmpty())
        record[KfzNr] = QStringLiteral("1");
    return record;
}

QString formatVehicleLine(const KfzRecord& record)
{
    QStringList parts;
    for (const QString& field : record.fields)
        parts << field.trimmed();
    return parts.join(u';');
}

void applyStartKmRule(KfzRecord& record)
{
    const int start = kmValue(record[StartKm]);
    if (!record[StartKm].trimmed().isEmpty())
        record[StartKm] = kmDigits(record[StartKm]);
    const int current = kmValue(record[AktuellerKm]);
    if (record[AktuellerKm].trimmed().isEmpty())
        record[AktuellerKm] = QStringLiteral("0");
    if (start == 0 || start > current)
        record[StartKm] = record[AktuellerKm];
}
