#pragma once

#include <span>

class Page;

// The practice's letterhead at the top-left of every page of a document, drawn at print time from the
// practice details as text and rules, so that it is sharp at any resolution and its text can be searched.
enum class Letterhead { Prescription, Certificate, SickLeave, Letter, Journals, Appointment };

// How the practice details are arranged: the single documents put the address under the name and carry
// a title and a "DATE :" label; the wide journals letterhead puts the address at the right.
enum class LetterheadArrangement { Document, Wide };

// One letterhead: its box on the sheet in units (width horizontal, height vertical), its title and where
// the document prints its date. Adding a letterhead is one row of this table.
struct LetterheadDescriptor {
    Letterhead letterhead;
    int picture;                 // the sample picture of this letterhead, drawn by the picture tool from the same rows
    double width;                // horizontal units
    double height;               // vertical units
    const char *title = nullptr; // centred over the page's body, underlined; none when null
    double titleTop = 3.65;      // vertical units from the letterhead's top
    double dateTop = -1;         // top of the document's printed date, vertical units; no label when negative
    LetterheadArrangement arrangement = LetterheadArrangement::Document;
    int pictureWidth = 703; // the sample picture's size in pixels
    int pictureHeight = 0;
};

const LetterheadDescriptor &letterheadDescriptor(Letterhead letterhead);

// Every letterhead, in the table's order.
std::span<const LetterheadDescriptor> letterheadDescriptors();

// Where every letterhead is drawn, in units.
constexpr double LetterheadX = 1.0;
constexpr double LetterheadY = 0.0;

// Draws the letterhead with the practice's current details, in its box at (LetterheadX, LetterheadY).
void drawLetterhead(Page &page, Letterhead letterhead);
