#pragma once
// Small measuring helpers shared by the benchmark's parts: a monotonic clock
// in nanoseconds that all processes of a run share, the process's own CPU time,
// its peak resident memory, and the order statistics the table prints.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <sys/resource.h>
#include <vector>

namespace bench {

// CLOCK_MONOTONIC: one time line for the benchmark and the processes it starts.
inline std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// CPU time used by this process so far (all threads, user and system).
inline std::int64_t cpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Peak resident set of this process, in kilobytes: VmHWM of /proc/self/status.
// (getrusage's ru_maxrss is no good for the probes: a child process starts
// with the high-water mark of the parent it was forked from.)
inline long peakRssKb() {
    if (std::FILE *f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        long kb = -1;
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
        std::fclose(f);
        if (kb >= 0) return kb;
    }
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

inline double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The nearest-rank percentile: the smallest value that `p` percent of the
// samples do not exceed.
inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    size_t rank = static_cast<size_t>(std::ceil(p / 100.0 * static_cast<double>(v.size())));
    rank = std::clamp<size_t>(rank, 1, v.size());
    return v[rank - 1];
}

inline double mean(const std::vector<double> &v) {
    return v.empty() ? NAN : std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

// Runs `f` `reps` times and returns each run's wall time in milliseconds;
// `cpuMs`, when given, gets each run's CPU time (less blurred by other work
// on the machine than the wall time).
template <typename F> std::vector<double> timeRuns(int reps, F &&f, std::vector<double> *cpuMs = nullptr) {
    std::vector<double> ms;
    for (int i = 0; i < reps; ++i) {
        const std::int64_t t0 = nowNs(), c0 = cpuNs();
        f();
        ms.push_back(static_cast<double>(nowNs() - t0) / 1e6);
        if (cpuMs) cpuMs->push_back(static_cast<double>(cpuNs() - c0) / 1e6);
    }
    return ms;
}

} // namespace bench
