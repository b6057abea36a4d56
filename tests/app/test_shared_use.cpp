// Two real program processes on one data folder: shared use across two
// desktops, and a second start on the same desktop.

#include "store/settings_file.h"
#include "store/shared_lock.h"
#include "store/vehicle_record.h"
#include "test_env.h"

#include <QProcess>
#include <QtTest>
#include <memory>

namespace {

constexpr int kStartTimeoutMs = 15000;
// The waiting instance polls every ten seconds; allow for one full period and start-up.
constexpr int kReleaseTimeoutMs = 14000;

const QString kReadOnlyWarning =
    QStringLiteral("message|Warning|Datei in Verwendung. Bitte warten oder Datei freigeben!");

// One program process, driven by its commands and read by its output lines.
class Instance {
public:
    Instance(const QString& program, const QStringList& arguments)
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Instance()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    void send(const QString& command) { m_process.write(command.toUtf8() + '\n'); }
    // Waits for a line of output (lines already seen count); false on timeout.
    bool waitFor(const QString& line, int timeoutMs = kStartTimeoutMs)
    {
        QDeadlineTimer deadline(timeoutMs);
        while (true) {
            collect();
            if (m_lines.contains(line))
                return true;
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(100);
        }
    }
    bool ended(int timeoutMs) { return m_process.waitForFinished(timeoutMs); }
    int exitCode() const { return m_process.exitCode(); }
    QStringList lines()
    {
        collect();
        return m_lines;
    }

private:
    void collect()
    {
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).trimmed();
    }
    QProcess m_process;
    QStringList m_lines;
};

QByteArray oneVehicle(const QString& plate)
{
    KfzRecord record;
    record[Kennzeichen] = plate;
    record[KfzNr] = QStringLiteral("1");
    record[AktuellerKm] = QStringLiteral("1000");
    record[WartungKm] = QStringLiteral("2000");
    record[StartKm] = QStringLiteral("1000"); // as saving sets it
    return ansi(formatVehicleLine(record) + QStringLiteral("\r\n"));
}

QString heldMessage(const LockHolder& holder)
{
    return QStringLiteral("message|Warning|Kfzdaten in Bearbeitung durch User:  ") + holder.user +
           QStringLiteral("\\r\\nSeit dem:  ") + holder.since +
           QStringLiteral("\\r\\nSie erhalten eine Meldung, sobald die Datei wieder frei ist");
}

} // namespace

class TestSharedUse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondDesktopWaitsReadOnlyAndTakesOver();
    void secondStartOnTheSameDesktopRaisesTheFirst();
    void programItselfEndsASecondStartAtOnce();
};

void TestSharedUse::secondDesktopWaitsReadOnlyAndTakesOver()
{
    TestEnv env;
    const QString root = env.root.path();
    const QString dataDir = env.context.paths.dataDir;
    QVERIFY(writeSettings(dataDir + QLatin1String(kSettingsFileName), dataDir,
                          Settings{true, {}, {}, {}}, {}));
    env.writeData(QStringLiteral("Kfz.csv"), oneVehicle(QStringLiteral("B-AB 1")));

    Instance a(QStringLiteral(SHARED_USE_HOST), {root, QStringLiteral("desktop-a")});
    QVERIFY(a.waitFor(QStringLiteral("ready")));
    LockHolder holder;
    QVERIFY(readLockHolder(env.dataFile(kLockFileName), holder, nullptr));
    QCOMPARE(holder.user, currentLogonName());

    Instance b(QStringLiteral(SHARED_USE_HOST), {root, QStringLiteral("desktop-b")});
    QVERIFY(b.waitFor(QStringLiteral("ready")));
    QVERIFY2(b.lines().contains(heldMessage(holder)), qPrintable(b.lines().join(u'\n')));
    b.send(QStringLiteral("show"));
    QVERIFY(b.waitFor(QStringLiteral("shown|B-AB 1|read-only")));

    // B cannot write; A can.
    b.send(QStringLiteral("set 1 ZZ-B 2"));
    b.send(QStringLiteral("save"));
    QVERIFY(b.waitFor(kReadOnlyWarning));
    a.send(QStringLiteral("set 1 M-XY 9"));
    a.send(QStringLiteral("save"));
    a.send(QStringLiteral("close"));
    QVERIFY(a.ended(kStartTimeoutMs));
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), oneVehicle(QStringLiteral("M-XY 9")));

    // B notices within one poll period, takes the lock without a user line and
    // shows A's last change.
    QVERIFY(b.waitFor(QStringLiteral("message|Information|Daten können wieder bearbeitet werden!"),
                      kReleaseTimeoutMs));
    b.send(QStringLiteral("show"));
    QVERIFY(b.waitFor(QStringLiteral("shown|M-XY 9|editable")));
    QVERIFY(readLockHolder(env.dataFile(kLockFileName), holder, nullptr));
    QVERIFY(!holder.since.isEmpty());
    QVERIFY(holder.user.isEmpty());

    b.send(QStringLiteral("set 1 B-NEU 3"));
    b.send(QStringLiteral("save"));
    b.send(QStringLiteral("close"));
    QVERIFY(b.ended(kStartTimeoutMs));
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), oneVehicle(QStringLiteral("B-NEU 3")));
    QVERIFY(!QFile::exists(env.dataFile(kLockFileName)));
    QCOMPARE(b.lines().count(kReadOnlyWarning), 1); // the save after taking over went through
}

void TestSharedUse::secondStartOnTheSameDesktopRaisesTheFirst()
{
    TestEnv env;
    const QString root = env.root.path();
    Instance first(QStringLiteral(SHARED_USE_HOST), {root, QStringLiteral("desktop-c")});
    QVERIFY(first.waitFor(QStringLiteral("ready")));
    const QStringList filesBefore = QDir(env.context.paths.dataDir).entryList(QDir::Files);

    Instance second(QStringLiteral(SHARED_USE_HOST), {root, QStringLiteral("desktop-c")});
    QVERIFY(second.ended(5000));
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.lines(), QStringList{QStringLiteral("second start")});
    QVERIFY(first.waitFor(QStringLiteral("activated")));
    QCOMPARE(QDir(env.context.paths.dataDir).entryList(QDir::Files), filesBefore);

    first.send(QStringLiteral("close"));
    QVERIFY(first.ended(kStartTimeoutMs));
}

// The program itself, as users start it, with its data below a private home.
void TestSharedUse::programItselfEndsASecondStartAtOnce()
{
    TestEnv env;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), env.root.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), env.root.path() + QStringLiteral("/share"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       env.root.path() + QStringLiteral("/config"));
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":tarvo-test"));
    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(TARVO_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    // The first instance has claimed its desktop once its data folder exists.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(env.root.path() + QStringLiteral("/share/tarvo")).isDir(),
                             kStartTimeoutMs);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(TARVO_PROGRAM), {});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

TARVO_TEST_MAIN(TestSharedUse)
#include "test_shared_use.moc"
