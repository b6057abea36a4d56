#include "common/conversions.h"
#include "common/gradient_widget.h"
#include "common/help_window.h"
#include "fake_update_server.h"
#include "online/about_box.h"
#include "online/online_front.h"
#include "online/partner_banner.h"
#include "online/program_version.h"
#include "online/start_progress.h"
#include "online/start_screen.h"
#include "online/update_check.h"
#include "online/version_compare.h"
#include "online/version_request.h"
#include "online/web_addresses.h"
#include "test_env.h"
#include "ui/vehicle_window.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

namespace {

const QString kNotice = QStringLiteral("Eine neue Version Ihres Programms ist verfügbar.");

// Runs the update check against `server` and waits until it is done.
void runCheck(TestEnv& env, FakeUpdateServer& server, const QString& localVersion,
              QWidget* window = nullptr)
{
    UpdateCheck check(env.prompts, window);
    check.setServer(server.url());
    check.setConnectionProbe([] { return true; });
    QSignalSpy done(&check, &UpdateCheck::done);
    check.start(localVersion, QStringLiteral("tarvo"));
    QVERIFY(done.wait(15000));
}

void clickAt(QWidget* widget, QPoint pos = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos.isNull() ? widget->rect().center() : pos);
}

} // namespace

class TestOnlineUpdate : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void versionVerdict_data();
    void versionVerdict();
    void versionConversionError_data();
    void versionConversionError();

    void requestIsSentByteForByte();
    void noticeFollowsTheVersionTable_data();
    void noticeFollowsTheVersionTable();
    void badRepliesStaySilent_data();
    void badRepliesStaySilent();
    void answerThatIsNoNumberShowsTheConversionError();
    void noConnectionSendsNoRequest();
    void silentServerGivesUpWithoutBlocking();

    void barWidthFollowsTheTicks_data();
    void barWidthFollowsTheTicks();
    void startScreenClosesAfterHundredTicksAndThePause();
    void startScreenRunsByItself();
    void startScreenCannotBeClosedEarly();
    void startScreenLinkOpensTheHomePage();

    void aboutBoxShowsVersionAndTitle();
    void aboutBoxLinksOpenTheHomePageAndClose_data();
    void aboutBoxLinksOpenTheHomePageAndClose();
    void aboutBoxClosesOnOkAndBackgroundOnly();
    void partnerBannerOpensThePartnerPage();
    void vehicleWindowReachesTheOnlineFront();

    void helpTopicsHaveTheirPages_data();
    void helpTopicsHaveTheirPages();
};

void TestOnlineUpdate::versionVerdict_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<UpdateVerdict>("verdict");
    const QString local = QStringLiteral("2.1.0.5");
    QTest::newRow("2105 vs 211 padded") << local << "2.1.1" << UpdateVerdict::Newer;
    QTest::newRow("same version") << local << "2.1.0.5" << UpdateVerdict::UpToDate;
    QTest::newRow("five server digits") << local << "2.1.0.5.1" << UpdateVerdict::Newer;
    QTest::newRow("9999 vs 1000") << "9.9.9.9"
                                  << "10" << UpdateVerdict::UpToDate;
    QTest::newRow("1900 vs 11000") << "1.9.0.0"
                                   << "1.10.0.0" << UpdateVerdict::Newer;
    QTest::newRow("empty first line") << local << "\r\n3.0.0.0\r\n" << UpdateVerdict::NoVerdict;
    QTest::newRow("blank answer") << local << " \r\n" << UpdateVerdict::NoVerdict;
    QTest::newRow("dots only") << local << "..." << UpdateVerdict::NoVerdict;
    QTest::newRow("later lines ignored") << local << " 2.2 \nnonsense" << UpdateVerdict::Newer;
    QTest::newRow("html page") << local << "<html><body>9.9</body></html>"
                               << UpdateVerdict::NoVerdict;
    QTest::newRow("link markup") << local << "<a href=\"https://x.example\">1</a>"
                                 << UpdateVerdict::NoVerdict;
    QTest::newRow("control characters")
        << local << QString::fromLatin1("\x01\x02\x7f") << UpdateVerdict::NoVerdict;
    QTest::newRow("too long for a version")
        << local << QString(200, u'1') << UpdateVerdict::NoVerdict;
}

void TestOnlineUpdate::versionVerdict()
{
    QFETCH(QString, local);
    QFETCH(QString, answer);
    QFETCH(UpdateVerdict, verdict);
    QCOMPARE(compareWithServerVersion(local, answer), verdict);
}

void TestOnlineUpdate::versionConversionError_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("letters, padded first") << "2.1.0.5"
                                           << "2.1a"
                                           << "''21a0'' ist kein gültiger Integer-Wert";
    QTest::newRow("beyond 32 bits") << "2.1.0.5"
                                    << "99999999999"
                                    << "''99999999999'' ist kein gültiger Integer-Wert";
    QTest::newRow("no local version") << "Nix eingetragen"
                                      << "2.0"
                                      << "''Nix eingetragen'' ist kein gültiger Integer-Wert";
}

void TestOnlineUpdate::versionConversionError()
{
    QFETCH(QString, local);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    try {
        compareWithServerVersion(local, answer);
        QFAIL("no conversion error");
    } catch (const ConversionError& e) {
        QCOMPARE(e.message(), message);
    }
}

void TestOnlineUpdate::requestIsSentByteForByte()
{
    TestEnv env;
    FakeUpdateServer server;
    server.setAnswer("2.1.0.5\r\n");
    UpdateCheck check(env.prompts, nullptr);
    check.setServer(server.url());
    check.setConnectionProbe([] { return true; });
    QSignalSpy done(&check, &UpdateCheck::done);
    check.start(QStringLiteral("2.1.0.5"), QStringLiteral("Tärvo.EXE"));
    QVERIFY(done.wait(15000));

    const QByteArray body = "AppName=t\xe4rvo.exe&MM_SUBMIT=Absenden";
    const QByteArray expected = "POST /resources/checkfree.php HTTP/1.0\r\n"
                                "Content-Type: application/x-www-form-urlencoded\r\n"
                                "Content-Length: 36\r\n"
                                "Host: 127.0.0.1:" +
                                QByteArray::number(server.url().port()) +
                                "\r\n"
                                "Accept: text/html, */*\r\n"
                                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                                "\r\n" +
                                body;
    QCOMPARE(body.size(), 36);
    QCOMPARE(server.requests, QList<QByteArray>{expected});
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::noticeFollowsTheVersionTable_data()
{
    QTest::addColumn<QString>("local");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("notice");
    QTest::newRow("2105 vs 211 padded") << "2.1.0.5" << QByteArray("2.1.1\r\n") << true;
    QTest::newRow("same version") << "2.1.0.5" << QByteArray("2.1.0.5\r\n") << false;
    QTest::newRow("2.1.0.5.1") << "2.1.0.5" << QByteArray("2.1.0.5.1") << true;
    QTest::newRow("9.9.9.9 vs 10") << "9.9.9.9" << QByteArray("10\n") << false;
    QTest::newRow("1.9.0.0 vs 1.10.0.0") << "1.9.0.0" << QByteArray("1.10.0.0\r\n") << true;
    QTest::newRow("empty first line") << "2.1.0.5" << QByteArray("\r\n3.0.0.0\r\n") << false;
}

void TestOnlineUpdate::noticeFollowsTheVersionTable()
{
    QFETCH(QString, local);
    QFETCH(QByteArray, answer);
    QFETCH(bool, notice);
    TestEnv env;
    FakeUpdateServer server;
    server.setAnswer(answer);
    if (notice)
        env.prompts.expectMessage(MessageKind::Information, kNotice, Answer::Ok,
                                  QStringLiteral("Updater"));
    runCheck(env, server, local);
    QCOMPARE(server.connections, 1);
    QCOMPARE(env.prompts.openedUrls,
             notice ? QStringList{QStringLiteral("https://www.tarvolo.example")} : QStringList{});
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::badRepliesStaySilent_data()
{
    QTest::addColumn<QByteArray>("reply");
    const QByteArray ok = "HTTP/1.0 200 OK\r\n\r\n";
    QTest::newRow("empty body") << ok;
    QTest::newRow("html page") << ok + "<!DOCTYPE html>\r\n<html><body>3.0</body></html>\r\n";
    QTest::newRow("binary") << ok + QByteArray("\x00\x01\xff\xfe\x7f", 5);
    QTest::newRow("10 MB") << ok + QByteArray(10 * 1024 * 1024, '9');
    QTest::newRow("server error") << QByteArray(
        "HTTP/1.0 500 Internal Server Error\r\n\r\n9.9.9.9");
    QTest::newRow("redirect") << QByteArray("HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/"
                                            "\r\n\r\n9.9.9.9");
    QTest::newRow("no http") << QByteArray("9.9.9.9\r\n");
    QTest::newRow("connection closed") << QByteArray();
}

void TestOnlineUpdate::badRepliesStaySilent()
{
    QFETCH(QByteArray, reply);
    TestEnv env;
    FakeUpdateServer server;
    server.setReply(reply);
    runCheck(env, server, QStringLiteral("1.0.0.0"));
    QCOMPARE(server.connections, 1);
    QVERIFY(env.prompts.openedUrls.isEmpty());
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::answerThatIsNoNumberShowsTheConversionError()
{
    TestEnv env;
    FakeUpdateServer server;
    server.setAnswer("3.0.0.0.0.0.0.0.0.0.0.0\r\n");
    env.prompts.expectMessage(MessageKind::Error,
                              QStringLiteral("''300000000000'' ist kein gültiger Integer-Wert"));
    runCheck(env, server, QStringLiteral("1.0.0.0"));
    QVERIFY(env.prompts.openedUrls.isEmpty());
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::noConnectionSendsNoRequest()
{
    TestEnv env;
    FakeUpdateServer server;
    server.setAnswer("9.9.9.9\r\n");
    UpdateCheck check(env.prompts, nullptr);
    check.setServer(server.url());
    check.setConnectionProbe([] { return false; });
    QSignalSpy done(&check, &UpdateCheck::done);
    check.start(QStringLiteral("1.0.0.0"), QStringLiteral("tarvo"));
    QCOMPARE(done.count(), 1);
    QTest::qWait(100);
    QCOMPARE(server.connections, 0);
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::silentServerGivesUpWithoutBlocking()
{
    TestEnv env;
    FakeUpdateServer server;
    server.setSilent(true);
    UpdateCheck check(env.prompts, nullptr);
    check.setServer(server.url());
    check.setConnectionProbe([] { return true; });
    check.query().setTimeouts(300, 300);
    QSignalSpy done(&check, &UpdateCheck::done);

    QElapsedTimer clock;
    clock.start();
    check.start(QStringLiteral("1.0.0.0"), QStringLiteral("tarvo"));
    QVERIFY(clock.elapsed() < 200); // start returns at once, the window stays usable

    int ticksMeanwhile = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&ticksMeanwhile] { ++ticksMeanwhile; });
    ticker.start(20);
    QVERIFY(done.wait(5000));
    QVERIFY(clock.elapsed() >= 280); // coarse timers may fire up to 5 % early
    QVERIFY(ticksMeanwhile >= 5);
    QCOMPARE(server.connections, 1);
    QVERIFY(server.requests.value(0).endsWith("MM_SUBMIT=Absenden"));
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::barWidthFollowsTheTicks_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("width");
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("first tick") << 1 << 2;
    QTest::newRow("half") << 50 << 120;
    QTest::newRow("99 ticks: 237.6") << 99 << 238;
    QTest::newRow("below range") << -5 << 0;
    QTest::newRow("above range") << 150 << 240;
}

void TestOnlineUpdate::barWidthFollowsTheTicks()
{
    QFETCH(int, counter);
    QFETCH(int, width);
    QCOMPARE(progressBarWidth(counter, 240), width);
}

void TestOnlineUpdate::startScreenClosesAfterHundredTicksAndThePause()
{
    TestEnv env;
    TFormFreeware screen(env.prompts);
    screen.setTitle(QStringLiteral("Tarvolo"));
    screen.setTimings(24 * 3600 * 1000, 150); // the test gives the ticks itself
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.size(), QSize(340, 180));
    QCOMPARE(screen.findChild<QLabel*>(QStringLiteral("LabelTitle"))->text(),
             QStringLiteral("Tarvolo"));
    QCOMPARE(screen.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
             QStringLiteral("Freeware"));
    QCOMPARE(screen.findChild<QFrame*>(QStringLiteral("ProgressFrame"))->size(), QSize(240, 18));
    QCOMPARE(screen.barWidth(), 0);

    screen.tick();
    QCOMPARE(screen.barWidth(), 2);
    for (int i = 2; i <= 99; ++i)
        screen.tick();
    QCOMPARE(screen.barWidth(), 238);
    screen.tick();
    QCOMPARE(screen.counter(), 100);
    QCOMPARE(screen.barWidth(), 238);
    QVERIFY(screen.isVisible()); // the pause comes first
    QTRY_VERIFY_WITH_TIMEOUT(!screen.isVisible(), 3000);
    QCOMPARE(screen.result(), int(QDialog::Accepted));
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::startScreenRunsByItself()
{
    TestEnv env;
    TFormFreeware screen(env.prompts);
    screen.setTimings(1, 10);
    QTimer::singleShot(5000, &screen, [&screen] { screen.done(-1); }); // a hang fails, not blocks
    QCOMPARE(screen.exec(), int(QDialog::Accepted));
    QCOMPARE(screen.counter(), 100);
    QCOMPARE(screen.barWidth(), 238);
}

void TestOnlineUpdate::startScreenCannotBeClosedEarly()
{
    TestEnv env;
    TFormFreeware screen(env.prompts);
    screen.setTimings(24 * 3600 * 1000, 10);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QTest::keyClick(&screen, Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(&screen, Qt::Key_Escape);
    QVERIFY(screen.isVisible());
    for (int i = 0; i < 100; ++i)
        screen.tick();
    QTRY_VERIFY_WITH_TIMEOUT(!screen.isVisible(), 3000);
}

void TestOnlineUpdate::startScreenLinkOpensTheHomePage()
{
    TestEnv env;
    TFormFreeware screen(env.prompts);
    screen.setTimings(24 * 3600 * 1000, 10);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.tick();
    auto* link = screen.findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(link->text(), QStringLiteral("www.tarvolo.example"));
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    clickAt(link);
    QCOMPARE(env.prompts.openedUrls, QStringList{QStringLiteral("https://www.tarvolo.example")});
    screen.tick();
    QCOMPARE(screen.counter(), 2); // it keeps counting
    QVERIFY(screen.isVisible());
}

void TestOnlineUpdate::aboutBoxShowsVersionAndTitle()
{
    TestEnv env;
    TAboutBox box(env.prompts);
    box.setVersion(QStringLiteral("Nix eingetragen"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.windowTitle(), QStringLiteral("Über..."));
    QCOMPARE(box.size(), QSize(250, 253));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Tarvolo"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("LabelRelease"))->text(),
             QStringLiteral("Release"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("LabelVersion"))->text(),
             QStringLiteral("Nix eingetragen"));
    QCOMPARE(box.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
             QStringLiteral("www.tarvolo.example"));
    QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("ButtonClose"))->text(),
             QStringLiteral("Ok"));
}

void TestOnlineUpdate::aboutBoxLinksOpenTheHomePageAndClose_data()
{
    QTest::addColumn<QString>("link");
    QTest::newRow("address") << "Label5";
    QTest::newRow("logo") << "Image2";
}

void TestOnlineUpdate::aboutBoxLinksOpenTheHomePageAndClose()
{
    QFETCH(QString, link);
    TestEnv env;
    TAboutBox box(env.prompts);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    auto* label = box.findChild<QLabel*>(link);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    clickAt(label);
    QCOMPARE(env.prompts.openedUrls, QStringList{QStringLiteral("https://www.tarvolo.example")});
    QVERIFY(!box.isVisible());
}

void TestOnlineUpdate::aboutBoxClosesOnOkAndBackgroundOnly()
{
    TestEnv env;
    TAboutBox box(env.prompts);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    clickAt(box.findChild<QLabel*>(QStringLiteral("Label1")));
    clickAt(box.findChild<QLabel*>(QStringLiteral("LabelVersion")));
    QVERIFY(box.isVisible()); // the labels are no background

    auto* background = box.findChild<GradientWidget*>(QStringLiteral("AboutBackground"));
    clickAt(background, QPoint(5, 5));
    QVERIFY(!box.isVisible());

    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    clickAt(box.findChild<QPushButton*>(QStringLiteral("ButtonClose")));
    QVERIFY(!box.isVisible());
    QVERIFY(env.prompts.openedUrls.isEmpty());
}

void TestOnlineUpdate::partnerBannerOpensThePartnerPage()
{
    TestEnv env;
    QWidget window;
    auto* banner = new QLabel(&window);
    banner->setObjectName(QStringLiteral("Banner"));
    setUpPartnerBanner(*banner, env.prompts);
    banner->setGeometry(0, 0, 430, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(banner->height(), 60);
    QVERIFY(!banner->pixmap().isNull());
    QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
    clickAt(banner);
    QCOMPARE(env.prompts.openedUrls, QStringList{partnerPageAddress()});
}

void TestOnlineUpdate::vehicleWindowReachesTheOnlineFront()
{
    TestEnv env;
    TFormKfz kfz(env.context);
    OnlineFront front(env.context, kfz);

    env.prompts.expectModal(QStringLiteral("TFormFreeware"), [](QDialog& dialog) {
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LabelTitle"))->text(),
                 QStringLiteral("Tarvolo"));
        QVERIFY(dialog.isVisible());
    });
    front.showStartScreen();

    env.prompts.expectModal(QStringLiteral("TAboutBox"), [](QDialog& dialog) {
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("LabelVersion"))->text(),
                 GetFileVersion());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Über..."));
    });
    kfz.action(QStringLiteral("ActionUeber"))->trigger();

    kfz.action(QStringLiteral("ActionUpdates"))->trigger();
    QCOMPARE(env.prompts.openedUrls, QStringList{QStringLiteral("https://www.tarvolo.example")});

    auto* banner = kfz.findChild<QLabel*>(QStringLiteral("Banner"));
    QVERIFY(!banner->pixmap().isNull());
    QCOMPARE(banner->height(), 60);
    QVERIFY_PROMPTS(env.prompts);
}

void TestOnlineUpdate::helpTopicsHaveTheirPages_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("title");
    QTest::newRow("vehicle list") << 60 << "Fahrzeugliste";
    QTest::newRow("vehicle window") << 70 << "Fahrzeugdaten";
    QTest::newRow("bookings") << 80 << "Buchen";
    QTest::newRow("evaluation") << 90 << "Auswertung";
    QTest::newRow("calculators") << 120 << "Rechner";
    QTest::newRow("tyres") << 140 << "Reifen";
}

// Each topic opens its own page, and every link on it leads to a page that exists.
void TestOnlineUpdate::helpTopicsHaveTheirPages()
{
    QFETCH(int, topic);
    QFETCH(QString, title);
    const QString page = QStringLiteral(":/help/%1.html").arg(topic);
    QCOMPARE(HelpWindow::pageFor(topic), page);

    HelpWindow window;
    window.setTopic(topic);
    auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QCOMPARE(browser->documentTitle(), title);

    QFile file(page);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString target = it.next().captured(1);
        QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target), qPrintable(target));
    }
}

TARVO_TEST_MAIN(TestOnlineUpdate)
#include "test_online_update.moc"
