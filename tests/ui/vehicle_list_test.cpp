// The vehicle list window, driven through its widgets on a vehicle window
// loaded from a small vehicle file.

#include "test_env.h"
#include "ui/vehicle_list_sort.h"
#include "ui/vehicle_list_window.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QHeaderView>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Vehicle {
    QString plate;
    QString maker;
};

QByteArray vehicleFile(const QList<Vehicle>& vehicles)
{
    QString text;
    int nr = 0;
    for (const Vehicle& v : vehicles)
        text += QStringLiteral("%1;03;0603;%2;Euro 5;05/2027;Grün;1000;9000;%3;AYM;1000;Typ%3;"
                               "2012;119;77;105;Diesel;1598\r\n")
                    .arg(v.plate, v.maker)
                    .arg(++nr);
    return ansi(text);
}

struct Fixture {
    explicit Fixture(const QList<Vehicle>& vehicles)
    {
        env.writeData(QStringLiteral("Kfz.csv"), vehicleFile(vehicles));
        kfz.startRun();
        kfz.loadVehicles();
    }
    // Opens the list and works inside it while it is shown.
    void open(std::function<void(QTreeWidget&)> work)
    {
        env.prompts.expectModal("TFormKfzListe", [work](QDialog& dialog) {
            work(*dialog.findChild<QTreeWidget*>("ListView1"));
        });
        list.openList();
    }

    TestEnv env;
    TFormKfz kfz{env.context};
    TFormKfzListe list{env.context, kfz};
};

QStringList column(const QTreeWidget& table, int c)
{
    QStringList texts;
    for (int r = 0; r < table.topLevelItemCount(); ++r)
        texts << table.topLevelItem(r)->text(c);
    return texts;
}

void clickHeader(QTreeWidget& table, int c)
{
    QHeaderView* header = table.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                             header->height() / 2));
}

void trigger(QTreeWidget& table, const char* action)
{
    table.window()->findChild<QAction*>(QLatin1String(action))->trigger();
}

} // namespace

class TestVehicleList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compareFoldsOnlyAsciiLetters_data();
    void compareFoldsOnlyAsciiLetters();
    void filledInFileOrderWithHeadersAndTips();
    void platesSortUmlautsAfterZ();
    void sortStateOutlivesTheWindow();
    void duplicatePlateShowsFirstVehicle();
    void choosingWithoutSelection_data();
    void choosingWithoutSelection();
    void printsRowsInShownOrder();
    void printCancelledPrintsNothing();
    void f1ShowsHelp();
};

void TestVehicleList::compareFoldsOnlyAsciiLetters_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("sign");
    QTest::newRow("case of ASCII letters ignored") << "k-ab 1"
                                                   << "K-AB 1" << 0;
    QTest::newRow("lower b after upper A") << "b-1"
                                           << "A-2" << 1;
    QTest::newRow("umlaut after Z") << QString::fromUtf8("Ä-3") << "z-1" << 1;
    QTest::newRow("umlaut case not folded")
        << QString::fromUtf8("ä") << QString::fromUtf8("Ä") << 1;
    QTest::newRow("underscore after letters") << "_"
                                              << "z" << 1;
    QTest::newRow("prefix first") << "AB"
                                  << "abc" << -1;
    QTest::newRow("empty texts") << ""
                                 << "" << 0;
}

void TestVehicleList::compareFoldsOnlyAsciiLetters()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, sign);
    const int result = compareTextAsciiFold(a, b);
    QCOMPARE((result > 0) - (result < 0), sign);
    const int reverse = compareTextAsciiFold(b, a);
    QCOMPARE((reverse > 0) - (reverse < 0), -sign);
}

void TestVehicleList::filledInFileOrderWithHeadersAndTips()
{
    Fixture f({{"K-1", "VW"}, {"B-2", "Opel"}});
    QStringList headers;
    QStringList tips;
    QList<int> widths;
    QStringList plates;
    QString caption;
    f.open([&](QTreeWidget& table) {
        for (int c = 0; c < table.columnCount(); ++c) {
            headers << table.headerItem()->text(c);
            widths << table.columnWidth(c);
        }
        plates = column(table, 1);
        for (const char* name : {"ToolShowInMain", "ToolPrint", "ToolClose"})
            tips << table.window()->findChild<QAction*>(name)->toolTip();
        caption = table.window()->windowTitle();
        trigger(table, "ToolClose");
    });
    QCOMPARE(caption, "Liste");
    QCOMPARE(headers, (QStringList{"", "Kennzeichen", "Hersteller", "Typ"}));
    QCOMPARE(widths, (QList<int>{2, 85, 150, 100}));
    QCOMPARE(plates, (QStringList{"K-1", "B-2"}));
    QCOMPARE(tips, (QStringList{"Im Hauptfenster anzeigen", "Liste ausdrucken", "Schliessen"}));
    QVERIFY(!f.list.isVisible());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::platesSortUmlautsAfterZ()
{
    Fixture f({{"b-1", "VW"}, {"A-2", "Opel"}, {QString::fromUtf8("Ä-3"), "BMW"}});
    QStringList ascending;
    QStringList descending;
    f.open([&](QTreeWidget& table) {
        clickHeader(table, 1);
        ascending = column(table, 1);
        clickHeader(table, 1);
        descending = column(table, 1);
    });
    QCOMPARE(ascending, (QStringList{"A-2", "b-1", QString::fromUtf8("Ä-3")}));
    QCOMPARE(descending, (QStringList{QString::fromUtf8("Ä-3"), "b-1", "A-2"}));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::sortStateOutlivesTheWindow()
{
    Fixture f({{"K-1", "Opel"}, {"K-2", "BMW"}, {"K-3", "VW"}});
    QStringList firstClick;
    QStringList secondClick;
    f.open([&](QTreeWidget& table) {
        clickHeader(table, 2);
        firstClick = column(table, 2);
        clickHeader(table, 2);
        secondClick = column(table, 2);
    });
    QCOMPARE(firstClick, (QStringList{"BMW", "Opel", "VW"}));
    QCOMPARE(secondClick, (QStringList{"VW", "Opel", "BMW"}));

    QStringList reopened;
    QStringList thirdClick;
    f.open([&](QTreeWidget& table) {
        reopened = column(table, 2);
        clickHeader(table, 2);
        thirdClick = column(table, 2);
    });
    QCOMPARE(reopened, (QStringList{"Opel", "BMW", "VW"}));
    QCOMPARE(thirdClick, (QStringList{"BMW", "Opel", "VW"}));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::duplicatePlateShowsFirstVehicle()
{
    Fixture f({{"K-1", "VW"}, {"D-9", "Opel"}, {"D-9", "BMW"}});
    f.open([](QTreeWidget& table) {
        table.setCurrentItem(table.topLevelItem(2));
        trigger(table, "ToolShowInMain");
    });
    QVERIFY(!f.list.isVisible());
    QCOMPARE(f.kfz.fieldText(KfzNr), "2");
    QCOMPARE(f.kfz.fieldText(Hersteller), "Opel");
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::choosingWithoutSelection_data()
{
    QTest::addColumn<QString>("secondPlate");
    QTest::addColumn<QString>("shownNr");
    QTest::newRow("no vehicle with an empty plate") << "D-9"
                                                    << "1";
    QTest::newRow("vehicle with an empty plate") << ""
                                                 << "2";
}

void TestVehicleList::choosingWithoutSelection()
{
    QFETCH(QString, secondPlate);
    QFETCH(QString, shownNr);
    Fixture f({{"K-1", "VW"}, {secondPlate, "Opel"}});
    f.open([](QTreeWidget& table) {
        table.clearSelection();
        trigger(table, "ToolShowInMain");
    });
    QCOMPARE(f.kfz.fieldText(KfzNr), shownNr);
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::printsRowsInShownOrder()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Fixture f({{"b-1", "VW"}, {"A-2", "Opel"}});
    const QString pdf = f.env.dataFile("list.pdf");
    f.env.prompts.expectModal("TFormKfzListe", [&f, pdf](QDialog& dialog) {
        auto& table = *dialog.findChild<QTreeWidget*>("ListView1");
        clickHeader(table, 1);
        f.env.prompts.expectPrinter(true, [pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        trigger(table, "ToolPrint");
    });
    f.list.openList();

    QProcess process;
    process.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(process.waitForFinished(20000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains("Fahrzeugliste"), qPrintable(text));
    QVERIFY2(text.indexOf("A-2") >= 0 && text.indexOf("A-2") < text.indexOf("b-1"),
             qPrintable(text));
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::printCancelledPrintsNothing()
{
    Fixture f({Vehicle{"K-1", "VW"}});
    f.env.prompts.expectModal("TFormKfzListe", [&f](QDialog& dialog) {
        f.env.prompts.expectPrinter(false);
        trigger(*dialog.findChild<QTreeWidget*>("ListView1"), "ToolPrint");
        QVERIFY(dialog.isVisible());
    });
    f.list.openList();
    QVERIFY(QDir(f.env.context.paths.dataDir).entryList({"*.pdf"}).isEmpty());
    QVERIFY_PROMPTS(f.env.prompts);
}

void TestVehicleList::f1ShowsHelp()
{
    Fixture f({Vehicle{"K-1", "VW"}});
    f.open([](QTreeWidget& table) { QTest::keyClick(table.window(), Qt::Key_F1); });
    QCOMPARE(f.env.prompts.helpTopics, QList<int>{60});
    QVERIFY_PROMPTS(f.env.prompts);
}

TARVO_TEST_MAIN(TestVehicleList)
#include "vehicle_list_test.moc"
