#include "booking_window_driver.h"
#include "bookings/booking_opener.h"
#include "store/vehicle_record.h"
#include "test_suites.h"
#include "ui/vehicle_window.h"

#include <QtTest>

// "Buchen" > "Neu" of the vehicle window and the mileage it takes back.
class TestBookingOpener : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void mileageRaisedAndSaved_data();
    void mileageRaisedAndSaved();
};

void TestBookingOpener::mileageRaisedAndSaved_data()
{
    QTest::addColumn<QString>("booked");
    QTest::addColumn<QString>("vehicleKm");
    QTest::newRow("higher reading raises the mileage") << "48210"
                                                       << "48210";
    QTest::newRow("lower reading leaves it") << "47000"
                                             << "47.650";
}

void TestBookingOpener::mileageRaisedAndSaved()
{
    QFETCH(QString, booked);
    QFETCH(QString, vehicleKm);
    BookingWindowDriver d;
    const QByteArray vehicleLine = ansi("AB-CD 123;05;0603;VW;Euro 6;05/2025;Grün;47.650;60000;3;"
                                        "ABC;40000;Golf;2019;120;85;116;Diesel;1968\r\n");
    d.env.writeData("Kfz.csv", vehicleLine);
    TFormKfz kfz(d.env.context);
    kfz.startRun();
    kfz.loadVehicles();
    d.env.prompts.expectModal("TFormBuchen", [&](QDialog&) {
        QCOMPARE(d.text("EditKfzNr"), QStringLiteral("3"));
        QCOMPARE(d.text("EditKennzeichen"), QStringLiteral("AB-CD 123"));
        QCOMPARE(d.text("EditKm"), QStringLiteral("47650"));
        d.fill("Wartung", booked, "10");
        d.trigger("ToolSave");
    });
    openBookingWindow(d.env.context, d.window, kfz);
    QCOMPARE(kfz.fieldText(KfzField::AktuellerKm), vehicleKm);
    const KfzRecord stored =
        parseVehicleLine(QString::fromLatin1(d.env.readData("Kfz.csv")).trimmed());
    QCOMPARE(stored[KfzField::AktuellerKm], vehicleKm);
    QCOMPARE(stored[KfzField::Kennzeichen], QStringLiteral("AB-CD 123"));
    QVERIFY_PROMPTS(d.env.prompts);
}

int runBookingOpenerTests(int argc, char** argv)
{
    TestBookingOpener test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_opener.moc"
