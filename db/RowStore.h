#pragma once
// A query's snapshot held compactly: every row is one run of bytes (its
// hidden key, then a tag and payload per column) in an append-only arena of
// fixed blocks, found through an offset table. No heap object and no variant
// per cell.
//
// Copies are cheap and share both the arena and the offset table: a copy
// takes its own offset table only when it changes a row that another copy
// can see (copy-on-write). Appending after the last row that every copy
// sees costs no copy, and the arena's bytes never move, so appending is as
// cheap at a million rows as at ten.
#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <cstring>
#include <memory>
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

// Bytes that are written once and never move; shared by every copy of a store.
class RowArena {
public:
    // Room for `n` bytes in one piece; `where` receives their address.
    char* reserve(size_t n, uint64_t& where);
    const char* at(uint64_t where) const { return blocks_[size_t(where >> 32)].get() + uint32_t(where); }
    size_t bytes() const { return total_; }

private:
    static constexpr size_t kBlock = size_t(4) << 20;
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t used_ = 0, size_ = 0;  // of the last block
    size_t total_ = 0;
};

class RowStore {
    struct Offsets {
        std::vector<uint64_t> at;
        quint64 edits = 0;  // changes in place to rows already there
    };

public:
    // What a later open may take over, without keeping it alive.
    struct Share {
        int columns = 0, rows = 0;
        quint64 edits = 0;
        std::weak_ptr<RowArena> arena;
        std::weak_ptr<Offsets> offsets;
    };
    Share share() const { return {columns_, rows_, offsets_ ? offsets_->edits : 0, arena_, offsets_}; }
    // The rows of `share` as they were when it was made; false when they are
    // gone or have been changed in place since.
    bool takeOver(const Share& share);

    void reset(int columns);
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    size_t bytes() const { return (arena_ ? arena_->bytes() : 0) + size_t(rows_) * sizeof(uint64_t); }

    // Appends the current row of `stmt`. With `keyed`, column 0 is the hidden
    // key and the fields follow; without, the fields start at 0 and the key is 0.
    void appendFromStatement(sqlite3_stmt* stmt, bool keyed);

    qint64 key(int row) const {
        qint64 k;
        std::memcpy(&k, rowBytes(row), sizeof k);
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
    const char* rowBytes(int row) const { return arena_->at(offsets_->at[size_t(row)]); }
    uint64_t encode(qint64 key, const std::vector<CellValue>& values);
    void ownOffsets();     // before changing a row another copy may see
    void readyToAppend();  // before adding a row after the last

    int columns_ = 0;
    int rows_ = 0;  // the first rows_ entries of *offsets_ are this store's
    std::shared_ptr<RowArena> arena_;
    std::shared_ptr<Offsets> offsets_;
};
