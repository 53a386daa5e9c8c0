// panelsim: runs scenarios on the stand-in panel system and shows what a module offers.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "panelsim/errors.h"
#include "panelsim/module_listing.h"
#include "panelsim/module_loader.h"
#include "panelsim/panel.h"
#include "panelsim/scenario.h"
#include "panelsim/trace.h"
#include "platform/windows_api.h"

namespace fs = std::filesystem;

namespace {

// The bundled aircraft package sits beside the build's panelsim folder.
fs::path default_root() {
#if defined(_WIN32)
  char buffer[1024] = {};
  GetModuleFileNameA(nullptr, buffer, sizeof buffer - 1);
  fs::path exe(buffer);
#else
  fs::path exe = fs::read_symlink("/proc/self/exe");
#endif
  return exe.parent_path().parent_path() / "aircraft" / "korvan";
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw panelsim::LoadError(path.string() + ": cannot read");
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

bool worth_showing(const nlohmann::json& e) {
  static const char* kShown[] = {"key",   "window", "view",     "click",        "var",
                                 "sound", "note",   "aircraft", "expect_failed"};
  std::string what = e.value("event", "");
  // What elements show, except the bitmaps every element reports when it is first drawn.
  if (what == "element") return e.value("property", "") != "bitmap";
  for (const char* s : kShown) {
    if (what == s) return true;
  }
  return false;
}

int run_one(fs::path scenario_path, fs::path root, fs::path trace_path, bool timeline) {
  std::string text = read_file(scenario_path);
  auto lines = panelsim::parse_scenario(text, scenario_path.string());
  panelsim::Trace trace;
  trace.open_file(trace_path.string());
  panelsim::ScenarioResult result;
  {
    panelsim::Panel panel(fs::absolute(root).string(), trace);
    result = panelsim::run_scenario(panel, lines, scenario_path.string(), std::cerr);
  }
  if (timeline) {
    // A gauge that writes a variable every frame shows only the writes that change it.
    std::map<std::string, nlohmann::json> last_written;
    for (const auto& e : trace.events()) {
      if (!worth_showing(e)) continue;
      if (e.value("event", "") == "var") {
        auto [it, first] = last_written.try_emplace(e.value("name", ""), e["value"]);
        if (!first && it->second == e["value"]) continue;
        it->second = e["value"];
      }
      std::cout << panelsim::describe_event(e) << "\n";
    }
  }
  std::cout << scenario_path.filename().string() << ": " << result.expectations - result.failures
            << " of " << result.expectations << " expectations met; trace in "
            << trace_path.string() << "\n";
  if (!result.skipped.empty()) {
    std::cout << scenario_path.filename().string() << ": skipped the rest: " << result.skipped
              << "\n";
  }
  return result.failures == 0 ? 0 : 1;
}

// Runs each scenario on a fresh panel with freshly loaded modules. With several scenarios the
// traces go into trace_dir, one file each.
int run(const std::vector<std::string>& scenarios, const fs::path& root, const fs::path& trace,
        const fs::path& trace_dir, bool timeline) {
  if (scenarios.size() > 1 && !trace.empty()) {
    throw panelsim::LoadError("--trace names one file; give --trace-dir for several scenarios");
  }
  // A panel works in the simulator folder: settle every path before the first one starts.
  std::vector<fs::path> paths;
  for (const auto& s : scenarios) paths.push_back(fs::absolute(s));
  fs::path absolute_root = fs::absolute(root);
  fs::path absolute_trace = trace.empty() ? trace : fs::absolute(trace);
  fs::path absolute_dir = trace_dir.empty() ? trace_dir : fs::absolute(trace_dir);
  if (!absolute_dir.empty()) fs::create_directories(absolute_dir);
  int failed = 0;
  for (const auto& path : paths) {
    fs::path trace_path = absolute_trace;
    if (!absolute_dir.empty()) trace_path = absolute_dir / (path.stem().string() + ".trace.jsonl");
    if (trace_path.empty()) trace_path = fs::absolute(path.stem().string() + ".trace.jsonl");
    try {
      failed += run_one(path, absolute_root, trace_path, timeline);
    } catch (const panelsim::InputError& e) {
      std::cerr << "panelsim: " << e.what() << "\n";
      ++failed;
    } catch (const panelsim::LoadError& e) {
      std::cerr << "panelsim: " << e.what() << "\n";
      ++failed;
    }
  }
  if (scenarios.size() > 1) {
    std::cout << scenarios.size() - failed << " passed, " << failed << " failed\n";
  }
  return failed == 0 ? 0 : 1;
}

int list(const std::string& module, fs::path root) {
  panelsim::Trace trace;
  panelsim::Panel panel(fs::absolute(root).string(), trace);
  panelsim::LoadedModule& m = fs::exists(module) && !fs::is_directory(module)
                                  ? panel.module(fs::path(module).stem().string())
                                  : panel.module(module);
  panelsim::print_module_listing(m, std::cout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"panelsim: the stand-in panel system for the Korvan gauge modules"};
  // Absolute paths start with '/' under Wine too: they are never options.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  std::string root = default_root().string();
  app.add_option("--root", root, "simulator root folder (holds Gauges/)")->capture_default_str();

  auto* run_cmd =
      app.add_subcommand("run", "run a scenario; exits non-zero when an expectation fails");
  std::vector<std::string> scenarios;
  std::string trace_file, trace_dir;
  bool timeline = false;
  run_cmd->add_option("scenarios", scenarios, "scenario files")->required();
  run_cmd->add_option("--trace", trace_file,
                      "where to write the trace (JSON lines) of one scenario");
  run_cmd->add_option("--trace-dir", trace_dir, "folder for the traces of several scenarios");
  run_cmd->add_flag("--timeline", timeline, "print a readable timeline of what happened");

  auto* list_cmd =
      app.add_subcommand("list", "print a module's gauges, elements, hot spots and tool-tips");
  std::string module;
  list_cmd->add_option("module", module, "module name (found in Gauges/) or file")->required();

  CLI11_PARSE(app, argc, argv);
  try {
    if (*run_cmd) return run(scenarios, root, trace_file, trace_dir, timeline);
    if (*list_cmd) return list(module, root);
  } catch (const std::exception& e) {
    std::cerr << "panelsim: " << e.what() << "\n";
    return 2;
  }
  return 0;
}
