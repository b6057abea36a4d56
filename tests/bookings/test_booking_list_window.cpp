#include "bookings/booking_list_window.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

class TestBookingListWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnsAndToolbar();
    void sortByColumnClicks_data();
    void sortByColumnClicks();
    void reopenedListSortsAscendingFirst();
    void badDateStopsSort();
    void takingABooking_data();
    void takingABooking();
};

namespace {

const QStringList kLines = {
    "3;K;15.01.2024;Wartung;65,50;a;9;;10200;10000",
    "",
    "3;K;03.02.2023;kraftstoff;-12,00;b;10;45,0;9500;9000",
    "3;K;31.01.2023;Zubehör;5,00;c;2;;980;900",
};

QTreeWidget* table(QDialog& list)
{
    return list.findChild<QTreeWidget*>("MyList");
}

QStringList column(QDialog& list, int c)
{
    QStringList cells;
    for (int i = 0; i < table(list)->topLevelItemCount(); ++i)
        cells << table(list)->topLevelItem(i)->text(c);
    return cells;
}

void clickHeader(QDialog& list, int c)
{
    QHeaderView* header = table(list)->header();
    const QPoint at(header->sectionViewportPosition(c) + header->sectionSize(c) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

void TestBookingListWindow::columnsAndToolbar()
{
    TestEnv env;
    TFormBuchListe list(env.prompts);
    QCOMPARE(list.windowTitle(), QStringLiteral("Buchungsliste"));
    QCOMPARE(list.captions(),
             (QStringList{"", "BuchNr.", "Datum", "         Kostenart", "Betrag", "Kmstand"}));
    QCOMPARE(list.columnWidths(), (QList<int>{2, 60, 80, 150, 80, 100}));
    list.setBookings(kLines);
    QCOMPARE(list.rows().size(), 3);
    QCOMPARE(list.rows().first(),
             (QStringList{"", "9", "15.01.2024", "Wartung", "65,50", "10200"}));
    QTreeWidgetItem* row = table(list)->topLevelItem(0);
    for (int c : {1, 2, 4, 5})
        QVERIFY(Qt::Alignment(row->textAlignment(c)) & Qt::AlignRight);
    for (int c : {0, 3})
        QVERIFY(Qt::Alignment(row->textAlignment(c)) & Qt::AlignLeft);
    QCOMPARE(table(list)->selectionBehavior(), QAbstractItemView::SelectRows);

    QStringList tools;
    for (const QAction* a : list.findChild<QToolBar*>("ToolBar")->actions())
        tools << a->toolTip();
    QCOMPARE(tools, (QStringList{"Buchung übernehmen", "Liste drucken", "Schliessen"}));
    QAction* print = list.findChild<QAction*>("ToolPrint");
    QVERIFY(!print->isEnabled());
    int printed = 0;
    list.setPrintHandler([&printed](TFormBuchListe&) { ++printed; });
    QVERIFY(print->isEnabled());
    print->trigger();
    QCOMPARE(printed, 1);
}

void TestBookingListWindow::sortByColumnClicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("cells");
    QTest::newRow("Kmstand as text") << QList<int>{5} << 5 << QStringList{"10200", "9500", "980"};
    QTest::newRow("BuchNr. as integer") << QList<int>{1} << 1 << QStringList{"2", "9", "10"};
    QTest::newRow("Datum") << QList<int>{2} << 2
                           << QStringList{"31.01.2023", "03.02.2023", "15.01.2024"};
    QTest::newRow("Datum twice: newest first")
        << QList<int>{2, 2} << 2 << QStringList{"15.01.2024", "03.02.2023", "31.01.2023"};
    QTest::newRow("Betrag") << QList<int>{4} << 4 << QStringList{"-12,00", "5,00", "65,50"};
    QTest::newRow("Kostenart regardless of case")
        << QList<int>{3} << 3 << QStringList{"kraftstoff", "Wartung", "Zubehör"};
    QTest::newRow("other column sorts ascending")
        << QList<int>{1, 1, 4} << 4 << QStringList{"-12,00", "5,00", "65,50"};
}

void TestBookingListWindow::sortByColumnClicks()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, shown);
    QFETCH(QStringList, cells);
    TestEnv env;
    TFormBuchListe list(env.prompts);
    list.setBookings(kLines);
    env.prompts.expectModal("TFormBuchListe", [&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (int c : clicks)
            clickHeader(dialog, c);
        QCOMPARE(column(dialog, shown), cells);
    });
    env.prompts.execModal(list);
    QVERIFY_PROMPTS(env.prompts);
}

void TestBookingListWindow::reopenedListSortsAscendingFirst()
{
    TestEnv env;
    TFormBuchListe list(env.prompts);
    const QStringList oldestFirst{"31.01.2023", "03.02.2023", "15.01.2024"};
    for (int opening = 0; opening < 2; ++opening) {
        list.setBookings(kLines);
        env.prompts.expectModal("TFormBuchListe", [&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            clickHeader(dialog, 2);
            QCOMPARE(column(dialog, 2), oldestFirst);
            clickHeader(dialog, 2);
        });
        env.prompts.execModal(list);
    }
    QVERIFY_PROMPTS(env.prompts);
}

void TestBookingListWindow::badDateStopsSort()
{
    TestEnv env;
    TFormBuchListe list(env.prompts);
    list.setBookings(
        {"3;K;15.01.2024;Wartung;65,50;a;1;;1;1", "3;K;gestern;Wartung;5,00;a;2;;1;1"});
    env.prompts.expectModal("TFormBuchListe", [&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        env.prompts.expectMessage(MessageKind::Error,
                                  "''gestern'' ist keine gültige Datums-/Zeitangabe");
        clickHeader(dialog, 2);
        QCOMPARE(column(dialog, 1), (QStringList{"1", "2"}));
    });
    env.prompts.execModal(list);
    QVERIFY_PROMPTS(env.prompts);
}

void TestBookingListWindow::takingABooking_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("select");
    QTest::addColumn<bool>("sortFirst");
    QTest::addColumn<int>("expected");
    QTest::newRow("selected row") << "ToolTake" << true << false << 10;
    QTest::newRow("selection follows its row when sorted") << "ToolTake" << true << true << 10;
    QTest::newRow("nothing selected") << "ToolTake" << false << false << -1;
    QTest::newRow("closed") << "ToolClose" << true << false << -1;
}

void TestBookingListWindow::takingABooking()
{
    QFETCH(QString, tool);
    QFETCH(bool, select);
    QFETCH(bool, sortFirst);
    QFETCH(int, expected);
    TestEnv env;
    TFormBuchListe list(env.prompts);
    list.setBookings(kLines);
    env.prompts.expectModal("TFormBuchListe", [&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        if (select)
            table(dialog)->setCurrentItem(table(dialog)->topLevelItem(1));
        if (sortFirst)
            clickHeader(dialog, 1);
        dialog.findChild<QAction*>(tool)->trigger();
    });
    env.prompts.execModal(list);
    QCOMPARE(list.buchungsNr(), expected);
    QVERIFY_PROMPTS(env.prompts);
}

int runBookingListWindowTests(int argc, char** argv)
{
    TestBookingListWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_list_window.moc"
