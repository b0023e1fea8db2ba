#include "print/Letterheads.h"

#include "print/LetterheadRenderer.h"
#include "print/PracticeDetails.h"

#include <array>

namespace {

// The date tops are those of each document's own layout, so that "DATE :" sits on the date's line.
constexpr std::array<LetterheadDescriptor, 6> letterheads{{
    {Letterhead::Prescription, 2, 16.0, 5.0, "ORDONNANCE", 3.65, 2.12, LetterheadArrangement::Document, 703, 173},
    {Letterhead::Certificate, 4, 16.0, 5.0, "CERTIFICAT MEDICAL", 3.65, 1.7, LetterheadArrangement::Document, 703, 205},
    {Letterhead::SickLeave, 31, 16.0, 5.0, "CONGE DE MALADIE", 3.65, 1.4, LetterheadArrangement::Document, 703, 251},
    {Letterhead::Letter, 33, 16.0, 5.0, "LETTRE DE RECOMMANDATION", 3.65, 1.4, LetterheadArrangement::Document, 703,
     235},
    {Letterhead::Journals, 32, 20.0, 4.0, nullptr, 0, -1, LetterheadArrangement::Wide, 899, 176},
    {Letterhead::Appointment, 35, 16.0, 5.0, "RENDEZ-VOUS", 3.65, 1.4, LetterheadArrangement::Document, 703, 235},
}};

} // namespace

const LetterheadDescriptor &letterheadDescriptor(Letterhead letterhead) {
    for (const LetterheadDescriptor &descriptor : letterheads)
        if (descriptor.letterhead == letterhead)
            return descriptor;
    return letterheads.front();
}

std::span<const LetterheadDescriptor> letterheadDescriptors() {
    return letterheads;
}

void drawLetterhead(Page &page, Letterhead letterhead) {
    drawPracticeLetterhead(page, letterheadDescriptor(letterhead), practiceDetails(), LetterheadX, LetterheadY);
}
