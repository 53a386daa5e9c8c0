// The gauge's configuration, seen through the host calls it makes at its first update: which
// variables it registers, which files it looks for, and how it reads its INI file. No sound
// device is created here, so a sound whose file exists "plays" silently and, one update later,
// has its variable handed back as 0; a missing file leaves the variable at 1. That tells which
// path each entry looks for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/sound_gauge/sound_gauge_host.h"

namespace sound_gauge_test {
namespace {

namespace fs = std::filesystem;

// A fresh folder the test works in, as the simulator's current folder.
class ScratchFolder {
 public:
  ScratchFolder() : saved_(fs::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("sound_gauge_") + info->test_suite_name() + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    path_ = fs::temp_directory_path() / name;
    fs::remove_all(path_);
    fs::create_directories(path_);
    fs::current_path(path_);
  }
  ~ScratchFolder() {
    fs::current_path(saved_);
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }
  void write(const fs::path& relative, const std::string& text) const {
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << text;
  }

 private:
  fs::path saved_;
  fs::path path_;
};

std::vector<std::string> default_names_down_from(int count) {
  std::vector<std::string> names;
  for (int i = count - 1; i >= 0; --i) {
    char name[32];
    std::snprintf(name, sizeof name, "qrn_xml_id_%02d", i);
    names.emplace_back(name);
  }
  return names;
}

// Requests the sound of each variable once and reports which ones found their file.
std::vector<bool> files_found(SoundGaugeHost& host, const std::vector<std::string>& vars) {
  for (const auto& name : vars) host.set_var(name, 1.0);
  host.update();
  host.update();
  std::vector<bool> found;
  for (const auto& name : vars) found.push_back(host.var(name) == 0.0);
  return found;
}

TEST(SoundGaugeConfiguration, WithoutAnIniFileServesHundredDefaultEntries) {
  ScratchFolder folder;
  folder.write("Sound/qrn/qrn_xml_00.wav", "x");
  folder.write("Sound/qrn/qrn_xml_99.wav", "x");
  SoundGaugeHost host(module_path());
  ASSERT_TRUE(host.loaded());
  host.update();

  std::vector<std::string> expected = default_names_down_from(100);
  expected.push_back("qrn_stop_sounds");
  EXPECT_EQ(host.registered, expected);
  // Two host calls per entry at every update, and two for the stop variable.
  host.calls = {};
  host.update();
  EXPECT_EQ(host.calls.find, 101);
  EXPECT_EQ(host.calls.get, 101);
  EXPECT_EQ(files_found(host, {"qrn_xml_id_00", "qrn_xml_id_50", "qrn_xml_id_99"}),
            (std::vector<bool>{true, false, true}));
}

TEST(SoundGaugeConfiguration, MaxSoundsIsReadLikeTheFirstFourCharactersOfAnInteger) {
  struct Case {
    const char* text;
    int entries;
  };
  const Case cases[] = {{"150", 100}, {"0", 0},     {"-5", 0},    {"none", 0}, {"00050", 5},
                        {"7", 7},     {"100", 100}, {" 12 ", 12}, {"", 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("MaxSounds=") + c.text);
    ScratchFolder folder;
    folder.write("sounds.ini", std::string("[Config]\nMaxSounds=") + c.text + "\n");
    SoundGaugeHost host(module_path());
    host.set_parameters((folder.path() / "sounds.ini").string());
    host.update();
    std::vector<std::string> expected = default_names_down_from(c.entries);
    expected.push_back("qrn_stop_sounds");
    EXPECT_EQ(host.registered, expected);
  }
}

TEST(SoundGaugeConfiguration, NoEntriesStillServeTheStopVariable) {
  ScratchFolder folder;
  folder.write("sounds.ini", "[Config]\nMaxSounds=0\nLvarStop=all_quiet\n");
  SoundGaugeHost host(module_path());
  host.set_parameters((folder.path() / "sounds.ini").string());
  host.update();
  host.set_var("all_quiet", 0.5);
  host.update();
  EXPECT_EQ(host.var("all_quiet"), 0.0);
  host.set_var("all_quiet", -1.0);
  host.update();
  EXPECT_EQ(host.var("all_quiet"), -1.0);
}

TEST(SoundGaugeConfiguration, CustomNamesAndPathsWithDefaultsForEmptyValues) {
  ScratchFolder folder;
  folder.write("panel/sounds.ini",
               "[Config]\nMaxSounds=3\nLvarStop=\n"
               "[Sounds]\nSound00=Sounds\\Mine\\Beep.wav\nSound01=\n"
               "[LVars]\nLvar00=my_beep\nLvar01=\nLvar02=My_Other\n");
  folder.write("Sounds/Mine/Beep.wav", "x");
  folder.write("Sound/qrn/qrn_xml_01.wav", "x");  // entry 01 keeps its default file
  SoundGaugeHost host(module_path());
  host.set_parameters((folder.path() / "panel/sounds.ini").string());
  host.update();
  EXPECT_EQ(host.registered,
            (std::vector<std::string>{"My_Other", "qrn_xml_id_01", "my_beep", "qrn_stop_sounds"}));
  EXPECT_EQ(files_found(host, {"my_beep", "qrn_xml_id_01", "my_other"}),
            (std::vector<bool>{true, true, false}));
}

TEST(SoundGaugeConfiguration, OverlongValuesAreCutToTheirFields) {
  ScratchFolder folder;
  const std::string long_name(300, 'v');
  folder.write("sounds.ini", "[Config]\nMaxSounds=1\nLvarStop=" + long_name +
                                 "\n[LVars]\nLvar00=" + long_name + "\n");
  SoundGaugeHost host(module_path());
  host.set_parameters((folder.path() / "sounds.ini").string());
  host.update();
  const std::string cut(127, 'v');
  EXPECT_EQ(host.registered, (std::vector<std::string>{cut, cut}));
}

// The INI path holds 129 characters: a longer parameter string is cut there, names a file that
// does not exist, and every key takes its default.
TEST(SoundGaugeConfiguration, IniPathIsCutAfter129Characters) {
  ScratchFolder folder;
  const std::string base = folder.path().string() + "/";
  ASSERT_LT(base.size() + 10, 129u) << "the scratch folder's path is too long for this test";
  const std::string padding(129 - base.size() - 6, 'd');
  const std::string fits = base + padding + "/s.ini";  // 129 characters
  ASSERT_EQ(fits.size(), 129u);
  folder.write(padding + "/s.ini", "[Config]\nMaxSounds=1\n");
  folder.write(padding + "/s.ini2", "[Config]\nMaxSounds=2\n");

  // Each host loads the module afresh, one after the other.
  auto registered_with = [](const std::string& parameters) {
    SoundGaugeHost host(module_path());
    host.set_parameters(parameters);
    host.update();
    return host.registered.size();
  };
  EXPECT_EQ(registered_with(fits), 2u);        // one entry and the stop variable
  EXPECT_EQ(registered_with(fits + "2"), 2u);  // would name s.ini2, but is cut back to s.ini
  EXPECT_EQ(registered_with(std::string(4000, 'p')), 101u);
}

TEST(SoundGaugeConfiguration, TheIniFileIsReadOnceAtTheFirstUpdate) {
  ScratchFolder folder;
  folder.write("sounds.ini", "[Config]\nMaxSounds=2\n");
  SoundGaugeHost host(module_path());
  host.set_parameters((folder.path() / "sounds.ini").string());
  host.service(host::service_code::kInstall);
  host.service(host::service_code::kTreeReady);
  EXPECT_TRUE(host.registered.empty());
  host.update();
  folder.write("sounds.ini", "[Config]\nMaxSounds=5\n");
  host.update();
  EXPECT_EQ(host.registered.size(), 3u);
}

// After the simulator window closes the gauge's tables are gone for good: later calls of any
// kind make no host call and touch nothing that was released.
TEST(SoundGaugeConfiguration, CallsAfterShutdownDoNothing) {
  ScratchFolder folder;
  folder.write("Sound/qrn/qrn_xml_00.wav", "x");
  SoundGaugeHost host(module_path());
  host.update();
  host.set_var("qrn_xml_id_00", 1.0);
  host.update();
  host.service(host::service_code::kSimWindowClose);
  host.calls = {};
  host.update();
  host.service(host::service_code::kSimWindowClose);
  host.update();
  EXPECT_EQ(host.calls.total(), 0);
  EXPECT_EQ(host.var("qrn_xml_id_00"), 1.0);
}

}  // namespace
}  // namespace sound_gauge_test
