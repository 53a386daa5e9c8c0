#include "panelsim/named_vars.h"

#include "panelsim/text_util.h"

namespace panelsim {

// Names match without regard to case, as the simulator's do.
std::int32_t NamedVars::find(const std::string& name) const {
  auto it = ids_.find(to_lower(name));
  return it == ids_.end() ? -1 : it->second;
}

std::int32_t NamedVars::register_var(const std::string& name) {
  if (auto id = find(name); id >= 0) return id;
  auto id = static_cast<std::int32_t>(vars_.size());
  vars_.push_back({name, 0.0});
  ids_[to_lower(name)] = id;
  return id;
}

std::optional<double> NamedVars::value(const std::string& name) const {
  auto id = find(name);
  if (id < 0) return std::nullopt;
  return vars_[id].value;
}

void NamedVars::publish(const std::string& name, std::vector<std::uint8_t> bytes) {
  // A published block keeps its address while it exists: resize in place, never reallocate
  // after a gauge has linked it.
  auto [it, fresh] = data_.try_emplace(to_lower(name));
  auto& slot = it->second;
  if (fresh) slot.reserve(64);
  if (bytes.size() > slot.capacity()) return;  // would move a linked block
  if (slot.size() < bytes.size()) slot.resize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), slot.begin());
}

void NamedVars::unpublish(const std::string& name) {
  auto it = data_.find(to_lower(name));
  if (it == data_.end()) return;
  retired_.push_back(std::move(it->second));  // a moved vector keeps its block
  data_.erase(it);
}

void* NamedVars::published(const std::string& name) {
  auto it = data_.find(to_lower(name));
  return it == data_.end() || it->second.empty() ? nullptr : it->second.data();
}

}  // namespace panelsim
