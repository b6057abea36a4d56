// Printing through a real QPrinter writing PDF files, with the print dialog
// answered by script.

#include "bookings/booking_list_window.h"
#include "printing/booking_list_print.h"
#include "printing/print_job.h"
#include "printing/printer_painter.h"
#include "printing/vehicle_data_sheet.h"
#include "printing_tests.h"
#include "test_env.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Accepts the print dialog with a PDF file as the printer.
void expectPdfPrinter(TestEnv& env, const QString& path)
{
    env.prompts.expectPrinter(true, [path](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    });
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", path, "-"});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdfinfo"), {path});
    process.waitForFinished(20000);
    const QString info = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(info).captured(1).toInt();
}

} // namespace

void PrintJobTest::printsOneCopyInPortrait()
{
    TestEnv env;
    QPrinter* dialogPrinter = nullptr;
    env.prompts.expectPrinter(true, [&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env.dataFile("copies.pdf"));
        printer.setCopyCount(3);
        printer.setPageOrientation(QPageLayout::Landscape);
        dialogPrinter = &printer;
    });
    int copies = 0;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    PageMetrics seen;
    QVERIFY(runPrintJob(env.context, nullptr, "Kfzdaten",
                        [&](const PageMetrics& page, const PrintFontMetrics&) {
                            copies = dialogPrinter->copyCount();
                            orientation = dialogPrinter->pageLayout().orientation();
                            seen = page;
                            return PrintDocument();
                        }));
    QCOMPARE(copies, 1);
    QCOMPARE(orientation, QPageLayout::Portrait);
    QVERIFY(seen.height > seen.width);
    QVERIFY(QFile::exists(env.dataFile("copies.pdf")));
    QVERIFY_PROMPTS(env.prompts);
}

void PrintJobTest::cancelPrintsNothing()
{
    TestEnv env;
    env.prompts.expectPrinter(false);
    bool laidOut = false;
    QVERIFY(!runPrintJob(env.context, nullptr, "Kfzdaten",
                         [&](const PageMetrics&, const PrintFontMetrics&) {
                             laidOut = true;
                             return PrintDocument();
                         }));
    QVERIFY(!laidOut);
    QVERIFY_PROMPTS(env.prompts);
}

void PrintJobTest::failingPrinterIsReported()
{
    TestEnv env;
    // A PDF file in a folder that does not exist cannot be opened.
    expectPdfPrinter(env, env.dataFile("missing/folder/sheet.pdf"));
    env.prompts.expectMessage(MessageKind::Error, "Der gewählte Drucker ist ungültig.");
    QVERIFY(!PrintRecordSheet(env.context, nullptr, vehicleDataSheet(KfzRecord())));
    QVERIFY_PROMPTS(env.prompts);
}

void PrintJobTest::clippedTextStaysInsideItsCell()
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    PrintDocument doc;
    doc.setFont(tableFont());
    doc.clippedText(10, 10, 100, 60, 10, 10, QString(60, u'W'));
    QPainter painter(&image);
    QVERIFY(paintDocument(doc, painter, [] { return true; }));
    painter.end();

    const auto inkIn = [&image](int fromX, int toX) {
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = fromX; x < toX; ++x)
                ink += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        return ink;
    };
    QVERIFY(inkIn(10, 100) > 0);
    QCOMPARE(inkIn(100, image.width()), 0);
}

void PrintJobTest::sheetsAndListsReachThePdf()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestEnv env;
    env.clock.set(QDate(2023, 12, 8));

    KfzRecord vehicle;
    vehicle[KfzNr] = "2";
    vehicle[Kennzeichen] = "K-AB 123";
    vehicle[Hersteller] = "Volkswagen";
    expectPdfPrinter(env, env.dataFile("sheet.pdf"));
    QVERIFY(PrintRecordSheet(env.context, nullptr, vehicleDataSheet(vehicle)));

    QTreeWidget view;
    view.setHeaderLabels({"", "Kennzeichen", "Hersteller", "Typ"});
    for (int c = 0; c < 4; ++c)
        view.setColumnWidth(c, QList<int>{2, 85, 150, 100}[c]);
    new QTreeWidgetItem(&view, QStringList{"", "K-AB 123", "Volkswagen", "Golf"});
    expectPdfPrinter(env, env.dataFile("list.pdf"));
    QVERIFY(PrintListview(env.context, nullptr, listTableOf(view), ListKind::Vehicles));

    expectPdfPrinter(env, env.dataFile("empty.pdf"));
    QVERIFY(PrintListview(env.context, nullptr, ListTable(), ListKind::Bookings));

    const QString sheet = pdfText(env.dataFile("sheet.pdf"));
    for (const QString expected :
         {"Kfzdaten", "Rubrik", "Eintrag", "Amtl. Kennzeichen:", "K-AB 123", "Volkswagen",
          "Nächste Wartung bei Km:", "Date: 08.12.2023 Page: 1 / 1"})
        QVERIFY2(sheet.contains(expected), qPrintable(expected + " missing in:\n" + sheet));
    const QString list = pdfText(env.dataFile("list.pdf"));
    for (const QString expected : {"Fahrzeugliste", "Kennzeichen", "Hersteller", "Typ", "K-AB 123",
                                   "Golf", "Date: 08.12.2023 Page: 1 / 1"})
        QVERIFY2(list.contains(expected), qPrintable(expected + " missing in:\n" + list));
    QVERIFY(pdfText(env.dataFile("empty.pdf")).trimmed().isEmpty());
    if (!QStandardPaths::findExecutable("pdfinfo").isEmpty())
        QCOMPARE(pdfPageCount(env.dataFile("empty.pdf")), 1);
    QVERIFY_PROMPTS(env.prompts);
}

void PrintJobTest::bookingListPrintsItsRows()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    TestEnv env;
    env.clock.set(QDate(2023, 12, 8));
    TFormBuchListe list(env.prompts);
    list.setBookings({"1;K-AB 123;03.02.2023;Kraftstoff;65,50;;1;40,2;10200;9800",
                      "1;K-AB 123;15.01.2024;Wartung;-12,00;Rabatt;2;;10950;10200"});
    list.setPrintHandler([&env](TFormBuchListe& shown) { printBookingList(env.context, shown); });
    expectPdfPrinter(env, env.dataFile("bookings.pdf"));
    list.findChild<QAction*>("ToolPrint")->trigger();

    const QString text = pdfText(env.dataFile("bookings.pdf"));
    for (const QString expected :
         {"Buchungsliste", "BuchNr.", "Kostenart", "Betrag", "Kmstand", "03.02.2023", "65,50",
          "-12,00", "10950", "Date: 08.12.2023 Page: 1 / 1"})
        QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
    QVERIFY(text.indexOf("65,50") < text.indexOf("-12,00"));
    QVERIFY_PROMPTS(env.prompts);
}
