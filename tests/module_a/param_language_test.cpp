// The parameter language on its own: key search with comments, integers, window and help names.
#include "module_a/frame/param_language.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace korvan {
namespace {

struct SearchCase {
  const char* text;
  char key;
  const char* value;  // what follows the key, or null for not found
};

TEST(ParamSearch, FindsTheFirstKeyBeforeAnyComment) {
  const SearchCase cases[] = {
      {"oGPS_PANEL", 'o', "GPS_PANEL"},
      {"t10c50o75", 'c', "50o75"},
      {"o1 o2", 'o', "1 o2"},
      {"o", 'o', ""},  // a key at the very end has an empty value
      {"b170", 'h', nullptr},
      {"", 'o', nullptr},
      {"x/o1", 'o', nullptr},
      {"#o1", 'o', nullptr},
      {"'o1", 'o', nullptr},
      {"o1/o2", 'o', "1/o2"},  // the comment only hides what follows it
      {"O1", 'o', nullptr},    // keys are lower case
  };
  for (const SearchCase& c : cases) {
    const char* found = param_search(c.text, c.key);
    if (c.value == nullptr) {
      EXPECT_EQ(found, nullptr) << c.text;
    } else {
      ASSERT_NE(found, nullptr) << c.text;
      EXPECT_STREQ(found, c.value) << c.text;
    }
  }
  EXPECT_EQ(param_search(nullptr, 'o'), nullptr);
}

TEST(ParamSearch, ContinuingAfterAHitFindsEachKeyInTurn) {
  const char* text = "t10t50/t75";
  const char* first = param_search(text, 't');
  const char* second = param_search(first, 't');
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second, "50/t75");
  EXPECT_EQ(param_search(second, 't'), nullptr);
}

struct NumberCase {
  const char* text;
  std::int32_t expected;
};

TEST(ReadInteger, ReadsBlanksSignAndDigitsAndWrapsLikeA32BitCounter) {
  const NumberCase cases[] = {
      {"42", 42},
      {"  -17x", -17},
      {"\t+5", 5},
      {"- 5", 0},
      {"abc", 0},
      {"", 0},
      {"-", 0},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"2147483648", INT_MIN},
      {"4294967296", 0},
      {"4294967301", 5},
      {"-4294967297", -1},
      {"99999999999999999999999", -159383553},  // 10^23 - 1 modulo 2^32
  };
  for (const NumberCase& c : cases) EXPECT_EQ(read_integer(c.text), c.expected) << c.text;
  EXPECT_EQ(read_integer(nullptr), 0);
}

TEST(PanelIdentValue, NamesByPrefixOrNumber) {
  const NumberCase cases[] = {
      {"GPS_PANEL", 225},
      {"225", 225},
      {"MAIN_PANEL p-2", 0},
      {"RADIO_STACK_PANEL", 50},
      {"COMPASS_PANEL/x", 75},
      {"ANNUNCIATOR_PANEL", 125},
      {"ANNUNCIATOR2_PANEL", 150},
      {"COLLECTIVE_PANEL", 200},
      {"THROTTLE_PANEL", 10},
      {"MINI_CONTROLS_PANEL", 100},
      {"IFR_MAIN_PANEL", 175},
      {"OVERHEAD_PANELS", 250},
      {"X", 0},           // no digits: the main panel
      {"FUEL_PANEL", 0},  // not a known name
      {"gps_panel", 0},   // names are upper case
      {" 75", 75},
      {"-5", -5},
      {"", -1},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(panel_ident_value(c.text), c.expected) << c.text;
  EXPECT_EQ(panel_ident_value(nullptr), -1);
}

TEST(HelpIdValue, NamesOrNumbersFromTheHelpRange) {
  const NumberCase cases[] = {
      {"TOGGLE_RADIO_WINDOW", 0xAB86},
      {"TOGGLE_GPS_WINDOW", 0xAB87},
      {"TOGGLE_THROTTLE_WINDOW", 0xAB88},
      {"TOGGLE_COMPASS_WINDOW", 0xAB89},
      {"TOGGLE_FUEL_WINDOW", 0xAB8A},
      {"TOGGLE_COLLECTIVE_WINDOWS", 0xAB8B},
      {"43914", 0xAB8A},
      {"40960", 40960},
      {"40959", 0},
      {"1234", 0},
      {"-43914", 0},
      {"TOGGLE_MAP", 0},
      {"", 0},
  };
  for (const NumberCase& c : cases) EXPECT_EQ(help_id_value(c.text), c.expected) << c.text;
  EXPECT_EQ(help_id_value(nullptr), 0);
}

}  // namespace
}  // namespace korvan
