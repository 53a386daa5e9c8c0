// Windows path rules, as module code meets them through the file services and through
// platform::open_file_for_reading; the same cases hold on Windows itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/native/win_paths.h"
#include "platform/windows_api.h"
#include "tests/audio/test_support.h"

namespace {

using namespace audio_test;

class WindowsPaths : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(std::filesystem::path(folder_.name()) / "Sub Dir");
    folder_.write("Sub Dir\\Tone.WAV", "RIFF");
  }
  FixtureFolder folder_{"Path_Fixtures"};
};

TEST_F(WindowsPaths, NamesMatchWhateverTheirCaseAndSeparators) {
  const char* spellings[] = {
      "path_fixtures\\SUB DIR\\tone.wav",
      "./Path_Fixtures/sub dir/TONE.wav",
      "path_fixtures/Sub Dir\\Tone.WAV",
      "path_fixtures\\not there\\..\\sub dir\\.\\tone.wav",  // ".." is taken as written
      "path_fixtures\\sub dir\\tone.wav.",                   // a trailing dot is dropped
  };
  for (const char* spelling : spellings) {
    SCOPED_TRACE(spelling);
    std::FILE* file = platform::open_file_for_reading(spelling, "r");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    HMMIO mmio = mmioOpenA(const_cast<LPSTR>(spelling), nullptr, MMIO_READ);
    EXPECT_NE(mmio, nullptr);
    if (mmio) mmioClose(mmio, 0);
  }
}

TEST_F(WindowsPaths, MissingFilesStayMissing) {
  EXPECT_EQ(platform::open_file_for_reading("path_fixtures\\sub dir\\other.wav"), nullptr);
  EXPECT_EQ(platform::open_file_for_reading("path_fixtures\\no dir\\tone.wav"), nullptr);
  EXPECT_EQ(platform::open_file_for_reading(""), nullptr);
  EXPECT_EQ(platform::open_file_for_reading(nullptr), nullptr);
}

}  // namespace
