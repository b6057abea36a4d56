#include "evaluation/fleet_files.h"

#include "common/text_file.h"
#include "store/vehicle_record.h"

#include <QDir>

std::optional<QString> bookingFileVehicleNumber(const QString& fileName, const QString& year)
{
    const QString prefix = QStringLiteral("Buch") + year + QStringLiteral("Kfz");
    const QString suffix = QStringLiteral(".csv");
    if (fileName.size() < prefix.size() + suffix.size() ||
        !fileName.startsWith(prefix, Qt::CaseInsensitive) ||
        !fileName.endsWith(suffix, Qt::CaseInsensitive))
        return std::nullopt;
    return fileName.mid(prefix.size(), fileName.size() - prefix.size() - suffix.size());
}

QHash<QString, QString> co2ByVehicleNumber(const QString& vehicleFilePath)
{
    QHash<QString, QString> values;
    TextFile file;
    if (!readTextFile(vehicleFilePath, file))
        return values;
    for (const QString& line : std::as_const(file.lines)) {
        if (line.trimmed().isEmpty())
            continue;
        const KfzRecord vehicle = parseVehicleLine(line);
        const QString number = vehicle[KfzNr].trimmed();
        if (!values.contains(number))
            values.insert(number, vehicle[CO2Emission]);
    }
    return values;
}

QList<PassSource> fleetSources(const QString& dataDir, const QString& year)
{
    const QHash<QString, QString> co2 = co2ByVehicleNumber(dataDir + QStringLiteral("Kfz.csv"));
    const QStringList names =
        QDir(dataDir).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QList<PassSource> sources;
    for (const QString& name : names) {
        const std::optional<QString> number = bookingFileVehicleNumber(name, year);
        if (number)
            sources.append(PassSource{dataDir + name, co2.value(number->trimmed())});
    }
    return sources;
}
