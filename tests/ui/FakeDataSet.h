#pragma once
// A data set for tests of the controls that show one.
#include "db/DataSet.h"
#include "db/Errors.h"

#include <QStringList>
#include <QVariant>

#include <algorithm>
#include <map>
#include <vector>

// Rows held as variants: an invalid QVariant is an empty cell, a double a
// number, a QString a text. Or rows made up on demand, for the long list.
class FakeDataSet : public DataSetView {
public:
    QStringList names{"编号", "名称", "日期", "数量", "利润", "备注"};
    std::vector<FieldKind> kinds{FieldKind::Text,   FieldKind::Text,   FieldKind::DateTime,
                                 FieldKind::Number, FieldKind::Number, FieldKind::Text};
    std::vector<std::vector<QVariant>> rows;
    int generatedRows = -1;  // >= 0: that many rows, made up by cell()

    std::vector<QString> deleted;  // 编号 of each deleted row, in order
    QString refuse;                // deleting the row with this 编号 fails
    mutable long textReads = 0;
    mutable long numberReads = 0;

    void open(std::vector<std::vector<QVariant>> data)
    {
        rows = std::move(data);
        isOpen = true;
        cur = recordCount() > 0 ? 0 : -1;
        notify(DataSetEvent::Opened);
    }
    void openGenerated(int count)
    {
        generatedRows = count;
        open({});
    }
    void close()
    {
        isOpen = false;
        rows.clear();
        cur = -1;
        notify(DataSetEvent::Closed);
    }
    void append(std::vector<QVariant> row)
    {
        rows.push_back(std::move(row));
        cur = int(rows.size()) - 1;
        notify(DataSetEvent::Posted);
        notify(DataSetEvent::Moved);
    }
    void change(int row, int col, QVariant value)
    {
        before.clear();
        for (int c = 0; c < fieldCount(); ++c)
            before.push_back(cell(row, c));
        hasBefore = true;
        if (generatedRows >= 0)
            generatedChanges[{row, col}] = value;
        else
            rows[size_t(row)][size_t(col)] = std::move(value);
        cur = row;
        notify(DataSetEvent::Posted);
        hasBefore = false;
    }

    // With `tells`, changes come with the row as it was before them.
    bool tells = false;
    std::vector<QVariant> before;
    bool hasBefore = false;
    std::map<std::pair<int, int>, QVariant> generatedChanges;
    bool tellsPreviousRow() const override { return tells; }
    bool hasPreviousRow() const override { return tells && hasBefore; }
    bool previousIsNull(int col) const override { return !hasPreviousRow() || !before[size_t(col)].isValid(); }
    double previousNumber(int col, bool* ok) const override
    {
        if (ok)
            *ok = !previousIsNull(col);
        return previousIsNull(col) ? 0 : before[size_t(col)].toDouble();
    }

    bool active() const override { return isOpen; }
    int recordCount() const override
    {
        return !isOpen ? 0 : generatedRows >= 0 ? generatedRows : int(rows.size());
    }
    int currentIndex() const override { return cur; }
    void moveTo(int index) override
    {
        if (recordCount() == 0)
            return;
        index = std::clamp(index, 0, recordCount() - 1);
        if (index != cur) {
            cur = index;
            notify(DataSetEvent::Moved);
        }
    }
    int fieldCount() const override { return int(names.size()); }
    QString fieldName(int col) const override { return names.value(col); }
    FieldKind fieldKind(int col) const override { return kinds[size_t(col)]; }
    int fieldIndex(const QString& name) const override { return int(names.indexOf(name)); }
    bool cellIsNull(int row, int col) const override { return !cell(row, col).isValid(); }
    QString cellText(int row, int col) const override
    {
        ++textReads;
        const QVariant v = cell(row, col);
        return v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15) : v.toString();
    }
    double cellNumber(int row, int col, bool* ok) const override
    {
        ++numberReads;
        const QVariant v = cell(row, col);
        if (v.typeId() == QMetaType::Double) {
            if (ok)
                *ok = true;
            return v.toDouble();
        }
        return v.toString().toDouble(ok);
    }
    void deleteCurrent() override
    {
        if (cur < 0)
            throw EDatabaseError("没有可以删除的记录");
        const QString key = rows[size_t(cur)][0].toString();
        if (key == refuse)
            throw EDatabaseError("记录被锁定");
        deleted.push_back(key);
        rows.erase(rows.begin() + cur);
        if (cur >= int(rows.size()))
            cur = int(rows.size()) - 1;
        notify(DataSetEvent::Deleted);
    }
    int subscribe(Listener listener) override
    {
        listeners[++next] = std::move(listener);
        return next;
    }
    void unsubscribe(int handle) override { listeners.erase(handle); }

private:
    QVariant cell(int row, int col) const
    {
        if (const auto it = generatedChanges.find({row, col}); it != generatedChanges.end())
            return it->second;
        if (generatedRows >= 0)
            return col == 0 ? QVariant(QString::number(row)) : col == 3 ? QVariant(double(row % 10)) : QVariant();
        return rows[size_t(row)][size_t(col)];
    }
    void notify(DataSetEvent e)
    {
        auto copy = listeners;
        for (auto& [h, l] : copy)
            l(e);
    }

    bool isOpen = false;
    int cur = -1;
    std::map<int, Listener> listeners;
    int next = 0;
};
