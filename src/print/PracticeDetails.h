#pragma once

#include <QString>

// The practice printed on every letterhead: who the doctor is and where to find the practice.
struct PracticeDetails {
    QString doctor;
    QString speciality;
    QString addressLine1;
    QString addressLine2;
    QString telephone;
    QString freeLine; // for example "Consultations sur rendez-vous"

    bool operator==(const PracticeDetails &) const = default;
};

// The fictitious practice printed until the doctor types their own.
const PracticeDetails &samplePracticeDetails();

// The details the letterheads print, program-wide: the sample until start-up reads the practice's own.
const PracticeDetails &practiceDetails();
void setPracticeDetails(const PracticeDetails &details);
