#pragma once
// Builders for mouse rectangle lists, so a gauge's list reads like the panel:
//   group(box, help) ... tooltip_text("...") ... hot_spot(box, cursor, mask, fn) ... end()

#include "host/panel_services.h"

namespace host::mouse {

inline constexpr Box kWholeGauge{0, 0, 0, 0};

constexpr MouseRect group(Box box, std::int32_t help_id = 0) {
  MouseRect r{};
  r.kind = MouseRectKind::Group;
  r.box = box;
  r.cursor = cursor::kNone;
  r.help_id = help_id;
  return r;
}

constexpr MouseRect end() {
  MouseRect r{};
  r.kind = MouseRectKind::End;
  r.cursor = cursor::kNone;
  return r;
}

constexpr MouseRect hot_spot(Box box, std::int32_t cursor, std::uint32_t mask, MouseFunction fn) {
  MouseRect r{};
  r.kind = MouseRectKind::HotSpot;
  r.box = box;
  r.cursor = cursor;
  r.event_mask = mask;
  r.function = fn;
  return r;
}

// A hot spot whose click makes the host send a key event.
constexpr MouseRect key_spot(Box box, std::int32_t cursor, std::uint32_t mask,
                             std::uint32_t key_event) {
  MouseRect r{};
  r.kind = MouseRectKind::HotSpot;
  r.box = box;
  r.cursor = cursor;
  r.event_mask = mask;
  r.key_event = key_event;
  r.function = nullptr;
  return r;
}

constexpr MouseRect tooltip_text(const char* text, std::int32_t arg_count = 0,
                                 TooltipArg* args = nullptr) {
  MouseRect r{};
  r.kind = MouseRectKind::Tooltip;
  r.cursor = cursor::kNone;
  r.tooltip_id = 0;
  r.arg_count = arg_count;
  r.text = text;
  r.args = args;
  return r;
}

constexpr MouseRect tooltip_id(std::int32_t id) {
  MouseRect r{};
  r.kind = MouseRectKind::Tooltip;
  r.cursor = cursor::kNone;
  r.tooltip_id = id;
  r.text = nullptr;
  return r;
}

constexpr TooltipArg number_arg(TooltipNumberCallback fn) {
  TooltipArg a{};
  a.number = fn;
  return a;
}

constexpr TooltipArg text_arg(TooltipTextCallback fn) {
  TooltipArg a{};
  a.text = fn;
  return a;
}

}  // namespace host::mouse
