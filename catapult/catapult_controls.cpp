#include "catapult/catapult_controls.h"

#include "catapult/offset_client/offset_client.h"
#include "host/panel_services.h"
#include "host/tokens.h"

namespace catapult {
namespace {
constexpr std::uint32_t kHoldOffset = 0x0BC8;
}  // namespace

void decrease_launch_speed(CatapultState& state) {
  // Compared before the step, so that no speed, however far below 0, can overflow.
  state.launch_speed =
      state.launch_speed < kSpeedStep ? kHighestSpeed : state.launch_speed - kSpeedStep;
  state.target_speed = target_speed_for(state.launch_speed);
}

void increase_launch_speed(CatapultState& state) {
  state.launch_speed =
      state.launch_speed > kHighestSpeed - kSpeedStep ? 0 : state.launch_speed + kSpeedStep;
  state.target_speed = target_speed_for(state.launch_speed);
}

void work_arm_lever(CatapultState& state) {
  const double condition = host::read_token_number(host::token::kConditionFlag);
  // A new arming starts a new stroke with its own sound; the speeds are left as they are.
  state.sound_started = 0;
  state.launch.distance = 0.0;
  const bool may_arm = state.armed == 0 && state.zone == 1 && state.disabled == 0;
  state.armed = may_arm ? 1 : 0;
  if (condition == 0.0 || state.launch_speed == 0) state.armed = 0;
  if (state.armed == 1) {
    int result = 0;
    ipc_write(kHoldOffset, sizeof state.hold_engaged, &state.hold_engaged, result);
    ipc_process(result);
  }
}

}  // namespace catapult
