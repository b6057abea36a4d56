#include "bookings/booking_years.h"
#include "bookings/year_chooser.h"
#include "common/conversions.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

class TestBookingYears : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void yearsFoundWithoutRegardToCase();
    void proposals();
    void nonNumericOpenYearStopsProposal();
    void chooserReturnsSelectedYear();
    void chooserWithoutChoice_data();
    void chooserWithoutChoice();
};

namespace {

void writeYearFiles(const TestEnv& env)
{
    env.writeData("Buch2022Kfz3.csv", "1;K;d;c;1,00;k;1\r\n");
    env.writeData("buch2023kfz3.csv", "1;K;d;c;1,00;k;1\r\n");
    env.writeData("Buch2023Kfz13.csv", "1;K;d;c;1,00;k;1\r\n");
    env.writeData("Reifen3.csv", "x\r\n");
    QDir(env.context.paths.dataDir).mkdir("Buch2019Kfz3.csv");
}

QPushButton* button(QWidget& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

void TestBookingYears::yearsFoundWithoutRegardToCase()
{
    TestEnv env;
    writeYearFiles(env);
    QCOMPARE(BookingYearMask("3"), QStringLiteral("buch*kfz3.csv"));
    QCOMPARE(FindBookingYears(env.context.paths.dataDir, BookingYearMask("3")),
             (QStringList{"2022", "2023"}));
    QCOMPARE(FindBookingYears(env.context.paths.dataDir, BookingYearMask("13")),
             QStringList{"2023"});
    QVERIFY(FindBookingYears(env.context.paths.dataDir, BookingYearMask("4")).isEmpty());
}

void TestBookingYears::proposals()
{
    QCOMPARE(ProposedNewYear("2023"), QStringLiteral("2024"));
    QCOMPARE(StartDateOfLoadedYear("2022", "2023"), QStringLiteral("31.12.2022"));
    QCOMPARE(StartDateOfLoadedYear("2024", "2023"), QStringLiteral("01.01.2024"));
    QCOMPARE(StartDateOfLoadedYear("2023", "2023"), QStringLiteral("01.01.2023"));
    QVERIFY(IsEarlierYear("2021", "2023") && !IsEarlierYear("2023", "2023"));
}

void TestBookingYears::nonNumericOpenYearStopsProposal()
{
    try {
        ProposedNewYear("20x3");
        QFAIL("no conversion error");
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), QStringLiteral("''20x3'' ist kein gültiger Integer-Wert"));
    }
}

void TestBookingYears::chooserReturnsSelectedYear()
{
    TestEnv env;
    writeYearFiles(env);
    TFormJahre chooser(env.prompts);
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Jahr"));
    QStringList listed;
    env.prompts.expectModal("TFormJahre", [&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("ListBoxJahre");
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        list->setCurrentRow(1);
        QCOMPARE(button(dialog, "ButtonOpen")->toolTip(), QStringLiteral("Auswahl übernehmen"));
        QVERIFY(button(dialog, "ButtonOpen")->isDefault());
        button(dialog, "ButtonOpen")->click();
    });
    QCOMPARE(chooser.chooseBookingYear(env.context.paths.dataDir, "3"), QStringLiteral("2023"));
    QCOMPARE(listed, (QStringList{"2022", "2023"}));
    QCOMPARE(chooser.buchJahr(), QStringLiteral("2023"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestBookingYears::chooserWithoutChoice_data()
{
    QTest::addColumn<QString>("kfzNr");
    QTest::addColumn<QString>("buttonName");
    QTest::newRow("cancel after selecting") << "3"
                                            << "ButtonCancel";
    QTest::newRow("open without selection") << "3"
                                            << "ButtonOpen";
    QTest::newRow("vehicle without files") << "7"
                                           << "ButtonOpen";
}

void TestBookingYears::chooserWithoutChoice()
{
    QFETCH(QString, kfzNr);
    QFETCH(QString, buttonName);
    TestEnv env;
    writeYearFiles(env);
    TFormJahre chooser(env.prompts);
    // A year chosen earlier must not come back from a later opening.
    env.prompts.expectModal("TFormJahre", [](QDialog& dialog) {
        dialog.findChild<QListWidget*>("ListBoxJahre")->setCurrentRow(0);
        button(dialog, "ButtonOpen")->click();
    });
    QCOMPARE(chooser.chooseBookingYear(env.context.paths.dataDir, "3"), QStringLiteral("2022"));
    env.prompts.expectModal("TFormJahre", [&](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("ListBoxJahre");
        if (buttonName == "ButtonCancel")
            list->setCurrentRow(0);
        button(dialog, qPrintable(buttonName))->click();
    });
    QCOMPARE(chooser.chooseBookingYear(env.context.paths.dataDir, kfzNr), QString());
    QVERIFY_PROMPTS(env.prompts);
}

int runBookingYearsTests(int argc, char** argv)
{
    TestBookingYears test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_years.moc"
