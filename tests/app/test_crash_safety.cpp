#include "bookings/booking_file.h"
#include "crash_contents.h"
#include "store/settings_file.h"
#include "store/vehicle_file.h"
#include "test_env.h"
#include "ui/vehicle_window.h"

#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// Saving never leaves a half-written file: not when the program is killed in
// the middle of a save, and not when the disk is full.
class TestCrashSafety : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedWriterLeavesOldOrNewContent();
    void fullDiskKeepsOldFileAndChange();
};

namespace {

QByteArray contentOf(const QStringList& lines)
{
    return ansi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

} // namespace

void TestCrashSafety::killedWriterLeavesOldOrNewContent()
{
    TestEnv env;
    const QString dir = env.context.paths.dataDir;
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/crash_writer");
    const QByteArray vehicles[] = {contentOf(crashVehicleLines(0)),
                                   contentOf(crashVehicleLines(1))};
    const QByteArray bookings[] = {contentOf(crashBookingLines(0)),
                                   contentOf(crashBookingLines(1))};
    const QByteArray settings[] = {settingsBytes(dir, crashSettings(0)),
                                   settingsBytes(dir, crashSettings(1))};
    const auto isOneOf = [](const QByteArray& bytes, const QByteArray(&options)[2]) {
        return bytes == options[0] || bytes == options[1];
    };
    const QString bookingPath = BookingFilePath(dir, QStringLiteral("2024"), QStringLiteral("1"));
    // Every file exists whole from the start, so any read that is not one of
    // the two contents (an empty or a partial file) is a broken save.
    writeFileBytes(dir + QStringLiteral("Kfz.csv"), vehicles[0]);
    writeFileBytes(bookingPath, bookings[0]);
    writeFileBytes(dir + QLatin1String(kSettingsFileName), settings[0]);
    for (int run = 0; run < 200; ++run) {
        QFile::remove(dir + QStringLiteral("ready"));
        QProcess process;
        process.start(writer, {dir});
        QVERIFY(process.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir + QStringLiteral("ready")), 5000);
        QTest::qSleep(int(QRandomGenerator::global()->bounded(30)));
        process.kill();
        QVERIFY(process.waitForFinished());
        const QByteArray v = readFileBytes(dir + QStringLiteral("Kfz.csv"));
        const QByteArray b = readFileBytes(bookingPath);
        const QByteArray s = readFileBytes(dir + QLatin1String(kSettingsFileName));
        QVERIFY2(isOneOf(v, vehicles), qPrintable(QStringLiteral("vehicle file, run %1").arg(run)));
        QVERIFY2(isOneOf(b, bookings), qPrintable(QStringLiteral("booking file, run %1").arg(run)));
        QVERIFY2(isOneOf(s, settings),
                 qPrintable(QStringLiteral("settings file, run %1").arg(run)));
    }
}

void TestCrashSafety::fullDiskKeepsOldFileAndChange()
{
#ifdef Q_OS_UNIX
    TestEnv env;
    QStringList lines = crashVehicleLines(0);
    env.writeData(QStringLiteral("Kfz.csv"), contentOf(lines));
    const QByteArray before = env.readData(QStringLiteral("Kfz.csv"));
    TFormKfz window(env.context);
    window.startRun();
    window.loadVehicles();
    auto* maker = window.findChild<QLineEdit*>(QStringLiteral("EditHersteller"));
    maker->setText(QStringLiteral("Opel"));

    // A file-size limit below the file's size makes the write fail as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    env.prompts.expectMessage(MessageKind::Error, QStringLiteral("File too large"));
    const bool saved = window.saveVehicle();
    setrlimit(RLIMIT_FSIZE, &old);
    QVERIFY(!saved);
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), before);
    QCOMPARE(QDir(env.context.paths.dataDir).entryList(QDir::Files), QStringList{"Kfz.csv"});

    QVERIFY(window.saveVehicle());
    lines[0].replace(QStringLiteral("Müller"), QStringLiteral("Opel"));
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), contentOf(lines));
    QVERIFY_PROMPTS(env.prompts);
#else
    QSKIP("The file-size limit exists on Unix only.");
#endif
}

TARVO_TEST_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
