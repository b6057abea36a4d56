#include "booking_window_driver.h"
#include "bookings/booking_list_window.h"
#include "test_suites.h"

#include <QtTest>

class TestBookingWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsMenusAndToolbar();
    void firstFuelBookingCreatesFile();
    void storedFormats_data();
    void storedFormats();
    void distanceQuestion_data();
    void distanceQuestion();
    void mileageQuestionForFuelInNewEntryOnly_data();
    void mileageQuestionForFuelInNewEntryOnly();
    void incompleteEntriesAreKept_data();
    void incompleteEntriesAreKept();
    void odometerLeftWithLetters();
    void litrePriceFailure();
    void lastAmountPrefillAndSave();
    void emptyVehicleNumberSavesNothing();
    void tyreBookingOffersTyreData();
    void editingKeepsPlaceAndField10();
    void listWithoutChoiceGoesToNewEntry();
    void numberingAfterDeleting_data();
    void numberingAfterDeleting();
    void deletingLastBookingOfYear();
    void deletingInNewEntryWritesNothing();
    void finishAsksToSaveWhenChanged_data();
    void finishAsksToSaveWhenChanged();
    void enterMovesOn();
    void unwritableFileKeepsBookingForNextSave();
    void nonIntegerBookingNumberStops();
    void semicolonsStayOutOfFields();
    void openingInEditModeShowsLastBooking();
};

namespace {

const QString kFillMessage =
    QStringLiteral("Bitte Buchungsfelder korrekt und vollständig ausfüllen!");
const QString kDistanceQuestion =
    QStringLiteral("Mehr als 1000 Km Differenz zum alten Kmstand. Ist diese Angabe korrekt?");
const QString kMileageQuestion =
    QStringLiteral("Wenn Sie den Kmstand nicht aktualisieren, sind keine Verbrauchsberechnungen "
                   "möglich! Wollen Sie den KmStand jetzt korrigieren?");

QStringList texts(const QList<QAction*>& actions)
{
    QStringList result;
    for (const QAction* a : actions)
        result << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

} // namespace

void TestBookingWindow::controlsMenusAndToolbar()
{
    BookingWindowDriver d;
    QCOMPARE(d.window.windowTitle(), QStringLiteral("Buchen"));
    const QList<std::pair<const char*, QString>> hints = {
        {"EditBuchNr", "Wird automatisch angelegt"},
        {"EditKennzeichen", "Wird automatisch übernommen"},
        {"EditKfzNr", "KfzNr wird automatisch übernommen"},
        {"EditDatum", "Geben Sie ein Datum in der Form TT.MM.JJJJ ein"},
        {"EditKm", "Geben Sie einen Kmstand ein"},
        {"EditBetrag", "Bitte Betrag in der Form 10,59 € eingeben"},
        {"EditLiter", "Geben Sie die Liter in der Form 0,00 an"},
        {"EditProLiter", "Wird automatisch ausgefüllt"},
        {"EditComment", "Geben Sie einen beliebigen Kommentar ein"}};
    for (const auto& [name, hint] : hints)
        QCOMPARE(d.edit(name)->toolTip(), hint);
    QCOMPARE(d.category()->toolTip(), QStringLiteral("Wählen Sie die Kostenart aus der Liste"));
    QCOMPARE(d.category()->accessibleName(), QStringLiteral("Kostenart"));
    QCOMPARE(d.edit("EditKm")->accessibleName(), QStringLiteral("Kmstand"));
    QCOMPARE(d.edit("EditBuchNr")->accessibleName(), QStringLiteral("BuchungsNr."));
    for (const char* readOnly : {"EditBuchNr", "EditKennzeichen", "EditKfzNr", "EditProLiter"})
        QVERIFY(d.edit(readOnly)->isReadOnly());
    QStringList entries;
    for (int i = 0; i < d.category()->count(); ++i)
        entries << d.category()->itemText(i);
    QCOMPARE(entries, CostCategories());

    // Tab visits date, category, odometer, amount, litres, comment.
    QWidget* field = d.edit("EditDatum");
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << field->objectName();
        field = field->nextInFocusChain();
        while (!(field->focusPolicy() & Qt::TabFocus) || field->objectName().isEmpty())
            field = field->nextInFocusChain();
    }
    QCOMPARE(order, (QStringList{"EditDatum", "ComboBox1", "EditKm", "EditBetrag", "EditLiter",
                                 "EditComment"}));

    auto* toolBar = d.window.findChild<QToolBar*>("ToolBar");
    QStringList tips;
    for (const QAction* a : toolBar->actions())
        tips << a->toolTip();
    QCOMPARE(tips, (QStringList{"Neu", "Buchung speichern", "Buchung löschen",
                                "Buchungsliste anzeigen/Buchung suchen"}));
    auto* menuBar = d.window.findChild<QMenuBar*>("MenuBar");
    QCOMPARE(texts(menuBar->actions()), (QStringList{"Buchung", "Jahr", "Extras"}));
    const QList<QAction*> menus = menuBar->actions();
    QCOMPARE(texts(menus[0]->menu()->actions()),
             (QStringList{"Neu", "Buchungsliste", "Liste drucken...", "Beenden"}));
    QCOMPARE(texts(menus[1]->menu()->actions()),
             (QStringList{"Anlegen", "Laden", "Aktuelles Jahr"}));
    QCOMPARE(texts(menus[2]->menu()->actions()), (QStringList{"Reifendaten", "Hilfe"}));
    QVERIFY(!d.action("ActionReifendaten")->isEnabled());

    d.open([&] {
        d.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(d.env.prompts.helpTopics, QList<int>{80});
    });
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::firstFuelBookingCreatesFile()
{
    BookingWindowDriver d;
    const int kmStand = d.open(
        [&] {
            QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
            QCOMPARE(d.yearShown(), QStringLiteral("2024"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("1"));
            QCOMPARE(d.text("EditDatum"), QStringLiteral("15.03.2024"));
            QCOMPARE(d.text("EditKm"), QStringLiteral("47650"));
            QCOMPARE(d.text("EditKfzNr"), QStringLiteral("3"));
            d.choose("Kraftstoff");
            QCOMPARE(d.text("EditComment"), QStringLiteral("Kraftstoff"));
            d.type("EditKm", "48210");
            d.type("EditBetrag", "65,5");
            d.leave("EditBetrag");
            QCOMPARE(d.text("EditBetrag"), QStringLiteral("65,50"));
            d.type("EditLiter", "45,37");
            d.leave("EditLiter");
            QCOMPARE(d.text("EditLiter"), QStringLiteral("45,4"));
            QCOMPARE(d.text("EditProLiter"), QStringLiteral("1,44"));
            d.trigger("ToolSave");
            QCOMPARE(d.bookingBytes(), ansi("3;AB-CD 123;15.03.2024;Kraftstoff;65,50;Kraftstoff;1;"
                                            "45,4;48210;47650\r\n"));
            // On to the next booking.
            QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("2"));
            QCOMPARE(d.text("EditKm"), QStringLiteral("48210"));
            QVERIFY(d.text("EditBetrag").isEmpty() && d.text("EditComment").isEmpty() &&
                    d.text("EditProLiter").isEmpty() && d.category()->currentText().isEmpty());
            QCOMPARE(d.text("EditDatum"), QStringLiteral("15.03.2024"));
        },
        "47.650 km");
    QCOMPARE(kmStand, 48210);
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::storedFormats_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("litres");
    QTest::addColumn<QString>("line");
    QTest::newRow("thousands separator") << "Reparatur"
                                         << "1.234,5"
                                         << ""
                                         << "Reparatur;1234,50;Reparatur;1;;47700;47650";
    QTest::newRow("point typed as decimal separator")
        << "Pflege/Waschen"
        << "10.59"
        << ""
        << "Pflege/Waschen;1059,00;Pflege/Waschen;1;;47700;47650";
    QTest::newRow("32-bit float") << "Zubehör"
                                  << "131072,01"
                                  << ""
                                  << "Zubehör;131072,02;Zubehör;1;;47700;47650";
    QTest::newRow("exact cents") << "Zubehör"
                                 << "99999,99"
                                 << ""
                                 << "Zubehör;99999,99;Zubehör;1;;47700;47650";
    QTest::newRow("maintenance drops litres") << "Wartung"
                                              << "10"
                                              << "45"
                                              << "Wartung;10,00;Wartung;1;;47700;47650";
    QTest::newRow("fuel without litres") << "Kraftstoff"
                                         << "10"
                                         << ""
                                         << "Kraftstoff;10,00;Kraftstoff;1;0,0;47700;47650";
    QTest::newRow("negative amount") << "Betriebsstoffe"
                                     << "-12"
                                     << "1,25"
                                     << "Betriebsstoffe;-12,00;Betriebsstoffe;1;1,3;47700;47650";
    QTest::newRow("unknown category typed") << "Maut"
                                            << "8"
                                            << ""
                                            << "Sonstiges;8,00;;1;;47700;47650";
}

void TestBookingWindow::storedFormats()
{
    QFETCH(QString, kind);
    QFETCH(QString, amount);
    QFETCH(QString, litres);
    QFETCH(QString, line);
    BookingWindowDriver d;
    d.open([&] {
        d.fill(kind, "47700", amount, litres);
        d.trigger("ToolSave");
    });
    QCOMPARE(d.bookingBytes(), ansi("3;AB-CD 123;15.03.2024;" + line + "\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::distanceQuestion_data()
{
    QTest::addColumn<QString>("km");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("1000 more") << "11000" << false << Answer::Ok << true;
    QTest::newRow("1001 more, confirmed") << "11001" << true << Answer::Yes << true;
    QTest::newRow("1001 more, refused") << "11001" << true << Answer::No << false;
}

void TestBookingWindow::distanceQuestion()
{
    QFETCH(QString, km);
    QFETCH(bool, asked);
    QFETCH(Answer, answer);
    QFETCH(bool, saved);
    BookingWindowDriver d;
    const int kmStand = d.open(
        [&] {
            d.fill("Wartung", km, "100");
            if (asked)
                d.env.prompts.expectMessage(MessageKind::Confirmation, kDistanceQuestion, answer,
                                            QStringLiteral("Buchen"));
            d.trigger("ToolSave");
            // Saved or refused, the window goes on to a new entry.
            QCOMPARE(d.text("EditBuchNr"), saved ? QStringLiteral("2") : QStringLiteral("1"));
            QVERIFY(d.text("EditBetrag").isEmpty());
            QCOMPARE(d.text("EditKm"), saved ? km : QStringLiteral("10000"));
        },
        "10000");
    QCOMPARE(QFileInfo::exists(d.bookingFile()), saved);
    QCOMPARE(kmStand, saved ? km.toInt() : 10000);
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::mileageQuestionForFuelInNewEntryOnly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("fuel, correct it") << "Kraftstoff" << false << true << Answer::Yes;
    QTest::newRow("fuel, keep it") << "Kraftstoff" << false << true << Answer::No;
    QTest::newRow("maintenance") << "Wartung" << false << false << Answer::Ok;
    QTest::newRow("fuel being edited") << "Kraftstoff" << true << false << Answer::Ok;
}

void TestBookingWindow::mileageQuestionForFuelInNewEntryOnly()
{
    QFETCH(QString, kind);
    QFETCH(bool, editing);
    QFETCH(bool, asked);
    QFETCH(Answer, answer);
    BookingWindowDriver d;
    const QString old = "3;AB-CD 123;01.03.2024;Wartung;50,00;alt;1;;9000;8000";
    d.writeBookings({old});
    // Leaves the window in new-entry mode, so the next opening takes the vehicle's mileage.
    d.open([] {}, "10000");
    d.open(
        [&] {
            QCOMPARE(d.text("EditKm"), QStringLiteral("10000"));
            if (editing) {
                d.env.prompts.expectModal("TFormBuchListe", [](QDialog& list) {
                    auto* table = list.findChild<QTreeWidget*>("MyList");
                    table->setCurrentItem(table->topLevelItem(0));
                    list.findChild<QAction*>("ToolTake")->trigger();
                });
                d.trigger("ToolList");
                QCOMPARE(d.status(), QStringLiteral("Editieren"));
            }
            d.fill(kind, "10000", "20");
            if (asked)
                d.env.prompts.expectMessage(MessageKind::Confirmation, kMileageQuestion, answer);
            d.trigger("ToolSave");
            if (answer == Answer::Yes)
                QCOMPARE(d.text("EditBetrag"), QStringLiteral("20,00"));
        },
        "10000");
    const QString litres = kind == "Kraftstoff" ? "0,0" : "";
    const QString saved = QStringLiteral("3;AB-CD 123;%1;%2;20,00;%2;%3;%4;10000;%5")
                              .arg(editing ? "01.03.2024" : "15.03.2024", kind, editing ? "1" : "2",
                                   litres, editing ? "8000" : "10000");
    QStringList expected;
    if (!editing)
        expected << old;
    if (answer != Answer::Yes)
        expected << saved;
    QCOMPARE(d.bookingBytes(), ansi(expected.join("\r\n") + "\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::incompleteEntriesAreKept_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("km");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("litres");
    QTest::addColumn<QString>("date");
    QTest::addColumn<MessageKind>("messageKind");
    QTest::addColumn<QString>("message");
    const QString amountError = "Ungültige Betragsangabe. Bitte korrigieren, sonst kann ihre "
                                "Buchung nicht gespeichert werden!";
    const QString litresError = "Ungültige Literangabe. Bitte korrigieren, sonst kann ihre Buchung "
                                "nicht gespeichert werden!";
    QTest::newRow("amount no number") << "Wartung"
                                      << "100"
                                      << "zehn"
                                      << ""
                                      << "1.3.2024" << MessageKind::Error << amountError;
    QTest::newRow("amount zero") << "Wartung"
                                 << "100"
                                 << "0"
                                 << ""
                                 << "1.3.2024" << MessageKind::Error << kFillMessage;
    QTest::newRow("no category") << ""
                                 << "100"
                                 << "5"
                                 << ""
                                 << "1.3.2024" << MessageKind::Error << kFillMessage;
    QTest::newRow("no date") << "Wartung"
                             << "100"
                             << "5"
                             << ""
                             << " " << MessageKind::Error << kFillMessage;
    QTest::newRow("fuel litres no number") << "Kraftstoff"
                                           << "100"
                                           << "5"
                                           << "viel"
                                           << "1.3.2024" << MessageKind::Error << litresError;
    QTest::newRow("odometer empty")
        << "Wartung"
        << ""
        << "5"
        << ""
        << "1.3.2024" << MessageKind::Error << "'''' ist kein gültiger Integer-Wert";
    QTest::newRow("odometer with point")
        << "Wartung"
        << "10.000"
        << "5"
        << ""
        << "1.3.2024" << MessageKind::Error << "''10.000'' ist kein gültiger Integer-Wert";
}

void TestBookingWindow::incompleteEntriesAreKept()
{
    QFETCH(QString, kind);
    QFETCH(QString, km);
    QFETCH(QString, amount);
    QFETCH(QString, litres);
    QFETCH(QString, date);
    QFETCH(MessageKind, messageKind);
    QFETCH(QString, message);
    BookingWindowDriver d;
    d.open(
        [&] {
            d.fill(kind, km, amount, litres);
            d.type("EditDatum", date);
            d.env.prompts.expectMessage(messageKind, message);
            d.trigger("ToolSave");
            QCOMPARE(d.text("EditKm"), km);
            QCOMPARE(d.category()->currentText(), kind);
            QCOMPARE(d.text("EditDatum"), date);
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("1"));
        },
        "0");
    QVERIFY(!QFileInfo::exists(d.bookingFile()));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::odometerLeftWithLetters()
{
    BookingWindowDriver d;
    d.open([&] {
        d.type("EditKm", "12a");
        d.env.prompts.expectMessage(MessageKind::Plain,
                                    "Ungültige KM Angabe, Bitte geben Sie nur Ziffern ein");
        d.leave("EditKm");
        QCOMPARE(d.text("EditKm"), QStringLiteral("12a"));
        d.type("EditKm", "12");
        d.leave("EditKm");
    });
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::litrePriceFailure()
{
    BookingWindowDriver d;
    d.open([&] {
        d.choose("Kraftstoff");
        d.type("EditLiter", "40");
        d.env.prompts.expectMessage(
            MessageKind::Plain,
            "Fehler Literpreisberechnung. Überprüfen Sie ihre Preis - und Literangaben!");
        d.leave("EditLiter");
        QCOMPARE(d.text("EditLiter"), QStringLiteral("40,0"));
        QVERIFY(d.text("EditProLiter").isEmpty());
    });
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::lastAmountPrefillAndSave()
{
    BookingWindowDriver d;
    d.env.writeData("SteuerKfz3.dat", "210,00\r\n");
    d.open([&] {
        d.choose("Steuer");
        QCOMPARE(d.text("EditBetrag"), QStringLiteral("210,00"));
        QCOMPARE(d.text("EditComment"), QStringLiteral("Steuer"));
        d.choose("Wartung");
        QVERIFY(d.text("EditBetrag").isEmpty());
        QCOMPARE(d.text("EditComment"), QStringLiteral("Wartung"));
        d.choose("Versicherung");
        QVERIFY(d.text("EditBetrag").isEmpty());
        d.type("EditBetrag", "480");
        d.trigger("ToolSave");
        QCOMPARE(d.env.readData("VersicherungKfz3.dat"), QByteArray("480,00\r\n"));
        d.choose("Versicherung");
        QCOMPARE(d.text("EditBetrag"), QStringLiteral("480,00"));
        d.type("EditBetrag", "495");
        d.trigger("ToolSave");
    });
    QCOMPARE(d.env.readData("VersicherungKfz3.dat"), QByteArray("495,00\r\n"));
    QCOMPARE(d.env.readData("SteuerKfz3.dat"), QByteArray("210,00\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::emptyVehicleNumberSavesNothing()
{
    BookingWindowDriver d;
    d.open(
        [&] {
            d.fill("Wartung", "47650", "10");
            d.env.prompts.expectMessage(MessageKind::Plain,
                                        "Es müssen alle Felder ausgefüllt werden!");
            d.trigger("ToolSave");
            QVERIFY(d.text("EditBetrag").isEmpty());
            // The changed flag is cleared: closing asks nothing.
            d.trigger("ActionBeenden");
        },
        "47650", "  ");
    QVERIFY(QDir(d.env.context.paths.dataDir).entryList(QDir::Files).isEmpty());
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::tyreBookingOffersTyreData()
{
    BookingWindowDriver d;
    d.open([&] {
        // Without a tyre window nothing is asked.
        d.fill("Reifen", "48000", "400");
        d.trigger("ToolSave");
    });
    QStringList opened;
    d.window.setTyreOpener([&opened](const QString& kfzNr, const QString& dir, int km) {
        opened << kfzNr << dir << QString::number(km);
    });
    QVERIFY(d.action("ActionReifendaten")->isEnabled());
    d.open(
        [&] {
            d.fill("Reifen", "48100", "50");
            d.env.prompts.expectMessage(MessageKind::Confirmation, "Reifendaten bearbeiten?",
                                        Answer::Yes, QStringLiteral("Buchen"));
            d.trigger("ToolSave");
            QCOMPARE(opened, (QStringList{"3", d.env.context.paths.dataDir, "48100"}));
            d.fill("Reifen", "48100", "60");
            d.env.prompts.expectMessage(MessageKind::Confirmation, "Reifendaten bearbeiten?",
                                        Answer::No, QStringLiteral("Buchen"));
            d.trigger("ToolSave");
            QCOMPARE(opened.size(), 3);
        },
        "48000");
    QCOMPARE(d.bookingBytes().count("\r\n"), 3);
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::editingKeepsPlaceAndField10()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2024;Kraftstoff;60,00;erste;1;40,0;47000;46500",
                     "3;AB-CD 123;20.01.2024;Kraftstoff;65,50;zweite;2;45,4;47500;47000",
                     "3;AB-CD 123;01.02.2024;Wartung;99,00;dritte;3;;47600;47500"});
    d.open(
        [&] {
            d.env.prompts.expectModal("TFormBuchListe", [](QDialog& list) {
                auto* table = list.findChild<QTreeWidget*>("MyList");
                QCOMPARE(table->topLevelItemCount(), 3);
                QVERIFY(QTest::qWaitForWindowExposed(&list));
                const QPoint row = table->visualItemRect(table->topLevelItem(1)).center();
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);
                QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row);
            });
            d.trigger("ToolList");
            QCOMPARE(d.status(), QStringLiteral("Editieren"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("2"));
            QCOMPARE(d.text("EditDatum"), QStringLiteral("20.01.2024"));
            QCOMPARE(d.category()->currentText(), QStringLiteral("Kraftstoff"));
            QCOMPARE(d.text("EditComment"), QStringLiteral("zweite"));
            QCOMPARE(d.text("EditProLiter"), QStringLiteral("1,44"));
            d.type("EditBetrag", "70");
            d.trigger("ToolSave");
            QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("4"));
        },
        "47000");
    QCOMPARE(d.bookingBytes(),
             ansi("3;AB-CD 123;02.01.2024;Kraftstoff;60,00;erste;1;40,0;47000;46500\r\n"
                  "3;AB-CD 123;20.01.2024;Kraftstoff;70,00;zweite;2;45,4;47500;47000\r\n"
                  "3;AB-CD 123;01.02.2024;Wartung;99,00;dritte;3;;47600;47500\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::listWithoutChoiceGoesToNewEntry()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2024;Wartung;60,00;erste;1;;47000;46500"});
    d.open([&] {
        d.env.prompts.expectModal("TFormBuchListe", [](QDialog& list) {
            list.findChild<QAction*>("ToolClose")->trigger();
        });
        d.trigger("ActionListeDrucken");
        QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("2"));
    });
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::numberingAfterDeleting_data()
{
    QTest::addColumn<int>("deleted");
    QTest::addColumn<QString>("nextNumber");
    QTest::addColumn<QString>("shownAfterDeleting");
    QTest::newRow("highest number is taken again") << 3 << "3"
                                                   << "1";
    QTest::newRow("other number leaves a gap") << 1 << "4"
                                               << "2";
}

void TestBookingWindow::numberingAfterDeleting()
{
    QFETCH(int, deleted);
    QFETCH(QString, nextNumber);
    QFETCH(QString, shownAfterDeleting);
    BookingWindowDriver d;
    QStringList lines;
    for (int nr = 1; nr <= 3; ++nr)
        lines << QStringLiteral("3;AB-CD 123;0%1.01.2024;Wartung;1%1,00;k%1;%1;;4700%1;4700%1")
                     .arg(nr);
    d.writeBookings(lines);
    d.open([&] {
        d.env.prompts.expectModal("TFormBuchListe", [deleted](QDialog& list) {
            auto* table = list.findChild<QTreeWidget*>("MyList");
            table->setCurrentItem(table->topLevelItem(deleted - 1));
            list.findChild<QAction*>("ToolTake")->trigger();
        });
        d.trigger("ActionBuchungsliste");
        d.env.prompts.expectMessage(MessageKind::Warning, "Buchung wirklich löschen?", Answer::Yes);
        d.trigger("ToolDelete");
        // The first booking of the year is edited next.
        QCOMPARE(d.status(), QStringLiteral("Editieren"));
        QCOMPARE(d.text("EditBuchNr"), shownAfterDeleting);
        d.trigger("ToolNew");
        QCOMPARE(d.text("EditBuchNr"), nextNumber);
    });
    lines.removeAt(deleted - 1);
    QCOMPARE(d.bookingBytes(), ansi(lines.join("\r\n") + "\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::deletingLastBookingOfYear()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2024;Wartung;60,00;erste;1;;47000;46500"});
    d.open([&] {
        d.env.prompts.expectModal("TFormBuchListe", [](QDialog& list) {
            auto* table = list.findChild<QTreeWidget*>("MyList");
            table->setCurrentItem(table->topLevelItem(0));
            list.findChild<QAction*>("ToolTake")->trigger();
        });
        d.trigger("ToolList");
        d.env.prompts.expectMessage(MessageKind::Warning, "Buchung wirklich löschen?", Answer::Yes);
        d.trigger("ToolDelete");
        // Nothing is left to edit: a new entry starts, numbered 1 again.
        QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("1"));
        QVERIFY(d.text("EditBetrag").isEmpty() && d.text("EditComment").isEmpty());
    });
    QCOMPARE(d.bookingBytes(), QByteArray());
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::deletingInNewEntryWritesNothing()
{
    BookingWindowDriver d;
    const QString line = "3;AB-CD 123;02.01.2024;Wartung;60,00;erste;1;;47000;46500";
    d.writeBookings({line});
    d.open([&] {
        d.fill("Wartung", "47700", "12");
        d.type("EditComment", "Öl");
        d.env.prompts.expectMessage(MessageKind::Warning, "Buchung wirklich löschen?", Answer::No);
        d.trigger("ToolDelete");
        QCOMPARE(d.text("EditBetrag"), QStringLiteral("12"));
        d.env.prompts.expectMessage(MessageKind::Warning, "Buchung wirklich löschen?", Answer::Yes);
        d.trigger("ToolDelete");
        QVERIFY(d.text("EditBetrag").isEmpty() && d.text("EditComment").isEmpty() &&
                d.category()->currentText().isEmpty());
        QCOMPARE(d.text("EditKm"), QStringLiteral("47700"));
    });
    QCOMPARE(d.bookingBytes(), ansi(line + "\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::finishAsksToSaveWhenChanged_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("changed, save") << true << Answer::Yes;
    QTest::newRow("changed, do not save") << true << Answer::No;
    QTest::newRow("unchanged") << false << Answer::Ok;
}

void TestBookingWindow::finishAsksToSaveWhenChanged()
{
    QFETCH(bool, typed);
    QFETCH(Answer, answer);
    BookingWindowDriver d;
    d.open([&] {
        if (typed) {
            d.fill("Wartung", "47700", "12");
            d.env.prompts.expectMessage(MessageKind::Confirmation, "Buchung speichern?", answer);
        }
        d.trigger("ActionBeenden");
        QVERIFY(!d.window.isVisible());
    });
    QCOMPARE(QFileInfo::exists(d.bookingFile()), answer == Answer::Yes);
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::enterMovesOn()
{
    BookingWindowDriver d;
    d.open([&] {
        d.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.window));
        const auto enterIn = [&](QWidget* field) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            return QApplication::focusWidget();
        };
        QCOMPARE(enterIn(d.edit("EditDatum")), d.category());
        QCOMPARE(enterIn(d.edit("EditKm")), d.category());
        d.choose("Wartung");
        QCOMPARE(enterIn(d.edit("EditBetrag")), d.edit("EditComment"));
        d.choose("Kraftstoff");
        d.type("EditBetrag", "50");
        QCOMPARE(enterIn(d.edit("EditBetrag")), d.edit("EditLiter"));
        // Leaving the amount field has checked it.
        QCOMPARE(d.text("EditBetrag"), QStringLiteral("50,00"));
        d.type("EditLiter", "40");
        QCOMPARE(enterIn(d.edit("EditLiter")), d.edit("EditComment"));
        QCOMPARE(d.text("EditProLiter"), QStringLiteral("1,25"));
        // Enter in the comment saves.
        d.type("EditKm", "47800");
        enterIn(d.edit("EditComment"));
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("2"));
    });
    QCOMPARE(d.bookingBytes(),
             ansi("3;AB-CD 123;15.03.2024;Kraftstoff;50,00;Kraftstoff;1;40,0;47800;47650\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::unwritableFileKeepsBookingForNextSave()
{
    BookingWindowDriver d;
    d.open([&] {
        // A folder in the way of the file makes every write fail.
        QVERIFY(QDir().mkdir(d.bookingFile()));
        QString expected;
        QVERIFY(!writeTextLines(d.bookingFile(), {"x"}, TextEncoding::Windows1252, &expected));
        d.fill("Wartung", "47700", "12");
        d.env.prompts.expectMessage(MessageKind::Error, expected);
        d.trigger("ToolSave");
        QCOMPARE(d.status(), QStringLiteral("Editieren"));
        QCOMPARE(d.text("EditBetrag"), QStringLiteral("12,00"));
        QVERIFY(QDir().rmdir(d.bookingFile()));
        d.trigger("ToolSave");
        QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
        QCOMPARE(d.text("EditBuchNr"), QStringLiteral("2"));
    });
    QCOMPARE(d.bookingBytes(),
             ansi("3;AB-CD 123;15.03.2024;Wartung;12,00;Wartung;1;;47700;47650\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::nonIntegerBookingNumberStops()
{
    BookingWindowDriver d;
    const QByteArray bytes =
        ansi("3;AB-CD 123;02.01.2024;Wartung;60,00;erste;1;;47000;46500\r\n"
             "3;AB-CD 123;03.01.2024;Wartung;70,00;zweite;zwei;;47100;47000\r\n");
    writeFileBytes(d.bookingFile(), bytes);
    const QString message = "''zwei'' ist kein gültiger Integer-Wert";
    d.env.prompts.expectModal("TFormBuchen", [&](QDialog&) {
        d.env.prompts.expectModal("TFormBuchListe", [](QDialog& list) {
            auto* table = list.findChild<QTreeWidget*>("MyList");
            table->setCurrentItem(table->topLevelItem(0));
            list.findChild<QAction*>("ToolTake")->trigger();
        });
        d.env.prompts.expectMessage(MessageKind::Error, message);
        d.trigger("ToolList");
        // Nothing was opened for editing.
        QCOMPARE(d.status(), QStringLiteral("Neueingabe"));
    });
    // Opening stops at numbering the new entry.
    d.env.prompts.expectMessage(MessageKind::Error, message);
    d.window.bookFor("3", "AB-CD 123", "47000", d.env.context.paths.dataDir);
    QCOMPARE(d.bookingBytes(), bytes);
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::semicolonsStayOutOfFields()
{
    BookingWindowDriver d;
    d.open([&] {
        d.fill("Wartung", "47700", "12");
        d.type("EditComment", "Filter; Öl");
        QCOMPARE(d.text("EditComment"), QStringLiteral("Filter Öl"));
        d.trigger("ToolSave");
    });
    QCOMPARE(d.bookingBytes(),
             ansi("3;AB-CD 123;15.03.2024;Wartung;12,00;Filter Öl;1;;47700;47650\r\n"));
    QVERIFY_PROMPTS(d.env.prompts);
}

void TestBookingWindow::openingInEditModeShowsLastBooking()
{
    BookingWindowDriver d;
    d.writeBookings({"3;AB-CD 123;02.01.2024;Wartung;60,00;erste;1;;47000;46500",
                     "3;AB-CD 123;20.01.2024;Kraftstoff;65,50;zweite;2;45,4;47500;47000", ""});
    // The first opening of a run is in edit mode: the last booking is shown and
    // its reading becomes the mileage.
    const int kmStand = d.open(
        [&] {
            QCOMPARE(d.text("EditKm"), QStringLiteral("47500"));
            QCOMPARE(d.text("EditDatum"), QStringLiteral("15.03.2024"));
            QCOMPARE(d.text("EditBuchNr"), QStringLiteral("3"));
            QVERIFY(d.text("EditBetrag").isEmpty());
        },
        "46000");
    QCOMPARE(kmStand, 47500);
    // Left in new-entry mode, the next opening keeps the vehicle's mileage.
    QCOMPARE(d.open([] {}, "46000"), 46000);
    QVERIFY_PROMPTS(d.env.prompts);
}

int runBookingWindowTests(int argc, char** argv)
{
    TestBookingWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_booking_window.moc"
