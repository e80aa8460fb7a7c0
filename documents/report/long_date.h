#pragma once

#include <string>

namespace rillo {

// A day of the proleptic Gregorian calendar.
struct CalendarDate {
    int year = 2000;
    unsigned month = 1;  // 1 to 12
    unsigned day = 1;    // 1 to 31
};

// The date written long, in English whatever the locale: full weekday name,
// full month name, the day without a leading zero and the four-digit year,
// "Monday, March 4, 2024". An impossible date is written as the numbers it holds.
std::string LongDate(const CalendarDate& date);

}  // namespace rillo
