#include "panelsim/panel_config.h"

#include <gtest/gtest.h>

#include "panelsim/errors.h"

namespace panelsim {
namespace {

TEST(PanelConfig, ReadsWindowsAndGaugeLines) {
  auto config = parse_panel_config(R"([Window Titles]
Window00=Main Panel
window01=GPS

[Window00]
size_mm=640
ident=MAIN_PANEL
gauge00=Korvan_Instr!Close_Subpanel, 10, 20
gauge01=Korvan_Instr!Fuel_Toggle, 1, 2, 19, 19, b170 hTOGGLE_FUEL_WINDOW, t300
gauge02=Korvan_Instr!Radios_Toggle, 1, 2, 19, 19,

[WINDOW01]
visible=0
ident=225
)",
                                   "panel.cfg");
  ASSERT_EQ(config.windows.size(), 2u);
  const auto& main = config.windows[0];
  EXPECT_EQ(main.title, "Main Panel");
  EXPECT_EQ(main.ident, 0);
  ASSERT_EQ(main.gauges.size(), 3u);
  EXPECT_EQ(main.gauges[0].module, "Korvan_Instr");
  EXPECT_EQ(main.gauges[0].gauge, "Close_Subpanel");
  EXPECT_EQ(main.gauges[0].y, 20);
  EXPECT_FALSE(main.gauges[0].parameters.has_value());
  // Everything after the fifth field, commas included, is the parameter string.
  EXPECT_EQ(main.gauges[1].parameters.value(), "b170 hTOGGLE_FUEL_WINDOW, t300");
  EXPECT_EQ(main.gauges[2].parameters.value(), "");
  EXPECT_EQ(config.windows[1].title, "GPS");
  EXPECT_EQ(config.windows[1].ident, 225);
  EXPECT_FALSE(config.windows[1].visible);
}

TEST(PanelConfig, ErrorsNameFileLineAndText) {
  const std::pair<const char*, const char*> cases[] = {
      {"[Window00]\ngauge00=NoBang, 1, 2\n",
       "panel.cfg:2: expected module!gauge, found \"NoBang\""},
      {"[Window00]\n\ngauge00=M!G, 1\n", "panel.cfg:3: gauge line needs x and y"},
      {"[Window00]\ngauge00=M!G, ten, 2\n", "panel.cfg:2: x is not a whole number: \"ten\""},
      {"[Window00]\nident=NOT_A_PANEL\n",
       "panel.cfg:2: ident is neither a number nor a known name"},
      {"[Window00\n", "panel.cfg:1: unclosed section header"},
      {"[Window00]\njunk\n", "panel.cfg:2: expected key=value: \"junk\""},
  };
  for (const auto& [text, message] : cases) {
    try {
      parse_panel_config(text, "panel.cfg");
      ADD_FAILURE() << "accepted: " << text;
    } catch (const InputError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace panelsim
