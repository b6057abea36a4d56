#include "common/conversions.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "test_env.h"

#include <QtTest>

class TestCommon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void formatFloat_data();
    void formatFloat();
};

void TestCommon::formatFloat_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("float above 2^17") << 131072.01f << 2 << "131072,02";
    QTest::newRow("exact half") << 0.125f << 2 << "0,13";
}

void TestCommon::formatFloat()
{
    QFETCH(float, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(formatFixed(value, decimals), expected);
}

TARVO_TEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
