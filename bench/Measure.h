#pragma once

#include <QString>
#include <functional>

// Runs our operation and its reference a few times each and prints one line:
// name, our time, reference time, ratio (median times in milliseconds).
void measure(const QString &name, const std::function<void()> &ours, const std::function<void()> &reference,
             int repeats = 5);

void printMeasureHeader();
