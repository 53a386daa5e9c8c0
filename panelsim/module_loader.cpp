#include "panelsim/module_loader.h"

#include <filesystem>

#include "panelsim/errors.h"
#include "panelsim/text_util.h"
#include "platform/windows_api.h"

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace panelsim {
namespace {

void* open_library(const std::string& path, std::string& error) {
#if defined(_WIN32)
  HMODULE h = LoadLibraryA(path.c_str());
  if (!h) error = "cannot load (Windows error " + std::to_string(GetLastError()) + ")";
  return reinterpret_cast<void*>(h);
#else
  void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!h) error = dlerror();
  return h;
#endif
}

void* find_export(void* handle, const char* name) {
#if defined(_WIN32)
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
#else
  return dlsym(handle, name);
#endif
}

void close_library(void* handle) {
#if defined(_WIN32)
  FreeLibrary(static_cast<HMODULE>(handle));
#else
  dlclose(handle);
#endif
}

constexpr std::size_t kMaxGauges = 1024;
constexpr std::size_t kMaxTreeDepth = 64;
constexpr std::size_t kMaxChildren = 4096;

bool known_kind(host::ElementKind kind) {
  auto k = static_cast<std::int32_t>(kind);
  return k >= 0 && k <= 6;
}

std::string check_tree(const host::Element* e, std::size_t depth) {
  if (depth > kMaxTreeDepth) return "element tree deeper than " + std::to_string(kMaxTreeDepth);
  if (!known_kind(e->kind)) {
    return "element of unknown kind " + std::to_string(static_cast<int>(e->kind));
  }
  if (e->kind == host::ElementKind::Needle) {
    const auto& n = host::as<host::NeedleElement>(*e);
    if (n.point_count < 0 || (n.point_count > 0 && !n.table)) {
      return "needle with " + std::to_string(n.point_count) + " points and no table";
    }
  }
  if (!e->children) return {};
  for (std::size_t i = 0; e->children[i]; ++i) {
    if (i >= kMaxChildren) return "child list not ended by null";
    if (auto err = check_tree(e->children[i], depth + 1); !err.empty()) return err;
  }
  return {};
}

}  // namespace

std::size_t mouse_list_length(const host::MouseRect* list, std::size_t limit) {
  if (!list || list[0].kind != host::MouseRectKind::Group) return 0;
  int depth = 0;
  for (std::size_t i = 0; i < limit; ++i) {
    switch (list[i].kind) {
      case host::MouseRectKind::Group:
        ++depth;
        break;
      case host::MouseRectKind::End:
        if (--depth == 0) return i + 1;
        break;
      case host::MouseRectKind::HotSpot:
      case host::MouseRectKind::Tooltip:
        break;
      default:
        return 0;  // not a mouse entry: the list ran into other data
    }
  }
  return 0;
}

std::string check_gauge_records(const host::GaugeHeader& gauge) {
  if (!gauge.name) return "gauge header without a name";
  std::string who = std::string("gauge \"") + gauge.name + "\": ";
  if (!gauge.elements || !gauge.elements[0]) return who + "no root element";
  if (gauge.elements[1]) return who + "more than one root element";
  if (auto err = check_tree(gauge.elements[0], 0); !err.empty()) return who + err;
  if (gauge.mouse_rects && mouse_list_length(gauge.mouse_rects) == 0) {
    return who + "mouse rectangle list is not closed (its first group never ends)";
  }
  return {};
}

std::unique_ptr<LoadedModule> LoadedModule::load(const std::string& path,
                                                 const host::ServiceTable* services) {
  std::unique_ptr<LoadedModule> m(new LoadedModule);
  m->path_ = path;
  std::string error;
  m->handle_ = open_library(path, error);
  if (!m->handle_) throw LoadError(path + ": " + error);
  m->linkage_ = static_cast<host::ModuleLinkage*>(find_export(m->handle_, "Linkage"));
  m->import_table_ = static_cast<host::ImportTable*>(find_export(m->handle_, "ImportTable"));
  if (!m->linkage_) throw LoadError(path + ": the module does not export Linkage");
  if (!m->import_table_) throw LoadError(path + ": the module does not export ImportTable");
#if defined(_WIN32)
  m->resource_handle_ = m->handle_;
#else
  m->resource_handle_ = platform::module_handle_of(m->linkage_);
#endif
  host::GaugeHeader* const* list = host::linkage_gauges(m->linkage_);
  for (std::size_t i = 0; list[i]; ++i) {
    if (i >= kMaxGauges) throw LoadError(path + ": the gauge list is not ended by null");
    if (auto err = check_gauge_records(*list[i]); !err.empty()) {
      throw LoadError(path + ": gauge " + std::to_string(i + 1) + ": " + err);
    }
    m->gauges_.push_back(list[i]);
  }
  m->import_table_->services = services;
  if (m->linkage_->init) m->linkage_->init();
  return m;
}

LoadedModule::~LoadedModule() {
  if (!handle_) return;
  if (linkage_ && import_table_ && import_table_->services && linkage_->deinit) {
    linkage_->deinit();
  }
  close_library(handle_);
}

std::string LoadedModule::name() const {
  return std::filesystem::path(path_).stem().string();
}

host::GaugeHeader* LoadedModule::find_gauge(const std::string& name) const {
  for (host::GaugeHeader* g : gauges_) {
    if (iequals(g->name, name)) return g;
  }
  return nullptr;
}

std::uint32_t LoadedModule::install_handle() const {
  // The 32-bit value the gauge callback gets at install: the module handle. Natively a handle
  // is wider than 32 bits, so modules there find their handle through the platform layer.
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(resource_handle_));
}

}  // namespace panelsim
