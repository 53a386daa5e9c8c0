#include "module_a/frame/param_language.h"

#include <array>
#include <string_view>

#include "module_a/frame/panel_windows.h"

namespace korvan {
namespace {

struct NamedNumber {
  std::string_view name;
  std::int32_t value;
};

// Tried in this order; a text counts as a name when it begins with it.
constexpr std::array kPanelWindowNames{
    NamedNumber{"MAIN_PANEL", panel_window::kMainPanel},
    NamedNumber{"RADIO_STACK_PANEL", panel_window::kRadioStack},
    NamedNumber{"COMPASS_PANEL", panel_window::kCompass},
    NamedNumber{"ANNUNCIATOR_PANEL", panel_window::kAnnunciator},
    NamedNumber{"ANNUNCIATOR2_PANEL", panel_window::kAnnunciator2},
    NamedNumber{"COLLECTIVE_PANEL", panel_window::kCollective},
    NamedNumber{"THROTTLE_PANEL", panel_window::kThrottle},
    NamedNumber{"MINI_CONTROLS_PANEL", panel_window::kMiniControls},
    NamedNumber{"IFR_MAIN_PANEL", panel_window::kIfrMainPanel},
    NamedNumber{"GPS_PANEL", panel_window::kGps},
    NamedNumber{"OVERHEAD_PANEL", panel_window::kOverhead},
};

constexpr std::array kHelpNames{
    NamedNumber{"TOGGLE_RADIO_WINDOW", help_id::kToggleRadioWindow},
    NamedNumber{"TOGGLE_GPS_WINDOW", help_id::kToggleGpsWindow},
    NamedNumber{"TOGGLE_THROTTLE_WINDOW", help_id::kToggleThrottleWindow},
    NamedNumber{"TOGGLE_COMPASS_WINDOW", help_id::kToggleCompassWindow},
    NamedNumber{"TOGGLE_FUEL_WINDOW", help_id::kToggleFuelWindow},
    NamedNumber{"TOGGLE_COLLECTIVE_WINDOW", help_id::kToggleCollectiveWindow},
};

bool is_comment(char c) {
  return c == '/' || c == '#' || c == '\'';
}

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <std::size_t N>
const NamedNumber* name_at_start(const char* text, const std::array<NamedNumber, N>& names) {
  const std::string_view whole(text);
  for (const NamedNumber& entry : names) {
    if (whole.starts_with(entry.name)) return &entry;
  }
  return nullptr;
}

}  // namespace

const char* param_search(const char* text, char key) {
  if (text == nullptr) return nullptr;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == key) return p + 1;
    if (is_comment(*p)) return nullptr;
  }
  return nullptr;
}

std::int32_t read_integer(const char* text) {
  if (text == nullptr) return 0;
  const char* p = text;
  while (is_blank(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  // Unsigned arithmetic wraps instead of overflowing, so any digit string is safe to read.
  std::uint32_t magnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(*p - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

std::int32_t panel_ident_value(const char* text) {
  if (text == nullptr || *text == '\0') return -1;
  if (const NamedNumber* named = name_at_start(text, kPanelWindowNames)) return named->value;
  return read_integer(text);
}

std::int32_t help_id_value(const char* text) {
  if (text == nullptr || *text == '\0') return 0;
  if (const NamedNumber* named = name_at_start(text, kHelpNames)) return named->value;
  const std::int32_t number = read_integer(text);
  return number >= help_id::kLowestNumbered ? number : 0;
}

}  // namespace korvan
