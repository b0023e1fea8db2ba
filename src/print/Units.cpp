#include "print/Units.h"

#include "print/Page.h"

#include <cmath>

int roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return static_cast<int>(below) + 1;
    if (fraction < 0.5)
        return static_cast<int>(below);
    return std::fmod(below, 2.0) == 0.0 ? static_cast<int>(below) : static_cast<int>(below) + 1;
}

int printX(double v, int printableWidth) {
    return roundHalfEven(v * printableWidth / 21.0);
}

int printY(double v, int printableWidth) {
    return roundHalfEven(v * printableWidth / 29.7);
}

Units::Units(const Page &page) : m_width(page.width()) {}
