#include "print/Letterheads.h"

#include "print/Page.h"
#include "print/Units.h"
#include "ui/Pictures.h"

#include <array>

namespace {

constexpr std::array<LetterheadSpec, 5> letterheads{{
    {Letterhead::Prescription, Picture::LetterheadPrescription, 16.0, 5.0},
    {Letterhead::Certificate, Picture::LetterheadCertificate, 16.0, 5.0},
    {Letterhead::SickLeave, Picture::LetterheadSickLeave, 16.0, 5.0},
    {Letterhead::Letter, Picture::LetterheadLetter, 16.0, 5.0},
    {Letterhead::Journals, Picture::LetterheadJournals, 20.0, 4.0},
}};

} // namespace

const LetterheadSpec &letterheadSpec(Letterhead letterhead) {
    for (const LetterheadSpec &spec : letterheads)
        if (spec.letterhead == letterhead)
            return spec;
    return letterheads.front();
}

void drawLetterhead(Page &page, Letterhead letterhead) {
    const LetterheadSpec &spec = letterheadSpec(letterhead);
    const Units units(page);
    page.drawPicture(units.x(LetterheadX), units.y(LetterheadY), units.x(spec.width), units.y(spec.height),
                     picture(spec.picture));
}
