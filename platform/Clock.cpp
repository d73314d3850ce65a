#include "platform/Clock.h"

#include <cstdio>
#include <utility>

namespace platform {

namespace {
ClockHandler& Handler() {
    static ClockHandler handler;
    return handler;
}

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

std::string TwoDigits(int v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.2d", v);
    return buf;
}
} // namespace

ClockHandler SetClockHandler(ClockHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

std::time_t Now() {
    return Handler() ? Handler()() : std::time(nullptr);
}

std::string FormatDateText(const std::string& format, std::time_t t) {
    std::tm tm{};
    localtime_r(&t, &tm);
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            out += c;
            continue;
        }
        char f = format[++i];
        switch (f) {
        case 'A':
            out += kWeekdays[tm.tm_wday % 7];
            break;
        case 'a':
            out += std::string(kWeekdays[tm.tm_wday % 7]).substr(0, 3);
            break;
        case 'B':
            out += kMonths[tm.tm_mon % 12];
            break;
        case 'b':
            out += std::string(kMonths[tm.tm_mon % 12]).substr(0, 3);
            break;
        case 'm':
            out += TwoDigits(tm.tm_mon + 1);
            break;
        case 'd':
            out += TwoDigits(tm.tm_mday);
            break;
        case 'y':
            out += TwoDigits(tm.tm_year % 100);
            break;
        case 'Y':
            out += std::to_string(tm.tm_year + 1900);
            break;
        case 'H':
            out += TwoDigits(tm.tm_hour);
            break;
        case 'I':
            out += TwoDigits(tm.tm_hour % 12 == 0 ? 12 : tm.tm_hour % 12);
            break;
        case 'M':
            out += TwoDigits(tm.tm_min);
            break;
        case 'S':
            out += TwoDigits(tm.tm_sec);
            break;
        case 'p':
            out += tm.tm_hour < 12 ? "AM" : "PM";
            break;
        case '%':
            out += '%';
            break;
        default:
            out += '%';
            out += f;
            break;
        }
    }
    return out;
}

} // namespace platform
