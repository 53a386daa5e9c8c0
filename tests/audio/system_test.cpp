// Global memory and module file names as the modules use them; the same cases hold on Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/windows_api.h"

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

  char small[5];
  EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), sizeof small)
      << "a cut name answers the buffer's size";
  EXPECT_EQ(small[4], '\0');
  EXPECT_EQ(std::string(small), std::string(name, 4));
}

}  // namespace
