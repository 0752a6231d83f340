#include "platform/DatePicker.h"

#include "db/Regional.h"

// The picker holds a calendar day. Kept in UTC, its day at 00:00 always
// exists, also where daylight saving starts at local midnight.
TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateEdit(parent)
{
    setTimeSpec(Qt::UTC);
    setDate(QDate::currentDate());
    setCalendarPopup(true);
    setDisplayFormat(regional::shortDateFormat());
}
