// Three-pointer altimeter with the barometric setting turning a scale behind a window. The
// pointers keep turning past their last table point, one turn per 100000, 10000 and 1000 feet.
#include "host/tokens.h"
#include "module_a/flight/flight_scales.h"
#include "module_a/flight/instrument_parts.h"

namespace korvan {
namespace {
using namespace flight;

double HOST_CALL barometric_window(Element* element) {
  return barometric_offset(host::as<host::SpriteElement>(*element).rotation_source.value.number());
}

constexpr Point kPivot{132, 132};
constexpr std::int32_t kAltitude = host::token::kAltitude;

host::FailureRecord ten_thousands_failures[] = {{3, 1}, {0, 0}};
host::FailureRecord thousands_failures[] = {{3, 1}, {0, 0}};
host::FailureRecord hundreds_failures[] = {{3, 1}, {0, 0}};
Table<2> ten_thousands_table{{{{132, 82}, 0, 0}, {{132, 182}, 50000, 0}}};
Table<2> thousands_table{{{{132, 82}, 0, 0}, {{132, 182}, 5000, 0}}};
// The repeated zero point holds the hundreds pointer at 0 below sea level.
Table<3> hundreds_table{{{{132, 82}, -1, 0}, {{132, 82}, 0, 0}, {{132, 182}, 500, 0}}};

host::StaticImageElement cover = static_image(300, {0, 0}, kCover, nullptr);
Element* after_hundreds[] = {&cover.element, nullptr};
host::NeedleElement hundreds = needle(
    {270, kPivot, {35, 13}, kAltitude, nullptr, hundreds_failures}, hundreds_table, after_hundreds);
Element* after_thousands[] = {&hundreds.element, nullptr};
host::NeedleElement thousands =
    needle({280, kPivot, {33, 14}, kAltitude, nullptr, thousands_failures}, thousands_table,
           after_thousands);
Element* after_ten_thousands[] = {&thousands.element, nullptr};
host::NeedleElement ten_thousands =
    needle({290, kPivot, {-41, 6}, kAltitude, nullptr, ten_thousands_failures}, ten_thousands_table,
           after_ten_thousands);
Element* after_scale[] = {&ten_thousands.element, nullptr};
// 90 degrees per inch of mercury, 0 at 29.9.
host::SpriteElement barometric_scale{.element = {.kind = host::ElementKind::Sprite,
                                                 .bitmap = 260,
                                                 .position = {198, 104},
                                                 .offset = {131, 134},
                                                 .children = after_scale,
                                                 .image_flags = kLitPart},
                                     .x_source = {},
                                     .x_scale = 1.0,
                                     .y_source = {},
                                     .y_scale = 1.0,
                                     .rotation_source = token_var(host::token::kPressureSetting),
                                     .rotation_scale = 90.0,
                                     .texture_scale_x = 1.0f,
                                     .texture_scale_y = 1.0f,
                                     .rotation_update = barometric_window};
Element* after_dial[] = {&barometric_scale.element, nullptr};
host::StaticImageElement dial = static_image(310, {0, 0}, kLitFace, after_dial);
Element* elements[] = {&dial.element, nullptr};

host::MouseRect mouse[] = {
    group(kWholeGauge),
    group({0, 0, 262, 200}),
    tooltip_id(0x3051),
    end(),
    group({0, 203, 70, 57}),
    tooltip_id(0x3053),
    end(),
    group({75, 203, 70, 57}),
    tooltip_id(0x3054),
    end(),
    key_spot({6, 203, 24, 48}, host::cursor::kDecrease, kKnobPress,
             host::key_event::kPressureSettingDown),
    key_spot({30, 203, 24, 48}, host::cursor::kIncrease, kKnobPress,
             host::key_event::kPressureSettingUp),
    end(),
};
}  // namespace

host::GaugeHeader altimeter = instrument("Altimeter", 100, elements, mouse);

}  // namespace korvan
