#include "test_env.h"
#include "test_suites.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareTestApplication();
    int failures = 0;
    for (const auto run : {runBookingFileTests, runBookingValuesTests, runBookingYearsTests,
                           runBookingListWindowTests, runBookingWindowTests,
                           runBookingWindowYearsTests, runBookingOpenerTests})
        failures += run(argc, argv);
    return failures;
}
