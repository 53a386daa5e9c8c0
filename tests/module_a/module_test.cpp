// The built Korvan_Instr module seen through its exports, as a host sees it: its gauge list, the
// panel buttons' records and behaviour, and the bitmaps it carries. Each test loads it afresh.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/panel_services.h"
#include "tests/module_a/fake_host.h"
#include "tests/module_a/loaded_module.h"

namespace korvan_test {
namespace {

// The buttons in the module's order, as the panel designer's documentation lists them.
struct ButtonRow {
  const char* name;
  std::int32_t face;
  std::int32_t help;
  const char* tooltip;
  std::uint32_t key_event;  // fixed buttons only; 0 for the programmable ones
};
constexpr ButtonRow kButtons[] = {
    {"Kneeboard_Toggle", 60, 0xAB93, nullptr, 0x10154},
    {"ATC_Toggle", 80, 0xAB94, nullptr, 0x1001C},
    {"Map_Toggle", 70, 0xAB8F, nullptr, 0x10380},
    {"Invisible_Toggle", 100, 0, nullptr, 0},
    {"Close_Subpanel", 110, 0, "Close the subpanel", 0},
    {"Radios_Toggle", 120, 0xAB86, nullptr, 0},
    {"Landing_View_Toggle", 130, 0, "Display the main panel Landing view", 0},
    {"GPS_Toggle", 140, 0xAB87, nullptr, 0},
    {"Throttle_Toggle", 150, 0xAB88, nullptr, 0},
    {"Compass_Toggle", 160, 0xAB89, nullptr, 0},
    {"Fuel_Toggle", 170, 0xAB8A, "Display/Hide the fuel subpanel", 0},
    {"VFR_Panel_Toggle", 180, 0, "Display the main panel VFR view", 0},
    {"IFR_Panel_Toggle", 190, 0, "Display the main panel IFR view", 0},
    {"Electricity_Toggle", 200, 0, "Display/Hide the electricity board", 0},
};

// One instance as a host makes it: its own copy of the header and the element tree.
struct Instance {
  Instance(const host::GaugeHeader& gauge, const char* parameters)
      : header(gauge), face(host::as<host::StaticImageElement>(*gauge.elements[0])) {
    header.elements = elements;
    header.parameters = parameters;
  }
  void call(std::int32_t service_code) { header.callback(&header, service_code, 0); }
  void click() {
    host::MouseRect* spot = &header.mouse_rects[0];
    while (spot->kind != host::MouseRectKind::HotSpot) ++spot;
    host::MouseContext context{.x = 6, .y = 6, .gauge = &header, .rect = spot};
    EXPECT_EQ(spot->function(&context, host::mouse_event::kLeftClick), 0);
  }

  host::GaugeHeader header;
  host::StaticImageElement face;
  host::Element* elements[2] = {&face.element, nullptr};
};

class KorvanInstr : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded()) << KORVAN_INSTR_GAU;
    import_table = static_cast<host::ImportTable*>(module.symbol("ImportTable"));
    linkage = static_cast<host::ModuleLinkage*>(module.symbol("Linkage"));
    ASSERT_NE(import_table, nullptr);
    ASSERT_NE(linkage, nullptr);
  }

  const host::GaugeHeader& gauge(const char* name) {
    for (host::GaugeHeader* const* g = host::linkage_gauges(linkage); *g != nullptr; ++g) {
      if (std::strcmp((*g)->name, name) == 0) return **g;
    }
    ADD_FAILURE() << "no gauge " << name;
    return *host::linkage_gauges(linkage)[0];
  }

  LoadedModule module{KORVAN_INSTR_GAU};
  host::ImportTable* import_table = nullptr;
  host::ModuleLinkage* linkage = nullptr;
};

TEST_F(KorvanInstr, ExportsItsTablesAndListsTheButtonsInOrder) {
  EXPECT_EQ(import_table->version, 15);
  EXPECT_EQ(import_table->services, nullptr);
  EXPECT_EQ(linkage->module_id, 0x13);
  EXPECT_EQ(linkage->status, 0);
  EXPECT_EQ(linkage->reserved, 0);
  EXPECT_EQ(linkage->version, 0x900);
  ASSERT_NE(linkage->init, nullptr);
  ASSERT_NE(linkage->deinit, nullptr);
  linkage->init();
  linkage->deinit();

  host::GaugeHeader* const* gauges = host::linkage_gauges(linkage);
  for (std::size_t i = 0; i < std::size(kButtons); ++i) {
    ASSERT_NE(gauges[i], nullptr) << i;
    EXPECT_STREQ(gauges[i]->name, kButtons[i].name);
  }
}

TEST_F(KorvanInstr, EveryButtonCarriesItsFaceHelpTooltipAndHotSpot) {
  for (const ButtonRow& row : kButtons) {
    SCOPED_TRACE(row.name);
    const host::GaugeHeader& g = gauge(row.name);
    EXPECT_EQ(g.version, 800);
    EXPECT_EQ(g.size_mm, 19);
    EXPECT_EQ(g.user_word, 0u);
    EXPECT_EQ(g.parameters, nullptr);
    EXPECT_TRUE(g.routine1 == nullptr && g.routine2 == nullptr && g.routine3 == nullptr &&
                g.routine4 == nullptr && g.routine5 == nullptr && g.routine6 == nullptr &&
                g.routine7 == nullptr);
    EXPECT_EQ(g.callback != nullptr, row.key_event == 0);

    ASSERT_NE(g.elements[0], nullptr);
    EXPECT_EQ(g.elements[1], nullptr);
    const host::Element& face = *g.elements[0];
    EXPECT_EQ(face.kind, host::ElementKind::StaticImage);
    EXPECT_EQ(face.bitmap, row.face);
    EXPECT_EQ(face.position.x, 0);
    EXPECT_EQ(face.position.y, 0);
    EXPECT_EQ(face.image_flags, 0x3u);
    EXPECT_EQ(face.gauge, &g);
    EXPECT_EQ(face.children, nullptr);

    const host::MouseRect* r = g.mouse_rects;
    ASSERT_EQ(r->kind, host::MouseRectKind::Group);
    EXPECT_EQ(r->box.w, 0);
    EXPECT_EQ(r->box.h, 0);
    EXPECT_EQ(r->help_id, row.help);
    ++r;
    if (row.tooltip != nullptr) {
      ASSERT_EQ(r->kind, host::MouseRectKind::Tooltip);
      EXPECT_EQ(r->tooltip_id, 0);
      EXPECT_EQ(r->arg_count, 0);
      EXPECT_STREQ(r->text, row.tooltip);
      ++r;
    }
    ASSERT_EQ(r->kind, host::MouseRectKind::HotSpot);
    EXPECT_EQ(r->box.x, 3);
    EXPECT_EQ(r->box.y, 3);
    EXPECT_EQ(r->box.w, 13);
    EXPECT_EQ(r->box.h, 13);
    EXPECT_EQ(r->cursor, 5);
    EXPECT_EQ(r->event_mask, 0x20000000u);
    if (row.key_event != 0) {
      EXPECT_EQ(r->function, nullptr);
      EXPECT_EQ(r->key_event, row.key_event);
    } else {
      EXPECT_NE(r->function, nullptr);
    }
    EXPECT_EQ((++r)->kind, host::MouseRectKind::End);
  }
}

TEST_F(KorvanInstr, ProgrammableButtonsFollowTheirParameterString) {
  FakeHost host(*import_table);

  Instance close(gauge("Close_Subpanel"), "aGPS_PANEL t75");
  close.call(host::service_code::kInstall);
  EXPECT_EQ(host.keys, (std::vector<KeyEvent>{{0x103CC, 225}}));
  EXPECT_EQ(close.header.user_word, 1u);
  host.keys.clear();
  close.call(host::service_code::kKill);
  close.call(host::service_code::kInstall);  // a reinstall does not close the window again
  EXPECT_TRUE(host.keys.empty());
  close.click();
  EXPECT_EQ(host.keys, (std::vector<KeyEvent>{{0x103CA, 75}}));

  host.keys.clear();
  Instance vfr(gauge("VFR_Panel_Toggle"), "oMAIN_PANEL p-2");
  vfr.click();
  EXPECT_EQ(host.keys, (std::vector<KeyEvent>{{0x103CB, 0}, {0x100C7, 0}, {0x100C7, 0}}));

  Instance radios(gauge("Radios_Toggle"), "b170 hTOGGLE_FUEL_WINDOW");
  radios.call(host::service_code::kInstall);
  EXPECT_EQ(radios.face.element.bitmap, 170);
  EXPECT_EQ(radios.header.mouse_rects[0].help_id, 0xAB8A);
  EXPECT_TRUE(host.toggled_windows.empty());
}

TEST_F(KorvanInstr, AButtonWithoutParametersTogglesTheMainPanel) {
  FakeHost host(*import_table);
  Instance fuel(gauge("Fuel_Toggle"), nullptr);
  fuel.call(host::service_code::kInstall);
  EXPECT_EQ(fuel.face.element.bitmap, 170);
  EXPECT_EQ(fuel.header.mouse_rects[0].help_id, 0xAB8A);
  fuel.click();
  Instance blank(gauge("Invisible_Toggle"), "");
  blank.click();
  // A host that hands over no context still gets the main panel toggled, not a crash.
  gauge("GPS_Toggle").mouse_rects[1].function(nullptr, host::mouse_event::kLeftClick);
  EXPECT_EQ(host.toggled_windows, (std::vector<std::int32_t>{0, 0, 0}));
  EXPECT_TRUE(host.keys.empty());
}

TEST_F(KorvanInstr, ButtonsActOnlyAtInstall) {
  FakeHost host(*import_table);
  Instance vfr(gauge("VFR_Panel_Toggle"), "aGPS_PANEL b110 h43914");
  for (std::int32_t code : {4, 6, 10, 12, 14, 15}) vfr.call(code);
  vfr.header.callback(nullptr, host::service_code::kInstall, 0);
  EXPECT_TRUE(host.keys.empty());
  EXPECT_EQ(vfr.header.user_word, 0u);
  EXPECT_EQ(vfr.face.element.bitmap, 180);
  EXPECT_EQ(vfr.header.mouse_rects[0].help_id, 0);
}

std::vector<unsigned char> file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(KorvanInstr, CarriesEveryFaceAsTheBitmapResourceWindowsWouldHold) {
  const HMODULE handle = module.handle();
  ASSERT_NE(handle, nullptr);
  for (const ButtonRow& row : kButtons) {
    SCOPED_TRACE(row.face);
    HRSRC found = FindResourceA(handle, MAKEINTRESOURCEA(row.face), RT_BITMAP);
    ASSERT_NE(found, nullptr);
    const auto* bytes =
        static_cast<const unsigned char*>(LockResource(LoadResource(handle, found)));
    const std::vector<unsigned char> held(bytes, bytes + SizeofResource(handle, found));

    // A resource is the bitmap file without its 14-byte file header.
    const std::vector<unsigned char> file =
        file_bytes(std::string(KORVAN_INSTR_BITMAPS) + "/" + std::to_string(row.face) + ".bmp");
    ASSERT_GT(file.size(), 14u);
    EXPECT_EQ(held, std::vector<unsigned char>(file.begin() + 14, file.end()));

    ASSERT_GE(held.size(), 40u);
    std::int32_t info_size, width, height;
    std::uint16_t bits;
    std::memcpy(&info_size, &held[0], 4);
    std::memcpy(&width, &held[4], 4);
    std::memcpy(&height, &held[8], 4);
    std::memcpy(&bits, &held[14], 2);
    EXPECT_EQ(info_size, 40);
    EXPECT_EQ(width, 19);
    EXPECT_EQ(height, 19);
    EXPECT_EQ(bits, 24);
  }
}

#if defined(_WIN32)
TEST_F(KorvanInstr, CarriesAVersionResource) {
  EXPECT_NE(FindResourceA(module.handle(), MAKEINTRESOURCEA(1), RT_VERSION), nullptr);
}
#endif

}  // namespace
}  // namespace korvan_test
