#pragma once
// The calibrations the flight instruments compute themselves, apart from their needle tables:
// pure functions of the simulator's values, so they can be checked without a host.
#include <algorithm>
#include <array>

namespace korvan::flight {

struct ScalePoint {
  double knots;
  double degrees;
};

// The airspeed dial is printed wider at low speed: a piecewise-linear curve, 344.5 degrees at the
// stop.
inline constexpr std::array<ScalePoint, 12> kAirspeedScale{{{0, 0},
                                                            {60, 18},
                                                            {150, 90},
                                                            {200, 140},
                                                            {250, 168},
                                                            {300, 192},
                                                            {350, 212},
                                                            {450, 247},
                                                            {550, 277},
                                                            {600, 291},
                                                            {700, 316},
                                                            {850, 344.5}}};

// Dial angle for an indicated airspeed. Each band includes its upper end. Zero, negative and
// non-numeric speeds sit at the zero mark: no band holds them and the needle table pins them
// there anyway.
constexpr double airspeed_angle(double knots) {
  if (!(knots > 0.0)) return 0.0;
  for (std::size_t i = 1; i < kAirspeedScale.size(); ++i) {
    const ScalePoint low = kAirspeedScale[i - 1];
    const ScalePoint high = kAirspeedScale[i];
    if (knots <= high.knots) {
      return low.degrees +
             (knots - low.knots) * (high.degrees - low.degrees) / (high.knots - low.knots);
    }
  }
  return kAirspeedScale.back().degrees;
}

// The Mach disc turns back from the airspeed needle by 150 degrees per unit of Mach.
inline constexpr double kMachUnit = 20480.0;
constexpr double mach_disc_angle(double airspeed_angle, double mach_scaled) {
  return airspeed_angle - mach_scaled * 150.0 / kMachUnit;
}

// Inches of mercury away from 29.9 shown through the barometric window; the disc stops at 27.9
// and 31.5.
constexpr double barometric_offset(double inches) {
  double t = inches;
  if (t <= 27.9) t = 27.9;
  if (t >= 31.5) t = 31.5;
  return t - 29.9;
}

// The horizon card moves no further than 45 degrees of pitch either way.
constexpr double clamped_pitch(double degrees) {
  return std::clamp(degrees, -45.0, 45.0);
}

inline constexpr double kTurnRateUnit = 256.0;
constexpr double turn_rate_dial(double value) {
  return value / kTurnRateUnit;
}

// The ball rises with the square of its deflection: the tube is curved.
constexpr double ball_height(double deflection) {
  return deflection * deflection;
}

// The memory needles keep the lowest and the highest load seen since the last reset.
constexpr double lower_memory(double memory, double load) {
  return load < memory ? load : memory;
}
constexpr double upper_memory(double memory, double load) {
  return load > memory ? load : memory;
}

}  // namespace korvan::flight
