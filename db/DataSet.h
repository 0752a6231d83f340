#pragma once
// What a grid needs of the data set it shows: rows read by position straight
// from the snapshot, never copied, and a word whenever the rows change.
#include <QString>
#include <functional>
#include <vector>

enum class FieldKind { Text, Number, DateTime };

enum class DataSetEvent {
    Opened,   // rows (re)loaded
    Closed,   // rows dropped
    Moved,    // the current row changed
    Posted,   // a row in editing was written (values changed in place, or an appended row now exists)
    Deleted,  // the current row was removed
    StateChanged  // editing began or was cancelled
};

class DataSetView {
public:
    virtual ~DataSetView() = default;

    virtual bool active() const = 0;
    virtual int recordCount() const = 0;      // rows held (0 when closed)
    virtual int currentIndex() const = 0;     // 0-based current row, -1 when there is none
    virtual void moveTo(int index) = 0;       // make row `index` current

    virtual int fieldCount() const = 0;
    virtual QString fieldName(int col) const = 0;
    virtual FieldKind fieldKind(int col) const = 0;
    virtual int fieldIndex(const QString& name) const = 0;  // -1 when absent

    virtual bool cellIsNull(int row, int col) const = 0;
    virtual QString cellText(int row, int col) const = 0;   // the field's ordinary text form
    virtual double cellNumber(int row, int col, bool* ok = nullptr) const = 0;

    // While a Posted or Deleted notice is told: the row as it was before that
    // change, so that a listener can follow it without reading every row.
    // hasPreviousRow() is false for a row that did not exist before (an
    // append). A data set whose tellsPreviousRow() is false says nothing of
    // the rows before its changes.
    virtual bool tellsPreviousRow() const { return false; }
    virtual bool hasPreviousRow() const { return false; }
    virtual bool previousIsNull(int col) const { (void)col; return true; }
    virtual double previousNumber(int col, bool* ok = nullptr) const
    {
        (void)col;
        if (ok) *ok = false;
        return 0;
    }

    virtual void deleteCurrent() = 0;         // delete the current row from the store

    using Listener = std::function<void(DataSetEvent)>;
    virtual int subscribe(Listener listener) = 0;  // returns a handle for unsubscribe
    virtual void unsubscribe(int handle) = 0;
};
