// CpuTime: the benchmarks' clock: the calling thread's CPU time (what other processes on a shared
// machine do not add to), and the best of several runs of a piece of work.
#pragma once

#include <time.h>

#include <cmath>

namespace bench {

inline double CpuMs()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

template <class Fn> double BestMs(int repeats, Fn&& fn)
{
    double best = 1e30;
    for (int r = 0; r < repeats; ++r) {
        const double start = CpuMs();
        fn();
        best = std::fmin(best, CpuMs() - start);
    }
    return best;
}

} // namespace bench
