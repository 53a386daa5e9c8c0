// Attitude indicator: the horizon card moves with pitch and turns with bank, a bank index, an OFF
// flag while the instrument has no power or is failed, and an adjustable reference bar.
#include "host/tokens.h"
#include "module_a/flight/flight_scales.h"
#include "module_a/flight/instrument_parts.h"

namespace korvan {
namespace {
using namespace flight;

double HOST_CALL pitch_clamp(Element* element) {
  return clamped_pitch(host::as<host::SpriteElement>(*element).y_source.value.number());
}

// Drawn (0) while either flag is set, hidden (-1) otherwise.
double HOST_CALL off_flag(Element*) {
  host::HostVar power = token_var(host::token::kInstrumentPowerFlag);
  host::HostVar off = token_var(host::token::kAttitudeOffFlag);
  host::read_token_var(power);
  host::read_token_var(off);
  return power.value.integer() != 0 || off.value.integer() != 0 ? 0.0 : -1.0;
}

host::FailureRecord card_failures[] = {{8, 0}, {0, 0}};
host::FailureRecord bank_failures[] = {{8, 0}, {0, 0}};
Table<2> bank_table{{{{199, 150}, -90, 0}, {{99, 150}, 90, 0}}};

host::StaticImageElement cover = static_image(360, {0, 0}, kCover, nullptr);
Element* after_bar[] = {&cover.element, nullptr};
host::SliderElement reference_bar{.element = {.kind = host::ElementKind::Slider,
                                              .bitmap = 340,
                                              .position = {85, 145},
                                              .children = after_bar,
                                              .image_flags = kCover},
                                  .x_source = {},
                                  .x_scale = 1.0,
                                  .y_source = token_var(host::token::kAttitudeBar),
                                  .y_scale = -0.2};
Element* after_flag[] = {&reference_bar.element, nullptr};
host::IconElement flag{.element = {.kind = host::ElementKind::Icon,
                                   .bitmap = 350,
                                   .position = {48, 177},
                                   .children = after_flag,
                                   .image_flags = kLitFace},
                       .source = {},
                       .icon_mode = 0,
                       .scale = 1.0,
                       .state_count = 1,
                       .update = off_flag};
Element* after_bank[] = {&flag.element, nullptr};
host::NeedleElement bank_index = needle(
    {330, {149, 150}, {98, 5}, host::token::kBank, nullptr, bank_failures}, bank_table, after_bank);
Element* after_card[] = {&bank_index.element, nullptr};
// Three pixels per degree of pitch; the card turns against the bank.
host::SpriteElement horizon_card{.element = {.kind = host::ElementKind::Sprite,
                                             .bitmap = 320,
                                             .position = {0, 0},
                                             .offset = {149, 150},
                                             .children = after_card,
                                             .failures = card_failures,
                                             .image_flags = kLitPart},
                                 .x_source = {},
                                 .x_scale = 1.0,
                                 .y_source = token_var(host::token::kPitch),
                                 .y_scale = 3.0,
                                 .rotation_source = token_var(host::token::kBank),
                                 .rotation_scale = -1.0,
                                 .texture_scale_x = 1.0f,
                                 .texture_scale_y = 1.0f,
                                 .y_update = pitch_clamp};
Element* after_case[] = {&horizon_card.element, nullptr};
host::StaticImageElement instrument_case = static_image(370, {0, 0}, kLitFace, after_case);
Element* elements[] = {&instrument_case.element, nullptr};

host::MouseRect mouse[] = {
    group(kWholeGauge),
    tooltip_id(0x3092),
    key_spot({1, 249, 25, 50}, host::cursor::kDecrease, kKnobPress,
             host::key_event::kAttitudeBarDown),
    key_spot({26, 249, 25, 50}, host::cursor::kIncrease, kKnobPress,
             host::key_event::kAttitudeBarUp),
    end(),
};
}  // namespace

host::GaugeHeader attitude = instrument("Attitude", 100, elements, mouse);

}  // namespace korvan
