#include "app/run_settings.h"
#include "online/desktop_services.h"
#include "store/settings_cipher.h"
#include "store_suites.h"
#include "test_env.h"

#include <QtTest>

class TestRunSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closeWritesTheChoiceAndKeepsCarriedValues();
    void unwritableFileWithoutHelperIsGivenUpSilently();
    void helperThatCannotStartIsReportedOnce();
};

void TestRunSettings::closeWritesTheChoiceAndKeepsCarriedValues()
{
    TestEnv env;
    env.writeData(QStringLiteral("kfzkosten.ini"),
                  ansi(QStringLiteral("alt\r\nSchlüssel\r\nWert\r\n\r\nfalse\r\nÄnderung\r\n")));
    RunSettings settings(env.context);
    QVERIFY(!settings.readAtStartUp());

    settings.writeAtClose(true, nullptr);

    QCOMPARE(decipher(env.readData(QStringLiteral("kfzkosten.ini")), kSettingsKey),
             ansi(env.context.paths.dataDir +
                  QStringLiteral("\r\nSchlüssel\r\nWert\r\n\r\ntrue\r\nÄnderung\r\n")));
    RunSettings nextRun(env.context);
    QVERIFY(nextRun.readAtStartUp());
    QVERIFY_PROMPTS(env.prompts);
}

void TestRunSettings::unwritableFileWithoutHelperIsGivenUpSilently()
{
    TestEnv env;
    QVERIFY(QDir().mkpath(env.dataFile(QStringLiteral("kfzkosten.ini/inside"))));
    RunSettings settings(env.context);
    settings.writeAtClose(true, nullptr);
    QVERIFY(QFileInfo(env.dataFile(QStringLiteral("kfzkosten.ini/inside"))).isDir());
    QVERIFY_PROMPTS(env.prompts);
}

void TestRunSettings::helperThatCannotStartIsReportedOnce()
{
    TestEnv env;
    QVERIFY(QDir().mkpath(env.dataFile(QStringLiteral("kfzkosten.ini/inside"))));
    // A helper file that is no program: starting it fails.
    writeFileBytes(env.context.paths.progDir + helperFileName(), "not a program");
    env.prompts.expectMessage(MessageKind::Error, QStringLiteral("Online update nicht verfügbar!"));
    RunSettings settings(env.context);
    settings.writeAtClose(false, nullptr);
    QVERIFY_PROMPTS(env.prompts);
}

int runRunSettingsTests(int argc, char** argv)
{
    TestRunSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_run_settings.moc"
