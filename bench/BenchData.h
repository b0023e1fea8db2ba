#pragma once

#include <QString>

// The benchmark's practice: 20,000 patients with many years of acts, generated once into a cache
// folder and reused by later runs. Returns the working folder (its data folder holds the 23 files).
QString benchWorkingFolder();

// A patient of the generated practice with a full record, for the per-patient measures.
constexpr int BenchPatientCode = 4242;
