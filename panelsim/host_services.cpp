#include "panelsim/host_services.h"

#include <cstring>
#include <string>

#include "panelsim/calculator.h"
#include "panelsim/panel.h"

namespace panelsim {
namespace {

Panel* active = nullptr;

void HOST_CALL read_token_var(host::HostVar* var) {
  if (!active || !var) return;
  var->previous = var->value;
  var->value = active->model().token(var->token);
}

void HOST_CALL send_key_event(std::uint32_t event, std::uint32_t parameter) {
  if (active) active->model().key_event(event, parameter, active->caller());
}

std::int32_t HOST_CALL toggle_panel_window(std::int32_t ident) {
  if (!active) return 0;
  active->model().toggle_window(ident, active->caller());
  return 1;
}

void HOST_CALL named_var_link(host::HostVar* var, const char* name) {
  if (!active || !var || !name) return;
  var->link = active->model().vars().published(name);
}

std::int32_t HOST_CALL named_var_find(const char* name) {
  return active && name ? active->model().vars().find(name) : -1;
}

std::int32_t HOST_CALL named_var_register(const char* name) {
  if (!active || !name) return -1;
  return active->model().vars().register_var(name);
}

double HOST_CALL named_var_get(std::int32_t id) {
  return active ? active->model().vars().get(id) : 0.0;
}

void HOST_CALL named_var_set(std::int32_t id, double value) {
  if (!active) return;
  NamedVars& vars = active->model().vars();
  if (!vars.valid(id)) return;
  vars.set(id, value);
  nlohmann::json line = {{"event", "var"}, {"name", vars.name(id)}, {"value", value}};
  if (!active->caller().empty()) line["by"] = active->caller();
  active->model().trace().record(line);
}

std::int32_t HOST_CALL eval_calculator_code(const char* code, double* number, std::int32_t* integer,
                                            const char** text) {
  if (!active || !code) return 0;
  return evaluate_calculator_code(active->model(), code, number, integer, text) ? 1 : 0;
}

template <int N>
void HOST_CALL element_tree(host::Element*) {
  if (active) active->model().trace().record({{"event", "element_tree_service"}, {"service", N}});
}
template <int N>
void HOST_CALL element_tree_with_value(host::Element*, std::uint32_t value) {
  if (active) {
    active->model().trace().record(
        {{"event", "element_tree_service"}, {"service", N}, {"value", value}});
  }
}

}  // namespace

void set_active_panel(Panel* panel) {
  active = panel;
}

void fill_service_table(host::ServiceTable& t) {
  using E = host::ServiceEntry;
  t.set<E::ReadTokenVar>(read_token_var);
  t.set<E::SendKeyEvent>(send_key_event);
  t.set<E::TogglePanelWindow>(toggle_panel_window);
  t.set<E::NamedVarLink>(named_var_link);
  t.set<E::NamedVarFind>(named_var_find);
  t.set<E::NamedVarRegister>(named_var_register);
  t.set<E::NamedVarGet>(named_var_get);
  t.set<E::NamedVarSet>(named_var_set);
  t.set<E::EvalCalculatorCode>(eval_calculator_code);
  t.set<E::ElementTree1>(element_tree<1>);
  t.set<E::ElementTree2>(element_tree_with_value<2>);
  t.set<E::ElementTree3>(element_tree<3>);
  t.set<E::ElementTree4>(element_tree<4>);
  t.set<E::ElementTree5>(element_tree_with_value<5>);
  t.set<E::ElementTree6>(element_tree<6>);
  t.set<E::ElementTree8>(element_tree<8>);
}

}  // namespace panelsim
