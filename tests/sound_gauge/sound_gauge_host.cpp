#include "tests/sound_gauge/sound_gauge_host.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

namespace sound_gauge_test {
namespace {

// The variables live here, because host services are plain functions.
struct Vars {
  std::vector<std::string> names;
  std::vector<double> values;
  std::unordered_map<std::string, std::int32_t> ids;  // lower-case name → index
  SoundGaugeHost* host = nullptr;
};
Vars vars;

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::int32_t index_of(const std::string& name) {
  auto it = vars.ids.find(lower(name));
  return it == vars.ids.end() ? -1 : it->second;
}

std::int32_t add_var(const std::string& name, double value) {
  vars.names.push_back(lower(name));
  vars.values.push_back(value);
  auto id = static_cast<std::int32_t>(vars.names.size() - 1);
  vars.ids.emplace(vars.names.back(), id);
  return id;
}

std::int32_t HOST_CALL find_var(const char* name) {
  ++vars.host->calls.find;
  return name != nullptr ? index_of(name) : -1;
}

std::int32_t HOST_CALL register_var(const char* name) {
  ++vars.host->calls.register_var;
  if (name == nullptr) return -1;
  vars.host->registered.emplace_back(name);
  if (std::int32_t id = index_of(name); id >= 0) return id;
  return add_var(name, 0.0);
}

bool valid(std::int32_t id) {
  return id >= 0 && id < static_cast<std::int32_t>(vars.values.size());
}

double HOST_CALL get_var(std::int32_t id) {
  ++vars.host->calls.get;
  return valid(id) ? vars.values[id] : 0.0;
}

void HOST_CALL set_var(std::int32_t id, double value) {
  ++vars.host->calls.set;
  if (!valid(id)) return;
  vars.values[id] = value;
  vars.host->writes.push_back({vars.names[id], value});
}

}  // namespace

std::string module_path() {
  return QRN_XML_SOUND3_GAU;
}

SoundGaugeHost::SoundGaugeHost(const std::string& path) : module_(path) {
  vars = {};
  vars.host = this;
  table_.set<host::ServiceEntry::NamedVarFind>(find_var);
  table_.set<host::ServiceEntry::NamedVarRegister>(register_var);
  table_.set<host::ServiceEntry::NamedVarGet>(get_var);
  table_.set<host::ServiceEntry::NamedVarSet>(sound_gauge_test::set_var);
  import_table_ = static_cast<host::ImportTable*>(module_.symbol("ImportTable"));
  auto* linkage = static_cast<host::ModuleLinkage*>(module_.symbol("Linkage"));
  if (import_table_ == nullptr || linkage == nullptr) return;
  import_table_->services = &table_;
  host::GaugeHeader* prototype = host::linkage_gauges(linkage)[0];
  if (prototype == nullptr) return;
  instance_ = *prototype;
  gauge_ = &instance_;
}

SoundGaugeHost::~SoundGaugeHost() {
  if (import_table_ != nullptr) import_table_->services = nullptr;
  vars.host = nullptr;
}

void SoundGaugeHost::set_parameters(std::optional<std::string> parameters) {
  parameters_ = std::move(parameters);
  instance_.parameters = parameters_ ? parameters_->c_str() : nullptr;
}

void SoundGaugeHost::service(std::int32_t code) {
  if (gauge_ != nullptr && gauge_->callback != nullptr) gauge_->callback(gauge_, code, 0);
}

void SoundGaugeHost::set_var(const std::string& name, double value) {
  std::int32_t id = index_of(name);
  if (id < 0) {
    add_var(name, value);
  } else {
    vars.values[id] = value;
  }
}

std::optional<double> SoundGaugeHost::var(const std::string& name) const {
  std::int32_t id = index_of(name);
  if (id < 0) return std::nullopt;
  return vars.values[id];
}

}  // namespace sound_gauge_test
