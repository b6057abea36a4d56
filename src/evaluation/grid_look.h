#pragma once
// How the cost grid looks: its sizes for a window size, and how each cell is
// drawn. Kept apart from the widgets so the rules can be checked without them.

#include <QString>

// Wide enough for " Pflege/Waschen" and " Betriebsstoffe" after every run.
inline constexpr int kLabelColumnWidth = 90;
inline constexpr int kOpeningWidth = 795;
inline constexpr int kOpeningHeight = 450;

// The month and total columns share the grid's width (window width less 34)
// after 80 pixels for the labels, 13.5 ways; the 14 rows share its height
// (window height less 150) 15 ways, leaving room below the last row. Halves
// round to the even neighbour. Never less than one pixel.
int valueColumnWidth(int windowWidth);
int gridRowHeight(int windowHeight);

struct CellLook {
    bool label = false;    // row 0 or column 0: plain, left-aligned, grey
    bool bold = false;     // every value but an empty one, and every total
    bool total = false;    // navy: the total row and column
    bool markLeft = false; // a maroon line left of the total column
    bool markTop = false;  // a maroon line above the total row
};

CellLook cellLook(int column, int row, const QString& text);
