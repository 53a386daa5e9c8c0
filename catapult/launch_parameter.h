#pragma once
// The gauge's parameter string: a decimal number N that sets the launch speed (knots) and, above
// 1000, the stroke length (feet) as N = stroke * 1000 + speed.

namespace catapult {

struct LaunchSettings {
  int launch_speed;
  int stroke_length;
};

// Applies the number in text (read like atoi; values beyond int are held at its limits) to the
// current settings and returns the result.
LaunchSettings apply_launch_parameter(const char* text, LaunchSettings current);

}  // namespace catapult
