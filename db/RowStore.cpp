#include "db/RowStore.h"

#include <sqlite3.h>

CellValue CellValue::fromRef(const CellRef& r) {
    CellValue v;
    v.type = r.type;
    v.real = r.real;
    v.integer = r.integer;
    if (r.isText()) v.text = QByteArray(r.text, qsizetype(r.length));
    return v;
}

void RowStore::reset(int columns) {
    columns_ = columns;
    std::vector<char>().swap(arena_);
    std::vector<uint64_t>().swap(offsets_);
}

void RowStore::putBytes(const void* p, size_t n) {
    const size_t at = arena_.size();
    arena_.resize(at + n);
    if (n) std::memcpy(arena_.data() + at, p, n);
}

void RowStore::appendFromStatement(sqlite3_stmt* stmt, bool keyed) {
    offsets_.push_back(arena_.size());
    put<qint64>(keyed ? sqlite3_column_int64(stmt, 0) : 0);
    const int first = keyed ? 1 : 0;
    for (int c = first; c < first + columns_; ++c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_NULL: arena_.push_back(char(CellType::Null)); break;
        case SQLITE_INTEGER:
            arena_.push_back(char(CellType::Int));
            put<qint64>(sqlite3_column_int64(stmt, c));
            break;
        case SQLITE_FLOAT:
            arena_.push_back(char(CellType::Real));
            put<double>(sqlite3_column_double(stmt, c));
            break;
        default: {
            const auto* t = sqlite3_column_text(stmt, c);
            const uint32_t n = uint32_t(sqlite3_column_bytes(stmt, c));
            if (n < 256) {
                arena_.push_back(char(CellType::ShortText));
                arena_.push_back(char(uint8_t(n)));
            } else {
                arena_.push_back(char(CellType::LongText));
                put<uint32_t>(n);
            }
            putBytes(t, n);
        }
        }
    }
}

CellRef RowStore::cell(int row, int col) const {
    const char* p = arena_.data() + offsets_[size_t(row)] + sizeof(qint64);
    CellRef r;
    for (int c = 0;; ++c) {
        const auto type = CellType(uint8_t(*p++));
        uint32_t len = 0;
        switch (type) {
        case CellType::Null: break;
        case CellType::Real:
        case CellType::Int: len = 8; break;
        case CellType::ShortText: len = uint8_t(*p++); break;
        case CellType::LongText:
            std::memcpy(&len, p, 4);
            p += 4;
            break;
        }
        if (c == col) {
            r.type = type;
            if (type == CellType::Real) std::memcpy(&r.real, p, 8);
            else if (type == CellType::Int) std::memcpy(&r.integer, p, 8);
            else if (r.isText()) {
                r.text = p;
                r.length = len;
            }
            return r;
        }
        p += len;
    }
}

void RowStore::encode(qint64 key, const std::vector<CellValue>& values) {
    put<qint64>(key);
    for (const CellValue& v : values) {
        switch (v.type) {
        case CellType::Null: arena_.push_back(char(CellType::Null)); break;
        case CellType::Real:
            arena_.push_back(char(CellType::Real));
            put<double>(v.real);
            break;
        case CellType::Int:
            arena_.push_back(char(CellType::Int));
            put<qint64>(v.integer);
            break;
        case CellType::ShortText:
        case CellType::LongText: {
            const uint32_t n = uint32_t(v.text.size());
            if (n < 256) {
                arena_.push_back(char(CellType::ShortText));
                arena_.push_back(char(uint8_t(n)));
            } else {
                arena_.push_back(char(CellType::LongText));
                put<uint32_t>(n);
            }
            putBytes(v.text.constData(), n);
        }
        }
    }
}

void RowStore::replaceRow(int row, qint64 key, const std::vector<CellValue>& values) {
    const uint64_t at = arena_.size();
    encode(key, values);
    offsets_[size_t(row)] = at;
}

void RowStore::appendRow(qint64 key, const std::vector<CellValue>& values) {
    const uint64_t at = arena_.size();
    encode(key, values);
    offsets_.push_back(at);
}

void RowStore::insertRow(int row, qint64 key, const std::vector<CellValue>& values) {
    const uint64_t at = arena_.size();
    encode(key, values);
    offsets_.insert(offsets_.begin() + row, at);
}

void RowStore::removeRow(int row) { offsets_.erase(offsets_.begin() + row); }

std::vector<CellValue> RowStore::rowValues(int row) const {
    std::vector<CellValue> v;
    v.reserve(size_t(columns_));
    for (int c = 0; c < columns_; ++c) v.push_back(CellValue::fromRef(cell(row, c)));
    return v;
}
