// Without a host every service call does nothing and the offset client stays closed, so these
// cases see only the catapult's own arithmetic and state.
#include <gtest/gtest.h>

#include <climits>

#include "catapult/catapult_controls.h"
#include "catapult/launch_parameter.h"
#include "catapult/launch_update.h"

namespace catapult {

CatapultState& module_state() {
  static CatapultState state;
  return state;
}

namespace {

struct ParameterCase {
  const char* text;
  int speed;
  int stroke;
};

TEST(LaunchParameter, ReadsTheNumberLikeAtoiWithoutOverflow) {
  const ParameterCase cases[] = {
      {nullptr, 155, 300},             // no parameter string
      {"", 155, 300},                  // empty: 0 changes nothing
      {"  120 knots", 120, 300},       // blanks before, words after
      {"+80", 80, 300},                //
      {"1049", 49, 50},                // a 1 ft stroke is raised to 50 ft
      {"50000", 155, 50},              // speed part 0 keeps the speed
      {"400250", 250, 400},            //
      {"-7", -7, 300},                 // a negative speed is taken as it stands
      {"99999999999", 647, 2147483},   // beyond int: held at INT_MAX
      {"-99999999999", INT_MIN, 300},  // below int: held at INT_MIN
  };
  for (const auto& c : cases) {
    const LaunchSettings got = apply_launch_parameter(c.text, {155, 300});
    EXPECT_EQ(got.launch_speed, c.speed) << (c.text ? c.text : "(null)");
    EXPECT_EQ(got.stroke_length, c.stroke) << (c.text ? c.text : "(null)");
  }
}

TEST(SpeedButtons, WrapWithoutOverflowAtTheEndsOfInt) {
  CatapultState state;
  state.launch_speed = INT_MIN;
  decrease_launch_speed(state);
  EXPECT_EQ(state.launch_speed, 995);
  state.launch_speed = INT_MAX;
  increase_launch_speed(state);
  EXPECT_EQ(state.launch_speed, 0);
  state.launch_speed = -3;
  increase_launch_speed(state);
  EXPECT_EQ(state.launch_speed, 2);
  EXPECT_DOUBLE_EQ(state.target_speed, 2 * kFeetPerSecondPerKnot);
}

// A launch that lands exactly on its target speed or stroke can take no further step; it must
// end rather than hold the catapult armed and launching for good.
TEST(LaunchEnd, LandingExactlyOnTheTargetOrTheStrokeEndsTheLaunch) {
  struct Landing {
    const char* what;
    double v;
    double distance;
  };
  const double target = target_speed_for(kDefaultLaunchSpeedKnots);
  const Landing landings[] = {{"speed", target, 120.0}, {"stroke", 200.0, kDefaultStrokeFeet}};
  for (const auto& landing : landings) {
    CatapultState state;
    state.armed = 1;
    state.launching = 1;
    state.launch.v = landing.v;
    state.launch.previous_v = landing.v;
    state.launch.distance = landing.distance;
    update(state, nullptr);
    EXPECT_EQ(state.launching, 0) << landing.what;
    EXPECT_EQ(state.armed, 0) << landing.what;
    EXPECT_EQ(state.launch.v, 0.0) << landing.what;
    EXPECT_EQ(state.launch.distance, 0.0) << landing.what;
  }
}

}  // namespace
}  // namespace catapult
