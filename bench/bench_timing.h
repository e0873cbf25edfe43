#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace quillor::bench {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The median rather than the mean, so one run disturbed by the machine does not move it.
inline double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline double MedianMs(int runs, const std::function<void()>& op) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        op();
        times.push_back(MsSince(start));
    }
    return Median(std::move(times));
}

}  // namespace quillor::bench
