#pragma once
// A host service table that records what a module asks of the host: key events with their
// parameters and panel-window toggles. It installs itself into the ImportTable it is given and
// leaves it empty again when it goes.
#include <cstdint>
#include <utility>
#include <vector>

#include "host/panel_services.h"

namespace korvan_test {

using KeyEvent = std::pair<std::uint32_t, std::uint32_t>;  // event, parameter

class FakeHost {
 public:
  explicit FakeHost(host::ImportTable& import_table);
  ~FakeHost();
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  std::vector<KeyEvent> keys;
  std::vector<std::int32_t> toggled_windows;

 private:
  host::ImportTable& import_table_;
  host::ServiceTable table_{};
};

}  // namespace korvan_test
