// Vertical speed indicator: a point every 1000 ft/min (1300.48 units) from -6000 to +6000, zero at
// the left of the dial halfway between the ±1000 points, and stops beyond ±6000.
#include "host/tokens.h"
#include "module_a/flight/instrument_parts.h"

namespace korvan {
namespace {
using namespace flight;

host::FailureRecord failures[] = {{19, 1}, {0, 0}};
Table<14> rate_table{{{{255, 168}, -9103.36, 0},
                      {{255, 168}, -7802.88, 0},
                      {{250, 183}, -6502.4, 0},
                      {{242, 206}, -5201.92, 0},
                      {{219, 229}, -3901.44, 0},
                      {{175, 256}, -2600.96, 0},
                      {{95, 247}, -1300.48, 0},
                      {{97, 62}, 1300.48, 0},
                      {{176, 49}, 2600.96, 0},
                      {{219, 76}, 3901.44, 0},
                      {{240, 101}, 5201.92, 0},
                      {{251, 122}, 6502.4, 0},
                      {{253, 138}, 7802.88, 0},
                      {{253, 138}, 9103.36, 0}}};

host::StaticImageElement cover = static_image(490, {0, 0}, kCover, nullptr);
Element* after_needle[] = {&cover.element, nullptr};
host::NeedleElement rate =
    needle({480, {150, 153}, {50, 12}, host::token::kVerticalSpeed, nullptr, failures}, rate_table,
           after_needle);
Element* after_dial[] = {&rate.element, nullptr};
host::StaticImageElement dial = static_image(470, {0, 0}, kLitFace, after_dial);
Element* elements[] = {&dial.element, nullptr};

host::MouseRect mouse[] = {group(kWholeGauge), tooltip_id(0x3099), end()};
}  // namespace

host::GaugeHeader vertical_speed = instrument("Vertical_Speed", 100, elements, mouse);

}  // namespace korvan
