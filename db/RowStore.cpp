#include "db/RowStore.h"

#include <algorithm>
#include <sqlite3.h>

CellValue CellValue::fromRef(const CellRef& r) {
    CellValue v;
    v.type = r.type;
    v.real = r.real;
    v.integer = r.integer;
    if (r.isText()) v.text = QByteArray(r.text, qsizetype(r.length));
    return v;
}

// ---- RowArena --------------------------------------------------------------

char* RowArena::reserve(size_t n, uint64_t& where) {
    if (blocks_.empty() || size_ - used_ < n) {
        size_ = std::max(kBlock, n);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size_));
        used_ = 0;
    }
    where = (uint64_t(blocks_.size() - 1) << 32) | uint64_t(used_);
    char* p = blocks_.back().get() + used_;
    used_ += n;
    total_ += n;
    return p;
}

// ---- Encoding --------------------------------------------------------------

namespace {

size_t textSize(uint32_t n) { return 1 + (n < 256 ? 1 : 4) + n; }

char* putText(char* p, const void* text, uint32_t n) {
    if (n < 256) {
        *p++ = char(CellType::ShortText);
        *p++ = char(uint8_t(n));
    } else {
        *p++ = char(CellType::LongText);
        std::memcpy(p, &n, 4);
        p += 4;
    }
    if (n) std::memcpy(p, text, n);
    return p + n;
}

template <typename T>
char* putTagged(char* p, CellType type, T v) {
    *p++ = char(type);
    std::memcpy(p, &v, sizeof v);
    return p + sizeof v;
}

}  // namespace

// ---- RowStore --------------------------------------------------------------

void RowStore::reset(int columns) {
    columns_ = columns;
    rows_ = 0;
    arena_ = std::make_shared<RowArena>();
    offsets_ = std::make_shared<Offsets>();
}

bool RowStore::takeOver(const Share& share) {
    auto arena = share.arena.lock();
    auto offsets = share.offsets.lock();
    if (!arena || !offsets || offsets->edits != share.edits || offsets->at.size() < size_t(share.rows)) return false;
    columns_ = share.columns;
    rows_ = share.rows;
    arena_ = std::move(arena);
    offsets_ = std::move(offsets);
    return true;
}

void RowStore::ownOffsets() {
    if (offsets_.use_count() > 1) {
        auto own = std::make_shared<Offsets>();
        own->at.assign(offsets_->at.begin(), offsets_->at.begin() + rows_);
        offsets_ = std::move(own);
    } else {
        offsets_->at.resize(size_t(rows_));
    }
    ++offsets_->edits;
}

void RowStore::readyToAppend() {
    // Another copy added rows after ours: they are not ours to follow.
    if (offsets_->at.size() != size_t(rows_)) ownOffsets();
}

void RowStore::appendFromStatement(sqlite3_stmt* stmt, bool keyed) {
    // Each column is asked once; the row's size is known before it is
    // written, so it goes into the arena in one piece.
    struct Column {
        int type;
        uint32_t bytes;
        const unsigned char* text;
    };
    constexpr int kInline = 32;
    Column inlineColumns[kInline];
    std::vector<Column> many;
    Column* cols = inlineColumns;
    if (columns_ > kInline) {
        many.resize(size_t(columns_));
        cols = many.data();
    }
    const int first = keyed ? 1 : 0;
    size_t n = sizeof(qint64);
    for (int c = 0; c < columns_; ++c) {
        Column& col = cols[c];
        col.type = sqlite3_column_type(stmt, c + first);
        switch (col.type) {
        case SQLITE_NULL: n += 1; break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: n += 9; break;
        default:
            col.text = sqlite3_column_text(stmt, c + first);
            col.bytes = uint32_t(sqlite3_column_bytes(stmt, c + first));
            n += textSize(col.bytes);
        }
    }
    readyToAppend();
    uint64_t where = 0;
    char* p = arena_->reserve(n, where);
    const qint64 key = keyed ? sqlite3_column_int64(stmt, 0) : 0;
    std::memcpy(p, &key, sizeof key);
    p += sizeof key;
    for (int c = 0; c < columns_; ++c) {
        const Column& col = cols[c];
        switch (col.type) {
        case SQLITE_NULL: *p++ = char(CellType::Null); break;
        case SQLITE_INTEGER: p = putTagged<qint64>(p, CellType::Int, sqlite3_column_int64(stmt, c + first)); break;
        case SQLITE_FLOAT: p = putTagged<double>(p, CellType::Real, sqlite3_column_double(stmt, c + first)); break;
        default: p = putText(p, col.text, col.bytes);
        }
    }
    offsets_->at.push_back(where);
    ++rows_;
}

CellRef RowStore::cell(int row, int col) const {
    const char* p = rowBytes(row) + sizeof(qint64);
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

uint64_t RowStore::encode(qint64 key, const std::vector<CellValue>& values) {
    size_t n = sizeof key;
    for (const CellValue& v : values) {
        switch (v.type) {
        case CellType::Null: n += 1; break;
        case CellType::Real:
        case CellType::Int: n += 9; break;
        case CellType::ShortText:
        case CellType::LongText: n += textSize(uint32_t(v.text.size()));
        }
    }
    uint64_t where = 0;
    char* p = arena_->reserve(n, where);
    std::memcpy(p, &key, sizeof key);
    p += sizeof key;
    for (const CellValue& v : values) {
        switch (v.type) {
        case CellType::Null: *p++ = char(CellType::Null); break;
        case CellType::Real: p = putTagged<double>(p, CellType::Real, v.real); break;
        case CellType::Int: p = putTagged<qint64>(p, CellType::Int, v.integer); break;
        case CellType::ShortText:
        case CellType::LongText: p = putText(p, v.text.constData(), uint32_t(v.text.size()));
        }
    }
    return where;
}

void RowStore::replaceRow(int row, qint64 key, const std::vector<CellValue>& values) {
    ownOffsets();
    offsets_->at[size_t(row)] = encode(key, values);
}

void RowStore::appendRow(qint64 key, const std::vector<CellValue>& values) {
    readyToAppend();
    offsets_->at.push_back(encode(key, values));
    ++rows_;
}

void RowStore::insertRow(int row, qint64 key, const std::vector<CellValue>& values) {
    ownOffsets();
    offsets_->at.insert(offsets_->at.begin() + row, encode(key, values));
    ++rows_;
}

void RowStore::removeRow(int row) {
    ownOffsets();
    offsets_->at.erase(offsets_->at.begin() + row);
    --rows_;
}

std::vector<CellValue> RowStore::rowValues(int row) const {
    std::vector<CellValue> v;
    v.reserve(size_t(columns_));
    for (int c = 0; c < columns_; ++c) v.push_back(CellValue::fromRef(cell(row, c)));
    return v;
}
