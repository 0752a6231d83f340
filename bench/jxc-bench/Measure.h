#pragma once
// Timing and resident memory of the benchmark process.
#include <functional>
#include <vector>

namespace bench {

// Wall time of `work`, in milliseconds.
double timeMs(const std::function<void()>& work);

double median(std::vector<double> values);

// The process's peak resident size so far (VmHWM), in kB.
long peakRssKb();

}  // namespace bench
