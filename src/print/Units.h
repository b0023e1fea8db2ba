#pragma once

class Page;

// Documents are laid out on an A4 sheet 21.0 units wide. Both conversions scale by the printable
// width W in device pixels: a horizontal unit is W / 21.0 pixels, a vertical one W / 29.7.

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double value);

// x positions and widths: v x W / 21.0, rounded.
int printX(double v, int printableWidth);

// y positions, heights, line advances and printer font sizes: v x W / 29.7, rounded.
int printY(double v, int printableWidth);

// The two conversions for one page: Units u(page); u.x(2.0), u.y(0.7).
class Units {
public:
    explicit Units(int printableWidth) : m_width(printableWidth) {}
    explicit Units(const Page &page);

    int x(double v) const { return printX(v, m_width); }
    int y(double v) const { return printY(v, m_width); }

private:
    int m_width;
};
