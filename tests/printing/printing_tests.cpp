#include "printing_tests.h"
#include "test_env.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    prepareTestApplication();
    int failures = 0;
    RecordSheetTest recordSheet;
    failures += QTest::qExec(&recordSheet, argc, argv);
    ListPrintTest listPrint;
    failures += QTest::qExec(&listPrint, argc, argv);
    PrintJobTest printJob;
    failures += QTest::qExec(&printJob, argc, argv);
    return failures;
}
