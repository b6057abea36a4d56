#include "printing/page_metrics.h"

#include <cmath>

int roundPixel(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

PageUnits::PageUnits(const PageMetrics& page)
    : m_x((page.width + 2.0 * page.offsetX) / 21.0),
      m_y((page.height + 2.0 * page.offsetY) / 28.215)
{
}
