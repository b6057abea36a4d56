#include "online/desktop_services.h"
#include "online/program_version.h"
#include "test_env.h"

#include <QProcess>
#include <QtTest>

namespace {

const QString kUnavailable = QStringLiteral("Online update nicht verfügbar!");

// The settings file as the program keeps it: ".../tarvo/kfzkosten.ini".
QString settingsFileOf(const TestEnv& env)
{
    return env.dataFile(QStringLiteral("kfzkosten.ini"));
}

int runHelper(const QStringList& items)
{
    QProcess helper;
    helper.start(QStringLiteral(TARVO_HELPER_PATH), items);
    if (!helper.waitForFinished(10000))
        return -1;
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
}

} // namespace

class TestDesktopServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionText_data();
    void versionText();
    void versionComesFromTheBuild();
    void webPageGoesToTheDefaultHandler();
    void helperParametersAreSixQuotedItems();
    void missingHelperDoesNothing();
    void helperStartedWithItsItems();
    void refusedStartIsReportedOnce();
    void startedHelperDeletesTheSettingsFile();
    void helperRefusesAnyOtherRequest_data();
    void helperRefusesAnyOtherRequest();
};

void TestDesktopServices::versionText_data()
{
    QTest::addColumn<QString>("stamp");
    QTest::addColumn<QString>("text");
    QTest::newRow("four parts") << "2.1.0.5"
                                << "2.1.0.5";
    QTest::newRow("zero parts") << "4.7.0.0"
                                << "4.7.0.0";
    QTest::newRow("two parts") << "1.2"
                               << "1.2.0.0";
    QTest::newRow("leading zeros") << "01.002.0.0"
                                   << "1.2.0.0";
    QTest::newRow("largest part") << "65535.0.0.1"
                                  << "65535.0.0.1";
    QTest::newRow("part too large") << "65536.0.0.0"
                                    << "Nix eingetragen";
    QTest::newRow("five parts") << "1.2.3.4.5"
                                << "Nix eingetragen";
    QTest::newRow("letters") << "1.0-beta"
                             << "Nix eingetragen";
    QTest::newRow("sign") << "+1.0"
                          << "Nix eingetragen";
    QTest::newRow("empty part") << "1..0"
                                << "Nix eingetragen";
    QTest::newRow("nothing stamped") << ""
                                     << "Nix eingetragen";
}

void TestDesktopServices::versionText()
{
    QFETCH(QString, stamp);
    QFETCH(QString, text);
    QCOMPARE(versionTextFrom(stamp), text);
}

void TestDesktopServices::versionComesFromTheBuild()
{
    QCOMPARE(GetFileVersion(), versionTextFrom(QStringLiteral(PROJECT_VERSION_FROM_CMAKE)));
    QVERIFY(GetFileVersion() != QLatin1String(kNoVersionText));
}

void TestDesktopServices::webPageGoesToTheDefaultHandler()
{
    TestEnv env;
    OpenWebPage(env.prompts, QStringLiteral("https://www.tarvolo.example/update"));
    QCOMPARE(env.prompts.openedUrls,
             QStringList{QStringLiteral("https://www.tarvolo.example/update")});
    QVERIFY_PROMPTS(env.prompts);
}

void TestDesktopServices::helperParametersAreSixQuotedItems()
{
    const QStringList items = helperItems(
        QStringLiteral("1.0.0.0"), QStringLiteral("tarvo.exe"),
        QStringLiteral("C:\\Users\\Anna Ölmann\\tarvo\\kfzkosten.ini"), QStringLiteral("del"));
    QCOMPARE(helperParameterText(items),
             QStringLiteral("\"Tarvolo\" \"1.0.0.0\" \"tarvo.exe\" \"0\" "
                            "\"C:\\Users\\Anna Ölmann\\tarvo\\kfzkosten.ini\" \"del\""));
}

void TestDesktopServices::missingHelperDoesNothing()
{
    TestEnv env;
    int starts = 0;
    StartHelper(env.prompts, nullptr, env.context.paths.progDir, settingsFileOf(env),
                QStringLiteral("del"), [&starts](const QString&, const QStringList&) {
                    ++starts;
                    return false;
                });
    QCOMPARE(starts, 0);
    QVERIFY_PROMPTS(env.prompts);
}

void TestDesktopServices::helperStartedWithItsItems()
{
    TestEnv env;
    const QString helper = env.context.paths.progDir + helperFileName();
    writeFileBytes(helper, "helper");
    QString startedProgram;
    QStringList startedItems;
    StartHelper(env.prompts, nullptr, env.context.paths.progDir, settingsFileOf(env),
                QStringLiteral("del"), [&](const QString& program, const QStringList& items) {
                    startedProgram = program;
                    startedItems = items;
                    return true;
                });
    QCOMPARE(startedProgram, helper);
    const QString programFile = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(startedItems, helperItems(GetFileVersion(), programFile, settingsFileOf(env),
                                       QStringLiteral("del")));
    QVERIFY_PROMPTS(env.prompts);
}

void TestDesktopServices::refusedStartIsReportedOnce()
{
    TestEnv env;
    writeFileBytes(env.context.paths.progDir + helperFileName(), "helper");
    env.prompts.expectMessage(MessageKind::Error, kUnavailable);
    StartHelper(env.prompts, nullptr, env.context.paths.progDir, settingsFileOf(env),
                QStringLiteral("del"), [](const QString&, const QStringList&) { return false; });
    QVERIFY_PROMPTS(env.prompts);
}

void TestDesktopServices::startedHelperDeletesTheSettingsFile()
{
    if (!QStandardPaths::findExecutable(QStringLiteral("pkexec")).isEmpty())
        QSKIP("pkexec would ask for consent; this test runs the helper unelevated");
    TestEnv env;
    QVERIFY(QFile::copy(QStringLiteral(TARVO_HELPER_PATH),
                        env.context.paths.progDir + helperFileName()));
    env.writeData(QStringLiteral("kfzkosten.ini"), "settings");
    StartHelper(env.prompts, nullptr, env.context.paths.progDir, settingsFileOf(env),
                QStringLiteral("del"));
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(settingsFileOf(env)), 5000);
    QVERIFY_PROMPTS(env.prompts);
}

void TestDesktopServices::helperRefusesAnyOtherRequest_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("the settings file") << "tarvo/kfzkosten.ini"
                                       << "del" << 0 << true;
    QTest::newRow("another command") << "tarvo/kfzkosten.ini"
                                     << "copy" << 1 << false;
    QTest::newRow("another file") << "tarvo/Kfz.csv"
                                  << "del" << 1 << false;
    QTest::newRow("another folder") << "other/kfzkosten.ini"
                                    << "del" << 1 << false;
    QTest::newRow("dot-dot steps") << "other/../tarvo/kfzkosten.ini"
                                   << "del" << 1 << false;
    QTest::newRow("relative path") << "RELATIVE"
                                   << "del" << 1 << false;
    QTest::newRow("a link") << "links/tarvo/kfzkosten.ini"
                            << "del" << 1 << false;
    QTest::newRow("a folder") << "folder/tarvo/kfzkosten.ini"
                              << "del" << 1 << false;
}

void TestDesktopServices::helperRefusesAnyOtherRequest()
{
    QFETCH(QString, path);
    QFETCH(QString, command);
    QFETCH(int, exitCode);
    QFETCH(bool, deleted);
    const QTemporaryDir root;
    const QString base = root.path() + u'/';
    for (const char* file : {"tarvo/kfzkosten.ini", "tarvo/Kfz.csv", "other/kfzkosten.ini"}) {
        QDir().mkpath(QFileInfo(base + QLatin1String(file)).path());
        writeFileBytes(base + QLatin1String(file), "keep");
    }
    QDir().mkpath(base + QStringLiteral("links/tarvo"));
    QFile::link(base + QStringLiteral("tarvo/Kfz.csv"),
                base + QStringLiteral("links/tarvo/kfzkosten.ini"));
    QDir().mkpath(base + QStringLiteral("folder/tarvo/kfzkosten.ini"));

    const QString argument =
        path == QLatin1String("RELATIVE") ? QStringLiteral("tarvo/kfzkosten.ini") : base + path;
    const QStringList items{QStringLiteral("Tarvolo"),
                            QStringLiteral("1.0.0.0"),
                            QStringLiteral("tarvo"),
                            QStringLiteral("0"),
                            argument,
                            command};
    QCOMPARE(runHelper(items), exitCode);

    QCOMPARE(!QFile::exists(base + QStringLiteral("tarvo/kfzkosten.ini")), deleted);
    QCOMPARE(readFileBytes(base + QStringLiteral("tarvo/Kfz.csv")), QByteArray("keep"));
    QCOMPARE(readFileBytes(base + QStringLiteral("other/kfzkosten.ini")), QByteArray("keep"));
    QVERIFY(QFileInfo(base + QStringLiteral("folder/tarvo/kfzkosten.ini")).isDir());
}

TARVO_TEST_MAIN(TestDesktopServices)
#include "test_desktop_services.moc"
