#pragma once
// Every measurement at one store size, in this process: start-up, then each
// operation, each beside its floor; the peak resident size after start-up
// and after a correction.
#include "bench/jxc-bench/Report.h"
#include "bench/jxc-bench/Stores.h"

namespace bench {

struct SizeResult {
    std::vector<Timing> timings;
    Memory memory;
};

// `runDir` holds the program's data.mdb and becomes the current directory.
SizeResult runSize(int& argc, char** argv, const StoreSize& size, const QString& runDir, int runs);

}  // namespace bench
