#pragma once

#include <QString>
#include <functional>

// The median time of `work` over several runs, in milliseconds; `before` runs ahead of each run, untimed.
double medianMilliseconds(const std::function<void()> &work, int repeats = 7, const std::function<void()> &before = {});

// Runs our operation and its floor alike (one untimed warm-up each, then medians) and prints one line:
// name, our median, the floor's median, "ratio R goal G". `before` runs ahead of each of ours, untimed,
// and `floorBefore` ahead of each of the floor's: the same state reached through the floor's side.
void measure(const QString &name, const std::function<void()> &ours, const std::function<void()> &floor, double goal,
             int repeats = 7, const std::function<void()> &before = {}, const std::function<void()> &floorBefore = {});

void printTimeLine(const QString &name, double ours, double floor, double goal);
void printMemoryLine(const QString &name, double megabytes, double goal, const QString &beside = {});
void printMeasureHeader();

// The process's own memory from /proc/self/status: its peak ("VmHWM") or its current size ("VmRSS"), in MB.
double processMegabytes(const char *field);
