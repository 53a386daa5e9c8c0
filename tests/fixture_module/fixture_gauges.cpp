// A small module that exercises the host's rules where the real gauges do not yet: nested mouse
// groups with relative boxes, tool-tips with arguments, icons hidden by -1, needles with
// increasing, decreasing and pinned tables, and a gauge without any callback.
#include "host/mouse_list.h"
#include "host/panel_services.h"
#include "host/tokens.h"

namespace {
namespace mouse = host::mouse;
using host::ElementKind;

void HOST_CALL nothing() {}

// --- Plain: no gauge callback, one face, a whole-gauge group and nothing else.
host::StaticImageElement plain_face{.element = {.kind = ElementKind::StaticImage, .bitmap = 100}};
host::Element* plain_elements[] = {&plain_face.element, nullptr};
host::MouseRect plain_mouse[] = {mouse::group(mouse::kWholeGauge), mouse::end()};
host::GaugeHeader plain{
    .version = 800,
    .name = "Plain",
    .elements = plain_elements,
    .size_mm = 19,
    .mouse_rects = plain_mouse,
};

// --- Mouse: nested groups, relative boxes, tool-tips with arguments.
// The mouse function publishes where inside its box it was hit and with which event.
std::int32_t HOST_CALL record_click(host::MouseContext* context, std::uint32_t event) {
  host::named_var_set(host::named_var_register("fixture_click_x"), context->x);
  host::named_var_set(host::named_var_register("fixture_click_y"), context->y);
  host::named_var_set(host::named_var_register("fixture_click_right"),
                      event == host::mouse_event::kRightClick ? 1.0 : 0.0);
  return 0;
}
double HOST_CALL airspeed_arg(double, std::int32_t, const char*, host::HostVar*,
                              host::GaugeHeader*) {
  return host::read_token_number(host::token::kIndicatedAirspeed);
}
const char* HOST_CALL label_arg(double, std::int32_t, const char*, host::HostVar*,
                                host::GaugeHeader*) {
  return "left";
}
host::TooltipArg speed_args[] = {mouse::number_arg(airspeed_arg), mouse::text_arg(label_arg),
                                 mouse::number_arg(airspeed_arg)};

host::StaticImageElement mouse_face{.element = {.kind = ElementKind::StaticImage, .bitmap = 200}};
host::Element* mouse_elements[] = {&mouse_face.element, nullptr};
host::MouseRect mouse_list[] = {
    mouse::group(mouse::kWholeGauge, 0xAB86),
    mouse::tooltip_text("Whole gauge, 100%"),
    mouse::hot_spot({70, 70, 10, 10}, host::cursor::kPush, host::mouse_event::kLeftClick,
                    record_click),
    mouse::group({10, 10, 50, 50}, 0xAB87),
    mouse::tooltip_text("Speed %1!07.3f! kt, %2!s! %3!d!", 3, speed_args),
    mouse::key_spot({5, 5, 10, 10}, host::cursor::kIncrease, host::mouse_event::kLeftClick,
                    host::key_event::kKneeboard),
    mouse::hot_spot({20, 20, 10, 10}, host::cursor::kDecrease,
                    host::mouse_event::kLeftClick | host::mouse_event::kRightClick, record_click),
    mouse::group({30, 0, 20, 10}),
    mouse::tooltip_id(0x3009),
    mouse::end(),
    mouse::end(),
    mouse::end(),
};
host::GaugeHeader mouse_gauge{
    .version = 800,
    .name = "Mouse",
    .elements = mouse_elements,
    .size_mm = 60,
    .mouse_rects = mouse_list,
};

// --- Display: icons and needles under the host's display rules.
double HOST_CALL icon_shown_while_lit(host::Element*) {
  return host::read_token_number(host::token::kPanelLights) != 0.0 ? 0.0 : -1.0;
}

// Increasing table: 0 at the top, 100 at three o'clock, 200 at the bottom.
host::NonlinearityPoint increasing_table[] = {
    {{100, 0}, 0.0, 0.0}, {{200, 100}, 100.0, 0.0}, {{100, 200}, 200.0, 0.0}};
// Decreasing table: stored from 200 at the top clockwise to 0 at the bottom, so the needle
// turns anticlockwise as the value grows.
host::NonlinearityPoint decreasing_table[] = {
    {{100, 0}, 200.0, 0.0}, {{200, 100}, 100.0, 0.0}, {{100, 200}, 0.0, 0.0}};
// Pinned at both ends: the first and last two points lie at the same place.
host::NonlinearityPoint pinned_table[] = {{{0, 100}, -60.0, 0.0},
                                          {{0, 100}, -50.0, 0.0},
                                          {{100, 0}, 0.0, 0.0},
                                          {{200, 100}, 50.0, 0.0},
                                          {{200, 100}, 60.0, 0.0}};
// Crosses the top: from ten o'clock round to two o'clock, clockwise.
host::NonlinearityPoint crossing_table[] = {{{0, 0}, 0.0, 0.0}, {{200, 0}, 10.0, 0.0}};

host::NeedleElement increasing_needle{
    .element = {.kind = ElementKind::Needle, .bitmap = 301, .position = {100, 100}},
    .source = {.token = host::token::kIndicatedAirspeed},
    .table = increasing_table,
    .point_count = 3,
};
host::NeedleElement decreasing_needle{
    .element = {.kind = ElementKind::Needle, .bitmap = 302, .position = {100, 100}},
    .source = {.token = host::token::kIndicatedAirspeed},
    .table = decreasing_table,
    .point_count = 3,
};
host::NeedleElement pinned_needle{
    .element = {.kind = ElementKind::Needle, .bitmap = 303, .position = {100, 100}},
    .source = {.token = host::token::kVerticalSpeed},
    .table = pinned_table,
    .point_count = 5,
};
host::NeedleElement crossing_needle{
    .element = {.kind = ElementKind::Needle, .bitmap = 304, .position = {100, 100}},
    .source = {.token = host::token::kAltitude},
    .table = crossing_table,
    .point_count = 2,
};
host::NeedleElement rotation_needle{
    .element = {.kind = ElementKind::Needle, .bitmap = 305, .position = {100, 100}},
    .source = {.token = host::token::kHeading},
};
host::IconElement lit_icon{
    .element = {.kind = ElementKind::Icon, .bitmap = 310},
    .source = {.token = host::token::kPanelLights},
    .scale = 1.0,
    .state_count = 1,
    .update = icon_shown_while_lit,
};
host::IconElement source_icon{
    .element = {.kind = ElementKind::Icon, .bitmap = 320},
    .source = {.token = host::token::kGearHandle},
    .state_count = 3,
};
host::Element* display_children[] = {&increasing_needle.element, &decreasing_needle.element,
                                     &pinned_needle.element,     &crossing_needle.element,
                                     &rotation_needle.element,   &lit_icon.element,
                                     &source_icon.element,       nullptr};
host::StaticImageElement display_face{
    .element = {.kind = ElementKind::StaticImage, .bitmap = 300, .children = display_children}};
host::Element* display_elements[] = {&display_face.element, nullptr};
host::MouseRect display_mouse[] = {mouse::group(mouse::kWholeGauge), mouse::end()};
host::GaugeHeader display{
    .version = 800,
    .name = "Display",
    .elements = display_elements,
    .size_mm = 100,
    .mouse_rects = display_mouse,
};

// --- Lifecycle: counts the service codes it receives in named variables.
void HOST_CALL count_codes(host::GaugeHeader* gauge, std::int32_t code, std::uint32_t) {
  char name[40] = "fixture_code_";
  name[13] = static_cast<char>('0' + code / 10);
  name[14] = static_cast<char>('0' + code % 10);
  name[15] = '\0';
  std::int32_t id = host::named_var_register(name);
  host::named_var_set(id, host::named_var_get(id) + 1);
  if (code == host::service_code::kInstall) gauge->user_word += 1;
}
host::StaticImageElement counter_face{.element = {.kind = ElementKind::StaticImage, .bitmap = 400}};
host::Element* counter_elements[] = {&counter_face.element, nullptr};
host::GaugeHeader counter{
    .version = 800,
    .name = "Counter",
    .elements = counter_elements,
    .size_mm = 19,
    .callback = count_codes,
};

}  // namespace

extern "C" {
GAUGE_EXPORT host::Linkage<4> Linkage = {
    .head = {.module_id = host::kModuleId, .init = nothing, .deinit = nothing, .version = 0x900},
    .gauges = {&plain, &mouse_gauge, &display, &counter, nullptr},
};
}
