// The clock and the wait, on a simulated clock that moves only when the wait sleeps.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "support/fresh_run.h"

namespace qv {
namespace {

// A day-and-seconds clock: sleeping moves it on, crossing midnight into the next day of the month.
class SimulatedClock : public testing_support::FreshRun {
 protected:
  void SetUp() override {
    FreshRun::SetUp();
    setClock(ClockHooks{[this] { return now(); }, [this](int s) {
                          slept.push_back(s);
                          secondOfDay += s;
                          while (secondOfDay >= 86400) {
                            secondOfDay -= 86400;
                            ++day;
                          }
                        }});
  }
  LocalTime now() const {
    return LocalTime{2025, 3, day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60};
  }

  int day = 12;
  int secondOfDay = 0;
  std::vector<int> slept;
};

TEST_F(SimulatedClock, TimeAndDate) {
  secondOfDay = 13 * 3600 + 5 * 60 + 9;
  std::int32_t minutes = 0, seconds = 0, month = 0, d = 0, year = 0;
  RHTIME(minutes, seconds);
  RHDATE(month, d, year);
  EXPECT_EQ(minutes, 13 * 60 + 5);
  EXPECT_EQ(seconds, 9);
  EXPECT_EQ(month, 3);
  EXPECT_EQ(d, 12);
  EXPECT_EQ(year, 2025);
}

TEST_F(SimulatedClock, WaitSleepsTheRequestAndPollsOnce) {
  secondOfDay = 3600;
  std::int32_t request = 90, polls = -1;
  RHDELAY(request, polls);
  EXPECT_EQ(request, 90);
  EXPECT_EQ(polls, 1);
  EXPECT_EQ(slept, std::vector<int>{90});
}

TEST_F(SimulatedClock, RequestAboveADayIsLoweredInTheCallersVariable) {
  secondOfDay = 20 * 3600;  // the wait runs over midnight into the next day
  std::int32_t request = 100000, polls = -1;
  RHDELAY(request, polls);
  EXPECT_EQ(request, 86400);
  EXPECT_EQ(polls, 1);
  EXPECT_EQ(slept, std::vector<int>{86400});
  EXPECT_EQ(day, 13);
}

TEST_F(SimulatedClock, NothingToWait) {
  for (std::int32_t request : {0, -5}) {
    std::int32_t polls = -1;
    RHDELAY(request, polls);
    EXPECT_EQ(polls, 0);
  }
  EXPECT_TRUE(slept.empty());
}

TEST_F(SimulatedClock, ShortSleepIsTopedUp) {
  // A sleep that ends early (a signal) is followed by another for what is left.
  setClock(ClockHooks{[this] { return now(); }, [this](int s) {
                        slept.push_back(s);
                        secondOfDay += s > 1 ? s - 1 : s;
                      }});
  std::int32_t request = 10, polls = -1;
  RHDELAY(request, polls);
  EXPECT_EQ(polls, 2);
  EXPECT_EQ(slept, (std::vector<int>{10, 1}));
}

}  // namespace
}  // namespace qv
