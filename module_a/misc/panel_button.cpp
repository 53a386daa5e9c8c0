#include "module_a/misc/panel_button.h"

#include "module_a/frame/panel_windows.h"
#include "module_a/frame/window_keys.h"

namespace korvan::panel_button {

void HOST_CALL on_service(host::GaugeHeader* gauge, std::int32_t service_code, std::uint32_t) {
  if (service_code != host::service_code::kInstall || gauge == nullptr) return;
  install_params(gauge);
  // The user word marks an instance that has been installed before: "a" closes its window once.
  if (gauge->user_word == 0) {
    first_install_close(gauge);
    gauge->user_word = 1;
  }
}

std::int32_t HOST_CALL on_click(host::MouseContext* context, std::uint32_t) {
  const host::GaugeHeader* gauge = context != nullptr ? context->gauge : nullptr;
  if (window_actions(gauge) == 0) host::toggle_panel_window(panel_window::kMainPanel);
  return 0;
}

}  // namespace korvan::panel_button
