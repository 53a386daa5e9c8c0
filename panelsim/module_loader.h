#pragma once
// Loads a gauge module the way the simulator does: open the library, find its two exports,
// check the records, hand it our service table and call its init routine.

#include <memory>
#include <string>
#include <vector>

#include "host/gauge_records.h"

namespace panelsim {

class LoadedModule {
 public:
  // Throws LoadError with a message naming the file and what is wrong.
  static std::unique_ptr<LoadedModule> load(const std::string& path,
                                            const host::ServiceTable* services);
  ~LoadedModule();
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  const std::string& path() const { return path_; }
  std::string name() const;  // file name without folder and extension
  const std::vector<host::GaugeHeader*>& gauges() const { return gauges_; }
  host::GaugeHeader* find_gauge(const std::string& name) const;  // case-insensitive
  // What the gauge callback receives as the module handle at install.
  std::uint32_t install_handle() const;
  void* native_handle() const { return handle_; }
  void* resource_handle() const { return resource_handle_; }
  const host::ModuleLinkage& linkage() const { return *linkage_; }

 private:
  LoadedModule() = default;
  std::string path_;
  void* handle_ = nullptr;           // dlopen handle or HMODULE
  void* resource_handle_ = nullptr;  // what FindResourceA takes
  host::ModuleLinkage* linkage_ = nullptr;
  host::ImportTable* import_table_ = nullptr;
  std::vector<host::GaugeHeader*> gauges_;
};

// The checks a module's records must pass before any of them is used; empty when fine.
std::string check_gauge_records(const host::GaugeHeader& gauge);

// Walks a mouse list until the group opened by its first entry is closed; returns the number
// of entries including that closing end, or 0 when the list is not closed within the limit.
std::size_t mouse_list_length(const host::MouseRect* list, std::size_t limit = 4096);

}  // namespace panelsim
