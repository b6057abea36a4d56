#include "common/text_file.h"
#include "store/settings_cipher.h"
#include "store_suites.h"
#include "test_env.h"

#include <QtTest>

class TestSettingsCipher : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyByteAtEveryKeyPositionComesBack();
    void knownBytesWrapAround();
    void isEnciphered_data();
    void isEnciphered();
};

// 1024 bytes: each of the 256 values at each of the four key positions.
void TestSettingsCipher::everyByteAtEveryKeyPositionComesBack()
{
    QByteArray plain;
    for (int value = 0; value < 256; ++value)
        for (int keyPosition = 0; keyPosition < 4; ++keyPosition)
            plain += static_cast<char>(value);
    const QByteArray key(kSettingsKey);
    const QByteArray ciphered = encipher(plain, key);
    QCOMPARE(ciphered.size(), plain.size());
    QCOMPARE(decipher(ciphered, key), plain);
    // Every position really is shifted (no byte passes unchanged, the key has no zero).
    for (qsizetype i = 0; i < plain.size(); ++i)
        QVERIFY2(ciphered[i] != plain[i], qPrintable(QString::number(i)));
}

void TestSettingsCipher::knownBytesWrapAround()
{
    // "true\r\n" then 0xFF and 0x00: 't'+'q', 'r'+'u', 'u'+'m', 'e'+'o', CR+'q', LF+'u',
    // 0xFF+'m' wraps to 0x6C, 0x00+'o' is 'o'.
    const QByteArray plain("true\r\n\xFF\x00", 8);
    const QByteArray expected("\xE5\xE7\xE2\xD4\x7E\x7F\x6C\x6F", 8);
    QCOMPARE(encipher(plain, kSettingsKey), expected);
    QCOMPARE(decipher(expected, kSettingsKey), plain);
}

void TestSettingsCipher::isEnciphered_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enciphered");

    const QString plainWindows =
        QStringLiteral("C:\\Users\\anna\\AppData\\Roaming\\tarvo\\\r\n\r\n\r\n\r\ntrue\r\n\r\n");
    QTest::newRow("plain ASCII paths") << plainWindows << false;
    QTest::newRow("plain with umlauts")
        << QStringLiteral("/home/jürgen/tarvo/\r\nMüller\r\nGrüße\r\n\r\nfalse\r\n\r\n") << false;
    QTest::newRow("the same, enciphered")
        << decodeText(encipher(ansi(plainWindows), kSettingsKey)) << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("control characters only") << QStringLiteral("\x01\x02\x03") << true;
    QTest::newRow("tabs are left out") << QStringLiteral("abc\tdef") << false;
    QTest::newRow("blanks are left out") << QStringLiteral("ä      ") << true;
    QTest::newRow("CR LF pairs are left out") << QStringLiteral("a\r\n\r\n\r\n") << false;
    QTest::newRow("lone LF counts") << QStringLiteral("a\n\n\n") << true;
    // Without taking out "kqo" (any case) this would count as mostly printable.
    QTest::newRow("kqo is left out") << QStringLiteral("äKqOkqo") << true;
    // Taking out the line end first joins "k" and "qo".
    QTest::newRow("line ends go before kqo") << QStringLiteral("k\r\nqoä") << true;
    QTest::newRow("five of seven printable") << QStringLiteral("abcdeää") << false;
    QTest::newRow("four of seven printable") << QStringLiteral("abcdäää") << true;
}

void TestSettingsCipher::isEnciphered()
{
    QFETCH(QString, text);
    QFETCH(bool, enciphered);
    QCOMPARE(::isEnciphered(text), enciphered);
}

int runSettingsCipherTests(int argc, char** argv)
{
    TestSettingsCipher test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings_cipher.moc"
