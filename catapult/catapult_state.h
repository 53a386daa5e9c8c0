#pragma once
// What the catapult keeps between calls: one set for the whole module, shared by every instance
// of the gauge. Tests start from a fresh set with catapult::module_state() = {}.
#include <array>
#include <cstddef>
#include <cstdint>

#include "host/gauge_records.h"

namespace catapult {

inline constexpr int kDefaultLaunchSpeedKnots = 155;
inline constexpr int kDefaultStrokeFeet = 300;
inline constexpr double kFeetPerSecondPerKnot = 1.68781;
inline constexpr std::size_t kRequestBufferSize = 90;

// The constant-acceleration launch, all in feet and seconds.
struct LaunchIntegrator {
  double dt = 0.0;
  double v = 0.0;
  double previous_v = 0.0;
  double mean_v = 0.0;
  double distance = 0.0;
  double acceleration = 0.0;
  double sim_speed = 0.0;  // last read from the simulator, or last written to it
};

struct CatapultState {
  int launch_speed = kDefaultLaunchSpeedKnots;
  int stroke_length = kDefaultStrokeFeet;
  double target_speed = 0.0;  // ft/s
  int armed = 0;
  int launching = 0;
  // Until the first update has looked, the aircraft counts as off the catapult.
  int zone = 0;
  int disabled = 0;
  LaunchIntegrator launch;

  double last_clock = 0.0;          // the clock at the last update
  double last_advance_clock = 0.0;  // the clock at the last update in which it moved on

  int parameter_parsed = 0;
  int connection_opened = 0;
  int sound_loaded = 0;   // once per module lifetime
  int sound_started = 0;  // once per launch
  int reset_seen = 0;

  // -1 until registered: a variable id the host never gave out names nothing.
  std::int32_t status_id = -1;
  std::int32_t armed_id = -1;
  std::int32_t disabled_id = -1;

  host::HostVar zone_link{};  // the host puts the address of the published zone byte in .link

  alignas(4) std::array<std::byte, kRequestBufferSize> request_buffer{};
  std::uint16_t hold_word = 0;
  std::uint16_t hold_release = 0;
  std::uint16_t hold_engaged = 32767;
};

CatapultState& module_state();

// The launch speed in feet per second.
inline double target_speed_for(int launch_speed_knots) {
  return launch_speed_knots * kFeetPerSecondPerKnot;
}

}  // namespace catapult
