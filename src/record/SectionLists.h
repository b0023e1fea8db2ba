#pragma once

#include "record/Sections.h"

#include <optional>

class CompactRows;

// The rows of the sections that grow longest (examinations, prescriptions, analyses, radiology), read
// from the engine straight into a list's compact rows: the same rows sectionRowsFrom() makes from the
// stored rows, without a text list per stored row. Nothing for the other sections.
std::optional<CompactRows> compactSectionRows(Section section, const QString &patientCode);
