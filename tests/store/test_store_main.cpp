#include "store_suites.h"
#include "test_env.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareTestApplication();
    int failures = 0;
    for (const auto run :
         {runSettingsCipherTests, runSettingsFileTests, runSharedLockTests, runFileRefreshTests,
          runSharedAccessTests, runPathInfoWindowTests, runRunSettingsTests})
        failures += run(argc, argv);
    return failures;
}
