// Any text as a scenario, run on a fresh panel of the small fixture module: it runs, or is
// refused with an error that names the file and line. Other exceptions and crashes are faults.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "panelsim/errors.h"
#include "panelsim/panel.h"
#include "panelsim/scenario.h"
#include "panelsim/trace.h"

#ifndef FUZZ_SIM_ROOT
#error "FUZZ_SIM_ROOT names the simulator root with the fixture module"
#endif

namespace {

// Scenarios that ask for long runs are valid but would stall the fuzzer; numbers of more than
// four digits leave an input out.
bool asks_for_a_long_run(const std::vector<panelsim::ScenarioLine>& lines) {
  for (const auto& line : lines) {
    for (const std::string& word : line.words) {
      std::size_t digits = 0;
      for (char c : word) digits = (c >= '0' && c <= '9') ? digits + 1 : 0;
      if (digits > 4) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  try {
    const auto lines = panelsim::parse_scenario(text, "fuzz.scn");
    if (asks_for_a_long_run(lines)) return -1;
    panelsim::Trace trace;
    panelsim::Panel panel(FUZZ_SIM_ROOT, trace);
    std::ostringstream failures;
    panelsim::run_scenario(panel, lines, "fuzz.scn", failures);
  } catch (const panelsim::InputError&) {
  } catch (const panelsim::LoadError&) {
  }
  return 0;
}
