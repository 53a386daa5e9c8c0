#include "panelsim/panel.h"

#include <cstring>
#include <filesystem>

#include "panelsim/display_rules.h"
#include "panelsim/errors.h"
#include "panelsim/host_services.h"
#include "panelsim/host_texts.h"
#include "panelsim/text_util.h"
#include "panelsim/tooltip_format.h"
#include "platform/windows_api.h"
#if !defined(_WIN32)
#include "platform/native/sim_clock.h"
#endif

namespace fs = std::filesystem;

namespace panelsim {
namespace {
const char* button_name(std::uint32_t event) {
  switch (event) {
    case host::mouse_event::kRightClick:
      return "right";
    case host::mouse_event::kLeftDrag:
      return "left drag";
    default:
      return "left";
  }
}
}  // namespace

// Marks which instance's code is running, so the trace can say who sent what.
struct Panel::CallScope {
  CallScope(Panel& p, const GaugeInstance& g) : panel(p), saved(p.caller_) { p.caller_ = g.name(); }
  ~CallScope() { panel.caller_ = saved; }
  Panel& panel;
  std::string saved;
};

Panel::Panel(std::string sim_root, Trace& trace)
    : sim_root_(std::move(sim_root)), trace_(trace), model_(trace), sounds_(sim_root_) {
  fill_service_table(services_);
  set_active_panel(this);
  offset_server_.on_access(
      [this](const OffsetAccess& access) { trace_.record(offset_access_event(access)); });
  offset_window_ = std::make_unique<OffsetServerWindow>(offset_server_);
#if !defined(_WIN32)
  platform::set_sim_time(0.0);
#endif
  // Relative paths in the modules (sounds, INI files) resolve against the simulator root.
  if (!sim_root_.empty()) {
    std::error_code ec;
    fs::current_path(sim_root_, ec);
    if (ec) throw LoadError(sim_root_ + ": cannot enter the simulator folder: " + ec.message());
    sim_root_ = fs::current_path().string();
    sounds_ = SoundTrace(sim_root_);
  }
}

Panel::~Panel() {
  for (auto& g : instances_) {
    if (g->installed()) kill(*g);
  }
  instances_.clear();
  modules_.clear();
  set_active_panel(nullptr);
}

std::string Panel::find_module_file(const std::string& name) const {
  // Module files live in the Gauges folder; names match whatever their case.
  std::string wanted = to_lower(name) + ".gau";
  std::error_code ec;
  for (const auto& dir : fs::directory_iterator(fs::path(sim_root_), ec)) {
    if (!dir.is_directory() || !iequals(dir.path().filename().string(), "Gauges")) continue;
    for (const auto& file : fs::directory_iterator(dir.path(), ec)) {
      if (to_lower(file.path().filename().string()) == wanted) return file.path().string();
    }
  }
  return {};
}

LoadedModule& Panel::module(const std::string& name) {
  std::string key = to_lower(name);
  if (auto it = modules_.find(key); it != modules_.end()) return *it->second;
  std::string path = find_module_file(name);
  if (path.empty()) {
    throw LoadError(sim_root_ + "/Gauges: no module file \"" + name + ".gau\"");
  }
  auto loaded = LoadedModule::load(path, &services_);
  trace_.record(
      {{"event", "module"}, {"name", loaded->name()}, {"gauges", loaded->gauges().size()}});
  return *modules_.emplace(key, std::move(loaded)).first->second;
}

void Panel::measure(GaugeInstance& g) {
  // The gauge's size is that of its root bitmap, when the module carries the bitmap.
  host::Element* root = g.root();
  if (!root) return;
  HMODULE handle = static_cast<HMODULE>(g.module().resource_handle());
  HRSRC res = FindResourceA(handle, MAKEINTRESOURCEA(root->bitmap), RT_BITMAP);
  if (!res || SizeofResource(handle, res) < 12) return;
  const auto* bytes = static_cast<const unsigned char*>(LockResource(LoadResource(handle, res)));
  if (!bytes) return;
  std::int32_t w = 0, h = 0;
  std::memcpy(&w, bytes + 4, 4);
  std::memcpy(&h, bytes + 8, 4);
  g.set_size(w, h < 0 ? -h : h);
}

GaugeInstance& Panel::place(const std::string& name, const std::string& module_name,
                            const std::string& gauge_name, std::optional<std::string> parameters,
                            int window_ident) {
  LoadedModule& m = module(module_name);
  host::GaugeHeader* prototype = m.find_gauge(gauge_name);
  if (!prototype) {
    throw LoadError(m.path() + ": no gauge named \"" + gauge_name + "\"");
  }
  if (instance(name) && instance(name)->name() == name) {
    throw LoadError("an instance named \"" + name + "\" exists already");
  }
  instances_.push_back(
      std::make_unique<GaugeInstance>(name, m, *prototype, std::move(parameters), window_ident));
  GaugeInstance& g = *instances_.back();
  for (auto& node : g.nodes()) {
    if (node.element->kind == host::ElementKind::Needle) {
      auto& n = host::as<host::NeedleElement>(*node.element);
      compute_table_angles(n.table, n.point_count, node.element->position);
    }
  }
  measure(g);
  install(g);
  return g;
}

GaugeInstance* Panel::instance(const std::string& name) {
  GaugeInstance* by_gauge = nullptr;
  int matches = 0;
  for (auto& g : instances_) {
    if (g->name() == name) return g.get();
    if (iequals(g->header().name ? g->header().name : "", name)) {
      by_gauge = g.get();
      ++matches;
    }
  }
  return matches == 1 ? by_gauge : nullptr;
}

void Panel::load_config(const std::string& path) {
  fs::path full = fs::path(path).is_absolute() ? fs::path(path) : fs::path(sim_root_) / path;
  PanelConfig config = read_panel_config(full.string());
  config_path_ = path;
  for (const auto& w : config.windows) {
    model_.add_window(w.ident, w.title, w.visible);
    for (const auto& gauge : w.gauges) {
      std::string name = w.section + "." + gauge.key;
      try {
        place(name, gauge.module, gauge.gauge, gauge.parameters, w.ident);
      } catch (const LoadError& e) {
        throw InputError(full.string(), gauge.line, e.what());
      }
    }
  }
}

void Panel::reload() {
  for (auto& g : instances_) {
    if (g->installed()) kill(*g);
  }
  instances_.clear();
  modules_.clear();
  trace_.record({{"event", "reload"}});
  if (config_path_) load_config(*config_path_);
}

void Panel::service(GaugeInstance& g, std::int32_t code, std::uint32_t extra) {
  trace_.record({{"event", "service"}, {"instance", g.name()}, {"code", code}});
  if (!g.header().callback) return;
  {
    CallScope scope(*this, g);
    g.header().callback(&g.header(), code, extra);
  }
  sounds_.drain(trace_);
}

void Panel::install(GaugeInstance& g) {
  trace_.record({{"event", "install"},
                 {"instance", g.name()},
                 {"gauge", g.header().name ? g.header().name : ""}});
  if (g.header().callback) {
    CallScope scope(*this, g);
    g.header().callback(&g.header(), host::service_code::kInstall, g.module().install_handle());
    g.header().callback(&g.header(), host::service_code::kTreeReady, 0);
  }
  g.set_installed(true);
}

void Panel::kill(GaugeInstance& g) {
  trace_.record({{"event", "kill"}, {"instance", g.name()}});
  if (g.header().callback) {
    CallScope scope(*this, g);
    g.header().callback(&g.header(), host::service_code::kKill, 0);
  }
  g.set_installed(false);
  sounds_.drain(trace_);
}

void Panel::service_all(std::int32_t code, std::uint32_t extra) {
  for (auto& g : instances_) {
    if (g->installed()) service(*g, code, extra);
  }
}

void Panel::refresh(GaugeInstance& g) {
  CallScope scope(*this, g);
  for (auto& node : g.nodes()) {
    ElementState before = node.state;
    refresh_element(node, model_, frame_seconds());
    const ElementState& now = node.state;
    auto changed = [&](const char* property, nlohmann::json value) {
      trace_.record({{"event", "element"},
                     {"instance", g.name()},
                     {"path", node.path},
                     {"property", property},
                     {"value", std::move(value)}});
    };
    if (!before.refreshed || before.bitmap != now.bitmap) changed("bitmap", now.bitmap);
    if (before.hidden != now.hidden) changed("hidden", now.hidden);
    if (before.text != now.text) changed("text", now.text);
    if (node.element->kind == host::ElementKind::Needle &&
        (!before.refreshed || std::abs(before.angle - now.angle) >= 0.05)) {
      changed("angle", std::round(now.angle * 10) / 10);
    }
    // Sliders and sprites move and turn: their changes are the readings a user sees.
    if (node.element->kind == host::ElementKind::Slider ||
        node.element->kind == host::ElementKind::Sprite) {
      auto moved = [&](const char* property, double was, double is) {
        if (!before.refreshed || std::abs(was - is) >= 0.05) {
          changed(property, std::round(is * 10) / 10 + 0.0);  // no "-0.0"
        }
      };
      moved("x", before.x, now.x);
      moved("y", before.y, now.y);
      if (node.element->kind == host::ElementKind::Sprite) {
        moved("rotation", before.rotation, now.rotation);
      }
    }
    if (before.failures != now.failures) changed("failures", now.failures);
  }
}

void Panel::run_frames(int count, bool paused) {
  for (int i = 0; i < count; ++i) {
    model_.advance(paused ? 0.0 : frame_seconds());
#if !defined(_WIN32)
    platform::set_sim_time(model_.seconds());
#endif
    for (auto& g : instances_) {
      if (!g->installed()) continue;
      if (g->header().callback) {
        CallScope scope(*this, *g);
        g->header().callback(&g->header(), host::service_code::kUpdate, 0);
      }
      refresh(*g);
    }
    sounds_.drain(trace_);
  }
}

int Panel::dispatch(GaugeInstance& g, const MouseRegion& region, int x, int y,
                    std::uint32_t event) {
  host::MouseRect* rect = g.mouse_list() + region.index;
  if (rect->function) {
    host::MouseContext context{x - region.box.x, y - region.box.y, &g.header(), rect};
    CallScope scope(*this, g);
    rect->function(&context, event);
  } else if (rect->key_event != 0) {
    // A hot spot without a mouse function: the host sends its key event.
    model_.key_event(rect->key_event, 0, g.name());
  }
  return region.index;
}

int Panel::click(GaugeInstance& g, int x, int y, std::uint32_t event) {
  MouseMap map(g.mouse_list(), g.mouse_count());
  const MouseRegion* r = map.hot_spot_at(x, y, event);
  trace_.record({{"event", "click"},
                 {"instance", g.name()},
                 {"x", x},
                 {"y", y},
                 {"button", button_name(event)},
                 {"hot_spot", r ? r->index : -1}});
  return r ? dispatch(g, *r, x, y, event) : -1;
}

int Panel::click_hot_spot(GaugeInstance& g, int number, std::uint32_t event) {
  MouseMap map(g.mouse_list(), g.mouse_count());
  const MouseRegion* r = map.hot_spot_by_number(number);
  if (!r) return -1;
  int x = r->whole_gauge ? 0 : r->box.x, y = r->whole_gauge ? 0 : r->box.y;
  trace_.record({{"event", "click"},
                 {"instance", g.name()},
                 {"x", x},
                 {"y", y},
                 {"button", button_name(event)},
                 {"hot_spot", r->index}});
  if ((r->rect->event_mask & event) == 0) return -1;
  return dispatch(g, *r, x, y, event);
}

std::string Panel::tooltip_at(GaugeInstance& g, int x, int y) {
  MouseMap map(g.mouse_list(), g.mouse_count());
  const host::MouseRect* t = map.tooltip_at(x, y);
  if (!t) return "";
  if (!t->text) return tooltip_id_text(t->tooltip_id);
  std::vector<TooltipValue> args;
  CallScope scope(*this, g);
  for (int i = 0; t->args && i < t->arg_count && i < 16; ++i) {
    host::TooltipArg& a = t->args[i];
    if (a.number) {
      args.emplace_back(a.number(0.0, 0, nullptr, &a.source, &g.header()));
    } else if (a.text) {
      const char* s = a.text(0.0, 0, nullptr, &a.source, &g.header());
      args.emplace_back(std::string(s ? s : ""));
    } else {
      args.emplace_back(std::string());
    }
  }
  return format_tooltip(t->text, args);
}

std::int32_t Panel::help_at(GaugeInstance& g, int x, int y) {
  return MouseMap(g.mouse_list(), g.mouse_count()).help_at(x, y);
}

std::int32_t Panel::cursor_at(GaugeInstance& g, int x, int y) {
  return MouseMap(g.mouse_list(), g.mouse_count()).cursor_at(x, y);
}

}  // namespace panelsim
