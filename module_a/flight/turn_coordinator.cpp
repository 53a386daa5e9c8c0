// Turn coordinator: the turn needle (full scale ±4.5 dial units, stopped beyond) and the ball,
// which rises along its curved tube as it moves sideways.
#include "host/tokens.h"
#include "module_a/flight/flight_scales.h"
#include "module_a/flight/instrument_parts.h"

namespace korvan {
namespace {
using namespace flight;

double HOST_CALL turn_rate(Element* element) {
  return turn_rate_dial(needle_source(element));
}

// With the y scale of -1/3276.8 the ball rises by deflection² / 3276.8 pixels.
double HOST_CALL ball_rise(Element* element) {
  return ball_height(host::as<host::SliderElement>(*element).y_source.value.number());
}

host::FailureRecord failures[] = {{18, 1}, {0, 0}};
Table<4> turn_table{
    {{{111, 75}, -5, 0}, {{111, 75}, -4.5, 0}, {{185, 75}, 4.5, 0}, {{185, 75}, 5, 0}}};

host::StaticImageElement cover = static_image(1090, {0, 0}, kCover, nullptr);
Element* after_tube[] = {&cover.element, nullptr};
host::StaticImageElement tube = static_image(1080, {85, 111}, kLitFace, after_tube);
Element* after_ball[] = {&tube.element, nullptr};
host::SliderElement ball{.element = {.kind = host::ElementKind::Slider,
                                     .bitmap = 1070,
                                     .position = {131, 161},
                                     .children = after_ball,
                                     .image_flags = kLitPart},
                         .x_source = token_var(host::token::kTurnBall),
                         .x_scale = 0.5625,
                         .y_source = token_var(host::token::kTurnBall),
                         .y_scale = -1.0 / 3276.8,
                         .y_update = ball_rise};
Element* after_needle[] = {&ball.element, nullptr};
host::NeedleElement turn_needle =
    needle({1060, {148, 202}, {0, 7}, host::token::kTurnRate, turn_rate, failures}, turn_table,
           after_needle);
Element* after_dial[] = {&turn_needle.element, nullptr};
host::StaticImageElement dial = static_image(1050, {0, 0}, kLitFace, after_dial);
Element* elements[] = {&dial.element, nullptr};

host::MouseRect mouse[] = {group(kWholeGauge, 0xAB71), tooltip_id(0x3090), end()};
}  // namespace

host::GaugeHeader turn_coordinator = instrument("Turn_Coordinator", 111, elements, mouse);

}  // namespace korvan
