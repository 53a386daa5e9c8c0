// The module's exports: its gauges, in the order panel configurations and the host know them.
// A new gauge adds its header here, at its place in the list.
#include <cstddef>
#include <iterator>

#include "host/gauge_records.h"

namespace korvan {

// Panel view toggles.
extern host::GaugeHeader kneeboard_toggle;
extern host::GaugeHeader atc_toggle;
extern host::GaugeHeader map_toggle;
extern host::GaugeHeader invisible_toggle;
extern host::GaugeHeader close_subpanel;
extern host::GaugeHeader radios_toggle;
extern host::GaugeHeader landing_view_toggle;
extern host::GaugeHeader gps_toggle;
extern host::GaugeHeader throttle_toggle;
extern host::GaugeHeader compass_toggle;
extern host::GaugeHeader fuel_toggle;
extern host::GaugeHeader vfr_panel_toggle;
extern host::GaugeHeader ifr_panel_toggle;
extern host::GaugeHeader electricity_toggle;
// Flight instruments.
extern host::GaugeHeader altimeter;
extern host::GaugeHeader attitude;
extern host::GaugeHeader vertical_speed;
extern host::GaugeHeader turn_coordinator;
extern host::GaugeHeader airspeed_machmeter;
extern host::GaugeHeader accelerometer;

namespace {

constexpr host::GaugeHeader* kGauges[] = {
    &kneeboard_toggle, &atc_toggle,         &map_toggle,          &invisible_toggle,
    &close_subpanel,   &radios_toggle,      &landing_view_toggle, &gps_toggle,
    &throttle_toggle,  &compass_toggle,     &fuel_toggle,         &vfr_panel_toggle,
    &ifr_panel_toggle, &electricity_toggle, &altimeter,           &attitude,
    &vertical_speed,   &turn_coordinator,   &airspeed_machmeter,  &accelerometer,
};

void HOST_CALL module_init() {}
void HOST_CALL module_deinit() {}

template <std::size_t Count>
constexpr host::Linkage<Count> make_linkage(host::GaugeHeader* const (&gauges)[Count]) {
  host::Linkage<Count> linkage{
      .head = {.module_id = host::kModuleId,
               .init = module_init,
               .deinit = module_deinit,
               .status = 0,
               .reserved = 0,
               .version = 0x900},
      .gauges = {},
  };
  for (std::size_t i = 0; i < Count; ++i) linkage.gauges[i] = gauges[i];
  return linkage;
}

}  // namespace
}  // namespace korvan

extern "C" {
GAUGE_EXPORT constinit host::Linkage<std::size(korvan::kGauges)> Linkage =
    korvan::make_linkage(korvan::kGauges);
}
