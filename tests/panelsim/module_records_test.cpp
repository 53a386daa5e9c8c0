// The loader refuses malformed records with a message instead of crashing on them.
#include <gtest/gtest.h>

#include "host/mouse_list.h"
#include "panelsim/display_rules.h"
#include "panelsim/errors.h"
#include "panelsim/module_loader.h"

namespace panelsim {
namespace {

namespace mouse = host::mouse;

host::StaticImageElement face{.element = {.kind = host::ElementKind::StaticImage, .bitmap = 1}};
host::Element* one_root[] = {&face.element, nullptr};
host::Element* no_root[] = {nullptr};

TEST(ModuleRecords, RefusesMalformedGauges) {
  host::MouseRect closed[] = {mouse::group(mouse::kWholeGauge), mouse::end()};
  // A list whose first group never ends runs into whatever follows it.
  host::MouseRect unclosed[] = {mouse::group(mouse::kWholeGauge), mouse::group({1, 1, 2, 2}),
                                mouse::end(), host::MouseRect{}};
  host::StaticImageElement bad_kind{.element = {.kind = static_cast<host::ElementKind>(9)}};
  host::Element* bad_root[] = {&bad_kind.element, nullptr};

  struct Case {
    host::GaugeHeader header;
    const char* message;
  };
  const Case cases[] = {
      {{.version = 800, .name = nullptr, .elements = one_root}, "without a name"},
      {{.version = 800, .name = "G", .elements = no_root}, "no root element"},
      {{.version = 800, .name = "G", .elements = nullptr}, "no root element"},
      {{.version = 800, .name = "G", .elements = one_root, .mouse_rects = unclosed}, "not closed"},
      {{.version = 800, .name = "G", .elements = bad_root}, "unknown kind 9"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(check_gauge_records(c.header).find(c.message), std::string::npos) << c.message;
  }
  host::GaugeHeader fine{.version = 800, .name = "G", .elements = one_root, .mouse_rects = closed};
  EXPECT_EQ(check_gauge_records(fine), "");
  EXPECT_EQ(mouse_list_length(closed), 2u);
}

TEST(ModuleRecords, RefusesALibraryWithoutTheExports) {
  try {
    LoadedModule::load(MODULE_WITHOUT_EXPORTS, nullptr);
    ADD_FAILURE() << "loaded a library without Linkage";
  } catch (const LoadError& e) {
    EXPECT_NE(std::string(e.what()).find("does not export Linkage"), std::string::npos) << e.what();
  }
  EXPECT_THROW(LoadedModule::load("no/such/module.gau", nullptr), LoadError);
}

TEST(DisplayRules, HostAnglesOfATableTurnClockwiseInStoredOrder) {
  // From three o'clock round past the top to nine o'clock: 90, 360 (via 180, 270), 450.
  host::NonlinearityPoint table[] = {{{20, 10}, 0.0, 0},
                                     {{10, 20}, 1.0, 0},
                                     {{0, 10}, 2.0, 0},
                                     {{10, 0}, 3.0, 0},
                                     {{20, 10}, 4.0, 0}};
  compute_table_angles(table, 5, {10, 10});
  const double expected[] = {90, 180, 270, 360, 450};
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(table[i].angle, expected[i]) << i;
  EXPECT_DOUBLE_EQ(table_angle(table, 5, 2.5), 315);
  EXPECT_DOUBLE_EQ(table_angle(table, 5, 5.0), 540);  // the last step's rate continues
}

}  // namespace
}  // namespace panelsim
