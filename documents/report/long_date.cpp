#include "documents/report/long_date.h"

#include <array>
#include <chrono>

namespace rillo {

namespace {

constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

std::string FourDigitYear(int year) {
    std::string digits = std::to_string(year < 0 ? -year : year);
    if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
    return year < 0 ? "-" + digits : digits;
}

}  // namespace

std::string LongDate(const CalendarDate& date) {
    using namespace std::chrono;
    const year_month_day ymd{year{date.year}, month{date.month}, day{date.day}};
    if (!ymd.ok()) {
        return FourDigitYear(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
    }
    const weekday dayOfWeek{sys_days{ymd}};
    return std::string(kWeekdays[dayOfWeek.c_encoding()]) + ", " + kMonths[date.month - 1] + " " +
           std::to_string(date.day) + ", " + FourDigitYear(date.year);
}

}  // namespace rillo
