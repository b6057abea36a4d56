#pragma once
// The test classes of the printing folder, run together by printing_tests.cpp.

#include <QObject>

class RecordSheetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnBorders_data();
    void columnBorders();
    void headingsStartLeftOfTheMiddleByTheMeasureText();
    void rowsFlowOntoFurtherPages_data();
    void rowsFlowOntoFurtherPages();
    void pageLineEndsAtTheRightMargin();
    void titlePlacement_data();
    void titlePlacement();
    void closingRuleOffset_data();
    void closingRuleOffset();
    void tyreSheetSeparatesSummerFromWinter();
    void longPlateIsClippedAtItsCell();
    void vehicleSheetRows();
};

class ListPrintTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void columnBoundariesFollowScreenWidths_data();
    void columnBoundariesFollowScreenWidths();
    void pagesAndVerticalLines_data();
    void pagesAndVerticalLines();
    void emptyTablePrintsABlankPage();
    void headersAreCentred();
    void bookingAmountsAreRightAligned();
    void missingCellPrintsEmpty();
};

class PrintJobTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsOneCopyInPortrait();
    void cancelPrintsNothing();
    void failingPrinterIsReported();
    void clippedTextStaysInsideItsCell();
    void sheetsAndListsReachThePdf();
    void bookingListPrintsItsRows();
};
