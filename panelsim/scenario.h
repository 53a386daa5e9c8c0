#pragma once
// Scenarios: small text scripts that load a panel, act on it as a pilot or the simulator would,
// and state what the trace and the panel must show. The format is described in docs/.

#include <iosfwd>
#include <string>
#include <vector>

namespace panelsim {

class Panel;

struct ScenarioLine {
  int number = 0;
  std::vector<std::string> words;
  std::string text;
};

// Splits a scenario into lines of words; '#' outside quotes starts a comment. InputError names
// the file and line of an unclosed quote.
std::vector<ScenarioLine> parse_scenario(const std::string& text, const std::string& file);

struct ScenarioResult {
  int expectations = 0;
  int failures = 0;
  std::string skipped;  // why the scenario stopped early: this build lacks what it needs
};

// Runs the scenario on the panel; every failed expectation is written to `out` with its line,
// what was expected and what was found. Commands with bad words throw InputError.
ScenarioResult run_scenario(Panel& panel, const std::vector<ScenarioLine>& lines,
                            const std::string& file, std::ostream& out);

}  // namespace panelsim
