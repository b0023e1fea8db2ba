#pragma once

#include <QFont>

// Where the program's font faces are not installed (Linux), their metric twins stand in for them.
void installFontSubstitutes();

// The numbered screen fonts 0 to 49, created once at start-up (sizes in points at the screen's resolution):
// 3i arial, 3i+1 Ms Trebuchet, 3i+2 Calibri at 8 + i points (i = 0..7); 24 + 3i, 25 + 3i, 26 + 3i the same
// faces in bold at 9 + i points; 48 arial 8 bold; 49 Calibri 18 bold.
void loadScreenFonts();

// A screen font by number (the application's default font for a number outside the set).
const QFont &screenFont(int number);

// The screen font numbers the windows name by face, size and style.
namespace ScreenFont {
constexpr int Calibri11 = 11;
constexpr int Arial11Bold = 30;
constexpr int Trebuchet11Bold = 31;
constexpr int Trebuchet9Bold = 25;
constexpr int Arial8Bold = 48;
} // namespace ScreenFont
