#include "panelsim/module_listing.h"

#include <ostream>

#include "panelsim/host_texts.h"
#include "panelsim/module_loader.h"
#include "panelsim/text_util.h"

namespace panelsim {
namespace {

const char* kind_name(host::ElementKind k) {
  switch (k) {
    case host::ElementKind::StaticImage:
      return "static image";
    case host::ElementKind::Needle:
      return "needle";
    case host::ElementKind::String:
      return "string";
    case host::ElementKind::Slider:
      return "slider";
    case host::ElementKind::Icon:
      return "icon";
    case host::ElementKind::MovingImage:
      return "moving image";
    case host::ElementKind::Sprite:
      return "sprite";
  }
  return "?";
}

void print_element(const host::Element& e, int depth, std::ostream& out) {
  out << std::string(4 + 2 * depth, ' ') << kind_name(e.kind) << " bitmap " << e.bitmap << " at ("
      << e.position.x << "," << e.position.y << ")";
  if (e.image_flags) out << " flags " << hex(e.image_flags);
  if (e.kind == host::ElementKind::Needle) {
    const auto& n = host::as<host::NeedleElement>(e);
    out << " token " << n.source.token << ", " << n.point_count << " table points"
        << (n.update ? ", update callback" : "");
  } else if (e.kind == host::ElementKind::Icon) {
    const auto& i = host::as<host::IconElement>(e);
    out << " token " << i.source.token << ", " << i.state_count << " states"
        << (i.update ? ", update callback" : "");
  }
  out << "\n";
  if (!e.children) return;
  for (std::size_t i = 0; e.children[i]; ++i) print_element(*e.children[i], depth + 1, out);
}

void print_mouse(const host::MouseRect* list, std::ostream& out) {
  std::size_t n = mouse_list_length(list);
  int depth = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const host::MouseRect& r = list[i];
    std::string indent(4 + 2 * depth, ' ');
    auto box = [&] {
      return "(" + std::to_string(r.box.x) + "," + std::to_string(r.box.y) + "," +
             std::to_string(r.box.w) + "," + std::to_string(r.box.h) + ")";
    };
    switch (r.kind) {
      case host::MouseRectKind::Group:
        out << indent << "group " << box();
        if (r.help_id)
          out << " help " << hex(static_cast<std::uint32_t>(r.help_id)) << " \""
              << help_text(r.help_id) << "\"";
        out << "\n";
        ++depth;
        break;
      case host::MouseRectKind::End:
        --depth;
        break;
      case host::MouseRectKind::HotSpot:
        out << indent << "hot spot " << box() << " cursor " << r.cursor << " events "
            << hex(r.event_mask);
        if (r.function) {
          out << " mouse function";
        } else {
          out << " key event " << hex(r.key_event);
        }
        out << "\n";
        break;
      case host::MouseRectKind::Tooltip:
        out << indent << "tool-tip ";
        if (r.text) {
          out << "\"" << r.text << "\"";
          if (r.arg_count) out << " with " << r.arg_count << " arguments";
        } else {
          out << "id " << hex(static_cast<std::uint32_t>(r.tooltip_id)) << " \""
              << tooltip_id_text(r.tooltip_id) << "\"";
        }
        out << "\n";
        break;
    }
  }
}

}  // namespace

void print_module_listing(LoadedModule& module, std::ostream& out) {
  const auto& l = module.linkage();
  out << module.name() << ": module id " << hex(static_cast<std::uint32_t>(l.module_id))
      << ", version " << hex(static_cast<std::uint32_t>(l.version)) << ", "
      << module.gauges().size() << " gauges\n";
  int number = 0;
  for (const host::GaugeHeader* g : module.gauges()) {
    out << "\n"
        << ++number << ". " << g->name << "  (" << g->size_mm << " mm, header version "
        << g->version << (g->callback ? ", gauge callback" : "") << ")\n";
    out << "  elements:\n";
    print_element(*g->elements[0], 0, out);
    if (g->mouse_rects) {
      out << "  mouse:\n";
      print_mouse(g->mouse_rects, out);
    }
  }
}

}  // namespace panelsim
