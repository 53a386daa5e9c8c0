#pragma once
// Named local panel variables that gauges register, read and write, and the data the simulator
// publishes under a name for named_var_link.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace panelsim {

class NamedVars {
 public:
  std::int32_t find(const std::string& name) const;  // -1 when unknown
  std::int32_t register_var(const std::string& name);
  bool valid(std::int32_t id) const {
    return id >= 0 && id < static_cast<std::int32_t>(vars_.size());
  }
  double get(std::int32_t id) const { return valid(id) ? vars_[id].value : 0.0; }
  void set(std::int32_t id, double value) {
    if (valid(id)) vars_[id].value = value;
  }
  const std::string& name(std::int32_t id) const { return vars_.at(id).name; }
  std::optional<double> value(const std::string& name) const;
  void set_by_name(const std::string& name, double value) { set(register_var(name), value); }
  std::size_t size() const { return vars_.size(); }

  // Published data: bytes another module offers under a name (a byte, a double, ...).
  void publish(const std::string& name, std::vector<std::uint8_t> bytes);
  // Takes the name away. A gauge that linked the data earlier keeps reading its last bytes,
  // which stay in memory as long as the variables do.
  void unpublish(const std::string& name);
  void* published(const std::string& name);  // null when nothing is published under it

 private:
  struct Var {
    std::string name;
    double value = 0.0;
  };
  std::vector<Var> vars_;
  std::map<std::string, std::int32_t> ids_;                // lower-case name → id
  std::map<std::string, std::vector<std::uint8_t>> data_;  // lower-case name → bytes
  std::vector<std::vector<std::uint8_t>> retired_;         // unpublished, still linked perhaps
};

}  // namespace panelsim
