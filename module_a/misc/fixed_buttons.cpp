// The three fixed panel buttons: the host sends the key event their hot spot carries, so they
// have no gauge callback and no mouse function, and a parameter string changes nothing.
#include "host/tokens.h"
#include "module_a/frame/panel_windows.h"
#include "module_a/misc/panel_button.h"

namespace korvan {
namespace {
using host::mouse::end;
using host::mouse::group;
using host::mouse::kWholeGauge;
using panel_button::face;
using panel_button::fixed;
using panel_button::fixed_spot;
}  // namespace

extern host::GaugeHeader kneeboard_toggle;
namespace {
host::StaticImageElement kneeboard_toggle_face = face(60, &kneeboard_toggle);
host::Element* kneeboard_toggle_elements[] = {&kneeboard_toggle_face.element, nullptr};
host::MouseRect kneeboard_toggle_mouse[] = {group(kWholeGauge, help_id::kKneeboard),
                                            fixed_spot(host::key_event::kKneeboard), end()};
}  // namespace
host::GaugeHeader kneeboard_toggle =
    fixed("Kneeboard_Toggle", kneeboard_toggle_elements, kneeboard_toggle_mouse);

extern host::GaugeHeader atc_toggle;
namespace {
host::StaticImageElement atc_toggle_face = face(80, &atc_toggle);
host::Element* atc_toggle_elements[] = {&atc_toggle_face.element, nullptr};
host::MouseRect atc_toggle_mouse[] = {group(kWholeGauge, help_id::kAtcWindow),
                                      fixed_spot(host::key_event::kAtcWindow), end()};
}  // namespace
host::GaugeHeader atc_toggle = fixed("ATC_Toggle", atc_toggle_elements, atc_toggle_mouse);

extern host::GaugeHeader map_toggle;
namespace {
host::StaticImageElement map_toggle_face = face(70, &map_toggle);
host::Element* map_toggle_elements[] = {&map_toggle_face.element, nullptr};
host::MouseRect map_toggle_mouse[] = {group(kWholeGauge, help_id::kMap),
                                      fixed_spot(host::key_event::kMap), end()};
}  // namespace
host::GaugeHeader map_toggle = fixed("Map_Toggle", map_toggle_elements, map_toggle_mouse);

}  // namespace korvan
