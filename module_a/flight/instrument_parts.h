#pragma once
// Builders for the records of the flight instruments. Each instrument is a single chain of
// elements from its dial down to its cover; a builder takes the next element's child list.
#include <array>
#include <cstdint>

#include "host/mouse_list.h"

namespace korvan::flight {

using host::Element;
using host::Point;
using host::mouse::end;
using host::mouse::group;
using host::mouse::hot_spot;
using host::mouse::key_spot;
using host::mouse::kWholeGauge;
using host::mouse::tooltip_id;

// The knobs act on a click and keep acting while the button is held.
inline constexpr std::uint32_t kKnobPress =
    host::mouse_event::kLeftClick | host::mouse_event::kHeld;

inline constexpr std::uint32_t kLitFace = 0x4003;
inline constexpr std::uint32_t kLitPart = 0x4083;
inline constexpr std::uint32_t kCover = 0x3;

constexpr host::HostVar token_var(std::int32_t token) {
  return {.token = token};
}

inline double needle_source(Element* element) {
  return host::as<host::NeedleElement>(*element).source.value.number();
}

constexpr host::StaticImageElement static_image(std::int32_t bitmap, Point at, std::uint32_t flags,
                                                Element** children) {
  return {.element = {.kind = host::ElementKind::StaticImage,
                      .bitmap = bitmap,
                      .position = at,
                      .children = children,
                      .image_flags = flags}};
}

struct NeedleParts {
  std::int32_t bitmap;
  Point pivot;
  Point needle_pivot;
  std::int32_t source;
  host::UpdateCallback update;
  host::FailureRecord* failures;
};

// A calibration table; each needle keeps its own copy, since the host writes the point angles.
template <std::size_t Points>
using Table = std::array<host::NonlinearityPoint, Points>;

template <std::size_t Points>
constexpr host::NeedleElement needle(const NeedleParts& parts, Table<Points>& table,
                                     Element** children) {
  return {.element = {.kind = host::ElementKind::Needle,
                      .bitmap = parts.bitmap,
                      .position = parts.pivot,
                      .offset = parts.needle_pivot,
                      .children = children,
                      .failures = parts.failures,
                      .image_flags = kLitPart},
          .source = token_var(parts.source),
          .table = table.data(),
          .point_count = static_cast<std::int32_t>(Points),
          .max_rate = 0.0,
          .update = parts.update};
}

// The gauge header every flight instrument shares: version 800, no gauge callback.
constexpr host::GaugeHeader instrument(const char* name, std::int32_t size_mm, Element** elements,
                                       host::MouseRect* mouse_rects) {
  return {.version = 800,
          .name = name,
          .elements = elements,
          .size_mm = size_mm,
          .mouse_rects = mouse_rects};
}

}  // namespace korvan::flight
