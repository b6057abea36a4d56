#include "evaluation/grid_look.h"

#include "evaluation/annual_evaluation.h"

#include <algorithm>
#include <cmath>

namespace {

int roundHalfToEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

int valueColumnWidth(int windowWidth)
{
    const int gridWidth = windowWidth - 34;
    return std::max(1, roundHalfToEven((gridWidth - 80) / 13.5));
}

int gridRowHeight(int windowHeight)
{
    const int gridHeight = windowHeight - 150;
    return std::max(1, roundHalfToEven(gridHeight / 15.0));
}

CellLook cellLook(int column, int row, const QString& text)
{
    CellLook look;
    look.label = column == 0 || row == 0;
    if (look.label)
        return look;
    look.total = column == kTotalIndex || row == kTotalIndex;
    look.bold = look.total || text != AnnualEvaluation::zeroCellText();
    look.markLeft = column == kTotalIndex;
    look.markTop = row == kTotalIndex;
    return look;
}
