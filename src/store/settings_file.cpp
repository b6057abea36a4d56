#include "store/settings_file.h"

#include "common/text_file.h"
#include "store/settings_cipher.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QThread>

namespace {

enum SettingsLine {
    DataDirLine = 0,
    CarriedALine = 1,
    CarriedBLine = 2,
    MultiUserLine = 4,
    CarriedCLine = 5
};

const QByteArray& key()
{
    static const QByteArray bytes(kSettingsKey);
    return bytes;
}

// The file's bytes as the characters of the ANSI code page, one for each byte:
// no byte-order mark is looked for, since enciphered bytes may look like one.
QString ansiCharacters(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder(bytes);
}

QString lineAt(const QStringList& lines, int index)
{
    return index < lines.size() ? lines[index] : QString();
}

} // namespace

Settings parseSettings(const QByteArray& bytes)
{
    const QString raw = ansiCharacters(bytes);
    const QString plain = isEnciphered(raw) ? ansiCharacters(decipher(bytes, key())) : raw;
    const QStringList lines = splitLines(plain);

    Settings settings;
    settings.carriedA = lineAt(lines, CarriedALine);
    settings.carriedB = lineAt(lines, CarriedBLine);
    settings.multiUser = lineAt(lines, MultiUserLine) == QLatin1String("true");
    settings.carriedC = lineAt(lines, CarriedCLine);
    return settings;
}

Settings readSettings(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseSettings(file.readAll());
}

QByteArray settingsBytes(const QString& dataDir, const Settings& settings)
{
    QStringList lines(CarriedCLine + 1);
    lines[DataDirLine] = QDir::toNativeSeparators(dataDir);
    lines[CarriedALine] = settings.carriedA;
    lines[CarriedBLine] = settings.carriedB;
    lines[MultiUserLine] = settings.multiUser ? QStringLiteral("true") : QStringLiteral("false");
    lines[CarriedCLine] = settings.carriedC;
    return encipher(encodeText(lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")), key());
}

bool writeSettings(const QString& path, const QString& dataDir, const Settings& settings,
                   const std::function<void()>& askHelperToDelete)
{
    const QByteArray bytes = settingsBytes(dataDir, settings);
    if (writeBytesAtomically(path, bytes))
        return true;
    if (askHelperToDelete)
        askHelperToDelete();
    QThread::msleep(kSettingsRetryPauseMs);
    return writeBytesAtomically(path, bytes);
}
