// Two program processes in shared use on one data folder, both saving at once
// over and over: the lock keeps the second read-only, and the vehicle file only
// ever holds whole saves of the first, with no line lost or mixed.

#include "store/settings_file.h"
#include "store/vehicle_record.h"
#include "test_env.h"

#include <QProcess>
#include <QtTest>

namespace {

constexpr int kTimeoutMs = 20000;
constexpr int kRounds = 40;

const QString kReadOnlyWarning =
    QStringLiteral("message|Warning|Datei in Verwendung. Bitte warten oder Datei freigeben!");

QString vehicleLine(const QString& plate, int number)
{
    KfzRecord record;
    record[Kennzeichen] = plate;
    record[KfzNr] = QString::number(number);
    record[AktuellerKm] = QStringLiteral("1000");
    record[WartungKm] = QStringLiteral("2000");
    record[StartKm] = QStringLiteral("1000"); // as saving sets it
    return formatVehicleLine(record);
}

QByteArray vehicleFile(const QString& firstPlate)
{
    return ansi(vehicleLine(firstPlate, 1) + QStringLiteral("\r\n") +
                vehicleLine(QStringLiteral("K-ZW 2"), 2) + QStringLiteral("\r\n") +
                vehicleLine(QStringLiteral("K-DR 3"), 3) + QStringLiteral("\r\n"));
}

// A program process on the test host, fed commands and read line by line.
class Host {
public:
    Host(const QString& root, const QString& desktop)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(SHARED_USE_HOST), {root, desktop});
        m_process.waitForStarted();
    }
    ~Host()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    void send(const QString& command) { m_process.write(command.toUtf8() + '\n'); }
    // Reads what has arrived, waiting at most `ms` for more.
    void poll(int ms)
    {
        m_process.waitForReadyRead(ms);
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }
    bool has(const QString& line) const { return m_lines.contains(line); }
    qsizetype count(const QString& line) const { return m_lines.count(line); }
    bool running() const { return m_process.state() == QProcess::Running; }
    QString transcript() const { return m_lines.join(u'\n'); }

private:
    QProcess m_process;
    QStringList m_lines;
};

} // namespace

class TestTwoInstances : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bothSaveAtOnceAndOnlyTheHolderWrites();
};

void TestTwoInstances::bothSaveAtOnceAndOnlyTheHolderWrites()
{
    TestEnv env;
    const QString dataDir = env.context.paths.dataDir;
    QVERIFY(writeSettings(dataDir + QLatin1String(kSettingsFileName), dataDir,
                          Settings{true, {}, {}, {}}, {}));
    env.writeData(QStringLiteral("Kfz.csv"), vehicleFile(QStringLiteral("K-EA 1")));
    // Every content the file may show: the first one and each save of the holder.
    QSet<QByteArray> wholeSaves{vehicleFile(QStringLiteral("K-EA 1"))};
    for (int round = 0; round < kRounds; ++round)
        wholeSaves << vehicleFile(QStringLiteral("A-%1").arg(round));

    Host a(env.root.path(), QStringLiteral("desktop-a"));
    QDeadlineTimer deadline(kTimeoutMs);
    while (!a.has(QStringLiteral("ready")) && a.running() && !deadline.hasExpired())
        a.poll(50);
    QVERIFY2(a.has(QStringLiteral("ready")), qPrintable(a.transcript()));
    Host b(env.root.path(), QStringLiteral("desktop-b"));

    int reads = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString plateA = QStringLiteral("A-%1").arg(round);
        const QString plateB = QStringLiteral("B-%1").arg(round);
        a.send(QStringLiteral("set 1 ") + plateA);
        b.send(QStringLiteral("set 1 ") + plateB);
        a.send(QStringLiteral("save"));
        b.send(QStringLiteral("save"));
        a.send(QStringLiteral("show"));
        b.send(QStringLiteral("show"));
        const QString shownA = QStringLiteral("shown|%1|editable").arg(plateA);
        const QString shownB = QStringLiteral("shown|%1|read-only").arg(plateB);
        deadline.setRemainingTime(kTimeoutMs);
        // Read the file as often as possible while both are saving.
        while (!(a.has(shownA) && b.has(shownB))) {
            const QByteArray content = env.readData(QStringLiteral("Kfz.csv"));
            ++reads;
            QVERIFY2(wholeSaves.contains(content), content.constData());
            QVERIFY2(a.running() && b.running() && !deadline.hasExpired(),
                     qPrintable(a.transcript() + u'\n' + b.transcript()));
            a.poll(1);
            b.poll(1);
        }
        QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), vehicleFile(plateA));
    }
    QVERIFY(reads >= kRounds);
    QCOMPARE(b.count(kReadOnlyWarning), qsizetype(kRounds));
    QCOMPARE(a.count(kReadOnlyWarning), qsizetype(0));

    a.send(QStringLiteral("close"));
    b.send(QStringLiteral("close"));
    deadline.setRemainingTime(kTimeoutMs);
    while ((a.running() || b.running()) && !deadline.hasExpired()) {
        a.poll(50);
        b.poll(50);
    }
    QVERIFY(!a.running() && !b.running());
    // Closing drops nothing either: the holder's last save is what remains.
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")),
             vehicleFile(QStringLiteral("A-%1").arg(kRounds - 1)));
}

TARVO_TEST_MAIN(TestTwoInstances)
#include "test_two_instances.moc"
