#include "store/vehicle_file.h"

#include "common/conversions.h"
#include "common/safe_names.h"
#include "common/text_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

bool VehicleFile::exists() const
{
    return QFile::exists(m_path);
}

bool VehicleFile::read()
{
    TextFile file;
    const bool ok = readTextFile(m_path, file);
    m_lines = file.lines;
    return ok;
}

bool VehicleFile::write(QString* error) const
{
    return writeTextLines(m_path, m_lines, TextEncoding::Windows1252, error);
}

QString VehicleFile::currentLine() const
{
    return m_currentIndex >= 0 && m_currentIndex < m_lines.size() ? m_lines[m_currentIndex]
                                                                  : QString();
}

KfzRecord VehicleFile::parse(const QString& line)
{
    m_lastParsed = parseVehicleLine(line);
    return m_lastParsed;
}

void VehicleFile::store(const QString& line)
{
    if (m_newPending || m_currentIndex < 0 || m_currentIndex >= m_lines.size()) {
        m_lines.append(line);
        m_currentIndex = int(m_lines.size()) - 1;
        m_newPending = false;
    } else {
        m_lines[m_currentIndex] = line;
    }
}

void VehicleFile::removeCurrent()
{
    if (m_currentIndex >= 0 && m_currentIndex < m_lines.size())
        m_lines.removeAt(m_currentIndex);
}

bool VehicleFile::dropBlankLines()
{
    const auto before = m_lines.size();
    m_lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    return m_lines.size() != before;
}

VehicleFile::ScanResult VehicleFile::scan(const QString& search)
{
    ScanResult result;
    // Numbers rise along the file, so the last line's number is normally the
    // highest; taking the highest of all keeps a hand-edited or blank last line
    // from handing out a number that another vehicle still uses.
    int highest = 0;
    for (int i = 0; i < m_lines.size(); ++i) {
        const KfzRecord record = parse(m_lines[i]);
        result.rows.append(record);
        if (record[Kennzeichen] == search) {
            result.matchIndex = i;
            return result;
        }
        int number = 0;
        if (tryStrToInt(record[KfzNr], number))
            highest = std::max(highest, number);
    }
    const QString lastNumber = m_lastParsed[KfzNr];
    if (!lastNumber.isEmpty())
        result.lastNumber = std::max(highest, strToInt(lastNumber));
    else
        result.lastNumber = highest;
    return result;
}

void retireBookingFiles(const QString& dataDir, const QString& kfzNr)
{
    if (!isPlainPositiveInteger(kfzNr))
        return;
    const QRegularExpression pattern(
        QStringLiteral("^buch.*kfz%1\\.csv$").arg(QRegularExpression::escape(kfzNr)),
        QRegularExpression::CaseInsensitiveOption);
    QDir dir(dataDir);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (!pattern.match(name).hasMatch())
            continue;
        const QString target = dir.filePath(QStringLiteral("Old_") + name);
        if (!QFile::exists(target))
            QFile::rename(dir.filePath(name), target);
    }
}
