#include "panelsim/mouse_map.h"

#include <algorithm>

namespace panelsim {

MouseMap::MouseMap(const host::MouseRect* list, std::size_t count) {
  std::vector<int> open;  // region indexes of the open groups
  for (std::size_t i = 0; i < count; ++i) {
    const host::MouseRect& r = list[i];
    if (r.kind == host::MouseRectKind::End) {
      if (!open.empty()) open.pop_back();
      continue;
    }
    MouseRegion region{&r,
                       static_cast<int>(i),
                       open.empty() ? -1 : open.back(),
                       static_cast<int>(open.size()),
                       r.box.w == 0 && r.box.h == 0,
                       r.box};
    // Relative to the nearest enclosing group that has a box of its own.
    for (int p = region.parent; p >= 0; p = regions_[p].parent) {
      if (!regions_[p].whole_gauge) {
        region.box.x += regions_[p].box.x;
        region.box.y += regions_[p].box.y;
        break;
      }
    }
    regions_.push_back(region);
    if (r.kind == host::MouseRectKind::Group) open.push_back(static_cast<int>(regions_.size() - 1));
  }
}

bool MouseMap::contains(const MouseRegion& r, int x, int y) const {
  if (r.whole_gauge) return true;
  return x >= r.box.x && y >= r.box.y && x < r.box.x + r.box.w && y < r.box.y + r.box.h;
}

const MouseRegion* MouseMap::hot_spot_at(int x, int y, std::uint32_t event) const {
  for (const auto& r : regions_) {
    if (r.rect->kind != host::MouseRectKind::HotSpot || !contains(r, x, y)) continue;
    if (event != 0 && (r.rect->event_mask & event) == 0) continue;
    return &r;
  }
  return nullptr;
}

const MouseRegion* MouseMap::hot_spot_by_number(int k) const {
  for (const auto& r : regions_) {
    if (r.rect->kind == host::MouseRectKind::HotSpot && k-- == 0) return &r;
  }
  return nullptr;
}

std::vector<const MouseRegion*> MouseMap::groups_under(int x, int y) const {
  std::vector<const MouseRegion*> groups;
  for (const auto& r : regions_) {
    if (r.rect->kind == host::MouseRectKind::Group && contains(r, x, y)) groups.push_back(&r);
  }
  std::stable_sort(groups.begin(), groups.end(),
                   [](auto* a, auto* b) { return a->depth > b->depth; });
  return groups;
}

std::int32_t MouseMap::help_at(int x, int y) const {
  for (const MouseRegion* g : groups_under(x, y)) {
    if (g->rect->help_id != 0) return g->rect->help_id;
  }
  return 0;
}

const host::MouseRect* MouseMap::tooltip_at(int x, int y) const {
  for (const MouseRegion* g : groups_under(x, y)) {
    int group_index = static_cast<int>(g - regions_.data());
    for (const auto& r : regions_) {
      if (r.rect->kind == host::MouseRectKind::Tooltip && r.parent == group_index) return r.rect;
    }
  }
  return nullptr;
}

std::int32_t MouseMap::cursor_at(int x, int y) const {
  const MouseRegion* r = hot_spot_at(x, y);
  return r ? r->rect->cursor : host::cursor::kNone;
}

}  // namespace panelsim
