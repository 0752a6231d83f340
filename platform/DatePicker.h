#pragma once
// A date field with a drop-down calendar, in the short date format. Tab
// leaves it at once, as it leaves every other field, instead of stepping
// through the year, month and day first.
#include <QDateEdit>

class TDateTimePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit TDateTimePicker(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};
