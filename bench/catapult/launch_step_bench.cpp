// One update (service code 6) of the catapult module, loaded as a host loads it, with the offset
// server answering on its window in the same process. While launching, each update queues two
// reads and sends them, sends the hold release, integrates one step and sends the new speed and
// acceleration: three messages. While idle it sends nothing. The clock moves 1 ns an update, so a
// launch never reaches its end during a run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

#include "host/panel_services.h"
#include "host/tokens.h"
#include "panelsim/offset_server.h"
#include "tests/module_a/loaded_module.h"

namespace {

// What the module sees of its host: the clock, token 60, named variables and the zone byte.
struct BenchHost {
  double clock = 0.0;
  std::uint8_t zone = 1;
  std::map<std::string, std::int32_t> ids;
  double values[8] = {};
};
BenchHost* host_state = nullptr;

void HOST_CALL read_token_var(host::HostVar* var) {
  const double value = var->token == host::token::kRunningClock ? host_state->clock : 1.0;
  var->value.set_number(value);
}
void HOST_CALL named_var_link(host::HostVar* var, const char*) {
  var->link = &host_state->zone;
}
std::int32_t HOST_CALL named_var_register(const char* name) {
  auto [it, fresh] =
      host_state->ids.try_emplace(name, static_cast<std::int32_t>(host_state->ids.size()));
  return it->second;
}
std::int32_t HOST_CALL named_var_find(const char* name) {
  auto it = host_state->ids.find(name);
  return it == host_state->ids.end() ? -1 : it->second;
}
double HOST_CALL named_var_get(std::int32_t id) {
  return id >= 0 && id < 8 ? host_state->values[id] : 0.0;
}
void HOST_CALL named_var_set(std::int32_t id, double value) {
  if (id >= 0 && id < 8) host_state->values[id] = value;
}

// Counts the messages the server answers.
class CountingServer final : public panelsim::OffsetRequestHandler {
 public:
  explicit CountingServer(panelsim::OffsetValues& values) : server_(values) {}
  LRESULT answer(WPARAM length, LPARAM buffer) override {
    ++messages;
    return server_.answer(length, buffer);
  }
  long messages = 0;

 private:
  panelsim::OffsetServer server_;
};

class CatapultHarness {
 public:
  CatapultHarness() : module_(QRN_CATAPULT_GAU) {
    host_state = &host_;
    using E = host::ServiceEntry;
    table_.set<E::ReadTokenVar>(read_token_var);
    table_.set<E::NamedVarLink>(named_var_link);
    table_.set<E::NamedVarRegister>(named_var_register);
    table_.set<E::NamedVarFind>(named_var_find);
    table_.set<E::NamedVarGet>(named_var_get);
    table_.set<E::NamedVarSet>(named_var_set);
    auto* imports = static_cast<host::ImportTable*>(module_.symbol("ImportTable"));
    auto* linkage = static_cast<host::ModuleLinkage*>(module_.symbol("Linkage"));
    if (imports == nullptr || linkage == nullptr) return;
    imports->services = &table_;
    gauge_ = *host::linkage_gauges(linkage);
    service(host::service_code::kTreeReady);
    service(host::service_code::kSimWindowOpen);
    update();  // opens the connection
  }
  ~CatapultHarness() {
    if (gauge_ != nullptr) service(host::service_code::kSimWindowClose);
    host_state = nullptr;
  }

  bool ready() const { return gauge_ != nullptr && window_.handle() != nullptr; }
  void service(std::int32_t code) { gauge_->callback(gauge_, code, 0); }
  void update() {
    host_.clock += 1e-9;
    service(host::service_code::kUpdate);
  }
  // Arms with the lever, then the simulator releases the hold.
  void start_launch() {
    host::MouseRect* lever = gauge_->mouse_rects + 4;
    host::MouseContext context{.x = 0, .y = 0, .gauge = gauge_, .rect = lever};
    lever->function(&context, host::mouse_event::kLeftClick);
    store_.set<std::uint16_t>(0x0BC8, 0);
    update();
  }
  double aircraft_speed() { return store_.get<double>(0x3090); }
  long messages() const { return server_.messages; }

 private:
  BenchHost host_;
  korvan_test::LoadedModule module_;
  host::ServiceTable table_{};
  host::GaugeHeader* gauge_ = nullptr;
  panelsim::OffsetStore store_;
  CountingServer server_{store_};
  panelsim::OffsetServerWindow window_{server_};
};

void report(benchmark::State& state, const CatapultHarness& harness, long messages_before) {
  state.counters["messages_per_update"] = benchmark::Counter(
      static_cast<double>(harness.messages() - messages_before) / state.iterations());
}

void update_while_launching(benchmark::State& state) {
  CatapultHarness harness;
  if (!harness.ready()) return state.SkipWithError("the module or the server window is missing");
  harness.start_launch();
  const double speed_before = harness.aircraft_speed();
  const long messages_before = harness.messages();
  for (auto _ : state) harness.update();
  // Every measured update must have been a launch step that drove the aircraft on.
  if (!(harness.aircraft_speed() > speed_before)) {
    return state.SkipWithError("the launch did not run");
  }
  report(state, harness, messages_before);
}
BENCHMARK(update_while_launching);

void update_while_idle(benchmark::State& state) {
  CatapultHarness harness;
  if (!harness.ready()) return state.SkipWithError("the module or the server window is missing");
  const long messages_before = harness.messages();
  for (auto _ : state) harness.update();
  report(state, harness, messages_before);
}
BENCHMARK(update_while_idle);

}  // namespace

BENCHMARK_MAIN();
