// GetPrivateProfileStringA on INI files written here. The table holds what the system returns;
// the same source runs against our reader natively and against the system's on Windows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/windows_api.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh folder that is the current folder while the test runs, holding folder "Gauges".
class ProfileFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    root_ = fs::temp_directory_path() /
            ("korvan_profile_" +
             std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "Gauges");
    fs::current_path(root_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  static void write_file(const std::string& relative, const std::string& text) {
    std::ofstream(relative, std::ios::binary) << text;
  }

 private:
  fs::path previous_;
  fs::path root_;
};

struct Lookup {
  const char* what;
  const char* section;  // null lists the sections
  const char* key;      // null lists the keys
  const char* default_value;
  DWORD size;
  std::string expected;  // what the buffer holds, terminators included
  DWORD expected_count;
};

// Runs a table against one file and checks each buffer up to and including its terminators,
// and that nothing past the given size was written.
void expect_lookups(const char* file, const std::vector<Lookup>& lookups) {
  for (const Lookup& l : lookups) {
    SCOPED_TRACE(l.what);
    std::string buffer(l.size + 8, '#');
    const DWORD count =
        GetPrivateProfileStringA(l.section, l.key, l.default_value, buffer.data(), l.size, file);
    EXPECT_EQ(count, l.expected_count);
    EXPECT_EQ(buffer.substr(0, l.expected.size()), l.expected);
    EXPECT_EQ(buffer.substr(l.size), std::string(8, '#'));
  }
}

}  // namespace

namespace {

// A sound gauge's INI file with the blanks, quotes, comments and repeats real files carry.
const char* const kSoundIni =
    "[Config]\r\n"
    "  MaxSounds  =  00050  \r\n"
    "LvarStop=\r\n"
    "; Volume=3\r\n"
    "Quoted=\"in quotes\"\r\n"
    "Single='single'\r\n"
    "Half=\"half\r\n"
    "Inline=value ; not a comment\r\n"
    "NoEquals\r\n"
    "Dup=first\r\n"
    "dup=second\r\n"
    "Tab\t=\tvalue\twith\ttab\t\r\n"
    "[ Sounds ]\r\n"
    "Sound00=.\\Sound\\qrn\\click.wav\n"
    "[LVars]\r\n"
    "Lvar00 = qrn_gear_horn\r\n"
    "[config]\r\n"
    "Later=in a second Config section\r\n"
    "[Unclosed\r\n"
    "u=1\r\n";

TEST_F(ProfileFiles, ReadsValuesAsTheSystemDoes) {
  write_file("Gauges/sound.ini", kSoundIni);
  expect_lookups(
      "./Gauges/sound.ini",
      {
          {"sections and keys ignore case, blanks are trimmed", "config", "maxsounds", "100", 128,
           "00050\0"s, 5},
          {"only the first four characters", "Config", "MaxSounds", "100", 5, "0005\0"s, 4},
          {"a buffer of one holds the terminator alone", "Config", "MaxSounds", "100", 1, "\0"s, 0},
          {"an empty value is not the default", "Config", "LvarStop", "qrn_stop_sounds", 128, "\0"s,
           0},
          {"a comment line is no key", "Config", "Volume", "none", 128, "none\0"s, 4},
          {"double quotes are dropped", "Config", "Quoted", "", 128, "in quotes\0"s, 9},
          {"single quotes are dropped", "Config", "Single", "", 128, "single\0"s, 6},
          {"an unmatched quote stays", "Config", "Half", "", 128, "\"half\0"s, 5},
          {"a semicolon after the value is part of it", "Config", "Inline", "", 128,
           "value ; not a comment\0"s, 21},
          {"a line without '=' is no key", "Config", "NoEquals", "d", 128, "d\0"s, 1},
          {"the first of two keys wins", "Config", "DUP", "", 128, "first\0"s, 5},
          {"tabs are blanks too", "Config", "Tab", "", 128, "value\twith\ttab\0"s, 14},
          {"blanks inside the brackets and line feeds alone", "Sounds", "Sound00", "", 128,
           ".\\Sound\\qrn\\click.wav\0"s, 21},
          {"blanks around the asked names", " LVars ", "Lvar00", "", 128, "qrn_gear_horn\0"s, 13},
          {"a repeated section is never read", "Config", "Later", "d", 128, "d\0"s, 1},
          {"a header without ']' starts no section", "Unclosed", "u", "d", 128, "d\0"s, 1},
      });
}

TEST_F(ProfileFiles, GivesTheDefaultForWhatIsMissing) {
  write_file("Gauges/sound.ini", kSoundIni);
  expect_lookups(
      "./Gauges/sound.ini",
      {
          {"missing key", "Config", "Nope", "qrn_stop_sounds", 128, "qrn_stop_sounds\0"s, 15},
          {"missing section", "Nope", "MaxSounds", "100", 128, "100\0"s, 3},
          {"trailing blanks of the default go", "Config", "Nope", "dflt  ", 128, "dflt\0"s, 4},
          {"a null default is empty", "Config", "Nope", nullptr, 128, "\0"s, 0},
          {"the default is cut like a value", "Config", "Nope", "abcdefgh", 4, "abc\0"s, 3},
      });
  expect_lookups("./Gauges/absent.ini",
                 {
                     {"missing file", "Config", "MaxSounds", "100", 128, "100\0"s, 3},
                 });
}

TEST_F(ProfileFiles, FindsTheFileByWindowsPathRules) {
  write_file("Gauges/sound.ini", "[Config]\r\nMaxSounds=7\r\n");
  write_file("bare.ini", "[Config]\r\nMaxSounds=9\r\n");
  struct Path {
    const char* path;
    const char* expected;
  };
  // A bare file name is looked for in the Windows folder, not the current one.
  const Path paths[] = {{".\\Gauges\\sound.ini", "7"},
                        {"Gauges/SOUND.INI", "7"},
                        {".\\bare.ini", "9"},
                        {"bare.ini", "none"}};
  for (const Path& p : paths) {
    SCOPED_TRACE(p.path);
    char value[16] = {};
    GetPrivateProfileStringA("Config", "MaxSounds", "none", value, sizeof value, p.path);
    EXPECT_STREQ(value, p.expected);
  }
}

TEST_F(ProfileFiles, ListsSectionsAndKeys) {
  write_file("Gauges/sound.ini", kSoundIni);
  const char* file = "./Gauges/sound.ini";
  expect_lookups(
      file,
      {
          {"sections", nullptr, nullptr, "d", 128, "Config\0Sounds\0LVars\0config\0\0"s, 27},
          {"sections cut short", nullptr, nullptr, "d", 10, "Config\0S\0"s, 8},
          {"sections cut in the last name", nullptr, nullptr, "d", 27,
           "Config\0Sounds\0LVars\0confi\0"s, 25},
          {"sections cut after a whole name", nullptr, nullptr, "d", 21, "Config\0Sounds\0LVars\0"s,
           19},
          {"sections with room for none", nullptr, nullptr, "d", 2, "\0"s, 0},
          {"keys", "LVARS", nullptr, "d", 128, "Lvar00\0\0"s, 7},
          {"keys without comments or lines lacking '='", "Config", nullptr, "d", 128,
           "MaxSounds\0LvarStop\0Quoted\0Single\0Half\0Inline\0Dup\0dup\0Tab\0\0"s, 57},
          {"keys cut short", "Config", nullptr, "d", 12, "MaxSounds\0\0"s, 10},
          {"keys of a missing section give the default", "Nope", nullptr, "dflt", 128, "dflt\0"s,
           4},
          {"keys with room for none give the default", "Config", nullptr, "dflt", 2, "d\0"s, 1},
      });
  expect_lookups("./Gauges/absent.ini",
                 {
                     {"no file lists no sections", nullptr, nullptr, "d", 128, "\0"s, 0},
                 });
}

}  // namespace
