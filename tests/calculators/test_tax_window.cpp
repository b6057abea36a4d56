// The tax and CO2 calculator through its widgets: hand-over, calculations,
// messages, the file and the sheet.

#include "calculators/calculator_openers.h"
#include "calculators/tax_window.h"
#include "common/text_file.h"
#include "test_env.h"
#include "ui/vehicle_window.h"
#include "widget_access.h"

#include <QPrinter>
#include <QtTest>

namespace {

KfzRecord golf()
{
    KfzRecord v;
    v[KfzField::Kennzeichen] = "M AB 12";
    v[KfzField::ErstzulMonat] = "3";
    v[KfzField::ErstzulJahr] = "2021";
    v[KfzField::Hersteller] = "VW";
    v[KfzField::Typ] = "Golf";
    v[KfzField::Hubraum] = " 1498 ";
    v[KfzField::CO2Emission] = " 140 ";
    v[KfzField::Kraftstoff] = "Super E10";
    v[KfzField::Abgasnorm] = "Euro 6";
    return v;
}

const QByteArray kSavedGolf = "M AB 12\r\n3\r\n2021\r\nVW\r\nGolf\r\nBenzin\r\nEuro 6\r\n5,5\r\n"
                              "0\r\n15000\r\n1498\r\n5,5\r\n";

} // namespace

class TestTaxWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOverFillsTheFields();
    void handOverKeepsUnknownChoices();
    void showingClearsMileageConsumptionAndTotal();
    void digitFieldsRefuseLetters();
    void taxOfAHandedOverCar();
    void electricTaxShowsTheExemption();
    void refusalsKeepTheTax_data();
    void refusalsKeepTheTax();
    void co2FromConsumption();
    void co2WhenEnteringTheEmptyTotal();
    void co2RefusesLettersInTheConsumption();
    void newClearsTheResults();
    void saveWritesTwelveLines();
    void saveRefusesWithoutPlate();
    void saveReportsAFailedWrite();
    void openReadsTheFile();
    void openIgnoresAOneLineFile();
    void openTakesTheFirstTwelveOfManyLines();
    void cancelledOpenStillCalculatesCo2();
    void recordSheetRows();
    void printsToPdf();
    void helpKeyAndMenu();
    void co2GoesBackToTheVehicleWindow();
};

void TestTaxWindow::handOverFillsTheFields()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    QCOMPARE(edit(window, "EditKennzeichen")->text(), QString("M AB 12"));
    QCOMPARE(edit(window, "EditMonat")->text(), QString("3"));
    QCOMPARE(edit(window, "EditJahr")->text(), QString("2021"));
    QCOMPARE(edit(window, "EditHersteller")->text(), QString("VW"));
    QCOMPARE(edit(window, "EditTyp")->text(), QString("Golf"));
    QCOMPARE(edit(window, "EditCcm")->text(), QString("1498"));
    QCOMPARE(edit(window, "EditCO2")->text(), QString("140"));
    QCOMPARE(combo(window, "ComboBox1")->currentText(), QString("Benzin"));
    QCOMPARE(combo(window, "ComboBox2")->currentText(), QString("Euro 6"));
    QCOMPARE(edit(window, "EditGewicht")->text(), QString("0"));
    QCOMPARE(edit(window, "EditCcm")->accessibleName(), QString("Hubraum ccm"));
}

void TestTaxWindow::handOverKeepsUnknownChoices()
{
    TestEnv env;
    TFormRechner window(env.context);
    KfzRecord diesel = golf();
    diesel[KfzField::Kraftstoff] = "Diesel";
    diesel[KfzField::Abgasnorm] = "Euro5";
    window.takeVehicle(diesel, env.context.paths.dataDir);
    KfzRecord unknown = golf();
    unknown[KfzField::Kraftstoff] = "Wasserstoff";
    unknown[KfzField::Abgasnorm] = "";
    window.takeVehicle(unknown, env.context.paths.dataDir);
    QCOMPARE(combo(window, "ComboBox1")->currentText(), QString("Diesel"));
    QCOMPARE(combo(window, "ComboBox2")->currentText(), QString("Euro 5"));
}

void TestTaxWindow::showingClearsMileageConsumptionAndTotal()
{
    TestEnv env;
    TFormRechner window(env.context);
    edit(window, "EditLauf")->setText("15000");
    edit(window, "EditVerbrauch")->setText("5,5");
    edit(window, "EditCOtotal")->setText("2");
    edit(window, "EditGewicht")->setText("1800");
    edit(window, "Edit1")->setText("126,00");
    env.prompts.expectModal("TFormRechner", [](QDialog& shown) {
        QCOMPARE(edit(shown, "EditLauf")->text(), QString());
        QCOMPARE(edit(shown, "EditVerbrauch")->text(), QString());
        QCOMPARE(edit(shown, "EditCOtotal")->text(), QString());
        QCOMPARE(edit(shown, "EditGewicht")->text(), QString("1800"));
        QCOMPARE(edit(shown, "Edit1")->text(), QString("126,00"));
    });
    env.prompts.execModal(window);
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::digitFieldsRefuseLetters()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.show();
    QLineEdit* ccm = edit(window, "EditCcm");
    ccm->clear();
    QTest::keyClicks(ccm, "1a49x8");
    QCOMPARE(ccm->text(), QString("1498"));
    QTest::keyClicks(ccm, "7");
    QCOMPARE(ccm->text(), QString("1498"));
    QLineEdit* co2 = edit(window, "EditCO2");
    co2->setText("140");
    QGuiApplication::clipboard()->setText("12a");
    co2->selectAll();
    co2->paste();
    QCOMPARE(co2->text(), QString("140"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::taxOfAHandedOverCar()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    click(window, "BitBtn1");
    QCOMPARE(edit(window, "Edit1")->text(), QString("126,00"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::electricTaxShowsTheExemption()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    combo(window, "ComboBox1")->setCurrentText("Elektro");
    edit(window, "EditGewicht")->setText("2400");
    env.prompts.expectMessage(
        MessageKind::Information,
        "Für Elektrofahrzeuge mit Erstzulassung bis Ende 2030 gibt es eine 10-jährige "
        "Steuerbefreiung ab Erstzulassung, längstens bis 31.12.2035. Danach gilt der angezeigte "
        "Steuerbetrag.");
    click(window, "BitBtn1");
    QCOMPARE(edit(window, "Edit1")->text(), QString("68,00"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::refusalsKeepTheTax_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("no year") << "EditJahr"
                             << "" << int(MessageKind::Warning) << "Bitte Zulassungsdatum angeben.";
    QTest::newRow("year 1899") << "EditJahr"
                               << "1899" << int(MessageKind::Error) << "Ungültiges Zulassungsjahr!";
    QTest::newRow("no displacement") << "EditCcm"
                                     << " " << int(MessageKind::Error) << "Bitte Hubraum angeben!";
    QTest::newRow("no CO2") << "EditCO2"
                            << "" << int(MessageKind::Error) << "Bitte CO2-Ausstoß angeben!";
    QTest::newRow("letters handed over")
        << "EditCcm"
        << "1,4l" << int(MessageKind::Error) << "''1,4l'' ist kein gültiger Integer-Wert";
}

void TestTaxWindow::refusalsKeepTheTax()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QString, message);
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    edit(window, "Edit1")->setText("99,00");
    window.findChild<QLineEdit*>(field)->setText(text);
    env.prompts.expectMessage(MessageKind(kind), message);
    click(window, "BitBtn1");
    QCOMPARE(edit(window, "Edit1")->text(), QString("99,00"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::co2FromConsumption()
{
    TestEnv env;
    TFormRechner window(env.context);
    combo(window, "ComboBox1")->setCurrentText("Benzin");
    edit(window, "EditVerbrauch")->setText("5,5");
    edit(window, "EditLauf")->setText("15000");
    click(window, "BitBtn4");
    QCOMPARE(edit(window, "EditCO2")->text(), QString("130"));
    QCOMPARE(edit(window, "EditCOtotal")->text(), QString("2"));
    QCOMPARE(window.findChild<QLabel*>("LabelGramm")->text(), QString("t"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::co2WhenEnteringTheEmptyTotal()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    edit(window, "EditVerbrauch")->setFocus(Qt::TabFocusReason);
    env.prompts.expectMessage(MessageKind::Warning,
                              "Bitte geben Sie zur Berechnung mindestens einen Verbrauch/100 Km "
                              "und die Kraftstoffart an");
    edit(window, "EditCOtotal")->setFocus(Qt::TabFocusReason);
    QVERIFY_PROMPTS(env.prompts);

    combo(window, "ComboBox1")->setCurrentText("Diesel");
    edit(window, "EditVerbrauch")->setText("10");
    edit(window, "EditLauf")->setText("4");
    edit(window, "EditVerbrauch")->setFocus(Qt::TabFocusReason);
    edit(window, "EditCOtotal")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(window, "EditCO2")->text(), QString("265"));
    QCOMPARE(edit(window, "EditCOtotal")->text(), QString("1"));
    QCOMPARE(window.findChild<QLabel*>("LabelGramm")->text(), QString("kg"));
    // Entering a total that is already there calculates nothing.
    edit(window, "EditLauf")->setText("8");
    edit(window, "EditVerbrauch")->setFocus(Qt::TabFocusReason);
    edit(window, "EditCOtotal")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(window, "EditCOtotal")->text(), QString("1"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::co2RefusesLettersInTheConsumption()
{
    TestEnv env;
    TFormRechner window(env.context);
    combo(window, "ComboBox1")->setCurrentText("Benzin");
    edit(window, "EditCO2")->setText("140");
    edit(window, "EditVerbrauch")->setText("abc");
    env.prompts.expectMessage(MessageKind::Plain, "Ungültige Km- oder Literangaben");
    click(window, "BitBtn4");
    QCOMPARE(edit(window, "EditCO2")->text(), QString("140"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::newClearsTheResults()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    edit(window, "EditCOtotal")->setText("2");
    edit(window, "Edit1")->setText("126,00");
    click(window, "ButtonNeu");
    QCOMPARE(edit(window, "EditCOtotal")->text(), QString());
    QCOMPARE(edit(window, "EditCO2")->text(), QString());
    QCOMPARE(edit(window, "Edit1")->text(), QString());
    QCOMPARE(edit(window, "EditCcm")->text(), QString("1498"));
}

void TestTaxWindow::saveWritesTwelveLines()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    edit(window, "EditVerbrauch")->setText("5,5");
    edit(window, "EditLauf")->setText("15000");
    env.prompts.expectSaveFile(env.dataFile("golf.txt"));
    trigger(window, "Speichern1");
    QCOMPARE(env.prompts.lastDialogDir, env.dataFile("MAB12.txt"));
    QCOMPARE(env.readData("golf.txt"), kSavedGolf);

    edit(window, "EditHersteller")->setText("Łada ä");
    edit(window, "EditTyp")->setText(" ");
    env.prompts.expectSaveFile(env.dataFile("golf.txt"));
    trigger(window, "Speichern1");
    QVERIFY(env.readData("golf.txt").startsWith("M AB 12\r\n3\r\n2021\r\n?ada \xE4\r\n  \r\n"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::saveRefusesWithoutPlate()
{
    TestEnv env;
    TFormRechner window(env.context);
    edit(window, "EditKennzeichen")->setText("   ");
    env.prompts.expectMessage(MessageKind::Error, "Keine Daten angegeben!");
    trigger(window, "Speichern1");
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::saveReportsAFailedWrite()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    const QString path = env.dataFile("missing/golf.txt");
    QString reason;
    QVERIFY(!writeTextLines(path, {}, TextEncoding::Windows1252, &reason));
    env.prompts.expectSaveFile(path);
    env.prompts.expectMessage(
        MessageKind::Error,
        QString("Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason));
    trigger(window, "Speichern1");
    QVERIFY(!QFile::exists(path));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::openReadsTheFile()
{
    TestEnv env;
    TFormRechner window(env.context);
    env.writeData("golf.txt", ansi("K ÄB 1\r\n7\r\n2009\r\nVW\r\nPolo\r\nDiesel\r\nEuro 4\r\n"
                                   "4,0\r\n1200\r\n\r\n1422\r\n5,0\r\n"));
    env.prompts.expectOpenFile(env.dataFile("golf.txt"));
    trigger(window, "Oeffnen1");
    QCOMPARE(env.prompts.lastDialogDir, env.context.paths.dataDir);
    QCOMPARE(edit(window, "EditKennzeichen")->text(), QString("K ÄB 1"));
    QCOMPARE(edit(window, "EditVerbrauch")->text(), QString("5,0"));
    QCOMPARE(edit(window, "EditGewicht")->text(), QString("1200"));
    QCOMPARE(edit(window, "EditCcm")->text(), QString("1422"));
    QCOMPARE(combo(window, "ComboBox1")->currentText(), QString("Diesel"));
    QCOMPARE(combo(window, "ComboBox2")->currentText(), QString("Euro 4"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::openIgnoresAOneLineFile()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    edit(window, "EditLauf")->setText("15000");
    env.writeData("one.txt", "X Y 1\r\n");
    env.prompts.expectOpenFile(env.dataFile("one.txt"));
    trigger(window, "Oeffnen1");
    QCOMPARE(edit(window, "EditKennzeichen")->text(), QString("M AB 12"));
    QCOMPARE(edit(window, "EditCO2")->text(), QString("140"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::openTakesTheFirstTwelveOfManyLines()
{
    TestEnv env;
    TFormRechner window(env.context);
    QByteArray lines = "B X 9\nabc\n2015\n\x01\x02\n\n\xFF\n\n1\n";
    for (int i = 9; i <= 1000; ++i)
        lines += QByteArray::number(i) + '\n';
    env.writeData("many.txt", lines);
    env.prompts.expectOpenFile(env.dataFile("many.txt"));
    // Line 6 names no fuel, so the CO2 cannot be calculated for the mileage read.
    env.prompts.expectMessage(MessageKind::Warning,
                              "Bitte geben Sie zur Berechnung mindestens einen Verbrauch/100 Km "
                              "und die Kraftstoffart an");
    trigger(window, "Oeffnen1");
    QCOMPARE(edit(window, "EditKennzeichen")->text(), QString("B X 9"));
    QCOMPARE(edit(window, "EditLauf")->text(), QString("10"));
    QCOMPARE(edit(window, "EditVerbrauch")->text(), QString("12"));
    // The month field holds at most two characters.
    QCOMPARE(edit(window, "EditMonat")->text(), QString("ab"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::cancelledOpenStillCalculatesCo2()
{
    TestEnv env;
    TFormRechner window(env.context);
    combo(window, "ComboBox1")->setCurrentText("Benzin");
    combo(window, "ComboBox2")->setCurrentText("Euro 5");
    edit(window, "EditVerbrauch")->setText("5,5");
    edit(window, "EditLauf")->setText("100");
    env.prompts.expectOpenFile("");
    trigger(window, "Oeffnen1");
    QCOMPARE(edit(window, "EditCO2")->text(), QString("130"));
    QCOMPARE(edit(window, "EditCOtotal")->text(), QString("13"));
    QCOMPARE(window.findChild<QLabel*>("LabelGramm")->text(), QString("kg"));
    QCOMPARE(combo(window, "ComboBox2")->currentText(), QString("Euro 5"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::recordSheetRows()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    edit(window, "EditVerbrauch")->setText("5,5");
    edit(window, "EditLauf")->setText("15000");
    click(window, "BitBtn4");
    click(window, "BitBtn1");
    const RecordSheet sheet = window.recordSheet();
    QCOMPARE(sheet.title, QString("CO2 Emissionen"));
    QCOMPARE(sheet.jobName, QString("Kfzdaten"));
    QCOMPARE(sheet.closingRuleOffset, 0.01);
    const QList<QStringList> rows{{"Kennzeichen:", "M AB 12"},     {"Erstzulassung:", "3/2021"},
                                  {"Hersteller:", "VW"},           {"Typ:", "Golf"},
                                  {"Abgasnorm:", "Euro 6"},        {"Kraftstoffart:", "Benzin"},
                                  {"Hubraum ccm:", "1498"},        {"Laufleistung/Jahr:", "15000"},
                                  {"Zul. Gesamtgewicht Kg:", "0"}, {"(Norm)Verbrauch:", "5,5"},
                                  {"CO2 gesamt:", "2 t"},          {"CO2-Emissionen:", "130g/Km"},
                                  {"Steuer/Jahr:", "103,00 €"}};
    QCOMPARE(sheet.rows, rows);
}

void TestTaxWindow::printsToPdf()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.takeVehicle(golf(), env.context.paths.dataDir);
    const QString pdf = env.dataFile("co2.pdf");
    env.prompts.expectPrinter(true, [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    trigger(window, "Drucken1");
    QVERIFY(readFileBytes(pdf).startsWith("%PDF"));
    env.prompts.expectPrinter(false);
    trigger(window, "Drucken1");
    QVERIFY_PROMPTS(env.prompts);
}

void TestTaxWindow::helpKeyAndMenu()
{
    TestEnv env;
    TFormRechner window(env.context);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(edit(window, "EditJahr"), Qt::Key_F1);
    trigger(window, "Inhalt1");
    QCOMPARE(env.prompts.helpTopics, (QList<int>{120, 120}));
}

void TestTaxWindow::co2GoesBackToTheVehicleWindow()
{
    TestEnv env;
    TFormKfz vehicleWindow(env.context);
    TFormRechner calculator(env.context);
    vehicleWindow.showRecord(golf());
    env.prompts.expectModal("TFormRechner", [](QDialog& shown) {
        QCOMPARE(edit(shown, "EditCO2")->text(), QString("140"));
        combo(shown, "ComboBox1")->setCurrentText("Diesel");
        edit(shown, "EditVerbrauch")->setText("4,2");
        click(shown, "BitBtn4");
    });
    openTaxCalculator(env.context, vehicleWindow, calculator);
    QCOMPARE(vehicleWindow.fieldText(KfzField::CO2Emission), QString("111"));

    env.prompts.expectModal("TFormRechner", [](QDialog& shown) { click(shown, "ButtonNeu"); });
    openTaxCalculator(env.context, vehicleWindow, calculator);
    QCOMPARE(vehicleWindow.fieldText(KfzField::CO2Emission), QString("111"));
    QVERIFY(!QFile::exists(env.dataFile("Kfz.csv")));
    QVERIFY_PROMPTS(env.prompts);
}

TARVO_TEST_MAIN(TestTaxWindow)
#include "test_tax_window.moc"
