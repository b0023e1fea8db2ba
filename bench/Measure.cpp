#include "Measure.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <algorithm>
#include <cstdio>

double medianMilliseconds(const std::function<void()> &work, int repeats, const std::function<void()> &before) {
    QList<double> times;
    for (int i = 0; i < repeats; ++i) {
        if (before)
            before();
        QElapsedTimer timer;
        timer.start();
        work();
        times << timer.nsecsElapsed() / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printMeasureHeader() {
    std::printf("%-58s %10s %10s\n", "measure", "vireska", "floor");
}

void printTimeLine(const QString &name, double ours, double floor, double goal) {
    const double ratio = floor > 0 ? ours / floor : 0.0;
    std::printf("%-58s %7.2f ms %7.2f ms  ratio %.2f goal %.1f%s\n", name.toUtf8().constData(), ours, floor, ratio,
                goal, ratio > goal ? "  ABOVE GOAL" : "");
    std::fflush(stdout);
}

void printMemoryLine(const QString &name, double megabytes, double goal, const QString &beside) {
    std::printf("%-58s %7.1f MB goal %.0f%s%s\n", name.toUtf8().constData(), megabytes, goal,
                beside.isEmpty() ? "" : qPrintable(QStringLiteral("  (") + beside + QLatin1Char(')')),
                megabytes > goal ? "  ABOVE GOAL" : "");
    std::fflush(stdout);
}

void measure(const QString &name, const std::function<void()> &ours, const std::function<void()> &floor, double goal,
             int repeats, const std::function<void()> &before, const std::function<void()> &floorBefore) {
    // One untimed run of each warms the caches of both sides alike.
    if (before)
        before();
    ours();
    if (floorBefore)
        floorBefore();
    floor();
    const double ourTime = medianMilliseconds(ours, repeats, before);
    const double floorTime = medianMilliseconds(floor, repeats, floorBefore);
    printTimeLine(name, ourTime, floorTime, goal);
}

double processMegabytes(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
