#pragma once
// What the pilot does with the catapult: steps the launch speed and works the arm lever.
#include "catapult/catapult_state.h"

namespace catapult {

inline constexpr int kSpeedStep = 5;
inline constexpr int kHighestSpeed = 995;

// Steps of 5 knots that wrap between 0 and 995.
void decrease_launch_speed(CatapultState& state);
void increase_launch_speed(CatapultState& state);
// Arms a disarmed catapult when the aircraft stands on it, it is allowed and it has a speed set
// (engaging the simulator's hold); disarms an armed one, even during a launch.
void work_arm_lever(CatapultState& state);

}  // namespace catapult
