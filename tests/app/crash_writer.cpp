// Saves the vehicle file, a booking file and the settings file over and over,
// each time switching between two contents, until it is killed. The crash test
// kills it at random moments and then reads what it left behind.

#include "bookings/booking_file.h"
#include "crash_contents.h"
#include "store/settings_file.h"
#include "store/vehicle_file.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString dataDir = QCoreApplication::arguments().value(1);
    VehicleFile vehicles;
    vehicles.setPath(dataDir + QStringLiteral("Kfz.csv"));
    const QString bookingPath =
        BookingFilePath(dataDir, QStringLiteral("2024"), QStringLiteral("1"));
    const QString settingsPath = dataDir + QLatin1String(kSettingsFileName);
    // Tell the test that the first round is about to start.
    QFile ready(dataDir + QStringLiteral("ready"));
    ready.open(QIODevice::WriteOnly);
    ready.close();
    for (unsigned round = 0;; ++round) {
        const int which = int(round % 2);
        vehicles.read();
        while (vehicles.count() > 0) {
            vehicles.setCurrentIndex(0);
            vehicles.removeCurrent();
        }
        for (const QString& line : crashVehicleLines(which)) {
            vehicles.setNewPending(true);
            vehicles.store(line);
        }
        vehicles.write();
        TextFile bookings;
        bookings.lines = crashBookingLines(which);
        WriteBookingLines(bookingPath, bookings);
        writeSettings(settingsPath, dataDir, crashSettings(which), [] {});
    }
}
