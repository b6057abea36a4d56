#include "app/program_setup.h"
#include "app/tarvo_app.h"
#include "test_env.h"
#include "ui/vehicle_window.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

// The start-up and close sequences of the program, on real folders.
class TestStartup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCreatesEmptyDataDir();
    void legacyFolderIsCopiedOnce();
    void legacyFolderIgnoredWhenDataDirExists();
    void uncreatableDataDirStopsStartUp();
    void closeDropsBlankLinesAndLeftover();
    void closeByTitleBarAsksNothing();
    void standardButtonsSpeakGerman();
};

namespace {

void removeDataDir(const TestEnv& env)
{
    QDir(env.context.paths.dataDir).removeRecursively();
}

void makeLegacy(const TestEnv& env, const QByteArray& vehicles)
{
    QDir().mkpath(env.context.paths.legacyDir + QStringLiteral("sub"));
    writeFileBytes(env.context.paths.legacyDir + QStringLiteral("Kfz.csv"), vehicles);
    writeFileBytes(env.context.paths.legacyDir + QStringLiteral("sub/notes.txt"), "n");
}

} // namespace

void TestStartup::firstStartCreatesEmptyDataDir()
{
    TestEnv env;
    removeDataDir(env);
    TarvoApp app(env.context);
    env.prompts.expectModal(QStringLiteral("TFormFreeware"));
    app.runStartUp();
    QVERIFY(QDir(env.context.paths.dataDir).exists());
    QVERIFY(QDir(env.context.paths.dataDir).isEmpty());
    QCOMPARE(app.vehicleWindow().fieldText(KfzNr), QStringLiteral("1"));
    QVERIFY(app.vehicleWindow().vehicles().newPending());
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::legacyFolderIsCopiedOnce()
{
    TestEnv env;
    removeDataDir(env);
    makeLegacy(env, ansi(QStringLiteral("ALT-1;;;;;;;;;1;;;;;;;;;\r\n")));
    {
        TarvoApp app(env.context);
        env.prompts.expectModal(QStringLiteral("TFormFreeware"));
        app.runStartUp();
        QCOMPARE(app.vehicleWindow().fieldText(Kennzeichen), QStringLiteral("ALT-1"));
    }
    QCOMPARE(env.readData(QStringLiteral("sub/notes.txt")), QByteArray("n"));
    writeFileBytes(env.context.paths.legacyDir + QStringLiteral("Kfz.csv"), "NEU-2;\r\n");
    TarvoApp again(env.context);
    env.prompts.expectModal(QStringLiteral("TFormFreeware"));
    again.runStartUp();
    QCOMPARE(again.vehicleWindow().fieldText(Kennzeichen), QStringLiteral("ALT-1"));
    QCOMPARE(readFileBytes(env.context.paths.legacyDir + QStringLiteral("Kfz.csv")),
             QByteArray("NEU-2;\r\n"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::legacyFolderIgnoredWhenDataDirExists()
{
    TestEnv env;
    makeLegacy(env, "ALT-1;\r\n");
    env.writeData(QStringLiteral("Kfz.csv"), "MEIN-1;\r\n");
    TarvoApp app(env.context);
    env.prompts.expectModal(QStringLiteral("TFormFreeware"));
    app.runStartUp();
    QCOMPARE(app.vehicleWindow().fieldText(Kennzeichen), QStringLiteral("MEIN-1"));
    QVERIFY(!QFile::exists(env.dataFile(QStringLiteral("sub/notes.txt"))));
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::uncreatableDataDirStopsStartUp()
{
    TestEnv env;
    removeDataDir(env);
    // A file where the data folder's parent should be makes the folder impossible.
    const QString parent = QFileInfo(QDir::cleanPath(env.context.paths.dataDir)).absolutePath();
    QDir(parent).removeRecursively();
    writeFileBytes(parent, "not a folder");
    env.prompts.expectMessage(
        MessageKind::Error,
        QStringLiteral(
            "Das Verzeichnis \"%1\" kann nicht angelegt werden. Zugriff auf \"%2\" verweigert.")
            .arg(QDir::toNativeSeparators(env.context.paths.dataDir),
                 QDir::toNativeSeparators(parent)));
    TarvoApp app(env.context);
    app.runStartUp();
    QVERIFY(!app.vehicleWindow().vehicles().newPending());
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::closeDropsBlankLinesAndLeftover()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), "A-1;;;;;;;;;1\r\n\r\n   \r\nA-2;;;;;;;;;2\r\n");
    QDir().mkpath(QFileInfo(env.context.paths.tempLeftover).absolutePath());
    writeFileBytes(env.context.paths.tempLeftover, "x");
    TarvoApp app(env.context);
    env.prompts.expectModal(QStringLiteral("TFormFreeware"));
    app.show();
    QTRY_COMPARE(app.vehicleWindow().fieldText(Kennzeichen), QStringLiteral("A-1"));
    app.vehicleWindow().close();
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")),
             QByteArray("A-1;;;;;;;;;1\r\nA-2;;;;;;;;;2\r\n"));
    QVERIFY(!QFile::exists(env.context.paths.tempLeftover));
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::closeByTitleBarAsksNothing()
{
    TestEnv env;
    env.writeData(QStringLiteral("Kfz.csv"), "A-1;;;;;;;;;1\r\n");
    TarvoApp app(env.context);
    env.prompts.expectModal(QStringLiteral("TFormFreeware"));
    app.show();
    QTRY_COMPARE(app.vehicleWindow().fieldText(Kennzeichen), QStringLiteral("A-1"));
    auto* maker = app.vehicleWindow().findChild<QLineEdit*>(QStringLiteral("EditHersteller"));
    QTest::keyClicks(maker, QStringLiteral("Opel"));
    app.vehicleWindow().close();
    QCOMPARE(env.readData(QStringLiteral("Kfz.csv")), QByteArray("A-1;;;;;;;;;1\r\n"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestStartup::standardButtonsSpeakGerman()
{
    setUpProgram(*qApp);
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Ja"));
    QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nein"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
}

TARVO_TEST_MAIN(TestStartup)
#include "test_startup.moc"
