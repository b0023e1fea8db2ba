#pragma once

#include <QString>

// The benchmark's practice: 20,000 patients with many years of acts, generated once into a cache
// folder and reused by later runs. Returns the working folder (its data folder holds the 23 files).
QString benchWorkingFolder();

// A patient of the generated practice with an ordinary record (10 examinations).
constexpr int BenchPatientCode = 4242;

// The patients with many examination dates: codes 20001, 20002 and 20003, in this order.
constexpr int BenchPatientSizes[] = {18, 500, 5000};
constexpr int BenchLargePatientFirstCode = 20001;
