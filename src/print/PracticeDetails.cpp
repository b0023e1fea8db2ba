#include "print/PracticeDetails.h"

namespace {

PracticeDetails &current() {
    static PracticeDetails details = samplePracticeDetails();
    return details;
}

} // namespace

const PracticeDetails &samplePracticeDetails() {
    static const PracticeDetails sample{
        QStringLiteral("Docteur Claire LAMBERT"), QStringLiteral("Médecine générale"),
        QStringLiteral("14, rue des Tilleuls"),   QStringLiteral("69003 Lyon"),
        QStringLiteral("Tél. : 04 65 71 12 34"),  QStringLiteral("Consultations sur rendez-vous"),
    };
    return sample;
}

const PracticeDetails &practiceDetails() {
    return current();
}

void setPracticeDetails(const PracticeDetails &details) {
    current() = details;
}
