#include "Measure.h"

#include <QElapsedTimer>
#include <QList>
#include <algorithm>
#include <cstdio>

namespace {

double medianMilliseconds(const std::function<void()> &work, int repeats) {
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

void printMeasureHeader() {
    std::printf("%-44s %12s %12s %8s\n", "measure", "ours (ms)", "ref (ms)", "ratio");
}

void measure(const QString &name, const std::function<void()> &ours, const std::function<void()> &reference,
             int repeats) {
    ours(); // warm the caches of both sides alike
    reference();
    const double ourTime = medianMilliseconds(ours, repeats);
    const double referenceTime = medianMilliseconds(reference, repeats);
    std::printf("%-44s %12.2f %12.2f %8.2f\n", name.toUtf8().constData(), ourTime, referenceTime,
                referenceTime > 0 ? ourTime / referenceTime : 0.0);
    std::fflush(stdout);
}
