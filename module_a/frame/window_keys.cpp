#include "module_a/frame/window_keys.h"

#include <algorithm>

#include "host/panel_services.h"
#include "host/tokens.h"
#include "module_a/frame/param_language.h"

namespace korvan {
namespace {

const char* parameters_of(const host::GaugeHeader* gauge) {
  if (gauge == nullptr || gauge->parameters == nullptr || *gauge->parameters == '\0') {
    return nullptr;
  }
  return gauge->parameters;
}

// Every occurrence of key, each search starting just after the previous hit.
void send_for_each_window_key(const char* parameters, char key, std::uint32_t event) {
  for (const char* value = param_search(parameters, key); value != nullptr;
       value = param_search(value, key)) {
    const std::int32_t ident = panel_ident_value(value);
    if (ident >= 0) host::send_key_event(event, static_cast<std::uint32_t>(ident));
  }
}

void move_view(std::int32_t steps) {
  if (steps == 0) {
    host::send_key_event(host::key_event::kViewReset, 0);
    return;
  }
  // Widened before negating: the most negative 32-bit value has no 32-bit opposite.
  const std::int64_t wanted = steps;
  const std::uint32_t event =
      wanted > 0 ? host::key_event::kViewStepPositive : host::key_event::kViewStepNegative;
  const std::int64_t count = std::min<std::int64_t>(wanted > 0 ? wanted : -wanted, kMostViewSteps);
  for (std::int64_t i = 0; i < count; ++i) host::send_key_event(event, 0);
}

host::Element* root_element(host::GaugeHeader& gauge) {
  return gauge.elements != nullptr ? gauge.elements[0] : nullptr;
}

bool is_button_face(std::int32_t bitmap) {
  return bitmap % 10 == 0 && bitmap >= 100 && bitmap <= 200;
}

}  // namespace

int window_actions(const host::GaugeHeader* gauge) {
  const char* parameters = parameters_of(gauge);
  if (parameters == nullptr) return 0;
  send_for_each_window_key(parameters, 'o', host::key_event::kPanelWindowOpen);
  send_for_each_window_key(parameters, 'c', host::key_event::kPanelWindowClose);
  send_for_each_window_key(parameters, 't', host::key_event::kPanelWindowToggle);
  if (const char* view = param_search(parameters, 'p')) move_view(read_integer(view));
  return 1;
}

void install_params(host::GaugeHeader* gauge) {
  const char* parameters = parameters_of(gauge);
  if (parameters == nullptr) return;
  if (const char* face = param_search(parameters, 'b')) {
    const std::int32_t bitmap = read_integer(face);
    host::Element* root = root_element(*gauge);
    if (root == nullptr || !is_button_face(bitmap)) return;
    root->bitmap = bitmap;
  }
  if (const char* help = param_search(parameters, 'h')) {
    // Only a group carries a help id; the same word of any other entry means something else.
    host::MouseRect* outer = gauge->mouse_rects;
    if (outer != nullptr && outer->kind == host::MouseRectKind::Group) {
      outer->help_id = help_id_value(help);
    }
  }
}

void first_install_close(const host::GaugeHeader* gauge) {
  const char* parameters = parameters_of(gauge);
  if (parameters == nullptr) return;
  if (const char* window = param_search(parameters, 'a')) {
    const std::int32_t ident = panel_ident_value(window);
    if (ident >= 0) {
      host::send_key_event(host::key_event::kPanelWindowClose, static_cast<std::uint32_t>(ident));
    }
  }
}

}  // namespace korvan
