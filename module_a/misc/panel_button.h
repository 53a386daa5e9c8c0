#pragma once
// The records every panel button shares: a 19 mm gauge with one static face and one push hot
// spot inside an outer group that carries its help id. Programmable buttons act through their
// parameter string; fixed buttons let the host send the key event their hot spot carries.
#include <cstdint>

#include "host/mouse_list.h"

namespace korvan::panel_button {

// Gauge callback of a programmable button: applies its parameter string at every install.
void HOST_CALL on_service(host::GaugeHeader* gauge, std::int32_t service_code, std::uint32_t extra);

// Mouse function of a programmable button: runs the click keys of its parameter string, or
// toggles the main panel window when it has none.
std::int32_t HOST_CALL on_click(host::MouseContext* context, std::uint32_t event);

inline constexpr host::Box kHotSpot{3, 3, 13, 13};

constexpr host::StaticImageElement face(std::int32_t bitmap, host::GaugeHeader* gauge) {
  return {.element = {.kind = host::ElementKind::StaticImage,
                      .bitmap = bitmap,
                      .position = {0, 0},
                      .gauge = gauge,
                      .image_flags = 0x3}};
}

constexpr host::MouseRect programmable_spot() {
  return host::mouse::hot_spot(kHotSpot, host::cursor::kPush, host::mouse_event::kLeftClick,
                               on_click);
}

constexpr host::MouseRect fixed_spot(std::uint32_t key_event) {
  return host::mouse::key_spot(kHotSpot, host::cursor::kPush, host::mouse_event::kLeftClick,
                               key_event);
}

constexpr host::GaugeHeader header(const char* name, host::Element** elements,
                                   host::MouseRect* mouse_rects, host::GaugeCallback callback) {
  return {.version = 800,
          .name = name,
          .elements = elements,
          .size_mm = 19,
          .mouse_rects = mouse_rects,
          .callback = callback};
}

constexpr host::GaugeHeader programmable(const char* name, host::Element** elements,
                                         host::MouseRect* mouse_rects) {
  return header(name, elements, mouse_rects, on_service);
}

constexpr host::GaugeHeader fixed(const char* name, host::Element** elements,
                                  host::MouseRect* mouse_rects) {
  return header(name, elements, mouse_rects, nullptr);
}

}  // namespace korvan::panel_button
