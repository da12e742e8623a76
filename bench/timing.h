#pragma once
// The clock and the summary the Windows benchmarks share.

#include <windows.h>

#include <algorithm>
#include <vector>

namespace bench {

// Microseconds since an arbitrary origin, from the high-resolution counter.
inline double NowMicroseconds() {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMicrosecond;
}

struct Spread {
    double min = 0, median = 0, max = 0;
};

// Of at least one sample; the median of an even count is the mean of the middle two.
inline Spread SpreadOf(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    const double median =
        samples.size() % 2 == 1 ? samples[middle] : (samples[middle - 1] + samples[middle]) / 2;
    return {samples.front(), median, samples.back()};
}

}  // namespace bench
