// Airspeed indicator with a Mach disc: the needle follows a printed scale wider at low speed, and
// the disc turns back from the needle by the Mach number, so the needle reads Mach on it.
#include "host/tokens.h"
#include "module_a/flight/flight_scales.h"
#include "module_a/flight/instrument_parts.h"
#include "module_a/frame/module_state.h"

namespace korvan {
namespace {
using namespace flight;

double HOST_CALL airspeed_scale(Element* element) {
  const double angle = airspeed_angle(needle_source(element));
  module_state.flight.last_airspeed_angle = angle;
  return angle;
}

// Uses the angle the airspeed needle left last, which may be that of the previous frame when the
// host refreshes the disc first.
double HOST_CALL mach_disc(Element* element) {
  return mach_disc_angle(module_state.flight.last_airspeed_angle, needle_source(element));
}

// Dial angles in degrees clockwise from the top; the stop is at 344.5.
constexpr Table<5> kDialTable{{{{138, 20}, -1, 0},
                               {{138, 20}, 0, 0},
                               {{138, 280}, 180, 0},
                               {{106, 24}, 344.5, 0},
                               {{106, 24}, 360, 0}}};
constexpr Point kPivot{138, 138};

host::FailureRecord airspeed_failures[] = {{6, 1}, {0, 0}};
Table<5> disc_table = kDialTable;
Table<5> airspeed_table = kDialTable;

host::StaticImageElement cover = static_image(1130, {0, 0}, kCover, nullptr);
Element* after_airspeed[] = {&cover.element, nullptr};
host::NeedleElement airspeed = needle(
    {1110, kPivot, {87, 87}, host::token::kIndicatedAirspeed, airspeed_scale, airspeed_failures},
    airspeed_table, after_airspeed);
Element* after_disc[] = {&airspeed.element, nullptr};
host::NeedleElement disc = needle(
    {1120, kPivot, {90, 90}, host::token::kMachScaled, mach_disc, nullptr}, disc_table, after_disc);
Element* after_dial[] = {&disc.element, nullptr};
host::StaticImageElement dial = static_image(1100, {0, 0}, kLitFace, after_dial);
Element* elements[] = {&dial.element, nullptr};

host::MouseRect mouse[] = {group(kWholeGauge, 0xAB02), end()};
}  // namespace

host::GaugeHeader airspeed_machmeter = instrument("Airspeed_Machmeter", 100, elements, mouse);

}  // namespace korvan
