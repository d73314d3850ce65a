// The clock hub and the English date texts.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace platform {

using ClockHandler = std::function<std::time_t()>;

// Installs a clock (tests pin it); an empty handler is the system clock.
ClockHandler SetClockHandler(ClockHandler handler);

// The current time in seconds.
std::time_t Now();

// Formats local time t with strftime-style fields, always in English:
// %A weekday, %a short weekday, %B month, %b short month, %m %d %y %Y %H %I
// %M %S as two or four digits, %p AM/PM, %% a percent sign.
std::string FormatDateText(const std::string& format, std::time_t t);

// The two date texts of a statistics record.
inline constexpr const char* kFinishedFormat = "Finished this game on %A, %m/%d/%y at %I:%M %p";
inline constexpr const char* kLastPlayedFormat =
    "Last played this game on %A, %m/%d/%y at %I:%M %p";

} // namespace platform
