// The clock: local time of day and date, and waiting. Tests replace the clock and the sleep with
// their own, so that nothing waits for real time.
#pragma once

#include <cstdint>
#include <functional>

namespace qv {

struct LocalTime {
  int year = 0;    // four digits
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..60
};

struct ClockHooks {
  std::function<LocalTime()> now;             // local time of day and date
  std::function<void(int seconds)> sleepFor;  // blocks for the given whole seconds
};

// Replaces the clock and the sleep (either may be left empty to keep the real one); resetClock
// returns to the real ones.
void setClock(ClockHooks hooks);
void resetClock();

LocalTime localNow();
void sleepSeconds(int seconds);

// Time of day: minutes = hour * 60 + minute, seconds = second.
void RHTIME(std::int32_t& minutes, std::int32_t& seconds);
// Date; the year has four digits.
void RHDATE(std::int32_t& month, std::int32_t& day, std::int32_t& year);
// Waits the given number of seconds. A request above a day is lowered to 86,400 in the caller's
// variable; a request of 0 or less returns at once with polls 0. The wait sleeps until the deadline
// and then reads the clock again; polls counts those readings (at least one for a positive request).
void RHDELAY(std::int32_t& seconds, std::int32_t& polls);

}  // namespace qv
