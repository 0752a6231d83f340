#include "platform/DatePicker.h"

#include "db/Regional.h"

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateEdit(QDate::currentDate(), parent)
{
    setCalendarPopup(true);
    setDisplayFormat(regional::shortDateFormat());
}
