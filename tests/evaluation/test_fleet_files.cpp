#include "evaluation/fleet_files.h"
#include "test_env.h"
#include "test_suites.h"

#include <QtTest>

namespace {

QString vehicleLine(const QString& kfzNr, const QString& co2)
{
    QStringList fields(19);
    fields[0] = QStringLiteral("AB-C ") + kfzNr;
    fields[9] = kfzNr;
    fields[14] = co2;
    return fields.join(u';');
}

} // namespace

class TestFleetFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vehicleNumberOfFileName_data();
    void vehicleNumberOfFileName();
    void filesOfTheYearPairedByVehicleNumber();
    void withoutVehicleFileNoCo2();
};

void TestFleetFiles::vehicleNumberOfFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("matches");
    QTest::newRow("as written") << "Buch2023Kfz3.csv"
                                << "2023"
                                << "3" << true;
    QTest::newRow("any case") << "BUCH2023kfz12.CSV"
                              << "2023"
                              << "12" << true;
    QTest::newRow("other year") << "Buch2022Kfz3.csv"
                                << "2023"
                                << "" << false;
    QTest::newRow("other file") << "Auswertung2023Kfz3.csv"
                                << "2023"
                                << "" << false;
    QTest::newRow("not csv") << "Buch2023Kfz3.csv.bak"
                             << "2023"
                             << "" << false;
    QTest::newRow("no number") << "Buch2023Kfz.csv"
                               << "2023"
                               << "" << true;
}

void TestFleetFiles::vehicleNumberOfFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, year);
    QFETCH(QString, number);
    QFETCH(bool, matches);
    const std::optional<QString> found = bookingFileVehicleNumber(name, year);
    QCOMPARE(found.has_value(), matches);
    if (matches)
        QCOMPARE(*found, number);
}

// The vehicle file lists the vehicles in another order than the files sort, and
// vehicle 2 has no file: each file still gets its own vehicle's value.
void TestFleetFiles::filesOfTheYearPairedByVehicleNumber()
{
    TestEnv env;
    env.writeData("Kfz.csv", ansi(QStringList{vehicleLine("3", "150"), vehicleLine("2", "999"), "",
                                              vehicleLine("12", "99,5"), vehicleLine("1", ""),
                                              vehicleLine("3", "1")}
                                      .join("\r\n") +
                                  "\r\n"));
    for (const char* name : {"Buch2023Kfz1.csv", "buch2023kfz3.csv", "BUCH2023KFZ12.CSV",
                             "Buch2023Kfz7.csv", "Buch2022Kfz2.csv", "Buch20231Kfz2.csv"})
        env.writeData(name, QByteArray());
    QVERIFY(QDir(env.context.paths.dataDir).mkdir("Buch2023Kfz2.csv"));

    const QList<PassSource> sources = fleetSources(env.context.paths.dataDir, "2023");
    QStringList found;
    for (const PassSource& source : sources)
        found << QFileInfo(source.bookingFile).fileName() + u'=' + source.co2;
    QCOMPARE(found, (QStringList{"Buch2023Kfz1.csv=", "BUCH2023KFZ12.CSV=99,5",
                                 "buch2023kfz3.csv=150", "Buch2023Kfz7.csv="}));
    QCOMPARE(sources.first().bookingFile, env.dataFile("Buch2023Kfz1.csv"));
}

void TestFleetFiles::withoutVehicleFileNoCo2()
{
    TestEnv env;
    env.writeData("Buch2024Kfz3.csv", QByteArray());
    const QList<PassSource> sources = fleetSources(env.context.paths.dataDir, "2024");
    QCOMPARE(sources.size(), 1);
    QCOMPARE(sources.first().co2, QString());
}

int runFleetFilesTests(int argc, char** argv)
{
    TestFleetFiles test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fleet_files.moc"
