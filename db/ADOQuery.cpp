#include "db/ADOQuery.h"

#include "db/ADOConnection.h"
#include "db/Dialect.h"
#include "db/Errors.h"
#include "db/Regional.h"
#include "db/Sqlite.h"
#include "purchasing/NumberText.h"

#include <cmath>
#include <numeric>
#include <set>
#include <sqlite3.h>

namespace {
std::set<TADOQuery*>& liveQueries() {
    static std::set<TADOQuery*> s;
    return s;
}

QString quoteName(const QString& n) {
    QString q = n;
    q.replace('"', QStringLiteral("\"\""));
    return '"' + q + '"';
}

FieldKind kindFromDecl(const char* decl) {
    if (!decl) return FieldKind::Text;
    const QByteArray d = QByteArray(decl).toUpper();
    if (d.contains("DATE") || d.contains("TIME")) return FieldKind::DateTime;
    if (d.contains("REAL") || d.contains("FLOA") || d.contains("DOUB") || d.contains("NUM") || d.contains("INT"))
        return FieldKind::Number;
    return FieldKind::Text;
}

void bindCell(Statement& st, int i, const CellRef& v) {
    switch (v.type) {
    case CellType::Null: st.bindNull(i); break;
    case CellType::Real: st.bindDouble(i, v.real); break;
    case CellType::Int: st.bindInt(i, v.integer); break;
    default: st.bindText(i, QByteArray(v.text, qsizetype(v.length)));
    }
}

CellRef refOf(const CellValue& v) {
    CellRef r;
    r.type = v.type;
    r.real = v.real;
    r.integer = v.integer;
    r.text = v.text.constData();
    r.length = uint32_t(v.text.size());
    return r;
}

void bindValue(Statement& st, int i, const CellValue& v) { bindCell(st, i, refOf(v)); }

CellValue textValue(const QString& s) {
    CellValue v;
    v.type = CellType::ShortText;
    v.text = s.toUtf8();
    return v;
}

QString textOf(const CellRef& r) { return QString::fromUtf8(r.text, qsizetype(r.length)); }

double numberOf(const CellRef& r, bool* ok) {
    if (ok) *ok = true;
    if (r.type == CellType::Real) return r.real;
    if (r.type == CellType::Int) return double(r.integer);
    long double v = 0;
    if (r.isText() && TryTextToFloat(textOf(r), v)) return double(v);
    if (ok) *ok = false;
    return 0;
}

// Snapshots loaded by open queries, by what they were loaded from: the file,
// its state of change, the statement and its values. Windows that open the
// same statement on an unchanged table share one snapshot; each copy takes
// its own offsets only when it writes. Held weakly: a snapshot lives only as
// long as a query holds it.
struct Loaded {
    RowStore::Share rows;
    QStringList names;
    std::vector<FieldKind> kinds;
    QString table;
};
std::map<QString, Loaded>& loadedSnapshots() {
    static std::map<QString, Loaded> m;
    return m;
}

QString paramText(const QVariant& v) {
    return QString::number(v.typeId()) + ':' + (v.isNull() ? QStringLiteral("null") : v.toString());
}

QString cellToText(const CellRef& r, FieldKind kind) {
    switch (r.type) {
    case CellType::Null: return {};
    case CellType::Real: return FloatToStr(r.real);
    case CellType::Int: return QString::number(r.integer);
    default: break;
    }
    if (kind == FieldKind::DateTime) {
        const regional::DayTime v = regional::fromStoreText(textOf(r));
        return v.isValid() ? regional::displayText(v) : textOf(r);
    }
    return textOf(r);
}
}  // namespace

// ---- TField ----------------------------------------------------------------

QString TField::FieldName() const { return q_->names_.value(col_); }
FieldKind TField::Kind() const { return q_->kinds_[size_t(col_)]; }
bool TField::IsNull() const { return q_->currentCell(col_).isNull(); }

QString TField::AsString() const { return cellToText(q_->currentCell(col_), Kind()); }

regional::DayTime TField::AsDayTime() const {
    const CellRef r = q_->currentCell(col_);
    if (r.isNull() || !r.isText()) return {QDate(), QTime()};
    return regional::fromStoreText(textOf(r));
}

QDateTime TField::AsDateTime() const {
    const regional::DayTime v = AsDayTime();
    return v.isValid() ? QDateTime(v.day, v.time) : QDateTime();
}

QDate TField::AsDate() const { return AsDayTime().day; }

namespace {
// What a column of this kind takes for a text; a text it cannot take throws
// EConvertError and nothing is written.
CellValue cellFromText(FieldKind kind, const QString& field, const QString& text) {
    switch (kind) {
    case FieldKind::Text: return textValue(text);
    case FieldKind::Number: {
        if (text.isEmpty()) return CellValue{};
        long double v = 0;
        if (!TryTextToFloat(text, v) || !std::isfinite(double(v)))
            throw EConvertError("'" + text + "' is not a valid floating point value for field '" + field + "'");
        CellValue c;
        c.type = CellType::Real;
        c.real = double(v);
        return c;
    }
    case FieldKind::DateTime: {
        if (text.isEmpty()) return CellValue{};
        regional::DayTime v = regional::fromStoreText(text);
        if (!v.isValid()) v = regional::parseDisplayText(text);
        if (!v.isValid()) throw EConvertError("'" + text + "' is not a valid date and time");
        return textValue(regional::toStoreText(v));
    }
    }
    return textValue(text);
}
}  // namespace

void TField::CheckString(const QString& text) const { cellFromText(Kind(), FieldName(), text); }

void TField::SetAsString(const QString& text) {
    q_->requireWritable();
    try {
        q_->setCell(col_, cellFromText(Kind(), FieldName(), text));
    } catch (const EJxcError&) {
        // A row whose filling failed half-way is never stored by a later post.
        q_->Cancel();
        throw;
    }
}

void TField::SetAsDateTime(const QDateTime& value) {
    // A local time that does not exist (in a daylight saving gap) is no value
    // to store; it is refused, never stored as none.
    if (!value.isValid()) {
        q_->requireWritable();
        q_->Cancel();
        throw EConvertError("无效的日期时间不能写入字段“" + FieldName() + "”");
    }
    SetAsDayTime({value.date(), value.time()});
}

void TField::SetAsDate(const QDate& day) { SetAsDayTime({day, QTime(0, 0)}); }

void TField::SetAsDayTime(const regional::DayTime& value) {
    q_->requireWritable();
    if (!value.isValid()) {
        q_->Cancel();
        throw EConvertError("无效的日期时间不能写入字段“" + FieldName() + "”");
    }
    if (Kind() == FieldKind::Number) {
        q_->Cancel();
        throw EConvertError("字段“" + FieldName() + "”不是日期时间字段");
    }
    q_->setCell(col_, textValue(regional::toStoreText(value)));
}

void TField::Clear() { q_->setCell(col_, CellValue{}); }

// ---- TADOQuery -------------------------------------------------------------

TADOQuery::TADOQuery(TADOConnection* connection) {
    liveQueries().insert(this);
    setConnection(connection);
}

TADOQuery::~TADOQuery() {
    liveQueries().erase(this);
    if (connection_) connection_->detach(this);
}

void TADOQuery::setConnection(TADOConnection* connection) {
    if (connection_ == connection) return;
    Close();
    if (connection_) connection_->detach(this);
    connection_ = connection;
    if (connection_) connection_->attach(this);
}

void TADOQuery::setParameter(const QString& name, const QVariant& value) {
    params_[name.startsWith(':') ? name : ':' + name] = value;
}

void TADOQuery::Open() {
    if (Active()) return;
    if (!connection_) throw EDatabaseError(QStringLiteral("查询没有连接到数据库"));
    const auto& handle = connection_->handle();
    const QString text = dialect::toSqlite(SQL.Text());
    const QString table = dialect::plainSelectTable(text);
    const bool keyed = !table.isEmpty();
    Statement st(handle->db(), (keyed ? dialect::withRowKey(text) : text).toUtf8());

    for (int i = 1, n = sqlite3_bind_parameter_count(st.get()); i <= n; ++i) {
        const char* pname = sqlite3_bind_parameter_name(st.get(), i);
        const QString name = QString::fromUtf8(pname ? pname : "");
        const auto it = params_.find(name);
        if (it == params_.end()) throw EDatabaseError("参数“" + name + "”没有指定值");
        const QVariant& v = it->second;
        if (v.isNull()) st.bindNull(i);
        else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) st.bindDouble(i, v.toDouble());
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) st.bindInt(i, v.toLongLong());
        else if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate) {
            const QDateTime dt = v.toDateTime();
            const regional::DayTime day = v.typeId() == QMetaType::QDate ? regional::DayTime{v.toDate()}
                                          : dt.isValid()                 ? regional::DayTime{dt.date(), dt.time()}
                                                                         : regional::DayTime{};
            if (!day.isValid()) throw EDatabaseError("参数“" + name + "”不是有效的日期时间");
            st.bindText(i, regional::toStoreText(day).toUtf8());
        }
        else st.bindText(i, v.toString().toUtf8());
    }

    if (deferRows_) {
        deferRows_ = false;
        unread_ = true;
    }
    // The same rows loaded already by another query are shared, not read again.
    QString shareKey;
    if (keyed && !handle->inTransaction()) {
        shareKey = QString::number(quintptr(handle.get())) + '\x1f' + handle->changeStamp() + '\x1f' + text;
        for (const auto& [name, value] : params_) shareKey += '\x1f' + name + '=' + paramText(value);
        if (!unread_ && shareLoaded(shareKey)) return;
    }

    const int first = keyed ? 1 : 0;
    const int cols = sqlite3_column_count(st.get()) - first;
    QStringList names;
    std::vector<FieldKind> kinds;
    std::vector<bool> declared;
    for (int c = 0; c < cols; ++c) {
        names << QString::fromUtf8(sqlite3_column_name(st.get(), c + first));
        const char* decl = sqlite3_column_decltype(st.get(), c + first);
        kinds.push_back(kindFromDecl(decl));
        declared.push_back(decl != nullptr);
    }
    RowStore rows;
    rows.reset(cols);
    bool firstRow = true;
    while (!unread_ && st.step()) {
        if (firstRow) {
            // A computed column takes its kind from what it holds.
            for (int c = 0; c < cols; ++c) {
                const int t = sqlite3_column_type(st.get(), c + first);
                if (!declared[size_t(c)] && (t == SQLITE_INTEGER || t == SQLITE_FLOAT)) kinds[size_t(c)] = FieldKind::Number;
            }
            firstRow = false;
        }
        rows.appendFromStatement(st.get(), keyed);
    }
    if (!shareKey.isEmpty() && !unread_) {
        auto& loaded = loadedSnapshots();
        std::erase_if(loaded, [](const auto& entry) { return entry.second.rows.arena.expired(); });
        loaded[shareKey] = Loaded{rows.share(), names, kinds, table};
    }

    rows_ = std::move(rows);
    names_ = names;
    kinds_ = std::move(kinds);
    table_ = table;
    opened();
}

bool TADOQuery::shareLoaded(const QString& key) {
    const auto& loaded = loadedSnapshots();
    const auto it = loaded.find(key);
    if (it == loaded.end() || !rows_.takeOver(it->second.rows)) return false;
    names_ = it->second.names;
    kinds_ = it->second.kinds;
    table_ = it->second.table;
    opened();
    return true;
}

void TADOQuery::opened() {
    buffer_.clear();
    modified_ = false;
    ++generation_;
    state_ = State::Browse;
    cur_ = rows_.rows() > 0 ? 0 : -1;
    bof_ = true;
    eof_ = rows_.rows() == 0;
    notify(DataSetEvent::Opened);
}

void TADOQuery::OpenUnread() {
    if (Active()) return;
    deferRows_ = true;
    try {
        Open();
    } catch (...) {
        deferRows_ = unread_ = false;
        throw;
    }
}

void TADOQuery::readRows() {
    unread_ = false;
    state_ = State::Inactive;
    Open();
}

int TADOQuery::RecordCount() const {
    touch();
    return Active() ? rows_.rows() : 0;
}

void TADOQuery::Close() {
    if (!Active()) return;
    unread_ = false;
    state_ = State::Inactive;
    rows_.reset(0);
    names_.clear();
    kinds_.clear();
    table_.clear();
    buffer_.clear();
    modified_ = false;
    ++generation_;
    cur_ = -1;
    bof_ = eof_ = true;
    notify(DataSetEvent::Closed);
}

void TADOQuery::requireActive() const {
    if (!Active()) throw EDatabaseError(QStringLiteral("数据集没有打开，无法执行此操作"));
}

void TADOQuery::requireWritable() const {
    requireActive();
    if (state_ != State::Edit && state_ != State::Insert)
        throw EDatabaseError(QStringLiteral("数据集不在编辑或新增状态"));
}

void TADOQuery::checkBrowseMode() {
    if (state_ == State::Edit || state_ == State::Insert) {
        if (modified_) Post();
        else Cancel();
    }
}

void TADOQuery::moveCursor(int index) {
    if (index != cur_) {
        cur_ = index;
        notify(DataSetEvent::Moved);
    }
}

void TADOQuery::SetRecNo(int recNo) {
    touch();
    requireActive();
    checkBrowseMode();
    if (rows_.rows() == 0) return;
    const int index = std::clamp(recNo - 1, 0, rows_.rows() - 1);
    bof_ = eof_ = false;
    moveCursor(index);
}

void TADOQuery::First() {
    touch();
    requireActive();
    checkBrowseMode();
    bof_ = true;
    eof_ = rows_.rows() == 0;
    if (rows_.rows() > 0) moveCursor(0);
}

void TADOQuery::Last() {
    touch();
    requireActive();
    checkBrowseMode();
    eof_ = true;
    bof_ = rows_.rows() == 0;
    if (rows_.rows() > 0) moveCursor(rows_.rows() - 1);
}

void TADOQuery::Next() {
    touch();
    requireActive();
    checkBrowseMode();
    bof_ = false;
    if (cur_ + 1 < rows_.rows()) {
        eof_ = false;
        moveCursor(cur_ + 1);
    } else {
        eof_ = true;
    }
}

void TADOQuery::Prior() {
    touch();
    requireActive();
    checkBrowseMode();
    eof_ = false;
    if (cur_ > 0) {
        bof_ = false;
        moveCursor(cur_ - 1);
    } else {
        bof_ = true;
    }
}

void TADOQuery::Edit() {
    touch();
    requireActive();
    if (state_ == State::Edit || state_ == State::Insert) return;
    if (table_.isEmpty()) throw EDatabaseError(QStringLiteral("该查询结果是只读的，不能修改"));
    if (rows_.rows() == 0) {
        Append();
        return;
    }
    buffer_.assign(size_t(fieldCount()), std::nullopt);
    modified_ = false;
    state_ = State::Edit;
    notify(DataSetEvent::StateChanged);
}

void TADOQuery::Append() {
    touch();
    requireActive();
    if (table_.isEmpty()) throw EDatabaseError(QStringLiteral("该查询结果是只读的，不能新增"));
    checkBrowseMode();
    buffer_.assign(size_t(fieldCount()), std::nullopt);
    modified_ = false;
    state_ = State::Insert;
    eof_ = true;
    notify(DataSetEvent::StateChanged);
}

void TADOQuery::Cancel() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    buffer_.clear();
    modified_ = false;
    state_ = State::Browse;
    notify(DataSetEvent::StateChanged);
}

CellRef TADOQuery::currentCell(int col) const {
    requireActive();
    touch();
    if (col < 0 || col >= fieldCount()) throw EDatabaseError(QStringLiteral("字段序号超出范围"));
    if ((state_ == State::Edit || state_ == State::Insert) && buffer_[size_t(col)]) {
        const CellValue& v = *buffer_[size_t(col)];
        CellRef r;
        r.type = v.type;
        r.real = v.real;
        r.integer = v.integer;
        r.text = v.text.constData();
        r.length = uint32_t(v.text.size());
        return r;
    }
    if (state_ == State::Insert || cur_ < 0) return {};
    return rows_.cell(cur_, col);
}

void TADOQuery::setCell(int col, CellValue value) {
    requireWritable();
    buffer_[size_t(col)] = std::move(value);
    modified_ = true;
}

void TADOQuery::Post() {
    requireActive();
    if (state_ != State::Edit && state_ != State::Insert) return;
    const auto& handle = connection_->handle();
    sqlite3* db = handle->db();
    const QString table = quoteName(table_);
    const int cols = fieldCount();
    std::vector<CellValue> previous;
    bool hasPrevious = false;

    try {
        if (state_ == State::Edit) {
            if (!modified_) {
                Cancel();
                return;
            }
            QStringList sets;
            std::vector<int> changed;
            for (int c = 0; c < cols; ++c)
                if (buffer_[size_t(c)]) changed.push_back(c);
            for (size_t i = 0; i < changed.size(); ++i)
                sets << quoteName(names_[changed[i]]) + "=?" + QString::number(i + 1);
            const int keyArg = int(changed.size()) + 1;
            const QString sql = "UPDATE " + table + " SET " + sets.join(',') + " WHERE rowid=?" +
                                QString::number(keyArg) + " AND " + rowUnchanged(changed, keyArg + 1);
            Statement st(db, sql.toUtf8());
            for (size_t i = 0; i < changed.size(); ++i) bindValue(st, int(i + 1), *buffer_[size_t(changed[i])]);
            const qint64 key = rows_.key(cur_);
            st.bindInt(keyArg, key);
            bindSnapshot(st, changed, keyArg + 1);
            st.step();
            if (sqlite3_changes(db) != 1) refuseStaleRow(key, QStringLiteral("本次修改没有保存"));
            std::vector<CellValue> old = rows_.rowValues(cur_);
            std::vector<CellValue> now = old;
            for (int c : changed) now[size_t(c)] = *buffer_[size_t(c)];
            rows_.replaceRow(cur_, key, now);
            const int index = cur_;
            const quint64 gen = generation_;
            handle->addUndo([this, gen, key, index, old] {
                if (liveQueries().count(this) && gen == generation_) applyUndoRow(key, index, old, false);
            });
            previous = std::move(old);
            hasPrevious = true;
        } else {
            QStringList names, marks;
            std::vector<int> set;
            for (int c = 0; c < cols; ++c)
                if (buffer_[size_t(c)]) {
                    set.push_back(c);
                    names << quoteName(names_[c]);
                    marks << "?" + QString::number(set.size());
                }
            const QString sql = set.empty() ? "INSERT INTO " + table + " DEFAULT VALUES"
                                            : "INSERT INTO " + table + " (" + names.join(',') + ") VALUES (" +
                                                  marks.join(',') + ")";
            Statement st(db, sql.toUtf8());
            for (size_t i = 0; i < set.size(); ++i) bindValue(st, int(i + 1), *buffer_[size_t(set[i])]);
            st.step();
            const qint64 key = sqlite3_last_insert_rowid(db);
            std::vector<CellValue> now(static_cast<size_t>(cols));
            for (int c : set) now[size_t(c)] = *buffer_[size_t(c)];
            rows_.appendRow(key, now);
            const int index = rows_.rows() - 1;
            const quint64 gen = generation_;
            handle->addUndo([this, gen, key, index] {
                if (liveQueries().count(this) && gen == generation_) applyUndoRow(key, index, std::nullopt, true);
            });
            cur_ = index;
        }
    } catch (...) {
        // A refused write leaves nothing pending that a later move could post.
        Cancel();
        throw;
    }
    buffer_.clear();
    modified_ = false;
    bof_ = eof_ = false;
    state_ = State::Browse;
    notifyChange(DataSetEvent::Posted, std::move(previous), hasPrevious);
    notify(DataSetEvent::Moved);
    if (handle->inTransaction()) StoreHandle::runWriteHook();
}

// Optimistic check, which a write based on this snapshot must pass: the
// columns it rests on still hold what the snapshot read, so nothing another
// window or another copy of the program wrote since is overwritten or lost.
QString TADOQuery::rowUnchanged(const std::vector<int>& columns, int firstArg) const {
    QStringList checks;
    for (size_t i = 0; i < columns.size(); ++i)
        checks << quoteName(names_[columns[i]]) + " IS ?" + QString::number(firstArg + int(i));
    return checks.join(" AND ");
}

void TADOQuery::bindSnapshot(Statement& st, const std::vector<int>& columns, int firstArg) const {
    for (size_t i = 0; i < columns.size(); ++i) bindCell(st, firstArg + int(i), rows_.cell(cur_, columns[i]));
}

void TADOQuery::refuseStaleRow(qint64 key, const QString& outcome) {
    Statement probe(connection_->handle()->db(), ("SELECT 1 FROM " + quoteName(table_) + " WHERE rowid=?1").toUtf8());
    probe.bindInt(1, key);
    throw EDatabaseError(probe.step() ? "该记录已被其他窗口或程序修改，" + outcome + "，请刷新后重试"
                                      : "该记录已被其他窗口或程序删除，" + outcome);
}

void TADOQuery::applyUndoRow(qint64 key, int index, std::optional<std::vector<CellValue>> old, bool removeRow) {
    buffer_.clear();
    modified_ = false;
    if (state_ != State::Inactive) state_ = State::Browse;
    if (removeRow) {
        if (index < rows_.rows() && rows_.key(index) == key) rows_.removeRow(index);
    } else if (old) {
        if (index < rows_.rows() && rows_.key(index) == key) rows_.replaceRow(index, key, *old);
        else rows_.insertRow(std::min(index, rows_.rows()), key, *old);
    }
    if (cur_ >= rows_.rows()) cur_ = rows_.rows() - 1;
    if (cur_ < 0 && rows_.rows() > 0) cur_ = 0;
    eof_ = bof_ = rows_.rows() == 0;
    notify(DataSetEvent::Opened);
}

void TADOQuery::Delete() {
    touch();
    requireActive();
    if (state_ == State::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (rows_.rows() == 0 || cur_ < 0) throw EDatabaseError(QStringLiteral("没有可以删除的记录"));
    if (table_.isEmpty()) throw EDatabaseError(QStringLiteral("该查询结果是只读的，不能删除"));
    const auto& handle = connection_->handle();
    const qint64 key = rows_.key(cur_);
    // A deletion rests on the whole row as it was read.
    std::vector<int> all(static_cast<size_t>(fieldCount()));
    std::iota(all.begin(), all.end(), 0);
    Statement st(handle->db(),
                 ("DELETE FROM " + quoteName(table_) + " WHERE rowid=?1 AND " + rowUnchanged(all, 2)).toUtf8());
    st.bindInt(1, key);
    bindSnapshot(st, all, 2);
    st.step();
    if (sqlite3_changes(handle->db()) != 1) refuseStaleRow(key, QStringLiteral("没有删除"));
    std::vector<CellValue> old = rows_.rowValues(cur_);
    const int index = cur_;
    rows_.removeRow(cur_);
    const quint64 gen = generation_;
    handle->addUndo([this, gen, key, index, old] {
        if (liveQueries().count(this) && gen == generation_) applyUndoRow(key, index, old, false);
    });
    if (cur_ >= rows_.rows()) cur_ = rows_.rows() - 1;
    eof_ = bof_ = rows_.rows() == 0;
    notifyChange(DataSetEvent::Deleted, std::move(old), true);
    if (handle->inTransaction()) StoreHandle::runWriteHook();
}

TField TADOQuery::FieldByName(const QString& name) {
    const int i = fieldIndex(name);
    if (i < 0) throw EDatabaseError("找不到字段“" + name + "”");
    return TField(this, i);
}

int TADOQuery::fieldIndex(const QString& name) const {
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

void TADOQuery::CancelAllPending() {
    for (TADOQuery* q : liveQueries()) q->Cancel();
}

bool TADOQuery::cellIsNull(int row, int col) const { touch(); return rows_.cell(row, col).isNull(); }

QString TADOQuery::cellText(int row, int col) const { touch(); return cellToText(rows_.cell(row, col), kinds_[size_t(col)]); }

double TADOQuery::cellNumber(int row, int col, bool* ok) const { touch(); return numberOf(rows_.cell(row, col), ok); }

bool TADOQuery::previousIsNull(int col) const {
    return !hasPrevious_ || size_t(col) >= previous_.size() || previous_[size_t(col)].type == CellType::Null;
}

double TADOQuery::previousNumber(int col, bool* ok) const {
    if (previousIsNull(col)) {
        if (ok) *ok = false;
        return 0;
    }
    return numberOf(refOf(previous_[size_t(col)]), ok);
}

void TADOQuery::notifyChange(DataSetEvent e, std::vector<CellValue> previous, bool hasPrevious) {
    previous_ = std::move(previous);
    hasPrevious_ = hasPrevious;
    notify(e);
    previous_.clear();
    hasPrevious_ = false;
}

bool TADOQuery::cellDateTime(int row, int col, QDate& day, QTime& time) const {
    const CellRef r = rows_.cell(row, col);
    if (!r.isText())
        return false;
    const regional::DayTime v = regional::fromStoreText(textOf(r));
    day = v.day;
    time = v.time;
    return v.isValid();
}

int TADOQuery::subscribe(Listener listener) {
    const int h = nextListener_++;
    listeners_[h] = std::move(listener);
    return h;
}

void TADOQuery::unsubscribe(int handle) { listeners_.erase(handle); }

void TADOQuery::notify(DataSetEvent e) {
    // A listener may unsubscribe while being told.
    auto copy = listeners_;
    for (auto& [h, l] : copy)
        if (listeners_.count(h)) l(e);
}
