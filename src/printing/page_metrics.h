#pragma once
// What a printer tells about its page, in device pixels, and the page units
// both printers lay out with: one x-unit is a twenty-first of the paper width
// (1 cm on A4), one y-unit the paper height divided by 28.215.

struct PageMetrics {
    int width = 0;      // printable width
    int height = 0;     // printable height
    int offsetX = 0;    // distance of the printable area from the paper's left edge
    int offsetY = 0;    // distance of the printable area from the paper's top edge
    int resolution = 0; // dots per inch
};

// Rounds to the nearest whole pixel, halves to the even neighbour.
int roundPixel(double value);

class PageUnits {
public:
    explicit PageUnits(const PageMetrics& page);

    double xUnit() const { return m_x; }
    double yUnit() const { return m_y; }
    // `units` x- or y-units as whole pixels.
    int x(double units) const { return roundPixel(units * m_x); }
    int y(double units) const { return roundPixel(units * m_y); }

private:
    double m_x;
    double m_y;
};
