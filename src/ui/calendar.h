#pragma once

#include <string>

#include "world/calendar.h"

// The date and time texts of the bottom bar.
struct DateTimeText {
    std::string date;  // "DD.MM.YYYY"
    std::string time;  // "HH:MM", truncated, never rounded
};
DateTimeText formatDateTime(double seconds);
