// The flight instruments' own calibrations: the airspeed scale, the Mach disc, the barometric
// window, the pitch clamp, the turn and ball conversions and the load memories.
#include "module_a/flight/flight_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvan::flight {
namespace {

TEST(AirspeedScale, MapsKnotsToTheDialAngleOfThePrintedScale) {
  struct Case {
    double knots;
    double degrees;
  };
  constexpr Case kCases[] = {{0, 0},       {30, 9},      {60, 18},    {61, 18.8},
                             {150, 90},    {450, 247},   {500, 262},  {800, 335},
                             {850, 344.5}, {900, 344.5}, {1e9, 344.5}};
  for (const Case& c : kCases) {
    EXPECT_NEAR(airspeed_angle(c.knots), c.degrees, 1e-9) << c.knots << " kt";
  }
}

TEST(AirspeedScale, HasNoJumpAtAnyBandEdge) {
  constexpr double kStep = 1e-6;
  for (const ScalePoint& edge : kAirspeedScale) {
    EXPECT_NEAR(airspeed_angle(edge.knots), edge.degrees, 1e-9) << edge.knots;
    EXPECT_NEAR(airspeed_angle(edge.knots + kStep), edge.degrees, 1e-3) << edge.knots;
    if (edge.knots > 0) {
      EXPECT_NEAR(airspeed_angle(edge.knots - kStep), edge.degrees, 1e-3) << edge.knots;
    }
  }
}

TEST(AirspeedScale, KeepsNegativeAndNonNumericSpeedsAtTheZeroMark) {
  for (double knots : {-0.0, -1.0, -500.0, -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    const double angle = airspeed_angle(knots);
    EXPECT_FALSE(std::isnan(angle)) << knots;
    EXPECT_LE(angle, 0.0) << knots;
  }
}

TEST(MachDisc, TurnsBackFromTheNeedleBy150DegreesPerMach) {
  EXPECT_DOUBLE_EQ(mach_disc_angle(247, 0), 247);
  EXPECT_DOUBLE_EQ(mach_disc_angle(247, 20480), 97);
  EXPECT_DOUBLE_EQ(mach_disc_angle(airspeed_angle(450), 10240), 172);
}

TEST(BarometricWindow, ShowsTheSettingFrom29Point9WithinTheDiscStops) {
  struct Case {
    double inches;
    double offset;
  };
  constexpr Case kCases[] = {{29.9, 0},   {30.92, 1.02}, {27.0, -2.0}, {27.9, -2.0},
                             {31.5, 1.6}, {32.0, 1.6},   {0, -2.0},    {100, 1.6}};
  for (const Case& c : kCases) {
    EXPECT_NEAR(barometric_offset(c.inches), c.offset, 1e-9) << c.inches;
  }
}

TEST(Attitude, ClampsPitchTo45DegreesEitherWay) {
  EXPECT_EQ(clamped_pitch(60), 45);
  EXPECT_EQ(clamped_pitch(-60), -45);
  EXPECT_EQ(clamped_pitch(12.5), 12.5);
}

TEST(TurnCoordinator, ConvertsRateAndBallDeflection) {
  EXPECT_DOUBLE_EQ(turn_rate_dial(1152), 4.5);
  EXPECT_DOUBLE_EQ(turn_rate_dial(-2560), -10);
  EXPECT_DOUBLE_EQ(ball_height(-64), 4096);
  EXPECT_DOUBLE_EQ(ball_height(64), ball_height(-64));
}

TEST(LoadMemories, KeepTheExtremesBeyondTheDialStops) {
  constexpr double kUnitsPerG = 624;
  double lowest = 0, highest = 0;
  for (double g : {1.0, 12.0, 3.0, -7.0, -2.0}) {
    lowest = lower_memory(lowest, g * kUnitsPerG);
    highest = upper_memory(highest, g * kUnitsPerG);
  }
  EXPECT_EQ(lowest, -7 * kUnitsPerG);
  EXPECT_EQ(highest, 12 * kUnitsPerG);
  // Starting from zero, a flight that stays above 0 g never moves the minimum needle.
  EXPECT_EQ(lower_memory(0, kUnitsPerG), 0);
}

}  // namespace
}  // namespace korvan::flight
