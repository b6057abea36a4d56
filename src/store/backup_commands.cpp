#include "store/backup_commands.h"

#include "common/app_context.h"
#include "common/text_file.h"
#include "store/backup.h"

#include <QDir>

namespace {

// The messages the framework gives for a file that cannot be read or written.
QString openErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Datei %1 kann nicht geöffnet werden. %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString createErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

void runBackup(AppContext& context, QWidget* parent)
{
    Prompts& prompts = context.prompts;
    prompts.information(parent,
                        QStringLiteral("Wählen Sie ein Zielverzeichnis für das Datenbackup aus."));
    const QString folder = prompts.chooseFolder(parent, QString(), QString());
    if (folder.isEmpty())
        return;
    const QString target = withTrailingSlash(folder);
    const BackupResult result = copyDataFiles(context.paths.dataDir, target);
    if (result.failed > 0) {
        prompts.warning(parent, QStringLiteral("Fehler Datensicherung! Eine oder mehrere Datein "
                                               "konnten nicht kopiert werden!"));
        return;
    }
    prompts.information(parent, QStringLiteral("Sicherungen erfolgreich angelegt im Verzeichnis:") +
                                    target);
    // Shown so that the user sees the copies; what is chosen in it does not matter.
    prompts.openFileName(parent, QString(), target, QString());
}

void runVehicleExport(AppContext& context, QWidget* parent)
{
    Prompts& prompts = context.prompts;
    const QString vehiclePath = context.paths.dataDir + QStringLiteral("Kfz.csv");
    TextFile vehicles;
    QString error;
    if (!readTextFile(vehiclePath, vehicles, &error)) {
        prompts.error(parent, openErrorMessage(vehiclePath, error));
        return;
    }
    const QString chosen =
        prompts.saveFileName(parent, QString(), QStringLiteral("Kfz_export.csv"), QString());
    if (chosen.trimmed().isEmpty())
        return;
    if (!writeTextLines(chosen, vehicleExportLines(vehicles.lines), TextEncoding::Windows1252,
                        &error))
        prompts.error(parent, createErrorMessage(chosen, error));
}
