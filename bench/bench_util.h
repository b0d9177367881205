// Timing helpers of the benchmarks: the median of repeated runs in milliseconds.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace noktaris::bench {

inline double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& measured,
                       const std::function<void()>& cleanUp)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto begin = std::chrono::steady_clock::now();
        measured();
        const auto end = std::chrono::steady_clock::now();
        cleanUp();
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace noktaris::bench
