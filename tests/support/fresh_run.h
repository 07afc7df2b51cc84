// The fixture of every test suite that touches a data block or kept state: each case starts from a
// fresh run and leaves nothing behind for the next (resetAllBlocks, platform/block_reset.h).
//
//   class SalmPage : public testing_support::FreshRun {};
//   TEST_F(SalmPage, ScreenOfANewDataSet) { ... }
#pragma once

#include <gtest/gtest.h>

#include "platform/block_reset.h"

namespace qv::testing_support {

class FreshRun : public ::testing::Test {
 protected:
  void SetUp() override { resetAllBlocks(); }
  void TearDown() override { resetAllBlocks(); }
};

}  // namespace qv::testing_support
