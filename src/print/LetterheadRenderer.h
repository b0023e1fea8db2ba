#pragma once

struct LetterheadDescriptor;
struct PracticeDetails;
class Page;

// Draws a letterhead from the practice details in its box, whose top-left corner is at (x, y) units.
// Every position and size is in units, so the letterhead is the same on paper at any resolution; texts
// are measured in units too, so a right-aligned or centred text does not move with the printer. The page's
// font is the same afterwards.
void drawPracticeLetterhead(Page &page, const LetterheadDescriptor &letterhead, const PracticeDetails &details,
                            double x, double y);
