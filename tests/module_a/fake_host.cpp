#include "tests/module_a/fake_host.h"

namespace korvan_test {
namespace {

// Host services are plain functions, so they reach the recorder through this.
FakeHost* current = nullptr;

void HOST_CALL record_key_event(std::uint32_t event, std::uint32_t parameter) {
  if (current != nullptr) current->keys.emplace_back(event, parameter);
}

std::int32_t HOST_CALL record_toggle(std::int32_t ident) {
  if (current != nullptr) current->toggled_windows.push_back(ident);
  return 1;
}

}  // namespace

FakeHost::FakeHost(host::ImportTable& import_table) : import_table_(import_table) {
  table_.set<host::ServiceEntry::SendKeyEvent>(record_key_event);
  table_.set<host::ServiceEntry::TogglePanelWindow>(record_toggle);
  import_table_.services = &table_;
  current = this;
}

FakeHost::~FakeHost() {
  import_table_.services = nullptr;
  current = nullptr;
}

}  // namespace korvan_test
