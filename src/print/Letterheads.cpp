#include "print/Letterheads.h"

#include "print/Page.h"
#include "print/Units.h"
#include "ui/Pictures.h"

#include <array>

namespace {

constexpr std::array<LetterheadDescriptor, 6> letterheads{{
    {Letterhead::Prescription, Picture::LetterheadPrescription, 16.0, 5.0},
    {Letterhead::Certificate, Picture::LetterheadCertificate, 16.0, 5.0},
    {Letterhead::SickLeave, Picture::LetterheadSickLeave, 16.0, 5.0},
    {Letterhead::Letter, Picture::LetterheadLetter, 16.0, 5.0},
    {Letterhead::Journals, Picture::LetterheadJournals, 20.0, 4.0},
    {Letterhead::Appointment, Picture::LetterheadCard, 16.0, 5.0},
}};

} // namespace

const LetterheadDescriptor &letterheadDescriptor(Letterhead letterhead) {
    for (const LetterheadDescriptor &descriptor : letterheads)
        if (descriptor.letterhead == letterhead)
            return descriptor;
    return letterheads.front();
}

void drawLetterhead(Page &page, Letterhead letterhead) {
    const LetterheadDescriptor &descriptor = letterheadDescriptor(letterhead);
    const Units units(page);
    page.drawPicture(units.x(LetterheadX), units.y(LetterheadY), units.x(descriptor.width), units.y(descriptor.height),
                     picture(descriptor.picture));
}
