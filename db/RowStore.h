#pragma once
// A query's snapshot held compactly: every row is one run of bytes in a single
// arena (its hidden key, then a tag and payload per column), found through an
// offset table. No heap object and no variant per cell.
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstring>
#include <vector>

struct sqlite3_stmt;

enum class CellType : uint8_t { Null = 0, Real = 1, Int = 2, ShortText = 3, LongText = 4 };

struct CellRef {
    CellType type = CellType::Null;
    double real = 0;
    qint64 integer = 0;
    const char* text = nullptr;
    uint32_t length = 0;
    bool isNull() const { return type == CellType::Null; }
    bool isText() const { return type == CellType::ShortText || type == CellType::LongText; }
};

// A value on its way into a row (an edited field).
struct CellValue {
    CellType type = CellType::Null;
    double real = 0;
    qint64 integer = 0;
    QByteArray text;
    static CellValue fromRef(const CellRef& r);
};

class RowStore {
public:
    void reset(int columns);
    int columns() const { return columns_; }
    int rows() const { return int(offsets_.size()); }
    size_t bytes() const { return arena_.size() + offsets_.size() * sizeof(uint64_t); }

    // Appends the current row of `stmt`. With `keyed`, column 0 is the hidden
    // key and the fields follow; without, the fields start at 0 and the key is 0.
    void appendFromStatement(sqlite3_stmt* stmt, bool keyed);

    qint64 key(int row) const {
        qint64 k;
        std::memcpy(&k, arena_.data() + offsets_[size_t(row)], sizeof k);
        return k;
    }
    CellRef cell(int row, int col) const;

    // Writes a whole row anew (old bytes stay unused in the arena).
    void replaceRow(int row, qint64 key, const std::vector<CellValue>& values);
    void appendRow(qint64 key, const std::vector<CellValue>& values);
    void insertRow(int row, qint64 key, const std::vector<CellValue>& values);
    void removeRow(int row);
    std::vector<CellValue> rowValues(int row) const;

private:
    void encode(qint64 key, const std::vector<CellValue>& values);
    template <typename T>
    void put(const T& v) {
        const size_t at = arena_.size();
        arena_.resize(at + sizeof v);
        std::memcpy(arena_.data() + at, &v, sizeof v);
    }
    void putBytes(const void* p, size_t n);

    int columns_ = 0;
    std::vector<char> arena_;
    std::vector<uint64_t> offsets_;
};
