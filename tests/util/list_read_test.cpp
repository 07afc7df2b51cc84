// Free-form reading: the cases follow what gfortran's list-directed READ gives for the same records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/list_read.h"

namespace qv {
namespace {

TEST(ListRead, ThreeRealsFromOneRecord) {
  struct Case {
    const char* record;
    ListStatus status;
    float x, y, z;  // starting from 1, 2, 3
  };
  const Case cases[] = {
      {"4", ListStatus::kEnded, 4, 2, 3},           // a missing value keeps its variable
      {",5", ListStatus::kEnded, 1, 5, 3},          // a leading comma is an empty value
      {"", ListStatus::kEnded, 1, 2, 3},
      {"4,,6", ListStatus::kDone, 4, 2, 6},
      {"4 ,  5", ListStatus::kEnded, 4, 5, 3},      // blanks around a comma make one separator
      {"1 0", ListStatus::kEnded, 1, 0, 3},         // blanks separate: not "10"
      {"4 / 7", ListStatus::kDone, 4, 2, 3},        // "/" ends the reading
      {"4,/", ListStatus::kDone, 4, 2, 3},
      {"2*5", ListStatus::kEnded, 5, 5, 3},
      {"3*1.5", ListStatus::kDone, 1.5f, 1.5f, 1.5f},
      {"2*,7", ListStatus::kDone, 1, 2, 7},         // two empty values
      {"4,5,6,7", ListStatus::kDone, 4, 5, 6},      // values beyond the variables are dropped
      {"1,2,3,", ListStatus::kDone, 1, 2, 3},
      {",,", ListStatus::kEnded, 1, 2, 3},
      {"4 x 6", ListStatus::kBadValue, 4, 2, 3},    // a bad value stops: it and the later ones stay
      {"abc", ListStatus::kBadValue, 1, 2, 3},
      {"0*4", ListStatus::kBadValue, 1, 2, 3},
      {"-2*4", ListStatus::kBadValue, 1, 2, 3},
      {"'4'", ListStatus::kBadValue, 1, 2, 3},      // a quoted text is no number
      {"  .5e-1 1d2\t-3", ListStatus::kDone, 0.05f, 100, -3},
  };
  for (const Case& c : cases) {
    float x = 1, y = 2, z = 3;
    EXPECT_EQ(listRead(c.record, {&x, &y, &z}), c.status) << c.record;
    EXPECT_EQ(x, c.x) << c.record;
    EXPECT_EQ(y, c.y) << c.record;
    EXPECT_EQ(z, c.z) << c.record;
  }
}

// A read that gave every variable its value leaves the rest of its last record, and the copies of a
// repeated value it did not hand out: what a caller checks a row's line for.
TEST(ListRead, WhatAReadLeaves) {
  struct Case {
    const char* record;
    const char* rest;
    long copiesLeft;
  };
  const Case cases[] = {
      {"1 2", "", 0},
      {"1 2 3 note", " 3 note", 0},
      {"1,2,", ",", 0},
      {"1 / 3", "/ 3", 0},  // a "/" ends the read, what stands from it on left
      {"1 4*2 x", " x", 3},
      {"1 3* 7", " 7", 0},  // empty values left over are no values
  };
  for (const Case& c : cases) {
    float x = 0, y = 0;
    ListProgress progress;
    const ListTarget targets[] = {&x, &y};
    EXPECT_EQ(listRead(c.record, std::span<const ListTarget>(targets), &progress), ListStatus::kDone) << c.record;
    EXPECT_EQ(progress.rest, c.rest) << c.record;
    EXPECT_EQ(progress.copiesLeft, c.copiesLeft) << c.record;
  }
}

TEST(ListRead, IntegersAndTexts) {
  std::int32_t n = 9;
  std::string word;
  double d = 0;
  EXPECT_EQ(listRead("  12 'it''s here' 2.5d0", {&n, &word, &d}), ListStatus::kDone);
  EXPECT_EQ(n, 12);
  EXPECT_EQ(word, "it's here");
  EXPECT_EQ(d, 2.5);

  EXPECT_EQ(listRead("Abort, 99", {&word, &n}), ListStatus::kDone);
  EXPECT_EQ(word, "Abort");
  EXPECT_EQ(n, 99);

  n = 9;
  EXPECT_EQ(listRead("3.0", {&n}), ListStatus::kBadValue);  // an integer takes no decimal point
  EXPECT_EQ(n, 9);
  EXPECT_EQ(listRead("99999999999", {&n}), ListStatus::kBadValue);
  EXPECT_EQ(n, 9);
}

TEST(ListRead, ValuesGoOnInLaterRecords) {
  const std::vector<std::string> records = {"1.5,", "  ", " , 3", "4 5 6", "8 9"};
  std::size_t next = 0;
  const RecordSource source = [&](std::string& out) {
    if (next == records.size()) return false;
    out = records[next++];
    return true;
  };
  float a = 0, b = -1, c = 0, d = 0;
  // The comma after 1.5 ends its value even with the end of the record and a blank record between:
  // the comma in the third record then marks b as empty.
  EXPECT_EQ(listRead(source, std::vector<ListTarget>{&a, &b, &c, &d}), ListStatus::kDone);
  EXPECT_EQ(a, 1.5f);
  EXPECT_EQ(b, -1.0f);
  EXPECT_EQ(c, 3.0f);
  EXPECT_EQ(d, 4.0f);
  EXPECT_EQ(next, 4u);  // the read stops at the record that completed it

  float e = 7;
  EXPECT_EQ(listRead(source, std::vector<ListTarget>{&e}), ListStatus::kDone);  // a new read, a new record
  EXPECT_EQ(e, 8.0f);
  EXPECT_EQ(next, 5u);
  EXPECT_EQ(listRead(source, std::vector<ListTarget>{&e}), ListStatus::kEnded);
}

}  // namespace
}  // namespace qv
