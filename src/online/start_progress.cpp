#include "online/start_progress.h"

#include <QtGlobal>
#include <cmath>

int progressBarWidth(int counter, int frameWidth)
{
    const int ticks = qBound(0, counter, kStartScreenTicks);
    const float factor = float(frameWidth) / 100.0f;
    // nearbyint rounds halves to the even neighbour, as the bar always has.
    return int(std::nearbyint(float(ticks) * factor));
}
