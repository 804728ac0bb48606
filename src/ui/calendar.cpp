#include "ui/calendar.h"

#include <charconv>
#include <cstddef>

namespace {

void appendPadded(std::string& out, int value, int width)
{
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    int length = static_cast<int>(end - digits);
    if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
    out.append(digits, end);
}

}  // namespace

DateTimeText formatDateTime(double seconds)
{
    CalendarDate date = timeToCalendar(seconds);
    const int second = secondOfDay(seconds);
    DateTimeText text;
    appendPadded(text.date, date.day, 2);
    text.date += '.';
    appendPadded(text.date, date.month, 2);
    text.date += '.';
    appendPadded(text.date, date.year, 4);
    appendPadded(text.time, second / 3600, 2);
    text.time += ':';
    appendPadded(text.time, second / 60 % 60, 2);
    return text;
}
