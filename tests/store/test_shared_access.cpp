#include "app/shared_access.h"
#include "store/shared_lock.h"
#include "store/vehicle_record.h"
#include "store_suites.h"
#include "test_env.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QtTest>

namespace {

const QString kAccessDenied =
    QStringLiteral("Fehler! Zugriff verweigert! Führen  Sie das Programm als Administrator aus.");
// "Buchen" > "Neu" is disabled as well, but also while no booking window is wired.
const QStringList kWriteControls{QStringLiteral("ToolNew"), QStringLiteral("ToolSave"),
                                 QStringLiteral("ToolDelete")};

QString heldMessage(const QString& user, const QString& since)
{
    return QStringLiteral("Kfzdaten in Bearbeitung durch User:  ") + user +
           QStringLiteral("\r\nSeit dem:  ") + since +
           QStringLiteral("\r\nSie erhalten eine Meldung, sobald die Datei wieder frei ist");
}

QByteArray vehicleLines(const QStringList& plates)
{
    QString text;
    for (int i = 0; i < plates.size(); ++i) {
        KfzRecord record;
        record[Kennzeichen] = plates[i];
        record[KfzNr] = QString::number(i + 1);
        record[AktuellerKm] = QStringLiteral("1000");
        record[WartungKm] = QStringLiteral("2000");
        text += formatVehicleLine(record) + QStringLiteral("\r\n");
    }
    return ansi(text);
}

// The vehicle window and the shared access of one instance, in shared use.
struct Instance {
    explicit Instance(TestEnv& env, bool multiUser = true)
        : window(env.context), access(env.context, window)
    {
        window.startRun();
        window.setMultiUser(multiUser);
    }
    bool writable() const
    {
        for (const QString& name : kWriteControls)
            if (!window.action(name)->isEnabled())
                return false;
        return !window.readOnlyMode();
    }
    bool allWriteControlsDisabled() const
    {
        for (const QString& name : kWriteControls)
            if (window.action(name)->isEnabled())
                return false;
        return window.readOnlyMode() &&
               !window.action(QStringLiteral("ActionBuchenNeu"))->isEnabled();
    }
    TFormKfz window;
    SharedAccess access;
};

} // namespace

class TestSharedAccess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lockOfAnotherInstanceMakesReadOnly();
    void emptyLockShowsEmptyUserAndTime();
    void lockLeftBehindIsDeleted_data();
    void lockLeftBehindIsDeleted();
    void unreadableLockStopsTheStartUp();
    void lockTakenMeanwhileMakesReadOnly();
    void unwritableLockStopsTheStartUp();
    void pollTakesTheFreedLockAndShowsTheFirstVehicle();
    void releaseAtCloseOnlyWhenWritable();
    void releasingFilesEndsReadOnlyWithoutTakingTheLock();
    void releasingFilesInNormalModeSaysNothing();
    void failedReleaseReportsAccessDenied();
};

void TestSharedAccess::lockOfAnotherInstanceMakesReadOnly()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    const QByteArray lock("01.02.2024 08:00:00\r\nanna\r\n");
    env.writeData(kLockFileName, lock);
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning, heldMessage("anna", "01.02.2024 08:00:00"));

    QVERIFY(b.access.checkAtStartUp());
    QVERIFY(b.access.acquireAtStartUp());

    QVERIFY(b.allWriteControlsDisabled());
    QVERIFY(b.window.action(QStringLiteral("ToolFirst"))->isEnabled());
    QVERIFY(b.window.action(QStringLiteral("ToolList"))->isEnabled());
    QVERIFY(b.window.action(QStringLiteral("ActionBeenden"))->isEnabled());
    QVERIFY(b.access.polling());
    QCOMPARE(env.readData(kLockFileName), lock);
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::emptyLockShowsEmptyUserAndTime()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    env.writeData(kLockFileName, QByteArray());
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning, heldMessage(QString(), QString()));
    QVERIFY(b.access.checkAtStartUp());
    QVERIFY(b.window.readOnlyMode());
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::lockLeftBehindIsDeleted_data()
{
    QTest::addColumn<bool>("multiUser");
    QTest::addColumn<bool>("vehicleFile");
    QTest::newRow("single-user use") << false << true;
    QTest::newRow("shared use, no vehicle file yet") << true << false;
}

void TestSharedAccess::lockLeftBehindIsDeleted()
{
    QFETCH(bool, multiUser);
    QFETCH(bool, vehicleFile);
    TestEnv env;
    if (vehicleFile)
        env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    env.writeData(kLockFileName, "01.02.2024 08:00:00\r\nanna\r\n");
    Instance a(env, multiUser);

    QVERIFY(a.access.checkAtStartUp());
    QVERIFY(!QFile::exists(env.dataFile(kLockFileName)));
    QVERIFY(a.access.acquireAtStartUp());

    QVERIFY(a.writable());
    QVERIFY(!a.access.polling());
    // Only shared use takes a lock of its own: time and logon name.
    const QByteArray expected = multiUser ? ansi(QStringLiteral("15.03.2024 10:00:00\r\n") +
                                                 currentLogonName() + QStringLiteral("\r\n"))
                                          : QByteArray();
    QCOMPARE(env.readData(kLockFileName), expected);
    QCOMPARE(QFile::exists(env.dataFile(kLockFileName)), multiUser);
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::unreadableLockStopsTheStartUp()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    const QString lockPath = env.dataFile(kLockFileName);
    QVERIFY(QDir().mkpath(lockPath));
    QFile probe(lockPath);
    probe.open(QIODevice::ReadOnly);
    env.prompts.expectMessage(MessageKind::Error, probe.errorString());
    Instance b(env);

    QVERIFY(!b.access.checkAtStartUp());
    QVERIFY_PROMPTS(env.prompts);
}

// Two instances starting together: both find no lock, only the quicker one writes it.
void TestSharedAccess::lockTakenMeanwhileMakesReadOnly()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    Instance b(env);
    QVERIFY(b.access.checkAtStartUp());
    env.writeData(kLockFileName, "15.03.2024 09:59:59\r\nanna\r\n");
    env.prompts.expectMessage(MessageKind::Warning, heldMessage("anna", "15.03.2024 09:59:59"));

    QVERIFY(b.access.acquireAtStartUp());

    QVERIFY(b.allWriteControlsDisabled());
    QVERIFY(b.access.polling());
    QCOMPARE(env.readData(kLockFileName), QByteArray("15.03.2024 09:59:59\r\nanna\r\n"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::unwritableLockStopsTheStartUp()
{
    TestEnv env;
    Instance a(env);
    QVERIFY(QDir(env.context.paths.dataDir).removeRecursively());
    QFile probe(env.dataFile(kLockFileName));
    probe.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    env.prompts.expectMessage(MessageKind::Error, probe.errorString());

    QVERIFY(!a.access.acquireAtStartUp());
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::pollTakesTheFreedLockAndShowsTheFirstVehicle()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"),
                  vehicleLines({QStringLiteral("B-AB 1"), QStringLiteral("B-AB 2")}));
    env.writeData(kLockFileName, "01.02.2024 08:00:00\r\nanna\r\n");
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning, heldMessage("anna", "01.02.2024 08:00:00"));
    QVERIFY(b.access.checkAtStartUp());
    b.window.vehicles().setCurrentIndex(1);
    b.window.loadVehicles();

    b.access.poll(); // still held: nothing happens
    QVERIFY(b.window.readOnlyMode());
    QVERIFY(b.access.polling());

    // The other instance saves a change and closes.
    env.writeData(QStringLiteral("Kfz.csv"),
                  vehicleLines({QStringLiteral("M-XY 9"), QStringLiteral("B-AB 2")}));
    QFile::remove(env.dataFile(kLockFileName));
    env.clock.set(QDateTime(QDate(2024, 3, 15), QTime(11, 30, 5)));
    env.prompts.expectMessage(MessageKind::Information,
                              QStringLiteral("Daten können wieder bearbeitet werden!"));
    b.access.poll();

    QVERIFY(b.writable());
    QVERIFY(b.window.action(QStringLiteral("ActionBuchenNeu"))->isEnabled());
    QVERIFY(!b.access.polling());
    QCOMPARE(b.window.vehicles().currentIndex(), 0);
    QCOMPARE(b.window.fieldText(Kennzeichen), QStringLiteral("M-XY 9"));
    // A lock taken by the poll has no user line.
    QCOMPARE(env.readData(kLockFileName), QByteArray("15.03.2024 11:30:05\r\n"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::releaseAtCloseOnlyWhenWritable()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    Instance a(env);
    QVERIFY(a.access.checkAtStartUp() && a.access.acquireAtStartUp());
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning,
                              heldMessage(currentLogonName(), "15.03.2024 10:00:00"));
    QVERIFY(b.access.checkAtStartUp() && b.access.acquireAtStartUp());

    b.access.releaseAtClose();
    QVERIFY(QFile::exists(env.dataFile(kLockFileName)));
    a.access.releaseAtClose();
    QVERIFY(!QFile::exists(env.dataFile(kLockFileName)));
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::releasingFilesEndsReadOnlyWithoutTakingTheLock()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"),
                  vehicleLines({QStringLiteral("B-AB 1"), QStringLiteral("B-AB 2")}));
    env.writeData(QStringLiteral("kfzkosten.ini"), "settings");
    const QByteArray lock("01.02.2024 08:00:00\r\nanna\r\n");
    env.writeData(kLockFileName, lock);
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning, heldMessage("anna", "01.02.2024 08:00:00"));
    QVERIFY(b.access.checkAtStartUp());
    b.window.vehicles().setCurrentIndex(1);
    b.window.loadVehicles();
    env.prompts.expectMessage(MessageKind::Information, QStringLiteral("Daten freigegeben."));

    b.access.releaseFiles();

    QVERIFY(b.writable());
    QVERIFY(b.window.action(QStringLiteral("ActionBuchenNeu"))->isEnabled());
    QVERIFY(!b.access.polling());
    QCOMPARE(b.window.fieldText(Kennzeichen), QStringLiteral("B-AB 1"));
    QCOMPARE(env.readData(kLockFileName), lock);
    QCOMPARE(env.readData(QStringLiteral("kfzkosten.ini")), QByteArray("settings"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::releasingFilesInNormalModeSaysNothing()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    Instance a(env, false);
    a.access.releaseFiles();
    QVERIFY(a.writable());
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), vehicleLines({QStringLiteral("B-AB 1")}));
    QVERIFY_PROMPTS(env.prompts);
}

void TestSharedAccess::failedReleaseReportsAccessDenied()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLines({QStringLiteral("B-AB 1")}));
    env.writeData(kLockFileName, "01.02.2024 08:00:00\r\nanna\r\n");
    QVERIFY(QDir().mkpath(env.dataFile(QStringLiteral("neuKfz.csv/inside"))));
    Instance b(env);
    env.prompts.expectMessage(MessageKind::Warning, heldMessage("anna", "01.02.2024 08:00:00"));
    QVERIFY(b.access.checkAtStartUp());
    env.prompts.expectMessage(MessageKind::Error, kAccessDenied);

    b.access.releaseFiles();

    QVERIFY(b.allWriteControlsDisabled());
    QVERIFY(b.access.polling());
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), vehicleLines({QStringLiteral("B-AB 1")}));
    QVERIFY_PROMPTS(env.prompts);
}

int runSharedAccessTests(int argc, char** argv)
{
    TestSharedAccess test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shared_access.moc"
