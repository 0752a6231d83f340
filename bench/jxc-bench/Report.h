#pragma once
// What the benchmark prints: one table of operations and one of memory, or
// the same as tab-separated lines for scripts.
#include <QString>
#include <vector>

namespace bench {

struct Timing {
    QString operation, size;
    double medianMs = 0;
    double floorMs = -1;  // negative: the operation has no floor
};

struct Memory {
    QString size;
    long afterStartupKb = 0, afterCorrectionKb = 0, storeKb = 0;
};

// One line each: operation, size, median_ms, floor_ms, ratio (a dash where
// there is no floor); peak_rss_kb, size, kb, store_kb (after start-up, then
// after a correction).
QString tsvLines(const std::vector<Timing>& timings, const std::vector<Memory>& memory);
bool parseTsv(const QString& text, std::vector<Timing>& timings, std::vector<Memory>& memory);

QString table(const std::vector<Timing>& timings, const std::vector<Memory>& memory);

}  // namespace bench
