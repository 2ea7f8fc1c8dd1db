#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>

// Every benchmark prints rows of one Markdown table: operation, time, baseline, ratio and
// the process's peak memory so far, so the outputs of all of them concatenate into one.
namespace bench {

inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The resident memory of the process now.
inline double currentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Milliseconds taken by the best of `runs` calls of work.
template <typename Work>
double bestMilliseconds(int runs, Work&& work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}

inline void printHeader()
{
    std::printf("| operation | time (ms) | baseline (ms) | ratio | peak memory (MB) |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
}

// baseline < 0: the operation has no baseline, only a target.
inline void printRow(const QString& operation, double milliseconds, double baseline = -1)
{
    const QByteArray name = operation.toUtf8();
    if (baseline > 0)
        std::printf("| %s | %.1f | %.1f | %.2f | %.0f |\n", name.constData(), milliseconds, baseline,
                    milliseconds / baseline, peakMegabytes());
    else
        std::printf("| %s | %.1f | – | – | %.0f |\n", name.constData(), milliseconds, peakMegabytes());
    std::fflush(stdout);
}

} // namespace bench
