#include "panelsim/display_rules.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "panelsim/sim_model.h"

namespace panelsim {
namespace {

constexpr int kMaxFailureRecords = 64;

void refresh_source(host::HostVar& var, SimModel& model) {
  if (var.token == 0) return;
  var.previous = var.value;
  var.value = model.token(var.token);
}

double source_number(const host::HostVar& var) {
  return SimModel::is_integer_token(var.token) ? static_cast<double>(var.value.integer())
                                               : var.value.number();
}

double shown_value(host::UpdateCallback update, host::Element* e, const host::HostVar& source) {
  return update ? update(e) : source_number(source);
}

}  // namespace

double angle_from_pivot(host::Point pivot, host::Point tip) {
  double dx = tip.x - pivot.x, dy = tip.y - pivot.y;
  double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
  return degrees < 0 ? degrees + 360.0 : degrees;
}

void compute_table_angles(host::NonlinearityPoint* table, int count, host::Point pivot) {
  if (!table || count <= 0) return;
  double previous = angle_from_pivot(pivot, table[0].tip);
  table[0].angle = previous;
  for (int i = 1; i < count; ++i) {
    double here = angle_from_pivot(pivot, table[i].tip);
    double turn = std::fmod(here - std::fmod(previous, 360.0) + 720.0, 360.0);
    if (table[i].tip.x == table[i - 1].tip.x && table[i].tip.y == table[i - 1].tip.y) turn = 0.0;
    previous += turn;
    table[i].angle = previous;
  }
}

double table_angle(const host::NonlinearityPoint* t, int n, double v) {
  if (n <= 0) return v;
  if (n == 1) return t[0].angle;
  bool increasing = t[n - 1].value >= t[0].value;
  auto before = [&](double a, double b) { return increasing ? a < b : a > b; };
  // The segment whose values enclose v; beyond the ends, the first or last one.
  int i = 0;
  if (!before(v, t[0].value)) {
    i = n - 2;
    for (int k = 0; k + 1 < n; ++k) {
      if (!before(t[k + 1].value, v)) {
        i = k;
        break;
      }
    }
  }
  double span = t[i + 1].value - t[i].value;
  if (span == 0.0) return t[i].angle;
  return t[i].angle + (v - t[i].value) / span * (t[i + 1].angle - t[i].angle);
}

void refresh_element(ElementNode& node, SimModel& model, double dt) {
  host::Element* e = node.element;
  ElementState& s = node.state;
  s.bitmap = e->bitmap;
  switch (e->kind) {
    case host::ElementKind::StaticImage:
      break;
    case host::ElementKind::Needle: {
      auto& n = host::as<host::NeedleElement>(*e);
      refresh_source(n.source, model);
      s.value = shown_value(n.update, e, n.source);
      double target =
          n.table && n.point_count > 0 ? table_angle(n.table, n.point_count, s.value) : s.value;
      if (s.refreshed && n.max_rate > 0 && dt > 0) {
        double step = n.max_rate * dt;
        target = std::clamp(target, s.turned - step, s.turned + step);
      }
      s.turned = target;
      s.angle = std::fmod(std::fmod(target, 360.0) + 360.0, 360.0);
      break;
    }
    case host::ElementKind::String: {
      auto& str = host::as<host::StringElement>(*e);
      for (auto& source : str.sources) refresh_source(source, model);
      if (str.update) {
        s.value = str.update(e);
        std::size_t max = str.max_chars > 0 ? static_cast<std::size_t>(str.max_chars) : 0;
        s.text.assign(str.text, strnlen(str.text, max));
      } else {
        s.value = source_number(str.sources[0]);
        s.text = std::to_string(s.value);
      }
      break;
    }
    case host::ElementKind::Slider: {
      auto& sl = host::as<host::SliderElement>(*e);
      refresh_source(sl.x_source, model);
      refresh_source(sl.y_source, model);
      s.x = shown_value(sl.x_update, e, sl.x_source) * sl.x_scale;
      s.y = shown_value(sl.y_update, e, sl.y_source) * sl.y_scale;
      s.value = s.x;
      break;
    }
    case host::ElementKind::Icon: {
      auto& icon = host::as<host::IconElement>(*e);
      refresh_source(icon.source, model);
      s.value = shown_value(icon.update, e, icon.source);
      s.state = static_cast<int>(s.value);
      s.bitmap = s.state >= 0 ? e->bitmap + s.state : -1;
      break;
    }
    case host::ElementKind::MovingImage: {
      auto& m = host::as<host::MovingImageElement>(*e);
      refresh_source(m.x_source, model);
      refresh_source(m.y_source, model);
      auto fraction = [](double v, double lo, double hi) {
        return hi == lo ? 0.0 : std::clamp((v - lo) / (hi - lo), 0.0, 1.0);
      };
      s.value = shown_value(m.x_update, e, m.x_source);
      s.x = fraction(s.value, m.x_min, m.x_max);
      s.y = fraction(shown_value(m.y_update, e, m.y_source), m.y_min, m.y_max);
      break;
    }
    case host::ElementKind::Sprite: {
      auto& sp = host::as<host::SpriteElement>(*e);
      refresh_source(sp.x_source, model);
      refresh_source(sp.y_source, model);
      refresh_source(sp.rotation_source, model);
      s.x = shown_value(sp.x_update, e, sp.x_source) * sp.x_scale;
      s.y = shown_value(sp.y_update, e, sp.y_source) * sp.y_scale;
      s.rotation = shown_value(sp.rotation_update, e, sp.rotation_source) * sp.rotation_scale;
      s.value = s.rotation;
      break;
    }
  }
  s.failures.clear();
  if (e->failures) {
    for (int i = 0; i < kMaxFailureRecords && e->failures[i].key != 0; ++i) {
      if (model.failure_active(e->failures[i].key)) s.failures.push_back(e->failures[i].key);
    }
  }
  s.hidden = (e->image_flags & host::image_flag::kHidden) != 0 ||
             (e->kind == host::ElementKind::Icon && s.state < 0);
  s.refreshed = true;
}

}  // namespace panelsim
