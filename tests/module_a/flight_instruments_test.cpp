// The flight instruments as the built module exports them: their places in the gauge list and
// the bitmaps their elements name, each sprite's window bitmap included.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/gauge_records.h"
#include "tests/module_a/loaded_module.h"

namespace korvan_test {
namespace {

const host::GaugeHeader* find_gauge(const host::ModuleLinkage* linkage, const char* name) {
  for (host::GaugeHeader* const* g = host::linkage_gauges(linkage); *g != nullptr; ++g) {
    if (std::strcmp((*g)->name, name) == 0) return *g;
  }
  return nullptr;
}

void collect_bitmaps(const host::Element* e, std::vector<std::int32_t>& ids) {
  ids.push_back(e->bitmap);
  if (e->kind == host::ElementKind::Sprite || e->kind == host::ElementKind::MovingImage) {
    ids.push_back(e->bitmap + 1);
  }
  for (host::Element** child = e->children; child && *child; ++child) {
    collect_bitmaps(*child, ids);
  }
}

constexpr const char* kInstruments[] = {"Altimeter",        "Attitude",           "Vertical_Speed",
                                        "Turn_Coordinator", "Airspeed_Machmeter", "Accelerometer"};

class FlightInstruments : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded()) << KORVAN_INSTR_GAU;
    linkage = static_cast<host::ModuleLinkage*>(module.symbol("Linkage"));
    ASSERT_NE(linkage, nullptr);
  }
  LoadedModule module{KORVAN_INSTR_GAU};
  host::ModuleLinkage* linkage = nullptr;
};

TEST_F(FlightInstruments, FollowTheButtonsInTheModulesOrderAndEndTheList) {
  host::GaugeHeader* const* gauges = host::linkage_gauges(linkage);
  std::vector<std::string> names;
  for (host::GaugeHeader* const* g = gauges; *g != nullptr; ++g) names.emplace_back((*g)->name);
  ASSERT_GE(names.size(), std::size(kInstruments));
  const std::size_t first = names.size() - std::size(kInstruments);
  EXPECT_EQ(names[first - 1], "Electricity_Toggle");
  for (std::size_t i = 0; i < std::size(kInstruments); ++i) {
    EXPECT_EQ(names[first + i], kInstruments[i]);
  }
}

TEST_F(FlightInstruments, CarryEveryBitmapTheirElementsName) {
  const HMODULE handle = module.handle();
  ASSERT_NE(handle, nullptr);
  for (const char* name : kInstruments) {
    SCOPED_TRACE(name);
    const host::GaugeHeader* gauge = find_gauge(linkage, name);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->version, 800);
    EXPECT_EQ(gauge->callback, nullptr);
    ASSERT_NE(gauge->elements, nullptr);
    ASSERT_NE(gauge->elements[0], nullptr);
    EXPECT_EQ(gauge->elements[1], nullptr);
    std::vector<std::int32_t> ids;
    collect_bitmaps(gauge->elements[0], ids);
    for (std::int32_t id : ids) {
      EXPECT_NE(FindResourceA(handle, MAKEINTRESOURCEA(id), RT_BITMAP), nullptr) << id;
    }
  }
}

}  // namespace
}  // namespace korvan_test
