#pragma once
// A query: a statement run on a connection whose result is held as a static
// snapshot, with a current row, editing of one row at a time, and writes that
// go to the store at once, one row by its hidden key.
#include "db/DataSet.h"
#include "db/Regional.h"
#include "db/RowStore.h"

#include <QDateTime>
#include <QMap>
#include <QStringList>
#include <QVariant>

#include <map>
#include <optional>

class Statement;
class TADOConnection;
class TADOQuery;

// The statement as a list of lines, joined with line breaks at open.
class TStrings {
public:
    void Clear() { lines_.clear(); }
    void Add(const QString& line) { lines_ << line; }
    QString Text() const { return lines_.join('\n'); }
    int Count() const { return int(lines_.size()); }

private:
    QStringList lines_;
};

// One column of a query's current row.
class TField {
public:
    TField(TADOQuery* q, int col) : q_(q), col_(col) {}
    QString FieldName() const;
    FieldKind Kind() const;
    bool IsNull() const;
    // Number columns read back as general number text; date-times as the
    // short date (and the time when it is not midnight).
    QString AsString() const;
    // Number columns take text by the number reading rule (empty = no value);
    // a failure cancels the row's editing and throws EConvertError.
    void SetAsString(const QString& text);
    // Throws the error SetAsString would throw for `text`, and writes nothing:
    // a window can check a whole row before it starts editing one.
    void CheckString(const QString& text) const;
    // Local date-times; one that does not exist locally (a daylight saving
    // gap) reads as invalid and is refused when set.
    QDateTime AsDateTime() const;
    void SetAsDateTime(const QDateTime& value);
    // The stored calendar day (and time) as such, in no time zone: what the
    // windows' date fields read and write.
    QDate AsDate() const;
    void SetAsDate(const QDate& day);
    regional::DayTime AsDayTime() const;
    void SetAsDayTime(const regional::DayTime& value);
    void Clear();

private:
    TADOQuery* q_;
    int col_;
};

class TADOQuery : public DataSetView {
public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit TADOQuery(TADOConnection* connection = nullptr);
    ~TADOQuery() override;
    TADOQuery(const TADOQuery&) = delete;
    TADOQuery& operator=(const TADOQuery&) = delete;

    void setConnection(TADOConnection* connection);
    TADOConnection* connection() const { return connection_; }

    TStrings SQL;
    // Named parameters (":name") are bound as values at open.
    void setParameter(const QString& name, const QVariant& value);
    void clearParameters() { params_.clear(); }

    void Open();   // no-op when already open
    // Opens like Open (the statement is checked, the columns are known) but
    // reads the rows only when something first looks at them: for a query
    // whose statement is replaced before anything reads it, so rows nobody
    // sees are never loaded.
    void OpenUnread();
    void Close();
    bool Active() const { return state_ != State::Inactive; }
    State state() const { return state_; }

    int RecordCount() const;
    int RecNo() const { touch(); return cur_ + 1; }  // 1-based; 0 when there is no row
    void SetRecNo(int recNo);
    void First();
    void Last();
    void Next();
    void Prior();
    bool Eof() const { touch(); return eof_; }
    bool Bof() const { touch(); return bof_; }

    void Edit();    // on an empty query this appends
    void Append();  // a new empty row at the end, in editing
    void Post();
    void Cancel();
    void Delete();  // the current row, from the store at once
    bool Modified() const { return modified_; }

    TField FieldByName(const QString& name);  // throws when there is no such column
    TField Fields(int col) { return TField(this, col); }
    QStringList GetFieldNames() const { return names_; }
    QString Table() const { return table_; }

    // Cancels the editing of every query that has a row in editing; the
    // handler guard calls it so a failed command never leaves a half-filled row.
    static void CancelAllPending();

    // DataSetView
    bool active() const override { return Active(); }
    int recordCount() const override { return RecordCount(); }
    int currentIndex() const override { touch(); return cur_; }
    void moveTo(int index) override { SetRecNo(index + 1); }
    int fieldCount() const override { return int(names_.size()); }
    QString fieldName(int col) const override { return names_.value(col); }
    FieldKind fieldKind(int col) const override { return kinds_[size_t(col)]; }
    int fieldIndex(const QString& name) const override;
    bool cellIsNull(int row, int col) const override;
    QString cellText(int row, int col) const override;
    double cellNumber(int row, int col, bool* ok = nullptr) const override;
    bool cellDateTime(int row, int col, QDate& day, QTime& time) const override;
    bool tellsPreviousRow() const override { return true; }
    bool hasPreviousRow() const override { return hasPrevious_; }
    bool previousIsNull(int col) const override;
    double previousNumber(int col, bool* ok = nullptr) const override;
    void deleteCurrent() override { Delete(); }
    int subscribe(Listener listener) override;
    void unsubscribe(int handle) override;

private:
    friend class TField;
    CellRef currentCell(int col) const;       // the edit buffer over the snapshot
    void setCell(int col, CellValue value);
    void checkBrowseMode();                    // post a changed row, drop an unchanged edit
    void requireActive() const;
    void requireWritable() const;
    void notify(DataSetEvent e);
    void moveCursor(int index);
    QString rowUnchanged(const std::vector<int>& columns, int firstArg) const;
    void bindSnapshot(Statement& st, const std::vector<int>& columns, int firstArg) const;
    [[noreturn]] void refuseStaleRow(qint64 key, const QString& outcome);
    bool shareLoaded(const QString& key);
    void opened();  // browsing on the first row of what was loaded
    void touch() const { if (unread_) const_cast<TADOQuery*>(this)->readRows(); }
    void readRows();  // a snapshot of the same rows already held
    void notifyChange(DataSetEvent e, std::vector<CellValue> previous, bool hasPrevious);
    void applyUndoRow(qint64 key, int index, std::optional<std::vector<CellValue>> old, bool removeRow);

    TADOConnection* connection_ = nullptr;
    std::map<QString, QVariant> params_;
    State state_ = State::Inactive;
    RowStore rows_;
    bool deferRows_ = false, unread_ = false;
    QStringList names_;
    std::vector<FieldKind> kinds_;
    QString table_;            // base table when writable
    int cur_ = -1;
    bool eof_ = true, bof_ = true;
    std::vector<std::optional<CellValue>> buffer_;
    std::vector<CellValue> previous_;  // see hasPreviousRow
    bool hasPrevious_ = false;
    bool modified_ = false;
    quint64 generation_ = 0;   // bumped at every open and close
    std::map<int, Listener> listeners_;
    int nextListener_ = 1;
};
