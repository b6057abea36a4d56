#include "store/shared_lock.h"
#include "store_suites.h"
#include "test_env.h"

#include <QtTest>
#include <atomic>
#include <thread>
#include <vector>

class TestSharedLock : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void takenLockHoldsTimeAndUser();
    void secondTakeFindsItHeld();
    void takeInMissingFolderFails();
    void onlyOneOfManyConcurrentTakersWins();
    void holderIsReadFromAnyContent_data();
    void holderIsReadFromAnyContent();
    void unopenableLockGivesTheReason();
    void timeTextIsDayMonthYearAndSeconds();
    void releaseDeletes();
};

void TestSharedLock::takenLockHoldsTimeAndUser()
{
    TestEnv env;
    const QString path = env.dataFile(kLockFileName);
    const QStringList lines{QStringLiteral("15.03.2024 10:00:00"), QStringLiteral("jürgen")};
    QString error;
    QCOMPARE(takeLock(path, lines, &error), LockOutcome::Taken);
    QCOMPARE(env.readData(kLockFileName), QByteArray("15.03.2024 10:00:00\r\nj\xFCrgen\r\n"));
}

void TestSharedLock::secondTakeFindsItHeld()
{
    TestEnv env;
    const QString path = env.dataFile(kLockFileName);
    QCOMPARE(takeLock(path, {QStringLiteral("first")}, nullptr), LockOutcome::Taken);
    QCOMPARE(takeLock(path, {QStringLiteral("second")}, nullptr), LockOutcome::HeldByOther);
    QCOMPARE(env.readData(kLockFileName), QByteArray("first\r\n"));
}

void TestSharedLock::takeInMissingFolderFails()
{
    TestEnv env;
    QString error;
    const QString path = env.dataFile(QStringLiteral("gone/") + kLockFileName);
    QCOMPARE(takeLock(path, {QStringLiteral("x")}, &error), LockOutcome::Failed);
    QVERIFY(!error.isEmpty());
}

// Instances that start together must not both become editable.
void TestSharedLock::onlyOneOfManyConcurrentTakersWins()
{
    TestEnv env;
    const QString path = env.dataFile(kLockFileName);
    constexpr int kTakers = 16;
    std::atomic<bool> go{false};
    std::atomic<int> taken{0};
    std::atomic<int> held{0};
    std::vector<std::thread> takers;
    for (int i = 0; i < kTakers; ++i)
        takers.emplace_back([&, i] {
            while (!go)
                std::this_thread::yield();
            const LockOutcome outcome = takeLock(path, {QString::number(i)}, nullptr);
            (outcome == LockOutcome::Taken ? taken : held) += 1;
        });
    go = true;
    for (std::thread& t : takers)
        t.join();
    QCOMPARE(taken.load(), 1);
    QCOMPARE(held.load(), kTakers - 1);
}

void TestSharedLock::holderIsReadFromAnyContent_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("since");
    QTest::addColumn<QString>("user");
    QTest::newRow("time and user")
        << QByteArray("01.02.2024 08:00:00\r\nanna\r\n") << "01.02.2024 08:00:00"
        << "anna";
    QTest::newRow("taken by the poll")
        << QByteArray("01.02.2024 08:00:00\r\n") << "01.02.2024 08:00:00"
        << "";
    QTest::newRow("empty") << QByteArray() << ""
                           << "";
    QTest::newRow("LF line ends, umlaut") << QByteArray("heute\nM\xFCller\n") << "heute"
                                          << "Müller";
    QTest::newRow("binary") << QByteArray("\x00\x01\xFF\r\n\x80", 6)
                            << QString::fromUtf8("\0\x01ÿ", 4) << "€";
}

void TestSharedLock::holderIsReadFromAnyContent()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, since);
    QFETCH(QString, user);
    TestEnv env;
    env.writeData(kLockFileName, bytes);
    LockHolder holder;
    QVERIFY(readLockHolder(env.dataFile(kLockFileName), holder, nullptr));
    QCOMPARE(holder.since, since);
    QCOMPARE(holder.user, user);
}

void TestSharedLock::unopenableLockGivesTheReason()
{
    TestEnv env;
    const QString path = env.dataFile(kLockFileName);
    QVERIFY(QDir().mkpath(path)); // a folder in the lock file's place cannot be read
    LockHolder holder;
    QString error;
    QVERIFY(!readLockHolder(path, holder, &error));
    QVERIFY(!error.isEmpty());
}

void TestSharedLock::timeTextIsDayMonthYearAndSeconds()
{
    QCOMPARE(lockTimeText(QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))),
             QStringLiteral("05.03.2024 07:08:09"));
}

void TestSharedLock::releaseDeletes()
{
    TestEnv env;
    env.writeData(kLockFileName, "x\r\n");
    releaseLock(env.dataFile(kLockFileName));
    QVERIFY(!QFile::exists(env.dataFile(kLockFileName)));
    releaseLock(env.dataFile(kLockFileName)); // nothing there: no harm
}

int runSharedLockTests(int argc, char** argv)
{
    TestSharedLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shared_lock.moc"
