// The catapult gauge: a lever that arms the catapult, two buttons that set the launch speed, the
// speed readout, and the armed and ready lamps. Its callbacks hand the work to the controls and
// the launch update; everything it keeps lives in one module-wide state.
#include <cstdio>

#include "catapult/catapult_controls.h"
#include "catapult/catapult_state.h"
#include "catapult/launch_update.h"
#include "host/default_routines.h"
#include "host/mouse_list.h"
#include "host/panel_services.h"

namespace catapult {

CatapultState& module_state() {
  static CatapultState state;
  return state;
}

namespace {

constexpr std::uint32_t kImageFlags = 0x83;
constexpr std::int32_t kIconMode = 3;

// --- Callbacks -------------------------------------------------------------------------------

void HOST_CALL gauge_callback(host::GaugeHeader* gauge, std::int32_t service_code, std::uint32_t) {
  CatapultState& state = module_state();
  switch (service_code) {
    case host::service_code::kTreeReady:
      host::named_var_link(state.zone_link, "in_catapult_zone");
      break;
    case host::service_code::kUpdate:
      update(state, gauge != nullptr ? gauge->parameters : nullptr);
      break;
    case host::service_code::kReset:
      on_reset(state);
      break;
    case host::service_code::kSimWindowOpen:
      on_sim_window_open(state);
      break;
    case host::service_code::kSimWindowClose:
      on_sim_window_close(state);
      break;
    default:
      break;
  }
}

double HOST_CALL armed_lamp(host::Element*) {
  return module_state().armed;
}

double HOST_CALL ready_lamp(host::Element*) {
  const CatapultState& state = module_state();
  return state.zone == 1 && state.disabled == 0 ? 1 : 0;
}

// At least three digits with leading zeros, cut to what the element's buffer holds. The format
// is the gauge's own, with its zero flag written three times; printf takes repeated flags.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
double HOST_CALL launch_speed_text(host::Element* element) {
  auto& text = host::as<host::StringElement>(*element);
  if (text.text != nullptr && text.max_chars > 0) {
    std::snprintf(text.text, static_cast<std::size_t>(text.max_chars) + 1, "%0003.0f",
                  static_cast<double>(module_state().launch_speed));
  }
  return 0.0;
}
#pragma GCC diagnostic pop

std::int32_t HOST_CALL decrease_button(host::MouseContext*, std::uint32_t) {
  decrease_launch_speed(module_state());
  return 0;
}

std::int32_t HOST_CALL increase_button(host::MouseContext*, std::uint32_t) {
  increase_launch_speed(module_state());
  return 0;
}

std::int32_t HOST_CALL arm_lever(host::MouseContext*, std::uint32_t) {
  work_arm_lever(module_state());
  return 0;
}

// --- Records, root first ---------------------------------------------------------------------

extern host::GaugeHeader catapult_header;

host::FailureRecord no_failures[] = {{.key = 0, .action = 0}};

// The fields every element of the gauge shares: drawn with flags 0x83, no failures.
constexpr host::Element element(host::ElementKind kind, std::int32_t bitmap, host::Point position,
                                host::Element** children) {
  return {.kind = kind,
          .bitmap = bitmap,
          .position = position,
          .gauge = &catapult_header,
          .children = children,
          .failures = no_failures,
          .image_flags = kImageFlags};
}

// A two-state lamp with no source variable: its callback alone picks the picture.
constexpr host::IconElement lamp(std::int32_t bitmap, host::Point position,
                                 host::Element** children, host::UpdateCallback update) {
  return {.element = element(host::ElementKind::Icon, bitmap, position, children),
          .source = {.token = 0},
          .icon_mode = kIconMode,
          .scale = 0.0,
          .state_count = 2,
          .update = update};
}

host::IconElement ready_icon = lamp(6400, {83, 5}, nullptr, ready_lamp);
host::Element* speed_children[] = {&ready_icon.element, nullptr};

host::StringElement speed_string{
    .element = element(host::ElementKind::String, -1, {73, 32}, speed_children),
    .sources = {},
    .text = nullptr,
    .box_width = 55,
    .box_height = 42,
    .foreground = 0xFFFFFF,
    .background = 0,
    .highlight = 0,
    .font = "Glass Gauge",
    .font_weight = 600,
    .charset = 1,
    .format = 0x4240,
    .max_chars = 3,
    .update = launch_speed_text};
host::Element* armed_children[] = {&speed_string.element, nullptr};

host::IconElement armed_icon = lamp(4352, {20, 21}, armed_children, armed_lamp);
host::Element* face_children[] = {&armed_icon.element, nullptr};

host::StaticImageElement face{
    .element = element(host::ElementKind::StaticImage, 5376, {0, 0}, face_children)};
host::Element* background_children[] = {&face.element, nullptr};

host::StaticImageElement background{
    .element = element(host::ElementKind::StaticImage, 6144, {0, 0}, background_children)};
host::Element* elements[] = {&background.element, nullptr};

using namespace host::mouse;
constexpr std::uint32_t kLeftClick = host::mouse_event::kLeftClick;
host::MouseRect mouse_rects[] = {
    group(kWholeGauge),
    tooltip_text("Catapult"),
    hot_spot({60, 4, 30, 74}, host::cursor::kDecrease, kLeftClick, decrease_button),
    hot_spot({90, 4, 30, 74}, host::cursor::kIncrease, kLeftClick, increase_button),
    hot_spot({2, 2, 58, 74}, host::cursor::kPush, kLeftClick, arm_lever),
    end(),
};

constinit host::GaugeHeader catapult_header = host::with_default_routines<elements>({
    .version = 800,
    .name = "catapult",
    .elements = elements,
    .size_mm = 100,
    .mouse_rects = mouse_rects,
    .callback = gauge_callback,
});

void HOST_CALL module_init() {}
void HOST_CALL module_deinit() {}

}  // namespace
}  // namespace catapult

extern "C" {
GAUGE_EXPORT constinit host::Linkage<1> Linkage = {
    .head = {.module_id = host::kModuleId,
             .init = catapult::module_init,
             .deinit = catapult::module_deinit,
             .status = 0,
             .reserved = 0,
             .version = 0x900},
    .gauges = {&catapult::catapult_header, nullptr},
};
}
