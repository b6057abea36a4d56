#include "booking_window_driver.h"
#include "test_suites.h"

#include <QtTest>

// The booking window's menu "Jahr".
class TestBookingWindowYears : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createLaterYearKeepsMileage();
    void createEarlierYearStartsFromZero();
    void createRefusesExistingOrInvalidYear_data();
    void createRefusesExistingOrInvalidYear();
    void loadProposesDateAndEmptiesOdometer_data();
    void loadProposesDateAndEmptiesOdometer();
    void loadCancelledChangesNothing();
    void currentYearStartsEmpty();
};

namespace {

const QString kYearPrompt = QStringLiteral("Jahr eingeben");

void chooseYear(ScriptedPrompts& prompts, const QString& year)
{
    prompts.expectModal("TFormJahre", [year](QDialog& chooser) {
        auto* list = chooser.findChild<QListWidget*>("ListBoxJahre");
        const auto found = list->findItems(year, Qt::MatchExactly);
        if (!found.isEmpty())
            list->setCurrentItem(found.first());
        chooser.findChild<QPushButton*>("ButtonOpen")->click();
    });
}

} // namespace

void TestBookingWindowYears::createLaterYearKeepsMileage()
{
    BookingWindowDriver d;
    d.open(
        [&] {
            d.env.prompts.expectInput(kYearPrompt, QStringLiteral("2025"));
            d.trigger("ActionJahrAnlegen");
            QCOMPARE(d.env.prompts.lastInputValue, QStringLiteral("2025"));
            QCOMPARE(d.yearShown(), QStringLiteral("2025"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("1"));
            QCOMPARE(d.text("EditKm"), QStringLiteral("48000"));
            QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
            // The file comes into being with the first booking.
            QVERIFY(!QFileInfo::exists(d.bookingFile("2025")));
            d.fill("Wartung", "48500", "30");
            d.trigger("ToolSave");
        },
        "48000");
    QCOMPARE(d.bookingBytes("2025"),
             ansi("3;AB-CD 123;15.03.2024;Wartung;30,00;Wartung;1;;48500;48000\r\n"));
    QCOMPARE(d.env.prompts.log.filter("input|").value(0),
             QStringLiteral("input|Neues Buchungsjahr|Jahr eingeben"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindowYears::createEarlierYearStartsFromZero()
{
    BookingWindowDriver d;
    d.open(
        [&] {
            d.env.prompts.expectInput(kYearPrompt, QStringLiteral("2021"));
            d.trigger("ActionJahrAnlegen");
            QCOMPARE(d.yearShown(), QStringLiteral("2021"));
            QCOMPARE(d.text("EditKm"), QStringLiteral("0"));
            d.fill("Wartung", "1500", "30");
            d.type("EditDatum", "01.06.2021");
            d.env.prompts.expectMessage(
                MessageKind::Confirmation,
                "Mehr als 1000 Km Differenz zum alten Kmstand. Ist diese Angabe korrekt?",
                Answer::Yes, QStringLiteral("Buchen"));
            d.trigger("ToolSave");
        },
        "48000");
    QCOMPARE(d.bookingBytes("2021"),
             ansi("3;AB-CD 123;01.06.2021;Wartung;30,00;Wartung;1;;1500;0\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindowYears::createRefusesExistingOrInvalidYear_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");
    const QString invalid = "Bitte geben Sie das Jahr vierstellig ein, zum Beispiel 2024!";
    QTest::newRow("existing year") << "2023" << MessageKind::Plain
                                   << "Jahr bereits vorhanden. Bitte geben Sie ein neues Jahr ein "
                                      "oder wählen Sie den Menüpunkt LADEN!";
    QTest::newRow("path out of the data folder") << "../../x" << MessageKind::Warning << invalid;
    QTest::newRow("two digits") << "25" << MessageKind::Warning << invalid;
    QTest::newRow("blanks") << " 2025" << MessageKind::Warning << invalid;
    QTest::newRow("cancelled") << QString() << MessageKind::Plain << QString();
}

void TestBookingWindowYears::createRefusesExistingOrInvalidYear()
{
    QFETCH(QString, entered);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    BookingWindowDriver d;
    // Named in other letter case: found all the same.
    writeFileBytes(d.env.dataFile("buch2023kfz3.csv"), "x\r\n");
    const auto entries = [](const QString& dir) {
        return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    };
    const QStringList rootBefore = entries(d.env.root.path());
    d.open([&] {
        d.type("EditKm", "123");
        d.env.prompts.expectInput(kYearPrompt, entered.isNull() ? std::nullopt
                                                                : std::optional<QString>(entered));
        if (!message.isEmpty())
            d.env.prompts.expectMessage(kind, message);
        d.trigger("ActionJahrAnlegen");
        QCOMPARE(d.yearShown(), QStringLiteral("2024"));
        QCOMPARE(d.text("EditKm"), QStringLiteral("123"));
        d.fill("Wartung", "48000", "5");
        d.trigger("ToolSave");
    });
    QVERIFY(QFileInfo::exists(d.bookingFile("2024")));
    QCOMPARE(entries(d.env.root.path()), rootBefore);
    QCOMPARE(entries(d.env.context.paths.dataDir),
             (QStringList{"buch2023kfz3.csv", "Buch2024Kfz3.csv"}));
    QCOMPARE(d.env.readData("buch2023kfz3.csv"), QByteArray("x\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindowYears::loadProposesDateAndEmptiesOdometer_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("date");
    QTest::newRow("earlier year") << "2022"
                                  << "31.12.2022";
    QTest::newRow("later year") << "2025"
                                << "01.01.2025";
}

void TestBookingWindowYears::loadProposesDateAndEmptiesOdometer()
{
    QFETCH(QString, year);
    QFETCH(QString, date);
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.X;Wartung;60,00;a;1;;41000;40000",
                     "3;AB-CD 123;03.01.X;Wartung;60,00;b;4;;42000;41000"},
                    year);
    d.open([] {});
    d.open(
        [&] {
            chooseYear(d.env.prompts, year);
            d.trigger("ActionJahrLaden");
            QCOMPARE(d.yearShown(), year);
            QCOMPARE(d.text("EditDatum"), date);
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("5"));
            QVERIFY(d.text("EditKm").isEmpty());
            QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
            d.fill("Wartung", "", "10");
            d.env.prompts.expectMessage(MessageKind::Error, "'''' ist kein gültiger Integer-Wert");
            d.trigger("ToolSave");
            d.type("EditKm", "48100");
            d.trigger("ToolSave");
        },
        "48000");
    QCOMPARE(ParseBooking(d.bookingBytes(year).split('\n').value(2)).AltKm.trimmed(),
             QStringLiteral("48000"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindowYears::loadCancelledChangesNothing()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2022;Wartung;60,00;a;1;;41000;40000"}, "2022");
    d.open([&] {
        d.env.prompts.expectModal("TFormJahre", [](QDialog& chooser) {
            chooser.findChild<QPushButton*>("ButtonCancel")->click();
        });
        d.trigger("ActionJahrLaden");
        QCOMPARE(d.yearShown(), QStringLiteral("2024"));
        QCOMPARE(d.text("EditKm"), QStringLiteral("47650"));
        QCOMPARE(d.text("EditDatum"), QStringLiteral("15.03.2024"));
    });
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindowYears::currentYearStartsEmpty()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2022;Wartung;60,00;a;1;;41000;40000",
                     "3;AB-CD 123;03.01.2022;Wartung;60,00;b;2;;42000;41000"},
                    "2022");
    d.open([&] {
        chooseYear(d.env.prompts, "2022");
        d.trigger("ActionJahrLaden");
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("3"));
        d.type("EditDatum", "1.1.2022");
        d.trigger("ActionAktuellesJahr");
        QCOMPARE(d.yearShown(), QStringLiteral("2024"));
        QCOMPARE(d.text("EditDatum"), QStringLiteral("15.03.2024"));
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("1"));
        QVERIFY(d.text("EditKm").isEmpty());
        d.fill("Wartung", "47700", "10");
        d.trigger("ToolSave");
    });
    QCOMPARE(d.bookingBytes("2024"),
             ansi("3;AB-CD 123;15.03.2024;Wartung;10,00;Wartung;1;;47700;47650\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

int runBookingWindowYearsTests(int argc, char** argv)
{
    TestBookingWindowYears test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_window_years.moc"
