#include "catapult/launch_update.h"

#include <cmath>
#include <limits>

#include "audio/sound_manager.h"
#include "catapult/launch_parameter.h"
#include "catapult/offset_client/offset_client.h"
#include "host/panel_services.h"
#include "host/tokens.h"

namespace catapult {
namespace {

constexpr std::uint32_t kHoldOffset = 0x0BC8;
constexpr std::uint32_t kSpeedOffset = 0x3090;
constexpr std::uint32_t kAccelerationOffset = 0x3070;
constexpr std::uint32_t kAnySimulator = 0;
constexpr std::uint16_t kLaunchSoundSlot = 1;
constexpr const char* kLaunchSoundPath = ".\\sound\\qrn_catapult_launch.wav";
constexpr const char* kStatusName = "QRN_catapult_status";
constexpr const char* kArmedName = "QRN_Catapult_Armed";
constexpr const char* kDisabledName = "ZKW_CatapultDisabled";

// Truncates toward zero like a cast, but a value no int can hold (or not a number) cannot make
// the cast undefined: it is held at the int's limits, and NaN counts as 0.
int truncate_to_int(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (value <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(value);
}

void read_parameter(CatapultState& state, const char* parameters) {
  if (state.parameter_parsed != 0 || parameters == nullptr) return;
  const LaunchSettings settings = apply_launch_parameter(
      parameters, {.launch_speed = state.launch_speed, .stroke_length = state.stroke_length});
  state.launch_speed = settings.launch_speed;
  state.stroke_length = settings.stroke_length;
  state.parameter_parsed = 1;
}

void read_disabled(CatapultState& state) {
  state.disabled_id = host::named_var_find(kDisabledName);
  state.disabled = truncate_to_int(host::named_var_get(state.disabled_id));
}

void read_zone(CatapultState& state) {
  state.status_id = host::named_var_find(kStatusName);
  if (state.zone_link.link != nullptr) {
    state.zone = *static_cast<const std::uint8_t*>(state.zone_link.link);
    host::named_var_set(state.status_id, state.zone);
  } else {
    state.zone = 1;
    host::named_var_set(state.status_id, -1.0);
  }
}

// The step time is the clock's advance since it last moved on; a clock standing still gives 0
// (a paused simulation) and one that went back keeps the last step.
void time_step(CatapultState& state) {
  const double t = host::read_token_number(host::token::kRunningClock);
  if (t > state.last_clock) {
    state.launch.dt = t - state.last_advance_clock;
    state.last_advance_clock = t;
  } else if (t == state.last_clock) {
    state.launch.dt = 0.0;
  }
  state.last_clock = t;
}

void open_connection(CatapultState& state) {
  if (state.connection_opened != 0) return;
  int result = 0;
  ipc_open(kAnySimulator, result, state.request_buffer.data(),
           static_cast<std::uint32_t>(state.request_buffer.size()));
  state.connection_opened = 1;
}

void read_simulator(CatapultState& state) {
  if (state.armed == 0 && state.launching == 0) return;
  int result = 0;
  ipc_read(kSpeedOffset, sizeof state.launch.sim_speed, &state.launch.sim_speed, result);
  ipc_read(kHoldOffset, sizeof state.hold_word, &state.hold_word, result);
  ipc_process(result);
}

void start_launch_sound(CatapultState& state) {
  if (state.sound_started != 0 || state.armed != 1) return;
  audio::SoundManager& sounds = audio::module_sound_manager();
  if (state.sound_loaded == 0) {
    sounds.load_sound(kLaunchSoundSlot, kLaunchSoundPath);
    state.sound_loaded = 1;
  }
  sounds.play_sound(kLaunchSoundSlot, 0);
  state.sound_started = 1;
}

// One step of constant acceleration that reaches the target speed at the end of the stroke,
// written to the simulator only when it would not slow the aircraft down.
void launch_step(CatapultState& state) {
  LaunchIntegrator& launch = state.launch;
  if (state.launching != 1 || launch.dt == 0.0 || !(launch.v < state.target_speed) ||
      !(state.stroke_length > launch.distance)) {
    return;
  }
  start_launch_sound(state);
  int result = 0;
  ipc_write(kHoldOffset, sizeof state.hold_release, &state.hold_release, result);
  ipc_process(result);

  launch.acceleration = state.target_speed * state.target_speed / (2 * state.stroke_length);
  launch.v = launch.dt * launch.acceleration + launch.previous_v;
  launch.mean_v = (launch.v + launch.previous_v) / 2;
  launch.previous_v = launch.v;
  launch.distance += launch.dt * launch.mean_v;

  if (launch.sim_speed < launch.v) {
    launch.sim_speed = launch.v;
    ipc_write(kAccelerationOffset, sizeof launch.acceleration, &launch.acceleration, result);
    ipc_write(kSpeedOffset, sizeof launch.v, &launch.v, result);
    ipc_process(result);
  }
}

// A launch ends once it has reached the target speed or the end of the stroke. Landing exactly
// on either also ends it: such a launch can take no further step, and would otherwise hold the
// catapult in a launch that never finishes.
void end_launch(CatapultState& state) {
  LaunchIntegrator& launch = state.launch;
  if (state.launching != 1) return;
  if (!(launch.v >= state.target_speed) && !(launch.distance >= state.stroke_length)) return;
  state.launching = 0;
  state.armed = 0;
  launch.distance = 0.0;
  launch.v = 0.0;
  launch.previous_v = 0.0;
  state.sound_started = 0;
}

}  // namespace

void update(CatapultState& state, const char* parameters) {
  read_parameter(state, parameters);
  read_disabled(state);
  read_zone(state);
  time_step(state);
  state.target_speed = target_speed_for(state.launch_speed);
  open_connection(state);
  host::named_var_set(state.armed_id, state.armed);
  if (state.armed == 1 && state.launching == 0 && (state.zone == 0 || state.disabled == 1)) {
    state.armed = 0;
  }
  read_simulator(state);
  if (state.armed == 1 && state.target_speed > 0.0 && state.hold_word == 0) state.launching = 1;
  launch_step(state);
  end_launch(state);
  if (state.armed == 0 || state.launch_speed == 0) state.launching = 0;
}

void on_sim_window_open(CatapultState& state) {
  state.status_id = host::named_var_register(kStatusName);
  state.armed_id = host::named_var_register(kArmedName);
  audio::module_sound_manager().init_sound_device();
  ipc_close();
  state.connection_opened = 0;
}

void on_sim_window_close(CatapultState& state) {
  audio::module_sound_manager().free_sound(kLaunchSoundSlot);
  audio::module_sound_manager().release_sound_device();
  ipc_close();
  state.connection_opened = 0;
}

void on_reset(CatapultState& state) {
  if (state.reset_seen != 0) return;
  state.reset_seen = 1;
  state.launching = 0;
  state.armed = 0;
  state.sound_started = 0;
}

}  // namespace catapult
