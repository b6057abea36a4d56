// The residual value calculator through its widgets: hand-over, calculation,
// kW/PS, fuel and emission class, the file and the sheet.

#include "calculators/calculator_openers.h"
#include "calculators/residual_window.h"
#include "common/text_file.h"
#include "test_env.h"
#include "ui/vehicle_window.h"
#include "widget_access.h"

#include <QtTest>

namespace {

KfzRecord passat()
{
    KfzRecord v;
    v[KfzField::Kennzeichen] = "HH X 77";
    v[KfzField::ErstzulMonat] = "6";
    v[KfzField::ErstzulJahr] = "2020";
    v[KfzField::Hersteller] = "VW";
    v[KfzField::Typ] = "Passat";
    v[KfzField::AktuellerKm] = "39000";
    v[KfzField::Kraftstoff] = "Super E10";
    v[KfzField::LeistungKW] = "110";
    v[KfzField::LeistungPS] = "150";
    v[KfzField::Abgasnorm] = "Euro 6";
    v[KfzField::KfzNr] = " 7 ";
    return v;
}

const QByteArray kSavedPassat = "HH X 77\r\n6\r\n2020\r\nVW\r\nPassat\r\n39000\r\n110\r\n30000\r\n"
                                "Super E10\r\nEuro6\r\nTopzustand\r\n  \r\n110\r\n150\r\n";

// A window filled from the example car, as shown, with today in May 2023.
struct Shown {
    TestEnv env;
    TFormrestwert window{env.context};
    Shown()
    {
        env.clock.set(QDate(2023, 5, 10));
        window.takeVehicle(passat(), env.context.paths.dataDir);
        window.show();
    }
};

} // namespace

class TestResidualWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void handOverFillsTheFields();
    void showingClearsPriceConditionsAndResult();
    void calculatesTheExample();
    void refusalKeepsTheResult();
    void olderThanTwelveYears();
    void powerIsConvertedOnLeaving();
    void powerLettersShowTheFloatError();
    void electricMeansEmissionFree();
    void saveAsksOnceThenWritesTheSameFile();
    void saveRefusesWithoutPlate();
    void saveReportsAFailedWrite();
    void openReadsThirteenLinesAndCalculates();
    void openIgnoresShortFilesAndCancel();
    void openReportsAnUnreadableFile();
    void recordSheetRows();
    void openedFromTheVehicleWindow();
};

void TestResidualWindow::handOverFillsTheFields()
{
    TestEnv env;
    TFormrestwert window(env.context);
    window.takeVehicle(passat(), env.context.paths.dataDir);
    QCOMPARE(edit(window, "EditKennzeichen")->text(), QString("HH X 77"));
    QCOMPARE(edit(window, "EditMonat")->text(), QString("6"));
    QCOMPARE(edit(window, "EditJahr")->text(), QString("2020"));
    QCOMPARE(edit(window, "EditKmStand")->text(), QString("39000"));
    QCOMPARE(edit(window, "EditKW")->text(), QString("110"));
    QCOMPARE(edit(window, "EditPS")->text(), QString("150"));
    QCOMPARE(combo(window, "ComboBox1")->currentText(), QString("Super E10"));
    QCOMPARE(combo(window, "ComboBox2")->currentText(), QString("Euro6"));
    QCOMPARE(edit(window, "EditNeupreis")->accessibleName(), QString("Neupreis inkl. Extras"));
}

void TestResidualWindow::showingClearsPriceConditionsAndResult()
{
    TestEnv env;
    TFormrestwert window(env.context);
    window.takeVehicle(passat(), env.context.paths.dataDir);
    edit(window, "EditNeupreis")->setText("30000");
    combo(window, "ComboBoxTechnik")->setCurrentText("Topzustand");
    combo(window, "ComboBoxOptik")->setCurrentText("Leichte Mängel");
    edit(window, "EditErgebnis")->setText("1,00");
    env.prompts.expectModal("TFormrestwert", [](QDialog& shown) {
        QCOMPARE(edit(shown, "EditNeupreis")->text(), QString());
        QCOMPARE(combo(shown, "ComboBoxTechnik")->currentText(), QString());
        QCOMPARE(combo(shown, "ComboBoxOptik")->currentText(), QString());
        QCOMPARE(edit(shown, "EditErgebnis")->text(), QString());
        QCOMPARE(edit(shown, "EditKW")->text(), QString("110"));
    });
    env.prompts.execModal(window);
    QVERIFY_PROMPTS(env.prompts);
}

void TestResidualWindow::calculatesTheExample()
{
    Shown s;
    edit(s.window, "EditNeupreis")->setText("30000");
    click(s.window, "BitBtn1");
    QCOMPARE(edit(s.window, "EditErgebnis")->text(), QString("18823,53"));
    edit(s.window, "EditKmStand")->setText("60000");
    click(s.window, "BitBtn1");
    QCOMPARE(edit(s.window, "EditErgebnis")->text(), QString("16796,38"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::refusalKeepsTheResult()
{
    Shown s;
    edit(s.window, "EditErgebnis")->setText("5,00");
    edit(s.window, "EditNeupreis")->setText("30000");
    edit(s.window, "EditKmStand")->setText("39.000");
    s.env.prompts.expectMessage(MessageKind::Plain,
                                "Ungültige Werte. Überpüfen Sie Preis und Baujahrangaben!");
    click(s.window, "BitBtn1");
    edit(s.window, "EditNeupreis")->setText("");
    s.env.prompts.expectMessage(MessageKind::Warning,
                                "Bitte Neupreis angeben, sonst ist keine Berechnung möglich!");
    click(s.window, "BitBtn1");
    QCOMPARE(edit(s.window, "EditErgebnis")->text(), QString("5,00"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::olderThanTwelveYears()
{
    Shown s;
    edit(s.window, "EditNeupreis")->setText("30000");
    edit(s.window, "EditJahr")->setText("2010");
    s.env.prompts.expectMessage(
        MessageKind::Information,
        "Es können nur Fahrzeuge bis zu einem Alter von 12 Jahren berechnet werden");
    click(s.window, "BitBtn1");
    QCOMPARE(edit(s.window, "EditErgebnis")->text(), QString());
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::powerIsConvertedOnLeaving()
{
    Shown s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QLineEdit* kw = edit(s.window, "EditKW");
    QLineEdit* ps = edit(s.window, "EditPS");
    kw->setFocus(Qt::TabFocusReason);
    kw->setText("100");
    ps->setFocus(Qt::TabFocusReason);
    QCOMPARE(ps->text(), QString("136"));
    ps->setText("150");
    kw->setFocus(Qt::TabFocusReason);
    QCOMPARE(kw->text(), QString("110"));
    // A blank field converts nothing.
    kw->clear();
    ps->setFocus(Qt::TabFocusReason);
    QCOMPARE(ps->text(), QString("150"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::powerLettersShowTheFloatError()
{
    Shown s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QLineEdit* kw = edit(s.window, "EditKW");
    kw->setFocus(Qt::TabFocusReason);
    kw->setText("abc");
    s.env.prompts.expectMessage(MessageKind::Error, "'abc' ist kein gültiger Gleitkommawert");
    edit(s.window, "EditPS")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(s.window, "EditPS")->text(), QString("150"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::electricMeansEmissionFree()
{
    Shown s;
    QComboBox* fuel = combo(s.window, "ComboBox1");
    QComboBox* emission = combo(s.window, "ComboBox2");
    fuel->setCurrentIndex(fuel->findText("Autogas"));
    QTest::keyClick(fuel, Qt::Key_Down);
    QCOMPARE(fuel->currentText(), QString("Elektro"));
    QCOMPARE(emission->currentText(), QString("Emmissionsfrei"));
    fuel->setCurrentIndex(fuel->findText("Super E10"));
    QTest::keyClick(fuel, Qt::Key_Down);
    QCOMPARE(fuel->currentText(), QString("Diesel"));
    QCOMPARE(emission->currentText(), QString());
    emission->setCurrentText("Euro4");
    QTest::keyClick(fuel, Qt::Key_Down);
    QCOMPARE(emission->currentText(), QString("Euro4"));
}

void TestResidualWindow::saveAsksOnceThenWritesTheSameFile()
{
    Shown s;
    edit(s.window, "EditNeupreis")->setText("30000");
    combo(s.window, "ComboBoxTechnik")->setCurrentText("Topzustand");
    const QString path = s.env.dataFile("passat.txt");
    s.env.prompts.expectSaveFile(path);
    s.env.prompts.expectMessage(MessageKind::Information, "Datei " + path + " gespeichert.");
    click(s.window, "BitBtn3");
    QCOMPARE(s.env.prompts.lastDialogDir, s.env.dataFile("RestWert7.txt"));
    QCOMPARE(s.env.readData("passat.txt"), kSavedPassat);

    edit(s.window, "EditHersteller")->setText("Volkswagen");
    s.env.prompts.expectMessage(MessageKind::Information, "Datei " + path + " gespeichert.");
    trigger(s.window, "Speichern1");
    QVERIFY(s.env.readData("passat.txt").contains("\r\nVolkswagen\r\n"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::saveRefusesWithoutPlate()
{
    Shown s;
    edit(s.window, "EditKennzeichen")->setText(" ");
    s.env.prompts.expectMessage(MessageKind::Error, "Keine Daten angegeben!");
    click(s.window, "BitBtn3");
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::saveReportsAFailedWrite()
{
    Shown s;
    const QString path = s.env.dataFile("missing/passat.txt");
    s.env.prompts.expectSaveFile(path);
    s.env.prompts.expectMessage(MessageKind::Error,
                                "Fehler beim Speichern der Datei:" + path + "!");
    click(s.window, "BitBtn3");
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::openReadsThirteenLinesAndCalculates()
{
    Shown s;
    s.env.writeData("RestWert7.txt",
                    ansi("HH X 77\r\n6\r\n2020\r\nVW\r\nPassat\r\n60000\r\n90\r\n30000\r\n"
                         "Benzin\r\nEuro6\r\nTopzustand\r\nLeichte Mängel\r\n100\r\n999\r\n"));
    s.env.prompts.expectOpenFile(s.env.dataFile("RestWert7.txt"));
    trigger(s.window, "Oeffnen1");
    QCOMPARE(s.env.prompts.lastDialogDir, s.env.dataFile("RestWert7.txt"));
    QCOMPARE(edit(s.window, "EditKmStand")->text(), QString("60000"));
    QCOMPARE(edit(s.window, "EditKW")->text(), QString("100"));
    QCOMPARE(edit(s.window, "EditPS")->text(), QString("136"));
    QCOMPARE(combo(s.window, "ComboBoxOptik")->currentText(), QString("Leichte Mängel"));
    // Three years, -5.3846 % for the mileage, -10 % for slight faults: -15.3846 % twice.
    QCOMPARE(edit(s.window, "EditErgebnis")->text(), QString("13031,67"));

    // The opened file is the one "Speichern" writes to.
    s.env.prompts.expectMessage(MessageKind::Information,
                                "Datei " + s.env.dataFile("RestWert7.txt") + " gespeichert.");
    click(s.window, "BitBtn3");
    QVERIFY(s.env.readData("RestWert7.txt").endsWith("\r\n100\r\n136\r\n"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::openIgnoresShortFilesAndCancel()
{
    Shown s;
    s.env.writeData("one.txt", "X 1\r\n");
    s.env.prompts.expectOpenFile(s.env.dataFile("one.txt"));
    trigger(s.window, "Oeffnen1");
    QCOMPARE(edit(s.window, "EditKennzeichen")->text(), QString("HH X 77"));
    s.env.prompts.expectOpenFile("");
    trigger(s.window, "Oeffnen1");
    QCOMPARE(edit(s.window, "EditKennzeichen")->text(), QString("HH X 77"));

    QByteArray many;
    for (int i = 1; i <= 1000; ++i)
        many += QByteArray::number(i) + "\r\n";
    s.env.writeData("many.txt", many);
    s.env.prompts.expectOpenFile(s.env.dataFile("many.txt"));
    // Price and both conditions are there, so the calculation runs: year 3 is too old.
    s.env.prompts.expectMessage(
        MessageKind::Information,
        "Es können nur Fahrzeuge bis zu einem Alter von 12 Jahren berechnet werden");
    trigger(s.window, "Oeffnen1");
    QCOMPARE(edit(s.window, "EditKennzeichen")->text(), QString("1"));
    QCOMPARE(edit(s.window, "EditKW")->text(), QString("13"));
    QCOMPARE(edit(s.window, "EditPS")->text(), QString("18"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::openReportsAnUnreadableFile()
{
    Shown s;
    const QString path = s.env.dataFile("folder.txt");
    QDir().mkpath(path);
    TextFile file;
    QString reason;
    QVERIFY(!readTextFile(path, file, &reason));
    s.env.prompts.expectOpenFile(path);
    s.env.prompts.expectMessage(
        MessageKind::Error, QString("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason));
    trigger(s.window, "Oeffnen1");
    QCOMPARE(edit(s.window, "EditKennzeichen")->text(), QString("HH X 77"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestResidualWindow::recordSheetRows()
{
    Shown s;
    edit(s.window, "EditNeupreis")->setText("30000");
    combo(s.window, "ComboBoxOptik")->setCurrentText("Topzustand");
    click(s.window, "BitBtn1");
    const RecordSheet sheet = s.window.recordSheet();
    QCOMPARE(sheet.title, QString("Restwertkalkulation"));
    QCOMPARE(sheet.jobName, QString("Kfzdaten"));
    const QList<QStringList> rows{{"Kennzeichen:", "HH X 77"},
                                  {"Erstzulassung:", "6/2020"},
                                  {"Hersteller:", "VW"},
                                  {"Typ:", "Passat"},
                                  {"Kmstand:", "39000"},
                                  {"Abgasnorm:", "Euro6"},
                                  {"KW:", "110"},
                                  {"PS:", "150"},
                                  {"Kraftstoffart:", "Super E10"},
                                  {"Neupreis inkl. Extras:", "30000 €"},
                                  {"Zustand Technik:", ""},
                                  {"Zustand Optik:", "Topzustand"},
                                  {"Restwert:", "18823,53 €"}};
    QCOMPARE(sheet.rows, rows);
}

void TestResidualWindow::openedFromTheVehicleWindow()
{
    TestEnv env;
    TFormKfz vehicleWindow(env.context);
    TFormrestwert calculator(env.context);
    vehicleWindow.showRecord(passat());
    env.prompts.expectModal("TFormrestwert", [](QDialog& shown) {
        QCOMPARE(edit(shown, "EditKennzeichen")->text(), QString("HH X 77"));
        QCOMPARE(combo(shown, "ComboBox2")->currentText(), QString("Euro6"));
    });
    openResidualCalculator(env.context, vehicleWindow, calculator);
    QVERIFY_PROMPTS(env.prompts);
}

TARVO_TEST_MAIN(TestResidualWindow)
#include "test_residual_window.moc"
