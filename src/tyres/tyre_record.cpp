#include "tyres/tyre_record.h"

#include "common/conversions.h"
#include "common/safe_names.h"

QString tyrePositionName(int position)
{
    static const std::array<QString, kTyresPerSet> names{
        QStringLiteral("Links vorn"), QStringLiteral("Rechts vorn"), QStringLiteral("Links hinten"),
        QStringLiteral("Rechts hinten")};
    return names.at(size_t(position));
}

QString tyreFileName(const QString& kfzNr)
{
    if (!isSafeFileNamePart(kfzNr))
        return QString();
    return QStringLiteral("Reifen") + kfzNr + QStringLiteral(".csv");
}

QStringList formatTyreLines(const ReifenRecord& record)
{
    QStringList lines;
    for (const TyreSet& set : record.sets) {
        for (const Tyre& tyre : set) {
            QStringList fields;
            for (const QString& field : tyre)
                fields << field.trimmed();
            lines << fields.join(u';');
        }
    }
    return lines;
}

ReifenRecord parseTyreLines(const QStringList& lines)
{
    ReifenRecord record;
    for (int line = 0; line < kTyreSetCount * kTyresPerSet && line < lines.size(); ++line) {
        const QStringList fields = lines.at(line).split(u';');
        Tyre& tyre = record.sets[size_t(line / kTyresPerSet)][size_t(line % kTyresPerSet)];
        for (int f = 0; f < kTyreFieldCount && f < fields.size(); ++f)
            tyre[size_t(f)] = fields.at(f);
    }
    return record;
}

std::optional<qint64> tyreMileage(const QString& purchaseKm, const QString& currentKm)
{
    if (purchaseKm.trimmed().isEmpty() || currentKm.trimmed().isEmpty())
        return std::nullopt;
    const qint64 current = strToInt(currentKm);
    return current - strToInt(purchaseKm);
}
