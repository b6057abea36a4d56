#include "evaluation/evaluation_opener.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/grid_look.h"
#include "test_env.h"
#include "test_suites.h"
#include "ui/vehicle_window.h"

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

namespace {

const QStringList kFigureBoxes{"EditDiffKm",     "EditKostenKm", "EditVerbrauch",
                               "EditLiterpreis", "EditLiterMax", "EditCO2"};

QString booking(const QString& date, const QString& category, const QString& amount,
                const QString& litres, int km, int previousKm)
{
    return QStringList{"3",
                       "AB-C 123",
                       date,
                       category,
                       amount,
                       category,
                       "1",
                       litres,
                       QString::number(km),
                       QString::number(previousKm)}
        .join(u';');
}

QByteArray lines(const QStringList& texts)
{
    QByteArray bytes;
    for (const QString& text : texts)
        bytes += ansi(text) + "\r\n";
    return bytes;
}

QString vehicleLine(const QString& plate, const QString& kfzNr, const QString& co2)
{
    QStringList fields(19);
    fields[0] = plate;
    fields[9] = kfzNr;
    fields[14] = co2;
    return fields.join(u';');
}

// A window set up the way the main window opens it, for vehicle 3.
struct Fixture {
    explicit Fixture(const QString& co2 = QString())
    {
        window.FKennzeich = QStringLiteral("AB-C 123");
        window.FNr = QStringLiteral("3");
        window.DatenDir = env.context.paths.dataDir;
        window.CO2 = co2;
    }
    ~Fixture() { window.close(); }

    QString text(const char* objectName) const
    {
        return window.findChild<QLineEdit*>(objectName)->text();
    }
    QStringList figures() const
    {
        QStringList texts;
        for (const QString& name : kFigureBoxes)
            texts << text(qPrintable(name));
        return texts;
    }
    QString label() const { return window.findChild<QLabel*>("Label1")->text(); }
    QString unit() const { return window.findChild<QLabel*>("LabelCO2")->text(); }
    QTableWidget* grid() const { return window.findChild<QTableWidget*>("StringGrid1"); }
    QString cell(int column, int row) const { return grid()->item(row, column)->text(); }
    bool tyresEnabled() const { return window.action("ActionReifen")->isEnabled(); }
    void trigger(const char* objectName) { window.action(objectName)->trigger(); }
    // Picks a year in the year chooser, or cancels it when `year` is empty.
    void expectYearChooser(const QString& year)
    {
        env.prompts.expectModal("TFormJahre", [year](QDialog& chooser) {
            if (year.isEmpty()) {
                chooser.findChild<QPushButton*>("ButtonCancel")->click();
                return;
            }
            auto* list = chooser.findChild<QListWidget*>("ListBoxJahre");
            const QList<QListWidgetItem*> found = list->findItems(year, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            list->setCurrentItem(found.first());
            chooser.findChild<QPushButton*>("ButtonOpen")->click();
        });
    }

    TestEnv env;
    TFormAuswertung window{env.context};
};

void verifyAllValueCells(const Fixture& f, const QString& text)
{
    for (int column = 1; column < kGridSize; ++column)
        for (int row = 1; row < kGridSize; ++row)
            QCOMPARE(f.cell(column, row), text);
}

const QStringList kNoFigures{"", "", "", "", "", ""};

} // namespace

class TestEvaluationWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensOnCurrentYearWithoutBookings();
    void vehicleWindowOpensItForTheVehicleShown();
    void opensWithTheVehiclesBookings();
    void badBookingShowsMessageAndWindowStays();
    void loadYearCancelledChangesNothing();
    void loadYearShowsOnlyThatYear();
    void fleetWithoutFiles();
    void fleetOverThreeFilesThenBackToOwnVehicle();
    void fleetStopsAtBadBooking();
    void reopeningAfterFleetShowsVehicleAgain();
    void tyreWindowGetsVehicleAndReading();
    void exportOfFreshEvaluationByteForByte();
    void exportWritesFiguresAsShown();
    void exportCancelledWritesNothing();
    void exportToMissingFolderShowsMessage();
    void resizeSpreadsColumnsAndRows();
    void cellLook_data();
    void cellLook();
    void gridDrawsTotalsNavyWithMaroonMarks();
    void menuOrderAndHelp();
    void printCancelledPrintsNothing();
    void printToPdfGivesOneLandscapePage();
};

void TestEvaluationWindow::opensOnCurrentYearWithoutBookings()
{
    Fixture f(QStringLiteral("150"));
    f.env.prompts.expectModal("TFormAuswertung", [&f](QDialog&) {
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Auswertung"));
        QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("AB-C 123"));
        QCOMPARE(f.text("EditJahr"), QStringLiteral("2024"));
        QCOMPARE(f.label(), QStringLiteral("Fahzeug"));
        verifyAllValueCells(f, QStringLiteral("0,00"));
        QCOMPARE(f.figures(), kNoFigures);
        QCOMPARE(f.unit(), QStringLiteral("g"));
        QCOMPARE(f.cell(0, 0), QStringLiteral("Kosten/Monat"));
        QCOMPARE(f.cell(13, 0), QStringLiteral("  Total"));
        QCOMPARE(f.cell(0, 2), QStringLiteral(" Betriebsstoffe"));
        QCOMPARE(f.window.size(), QSize(795, 450));
        QCOMPARE(f.grid()->columnWidth(0), 90);
        QCOMPARE(f.grid()->columnWidth(1), 50);
        QCOMPARE(f.grid()->columnWidth(13), 50);
        QCOMPARE(f.grid()->rowHeight(7), 20);
        QVERIFY(f.grid()->selectedItems().isEmpty());
        QVERIFY(!f.tyresEnabled());
        for (const QString& name : kFigureBoxes + QStringList{"EditKennzeichen", "EditJahr"}) {
            auto* box = f.window.findChild<QLineEdit*>(name);
            QVERIFY(box->isReadOnly());
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(name));
        }
    });
    f.env.prompts.execModal(f.window);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::vehicleWindowOpensItForTheVehicleShown()
{
    TestEnv env;
    TFormKfz vehicles(env.context);
    vehicles.setFieldText(Kennzeichen, QStringLiteral("M-XY 77"));
    vehicles.setFieldText(KfzNr, QStringLiteral("4"));
    vehicles.setFieldText(CO2Emission, QStringLiteral("110"));
    env.writeData("Buch2024Kfz4.csv",
                  lines({booking("10.01.2024", "Wartung", "80,00", "", 20100, 20000)}));
    TFormAuswertung window(env.context);
    env.prompts.expectModal("TFormAuswertung", [&window, &env](QDialog&) {
        QCOMPARE(window.findChild<QLineEdit*>("EditKennzeichen")->text(),
                 QStringLiteral("M-XY 77"));
        QCOMPARE(window.DatenDir, env.context.paths.dataDir);
        QCOMPARE(window.findChild<QLineEdit*>("EditDiffKm")->text(), QStringLiteral("100"));
        QCOMPARE(window.findChild<QLineEdit*>("EditCO2")->text(), QStringLiteral("11,0"));
        QCOMPARE(window.findChild<QLabel*>("LabelCO2")->text(), QStringLiteral("kg"));
    });
    openEvaluationWindow(env.context, window, vehicles);
    QVERIFY_PROMPTS(env.prompts);
}

void TestEvaluationWindow::opensWithTheVehiclesBookings()
{
    Fixture f(QStringLiteral("150"));
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Kraftstoff", "60,00", "40,0", 10600, 10000),
                           booking("10.02.2024", "Kraftstoff", "50,00", "35,0", 11000, 10600),
                           booking("", "Wartung", "120,00", "", 11000, 11000)}));
    f.env.writeData("Buch2023Kfz3.csv",
                    lines({booking("10.01.2023", "Steuer", "99,00", "", 9000, 8000)}));
    f.window.show();
    QCOMPARE(f.cell(1, 1), QStringLiteral("60,00"));
    QCOMPARE(f.cell(2, 4), QStringLiteral("120,00"));
    QCOMPARE(f.cell(13, 13), QStringLiteral("230,00"));
    QCOMPARE(f.cell(1, 7), QStringLiteral("0,00"));
    QCOMPARE(f.figures(), (QStringList{"1000", "0,23", "7,5", "1,47", "75,0", "150,0"}));
    QCOMPARE(f.unit(), QStringLiteral("kg"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::badBookingShowsMessageAndWindowStays()
{
    Fixture f;
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Kraftstoff", "60,00", "40,0", 10600, 10000),
                           "3;AB-C 123;11.01.2024;Wartung;12,3x;Wartung;2;;10600;10600"}));
    f.env.prompts.expectMessage(MessageKind::Error,
                                QStringLiteral("'12,3x' ist kein gültiger Gleitkommawert"));
    f.window.show();
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.text("EditJahr"), QStringLiteral("2024"));
    verifyAllValueCells(f, QStringLiteral("0,00"));
    QCOMPARE(f.figures(), kNoFigures);
    QVERIFY(!QFile::exists(f.env.dataFile("Auswertung2024Kfz3.csv")));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::loadYearCancelledChangesNothing()
{
    Fixture f(QStringLiteral("150"));
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Reifen", "400,00", "", 10600, 10000)}));
    f.env.writeData("Buch2023Kfz3.csv",
                    lines({booking("10.01.2023", "Steuer", "99,00", "", 9000, 8000)}));
    f.window.show();
    const QStringList before = f.figures();
    f.expectYearChooser(QString());
    f.trigger("ActionJahrLaden");
    QCOMPARE(f.text("EditJahr"), QStringLiteral("2024"));
    QCOMPARE(f.cell(1, 10), QStringLiteral("400,00"));
    QCOMPARE(f.figures(), before);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::loadYearShowsOnlyThatYear()
{
    Fixture f(QStringLiteral("150"));
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Reifen", "400,00", "", 10600, 10000)}));
    f.env.writeData("buch2023kfz3.csv",
                    lines({booking("10.06.2023", "Steuer", "99,00", "", 9005, 9000)}));
    f.window.show();
    QCOMPARE(f.figures().last(), QStringLiteral("90,0"));
    QCOMPARE(f.unit(), QStringLiteral("kg"));

    f.expectYearChooser(QStringLiteral("2023"));
    f.trigger("ActionJahrLaden");
    QCOMPARE(f.text("EditJahr"), QStringLiteral("2023"));
    QCOMPARE(f.window.shownYear(), QStringLiteral("2023"));
    QCOMPARE(f.cell(1, 10), QStringLiteral("0,00"));
    QCOMPARE(f.cell(6, 7), QStringLiteral("99,00"));
    QCOMPARE(f.figures(), (QStringList{"5", "19,80", "0,0", "0,00", "0,0", "750,0"}));
    QCOMPARE(f.unit(), QStringLiteral("g"));
    // The labels keep their full width after a reset, so none is cut off.
    QCOMPARE(f.grid()->columnWidth(0), 90);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::fleetWithoutFiles()
{
    Fixture f(QStringLiteral("150"));
    f.window.setTyreOpener([](const QString&, int, const QString&) {});
    f.env.writeData("Buch2023Kfz3.csv",
                    lines({booking("10.06.2023", "Steuer", "99,00", "", 9010, 9000)}));
    f.window.show();
    QVERIFY(f.tyresEnabled());
    f.trigger("ActionFuhrpark");
    QCOMPARE(f.label(), QStringLiteral("Fahzeug"));
    QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("0"));
    verifyAllValueCells(f, QStringLiteral("0,00"));
    QCOMPARE(f.figures(), kNoFigures);
    QVERIFY(!f.tyresEnabled());
    QVERIFY_PROMPTS(f.env.prompts);
}

// Vehicle 3 (the window's own, 200 g/km) is listed between 1 (100 g/km) and 7
// (no value); the files sort as 1, 3, 7. Each file gets its own vehicle's value.
void TestEvaluationWindow::fleetOverThreeFilesThenBackToOwnVehicle()
{
    Fixture f(QStringLiteral("200"));
    f.window.setTyreOpener([](const QString&, int, const QString&) {});
    f.env.writeData("Kfz.csv",
                    lines({vehicleLine("K-7", "7", ""), vehicleLine("AB-C 123", "3", "200"),
                           vehicleLine("K-1", "1", "100")}));
    f.env.writeData("Buch2024Kfz1.csv",
                    lines({booking("01.02.2024", "Kraftstoff", "100,00", "60,0", 21000, 20000)}));
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("01.02.2024", "Kraftstoff", "50,00", "30,0", 10500, 10000)}));
    f.env.writeData("buch2024KFZ7.csv",
                    lines({booking("01.03.2024", "Versicherung", "300,00", "", 7000, 5000)}));
    f.window.show();

    f.trigger("ActionFuhrpark");
    QCOMPARE(f.label(), QStringLiteral("Fahrzeuge"));
    QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("3"));
    QCOMPARE(f.cell(2, 1), QStringLiteral("150,00"));
    QCOMPARE(f.cell(3, 6), QStringLiteral("300,00"));
    QCOMPARE(f.cell(13, 13), QStringLiteral("450,00"));
    // 1000 km × 100 g + 500 km × 200 g; vehicle 7 adds km but no CO2.
    QCOMPARE(f.figures(), (QStringList{"3500", "0,13", "2,6", "1,67", "90,0", "200,0"}));
    QCOMPARE(f.unit(), QStringLiteral("kg"));
    QVERIFY(!f.tyresEnabled());

    f.expectYearChooser(QStringLiteral("2024"));
    f.trigger("ActionJahrLaden");
    QCOMPARE(f.label(), QStringLiteral("Fahzeug"));
    QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("AB-C 123"));
    QVERIFY(f.tyresEnabled());
    QCOMPARE(f.figures(), (QStringList{"500", "0,10", "6,0", "1,67", "30,0", "100,0"}));
    QVERIFY_PROMPTS(f.env.prompts);
}

// The first file's sums stay on screen; the label and plate box keep the vehicle.
void TestEvaluationWindow::fleetStopsAtBadBooking()
{
    Fixture f;
    f.env.writeData("Buch2024Kfz1.csv",
                    lines({booking("01.02.2024", "Wartung", "10,00", "", 1100, 1000)}));
    f.env.writeData("Buch2024Kfz2.csv",
                    lines({booking("01.02.2024", "Wartung", "5,00", "", 600, 500),
                           booking("31.02.2024", "Wartung", "5,00", "", 700, 600)}));
    f.window.show();
    f.env.prompts.expectMessage(
        MessageKind::Error, QStringLiteral("''31.02.2024'' ist keine gültige Datums-/Zeitangabe"));
    f.trigger("ActionFuhrpark");
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.label(), QStringLiteral("Fahzeug"));
    QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("AB-C 123"));
    QCOMPARE(f.cell(2, 4), QStringLiteral("10,00"));
    QCOMPARE(f.text("EditDiffKm"), QStringLiteral("100"));
    QVERIFY(!f.tyresEnabled());
    QCOMPARE(QDir(f.env.context.paths.dataDir).entryList(QDir::Files).size(), 2);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::reopeningAfterFleetShowsVehicleAgain()
{
    Fixture f;
    f.window.setTyreOpener([](const QString&, int, const QString&) {});
    f.env.writeData("Buch2024Kfz5.csv",
                    lines({booking("01.02.2024", "Wartung", "10,00", "", 100, 100)}));
    f.window.show();
    f.trigger("ActionFuhrpark");
    QCOMPARE(f.label(), QStringLiteral("Fahrzeuge"));
    f.window.hide();
    f.window.show();
    QCOMPARE(f.label(), QStringLiteral("Fahzeug"));
    QCOMPARE(f.text("EditKennzeichen"), QStringLiteral("AB-C 123"));
    QCOMPARE(f.cell(2, 4), QStringLiteral("0,00"));
    QVERIFY(f.tyresEnabled());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::tyreWindowGetsVehicleAndReading()
{
    Fixture f;
    f.window.FNr = QStringLiteral("3");
    QStringList calls;
    f.window.setTyreOpener([&calls](const QString& kfzNr, int aktKm, const QString& dataPath) {
        calls << kfzNr + u'|' + QString::number(aktKm) + u'|' + dataPath;
    });
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Reifen", "400,00", "", 10600, 10000),
                           booking("10.02.2024", "Wartung", "40,00", "", 10450, 10600)}));
    f.window.show();
    f.trigger("ActionReifen");
    QCOMPARE(calls, QStringList{"3|10600|" + f.env.context.paths.dataDir});
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::exportOfFreshEvaluationByteForByte()
{
    Fixture f;
    f.window.show();
    const QString target = f.env.dataFile("export.csv");
    f.env.prompts.expectSaveFile(target);
    f.trigger("ActionExportieren");
    QCOMPARE(f.env.prompts.lastDialogDir, f.env.dataFile("Auswertung2024Kfz3.csv"));

    const QString zeros = QStringLiteral("0,00;").repeated(13);
    QByteArray expected = ansi("Kosten/Monat;  Jan;  Feb;  März;  April;  Mai;  Juni;  Juli;  "
                               "August;  Sept;  Okt;  Nov;  Dez;  Total;\r\n");
    for (const char* label : {" Kraftstoff", " Betriebsstoffe", " Pflege/Waschen", " Wartung",
                              " Reparatur", " Versicherung", " Steuer", " Leasing", " Finanzierung",
                              " Reifen", " Zubehör", " Sonstiges", " Total"})
        expected += ansi(QString::fromUtf8(label) + u';' + zeros) + "\r\n";
    expected += "\r\n"
                "Kennzeichen;Jahr;Gefarene Km;Kosten Km;Verbrauch L/100Km;Literpreis;"
                "Liter gesamt;CO2 gesamt\r\n"
                "AB-C 123;2024;;;;;;\r\n";
    QCOMPARE(readFileBytes(target), expected);
    QVERIFY(expected.contains("M\xE4rz") && expected.contains("Zubeh\xF6r"));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::exportWritesFiguresAsShown()
{
    Fixture f(QStringLiteral("120"));
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Kraftstoff", "60,00", "40,0", 10600, 10000)}));
    f.window.show();
    const QString target = f.env.dataFile("Auswertung2024Kfz3.csv");
    f.env.prompts.expectSaveFile(target);
    f.trigger("ActionExportieren");
    const QList<QByteArray> written = readFileBytes(target).split('\n');
    QCOMPARE(written.size(), 18);
    QCOMPARE(written[1],
             QByteArray(" Kraftstoff;60,00;" + QByteArray("0,00;").repeated(11) + "60,00;\r"));
    QCOMPARE(written[16], QByteArray("AB-C 123;2024;600;0,10;6,7;1,50;40,0;72,0\r"));
    QCOMPARE(written[17], QByteArray());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::exportCancelledWritesNothing()
{
    Fixture f;
    f.window.show();
    f.env.prompts.expectSaveFile(QString());
    f.trigger("ActionExportieren");
    QCOMPARE(QDir(f.env.context.paths.dataDir).entryList(QDir::Files), QStringList());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::exportToMissingFolderShowsMessage()
{
    Fixture f;
    f.window.show();
    const QString target = f.env.dataFile("missing/Auswertung.csv");
    QString reason;
    QVERIFY(!writeTextLines(target, {QString()}, TextEncoding::Windows1252, &reason));
    f.env.prompts.expectSaveFile(target);
    f.env.prompts.expectMessage(
        MessageKind::Error,
        QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(target, reason));
    f.trigger("ActionExportieren");
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::resizeSpreadsColumnsAndRows()
{
    Fixture f;
    f.window.show();
    f.window.resize(1100, 600);
    QCOMPARE(f.grid()->columnWidth(1), 73);
    QCOMPARE(f.grid()->columnWidth(13), 73);
    QCOMPARE(f.grid()->rowHeight(0), 30);
    QCOMPARE(f.grid()->rowHeight(13), 30);
    QCOMPARE(f.grid()->columnWidth(0), 90);
    f.window.resize(795, 450);
    QCOMPARE(f.grid()->columnWidth(5), 50);
    QCOMPARE(f.grid()->rowHeight(5), 20);
    QCOMPARE(valueColumnWidth(100), 1);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::cellLook_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("look"); // label, bold, total, mark left, mark top
    QTest::newRow("corner") << 0 << 0 << "Kosten/Monat"
                            << "L----";
    QTest::newRow("month label") << 5 << 0 << "  Mai"
                                 << "L----";
    QTest::newRow("row label") << 0 << 13 << " Total"
                               << "L----";
    QTest::newRow("empty value") << 3 << 4 << "0,00"
                                 << "-----";
    QTest::newRow("value") << 3 << 4 << "12,50"
                           << "-B---";
    QTest::newRow("negative value") << 12 << 12 << "-0,50"
                                    << "-B---";
    QTest::newRow("empty row total") << 13 << 4 << "0,00"
                                     << "-BTL-";
    QTest::newRow("month total") << 2 << 13 << "10,00"
                                 << "-BT-M";
    QTest::newRow("grand total") << 13 << 13 << "0,00"
                                 << "-BTLM";
}

void TestEvaluationWindow::cellLook()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QString, look);
    const CellLook l = ::cellLook(column, row, text);
    const QString shown = QString(l.label ? u'L' : u'-') + (l.bold ? u'B' : u'-') +
                          (l.total ? u'T' : u'-') + (l.markLeft ? u'L' : u'-') +
                          (l.markTop ? u'M' : u'-');
    QCOMPARE(shown, look);
}

void TestEvaluationWindow::gridDrawsTotalsNavyWithMaroonMarks()
{
    Fixture f;
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Reifen", "400,00", "", 10600, 10000)}));
    f.window.show();
    QTableWidget* grid = f.grid();
    const QImage image = grid->viewport()->grab().toImage();
    const auto cellRect = [grid](int column, int row) {
        return grid->visualRect(grid->model()->index(row, column));
    };
    const auto countColour = [&image](const QRect& rect, QRgb colour) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += image.pixel(x, y) == colour ? 1 : 0;
        return count;
    };
    const QRgb navy = qRgb(0, 0, 0x80);
    const QRgb maroon = qRgb(0x80, 0, 0);
    const QRgb grey = qRgb(0xE4, 0xE4, 0xE4);
    QVERIFY(countColour(cellRect(13, 10), navy) > 0);
    QVERIFY(countColour(cellRect(1, 13), navy) > 0);
    QCOMPARE(countColour(cellRect(1, 10), navy), 0);
    const QRect total = cellRect(13, 5);
    QCOMPARE(countColour(QRect(total.left(), total.top(), 1, total.height()), maroon),
             total.height());
    const QRect monthTotal = cellRect(4, 13);
    QCOMPARE(countColour(QRect(monthTotal.left(), monthTotal.top(), monthTotal.width(), 1), maroon),
             monthTotal.width());
    QVERIFY(countColour(cellRect(0, 5), grey) > cellRect(0, 5).width());
    QVERIFY(countColour(cellRect(3, 5), qRgb(255, 255, 255)) > cellRect(3, 5).width());
    // The same "0,00" is drawn regular as a value and bold as a total.
    const auto inked = [&image](const QRect& rect) {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return count;
    };
    const QRect emptyValue = cellRect(2, 4).adjusted(1, 1, -1, -1);
    const QRect emptyTotal = cellRect(13, 4).adjusted(1, 1, -1, -1);
    QVERIFY(inked(emptyValue) > 0);
    QVERIFY(inked(emptyTotal) > inked(emptyValue));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::menuOrderAndHelp()
{
    Fixture f;
    f.window.show();
    auto* menuBar = f.window.findChild<QMenuBar*>();
    QVERIFY(menuBar);
    QCOMPARE(menuBar->actions().size(), 1);
    QMenu* menu = menuBar->actions().first()->menu();
    QCOMPARE(menuBar->actions().first()->text(), QStringLiteral("Datei"));
    QStringList entries;
    for (const QAction* entry : menu->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(entries, (QStringList{"Jahr laden", "-", "Fuhrpark", "-", "Reifen", "-",
                                   "Daten exportieren...", "-", "Drucken", "-", "Beenden"}));
    QTest::keyClick(&f.window, Qt::Key_F1);
    QCOMPARE(f.env.prompts.helpTopics, QList<int>{90});
    f.trigger("ActionBeenden");
    QVERIFY(!f.window.isVisible());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::printCancelledPrintsNothing()
{
    Fixture f;
    f.window.show();
    f.env.prompts.expectPrinter(false);
    f.trigger("ActionDrucken");
    QCOMPARE(QDir(f.env.context.paths.dataDir).entryList(QDir::Files), QStringList());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestEvaluationWindow::printToPdfGivesOneLandscapePage()
{
    Fixture f;
    f.env.writeData("Buch2024Kfz3.csv",
                    lines({booking("10.01.2024", "Kraftstoff", "60,00", "40,0", 10600, 10000)}));
    f.window.show();
    const QString pdf = f.env.dataFile("Auswertung.pdf");
    f.env.prompts.expectPrinter(true, [&pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
    });
    f.trigger("ActionDrucken");
    const QByteArray bytes = readFileBytes(pdf);
    QVERIFY(bytes.startsWith("%PDF"));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    QCOMPARE(QString::fromLatin1(bytes).count(page), 1);
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[0 0 ([0-9.]+) ([0-9.]+)"));
    const QRegularExpressionMatch size = box.match(QString::fromLatin1(bytes));
    QVERIFY(size.hasMatch());
    QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    QVERIFY_PROMPTS(f.env.prompts);
}

int runEvaluationWindowTests(int argc, char** argv)
{
    TestEvaluationWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_evaluation_window.moc"
