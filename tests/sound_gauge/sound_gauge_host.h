#pragma once
// Drives the built sound gauge module the way a host does, with a host whose named variables
// the test reads and writes and which counts every call the gauge makes. Each harness loads the
// module afresh, so module-wide state starts over.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/panel_services.h"
#include "tests/module_a/loaded_module.h"

namespace sound_gauge_test {

struct HostCalls {
  int find = 0;
  int register_var = 0;
  int get = 0;
  int set = 0;
  int total() const { return find + register_var + get + set; }
};

struct VarWrite {
  std::string name;
  double value;
};

class SoundGaugeHost {
 public:
  explicit SoundGaugeHost(const std::string& module_path);
  ~SoundGaugeHost();
  SoundGaugeHost(const SoundGaugeHost&) = delete;
  SoundGaugeHost& operator=(const SoundGaugeHost&) = delete;

  bool loaded() const { return gauge_ != nullptr; }
  // The instance's parameter string (null: none).
  void set_parameters(std::optional<std::string> parameters);
  void service(std::int32_t code);
  void update() { service(host::service_code::kUpdate); }

  // Named variables, by name in any case; a variable the gauge never registered reads nullopt.
  void set_var(const std::string& name, double value);
  std::optional<double> var(const std::string& name) const;

  std::vector<std::string> registered;  // in the order the gauge registered them
  std::vector<VarWrite> writes;         // the gauge's named_var_set calls
  HostCalls calls;

 private:
  korvan_test::LoadedModule module_;
  host::ImportTable* import_table_ = nullptr;
  host::GaugeHeader instance_{};  // the instance's copy of the gauge header
  host::GaugeHeader* gauge_ = nullptr;
  std::optional<std::string> parameters_;
  host::ServiceTable table_{};
};

// The module file the build made.
std::string module_path();

}  // namespace sound_gauge_test
