#pragma once
// State shared by every instance of every gauge of the module: one copy per loaded module, so a
// gauge placed twice shows and changes the same state. Each gauge group keeps its own members
// here, starting from the values it has when the module is loaded.

namespace korvan {

// Radio power and identifier-tone flags, read by the radio panels, the heading instruments and
// the DME, and cleared by Shut_Down.
struct RadioFlags {
  bool com_power = true;
  bool nav1_power = true;
  bool nav2_power = true;
  bool nav1_tone = false;
  bool nav2_tone = false;
  bool adf_power = true;
  bool adf_tone = false;
  bool iff_power = true;
  bool iff_upper_selector = false;
  bool iff_lower_selector = false;
};

// The accelerometer's memory needles and the airspeed needle's last angle, which the Mach disc
// turns from.
struct FlightMemories {
  double load_minimum = 0.0;
  double load_maximum = 0.0;
  double last_airspeed_angle = 0.0;
};

struct ModuleState {
  RadioFlags radios;
  FlightMemories flight;
  bool rmi_source = true;
  bool radio_altimeter_power = true;
};

inline ModuleState module_state;

}  // namespace korvan
