// Compiled into every module: its ImportTable export and the accessors that call the host.
#include "host/panel_services.h"

extern "C" {
GAUGE_EXPORT host::ImportTable ImportTable = {host::kImportTableVersion, nullptr, {0, 0}};
}

namespace host {
namespace {

template <ServiceEntry E>
typename ServiceType<E>::type entry() {
  const ServiceTable* table = ::ImportTable.services;
  return table ? table->get<E>() : nullptr;
}

}  // namespace

const ServiceTable* services() {
  return ::ImportTable.services;
}

void read_token_var(HostVar& var) {
  if (auto fn = entry<ServiceEntry::ReadTokenVar>()) fn(&var);
}

double read_token_number(std::int32_t token) {
  HostVar var{.token = token};
  read_token_var(var);
  return var.value.number();
}

std::int32_t read_token_integer(std::int32_t token) {
  HostVar var{.token = token};
  read_token_var(var);
  return var.value.integer();
}

void send_key_event(std::uint32_t event, std::uint32_t parameter) {
  if (auto fn = entry<ServiceEntry::SendKeyEvent>()) fn(event, parameter);
}

void toggle_panel_window(std::int32_t ident) {
  if (auto fn = entry<ServiceEntry::TogglePanelWindow>()) fn(ident);
}

void named_var_link(HostVar& var, const char* name) {
  if (auto fn = entry<ServiceEntry::NamedVarLink>()) fn(&var, name);
}

std::int32_t named_var_find(const char* name) {
  auto fn = entry<ServiceEntry::NamedVarFind>();
  return fn ? fn(name) : -1;
}

std::int32_t named_var_register(const char* name) {
  auto fn = entry<ServiceEntry::NamedVarRegister>();
  return fn ? fn(name) : -1;
}

double named_var_get(std::int32_t id) {
  auto fn = entry<ServiceEntry::NamedVarGet>();
  return fn ? fn(id) : 0.0;
}

void named_var_set(std::int32_t id, double value) {
  if (auto fn = entry<ServiceEntry::NamedVarSet>()) fn(id, value);
}

std::int32_t eval_calculator_code(const char* code, double* number, std::int32_t* integer,
                                  const char** text) {
  auto fn = entry<ServiceEntry::EvalCalculatorCode>();
  return fn ? fn(code, number, integer, text) : 0;
}

void element_tree_service(int routine, Element* first, std::uint32_t value) {
  const ServiceTable* table = services();
  if (!table || routine < 1 || routine > 7) return;
  auto any = table->entries[static_cast<int>(element_tree_service_for_routine(routine))];
  if (!any) return;
  if (routine == 2 || routine == 5) {
    reinterpret_cast<service::ElementTreeWithValue>(any)(first, value);
  } else {
    reinterpret_cast<service::ElementTree>(any)(first);
  }
}

}  // namespace host
