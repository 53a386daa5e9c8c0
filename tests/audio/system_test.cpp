// Global memory and module file names as the modules use them; the same cases hold on Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/windows_api.h"
#include "tests/audio/test_support.h"
#if !defined(_WIN32)
#include "platform/native/sim_clock.h"
#endif

namespace {

TEST(GlobalMemory, MoveableBlockIsReachedThroughItsLock) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 100);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 100u);
  void* bytes = GlobalLock(block);
  ASSERT_NE(bytes, nullptr);
  std::memset(bytes, 0x7F, 100);
  EXPECT_EQ(GlobalUnlock(block), FALSE) << "no lock is left";
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(GlobalMemory, FixedBlockIsItsOwnAddress) {
  HGLOBAL block = GlobalAlloc(GPTR, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalLock(block), block);
  EXPECT_EQ(static_cast<const unsigned char*>(block)[15], 0) << "GPTR zeroes the block";
  EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(ModuleFileName, NamesTheRunningProgram) {
  char name[1024] = {};
  const DWORD length = GetModuleFileNameA(nullptr, name, sizeof name);
  EXPECT_EQ(length, std::strlen(name));
  EXPECT_NE(std::string(name).find("audio_platform_tests"), std::string::npos);

  char small[7] = "######";
  EXPECT_EQ(GetModuleFileNameA(nullptr, small, 5), 5u) << "a cut name answers the buffer's size";
  EXPECT_EQ(std::string(small, 5), std::string(name, 5));
  EXPECT_EQ(small[5], '#') << "and nothing is written past the buffer";
}

// Natively a sleep must not hold up real time; it is recorded for the trace instead.
TEST(Sleep, IsRecordedAndTakesNoSimulatedTime) {
  if (!audio_test::kNativePlatform) GTEST_SKIP() << "the record of sleeps is our platform's own";
#if !defined(_WIN32)
  platform::drain_sleeps();
  const double before = platform::sim_time();
  Sleep(10);
  Sleep(250);
  EXPECT_EQ(platform::sim_time(), before);
  const auto sleeps = platform::drain_sleeps();
  ASSERT_EQ(sleeps.size(), 2u);
  EXPECT_EQ(sleeps[1].milliseconds, 250u);
  EXPECT_EQ(sleeps[1].time, before);
#endif
}

}  // namespace
