// The keys of a button's parameter string, run against a host that records key events.
#include "module_a/frame/window_keys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/mouse_list.h"
#include "host/tokens.h"
#include "tests/module_a/fake_host.h"

extern "C" host::ImportTable ImportTable;

namespace korvan {
namespace {

using korvan_test::KeyEvent;
using namespace host::key_event;

constexpr std::int32_t kDefaultFace = 120;
constexpr std::int32_t kDefaultHelp = 0xAB86;

// One placed button: its own header, root element and mouse list, with a parameter string.
struct Button {
  explicit Button(const char* parameters) { header.parameters = parameters; }

  host::StaticImageElement face{
      .element = {.kind = host::ElementKind::StaticImage, .bitmap = kDefaultFace}};
  host::Element* elements[2] = {&face.element, nullptr};
  host::MouseRect mouse[2] = {host::mouse::group(host::mouse::kWholeGauge, kDefaultHelp),
                              host::mouse::end()};
  host::GaugeHeader header{.version = 800, .elements = elements, .mouse_rects = mouse};
};

class WindowKeys : public ::testing::Test {
 protected:
  korvan_test::FakeHost host{::ImportTable};
};

std::vector<KeyEvent> repeated(std::uint32_t event, int times) {
  return std::vector<KeyEvent>(static_cast<std::size_t>(times), KeyEvent{event, 0});
}

struct ClickCase {
  const char* parameters;
  std::vector<KeyEvent> keys;
};

TEST_F(WindowKeys, ClickKeysRunInTheOrderOpenCloseToggleView) {
  const ClickCase cases[] = {
      {"oGPS_PANEL", {{kPanelWindowOpen, 225}}},
      {"o225", {{kPanelWindowOpen, 225}}},
      {"o", {}},
      {"oX", {{kPanelWindowOpen, 0}}},
      {"o-4", {}},
      {"tGPS_PANEL/tCOMPASS_PANEL", {{kPanelWindowToggle, 225}}},
      {"t10c50o75", {{kPanelWindowOpen, 75}, {kPanelWindowClose, 50}, {kPanelWindowToggle, 10}}},
      {"t10t50", {{kPanelWindowToggle, 10}, {kPanelWindowToggle, 50}}},
      {"cCOMPASS_PANEL", {{kPanelWindowClose, 75}}},
      {"tFUEL_PANEL", {{kPanelWindowToggle, 0}}},
      {"p-3", repeated(kViewStepNegative, 3)},
      {"p2 p5", repeated(kViewStepPositive, 2)},
      {"p0", {{kViewReset, 0}}},
      {"p", {{kViewReset, 0}}},
      {"oMAIN_PANEL p-2", {{kPanelWindowOpen, 0}, {kViewStepNegative, 0}, {kViewStepNegative, 0}}},
      {"# o5 p1", {}},
      {"p2147483647", repeated(kViewStepPositive, kMostViewSteps)},
      {"p-2147483648", repeated(kViewStepNegative, kMostViewSteps)},
  };
  for (const ClickCase& c : cases) {
    Button button(c.parameters);
    host.keys.clear();
    EXPECT_EQ(window_actions(&button.header), 1) << c.parameters;
    EXPECT_EQ(host.keys, c.keys) << c.parameters;
  }
}

TEST_F(WindowKeys, ClickKeysReportAMissingOrEmptyString) {
  Button empty("");
  Button missing(nullptr);
  EXPECT_EQ(window_actions(&empty.header), 0);
  EXPECT_EQ(window_actions(&missing.header), 0);
  EXPECT_EQ(window_actions(nullptr), 0);
  EXPECT_TRUE(host.keys.empty());
  EXPECT_TRUE(host.toggled_windows.empty());
}

struct InstallCase {
  const char* parameters;
  std::int32_t face;
  std::int32_t help;
};

TEST_F(WindowKeys, InstallKeysSetTheFaceAndHelpIdOrNeither) {
  const InstallCase cases[] = {
      {nullptr, kDefaultFace, kDefaultHelp},
      {"", kDefaultFace, kDefaultHelp},
      {"b110", 110, kDefaultHelp},
      {"b100", 100, kDefaultHelp},
      {"b200", 200, kDefaultHelp},
      {"b105", kDefaultFace, kDefaultHelp},
      {"b210", kDefaultFace, kDefaultHelp},
      {"b90", kDefaultFace, kDefaultHelp},
      {"b-100", kDefaultFace, kDefaultHelp},
      {"b105 hTOGGLE_FUEL_WINDOW", kDefaultFace, kDefaultHelp},  // a bad face cancels "h"
      {"b170 hTOGGLE_FUEL_WINDOW", 170, 0xAB8A},
      {"hTOGGLE_FUEL_WINDOW", kDefaultFace, 0xAB8A},
      {"h43914", kDefaultFace, 0xAB8A},
      {"h1234", kDefaultFace, 0},
      {"h", kDefaultFace, 0},
      {"/b110 h43914", kDefaultFace, kDefaultHelp},
  };
  for (const InstallCase& c : cases) {
    Button button(c.parameters);
    install_params(&button.header);
    EXPECT_EQ(button.face.element.bitmap, c.face) << (c.parameters ? c.parameters : "(null)");
    EXPECT_EQ(button.mouse[0].help_id, c.help) << (c.parameters ? c.parameters : "(null)");
  }
  EXPECT_TRUE(host.keys.empty());
  install_params(nullptr);
}

TEST_F(WindowKeys, InstallKeysNeedARootForTheFaceAndAGroupForTheHelpId) {
  Button rootless("b110 h43914");
  rootless.elements[0] = nullptr;
  install_params(&rootless.header);
  EXPECT_EQ(rootless.mouse[0].help_id, kDefaultHelp);

  Button help_only("h43914");
  help_only.header.elements = nullptr;
  install_params(&help_only.header);
  EXPECT_EQ(help_only.mouse[0].help_id, 0xAB8A);

  // The same word of a tool-tip entry is its tool-tip id: "h" must leave it alone.
  Button tooltip_first("h43914");
  tooltip_first.mouse[0] = host::mouse::tooltip_id(77);
  install_params(&tooltip_first.header);
  EXPECT_EQ(tooltip_first.mouse[0].tooltip_id, 77);

  Button no_mouse("h43914");
  no_mouse.header.mouse_rects = nullptr;
  install_params(&no_mouse.header);  // nothing to set, and no crash
}

TEST_F(WindowKeys, FirstInstallCloseClosesTheNamedWindow) {
  const ClickCase cases[] = {
      {"aGPS_PANEL", {{kPanelWindowClose, 225}}},
      {"t75 a50 o1", {{kPanelWindowClose, 50}}},
      {"aX", {{kPanelWindowClose, 0}}},
      {"a", {}},
      {"a-1", {}},
      {"/aGPS_PANEL", {}},
      {"", {}},
      {"oGPS_PANEL", {}},
  };
  for (const ClickCase& c : cases) {
    Button button(c.parameters);
    host.keys.clear();
    first_install_close(&button.header);
    EXPECT_EQ(host.keys, c.keys) << c.parameters;
  }
  first_install_close(nullptr);
  EXPECT_TRUE(host.toggled_windows.empty());
}

}  // namespace
}  // namespace korvan
