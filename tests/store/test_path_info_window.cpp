#include "store_suites.h"
#include "test_env.h"
#include "ui/path_info_window.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

// Clicks where a user would: on the round indicator at the left, not into the
// empty stretch of a wide button.
void clickRadio(QDialog& dialog, const char* name)
{
    auto* radio = dialog.findChild<QRadioButton*>(QLatin1String(name));
    const int middle = radio->height() / 2;
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(middle, middle));
}

} // namespace

class TestPathInfoWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsFoldersAndChoice_data();
    void showsFoldersAndChoice();
    void choiceIsTakenOverHoweverTheWindowCloses_data();
    void choiceIsTakenOverHoweverTheWindowCloses();
    void folderButtonsChangeNothing();
    void folderChooserStartsNowhereWhenTheDataFolderIsMissing();
    void f1ShowsHelp();
};

void TestPathInfoWindow::showsFoldersAndChoice_data()
{
    QTest::addColumn<bool>("multiUser");
    QTest::newRow("Einzelplatz") << false;
    QTest::newRow("Multiuser") << true;
}

void TestPathInfoWindow::showsFoldersAndChoice()
{
    QFETCH(bool, multiUser);
    TestEnv env;
    TFormSettings window(env.context);
    const Paths& paths = env.context.paths;
    env.prompts.expectModal(QStringLiteral("TFormSettings"), [&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pfadinfo"));
        auto* program = dialog.findChild<QLineEdit*>(QStringLiteral("EditProgrammverzeichnis"));
        auto* data = dialog.findChild<QLineEdit*>(QStringLiteral("EditDatenverzeichnis"));
        QCOMPARE(program->text(), paths.progDir);
        QCOMPARE(data->text(), paths.dataDir);
        QVERIFY(program->isReadOnly() && data->isReadOnly());
        QCOMPARE(program->accessibleName(), QStringLiteral("Programmverzeichnis"));
        QCOMPARE(data->accessibleName(), QStringLiteral("Datenverzeichnis"));
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("RadioMultiuser"))->isChecked(),
                 multiUser);
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("RadioEinzelplatz"))->isChecked(),
                 !multiUser);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                          Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    QCOMPARE(window.chooseMultiUser(paths.dataDir, paths.progDir, multiUser), multiUser);
    QCOMPARE(window.DataPath, paths.dataDir);
    QVERIFY_PROMPTS(env.prompts);
}

void TestPathInfoWindow::choiceIsTakenOverHoweverTheWindowCloses_data()
{
    QTest::addColumn<bool>("byOk");
    QTest::newRow("OK") << true;
    QTest::newRow("title bar") << false;
}

void TestPathInfoWindow::choiceIsTakenOverHoweverTheWindowCloses()
{
    QFETCH(bool, byOk);
    TestEnv env;
    TFormSettings window(env.context);
    env.prompts.expectModal(QStringLiteral("TFormSettings"), [byOk](QDialog& dialog) {
        clickRadio(dialog, "RadioMultiuser");
        if (byOk)
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                              Qt::LeftButton);
        else
            dialog.close();
    });
    QVERIFY(window.chooseMultiUser(env.context.paths.dataDir, env.context.paths.progDir, false));
    // And back to single-user at the next opening.
    env.prompts.expectModal(QStringLiteral("TFormSettings"),
                            [](QDialog& dialog) { clickRadio(dialog, "RadioEinzelplatz"); });
    QVERIFY(!window.chooseMultiUser(env.context.paths.dataDir, env.context.paths.progDir, true));
    QVERIFY_PROMPTS(env.prompts);
}

void TestPathInfoWindow::folderButtonsChangeNothing()
{
    TestEnv env;
    TFormSettings window(env.context);
    const Paths& paths = env.context.paths;
    const QString elsewhere = env.root.path() + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    env.prompts.expectModal(QStringLiteral("TFormSettings"), [&](QDialog& dialog) {
        for (const char* name : {"ButtonProgrammverzeichnis", "ButtonDatenverzeichnis"}) {
            auto* button = dialog.findChild<QToolButton*>(QLatin1String(name));
            QCOMPARE(button->toolTip(), QStringLiteral("Neues Datenverzeichnis auswählen"));
            env.prompts.expectFolder(elsewhere);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(env.prompts.lastDialogDir, paths.dataDir);
        }
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("EditDatenverzeichnis"))->text(),
                 paths.dataDir);
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("EditProgrammverzeichnis"))->text(),
                 paths.progDir);
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                          Qt::LeftButton);
    });
    window.chooseMultiUser(paths.dataDir, paths.progDir, false);
    QCOMPARE(window.DataPath, paths.dataDir);
    QVERIFY_PROMPTS(env.prompts);
}

void TestPathInfoWindow::folderChooserStartsNowhereWhenTheDataFolderIsMissing()
{
    TestEnv env;
    TFormSettings window(env.context);
    const QString missing = env.root.path() + QStringLiteral("/missing/tarvo/");
    env.prompts.expectModal(QStringLiteral("TFormSettings"), [&](QDialog& dialog) {
        env.prompts.expectFolder(QString());
        QTest::mouseClick(dialog.findChild<QToolButton*>(QStringLiteral("ButtonDatenverzeichnis")),
                          Qt::LeftButton);
        QCOMPARE(env.prompts.lastDialogDir, QString());
    });
    window.chooseMultiUser(missing, env.context.paths.progDir, false);
    QVERIFY_PROMPTS(env.prompts);
}

void TestPathInfoWindow::f1ShowsHelp()
{
    TestEnv env;
    TFormSettings window(env.context);
    env.prompts.expectModal(QStringLiteral("TFormSettings"),
                            [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_F1); });
    window.chooseMultiUser(env.context.paths.dataDir, env.context.paths.progDir, false);
    QCOMPARE(env.prompts.helpTopics, QList<int>{70});
    QVERIFY_PROMPTS(env.prompts);
}

int runPathInfoWindowTests(int argc, char** argv)
{
    TestPathInfoWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_path_info_window.moc"
