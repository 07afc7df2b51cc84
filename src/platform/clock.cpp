#include "platform/clock.h"

#include "platform/block_reset.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace qv {

namespace {

ClockHooks& hooks() {
  static ClockHooks h;
  return h;
}

constexpr std::int32_t kSecondsPerDay = 86400;

}  // namespace

void setClock(ClockHooks h) { hooks() = std::move(h); }
void resetClock() { hooks() = ClockHooks{}; }

namespace {
const BlockReset resetClockHooks{resetClock};
}  // namespace

LocalTime localNow() {
  if (hooks().now) return hooks().now();
  const std::time_t t = std::time(nullptr);
  std::tm parts{};
  localtime_r(&t, &parts);
  LocalTime lt;
  lt.year = parts.tm_year + 1900;
  lt.month = parts.tm_mon + 1;
  lt.day = parts.tm_mday;
  lt.hour = parts.tm_hour;
  lt.minute = parts.tm_min;
  lt.second = parts.tm_sec;
  return lt;
}

void sleepSeconds(int seconds) {
  if (seconds <= 0) return;
  if (hooks().sleepFor) {
    hooks().sleepFor(seconds);
    return;
  }
  std::this_thread::sleep_for(std::chrono::seconds(seconds));
}

void RHTIME(std::int32_t& minutes, std::int32_t& seconds) {
  const LocalTime t = localNow();
  minutes = t.hour * 60 + t.minute;
  seconds = t.second;
}

void RHDATE(std::int32_t& month, std::int32_t& day, std::int32_t& year) {
  const LocalTime t = localNow();
  month = t.month;
  day = t.day;
  year = t.year;
}

void RHDELAY(std::int32_t& seconds, std::int32_t& polls) {
  polls = 0;
  if (seconds > kSecondsPerDay) seconds = kSecondsPerDay;
  if (seconds <= 0) return;

  std::int32_t minutes = 0, second = 0, month = 0, day = 0, year = 0;
  RHTIME(minutes, second);
  RHDATE(month, day, year);
  const std::int32_t start = minutes * 60 + second;
  const std::int32_t startDay = day;

  std::int32_t elapsed = 0;
  do {
    // Sleep the time still to go; a clock set back never makes one sleep longer than the request.
    const std::int32_t remaining = seconds - elapsed;
    sleepSeconds(remaining < seconds ? remaining : seconds);
    RHTIME(minutes, second);
    RHDATE(month, day, year);
    ++polls;
    elapsed = minutes * 60 + second - start;
    if (day != startDay) elapsed += kSecondsPerDay;
  } while (elapsed < seconds);
}

}  // namespace qv
