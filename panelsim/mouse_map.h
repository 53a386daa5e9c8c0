#pragma once
// Where the hot spots, groups and tool-tips of an instance's mouse list lie on the gauge.
// Boxes are background pixels; a box of width and height 0 is the whole gauge, and a box inside
// a group with a box of its own is relative to that group's box.

#include <optional>
#include <vector>

#include "host/panel_services.h"

namespace panelsim {

struct MouseRegion {
  const host::MouseRect* rect;
  int index;         // position in the mouse list
  int parent;        // index of the enclosing group's region, -1 for the outer group
  int depth;         // nesting level, 0 for the outer group
  bool whole_gauge;  // box of width and height 0
  host::Box box;     // absolute, in background pixels
};

class MouseMap {
 public:
  MouseMap(const host::MouseRect* list, std::size_t count);

  const std::vector<MouseRegion>& regions() const { return regions_; }
  // The first hot spot under the point (in list order), optionally one whose mask holds event.
  const MouseRegion* hot_spot_at(int x, int y, std::uint32_t event = 0) const;
  const MouseRegion* hot_spot_by_number(int k) const;  // k-th hot spot, 0-based
  // The innermost group under the point that has a help id / a tool-tip entry.
  std::int32_t help_at(int x, int y) const;
  const host::MouseRect* tooltip_at(int x, int y) const;
  std::int32_t cursor_at(int x, int y) const;

 private:
  bool contains(const MouseRegion& r, int x, int y) const;
  std::vector<const MouseRegion*> groups_under(int x, int y) const;  // innermost first
  std::vector<MouseRegion> regions_;
};

}  // namespace panelsim
