#include "store/file_refresh.h"
#include "store_suites.h"
#include "test_env.h"

#include <QtTest>
#include <sys/stat.h>

namespace {

// The file's identity on disk: a fresh copy gets a new one, an untouched file keeps it.
ino_t inodeOf(const QString& path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestFileRefresh : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void settingsAndCsvFilesAreReplacedByCopies();
    void fileWhoseCopyFailsIsKept();
    void missingFolderDoesNothing();
};

void TestFileRefresh::settingsAndCsvFilesAreReplacedByCopies()
{
    TestEnv env;
    const QMap<QString, QByteArray> refreshed{
        {QStringLiteral("kfzkosten.ini"), QByteArray("\x00\xA0\r\n", 4)},
        {QStringLiteral("Kfz.csv"), ansi(QStringLiteral("B-AB 1;1;Müller\r\n"))},
        {QStringLiteral("BUCH2024KFZ1.CSV"), QByteArray("1;x\r\n")},
    };
    for (auto it = refreshed.cbegin(); it != refreshed.cend(); ++it)
        env.writeData(it.key(), it.value());
    env.writeData(QStringLiteral("tmp.acc"), "lock\r\n");
    env.writeData(QStringLiteral("notes.txt"), "keep\r\n");
    QVERIFY(QDir().mkpath(env.dataFile(QStringLiteral("folder.csv"))));
    QMap<QString, ino_t> before;
    for (const QString& name : QDir(env.context.paths.dataDir).entryList(QDir::Files))
        before[name] = inodeOf(env.dataFile(name));

    QVERIFY(refreshDataFiles(env.context.paths.dataDir));

    for (auto it = refreshed.cbegin(); it != refreshed.cend(); ++it) {
        QCOMPARE(env.readData(it.key()), it.value());
        QVERIFY2(inodeOf(env.dataFile(it.key())) != before[it.key()], qPrintable(it.key()));
    }
    QCOMPARE(inodeOf(env.dataFile(QStringLiteral("tmp.acc"))), before[QStringLiteral("tmp.acc")]);
    QCOMPARE(inodeOf(env.dataFile(QStringLiteral("notes.txt"))),
             before[QStringLiteral("notes.txt")]);
    QVERIFY(QFileInfo(env.dataFile(QStringLiteral("folder.csv"))).isDir());
    QCOMPARE(QDir(env.context.paths.dataDir).entryList({QStringLiteral("neu*")}), QStringList());
}

void TestFileRefresh::fileWhoseCopyFailsIsKept()
{
    TestEnv env;
    env.writeData(QStringLiteral("kfzkosten.ini"), "settings");
    env.writeData(QStringLiteral("Kfz.csv"), "vehicles\r\n");
    env.writeData(QStringLiteral("Reifen1.csv"), "tyres\r\n");
    // A folder that cannot be removed holds the name the copy of Kfz.csv needs.
    QVERIFY(QDir().mkpath(env.dataFile(QStringLiteral("neuKfz.csv/inside"))));
    const ino_t settingsBefore = inodeOf(env.dataFile(QStringLiteral("kfzkosten.ini")));

    QString failed;
    QVERIFY(!refreshDataFiles(env.context.paths.dataDir, &failed));

    QCOMPARE(failed, QStringLiteral("Kfz.csv"));
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), QByteArray("vehicles\r\n"));
    // Files before the failure stay refreshed; the ones after are not touched.
    QVERIFY(inodeOf(env.dataFile(QStringLiteral("kfzkosten.ini"))) != settingsBefore);
    QCOMPARE(env.readData(QStringLiteral("kfzkosten.ini")), QByteArray("settings"));
    QCOMPARE(env.readData(QStringLiteral("Reifen1.csv")), QByteArray("tyres\r\n"));
}

void TestFileRefresh::missingFolderDoesNothing()
{
    TestEnv env;
    QVERIFY(refreshDataFiles(env.root.path() + QStringLiteral("/nowhere/")));
}

int runFileRefreshTests(int argc, char** argv)
{
    TestFileRefresh test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_file_refresh.moc"
