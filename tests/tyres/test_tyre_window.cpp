// The tyre window through its widgets and files.

#include "common/text_file.h"
#include "test_env.h"
#include "tyres/tyre_openers.h"
#include "tyres/tyre_window.h"
#include "ui/vehicle_window.h"
#include "widget_access.h"

#include <QPrinter>
#include <QtTest>

namespace {

const QByteArray kEmptyFile = QByteArray(";;;;;;;\r\n").repeated(8);

QString label(QWidget& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Picks a position as the user does: into the selector, then the arrow keys.
void choose(QWidget& window, const char* selectorName, int position)
{
    QComboBox* selector = combo(window, selectorName);
    selector->setFocus(Qt::MouseFocusReason);
    while (selector->currentIndex() < position)
        QTest::keyClick(selector, Qt::Key_Down);
    while (selector->currentIndex() > position)
        QTest::keyClick(selector, Qt::Key_Up);
}

void typeInto(QWidget& window, const char* name, const QString& text)
{
    QLineEdit* box = edit(window, name);
    box->setFocus(Qt::MouseFocusReason);
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The tyre window of vehicle 1, shown, with the current km given.
struct Shown {
    TestEnv env;
    TFormReifen window{env.context};
    explicit Shown(const QString& currentKm = QString(), const QByteArray& tyreFile = QByteArray())
    {
        if (!tyreFile.isEmpty())
            env.writeData("Reifen1.csv", tyreFile);
        window.setVehicle("1", env.context.paths.dataDir);
        window.setCurrentKm(currentKm);
    }
    void show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
    }
};

const QByteArray kFiveLines = ansi("Conti;Eco;205;55;16;Alu;1.4.2022;10000\r\n"
                                   "Conti;Eco;205;55;16;Alu;1.4.2022;12000\r\n"
                                   "Conti;Eco;205;55;16;Alu;1.4.2022;14000;x;y\r\n"
                                   ";;;;;;;\r\n"
                                   "Nokian;WR;205;55;16;Stahl;1.10.2021;8000\r\n");

} // namespace

class TestTyreWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void savingAtOnceWritesEightEmptyTyres();
    void copyFillsTheWholeSet();
    void loadsAndShowsTyreOneWithItsMileage();
    void choosingAPositionStoresTheShownTyre();
    void mileageOnlyWithBothReadings();
    void mileageBoxRecomputesOnEntering();
    void letterKmShowTheIntegerErrorAndTheWindowOpens();
    void clearEmptiesTheBoxesOnly();
    void semicolonCannotBeTyped();
    void saveAsWritesElsewhereAndKeepsTheFile();
    void saveReportsAFailedWrite();
    void unreadableTyreFileIsReported();
    void openReplacesEverything();
    void writesBackInTheEncodingRead();
    void reopeningShowsPositionOne();
    void recordSheetRows();
    void printsToPdf();
    void helpAndEscape();
    void openers();
};

void TestTyreWindow::savingAtOnceWritesEightEmptyTyres()
{
    Shown s;
    s.env.prompts.expectModal("TFormReifen", [](QDialog& shown) { click(shown, "ButtonSave"); });
    s.env.prompts.execModal(s.window);
    QCOMPARE(s.env.readData("Reifen1.csv"), kEmptyFile);
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::copyFillsTheWholeSet()
{
    Shown s("25000");
    s.show();
    typeInto(s.window, "EditMarke", "Michelin");
    typeInto(s.window, "EditTyp", " Primacy ");
    typeInto(s.window, "EditKaufKm", "20000");
    combo(s.window, "ComboFelge")->setCurrentText("Alu");
    click(s.window, "ButtonCopy");
    trigger(s.window, "Speichern1");
    const QByteArray tyre = "Michelin;Primacy;;;;Alu;;20000\r\n";
    QCOMPARE(s.env.readData("Reifen1.csv"),
             tyre.repeated(4) + QByteArray(";;;;;;;\r\n").repeated(4));
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("5000"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::loadsAndShowsTyreOneWithItsMileage()
{
    Shown s("25000", kFiveLines);
    s.show();
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("Conti"));
    QCOMPARE(combo(s.window, "ComboFelge")->currentText(), QString("Alu"));
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("15000"));
    QCOMPARE(edit(s.window, "EditMarke2")->text(), QString("Nokian"));
    QCOMPARE(edit(s.window, "EditLauf2")->text(), QString("17000"));
    choose(s.window, "ComboBox1", 2);
    QCOMPARE(label(s.window, "LabelSreifen"), QString("Links hinten"));
    QCOMPARE(edit(s.window, "EditKaufKm")->text(), QString("14000"));
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("11000"));
    choose(s.window, "ComboBox2", 1);
    QCOMPARE(label(s.window, "LabelWreifen"), QString("Rechts vorn"));
    QCOMPARE(edit(s.window, "EditMarke2")->text(), QString());
    QCOMPARE(combo(s.window, "ComboFelge2")->currentText(), QString());
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::choosingAPositionStoresTheShownTyre()
{
    Shown s("25000", kFiveLines);
    s.show();
    choose(s.window, "ComboBox1", 3);
    typeInto(s.window, "EditMarke", "Pirelli");
    choose(s.window, "ComboBox1", 0);
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("Conti"));
    choose(s.window, "ComboBox1", 3);
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("Pirelli"));
    QCOMPARE(label(s.window, "LabelSreifen"), QString("Rechts hinten"));
    // Saving stores the tyre each set shows.
    typeInto(s.window, "EditDatum2", "2.10.2021");
    click(s.window, "ButtonSave");
    const QStringList lines = QString::fromLatin1(s.env.readData("Reifen1.csv")).split("\r\n");
    QCOMPARE(lines.at(3), QString("Pirelli;;;;;;;"));
    QCOMPARE(lines.at(4), QString("Nokian;WR;205;55;16;Stahl;2.10.2021;8000"));
    QCOMPARE(lines.size(), 9);
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::mileageOnlyWithBothReadings()
{
    Shown s(" ", kFiveLines);
    s.show();
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString());
    typeInto(s.window, "EditLauf", "123");
    choose(s.window, "ComboBox1", 1);
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString());
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::mileageBoxRecomputesOnEntering()
{
    Shown s("25000");
    s.show();
    typeInto(s.window, "EditKaufKm", "10000");
    typeInto(s.window, "EditLauf", "1");
    edit(s.window, "EditMarke")->setFocus(Qt::TabFocusReason);
    edit(s.window, "EditLauf")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("15000"));
    typeInto(s.window, "EditKaufKm", "30000");
    edit(s.window, "EditLauf")->setFocus(Qt::TabFocusReason);
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("-5000"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::letterKmShowTheIntegerErrorAndTheWindowOpens()
{
    Shown s("25000", ansi("A;;;;;;;zehn\r\n"));
    s.env.prompts.expectModal("TFormReifen", [&s](QDialog& shown) {
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        shown.activateWindow();
        QCOMPARE(edit(shown, "EditMarke")->text(), QString("A"));
        // The mileage box keeps what it had when entering fails.
        edit(shown, "EditLauf")->setText("7");
        s.env.prompts.expectMessage(MessageKind::Error, "''zehn'' ist kein gültiger Integer-Wert");
        edit(shown, "EditMarke")->setFocus(Qt::TabFocusReason);
        edit(shown, "EditLauf")->setFocus(Qt::TabFocusReason);
        QCOMPARE(edit(shown, "EditLauf")->text(), QString("7"));
        // Saving writes the file and leaves the mileage quietly as it is.
        click(shown, "ButtonSave");
        QCOMPARE(edit(shown, "EditLauf")->text(), QString("7"));
    });
    s.env.prompts.expectMessage(MessageKind::Error, "''zehn'' ist kein gültiger Integer-Wert");
    s.env.prompts.execModal(s.window);
    QVERIFY(s.env.readData("Reifen1.csv").startsWith("A;;;;;;;zehn\r\n;;;;;;;\r\n"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::clearEmptiesTheBoxesOnly()
{
    Shown s("25000", kFiveLines);
    s.show();
    click(s.window, "ButtonClear");
    for (const char* name : {"EditMarke", "EditTyp", "EditSize1", "EditSize2", "EditZoll",
                             "EditDatum", "EditKaufKm", "EditCurKm", "EditLauf"})
        QCOMPARE(edit(s.window, name)->text(), QString());
    QCOMPARE(combo(s.window, "ComboFelge")->currentText(), QString("Stahl"));
    QCOMPARE(edit(s.window, "EditMarke2")->text(), QString("Nokian"));
    // Choosing tyre 2 stores the cleared boxes into tyre 1 first.
    choose(s.window, "ComboBox1", 1);
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("Conti"));
    choose(s.window, "ComboBox1", 0);
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString());
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::semicolonCannotBeTyped()
{
    Shown s;
    s.show();
    typeInto(s.window, "EditMarke", "A;B");
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("AB"));
    QComboBox* rim = combo(s.window, "ComboFelge");
    rim->lineEdit()->selectAll();
    QTest::keyClicks(rim->lineEdit(), "Alu;");
    QCOMPARE(rim->currentText(), QString("Alu"));
}

void TestTyreWindow::saveAsWritesElsewhereAndKeepsTheFile()
{
    Shown s("", kFiveLines);
    s.show();
    typeInto(s.window, "EditMarke", "Pirelli");
    s.env.prompts.expectSaveFile(s.env.dataFile("kopie"));
    trigger(s.window, "SpeichernUnter1");
    QCOMPARE(s.env.prompts.lastDialogDir, s.env.dataFile("Reifen1.csv"));
    QVERIFY(s.env.readData("kopie.csv").startsWith("Pirelli;Eco;205;55;16;Alu;1.4.2022;10000\r\n"));
    QCOMPARE(s.env.readData("Reifen1.csv"), kFiveLines);
    QCOMPARE(s.window.tyreFile(), s.env.dataFile("Reifen1.csv"));
    s.env.prompts.expectSaveFile("");
    trigger(s.window, "SpeichernUnter1");
    click(s.window, "ButtonSave");
    QVERIFY(s.env.readData("Reifen1.csv").startsWith("Pirelli;"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::saveReportsAFailedWrite()
{
    Shown s;
    const QString folder = s.env.dataFile("missing/");
    s.window.setVehicle("1", folder);
    s.show();
    s.env.prompts.expectMessage(MessageKind::Warning,
                                "Fehler beim Speichern der Datei:" + folder + "Reifen1.csv");
    click(s.window, "ButtonSave");
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::unreadableTyreFileIsReported()
{
    Shown s;
    const QString path = s.env.dataFile("Reifen1.csv");
    QDir().mkpath(path);
    TextFile file;
    QString reason;
    QVERIFY(!readTextFile(path, file, &reason));
    s.env.prompts.expectMessage(
        MessageKind::Error, QString("Datei %1 kann nicht geöffnet werden. %2").arg(path, reason));
    s.show();
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString());
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::openReplacesEverything()
{
    Shown s("25000", kFiveLines);
    s.show();
    choose(s.window, "ComboBox1", 2);
    s.env.writeData("other.csv", "O1;;;;;;;1\r\nO2\r\nO3\r\n");
    s.env.prompts.expectOpenFile(s.env.dataFile("other.csv"));
    trigger(s.window, "Oeffnen1");
    QCOMPARE(s.env.prompts.lastDialogDir, s.env.context.paths.dataDir);
    QCOMPARE(combo(s.window, "ComboBox1")->currentIndex(), 0);
    QCOMPARE(label(s.window, "LabelSreifen"), QString("Links vorn"));
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("O1"));
    QCOMPARE(edit(s.window, "EditLauf")->text(), QString("24999"));
    QCOMPARE(edit(s.window, "EditMarke2")->text(), QString());
    choose(s.window, "ComboBox1", 2);
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("O3"));
    // "Speichern" now writes the opened file.
    click(s.window, "ButtonSave");
    QVERIFY(s.env.readData("other.csv").startsWith("O1;;;;;;;1\r\nO2;;;;;;;\r\nO3;;;;;;;\r\n"));
    QCOMPARE(s.env.readData("Reifen1.csv"), kFiveLines);
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::writesBackInTheEncodingRead()
{
    Shown s("", "\xEF\xBB\xBF"
                "Kr\xC3\xA4mer;;;;;;;\n");
    s.show();
    QCOMPARE(edit(s.window, "EditMarke")->text(), QString("Krämer"));
    click(s.window, "ButtonSave");
    QVERIFY(s.env.readData("Reifen1.csv")
                .startsWith("\xEF\xBB\xBF"
                            "Kr\xC3\xA4mer;;;;;;;\r\n"));

    // A vehicle without a tyre file gets a Windows-1252 one.
    s.window.hide();
    s.window.setVehicle("2", s.env.context.paths.dataDir);
    s.show();
    edit(s.window, "EditMarke")->setText("Krämer");
    click(s.window, "ButtonSave");
    QVERIFY(s.env.readData("Reifen2.csv").startsWith("Kr\xE4mer;;;;;;;\r\n"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::reopeningShowsPositionOne()
{
    Shown s("25000", kFiveLines);
    s.env.prompts.expectModal("TFormReifen", [](QDialog& shown) {
        choose(shown, "ComboBox1", 3);
        choose(shown, "ComboBox2", 2);
        typeInto(shown, "EditMarke", "nicht gespeichert");
    });
    s.env.prompts.expectModal("TFormReifen", [](QDialog& shown) {
        QCOMPARE(combo(shown, "ComboBox1")->currentText(), QString("1"));
        QCOMPARE(combo(shown, "ComboBox2")->currentText(), QString("1"));
        QCOMPARE(label(shown, "LabelSreifen"), QString("Links vorn"));
        QCOMPARE(label(shown, "LabelWreifen"), QString("Links vorn"));
        QCOMPARE(edit(shown, "EditMarke")->text(), QString("Conti"));
        QCOMPARE(edit(shown, "EditCurKm")->text(), QString("25000"));
    });
    s.env.prompts.execModal(s.window);
    s.env.prompts.execModal(s.window);
    QCOMPARE(s.env.readData("Reifen1.csv"), kFiveLines);
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::recordSheetRows()
{
    Shown s("25000", kFiveLines);
    s.show();
    const RecordSheet sheet = s.window.recordSheet();
    QCOMPARE(sheet.title, QString("Reifendaten"));
    QVERIFY(sheet.separatorLines);
    const QList<QStringList> rows{
        {"Hersteller", "Conti", "Nokian"},      {"Typ", "Eco", "WR"},
        {"Reifengrösse", "205/55", "205/55"},   {"Felge", "16\" Alu", "16\" Stahl"},
        {"Kaufdatum", "1.4.2022", "1.10.2021"}, {"Kmstand bei Kauf", "10000", "8000"},
        {"Akt. Kmstand", "25000", "25000"},     {"Laufleistung", "15000", "17000"}};
    QCOMPARE(sheet.rows, rows);
}

void TestTyreWindow::printsToPdf()
{
    Shown s("25000", kFiveLines);
    s.show();
    const QString pdf = s.env.dataFile("reifen.pdf");
    s.env.prompts.expectPrinter(true, [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    trigger(s.window, "Drucken1");
    QVERIFY(readFileBytes(pdf).startsWith("%PDF"));
    QVERIFY_PROMPTS(s.env.prompts);
}

void TestTyreWindow::helpAndEscape()
{
    Shown s;
    s.show();
    QTest::keyClick(edit(s.window, "EditMarke"), Qt::Key_F1);
    trigger(s.window, "Inhalt1");
    QCOMPARE(s.env.prompts.helpTopics, (QList<int>{140, 120}));
    QTest::keyClick(edit(s.window, "EditMarke"), Qt::Key_Escape);
    QVERIFY(!s.window.isVisible());
    QCOMPARE(s.window.findChild<QAbstractButton*>("ButtonCopy")->toolTip(),
             QString("Daten für gesamten Reifensatz übernehmen"));
    QCOMPARE(s.window.findChild<QAbstractButton*>("ButtonClear2")->toolTip(), QString("Löschen"));
}

void TestTyreWindow::openers()
{
    TestEnv env;
    TFormReifen window(env.context);
    TFormKfz vehicleWindow(env.context);
    KfzRecord vehicle;
    vehicle[KfzField::KfzNr] = " 3 ";
    vehicle[KfzField::AktuellerKm] = "25000";
    vehicleWindow.showRecord(vehicle);
    env.writeData("Reifen3.csv", "V;;;;;;;5000\r\n");
    auto expectShown = [&env](const QString& marke, const QString& curKm) {
        env.prompts.expectModal("TFormReifen", [marke, curKm](QDialog& shown) {
            QCOMPARE(edit(shown, "EditMarke")->text(), marke);
            QCOMPARE(edit(shown, "EditCurKm")->text(), curKm);
            QCOMPARE(edit(shown, "EditCurKm2")->text(), curKm);
        });
    };
    expectShown("V", "25000");
    openTyresFromVehicleWindow(env.context, vehicleWindow, window);
    QCOMPARE(window.tyreFile(), env.dataFile("Reifen3.csv"));

    expectShown("V", "26000");
    openTyresFromBookings(env.context, window, " 3", env.context.paths.dataDir, 26000);
    expectShown("", "26000");
    openTyresFromBookings(env.context, window, "4", env.context.paths.dataDir, 0);
    QCOMPARE(window.tyreFile(), env.dataFile("Reifen4.csv"));

    expectShown("V", "27500");
    openTyresFromEvaluation(env.context, window, "3 ", 27500, env.context.paths.dataDir);
    QVERIFY_PROMPTS(env.prompts);
}

TARVO_TEST_MAIN(TestTyreWindow)
#include "test_tyre_window.moc"
