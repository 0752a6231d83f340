// How long the spreadsheet export of a big sales table takes and what memory
// it needs on top of the query's snapshot.
//
//   export_bench STORE [OUT]
//
// STORE is an existing store (e.g. made by `jxcdb sample`); the sales query
// is read from it as the sales detail window reads it, then written to OUT
// (a temporary file when not given) as the export writes it.
#include "datamgmt/SheetExport.h"
#include "db/ADOConnection.h"
#include "db/ADOQuery.h"
#include "db/ConnectionString.h"
#include "db/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

long statusKb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: export_bench STORE [OUT]\n");
        return 2;
    }
    try {
        const QString store = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
        QTemporaryDir scratch;
        const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.filePath("sales.xls");
        QDir::setCurrent(QFileInfo(store).absolutePath());

        TADOConnection connection;
        connection.setConnectionString(connstr::runtimeForm(QDir::currentPath()));
        TADOQuery query(&connection);
        query.SQL.Add(QStringLiteral("select * from xsmx"));
        auto t = Clock::now();
        query.Open();
        const double load = secondsSince(t);
        const long snapshotKb = statusKb("VmRSS");

        t = Clock::now();
        writeSpreadsheet(query, out);
        const double write = secondsSince(t);

        std::printf("records            %d\n", query.RecordCount());
        std::printf("query load         %.2f s\n", load);
        std::printf("export             %.2f s\n", write);
        std::printf("file size          %.1f MB\n", double(QFileInfo(out).size()) / 1e6);
        std::printf("resident at load   %ld kB\n", snapshotKb);
        std::printf("peak resident      %ld kB\n", statusKb("VmHWM"));
    } catch (const EJxcError& e) {
        std::fprintf(stderr, "export_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
