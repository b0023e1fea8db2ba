#pragma once

class Page;

// The practice's letterheads are pictures drawn at the top-left of every page of a document.
enum class Letterhead { Prescription, Certificate, SickLeave, Letter, Journals, Appointment };

// A letterhead's picture number and the size it is scaled to, in units (width horizontal, height vertical).
struct LetterheadDescriptor {
    Letterhead letterhead;
    int picture;
    double width;
    double height;
};

const LetterheadDescriptor &letterheadDescriptor(Letterhead letterhead);

// Where every letterhead is drawn, in units.
constexpr double LetterheadX = 1.0;
constexpr double LetterheadY = 0.0;

// Scales the letterhead's picture to exactly its size (proportions not kept) and draws it.
void drawLetterhead(Page &page, Letterhead letterhead);
