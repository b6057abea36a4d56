#include "common/text_file.h"
#include "store/backup.h"
#include "store/backup_commands.h"
#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtTest>

namespace {

const QString kChooseFolder =
    QStringLiteral("Wählen Sie ein Zielverzeichnis für das Datenbackup aus.");
const QString kBackupFailed =
    QStringLiteral("Fehler Datensicherung! Eine oder mehrere Datein konnten nicht kopiert werden!");
const QString kBackupDone = QStringLiteral("Sicherungen erfolgreich angelegt im Verzeichnis:");

const QByteArray kHeaderBytes =
    ansi(QStringLiteral("Amtl. Kennzeichen;Erstzulassung Monat;Schlüsselnummer 2.1;Hersteller;"
                        "Abgasnorm;Nächste HU;Plakette;Kmstand_alt;Kmstand;Fahrzeugnr.;"
                        "Schlüsselnummer2;Kmstand_start;Typ;Baujahr;CO2/g Km;KW;PS;"
                        "Kraftstoffart;Hubraum ccm"));

// A vehicle line with 19 fields in Windows-1252.
QByteArray vehicleLine(const QString& plate, int number)
{
    return ansi(QStringLiteral("%1;03;0603;Škoda;Euro 6;05/2026;Grün;12000;15000;%2;ABC;"
                               "10000;Fabia;2019;110;70;95;Super E10;999")
                    .arg(plate)
                    .arg(number));
}

// The data folder of the tests: two vehicles' files, one hidden file and a subfolder.
void fillDataDir(const TestEnv& env)
{
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLine(QStringLiteral("M-AB 1"), 1) + "\r\n");
    env.writeData(QStringLiteral("Buch2024Kfz1.csv"), ansi(QStringLiteral("1;M-AB 1;ä\r\n")));
    env.writeData(QStringLiteral("kfzkosten.ini"), QByteArray("\x01\x02\xff", 3));
    env.writeData(QStringLiteral(".hidden"), "not part of the data");
    QDir(env.context.paths.dataDir).mkdir(QStringLiteral("sub"));
    env.writeData(QStringLiteral("sub/inner.csv"), "inside a subfolder");
}

QMap<QString, QByteArray> filesIn(const QString& dir)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden))
        files.insert(info.fileName(), readFileBytes(info.filePath()));
    return files;
}

} // namespace

class TestStoreBackup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void backupCopiesEveryPlainDataFile();
    void backupReplacesSameNamesAndKeepsOthers();
    void backupIntoTheDataFolderLosesNothing_data();
    void backupIntoTheDataFolderLosesNothing();
    void backupThroughALinkToADataFileLosesNothing();
    void failedCopyKeepsTheOlderBackup();
    void backupCancelledAsksNothingMore();
    void backupOfAnEmptyDataFolderSucceeds();

    void exportWritesHeaderAndVehicleLines_data();
    void exportWritesHeaderAndVehicleLines();
    void exportCancelledWritesNothing();
    void exportWithoutVehicleFileShowsTheOpenError();
    void exportWriteFailureIsShown();
};

void TestStoreBackup::backupCopiesEveryPlainDataFile()
{
    TestEnv env;
    fillDataDir(env);
    const QString target = env.root.filePath(QStringLiteral("backup"));
    QDir().mkpath(target);
    const QDateTime stamp(QDate(2023, 4, 5), QTime(6, 7, 8));
    QFile kfz(env.dataFile(QStringLiteral("Kfz.csv")));
    QVERIFY(kfz.open(QIODevice::ReadWrite));
    QVERIFY(kfz.setFileTime(stamp, QFileDevice::FileModificationTime));
    kfz.close();

    env.prompts.expectMessage(MessageKind::Information, kChooseFolder)
        .expectFolder(target)
        .expectMessage(MessageKind::Information, kBackupDone + target + u'/')
        .expectOpenFile(QString());
    runBackup(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QCOMPARE(env.prompts.lastDialogDir, target + u'/');

    QMap<QString, QByteArray> expected = filesIn(env.context.paths.dataDir);
    expected.remove(QStringLiteral(".hidden"));
    QCOMPARE(filesIn(target), expected);
    QCOMPARE(expected.size(), 3);
    QVERIFY(!QFile::exists(target + QStringLiteral("/sub")));
    QCOMPARE(QFileInfo(target + QStringLiteral("/Kfz.csv")).lastModified(), stamp);
}

void TestStoreBackup::backupReplacesSameNamesAndKeepsOthers()
{
    TestEnv env;
    fillDataDir(env);
    const QString target = env.root.filePath(QStringLiteral("backup"));
    QDir().mkpath(target);
    writeFileBytes(target + QStringLiteral("/Kfz.csv"), "an older, longer backup of the file");
    writeFileBytes(target + QStringLiteral("/Buch2019Kfz7.csv"), "older year");

    const BackupResult result = copyDataFiles(env.context.paths.dataDir, target + u'/');
    QCOMPARE(result.copied, 3);
    QCOMPARE(result.failed, 0);
    QCOMPARE(readFileBytes(target + QStringLiteral("/Kfz.csv")), env.readData("Kfz.csv"));
    QCOMPARE(readFileBytes(target + QStringLiteral("/Buch2019Kfz7.csv")), QByteArray("older year"));
}

void TestStoreBackup::backupIntoTheDataFolderLosesNothing_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("the data folder itself") << false;
    QTest::newRow("a link to the data folder") << true;
}

void TestStoreBackup::backupIntoTheDataFolderLosesNothing()
{
    QFETCH(bool, throughLink);
    TestEnv env;
    fillDataDir(env);
    const QMap<QString, QByteArray> before = filesIn(env.context.paths.dataDir);
    QString target = env.context.paths.dataDir;
    target.chop(1);
    if (throughLink) {
        const QString link = env.root.filePath(QStringLiteral("link-to-data"));
        QVERIFY(QFile::link(target, link));
        target = link;
    }

    env.prompts.expectMessage(MessageKind::Information, kChooseFolder)
        .expectFolder(target)
        .expectMessage(MessageKind::Warning, kBackupFailed);
    runBackup(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QCOMPARE(filesIn(env.context.paths.dataDir), before);
    QCOMPARE(QDir(env.context.paths.dataDir).entryList(QDir::Files | QDir::Hidden).size(), 4);
}

void TestStoreBackup::backupThroughALinkToADataFileLosesNothing()
{
    TestEnv env;
    fillDataDir(env);
    const QString target = env.root.filePath(QStringLiteral("backup"));
    QDir().mkpath(target);
    QVERIFY(
        QFile::link(env.dataFile(QStringLiteral("Kfz.csv")), target + QStringLiteral("/Kfz.csv")));
    const QByteArray kfz = env.readData("Kfz.csv");

    const BackupResult result = copyDataFiles(env.context.paths.dataDir, target + u'/');
    QCOMPARE(result.failed, 1);
    QCOMPARE(result.copied, 2);
    QCOMPARE(env.readData("Kfz.csv"), kfz);
}

void TestStoreBackup::failedCopyKeepsTheOlderBackup()
{
    TestEnv env;
    fillDataDir(env);
    const QString target = env.root.filePath(QStringLiteral("backup"));
    QDir().mkpath(target + QStringLiteral("/Kfz.csv")); // a folder where the copy should go
    writeFileBytes(target + QStringLiteral("/kfzkosten.ini"), "older settings");
    QFile::remove(env.dataFile(QStringLiteral("kfzkosten.ini")));
    QDir(env.context.paths.dataDir).mkdir(QStringLiteral("kfzkosten.ini"));

    env.prompts.expectMessage(MessageKind::Information, kChooseFolder)
        .expectFolder(target)
        .expectMessage(MessageKind::Warning, kBackupFailed);
    runBackup(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QVERIFY(QFileInfo(target + QStringLiteral("/Kfz.csv")).isDir());
    QCOMPARE(readFileBytes(target + QStringLiteral("/kfzkosten.ini")),
             QByteArray("older settings"));
    QCOMPARE(readFileBytes(target + QStringLiteral("/Buch2024Kfz1.csv")),
             env.readData("Buch2024Kfz1.csv"));
}

void TestStoreBackup::backupCancelledAsksNothingMore()
{
    TestEnv env;
    fillDataDir(env);
    env.prompts.expectMessage(MessageKind::Information, kChooseFolder).expectFolder(QString());
    runBackup(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
}

void TestStoreBackup::backupOfAnEmptyDataFolderSucceeds()
{
    TestEnv env;
    const QString target = env.root.filePath(QStringLiteral("backup"));
    QDir().mkpath(target);
    env.prompts.expectMessage(MessageKind::Information, kChooseFolder)
        .expectFolder(target)
        .expectMessage(MessageKind::Information, kBackupDone + target + u'/')
        .expectOpenFile(QStringLiteral("/somewhere/else.csv"));
    runBackup(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QVERIFY(filesIn(target).isEmpty());
}

void TestStoreBackup::exportWritesHeaderAndVehicleLines_data()
{
    QTest::addColumn<QByteArray>("vehicleFile");
    QTest::addColumn<QByteArray>("expectedLines");
    const QByteArray a = vehicleLine(QStringLiteral("M-AB 1"), 1);
    const QByteArray b = vehicleLine(QStringLiteral("KÖ-X 2"), 2);
    const QByteArray c = vehicleLine(QStringLiteral("B-C 3"), 3);
    QTest::newRow("three vehicles, CR LF") << a + "\r\n" + b + "\r\n" + c + "\r\n"
                                           << a + "\r\n" + b + "\r\n" + c + "\r\n";
    QTest::newRow("LF, no end on the last line")
        << a + "\n" + b + "\n" + c << a + "\r\n" + b + "\r\n" + c + "\r\n";
    QTest::newRow("blank line kept") << a + "\r\n\r\n" + c + "\r\n" << a + "\r\n\r\n" + c + "\r\n";
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void TestStoreBackup::exportWritesHeaderAndVehicleLines()
{
    QFETCH(QByteArray, vehicleFile);
    QFETCH(QByteArray, expectedLines);
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleFile);
    const QString target = env.root.filePath(QStringLiteral("Kfz_export.csv"));
    writeFileBytes(target, "an older export, replaced");
    env.prompts.expectSaveFile(target);
    runVehicleExport(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QCOMPARE(env.prompts.lastDialogDir, QStringLiteral("Kfz_export.csv"));
    QCOMPARE(readFileBytes(target), kHeaderBytes + "\r\n" + expectedLines);
    QCOMPARE(env.readData("Kfz.csv"), vehicleFile);
}

void TestStoreBackup::exportCancelledWritesNothing()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLine(QStringLiteral("M-AB 1"), 1) + "\r\n");
    env.prompts.expectSaveFile(QStringLiteral("   "));
    runVehicleExport(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QCOMPARE(QDir(env.root.path()).entryList(QDir::Files), QStringList{});
}

void TestStoreBackup::exportWithoutVehicleFileShowsTheOpenError()
{
    TestEnv env;
    const QString path = env.dataFile(QStringLiteral("Kfz.csv"));
    QFile missing(path);
    QVERIFY(!missing.open(QIODevice::ReadOnly));
    env.prompts.expectMessage(
        MessageKind::Error,
        QStringLiteral("Datei %1 kann nicht geöffnet werden. %2").arg(path, missing.errorString()));
    runVehicleExport(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
}

void TestStoreBackup::exportWriteFailureIsShown()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), vehicleLine(QStringLiteral("M-AB 1"), 1) + "\r\n");
    const QString target = env.root.filePath(QStringLiteral("no/such/folder/Kfz_export.csv"));
    QSaveFile unwritable(target);
    QVERIFY(!unwritable.open(QIODevice::WriteOnly));
    env.prompts.expectSaveFile(target).expectMessage(
        MessageKind::Error, QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2")
                                .arg(target, unwritable.errorString()));
    runVehicleExport(env.context, nullptr);
    QVERIFY_PROMPTS(env.prompts);
    QVERIFY(!QFile::exists(target));
}

TARVO_TEST_GUILESS_MAIN(TestStoreBackup)
#include "test_store_backup.moc"
