#pragma once
// The sample stores the benchmark runs on, made with `jxcdb sample`.
#include <QString>
#include <vector>

namespace bench {

struct StoreSize {
    QString name;  // S, M or L
    int products;
    int lines;
};

const std::vector<StoreSize>& storeSizes();
const StoreSize* findSize(const QString& name);

// `dir`/NAME.mdb, made with the jxcdb next to this program when missing,
// then copied to `dir`/run-NAME/data.mdb, the file the program opens.
// Returns the copy's folder.
QString prepareStore(const QString& dir, const StoreSize& size);
QString runFolder(const QString& dir, const StoreSize& size);

}  // namespace bench
