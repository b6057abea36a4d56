#include "store/vehicle_file.h"
#include "test_env.h"
#include "ui/inspection_colour.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// A vehicle line with the given plate and number and otherwise plausible fields.
QString vehicleLine(const QString& plate, int nr, const QString& km = QStringLiteral("1000"))
{
    return QStringLiteral("%1;03;0603;VW;Euro "
                          "5;05/2027;Grün;%3;9000;%2;AYM;%3;Golf;2012;119;77;105;Diesel;1598")
        .arg(plate)
        .arg(nr)
        .arg(km);
}

QByteArray vehicleFile(const QStringList& lines)
{
    return ansi(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// The vehicle window on a fresh data folder, started as the program starts it.
struct Fixture {
    explicit Fixture(const QStringList& lines = {})
    {
        if (!lines.isEmpty())
            env.writeData(QStringLiteral("Kfz.csv"), vehicleFile(lines));
        window.startRun();
        window.loadVehicles();
    }
    QLineEdit* edit(const char* name) { return window.findChild<QLineEdit*>(QLatin1String(name)); }
    void trigger(const char* name) { window.action(QLatin1String(name))->trigger(); }
    QStringList fileLines() const
    {
        return QString::fromLatin1(env.readData(QStringLiteral("Kfz.csv")))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    void type(const char* name, const QString& text)
    {
        QLineEdit* e = edit(name);
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    TestEnv env;
    TFormKfz window{env.context};
};

} // namespace

class TestVehicleWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseLine_data();
    void parseLine();
    void inspectionColour_data();
    void inspectionColour();
    void firstStartShowsNumberOneAndSaveCreatesFile();
    void startKmFollowsCorrections();
    void newNumbersFollowLastLine_data();
    void newNumbersFollowLastLine();
    void newRefusesEleventhVehicle();
    void deleteRetiresBookingFiles();
    void deletingOnlyVehicleCreatesFreshOne();
    void steppingAsksToSaveUntilSaved();
    void steppingAtEndsShowsMessages();
    void choiceFieldsDoNotMarkChanged();
    void powerConversionOnFocus_data();
    void powerConversionOnFocus();
    void powerConversionRejectsText();
    void kmTextThatIsNoNumberStopsSave();
    void semicolonIsRefused();
    void enterMovesFocus();
    void serviceColour();
    void readOnlyModeWritesNothing();
    void exitAsksBeforeClosing_data();
    void exitAsksBeforeClosing();
    void garbageFileLoads();
    void helpShowsTopic70();
};

void TestVehicleWindow::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("plate");
    QTest::addColumn<QString>("kfzNr");
    QTest::addColumn<QString>("hubraum");
    QTest::addColumn<QString>("formatted");
    const QString full = vehicleLine(QStringLiteral("M-AB 1"), 4);
    QTest::newRow("19 fields") << full << "M-AB 1"
                               << "4"
                               << "1598" << full;
    QTest::newRow("15 fields of an older file")
        << "A;1;2;VW;Euro 4;05/2025;Rot;100;200;7;x;50;Golf;2001;140"
        << "A"
        << "7"
        << ""
        << "A;1;2;VW;Euro 4;05/2025;Rot;100;200;7;x;50;Golf;2001;140;;;;";
    QTest::newRow("21 fields lose the surplus") << full + ";extra;more"
                                                << "M-AB 1"
                                                << "4"
                                                << "1598" << full;
    QTest::newRow("empty number becomes 1") << "B;;;;;;;;;"
                                            << "B"
                                            << "1"
                                            << ""
                                            << "B;;;;;;;;;1;;;;;;;;;";
    QTest::newRow("plate A;B shifts the fields") << "A;B;03"
                                                 << "A"
                                                 << "1"
                                                 << ""
                                                 << "A;B;03;;;;;;;1;;;;;;;;;";
    QTest::newRow("blanks are trimmed on saving") << " C ;  12 "
                                                  << " C "
                                                  << "1"
                                                  << ""
                                                  << "C;12;;;;;;;;1;;;;;;;;;";
}

void TestVehicleWindow::parseLine()
{
    QFETCH(QString, line);
    QFETCH(QString, plate);
    QFETCH(QString, kfzNr);
    QFETCH(QString, hubraum);
    QFETCH(QString, formatted);
    const KfzRecord record = parseVehicleLine(line);
    QCOMPARE(record[Kennzeichen], plate);
    QCOMPARE(record[KfzNr], kfzNr);
    QCOMPARE(record[Hubraum], hubraum);
    QCOMPARE(formatVehicleLine(record), formatted);
}

void TestVehicleWindow::inspectionColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("due");
    QTest::newRow("next month") << "04/2024" << 2024 << 3 << true;
    QTest::newRow("short form this month") << "3.24" << 2024 << 3 << true;
    QTest::newRow("two months ahead") << "05/2024" << 2024 << 3 << false;
    QTest::newRow("last year") << "12/2023" << 2024 << 3 << true;
    QTest::newRow("next year") << "01/2025" << 2024 << 3 << false;
    QTest::newRow("year alone") << "2024" << 2024 << 3 << false;
    QTest::newRow("month 0") << "00/2024" << 2024 << 3 << false;
    QTest::newRow("blanks around, May") << "  5/25 " << 2025 << 5 << true;
    QTest::newRow("April") << "5/25" << 2025 << 4 << true;
    QTest::newRow("March") << "5/25" << 2025 << 3 << false;
    QTest::newRow("December from November") << "12/2024" << 2024 << 11 << true;
    QTest::newRow("empty") << "" << 2024 << 3 << false;
    QTest::newRow("no number") << "bald" << 2024 << 3 << false;
}

void TestVehicleWindow::inspectionColour()
{
    QFETCH(QString, text);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(bool, due);
    QCOMPARE(inspectionDue(text, year, month), due);
}

void TestVehicleWindow::firstStartShowsNumberOneAndSaveCreatesFile()
{
    Fixture f;
    QCOMPARE(f.edit("EditKfzNr")->text(), QStringLiteral("1"));
    QCOMPARE(f.edit("EditJahr")->text(), QStringLiteral("2000"));
    QVERIFY(!QFile::exists(f.env.dataFile(QStringLiteral("Kfz.csv"))));
    f.type("EditKennzeichen", QStringLiteral("HH-XY 42"));
    f.type("EditKmStand", QStringLiteral("5000"));
    f.trigger("ToolSave");
    QCOMPARE(f.env.readData(QStringLiteral("Kfz.csv")),
             ansi(QStringLiteral("HH-XY 42;;;;;;;5000;;1;;5000;;2000;;;;;\r\n")));
    QVERIFY(!f.window.dataChanged());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::startKmFollowsCorrections()
{
    Fixture f;
    f.type("EditKmStand", QStringLiteral("5000"));
    f.trigger("ToolSave");
    QCOMPARE(f.window.fieldText(StartKm), QStringLiteral("5000"));
    f.type("EditKmStand", QStringLiteral("7000"));
    f.trigger("ToolSave");
    QCOMPARE(f.window.fieldText(StartKm), QStringLiteral("5000"));
    f.type("EditKmStand", QStringLiteral("4000"));
    f.trigger("ToolSave");
    QCOMPARE(f.window.fieldText(StartKm), QStringLiteral("4000"));
    QCOMPARE(f.fileLines().value(0).split(u';').value(11), QStringLiteral("4000"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::newNumbersFollowLastLine_data()
{
    QTest::addColumn<int>("deleteIndex");
    QTest::addColumn<QString>("expectedNumbers");
    QTest::newRow("last vehicle deleted: its number is free again") << 2 << "1,2,3";
    QTest::newRow("middle vehicle deleted: gap stays") << 1 << "1,3,4";
}

void TestVehicleWindow::newNumbersFollowLastLine()
{
    QFETCH(int, deleteIndex);
    QFETCH(QString, expectedNumbers);
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1), vehicleLine(QStringLiteral("A-2"), 2),
               vehicleLine(QStringLiteral("A-3"), 3)});
    for (int i = 0; i < deleteIndex; ++i)
        f.trigger("ToolForward");
    f.env.prompts.expectMessage(MessageKind::Warning,
                                QStringLiteral("Fahrzeug wirklich löschen? Auf Buchungsdaten kann "
                                               "nicht mehr zugegriffen werden!"),
                                Answer::Yes);
    f.trigger("ToolDelete");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("A-1"));
    f.trigger("ToolNew");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("N-EU 111"));
    QStringList numbers;
    for (const QString& line : f.fileLines())
        numbers << line.split(u';').value(9);
    QCOMPARE(numbers.join(u','), expectedNumbers);
    QCOMPARE(f.window.vehicles().currentIndex(), 2);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::newRefusesEleventhVehicle()
{
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << vehicleLine(QStringLiteral("K-%1").arg(i), i);
    Fixture f(lines);
    const QByteArray before = f.env.readData(QStringLiteral("Kfz.csv"));
    f.env.prompts.expectMessage(MessageKind::Plain,
                                QStringLiteral("Limit von 10 Fahrzeugen erreicht. "));
    f.trigger("ActionDatenNeu");
    QCOMPARE(f.env.readData(QStringLiteral("Kfz.csv")), before);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::deleteRetiresBookingFiles()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1), vehicleLine(QStringLiteral("A-2"), 12)});
    for (const char* name :
         {"Buch2023Kfz12.csv", "BUCH2024KFZ12.CSV", "Buch2024Kfz1.csv", "Buch2024Kfz112.csv",
          "Reifen12.csv", "Old_Buch2022Kfz12.csv", "Buch2022Kfz12.csv"})
        f.env.writeData(QLatin1String(name), "x");
    f.trigger("ToolLast");
    f.env.prompts.expectMessage(MessageKind::Warning,
                                QStringLiteral("Fahrzeug wirklich löschen? Auf Buchungsdaten kann "
                                               "nicht mehr zugegriffen werden!"),
                                Answer::No);
    f.trigger("ToolDelete");
    QCOMPARE(f.fileLines().size(), 2);
    f.env.prompts.expectMessage(MessageKind::Warning,
                                QStringLiteral("Fahrzeug wirklich löschen? Auf Buchungsdaten kann "
                                               "nicht mehr zugegriffen werden!"),
                                Answer::Yes);
    f.trigger("ToolDelete");
    QDir dir(f.env.context.paths.dataDir);
    QStringList names = dir.entryList(QDir::Files, QDir::Name);
    QCOMPARE(names, QStringList({"Buch2022Kfz12.csv", "Buch2024Kfz1.csv", "Buch2024Kfz112.csv",
                                 "Kfz.csv", "Old_BUCH2024KFZ12.CSV", "Old_Buch2022Kfz12.csv",
                                 "Old_Buch2023Kfz12.csv", "Reifen12.csv"}));
    QCOMPARE(f.fileLines(), QStringList{vehicleLine(QStringLiteral("A-1"), 1)});
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::deletingOnlyVehicleCreatesFreshOne()
{
    Fixture f({vehicleLine(QStringLiteral("A-7"), 7)});
    f.env.prompts.expectMessage(MessageKind::Warning,
                                QStringLiteral("Fahrzeug wirklich löschen? Auf Buchungsdaten kann "
                                               "nicht mehr zugegriffen werden!"),
                                Answer::Yes);
    f.trigger("ToolDelete");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("N-EU 111"));
    QCOMPARE(f.edit("EditKfzNr")->text(), QStringLiteral("8"));
    QCOMPARE(f.fileLines(), QStringList{QStringLiteral("N-EU 111;;;;;;;0;;8;;0;;;;;;;")});
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::steppingAsksToSaveUntilSaved()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1), vehicleLine(QStringLiteral("A-2"), 2)});
    f.type("EditHersteller", QStringLiteral("Opel"));
    QVERIFY(f.window.dataChanged());
    f.env.prompts.expectMessage(MessageKind::Confirmation,
                                QStringLiteral("Geänderte Daten speichern?"), Answer::No);
    f.trigger("ToolForward");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("A-2"));
    QCOMPARE(f.edit("EditHersteller")->text(), QStringLiteral("VW"));
    f.env.prompts.expectMessage(MessageKind::Confirmation,
                                QStringLiteral("Geänderte Daten speichern?"), Answer::Yes);
    f.trigger("ToolFirst");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("A-1"));
    f.trigger("ToolLast");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("A-2"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::steppingAtEndsShowsMessages()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1), vehicleLine(QStringLiteral("A-2"), 2)});
    f.env.prompts.expectMessage(MessageKind::Information, QStringLiteral("Erster Datensatz"),
                                Answer::Ok, QStringLiteral("Tarvolo"));
    f.trigger("ToolBack");
    f.trigger("ToolLast");
    f.edit("EditKennzeichen")->setText(QStringLiteral("typed but not saved"));
    f.env.prompts.expectMessage(MessageKind::Information, QStringLiteral("Letzter Datensatz!"),
                                Answer::Ok, QStringLiteral("Tarvolo"));
    f.trigger("ToolForward");
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("A-2"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::choiceFieldsDoNotMarkChanged()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1), vehicleLine(QStringLiteral("A-2"), 2)});
    auto* combo = f.window.findChild<QComboBox*>(QStringLiteral("ComboAbgasnorm"));
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), QStringLiteral("Euro 6"));
    QTest::keyClicks(f.edit("MaskEditHubraum"), QStringLiteral("9"));
    QVERIFY(!f.window.dataChanged());
    f.trigger("ToolForward");
    f.trigger("ToolFirst");
    QCOMPARE(combo->currentText(), QStringLiteral("Euro 5"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::powerConversionOnFocus_data()
{
    QTest::addColumn<QString>("kw");
    QTest::addColumn<QString>("ps");
    QTest::addColumn<bool>("enterKw");
    QTest::addColumn<QString>("expected");
    QTest::newRow("100 PS into kW") << ""
                                    << "100" << true << "74";
    QTest::newRow("150 PS overwrites a typed kW") << "90"
                                                  << "150" << true << "110";
    QTest::newRow("75 kW into PS") << "75"
                                   << "" << false << "102";
    QTest::newRow("110 kW into PS") << "110"
                                    << "" << false << "150";
    QTest::newRow("0 kW gives 0 PS") << "0"
                                     << "" << false << "0";
    QTest::newRow("blank source keeps target") << ""
                                               << "55" << false << "55";
}

void TestVehicleWindow::powerConversionOnFocus()
{
    QFETCH(QString, kw);
    QFETCH(QString, ps);
    QFETCH(bool, enterKw);
    QFETCH(QString, expected);
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.edit("EditKW")->setText(kw);
    f.edit("EditPS")->setText(ps);
    f.edit("EditKennzeichen")->setFocus();
    QLineEdit* target = f.edit(enterKw ? "EditKW" : "EditPS");
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(target->text(), expected);
    QVERIFY(!f.window.dataChanged());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::powerConversionRejectsText()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.edit("EditPS")->setText(QStringLiteral("viel"));
    f.edit("EditKW")->setText(QStringLiteral("80"));
    f.env.prompts.expectMessage(MessageKind::Error,
                                QStringLiteral("'viel' ist kein gültiger Gleitkommawert"));
    f.edit("EditKW")->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.edit("EditKW")->text(), QStringLiteral("80"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::kmTextThatIsNoNumberStopsSave()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1)});
    const QByteArray before = f.env.readData(QStringLiteral("Kfz.csv"));
    f.type("EditKmStand", QStringLiteral("12,5 km"));
    f.env.prompts.expectMessage(MessageKind::Error,
                                QStringLiteral("''12,5'' ist kein gültiger Integer-Wert"));
    f.trigger("ToolSave");
    QCOMPARE(f.env.readData(QStringLiteral("Kfz.csv")), before);
    QVERIFY(f.window.dataChanged());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::semicolonIsRefused()
{
    Fixture f;
    f.type("EditKennzeichen", QStringLiteral("A;B"));
    QCOMPARE(f.edit("EditKennzeichen")->text(), QStringLiteral("AB"));
    auto* fuel = f.window.findChild<QComboBox*>(QStringLiteral("ComboFuel"));
    QTest::keyClicks(fuel->lineEdit(), QStringLiteral("Gas;Benzin"));
    QCOMPARE(fuel->currentText(), QStringLiteral("GasBenzin"));
    f.trigger("ToolSave");
    QCOMPARE(f.fileLines().value(0).count(u';'), 18);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::enterMovesFocus()
{
    Fixture f;
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.window.activateWindow();
    const QStringList chain = {
        "EditKennzeichen", "EditMonat",      "EditJahr",    "EditSchlNr21",
        "EditSchlNr22",    "EditHersteller", "EditTyp",     "EditKW",
        "EditPS",          "ComboAbgasnorm", "EditCO2",     "EditHU",
        "ComboPlakette",   "EditKmStand",    "EditWartung", "EditKennzeichen"};
    f.edit("EditKennzeichen")->setFocus();
    for (int i = 1; i < chain.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* focus = QApplication::focusWidget();
        if (focus && qobject_cast<QComboBox*>(focus->parentWidget()))
            focus = focus->parentWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), chain[i]);
    }
    f.window.findChild<QComboBox*>(QStringLiteral("ComboFuel"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("EditKmStand"));
}

void TestVehicleWindow::serviceColour()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1, QStringLiteral("9500"))});
    QCOMPARE(f.edit("EditWartung")->palette().color(QPalette::Text), QColor(Qt::red));
    f.type("EditWartung", QStringLiteral("12.000"));
    f.trigger("ToolSave");
    QVERIFY(f.edit("EditWartung")->palette().color(QPalette::Text) != QColor(Qt::red));
    f.edit("EditWartung")->clear();
    f.trigger("ToolSave");
    QCOMPARE(f.fileLines().value(0).split(u';').value(8), QString());
    QCOMPARE(f.edit("EditWartung")->text(), QStringLiteral("0"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::readOnlyModeWritesNothing()
{
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1)});
    const QByteArray before = f.env.readData(QStringLiteral("Kfz.csv"));
    f.window.setReadOnlyMode(true);
    for (const char* name : {"ToolNew", "ToolSave", "ToolDelete", "ActionBuchenNeu"})
        QVERIFY2(!f.window.action(QLatin1String(name))->isEnabled(), name);
    f.type("EditHersteller", QStringLiteral("Opel"));
    f.env.prompts.expectMessage(
        MessageKind::Warning,
        QStringLiteral("Datei in Verwendung. Bitte warten oder Datei freigeben!"));
    f.trigger("ActionDatenSpeichern");
    f.env.prompts.expectMessage(
        MessageKind::Warning,
        QStringLiteral("Datei in Verwendung. Bitte warten oder Datei freigeben!"));
    f.trigger("ActionDatenNeu");
    QVERIFY(!f.window.saveVehicle());
    QCOMPARE(f.env.readData(QStringLiteral("Kfz.csv")), before);
    f.window.setReadOnlyMode(false);
    QVERIFY(f.window.action(QStringLiteral("ToolSave"))->isEnabled());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::exitAsksBeforeClosing_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("savedMaker");
    QTest::newRow("nothing typed: no question") << false << int(Answer::Ok) << "VW";
    QTest::newRow("typed, Yes saves") << true << int(Answer::Yes) << "Opel";
    QTest::newRow("typed, No loses it") << true << int(Answer::No) << "VW";
}

void TestVehicleWindow::exitAsksBeforeClosing()
{
    QFETCH(bool, typed);
    QFETCH(int, answer);
    QFETCH(QString, savedMaker);
    Fixture f({vehicleLine(QStringLiteral("A-1"), 1)});
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    if (typed) {
        f.type("EditHersteller", QStringLiteral("Opel"));
        f.env.prompts.expectMessage(MessageKind::Confirmation,
                                    QStringLiteral("Daten vor dem Beenden speichern?"),
                                    Answer(answer));
    }
    f.trigger("ActionBeenden");
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.fileLines().value(0).split(u';').value(3), savedMaker);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleWindow::garbageFileLoads()
{
    TestEnv env;
    QByteArray garbage("\x00\x01\xff\xfe;;\r\n\r\n\r\n", 11);
    garbage += QByteArray(999, ';') + "\r\nM-\xC4\xD6 1;03\nlast line without end";
    env.writeData(QStringLiteral("Kfz.csv"), garbage);
    TFormKfz window(env.context);
    window.startRun();
    window.loadVehicles();
    QCOMPARE(window.vehicles().count(), 6);
    window.lastVehicle();
    QCOMPARE(window.fieldText(Kennzeichen), QStringLiteral("last line without end"));
    window.previousVehicle();
    QCOMPARE(window.fieldText(Kennzeichen), QStringLiteral("M-ÄÖ 1"));

    env.writeData(QStringLiteral("Kfz.csv"), "\xEF\xBB\xBFM-\xC3\x9C 5;04\r\n");
    window.firstVehicle();
    QCOMPARE(window.fieldText(Kennzeichen), QStringLiteral("M-Ü 5"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestVehicleWindow::helpShowsTopic70()
{
    Fixture f;
    f.trigger("ActionHilfeInhalt");
    QTest::keyClick(f.edit("EditKennzeichen"), Qt::Key_F1);
    QCOMPARE(f.env.prompts.helpTopics, QList<int>({70, 70}));
}

TARVO_TEST_MAIN(TestVehicleWindow)
#include "test_vehicle_window.moc"
