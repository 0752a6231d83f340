#pragma once
// The three tables of the store, their columns in store order and their kinds.
#include "db/DataSet.h"

#include <QString>
#include <QStringView>
#include <span>

namespace schema {

struct Column {
    const char* name;
    FieldKind kind;
};

struct Table {
    const char* name;
    std::span<const Column> columns;
};

inline constexpr Column kJxcColumns[] = {
    {"商品编号", FieldKind::Text},   {"商品名称", FieldKind::Text},   {"商品规格", FieldKind::Text},
    {"商品型号", FieldKind::Text},   {"单位", FieldKind::Text},       {"进货日期", FieldKind::DateTime},
    {"进货单价", FieldKind::Number}, {"进货数量", FieldKind::Number}, {"进货金额", FieldKind::Number},
    {"销售数量", FieldKind::Number}, {"销售金额", FieldKind::Number}, {"销售利润", FieldKind::Number},
    {"库存数量", FieldKind::Number}, {"库存金额", FieldKind::Number}, {"供货厂商", FieldKind::Text},
    {"供货电话", FieldKind::Text},   {"备注", FieldKind::Text},
};

inline constexpr Column kXsmxColumns[] = {
    {"商品编号", FieldKind::Text},   {"商品名称", FieldKind::Text},   {"商品规格", FieldKind::Text},
    {"商品型号", FieldKind::Text},   {"单位", FieldKind::Text},       {"销售日期", FieldKind::DateTime},
    {"销售单价", FieldKind::Number}, {"销售数量", FieldKind::Number}, {"销售金额", FieldKind::Number},
    {"销售利润", FieldKind::Number}, {"客户姓名", FieldKind::Text},   {"联系电话", FieldKind::Text},
    {"详细地址", FieldKind::Text},   {"备注", FieldKind::Text},
};

inline constexpr Column kKcbjColumns[] = {
    {"库存报警数", FieldKind::Number},
};

inline constexpr Table kTables[] = {
    {"jxc", kJxcColumns},
    {"xsmx", kXsmxColumns},
    {"kcbj", kKcbjColumns},
};

// Marks a SQLite file as a store of this program ("JXC5").
inline constexpr int kApplicationId = 0x4A584335;
inline constexpr int kUserVersion = 1;

// Declared types: number columns are REAL and refuse anything but numbers;
// date-time columns are DATETIME text 'YYYY-MM-DD HH:MM:SS'.
const char* declaredType(FieldKind kind);

// The CHECK condition that keeps a column's values of its kind (empty for
// text columns, which take any text), and the column's whole definition.
QString kindCondition(const Column& c);
QString columnDefinition(const Column& c);
// True for a value of the column's kind; for text columns: text or nothing.
QString storedKindCondition(const Column& c);

// The statements that make an empty store: tables, indexes, the one
// threshold row with no value, and the marks.
QString createStatements();

const Table* findTable(QStringView name);
}  // namespace schema
