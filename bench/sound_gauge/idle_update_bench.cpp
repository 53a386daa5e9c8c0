// One update of the sound gauge whose entries are all idle (every trigger at 0, nothing loaded):
// the cost the gauge adds to every frame of a panel that plays no sound. Counts the host calls
// each update makes beside the time.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/sound_gauge/sound_gauge_host.h"

namespace {

namespace fs = std::filesystem;

void idle_update(benchmark::State& state) {
  const auto entries = static_cast<int>(state.range(0));
  const fs::path ini =
      fs::temp_directory_path() / ("sound_gauge_bench_" + std::to_string(entries) + ".ini");
  std::ofstream(ini) << "[Config]\nMaxSounds=" << entries << "\n";

  sound_gauge_test::SoundGaugeHost host(sound_gauge_test::module_path());
  if (!host.loaded()) {
    state.SkipWithError("the module did not load");
    return;
  }
  host.set_parameters(ini.string());
  host.update();  // the first update reads the INI file and registers the variables
  host.calls = {};
  for (auto _ : state) host.update();
  state.counters["host_calls_per_update"] =
      benchmark::Counter(static_cast<double>(host.calls.total()) / state.iterations());
  fs::remove(ini);
}
BENCHMARK(idle_update)->Arg(1)->Arg(10)->Arg(100);

}  // namespace

BENCHMARK_MAIN();
