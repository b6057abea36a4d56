#include "common/text_file.h"
#include "store/settings_cipher.h"
#include "store/settings_file.h"
#include "store_suites.h"
#include "test_env.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writtenBytesAreTheEncipheredSixLines();
    void writeThenReadKeepsEverything_data();
    void writeThenReadKeepsEverything();
    void zeroBytesAndLineEndsInTheCipherAreKept();
    void sharedUseOnlyForExactlyTrue_data();
    void sharedUseOnlyForExactlyTrue();
    void plainFileIsReadAndWrittenBackEnciphered();
    void fourLinesLeaveTheLastValueEmpty();
    void missingFileGivesDefaults();
    void badContentReadsWithoutCrash_data();
    void badContentReadsWithoutCrash();
    void failedWriteAsksHelperWaitsAndRetries();
    void retryFailingTooIsGivenUp();

private:
    static Settings sample();
};

Settings TestSettingsFile::sample()
{
    return Settings{true, QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
}

void TestSettingsFile::writtenBytesAreTheEncipheredSixLines()
{
    // "/t/" CR LF, two empty carried values, the empty line, "false", an empty value C.
    const QByteArray expected("\xA0\xE9\x9C\x7C\x7B\x82\x77\x7C\x7B\x82"
                              "\x77\xD5\xD2\xE1\xE0\xD4\x7E\x7F\x7A\x79");
    QCOMPARE(settingsBytes(QStringLiteral("/t/"), Settings{}), expected);
}

void TestSettingsFile::writeThenReadKeepsEverything_data()
{
    QTest::addColumn<bool>("multiUser");
    QTest::addColumn<QString>("carriedA");
    QTest::addColumn<QString>("carriedB");
    QTest::addColumn<QString>("carriedC");
    QTest::newRow("shared use, umlauts") << true << "Jürgen Müller"
                                         << "Grüße aus Köln"
                                         << "€ 12";
    QTest::newRow("single user, empty values") << false << ""
                                               << ""
                                               << "";
}

void TestSettingsFile::writeThenReadKeepsEverything()
{
    QFETCH(bool, multiUser);
    QFETCH(QString, carriedA);
    QFETCH(QString, carriedB);
    QFETCH(QString, carriedC);
    TestEnv env;
    const QString path = env.dataFile(kSettingsFileName);
    const Settings written{multiUser, carriedA, carriedB, carriedC};

    QVERIFY(writeSettings(path, QStringLiteral("/d/"), written, {}));
    const Settings read = readSettings(path);

    QCOMPARE(read.multiUser, multiUser);
    QCOMPARE(read.carriedA, carriedA);
    QCOMPARE(read.carriedB, carriedB);
    QCOMPARE(read.carriedC, carriedC);
}

void TestSettingsFile::zeroBytesAndLineEndsInTheCipherAreKept()
{
    TestEnv env;
    const QString path = env.dataFile(kSettingsFileName);
    // Right after line 0 "/d/" these characters encipher to the bytes 0, 0, 10 and 13.
    const Settings written{true, QStringLiteral("‹“›œ"), QStringLiteral("x"), QStringLiteral("y")};
    QVERIFY(writeSettings(path, QStringLiteral("/d/"), written, {}));
    QCOMPARE(env.readData(kSettingsFileName).mid(5, 4), QByteArray("\0\0\n\r", 4));
    const Settings read = readSettings(path);
    QCOMPARE(read.carriedA, written.carriedA);
    QCOMPARE(read.carriedC, written.carriedC);
    QVERIFY(read.multiUser);
}

void TestSettingsFile::sharedUseOnlyForExactlyTrue_data()
{
    QTest::addColumn<QString>("line4");
    QTest::addColumn<bool>("multiUser");
    QTest::newRow("true") << "true" << true;
    QTest::newRow("capital T") << "True" << false;
    QTest::newRow("trailing blank") << "true " << false;
    QTest::newRow("leading blank") << " true" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("empty") << "" << false;
}

void TestSettingsFile::sharedUseOnlyForExactlyTrue()
{
    QFETCH(QString, line4);
    QFETCH(bool, multiUser);
    const QByteArray plain =
        ansi(QStringLiteral("C:\\d\\\r\na\r\nb\r\n\r\n") + line4 + QStringLiteral("\r\nc\r\n"));
    QCOMPARE(parseSettings(plain).multiUser, multiUser);
    QCOMPARE(parseSettings(encipher(plain, kSettingsKey)).multiUser, multiUser);
}

void TestSettingsFile::plainFileIsReadAndWrittenBackEnciphered()
{
    TestEnv env;
    const QString path = env.dataFile(kSettingsFileName);
    const QByteArray plain = ansi(QStringLiteral("C:\\Users\\anna\\tarvo\\\r\nWert A\r\n"
                                                 "Wert B\r\n\r\ntrue\r\nWert C\r\n"));
    env.writeData(kSettingsFileName, plain);

    const Settings read = readSettings(path);
    QVERIFY(read.multiUser);
    QCOMPARE(read.carriedA, QStringLiteral("Wert A"));
    QCOMPARE(read.carriedC, QStringLiteral("Wert C"));

    QVERIFY(writeSettings(path, QStringLiteral("/home/anna/tarvo/"), read, {}));
    const QByteArray stored = env.readData(kSettingsFileName);
    QVERIFY(isEnciphered(decodeText(stored)));
    QCOMPARE(
        decipher(stored, kSettingsKey),
        ansi(QStringLiteral("/home/anna/tarvo/\r\nWert A\r\nWert B\r\n\r\ntrue\r\nWert C\r\n")));
}

void TestSettingsFile::fourLinesLeaveTheLastValueEmpty()
{
    const QByteArray plain = ansi(QStringLiteral("C:\\d\\\r\nerster\r\nzweiter\r\n\r\n"));
    for (const QByteArray& bytes : {plain, encipher(plain, kSettingsKey)}) {
        const Settings read = parseSettings(bytes);
        QVERIFY(!read.multiUser);
        QCOMPARE(read.carriedA, QStringLiteral("erster"));
        QCOMPARE(read.carriedB, QStringLiteral("zweiter"));
        QCOMPARE(read.carriedC, QString());
    }
}

void TestSettingsFile::missingFileGivesDefaults()
{
    TestEnv env;
    const Settings read = readSettings(env.dataFile(kSettingsFileName));
    QVERIFY(!read.multiUser);
    QVERIFY(read.carriedA.isEmpty() && read.carriedB.isEmpty() && read.carriedC.isEmpty());
}

void TestSettingsFile::badContentReadsWithoutCrash_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QRandomGenerator random(20240315);
    auto randomBytes = [&random](qsizetype size) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& b : bytes)
            b = static_cast<char>(random.bounded(256));
        return bytes;
    };
    QTest::newRow("zero length") << QByteArray();
    QTest::newRow("random bytes") << randomBytes(300);
    QTest::newRow("100 KB") << randomBytes(100 * 1024);
    QTest::newRow("only line ends") << QByteArray(5000, '\n');
}

void TestSettingsFile::badContentReadsWithoutCrash()
{
    QFETCH(QByteArray, bytes);
    TestEnv env;
    env.writeData(kSettingsFileName, bytes);
    QVERIFY(!readSettings(env.dataFile(kSettingsFileName)).multiUser);
}

void TestSettingsFile::failedWriteAsksHelperWaitsAndRetries()
{
    TestEnv env;
    const QString path = env.dataFile(kSettingsFileName);
    // A folder in the file's place makes the first write fail; the "helper" clears it.
    QVERIFY(QDir().mkpath(path));
    int helperCalls = 0;
    QElapsedTimer clock;
    clock.start();
    const bool written = writeSettings(path, QStringLiteral("/d/"), sample(), [&] {
        ++helperCalls;
        QDir().rmdir(path);
    });
    QVERIFY(written);
    QCOMPARE(helperCalls, 1);
    QVERIFY(clock.elapsed() >= kSettingsRetryPauseMs);
    QCOMPARE(readSettings(path).carriedB, QStringLiteral("B"));
}

void TestSettingsFile::retryFailingTooIsGivenUp()
{
    TestEnv env;
    const QString path = env.dataFile(kSettingsFileName);
    QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
    int helperCalls = 0;
    QVERIFY(!writeSettings(path, QStringLiteral("/d/"), sample(), [&] { ++helperCalls; }));
    QCOMPARE(helperCalls, 1);
    QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
}

int runSettingsFileTests(int argc, char** argv)
{
    TestSettingsFile test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_file.moc"
