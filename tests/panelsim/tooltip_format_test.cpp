#include "panelsim/tooltip_format.h"

#include <gtest/gtest.h>

namespace panelsim {
namespace {

struct Case {
  const char* text;
  std::vector<TooltipValue> args;
  const char* expected;
};

TEST(TooltipFormat, InsertsArgumentsLikeTheMessageFormatter) {
  const Case cases[] = {
      {"Communications Radio COM1 - %1!07.3f! MHz",
       {123.45},
       "Communications Radio COM1 - 123.450 MHz"},
      {"NAV %1!07.2f!", {8.5}, "NAV 0008.50"},
      {"%1!d! ft", {1234.9}, "1234 ft"},  // d takes the integer value
      {"%1!d! ft", {-7.9}, "-7 ft"},
      {"%1!s! / %2!s! / %3!s!",
       {std::string("a"), std::string("b"), std::string("c")},
       "a / b / c"},
      {"%2!s! before %1!s!", {std::string("one"), std::string("two")}, "two before one"},
      {"Plain text", {}, "Plain text"},
      {"100%", {}, "100%"},         // a lone percent sign at the end stays
      {"50%% off", {}, "50% off"},  // %% is one percent sign
      {"a%.b%!c", {}, "a.b!c"},
      {"cut%0 here", {}, "cut"},
      {"missing %3!s! arg", {std::string("x")}, "missing  arg"},
      {"%1 bare", {std::string("word")}, "word bare"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(format_tooltip(c.text, c.args), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace panelsim
