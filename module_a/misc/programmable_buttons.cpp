// The eleven programmable panel buttons. They differ only in their default face, help text and
// tool-tip; the parameter string of each placed button decides what its click does.
#include "module_a/frame/panel_windows.h"
#include "module_a/misc/panel_button.h"

namespace korvan {
namespace {
using host::mouse::end;
using host::mouse::group;
using host::mouse::kWholeGauge;
using host::mouse::tooltip_text;
using panel_button::face;
using panel_button::programmable;
using panel_button::programmable_spot;
}  // namespace

extern host::GaugeHeader close_subpanel;
namespace {
host::StaticImageElement close_subpanel_face = face(110, &close_subpanel);
host::Element* close_subpanel_elements[] = {&close_subpanel_face.element, nullptr};
host::MouseRect close_subpanel_mouse[] = {group(kWholeGauge), tooltip_text("Close the subpanel"),
                                          programmable_spot(), end()};
}  // namespace
host::GaugeHeader close_subpanel =
    programmable("Close_Subpanel", close_subpanel_elements, close_subpanel_mouse);

extern host::GaugeHeader invisible_toggle;
namespace {
host::StaticImageElement invisible_toggle_face = face(100, &invisible_toggle);
host::Element* invisible_toggle_elements[] = {&invisible_toggle_face.element, nullptr};
host::MouseRect invisible_toggle_mouse[] = {group(kWholeGauge), programmable_spot(), end()};
}  // namespace
host::GaugeHeader invisible_toggle =
    programmable("Invisible_Toggle", invisible_toggle_elements, invisible_toggle_mouse);

extern host::GaugeHeader radios_toggle;
namespace {
host::StaticImageElement radios_toggle_face = face(120, &radios_toggle);
host::Element* radios_toggle_elements[] = {&radios_toggle_face.element, nullptr};
host::MouseRect radios_toggle_mouse[] = {group(kWholeGauge, help_id::kToggleRadioWindow),
                                         programmable_spot(), end()};
}  // namespace
host::GaugeHeader radios_toggle =
    programmable("Radios_Toggle", radios_toggle_elements, radios_toggle_mouse);

extern host::GaugeHeader landing_view_toggle;
namespace {
host::StaticImageElement landing_view_toggle_face = face(130, &landing_view_toggle);
host::Element* landing_view_toggle_elements[] = {&landing_view_toggle_face.element, nullptr};
host::MouseRect landing_view_toggle_mouse[] = {group(kWholeGauge),
                                               tooltip_text("Display the main panel Landing view"),
                                               programmable_spot(), end()};
}  // namespace
host::GaugeHeader landing_view_toggle =
    programmable("Landing_View_Toggle", landing_view_toggle_elements, landing_view_toggle_mouse);

extern host::GaugeHeader gps_toggle;
namespace {
host::StaticImageElement gps_toggle_face = face(140, &gps_toggle);
host::Element* gps_toggle_elements[] = {&gps_toggle_face.element, nullptr};
host::MouseRect gps_toggle_mouse[] = {group(kWholeGauge, help_id::kToggleGpsWindow),
                                      programmable_spot(), end()};
}  // namespace
host::GaugeHeader gps_toggle = programmable("GPS_Toggle", gps_toggle_elements, gps_toggle_mouse);

extern host::GaugeHeader throttle_toggle;
namespace {
host::StaticImageElement throttle_toggle_face = face(150, &throttle_toggle);
host::Element* throttle_toggle_elements[] = {&throttle_toggle_face.element, nullptr};
host::MouseRect throttle_toggle_mouse[] = {group(kWholeGauge, help_id::kToggleThrottleWindow),
                                           programmable_spot(), end()};
}  // namespace
host::GaugeHeader throttle_toggle =
    programmable("Throttle_Toggle", throttle_toggle_elements, throttle_toggle_mouse);

extern host::GaugeHeader compass_toggle;
namespace {
host::StaticImageElement compass_toggle_face = face(160, &compass_toggle);
host::Element* compass_toggle_elements[] = {&compass_toggle_face.element, nullptr};
host::MouseRect compass_toggle_mouse[] = {group(kWholeGauge, help_id::kToggleCompassWindow),
                                          programmable_spot(), end()};
}  // namespace
host::GaugeHeader compass_toggle =
    programmable("Compass_Toggle", compass_toggle_elements, compass_toggle_mouse);

extern host::GaugeHeader fuel_toggle;
namespace {
host::StaticImageElement fuel_toggle_face = face(170, &fuel_toggle);
host::Element* fuel_toggle_elements[] = {&fuel_toggle_face.element, nullptr};
host::MouseRect fuel_toggle_mouse[] = {group(kWholeGauge, help_id::kToggleFuelWindow),
                                       tooltip_text("Display/Hide the fuel subpanel"),
                                       programmable_spot(), end()};
}  // namespace
host::GaugeHeader fuel_toggle =
    programmable("Fuel_Toggle", fuel_toggle_elements, fuel_toggle_mouse);

extern host::GaugeHeader vfr_panel_toggle;
namespace {
host::StaticImageElement vfr_panel_toggle_face = face(180, &vfr_panel_toggle);
host::Element* vfr_panel_toggle_elements[] = {&vfr_panel_toggle_face.element, nullptr};
host::MouseRect vfr_panel_toggle_mouse[] = {group(kWholeGauge),
                                            tooltip_text("Display the main panel VFR view"),
                                            programmable_spot(), end()};
}  // namespace
host::GaugeHeader vfr_panel_toggle =
    programmable("VFR_Panel_Toggle", vfr_panel_toggle_elements, vfr_panel_toggle_mouse);

extern host::GaugeHeader ifr_panel_toggle;
namespace {
host::StaticImageElement ifr_panel_toggle_face = face(190, &ifr_panel_toggle);
host::Element* ifr_panel_toggle_elements[] = {&ifr_panel_toggle_face.element, nullptr};
host::MouseRect ifr_panel_toggle_mouse[] = {group(kWholeGauge),
                                            tooltip_text("Display the main panel IFR view"),
                                            programmable_spot(), end()};
}  // namespace
host::GaugeHeader ifr_panel_toggle =
    programmable("IFR_Panel_Toggle", ifr_panel_toggle_elements, ifr_panel_toggle_mouse);

extern host::GaugeHeader electricity_toggle;
namespace {
host::StaticImageElement electricity_toggle_face = face(200, &electricity_toggle);
host::Element* electricity_toggle_elements[] = {&electricity_toggle_face.element, nullptr};
host::MouseRect electricity_toggle_mouse[] = {group(kWholeGauge),
                                              tooltip_text("Display/Hide the electricity board"),
                                              programmable_spot(), end()};
}  // namespace
host::GaugeHeader electricity_toggle =
    programmable("Electricity_Toggle", electricity_toggle_elements, electricity_toggle_mouse);

}  // namespace korvan
